#pragma once
// The tests' way to the sign-in window's own controls, which the window keeps to itself. Found by
// argument lookup: Ui(logon).TxtSFZ.
#include "session/sign_in.h"

namespace xpexam::session {

struct FrmLogonTestAccess {
  static FrmLogonControls& Controls(FrmLogon& logon) { return logon; }
};

inline FrmLogonControls& Ui(FrmLogon& logon) { return FrmLogonTestAccess::Controls(logon); }

}  // namespace xpexam::session
