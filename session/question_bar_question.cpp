// Showing a question: DqExam, the title, the list of unfinished questions, the button sets,
// and the bar's actions on the question on show.
#include <string>

#include "desktop/desktop_window.h"
#include "forms/pictures.h"
#include "frame/data_picture.h"
#include "session/picture_window.h"
#include "frame/module_state.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "session/question_bar.h"

namespace xpexam::session {

using frame::gCurQuestion;
using frame::gQuestionCount;
using frame::gQuestionStatus;
using frame::gRunMode;
using platform::Try;

namespace {

constexpr const char* kShowPicture = "显示图片";
constexpr const char* kHidePicture = "隐藏图片";

bool Bookmarked(int16_t status) { return status == 2 || status == 3 || status == 6 || status == 7; }

std::string Num(long v) { return std::to_string(v); }

}  // namespace

std::string UnfinishedQuestionsCaption() {
  std::string caption = "未完成的题目";
  for (long i = 1; i <= gQuestionCount; ++i)
    if (gQuestionStatus[i] < frame::kStatusCompleted) caption += " " + Num(i);
  return caption;
}

std::string FrmTm::Title() const {
  const long k = gCurQuestion, n = gQuestionCount;
  const std::string m = platform::Left(frame::installation().moduleName(), 2);
  const std::string code = platform::Right("0000" + Num(frame::gQuestionCode[k] + 100L), 4);
  const std::string done = frame::gDoneMark[k] == "F" ? "(未完成)" : "(已完成)";
  const std::string of = Num(k) + "/" + Num(n) + "(" + code + ")" + done;
  switch (frame::gSessionKind) {
    case 0: return m + " " + Num(frame::gSlotOffset + 1L) + "套第" + Num(k) + "题(" + code + ")";
    case 2: return m + " 错" + Num(frame::gListIndex + 1L) + "-" + of;
    case 5: return m + " 已" + of;
    case 6: return m + " 未" + of;
    // Random papers are numbered as the home screen lists them, from 1.
    case 8: return m + " 随" + Num(frame::gListIndex - 19L) + "-" + Num(k) + "(" + code + ")";
    case 9: case 10: case 11: return m + " 藏" + of;
    case 12: case 13: case 14: return m + " 复" + of;
    case 20: return m + " " + Num(frame::gSlotOffset + 1L) + "单元" + Num(k) + "/" + Num(n) + "题" + done;
  }
  return LblBiao.Caption();
}

void FrmTm::DqExam() {
  const int16_t k = gCurQuestion;
  CmdGN[0].SetEnabled(k > 1);
  CmdGN[1].SetEnabled(k < gQuestionCount);
  Try([&] {
    platform::LineReader index(frame::gIndexFile);
    std::string line;
    for (long count = 0; count < k && index.Next(line); ++count) frame::gLineBuf = line;
  });
  const std::string q = platform::Mid(frame::gLineBuf, 7);
  RtbTM.SetText(platform::Replace(q, "|", "\r\n"));
  FrmPicture::Get().SetVisible(false);
  Image2.SetVisible(false);
  if (platform::Left(q, 7) == "picture") {
    // Shown only when the learner asks for it.
    if (auto picture = frame::DataPictureOrNone(platform::Mid(q, 8, 6))) FrmPicture::Get().Image1.SetPicture(picture);
    Image2.SetCaption(kShowPicture);
    RtbTM.SetText(platform::Mid(q, 14));
    Image2.SetVisible(true);
  }

  desktop::FrmMain::Get().ShowQuestionPictures(k);

  Try([&] { LblBiao.SetCaption(Title()); });
  Try([&] { LblUnit.SetCaption(UnfinishedQuestionsCaption()); });
  Try([&] {
    if (gQuestionStatus[k] % 2 == 0) gQuestionStatus[k] += frame::kStatusOpened;
  });
  Try([&] { frame::gCurStep = frame::gQuestionStep[k]; });
  if (gRunMode != 3) gRunMode = 2;
  Try([&] { CmdGN[3].SetVisible(!Bookmarked(gQuestionStatus[k])); });
  CmdGN[11].SetVisible(!CmdGN[3].Visible());
  if (frame::gSessionKind == 0 && gRunMode == 2) TimKsModel.SetEnabled(true);
  Try([] { RestoreDesktop(); });
}

void FrmTm::TimerREDO_Timer() {
  DqExam();
  TimerREDO.SetEnabled(false);
}

void FrmTm::TimKsModel_Timer() {
  PicUnit.SetVisible(gRunMode != 3);
  for (int i = 5; i <= 10; ++i) CmdGN[i].SetVisible(i <= 7 ? PicUnit.Visible() : !PicUnit.Visible());
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
  picture.Show();
  // The next tick fits the window to the picture and centres it.
  picture.Timer1.SetEnabled(true);
  Image2.SetCaption(kHidePicture);
}

}  // namespace xpexam::session
