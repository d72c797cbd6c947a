#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"

#include <gtest/gtest.h>

#include "frame/installation.h"
#include "platform/failure.h"

namespace xpexam::desktop {
namespace {

TEST(SessionPlan, SessionSlotNamesBothFiles) {
  struct Case {
    SessionKind kind;
    int16_t offset;
    const char* slot;
    const char* step_file;
    const char* index_file;
  } cases[] = {
      {SessionKind::kFixedPaper, 0, "00", "D:\\xp\\data\\288800.mxy", "D:\\xp\\data\\288850.mxy"},  // paper 0
      {SessionKind::kFixedPaper, 5, "05", "D:\\xp\\data\\288805.mxy", "D:\\xp\\data\\288855.mxy"},  // leading zero
      {SessionKind::kUnitDone, 14, "19", "D:\\xp\\data\\288819.mxy", "D:\\xp\\data\\288869.mxy"},   // assembled
      {SessionKind::kUnitAll, 0, "20", "D:\\xp\\data\\288820.mxy", "D:\\xp\\data\\288870.mxy"},     // unit 0
      {SessionKind::kUnitAll, 19, "39", "D:\\xp\\data\\288839.mxy", "D:\\xp\\data\\288889.mxy"},    // last unit
  };
  frame::editInstallation().SetDataPath("D:\\xp\\data\\");
  for (const auto& c : cases) {
    editPlan().SetKind(c.kind);
    editPlan().SetSlotOffset(c.offset);
    EXPECT_EQ(SessionSlot(), c.slot);
    EXPECT_EQ(SessionStepFile(), c.step_file);
    EXPECT_EQ(SessionIndexFile(), c.index_file);
  }
}

TEST(SessionPlan, SlotSumOutside16BitsIsAnOverflow) {
  editPlan().SetKind(static_cast<SessionKind>(32767));
  editPlan().SetSlotOffset(1);
  EXPECT_THROW(SessionSlot(), platform::Failure);
  editPlan().SetSlotOffset(-49);
  EXPECT_EQ(SessionSlot(), "32718");
  EXPECT_THROW(IndexSlot(), platform::Failure);
}

TEST(SessionPlan, PositionsRunFrom1To500) {
  EXPECT_THROW(plan().question(501), platform::Failure);
  EXPECT_THROW(plan().question(0), platform::Failure);
  EXPECT_THROW(editPlan().SetStatus(501, 1), platform::Failure);
  EXPECT_THROW(editPlan().MarkCompleted(0), platform::Failure);
  EXPECT_THROW(editPlan().SetPictureId(1, 7, "p"), platform::Failure);
  EXPECT_NO_THROW(plan().question(500).pictureIds[6]);
}

// Each mark adds its bit once, whatever the other bits hold; clearing takes only its own.
TEST(SessionPlan, StatusBitsAreAddedOnce) {
  struct Case {
    int16_t before;
    void (*mark)(long);
    int16_t after;
  } cases[] = {
      {0, &MarkOpened, 1},     {1, &MarkOpened, 1},
      {6, &MarkOpened, 7},     {0, &MarkBookmarked, 2},
      {3, &MarkBookmarked, 3}, {5, &MarkBookmarked, 7},
      {3, &MarkCompleted, 7},  {6, &MarkCompleted, 6},
      {7, &ClearBookmark, 5},  {5, &ClearBookmark, 5},
  };
  for (const auto& c : cases) {
    editPlan().SetStatus(3, c.before);
    c.mark(3);
    EXPECT_EQ(plan().question(3).status, c.after) << c.before;
    const Question& q = plan().question(3);
    EXPECT_EQ(q.Opened(), (c.after & 1) != 0);
    EXPECT_EQ(q.Bookmarked(), (c.after & 2) != 0);
    EXPECT_EQ(q.Completed(), (c.after & 4) != 0);
  }
}

TEST(SessionPlan, ResetGivesAFreshPlanAndCursor) {
  editPlan().SetKind(SessionKind::kUnitAll);
  editPlan().SetRunMode(RunMode::kTimedExam);
  editPlan().SetStatus(500, kStatusCompleted);
  editPlan().SetFirstLine(1, 7);
  editPlan().SetPictureId(500, 6, "p");
  editCursor().GoToQuestion(4);
  editCursor().GoToStep(3);

  ResetPlan();
  ResetCursor();

  EXPECT_EQ(plan().kind(), SessionKind::kFixedPaper);
  EXPECT_EQ(plan().runMode(), RunMode::kNone);
  EXPECT_EQ(plan().question(500).status, 0);
  EXPECT_EQ(plan().question(1).firstLine, 0);
  EXPECT_EQ(plan().question(500).pictureIds[6], "");
  EXPECT_EQ(cursor().question(), 0);
  EXPECT_EQ(cursor().step(), 0);
}

}  // namespace
}  // namespace xpexam::desktop
