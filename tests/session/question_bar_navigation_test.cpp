// The bar's function buttons on the headless screen: moving between questions keeps each
// question's step and pictures, the number page, bookmarks and the demonstration start.
#include <gtest/gtest.h>

#include "desktop/demonstration_state.h"
#include "forms/pictures.h"
#include "frame/candidate.h"
#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "session/picture_window.h"
#include "platform/strings.h"
#include "session/hooks.h"
#include "session/session_exit.h"
#include "tests/desktop/desktop_fixture.h"

namespace xpexam::session {
namespace {

using desktop::testing::DesktopTest;

class BarButtons : public DesktopTest {
 protected:
  BarButtons() {
    Write("data/288870.mxy", {"010103Open the folder|then rename it", "010202picture300001See the picture|here",
                              "010301Last"});
    dir_.Write("data/300001.mxy", xpexam::testing::SolidBmp(8, 8, 0xFF));
    for (const char* face : {"l01030", "l01031", "l01032"}) Picture(face);
    Questions({3, 3, 3});
    Desk().Show();
    Bar().Show();
    DockBar();
    in_.Wait(500);  // the practice button set
    forms::Pump();
  }
  ~BarButtons() override {
    gSessionHooks.onDemonstrationAsked = nullptr;
  }
  void ClickOn(const forms::Control& c) {
    const forms::Rect r = c.ScreenRect();
    in_.Click(r.x + r.w / 2, r.y + r.h / 2);
    forms::Pump();
  }
};

TEST_F(BarButtons, MovingBetweenQuestionsKeepsEachQuestionsStepAndPictures) {
  auto& bar = Bar();
  desktop::editPlan().SetPictureId(1, 0, "400001");
  desktop::editPlan().SetPictureId(2, 0, "400002");
  Picture("400001", 0x0000FF);
  Picture("400002", 0x00FF00);
  Act(bar).LoadQuestion();
  desktop::editPlan().SetResumeStep(1, 2);  // the learner got to step 2 of question 1

  struct Move { int button; int16_t question; const char* background; bool previous_enabled, next_enabled; };
  using bar_button::kNext, bar_button::kPrevious;
  const Move moves[] = {
      {kNext, 2, "400002", true, true},
      {kNext, 3, "", true, false},
      {kNext, 3, "", true, false},  // next on the last question: disabled, nothing moves
      {kPrevious, 2, "400002", true, true},
      {kPrevious, 1, "400001", false, true},
  };
  for (const Move& m : moves) {
    ClickOn(Ui(bar).CmdGN[m.button]);
    EXPECT_EQ(desktop::cursor().question(), m.question);
    EXPECT_EQ(Ui(bar).CmdGN[kPrevious].Enabled(), m.previous_enabled);
    EXPECT_EQ(Ui(bar).CmdGN[kNext].Enabled(), m.next_enabled);
    if (*m.background) {
      EXPECT_EQ(forms::PictureId(Desk().Picture()), m.background) << m.question;
    }
  }
  EXPECT_EQ(desktop::cursor().step(), 2);  // back on question 1 at its step
  // Redo: step 1 again; a completed question stays completed.
  desktop::editPlan().SetStatus(1, 5);
  ClickOn(Ui(bar).CmdGN[bar_button::kRestartQuestion]);
  EXPECT_EQ(desktop::plan().question(1).resumeStep, 1);
  EXPECT_EQ(desktop::cursor().step(), 1);
  EXPECT_EQ(desktop::plan().question(1).status, 5);
}

TEST_F(BarButtons, BookmarkTogglesTheStatusAndTheButtonPair) {
  auto& bar = Bar();
  struct Case { int button; int16_t before, after; };
  using bar_button::kBookmark, bar_button::kClearBookmark;
  const Case cases[] = {{kBookmark, 1, 3}, {kClearBookmark, 3, 1}, {kBookmark, 5, 7}, {kBookmark, 3, 3},
                        {kClearBookmark, 1, 1}};
  for (const Case& c : cases) {
    desktop::editPlan().SetStatus(1, c.before);
    Act(bar).CmdGN_Click(c.button);
    EXPECT_EQ(desktop::plan().question(1).status, c.after) << c.button << " on " << c.before;
    EXPECT_EQ(Ui(bar).CmdGN[kClearBookmark].Visible(), c.button == kBookmark);
    EXPECT_EQ(Ui(bar).CmdGN[kBookmark].Visible(), c.button == kClearBookmark);
  }
  // The title keeps the question's state; a completed bookmarked question reads as done.
  desktop::editPlan().SetDoneMark(1, "T");
  ClickOn(Ui(bar).CmdGN[bar_button::kBookmark]);
  Act(bar).LoadQuestion();
  EXPECT_EQ(Ui(bar).LblBiao.Caption(), "XP 1单元1/3题(已完成)");
  EXPECT_TRUE(Ui(bar).CmdGN[bar_button::kClearBookmark].Visible());
}

struct PageCase {
  int16_t count;
  std::vector<int> next_presses;  // CmdSelNext presses (negative: CmdSelLast)
  int16_t page, last_page;
  const char* first_caption;
  int visible_numbers;
  bool paging;
  friend void PrintTo(const PageCase& c, std::ostream* os) {
    *os << c.count << " questions, " << c.next_presses.size() << " page presses";
  }
};

class NumberPage : public BarButtons, public ::testing::WithParamInterface<PageCase> {};

TEST_P(NumberPage, ShowsThePageOfNumbers) {
  const PageCase c = GetParam();
  desktop::editPlan().SetQuestionCount(c.count);
  auto& bar = Bar();
  Act(bar).CmdGN_Click(bar_button::kNumberPage);
  for (int press : c.next_presses) press > 0 ? ClickOn(Ui(bar).CmdSelNext) : ClickOn(Ui(bar).CmdSelLast);
  EXPECT_TRUE(Ui(bar).FrmSelect.Visible());
  EXPECT_EQ(Vars(bar).mCurPage, c.page);
  EXPECT_EQ(Vars(bar).mLastPage, c.last_page);
  EXPECT_EQ(Ui(bar).CmTNO[1].Caption(), c.first_caption);
  int visible = 0;
  for (int i = 1; i <= 40; ++i) visible += Ui(bar).CmTNO[i].Visible() ? 1 : 0;
  EXPECT_EQ(visible, c.visible_numbers);
  EXPECT_EQ(Ui(bar).CmdSelNext.Visible(), c.paging);
  EXPECT_EQ(Ui(bar).CmdSelLast.Visible(), c.paging);
}

INSTANTIATE_TEST_SUITE_P(Counts, NumberPage,
                         ::testing::Values(PageCase{3, {}, 0, 0, "1", 3, false},
                                           PageCase{40, {}, 0, 0, "1", 40, false},
                                           PageCase{41, {1}, 1, 1, "41", 1, true},
                                           PageCase{41, {1, 1}, 1, 1, "41", 1, true},
                                           PageCase{80, {1}, 1, 1, "41", 40, true},
                                           PageCase{80, {-1}, 0, 1, "1", 40, true}));

TEST_F(BarButtons, ANumberGoesToItsQuestionAndFacesShowTheStatus) {
  auto& bar = Bar();
  desktop::editPlan().SetQuestionCount(80);
  desktop::editPlan().SetStatus(41, 0);
  desktop::editPlan().SetStatus(42, 5);  // completed, opened: the opened face
  desktop::editPlan().SetStatus(43, 3);  // opened and bookmarked
  desktop::editPlan().SetStatus(44, 4);  // completed in an earlier run, never opened
  Act(bar).CmdGN_Click(bar_button::kNumberPage);
  ClickOn(Ui(bar).CmdSelNext);
  const char* faces[] = {"l01030", "l01031", "l01032", "l01030"};
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(forms::PictureId(Ui(bar).CmTNO[i].Picture()), faces[i - 1]) << i;
  ClickOn(Ui(bar).CmTNO[7]);
  EXPECT_EQ(desktop::cursor().question(), 47);
  EXPECT_FALSE(Ui(bar).FrmSelect.Visible());
  // Back keeps the question; the page reopens where it was.
  Act(bar).CmdGN_Click(bar_button::kNumberPage);
  EXPECT_EQ(Ui(bar).CmTNO[1].Caption(), "41");
  ClickOn(Ui(bar).CmdSelFH);
  EXPECT_FALSE(Ui(bar).FrmSelect.Visible());
  EXPECT_EQ(desktop::cursor().question(), 47);
}

TEST_F(BarButtons, TheDemonstrationComesUpOnTheSecondTick) {
  auto& bar = Bar();
  int shown = 0;
  desktop::DemonstrationRequest request;
  gSessionHooks.onDemonstrationAsked = [&](desktop::DemonstrationRequest r) {
    ++shown;
    request = std::move(r);
  };
  desktop::editCursor().GoToQuestion(2);
  Act(bar).LoadQuestion();
  ClickOn(Ui(bar).Image2);
  ASSERT_TRUE(session::FrmPicture::Get().Visible());
  Act(bar).CmdGN_Click(bar_button::kDemonstration);
  EXPECT_FALSE(session::FrmPicture::Get().Visible());
  EXPECT_EQ(Ui(bar).Image2.Caption(), "显示图片");
  EXPECT_TRUE(desktop::demonstration().running());
  EXPECT_EQ(Ui(bar).RtbTM.Text(), "See the picture|here");  // as stored, for the demonstration
  in_.Wait(100);
  forms::Pump();
  EXPECT_EQ(shown, 0);
  EXPECT_TRUE(bar.Visible());
  in_.Wait(100);
  forms::Pump();
  EXPECT_EQ(shown, 1);
  EXPECT_FALSE(bar.Visible());
  EXPECT_FALSE(Desk().Visible());
  EXPECT_FALSE(Ui(bar).TimStartYS.Enabled());
  EXPECT_EQ(Vars(bar).mDemoTicks, 0);
  // The request carries the question's text and brings the bar back at the run's end.
  EXPECT_EQ(request.question_text, "See the picture|here");
  ASSERT_TRUE(request.on_end);
  request.on_end();
  EXPECT_TRUE(bar.Visible());
  EXPECT_TRUE(Ui(bar).TimerREDO.Enabled());
}

}  // namespace
}  // namespace xpexam::session

