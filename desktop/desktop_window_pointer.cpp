// Checks of the mouse on the target box and of key releases on the window: clicks, presses
// with buttons and modifiers, double-clicks, hovering, context menus and key combinations.
#include "desktop/desktop_window.h"

#include "desktop/step_family.h"
#include "desktop/key_map.h"
#include "desktop/pointer_code.h"
#include "desktop/popup_menu_file.h"
#include "desktop/step_record.h"
#include "forms/pictures.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "platform/failure.h"

namespace xpexam::desktop {

using platform::Try;

namespace {

// The pointer the record asks for over the target box. A cursor file that cannot be loaded
// leaves the default pointer, so the box keeps working.
void ShowTargetPointer(forms::Label& box, const StepRecord& rec) {
  const TargetPointer pointer = PointerOverTarget(rec, frame::installation().appPath() + "\\");
  if (pointer.cursor_file.empty()) {
    box.SetMousePointer(pointer.shape);
    return;
  }
  if (!Try([&] { box.SetMouseIcon(forms::LoadPicture(pointer.cursor_file)); })) {
    box.SetMousePointer(forms::PointerStyle::kDefault);
    return;
  }
  box.SetMousePointer(forms::PointerStyle::kCustom);
}

}  // namespace

void FrmMain::Label1_MouseDown(int button, int shift, double, double) {
  using E = CompletingEvent;
  const StepCodeFamily family = ClassifyStepCode(mStepCode);
  const StepCodeDigits digits = DecomposeStepCode(mStepCode);
  if (CompletesOn(family, E::kCodedPress) && button == digits.button_or_key && shift == digits.menu_or_shift) {
    AdvanceStep();
    return;
  }
  if (button == kRightButton) {
    if (CompletesOn(family, E::kRightPress)) {
      AdvanceStep();
      return;
    }
    const StepRecord rec = Step();
    // The right-button alternative: the popup's item check then expects the replacement code.
    if (rec.HasRightAlternative()) Try([&] { mStepCode = rec.RightAlternativeValue(); });
  }
  const auto opening = PopupOnPress(mStepCode, button, MenuTargetOrPopupX(), PopupY());
  if (!opening) return;
  mPopupMenuNo = static_cast<int16_t>(opening->menu);
  FillContextMenu();
  if (opening->at_pointer) {
    PopupMenu(wm100);
  } else {
    PopupMenu(wm100, 0, opening->x * frame::installation().scaleX(), opening->y * frame::installation().scaleY());
  }
}

void FrmMain::Label1_MouseUp(int button, int shift, double, double) {
  using E = CompletingEvent;
  // The record's own family for the location step; the code in force for the others.
  const bool any_release = CompletesOn(Step().CodeFamily(), E::kAnyRelease);
  const StepCodeFamily family = ClassifyStepCode(mStepCode);
  const bool left_click = button == kLeftButton && shift == 0 && CompletesOn(family, E::kLeftClick);
  if (any_release || left_click) AdvanceStep();
  if (CompletesOn(ClassifyStepCode(mStepCode), E::kTypedThenRelease)) CheckTypedAnswerOnClick();
}

void FrmMain::Label1_DblClick() {
  if (CompletesOn(ClassifyStepCode(mStepCode), CompletingEvent::kDoubleClick)) AdvanceStep();
}

void FrmMain::Label1_MouseMove(int, int, double, double) {
  if (CompletesOn(Step().CodeFamily(), CompletingEvent::kHover)) AdvanceStep();
  ShowTargetPointer(Label1, Step());
}

void FrmMain::Form_KeyUp(int& key_code, int shift) {
  const StepRecord rec = Step();
  Try([&] { mStepCode = rec.StepCodeValue(); });
  if (KeyReleaseCompletes(rec, key_code, shift)) AdvanceStep();
}

}  // namespace xpexam::desktop
