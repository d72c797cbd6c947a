#pragma once
// The tests' way to the input-method help window's own controls, which the window keeps to itself. Found by
// argument lookup: Ui(w).Check1.
#include "session/ime_window.h"

namespace xpexam::session {

struct FrmIMETestAccess {
  static FrmIMEControls& Controls(FrmIME& w) { return w; }
};

inline FrmIMEControls& Ui(FrmIME& w) { return FrmIMETestAccess::Controls(w); }

}  // namespace xpexam::session
