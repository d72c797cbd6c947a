// The score report: the score, the records of the handed-in paper, the question texts, and the
// redo of the paper's wrong questions in slot 19.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/strings.h"
#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "session/score_report.h"
#include "session/hooks.h"
#include "session/session_exit.h"
#include "tests/session/exam_fixture.h"
#include "tests/session/score_report_access.h"

namespace xpexam::session {
namespace {

using testing::ExamTest;

TEST(ScoreText, ShortestDecimalForm) {
  EXPECT_EQ(ScoreText(0), "0");
  EXPECT_EQ(ScoreText(1), "2.5");
  EXPECT_EQ(ScoreText(39), "97.5");
  EXPECT_EQ(ScoreText(40), "100");
}

// The codes of a paper: 01NN for question NN.
std::string PaperLine() {
  std::string line;
  for (int i = 1; i <= 40; ++i) line += "01" + platform::ZeroPad(i, 2);
  return line;
}

class ScoreReportTest : public ExamTest {
 protected:
  explicit ScoreReportTest(int width = 1024, int height = 768) : ExamTest(width, height) {
    desktop::editPlan().SetSlotOffset(2);
    desktop::editPlan().SetListIndex(2);
    Write("data/288891.mxy", {"layout", "1", "2", "3", PaperLine(), "6"});
    std::vector<std::string> index;
    for (int i = 1; i <= 40; ++i) index.push_back("010101Text " + std::to_string(i));
    index[6] = "010101picture300001Picture text";
    Write("data/288850.mxy", index);
    desktop::editPlan().SetIndexFile(frame::installation().dataPath() + "288850.mxy");
    for (long i = 1; i <= 40; ++i) {
      desktop::editPlan().SetCode(i, static_cast<int16_t>(100 + i));
      desktop::editPlan().SetStatus(i, 5);
    }
    Write("ksdata/288863.mxy", {"0107"});
    Write("ksdata/288873.mxy", {"T"});
    History("2025-12-01 10:00:00", "90");
  }
  // Record 2 of the paper history.
  void History(const std::string& time, const std::string& best) {
    std::vector<std::string> lines{"a", "0", "E", "b", "0", "E", time, best, "E"};
    Write("ksdata/288892.mxy", lines);
  }
  std::string File(const std::string& name) { return platform::ReadFileBytes(dir_ / name).value_or("<missing>"); }
  std::vector<std::string> Lines(const std::string& name) {
    return platform::ReadTextLines(dir_ / name).value_or(std::vector<std::string>{});
  }
};

TEST_F(ScoreReportTest, WrongQuestionsGoToThePaperAndTheWrongAnswerList) {
  desktop::editPlan().SetStatus(3, 1);  // opened, not completed
  desktop::editPlan().SetStatus(7, 2);  // bookmarked, already in the wrong-answer list
  desktop::editPlan().SetExamStartTime("2026-01-01 08:00:00");
  auto& report = FrmChengji::Get();
  EXPECT_EQ(Ui(report).Label1.Caption(), "第3套得分：95分");
  EXPECT_EQ(File("ksdata/182402.mxy"), "01030107\r\n");
  EXPECT_EQ(File("ksdata/288863.mxy"), "01070103\r\n");
  EXPECT_EQ(File("ksdata/288873.mxy"), "TF\r\n");
  EXPECT_EQ(File("ksdata/288862.mxy"), "0107\r\n");
  EXPECT_EQ(File("ksdata/288872.mxy"), "F\r\n");
  const auto history = Lines("ksdata/288892.mxy");
  ASSERT_EQ(history.size(), 91u);
  EXPECT_EQ(history[6], "2026-01-01 08:00:00");
  EXPECT_EQ(history[7], "95");
  EXPECT_EQ(history[8], "E");
  EXPECT_EQ(history[90], "");
  EXPECT_EQ(desktop::plan().examStartTime(), "-1");
  EXPECT_TRUE(Ui(report).Frame1.Visible());
  EXPECT_EQ(Ui(report).CmTNO[40].Caption(), "40");

  Ui(report).CmTNO[3].Click();
  EXPECT_EQ(Ui(report).LblTiMuYQ.Caption(), "第3题： Text 3");
  Ui(report).CmTNO[7].Click();
  EXPECT_EQ(Ui(report).LblTiMuYQ.Caption(), "第7题： Picture text");
}

struct HistoryCase {
  const char* start;
  const char* old_best;
  int completed;
  const char* time;
  const char* best;
  const char* label;
  friend void PrintTo(const HistoryCase& c, std::ostream* os) { *os << c.start << ", best " << c.old_best << ", " << c.completed << " done"; }
};

class HistoryTest : public ScoreReportTest, public ::testing::WithParamInterface<HistoryCase> {};

TEST_P(HistoryTest, TheTimeAndTheBestScore) {
  const HistoryCase c = GetParam();
  History("2025-12-01 10:00:00", c.old_best);
  for (long i = c.completed + 1; i <= 40; ++i) desktop::editPlan().SetStatus(i, 1);
  desktop::editPlan().SetExamStartTime(c.start);
  EXPECT_EQ(Ui(FrmChengji::Get()).Label1.Caption(), c.label);
  const auto history = Lines("ksdata/288892.mxy");
  ASSERT_EQ(history.size(), 91u);
  EXPECT_EQ(history[6], c.time);
  EXPECT_EQ(history[7], c.best);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryTest,
    ::testing::Values(HistoryCase{"2026-01-01 08:00:00", "95", 38, "2026-01-01 08:00:00", "95", "第3套得分：95分"},
                      HistoryCase{"2026-01-01 08:00:00", "97.5", 38, "2026-01-01 08:00:00", "97.5", "第3套得分：95分"},
                      // The answer was shown during the exam: the hand-in time, the best kept.
                      HistoryCase{"-1", "90", 40, "2026-01-01 09:00:00", "90", "第3套得分：100分"},
                      HistoryCase{"2026-01-01 08:00:00", "0", 0, "2026-01-01 08:00:00", "0", "第3套得分：0分"},
                      HistoryCase{"2026-01-01 08:00:00", "7", 39, "2026-01-01 08:00:00", "97.5", "第3套得分：97.5分"}));

TEST_F(ScoreReportTest, AllCompletedLeavesTheListsAndEmptiesThePaperFile) {
  FrmChengji::Get();
  EXPECT_EQ(File("ksdata/182402.mxy"), "\r\n");
  EXPECT_EQ(File("ksdata/288863.mxy"), "0107\r\n");
  EXPECT_EQ(File("ksdata/288873.mxy"), "T\r\n");
}

TEST_F(ScoreReportTest, ARandomPaperComesFromTheRandomListAndItsOwnRecord) {
  desktop::editPlan().SetKind(desktop::SessionKind::kRandomPaper);
  desktop::editPlan().SetSlotOffset(11);
  desktop::editPlan().SetListIndex(22);
  Write("ksdata/288891.mxy", {"x", "y", "0301" + PaperLine().substr(4)});
  desktop::editPlan().SetStatus(1, 0);
  desktop::editPlan().SetExamStartTime("2026-01-01 08:00:00");
  EXPECT_EQ(Ui(FrmChengji::Get()).Label1.Caption(), "随机题得分：97.5分");
  EXPECT_EQ(File("ksdata/182422.mxy"), "0301\r\n");
  const auto history = Lines("ksdata/288892.mxy");
  ASSERT_EQ(history.size(), 91u);
  EXPECT_EQ(history[66], "2026-01-01 08:00:00");
  EXPECT_EQ(history[67], "97.5");
  EXPECT_EQ(history[6], "2025-12-01 10:00:00");
}

TEST_F(ScoreReportTest, BackOpensTheHomeScreenOnThePapersTab) {
  std::vector<desktop::HomePanel> ended;
  gSessionHooks.onSessionEnded = [&](desktop::HomePanel panel) { ended.push_back(panel); };
  Ui(FrmChengji::Get()).Command2.Click();
  EXPECT_FALSE(FrmChengji::IsLoaded());
  EXPECT_EQ(session::sessionExit().returnPanel(), desktop::HomePanel::kPapers);
  EXPECT_EQ(ended, std::vector<desktop::HomePanel>{desktop::HomePanel::kPapers});
}

TEST_F(ScoreReportTest, ReviewReopensThePaperInPractice) {
  desktop::editPlan().SetStatus(4, 3);
  Ui(FrmChengji::Get()).Command1.Click();
  EXPECT_FALSE(FrmChengji::IsLoaded());
  EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kPractice);
  EXPECT_FALSE(session::sessionExit().barMayClose());
  EXPECT_EQ(desktop::plan().question(40).doneMark, "F");
  EXPECT_EQ(desktop::plan().question(4).status, 3);
  EXPECT_EQ(desktop::plan().kind(), desktop::SessionKind::kFixedPaper);
  EXPECT_TRUE(Bar().Visible());
  EXPECT_TRUE(Desk().Visible());
  EXPECT_FALSE(Ui(Bar()).TimeKS.Enabled());
  EXPECT_TRUE(Ui(Bar()).TimerREDO.Enabled());
  EXPECT_DOUBLE_EQ(Bar().Left() + Bar().Width(), Desk().Left() + Desk().Width());
}

class RedoTest : public ScoreReportTest {
 protected:
  RedoTest() {
    Write("data/288873.mxy", {"030101a", "030201b", "030301c", "030401d", "030504Five"});
    Write("data/288823.mxy", {"u3r1", "u3r2", "u3r3", "u3r4", "u3r5", "u3r6", "u3r7", "u3r8", "u3r9"});
    Write("data/288871.mxy", {"010102One", "010206Two"});
    Write("data/288821.mxy", {"u1r1", "u1r2", "u1r3", "u1r4", "u1r5", "u1r6", "u1r7", "u1r8"});
  }
};

TEST_F(RedoTest, TheWrongQuestionsAreAssembledIntoSlot19) {
  Write("ksdata/288862.mxy", {"0101"});
  auto& report = FrmChengji::Get();
  // The report has written the paper's file with no wrong answers.
  Write("ksdata/182402.mxy", {"030501010102"});
  Ui(report).Command3.Click();
  EXPECT_EQ(desktop::plan().questionCount(), 3);
  EXPECT_EQ(desktop::plan().question(1).code, 305);
  EXPECT_EQ(Lines("data/288869.mxy"), (std::vector<std::string>{"030504Five", "010102One", "010206Two"}));
  EXPECT_EQ(Lines("data/288819.mxy"), (std::vector<std::string>{"u3r5", "u3r6", "u3r7", "u3r8", "u1r1", "u1r2", "u1r3",
                                                                "u1r4", "u1r5", "u1r6", "u1r7", "u1r8"}));
  EXPECT_EQ(desktop::plan().question(2).firstLine, 5);
  EXPECT_EQ(desktop::plan().question(3).firstLine, 7);
  EXPECT_EQ(desktop::plan().question(4).firstLine, 13);
  EXPECT_EQ(desktop::plan().kind(), desktop::SessionKind::kPaperWrong);
  EXPECT_EQ(desktop::plan().slotOffset(), 17);
  EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kPractice);
  EXPECT_EQ(desktop::plan().stepFile(), frame::installation().dataPath() + "288819.mxy");
  EXPECT_EQ(desktop::plan().indexFile(), frame::installation().dataPath() + "288869.mxy");
  EXPECT_EQ(desktop::plan().question(1).status, 0);
  EXPECT_EQ(desktop::plan().question(2).status, 2);
  EXPECT_EQ(desktop::plan().question(3).status, 0);
  EXPECT_EQ(desktop::plan().question(3).doneMark, "F");
  EXPECT_FALSE(FrmChengji::IsLoaded());
  EXPECT_TRUE(Bar().Visible());
  EXPECT_FALSE(Ui(Bar()).TimeKS.Enabled());
  EXPECT_TRUE(Ui(Bar()).CmTNO[3].Visible());
  EXPECT_FALSE(Ui(Bar()).CmTNO[4].Visible());
}

