#include "desktop/session_start.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/textfile.h"
#include "tests/support/shared_state.h"
#include "tests/support/temp_dir.h"

namespace xpexam::desktop {
namespace {

// A scratch installation with unit 3 (questions 1 and 2 of 2 and 3 records) in its data folder;
// every position of the plan holds what an earlier session left.
class SessionStartTest : public ::testing::Test {
 protected:
  SessionStartTest() {
    xpexam::testing::ResetSharedState();
    ResetPlan();
    ResetCursor();
    frame::editInstallation().SetAppPath(dir_.path());
    frame::editInstallation().SetDataPath(dir_.path() + "/data/");
    Write("data/288873.mxy", {"030102One", "030203Two"});
    Write("data/288823.mxy", {"a1", "a2", "b1", "b2", "b3"});
    for (long i = 1; i <= SessionPlan::kMaxQuestions; ++i) {
      editPlan().SetDoneMark(i, "old");
      editPlan().SetStatus(i, kStatusOpened);
    }
    editPlan().SetListIndex(7);
    editCursor().GoToQuestion(4);
    editCursor().GoToStep(3);
    editPlan().SetMinutesLeft(2);
    platform::SetFailureReporter([this](std::string_view tag, long, std::string_view description) {
      reports_ += std::string(tag) + " " + std::string(description) + "\n";
    });
  }
  ~SessionStartTest() override { platform::SetFailureReporter(nullptr); }

  void Write(const std::string& name, const std::vector<std::string>& lines) {
    dir_.Write(name, "");
    ASSERT_TRUE(platform::WriteTextLines(dir_ / name, lines));
  }
  std::string Data(const std::string& file) const { return frame::installation().dataPath() + file; }

