#include "platform/instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace xpexam::platform {
namespace {

// FNV-1a: stable across builds, so every copy of the program finds the same file.
uint64_t Hash(const std::string& text) {
  uint64_t h = 14695981039346656037ull;
  for (unsigned char c : text) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h;
}

}  // namespace

std::string InstanceLockPath(const std::string& program_folder) {
  char real[PATH_MAX];
  std::string folder = ::realpath(program_folder.c_str(), real) ? std::string(real) : program_folder;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::string dir = runtime && runtime[0] == '/' ? runtime : "/tmp";
  char name[64];
  std::snprintf(name, sizeof name, "/xpexam-%u-%016llx.lock", static_cast<unsigned>(::getuid()),
                static_cast<unsigned long long>(Hash(folder)));
  return dir + name;
}

InstanceLock::InstanceLock(const std::string& program_folder)
    : path_(InstanceLockPath(program_folder)), owner_(::getpid()) {
  // A copy that is ending removes the file while it still holds it. A copy that opened the file
  // just before may then get the lock of a file no longer there, while a third one makes a new
  // file and locks that: after locking, the path must still name the file held, else again.
  for (int attempt = 0; attempt < 16; ++attempt) {
    // Close-on-exec: a browser started by the program must not keep the lock after it ends.
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) return;
    int rc;
    do {
      rc = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
      prev_instance_ = errno == EWOULDBLOCK;
      ::close(fd_);
      fd_ = -1;
      return;
    }
    struct stat held, named;
    if (::fstat(fd_, &held) == 0 && ::stat(path_.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
        held.st_ino == named.st_ino)
      return;
    ::close(fd_);
    fd_ = -1;
  }
}

InstanceLock::~InstanceLock() {
  if (fd_ < 0) return;
  // Removed while still held, at the end of the process that took it (not in a child that
  // inherited the object), so that no file stays behind per installation ever started.
  if (::getpid() == owner_) ::unlink(path_.c_str());
  ::close(fd_);
}

}  // namespace xpexam::platform
