#include "platform/shell.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <functional>
#include <system_error>
#include <thread>

#include "platform/textfile.h"

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

// Starts program without waiting; the ended child is reaped in the background, and `ended`, when
// given, gets its wait status on that thread (-1 when there is no thread to follow it).
bool Spawn(const std::string& program, char* const argv[], bool search_path,
           const std::function<void(int)>& ended = {}) {
  SpawnSetup setup;
  pid_t pid = 0;
  const int rc = search_path ? posix_spawnp(&pid, program.c_str(), setup.actions(), setup.attr(), argv, environ)
                             : posix_spawn(&pid, program.c_str(), setup.actions(), setup.attr(), argv, environ);
  if (rc != 0) return false;
  try {
    std::thread([pid, ended] {
      int status = 0;
      pid_t got;
      while ((got = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
      }
      if (ended) ended(got == pid ? status : -1);
    }).detach();
  } catch (const std::system_error&) {
    // No thread to spare: the child stays a zombie until we end, which is harmless.
    if (ended) ended(-1);
  }
  return true;
}

bool StartHandler(const std::string& target, const std::function<void(int)>& ended = {}) {
  if (target.empty() || target.front() == '-') return false;
  std::string program = Opener();
  char* argv[] = {program.data(), const_cast<char*>(target.c_str()), nullptr};
  return Spawn(program, argv, true, ended);
}

}  // namespace

void SetShellOpener(std::string program) { Opener() = program.empty() ? kDefaultOpener : std::move(program); }

bool ShellOpen(const std::string& target) { return StartHandler(target); }

std::shared_ptr<const ShellOpening> ShellOpenFollowed(const std::string& target) {
  auto opening = std::make_shared<ShellOpening>();
  const bool started = StartHandler(target, [opening](int status) {
    // A handler that was killed or cannot be followed may well have opened the target.
    const bool refused = status != -1 && WIFEXITED(status) && WEXITSTATUS(status) != 0;
    opening->Settle(refused ? ShellOpening::State::kNotOpened : ShellOpening::State::kOpened);
  });
  if (!started) opening->Settle(ShellOpening::State::kNotOpened);
  return opening;
}

bool IsWebLink(std::string_view target) {
  auto starts = [&](std::string_view scheme) {
    if (target.size() <= scheme.size()) return false;
    for (size_t i = 0; i < scheme.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(target[i])) != scheme[i]) return false;
    return true;
  };
  return starts("http://") || starts("https://");
}

bool StartExecutable(const std::string& path) {
  std::string program = ResolvePath(path);
  struct stat st {};
  if (::stat(program.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || ::access(program.c_str(), X_OK) != 0) return false;
  char* argv[] = {program.data(), nullptr};
  return Spawn(program, argv, false);
}

}  // namespace xpexam::platform
