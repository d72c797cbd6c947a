// The actions a step shows on arrival: typing, a menu-bar drop-down with its submenu, a drawn
// context menu with its submenu, a drag of Image5 and a tab selection.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/strings.h"

#include "desktop/demonstration_state.h"
#include "tests/demo/demo_fixture.h"

namespace xpexam::demo {
namespace {

using testing::DemoTest;
using testing::StepLine;

const char* const kFinal = "9999";

TEST_F(DemoTest, TypingShowsOneCharacterMoreEveryHalfSecond) {
  Texts({"abc|xyz"});
  Steps({StepLine({{8, "0020"}, {86, "01000010000200000300"}, {109, "001"}, {112, "0100000500"}, {122, "001"}}),
         StepLine({{8, kFinal}})});
  Questions({2});
  FrmYanShi& d = Start();
  EXPECT_EQ(Ui(d).LHelp.Caption(), "输入 abc");
  EXPECT_FALSE(Ui(d).Shape1.Visible());
  EXPECT_EQ(Vars(d).mTargetX, 1300);
  EXPECT_EQ(Vars(d).mTargetY, 1150);
  ASSERT_GT(TicksUntil([&] { return Ui(d).Timer1.Enabled(); }), 0);
  EXPECT_FALSE(Ui(d).Timer2.Enabled());
  EXPECT_EQ(Vars(d).mTypeText, "abc");
  for (const char* shown : {"a", "ab"}) {
    in_.Wait(500);
    forms::Pump();
    EXPECT_EQ(Ui(d).Text1.Text(), shown);
    EXPECT_EQ(Vars(d).mDemoStep, 1);
  }
  in_.Wait(500);
  forms::Pump();
  EXPECT_EQ(Ui(d).Text1.Text(), "abc");
  EXPECT_EQ(Vars(d).mDemoStep, 2);
  EXPECT_FALSE(Ui(d).Timer1.Enabled());
}

TEST_F(DemoTest, MenuBarStepOpensTheItemsSubmenuFromPictures) {
  for (const char* id : {"720088", "720000", "720007", "721000", "721003"}) MenuPicture(id, 0x808080);
  // Menu 2, item 7 (the first submenu of "760000840000"), sub-item 3.
  Steps({StepLine({{8, "7000"}, {125, "2070300000"}}), StepLine({{8, kFinal}})});
  Questions({2});
  FrmYanShi& d = Start();
  EXPECT_TRUE(Ui(d).LMainMenu[2].Visible());
  EXPECT_EQ(Vars(d).mTargetX, 1740);  // centre of title 2: (870 + 435) + 435
  EXPECT_EQ(Vars(d).mTargetY, 555);
  ASSERT_GT(TicksUntil([&] { return Ui(d).Timer6.Enabled(); }), 0);
  EXPECT_EQ(Vars(d).mMenuNo, 2);
  EXPECT_EQ(Shown(Ui(d).ImgMenuSys), "720088");
  EXPECT_EQ(Shown(Ui(d).ImgMenuSel), "720000");
  EXPECT_TRUE(Ui(d).ImgMenuSys.Visible());
  EXPECT_TRUE(Ui(d).ImgMenuSel.Visible());
  EXPECT_DOUBLE_EQ(Ui(d).ImgMenuSel.Top(), 420 + 270);
  // Groups "24521": rows 3-6 one gap lower, 7-11 two; 14 rows in all.
  const double top = Ui(d).ImgMenuSel.Top();
  EXPECT_DOUBLE_EQ(Ui(d).LblShuMenu[2].Top(), top + 30 + 330);
  EXPECT_DOUBLE_EQ(Ui(d).LblShuMenu[3].Top(), top + 30 + 660 + 45);
  EXPECT_DOUBLE_EQ(Ui(d).LblShuMenu[7].Top(), top + 30 + 6 * 330 + 90);
  EXPECT_TRUE(Ui(d).LblShuMenu[14].Visible());
  EXPECT_FALSE(Ui(d).LblShuMenu[15].Visible());

  ASSERT_GT(TicksUntil([&] { return Ui(d).Timer7.Enabled(); }), 0);
  EXPECT_EQ(Shown(Ui(d).ImgShuMenu), "720007");
  EXPECT_DOUBLE_EQ(Ui(d).ImgShuMenu.Top(), Ui(d).LblShuMenu[7].Top());
  EXPECT_TRUE(Ui(d).Timer5.Enabled());
  ASSERT_GT(TicksUntil([&] { return Ui(d).Timer8.Enabled(); }), 0);
  EXPECT_EQ(Vars(d).mSubMenuCode, 2107);
  EXPECT_EQ(Shown(Ui(d).ImgSubMenu), "721000");
  EXPECT_TRUE(Ui(d).ImgSubMenu.Visible());
  EXPECT_DOUBLE_EQ(Ui(d).ImgSubMenu.Left(), Ui(d).ImgMenuSel.Left() + Ui(d).ImgMenuSel.Width() - 15);
  EXPECT_DOUBLE_EQ(Ui(d).ImgSubMenu.Top(), Ui(d).LblShuMenu[7].Top());
  EXPECT_TRUE(Ui(d).LblSubSel[6].Visible());
  EXPECT_FALSE(Ui(d).LblSubSel[7].Visible());
  ASSERT_GT(TicksUntil([&] { return Ui(d).Timer9.Enabled(); }), 0);
  EXPECT_EQ(Shown(Ui(d).ImgSubSel), "721003");
  EXPECT_DOUBLE_EQ(Ui(d).ImgSubSel.Top(), Ui(d).LblSubSel[3].Top());
  ASSERT_GT(TicksUntil([&] { return Vars(d).mDemoStep == 2; }), 0);
  EXPECT_EQ(Ui(d).ImgMenuSel.Picture(), nullptr);  // the next load clears the menu pictures
}

// At 120 dpi (12 twips per pixel, everything designed scaled by 0.8) the pointer aims at the
// same pixels of the menu rows as at 96 dpi, and the flash ring and the hint keep their size.
TEST_F(DemoTest, At120DpiAMenuBarStepAimsAtTheSameRowsAsAt96Dpi) {
  for (const char* id : {"720088", "720000", "720007", "721000", "721003"}) MenuPicture(id, 0x808080);
  Steps({StepLine({{8, "7000"}, {112, "0100001000"}, {122, "001"}, {125, "2070300000"}}), StepLine({{8, kFinal}})});
  Texts({"打开菜单"});
  Questions({2});
  struct Seen {
    int item_x = 0, item_y = 0, sub_x = 0, sub_y = 0;
    int row_width = 0, row_height = 0, sub_width = 0, ring = 0;
    double hint_pixels = 0;
  };
  auto run = [&](double twips_per_pixel) {
    forms::SetTwipsPerPixel(twips_per_pixel);
    frame::editInstallation().SetScale(twips_per_pixel / 15, twips_per_pixel / 15);
    auto px = [&](double twips) { return static_cast<int>(std::lround(twips / twips_per_pixel)); };
    Seen s;
    FrmYanShi& d = Start();
    s.hint_pixels = Ui(d).LHelp.FontSize() * 96 / 72 * 15 / twips_per_pixel;
    s.ring = px(Ui(d).Shape5.Width());
    EXPECT_GT(TicksUntil([&] { return Ui(d).Timer6.Enabled(); }), 0);
    s.item_x = px(Vars(d).mTargetX), s.item_y = px(Vars(d).mTargetY);
    s.row_width = px(Ui(d).LblShuMenu[7].Width()), s.row_height = px(Ui(d).LblShuMenu[7].Height());
    EXPECT_GT(TicksUntil([&] { return Ui(d).Timer8.Enabled(); }), 0);
    s.sub_x = px(Vars(d).mTargetX), s.sub_y = px(Vars(d).mTargetY);
    s.sub_width = px(Ui(d).LblSubSel[3].Width());
    d.Unload();
    desktop::editDemonstration().MarkStopped();
    return s;
  };
  const Seen at96 = run(15), at120 = run(12);
  forms::SetTwipsPerPixel(15);
  frame::editInstallation().SetScale(1, 1);
  EXPECT_EQ(at96.row_width, 161);
  EXPECT_EQ(at96.row_height, 22);
  EXPECT_EQ(at96.ring, 25);
  EXPECT_EQ(at120.row_width, at96.row_width);
  EXPECT_EQ(at120.row_height, at96.row_height);
  EXPECT_EQ(at120.sub_width, at96.sub_width);
  EXPECT_EQ(at120.ring, at96.ring);
  EXPECT_DOUBLE_EQ(at120.hint_pixels, at96.hint_pixels);
  EXPECT_NEAR(at120.item_x, at96.item_x, 1);
  EXPECT_NEAR(at120.item_y, at96.item_y, 1);
  EXPECT_NEAR(at120.sub_x, at96.sub_x, 1);
  EXPECT_NEAR(at120.sub_y, at96.sub_y, 1);
}

class ContextMenuTest : public DemoTest {
 protected:
  ContextMenuTest() {
    // Popup type 1, menu 1: cascade 1 "新建(&W)" with its items, plain group 1 "刷新|-|属性".
    Write("sMenu.sys", {"x", "新建(&W)", "文件夹(&F)|-|快捷方式(&S)", "刷新|-|属性", "0", "0", "0", "0", "0", "0", "0",
                        "0", "0", "0", "0"});
  }
  void Question(const char* code) {
    Steps({StepLine({{8, code}, {66, "03000030000060000300"}}), StepLine({{8, kFinal}})});
    Questions({2});
  }
};

TEST_F(ContextMenuTest, CascadeItemOpensItsSubmenuAndTheSubItemIsClicked) {
  Question("3112");
  FrmYanShi& d = Start();
  ASSERT_GT(TicksUntil([&] { return Ui(d).TimerRM.Enabled(); }), 0);
  EXPECT_EQ(Ui(d).Shape5.BorderColor(), 0xFFFFu);
  EXPECT_EQ(Vars(d).mPopupMenuNo, 1);
  const double left = Ui(d).LRightMMenu.Left(), top = Ui(d).LRightMMenu.Top();
  EXPECT_EQ(left, Ui(d).ShapeRMain.Left());
  EXPECT_EQ(Ui(d).LRMJL[1].Caption(), "新建(&W)");
  EXPECT_DOUBLE_EQ(Ui(d).LRMJL[1].Top(), top + 90);
  EXPECT_EQ(Ui(d).LRM2[0].Caption(), "刷新");
  EXPECT_DOUBLE_EQ(Ui(d).LRM2[0].Top(), top + 90 + 270);
  EXPECT_FALSE(Ui(d).LRM2[1].Visible());
  EXPECT_TRUE(Ui(d).LRFGX[0].Visible());
  EXPECT_DOUBLE_EQ(Ui(d).LRFGX[0].Y1(), top + 90 + 540);
  EXPECT_DOUBLE_EQ(Ui(d).LRM2[2].Top(), top + 90 + 540 + 135);
  EXPECT_DOUBLE_EQ(Ui(d).LRightMMenu.Height(), 90 + 270 * 3 + 135);
  EXPECT_DOUBLE_EQ(Ui(d).LRFGX[0].X2() - Ui(d).LRFGX[0].X1(), Ui(d).LRightMMenu.Width() - 120);
  EXPECT_TRUE(Ui(d).ImgJLSanjiao[1].Visible());
  EXPECT_FALSE(Ui(d).ImgJLSanjiao[3].Visible());
  EXPECT_EQ(Vars(d).mTargetY, platform::CLng(Ui(d).LRMJL[1].Top() + Ui(d).LRMJL[1].Height() / 2));

  ASSERT_GT(TicksUntil([&] { return Ui(d).TimerRS.Enabled(); }), 0);
  EXPECT_FALSE(Ui(d).TimerRM.Enabled());
  const double sub_top = Ui(d).LRightSub.Top();
  EXPECT_DOUBLE_EQ(Ui(d).LRightSub.Left(), left + Ui(d).LRightMMenu.Width() - 60);
  EXPECT_DOUBLE_EQ(sub_top, Ui(d).LRMJL[1].Top());
  EXPECT_EQ(Ui(d).LRS[0].Caption(), "文件夹(&F)");
  EXPECT_DOUBLE_EQ(Ui(d).LRS[0].Top(), sub_top + 135);
  EXPECT_TRUE(Ui(d).LRSFgx[0].Visible());
  EXPECT_DOUBLE_EQ(Ui(d).LRSFgx[0].Y1(), sub_top + 405);
  EXPECT_FALSE(Ui(d).LRS[1].Visible());
  EXPECT_DOUBLE_EQ(Ui(d).LRS[2].Top(), sub_top + 540);
  EXPECT_DOUBLE_EQ(Ui(d).LRightSub.Height(), 135 + 270 + 135 + 270);
  EXPECT_DOUBLE_EQ(Ui(d).Shape1.Top(), Ui(d).LRS[2].Top() - 60);
  EXPECT_DOUBLE_EQ(Ui(d).Shape1.Height(), 285);
  ASSERT_GT(TicksUntil([&] { return Vars(d).mDemoStep == 2; }), 0);
  EXPECT_FALSE(Ui(d).LRightMMenu.Visible());  // the next load clears both menus
  EXPECT_FALSE(Ui(d).LRightSub.Visible());
  EXPECT_EQ(Ui(d).LRS[0].Caption(), "");
}

TEST_F(ContextMenuTest, PlainItemIsClickedAtOnce) {
  Question("3122");
  FrmYanShi& d = Start();
  ASSERT_GT(TicksUntil([&] { return Ui(d).TimerRM.Enabled(); }), 0);
  EXPECT_EQ(Vars(d).mTargetY, platform::CLng(Ui(d).LRM2[2].Top() + Ui(d).LRM2[2].Height() / 2));
  EXPECT_DOUBLE_EQ(Ui(d).Shape1.Top(), Vars(d).mTargetY - 135);
  ASSERT_GT(TicksUntil([&] { return Vars(d).mDemoStep == 2; }), 0);
  EXPECT_TRUE(Ui(d).Timer5.Enabled() || Ui(d).TimEnd.Enabled());
  EXPECT_FALSE(Ui(d).TimerRS.Enabled());
}

TEST_F(DemoTest, DragCarriesImage5ToTheExtraPoint) {
  Picture("100005");
  // Image5 (8 x 8 pixels = 120 twips) at (2000, 2000); extra point (0, 5000) keeps the x.
  Steps({StepLine({{8, "8001"}, {151, "0200002000100005"}, {167, "0000005000"}}), StepLine({{8, kFinal}})});
  Questions({2});
  FrmYanShi& d = Start();
  EXPECT_EQ(Vars(d).mTargetX, 2060);
  EXPECT_EQ(Vars(d).mTargetY, 2060);
  ASSERT_GT(TicksUntil([&] { return Ui(d).Timer3.Enabled(); }), 0);
  EXPECT_EQ(Vars(d).mTargetX, 2060);
  EXPECT_EQ(Vars(d).mTargetY, 5000);
  ASSERT_GT(TicksUntil([&] { return Vars(d).mDemoStep == 2; }), 0);
  EXPECT_FALSE(Ui(d).Timer3.Enabled());
  EXPECT_DOUBLE_EQ(Ui(d).Image5.Left() + 60, Vars(d).mPointerX);
  EXPECT_DOUBLE_EQ(Ui(d).Image5.Top() + 60, Vars(d).mPointerY);
  EXPECT_LE(std::abs(Vars(d).mPointerY - 5000), 1.5 * Vars(d).mStepLength);
}

TEST_F(DemoTest, RubberBandGrowsFromTheStartAreaUnderTheCursorPicture) {
  dir_.Write("ico00.CUR", xpexam::testing::SolidBmp(8, 8, 0x000000));
  Steps({StepLine({{8, "0040"}, {66, "03000030000060000300"}, {101, "S0000"}, {177, "01000010000060000300"}}),
         StepLine({{8, kFinal}})});
  Questions({2});
  FrmYanShi& d = Start();
  EXPECT_EQ(Vars(d).mTargetX, 1300);  // the start area first
  EXPECT_EQ(Vars(d).mTargetY, 1150);
  in_.Wait(100);
  forms::Pump();
  EXPECT_TRUE(Ui(d).ImgICO.Visible());
  EXPECT_EQ(Shown(Ui(d).ImgICO), "ico00");
  EXPECT_DOUBLE_EQ(Ui(d).ImgICO.Left(), Vars(d).mPointerX);
  EXPECT_DOUBLE_EQ(Ui(d).LPoint[0].X1(), -100);
  ASSERT_GT(TicksUntil([&] { return Ui(d).Shape4.Left() == -100; }), 0);
  EXPECT_TRUE(Vars(d).mBandOn);
  EXPECT_TRUE(Ui(d).Shape6.Visible());
  EXPECT_DOUBLE_EQ(Ui(d).Shape6.Left(), 1000);
  EXPECT_DOUBLE_EQ(Ui(d).Shape6.Top(), 1000);
  EXPECT_EQ(Vars(d).mTargetX, 3300);
  EXPECT_EQ(Vars(d).mTargetY, 3150);
  in_.Wait(100);
  forms::Pump();
  ASSERT_EQ(Vars(d).mDemoStep, 1);
  EXPECT_DOUBLE_EQ(Ui(d).Shape6.Width(), Vars(d).mPointerX - 1000 + 120);
  EXPECT_DOUBLE_EQ(Ui(d).Shape6.Height(), Vars(d).mPointerY - 1000 + 120);
  ASSERT_GT(TicksUntil([&] { return Vars(d).mDemoStep == 2; }), 0);
}

TEST_F(DemoTest, TabStepClicksTheTabThenTheTargetBox) {
  for (const char* id : {"100002", "110009"}) Picture(id);
  Texts({"确定"});
  // Layout A, tab 1 shown, tab 3 to select, the pages in Image2 at (1000, 1000).
  Steps({StepLine({{8, "0001"}, {34, "0100001000100002"}, {66, "03000030000060000300"}, {112, "0100000500"},
                   {122, "001"}, {125, "00000XA132"}}),
         StepLine({{8, kFinal}})});
  Questions({2});
  FrmYanShi& d = Start();
  EXPECT_EQ(Ui(d).LHelp.Caption(), "请选择第3个选项卡");
  EXPECT_EQ(Shown(Ui(d).Image2), "110009");
  EXPECT_DOUBLE_EQ(Ui(d).LblXXK[3].Left(), 1755 + 1000);
  EXPECT_DOUBLE_EQ(Ui(d).LblXXK[3].Top(), 540 + 1000);
  EXPECT_DOUBLE_EQ(Ui(d).LblXXK[3].Width(), 1080);
  EXPECT_DOUBLE_EQ(Ui(d).LblXXK[3].Height(), 300);
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Width(), 1);
  EXPECT_FALSE(Ui(d).Shape1.Visible());
  EXPECT_EQ(Vars(d).mTargetX, 1755 + 1000 + 540);
  EXPECT_EQ(Vars(d).mTargetY, 1690);

  ASSERT_GT(TicksUntil([&] { return Ui(d).Shape4.Left() == -100; }), 0);
  EXPECT_EQ(Shown(Ui(d).Image2), "100002");
  EXPECT_EQ(Ui(d).LHelp.Caption(), "确定");
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Width(), 600);
  EXPECT_EQ(Vars(d).mTargetX, 3300);
  EXPECT_EQ(Vars(d).mTargetY, 3150);
  EXPECT_EQ(Vars(d).mDemoStep, 1);
  ASSERT_GT(TicksUntil([&] { return Vars(d).mDemoStep == 2; }), 0);
}

}  // namespace
}  // namespace xpexam::demo
