// The hand-in confirmations.
#include "session/hand_in.h"

#include "desktop/desktop_window.h"
#include "desktop/session_plan.h"
#include "frame/data_picture.h"
#include "frame/installation.h"
#include "session/score_report.h"
#include "session/question_bar.h"
#include "session/session_exit.h"

namespace xpexam::session {

using frame::DataPictureOrNone;
using frame::ScaleX;
using frame::ScaleY;

HandInConfirmation::HandInConfirmation(forms::Form& form)
    : Frame1(form, "Frame1"), Label1(Frame1, "Label1"), Command1(form, "Command1"), Command2(form, "Command2"), form_(form) {
  form.SetBorderStyle(forms::WindowBorder::kFixedDialog);
  form.SetStartUpPosition(forms::StartPosition::kCenterScreen);
  form.SetCaption("重要提示");
  form.SetBackColor(0x00D8E9EB);
  form.Move(0, 0, 4410, 2670);
  Frame1.SetBackColor(0x00D8E9EB);
  Frame1.Move(120, 60, 4095, 1860);
  Label1.Move(120, 240, 3855, 1500);
  Label1.SetForeColor(0x000000FF);
  Label1.SetFont({"宋体", 15, true});
  Label1.SetBorderStyle(forms::BoxBorder::kFixedSingle);
  Label1.SetWordWrap(true);
  Command2.Click = [this] { Back(); };
}

void HandInConfirmation::LoadLayout() {
  // Missing pictures leave a plain window and plain buttons that still work.
  if (auto picture = DataPictureOrNone("l62011")) form_.SetIcon(picture);
  // Above the topmost bar and whatever else is open when the clock runs out.
  form_.SetTopMost(true);
  // The window, its frame and the buttons' places keep their design twips, as the prompt's
  // frame does; only the buttons' size follows the scale. The buttons lie near the bottom of
  // the design: the title bar comes on top of it.
  form_.Move(form_.Left(), form_.Top(), 4410, 2670 + form_.Height() - form_.ScaleHeight());
  Command1.Move(600, 2160, ScaleX(1320), ScaleY(420));
  Command2.Move(2400, 2160, ScaleX(1320), ScaleY(420));
  if (auto picture = DataPictureOrNone("l01041")) Command1.SetPicture(picture);
  if (auto picture = DataPictureOrNone("l01042")) Command2.SetPicture(picture);
}

void HandInConfirmation::Back() {
  form_.Unload();
  if (!FrmTm::IsLoaded()) return;
  if (desktop::FrmMain::IsLoaded()) DockBar();
  FrmTm::Get().Show();
}

void HandInConfirmation::BackInstead(int& cancel, int unload_mode) {
  if (unload_mode != forms::kUnloadFromControlMenu) return;
  cancel = 1;
  Back();
}

bool HasOpenOrMarkedQuestions() {
  for (long i = 1; i <= desktop::kPaperQuestions; ++i) {
    const int16_t status = desktop::plan().question(i).status;
    if (status % 2 == 0 || status == 3 || status == 7) return true;
  }
  return false;
}

FrmEnd1::FrmEnd1() : HandInConfirmation(static_cast<forms::Form&>(*this)) {
  Command1.Click = [this] {
    Unload();
    FrmEnd2::Get().ShowModal();
  };
}

void FrmEnd1::Form_QueryUnload(int& cancel, int unload_mode) { BackInstead(cancel, unload_mode); }

void FrmEnd1::Form_Load() {
  LoadLayout();
  if (HasOpenOrMarkedQuestions())
    Label1.SetCaption("您还有题目未做或仍处于标识状态！\r\n\r\n您是否确定交卷?");
  else
    Label1.SetCaption("\r\n您是否确定交卷?");
}

FrmEnd2::FrmEnd2() : HandInConfirmation(static_cast<forms::Form&>(*this)) {
  Label1.SetCaption("按“交卷”后您将退出本场考试，并且不能重新登录!\r\n\r\n是否确定交卷?");
  Command1.Click = [this] { HandIn(); };
}

void FrmEnd2::Form_Load() { LoadLayout(); }

void FrmEnd2::Form_QueryUnload(int& cancel, int unload_mode) { BackInstead(cancel, unload_mode); }

void FrmEnd2::HandIn() {
  desktop::RestartClock();
  Unload();
  editSessionExit().AllowBarClose();
  FrmTm::UnloadIfLoaded();
  desktop::FrmMain::UnloadIfLoaded();
  FrmChengji::Get().Show();
}

}  // namespace xpexam::session
