#pragma once
// The tests' way to the message box's own controls, which the box keeps to itself. Found by
// argument lookup: Ui(box).LblPrompt, Ui(box).LblClick[1].
#include "frame/message_box.h"

namespace xpexam::frame {

struct FrmQOMSGBOXTestAccess {
  static FrmQOMSGBOXControls& Controls(FrmQOMSGBOX& box) { return box; }
};

inline FrmQOMSGBOXControls& Ui(FrmQOMSGBOX& box) { return FrmQOMSGBOXTestAccess::Controls(box); }

}  // namespace xpexam::frame
