// The step-code set-up, the completion of a question on its final record, the advance, the
// automatic step, and the loads that a check completes from inside.
#include <gtest/gtest.h>

#include "desktop/step_record.h"
#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "forms/pictures.h"
#include "tests/desktop/desktop_fixture.h"

namespace xpexam::desktop {
namespace {

using testing::DesktopTest;
using testing::StepLine;

class StepAdvanceTest : public DesktopTest {
 protected:
  // A click check of the target box as the pointer checks have it: a left release without
  // modifiers on a "0001" step.
  void InstallClickCheck() {
    Ui(Desk()).Label1.MouseUp = [this](int button, int shift, double, double) {
      if (button == forms::kLeftButton && shift == 0 && Vars(Desk()).mStepCode == 1) Act(Desk()).AdvanceStep();
    };
  }
  // Starts the cursor's question as the question bar does: the deferred load a tick later.
  void ShowQuestion() {
    Act(Bar()).LoadQuestion();
    in_.Wait(100);
    forms::Pump();
  }
};

TEST_F(StepAdvanceTest, AClickQuestionWalkedToItsFinalRecord) {
  for (const char* id : {"100001", "100002", "100003"}) Picture(id);
  Steps({StepLine({{8, "0001"}, {12, "100001"}, {18, "0030000300100002"}, {66, "01500015000120000600"}}),
         StepLine({{8, "0001"}, {12, "888888"}, {66, "04500030000090000450"}}),
         StepLine({{8, "9999"}, {12, "100003"}}),
         StepLine({{8, "0001"}, {12, "100001"}, {66, "01500015000120000600"}})});
  Questions({3, 1});
  desktop::editPlan().SetDoneMark(1, "F");
  Desk().Show();
  InstallClickCheck();
  ShowQuestion();
  auto& d = Desk();
  ASSERT_EQ(desktop::cursor().step(), 1);
  EXPECT_EQ(Ui(Bar()).LblBiao.Caption(), "XP 1单元1/2题(未完成)");
  EXPECT_EQ(Ui(Bar()).LblUnit.Caption(), "未完成的题目 1 2");

  // A click beside the box, a right click and a shifted click do nothing.
  in_.Click(PxX(3000), PxY(3000));
  in_.Wait(600);
  in_.Click(PxX(1600), PxY(1600), forms::kRightButton);
  in_.Wait(600);
  in_.Click(PxX(1600), PxY(1600), forms::kLeftButton, forms::kShiftMask);
  in_.Wait(600);
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), 1);

  in_.Click(PxX(1600), PxY(1600));
  in_.Wait(600);
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), 2);
  EXPECT_EQ(forms::PictureId(d.Picture()), "100001");
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Left(), 4500);
  EXPECT_FALSE(Ui(d).LblSuccess.Visible());

  in_.Click(PxX(4600), PxY(3100));
  in_.Wait(600);
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), 3);
  EXPECT_EQ(d.Step().StepCode(), "9999");
  EXPECT_EQ(forms::PictureId(d.Picture()), "100003");
  EXPECT_TRUE(Ui(d).LblSuccess.Visible());
  EXPECT_EQ(desktop::plan().question(1).status, 5);  // opened and completed
  EXPECT_EQ(Ui(Bar()).LblUnit.Caption(), "未完成的题目 2");
  EXPECT_EQ(Ui(Bar()).LblBiao.Caption(), "XP 1单元1/2题(已完成)");
  EXPECT_FALSE(Ui(d).Label1.Visible());

  // The final record confirmed or loaded again adds nothing more and stays where it is.
  Act(d).AdvanceStep();
  Load(3);
  EXPECT_EQ(desktop::cursor().step(), 3);
  EXPECT_EQ(desktop::plan().question(1).status, 5);
  EXPECT_EQ(desktop::plan().question(1).resumeStep, 3);
}

TEST_F(StepAdvanceTest, AQuestionShownAgainResumesAtItsStepWithItsPictures) {
  for (const char* id : {"100001", "100002", "200001"}) Picture(id);
  Steps({StepLine({{8, "0001"}, {12, "100001"}, {18, "0030000300100002"}}),
         StepLine({{8, "0001"}, {12, "888888"}, {18, "0060000600888888"}}),
         StepLine({{8, "9999"}}),
         StepLine({{8, "0001"}, {12, "200001"}}),
         StepLine({{8, "9999"}})});
  Questions({3, 2});
  auto& d = Desk();
  ShowQuestion();
  Act(d).AdvanceStep();
  ASSERT_EQ(desktop::plan().question(1).resumeStep, 2);

  desktop::editCursor().GoToQuestion(2);
  ShowQuestion();
  EXPECT_EQ(forms::PictureId(d.Picture()), "200001");
  EXPECT_EQ(Ui(d).Image1.Picture(), nullptr);  // step 1 starts without overlays

  desktop::editCursor().GoToQuestion(1);
  ShowQuestion();
  EXPECT_EQ(desktop::cursor().step(), 2);
  EXPECT_EQ(forms::PictureId(d.Picture()), "100001");
  EXPECT_EQ(forms::PictureId(Ui(d).Image1.Picture()), "100002");
  EXPECT_DOUBLE_EQ(Ui(d).Image1.Left(), 600);
  EXPECT_TRUE(Ui(d).Image1.Visible());
}

