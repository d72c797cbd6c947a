// The redo of a handed-in paper's wrong questions: they are copied from the bank's unit files
// into the assembled slot and practised as a review of the paper's wrong answers.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "desktop/desktop_window.h"
#include "desktop/index_line.h"
#include "desktop/session_plan.h"
#include "desktop/session_start.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "session/question_index.h"
#include "session/score_report.h"
#include "session/question_bar.h"
#include "session/record_files.h"

namespace xpexam::session {

using namespace frame;
using platform::Mid;
using platform::ValInt;

namespace {

// Step records of a question: its index line, and the records of the unit's step file that
// belong to it.
struct UnitQuestion {
  desktop::IndexLine index_line;
  std::vector<std::string> records;
};

// The decoded lines of a unit's index and step files, read once however many of its questions
// the paper got wrong; a missing file reads as empty.
struct UnitLines {
  std::vector<std::string> index, steps;
};
using UnitCache = std::map<int, UnitLines>;

const UnitLines& ReadUnit(UnitCache& cache, int u) {
  auto [it, added] = cache.try_emplace(u);
  if (added) {
    it->second.index = platform::ReadTextLines(installation().dataPath() + "2888" + platform::Str(70 + u) + ".mxy").value_or(
        std::vector<std::string>{});
    it->second.steps = platform::ReadTextLines(installation().dataPath() + "2888" + platform::Str(20 + u) + ".mxy").value_or(
        std::vector<std::string>{});
  }
  return it->second;
}

// Question q of unit u, read from the data folder's unit files. A short file yields what it has:
// the index line read last, and the records up to the end of the step file.
UnitQuestion ReadUnitQuestion(UnitCache& cache, int u, int q) {
  const UnitLines& unit = ReadUnit(cache, u);
  UnitQuestion out;
  long sum = 0, count = 0;
  for (long n = 1; n <= q && n <= static_cast<long>(unit.index.size()); ++n) {
    out.index_line = desktop::IndexLine(unit.index[static_cast<size_t>(n - 1)]);
    count = out.index_line.RecordCount();
    sum += count;
  }
  const long first = sum - count + 1;
  for (long n = std::max(first, 1L); n <= sum && n <= static_cast<long>(unit.steps.size()); ++n)
    out.records.push_back(unit.steps[static_cast<size_t>(n - 1)]);
  return out;
}

}  // namespace

void FrmChengji::RedoWrongQuestions() {
  const std::string wrong = ReadRecordLine(PaperWrongFile(desktop::plan().listIndex()));
  // The session state changes only once both files are written: a bank that cannot be read
  // leaves the paper's own session as it was, for its review.
  const int16_t count = platform::CInt(platform::Len(wrong) / 4.0);
  if (count > desktop::SessionPlan::kMaxQuestions) platform::Fail(platform::kErrSubscript, "Subscript out of range");
  std::vector<std::string> index_lines, step_lines;
  UnitCache units;
  for (long i = 1; i <= count; ++i) {
    const int16_t code = ValInt(Mid(wrong, 4 * i - 3, 4));
    UnitQuestion q = ReadUnitQuestion(units, code / 100, code % 100);
    index_lines.push_back(q.index_line.Line());
    step_lines.insert(step_lines.end(), q.records.begin(), q.records.end());
  }
  const std::string data = installation().dataPath();
  const std::string step_file = data + "2888" + platform::Str(desktop::kAssembledSlot) + ".mxy";
  const std::string index_file = data + "2888" + platform::Str(desktop::kAssembledSlot + desktop::kIndexSlotDistance) + ".mxy";
  if (!platform::WriteTextLines(step_file, step_lines)) platform::Fail(platform::kErrFileIo, "Path/File access error");
  if (!platform::WriteTextLines(index_file, index_lines)) platform::Fail(platform::kErrFileIo, "Path/File access error");

  // Practised as the review of the paper's wrong answers, whose slot the files were written to.
  desktop::SessionRequest request;
  request.kind = desktop::SessionKind::kPaperWrong;
  request.list = desktop::plan().listIndex();
  request.source = desktop::QuestionSource::kPrepared;
  request.codes = wrong;
  request.onIndexLine = [](const desktop::IndexLine& line) { KeepIndexLine(line); };
  request.beforeOpening = [] { FrmTm::Get().BeginRedo(); };
  desktop::BeginSession(request);

  Unload();
  desktop::FrmMain::Get().Show();
  FrmTm::Get().Show();
  DockBar();
}

}  // namespace xpexam::session
