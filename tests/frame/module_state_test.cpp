#include "frame/module_state.h"

#include <gtest/gtest.h>

#include "platform/failure.h"

namespace xpexam::frame {
namespace {

TEST(ModuleState, SessionSlotNamesBothFiles) {
  struct Case {
    int16_t kind, offset;
    const char* slot;
    const char* step_file;
    const char* index_file;
  } cases[] = {
      {0, 0, "00", "D:\\xp\\data\\288800.mxy", "D:\\xp\\data\\288850.mxy"},    // fixed paper 0
      {0, 5, "05", "D:\\xp\\data\\288805.mxy", "D:\\xp\\data\\288855.mxy"},    // leading zero below 10
      {5, 14, "19", "D:\\xp\\data\\288819.mxy", "D:\\xp\\data\\288869.mxy"},   // every assembled list
      {20, 0, "20", "D:\\xp\\data\\288820.mxy", "D:\\xp\\data\\288870.mxy"},   // unit 0's own files
      {20, 19, "39", "D:\\xp\\data\\288839.mxy", "D:\\xp\\data\\288889.mxy"},  // last unit
  };
  editInstallation().SetDataPath("D:\\xp\\data\\");
  for (const auto& c : cases) {
    gSessionKind = c.kind;
    gSlotOffset = c.offset;
    EXPECT_EQ(SessionSlot(), c.slot);
    EXPECT_EQ(SessionStepFile(), c.step_file);
    EXPECT_EQ(SessionIndexFile(), c.index_file);
  }
}

TEST(ModuleState, SlotSumOutside16BitsIsAnOverflow) {
  gSessionKind = 32767;
  gSlotOffset = 1;
  EXPECT_THROW(SessionSlot(), platform::Failure);
  gSlotOffset = -49;
  EXPECT_EQ(SessionSlot(), "32718");
  EXPECT_THROW(IndexSlot(), platform::Failure);
}

TEST(ModuleState, BoundsFollowTheTables) {
  EXPECT_THROW(gQuestionStatus[501], platform::Failure);
  EXPECT_THROW(gFirstLine[0], platform::Failure);
  EXPECT_THROW(gPictureIds(1, 7), platform::Failure);
  EXPECT_NO_THROW(gPictureIds(500, 0));
}

TEST(ModuleState, ResetPutsEveryVariableBackThroughItsFamiliarName) {
  gSessionKind = 20;
  gStepLine = "line";
  gQuestionStatus[500] = kStatusCompleted;
  gFirstLine[1] = 7;
  gPictureIds(500, 6) = "p";
  gErrNumber = 53;
  gDemoRunning = true;
  gImeHkl = 0x0804;

  gState.Reset();

  EXPECT_EQ(gSessionKind, 0);
  EXPECT_EQ(gStepLine, "");
  EXPECT_EQ(gQuestionStatus[500], 0);
  EXPECT_EQ(gFirstLine[1], 0);
  EXPECT_EQ(gPictureIds(500, 6), "");
  EXPECT_EQ(gErrNumber, 0);
  EXPECT_FALSE(gDemoRunning);
  EXPECT_EQ(gImeHkl, 0);
  // The names still reach the one instance after it was replaced.
  gCurStep = 3;
  EXPECT_EQ(gState.curStep, 3);
}

}  // namespace
}  // namespace xpexam::frame
