// The end of a practice session from the bar: the session's results go to the learner's record
// files, then the desktop and the bar close and the home screen comes back.
#include <algorithm>

#include "desktop/desktop_window.h"
#include "desktop/session_plan.h"
#include "forms/msgbox.h"
#include "session/picture_window.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "session/question_bar.h"
#include "session/record_files.h"
#include "session/record_save_notice.h"
#include "session/save_and_exit.h"
#include "session/hooks.h"
#include "session/session_exit.h"

namespace xpexam::session {

using platform::Try;

namespace {


// Completion of session questions 1 to questionCount, in order.
std::vector<bool> CompletedList() {
  std::vector<bool> done;
  for (long i = 1; i <= desktop::plan().questionCount(); ++i) done.push_back(desktop::plan().question(i).Completed());
  return done;
}

void WriteUnitProgress(std::vector<std::string> table) {
  table.resize(static_cast<size_t>(std::max<int>(frame::installation().unitCount(), 0)));
  WriteRecordLines(UnitProgressFile(), table);
}

void MarkWhole(const std::string& flag_file, const std::vector<bool>& done) {
  WriteRecordLine(flag_file, MarkFlagsWhole(ReadRecordLine(flag_file), done));
}

void MarkUnreviewed(const std::string& flag_file, const std::vector<bool>& done) {
  WriteRecordLine(flag_file, MarkFlagsUnreviewed(ReadRecordLine(flag_file), done));
}

using Writes = desktop::EndRecords;

}  // namespace

void SaveSessionRecords() {
  const desktop::SessionPlan& plan = desktop::plan();
  const desktop::KindRow row = desktop::KindRowOf(plan.kind());
  std::vector<bool> done;
  Try([&] { done = CompletedList(); });
  const bool has_results = std::find(done.begin(), done.end(), true) != done.end();

  if (has_results) {
    switch (row.endWrites) {
      case Writes::kUnitProgressWhole:
        Try([&] {
          auto table = ReadRecordLines(UnitProgressFile(), 26);
          std::string line;
          for (bool d : done) line += d ? "T" : "F";
          table.at(static_cast<size_t>(plan.slotOffset())) = line;
          WriteUnitProgress(table);
        });
        break;
      case Writes::kUnitProgressUndone:
        Try([&] {
          auto table = ReadRecordLines(UnitProgressFile(), 26);
          std::string& line = table.at(static_cast<size_t>(plan.listIndex()));
          for (long i = 1; i <= plan.questionCount(); ++i) {
            if (!done[static_cast<size_t>(i - 1)]) continue;
            const long qq = plan.question(i).code % 100;
            // A position past the line's end has no character to set.
            if (qq >= 1 && qq <= platform::Len(line)) line = platform::Left(line, qq - 1) + "T" + platform::Mid(line, qq + 1);
          }
          WriteUnitProgress(table);
        });
        break;
      case Writes::kBookmarkFlagsWhole: MarkWhole(BookmarkFlagFile(), done); break;
      case Writes::kWrongFlagsWhole: MarkWhole(WrongFlagFile(), done); break;
      case Writes::kBookmarkFlagsUnreviewed: MarkUnreviewed(BookmarkFlagFile(), done); break;
      case Writes::kWrongFlagsUnreviewed: MarkUnreviewed(WrongFlagFile(), done); break;
      case Writes::kPaperWrongQuestion:  // asked once the lists are saved
      case Writes::kNothing:
        break;
    }
  }

  std::vector<std::string> bookmarked, unbookmarked;
  Try([&] {
    for (long i = 1; i <= plan.questionCount(); ++i)
      (plan.question(i).Bookmarked() ? bookmarked : unbookmarked).push_back(CodeText(plan.question(i).code));
  });
  // The record files' reads and writes answer failure with their results: a list that cannot be
  // read or written is left as it was.
  if (row.appendsBookmarks) AppendToList(BookmarkListFile(), BookmarkFlagFile(), bookmarked);
  RemoveFromList(BookmarkListFile(), BookmarkFlagFile(), unbookmarked);

  if (row.endWrites == Writes::kPaperWrongQuestion && has_results) {
    const std::string prompt =
        "本次答对的题目要从“错题复习”中去掉吗？\r\n"
        "如果你认为掌握的还不太好，建议你点“否”，把它们保留在错题记录中。";
    const int answer = forms::MsgBox(prompt, forms::kYesNo + forms::kQuestion + forms::kDefaultButton2);
    if (answer == forms::kYes) {
      const std::string file = PaperWrongFile(plan.listIndex());
      const std::string list = ReadRecordLine(file);
      std::string kept;
      const std::vector<std::string> codes = platform::Groups(list, 4);
      for (size_t i = 0; i < codes.size() && platform::Len(codes[i]) == 4; ++i) {
        const bool completed = i < done.size() && done[i];
        if (!completed) kept += codes[i];
      }
      WriteRecordLine(file, kept);
    }
  }
}

void FrmTm::SaveAndExit() {
  const desktop::HomePanel return_panel = desktop::KindRowOf(desktop::plan().kind()).returnsTo;
  FrmPicture::Get().SetVisible(false);
  Image2.SetCaption("显示图片");
  LblZXH_Click();
  // Only the session's own writes: the home screen's build below rewrites records of its own.
  const int write_error = [] {
    const platform::WriteFailureWatch writes;
    SaveSessionRecords();
    return writes.firstError();
  }();

  TimeKS.SetEnabled(false);
  TimStartYS.SetEnabled(false);
  TimerREDO.SetEnabled(false);
  // Told before the session's windows go, with nothing of the session running meanwhile.
  TellIfNotSaved(write_error, {}, kPracticeNotSaved);
  editSessionExit().AllowBarClose();
  desktop::FrmMain::Get().Unload();
  Unload();

  // The bar is gone; what follows touches only the session exit and the home screen.
  editSessionExit().SetReturnPanel(return_panel);
  gSessionHooks.onSessionEnded(sessionExit().returnPanel());
}

}  // namespace xpexam::session
