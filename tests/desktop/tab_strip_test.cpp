#include "desktop/tab_strip.h"

#include <gtest/gtest.h>

#include "platform/strings.h"
#include "tests/support/step_line.h"

namespace xpexam::desktop {
namespace {

using xpexam::testing::StepLine;

constexpr const char* kHint = "单击“确定”按钮";

// Layout, shown tab, tab to select and slot at 131-134; the pages in Image2 at 1500, 2000.
StepRecord TabStep(std::string_view tabs, std::string_view own_page = "120099") {
  std::string line = StepLine({{8, "0001"}, {34, "0150002000"}, {125, "00000X"}, {131, tabs}});
  line.replace(43, 6, own_page);
  return StepRecord(line);
}

ImageSlots Slots() {
  ImageSlots s;
  s.left[1] = 1500;
  s.top[1] = 2000;
  s.picture_id[1] = "120077";  // what the slot showed after the load
  return s;
}

// A layout table: tab count, row top, tab height, left edges (the last one the end edge).
std::string Table(std::string_view count, std::string_view row_top, const std::vector<int>& edges) {
  std::string t(155, '0');
  t.replace(0, 2, "Z" + std::string(count));
  t.replace(2, 4, row_top);
  t.replace(6, 3, "300");
  for (size_t i = 0; i < edges.size(); ++i) {
    long at = 10 * static_cast<long>(i + 1);
    t.replace(static_cast<size_t>(at - 1), 6, "1300" + platform::ZeroPad(static_cast<long>(i + 1), 2));
    t.replace(static_cast<size_t>(at + 5), 4, platform::ZeroPad(edges[i], 4));
  }
  return t;
}

TEST(TabStrip, BuiltInLayouts) {
  struct Tab {
    const char* layout;
    int tab;
    const char* page;
    int32_t left, width;
  } tabs[] = {
      {"A", 1, "110009", 120, 765},  {"A", 2, "110010", 885, 870},   {"A", 3, "110011", 1755, 1080},
      {"A", 4, "110012", 2835, 1095}, {"A", 5, "110013", 3930, 1065}, {"A", 6, "110014", 4995, 735},
      {"A", 7, "110015", 5730, 675},  {"B", 1, "120010", 120, 795},   {"B", 2, "120011", 915, 865},
      {"B", 3, "120012", 1780, 905},  {"B", 4, "120013", 2685, 870},  {"C", 1, "120038", 120, 765},
      {"C", 2, "120039", 885, 690},   {"C", 3, "120040", 1575, 705},  {"D", 1, "140002", 120, 780},
      {"D", 2, "140003", 900, 690},   {"D", 3, "140004", 1590, 720},  {"D", 4, "140005", 2310, 720},
      {"D", 5, "140006", 3030, 690},
  };
  struct Strip {
    const char* layout;
    int count;
    int32_t row_top;
    DesignRect back;
  } strips[] = {
      {"A", 7, 540, {5400, 4260, 1110, 300}},
      {"B", 4, 540, {4890, 7200, 1110, 300}},
      {"C", 3, 510, {4050, 6300, 1110, 300}},
      {"D", 5, 570, {4770, 5310, 1110, 300}},
  };
  for (const auto& s : strips) {
    TabStripGeometry g = LayOutTabStrip(*TabLayoutTable(s.layout), 0, 0, 1);
    EXPECT_EQ(g.count, s.count) << s.layout;
    EXPECT_EQ(g.labels[0], s.back) << s.layout;
    for (int i = s.count + 1; i <= 13; ++i) EXPECT_FALSE(g.labels[i]) << s.layout << i;
  }
  for (const auto& t : tabs) {
    TabStripGeometry g = LayOutTabStrip(*TabLayoutTable(t.layout), 0, 0, 1);
    int32_t row_top = t.layout[0] == 'C' ? 510 : t.layout[0] == 'D' ? 570 : 540;
    EXPECT_EQ(g.labels[t.tab], (DesignRect{t.left, row_top, t.width, 300})) << t.layout << t.tab;
    // The page a click on that tab shows, while tab 13 is the one to select.
    TabStrip strip;
    strip.LoadStep(TabStep(std::string(t.layout) + "DD2"), Slots(), kHint);
    EXPECT_EQ(strip.TabClick(t.tab)->page, t.page) << t.layout << t.tab;
  }
  EXPECT_FALSE(TabLayoutTable("E"));
}

TEST(TabStrip, WidthFallbackAndTwoRows) {
  // Tab 2's neighbour starts left of it: 990 wide.
  TabStripGeometry g = LayOutTabStrip(Table("3", "0540", {120, 900, 500, 1200}), 1500, 2000, 1);
  EXPECT_EQ(g.labels[1], (DesignRect{1620, 2540, 780, 300}));
  EXPECT_EQ(g.labels[2], (DesignRect{2400, 2540, 990, 300}));
  EXPECT_EQ(g.labels[3], (DesignRect{2000, 2540, 700, 300}));

  // Nine tabs: two rows; the front row lies 300 lower and tab 4 is 1215 wide.
  std::string nine = Table("9", "0540", {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000});
  for (int front : {1, 2}) {
    TabStripGeometry two = LayOutTabStrip(nine, 0, 0, front);
    for (int i = 1; i <= 9; ++i) {
      bool in_front = (i <= 4) == (front == 1);
      EXPECT_EQ(two.labels[i]->top, in_front ? 840 : 540) << "front " << front << " tab " << i;
      EXPECT_EQ(two.labels[i]->width, i == 4 ? 1215 : 100) << "tab " << i;
    }
  }
}

TEST(TabStrip, LoadedWithTheRightTabInFront) {
  TabStrip strip;
  auto request = strip.LoadStep(TabStep("A222"), Slots(), kHint);
  ASSERT_TRUE(request);
  EXPECT_EQ(*request, (TabRequest{.slot = 2, .page = std::nullopt, .target_live = true, .frame = std::nullopt, .hint = kHint}));
  EXPECT_EQ(strip.Label(1), (DesignRect{1620, 2540, 765, 300}));  // relative to the slot
  EXPECT_EQ(strip.Label(0), (DesignRect{6900, 6260, 1110, 300}));
  EXPECT_FALSE(strip.Label(8));
  EXPECT_EQ(strip.BackCode(), "NONO");
}

TEST(TabStrip, WrongTabThenRightTab) {
  TabStrip strip;
  auto loaded = strip.LoadStep(TabStep("A322"), Slots(), kHint);
  DesignRect tab2 = *strip.Label(2);
  TabRequest asking{.slot = 2, .page = "110011", .target_live = false, .frame = tab2, .hint = "请选择第2个选项卡"};
  EXPECT_EQ(loaded, asking);

  asking.page = "110013";
  EXPECT_EQ(strip.TabClick(5), asking);
  TabRequest restored{.slot = 2, .page = "120099", .target_live = true, .frame = std::nullopt, .show_target_box = true, .hint = kHint};
  EXPECT_EQ(strip.TabClick(2), restored);
  EXPECT_EQ(strip.TabClick(2), restored);  // again: the same, and still no advance

  // A record that keeps the slot's picture brings back what the slot showed at the load.
  strip.LoadStep(TabStep("A322", "888888"), Slots(), kHint);
  EXPECT_EQ(strip.TabClick(2)->page, "120077");
}

TEST(TabStrip, TabNumbersAndLayoutLetters) {
  TabStrip strip;
  auto request = strip.LoadStep(TabStep("A1B2"), Slots(), kHint);
  EXPECT_EQ(strip.TabTarget(), 11);
  EXPECT_EQ(request->hint, "请选择第11个选项卡");
  EXPECT_FALSE(request->frame);  // layout A has no tab 11: the frame is parked
  EXPECT_FALSE(strip.TabClick(8));  // parked tabs take no click

  // An unknown letter keeps the last layout.
  strip.LoadStep(TabStep("B222"), Slots(), kHint);
  strip.LoadStep(TabStep("Z212"), Slots(), kHint);
  EXPECT_EQ(strip.TabCount(), 4);
  EXPECT_EQ(strip.TabClick(4)->page, "120013");

  // A shown tab that is no tab number shows no page.
  EXPECT_EQ(strip.LoadStep(TabStep("A022"), Slots(), kHint)->page, std::nullopt);
}

// A replay always completes the choice: a target off the strip still brings back the record's
// own page, hint and target box, so the replay goes on to the target instead of stalling.
TEST(TabStrip, ChooseTargetCompletesTheChoice) {
  TabStrip strip;
  strip.LoadStep(TabStep("A322"), Slots(), kHint);
  EXPECT_EQ(strip.ChooseTarget(), strip.TabClick(2));

  strip.LoadStep(TabStep("A1B2"), Slots(), kHint);
  ASSERT_FALSE(strip.TabClick(11));
  TabRequest restored{.slot = 2, .page = "120099", .target_live = true, .frame = std::nullopt, .show_target_box = true, .hint = kHint};
  EXPECT_EQ(strip.ChooseTarget(), restored);
}

TEST(TabStrip, InvalidImageSlotShowsNothing) {
  for (const char* tabs : {"A320", "A327"}) {
    TabStrip strip;
    auto loaded = strip.LoadStep(TabStep(tabs), Slots(), kHint);
    ASSERT_TRUE(loaded) << tabs;
    EXPECT_EQ(loaded->slot, 0) << tabs;
    EXPECT_FALSE(loaded->page) << tabs;
    EXPECT_FALSE(strip.TabClick(5)->page) << tabs;
    EXPECT_TRUE(strip.TabClick(2)->target_live) << tabs;
  }
}

TEST(TabStrip, OtherStepsParkEveryTab) {
  TabStrip strip;
  EXPECT_FALSE(strip.TabClick(1));  // before any tab step
  strip.LoadStep(TabStep("A322"), Slots(), kHint);
  EXPECT_FALSE(strip.LoadStep(StepRecord(StepLine({})), Slots(), kHint));
  for (int i = 0; i <= 13; ++i) EXPECT_FALSE(strip.Label(i)) << i;
  EXPECT_FALSE(strip.TabClick(1));
  EXPECT_EQ(strip.LabelAt(1620, 2540), -1);
}

TEST(TabStrip, BackRegion) {
  struct Case {
    const char* name;
    std::string line;
    int16_t from, to;
  } cases[] = {
      {"Q 2", StepLine({{125, "Q0002"}}), 5, 3},
      {"Q 0 counts as 1", StepLine({{125, "Q0000"}}), 5, 4},
      {"Q 1", StepLine({{125, "Q0001"}}), 5, 4},
      {"Q back to step 1 exactly", StepLine({{125, "Q0003"}}), 4, 1},
      {"Q more than the steps taken", StepLine({{125, "Q0009"}}), 3, 1},
      {"Q at step 1", StepLine({{125, "Q0002"}}), 1, 1},
      {"layout's back region at step 4", TabStep("A222").Line(), 4, 3},
      {"layout's back region at step 1", TabStep("A222").Line(), 1, 1},
  };
  for (const auto& c : cases) {
    TabStrip strip;
    strip.LoadStep(StepRecord(c.line), Slots(), kHint);
    EXPECT_EQ(strip.BackStep(c.from), c.to) << c.name;
  }

  // A "Q" record places its region at its point, over the layout's own.
  TabStrip strip;
  std::string both = TabStep("A222").Line();
  both.replace(124, 5, "Q0002");
  both.replace(166, 10, "0300008400");
  strip.LoadStep(StepRecord(both), Slots(), kHint);
  EXPECT_EQ(strip.Label(0), (DesignRect{3000, 8400, 1095, 285}));
  EXPECT_EQ(strip.BackCode(), "Q0002");
  EXPECT_EQ(strip.LabelAt(3000, 8400), 0);
  EXPECT_EQ(strip.LabelAt(1620, 2540), 1);

  // A point beyond 32 bits leaves the region parked; the step goes on.
  strip.LoadStep(StepRecord(StepLine({{125, "Q0002"}, {167, "9E+99"}})), Slots(), kHint);
  EXPECT_FALSE(strip.Label(0));
  EXPECT_EQ(strip.BackStep(4), 2);
}

}  // namespace
}  // namespace xpexam::desktop
