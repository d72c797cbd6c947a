// Whole-unit practice started as the home screen starts it: the session state from the bank
// layout and the learner's records, the session files of the unit's own slot, and the bar and
// the desktop on screen with the first question.
#include "home/unit_practice.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "tests/desktop/desktop_fixture.h"

namespace xpexam::home {
namespace {

using desktop::testing::DesktopTest;
using desktop::testing::StepLine;

class UnitPracticeTest : public DesktopTest {
 protected:
  UnitPracticeTest() {
    // One paper, three units of 3, 2 and 50 questions.
    Write("data/288891.mxy", {"0103", "030250"});
    Write("ksdata/288893.mxy", {"TFT", "FFFTTT"});
    // Unit 1's own files: questions of 2 and 1 records.
    Write("data/288821.mxy", {StepLine({{8, "0001"}, {12, "100001"}}), StepLine({{8, "9999"}}), StepLine({{8, "9999"}})});
    Write("data/288871.mxy", {"010102First question", "010201Second question"});
    Picture("100001");
  }
};

struct ProgressCase {
  int unit;
  const char* line;
  friend void PrintTo(const ProgressCase& c, std::ostream* os) { *os << "unit " << c.unit; }
};

class UnitProgressTest : public UnitPracticeTest, public ::testing::WithParamInterface<ProgressCase> {};

TEST_P(UnitProgressTest, TheProgressLineAsTheHomeScreenNormalisesIt) {
  EXPECT_EQ(UnitProgressLine(GetParam().unit), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Units, UnitProgressTest,
                         ::testing::Values(ProgressCase{0, "TFT"}, ProgressCase{1, "FF"},
                                           // Lengthened to the unit's 50 questions at once.
                                           ProgressCase{2, "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"},
                                           ProgressCase{3, ""}));

TEST_F(UnitPracticeTest, WithoutRecordsEveryQuestionIsNotDone) {
  std::filesystem::remove(dir_ / "ksdata/288893.mxy");
  EXPECT_EQ(UnitProgressLine(0), "FFF");
}

TEST_F(UnitPracticeTest, StartsTheWholeUnitAndShowsItsFirstQuestion) {
  Write("ksdata/288893.mxy", {"TFT", "TF"});
  Write("ksdata/288862.mxy", {"01020003"});
  desktop::editPlan().SetKind(desktop::SessionKind::kBookmarksAll);
  desktop::editCursor().GoToQuestion(7);
  StartUnitPractice(1);
  EXPECT_EQ(desktop::plan().kind(), desktop::SessionKind::kUnitAll);
  EXPECT_EQ(desktop::plan().slotOffset(), 1);
  EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kPractice);
  EXPECT_EQ(desktop::plan().questionCount(), 2);
  EXPECT_EQ(desktop::plan().question(2).code, 102);
  EXPECT_EQ(desktop::plan().question(1).doneMark, "T");
  EXPECT_EQ(desktop::plan().question(1).status, desktop::kStatusOpened + desktop::kStatusCompleted);  // done, opened by the bar
  EXPECT_EQ(desktop::plan().question(2).status, 2);  // not done, bookmarked
  EXPECT_EQ(desktop::plan().question(2).firstLine, 3);
  EXPECT_EQ(desktop::plan().stepFile(), frame::installation().dataPath() + "288821.mxy");
  EXPECT_EQ(desktop::plan().indexFile(), frame::installation().dataPath() + "288871.mxy");
  EXPECT_EQ(desktop::plan().textFile(), frame::installation().dataPath() + "288890.mxy");
  EXPECT_EQ(desktop::cursor().question(), 1);
  EXPECT_TRUE(Bar().Visible());
  EXPECT_TRUE(Desk().Visible());

  in_.Wait(100);
  forms::Pump();
  EXPECT_EQ(Ui(Bar()).LblBiao.Caption(), "XP 2单元1/2题(已完成)");
  EXPECT_EQ(Ui(Bar()).LblUnit.Caption(), "未完成的题目 2");
  EXPECT_EQ(Ui(Bar()).RtbTM.Text(), "First question");
  EXPECT_EQ(desktop::plan().question(1).status, 5);
  in_.Wait(100);
  forms::Pump();
  EXPECT_EQ(desktop::FrmMain::Get().Step().Line(), StepLine({{8, "0001"}, {12, "100001"}}));
  // The bar sits docked at the desktop's lower right, above it.
  EXPECT_DOUBLE_EQ(Bar().Left() + Bar().Width(), Desk().Left() + Desk().Width());
  EXPECT_TRUE(Bar().TopMost());
}

TEST_F(UnitPracticeTest, WithoutItsIndexFileTheSessionStillStartsAtTheFirstLine) {
  std::filesystem::remove(dir_ / "data/288871.mxy");
  desktop::editPlan().SetFirstLine(1, 9);  // what an earlier session left
  StartUnitPractice(1);
  EXPECT_EQ(desktop::plan().question(1).firstLine, 1);
}

}  // namespace
}  // namespace xpexam::home
