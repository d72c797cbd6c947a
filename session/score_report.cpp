// The score report: scoring, the records of the handed-in paper, and its three ways on.
#include "session/score_report.h"

#include <algorithm>
#include <vector>

#include "desktop/desktop_window.h"
#include "desktop/index_line.h"
#include "desktop/session_plan.h"
#include "frame/data_picture.h"
#include "frame/installation.h"
#include "platform/clock.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "session/question_bar.h"
#include "session/record_files.h"
#include "session/record_save_notice.h"
#include "session/hooks.h"
#include "session/session_exit.h"

namespace xpexam::session {

using frame::DataPicture;
using frame::DataPictureOrNone;
using frame::ScaleX;
using frame::ScaleY;
using platform::Try;
using namespace frame;

namespace {

// The 40 codes of the handed-in paper as stored where the paper came from; the file's last
// line when it is shorter, "" when it cannot be read.
std::string PaperCodes() {
  std::string path;
  long wanted = 0;
  if (desktop::KindRowOf(desktop::plan().kind()).exam == desktop::ExamPaper::kRandom) {
    path = RandomPaperListFile();
    wanted = desktop::plan().listIndex() - 19;
  } else {
    path = installation().dataPath() + "288891.mxy";
    wanted = desktop::plan().slotOffset() + 3;
  }
  platform::LineReader reader(path);
  std::string line, last;
  for (long n = 1; n <= wanted && reader.Next(line); ++n) last = line;
  return last;
}

}  // namespace

std::string ScoreText(int completed) {
  const long tenths = 25L * completed;
  if (tenths % 10 == 0) return platform::Str(tenths / 10);
  return platform::Str(tenths / 10) + "." + platform::Str(tenths % 10);
}

FrmChengji::FrmChengji() : FrmChengjiControls(static_cast<forms::Form&>(*this)) {
  SetWindowState(forms::WindowSize::kMaximized);
  SetBackColor(0x00FEF9F6);
  Picture1.SetBorderStyle(forms::BoxBorder::kNone);
  Picture1.Move(0, 0, 12000, 9000);
  Label1.SetBackStyle(forms::Background::kTransparent);
  Label1.SetFont({"宋体", 12, true});
  Label1.SetAutoSize(true);
  Frame1.SetVisible(false);
  LblTiMuYQ.SetBackStyle(forms::Background::kTransparent);
  LblTiMuYQ.SetWordWrap(true);
  Timer1.Tick = [this] { Timer1_Timer(); };
  CmTNO.Click = [this](int i) { CmTNO_Click(i); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
}

void FrmChengji::Form_Load() {
  desktop::FrmMain::UnloadIfLoaded();
  FrmTm::UnloadIfLoaded();
  Try([&] { SetIcon(DataPicture("l62011")); });
  SetCaption(DialogCaption());
  Command3.SetVisible(true);
  if (auto picture = DataPictureOrNone("9l0058")) Picture1.SetPicture(picture);
  LayOut();
  ScorePaper();
  ReadQuestionTexts();
}

void FrmChengji::LayOut() {
  // As large as its picture at every scale: the grid and the question text are centred on it.
  Picture1.Move(0, 0, ScaleX(12000), ScaleY(9000));
  Command3.Move(ScaleX(3480), ScaleY(4080), ScaleX(1920), ScaleY(450));
  Command1.Move(Command3.Left() + Command3.Width() + ScaleX(120), ScaleY(4080), ScaleX(1920), ScaleY(450));
  Command2.Move(Command1.Left() + Command1.Width() + ScaleX(120), ScaleY(4080), ScaleX(870), ScaleY(450));
  if (auto picture = DataPictureOrNone("l01035")) Command1.SetPicture(picture);
  if (auto picture = DataPictureOrNone("l01036")) Command3.SetPicture(picture);
  if (auto picture = DataPictureOrNone("l01037")) Command2.SetPicture(picture);
  Label1.Move(ScaleX(5010), ScaleY(5040));
}

void FrmChengji::ScorePaper() {
  const desktop::SessionPlan& plan = desktop::plan();
  const platform::WriteFailureWatch writes;
  // Bookmarks of the exam join the bookmark list; nothing leaves it.
  Try([&] {
    std::vector<std::string> marked;
    for (long i = 1; i <= plan.questionCount(); ++i) {
      const int16_t s = plan.question(i).status;
      if (s == 2 || s == 3 || s == 6 || s == 7) marked.push_back(CodeText(plan.question(i).code));
    }
    AppendToList(BookmarkListFile(), BookmarkFlagFile(), marked);
  });

  const std::string paper = PaperCodes();
  std::string paper_wrong;
  std::vector<std::string> wrong;
  int completed = 0;
  for (int i = 1; i <= desktop::kPaperQuestions; ++i) {
    auto& b = CmTNO[i];
    b.SetCaption(std::to_string(i));
    b.Move(ScaleX(((i - 1) % 10) * 480.0), ScaleY(((i - 1) / 10) * 480.0), ScaleX(450), ScaleY(450));
    b.SetFontBold(true);
    b.SetForeColor(0);
    if (plan.question(i).Completed()) {
      if (auto picture = DataPictureOrNone("l01033")) b.SetPicture(picture);
      ++completed;
    } else {
      if (auto picture = DataPictureOrNone("l01034")) b.SetPicture(picture);
      // Only a whole four-digit code: a short or malformed paper line must not break the lists.
      std::string code = CodeAt(paper, i);
      if (code.size() != 4 || code.find_first_not_of("0123456789") != std::string::npos) code.clear();
      paper_wrong += code;
      if (!code.empty()) wrong.push_back(code);
    }
  }
  WriteRecordLine(PaperWrongFile(plan.listIndex()), paper_wrong);
  AppendToList(WrongListFile(), WrongFlagFile(), wrong);

  auto& last = CmTNO[desktop::kPaperQuestions];
  Frame1.Move(Frame1.Left(), Frame1.Top(), last.Left() + last.Width(), last.Top() + last.Height());
  Frame1.Move((Picture1.Width() - Frame1.Width()) / 2, ScaleY(5520));
  LblTiMuYQ.Move((Picture1.Width() - ScaleX(9855)) / 2, Frame1.Top() + Frame1.Height() + ScaleY(360), ScaleX(9855),
                 ScaleY(855));
  Frame1.SetVisible(true);

  const std::string score = ScoreText(completed);
  if (desktop::KindRowOf(plan.kind()).exam == desktop::ExamPaper::kRandom)
    Label1.SetCaption("随机题得分：" + score + "分");
  else
    Label1.SetCaption("第" + std::to_string(plan.slotOffset() + 1) + "套得分：" + score + "分");

  if (plan.listIndex() >= 0 && plan.listIndex() < kPaperRecords) {
    std::vector<std::string> table = ReadPaperHistory();
    const size_t p = 3 * static_cast<size_t>(plan.listIndex());
    table[p] = plan.examStartTime();
    if (plan.examStartTime() != "-1") {
      if (2.5 * completed > platform::Val(table[p + 1])) table[p + 1] = score;
    } else {
      table[p] = platform::FormatDateTime(platform::Now());
    }
    WritePaperHistory(table);
  }
  desktop::StopRecordingRun();
  mRecordWriteError = writes.firstError();
}

void FrmChengji::ReadQuestionTexts() {
  platform::LineReader reader(desktop::plan().indexFile());
  std::string line;
  for (long i = 1; i <= desktop::kPaperQuestions && reader.Next(line); ++i) {
    mQuestionText[i] = desktop::IndexLine(line).ShownText();
  }
}

void FrmChengji::Timer1_Timer() {
  // Centred, but never pushed past the window's top or left edge: where the window is smaller
  // than the panel (an 800 x 600 screen) its header stays in sight and the plain bottom gives way.
  Picture1.Move(std::max(0.0, (ScaleWidth() - Picture1.Width()) / 2), std::max(0.0, (ScaleHeight() - Picture1.Height()) / 2));
  Timer1.SetEnabled(false);
  // Told over the report, once it stands where the learner reads it.
  TellIfNotSaved(mRecordWriteError, {}, kExamNotSaved);
}

void FrmChengji::CmTNO_Click(int index) {
  LblTiMuYQ.SetCaption("第" + std::to_string(index) + "题： " + mQuestionText[index]);
}

void FrmChengji::Command1_Click() {
  desktop::TurnToPractice();
  editSessionExit().KeepBarOpen();
  desktop::ClearDoneMarks(desktop::kPaperQuestions);
  Unload();
  FrmTm::Get().BeginReview();
  desktop::editCursor().GoToQuestion(1);
  desktop::FrmMain::Get().Show();
  FrmTm::Get().Show();
  DockBar();
}

void FrmChengji::Form_QueryUnload(int& cancel, int unload_mode) {
  // The close box goes back to the paper list: closed alone, the report would leave no window.
  if (unload_mode != forms::kUnloadFromControlMenu) return;
  cancel = 1;
  Command2_Click();
}

void FrmChengji::Command2_Click() {
  desktop::FrmMain::UnloadIfLoaded();
  Unload();
  editSessionExit().SetReturnPanel(desktop::HomePanel::kPapers);
  gSessionHooks.onSessionEnded(sessionExit().returnPanel());
}

void FrmChengji::Command3_Click() {
  desktop::TurnToPractice();
  RedoWrongQuestions();
}

}  // namespace xpexam::session
