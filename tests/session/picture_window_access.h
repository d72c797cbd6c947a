#pragma once
// The tests' way to the picture window's own controls, which the window keeps to itself. Found
// by argument lookup: Ui(w).Image1, Ui(w).Timer1.
#include "session/picture_window.h"

namespace xpexam::session {

struct FrmPictureTestAccess {
  static FrmPictureControls& Controls(FrmPicture& w) { return w; }
};

inline FrmPictureControls& Ui(FrmPicture& w) { return FrmPictureTestAccess::Controls(w); }

}  // namespace xpexam::session
