#include "home/session_files.h"

#include <optional>
#include <string_view>
#include <vector>

#include "frame/module_state.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::home {
namespace {

using platform::TryReport;
constexpr std::string_view kTag = "initshiti";

// The raw lines of a file (bytes as stored, without the CR LF); nullopt when it cannot be read.
std::optional<std::vector<std::string>> RawLines(const std::string& path) {
  const auto bytes = platform::ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  std::vector<std::string> lines;
  std::string_view rest = *bytes;
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return lines;
}

std::string DataFile(long number) { return frame::gDataPath + std::to_string(number) + ".mxy"; }

// The record count of an index line: characters 5-6 as a number.
long RecordCount(const std::string& line) { return platform::CLng(platform::Val(platform::Mid(line, 5, 2))); }

}  // namespace

void AssembleSessionFiles(const std::string& btShuJu, int nBTTS) {
  std::string steps, index;
  frame::gQuestionCount = 0;
  TryReport(kTag, [&] {
    frame::gQuestionCount = platform::CInt(static_cast<double>(platform::Len(btShuJu)) / 4.0);
  });
  const std::vector<std::string> codes = platform::Groups(btShuJu, 4);
  for (long i = 1; i <= frame::gQuestionCount; ++i) {
    long code = 0;
    if (!TryReport(kTag, [&] {
          code = platform::CLng(platform::Val(i <= static_cast<long>(codes.size()) ? codes[static_cast<size_t>(i - 1)] : ""));
          frame::gQuestionCode[i] = platform::CInt(static_cast<double>(code));
        }))
      continue;
    const long unit = code / 100, question = code % 100;
    std::optional<std::vector<std::string>> unit_index, unit_steps;
    TryReport(kTag, [&] {
      unit_index = RawLines(DataFile(288870 + unit));
      if (!unit_index) platform::Fail(platform::kErrFileNotFound, "File not found");
    });
    TryReport(kTag, [&] {
      unit_steps = RawLines(DataFile(288820 + unit));
      if (!unit_steps) platform::Fail(platform::kErrFileNotFound, "File not found");
    });
    if (!unit_index || !unit_steps || unit_index->empty()) continue;
    // Line q of the unit's index, or its last line when it has fewer; records begin after
    // those of the questions before it.
    long first = 1, count = 0;
    std::string line;
    for (long j = 1; j <= static_cast<long>(unit_index->size()); ++j) {
      line = (*unit_index)[j - 1];
      count = 0;
      TryReport(kTag, [&] { count = RecordCount(line); });
      if (j >= question || j == static_cast<long>(unit_index->size())) break;
      first += count;
    }
    index += line + "\r\n";
    for (long k = first; k < first + count && k <= static_cast<long>(unit_steps->size()); ++k)
      steps += (*unit_steps)[k - 1] + "\r\n";
  }
  TryReport(kTag, [&] {
    if (!platform::WriteFileAtomic(DataFile(288800 + nBTTS), steps))
      platform::Fail(platform::kErrPathNotFound, "Path not found");
  });
  TryReport(kTag, [&] {
    if (!platform::WriteFileAtomic(DataFile(288850 + nBTTS), index))
      platform::Fail(platform::kErrPathNotFound, "Path not found");
  });
}

}  // namespace xpexam::home