TEST_F(StepAdvanceTest, TheHintButtonShowsTheHintUntilTheNextQuestion) {
  Steps({StepLine({{8, "0001"}, {66, "01000010000100001000"}, {112, "0100001000"}}), StepLine({{8, "0001"}}),
         StepLine({{8, "0001"}})});
  Questions({2, 1});
  auto& d = Desk();
  ShowQuestion();
  ASSERT_FALSE(Ui(d).Shape1.Visible());
  Ui(Bar()).CmdGN[session::bar_button::kHints].Click();
  EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kPracticeWithHints);
  for (forms::Control* c : std::initializer_list<forms::Control*>{&Ui(d).LHelp, &Ui(d).Shape1, &Ui(d).Shape2, &Ui(d).Shape4})
    EXPECT_TRUE(c->Visible()) << c->Name();
  Act(d).AdvanceStep();
  EXPECT_TRUE(Ui(d).Shape1.Visible());
  desktop::editCursor().GoToQuestion(2);
  ShowQuestion();
  EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kPractice);
  EXPECT_FALSE(Ui(d).Shape1.Visible());
  EXPECT_FALSE(Ui(d).LHelp.Visible());
}

TEST_F(StepAdvanceTest, InAnExamTheFinalRecordCompletesSilently) {
  Steps({StepLine({{8, "9999"}})});
  Questions({1, 1, 1});
  desktop::editPlan().SetRunMode(desktop::RunMode::kTimedExam);
  desktop::editPlan().SetStatus(3, 6);  // bookmarked and completed earlier
  Ui(Bar()).LblBiao.SetCaption("XP 1套第1题(0101)");
  Load(1);
  EXPECT_FALSE(Ui(Desk()).LblSuccess.Visible());
  EXPECT_EQ(desktop::plan().question(1).status, desktop::kStatusOpened + desktop::kStatusCompleted);
  EXPECT_EQ(Ui(Bar()).LblUnit.Caption(), "未完成的题目 2");
  EXPECT_EQ(Ui(Bar()).LblBiao.Caption(), "XP 1套第1题(0101)");
}

TEST_F(StepAdvanceTest, WithEveryQuestionCompletedTheListIsItsPrefixAlone) {
  Steps({StepLine({{8, "9999"}})});
  Questions({1, 1});
  desktop::editPlan().SetStatus(2, 7);
  Load(1);
  EXPECT_EQ(Ui(Bar()).LblUnit.Caption(), "未完成的题目");
}

TEST_F(StepAdvanceTest, AutomaticStepsAdvanceOnePerSecond) {
  Steps({StepLine({{8, "8888"}}), StepLine({{8, "8888"}}), StepLine({{8, "0001"}}), StepLine({{8, "9999"}})});
  Questions({4});
  Load(1);
  EXPECT_TRUE(Ui(Desk()).Timer3.Enabled());
  in_.Wait(999);
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), 1);
  in_.Wait(1);
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), 2);
  in_.Wait(1000);
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), 3);
  EXPECT_FALSE(Ui(Desk()).Timer3.Enabled());
  in_.Wait(5000);
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), 3);
}

TEST_F(StepAdvanceTest, AnAutomaticStepBeforeTheFinalRecordCompletesTheQuestionByItself) {
  Steps({StepLine({{8, "8888"}}), StepLine({{8, "9999"}})});
  Load(1);
  in_.Wait(1000);
  forms::Pump();
  EXPECT_EQ(desktop::plan().question(1).status, desktop::kStatusOpened + desktop::kStatusCompleted);
  EXPECT_FALSE(Ui(Desk()).Timer3.Enabled());
}

struct UnreadableCase {
  const char* name;
  std::vector<int> counts;  // records per question; empty: not laid down
  int records;              // records written for question 1 (all "0001"), then one "9999"
  friend void PrintTo(const UnreadableCase& c, std::ostream* os) { *os << c.name; }
};

