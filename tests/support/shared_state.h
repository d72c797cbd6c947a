#pragma once
// The run's smaller shared records back to their start values, as at program start: the error
// log, the candidate, the session exit, the index line read last, the answer boxes' input
// method, the demonstration state and the update window's mark. The installation, the plan and
// the cursor have resets of their own.
#include "desktop/answer_input_method.h"
#include "desktop/demonstration_state.h"
#include "frame/candidate.h"
#include "frame/error_report.h"
#include "home/update_window.h"
#include "session/question_index.h"
#include "session/session_exit.h"

namespace xpexam::testing {

inline void ResetSharedState() {
  frame::editErrorLog().Reset();
  frame::editCandidate().Reset();
  session::editSessionExit().Reset();
  session::ForgetIndexLine();
  desktop::editAnswerInputMethod().Reset();
  desktop::editDemonstration().MarkStopped();
  home::FrmUpdata::ForgetOpenedByLearner();
}

}  // namespace xpexam::testing
