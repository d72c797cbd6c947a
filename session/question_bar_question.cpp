// Showing a question: LoadQuestion, the title, the list of unfinished questions, the button sets,
// and the bar's actions on the question on show.
#include <string>

#include "desktop/desktop_window.h"
#include "desktop/session_plan.h"
#include "forms/pictures.h"
#include "frame/data_picture.h"
#include "session/picture_window.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "session/question_bar.h"
#include "session/question_index.h"

namespace xpexam::session {

using platform::Try;

namespace {

constexpr const char* kShowPicture = "显示图片";
constexpr const char* kHidePicture = "隐藏图片";


std::string Num(long v) { return std::to_string(v); }

}  // namespace

std::string UnfinishedQuestionsCaption() {
  std::string caption = "未完成的题目";
  for (long i = 1; i <= desktop::plan().questionCount(); ++i)
    if (!desktop::plan().question(i).Completed()) caption += " " + Num(i);
  return caption;
}

std::string FrmTm::Title() const {
  const desktop::SessionPlan& plan = desktop::plan();
  const long k = desktop::cursor().question(), n = plan.questionCount();
  const std::string m = platform::Left(frame::installation().moduleName(), 2);
  const std::string code = platform::Right("0000" + Num(plan.question(k).code + 100L), 4);
  const std::string done = plan.question(k).doneMark == "F" ? "(未完成)" : "(已完成)";
  const std::string of = Num(k) + "/" + Num(n) + "(" + code + ")" + done;
  using T = desktop::TitleStyle;
  switch (desktop::KindRowOf(plan.kind()).title) {
    case T::kFixedPaper: return m + " " + Num(plan.slotOffset() + 1L) + "套第" + Num(k) + "题(" + code + ")";
    // Random papers are numbered as the home screen lists them, from 1.
    case T::kRandomPaper: return m + " 随" + Num(plan.listIndex() - 19L) + "-" + Num(k) + "(" + code + ")";
    case T::kWholeUnit: return m + " " + Num(plan.slotOffset() + 1L) + "单元" + Num(k) + "/" + Num(n) + "题" + done;
    case T::kPaperWrong: return m + " 错" + Num(plan.listIndex() + 1L) + "-" + of;
    case T::kUnitDone: return m + " 已" + of;
    case T::kUnitNotDone: return m + " 未" + of;
    case T::kBookmarks: return m + " 藏" + of;
    case T::kWrongAnswers: return m + " 复" + of;
    case T::kKept: break;
  }
  return LblBiao.Caption();
}

void FrmTm::LoadQuestion() {
  const desktop::SessionPlan& plan = desktop::plan();
  const int16_t k = desktop::cursor().question();
  CmdGN[bar_button::kPrevious].SetEnabled(k > 1);
  CmdGN[bar_button::kNext].SetEnabled(k < plan.questionCount());
  // A missing index or line keeps the line read last.
  const desktop::IndexLine line = ReadIndexLine(k);
  RtbTM.SetText(line.TextWithBreaks());
  FrmPicture::Get().SetVisible(false);
  Image2.SetVisible(false);
  if (line.HasPicture()) {
    // Shown only when the learner asks for it.
    if (auto picture = frame::DataPictureOrNone(line.PictureId())) FrmPicture::Get().SetPicture(picture);
    Image2.SetCaption(kShowPicture);
    RtbTM.SetText(line.PictureText());
    Image2.SetVisible(true);
  }

  desktop::FrmMain::Get().ShowQuestionPictures(k);

  Try([&] { LblBiao.SetCaption(Title()); });
  Try([&] { LblUnit.SetCaption(UnfinishedQuestionsCaption()); });
  Try([&] {
    desktop::MarkOpened(k);
  });
  Try([&] { desktop::editCursor().GoToStep(plan.question(k).resumeStep); });
  desktop::HideOperationHints();
  Try([&] { CmdGN[bar_button::kBookmark].SetVisible(!plan.question(k).Bookmarked()); });
  CmdGN[bar_button::kClearBookmark].SetVisible(!CmdGN[bar_button::kBookmark].Visible());
  // A fixed paper's exam turned to practice for its review.
  if (desktop::KindRowOf(plan.kind()).exam == desktop::ExamPaper::kFixed && plan.runMode() == desktop::RunMode::kPractice)
    TimKsModel.SetEnabled(true);
  RestoreDesktop();
}

void FrmTm::TimerREDO_Timer() {
  LoadQuestion();
  TimerREDO.SetEnabled(false);
}

void FrmTm::TimKsModel_Timer() {
  PicUnit.SetVisible(desktop::plan().runMode() != desktop::RunMode::kTimedExam);
  using bar_button::kExamRow, bar_button::kPracticeRow;
  for (int i = kPracticeRow.first; i <= kExamRow.last; ++i)
    CmdGN[i].SetVisible(i <= kPracticeRow.last ? PicUnit.Visible() : !PicUnit.Visible());
  TimKsModel.SetEnabled(false);
}

void FrmTm::LblUnit_Click() { LblUnit.SetToolTipText(LblUnit.Caption()); }

void FrmTm::Image2_Click() {
  auto& picture = FrmPicture::Get();
  if (Image2.Caption() != kShowPicture) {
    picture.SetVisible(false);
    Image2.SetCaption(kShowPicture);
    return;
  }
  picture.ShowFitted();
  Image2.SetCaption(kHidePicture);
}

}  // namespace xpexam::session
