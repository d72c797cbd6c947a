#pragma once
// The tests' way to the desktop's own controls and form variables, which the window keeps to
// itself. Found by argument lookup: Ui(d).Label1, Vars(d).mStepCode.
#include "desktop/desktop_window.h"

namespace xpexam::desktop {

struct FrmMainTestAccess {
  static FrmMainControls& Controls(FrmMain& d) { return d; }
  static FrmMainVars& Vars(FrmMain& d) { return d; }
};

inline FrmMainControls& Ui(FrmMain& d) { return FrmMainTestAccess::Controls(d); }
inline FrmMainVars& Vars(FrmMain& d) { return FrmMainTestAccess::Vars(d); }

}  // namespace xpexam::desktop
