#pragma once
// The previous-instance test: one lock per installation, held while the program runs. The lock
// is the system's (flock): it is dropped when the process ends, however it ends, so a crash never
// blocks the next start. The lock file is removed when the lock is released.
#include <string>

namespace xpexam::platform {

class InstanceLock {
 public:
  // Takes the lock of the installation in program_folder, unless another process holds it.
  explicit InstanceLock(const std::string& program_folder);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // True when another running process holds the lock of the same installation. When the
  // lock cannot be made at all, this is False: better a second copy than none.
  bool PrevInstance() const { return prev_instance_; }

 private:
  std::string path_;
  int owner_ = 0;  // the process that took the lock
  int fd_ = -1;
  bool prev_instance_ = false;
};

// The lock file of an installation: $XDG_RUNTIME_DIR (or /tmp) + "/xpexam-<uid>-<hash>.lock",
// the hash taken from the folder's real path.
std::string InstanceLockPath(const std::string& program_folder);

}  // namespace xpexam::platform
