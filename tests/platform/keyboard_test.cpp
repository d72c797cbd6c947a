#include "platform/keyboard.h"

#include <gtest/gtest.h>

namespace xpexam::platform {
namespace {

class Keyboard : public ::testing::Test {
 protected:
  void TearDown() override {
    SetKeyboardLayouts({
        {0x08040804u, "中文(简体) - 美式键盘", ""},
        {0xE0010804u, "中文(简体) - 全拼", "中文(简体) - 全拼"},
        {0xE0020804u, "中文(简体) - 双拼", "中文(简体) - 双拼"},
    });
  }
};

TEST_F(Keyboard, InstalledListStartsWithThePlainLayout) {
  const auto& list = KeyboardLayouts();
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].name, "中文(简体) - 美式键盘");
  EXPECT_EQ(ImmGetDescription(list[0].handle), "");
  for (size_t i = 1; i < list.size(); ++i) EXPECT_NE(ImmGetDescription(list[i].handle), "");
  EXPECT_EQ(ActiveKeyboardLayout(), list[0].handle);
  EXPECT_EQ(GetKeyboardLayoutList(16), (std::vector<uint32_t>{0x08040804u, 0xE0010804u, 0xE0020804u}));
}

TEST_F(Keyboard, ListIsCutAtTheCallersCount) {
  std::vector<KeyboardLayout> twenty;
  for (uint32_t i = 1; i <= 20; ++i) twenty.push_back({i, "L" + std::to_string(i), "IME " + std::to_string(i)});
  SetKeyboardLayouts(twenty);
  auto handles = GetKeyboardLayoutList(16);
  ASSERT_EQ(handles.size(), 16u);
  EXPECT_EQ(handles.front(), 1u);
  EXPECT_EQ(handles.back(), 16u);
  EXPECT_TRUE(GetKeyboardLayoutList(0).empty());
  EXPECT_EQ(ImmGetDescription(20), "IME 20");
  EXPECT_EQ(ImmGetDescription(21), "");
  SetKeyboardLayouts({});
  EXPECT_TRUE(GetKeyboardLayoutList(16).empty());
  EXPECT_EQ(ActiveKeyboardLayout(), 0u);
}

TEST_F(Keyboard, ActivationIsRecordedForInstalledLayoutsOnly) {
  struct Case {
    uint32_t handle;
    uint32_t returns;
    uint32_t active;
    int count;
  } steps[] = {
      {0xE0020804u, 0x08040804u, 0xE0020804u, 1},
      {0xE0020804u, 0xE0020804u, 0xE0020804u, 2},  // again: still an activation
      {0, 0, 0xE0020804u, 2},                      // never chosen
      {0x12345678u, 0, 0xE0020804u, 2},            // not installed
      {0x08040804u, 0xE0020804u, 0x08040804u, 3},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.handle);
    EXPECT_EQ(ActivateKeyboardLayout(s.handle), s.returns);
    EXPECT_EQ(ActiveKeyboardLayout(), s.active);
    EXPECT_EQ(KeyboardActivationCount(), s.count);
  }
}

}  // namespace
}  // namespace xpexam::platform
