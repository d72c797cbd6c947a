// The step loader: one step record turned into what the learner sees and can act on.
// Every statement runs on its own: one that fails is skipped and the load goes on.
#include "desktop/desktop_window.h"

#include "desktop/hooks.h"
#include "desktop/pointer_code.h"
#include "desktop/session_plan.h"
#include "desktop/step_record.h"
#include "desktop/typed_answer.h"
#include "forms/pictures.h"
#include "frame/module_state.h"
#include "frame/settings.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::desktop {

using platform::Try;

std::optional<std::string> ReadQuestionStep(long question, long step) {
  if (step < 1) return std::nullopt;
  const int32_t record = StepRecordNumber(question, step);
  // The next question's first line, when the session launcher has laid it down, ends this
  // question: a step past it belongs to another question.
  if (question < 500) {
    const int32_t next_first = desktop::plan().question(question + 1).firstLine;
    if (next_first > desktop::plan().question(question).firstLine && record >= next_first) return std::nullopt;
  }
  return ReadStepRecord(desktop::plan().stepFile(), record);
}

void FrmMain::setData() {
  const uint64_t load = ++load_count_;
  LblSuccess.SetVisible(false);
  ComeToFront();
  Try([&] { desktop::editPlan().SetStepFile(desktop::SessionStepFile()); });
  Try([&] { desktop::editPlan().SetIndexFile(desktop::SessionIndexFile()); });
  Try([&] { Text1.SetFontSize(9 * frame::installation().scaleX()); });
  Try([&] { Text2.SetFontSize(9 * frame::installation().scaleX()); });
  ResetMenuBar();

  std::optional<std::string> record;
  auto next = std::exchange(next_record_, std::nullopt);
  if (next && next->first == desktop::plan().stepFile())
    record = std::move(next->second);
  else
    Try([&] { record = ReadQuestionStep(cursor().question(), cursor().step()); });
  if (!record) {
    ForgetStep();
    return;
  }
  step_ = StepRecord(std::move(*record));

  ParkTabLabels();
  if (cursor().step() == 1)
    for (long k = 1; k <= 5; ++k) Try([&] { Overlay(k).SetPicture(nullptr); });
  Try([&] { desktop::editPlan().SetResumeStep(cursor().question(), cursor().step()); });
  LoadPictures();

  SetUpTextBox();
  if (load != load_count_) return;
  SetUpHintLabel();
  SetUpMenuBar();
  SetUpTargetBox();
  SetUpTabStep();
  SetUpBackRegion();
  SetUpLabel4Box();
  if (!SetUpStepCode(load)) return;
  SetUpPointerAndTooltip();
  SetHintsVisible(desktop::plan().runMode() == desktop::RunMode::kPracticeWithHints);
}

void FrmMain::ForgetStep() {
  step_ = StepRecord();
  mStepCode = 0;
  Timer3.SetEnabled(false);
}

void FrmMain::ComeToFront() {
  Try([] { gDesktopHooks.onStepLoaded(); });
  Try([&] { ZOrder(0); });
}

void FrmMain::ResetMenuBar() {
  for (int i = 1; i <= 9; ++i) {
    Try([&] {
      LMainMenu[i].Move((mMenuLeft + (i - 1) * mMenuWidth) * frame::installation().scaleX(), mMenuTop * frame::installation().scaleY(), 870 * frame::installation().scaleX(),
                        270 * frame::installation().scaleY());
    });
    Try([&] { LMainMenu[i].SetCaption(""); });
  }
  // Pictures cleared and titles hidden until the record says otherwise; an open menu closes
  // with its step, so that none of its regions answers the next one.
  menu_bar_.LoadStep(StepRecord());
  ShowMenuBar();
}

void FrmMain::ParkTabLabels() {
  for (int i = 0; i <= 13; ++i) {
    Try([&] { LblXXK[i].SetHeight(1); });
    Try([&] { LblXXK[i].SetWidth(1); });
    Try([&] { LblXXK[i].SetLeft(-1 * frame::installation().scaleX()); });
    Try([&] { LblXXK[i].SetTop(-1 * frame::installation().scaleY()); });
    Try([&] { LblXXK[i].SetCaption(""); });
  }
}

void FrmMain::LoadPictures() {
  const StepRecord rec = Step();
  const int16_t q = cursor().question();
  if (!rec.KeepsBackground()) {
    const std::string id = rec.BackgroundId();
    Try([&] { SetPicture(forms::LoadPicture(frame::installation().dataPath() + id + ".mxy")); });
    Try([&] { desktop::editPlan().SetPictureId(q, 0, id); });
  }
  for (long k = 1; k <= 5; ++k) {
    forms::Image& img = Overlay(k);
    if (rec.OverlayHidden(k)) {
      img.SetVisible(false);
      continue;
    }
    Try([&] { img.SetLeft(rec.OverlayX(k) * frame::installation().scaleX()); });
    if (k == 5) Try([&] { mHandleX = platform::CLng(img.Left()); });
    Try([&] { img.SetTop(rec.OverlayY(k) * frame::installation().scaleY()); });
    if (k == 5) Try([&] { mHandleY = platform::CInt(img.Top()); });
    const std::string id = rec.OverlayId(k);
    if (id != StepRecord::kKeepPicture) {
      Try([&] { img.SetPicture(forms::LoadPicture(frame::installation().dataPath() + id + ".mxy")); });
      Try([&] { desktop::editPlan().SetPictureId(q, k, id); });
    }
    img.SetVisible(true);
  }
  Try([&] { mDragTargetX = rec.PointX(); });
  Try([&] { mDragTargetY = rec.PointY(); });
}

