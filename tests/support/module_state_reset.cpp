// Every test starts and ends with the module state as the program starts with it, whatever
// the test before it left behind.
#include <gtest/gtest.h>

#include "frame/module_state.h"

namespace {

class ModuleStateReset : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { xpexam::frame::gState.Reset(); }
  void OnTestEnd(const ::testing::TestInfo&) override { xpexam::frame::gState.Reset(); }
};

const bool kInstalled = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new ModuleStateReset);
  return true;
}();

}  // namespace
