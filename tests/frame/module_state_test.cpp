#include "frame/module_state.h"

#include <gtest/gtest.h>


namespace xpexam::frame {
namespace {

TEST(ModuleState, ResetPutsEveryVariableBackThroughItsFamiliarName) {
  gDemoRunning = true;

  gState.Reset();

  EXPECT_FALSE(gDemoRunning);
}

}  // namespace
}  // namespace xpexam::frame
