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
  const SessionPlan& plan = desktop::plan();
  if (question < 500) {
    const int32_t next_first = plan.question(question + 1).firstLine;
    if (next_first > plan.question(question).firstLine && record >= next_first) return std::nullopt;
  }
  return ReadStepRecord(plan.stepFile(), record);
}

void FrmMain::setData() {
  const uint64_t load = ++load_count_;
  const double sx = frame::installation().scaleX();
  const StepCursor& at = cursor();
  LblSuccess.SetVisible(false);
  ComeToFront();
  // The session slot is a 16-bit sum: out of range, the files stay as they were.
  Try([&] { desktop::editPlan().SetStepFile(desktop::SessionStepFile()); });
  Try([&] { desktop::editPlan().SetIndexFile(desktop::SessionIndexFile()); });
  Try([&] { Text1.SetFontSize(9 * sx); });
  Try([&] { Text2.SetFontSize(9 * sx); });
  ResetMenuBar();

  std::optional<std::string> record;
  auto next = std::exchange(next_record_, std::nullopt);
  if (next && next->first == desktop::plan().stepFile())
    record = std::move(next->second);
  else
    Try([&] { record = ReadQuestionStep(at.question(), at.step()); });
  if (!record) {
    ForgetStep();
    return;
  }
  step_ = StepRecord(std::move(*record));

  ParkTabLabels();
  if (at.step() == 1)
    for (forms::Image* img : {&Image1, &Image2, &Image3, &Image4, &Image5}) img->SetPicture(nullptr);
  Try([&] { desktop::editPlan().SetResumeStep(at.question(), at.step()); });
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
  ZOrder(0);
}

void FrmMain::ResetMenuBar() {
  const frame::Installation& inst = frame::installation();
  for (int i = 1; i <= 9; ++i) {
    LMainMenu[i].Move((mMenuLeft + (i - 1) * mMenuWidth) * inst.scaleX(), mMenuTop * inst.scaleY(), 870 * inst.scaleX(),
                      270 * inst.scaleY());
    LMainMenu[i].SetCaption("");
  }
  // Pictures cleared and titles hidden until the record says otherwise; an open menu closes
  // with its step, so that none of its regions answers the next one.
  menu_bar_.LoadStep(StepRecord());
  ShowMenuBar();
}

void FrmMain::ParkTabLabels() {
  const frame::Installation& inst = frame::installation();
  for (int i = 0; i <= 13; ++i) {
    LblXXK[i].Move(-1 * inst.scaleX(), -1 * inst.scaleY(), 1, 1);
    LblXXK[i].SetCaption("");
  }
}

void FrmMain::LoadPictures() {
  const frame::Installation& inst = frame::installation();
  const StepRecord rec = Step();
  const int16_t q = cursor().question();
  // The question's position is bounded: outside it the pictures show but are not noted.
  if (!rec.KeepsBackground()) {
    const std::string id = rec.BackgroundId();
    Try([&] { SetPicture(forms::LoadPicture(inst.dataPath() + id + ".mxy")); });
    Try([&] { desktop::editPlan().SetPictureId(q, 0, id); });
  }
  for (long k = 1; k <= 5; ++k) {
    forms::Image& img = Overlay(k);
    if (rec.OverlayHidden(k)) {
      img.SetVisible(false);
      continue;
    }
    Try([&] { img.SetLeft(rec.OverlayX(k) * inst.scaleX()); });
    if (k == 5) mHandleX = platform::CLng(img.Left());
    Try([&] { img.SetTop(rec.OverlayY(k) * inst.scaleY()); });
    if (k == 5) Try([&] { mHandleY = platform::CInt(img.Top()); });
    const std::string id = rec.OverlayId(k);
    if (id != StepRecord::kKeepPicture) {
      Try([&] { img.SetPicture(forms::LoadPicture(inst.dataPath() + id + ".mxy")); });
      Try([&] { desktop::editPlan().SetPictureId(q, k, id); });
    }
    img.SetVisible(true);
  }
  Try([&] { mDragTargetX = rec.PointX(); });
  Try([&] { mDragTargetY = rec.PointY(); });
}

void FrmMain::SetUpHintLabel() {
  const frame::Installation& inst = frame::installation();
  const StepRecord rec = Step();
  if (!rec.HasHintPosition()) return;
  Try([&] { LHelp.SetLeft(rec.HintX() * inst.scaleX()); });
  Try([&] { LHelp.SetTop(rec.HintY() * inst.scaleY()); });
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
  const frame::Installation& inst = frame::installation();
  const StepRecord rec = Step();
  mTargetUnplaced = false;
  if (!rec.HasTargetBox()) {
    Label1.SetVisible(false);
  } else {
    Label1.SetVisible(true);
    // A number that does not fit the format skips its assignment and would leave part of
    // another step's box live: such a box takes no action.
    bool placed = Try([&] { Label1.SetLeft(rec.TargetX() * inst.scaleX()); });
    placed &= Try([&] { Label1.SetTop(rec.TargetY() * inst.scaleY()); });
    Try([&] { mTargetWidth = rec.TargetWidth(); });
    placed &= Try([&] { Label1.SetWidth(rec.TargetWidth() * inst.scaleX()); });
    placed &= Try([&] { mTargetHeight = rec.TargetHeight(); });
    if (mTargetHeight != 0) {
      Label1.SetAutoSize(false);
      placed &= Try([&] { Label1.SetHeight(rec.TargetHeight() * inst.scaleY()); });
    } else {
      Label1.SetAutoSize(true);
    }
    mTargetUnplaced = !placed;
    if (!placed) ParkTargetBox();
  }
  if (mTargetHeight == 0) Label1.Move(Label1.Left(), Label1.Top(), 1, 1);
  Shape1.Move(Label1.Left(), Label1.Top(), Label1.Width(), Label1.Height());
}

void FrmMain::ParkTargetBox() {
  Label1.SetVisible(false);
  Label1.Move(-2, Label1.Top(), 1, 1);
}

// The tab strip's load has read the back region of a "Q" record (it replaces a layout's own).
void FrmMain::SetUpBackRegion() {
  if (!Step().HasBackRegion()) return;
  ShowTabLabel(TabStrip::kBackRegion);
  LblXXK[0].SetCaption("");
}

void FrmMain::SetUpLabel4Box() {
  const frame::Installation& inst = frame::installation();
  const StepRecord rec = Step();
  if (rec.HasLabel4Box()) {
    Label4.SetVisible(true);
    Try([&] { Label4.SetLeft(rec.Label4X() * inst.scaleX()); });
    Try([&] { Label4.SetTop(rec.Label4Y() * inst.scaleY()); });
    Try([&] { Label4.SetWidth(rec.Label4Width() * inst.scaleX()); });
    Try([&] { Label4.SetHeight(rec.Label4Height() * inst.scaleY()); });
  } else {
    Label4.Move(-1, Label4.Top(), 1, 1);
  }
  Shape4.Move(Label4.Left(), Label4.Top(), Label4.Width(), Label4.Height());
}

void FrmMain::SetUpPointerAndTooltip() {
  const StepRecord rec = Step();
  Label1.SetMousePointer(0);
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
