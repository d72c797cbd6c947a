#include "home/session_files.h"

#include <map>
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

// A file's raw lines (bytes as stored, without the CR LF), viewing the file's bytes.
struct RawFile {
  std::string bytes;
  std::vector<std::string_view> lines;
};

// Fills file from path; false when it cannot be read. The lines view file.bytes, so the file
// is filled where it will stay.
bool ReadRawFile(const std::string& path, RawFile& file) {
  auto bytes = platform::ReadFileBytes(path);
  if (!bytes) return false;
  file.bytes = std::move(*bytes);
  std::string_view rest = file.bytes;
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    file.lines.push_back(line);
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return true;
}

// A session draws many questions from the same unit: each unit file is read once per assembly.
class UnitFiles {
 public:
  const std::optional<RawFile>& Get(const std::string& path) {
    auto [it, added] = files_.try_emplace(path);
    if (added) {
      it->second.emplace();
      if (!ReadRawFile(path, *it->second)) it->second.reset();
    }
    return it->second;
  }

 private:
  std::map<std::string, std::optional<RawFile>> files_;
};

std::string DataFile(long number) { return frame::gDataPath + std::to_string(number) + ".mxy"; }

// The record count of an index line: characters 5-6 as a number.
long RecordCount(const std::string& line) { return platform::CLng(platform::Val(platform::Mid(line, 5, 2))); }

}  // namespace

void AssembleSessionFiles(const std::string& btShuJu, int nBTTS) {
  std::string steps, index;
  UnitFiles units;
  frame::gQuestionCount = 0;
  TryReport(kTag, [&] {
    frame::gQuestionCount = platform::CInt(static_cast<double>(platform::Len(btShuJu)) / 4.0);
  });
  for (long i = 1; i <= frame::gQuestionCount; ++i) {
    long code = 0;
    if (!TryReport(kTag, [&] {
          code = platform::CLng(platform::Val(platform::Mid(btShuJu, 4 * i - 3, 4)));
          frame::gQuestionCode[i] = platform::CInt(static_cast<double>(code));
        }))
      continue;
    const long unit = code / 100, question = code % 100;
    const std::optional<RawFile>* unit_index = nullptr;
    const std::optional<RawFile>* unit_steps = nullptr;
    TryReport(kTag, [&] {
      unit_index = &units.Get(DataFile(288870 + unit));
      if (!*unit_index) platform::Fail(platform::kErrFileNotFound, "File not found");
    });
    TryReport(kTag, [&] {
      unit_steps = &units.Get(DataFile(288820 + unit));
      if (!*unit_steps) platform::Fail(platform::kErrFileNotFound, "File not found");
    });
    if (!unit_index || !*unit_index || !unit_steps || !*unit_steps || (*unit_index)->lines.empty()) continue;
    const auto& index_lines = (*unit_index)->lines;
    const auto& step_lines = (*unit_steps)->lines;
    // Line q of the unit's index, or its last line when it has fewer; records begin after
    // those of the questions before it.
    long first = 1, count = 0;
    std::string line;
    for (long j = 1; j <= static_cast<long>(index_lines.size()); ++j) {
      line = index_lines[static_cast<size_t>(j - 1)];
      count = 0;
      TryReport(kTag, [&] { count = RecordCount(line); });
      if (j >= question || j == static_cast<long>(index_lines.size())) break;
      first += count;
    }
    index += line + "\r\n";
    for (long k = first; k < first + count && k <= static_cast<long>(step_lines.size()); ++k) {
      steps += step_lines[static_cast<size_t>(k - 1)];
      steps += "\r\n";
    }
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
