// A mock exam from the sign-in to the hand-in: the sign-in page, the clock, the two
// confirmations and the answer prompt.
#include <gtest/gtest.h>

#include "desktop/demonstration_state.h"
#include "forms/backend.h"
#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "forms/clipboard.h"
#include "frame/candidate.h"
#include "home/home_screen.h"
#include "session/score_report.h"
#include "session/answer_prompt.h"
#include "session/hand_in.h"
#include "session/session_exit.h"
#include "session/sign_in.h"
#include "tests/home/home_access.h"
#include "tests/session/answer_prompt_access.h"
#include "tests/session/exam_fixture.h"
#include "tests/session/hand_in_access.h"
#include "tests/session/sign_in_access.h"

namespace xpexam::session {
namespace {

using testing::ExamTest;

TEST(SignInNumbers, SeatAndIdAreCompletedFromTheLeft) {
  EXPECT_EQ(SeatNumber("7"), "07");
  EXPECT_EQ(SeatNumber("123"), "23");
  EXPECT_EQ(SeatNumber("05"), "05");
  EXPECT_EQ(SeatNumber(" "), "00");
  EXPECT_EQ(IdCardNumber("1234"), "01198001011234" "1234");
  EXPECT_EQ(IdCardNumber("32010219991231567x"), "32010219991231567x");
  EXPECT_EQ(IdCardNumber(""), kSampleIdCard);
}

class SignInTest : public ExamTest {
 protected:
  FrmLogon& Logon() {
    auto& logon = FrmLogon::Get();
    logon.Show();
    in_.Wait(100);
    forms::Pump();
    return logon;
  }
};

TEST_F(SignInTest, TheIdBoxTakesDigitsAndACheckLetterLast) {
  auto& box = Ui(Logon()).TxtSFZ;
  box.SetText("1234");
  box.SetFocus();
  box.SetSelStart(4);
  in_.Type("Xa5");
  in_.Key('X', forms::kShiftMask);
  forms::Pump();
  EXPECT_EQ(box.Text(), "12345");
  box.SetText("12345678901234567");
  box.SetSelStart(17);
  in_.Type("x");
  forms::Pump();
  EXPECT_EQ(box.Text(), "12345678901234567x");
  // The clipboard shortcut is a control character that the box refuses too.
  forms::Clipboard::SetText("ABC");
  box.SetText("123");
  box.SetSelStart(3);
  in_.Key('V', forms::kCtrlMask);
  forms::Pump();
  EXPECT_EQ(box.Text(), "123");
}

TEST_F(SignInTest, SigningInShowsTheCandidateThenOpensTheExamAtQuestionOne) {
  frame::editCandidate().SetName("张三");
  desktop::editCursor().GoToQuestion(7);
  session::editSessionExit().AllowBarClose();
  auto& logon = Logon();
  EXPECT_TRUE(Ui(logon).Picture1.Visible());
  EXPECT_FALSE(Ui(logon).Picture2.Visible());
  EXPECT_EQ(desktop::plan().indexFile(), frame::installation().dataPath() + "288850.mxy");
  Ui(logon).TxtZwh.SetText("7");
  Ui(logon).TxtSFZ.SetText("1234");
  Ui(logon).CmdLog.Click();
  EXPECT_FALSE(session::sessionExit().barMayClose());
  const frame::Candidate& candidate = frame::candidate();
  EXPECT_EQ(candidate.seatNo(), "07");
  EXPECT_EQ(candidate.sittingNo(), "18");
  EXPECT_EQ(candidate.idCardNo(), "011980010112341234");
  EXPECT_EQ(candidate.archiveNo(), "888888");
  EXPECT_EQ(Ui(logon).LblName.Caption(), "张三");
  EXPECT_EQ(Ui(logon).LblKm.Caption(), "XP模块");
  EXPECT_EQ(Ui(logon).LblDah.Caption(), "888888");
  EXPECT_EQ(Ui(logon).LblCC.Caption(), "18");
  EXPECT_EQ(Ui(logon).LblDate.Caption(), "2026年01月01日");
  EXPECT_FALSE(Ui(logon).Picture1.Visible());
  EXPECT_TRUE(Ui(logon).Picture2.Visible());

  // At scale 1 the strip is passed on the 7th tick.
  in_.Wait(600);
  forms::Pump();
  EXPECT_TRUE(FrmLogon::IsLoaded());
  EXPECT_EQ(desktop::plan().examStartTime(), "-1");
  in_.Wait(100);
  forms::Pump();
  EXPECT_FALSE(FrmLogon::IsLoaded());
  EXPECT_EQ(desktop::plan().examStartTime(), "2026-01-01 09:00:00");
  EXPECT_EQ(desktop::cursor().question(), 1);
  EXPECT_TRUE(Bar().Visible());
  EXPECT_TRUE(Desk().Visible());
  EXPECT_TRUE(Ui(Bar()).TimerREDO.Enabled());
}

TEST_F(SignInTest, ExitAnsweredNoKeepsThePage) {
  frame::editInstallation().SetSetting(0, "XP");
  auto& logon = Logon();
  Ui(logon).TxtZwh.SetText("12");
  AnswerBox("Button2");
  Ui(logon).CmdExit.Click();
  EXPECT_EQ(box_prompt_, "确实要退出考试系统吗？");
  EXPECT_EQ(box_title_, "XPQuellix");
  ASSERT_TRUE(FrmLogon::IsLoaded());
  EXPECT_EQ(Ui(logon).TxtZwh.Text(), "12");
  EXPECT_TRUE(Ui(logon).Picture1.Visible());
}

TEST_F(SignInTest, ExitAnsweredYesGoesBackToTheHomeWindow) {
  // The panel the last practice returned to is not opened again for a sign-in left.
  editSessionExit().SetReturnPanel(desktop::HomePanel::kUnits);
  auto& logon = Logon();
  AnswerBox("Button1");
  Ui(logon).CmdExit.Click();
  EXPECT_FALSE(FrmLogon::IsLoaded());
  ASSERT_TRUE(home::FrmFengmian::IsLoaded());
  EXPECT_TRUE(home::FrmFengmian::Get().Visible());
  EXPECT_FALSE(Ui(home::FrmFengmian::Get()).TimFH.Enabled());
  EXPECT_FALSE(FrmTm::IsLoaded());
  EXPECT_EQ(desktop::plan().examStartTime(), "-1");
}

class ClockTest : public ExamTest {
 protected:
  ClockTest() {
    Desk().Show();
    Bar().Show();
    for (long i = 1; i <= 40; ++i) desktop::editPlan().SetStatus(i, 5);
  }
  void Minutes(int n) {
    in_.Wait(60000LL * n);
    forms::Pump();
  }
};

TEST_F(ClockTest, ThePracticeClockStopsAtItsFirstTick) {
  desktop::editPlan().SetKind(desktop::SessionKind::kUnitAll);
  Ui(Bar()).LblTime.SetCaption("");
  Minutes(1);
  EXPECT_FALSE(Ui(Bar()).TimeKS.Enabled());
  EXPECT_EQ(Ui(Bar()).LblTime.Caption(), "");
  EXPECT_EQ(desktop::plan().minutesLeft(), 50);
}

TEST_F(ClockTest, TheStripShowsTheCountBeforeTheTick) {
  desktop::editPlan().SetKind(desktop::SessionKind::kRandomPaper);
  Minutes(3);
  EXPECT_EQ(Ui(Bar()).LblTime.Caption(), "剩余48分钟");
  EXPECT_DOUBLE_EQ(Ui(Bar()).LblTimeJD.Width(), 2 * Ui(Bar()).PTime.Width() / 50);
  EXPECT_EQ(desktop::plan().minutesLeft(), 47);
}

TEST_F(ClockTest, TimeOutAsksForTheHandInAndBackRunsOnWithoutTheClock) {
  desktop::editPlan().SetMinutesLeft(2);
  in_.Wait(120000);
  AnswerBox("Button1");
  in_.Call([] {
    ASSERT_TRUE(FrmEnd1::IsLoaded());
    EXPECT_TRUE(FrmEnd1::Get().Visible());
    EXPECT_TRUE(FrmTm::Get().Visible());
    Ui(FrmEnd1::Get()).Command2.Click();
  });
  forms::Pump();
  EXPECT_EQ(box_prompt_, "时间已到，自动交卷！");
  EXPECT_EQ(box_title_, "XP模块");
  EXPECT_FALSE(FrmEnd1::IsLoaded());
  EXPECT_FALSE(Ui(Bar()).TimeKS.Enabled());
  EXPECT_EQ(Ui(Bar()).LblTime.Caption(), "剩余1分钟");
  EXPECT_DOUBLE_EQ(Ui(Bar()).LblTimeJD.Width(), 49 * Ui(Bar()).PTime.Width() / 50);
  Minutes(5);
  EXPECT_EQ(desktop::plan().minutesLeft(), 0);
  EXPECT_TRUE(Bar().Visible());
}

TEST_F(ClockTest, BackFromEitherConfirmationDocksTheBarAgain) {
  for (int second : {0, 1}) {
    in_.Call([second] {
      EXPECT_FALSE(FrmTm::Get().Visible());
      EXPECT_DOUBLE_EQ(FrmTm::Get().Left(), 0);
      if (second) Ui(FrmEnd1::Get()).Command1.Click();
    });
    in_.Call([second] {
      if (second) {
        EXPECT_FALSE(FrmEnd1::IsLoaded());
        Ui(FrmEnd2::Get()).Command2.Click();
      } else {
        Ui(FrmEnd1::Get()).Command2.Click();
      }
    });
    Ui(Bar()).CmdGN[bar_button::kHandIn].Click();
    forms::Pump();
    EXPECT_TRUE(Bar().Visible()) << second;
    EXPECT_DOUBLE_EQ(Bar().Left() + Bar().Width(), Desk().Left() + Desk().Width());
    EXPECT_DOUBLE_EQ(Bar().Top() + Bar().Height(), Desk().Top() + Desk().Height());
    EXPECT_TRUE(Ui(Bar()).TimeKS.Enabled());
  }
}

TEST_F(ClockTest, TheFirstConfirmationWarnsOfOpenOrBookmarkedQuestions) {
  struct Case {
    int16_t status;
    bool warns;
  } cases[] = {{1, false}, {5, false}, {0, true}, {2, true}, {3, true}, {7, true}, {4, true}, {6, true}};
  for (const Case& c : cases) {
    for (long i = 1; i <= 40; ++i) desktop::editPlan().SetStatus(i, 1);
    desktop::editPlan().SetStatus(40, c.status);
    auto& end1 = FrmEnd1::Get();
    EXPECT_EQ(Ui(end1).Label1.Caption(), c.warns ? "您还有题目未做或仍处于标识状态！\r\n\r\n您是否确定交卷?" : "\r\n您是否确定交卷?")
        << c.status;
    end1.Unload();
  }
}

TEST_F(ClockTest, AtAnyScaleTheConfirmationsHoldTheirPromptFrame) {
  auto check = [](auto& window, double scale) {
    EXPECT_LE(Ui(window).Frame1.Left() + Ui(window).Frame1.Width(), window.ScaleWidth()) << scale;
    EXPECT_LE(Ui(window).Frame1.Top() + Ui(window).Frame1.Height(), Ui(window).Command1.Top()) << scale;
    EXPECT_DOUBLE_EQ(Ui(window).Command1.Width(), 1320 * scale);
    EXPECT_DOUBLE_EQ(Ui(window).Command2.Left(), 2400);
    window.Unload();
  };
  for (double scale : {1.0, 0.8}) {
    frame::editInstallation().SetScale(scale, scale);
    check(FrmEnd1::Get(), scale);
    check(FrmEnd2::Get(), scale);
  }
  frame::editInstallation().SetScale(1, 1);
}

TEST_F(ClockTest, TheFinalHandInClosesTheExamAndOpensTheReport) {
  desktop::editPlan().SetMinutesLeft(30);
  in_.Call([] { Ui(FrmEnd1::Get()).Command1.Click(); });
  in_.Call([] {
    EXPECT_EQ(Ui(FrmEnd2::Get()).Label1.Caption(), "按“交卷”后您将退出本场考试，并且不能重新登录!\r\n\r\n是否确定交卷?");
    Ui(FrmEnd2::Get()).Command1.Click();
  });
  Ui(Bar()).CmdGN[bar_button::kHandIn].Click();
  forms::Pump();
  EXPECT_EQ(desktop::plan().minutesLeft(), 50);
  EXPECT_TRUE(session::sessionExit().barMayClose());
  EXPECT_FALSE(FrmTm::IsLoaded());
  EXPECT_FALSE(desktop::FrmMain::IsLoaded());
  EXPECT_FALSE(FrmEnd2::IsLoaded());
  ASSERT_TRUE(FrmChengji::IsLoaded());
  EXPECT_TRUE(FrmChengji::Get().Visible());
}

TEST_F(ClockTest, TimeOutInTheAnswerPromptHandsInOnce) {
  desktop::editPlan().SetMinutesLeft(1);
  in_.Call([this] {
    in_.Wait(60000);
    AnswerBox("Button1");
    in_.Call([] {
      EXPECT_FALSE(FrmCZTS::IsLoaded());
      Ui(FrmEnd1::Get()).Command1.Click();
    });
    in_.Call([] { Ui(FrmEnd2::Get()).Command1.Click(); });
  });
  Ui(Bar()).CmdGN[bar_button::kSeeAnswer].Click();
  forms::Pump();
  EXPECT_FALSE(FrmTm::IsLoaded());
  EXPECT_TRUE(FrmChengji::IsLoaded());
}

TEST_F(ClockTest, TimeOutDuringTheFirstConfirmationOnlySaysSo) {
  desktop::editPlan().SetMinutesLeft(1);
  in_.Call([this] {
    in_.Wait(60000);
    AnswerBox("Button1");
    in_.Call([] {
      EXPECT_FALSE(Ui(FrmTm::Get()).TimeKS.Enabled());
      Ui(FrmEnd1::Get()).Command2.Click();
    });
  });
  Ui(Bar()).CmdGN[bar_button::kHandIn].Click();
  forms::Pump();
  EXPECT_EQ(box_prompt_, "时间已到，自动交卷！");
  EXPECT_FALSE(FrmEnd1::IsLoaded());
  EXPECT_TRUE(Bar().Visible());
}

class AnswerPromptTest : public ClockTest {};

TEST_F(AnswerPromptTest, NoKeepsThePromptAndBackLeavesTheExam) {
  desktop::editPlan().SetExamStartTime("2026-01-01 08:00:00");
  in_.Call([this] {
    AnswerBox("Button2");
    in_.Call([] {
      EXPECT_TRUE(FrmCZTS::IsLoaded());
      Ui(FrmCZTS::Get()).Label2.Click();
    });
    Ui(FrmCZTS::Get()).Command2.Click();
  });
  Ui(Bar()).CmdGN[bar_button::kSeeAnswer].Click();
  forms::Pump();
  EXPECT_EQ(box_title_, "不建议您立即看答案");
  EXPECT_FALSE(FrmCZTS::IsLoaded());
  EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kTimedExam);
  EXPECT_EQ(desktop::plan().examStartTime(), "2026-01-01 08:00:00");
}

TEST_F(AnswerPromptTest, YesTurnsTheExamIntoPractice) {
  desktop::editPlan().SetExamStartTime("2026-01-01 08:00:00");
  session::editSessionExit().AllowBarClose();
  Ui(Bar()).Image2.SetCaption("隐藏图片");
  in_.Call([this] {
    AnswerBox("Button1");
    Ui(FrmCZTS::Get()).Command2.Click();
  });
  Ui(Bar()).CmdGN[bar_button::kSeeAnswer].Click();
  forms::Pump();
  EXPECT_FALSE(FrmCZTS::IsLoaded());
  EXPECT_EQ(Ui(Bar()).Image2.Caption(), "显示图片");
  EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kPractice);
  EXPECT_EQ(desktop::plan().examStartTime(), "-1");
  EXPECT_FALSE(session::sessionExit().barMayClose());
  EXPECT_TRUE(desktop::demonstration().running());
  EXPECT_TRUE(Ui(Bar()).TimStartYS.Enabled());
  desktop::editDemonstration().MarkStopped();
  using bar_button::kExamRow, bar_button::kPracticeRow;
  for (int i = kPracticeRow.first; i <= kPracticeRow.last; ++i) EXPECT_TRUE(Ui(Bar()).CmdGN[i].Visible()) << i;
  for (int i = kExamRow.first; i <= kExamRow.last; ++i) EXPECT_FALSE(Ui(Bar()).CmdGN[i].Visible()) << i;
  EXPECT_TRUE(Ui(Bar()).TimeKS.Enabled());
}

}  // namespace
}  // namespace xpexam::session
