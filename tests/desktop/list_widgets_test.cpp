#include "desktop/list_widgets.h"

#include <gtest/gtest.h>

#include "tests/support/step_line.h"

namespace xpexam::desktop {
namespace {

using xpexam::testing::StepLine;

// A list step: initial entry at 106-108, expected entry at 109-111.
StepRecord ListRecord(std::string_view initial, std::string_view expected) {
  std::string line = StepLine({{8, "L012"}, {106, initial}});
  line.replace(108, 3, expected);
  return StepRecord(line);
}

TEST(ListStep, SelectingTheExpectedEntry) {
  ListStep list;
  EXPECT_FALSE(list.SetUp(ListRecord("000", "002"), "横向|纵向|自动"));
  EXPECT_TRUE(list.Visible());
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"横向", "纵向", "自动"}));
  EXPECT_EQ(list.ListIndex(), 0);
  EXPECT_EQ(list.Caption(), "横向");

  EXPECT_FALSE(list.Select(1));  // a wrong entry stays selected and shown
  EXPECT_TRUE(list.Visible());
  EXPECT_EQ(list.Caption(), "纵向");
  EXPECT_TRUE(list.Select(2));
  EXPECT_FALSE(list.Visible());
  EXPECT_EQ(list.Caption(), "");
}

TEST(ListStep, SetUpCases) {
  struct Case {
    const char* name;
    const char* initial;
    const char* expected;
    const char* items;
    bool answered_in_load;
    int list_index;
    const char* caption;
  } cases[] = {
      {"expected 000 is the first entry", "001", "000", "甲|乙", false, 1, "乙"},
      {"expected blank is the first entry", "001", "   ", "甲|乙", false, 1, "乙"},
      {"initial equal to expected: answered in the load", "001", "001", "甲|乙", true, 1, ""},
      {"initial past the entries: no selection", "005", "001", "甲|乙", false, ListStep::kNoSelection, ""},
      {"text without a bar is one entry", "001", "000", "只有一项", false, ListStep::kNoSelection, ""},
      {"a trailing bar makes an empty last entry", "002", "000", "甲|乙|", false, 2, ""},
  };
  for (const auto& c : cases) {
    ListStep list;
    EXPECT_EQ(list.SetUp(ListRecord(c.initial, c.expected), c.items), c.answered_in_load) << c.name;
    EXPECT_EQ(list.ListIndex(), c.list_index) << c.name;
    EXPECT_EQ(list.Caption(), c.caption) << c.name;
    EXPECT_EQ(list.Visible(), !c.answered_in_load) << c.name;
  }
  ListStep first;
  first.SetUp(ListRecord("001", "   "), "甲|乙");
  EXPECT_TRUE(first.Select(0));
}

TEST(ListStep, HiddenListTakesNoSelection) {
  ListStep list;
  list.SetUp(ListRecord("000", "001"), "甲|乙");
  list.Hide();
  EXPECT_FALSE(list.Select(1));
  EXPECT_EQ(list.Caption(), "");
}

TEST(LocationList, Entries) {
  struct Case {
    int index;
    const char* name;
    int32_t chosen_left;
  } cases[] = {
      {0, "我最近的文档", 30},  {1, "桌面", 30},           {2, "我的文档", -120},
      {3, "我的电脑", -120},    {4, "3.5 软盘 (A:)", -270}, {5, "本地磁盘 (C:)", -270},
      {9, "DVD-RAM 驱动器 (G:)", -270}, {10, "可移动磁盘 (H:)", -270}, {12, "My Documents", -270},
      {13, "网上邻居", -120},
  };
  LocationList list;
  EXPECT_EQ(list.ChosenLeft(), -120);  // the closed box starts with entry 2
  for (const auto& c : cases) {
    EXPECT_STREQ(kLocationEntries[static_cast<size_t>(c.index)].name, c.name);
    list.Choose(c.index);
    EXPECT_EQ(list.Chosen(), c.index);
    EXPECT_EQ(list.ChosenLeft(), c.chosen_left) << c.name;
  }
}

TEST(LocationList, StepK305) {
  LocationList list;
  EXPECT_FALSE(list.SetUp(StepRecord(StepLine({{8, "K305"}}))));
  EXPECT_TRUE(list.Visible());
  EXPECT_EQ(list.Chosen(), 3);  // 我的电脑 in the closed box
  EXPECT_FALSE(list.IsOpen());
  EXPECT_EQ(list.Height(), 330);

  list.ToggleDropDown();
  EXPECT_EQ(list.Height(), 3720);
  EXPECT_FALSE(list.Choose(4));  // wrong: collapsed, showing the wrong entry
  EXPECT_FALSE(list.IsOpen());
  EXPECT_EQ(list.Chosen(), 4);
  list.ToggleDropDown();
  EXPECT_TRUE(list.Choose(5));  // 本地磁盘 (C:)

  // Set-up with the expected entry shown answers in the load.
  LocationList same;
  EXPECT_TRUE(same.SetUp(StepRecord(StepLine({{8, "K505"}}))));
  // Expected entries above 9 take two digits.
  LocationList two;
  two.SetUp(StepRecord(StepLine({{8, "K013"}})));
  EXPECT_FALSE(two.Choose(1));
  EXPECT_TRUE(two.Choose(13));
}

TEST(LocationList, DropDownHoverAndRows) {
  LocationList list;
  list.SetUp(StepRecord(StepLine({{8, "K305"}})));
  EXPECT_EQ(list.RowAt(100, 345 + 240 * 5 + 10), LocationList::kNone);  // collapsed: no rows
  EXPECT_TRUE(list.OnDropButton(3899, 329));
  list.ToggleDropDown();
  EXPECT_EQ(list.RowAt(100, 345), 0);
  EXPECT_EQ(list.RowAt(100, 345 + 240 * 5 + 10), 5);
  EXPECT_EQ(list.RowAt(100, 345 + 240 * 14), LocationList::kNone);
  EXPECT_EQ(LocationList::Row(13), (DesignRect{0, 3465, 3900, 240}));

  EXPECT_EQ(list.Highlighted(), LocationList::kNone);
  list.Hover(6);
  EXPECT_EQ(list.Highlighted(), 6);
  list.Collapse();  // a click elsewhere on the desktop
  EXPECT_FALSE(list.IsOpen());
  list.ToggleDropDown();
  EXPECT_EQ(list.Highlighted(), 6);  // the highlight stays on its row
  list.Hover(2);
  EXPECT_EQ(list.Highlighted(), 2);
  list.ToggleDropDown();
  EXPECT_FALSE(list.IsOpen());
}

}  // namespace
}  // namespace xpexam::desktop
