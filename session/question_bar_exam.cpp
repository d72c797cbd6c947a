// The question bar in a mock exam: the clock, the hand-in button and the button
// that shows the answer at once.
#include "desktop/demonstration_state.h"
#include "desktop/desktop_window.h"
#include "desktop/session_plan.h"
#include "forms/msgbox.h"
#include "session/ime_window.h"
#include "session/picture_window.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "session/answer_prompt.h"
#include "session/hand_in.h"
#include "session/question_bar.h"
#include "session/hooks.h"

namespace xpexam::session {

using platform::Try;

void FrmTm::HandIn() {
  SetLeft(0);
  SetTop(0);
  SetVisible(false);
  FrmEnd1::Get().ShowModal();
}

void FrmTm::SeeAnswerNow() {
  FrmPicture::Get().SetVisible(false);
  Image2.SetCaption("显示图片");
  FrmCZTS::Get().ShowModal();
}

void FrmTm::TimeKS_Timer() {
  const desktop::SessionPlan& plan = desktop::plan();
  if (!desktop::IsExam(plan.kind())) {
    TimeKS.SetEnabled(false);
    return;
  }
  LblTime.SetCaption("剩余" + std::to_string(plan.minutesLeft()) + "分钟");
  // The minutes left never exceed those every session starts with.
  LblTimeJD.SetWidth((desktop::kExamMinutes - plan.minutesLeft()) * PTime.Width() / desktop::kExamMinutes);
  Try([&] { desktop::CountDownMinute(); });
  if (plan.minutesLeft() != 0) return;
  forms::MsgBox("时间已到，自动交卷！", forms::kOkOnly, frame::installation().moduleName());
  TimeKS.SetEnabled(false);
  // A confirmation already on its way leads to the hand-in by itself.
  if (FrmEnd1::IsLoaded() || FrmEnd2::IsLoaded()) return;
  // The modal windows the clock may have run out in make way for the confirmations.
  FrmCZTS::UnloadIfLoaded();
  // So does a demonstration, playing or about to start: the desktop and the bar come back.
  if (TimStartYS.Enabled()) {
    TimStartYS.SetEnabled(false);
    mDemoTicks = 0;
    desktop::editDemonstration().MarkStopped();
    TimerREDO.SetEnabled(true);
  }
  gSessionHooks.onTimeRanOut();
  FrmIME::UnloadIfLoaded();
  // The question reloads once the confirmations are gone: a reload raises the bar above them.
  const bool reload = TimerREDO.Enabled();
  TimerREDO.SetEnabled(false);
  FrmEnd1::Get().ShowModal();
  if (reload && FrmTm::IsLoaded() && &FrmTm::Get() == this) TimerREDO.SetEnabled(true);
}

}  // namespace xpexam::session
