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

TEST_F(Shell, AFollowedOpeningTellsWhetherTheHandlerTookTheTarget) {
  using State = ShellOpening::State;
  fs::path dir = fs::temp_directory_path() / ("xpexam_follow_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  auto opener = [&](const std::string& name, const std::string& body) {
    const fs::path path = dir / name;
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    fs::permissions(path, fs::perms::owner_all);
    return path.string();
  };
  struct Case {
    std::string opener, target;
    State settles;
  };
  const Case cases[] = {
      {opener("opens", "exit 0"), "https://example.invalid/", State::kOpened},
      {opener("no_program", "exit 3"), "https://example.invalid/", State::kNotOpened},
      {opener("failed", "exit 4"), "/tmp", State::kNotOpened},
      {opener("killed", "kill -9 $$"), "/tmp", State::kOpened},
      {(dir / "missing").string(), "/tmp", State::kNotOpened},
      {"no-such-opener-on-path", "/tmp", State::kNotOpened},
      {opener("refused", "exit 0"), "--help", State::kNotOpened},
  };
  for (const Case& c : cases) {
    SetShellOpener(c.opener);
    auto opening = ShellOpenFollowed(c.target);
    ASSERT_TRUE(opening);
    EXPECT_TRUE(Eventually([&] { return opening->state() == c.settles; })) << c.opener << " " << c.target;
  }
  // A handler that has not ended is followed still; nobody waits for it.
  SetShellOpener(opener("slow", "sleep 0.5"));
  auto slow = ShellOpenFollowed("/tmp");
  EXPECT_EQ(slow->state(), State::kRunning);
  EXPECT_TRUE(Eventually([&] { return slow->state() == State::kOpened; }));
  EXPECT_TRUE(Eventually([] { return ZombieChildren() == 0; }));
  fs::remove_all(dir);
}

TEST(StartExecutable, StartsOnlyExecutableFilesAndNeverThroughAShell) {
  fs::path dir = fs::temp_directory_path() / ("xpexam_start_" + std::to_string(::getpid()));
  fs::create_directories(dir / "folder");
  auto write = [&](const std::string& name, const std::string& text, fs::perms perms) {
    std::ofstream(dir / name) << text;
    fs::permissions(dir / name, perms);
  };
  const std::string script = "#!/bin/sh\ntouch \"$(dirname \"$0\")/started\"\n";
  write("updater.rar", script, fs::perms::owner_all);
  write("data.rar", script, fs::perms::owner_read | fs::perms::owner_write);
  write("a b;touch injected", script, fs::perms::owner_all);
  struct Case {
    std::string path;
    bool started;
  } cases[] = {
      {(dir / "data.rar").string(), false},
      {(dir / "folder").string(), false},
      {(dir / "missing.rar").string(), false},
      {(dir / "a b;touch injected").string(), true},
      {(dir / "UPDATER.RAR").string(), true},  // resolved case-insensitively
  };
  for (const Case& c : cases) {
    fs::remove(dir / "started");
    EXPECT_EQ(StartExecutable(c.path), c.started) << c.path;
    if (c.started) {
      EXPECT_TRUE(Eventually([&] { return fs::exists(dir / "started"); })) << c.path;
    }
  }
  EXPECT_FALSE(fs::exists(dir / "injected"));
  EXPECT_FALSE(fs::exists("injected"));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace xpexam::platform
