// The desktop window itself: the size rule, the load's layout, the docking of the question bar,
// the title-strip drag and the handlers of the bare surface and the overlays.
#include <gtest/gtest.h>

#include "forms/app.h"
#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "forms/pictures.h"
#include "tests/desktop/desktop_fixture.h"

namespace xpexam::desktop {
namespace {

using testing::DesktopTest;
using testing::StepLine;

void ExpectBarDocked() {
  auto& desk = FrmMain::Get();
  auto& bar = session::FrmTm::Get();
  EXPECT_DOUBLE_EQ(bar.Left() + bar.Width(), desk.Left() + desk.Width());
  EXPECT_DOUBLE_EQ(bar.Top() + bar.Height(), desk.Top() + desk.Height());
}

struct ScreenCase {
  int width, height;
  int state;
  double left, top, w, h;  // twips, as the window reports them
  friend void PrintTo(const ScreenCase& c, std::ostream* os) { *os << c.width << "x" << c.height; }
};

class SizeRuleTest : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(SizeRuleTest, CentredOnATallScreenMaximisedOtherwiseAndTheBarDocked) {
  const ScreenCase c = GetParam();
  forms::HeadlessSession screen(c.width, c.height);
  testing::ResetSessionState();
  auto& desk = FrmMain::Get();
  EXPECT_EQ(static_cast<int>(desk.WindowState()), c.state);
  EXPECT_DOUBLE_EQ(desk.Left(), c.left);
  EXPECT_DOUBLE_EQ(desk.Top(), c.top);
  EXPECT_DOUBLE_EQ(desk.Width(), c.w);
  EXPECT_DOUBLE_EQ(desk.Height(), c.h);
  ExpectBarDocked();
  EXPECT_DOUBLE_EQ(session::FrmTm::Get().Width(), 4980);
  EXPECT_TRUE(session::FrmTm::Get().TopMost());
}

INSTANTIATE_TEST_SUITE_P(Screens, SizeRuleTest,
                         ::testing::Values(ScreenCase{1024, 768, 0, 1680, 1260, 12000, 9000},
                                           ScreenCase{800, 651, 0, 0, 382.5, 12000, 9000},
                                           ScreenCase{800, 650, 2, 0, 0, 12000, 9750},
                                           ScreenCase{1280, 600, 2, 0, 0, 19200, 9000}));

TEST(DesktopShortScreenTest, RestoredTheWindowStillCoversTheScreen) {
  forms::HeadlessSession screen(1024, 600);
  testing::ResetSessionState();
  auto& desk = FrmMain::Get();
  desk.SetWindowState(forms::WindowSize::kNormal);
  EXPECT_DOUBLE_EQ(desk.Left(), 0);
  EXPECT_DOUBLE_EQ(desk.Width(), 15360);
  EXPECT_DOUBLE_EQ(desk.Height(), 9000);
}

TEST_F(DesktopTest, TheLoadLaysOutTheMenuBarTheListsAndTheTables) {
  Bar();  // the bar's own load starts every question at step 1
  desktop::editPlan().SetResumeStep(41, 7);
  desktop::editPlan().SetResumeStep(40, 7);
  auto& d = Desk();
  EXPECT_EQ(desktop::plan().question(40).resumeStep, 1);
  EXPECT_EQ(desktop::plan().question(41).resumeStep, 7);
  EXPECT_EQ(Vars(d).mExamDataPath, frame::installation().appPath() + "\\examdata\\");
  EXPECT_EQ(d.CurrentMenu(), 1);
  EXPECT_FALSE(d.IsMenuOpen());
  EXPECT_EQ(Vars(d).mMenuGroups[2], "24521");
  EXPECT_EQ(Vars(d).mMenuSubs[5], "240000350000431000");
  EXPECT_EQ(Vars(d).mMenuSubs[9], "");
  // Title 3 of the menu bar, hidden until a step uses the bar.
  EXPECT_DOUBLE_EQ(Ui(d).LMainMenu[3].Left(), 390 + 2 * 870);
  EXPECT_DOUBLE_EQ(Ui(d).LMainMenu[3].Top(), 420);
  EXPECT_DOUBLE_EQ(Ui(d).LMainMenu[3].Width(), 870);
  EXPECT_DOUBLE_EQ(Ui(d).LMainMenu[3].Height(), 270);
  EXPECT_FALSE(Ui(d).LMainMenu[3].Visible());
  EXPECT_FALSE(Ui(d).ImgMenuSys.Visible());
  EXPECT_FALSE(Ui(d).LblShuMenu[20].Visible());
  // Every item array of the context menu holds elements 0 to 10.
  EXPECT_EQ(Ui(d).sVemoInde4.UBound(), 10);
  EXPECT_EQ(Ui(d).sVemoSub5.Count(), 11);
  // Location list: collapsed, hidden, its rows every 240 twips from 345.
  EXPECT_DOUBLE_EQ(Ui(d).LblADD[2].Top(), 825);
  EXPECT_DOUBLE_EQ(Ui(d).ImgLiN[2].Top(), 825);
  EXPECT_FALSE(Ui(d).ImgLiN[2].Visible());
  EXPECT_DOUBLE_EQ(Ui(d).ImgSelAD.Left(), -120);
  EXPECT_DOUBLE_EQ(Ui(d).PicList.Height(), 330);
  EXPECT_FALSE(Ui(d).PicList.Visible());
  EXPECT_DOUBLE_EQ(Ui(d).lblMove.Width(), 9495);
  EXPECT_FALSE(Ui(d).LblSuccess.Visible());
  EXPECT_DOUBLE_EQ(Ui(d).LblSuccess.Left(), 2640);
  EXPECT_DOUBLE_EQ(Ui(d).LblSuccess.Top(), 3840);
  EXPECT_EQ(Ui(d).LblSuccess.Caption(), "操作成功！");
  EXPECT_FALSE(Ui(d).Text4.Visible());
  EXPECT_FALSE(Ui(d).Shape6.Visible());
  // Step-driven controls wait outside the 800 x 600 desktop.
  for (forms::Control* c : std::initializer_list<forms::Control*>{&Ui(d).Label1, &Ui(d).Label4, &Ui(d).Image1, &Ui(d).Text1, &Ui(d).LstLA})
    EXPECT_TRUE(c->Left() >= 11880 || c->Top() >= 9360) << c->Name();
}

TEST(DesktopScaleTest, TheLoadScalesToTheScreen) {
  forms::HeadlessSession screen(1280, 1024, 12);  // 120 dpi
  testing::ResetSessionState();
  frame::editInstallation().SetScale(0.8, 0.8);
  auto& d = FrmMain::Get();
  EXPECT_DOUBLE_EQ(d.Width(), 9600);  // still 800 pixels
  EXPECT_DOUBLE_EQ(Ui(d).LMainMenu[2].Left(), (390 + 870) * 0.8);
  EXPECT_DOUBLE_EQ(Ui(d).LblSuccess.FontSize(), 72 * 0.8);
  EXPECT_DOUBLE_EQ(session::FrmTm::Get().Height(), 3630 * 0.8);
  ExpectBarDocked();
}

TEST_F(DesktopTest, AMissingLogoOrIconLeavesThemEmptyAndTheRestIsLaidOut) {
  Picture("l62009");
  auto& d = Desk();
  EXPECT_EQ(forms::PictureId(Ui(d).ImgLogo.Picture()), "l62009");
  EXPECT_EQ(d.Icon(), nullptr);
  EXPECT_DOUBLE_EQ(Ui(d).ImgLogo.Width(), 1740);
  EXPECT_DOUBLE_EQ(Ui(d).LblSuccess.Top(), 3840);
}

// The title strip runs from pixel 96 to 729 across the top 25 pixels of the desktop.
TEST_F(DesktopTest, ALeftDragOnTheTitleStripMovesTheDesktopAndDocksTheBar) {
  auto& d = Desk();
  d.Show();
  in_.Press(300, 90);
  in_.Move(350, 120);
  in_.Release(350, 120);
  forms::Pump();
  EXPECT_DOUBLE_EQ(d.Left(), 1680 + 50 * 15);
  EXPECT_DOUBLE_EQ(d.Top(), 1260 + 30 * 15);
  ExpectBarDocked();
}

TEST_F(DesktopTest, OtherButtonsOnTheTitleStripMoveNothingButDockTheBar) {
  auto& d = Desk();
  d.Show();
  Bar().Move(0, 0);
  in_.Press(300, 90, forms::kRightButton);
  in_.Move(350, 120);
  in_.Release(350, 120, forms::kRightButton);
  forms::Pump();
  EXPECT_DOUBLE_EQ(d.Left(), 1680);
  ExpectBarDocked();
}

TEST_F(DesktopTest, TheCollapsedBarIsDockedWithItsOwnSize) {
  auto& d = Desk();
  d.Show();
  Bar().Show();
  Ui(Bar()).LblZXH.Click();
  EXPECT_DOUBLE_EQ(Bar().Width(), 810);
  EXPECT_DOUBLE_EQ(Bar().Left(), d.Left());
  in_.Press(300, 90, forms::kMiddleButton);
  in_.Release(300, 90, forms::kMiddleButton);
  forms::Pump();
  EXPECT_DOUBLE_EQ(Bar().Width(), 810);
  EXPECT_DOUBLE_EQ(Bar().Height(), 870);
  ExpectBarDocked();
}

TEST(DesktopShortScreenTest, ATitleStripPressOnAScreen650PixelsTallStillDocksTheBar) {
  forms::HeadlessSession screen(800, 650);
  testing::ResetSessionState();
  auto& d = FrmMain::Get();
  d.Show();
  session::FrmTm::Get().Move(0, 0);
  screen.Input().Press(300, 5);
  screen.Input().Release(300, 5);
  forms::Pump();
  EXPECT_EQ(d.WindowState(), forms::WindowSize::kMaximized);
  ExpectBarDocked();
}

class SurfaceTest : public DesktopTest {
 protected:
  SurfaceTest() {
    Picture("100001");
    dir_.Write("examdata/710000.mxy", xpexam::testing::SolidBmp(8, 8, 0));
    // Step 1: a target box; step 2: none, and the menu bar. Image1 lies left, Image2 right of
    // the middle.
    Steps({StepLine({{8, "0001"}, {12, "100001"}, {18, "00300"}, {23, "03000"}, {28, "100001"},
                     {34, "06000"}, {39, "03000"}, {44, "100001"}, {66, "01500015000120000600"}}),
           StepLine({{8, "0001"}, {12, "888888"}, {18, "00300"}, {23, "03000"}, {28, "888888"},
                     {34, "06000"}, {39, "03000"}, {44, "888888"}, {125, "1111100000"}}),
           StepLine({{8, "K305"}, {12, "888888"}, {18, "00300"}, {23, "03000"}, {28, "888888"},
                     {34, "06000"}, {39, "03000"}, {44, "888888"}})});
    Desk().Show();
    Load(1);
    Load(2);
    // Menu 1 opened on its title.
    Act(Desk()).LMainMenu_MouseUp(1, forms::kLeftButton, 0, 0, 0);
  }
};

TEST_F(SurfaceTest, MovingOverTheBareSurfaceClosesTheMenusAndMakesTheTargetBoxLiveAgain) {
  auto& d = Desk();
  ASSERT_FALSE(Ui(d).Label1.Visible());
  in_.Move(PxX(100), PxY(8000));
  forms::Pump();
  EXPECT_TRUE(Ui(d).Label1.Visible());
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Left(), 1500);
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Width(), 1200);
  EXPECT_EQ(Ui(d).ImgMenuSel.Picture(), nullptr);
  EXPECT_FALSE(Ui(d).LblShuMenu[1].Visible());
  EXPECT_FALSE(d.IsMenuOpen());
  EXPECT_FALSE(Ui(d).Shape1.Visible());
}

