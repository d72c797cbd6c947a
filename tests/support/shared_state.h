#pragma once
// The shared state's owners back to their start values, as at program start.
#include "desktop/answer_input_method.h"
#include "desktop/demonstration_state.h"
#include "frame/candidate.h"
#include "frame/error_report.h"
#include "frame/module_state.h"
#include "home/update_window.h"
#include "session/question_index.h"
#include "session/session_exit.h"

namespace xpexam::testing {

inline void ResetSharedState() {
  frame::gState.Reset();
  frame::editErrorLog().Reset();
  frame::editCandidate().Reset();
  session::editSessionExit().Reset();
  session::ForgetIndexLine();
  desktop::editAnswerInputMethod().Reset();
  desktop::editDemonstration().MarkStopped();
  home::FrmUpdata::ForgetOpenedByLearner();
}

}  // namespace xpexam::testing
