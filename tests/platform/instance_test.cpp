#include "platform/instance.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <vector>

#include "platform/shell.h"

namespace xpexam::platform {
namespace {

namespace fs = std::filesystem;

class Instance : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("xpexam_inst_" + std::to_string(::getpid()));
    fs::create_directories(folder_ / "sub");
  }
  void TearDown() override {
    ::unlink(InstanceLockPath(folder_.string()).c_str());
    ::unlink(InstanceLockPath((folder_ / "sub").string()).c_str());
    fs::remove_all(folder_);
  }
  // Whether a fresh process finds the installation's lock taken.
  bool ChildSeesPrevInstance() {
    pid_t pid = ::fork();
    if (pid == 0) {
      InstanceLock lock(folder_.string());
      ::_exit(lock.PrevInstance() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
  }
  fs::path folder_;
};

TEST_F(Instance, SecondLockOfTheSameInstallationSeesTheFirst) {
  {
    InstanceLock first(folder_.string());
    EXPECT_FALSE(first.PrevInstance());
    EXPECT_TRUE(InstanceLock(folder_.string()).PrevInstance());
    EXPECT_TRUE(InstanceLock(folder_.string() + "/sub/..").PrevInstance());
    EXPECT_FALSE(InstanceLock((folder_ / "sub").string()).PrevInstance());
    EXPECT_TRUE(ChildSeesPrevInstance());
  }
  EXPECT_FALSE(ChildSeesPrevInstance());
  EXPECT_FALSE(InstanceLock(folder_.string()).PrevInstance());
}

TEST_F(Instance, AKilledProcessReleasesItsLock) {
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  pid_t pid = ::fork();
  if (pid == 0) {
    InstanceLock lock(folder_.string());
    char c = lock.PrevInstance() ? 'n' : 'y';
    (void)!::write(ready[1], &c, 1);
    for (;;) ::pause();
  }
  char c = 0;
  ASSERT_EQ(::read(ready[0], &c, 1), 1);
  EXPECT_EQ(c, 'y');
  EXPECT_TRUE(InstanceLock(folder_.string()).PrevInstance());
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  // The killed copy left its file; the next copy takes it over and removes it at its end.
  EXPECT_TRUE(fs::exists(InstanceLockPath(folder_.string())));
  EXPECT_FALSE(InstanceLock(folder_.string()).PrevInstance());
  EXPECT_FALSE(fs::exists(InstanceLockPath(folder_.string())));
  ::close(ready[0]);
  ::close(ready[1]);
}

TEST_F(Instance, TheLockFileGoesWithTheLock) {
  const std::string path = InstanceLockPath(folder_.string());
  {
    InstanceLock lock(folder_.string());
    EXPECT_TRUE(fs::exists(path));
    // A copy turned away leaves the file of the one that runs.
    EXPECT_TRUE(InstanceLock(folder_.string()).PrevInstance());
    EXPECT_TRUE(fs::exists(path));
  }
  EXPECT_FALSE(fs::exists(path));
}

// Copies that start and end at the same moments: one that opened the file just before the
// ending copy removed it must not hold the lock beside a copy that made the file anew.
TEST_F(Instance, CopiesStartingAndEndingTogetherNeverHoldItAtOnce) {
  void* shared = ::mmap(nullptr, 4096, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(shared, MAP_FAILED);
  auto* holders = new (shared) std::atomic<int>(0);
  auto* overlaps = new (holders + 1) std::atomic<int>(0);
  auto* held = new (holders + 2) std::atomic<int>(0);
  std::vector<pid_t> copies;
  for (int k = 0; k < 6; ++k) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      for (int i = 0; i < 400; ++i) {
        InstanceLock lock(folder_.string());
        if (lock.PrevInstance()) continue;
        if (holders->fetch_add(1) != 0) overlaps->fetch_add(1);
        held->fetch_add(1);
        ::sched_yield();
        holders->fetch_sub(1);
      }
      ::_exit(0);
    }
    copies.push_back(pid);
  }
  for (pid_t pid : copies) ::waitpid(pid, nullptr, 0);
  EXPECT_GT(held->load(), 0);
  EXPECT_EQ(overlaps->load(), 0);
  EXPECT_FALSE(fs::exists(InstanceLockPath(folder_.string())));
  ::munmap(shared, 4096);
}

TEST_F(Instance, AProgramStartedWhileHoldingTheLockDoesNotKeepIt) {
  SetShellOpener("/bin/sleep");
  {
    InstanceLock lock(folder_.string());
    ASSERT_TRUE(ShellOpen("0.3"));
  }
  SetShellOpener("");
  EXPECT_FALSE(InstanceLock(folder_.string()).PrevInstance());
}

TEST(InstanceLockPath, LivesInTheRuntimeFolderOfTheUser) {
  setenv("XDG_RUNTIME_DIR", "/run/user/1000", 1);
  std::string path = InstanceLockPath("/opt/exam");
  EXPECT_EQ(path.rfind("/run/user/1000/xpexam-" + std::to_string(::getuid()) + "-", 0), 0u) << path;
  EXPECT_NE(path, InstanceLockPath("/opt/exam2"));
  unsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(InstanceLockPath("/opt/exam").rfind("/tmp/xpexam-", 0), 0u);
}

}  // namespace
}  // namespace xpexam::platform
