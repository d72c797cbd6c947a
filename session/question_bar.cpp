// The question bar as a window: its layout, the closing guard, collapse to the mini bar and
// restore, the drags, and the docking at the desktop's lower right.
#include "session/question_bar.h"

#include <cmath>

#include "desktop/answer_input_method.h"
#include "desktop/desktop_window.h"
#include "desktop/session_plan.h"
#include "frame/candidate.h"
#include "frame/data_picture.h"
#include "frame/design_pictures.h"
#include "session/ime_window.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/keyboard.h"
#include "platform/strings.h"
#include "session/session_exit.h"

namespace xpexam::session {

using frame::DataPicture;
using frame::DataPictureOrNone;
using platform::Try;
using platform::TryEach;

namespace {

constexpr forms::Color kWhite = 0xFFFFFF;
constexpr forms::Color kBlue = 0xFF0000;

void Scaled(forms::Control& c, double left, double top, double width, double height) {
  const frame::Installation& inst = frame::installation();
  c.Move(left * inst.scaleX(), top * inst.scaleY(), width * inst.scaleX(), height * inst.scaleY());
}

}  // namespace

FrmTm::FrmTm() : FrmTmControls(static_cast<forms::Form&>(*this)) {
  SetBorderStyle(forms::WindowBorder::kNone);
  Move(0, 0, kDesignWidth, kDesignHeight);
  for (forms::Label* l : {&lblMove, &LblBiao, &LblUnit, &Label2, &Command2}) l->SetBackStyle(forms::Background::kTransparent);
  LblBiao.SetFont({"宋体", 10, true});
  LblBiao.SetForeColor(kWhite);
  LblBiao.SetAutoSize(true);
  FrmZhuYa.SetBorderStyle(forms::BoxBorder::kNone);
  RtbTM.SetMultiLine(true);
  RtbTM.SetLocked(true);
  RtbTM.SetScrollBars(forms::Scrolling::kVertical);
  RtbTM.SetFontSize(11);
  Image2.SetCaption("显示图片");
  Image2.SetForeColor(0);
  for (forms::Label* l : {&LblTime, &LblName, &LblIME}) {
    l->SetBorderStyle(forms::BoxBorder::kFixedSingle);
    l->SetFontSize(9);
  }
  LblIME.SetCaption("EN");
  LblIME.SetForeColor(kWhite);
  LblIME.SetBackColor(kBlue);
  PTime.SetBorderStyle(forms::BoxBorder::kNone);
  LblTimeJD.SetBackColor(kBlue);
  PicUnit.SetBorderStyle(forms::BoxBorder::kNone);
  LblUnit.SetFontSize(9);
  LblUnit.SetAutoSize(true);
  FrmZXH.SetBorderStyle(forms::BoxBorder::kNone);
  FrmZXH.Move(0, 0, 810, 870);
  FrmZXH.SetPicture(frame::MiniBarPicture());
  FrmZXH.SetVisible(false);
  Label2.Move(0, 0, 810, 270);
  Command2.Move((810 - 645) / 2.0, 270, 645, 540);
  mIme.SetCaption("输入法");
  mIme.SetVisible(false);
  mEng.SetCaption("英语（美国）");
  mEng.Click = [this] { ChooseLayout(ime_layouts_[0]); };
  for (int k = 1; k <= 10; ++k) {
    mCn.push_back(std::make_unique<forms::MenuItem>(mIme, "mCn" + std::to_string(k)));
    mCn.back()->SetCaption("中文" + std::to_string(k));
    mCn.back()->Click = [this, k] { ChooseLayout(ime_layouts_[k]); };
  }

  CmdGN.Click = [this](int i) { CmdGN_Click(i); };
  Image2.Click = [this] { Image2_Click(); };
  LblZXH.Click = [this] { LblZXH_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command2.MouseMove = [this](int, int, double, double) { Command2.SetBorderStyle(forms::BoxBorder::kFixedSingle); };
  FrmZXH.MouseMove = [this](int, int, double, double) { Command2.SetBorderStyle(forms::BoxBorder::kNone); };
  FrmZXH.MouseDown = [this](int b, int, double, double) { FrmZXH_MouseDown(b); };
  Label2.MouseDown = [this](int b, int, double, double) { Label2_MouseDown(b); };
  lblMove.MouseDown = [this](int b, int, double, double) { lblMove_MouseDown(b); };
  RtbTM.Click = [] { RestoreDesktop(); };
  RtbTM.KeyUp = [](int&, int) { RestoreDesktop(); };
  PicUnit.KeyUp = [](int&, int) { RestoreDesktop(); };
  CmdEn.Click = [this] { CmdEn_Click(); };
  LblIME.Click = [this] { LblIME_Click(); };
  LblUnit.Click = [this] { LblUnit_Click(); };
  LblUnit.MouseMove = [this](int, int, double, double) { LblUnit_Click(); };
  CmTNO.Click = [this](int i) { CmTNO_Click(i); };
  CmdSelLast.Click = [this] { CmdSelLast_Click(); };
  CmdSelNext.Click = [this] { CmdSelNext_Click(); };
  CmdSelFH.Click = [this] { CmdSelFH_Click(); };
  CmdKSFH.Click = [this] { CmdKSFH_Click(); };
  FrmSelect.SetBorderStyle(forms::BoxBorder::kNone);
  FrmKSXX.SetBorderStyle(forms::BoxBorder::kNone);
  static constexpr const char* kCandidateLabels[] = {"姓    名：", "座 位 号：", "场    次：",
                                                     "档 案 号：", "报考科目：", "身份证号："};
  for (int k = 0; k <= 5; ++k) Label1[k].SetCaption(kCandidateLabels[k]);
  for (forms::Label* l : {&KsName1, &KsZWH1, &KsCC1, &KsDAH1, &KsKM1, &KsSFZ1}) l->SetAutoSize(true);
  Image1.SetStretch(true);
  Image1.SetPicture(frame::CandidatePhoto());
  TimStartYS.Tick = [this] { TimStartYS_Timer(); };
  TimeKS.Tick = [this] { TimeKS_Timer(); };
  TimerREDO.Tick = [this] { TimerREDO_Timer(); };
  TimKsModel.Tick = [this] { TimKsModel_Timer(); };
}

void FrmTm::Form_Load() {
  const frame::Installation& inst = frame::installation();
  // Every session starts guarded, whatever the end of the last one left.
  editSessionExit().KeepBarOpen();
  SetWidth(kDesignWidth * inst.scaleX());
  SetHeight(kDesignHeight * inst.scaleY());
  TryEach([&] { SetIcon(DataPicture("l62011")); }, [&] { SetPicture(DataPicture("l01046")); });
  ImgLogo1.Move(60 * inst.scaleX(), 30 * inst.scaleY());
  if (auto picture = DataPictureOrNone("l20067")) ImgLogo1.SetPicture(picture);
  desktop::ResetResumeSteps(desktop::SessionPlan::kMaxQuestions);
  SetTopMost(true);
  // Out of the way until the desktop docks the bar at its lower right.
  Move(15360 * inst.scaleX() - Width(), 9000 * inst.scaleY() - Height());
  LayOut();
  LoadFaces();
  LayOutPanels();
  // Question 1, whichever question the session shows first.
  desktop::MarkOpened(1);
  BuildImeMenu();
}

void FrmTm::LayOutPanels() {
  const frame::Installation& inst = frame::installation();
  const desktop::SessionPlan& plan = desktop::plan();
  const frame::Candidate& candidate = frame::candidate();
  const double w = Width();
  for (forms::PictureBox* panel : {&FrmSelect, &FrmKSXX})
    panel->Move(0, 450 * inst.scaleY(), w, 4035 * inst.scaleY());
  for (int i = 1; i <= kNumbersPerPage; ++i) {
    auto& b = CmTNO[i];
    Scaled(b, 60 + ((i - 1) % 10) * 480, 150 + ((i - 1) / 10) * 480, 450, 450);
    b.SetCaption(std::to_string(i));
    b.SetForeColor(0);
    if (auto picture = DataPictureOrNone("l01030")) b.SetPicture(picture);
  }
  const double top = CmTNO[35].Top() + CmTNO[35].Height() + 540 * inst.scaleY();
  const double bw = 825 * inst.scaleX();
  const double left = (w - bw) / 2;
  CmdSelFH.Move(left, top, bw, 330 * inst.scaleY());
  CmdSelLast.Move(left - 1.5 * bw, top, bw, 330 * inst.scaleY());
  CmdSelNext.Move(left + 1.5 * bw, top, bw, 330 * inst.scaleY());
  CmdKSFH.Move(left, top, bw, 330 * inst.scaleY());
  TryEach([&] { CmdSelFH.SetPicture(DataPicture("l01045")); },
          [&] { CmdKSFH.SetPicture(DataPicture("l01045")); },
          [&] { CmdSelLast.SetPicture(DataPicture("l01047")); },
          [&] { CmdSelNext.SetPicture(DataPicture("l01048")); });

  Scaled(Image1, 120, 120, 1455, 1740);
  forms::Label* values[] = {&KsName1, &KsZWH1, &KsCC1, &KsDAH1, &KsKM1, &KsSFZ1};
  for (int k = 0; k <= 5; ++k) {
    Label1[k].Move(1680 * inst.scaleX(), (120 + 315 * k) * inst.scaleY());
    values[k]->Move(2640 * inst.scaleX(), (120 + 315 * k) * inst.scaleY());
    Label1[k].SetFontSize(9 * inst.scaleX());
    values[k]->SetFontSize(9 * inst.scaleX());
  }
  KsName1.SetCaption(candidate.name());
  KsZWH1.SetCaption(candidate.seatNo());
  KsCC1.SetCaption(candidate.sittingNo());
  KsDAH1.SetCaption(candidate.archiveNo());
  KsKM1.SetCaption(inst.moduleName());
  KsSFZ1.SetCaption(candidate.idCardNo());

  desktop::RestartClock();
  LblTime.SetCaption("剩余" + std::to_string(plan.minutesLeft()) + "分钟");
  LblTimeJD.SetWidth((desktop::kExamMinutes - plan.minutesLeft()) * PTime.Width() / desktop::kExamMinutes);
  LblName.SetCaption(candidate.name());

  mCurPage = 0;
  const long n = plan.questionCount();
  CmdSelLast.SetVisible(n > kNumbersPerPage);
  CmdSelNext.SetVisible(n > kNumbersPerPage);
  // The count comes from a record file: a broken one may not name a button.
  Try([&] {
    for (long i = n + 1; i <= kNumbersPerPage; ++i) CmTNO[static_cast<int>(i)].SetVisible(false);
  });
  mLastPage = static_cast<int16_t>(n / kNumbersPerPage - (n % kNumbersPerPage == 0 ? 1 : 0));
  FrmSelect.SetVisible(false);
  FrmKSXX.SetVisible(false);
}

void FrmTm::LoadFaces() {
  for (int i = bar_button::kAll.first; i <= bar_button::kAll.last; ++i)
    if (auto picture = DataPictureOrNone("l010" + platform::Right("0" + std::to_string(i), 2))) CmdGN[i].SetPicture(picture);
  if (desktop::plan().runMode() == desktop::RunMode::kTimedExam) {
    TryEach([&] { CmdGN[bar_button::kBookmark].SetPicture(DataPicture("l01053")); },
            [&] { CmdGN[bar_button::kClearBookmark].SetPicture(DataPicture("l01054")); });
  }
  TryEach([&] { Image2.SetPicture(DataPicture("l01044")); },
          [&] { CmdEn.SetPicture(DataPicture("l01043")); },
          [&] { LblZXH.SetPicture(DataPicture("l20002")); },
          [&] { LblClose.SetPicture(DataPicture("l20003")); });
}

void FrmTm::LayOut() {
  const frame::Installation& inst = frame::installation();
  const double w = Width();
  lblMove.Move(0, 0, w, 450 * inst.scaleY());
  LblBiao.Move(510 * inst.scaleX(), 90 * inst.scaleY());
  LblBiao.SetFontSize(10 * inst.scaleX());
  LblZXH.Move(w - 795 * inst.scaleX(), 30 * inst.scaleY(), 330 * inst.scaleX(), 330 * inst.scaleY());
  LblClose.Move(w - 390 * inst.scaleX(), 30 * inst.scaleY(), 330 * inst.scaleX(), 330 * inst.scaleY());
  FrmZhuYa.Move(0, 450 * inst.scaleY(), w, (kDesignHeight - 450) * inst.scaleY());
  // The mini bar keeps its design size; its restore label follows the scale, centred.
  Command2.Move((FrmZXH.Width() - 645 * inst.scaleX()) / 2, 270 * inst.scaleY(), 645 * inst.scaleX(), 540 * inst.scaleY());

  struct Place {
    int index;
    double left, top, width;
  };
  using namespace bar_button;
  // A practice button shares its place with an exam button, and the bookmark button with its twin.
  static constexpr Place kButtons[] = {
      {kPrevious, 90, 15, 720},        {kNext, 1020, 15, 720},           {kRestartQuestion, 1950, 15, 870},
      {kBookmark, 3030, 15, 870},      {kClearBookmark, 3030, 15, 870},  {kNumberPage, 4110, 15, 720},
      {kSaveAndExit, 90, 2355, 870},   {kHandIn, 90, 2355, 870},         {kHints, 2010, 2355, 870},
      {kCandidate, 2010, 2355, 870},   {kDemonstration, 3930, 2355, 870}, {kSeeAnswer, 3930, 2355, 870}};
  for (const Place& p : kButtons) Scaled(CmdGN[p.index], p.left, p.top, p.width, 330);
  Scaled(RtbTM, 90, 450, 4770, 1815);
  RtbTM.SetFontSize(11 * inst.scaleX());
  Scaled(Image2, 3720, 1800, 870, 330);
  Image2.SetFontSize(9 * inst.scaleX());
  Scaled(LblTime, 90, 2760, 1215, 285);
  Scaled(PTime, 1365, 2760, 2055, 285);
  LblTimeJD.Move(0, 0, 0, PTime.Height());
  Scaled(LblName, 3450, 2760, 735, 285);
  Scaled(LblIME, 4230, 2760, 615, 285);
  Scaled(CmdEn, 4230 + 615 - 240, 2760, 240, 270);
  Scaled(PicUnit, 90, 2760, 4080, 285);
  for (forms::TextControl* c : std::initializer_list<forms::TextControl*>{&LblTime, &LblName, &LblIME, &LblUnit})
    c->SetFontSize(9 * inst.scaleX());
}

void FrmTm::Form_Unload(int& cancel) {
  if (!sessionExit().barMayClose()) cancel = 1;
}

void FrmTm::Form_KeyUp(int&, int) { RestoreDesktop(); }

void FrmTm::CloseRequested() {
  if (desktop::plan().runMode() == desktop::RunMode::kTimedExam)
    HandIn();
  else
    SaveAndExit();
}

void FrmTm::LblZXH_Click() {
  // The bar's window state is never changed: it can always be moved and sized.
  SetWidth(FrmZXH.Width());
  SetHeight(FrmZXH.Height());
  DockMiniBar();
  FrmZXH.SetVisible(true);
  // An open number page or candidate panel lies over the mini bar's restore label otherwise.
  FrmZXH.ZOrder(0);
}

void FrmTm::DockMiniBar() {
  Try([&] { SetLeft(desktop::FrmMain::Get().Left()); });
  Try([&] {
    auto& desk = desktop::FrmMain::Get();
    SetTop(desk.Top() + desk.Height() - Height());
  });
}

void FrmTm::Command2_Click() {
  RestoreDesktop();
  SetWidth(kDesignWidth * frame::installation().scaleX());
  SetHeight(kDesignHeight * frame::installation().scaleY());
  DockBar();
  FrmZXH.SetVisible(false);
}

void FrmTm::lblMove_MouseDown(int button) {
  if (button == forms::kLeftButton) DragWindow();
  RestoreDesktop();
}

void FrmTm::Label2_MouseDown(int button) {
  if (button == forms::kLeftButton) DragWindow();
  Command2.SetBorderStyle(forms::BoxBorder::kNone);
  RestoreDesktop();
}

void FrmTm::FrmZXH_MouseDown(int button) {
  if (button == forms::kLeftButton) DragWindow();
  Command2.SetBorderStyle(forms::BoxBorder::kNone);
}

void FrmTm::CmdEn_Click() {
  LblZXH_Click();
  FrmIME::Get().ShowModal();
}

void FrmTm::BuildImeMenu() {
  mNextImeItem = 1;
  std::vector<uint32_t> listed;
  listed = platform::GetKeyboardLayoutList(16);
  for (size_t i = 0; i < listed.size() && i < 16; ++i) mLayouts[i + 1] = listed[i];
  bool english_found = false;
  ime_layouts_[0] = mLayouts[1];
  for (size_t i = 1; i <= listed.size() && i <= 16; ++i) {
    std::string description;
    description = platform::ImmGetDescription(mLayouts[i]);
    if (platform::Trim(description).empty()) {
      mEng.SetCaption("英语（美国）");
      if (!english_found) ime_layouts_[0] = mLayouts[i];
      english_found = true;
      continue;
    }
    if (mNextImeItem >= 1 && mNextImeItem <= 10) {
      mCn[static_cast<size_t>(mNextImeItem - 1)]->SetCaption(description);
      ime_layouts_[static_cast<size_t>(mNextImeItem)] = mLayouts[i];
    }
    ++mNextImeItem;
  }
  for (int k = 1; k <= 10; ++k) mCn[static_cast<size_t>(k - 1)]->SetVisible(k < mNextImeItem);
}

void FrmTm::LblIME_Click() {
  if (!desktop::answerInputMethod().switches()) return;
  PopupMenu(mIme, 8, LblIME.Left(), LblIME.Top() + FrmZhuYa.Top() - 300.0 * mNextImeItem);
}

void FrmTm::ChooseLayout(uint32_t layout) {
  desktop::editAnswerInputMethod().ChooseLayout(layout);
  auto& desk = desktop::FrmMain::Get();
  desk.SetWindowState(forms::WindowSize::kNormal);
  desk.Show();
  Try([&] { desk.FocusAnswerBox(); });
}

void DockBar() {
  Try([] {
    auto& bar = FrmTm::Get();
    auto& desk = desktop::FrmMain::Get();
    bar.SetLeft(desk.Left() + desk.Width() - bar.Width());
  });
  Try([] {
    auto& bar = FrmTm::Get();
    auto& desk = desktop::FrmMain::Get();
    bar.SetTop(desk.Top() + desk.Height() - bar.Height());
  });
}

void KeepBarDocked(const forms::ScreenChange& change) {
  // Only windows already there: asking for one would load it.
  if (!FrmTm::IsLoaded() || !desktop::FrmMain::IsLoaded()) return;
  auto& bar = FrmTm::Get();
  auto& desk = desktop::FrmMain::Get();
  const std::optional<forms::Bounds> b = change.Before(bar), d = change.Before(desk);
  if (!b || !d) return;
  auto near = [](double x, double y) { return std::abs(x - y) <= forms::TwipsPerPixel(); };
  if (!near(b->top + b->height, d->top + d->height)) return;
  if (bar.Collapsed()) {
    if (near(b->left, d->left)) bar.DockMiniBar();
  } else if (near(b->left + b->width, d->left + d->width)) {
    DockBar();
  }
}

void RestoreDesktop() {
  auto& desk = desktop::FrmMain::Get();
  desk.SetWindowState(forms::WindowSize::kNormal);
  desk.Show();
}

}  // namespace xpexam::session
