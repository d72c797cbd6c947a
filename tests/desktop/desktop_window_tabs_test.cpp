// The tab strip on the desktop window: pages brought to the front by tab clicks, the request for
// the right tab with its red frame, and the back region.
#include <gtest/gtest.h>

#include <filesystem>

#include "forms/pictures.h"
#include "desktop/session_plan.h"
#include "tests/desktop/desktop_fixture.h"

namespace xpexam::desktop {
namespace {

using testing::DesktopTest;
using testing::StepLine;

// Layout A in Image1 at 600, 900: tab row 540 lower, tab 2 from 885, tab 3 from 1755 (1080
// wide), tab 7 from 5730 (675 wide); the target box at 2000, 2000, 900 x 300.
class TabWindowTest : public DesktopTest {
 protected:
  TabWindowTest() {
    Texts({"单击“高级”选项卡中的“设置”"});
    for (const char* id : {"110009", "110010", "110011", "300001"}) Picture(id);
    Desk().Show();
  }
  static std::string TabStep(const char* tabs, const char* own_picture = "300001") {
    return StepLine({{8, "0001"}, {18, "00600"}, {23, "00900"}, {28, own_picture}, {66, "02000020000090000300"},
                     {112, "0010000100"}, {122, "001"}, {130, tabs}});
  }
  void ClickAt(int x, int y) {
    in_.Click(PxX(x), PxY(y));
    in_.Wait(600);
    forms::Pump();
  }
  void ClickTab2() { ClickAt(600 + 885 + 400, 900 + 540 + 150); }
  void ClickTab3() { ClickAt(600 + 1755 + 500, 900 + 540 + 150); }
  void ExpectShape1(double left, double top, double width, double height) {
    auto& d = Desk();
    EXPECT_DOUBLE_EQ(Ui(d).Shape1.Left(), left);
    EXPECT_DOUBLE_EQ(Ui(d).Shape1.Top(), top);
    EXPECT_DOUBLE_EQ(Ui(d).Shape1.Width(), width);
    EXPECT_DOUBLE_EQ(Ui(d).Shape1.Height(), height);
  }
  void ExpectAskingForTab3() {
    auto& d = Desk();
    EXPECT_EQ(Ui(d).LHelp.Caption(), "请选择第3个选项卡");
    EXPECT_DOUBLE_EQ(Ui(d).Label1.Width(), 1);
    EXPECT_DOUBLE_EQ(Ui(d).Label1.Height(), 1);
    ExpectShape1(600 + 1755, 900 + 540, 1080, 300);
  }
  void ExpectTargetLive() {
    auto& d = Desk();
    EXPECT_EQ(forms::PictureId(Ui(d).Image1.Picture()), "300001");
    EXPECT_EQ(Ui(d).LHelp.Caption(), "单击“高级”选项卡中的“设置”");
    EXPECT_TRUE(Ui(d).Label1.Visible());
    ExpectShape1(2000, 2000, 900, 300);
  }
};

TEST_F(TabWindowTest, TheRightTabNeverShowsATargetBoxThatDoesNotFitTheFormat) {
  std::string step = TabStep("XA131");
  step.replace(65, 5, "99999");
  Steps({step, StepLine({{8, "9999"}})});
  Load(1);
  ClickTab3();
  EXPECT_FALSE(Ui(Desk()).Label1.Visible());
  ClickAt(300, 2150);
  EXPECT_EQ(desktop::cursor().step(), 1);
}

TEST_F(TabWindowTest, AWrongTabThenTheRightOne) {
  Steps({TabStep("XA131"), StepLine({{8, "9999"}})});
  Load(1);
  auto& d = Desk();
  EXPECT_EQ(forms::PictureId(Ui(d).Image1.Picture()), "110009");
  ExpectAskingForTab3();
  EXPECT_DOUBLE_EQ(Ui(d).LblXXK[7].Left(), 600 + 5730);
  EXPECT_DOUBLE_EQ(Ui(d).LblXXK[7].Width(), 675);
  EXPECT_DOUBLE_EQ(Ui(d).LblXXK[8].Width(), 1);
  EXPECT_DOUBLE_EQ(Ui(d).LblXXK[0].Left(), 600 + 5400);
  EXPECT_DOUBLE_EQ(Ui(d).LblXXK[0].Top(), 900 + 4260);

  ClickTab2();
  EXPECT_EQ(forms::PictureId(Ui(d).Image1.Picture()), "110010");
  ExpectAskingForTab3();
  ClickTab3();
  ExpectTargetLive();
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Width(), 900);
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Height(), 300);
  ClickTab3();  // again: the same, and never an advance
  ExpectTargetLive();
  EXPECT_EQ(desktop::cursor().step(), 1);
}

