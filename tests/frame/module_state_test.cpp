#include "frame/module_state.h"

#include <gtest/gtest.h>


namespace xpexam::frame {
namespace {

TEST(ModuleState, ResetPutsEveryVariableBackThroughItsFamiliarName) {
  gDemoRunning = true;
  gImeHkl = 0x0804;

  gState.Reset();

  EXPECT_FALSE(gDemoRunning);
  EXPECT_EQ(gImeHkl, 0);
}

}  // namespace
}  // namespace xpexam::frame
