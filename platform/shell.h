#pragma once
// Opening a web address or a folder with the desktop's own handler; starting a program.
#include <atomic>
#include <memory>
#include <string>
#include <string_view>

namespace xpexam::platform {

// Starts the handler (xdg-open) directly, never through a shell, with target as its one
// argument, and does not wait for it; the ended handler is reaped in the background.
// False when the handler cannot be started, or the target is empty or begins with "-"
// (the handler would read it as an option).
bool ShellOpen(const std::string& target);

// What became of a target handed to the handler by ShellOpenFollowed. Set from the thread that
// reaps the handler; read from any thread.
class ShellOpening {
 public:
  enum class State { kRunning, kOpened, kNotOpened };
  State state() const { return state_.load(); }
  void Settle(State state) { state_.store(state); }

 private:
  std::atomic<State> state_{State::kRunning};
};

// Starts the handler as ShellOpen does and follows it without waiting: kNotOpened at once when
// the handler cannot be started or the target is refused, and when the handler ends with a
// non-zero exit code (xdg-open's 3, no program for the target, or 4, the opening failed);
// kOpened when it ends otherwise; kRunning while it runs (a browser it started may keep it
// running).
std::shared_ptr<const ShellOpening> ShellOpenFollowed(const std::string& target);

// True for an http: or https: address (any letter case), the only kind a link from outside
// the installation may open: "file:", a path or another scheme could run or reveal anything.
bool IsWebLink(std::string_view target);

// Starts an executable file directly (no shell, no arguments) and does not wait for it. False
// when the resolved path is not an executable regular file or cannot be started.
bool StartExecutable(const std::string& path);

// The handler program, looked up on PATH unless it contains "/"; tests put a harmless
// one here. An empty text restores xdg-open.
void SetShellOpener(std::string program);

}  // namespace xpexam::platform
