#include "platform/shell.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <system_error>
#include <thread>

extern char** environ;

namespace xpexam::platform {
namespace {

constexpr const char* kDefaultOpener = "xdg-open";

std::string& Opener() {
  static std::string opener = kDefaultOpener;
  return opener;
}

class SpawnSetup {
 public:
  SpawnSetup() {
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
    // The handler may outlive us: it must not hold our sockets or locks.
    posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
#endif
    posix_spawnattr_init(&attr_);
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigmask(&attr_, &none);
    posix_spawnattr_setsigdefault(&attr_, &defaults);
    posix_spawnattr_setflags(&attr_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  }
  ~SpawnSetup() {
    posix_spawnattr_destroy(&attr_);
    posix_spawn_file_actions_destroy(&actions_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  const posix_spawn_file_actions_t* actions() const { return &actions_; }
  const posix_spawnattr_t* attr() const { return &attr_; }

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attr_;
};

}  // namespace

void SetShellOpener(std::string program) { Opener() = program.empty() ? kDefaultOpener : std::move(program); }

bool ShellOpen(const std::string& target) {
  if (target.empty() || target.front() == '-') return false;
  std::string program = Opener();
  char* argv[] = {program.data(), const_cast<char*>(target.c_str()), nullptr};
  SpawnSetup setup;
  pid_t pid = 0;
  if (posix_spawnp(&pid, program.c_str(), setup.actions(), setup.attr(), argv, environ) != 0) return false;
  try {
    std::thread([pid] {
      while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
      }
    }).detach();
  } catch (const std::system_error&) {
    // No thread to spare: the handler stays a zombie until we end, which is harmless.
  }
  return true;
}

}  // namespace xpexam::platform
