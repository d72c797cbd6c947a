#include "desktop/menu_bar.h"

#include <gtest/gtest.h>

#include "tests/support/step_line.h"

namespace xpexam::desktop {
namespace {

using xpexam::testing::StepLine;

constexpr int kNoShift = 0;
constexpr int32_t kDropDownWidth = 2700;  // a drop-down picture 180 pixels wide

StepRecord MenuStep(std::string_view target) { return StepRecord(StepLine({{8, "7000"}, {125, target}})); }

TEST(MenuBar, PictureNames) {
  struct Case {
    std::string name, expected;
  } cases[] = {
      {HotTitlePicture(3), "730099.mxy"},
      {PressedTitlePicture(3), "730088.mxy"},
      {DropDownPicture(1), "710000.mxy"},
      {DropDownRowPicture(1, 3), "710003.mxy"},
      {DropDownRowPicture(4, 11), "740011.mxy"},
      {SubmenuPicture(1, 1), "711000.mxy"},
      {SubmenuPicture(4, 2), "742000.mxy"},
      {SubmenuRowPicture(4211, 2), "742002.mxy"},  // item 11 of menu 4, submenu 2
      {SubmenuRowPicture(2202, 3), "722003.mxy"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.name, c.expected);
}

TEST(MenuBar, TablesDecoded) {
  struct Sub {
    int item, number, count;
    std::vector<int> groups;
  };
  struct Case {
    int menu, items;
    std::vector<int> groups;
    std::vector<Sub> subs;
  } cases[] = {
      {1, 12, {5, 4, 2, 1}, {{7, 1, 2, {2}}}},
      {2, 14, {2, 4, 5, 2, 1}, {{7, 1, 6, {6}}, {8, 2, 4, {4}}}},
      {3, 9, {3, 4, 1, 1}, {{5, 1, 5, {5}}}},
      {4, 13, {6, 4, 3}, {{9, 1, 2, {2}}, {11, 2, 2, {2}}}},  // "B" keys item 11
      {5, 6, {4, 2}, {{2, 1, 4, {4}}, {3, 2, 5, {5}}, {4, 3, 4, {3, 1}}}},
      {6, 2, {1, 1}, {}},
      {7, 6, {4, 1, 1}, {{2, 1, 2, {2}}, {5, 2, 6, {4, 2}}, {6, 3, 1, {1}}}},
      {8, 3, {3}, {}},
      {9, 4, {2, 1, 1}, {}},
  };
  for (const auto& c : cases) {
    const MenuLayout& m = MenuLayoutOf(c.menu);
    EXPECT_EQ(m.ItemCount(), c.items) << "menu " << c.menu;
    EXPECT_EQ(m.groups, c.groups) << "menu " << c.menu;
    ASSERT_EQ(m.submenus.size(), c.subs.size()) << "menu " << c.menu;
    for (size_t k = 0; k < c.subs.size(); ++k) {
      EXPECT_EQ(m.submenus[k].item, c.subs[k].item) << "menu " << c.menu;
      EXPECT_EQ(m.submenus[k].number, c.subs[k].number) << "menu " << c.menu;
      EXPECT_EQ(m.submenus[k].ItemCount(), c.subs[k].count) << "menu " << c.menu;
      EXPECT_EQ(m.submenus[k].groups, c.subs[k].groups) << "menu " << c.menu;
      EXPECT_EQ(m.SubmenuOf(c.subs[k].item), &m.submenus[k]);
    }
  }
  EXPECT_EQ(SubmenuKey('Q'), 26);
  EXPECT_EQ(SubmenuKey('0'), 0);
  EXPECT_EQ(MenuLayoutOf(0).ItemCount(), 0);
}

TEST(MenuBar, TitleGeometry) {
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(TitleRegion(i), (DesignRect{390 + (i - 1) * 870, 420, 870, 270})) << i;
}

TEST(MenuBar, RowsOfMenuOneOpened) {
  const int32_t offsets[] = {30, 360, 690, 1020, 1350, 1725, 2055, 2385, 2715, 3090, 3420, 3795};
  MenuBar bar;
  bar.LoadStep(MenuStep("1070000000"));
  EXPECT_EQ(bar.TitleRelease(1, kLeftButton, kNoShift), (MenuResponse{.hide_target_box = true}));
  EXPECT_TRUE(bar.MenuOpen());
  EXPECT_EQ(bar.Title(), (MenuPicture{"710088.mxy", 390, 420, true}));
  EXPECT_EQ(bar.DropDown(), (MenuPicture{"710000.mxy", 390, 690, true}));
  for (int r = 1; r <= 12; ++r)
    EXPECT_EQ(bar.ItemRegion(r), (DesignRect{420, 690 + offsets[r - 1], 2415, 330})) << "row " << r;
  for (int r = 13; r <= 20; ++r) EXPECT_FALSE(bar.ItemRegion(r)) << "row " << r;

  // Menu 6 ("11"): a 45-twip gap between its two items.
  bar.TitleRelease(6, kLeftButton, kNoShift);
  EXPECT_EQ(bar.ItemRegion(1)->top - bar.DropDown().top, 30);
  EXPECT_EQ(bar.ItemRegion(2)->top - bar.DropDown().top, 405);
  EXPECT_FALSE(bar.ItemRegion(3));
}

TEST(MenuBar, HoverHighlightsAndHidesTheTargetBox) {
  MenuBar bar;
  bar.LoadStep(MenuStep("3050000000"));
  EXPECT_EQ(bar.TitleHover(2), (MenuResponse{.hide_target_box = true}));
  EXPECT_EQ(bar.Title(), (MenuPicture{"720099.mxy", 1260, 420, true}));
  EXPECT_EQ(bar.MenuNo(), 2);
  bar.TitlePictureClick();  // the hot title opens the menu last hovered
  EXPECT_TRUE(bar.MenuOpen());
  EXPECT_EQ(bar.DropDown().file, "720000.mxy");
  // Hovering title 3 while menu 2 is open changes nothing but the target box.
  EXPECT_EQ(bar.TitleHover(3), (MenuResponse{.hide_target_box = true}));
  EXPECT_EQ(bar.Title().file, "720088.mxy");
  EXPECT_EQ(bar.MenuNo(), 2);
  EXPECT_EQ(bar.ItemHover(4), (MenuResponse{.hide_target_box = true}));
  EXPECT_EQ(bar.RowHighlight(), (MenuPicture{"720004.mxy", bar.ItemRegion(4)->left, bar.ItemRegion(4)->top, true}));
  // Only a left release without modifiers opens a menu; every release hides the target box.
  EXPECT_EQ(bar.TitleRelease(3, kRightButton, kNoShift), (MenuResponse{.hide_target_box = true}));
  EXPECT_EQ(bar.TitleRelease(3, kLeftButton, 2), (MenuResponse{.hide_target_box = true}));
  EXPECT_EQ(bar.MenuNo(), 2);
  bar.TitleRelease(3, kLeftButton, kNoShift);
  EXPECT_EQ(bar.MenuNo(), 3);
  EXPECT_EQ(bar.DropDown().file, "730000.mxy");
  EXPECT_EQ(bar.RowHighlight().file, "");  // reopening removes the highlights
  // Items react only to a plain left release.
  EXPECT_EQ(bar.ItemRelease(5, kRightButton, kNoShift, kDropDownWidth), MenuResponse{});
  EXPECT_EQ(bar.ItemRelease(5, kLeftButton, 1, kDropDownWidth), MenuResponse{});
  EXPECT_TRUE(bar.MenuOpen());
  EXPECT_EQ(bar.ItemRelease(5, kLeftButton, kNoShift, kDropDownWidth), (MenuResponse{.advance = true}));
  EXPECT_FALSE(bar.MenuOpen());
  EXPECT_EQ(bar.Title().file, "");
  EXPECT_EQ(bar.DropDown().file, "");
  EXPECT_FALSE(bar.ItemRegion(1));
  EXPECT_TRUE(bar.TitlesVisible());  // the titles stay
}

TEST(MenuBar, TargetItemWithASubmenuAdvancesAtOnce) {
  MenuBar bar;
  bar.LoadStep(MenuStep("1070000000"));
  bar.TitleRelease(1, kLeftButton, kNoShift);
  EXPECT_EQ(bar.ItemRelease(7, kLeftButton, kNoShift, kDropDownWidth), (MenuResponse{.advance = true}));
  EXPECT_EQ(bar.MenuItemCode(), 1107);
  EXPECT_FALSE(bar.MenuOpen());
  EXPECT_EQ(bar.Submenu().file, "");
  EXPECT_FALSE(bar.SubItemRegion(1));
}

TEST(MenuBar, SubItemTargets) {
  // 10702: item 7 of menu 1 opens submenu 1 with two rows; sub-item 2 is the target.
  MenuBar bar;
  bar.LoadStep(MenuStep("1070200000"));
  bar.TitleRelease(1, kLeftButton, kNoShift);
  EXPECT_EQ(bar.ItemRelease(7, kLeftButton, kNoShift, kDropDownWidth), MenuResponse{});
  DesignRect item7 = *bar.ItemRegion(7);
  EXPECT_EQ(bar.Submenu(), (MenuPicture{"711000.mxy", 390 + kDropDownWidth - 15, item7.top, true}));
  EXPECT_TRUE(bar.SubRowHighlight().visible);
  EXPECT_EQ(bar.SubItemRegion(1), (DesignRect{390 + kDropDownWidth + 15, item7.top + 30, 2055, 330}));
  EXPECT_EQ(bar.SubItemRegion(2), (DesignRect{390 + kDropDownWidth + 15, item7.top + 360, 2055, 330}));
  EXPECT_FALSE(bar.SubItemRegion(3));
  EXPECT_EQ(bar.SubItemHover(1), (MenuResponse{.hide_target_box = true}));
  EXPECT_EQ(bar.SubRowHighlight().file, "711001.mxy");
  EXPECT_EQ(bar.SubItemRelease(1, kLeftButton, kNoShift), MenuResponse{});
  EXPECT_TRUE(bar.MenuOpen());
  EXPECT_EQ(bar.SubItemRelease(2, kRightButton, kNoShift), MenuResponse{});
  EXPECT_EQ(bar.SubItemRelease(2, kLeftButton, kNoShift), (MenuResponse{.advance = true}));
  EXPECT_FALSE(bar.MenuOpen());

  // 41102: item 11 of menu 4 opens submenu 2.
  bar.LoadStep(MenuStep("4110200000"));
  bar.TitleRelease(4, kLeftButton, kNoShift);
  bar.ItemRelease(11, kLeftButton, kNoShift, kDropDownWidth);
  EXPECT_EQ(bar.Submenu().file, "742000.mxy");
  bar.SubItemHover(2);
  EXPECT_EQ(bar.SubRowHighlight().file, "742002.mxy");
  EXPECT_EQ(bar.SubItemRelease(2, kLeftButton, kNoShift), (MenuResponse{.advance = true}));

  // Submenu 2 of menu 7 has groups 4 and 2: a gap before sub-item 5.
  bar.LoadStep(MenuStep("7050600000"));
  bar.TitleRelease(7, kLeftButton, kNoShift);
  bar.ItemRelease(5, kLeftButton, kNoShift, kDropDownWidth);
  EXPECT_EQ(bar.SubItemRegion(5)->top - bar.Submenu().top, 30 + 4 * 330 + 45);
  EXPECT_EQ(bar.SubItemRelease(6, kLeftButton, kNoShift), (MenuResponse{.advance = true}));
}

TEST(MenuBar, SubmenuLeftOpenUnderAnotherItem) {
  // Submenu 1 of menu 2 (item 7) stays shown after a click on item 5, which has none; its
  // sub-item 3 then stands for 20503.
  for (auto [target, advances] : {std::pair{"2050300000", true}, {"2070300000", false}}) {
    MenuBar bar;
    bar.LoadStep(MenuStep(target));
    bar.TitleRelease(2, kLeftButton, kNoShift);
    bar.ItemRelease(7, kLeftButton, kNoShift, kDropDownWidth);
    bar.ItemRelease(5, kLeftButton, kNoShift, kDropDownWidth);
    EXPECT_EQ(bar.Submenu().file, "721000.mxy");
    EXPECT_FALSE(bar.SubRowHighlight().visible);
    EXPECT_EQ(bar.MenuItemCode(), 2005);
    EXPECT_EQ(bar.SubItemRelease(3, kLeftButton, kNoShift).advance, advances) << target;
  }
}

TEST(MenuBar, ParameterField) {
  struct Case {
    const char* name;
    std::string line;
    bool titles;
    int32_t step_arg, popup_y;
  } cases[] = {
      {"spaces", StepLine({{125, "          "}}), false, 30500, 0},
      {"short record", "0000000" "7000", false, 30500, 0},
      {"zeros", StepLine({}), false, 30500, 0},
      {"a letter first", StepLine({{125, "Q0002"}}), false, 30500, 0},
      {"no target", StepLine({{125, "11111"}}), true, 11111, 0},
      {"popup position", StepLine({{125, "0450006000"}}), true, 4500, 6000},
      {"a font size", StepLine({{125, "0120M03227"}}), true, 120, 3227},
  };
  for (const auto& c : cases) {
    MenuBar bar;
    bar.LoadStep(MenuStep("3050000000"));
    bar.LoadStep(StepRecord(c.line));
    EXPECT_EQ(bar.TitlesVisible(), c.titles) << c.name;
    EXPECT_EQ(bar.StepArg(), c.step_arg) << c.name;
    EXPECT_EQ(bar.PopupY(), c.popup_y) << c.name;
    EXPECT_EQ(bar.TitleHover(1).hide_target_box, c.titles) << c.name;  // hidden titles do not react
  }
}

TEST(MenuBar, NoTargetNeverAdvances) {
  MenuBar bar;
  bar.LoadStep(StepRecord(StepLine({{8, "7000"}, {125, "11111"}})));
  for (int m = 1; m <= 9; ++m) {
    bar.TitleRelease(m, kLeftButton, kNoShift);
    ASSERT_TRUE(bar.MenuOpen());
    for (int r = 1; r <= MenuLayoutOf(m).ItemCount(); ++r) {
      EXPECT_FALSE(bar.ItemRelease(r, kLeftButton, kNoShift, kDropDownWidth).advance) << m << " " << r;
      for (int s = 1; bar.SubItemRegion(s); ++s)
        EXPECT_FALSE(bar.SubItemRelease(s, kLeftButton, kNoShift).advance) << m << " " << r << " " << s;
    }
  }
  EXPECT_FALSE(MenuBarFrame(StepRecord(StepLine({{125, "11111"}}))));
  EXPECT_EQ(MenuBarFrame(StepRecord(StepLine({{125, "10702"}}))), (DesignRect{0, 405, 9000, 315}));
  EXPECT_FALSE(MenuBarFrame(StepRecord(StepLine({{125, "0450006000"}}))));
}

TEST(MenuBar, MenusCloseWithTheirStep) {
  MenuBar bar;
  bar.LoadStep(MenuStep("1070200000"));
  bar.TitleRelease(1, kLeftButton, kNoShift);
  bar.ItemRelease(7, kLeftButton, kNoShift, kDropDownWidth);
  ASSERT_TRUE(bar.SubItemRegion(2));
  // The next step has the same target text: a stale sub-item must not answer it.
  bar.LoadStep(MenuStep("1070200000"));
  EXPECT_FALSE(bar.MenuOpen());
  EXPECT_FALSE(bar.ItemRegion(7));
  EXPECT_FALSE(bar.SubItemRegion(2));
  EXPECT_EQ(bar.SubItemRelease(2, kLeftButton, kNoShift), MenuResponse{});
  EXPECT_EQ(bar.RegionAt(TitleRegion(1).left, 500).kind, MenuRegionKind::kTitle);
}

TEST(MenuBar, OpeningAnotherMenuRemovesTheSubmenuRegions) {
  MenuBar bar;
  bar.LoadStep(MenuStep("3010100000"));
  bar.TitleRelease(2, kLeftButton, kNoShift);
  bar.ItemRelease(7, kLeftButton, kNoShift, kDropDownWidth);  // six sub-items
  ASSERT_TRUE(bar.SubItemRegion(6));
  bar.TitleRelease(3, kLeftButton, kNoShift);
  EXPECT_EQ(bar.Submenu().file, "");
  for (int s = 1; s <= 20; ++s) EXPECT_FALSE(bar.SubItemRegion(s)) << s;
}

TEST(MenuBar, RegionsUnderThePointer) {
  MenuBar bar;
  bar.LoadStep(MenuStep("1070200000"));
  EXPECT_EQ(bar.RegionAt(390, 420), (MenuRegionHit{MenuRegionKind::kTitle, 1}));
  EXPECT_EQ(bar.RegionAt(390 + 870 * 9 - 1, 689), (MenuRegionHit{MenuRegionKind::kTitle, 9}));
  EXPECT_EQ(bar.RegionAt(390 + 870 * 9, 500), MenuRegionHit{});
  bar.TitleRelease(1, kLeftButton, kNoShift);
  EXPECT_EQ(bar.RegionAt(420, 690 + 30), (MenuRegionHit{MenuRegionKind::kItem, 1}));
  EXPECT_EQ(bar.RegionAt(420, 690 + 360 + 329), (MenuRegionHit{MenuRegionKind::kItem, 2}));
  EXPECT_EQ(bar.RegionAt(420, 690 + 1680), MenuRegionHit{});  // the gap after group 1
  // A narrow drop-down: its submenu lies over the right part of the item regions.
  bar.ItemRelease(7, kLeftButton, kNoShift, 1500);
  DesignRect sub1 = *bar.SubItemRegion(1);
  EXPECT_EQ(bar.RegionAt(sub1.left, sub1.top), (MenuRegionHit{MenuRegionKind::kSubItem, 1}));
  bar.Close();
  EXPECT_EQ(bar.RegionAt(sub1.left, sub1.top), MenuRegionHit{});
}

}  // namespace
}  // namespace xpexam::desktop
