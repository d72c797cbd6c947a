// LoadStep: lays out step mDemoStep of the current question on the demonstration's copy of the
// desktop, through the step scene the desktop lays its records out with. A statement that can
// fail (a record number that does not fit, a missing picture) is skipped on failure; the next
// one runs.
#include <optional>
#include <string>

#include "demo/demo_files.h"
#include "demo/demonstration.h"
#include "desktop/session_plan.h"
#include "desktop/step_family.h"
#include "desktop/step_record.h"
#include "desktop/tab_strip.h"
#include "forms/pictures.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::demo {

using desktop::StepRecord;
using platform::Try;
using platform::TryEach;

void FrmYanShi::LoadAnswerBox(const StepRecord& rec) {
  if (scene_.ShowAnswerBox(rec)) scene_.FormatAnswerBox(rec);
}

void FrmYanShi::LoadTabStep(const StepRecord& rec) {
  const frame::Installation& inst = frame::installation();
  desktop::ImageSlots slots;
  for (long k = 1; k <= 5; ++k) {
    const auto at = static_cast<size_t>(k - 1);
    slots.left[at] = platform::CLng(ImageSlot(k).Left() / inst.scaleX());
    slots.top[at] = platform::CLng(ImageSlot(k).Top() / inst.scaleY());
    // The right tab brings back the record's own page, also for a slot that kept its picture.
    slots.picture_id[at] = rec.OverlayId(k);
  }
  const std::optional<desktop::TabRequest> request = tab_strip_.LoadStep(rec, slots, scene_.HintText());
  ShowTabLabels();
  if (request) ApplyTabRequest(*request);
}

void FrmYanShi::ShowTabLabels() {
  for (int i = 0; i <= desktop::TabStrip::kLastTab; ++i) scene_.ShowTab(tab_strip_, i);
}

void FrmYanShi::ApplyTabRequest(const desktop::TabRequest& request) {
  // A page that cannot be read leaves the slot as it was.
  if (request.slot >= 1 && request.slot <= 5 && request.page && !request.page->empty())
    Try([&] { ImageSlot(request.slot).SetPicture(forms::LoadPicture(frame::installation().dataPath() + *request.page + ".mxy")); });
  if (request.show_target_box) Label1.SetVisible(true);
  LHelp.SetCaption(request.hint);
  if (request.target_live) {
    scene_.RestoreTargetSize();
    return;
  }
  Label1.Move(Label1.Left(), Label1.Top(), 1, 1);
  // The red frame surrounds the tab to select, parked or not; a target beyond the strip leaves it.
  const int target = tab_strip_.TabTarget();
  if (target >= 0 && target <= desktop::TabStrip::kLastTab) {
    const forms::Label& tab = LblXXK[target];
    Shape1.Move(tab.Left(), tab.Top(), tab.Width(), tab.Height());
  }
}

void FrmYanShi::ApplyTypingHint(const StepRecord& rec) {
  const desktop::TypingPrompt prompt = desktop::StepFamily(rec.CodeFamily()).demonstration_prompt;
  if (!prompt) return;
  if (prompt.clears_selection) Text1.SetSelLength(0);
  Shape1.SetVisible(false);
  LHelp.SetCaption(prompt.Around(LHelp.Caption()));
}

void FrmYanShi::ResetStep() {
  Shape5.SetBorderColor(0xFF);
  ClearContextMenus();
  mTypedCount = 0;
  scene_.ResetAnswerFonts();
  mTicks = 0;
  Shape6.Move(Shape6.Left(), Shape6.Top(), 10, 10);
  mBandOn = false;
  ClearMenuPictures();
  LayOutTitleRegions();
  ImgMenuSys.SetVisible(LMainMenu[1].Visible());
}

bool FrmYanShi::ReadStep() {
  // Past the end of a step file without its final record the last record would be replayed
  // for ever (a step without travel loads the next one at once): the run ends there instead,
  // as it does when the step file cannot be read at all.
  const desktop::SessionPlan& plan = desktop::plan();
  bool past_end = false;
  Try([&] {
    const long line = static_cast<long>(plan.question(desktop::cursor().question()).firstLine) + mDemoStep - 1;
    if (auto rec = ReadLineOrLast(plan.stepFile(), line, &past_end))
      step_ = desktop::StepRecord(*rec);
    else
      past_end = true;
  });
  return !past_end;
}

void FrmYanShi::LoadPictures(const StepRecord& rec) {
  scene_.ShowPictures(rec);
  TryEach([&] { mExtraPointX = rec.PointX(); }, [&] { mExtraPointY = rec.PointY(); });
}

void FrmYanShi::LoadHintLabel(const StepRecord& rec) {
  // The hint line shows as soon as the record places it.
  if (rec.HasHintPosition()) LHelp.SetVisible(true);
  scene_.PlaceHint(rec);
}

void FrmYanShi::LoadMenuTitles(const StepRecord& rec) {
  const bool live = rec.MenuBarActive();
  for (int i = 1; i <= 9; ++i) LMainMenu[i].SetVisible(live);
  ImgMenuSys.SetVisible(LMainMenu[1].Visible());
}

void FrmYanShi::EndAtLastStep(bool final_record) {
  if (final_record) LHelp.SetCaption("操作成功！");
  Shape1.SetVisible(false);
  TimEnd.SetEnabled(true);
}

void FrmYanShi::LoadStep() {
  ResetStep();
  const bool read = ReadStep();
  const StepRecord rec = step_;
  scene_.ParkTabs();
  LoadPictures(rec);
  LoadAnswerBox(rec);
  LoadHintLabel(rec);
  scene_.ShowHints(desktop::plan().runMode() == desktop::RunMode::kPracticeWithHints);
  LoadMenuTitles(rec);
  scene_.PlaceTarget(rec);
  if (rec.IsTabStep()) LoadTabStep(rec);
  scene_.PlaceLabel4Box(rec);
  mSecondLeg = false;
  scene_.TakeStepCode(rec, mStepCode);
  const bool final_record = rec.IsFinal();
  if (final_record || !read) {
    EndAtLastStep(final_record && read);
    return;
  }
  Shape1.SetVisible(LHelp.Visible());
  scene_.PlacePasswordBox(rec);
  ApplyTypingHint(rec);
  scene_.PlaceFrames(rec);
  if (request_.on_step_shown) Try([&] { request_.on_step_shown(); });
  ZOrder(0);
  Shape2.SetVisible(LHelp.Visible());
  ClearContextMenus();
  AimAtStepTarget();
}

}  // namespace xpexam::demo