TEST_F(RedoTest, FilesThatCannotBeWrittenLeaveThePapersSessionForItsReview) {
  auto& report = FrmChengji::Get();
  const int16_t count = desktop::plan().questionCount();
  const int16_t first = desktop::plan().question(1).code;
  const int16_t offset = desktop::plan().slotOffset();
  Write("ksdata/182402.mxy", {"0301"});
  std::filesystem::create_directories(dir_ / "data/288869.mxy");  // the index file cannot be written
  EXPECT_THROW(Ui(report).Command3.Click(), platform::Failure);  // reported by the runtime
  EXPECT_EQ(desktop::plan().questionCount(), count);
  EXPECT_EQ(desktop::plan().question(1).code, first);
  EXPECT_EQ(desktop::plan().slotOffset(), offset);
  EXPECT_TRUE(FrmChengji::IsLoaded());
}

TEST_F(RedoTest, NoWrongQuestionsLeaveBothFilesEmpty) {
  auto& report = FrmChengji::Get();
  Ui(report).Command3.Click();
  EXPECT_EQ(desktop::plan().questionCount(), 0);
  EXPECT_EQ(File("data/288819.mxy"), "");
  EXPECT_EQ(File("data/288869.mxy"), "");
  for (int i = 1; i <= 40; ++i) EXPECT_FALSE(Ui(Bar()).CmTNO[i].Visible()) << i;
}

