// Drags: rubber bands and drags started in the Label4 box and released on the target box,
// the Label4 box's own press rule, and the drag handle Image5 pulled towards the record's point.
#include <algorithm>
#include <cmath>

#include "desktop/frm_main.h"
#include "desktop/key_map.h"
#include "desktop/step_record.h"
#include "forms/pictures.h"
#include "frame/module_state.h"
#include "frame/settings.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::desktop {

using frame::gScaleX;
using frame::gScaleY;
using frame::gStepLine;
using platform::Try;

namespace {

// The rubber band starts as a small fixed square at the press point.
constexpr double kBandStart = 15;

// A rubber-band or drag step: "004" or "005" with its shift digit.
struct DragStep {
  std::string code;
  int shift = 0;
  bool band() const { return code == "004"; }
  bool any() const { return code == "004" || code == "005"; }
};

DragStep CurrentDragStep() {
  const StepRecord rec(gStepLine);
  return {rec.Field(8, 3), rec.Int(11, 1)};
}

// The pointer of the record over the Label4 box while a drag is in progress: "S" a standard
// shape, anything else the cursor file named by the last two characters. A cursor that cannot
// be loaded leaves the default pointer.
void ShowDragPointer(forms::Label& box, const StepRecord& rec) {
  if (rec.Field(101, 1) == "S") {
    if (!Try([&] { box.SetMousePointer(rec.PointerNumber()); })) Try([&] { box.SetMousePointer(0); });
    return;
  }
  if (!Try([&] { box.SetMouseIcon(forms::LoadPicture(frame::gAppPath + "\\" + rec.PointerFile())); })) {
    Try([&] { box.SetMousePointer(0); });
    return;
  }
  Try([&] { box.SetMousePointer(forms::kCustomPointer); });
}

// Standard pointer 0 over the Label4 box: the pointer never changes, so no drag shows.
bool ShowsDefaultDragPointer(const StepRecord& rec) {
  return rec.Field(101, 1) == "S" && rec.PointerNumber() == 0;
}

// The release point, given from the Label4 box's corner, lies in the target box as it now
// stands, borders included.
bool ReleasedInTargetBox(const forms::Label& from, const forms::Label& target, double x, double y) {
  const float px = static_cast<float>(from.Left() + x), py = static_cast<float>(from.Top() + y);
  const float left = static_cast<float>(target.Left()), top = static_cast<float>(target.Top());
  return left <= px && px <= left + static_cast<float>(target.Width()) && top <= py &&
         py <= top + static_cast<float>(target.Height());
}

}  // namespace

void FrmMain::Label4_MouseDown(int button, int shift, double x, double y) {
  // Moves of an earlier gesture never count for this one.
  mDragMoved = false;
  if (StepRecord(gStepLine).Label4PressCompletes() && button == kLeftButton) doNext();
  // After an advance the press may start the next step's rubber band or drag.
  const DragStep step = CurrentDragStep();
  if (shift != step.shift) return;
  if (step.band()) {
    Try([&] { Shape6.Move(Shape6.Left(), Shape6.Top(), kBandStart, kBandStart); });
    Try([&] { Shape6.SetVisible(true); });
    Try([&] { mBandX = platform::CLng(Label4.Left() + x); });
    Try([&] { mBandY = platform::CLng(Label4.Top() + y); });
  }
  if (step.any()) mDragging = true;
}

void FrmMain::Label4_MouseMove(int button, int shift, double x, double y) {
  const DragStep step = CurrentDragStep();
  if (shift != step.shift) return;
  if (step.band()) {
    if (!Shape6.Visible()) return;
    // The frame lies between the press point and the pointer, whichever way the pointer went.
    Try([&] {
      const double px = Label4.Left() + x, py = Label4.Top() + y;
      Shape6.Move(std::min<double>(mBandX, px), std::min<double>(mBandY, py), std::abs(px - mBandX),
                  std::abs(py - mBandY));
    });
  }
  if (step.any() && mDragging) {
    ShowDragPointer(Label4, StepRecord(gStepLine));
    if (button != 0) mDragMoved = true;
  }
}

void FrmMain::Label4_MouseUp(int, int shift, double x, double y) {
  // Read once: a band that completes its step still runs the drag test below, against the
  // target box of the step loaded by then.
  const StepRecord rec(gStepLine);
  const DragStep step = CurrentDragStep();
  if (shift != step.shift) return;
  if (step.band()) {
    Try([&] { Shape6.Move(Shape6.Left(), Shape6.Top(), kBandStart, kBandStart); });
    if (Shape6.Visible() && ReleasedInTargetBox(Label4, Label1, x, y)) doNext();
    Try([&] { Shape6.SetVisible(false); });
  }
  if (step.any()) {
    mDragging = false;
    // The drag counts when the pointer moved with the button held and the step shows a drag
    // pointer: the default standard pointer means no drag is under way.
    const bool moved = mDragMoved;
    mDragMoved = false;
    if (moved && !ShowsDefaultDragPointer(rec) && ReleasedInTargetBox(Label4, Label1, x, y)) doNext();
    Try([&] { Label4.SetMousePointer(0); });
  }
}

void FrmMain::Image5_MouseMove(int button, int, double x, double y) {
  if (button != kLeftButton) return;
  const bool across = mStepCode == 8001 || mStepCode == 8002;
  const bool up_down = mStepCode == 8003 || mStepCode == 8004;
  const bool both = mStepCode >= 8006 && mStepCode <= 8009;
  // Half-way towards the pointer: the handle lags behind it and never passes it.
  if (across || both) {
    Try([&] {
      Image5.SetLeft(mHandleX + x / 2);
      mHandleX = platform::CLng(Image5.Left());
    });
  }
  if (up_down || both) {
    Try([&] {
      Image5.SetTop(mHandleY + y / 2);
      mHandleY = platform::CInt(Image5.Top());
    });
  }
}

void FrmMain::Image5_MouseUp(int, int, double, double) {
  // Each test sees the step code as it stands when reached, so an advance lets the later
  // tests check the next step.
  for (int code : {8001, 8002, 8003, 8004, 8006, 8007, 8008, 8009}) {
    if (mStepCode != code) continue;
    const double tx = mDragTargetX * gScaleX, ty = mDragTargetY * gScaleY;
    const bool left = mHandleX <= tx, right = mHandleX >= tx, up = mHandleY <= ty, down = mHandleY >= ty;
    const bool across = code <= 8002, up_down = code == 8003 || code == 8004;
    bool reached = false;
    switch (code) {
      case 8001: reached = left; break;
      case 8002: reached = right; break;
      case 8003: reached = up; break;
      case 8004: reached = down; break;
      case 8006: reached = down && left; break;
      case 8007: reached = down && right; break;
      case 8008: reached = up && left; break;
      case 8009: reached = up && right; break;
    }
    if (reached) {
      if (!across) Try([&] { Image5.SetTop(ty); });
      if (!up_down) Try([&] { Image5.SetLeft(tx); });
      doNext();
      continue;
    }
    // Back to the start, from where the learner can try again.
    const StepRecord rec(gStepLine);
    if (!across) Try([&] { Image5.SetTop(rec.OverlayY(5) * gScaleY); });
    if (!up_down) Try([&] { Image5.SetLeft(rec.OverlayX(5) * gScaleX); });
    Try([&] { mHandleX = platform::CLng(Image5.Left()); });
    Try([&] { mHandleY = platform::CInt(Image5.Top()); });
  }
}

}  // namespace xpexam::desktop
