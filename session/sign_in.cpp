// The simulated sign-in.
#include "session/sign_in.h"

#include "desktop/desktop_window.h"
#include "desktop/session_plan.h"
#include "forms/backend.h"
#include "forms/msgbox.h"
#include "frame/candidate.h"
#include "frame/data_picture.h"
#include "frame/installation.h"
#include "frame/link_cursor.h"
#include "platform/clock.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "session/question_bar.h"
#include "session/hooks.h"
#include "session/session_exit.h"

namespace xpexam::session {

using frame::DataPicture;
using frame::DataPictureOrNone;
using platform::Try;
using platform::TryEach;
using namespace frame;

namespace {

constexpr forms::Color kPageColor = 0x00FEF9F6;

}  // namespace

std::string SeatNumber(const std::string& typed) { return platform::Right("00" + platform::Trim(typed), 2); }

std::string IdCardNumber(const std::string& typed) {
  return platform::Right(std::string(kSampleIdCard) + platform::Trim(typed), 18);
}

FrmLogon::FrmLogon() : FrmLogonControls(static_cast<forms::Form&>(*this)) {
  SetBorderStyle(forms::WindowBorder::kNone);
  SetWindowState(forms::WindowSize::kMaximized);
  SetBackColor(0x00808040);
  for (forms::PictureBox* page : {&Picture1, &Picture2}) {
    page->SetBorderStyle(forms::BoxBorder::kNone);
    page->SetBackColor(kPageColor);
    page->Move(0, 0, 12000, 9000);
  }
  const forms::Font font{"宋体", 12, true};
  TxtZwh.SetFont(font);
  TxtZwh.SetMaxLength(3);
  TxtZwh.SetText("18");
  TxtZwh.Move(0, 0, 1200, 360);
  TxtSFZ.SetFont(font);
  TxtSFZ.SetMaxLength(18);
  TxtSFZ.SetText(kSampleIdCard);
  TxtSFZ.Move(0, 0, 2880, 360);
  for (forms::Label* area : {&CmdLog, &CmdExit}) {
    area->SetBackStyle(forms::Background::kTransparent);
    area->Move(0, 0, 1335, 495);
    area->SetMousePointer(forms::PointerStyle::kCustom);
  }
  for (forms::Label* l : {&LblName, &LblZwh, &LblCC, &LblKm, &LblSfz, &LblDah, &LblDate}) {
    l->SetBackStyle(forms::Background::kTransparent);
    l->SetAutoSize(true);
    l->SetFont(font);
  }
  P2.SetBorderStyle(forms::BoxBorder::kNone);
  P2.Move(0, 0, 10335, 180);
  LJD.SetBackColor(0x00FF0000);
  LJD.Move(0, 0, 255, 375);
  TxtSFZ.KeyPress = [this](int& k) { TxtSFZ_KeyPress(k); };
  CmdLog.Click = [this] { CmdLog_Click(); };
  CmdExit.Click = [this] { CmdExit_Click(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
  Timer2.Tick = [this] { Timer2_Timer(); };
}

void FrmLogon::Form_Load() {
  const frame::Installation& inst = frame::installation();
  Try([&] { SetIcon(DataPicture("l62011")); });
  // Sizes and fonts scale with the places, so the boxes and lines keep their 96 dpi spacing.
  auto scaled = [&](forms::Control& c, double left, double top) {
    c.Move(left * inst.scaleX(), top * inst.scaleY(), c.Width() * inst.scaleX(), c.Height() * inst.scaleY());
  };
  scaled(TxtZwh, 5070, 4440);
  scaled(TxtSFZ, 5070, 4905);
  scaled(CmdLog, 4275, 5640);
  scaled(CmdExit, 6660, 5640);
  forms::TextControl* const texts[] = {&TxtZwh, &TxtSFZ, &LblName, &LblZwh, &LblCC, &LblKm, &LblSfz, &LblDah, &LblDate};
  for (forms::TextControl* t : texts) t->SetFontSize(12 * inst.scaleX());
  TryEach([&] { CmdLog.SetMouseIcon(frame::LinkCursor()); },
          [&] { CmdExit.SetMouseIcon(frame::LinkCursor()); });
  struct Place {
    forms::Label* label;
    double left, top;
  };
  const Place places[] = {{&LblName, 4080, 2610}, {&LblZwh, 4080, 2940}, {&LblCC, 4080, 3300},
                          {&LblKm, 2505, 4215},   {&LblSfz, 2505, 4590}, {&LblDah, 2505, 4950},
                          {&LblDate, 2505, 5250}};
  for (const Place& p : places) p.label->Move(p.left * inst.scaleX(), p.top * inst.scaleY());
  scaled(P2, 1110, 7980);
  scaled(LJD, 0, 0);
  if (auto picture = DataPictureOrNone("9l0056")) Picture1.SetPicture(picture);
  if (auto picture = DataPictureOrNone("9l0057")) Picture2.SetPicture(picture);
  desktop::ReopenTextFile();
  Try([] { desktop::ReopenSlotFiles(); });
}

void FrmLogon::Timer1_Timer() {
  Picture1.Move(0, 0);
  Picture2.Move(0, 0);
  Picture1.SetVisible(true);
  Picture2.SetVisible(false);
  Timer1.SetEnabled(false);
}

void FrmLogon::TxtSFZ_KeyPress(int& key_ascii) {
  const bool digit = key_ascii >= '0' && key_ascii <= '9';
  const bool check_letter = (key_ascii == 'X' || key_ascii == 'x') && platform::Len(TxtSFZ.Text()) >= 17;
  if (!digit && !check_letter && key_ascii != forms::kKeyBack) key_ascii = 0;
}

void FrmLogon::CmdLog_Click() {
  const frame::Candidate& candidate = frame::candidate();
  editSessionExit().KeepBarOpen();
  frame::editCandidate().SetSeatNo(SeatNumber(TxtZwh.Text()));
  frame::editCandidate().SetSittingNo("18");
  frame::editCandidate().SetIdCardNo(IdCardNumber(TxtSFZ.Text()));
  frame::editCandidate().SetArchiveNo("888888");
  LblName.SetCaption(candidate.name());
  LblZwh.SetCaption(candidate.seatNo());
  LblCC.SetCaption(candidate.sittingNo());
  LblKm.SetCaption(installation().moduleName());
  LblSfz.SetCaption(candidate.idCardNo());
  LblDah.SetCaption(candidate.archiveNo());
  LblDate.SetCaption(platform::FormatChineseDate(platform::Now()));
  Picture1.SetVisible(false);
  Picture2.SetVisible(true);
  Timer2.SetEnabled(true);
}

void FrmLogon::Timer2_Timer() {
  LJD.SetWidth(LJD.Width() + 1500 * installation().scaleX());
  if (LJD.Width() <= P2.Width()) return;
  Unload();
  desktop::NoteExamStarted(platform::FormatDateTime(platform::Now()));
  desktop::editCursor().GoToQuestion(1);
  FrmTm::Get().ReadQuestionAtNextTick();
  desktop::FrmMain::Get().Show();
  FrmTm::Get().Show();
}

void FrmLogon::CloseRequested() {
  if (Picture1.Visible() && !Picture2.Visible()) CmdExit_Click();
}

void FrmLogon::CmdExit_Click() {
  const int answer = forms::MsgBox("确实要退出考试系统吗？", forms::kYesNo + forms::kQuestion + forms::kDefaultButton2, installation().settings(0) + "Quellix");
  if (answer != forms::kYes) return;
  Unload();
  gSessionHooks.onSessionEnded(desktop::HomePanel::kNone);
}

}  // namespace xpexam::session
