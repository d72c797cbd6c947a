#include "desktop/popup_menu_file.h"

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "tests/support/temp_dir.h"

namespace xpexam::desktop {
namespace {

using xpexam::testing::TempDir;

// 405 lines, each its own line number, with some blocks written over.
std::vector<std::string> NumberedLines(long count) {
  std::vector<std::string> lines;
  for (long n = 1; n <= count; ++n) lines.push_back(platform::Str(n));
  return lines;
}

// Type 1, menu 2: lines 16 to 30.
const std::vector<std::string> kBlock3215 = {
    "右键菜单 2",                                             // 1 not read
    "新建",                                                   // 2 cascade 1
    "文件夹|快捷方式|-|文本文档|東西|位图图像|公文包",         // 3 its items
    "刷新|粘贴",                                              // 4 plain group 1
    "0",                                                      // 5 cascade 2 absent
    "not read",                                               // 6
    "0",                                                      // 7 plain group 2 absent
    "排列图标",                                               // 8 cascade 3
    "名称|大小",                                              // 9
    "属性",                                                   // 10 plain group 3
    "0",                                                      // 11 cascade 4 absent
    "not read",                                               // 12
    "0",                                                      // 13 cascade 5 absent
    "not read",                                               // 14
    "0",                                                      // 15 plain group 4 absent
};

std::string WriteMenuFile(const TempDir& dir) {
  std::vector<std::string> lines = NumberedLines(405);
  lines[3] = "打开|编辑";                                           // type 1 menu 1, block line 4
  for (size_t i = 0; i < kBlock3215.size(); ++i) lines[15 + i] = kBlock3215[i];
  lines[167] = "p0|p1|p2|p3|p4|p5|p6";                              // type 2 menu 3, block line 3
  lines[402] = "发送到";                                            // type 3 menu 9, block line 13
  lines[403] = "a|b|c|d|e|f|g|h|i";                                 // block line 14
  std::string path = dir / "sMenu.sys";
  EXPECT_TRUE(platform::WriteTextLines(path, lines));
  return path;
}

// The expected item: group digit, caption.
std::vector<std::pair<int, std::string>> Expected(const PopupMenu& popup) {
  std::vector<std::pair<int, std::string>> found;
  for (const auto& g : popup.groups)
    for (const auto& item : g.items)
      if (item.expected) found.emplace_back(g.group_digit, item.caption);
  return found;
}

TEST(PopupMenuFile, BlockOfEachPopupType) {
  TempDir dir;
  std::string path = WriteMenuFile(dir);
  struct Case {
    int code;
    int first_line;
    std::vector<std::pair<int, std::string>> expected;
  } cases[] = {
      {3120, 1, {{2, "打开"}}},      // first piece of block line 4
      {3215, 16, {{1, "位图图像"}}}, // sixth piece of block line 3, in cascade 1
      {4315, 166, {{1, "p5"}}},
      {5987, 391, {{8, "h"}}},       // eighth piece of block line 14, in cascade 5
  };
  for (const auto& c : cases) {
    int menu = (c.code / 100) % 10;
    EXPECT_EQ(PopupBlockStart(PopupType(c.code), menu), c.first_line - 1) << c.code;
    auto block = ReadPopupBlock(path, PopupType(c.code), menu);
    ASSERT_TRUE(block) << c.code;
    if (c.code != 3215) {
      EXPECT_EQ((*block)[0], platform::Str(c.first_line)) << c.code;
      EXPECT_EQ((*block)[14], platform::Str(c.first_line + 14)) << c.code;
    }
    auto popup = LoadPopupMenu(path, c.code, menu);
    ASSERT_TRUE(popup) << c.code;
    EXPECT_EQ(Expected(*popup), c.expected) << c.code;
  }
  EXPECT_EQ(PopupType(2999), 0);
  EXPECT_EQ(PopupType(6013), 0);
}

TEST(PopupMenuFile, CascadesPlainGroupsAndSeparators) {
  TempDir dir;
  auto popup = LoadPopupMenu(WriteMenuFile(dir), 3215, 2);
  ASSERT_TRUE(popup);
  auto items = [](std::initializer_list<const char*> captions, int expected = -1) {
    std::vector<PopupItem> v;
    for (const char* c : captions) v.push_back({c, static_cast<int>(v.size()) == expected});
    return v;
  };
  PopupMenu want{{
      {1, true, "新建", items({"文件夹", "快捷方式", "-", "文本文档", "東西", "位图图像", "公文包"}, 5)},
      {2, false, "", items({"刷新", "粘贴"})},
      {5, true, "排列图标", items({"名称", "大小"})},
      {6, false, "", items({"属性"})},
  }};
  EXPECT_EQ(*popup, want);
  EXPECT_TRUE(popup->groups[0].items[2].IsSeparator());

  // A code that names a separator names nothing that can be chosen.
  EXPECT_TRUE(Expected(*LoadPopupMenu(dir / "sMenu.sys", 3212, 2)).empty());
}

TEST(PopupMenuFile, Pieces) {
  struct Case {
    const char* line;
    std::vector<std::string> pieces;
  } cases[] = {
      {"复制|剪切|粘贴", {"复制", "剪切", "粘贴"}},
      {"复制|剪切|粘贴|", {"复制", "剪切", "粘贴", ""}},
      {"0|1|2|3|4|5|6|7|8|9|10|11|12", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
      {"0|1|2|3|4|5|6|7|8|9", {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
      {"", {""}},
      {"-", {"-"}},
  };
  for (const auto& c : cases) EXPECT_EQ(PopupPieces(c.line), c.pieces) << c.line;
}

TEST(PopupMenuFile, ShortFileGivesEmptyBlockLines) {
  TempDir dir;
  std::vector<std::string> lines = NumberedLines(20);
  lines[16] = "0";     // block line 2: no cascade 1
  lines[18] = "0";     // block line 4: no plain group 1
  lines[19] = "复制";  // block line 5: cascade 2, whose items line is past the end
  std::string path = dir / "sMenu.sys";
  ASSERT_TRUE(platform::WriteTextLines(path, lines));
  auto popup = LoadPopupMenu(path, 3230, 2);
  ASSERT_TRUE(popup);
  std::vector<int> digits;
  for (const auto& g : popup->groups) {
    digits.push_back(g.group_digit);
    EXPECT_EQ(g.items.size(), 1u) << g.group_digit;
  }
  EXPECT_EQ(digits, (std::vector<int>{3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(popup->groups[0].caption, "复制");
  EXPECT_EQ(popup->groups[2].caption, "");  // an empty caption line is a cascade
  EXPECT_EQ(popup->groups[0].items[0], (PopupItem{"", true}));
}

TEST(PopupMenuFile, CascadeItemsLineIsNotTestedForZero) {
  PopupBlock block;
  block.fill("0");
  block[1] = "查看";
  PopupMenu popup = BuildPopupMenu(block, 3110, 1);
  ASSERT_EQ(popup.groups.size(), 1u);
  EXPECT_EQ(popup.groups[0].items, (std::vector<PopupItem>{{"0", true}}));
}

TEST(PopupMenuFile, MissingFileOpensNoPopup) {
  TempDir dir;
  EXPECT_FALSE(LoadPopupMenu(dir / "sMenu.sys", 3215, 2));
  std::filesystem::create_directory(dir / "folder");
  EXPECT_FALSE(ReadPopupBlock(dir / "folder", 1, 1));
}

TEST(PopupMenuFile, ItemCheck) {
  struct Case {
    int code, menu, group, index;
    bool matches;
  } cases[] = {
      {3120, 1, 2, 0, true},  {3120, 1, 2, 1, false}, {3120, 1, 1, 0, false}, {3120, 2, 2, 0, false},
      {3215, 2, 1, 5, true},  {4215, 2, 1, 5, true},  // the popup type is not compared
      {5987, 9, 8, 7, true},  {5987, 9, 9, 7, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PopupItemMatches(c.code, c.menu, c.group, c.index), c.matches)
        << c.code << " " << c.menu << " " << c.group << " " << c.index;
}

TEST(PopupMenuFile, WherePressesOpenThePopup) {
  struct Case {
    const char* name;
    int code, button;
    int32_t x, y;
    std::optional<PopupOpening> opening;
  } cases[] = {
      {"right press at the pointer", 3121, kRightButton, 0, 0, PopupOpening{1, true, 0, 0}},
      {"left press without a position", 3121, kLeftButton, 0, 0, std::nullopt},
      {"left press at the fixed position", 3121, kLeftButton, 150, 300, PopupOpening{1, false, 150, 300}},
      {"right press with a fixed position", 3121, kRightButton, 150, 300, std::nullopt},
      {"middle press", 4521, kMiddleButton, 0, 0, std::nullopt},
      {"type 3, menu 9", 5987, kRightButton, 4500, 0, PopupOpening{9, true, 0, 0}},
      {"not a context-menu step", 1, kRightButton, 0, 0, std::nullopt},
      {"press step", 9102, kRightButton, 0, 0, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(PopupOnPress(c.code, c.button, c.x, c.y), c.opening) << c.name;
}

}  // namespace
}  // namespace xpexam::desktop
