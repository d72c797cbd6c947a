#pragma once
// The tests' way to the About box's own controls, which the box keeps to itself. Found by
// argument lookup: Ui(about).Label1[3].
#include "home/about_window.h"

namespace xpexam::home {

struct FrmAboutTestAccess {
  static FrmAboutControls& Controls(FrmAbout& about) { return about; }
};

inline FrmAboutControls& Ui(FrmAbout& about) { return FrmAboutTestAccess::Controls(about); }

}  // namespace xpexam::home
