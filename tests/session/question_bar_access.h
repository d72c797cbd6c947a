#pragma once
// The tests' way to the question bar's own controls, form variables and handlers, which the
// window keeps to itself. Found by argument lookup: Ui(bar).CmdGN[5], Vars(bar).mCurPage,
// Act(bar).CmdGN_Click(5).
#include "session/question_bar.h"

namespace xpexam::session {

struct FrmTmTestAccess {
  static FrmTmControls& Controls(FrmTm& bar) { return bar; }
  static FrmTmVars& Vars(FrmTm& bar) { return bar; }

  // The bar's own steps and handlers, called as the runtime or its timers call them.
  FrmTm& bar;
  void LoadQuestion() { bar.LoadQuestion(); }
  void CmdGN_Click(int index) { bar.CmdGN_Click(index); }
  void StartDemo() { bar.StartDemo(); }
};

inline FrmTmControls& Ui(FrmTm& bar) { return FrmTmTestAccess::Controls(bar); }
inline FrmTmVars& Vars(FrmTm& bar) { return FrmTmTestAccess::Vars(bar); }
inline FrmTmTestAccess Act(FrmTm& bar) { return {bar}; }

}  // namespace xpexam::session
