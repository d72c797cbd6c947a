#pragma once
// The tests' way to the score report's own controls, which the window keeps to itself. Found by
// argument lookup: Ui(report).CmTNO[1].
#include "session/score_report.h"

namespace xpexam::session {

struct FrmChengjiTestAccess {
  static FrmChengjiControls& Controls(FrmChengji& report) { return report; }
};

inline FrmChengjiControls& Ui(FrmChengji& report) { return FrmChengjiTestAccess::Controls(report); }

}  // namespace xpexam::session
