// Drags: rubber bands and drags started in the Label4 box and released on the target box,
// the Label4 box's own press rule, and the drag handle Image5 pulled towards the record's point.
#include <algorithm>
#include <cmath>

#include "desktop/desktop_window.h"
#include "desktop/key_map.h"
#include "desktop/step_family.h"
#include "desktop/step_record.h"
#include "forms/pictures.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::desktop {

using platform::Try;

namespace {

// The rubber band starts as a small fixed square at the press point.
constexpr double kBandStart = 15;

// A rubber-band or drag step with its shift digit.
struct DragStep {
  Label4Drag drag = Label4Drag::kNone;
  int shift = 0;
  bool band() const { return drag == Label4Drag::kRubberBand; }
  bool any() const { return drag != Label4Drag::kNone; }
};

DragStep DragStepOf(const StepRecord& rec) {
  return {StepFamily(rec.CodeFamily()).label4_drag, rec.DragShift()};
}

// The pointer of the record over the Label4 box while a drag is in progress: "S" a standard
// shape, anything else the cursor file named by the last two characters. A cursor that cannot
// be loaded leaves the default pointer.
void ShowDragPointer(forms::Label& box, const StepRecord& rec) {
  if (rec.PointerCodeKind() == PointerKind::kStandard) {
    if (!Try([&] { box.SetMousePointer(static_cast<forms::PointerStyle>(rec.PointerNumber())); })) box.SetMousePointer(forms::PointerStyle::kDefault);
    return;
  }
  if (!Try([&] { box.SetMouseIcon(forms::LoadPicture(frame::installation().appPath() + "\\" + rec.PointerFile())); })) {
    box.SetMousePointer(forms::PointerStyle::kDefault);
    return;
  }
  box.SetMousePointer(forms::PointerStyle::kCustom);
}

// Standard pointer 0 over the Label4 box: the pointer never changes, so no drag shows.
bool ShowsDefaultDragPointer(const StepRecord& rec) {
  return rec.PointerCodeKind() == PointerKind::kStandard && rec.PointerNumber() == 0;
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
  if (Step().Label4PressCompletes() && button == kLeftButton) AdvanceStep();
  // After an advance the press may start the next step's rubber band or drag.
  const DragStep step = DragStepOf(Step());
  if (shift != step.shift) return;
  if (step.band()) {
    Shape6.Move(Shape6.Left(), Shape6.Top(), kBandStart, kBandStart);
    Shape6.SetVisible(true);
    mBandX = platform::CLng(Label4.Left() + x);
    mBandY = platform::CLng(Label4.Top() + y);
  }
  if (step.any()) mDragging = true;
}

void FrmMain::Label4_MouseMove(int button, int shift, double x, double y) {
  const DragStep step = DragStepOf(Step());
  if (shift != step.shift) return;
  if (step.band()) {
    if (!Shape6.Visible()) return;
    // The frame lies between the press point and the pointer, whichever way the pointer went.
    const double px = Label4.Left() + x, py = Label4.Top() + y;
    Shape6.Move(std::min<double>(mBandX, px), std::min<double>(mBandY, py), std::abs(px - mBandX),
                std::abs(py - mBandY));
  }
  if (step.any() && mDragging) {
    ShowDragPointer(Label4, Step());
    if (button != 0) mDragMoved = true;
  }
}

void FrmMain::Label4_MouseUp(int, int shift, double x, double y) {
  // Read once: a band that completes its step still runs the drag test below, against the
  // target box of the step loaded by then.
  const StepRecord rec = Step();
  const DragStep step = DragStepOf(Step());
  if (shift != step.shift) return;
  if (step.band()) {
    Shape6.Move(Shape6.Left(), Shape6.Top(), kBandStart, kBandStart);
    if (Shape6.Visible() && ReleasedInTargetBox(Label4, Label1, x, y)) AdvanceStep();
    Shape6.SetVisible(false);
  }
  if (step.any()) {
    mDragging = false;
    // The drag counts when the pointer moved with the button held and the step shows a drag
    // pointer: the default standard pointer means no drag is under way.
    const bool moved = mDragMoved;
    mDragMoved = false;
    if (moved && !ShowsDefaultDragPointer(rec) && ReleasedInTargetBox(Label4, Label1, x, y)) AdvanceStep();
    Label4.SetMousePointer(forms::PointerStyle::kDefault);
  }
}

void FrmMain::Image5_MouseMove(int button, int, double x, double y) {
  if (button != kLeftButton) return;
  const std::optional<HandleDrag> drag = HandleDragOf(mStepCode);
  if (!drag) return;
  // Half-way towards the pointer: the handle lags behind it and never passes it.
  if (!drag->up_down) {
    Image5.SetLeft(mHandleX + x / 2);
    mHandleX = platform::CLng(Image5.Left());
  }
  // The top is kept in 16 bits, which a far pull can overflow.
  if (!drag->across) {
    Try([&] {
      Image5.SetTop(mHandleY + y / 2);
      mHandleY = platform::CInt(Image5.Top());
    });
  }
}

void FrmMain::Image5_MouseUp(int, int, double, double) {
  // The codes are tested in ascending order, each against the step code as it stands when
  // reached: an advance lets a later (higher) code check the next step, never an earlier one.
  for (int last = 0;;) {
    const int code = mStepCode;
    const std::optional<HandleDrag> drag = HandleDragOf(code);
    if (!drag || code <= last) break;
    last = code;
    const HandleDrag& d = *drag;
    const double tx = mDragTargetX * frame::installation().scaleX(), ty = mDragTargetY * frame::installation().scaleY();
    const bool across = d.across, up_down = d.up_down;
    const bool reached = (!d.left || mHandleX <= tx) && (!d.right || mHandleX >= tx) && (!d.up || mHandleY <= ty) &&
                         (!d.down || mHandleY >= ty);
    if (reached) {
      if (!across) Image5.SetTop(ty);
      if (!up_down) Image5.SetLeft(tx);
      AdvanceStep();
      continue;
    }
    // Back to the start, from where the learner can try again.
    const StepRecord rec = Step();
    if (!across) Try([&] { Image5.SetTop(rec.OverlayY(5) * frame::installation().scaleY()); });
    if (!up_down) Try([&] { Image5.SetLeft(rec.OverlayX(5) * frame::installation().scaleX()); });
    mHandleX = platform::CLng(Image5.Left());
    Try([&] { mHandleY = platform::CInt(Image5.Top()); });
  }
}

}  // namespace xpexam::desktop
