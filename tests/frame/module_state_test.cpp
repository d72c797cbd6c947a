#include "frame/module_state.h"

#include <gtest/gtest.h>

#include "forms/msgbox.h"
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
  gDataPath = "D:\\xp\\data\\";
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

TEST(ModuleState, DialogCaptionJoinsSettingsAndModuleName) {
  gSettings[0] = "全国专业技术人员";
  gSettings[9] = "计算机应用能力考试";
  gModuleName = "WindowsXP";
  EXPECT_EQ(DialogCaption(), "全国专业技术人员计算机应用能力考试——WindowsXP模块");
  gSettings[9] = "";
  EXPECT_EQ(DialogCaption(), "全国专业技术人员——WindowsXP模块");
}

TEST(ModuleState, BoundsFollowTheTables) {
  EXPECT_THROW(gSettings[41], platform::Failure);
  EXPECT_THROW(gQuestionStatus[501], platform::Failure);
  EXPECT_THROW(gFirstLine[0], platform::Failure);
  EXPECT_THROW(gPictureIds(1, 7), platform::Failure);
  EXPECT_THROW(gUnitTable(41, 1), platform::Failure);
  EXPECT_THROW(gUnitTable(0, 0), platform::Failure);
  EXPECT_NO_THROW(gUnitTable(40, 4));
  EXPECT_NO_THROW(gPictureIds(500, 0));
}

TEST(ModuleState, ScaleMultipliesDesignTwips) {
  gScaleX = 0.8;
  gScaleY = 1.0;
  EXPECT_DOUBLE_EQ(ScaleX(12000), 9600);
  EXPECT_DOUBLE_EQ(ScaleY(9000), 9000);
}

TEST(ModuleState, ResetPutsEveryVariableBackThroughItsFamiliarName) {
  gAppPath = "/x";
  gAppExeName = "other";
  gScaleX = 1.25;
  gSettings[40] = "s";
  gSessionKind = 20;
  gStepLine = "line";
  gQuestionStatus[500] = kStatusCompleted;
  gFirstLine[1] = 7;
  gPictureIds(500, 6) = "p";
  gUnitTable(40, 4) = "T";
  gErrNumber = 53;
  gDemoRunning = true;
  gImeHkl = 0x0804;
  forms::SetAppTitle("title");

  gState.Reset();

  EXPECT_EQ(gAppPath, "");
  EXPECT_EQ(gAppExeName, "xpexam");
  EXPECT_EQ(gScaleX, 0);
  EXPECT_EQ(gSettings[40], "");
  EXPECT_EQ(gSessionKind, 0);
  EXPECT_EQ(gStepLine, "");
  EXPECT_EQ(gQuestionStatus[500], 0);
  EXPECT_EQ(gFirstLine[1], 0);
  EXPECT_EQ(gPictureIds(500, 6), "");
  EXPECT_EQ(gUnitTable(40, 4), "");
  EXPECT_EQ(gErrNumber, 0);
  EXPECT_FALSE(gDemoRunning);
  EXPECT_EQ(gImeHkl, 0);
  EXPECT_EQ(forms::AppTitle(), "");
  // The names still reach the one instance after it was replaced.
  gCurStep = 3;
  EXPECT_EQ(gState.curStep, 3);
}

}  // namespace
}  // namespace xpexam::frame
