#include "platform/shell.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace xpexam::platform {
namespace {

namespace fs = std::filesystem;

// Polls for up to a second.
template <class F>
bool Eventually(F condition) {
  for (int i = 0; i < 100; ++i) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return condition();
}

int ZombieChildren() {
  int zombies = 0;
  for (const auto& e : fs::directory_iterator("/proc")) {
    std::ifstream stat(e.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    // pid (comm) state ppid ...; comm may hold spaces and parentheses.
    size_t close = line.rfind(')');
    if (close == std::string::npos) continue;
    char state = 0;
    int ppid = 0;
    if (std::sscanf(line.c_str() + close + 1, " %c %d", &state, &ppid) == 2 && ppid == ::getpid() && state == 'Z')
      ++zombies;
  }
  return zombies;
}

class Shell : public ::testing::Test {
 protected:
  void TearDown() override { SetShellOpener(""); }
};

TEST_F(Shell, TheTargetIsOneArgumentNeverSeenByAShell) {
  fs::path dir = fs::temp_directory_path() / ("xpexam_shell_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path target = dir / "a b;touch x$(id)&'q'";
  SetShellOpener("/usr/bin/touch");
  ASSERT_TRUE(ShellOpen(target.string()));
  EXPECT_TRUE(Eventually([&] { return fs::exists(target); }));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  fs::remove_all(dir);
}

TEST_F(Shell, FailuresAreReported) {
  SetShellOpener("/bin/true");
  EXPECT_FALSE(ShellOpen(""));
  EXPECT_FALSE(ShellOpen("--help"));
  SetShellOpener("/nonexistent/opener");
  EXPECT_FALSE(ShellOpen("http://example.invalid/"));
  SetShellOpener("no-such-opener-on-path");
  EXPECT_FALSE(ShellOpen("/tmp"));
}

TEST_F(Shell, EndedHandlersLeaveNoZombies) {
  SetShellOpener("/bin/true");
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(ShellOpen("/tmp"));
  EXPECT_TRUE(Eventually([] { return ZombieChildren() == 0; }));
}

}  // namespace
}  // namespace xpexam::platform
