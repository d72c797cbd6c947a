#pragma once
// The tests' way to the question bar's own controls and form variables, which the window keeps
// to itself. Found by argument lookup: Ui(bar).CmdGN[5], Vars(bar).mCurPage.
#include "session/question_bar.h"

namespace xpexam::session {

struct FrmTmTestAccess {
  static FrmTmControls& Controls(FrmTm& bar) { return bar; }
  static FrmTmVars& Vars(FrmTm& bar) { return bar; }
};

inline FrmTmControls& Ui(FrmTm& bar) { return FrmTmTestAccess::Controls(bar); }
inline FrmTmVars& Vars(FrmTm& bar) { return FrmTmTestAccess::Vars(bar); }

}  // namespace xpexam::session
