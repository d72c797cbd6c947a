#pragma once
// The tests' way to the update window's own controls, which the window keeps to itself. Found by
// argument lookup: Ui(w).Label2.
#include "home/update_window.h"

namespace xpexam::home {

struct FrmUpdataTestAccess {
  static FrmUpdataControls& Controls(FrmUpdata& w) { return w; }
};

inline FrmUpdataControls& Ui(FrmUpdata& w) { return FrmUpdataTestAccess::Controls(w); }

}  // namespace xpexam::home
