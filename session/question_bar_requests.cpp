// What other windows ask of the question bar.
#include "desktop/session_plan.h"
#include "frame/data_picture.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "session/question_bar.h"

namespace xpexam::session {

using platform::Try;

void FrmTm::QuestionCompleted(int16_t question) {
  // The number comes from the session's own list; one outside the plan marks nothing.
  Try([&] { desktop::MarkCompleted(question); });
  RefreshProgress();
}

void FrmTm::RefreshProgress() {
  Try([&] { LblUnit.SetCaption(UnfinishedQuestionsCaption()); });
  LblBiao.SetCaption(platform::Replace(LblBiao.Caption(), "(未完成)", "(已完成)"));
}

desktop::DemonstrationRequest FrmTm::DemonstrationRequestForQuestion() {
  return {RtbTM.Text(),
          [] {
            if (IsLoaded()) Get().SetTopMost(true);
          },
          [] { Get().ResumeAfterDemo(); }};
}

void FrmTm::ResumeAfterDemo() {
  TimerREDO.SetEnabled(true);
  Show();
}

void FrmTm::RestoreBar() { Command2_Click(); }

void FrmTm::ReadQuestionAtNextTick() { TimerREDO.SetEnabled(true); }

void FrmTm::FollowRunModeAtNextTick() { TimKsModel.SetEnabled(true); }

void FrmTm::ArmDemonstration() { TimStartYS.SetEnabled(true); }

void FrmTm::StopExamClock() { TimeKS.SetEnabled(false); }

void FrmTm::ShowPracticeButtons() {
  if (auto picture = frame::DataPictureOrNone("l01003")) CmdGN[bar_button::kBookmark].SetPicture(picture);
  if (auto picture = frame::DataPictureOrNone("l01011")) CmdGN[bar_button::kClearBookmark].SetPicture(picture);
  PicUnit.SetVisible(true);
  using bar_button::kExamRow, bar_button::kPracticeRow;
  for (int i = kPracticeRow.first; i <= kExamRow.last; ++i) CmdGN[i].SetVisible(PicUnit.Visible());
  for (int i = kExamRow.first; i <= kExamRow.last; ++i) CmdGN[i].SetVisible(!PicUnit.Visible());
}

bool FrmTm::Collapsed() const { return FrmZXH.Visible(); }

void FrmTm::BeginRedo() {
  for (long i = desktop::plan().questionCount() + 1; i <= kNumbersPerPage; ++i) CmTNO[static_cast<int>(i)].SetVisible(false);
  BeginReview();
}

void FrmTm::BeginReview() {
  TimKsModel.SetEnabled(true);
  LblUnit.SetCaption("");
  TimerREDO.SetEnabled(true);
  TimeKS.SetEnabled(false);
}

void FrmTm::BeginPractice() {
  TimerREDO.SetEnabled(true);
  TimKsModel.SetEnabled(true);
  Show();
}

}  // namespace xpexam::session
