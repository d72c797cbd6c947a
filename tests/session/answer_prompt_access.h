#pragma once
// The tests' way to the answer prompt's own controls, which the window keeps to itself. Found by
// argument lookup: Ui(prompt).Command2.
#include "session/answer_prompt.h"

namespace xpexam::session {

struct FrmCZTSTestAccess {
  static FrmCZTSControls& Controls(FrmCZTS& prompt) { return prompt; }
};

inline FrmCZTSControls& Ui(FrmCZTS& prompt) { return FrmCZTSTestAccess::Controls(prompt); }

}  // namespace xpexam::session