// The panel is centred once shown; on a screen smaller than the panel its header stays in sight.
class ScoreReportLayoutTest : public ScoreReportTest, public ::testing::WithParamInterface<std::pair<int, int>> {
 protected:
  ScoreReportLayoutTest() : ScoreReportTest(GetParam().first, GetParam().second) {}
};

TEST_P(ScoreReportLayoutTest, ThePanelIsCentredButNeverAboveTheWindowsTop) {
  auto& report = FrmChengji::Get();
  report.Show();
  in_.Wait(300);
  forms::Pump();
  const forms::Rect client = report.ClientScreenRect();
  const forms::Rect panel = Ui(report).Picture1.ScreenRect();
  EXPECT_GE(panel.y, client.y) << "the header slips under the title bar";
  EXPECT_GE(panel.x, client.x);
  const int spare_w = client.w - panel.w, spare_h = client.h - panel.h;
  if (spare_w > 0) {
    EXPECT_NEAR(panel.x - client.x, spare_w / 2, 1);
  }
  if (spare_h > 0) {
    EXPECT_NEAR(panel.y - client.y, spare_h / 2, 1);
  }
  // The score and the grid of questions stay inside the window.
  const forms::Rect grid = Ui(report).Frame1.ScreenRect();
  EXPECT_LE(grid.y + grid.h, client.y + client.h);
  EXPECT_LE(Ui(report).Label1.ScreenRect().y + Ui(report).Label1.ScreenRect().h, client.y + client.h);
}

INSTANTIATE_TEST_SUITE_P(Screens, ScoreReportLayoutTest,
                         ::testing::Values(std::pair{800, 600}, std::pair{1024, 768}),
                         [](const auto& info) { return "At" + std::to_string(info.param.first) + "x" + std::to_string(info.param.second); });

}  // namespace
}  // namespace xpexam::session
