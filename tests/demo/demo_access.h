#pragma once
// The tests' way to the demonstration's own controls and the state of its run, which the window
// keeps to itself. Found by argument lookup: Ui(d).Label1, Vars(d).mDemoStep.
#include "demo/demonstration.h"

namespace xpexam::demo {

struct FrmYanShiTestAccess {
  static FrmYanShiControls& Controls(FrmYanShi& d) { return d; }
  static FrmYanShiVars& Vars(FrmYanShi& d) { return d; }
  static const FrmYanShiVars& Vars(const FrmYanShi& d) { return d; }
};

inline FrmYanShiControls& Ui(FrmYanShi& d) { return FrmYanShiTestAccess::Controls(d); }
inline FrmYanShiVars& Vars(FrmYanShi& d) { return FrmYanShiTestAccess::Vars(d); }
inline const FrmYanShiVars& Vars(const FrmYanShi& d) { return FrmYanShiTestAccess::Vars(d); }

}  // namespace xpexam::demo