class UnreadableNextTest : public StepAdvanceTest, public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableNextTest, TheQuestionNeitherAdvancesNorCompletes) {
  const UnreadableCase c = GetParam();
  std::vector<std::string> lines(static_cast<size_t>(c.records), StepLine({{8, "0001"}}));
  if (!c.counts.empty()) lines.push_back(StepLine({{8, "9999"}}));
  Steps(lines);
  if (!c.counts.empty()) Questions(c.counts);
  Load(static_cast<int16_t>(c.records));
  const std::string line = Desk().Step().Line();
  Act(Desk()).AdvanceStep();
  EXPECT_EQ(desktop::cursor().step(), c.records);
  EXPECT_EQ(Desk().Step().Line(), line);
  EXPECT_EQ(desktop::plan().question(1).status, desktop::kStatusOpened);
}

INSTANTIATE_TEST_SUITE_P(Records, UnreadableNextTest,
                         ::testing::Values(
                             // The file ends before the question's final record.
                             UnreadableCase{"PastTheEndOfTheFile", {}, 2},
                             // The next record is the next question's final record.
                             UnreadableCase{"PastTheQuestionsOwnRecords", {2, 1}, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StepAdvanceTest, AMissingStepFileMakesTheAdvanceDoNothing) {
  Steps({StepLine({{8, "0001"}})});
  Load(1);
  std::filesystem::remove(desktop::plan().stepFile());
  Act(Desk()).AdvanceStep();
  EXPECT_EQ(desktop::cursor().step(), 1);
}

// The checks that run inside a load: the list's own, and the password check as the typing checks have it.
struct ReentrantCase {
  const char* name;
  std::string first;  // the record that completes inside its own load
  friend void PrintTo(const ReentrantCase& c, std::ostream* os) { *os << c.name; }
};

class ReentrantTest : public StepAdvanceTest, public ::testing::WithParamInterface<ReentrantCase> {};

TEST_P(ReentrantTest, ACompletionInsideTheLoadLeavesTheNextStepAsItsOwnLoadMadeIt) {
  Texts({"甲|乙|丙", "next step"});
  Steps({GetParam().first, StepLine({{8, "0001"}, {66, "01000010000100001000"}, {112, "0200002000"}, {122, "002"}}),
         StepLine({{8, "9999"}})});
  auto& d = Desk();
  Ui(d).Text2.Change = [&] {
    if (Ui(d).Text2.Text() == "abc") Act(d).AdvanceStep();
  };
  Ui(d).Text1.SetText("abc");
  Ui(d).Text1.SetVisible(true);
  Load(1);
  EXPECT_EQ(desktop::cursor().step(), 2);
  EXPECT_EQ(Vars(d).mStepCode, 1);
  EXPECT_EQ(Ui(d).LHelp.Caption(), "next step");
  // What the interrupted load would have done after the check stays undone.
  EXPECT_FALSE(Ui(d).Text2.Visible());
  EXPECT_FALSE(Ui(d).LstLA.Visible());
  EXPECT_EQ(Ui(d).LblXXK[0].Caption(), "");
  EXPECT_DOUBLE_EQ(Ui(d).Shape1.Width(), 1000);
  EXPECT_FALSE(Ui(d).LHelp.Visible());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ReentrantTest,
    ::testing::Values(ReentrantCase{"Password", StepLine({{8, "0021"}, {112, "0100001000"}, {122, "001"}})},
                      ReentrantCase{"List", StepLine({{8, "L001"}, {106, "001001"}, {112, "0100001000"}, {122, "001"}})},
                      ReentrantCase{"Location", StepLine({{8, "K202"}, {112, "0100001000"}, {122, "001"}})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StepAdvanceTest, AListStepShowsItsEntriesAndTheInitialOne) {
  Texts({"甲|乙|丙"});
  Steps({StepLine({{8, "L001"}, {106, "000002"}})});
  auto& d = Desk();
  Ui(d).Text1.Move(1000, 2000, 3000, 900);
  Ui(d).Text1.SetVisible(true);
  Load(1);
  EXPECT_TRUE(Ui(d).LstLA.Visible());
  EXPECT_FALSE(Ui(d).Text1.Visible());
  EXPECT_EQ(Ui(d).LstLA.Items(), (std::vector<std::string>{"甲", "乙", "丙"}));
  EXPECT_EQ(Ui(d).LstLA.ListIndex(), 0);
  EXPECT_EQ(Ui(d).LblXXK[0].Caption(), "甲");
  EXPECT_DOUBLE_EQ(Ui(d).LblXXK[0].Width(), 3000);
  EXPECT_DOUBLE_EQ(Ui(d).LstLA.Top(), 2000);
}

TEST_F(StepAdvanceTest, ALocationStepPlacesTheListAtTheAnswerBox) {
  Steps({StepLine({{8, "K305"}}), StepLine({{8, "0001"}})});
  auto& d = Desk();
  Ui(d).Text1.Move(1000, 2000, 3000, 900);
  Load(1);
  EXPECT_TRUE(Ui(d).PicList.Visible());
  EXPECT_DOUBLE_EQ(Ui(d).PicList.Left(), 1000);
  EXPECT_DOUBLE_EQ(Ui(d).PicList.Top(), 2000);
  Load(2);
  EXPECT_FALSE(Ui(d).PicList.Visible());
}

struct PromptCase {
  const char* code;
  const char* prompt;
  friend void PrintTo(const PromptCase& c, std::ostream* os) { *os << c.code; }
};

class TypingPromptTest : public StepAdvanceTest, public ::testing::WithParamInterface<PromptCase> {};

TEST_P(TypingPromptTest, TheHintLabelAsksForTheAnswer) {
  Texts({"报告|report"});
  const PromptCase c = GetParam();
  Steps({StepLine({{8, c.code}, {112, "0100001000"}, {122, "001"}})});
  Load(1);
  EXPECT_EQ(Ui(Desk()).LHelp.Caption(), c.prompt);
  EXPECT_EQ(Ui(Desk()).Text4.Visible(), std::string(c.code) == "0028");
}

INSTANTIATE_TEST_SUITE_P(
    Codes, TypingPromptTest,
    ::testing::Values(PromptCase{"0020", "输入 报告"}, PromptCase{"0021", "输入 报告"}, PromptCase{"0025", "输入 报告"},
                      PromptCase{"0027", "输入 报告"}, PromptCase{"0024", "输入 报告 并按回车键"},
                      PromptCase{"0023", "请选中 报告"}, PromptCase{"0026", "输入 报告 并点击红色方框处"},
                      PromptCase{"0028", "在单元格或编辑栏中输入 报告|report 并按回车键或点红色方框处"},
                      PromptCase{"0022", "报告|report"}, PromptCase{"0001", "报告|report"}));

TEST_F(StepAdvanceTest, AnEmptyHintPromptsWithItsTwoBlanks) {
  Steps({StepLine({{8, "0024"}, {112, "0100001000"}, {122, "000"}})});
  Load(1);
  EXPECT_EQ(Ui(Desk()).LHelp.Caption(), "输入    并按回车键");
}

TEST_F(StepAdvanceTest, TheEditBarOfACellStep) {
  Steps({StepLine({{8, "0028"}})});
  Load(1);
  auto& t4 = Ui(Desk()).Text4;
  EXPECT_TRUE(t4.Visible());
  EXPECT_DOUBLE_EQ(t4.Left(), 2835);
  EXPECT_DOUBLE_EQ(t4.Top(), 1560);
  EXPECT_DOUBLE_EQ(t4.Width(), 8865);
  EXPECT_DOUBLE_EQ(t4.Height(), 255);
  EXPECT_DOUBLE_EQ(t4.FontSize(), 11);
}

struct FrameCase {
  const char* name;
  const char* parameter;  // 125-134
  bool framed;
  friend void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.parameter; }
};

class MenuBarFrameTest : public StepAdvanceTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(MenuBarFrameTest, TheYellowFrameMarksOnlyAMenuTarget) {
  Steps({StepLine({{8, "7000"}, {125, GetParam().parameter}})});
  Load(1);
  auto& s = Ui(Desk()).Shape2;
  if (GetParam().framed) {
    EXPECT_DOUBLE_EQ(s.Left(), 0);
    EXPECT_DOUBLE_EQ(s.Top(), 405);
    EXPECT_DOUBLE_EQ(s.Width(), 9000);
    EXPECT_DOUBLE_EQ(s.Height(), 315);
  } else {
    EXPECT_DOUBLE_EQ(s.Left(), -2);
    EXPECT_DOUBLE_EQ(s.Top(), 1);
    EXPECT_DOUBLE_EQ(s.Width(), 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Parameters, MenuBarFrameTest,
                         ::testing::Values(FrameCase{"Target", "1070000000", true},
                                           FrameCase{"BarWithoutTarget", "1111100000", false},
                                           FrameCase{"Zero", "0000000000", false},
                                           FrameCase{"PopupPosition", "0015000300", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StepAdvanceTest, MenuAndHandleStepsShrinkTheirBoxesToTakeNoClick) {
  Steps({StepLine({{8, "7000"}, {66, "01000010000100001000"}}),
         StepLine({{8, "8002"}, {66, "01000010000100001000"}, {177, "01000010000100001000"}})});
  auto& d = Desk();
  Load(1);
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Width(), 1);
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Height(), 1);
  EXPECT_DOUBLE_EQ(Ui(d).Shape1.Left(), -2);
  Load(2);
  EXPECT_DOUBLE_EQ(Ui(d).Label1.Width(), 1);
  EXPECT_DOUBLE_EQ(Ui(d).Label4.Height(), 1);
  EXPECT_TRUE(Ui(d).Label4.ScreenRect().Empty());
}

}  // namespace
}  // namespace xpexam::desktop
