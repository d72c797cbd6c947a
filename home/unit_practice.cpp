#include "home/unit_practice.h"

#include <string>

#include "desktop/session_start.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "home/bank_layout.h"
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
  desktop::SessionRequest request;
  request.list = static_cast<int16_t>(unit);
  request.tag = kTag;
  if (filter == 0) {
    // The unit's own files, every question with its mark from the progress line.
    request.kind = desktop::SessionKind::kUnitAll;
    request.source = desktop::QuestionSource::kWholeUnit;
    request.questionCount = platform::Len(progress);
    request.marks = progress;
    request.marksPastEnd = "";
  } else {
    const std::string mark = filter == 1 ? "T" : "F";
    const std::vector<std::string> marks = platform::Chars(progress);
    for (size_t i = 0; i < marks.size(); ++i)
      if (marks[i] == mark) request.codes += platform::ZeroPad(unit, 2) + platform::ZeroPad(static_cast<long>(i) + 1, 2);
    if (request.codes.empty()) return false;
    request.kind = filter == 1 ? desktop::SessionKind::kUnitDone : desktop::SessionKind::kUnitNotDone;
    request.marksPastEnd = mark;
  }
  desktop::BeginSession(request);
  ShowSession();
  return true;
}

void StartUnitPractice(int unit) {
  std::string progress;
  TryReport(kTag, [&] { progress = UnitProgressLine(unit); });
  StartUnitSession(unit, 0, progress);
}

}  // namespace xpexam::home
