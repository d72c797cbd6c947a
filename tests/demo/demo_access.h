#pragma once
// The tests' way to the demonstration's own controls, the state of its run and its handlers,
// which the window keeps to itself. Found by argument lookup: Ui(d).Label1, Vars(d).mDemoStep,
// Act(d).AdvanceStep().
#include "demo/demonstration.h"

namespace xpexam::demo {

struct FrmYanShiTestAccess {
  static FrmYanShiControls& Controls(FrmYanShi& d) { return d; }
  static FrmYanShiVars& Vars(FrmYanShi& d) { return d; }
  static const FrmYanShiVars& Vars(const FrmYanShi& d) { return d; }

  // The window's own steps, called as its timers call them.
  FrmYanShi& d;
  void AdvanceStep() { d.AdvanceStep(); }
};

inline FrmYanShiControls& Ui(FrmYanShi& d) { return FrmYanShiTestAccess::Controls(d); }
inline FrmYanShiVars& Vars(FrmYanShi& d) { return FrmYanShiTestAccess::Vars(d); }
inline const FrmYanShiVars& Vars(const FrmYanShi& d) { return FrmYanShiTestAccess::Vars(d); }
inline FrmYanShiTestAccess Act(FrmYanShi& d) { return {d}; }

}  // namespace xpexam::demo
