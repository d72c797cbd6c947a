#pragma once
// The tests' way to the start-up window's own controls, which the window keeps to itself. Found by
// argument lookup: Ui(start).Timer1.
#include "frame/start_window.h"

namespace xpexam::frame {

struct FrmStartTestAccess {
  static FrmStartControls& Controls(FrmStart& start) { return start; }
};

inline FrmStartControls& Ui(FrmStart& start) { return FrmStartTestAccess::Controls(start); }

}  // namespace xpexam::frame
