#pragma once
// The tests' way to the controls of the two hand-in confirmations, which the windows keep to
// themselves. Found by argument lookup: Ui(end1).Label1, Ui(FrmEnd2::Get()).Command1.
#include "session/hand_in.h"

namespace xpexam::session {

struct HandInTestAccess {
  static HandInConfirmation& Controls(FrmEnd1& end1) { return end1; }
  static HandInConfirmation& Controls(FrmEnd2& end2) { return end2; }
};

inline HandInConfirmation& Ui(FrmEnd1& end1) { return HandInTestAccess::Controls(end1); }
inline HandInConfirmation& Ui(FrmEnd2& end2) { return HandInTestAccess::Controls(end2); }

}  // namespace xpexam::session
