#include "platform/registry.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/textfile.h"

namespace xpexam::platform {
namespace {

namespace fs = std::filesystem;

class Registry : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("xpexam_reg_" + std::to_string(::getpid()));
    fs::remove_all(root_);
    SetRegistryFolder((root_ / "config" / "xpexam").string());
  }
  void TearDown() override {
    SetRegistryFolder("");
    fs::remove_all(root_);
  }
  fs::path root_;
};

TEST_F(Registry, ValuesRoundTripThroughTheFile) {
  const std::string awkward = "/home/学员/考试 程序\t%41\r\n" + std::string(72, '*') + " ";
  struct Case {
    const char* key;
    const char* name;
    RegistryValue value;
  } cases[] = {
      {"Software\\vemo", "ProPath05", awkward},
      {"Software\\vemo", "ProName05", std::string("xpexam") + std::string(36, '*')},
      {"Software\\vemo", "", std::string()},
      {"Software\\other", "ProPath05", uint32_t{0xFFFFFFFFu}},
      {"Software\\other", "Count", uint32_t{0}},
  };
  for (const auto& c : cases) ASSERT_TRUE(RegistrySet(c.key, c.name, c.value));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RegistryGet(c.key, c.name), c.value);
  }
  EXPECT_EQ(RegistryGet("Software\\vemo", "Missing"), std::nullopt);
  EXPECT_EQ(RegistryGet("Software\\none", "ProPath05"), std::nullopt);
  // One line per value, whatever the value holds.
  auto lines = ReadFileBytes((root_ / "config" / "xpexam" / "registry.txt").string());
  ASSERT_TRUE(lines);
  EXPECT_EQ(std::count(lines->begin(), lines->end(), '\n'), 6);
}

TEST_F(Registry, KeysAndNamesIgnoreCaseAndAValueIsReplaced) {
  ASSERT_TRUE(RegistrySet("Software\\Vemo", "ProPath07", std::string("first")));
  ASSERT_TRUE(RegistrySet("\\SOFTWARE\\vemo\\", "propath07", uint32_t{7}));
  EXPECT_EQ(RegistryGet("software\\VEMO", "PROPATH07"), RegistryValue(uint32_t{7}));
  auto bytes = ReadFileBytes((root_ / "config" / "xpexam" / "registry.txt").string());
  EXPECT_EQ(std::count(bytes->begin(), bytes->end(), '\n'), 2);
}

TEST_F(Registry, AnUnwritableStoreFailsAndKeepsItsContent) {
  ASSERT_TRUE(RegistrySet("Software\\vemo", "a", std::string("kept")));
  fs::path folder = root_ / "config" / "xpexam";
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  bool wrote = RegistrySet("Software\\vemo", "a", std::string("lost"));
  fs::permissions(folder, fs::perms::owner_all);
  if (::geteuid() != 0) {  // root writes anyway
    EXPECT_FALSE(wrote);
    EXPECT_EQ(RegistryGet("Software\\vemo", "a"), RegistryValue(std::string("kept")));
  }

  SetRegistryFolder((root_ / "config" / "xpexam" / "registry.txt" / "below-a-file").string());
  EXPECT_FALSE(RegistrySet("Software\\vemo", "a", std::string("x")));
}

TEST(RegistryFolder, FollowsTheConfigurationFolderOfTheUser) {
  setenv("HOME", "/home/learner", 1);
  setenv("XDG_CONFIG_HOME", "/cfg", 1);
  EXPECT_EQ(RegistryFolder(), "/cfg/xpexam");
  setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
  EXPECT_EQ(RegistryFolder(), "/home/learner/.config/xpexam");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(RegistryFolder(), "/home/learner/.config/xpexam");
}

}  // namespace
}  // namespace xpexam::platform
