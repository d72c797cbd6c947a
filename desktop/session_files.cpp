#include "desktop/session_files.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "desktop/index_line.h"
#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::desktop {
namespace {

using platform::ReportFailure;
using platform::TryReport;
constexpr std::string_view kTag = "initshiti";

// A file's raw lines (bytes as stored, without the CR LF), viewing the file's bytes.
struct RawFile {
  std::string bytes;
  std::vector<std::string_view> lines;
  // For an index file: where each question's records begin (1-based) and how many it has,
  // worked out once; empty until asked for.
  std::vector<long> firsts, counts;
  bool counted = false;
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
  std::optional<RawFile>& Get(const std::string& path) {
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

std::string DataFile(long number) { return frame::installation().dataPath() + std::to_string(number) + ".mxy"; }

// Fills index.firsts and index.counts once.
void CountRecords(RawFile& index) {
  if (index.counted) return;
  index.counted = true;
  long first = 1;
  for (std::string_view line : index.lines) {
    // Counted on the stored bytes, which give the decoded count where the code and count are
    // ASCII, as every bank writes them.
    const long count = IndexLine(std::string(line)).RecordCount();
    index.firsts.push_back(first);
    index.counts.push_back(count);
    first += count;
  }
}

}  // namespace

void AssembleSessionFiles(const std::string& codes, int slot) {
  std::string steps, index;
  UnitFiles units;
  editPlan().SetQuestionCount(0);
  TryReport(kTag, [&] {
    editPlan().SetQuestionCount(platform::CInt(static_cast<double>(platform::Len(codes)) / 4.0));
  });
  const std::vector<std::string> groups = platform::Groups(codes, 4);
  for (long i = 1; i <= plan().questionCount(); ++i) {
    long code = 0;
    if (!TryReport(kTag, [&] {
          code = platform::CLng(platform::Val(i <= static_cast<long>(groups.size()) ? groups[static_cast<size_t>(i - 1)] : ""));
          editPlan().SetCode(i, platform::CInt(static_cast<double>(code)));
        }))
      continue;
    const long unit = code / 100, question = code % 100;
    std::optional<RawFile>& unit_index = units.Get(DataFile(288870 + unit));
    if (!unit_index) ReportFailure(kTag, platform::kErrFileNotFound, "File not found");
    std::optional<RawFile>& unit_steps = units.Get(DataFile(288820 + unit));
    if (!unit_steps) ReportFailure(kTag, platform::kErrFileNotFound, "File not found");
    if (!unit_index || !unit_steps || unit_index->lines.empty()) continue;
    RawFile& unit_file = *unit_index;
    const auto& index_lines = unit_file.lines;
    const auto& step_lines = unit_steps->lines;
    // Line q of the unit's index, or its last line when it has fewer; records begin after
    // those of the questions before it.
    const size_t last = index_lines.size();
    const size_t j = question < 1 ? 1 : std::min(static_cast<size_t>(question), last);
    CountRecords(unit_file);
    const long first = unit_file.firsts[j - 1], count = unit_file.counts[j - 1];
    const std::string_view line = index_lines[j - 1];
    index.append(line).append("\r\n");
    for (long k = first; k < first + count && k <= static_cast<long>(step_lines.size()); ++k) {
      steps += step_lines[static_cast<size_t>(k - 1)];
      steps += "\r\n";
    }
  }
  if (!platform::WriteFileAtomic(DataFile(288800 + slot), steps))
    ReportFailure(kTag, platform::kErrPathNotFound, "Path not found");
  if (!platform::WriteFileAtomic(DataFile(288800 + kIndexSlotDistance + slot), index))
    ReportFailure(kTag, platform::kErrPathNotFound, "Path not found");
}

}  // namespace xpexam::desktop
