#include "platform/instance.h"

#include <fcntl.h>
#include <sys/file.h>
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

InstanceLock::InstanceLock(const std::string& program_folder) {
  // Close-on-exec: a browser started by the program must not keep the lock after it ends.
  fd_ = ::open(InstanceLockPath(program_folder).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd_ < 0) return;
  int rc;
  do {
    rc = ::flock(fd_, LOCK_EX | LOCK_NB);
  } while (rc != 0 && errno == EINTR);
  if (rc == 0) return;
  prev_instance_ = errno == EWOULDBLOCK;
  ::close(fd_);
  fd_ = -1;
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace xpexam::platform