  xpexam::testing::TempDir dir_;
  std::string reports_;
};

// The slot names the files; only the kinds with a paper or unit of their own keep it.
TEST_F(SessionStartTest, EveryKindOpensItsSlotWithItsRunMode) {
  struct Case {
    SessionKind kind;
    int16_t list;
    const char* step_file;
    const char* index_file;
    int16_t list_index;  // 7: the earlier session's
    RunMode mode;
  } cases[] = {
      {SessionKind::kFixedPaper, 3, "288803.mxy", "288853.mxy", 3, RunMode::kTimedExam},
      {SessionKind::kRandomPaper, 22, "288819.mxy", "288869.mxy", 22, RunMode::kTimedExam},
      {SessionKind::kPaperWrong, 5, "288819.mxy", "288869.mxy", 5, RunMode::kPractice},
      {SessionKind::kUnitDone, 3, "288819.mxy", "288869.mxy", 3, RunMode::kPractice},
      {SessionKind::kUnitNotDone, 3, "288819.mxy", "288869.mxy", 3, RunMode::kPractice},
      {SessionKind::kBookmarksAll, 0, "288819.mxy", "288869.mxy", 7, RunMode::kPractice},
      {SessionKind::kBookmarksReviewed, 0, "288819.mxy", "288869.mxy", 7, RunMode::kPractice},
      {SessionKind::kWrongNotReviewed, 0, "288819.mxy", "288869.mxy", 7, RunMode::kPractice},
      {SessionKind::kUnitAll, 3, "288823.mxy", "288873.mxy", 7, RunMode::kPractice},
  };
  for (const Case& c : cases) {
    editPlan().SetListIndex(7);
    SessionRequest request;
    request.kind = c.kind;
    request.list = c.list;
    request.codes = "03020301";
    request.tag = "start";
    if (c.kind == SessionKind::kUnitAll) {
      request.source = QuestionSource::kWholeUnit;
      request.questionCount = 2;
    }
    BeginSession(request);
    const SessionPlan& p = plan();
    EXPECT_EQ(p.stepFile(), Data(c.step_file)) << static_cast<int>(c.kind);
    EXPECT_EQ(p.indexFile(), Data(c.index_file)) << static_cast<int>(c.kind);
    EXPECT_EQ(p.listIndex(), c.list_index) << static_cast<int>(c.kind);
    EXPECT_EQ(p.runMode(), c.mode) << static_cast<int>(c.kind);
    EXPECT_EQ(p.questionCount(), 2) << static_cast<int>(c.kind);
    EXPECT_EQ(p.minutesLeft(), kExamMinutes);
    EXPECT_EQ(cursor().question(), 1);
    EXPECT_EQ(cursor().step(), 1);
  }
  EXPECT_EQ(reports_, "");
}

// Assembled, numbered from the unit or prepared, the questions' first lines follow their records.
TEST_F(SessionStartTest, CodesAndFirstLinesComeFromWhereTheQuestionsAre) {
  struct Case {
    QuestionSource source;
    SessionKind kind;
    const char* codes;
    std::vector<int16_t> want_codes;
    std::vector<int32_t> want_first_lines;  // questions 1 to 3
  } cases[] = {
      {QuestionSource::kAssembled, SessionKind::kWrongAll, "03020301", {302, 301}, {1, 4, 6}},
      {QuestionSource::kWholeUnit, SessionKind::kUnitAll, "", {301, 302}, {1, 3, 6}},
      {QuestionSource::kPrepared, SessionKind::kPaperWrong, "03020301", {302, 301}, {1, 4, 6}},
  };
  for (const Case& c : cases) {
    // A prepared session's files are its caller's: here those an assembly would write.
    Write("data/288869.mxy", {"030203Two", "030102One"});
    Write("data/288819.mxy", {"b1", "b2", "b3", "a1", "a2"});
    SessionRequest request;
    request.kind = c.kind;
    request.list = 3;
    request.source = c.source;
    request.codes = c.codes;
    if (c.source == QuestionSource::kWholeUnit) request.questionCount = 2;
    std::vector<std::string> seen;
    request.onIndexLine = [&](const IndexLine& line) { seen.push_back(line.Line()); };
    BeginSession(request);
    for (size_t i = 0; i < c.want_codes.size(); ++i)
      EXPECT_EQ(plan().question(static_cast<long>(i) + 1).code, c.want_codes[i]) << static_cast<int>(c.source);
    for (size_t i = 0; i < c.want_first_lines.size(); ++i)
      EXPECT_EQ(plan().question(static_cast<long>(i) + 1).firstLine, c.want_first_lines[i]) << static_cast<int>(c.source);
    // Only a prepared session hands its index lines on.
    EXPECT_EQ(seen.size(), c.source == QuestionSource::kPrepared ? 2u : 0u);
  }
}

// Marks come from the SessionRequest's characters and then its fill; a "T" starts completed, a
// bookmarked code gets its bit on top; positions past those marked keep the earlier session's.
TEST_F(SessionStartTest, MarksStatusesAndBookmarksFollowTheRequest) {
  Write("ksdata/288862.mxy", {"03010999"});
  struct Case {
    const char* marks;
    const char* past_end;
    long positions;  // 0: the question count (2)
    std::vector<std::string> want_marks;  // positions 1 to 3
    std::vector<int16_t> want_status;
  } cases[] = {
      {"", "F", 0, {"F", "F", "old"}, {0, 2, kStatusOpened}},
      {"", "T", 0, {"T", "T", "old"}, {4, 6, kStatusOpened}},
      {"TF", "", 3, {"T", "F", ""}, {4, 2, 0}},
      {"FT", "", 0, {"F", "T", "old"}, {0, 6, kStatusOpened}},
  };
  for (const Case& c : cases) {
    for (long i = 1; i <= 3; ++i) {
      editPlan().SetDoneMark(i, "old");
      editPlan().SetStatus(i, kStatusOpened);
    }
    SessionRequest request;
    request.kind = SessionKind::kBookmarksAll;
    request.codes = "03020301";
    request.marks = c.marks;
    request.marksPastEnd = c.past_end;
    if (c.positions) request.markedPositions = c.positions;
    BeginSession(request);
    for (long i = 1; i <= 3; ++i) {
      EXPECT_EQ(plan().question(i).doneMark, c.want_marks[static_cast<size_t>(i - 1)]) << c.marks << c.past_end << " " << i;
      EXPECT_EQ(plan().question(i).status, c.want_status[static_cast<size_t>(i - 1)]) << c.marks << c.past_end << " " << i;
    }
  }
}

// The hook runs with the questions marked and before their statuses, so whatever it opens
// starts unopened; a prepared session's failure is not caught.
TEST_F(SessionStartTest, TheHookRunsBeforeTheStatusesAndAPreparedFailureStopsTheStart) {
  Write("data/288869.mxy", {"030102One"});
  Write("data/288819.mxy", {"a1", "a2"});
  SessionRequest request;
  request.kind = SessionKind::kPaperWrong;
  request.list = 2;
  request.source = QuestionSource::kPrepared;
  request.codes = "0301";
  std::string mark_seen;
  request.beforeOpening = [&] {
    mark_seen = plan().question(1).doneMark;
    MarkOpened(1);
  };
  BeginSession(request);
  EXPECT_EQ(mark_seen, "F");
  EXPECT_EQ(plan().question(1).status, 0);
  EXPECT_EQ(plan().question(2).firstLine, 3);

  // Every position taken: the first line after the last question has no place.
  std::string codes;
  for (long i = 1; i <= SessionPlan::kMaxQuestions; ++i) codes += "0301";
  Write("data/288869.mxy", std::vector<std::string>(SessionPlan::kMaxQuestions, "030102One"));
  request.codes = codes;
  request.beforeOpening = nullptr;
  EXPECT_THROW(BeginSession(request), platform::Failure);
  EXPECT_EQ(reports_, "");
}

}  // namespace
}  // namespace xpexam::desktop
