// Every test starts with the shared state as the program starts with it and the windows wired
// as the program wires them, whatever the test before it left behind; and leaves them so.
#include <gtest/gtest.h>

#include "app/program.h"
#include "desktop/hooks.h"
#include "desktop/session_plan.h"
#include "frame/hooks.h"
#include "frame/installation.h"
#include "session/hooks.h"
#include "tests/support/shared_state.h"

namespace {

using namespace xpexam;

void Fresh() {
  xpexam::testing::ResetSharedState();
  frame::editInstallation().Reset();
  desktop::ResetPlan();
  desktop::ResetCursor();
  frame::gFrameHooks = {};
  desktop::gDesktopHooks = {};
  session::gSessionHooks = {};
}

class SharedStateReset : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    Fresh();
    app::ConnectWindows();
  }
  void OnTestEnd(const ::testing::TestInfo&) override { Fresh(); }
};

const bool kInstalled = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new SharedStateReset);
  return true;
}();

}  // namespace