namespace xpexam::session {
namespace {

class BarSetUp : public desktop::testing::DesktopTest {};

TEST_F(BarSetUp, LaysOutTheNumberPageForTheSessionAndResetsTheClockStrip) {
  struct Case { int16_t count; int16_t last_page; int visible_numbers; bool paging; };
  const Case cases[] = {{3, 0, 3, false}, {40, 0, 40, false}, {41, 1, 40, true}, {80, 1, 40, true}, {500, 12, 40, true}};
  for (const Case& c : cases) {
    desktop::editPlan().SetQuestionCount(c.count);
    desktop::editPlan().SetMinutesLeft(7);
    frame::editCandidate().SetName("张三");
    auto& bar = Bar();
    EXPECT_EQ(Vars(bar).mLastPage, c.last_page) << c.count;
    EXPECT_EQ(Vars(bar).mCurPage, 0);
    int visible = 0;
    for (int i = 1; i <= 40; ++i) visible += Ui(bar).CmTNO[i].Visible() ? 1 : 0;
    EXPECT_EQ(visible, c.visible_numbers) << c.count;
    EXPECT_EQ(Ui(bar).CmdSelNext.Visible(), c.paging);
    EXPECT_FALSE(Ui(bar).FrmSelect.Visible());
    EXPECT_FALSE(Ui(bar).FrmKSXX.Visible());
    EXPECT_EQ(desktop::plan().minutesLeft(), 50);
    EXPECT_EQ(Ui(bar).LblTime.Caption(), "剩余50分钟");
    EXPECT_EQ(Ui(bar).LblTimeJD.Width(), 0);
    EXPECT_EQ(Ui(bar).KsName1.Caption(), "张三");
    session::editSessionExit().AllowBarClose();
    bar.Unload();
  }
}

TEST_F(BarSetUp, At120DpiTheBarKeepsItsPixelSizeAndTheMiniBarItsDesign) {
  frame::editInstallation().SetScale(0.8, 0.8);
  auto& bar = Bar();
  EXPECT_DOUBLE_EQ(bar.Width(), 3984);
  EXPECT_DOUBLE_EQ(bar.Height(), 2904);
  EXPECT_DOUBLE_EQ(Ui(bar).FrmZXH.Width(), 810);
  EXPECT_DOUBLE_EQ(Ui(bar).Command2.Width(), 516);
  EXPECT_DOUBLE_EQ(Ui(bar).Command2.Left(), (810 - 516) / 2.0);
  EXPECT_DOUBLE_EQ(Ui(bar).Command2.Top(), 216);
  session::editSessionExit().AllowBarClose();
  bar.Unload();
  frame::editInstallation().SetScale(1, 1);
}

TEST_F(BarSetUp, TheExamButtonsPutTheBarAsideBeforeTheirWindowsTakeOver) {
  auto& bar = Bar();
  bar.Show();
  Ui(bar).Image2.SetCaption("隐藏图片");
  Act(bar).CmdGN_Click(bar_button::kSeeAnswer);
  EXPECT_EQ(Ui(bar).Image2.Caption(), "显示图片");
  Act(bar).CmdGN_Click(bar_button::kCandidate);
  EXPECT_TRUE(Ui(bar).FrmKSXX.Visible());
  Ui(bar).CmdKSFH.Click();
  EXPECT_FALSE(Ui(bar).FrmKSXX.Visible());
  Act(bar).CmdGN_Click(bar_button::kHandIn);
  EXPECT_FALSE(bar.Visible());
  EXPECT_EQ(bar.Left(), 0);
  EXPECT_EQ(bar.Top(), 0);
  Act(bar).CmdGN_Click(12);  // no such button
}

}  // namespace
}  // namespace xpexam::session
