// The question bar's function buttons: moving between questions, the number page, bookmarks,
// the candidate panel and the demonstration start.
#include "desktop/demonstration_state.h"
#include "desktop/desktop_window.h"
#include "desktop/session_plan.h"
#include "frame/data_picture.h"
#include "session/picture_window.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "session/question_bar.h"
#include "session/hooks.h"
#include "session/question_index.h"

namespace xpexam::session {

using platform::Try;

namespace {


}  // namespace

void FrmTm::CmdGN_Click(int index) {
  using namespace bar_button;
  switch (index) {
    case kPrevious:
      desktop::editCursor().GoToQuestion(static_cast<int16_t>(std::max(desktop::cursor().question() - 1, 1)));
      Try([&] { LoadQuestion(); });
      break;
    case kNext:
      desktop::editCursor().GoToQuestion(static_cast<int16_t>(std::min(desktop::cursor().question() + 1, static_cast<int>(desktop::plan().questionCount()))));
      Try([&] { LoadQuestion(); });
      break;
    case kRestartQuestion:
      Try([] { desktop::SetResumeStep(desktop::cursor().question(), 1); });
      Try([&] { LoadQuestion(); });
      break;
    case kBookmark:
      Try([] {
        desktop::MarkBookmarked(desktop::cursor().question());
      });
      CmdGN[kClearBookmark].SetVisible(true);
      CmdGN[kBookmark].SetVisible(false);
      break;
    case kNumberPage:
      Try([&] { ShowNumberPage(); });
      break;
    case kSaveAndExit:
      SaveAndExit();
      break;
    case kHints: {
      desktop::ShowOperationHints();
      desktop::FrmMain::Get().ShowHints();
      RestoreDesktop();
      break;
    }
    case kDemonstration:
      StartDemo();
      break;
    case kHandIn:
      HandIn();
      break;
    case kCandidate:
      FrmKSXX.SetVisible(true);
      break;
    case kSeeAnswer:
      SeeAnswerNow();
      break;
    case kClearBookmark:
      Try([] {
        desktop::ClearBookmark(desktop::cursor().question());
      });
      CmdGN[kBookmark].SetVisible(true);
      CmdGN[kClearBookmark].SetVisible(false);
      break;
    default:
      break;
  }
}

void FrmTm::ShowNumberPage() {
  const long n = desktop::plan().questionCount();
  const bool one_page = n <= kNumbersPerPage;
  CmdSelLast.SetVisible(!one_page);
  CmdSelNext.SetVisible(!one_page);
  mLastPage = static_cast<int16_t>(n / kNumbersPerPage - (n % kNumbersPerPage == 0 ? 1 : 0));
  long count = kNumbersPerPage;
  if (n < 1L * kNumbersPerPage * mCurPage + kNumbersPerPage) count = n % kNumbersPerPage;
  for (long i = 1; i <= count; ++i) {
    const long q = 1L * kNumbersPerPage * mCurPage + i;
    auto& button = CmTNO[static_cast<int>(i)];
    button.SetCaption(std::to_string(q));
    // A missing face leaves the number readable on the old one.
    const desktop::Question& question = desktop::plan().question(q);
    std::string face = question.Opened() ? "l01031" : "l01030";
    if (question.Bookmarked()) face = "l01032";
    if (auto picture = frame::DataPictureOrNone(face)) button.SetPicture(picture);
    FrmSelect.SetVisible(true);
    button.SetVisible(true);
  }
  for (long i = count + 1; i <= kNumbersPerPage; ++i) CmTNO[static_cast<int>(i)].SetVisible(false);
}

void FrmTm::CmTNO_Click(int index) {
  desktop::editCursor().GoToQuestion(static_cast<int16_t>(kNumbersPerPage * mCurPage + index));
  FrmSelect.SetVisible(false);
  Try([&] { LoadQuestion(); });
}

void FrmTm::CmdSelLast_Click() {
  if (--mCurPage < 0) mCurPage = 0;
  ShowNumberPage();
}

void FrmTm::CmdSelNext_Click() {
  if (++mCurPage > mLastPage) mCurPage = mLastPage;
  ShowNumberPage();
}

void FrmTm::CmdSelFH_Click() { FrmSelect.SetVisible(false); }

void FrmTm::CmdKSFH_Click() { FrmKSXX.SetVisible(false); }

void FrmTm::StartDemo() {
  FrmPicture::Get().SetVisible(false);
  Image2.SetCaption("显示图片");
  desktop::editDemonstration().MarkRunning();
  // A missing index or line keeps the line read last.
  const desktop::IndexLine line = ReadIndexLine(desktop::cursor().question());
  RtbTM.SetText(line.Text());
  Image2.SetVisible(false);
  if (line.HasPicture()) {
    if (auto picture = frame::DataPictureOrNone(line.PictureId())) FrmPicture::Get().SetPicture(picture);
    RtbTM.SetText(line.PictureText());
    Image2.SetVisible(true);
  }
  TimStartYS.SetEnabled(true);
}

void FrmTm::TimStartYS_Timer() {
  ++mDemoTicks;
  if (mDemoTicks < 2) return;
  OpenDemonstration();
}

void FrmTm::OpenDemonstration() {
  mDemoTicks = 0;
  TimStartYS.SetEnabled(false);
  // The demonstration's first layout already reads the mark.
  desktop::editDemonstration().MarkRunning();
  desktop::FrmMain::Get().SetVisible(false);
  SetVisible(false);
  gSessionHooks.onDemonstrationAsked(DemonstrationRequestForQuestion());
  desktop::editDemonstration().MarkRunning();
}

}  // namespace xpexam::session
