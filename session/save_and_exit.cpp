// The end of a practice session from the bar: the session's results go to the learner's record
// files, then the desktop and the bar close and the home screen comes back.
#include <algorithm>

#include "desktop/desktop_window.h"
#include "forms/msgbox.h"
#include "session/picture_window.h"
#include "frame/module_state.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "session/question_bar.h"
#include "session/record_files.h"
#include "session/save_and_exit.h"
#include "session/hooks.h"

namespace xpexam::session {

using frame::gQuestionCode;
using frame::gQuestionStatus;
using platform::Try;

namespace {

bool Completed(int16_t status) { return status >= 4; }
bool Bookmarked(int16_t status) { return status == 2 || status == 3 || status == 6 || status == 7; }

// Completion of session questions 1 to gQuestionCount, in order.
std::vector<bool> CompletedList() {
  std::vector<bool> done;
  for (long i = 1; i <= frame::gQuestionCount; ++i) done.push_back(Completed(gQuestionStatus[i]));
  return done;
}

void WriteUnitProgress(std::vector<std::string> table) {
  table.resize(static_cast<size_t>(std::max<int>(frame::installation().unitCount(), 0)));
  WriteRecordLines(UnitProgressFile(), table);
}

int16_t ReturnButtonFor(int16_t kind) {
  switch (kind) {
    case 20: case 6: case 5: return 16;
    case 9: case 10: case 11: return 18;
    case 12: case 13: case 14: return 19;
    default: return 0;
  }
}

}  // namespace

void SaveSessionRecords() {
  const int16_t kind = frame::gSessionKind;
  std::vector<bool> done;
  Try([&] { done = CompletedList(); });
  const bool has_results = std::find(done.begin(), done.end(), true) != done.end();

  if (kind == 20 && has_results) {
    Try([&] {
      auto table = ReadRecordLines(UnitProgressFile(), 26);
      std::string line;
      for (bool d : done) line += d ? "T" : "F";
      table.at(static_cast<size_t>(frame::gSlotOffset)) = line;
      WriteUnitProgress(table);
    });
  }
  if (kind == 6 && has_results) {
    Try([&] {
      auto table = ReadRecordLines(UnitProgressFile(), 26);
      std::string& line = table.at(static_cast<size_t>(frame::gListIndex));
      for (long i = 1; i <= frame::gQuestionCount; ++i) {
        if (!done[static_cast<size_t>(i - 1)]) continue;
        const long qq = gQuestionCode[i] % 100;
        // A position past the line's end has no character to set.
        if (qq >= 1 && qq <= platform::Len(line)) line = platform::Left(line, qq - 1) + "T" + platform::Mid(line, qq + 1);
      }
      WriteUnitProgress(table);
    });
  }
  if ((kind == 9 || kind == 12) && has_results) {
    const std::string file = kind == 9 ? BookmarkFlagFile() : WrongFlagFile();
    Try([&] { WriteRecordLine(file, MarkFlagsWhole(ReadRecordLine(file), done)); });
  }
  if ((kind == 10 || kind == 13) && has_results) {
    const std::string file = kind == 10 ? BookmarkFlagFile() : WrongFlagFile();
    Try([&] { WriteRecordLine(file, MarkFlagsUnreviewed(ReadRecordLine(file), done)); });
  }

  std::vector<std::string> bookmarked, unbookmarked;
  Try([&] {
    for (long i = 1; i <= frame::gQuestionCount; ++i)
      (Bookmarked(gQuestionStatus[i]) ? bookmarked : unbookmarked).push_back(CodeText(gQuestionCode[i]));
  });
  if (kind < 9 || kind > 11) Try([&] { AppendToList(BookmarkListFile(), BookmarkFlagFile(), bookmarked); });
  Try([&] { RemoveFromList(BookmarkListFile(), BookmarkFlagFile(), unbookmarked); });

  if (kind == 2 && has_results) {
    const std::string prompt =
        "本次答对的题目要从“错题复习”中去掉吗？\r\n"
        "如果你认为掌握的还不太好，建议你点“否”，把它们保留在错题记录中。";
    int answer = forms::kNo;
    Try([&] { answer = forms::MsgBox(prompt, forms::kYesNo + forms::kQuestion + forms::kDefaultButton2); });
    if (answer == forms::kYes) {
      Try([&] {
        const std::string file = PaperWrongFile(frame::gListIndex);
        const std::string list = ReadRecordLine(file);
        std::string kept;
        const std::vector<std::string> codes = platform::Groups(list, 4);
        for (size_t i = 0; i < codes.size() && platform::Len(codes[i]) == 4; ++i) {
          const bool completed = i < done.size() && done[i];
          if (!completed) kept += codes[i];
        }
        WriteRecordLine(file, kept);
      });
    }
  }
}

void FrmTm::SaveAndExit() {
  const int16_t kind = frame::gSessionKind;
  FrmPicture::Get().SetVisible(false);
  Image2.SetCaption("显示图片");
  LblZXH_Click();
  SaveSessionRecords();

  TimeKS.SetEnabled(false);
  TimStartYS.SetEnabled(false);
  TimerREDO.SetEnabled(false);
  frame::gAllowBarUnload = true;
  Try([] { desktop::FrmMain::Get().Unload(); });
  Try([&] { Unload(); });

  // The bar is gone; what follows touches only module state and the home screen.
  frame::gReturnButton = ReturnButtonFor(kind);
  if (frame::gReturnButton != 0) Try([] { gSessionHooks.enableHomeReturn(); });
  Try([] { gSessionHooks.showHome(); });
}

}  // namespace xpexam::session
