// The menu bar on the desktop window: titles, drop-downs and submenus worked by the pointer,
// their pictures from the examdata folder, and the menus closed with their step.
#include <gtest/gtest.h>

#include "forms/pictures.h"
#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "tests/desktop/desktop_fixture.h"

namespace xpexam::desktop {
namespace {

using testing::DesktopTest;
using testing::StepLine;

// Menu 1: title at 390, 420; its drop-down at 390, 690, 100 pixels (1500 twips) wide. Item r of
// the drop-down lies at 420, 690 + 30 + 330 (r - 1) + 45 per group above it (groups 5, 4, 2, 1);
// item 7's submenu at 390 + 1500 - 15 = 1875, level with item 7 (2745), its rows from 1905.
class MenuBarWindowTest : public DesktopTest {
 protected:
  static constexpr int kItem3Top = 1380, kItem5Top = 2040, kItem7Top = 2745;
  static constexpr int kSubLeft = 1905, kSub1Top = 2775, kSub2Top = 3105;

  void MenuPictures() {
    for (const char* name : {"710099", "710088", "710003", "711002", "720099"}) ExamPicture(name, 58, 18);
    ExamPicture("710000", 100, 300);
    ExamPicture("711000", 80, 50);
  }
  void ExamPicture(const std::string& name, int w, int h) {
    dir_.Write("examdata/" + name + ".mxy", xpexam::testing::SolidBmp(w, h, 0xC0C0C0));
  }
  // A menu-bar step with target M II SS, then the final record.
  void MenuQuestion(const char* target) {
    Steps({StepLine({{8, "7000"}, {125, target}, {130, "00000"}}), StepLine({{8, "9999"}})});
    Desk().Show();
    Load(1);
  }
  // Pointer actions at a design point, a pause after each so that clicks stay single.
  void MoveTo(int x, int y) {
    in_.Move(PxX(x), PxY(y));
    forms::Pump();
  }
  void ClickAt(int x, int y, int button = forms::kLeftButton, int shift = 0) {
    in_.Click(PxX(x), PxY(y), button, shift);
    in_.Wait(600);
    forms::Pump();
  }
  static std::string Shown(const forms::Image& image) { return forms::PictureId(image.Picture()); }
};

TEST_F(MenuBarWindowTest, AQuestionWalkedByThePointerToASubItem) {
  MenuPictures();
  MenuQuestion("10702");
  auto& d = Desk();
  EXPECT_TRUE(Ui(d).LMainMenu[9].Visible());
  EXPECT_TRUE(Ui(d).ImgMenuSys.Visible());
  EXPECT_EQ(d.MenuTargetOrPopupX(), 10702);

  MoveTo(390 + 400, 500);  // over title 1: its hot picture
  EXPECT_EQ(Shown(Ui(d).ImgMenuSys), "710099");
  EXPECT_DOUBLE_EQ(Ui(d).ImgMenuSys.Left(), 390);
  EXPECT_DOUBLE_EQ(Ui(d).ImgMenuSys.Top(), 420);
  EXPECT_FALSE(Ui(d).Label1.Visible());
  ClickAt(390 + 400, 500);
  EXPECT_TRUE(d.IsMenuOpen());
  EXPECT_EQ(Shown(Ui(d).ImgMenuSys), "710088");
  EXPECT_EQ(Shown(Ui(d).ImgMenuSel), "710000");
  EXPECT_DOUBLE_EQ(Ui(d).ImgMenuSel.Top(), 690);
  EXPECT_TRUE(Ui(d).LblShuMenu[12].Visible());
  EXPECT_FALSE(Ui(d).LblShuMenu[13].Visible());
  EXPECT_DOUBLE_EQ(Ui(d).LblShuMenu[7].Top(), kItem7Top);

  MoveTo(1260 + 400, 500);  // title 2 while menu 1 is open: nothing changes
  EXPECT_EQ(d.CurrentMenu(), 1);
  EXPECT_EQ(Shown(Ui(d).ImgMenuSys), "710088");
  MoveTo(1000, kItem3Top + 100);
  EXPECT_EQ(Shown(Ui(d).ImgShuMenu), "710003");
  EXPECT_DOUBLE_EQ(Ui(d).ImgShuMenu.Left(), 420);
  EXPECT_DOUBLE_EQ(Ui(d).ImgShuMenu.Top(), kItem3Top);

  ClickAt(1000, kItem7Top + 100);  // item 7 opens its submenu and is not the target
  EXPECT_EQ(desktop::cursor().step(), 1);
  EXPECT_EQ(d.LastClickedMenuItem(), 1107);
  EXPECT_EQ(Shown(Ui(d).ImgSubMenu), "711000");
  EXPECT_DOUBLE_EQ(Ui(d).ImgSubMenu.Left(), 1875);
  EXPECT_DOUBLE_EQ(Ui(d).ImgSubMenu.Top(), kItem7Top);
  EXPECT_TRUE(Ui(d).LblSubSel[2].Visible());
  EXPECT_FALSE(Ui(d).LblSubSel[3].Visible());

  ClickAt(kSubLeft + 600, kSub1Top + 100);  // sub-item 1: wrong, everything stays open
  EXPECT_EQ(desktop::cursor().step(), 1);
  EXPECT_TRUE(d.IsMenuOpen());
  MoveTo(kSubLeft + 600, kSub2Top + 100);
  EXPECT_EQ(Shown(Ui(d).ImgSubSel), "711002");
  EXPECT_DOUBLE_EQ(Ui(d).ImgSubSel.Top(), kSub2Top);
  ClickAt(kSubLeft + 600, kSub2Top + 100);
  EXPECT_EQ(desktop::cursor().step(), 2);
  EXPECT_FALSE(d.IsMenuOpen());
  for (forms::Image* image : {&Ui(d).ImgMenuSys, &Ui(d).ImgMenuSel, &Ui(d).ImgShuMenu, &Ui(d).ImgSubMenu, &Ui(d).ImgSubSel})
    EXPECT_EQ(image->Picture(), nullptr) << image->Name();
  EXPECT_FALSE(Ui(d).LblShuMenu[1].Visible());
  EXPECT_FALSE(Ui(d).LblSubSel[2].Visible());
}

TEST_F(MenuBarWindowTest, ATargetItemWithASubmenuAnswersAtOnce) {
  MenuPictures();
  MenuQuestion("10700");
  auto& d = Desk();
  ClickAt(390 + 400, 500);
  ClickAt(1000, kItem7Top + 100);
  EXPECT_EQ(desktop::cursor().step(), 2);
  EXPECT_EQ(Ui(d).ImgSubMenu.Picture(), nullptr);
  EXPECT_FALSE(Ui(d).LblSubSel[1].Visible());
}

TEST_F(MenuBarWindowTest, OnlyALeftReleaseWithoutModifiersOpensOrChooses) {
  MenuPictures();
  MenuQuestion("10500");
  auto& d = Desk();
  ClickAt(390 + 400, 500, forms::kRightButton);
  EXPECT_FALSE(d.IsMenuOpen());
  ClickAt(390 + 400, 500);
  ClickAt(1000, kItem5Top + 100, forms::kLeftButton, forms::kShiftMask);
  ClickAt(1000, kItem5Top + 100, forms::kRightButton);
  EXPECT_EQ(desktop::cursor().step(), 1);
  ClickAt(1000, kItem5Top + 100);
  EXPECT_EQ(desktop::cursor().step(), 2);
}

TEST_F(MenuBarWindowTest, MissingMenuPicturesShowNothingAndTheMenusStillWork) {
  MenuQuestion("10500");
  auto& d = Desk();
  MoveTo(390 + 400, 500);
  EXPECT_EQ(Ui(d).ImgMenuSys.Picture(), nullptr);
  ClickAt(390 + 400, 500);
  EXPECT_TRUE(d.IsMenuOpen());
  EXPECT_EQ(Ui(d).ImgMenuSel.Picture(), nullptr);
  EXPECT_TRUE(Ui(d).LblShuMenu[5].Visible());
  ClickAt(1000, kItem7Top + 100);  // a submenu without its picture opens its regions
  EXPECT_TRUE(Ui(d).LblSubSel[2].Visible());
  ClickAt(1000, kItem5Top + 100);
  EXPECT_EQ(desktop::cursor().step(), 2);
}

// Without the close at the load, sub-item 1 of item 7 would still answer step 2's 10701.
TEST_F(MenuBarWindowTest, AStepLoadClosesTheMenusSoNoRegionOfTheOldOneAnswers) {
  MenuPictures();
  Steps({StepLine({{8, "7000"}, {125, "1050000000"}}), StepLine({{8, "7000"}, {125, "1070100000"}}),
         StepLine({{8, "9999"}})});
  auto& d = Desk();
  d.Show();
  Load(1);
  ClickAt(390 + 400, 500);
  ClickAt(1000, kItem7Top + 100);
  ASSERT_TRUE(Ui(d).LblSubSel[1].Visible());
  Load(2);  // as a back region or a reload does
  EXPECT_FALSE(d.IsMenuOpen());
  EXPECT_FALSE(Ui(d).LblShuMenu[7].Visible());
  EXPECT_FALSE(Ui(d).LblSubSel[1].Visible());
  EXPECT_EQ(Ui(d).ImgSubMenu.Picture(), nullptr);
  ClickAt(kSubLeft + 600, kSub1Top + 100);
  EXPECT_EQ(desktop::cursor().step(), 2);
}

// Hovering a title hides the target box; the bare surface shows it again, also where the
// closed drop-down's picture lay.
TEST_F(MenuBarWindowTest, AClosedDropDownLeavesTheSurfaceBehindItLive) {
  MenuPictures();
  Steps({StepLine({{8, "0001"}, {66, "00600012000060000300"}, {125, "1111100000"}}), StepLine({{8, "9999"}})});
  auto& d = Desk();
  d.Show();
  Ui(d).Label1.MouseUp = [&d](int button, int, double, double) {
    if (button == forms::kLeftButton && Vars(d).mStepCode == 1) Act(d).AdvanceStep();
  };
  Load(1);
  ClickAt(390 + 400, 500);
  ASSERT_NE(Ui(d).ImgMenuSel.Picture(), nullptr);
  MoveTo(8000, 6000);  // the bare surface closes the menu
  EXPECT_FALSE(Ui(d).ImgMenuSel.Visible());
  MoveTo(390 + 400, 500);
  EXPECT_FALSE(Ui(d).Label1.Visible());
  MoveTo(700, 1300);
  EXPECT_TRUE(Ui(d).Label1.Visible());
  ClickAt(900, 1350);
  EXPECT_EQ(desktop::cursor().step(), 2);
}

TEST_F(MenuBarWindowTest, TheParameterFieldOfOtherStepsShowsTheBarAndFeedsThePopupPosition) {
  Steps({StepLine({{8, "3121"}, {125, "0015000300"}}), StepLine({{8, "0001"}})});
  auto& d = Desk();
  Load(1);
  EXPECT_TRUE(Ui(d).LMainMenu[1].Visible());
  EXPECT_EQ(d.MenuTargetOrPopupX(), 150);
  EXPECT_EQ(d.PopupY(), 300);
  Load(2);
  EXPECT_FALSE(Ui(d).LMainMenu[1].Visible());
  EXPECT_FALSE(Ui(d).ImgMenuSys.Visible());
  EXPECT_EQ(d.MenuTargetOrPopupX(), 150);
  EXPECT_EQ(d.PopupY(), 0);
}

TEST(MenuBarScaledTest, RegionsAndPicturesFollowTheScale) {
  forms::HeadlessSession screen(1280, 1024, 12);  // 120 dpi
  testing::ResetSessionState();
  xpexam::testing::TempDir dir;
  frame::editInstallation().SetScale(0.8, 0.8);
  frame::editInstallation().SetAppPath(dir.path());
  frame::editInstallation().SetDataPath(dir.path() + "/data/");
  desktop::editPlan().SetStepFile(desktop::SessionStepFile());
  desktop::editPlan().SetFirstLine(1, 1);
  dir.Write("data/288820.mxy", "");
  ASSERT_TRUE(platform::WriteTextLines(desktop::plan().stepFile(), {StepLine({{8, "7000"}, {125, "1050000000"}})}));
  dir.Write("examdata/710000.mxy", xpexam::testing::SolidBmp(100, 300, 0xC0C0C0));
  auto& d = FrmMain::Get();
  Act(d).LoadStep();
  Act(d).LMainMenu_MouseUp(1, forms::kLeftButton, 0, 0, 0);
  EXPECT_DOUBLE_EQ(Ui(d).ImgMenuSel.Left(), 390 * 0.8);
  EXPECT_DOUBLE_EQ(Ui(d).ImgMenuSel.Top(), 690 * 0.8);
  EXPECT_DOUBLE_EQ(Ui(d).LblShuMenu[6].Top(), (690 + 1725) * 0.8);
  EXPECT_DOUBLE_EQ(Ui(d).LblShuMenu[6].Height(), 330 * 0.8);
  // The drop-down is 100 pixels, 1200 twips at this resolution: 1500 design twips.
  Act(d).LblShuMenu_MouseUp(7, forms::kLeftButton, 0, 0, 0);
  EXPECT_DOUBLE_EQ(Ui(d).LblSubSel[1].Left(), (1875 + 30) * 0.8);
}

}  // namespace
}  // namespace xpexam::desktop
