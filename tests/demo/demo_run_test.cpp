// A whole demonstration run: the pointer's travel, the click flash, the end that gives the
// question back to the bar, and the ways of ending a run early.
#include <gtest/gtest.h>

#include "desktop/demonstration_state.h"
#include "tests/demo/demo_fixture.h"
#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"

namespace xpexam::demo {
namespace {

using testing::DemoTest;
using testing::StepLine;

// A click 3000 twips right of the pointer's start (7680, 5760), then the final record.
class ClickQuestionTest : public DemoTest {
 protected:
  ClickQuestionTest() {
    Picture("100001");
    Picture("100009");
    Steps({StepLine({{8, "0001"}, {12, "100001"}, {66, "10380056100060000300"}}),
           StepLine({{8, "9999"}, {12, "100009"}})});
    Questions({2});
    desktop::editPlan().SetDoneMark(1, "F");
    desktop::editPlan().SetStatus(1, desktop::kStatusOpened);
    desktop::editPlan().SetResumeStep(1, 1);
  }
};

TEST_F(ClickQuestionTest, ReplayedToItsEndAndHandedBackToTheBar) {
  FrmYanShi& d = Start();
  EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kPracticeWithHints);
  EXPECT_EQ(Vars(d).mDemoStep, 1);
  EXPECT_EQ(forms::PictureId(d.Picture()), "100001");
  EXPECT_TRUE(Ui(d).Timer2.Enabled());
  EXPECT_DOUBLE_EQ(Vars(d).mStepLength, 200);
  EXPECT_EQ(Vars(d).mDeltaX, 200);
  EXPECT_EQ(Vars(d).mDeltaY, 0);
  // Two advances a tick; the 7th tick arrives 200 short of the target and flashes there.
  for (int k = 1; k <= 6; ++k) {
    in_.Wait(100);
    forms::Pump();
    ASSERT_EQ(Vars(d).mPointerX, 7680 + 400 * k) << k;
    EXPECT_EQ(Vars(d).mDemoStep, 1);
  }
  EXPECT_EQ(Ui(d).LPoint[0].X1(), 7680 + 2400 + 60);
  in_.Wait(100);
  forms::Pump();
  EXPECT_EQ(Vars(d).mPointerX, 10480);
  EXPECT_EQ(Ui(d).Shape5.Left(), 10300);
  EXPECT_EQ(Ui(d).Shape5.Top(), 5580);
  EXPECT_TRUE(Ui(d).Timer5.Enabled());
  EXPECT_EQ(Ui(d).Shape5.BorderColor(), 0xFFu);
  // The final record is loaded in the same tick.
  EXPECT_EQ(Vars(d).mDemoStep, 2);
  EXPECT_EQ(Ui(d).LHelp.Caption(), "操作成功！");
  EXPECT_TRUE(Ui(d).TimEnd.Enabled());
  EXPECT_EQ(forms::PictureId(d.Picture()), "100009");

  in_.Wait(100);
  forms::Pump();
  EXPECT_TRUE(Ui(d).Shape5.Visible());  // first flash tick shows the ring
  in_.Wait(300);
  forms::Pump();
  ASSERT_TRUE(FrmYanShi::IsLoaded());  // the flash shared the end timer's count
  in_.Wait(100);
  forms::Pump();
  EXPECT_FALSE(FrmYanShi::IsLoaded());
  EXPECT_FALSE(desktop::demonstration().running());
  EXPECT_TRUE(Desk().Visible());
  EXPECT_TRUE(Bar().Visible());
  EXPECT_TRUE(Ui(Bar()).TimerREDO.Enabled());

  in_.Wait(100);
  forms::Pump();
  EXPECT_FALSE(Ui(Bar()).TimerREDO.Enabled());
  EXPECT_EQ(desktop::cursor().step(), 1);
  EXPECT_EQ(desktop::plan().question(1).status, desktop::kStatusOpened);
  EXPECT_EQ(desktop::plan().question(1).doneMark, "F");
  EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kPractice);
}

TEST_F(ClickQuestionTest, StoppedRunIdlesAndStillEndsOnEsc) {
  FrmYanShi& d = Start();
  in_.Wait(200);
  forms::Pump();
  const int32_t x = Vars(d).mPointerX;
  desktop::editDemonstration().MarkStopped();
  in_.Wait(1000);
  forms::Pump();
  EXPECT_EQ(Vars(d).mPointerX, x);
  EXPECT_FALSE(Ui(d).Timer2.Enabled());
  Act(d).AdvanceStep();
  EXPECT_EQ(Vars(d).mDemoStep, 1);
  EXPECT_TRUE(FrmYanShi::IsLoaded());

  in_.KeyUp(65);  // any other key does nothing
  in_.Wait(500);
  forms::Pump();
  ASSERT_TRUE(FrmYanShi::IsLoaded());
  in_.KeyUp(27);
  in_.Wait(200);
  in_.DblClick(Desk().Left() / 15 + 5, Desk().Top() / 15 + 5);  // a second request changes nothing
  in_.Wait(200);
  forms::Pump();
  EXPECT_FALSE(FrmYanShi::IsLoaded());
  EXPECT_TRUE(Bar().Visible());
  EXPECT_EQ(desktop::cursor().step(), 1);
}