TEST_F(TabWindowTest, LoadedWithTheRightTabInFront) {
  Steps({TabStep("XA333"), StepLine({{8, "9999"}})});
  Load(1);
  ExpectTargetLive();
  EXPECT_DOUBLE_EQ(Ui(Desk()).Label1.Width(), 900);
}

TEST_F(TabWindowTest, AMissingPageShowsAnEmptySlotAndTheStripGoesOn) {
  std::filesystem::remove(dir_ / "data/110010.mxy");
  Steps({TabStep("XA131"), StepLine({{8, "9999"}})});
  Load(1);
  ClickTab2();
  EXPECT_EQ(Ui(Desk()).Image1.Picture(), nullptr);
  ExpectAskingForTab3();
  ClickTab3();
  ExpectTargetLive();
}

TEST_F(TabWindowTest, AKeptPictureComesBackAsTheSlotShowedItAtItsLoad) {
  Steps({StepLine({{8, "0001"}, {18, "00600"}, {23, "00900"}, {28, "300001"}}), TabStep("XA131", "888888"),
         StepLine({{8, "9999"}})});
  Load(1);
  Load(2);
  EXPECT_EQ(forms::PictureId(Ui(Desk()).Image1.Picture()), "110009");
  ClickTab3();
  ExpectTargetLive();
}

TEST_F(TabWindowTest, AnInvalidImageSlotChangesNoPictureButTheTabsStillWork) {
  Steps({TabStep("XA130"), StepLine({{8, "9999"}})});
  Load(1);
  auto& d = Desk();
  EXPECT_EQ(forms::PictureId(Ui(d).Image1.Picture()), "300001");
  EXPECT_EQ(Ui(d).LHelp.Caption(), "请选择第3个选项卡");
  // The strip lies at the window's corner: no slot gives it an origin.
  in_.Click(PxX(1755 + 500), PxY(540 + 150));
  in_.Wait(600);
  forms::Pump();
  EXPECT_EQ(forms::PictureId(Ui(d).Image1.Picture()), "300001");
  EXPECT_EQ(Ui(d).LHelp.Caption(), "单击“高级”选项卡中的“设置”");
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Width(), 900);
}

// Question 2 of two: five records after question 1's single one. Each record names its step in
// its hint. A "Q" back region lies at 3000, 3000; layout A's own at 5400, 4260 from Image1,
// which lies at 15, 15.
struct BackCase {
  const char* name;
  int16_t at_step;
  const char* back;  // 125-134
  int16_t to_step;
  int click_x, click_y;
  friend void PrintTo(const BackCase& c, std::ostream* os) { *os << c.name; }
};

class BackRegionTest : public DesktopTest, public ::testing::WithParamInterface<BackCase> {};

TEST_P(BackRegionTest, StepsBackNeverBelowTheFirstStep) {
  const BackCase c = GetParam();
  Texts({"第1步", "第2步", "第3步", "第4步", "第5步", "另一题"});
  std::vector<std::string> records = {StepLine({{8, "9999"}, {112, "0010000100"}, {122, "006"}})};
  for (int s = 1; s <= 5; ++s) {
    const std::string hint = "00" + std::to_string(s);
    records.push_back(StepLine({{8, "0001"}, {18, "0001500015"}, {112, "0010000100"}, {122, hint}, {125, c.back},
                                {167, "0300003000"}}));
  }
  Steps(records);
  Questions({1, 5});
  desktop::editCursor().GoToQuestion(2);
  Desk().Show();
  Load(c.at_step);
  in_.Click(PxX(c.click_x), PxY(c.click_y));
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), c.to_step);
  EXPECT_EQ(Ui(Desk()).LHelp.Caption(), "第" + std::to_string(c.to_step) + "步");
  EXPECT_EQ(desktop::plan().question(1).status, desktop::kStatusOpened);  // opened by the bar, not completed
}

INSTANTIATE_TEST_SUITE_P(
    Counts, BackRegionTest,
    ::testing::Values(BackCase{"Q0CountsAsOne", 3, "Q000000000", 2, 3500, 3140},
                      BackCase{"Q1", 3, "Q000100000", 2, 3500, 3140}, BackCase{"Q2", 4, "Q000200000", 2, 3500, 3140},
                      BackCase{"MoreThanTaken", 3, "Q000900000", 1, 3500, 3140},
                      BackCase{"AtStep1", 1, "Q000100000", 1, 3500, 3140},
                      BackCase{"TabLayoutAtStep4", 4, "00000XA111", 3, 5915, 4425},
                      BackCase{"TabLayoutAtStep1", 1, "00000XA111", 1, 5915, 4425}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace xpexam::desktop
