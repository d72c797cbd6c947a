#include "frame/module_state.h"

#include <gtest/gtest.h>


namespace xpexam::frame {
namespace {

TEST(ModuleState, ResetPutsEveryVariableBackThroughItsFamiliarName) {
  gErrNumber = 53;
  gDemoRunning = true;
  gImeHkl = 0x0804;

  gState.Reset();

  EXPECT_EQ(gErrNumber, 0);
  EXPECT_FALSE(gDemoRunning);
  EXPECT_EQ(gImeHkl, 0);
}

}  // namespace
}  // namespace xpexam::frame
