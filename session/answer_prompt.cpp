// The answer prompt.
#include "session/answer_prompt.h"

#include "desktop/demonstration_state.h"
#include "desktop/desktop_window.h"
#include "desktop/session_plan.h"
#include "forms/msgbox.h"
#include "frame/data_picture.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "session/question_bar.h"
#include "session/session_exit.h"

namespace xpexam::session {

using frame::DataPicture;
using frame::DataPictureOrNone;
using frame::ScaleX;
using frame::ScaleY;
using platform::Try;

FrmCZTS::FrmCZTS() : FrmCZTSControls(static_cast<forms::Form&>(*this)) {
  SetBorderStyle(forms::WindowBorder::kFixedDialog);
  SetStartUpPosition(forms::StartPosition::kCenterScreen);
  Move(0, 0, 4815, 5130);
  Shape1.Move(60, 60, 4695, 5010);
  Shape1.SetBorderColor(0x00808080);
  Shape2.Move(75, 75, 4695, 5010);
  Shape2.SetBorderColor(0x00FFFFFF);
  Label3.Move(240, 360);
  Label3.SetAutoSize(true);
  Label3.SetBackStyle(forms::Background::kTransparent);
  Label3.SetForeColor(0x00FF0000);
  Label3.SetFontSize(12);
  Label3.SetCaption("请注意!!!");
  Label2.Move(240, 840, 4380, 3540);
  Label2.SetBackStyle(forms::Background::kTransparent);
  Label2.SetWordWrap(true);
  Label2.SetForeColor(0x000000FF);
  Label2.SetFontSize(12);
  Label2.SetCaption(
      "1.正式考试时不能看答案。\r\n\r\n"
      "2.如果有不会做的题目，在结束考试后，可以点“本次错题复习”或者“本次考题复习”，这时，所有试题都可以查看答案（手把手教和操作演示都可以）。\r\n\r\n"
      "3.如果你实在等不及了，可以点“我想立即看答案”。");
  Command1.Move(360, 4440);
  Command2.Move(2520, 4440);
  Command1.Click = [this] { Unload(); };
  Label2.Click = [this] { Unload(); };
  Label3.Click = [this] { Unload(); };
  Command2.Click = [this] { Command2_Click(); };
}

void FrmCZTS::Form_Load() {
  Try([&] { SetIcon(DataPicture("l62011")); });
  SetCaption(frame::DialogCaption());
  SetTopMost(true);
  // The buttons lie near the bottom of the design: the title bar comes on top of it.
  SetHeight(5130 + Height() - ScaleHeight());
  Command1.Move(Command1.Left(), Command1.Top(), ScaleX(1920), ScaleY(450));
  Command2.Move(Command2.Left(), Command2.Top(), ScaleX(1920), ScaleY(450));
  if (auto picture = DataPictureOrNone("l01038")) Command1.SetPicture(picture);
  if (auto picture = DataPictureOrNone("l01039")) Command2.SetPicture(picture);
}

void FrmCZTS::Command2_Click() {
  const int answer = forms::MsgBox(
      "立即看答案将不能测试您的实际水平，如果你坚持现在看答案，成绩将不记入本次练习记录！\r\n您现在就要看答案吗？",
      forms::kYesNo, "不建议您立即看答案");
  if (answer != forms::kYes) return;
  desktop::TurnToPractice();
  auto& bar = FrmTm::Get();
  bar.ShowPracticeButtons();
  editSessionExit().KeepBarOpen();
  desktop::StopRecordingRun();
  Unload();
  desktop::FrmMain::Get().Show();
  desktop::editDemonstration().MarkRunning();
  bar.ArmDemonstration();
  bar.FollowRunModeAtNextTick();
}

}  // namespace xpexam::session
