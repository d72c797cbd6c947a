#include "home/unit_practice.h"

#include <string>

#include "desktop/session_plan.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "home/bank_layout.h"
#include "desktop/session_files.h"
#include "home/session_launcher.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::home {

using namespace frame;
using platform::TryReport;

namespace {

constexpr const char* kTag = "clickbotn";

// Line `n` of a text file, or the last line when the file has fewer; "" when it has none.
std::string LineOrLast(const std::string& path, long n) {
  platform::LineReader reader(path);
  std::string line, last;
  for (long count = 0; count < n && reader.Next(line); ++count) last = line;
  return last;
}

}  // namespace

std::string UnitProgressLine(int unit) {
  // Line 2 of the bank layout holds two digits per unit (line 1 when the file has one line).
  const std::string counts = LineOrLast(installation().dataPath() + "288891.mxy", 2);
  const long count = platform::CLng(platform::Val(platform::Mid(counts, 2L * unit + 1, 2)));
  std::string progress;
  const auto lines = platform::ReadTextLines(installation().appPath() + "\\ksdata\\288893.mxy");
  if (lines && unit >= 0 && static_cast<size_t>(unit) < lines->size()) progress = (*lines)[unit];
  return platform::Trim(FitProgressLine(progress, count));
}

bool StartUnitSession(int unit, int filter, const std::string& progress) {
  const desktop::SessionPlan& plan = desktop::plan();
  desktop::SessionPlan& edit = desktop::editPlan();
  edit.SetRunMode(desktop::RunMode::kPractice);
  desktop::editCursor().GoToQuestion(1);
  TryReport(kTag, [&] { edit.SetSlotOffset(platform::CInt(unit)); });
  if (filter == 0) {
    edit.SetKind(desktop::SessionKind::kUnitAll);
    TryReport(kTag, [&] { edit.SetQuestionCount(platform::CInt(static_cast<double>(platform::Len(progress)))); });
    const std::vector<std::string> marks = platform::Chars(progress);
    for (long i = 1; i <= plan.questionCount(); ++i) {
      TryReport(kTag, [&] { edit.SetDoneMark(i, i <= static_cast<long>(marks.size()) ? marks[static_cast<size_t>(i - 1)] : ""); });
      TryReport(kTag, [&] { edit.SetStatus(i, plan.question(i).doneMark == "T" ? desktop::kStatusCompleted : 0); });
      TryReport(kTag, [&] { edit.SetCode(i, platform::CInt(unit * 100.0 + i)); });
    }
    startLianXi();
    return true;
  }
  const std::string mark = filter == 1 ? "T" : "F";
  std::string list;
  const std::vector<std::string> marks = platform::Chars(progress);
  for (size_t i = 0; i < marks.size(); ++i)
    if (marks[i] == mark) list += platform::ZeroPad(unit, 2) + platform::ZeroPad(static_cast<long>(i) + 1, 2);
  if (list.empty()) return false;
  desktop::AssembleSessionFiles(list, desktop::kAssembledSlot);
  edit.SetKind(filter == 1 ? desktop::SessionKind::kUnitDone : desktop::SessionKind::kUnitNotDone);
  edit.SetListIndex(static_cast<int16_t>(unit));
  edit.SetSlotOffset(desktop::kAssembledSlot - static_cast<int16_t>(plan.kind()));
  for (long i = 1; i <= plan.questionCount(); ++i) {
    TryReport(kTag, [&] { edit.SetDoneMark(i, mark); });
    TryReport(kTag, [&] { edit.SetStatus(i, filter == 1 ? desktop::kStatusCompleted : 0); });
  }
  startLianXi();
  return true;
}

void StartUnitPractice(int unit) {
  std::string progress;
  TryReport(kTag, [&] { progress = UnitProgressLine(unit); });
  StartUnitSession(unit, 0, progress);
}

}  // namespace xpexam::home
