// The paper rows' links: practising a paper's wrong answers and deleting a random paper.
#include <string>
#include <vector>

#include "frame/data_picture.h"
#include "desktop/session_start.h"
#include "frame/message_box.h"
#include "home/home_screen.h"
#include "home/head_lines.h"
#include "home/session_launcher.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "session/record_files.h"
#include "session/record_save_notice.h"

namespace xpexam::home {
namespace {

using platform::TryReport;

constexpr std::string_view kReviewTag = "lblshijuancc";
constexpr std::string_view kDeleteTag = "lblshijuandel";

bool Ask(std::string_view tag, const std::string& title, const std::string& prompt) {
  return frame::AskInMessageBox(tag, title, frame::kQuestionIcon, prompt);
}

}  // namespace

void FrmFengmian::LblShiJuanCCC_Click(int index) {
  const std::string list = session::ReadRecordLine(session::PaperWrongFile(index));
  if (list.empty()) {
    Ask(kReviewTag, "没有生成错题",
        "\r\n\r\n\r\n你可能是还没有做本套试题，或者上次得分为0。\r\n请点“开始考试”做本套试题。");
    return;
  }
  desktop::SessionRequest request;
  request.kind = desktop::SessionKind::kPaperWrong;
  request.list = static_cast<int16_t>(index);
  request.codes = list;
  // Whole codes only: a damaged record's tail is no question. Every question starts unfinished.
  request.questionCount = static_cast<int16_t>(platform::Len(list) / 4);
  request.tag = kReviewTag;
  desktop::BeginSession(request);
  ShowSession();
}

void FrmFengmian::LblShiJuanDel_Click(int index) {
  if (!Ask(kDeleteTag, "删除试卷", "\r\n\r\n\r\n您确实要删除本套随机试题吗？")) return;
  const int n = mRandomPaperCount;
  // Only a listed random paper can go: any other index would drop the list's last paper.
  if (index < 20 || index > n + 19) return;

  const platform::WriteFailureWatch writes;
  // Random paper list: the later papers move up one line.
  TryReport(kDeleteTag, [&] {
    std::vector<std::string> lines;
    if (platform::FileExists(session::RandomPaperListFile()))
      for (const std::string& line : HeadLines(session::RandomPaperListFile(), 15)) {
        lines.push_back(line);
        if (platform::Trim(line).empty()) break;
      }
    lines.resize(static_cast<size_t>(n));
    lines.erase(lines.begin() + (index - 20));
    if (!session::WriteRecordLines(session::RandomPaperListFile(), lines))
      platform::ReportFailure(kDeleteTag, platform::kErrPathNotFound, "Path not found");
  });

  // Wrong-answer files follow their papers.
  // Never truncated in place: a crash leaves the old or the new content.
  for (int j = index; j <= n + 18; ++j)
    if (!platform::CopyFileAtomic(session::PaperWrongFile(j + 1), session::PaperWrongFile(j)))
      platform::ReportFailure(kDeleteTag, platform::kErrFileNotFound, "File not found");

  // History records follow their papers too; the file always holds 30 records. A damaged list
  // longer than the history table would move records past its end: nothing moves.
  std::vector<std::string> table = session::ReadPaperHistory();
  if (3 * static_cast<size_t>(n + 19) + 2 >= table.size()) {
    platform::ReportFailure(kDeleteTag, platform::kErrSubscript, "Subscript out of range");
  } else {
    for (int k = index; k <= n + 18; ++k)
      for (int line = 0; line < 3; ++line) table[3 * k + line] = table[3 * k + 3 + line];
    if (!session::WritePaperHistory(table)) platform::ReportFailure(kDeleteTag, platform::kErrPathNotFound, "Path not found");
  }

  // Told over the rebuilt screen, which shows what the files still hold; the build's own
  // writes are not this change's.
  const int write_error = writes.firstError();
  BuildHomeScreen();
  session::TellIfNotSaved(write_error, kDeleteTag, session::kChangeNotSaved);
}

}  // namespace xpexam::home
