#pragma once
// A check of the compositor's damage tracking: with it on, every frame composed from damaged
// areas only is compared with the whole screen composed afresh. Pixels that differ were left
// stale by a change that damaged too little; the failure handler learns where.
#include <functional>
#include <string>

#include "forms/graphics.h"

namespace xpexam::forms {

class Control;

struct FrameMismatch {
  // The topmost window and control covering the first differing pixel (row by row), the
  // control after its containers ("Box.Label1"); the control is empty where the window itself,
  // its frame or nothing but the desktop is there.
  std::string window;
  std::string control;
  // The bounding box of every differing pixel, and the first of them.
  Rect area;
  int first_x = 0, first_y = 0;
  // One line: "stale pixels at 10,20 30x4 (first at 12,20) in window FrmTm, control Label1".
  std::string Describe() const;
};

// Turns the check on or off (off after ResetRuntime too).
void SetFrameCheck(bool on);
bool FrameCheckOn();
// Called on a mismatch; without a handler the description goes to stderr and the process
// aborts. The frame stays as composed: a handler that returns lets the program go on.
void SetFrameCheckFailure(std::function<void(const FrameMismatch&)> handler);
// Checks the frame now, composing it first if anything changed; the check must be on. Also
// catches a change that damaged nothing at all, which no frame is composed for.
void CheckFrameNow();

// Test hook: changes to this control damage nothing, as a control that forgot to would (null
// for none).
void SetUndamagedControl(const Control* control);

}  // namespace xpexam::forms