void FrmMain::SetUpHintLabel() {
  const StepRecord rec = Step();
  if (!rec.HasHintPosition()) return;
  Try([&] { LHelp.SetLeft(rec.HintX() * frame::installation().scaleX()); });
  Try([&] { LHelp.SetTop(rec.HintY() * frame::installation().scaleY()); });
  const TextLineRef hint = rec.HintLine();
  if (hint.IsNone()) {
    LHelp.SetCaption("  ");
    return;
  }
  Try([&] {
    std::string text = StepTextOrLast(desktop::plan().textFile(), hint.Number()).value_or("");
    LHelp.SetCaption(text);
    mHintText = std::move(text);
  });
}

void FrmMain::SetUpTargetBox() {
  const StepRecord rec = Step();
  mTargetUnplaced = false;
  if (!rec.HasTargetBox()) {
    Label1.SetVisible(false);
  } else {
    Label1.SetVisible(true);
    // A number that does not fit the format skips its assignment and would leave part of
    // another step's box live: such a box takes no action.
    bool placed = Try([&] { Label1.SetLeft(rec.TargetX() * frame::installation().scaleX()); });
    placed &= Try([&] { Label1.SetTop(rec.TargetY() * frame::installation().scaleY()); });
    Try([&] { mTargetWidth = rec.TargetWidth(); });
    placed &= Try([&] { Label1.SetWidth(rec.TargetWidth() * frame::installation().scaleX()); });
    placed &= Try([&] { mTargetHeight = rec.TargetHeight(); });
    if (mTargetHeight != 0) {
      Try([&] { Label1.SetAutoSize(false); });
      placed &= Try([&] { Label1.SetHeight(rec.TargetHeight() * frame::installation().scaleY()); });
    } else {
      Try([&] { Label1.SetAutoSize(true); });
    }
    mTargetUnplaced = !placed;
    if (!placed) ParkTargetBox();
  }
  if (mTargetHeight == 0) {
    Try([&] { Label1.SetHeight(1); });
    Try([&] { Label1.SetWidth(1); });
  }
  Try([&] { Shape1.Move(Label1.Left(), Label1.Top(), Label1.Width(), Label1.Height()); });
}

void FrmMain::ParkTargetBox() {
  Label1.SetVisible(false);
  Try([&] { Label1.Move(-2, Label1.Top(), 1, 1); });
}

// The tab strip's load has read the back region of a "Q" record (it replaces a layout's own).
void FrmMain::SetUpBackRegion() {
  if (!Step().HasBackRegion()) return;
  ShowTabLabel(TabStrip::kBackRegion);
  Try([&] { LblXXK[0].SetCaption(""); });
}

void FrmMain::SetUpLabel4Box() {
  const StepRecord rec = Step();
  if (rec.HasLabel4Box()) {
    Label4.SetVisible(true);
    Try([&] { Label4.SetLeft(rec.Label4X() * frame::installation().scaleX()); });
    Try([&] { Label4.SetTop(rec.Label4Y() * frame::installation().scaleY()); });
    Try([&] { Label4.SetWidth(rec.Label4Width() * frame::installation().scaleX()); });
    Try([&] { Label4.SetHeight(rec.Label4Height() * frame::installation().scaleY()); });
  } else {
    Try([&] { Label4.SetWidth(1); });
    Try([&] { Label4.SetHeight(1); });
    Try([&] { Label4.SetLeft(-1); });
  }
  Try([&] { Shape4.Move(Label4.Left(), Label4.Top(), Label4.Width(), Label4.Height()); });
}

void FrmMain::SetUpPointerAndTooltip() {
  const StepRecord rec = Step();
  Try([&] { Label1.SetMousePointer(0); });
  Try([&] {
    const TargetPointer pointer = PointerOverTarget(rec, frame::installation().appPath() + "\\");
    if (!pointer.cursor_file.empty()) {
      // A cursor that cannot be loaded leaves the icon as it was and the default pointer.
      forms::PicturePtr cursor = forms::LoadPicture(pointer.cursor_file);
      Label1.SetMouseIcon(std::move(cursor));
      Label1.SetMousePointer(forms::kCustomPointer);
    } else {
      Label1.SetMousePointer(static_cast<int>(pointer.shape));
    }
  });
  Try([&] {
    const int16_t n = rec.TooltipLine().Number();
    Label1.SetToolTipText(n < 1 ? "" : StepTextOrLast(desktop::plan().textFile(), n).value_or(""));
  });
}

// The hint line and the target frames: shown with each step in practice with hints, otherwise
// only when the learner asks.
void FrmMain::SetHintsVisible(bool shown) {
  for (forms::Control* c : std::initializer_list<forms::Control*>{&LHelp, &Shape1, &Shape2, &Shape4})
    c->SetVisible(shown);
}

}  // namespace xpexam::desktop