TEST_F(SurfaceTest, OnlyTheSurfaceAndImage1CloseAnOpenMenu) {
  auto& d = Desk();
  in_.Move(PxX(6000 + 60), PxY(3000 + 60));  // Image2
  forms::Pump();
  EXPECT_TRUE(d.IsMenuOpen());
  EXPECT_TRUE(Ui(d).Label1.Visible());
  EXPECT_NE(Ui(d).ImgMenuSel.Picture(), nullptr);
  in_.Move(PxX(300 + 60), PxY(3000 + 60));  // Image1
  forms::Pump();
  EXPECT_FALSE(d.IsMenuOpen());
}

TEST_F(SurfaceTest, AClickOrReleaseOnTheSurfaceCollapsesTheLocationList) {
  auto& d = Desk();
  Load(3);
  Ui(d).PicList.Move(0, 6000);
  Act(d).LblADDmyXZ_Click();
  ASSERT_DOUBLE_EQ(Ui(d).PicList.Height(), 3720);
  in_.Click(PxX(9000), PxY(1500));
  forms::Pump();
  EXPECT_DOUBLE_EQ(Ui(d).PicList.Height(), 330);
  EXPECT_TRUE(Ui(d).PicList.Visible());
  Act(d).LblADDmyXZ_Click();
  in_.Wait(600);
  in_.Click(PxX(6000 + 60), PxY(3000 + 60));  // Image2
  forms::Pump();
  EXPECT_DOUBLE_EQ(Ui(d).PicList.Height(), 330);
}

}  // namespace
}  // namespace xpexam::desktop