TEST_F(DemoTest, QuestionTextLabelAndPlacementOverTheDesktop) {
  Steps({StepLine({{8, "9999"}})});
  Questions({1});
  struct Case {
    std::string text;
    double height;
  };
  for (const Case& c : {Case{"", 195}, Case{"一二三四五六七八九十一二三", 195}, Case{"一二三四五六七八九十一二三四", 375}}) {
    Ui(Bar()).RtbTM.SetText("  " + c.text + " ");
    FrmYanShi& d = Start();
    EXPECT_EQ(Ui(d).ImgLogo.Caption(), c.text);
    EXPECT_DOUBLE_EQ(Ui(d).ImgLogo.Height(), c.height) << c.text;
    EXPECT_DOUBLE_EQ(d.Left(), Desk().Left());
    EXPECT_DOUBLE_EQ(d.Top(), Desk().Top());
    EXPECT_DOUBLE_EQ(d.Width(), 12000);
    EXPECT_EQ(Vars(d).mPointerX, 7680);
    d.Unload();
  }
}

// Steps the demonstration has no action for (pointing, list entries) carry the pointer on
// past the target until it leaves the window. One that starts where the pointer already is
// (after a key step, which aims at the pointer) has no travel: it ends at its first arrival.
TEST_F(DemoTest, StepWithoutActionEndsWhenThePointerLeavesOrCannotMove) {
  struct Case {
    std::vector<std::string> steps;
    int ticks;
  };
  const Case cases[] = {
      {{StepLine({{8, "6013"}}), StepLine({{8, "K201"}}), StepLine({{8, "9999"}})}, 1},
      {{StepLine({{8, "6013"}}), StepLine({{8, "0030"}}), StepLine({{8, "9999"}})}, 1},
      // From the key step's point towards the previous target and beyond: 10 advances to the
      // target 3000 twips to the right, then on to the window's edge at 12000.
      {{StepLine({{8, "0001"}, {66, "10380056100060000300"}}), StepLine({{8, "L001"}}), StepLine({{8, "9999"}})}, 0},
  };
  for (const Case& c : cases) {
    Steps(c.steps);
    Questions({3});
    FrmYanShi& d = Start();
    const int ticks = TicksUntil([&] { return Vars(d).mDemoStep == 3; }, 400);
    EXPECT_GT(ticks, 0) << c.steps[1].substr(7, 4);
    if (c.ticks > 0) {
      EXPECT_EQ(ticks, c.ticks) << c.steps[1].substr(7, 4);
    }
    EXPECT_GT(TicksUntil([] { return !FrmYanShi::IsLoaded(); }), 0);
    desktop::editDemonstration().MarkStopped();
  }
}

// A target box number outside 16 bits skips that number alone: the box keeps the earlier
// step's value there and takes the record's others.
TEST_F(DemoTest, ATargetBoxNumberThatDoesNotFitSkipsOnlyItsOwnAssignment) {
  Steps({StepLine({{8, "0001"}, {66, "10000020000060000300"}}), StepLine({{8, "0001"}, {66, "99999030000090000450"}}),
         StepLine({{8, "9999"}})});
  Questions({3});
  FrmYanShi& d = Start();
  ASSERT_GT(TicksUntil([&] { return Vars(d).mDemoStep == 2; }), 0);
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Left(), 10000);
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Top(), 3000);
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Width(), 900);
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Height(), 450);
  EXPECT_EQ(Vars(d).mTargetX, 10450);
  EXPECT_EQ(Vars(d).mTargetY, 3225);
}

TEST_F(DemoTest, StepFileEndingWithoutItsFinalRecordEndsTheRun) {
  // Steps without travel load the next one at once; replaying the last one would never end.
  Steps({StepLine({{8, "6013"}}), StepLine({{8, "6013"}})});
  Questions({3});
  FrmYanShi& d = Start();
  EXPECT_EQ(Vars(d).mDemoStep, 3);
  EXPECT_TRUE(Ui(d).TimEnd.Enabled());
  EXPECT_FALSE(Ui(d).Timer2.Enabled());
  in_.Wait(400);
  forms::Pump();
  EXPECT_FALSE(FrmYanShi::IsLoaded());
  EXPECT_TRUE(Bar().Visible());
}

TEST_F(DemoTest, AStepFileThatCannotBeReadEndsTheRun) {
  // Without a record of its own the run has nothing to play; the desktop's record is not one.
  Questions({2});
  FrmYanShi& d = Start();
  EXPECT_EQ(d.Step().Line(), "");
  EXPECT_TRUE(Ui(d).TimEnd.Enabled());
  EXPECT_NE(Ui(d).LHelp.Caption(), "操作成功！");
  in_.Wait(400);
  forms::Pump();
  EXPECT_FALSE(FrmYanShi::IsLoaded());
  EXPECT_TRUE(Bar().Visible());
}

}  // namespace
}  // namespace xpexam::demo
