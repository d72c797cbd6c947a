#include "home/bank_layout.h"

#include <algorithm>
#include <vector>

#include "frame/installation.h"
#include "frame/settings.h"
#include "home/head_lines.h"
#include "platform/bounded.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::home {
namespace {

using platform::TryReport;

constexpr std::string_view kTag = "fengmaincsh";

// Units of the progress file, and the most question counts line 2 can give.
constexpr long kProgressUnits = 25;
using Counts = platform::BoundedArray<int16_t, 0, 25>;
using ProgressLines = platform::BoundedArray<std::string, 0, 25>;

}  // namespace

std::string BankLayoutFile() { return frame::installation().dataPath() + "288891.mxy"; }

std::string UnitProgressFile() { return frame::installation().appPath() + "\\ksdata\\288893.mxy"; }

std::string FitProgressLine(const std::string& line, long count) {
  const long n = std::max<long>(count, 0);
  return platform::Left(line + std::string(static_cast<size_t>(n), 'F'), n);
}

void ReadBankLayout() {
  using platform::Mid;
  std::string line;
  TryReport(kTag, [&] { line = FirstLine(BankLayoutFile()); });
  line = platform::Trim(line);
  // Two characters read as at most 99: the counts fit 16 bits.
  frame::editInstallation().SetPaperCount(platform::ValInt(Mid(line, 1, 2)));
  frame::editInstallation().SetUnitCount(platform::ValInt(Mid(line, 3, 2)));
}

void NormaliseUnitProgress() {
  // Line 2, or line 1 of a bank layout file that has only one line.
  std::string count_line;
  bool counts_read = false;
  TryReport(kTag, [&] {
    std::vector<std::string> lines = HeadLines(BankLayoutFile(), 2);
    if (lines.empty()) return;
    count_line = lines.back();
    counts_read = true;
  });
  Counts count;
  const std::vector<std::string> pairs = platform::Groups(count_line, 2);
  for (size_t j = 0; j < pairs.size(); ++j)
    TryReport(kTag, [&] { count[static_cast<long>(j)] = platform::ValInt(pairs[j]); });

  ProgressLines progress;
  TryReport(kTag, [&] {
    std::vector<std::string> lines = HeadLines(UnitProgressFile(), ProgressLines::kUpper + 1);
    for (size_t i = 0; i < lines.size(); ++i) progress[static_cast<long>(i)] = lines[i];
  });

  std::vector<std::string> out;
  for (long u = 0; u < kProgressUnits; ++u) {
    progress[u] = FitProgressLine(progress[u], count[u]);
    out.push_back(progress[u]);
  }
  out.emplace_back();
  // Without counts every line would be emptied and the learner's progress lost.
  if (counts_read && !platform::WriteTextLines(UnitProgressFile(), out))
    platform::ReportFailure(kTag, platform::kErrFileIo, "Path/File access error");

  // Rows past the bank's units are empty, also when a changed bank has fewer units than before.
  for (long u = std::max<long>(frame::installation().unitCount(), 0); u <= 40; ++u)
    for (long column = 2; column <= 4; ++column) frame::editInstallation().SetUnitTable(u, column, {});
  for (long u = 0; u < frame::installation().unitCount(); ++u) {
    TryReport(kTag, [&] { frame::editInstallation().SetUnitTable(u, 2, platform::Str(platform::Len(platform::Trim(progress[u])))); });
    TryReport(kTag, [&] { frame::editInstallation().SetUnitTable(u, 4, platform::Trim(progress[u])); });
    TryReport(kTag, [&] {
      const std::string& line = progress[u];
      frame::editInstallation().SetUnitTable(u, 3, platform::Str(static_cast<long>(std::count(line.begin(), line.end(), 'F'))));
    });
  }
}

}  // namespace xpexam::home
