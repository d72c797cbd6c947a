// The step loader: one step record turned into what the learner sees and can act on.
// Every statement runs on its own: one that fails is skipped and the load goes on.
#include "desktop/desktop_window.h"

#include "desktop/hooks.h"
#include "desktop/pointer_code.h"
#include "desktop/session_plan.h"
#include "desktop/step_record.h"
#include "desktop/typed_answer.h"
#include "forms/pictures.h"
#include "frame/installation.h"
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
  if (question < SessionPlan::kMaxQuestions) {
    const int32_t next_first = plan.question(question + 1).firstLine;
    if (next_first > plan.question(question).firstLine && record >= next_first) return std::nullopt;
  }
  return ReadStepRecord(plan.stepFile(), record);
}

void FrmMain::LoadStep() {
  const uint64_t load = ++load_count_;
  const StepCursor& at = cursor();
  LblSuccess.SetVisible(false);
  ComeToFront();
  // The session slot is a 16-bit sum: out of range, the files stay as they were.
  Try([&] { ReopenSlotFiles(); });
  scene_.ResetAnswerFonts();
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

  scene_.ParkTabs();
  if (at.step() == 1)
    for (forms::Image* img : {&Image1, &Image2, &Image3, &Image4, &Image5}) img->SetPicture(nullptr);
  Try([&] { SetResumeStep(at.question(), at.step()); });
  LoadPictures();

  SetUpTextBox();
  if (load != load_count_) return;
  scene_.PlaceHint(Step());
  SetUpMenuBar();
  scene_.PlaceTarget(Step());
  SetUpTabStep();
  SetUpBackRegion();
  scene_.PlaceLabel4Box(Step());
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

void FrmMain::LoadPictures() {
  const StepRecord rec = Step();
  scene_.ShowPictures(rec);
  // The question's position is bounded: outside it the pictures show but are not noted.
  const int16_t q = cursor().question();
  if (!rec.KeepsBackground()) Try([&] { NotePictureShown(q, 0, rec.BackgroundId()); });
  for (long k = 1; k <= 5; ++k) {
    if (!rec.OverlayHidden(k) && !rec.OverlayKeepsPicture(k))
      Try([&] { NotePictureShown(q, k, rec.OverlayId(k)); });
  }
  if (!rec.OverlayHidden(5)) {
    mHandleX = platform::CLng(Image5.Left());
    Try([&] { mHandleY = platform::CInt(Image5.Top()); });
  }
  Try([&] { mDragTargetX = rec.PointX(); });
  Try([&] { mDragTargetY = rec.PointY(); });
}

// The tab strip's load has read the back region of a "Q" record (it replaces a layout's own).
void FrmMain::SetUpBackRegion() {
  if (!Step().HasBackRegion()) return;
  scene_.ShowTab(tab_strip_, TabStrip::kBackRegion);
  LblXXK[0].SetCaption("");
}

void FrmMain::SetUpPointerAndTooltip() {
  const StepRecord rec = Step();
  Label1.SetMousePointer(forms::PointerStyle::kDefault);
  Try([&] {
    const TargetPointer pointer = PointerOverTarget(rec, frame::installation().appPath() + "\\");
    if (!pointer.cursor_file.empty()) {
      // A cursor that cannot be loaded leaves the icon as it was and the default pointer.
      forms::PicturePtr cursor = forms::LoadPicture(pointer.cursor_file);
      Label1.SetMouseIcon(std::move(cursor));
      Label1.SetMousePointer(forms::PointerStyle::kCustom);
    } else {
      Label1.SetMousePointer(pointer.shape);
    }
  });
  Try([&] {
    const int16_t n = rec.TooltipLine().Number();
    Label1.SetToolTipText(n < 1 ? "" : StepTextOrLast(desktop::plan().textFile(), n).value_or(""));
  });
}

// The hint line and the frames: shown with each step in practice with hints, otherwise only
// when the learner asks. The yellow frame shows with them at once here; the demonstration shows
// it once its step is under way.
void FrmMain::SetHintsVisible(bool shown) {
  scene_.ShowHints(shown);
  Shape2.SetVisible(shown);
}

}  // namespace xpexam::desktop
