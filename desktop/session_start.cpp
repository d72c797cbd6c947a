#include "desktop/session_start.h"

#include <string>
#include <vector>

#include "desktop/session_files.h"
#include "desktop/session_plan_writer.h"
#include "desktop/step_record.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::desktop {
namespace {

constexpr std::string_view kOpeningTag = "startlianxi";

// A statement of the start: reported under tag, or left to stop the start when there is none.
template <class F>
void Run(std::string_view tag, F&& statement) {
  if (tag.empty())
    statement();
  else
    platform::TryReport(tag, statement);
}

// The bookmark list with "_" before every code, so that a code never matches across two
// neighbours.
std::string KeyedBookmarks() {
  std::string list;
  platform::LineReader reader(frame::installation().appPath() + "\\ksdata\\288862.mxy");
  if (!reader.Next(list)) return "";
  list = platform::Trim(list);
  std::string keyed;
  for (const std::string& code : platform::Groups(list, 4))
    if (platform::Len(code) == 4) keyed += "_" + code;
  return keyed;
}

void SetQuestions(const SessionRequest& request, std::string_view tag) {
  const PlanWriter edit = editPlan();
  switch (request.source) {
    case QuestionSource::kAssembled:
      AssembleSessionFiles(request.codes, plan().slot());
      break;
    case QuestionSource::kPrepared: {
      const int16_t count = platform::CInt(platform::Len(request.codes) / 4.0);
      edit.SetQuestionCount(count);
      for (long i = 1; i <= count; ++i) edit.SetCode(i, platform::ValInt(platform::Mid(request.codes, 4 * i - 3, 4)));
      break;
    }
    case QuestionSource::kWholeUnit:
      break;
  }
  if (request.questionCount)
    Run(tag, [&] { edit.SetQuestionCount(platform::CInt(static_cast<double>(*request.questionCount))); });
}

void SetMarks(const SessionRequest& request, std::string_view tag) {
  const PlanWriter edit = editPlan();
  const SessionPlan& p = plan();
  const std::vector<std::string> marks = platform::Chars(request.marks);
  const long positions = request.markedPositions.value_or(p.questionCount());
  for (long i = 1; i <= positions; ++i)
    Run(tag, [&] { edit.SetDoneMark(i, i <= static_cast<long>(marks.size()) ? marks[static_cast<size_t>(i - 1)] : request.marksPastEnd); });
  if (request.source == QuestionSource::kWholeUnit)
    for (long i = 1; i <= p.questionCount(); ++i) Run(tag, [&] { edit.SetCode(i, platform::CInt(request.list * 100.0 + i)); });
}

// A question marked done starts completed, every other one as new.
void SetStatuses(const SessionRequest& request, std::string_view tag) {
  const PlanWriter edit = editPlan();
  const SessionPlan& p = plan();
  const long positions = request.markedPositions.value_or(p.questionCount());
  for (long i = 1; i <= positions; ++i) Run(tag, [&] { edit.SetStatus(i, p.question(i).doneMark == "T" ? kStatusCompleted : 0); });
}

// Every position whose code is on the bookmark list gets the bookmark bit.
void AddBookmarkBits() {
  const PlanWriter edit = editPlan();
  const SessionPlan& p = plan();
  platform::TryReport(kOpeningTag, [&] {
    const std::string keyed = KeyedBookmarks();
    if (keyed.empty()) return;
    for (long i = 1; i <= SessionPlan::kMaxQuestions; ++i) {
      const std::string code = platform::Right("0000" + std::to_string(p.question(i).code), 4);
      if (platform::InStr(keyed, "_" + code) > 0) edit.SetStatus(i, platform::CInt(p.question(i).status + 2.0));
    }
  });
}

// The first step-file line of every question, from the index file.
void SetFirstLines(const SessionRequest& request) {
  const PlanWriter edit = editPlan();
  const SessionPlan& p = plan();
  edit.SetFirstLine(1, 1);
  if (request.source == QuestionSource::kPrepared) {
    // Read back as the caller wrote it; its own counts, rounded as the file holds them.
    platform::LineReader reader(p.indexFile());
    std::string text;
    for (long i = 1; reader.Next(text); ++i) {
      const IndexLine line(text);
      if (line.IsBlank()) break;
      if (request.onIndexLine) request.onIndexLine(line);
      edit.SetFirstLine(i + 1, platform::CLng(p.question(i).firstLine + line.RecordCount()));
    }
    return;
  }
  if (const auto lines = platform::ReadTextLines(p.indexFile()))
    FillFirstLines(*lines, kOpeningTag);
  else
    platform::ReportFailure(kOpeningTag, platform::kErrFileNotFound, "File not found");
}

// Opens the slot's files at question 1, step 1, with the clock's full time.
void Open(const SessionRequest& request) {
  const PlanWriter edit = editPlan();
  const std::string_view tag = request.source == QuestionSource::kPrepared ? std::string_view() : kOpeningTag;
  ReopenTextFile();
  Run(tag, [&] { edit.SetStepFile(SessionStepFile()); });
  Run(tag, [&] { edit.SetIndexFile(SessionIndexFile()); });
  editCursor().GoToQuestion(1);
  editCursor().GoToStep(1);
  edit.SetMinutesLeft(kExamMinutes);
  SetFirstLines(request);
  AddBookmarkBits();
}

// The slot offset that gives a kind its slot: the paper's number for a fixed paper, the unit for
// a whole unit, the assembled slot for every other kind.
int16_t SlotOffsetFor(SessionKind kind, int16_t list) {
  switch (KindRowOf(kind).slot) {
    case KindSlot::kOwn: return list;
    case KindSlot::kAssembled: break;
  }
  return static_cast<int16_t>(kAssembledSlot - static_cast<int16_t>(kind));
}

// An exam runs timed; every other session is practice.
RunMode RunModeFor(SessionKind kind) { return IsExam(kind) ? RunMode::kTimedExam : RunMode::kPractice; }

}  // namespace

void BeginSession(const SessionRequest& request) {
  const PlanWriter edit = editPlan();
  // A prepared session's statements are left to stop it, as its files are its own.
  const std::string_view tag = request.source == QuestionSource::kPrepared ? std::string_view() : request.tag;
  edit.SetKind(request.kind);
  edit.SetSlotOffset(SlotOffsetFor(request.kind, request.list));
  if (KindRowOf(request.kind).keeps != KeptList::kNone) edit.SetListIndex(request.list);
  SetQuestions(request, tag);
  edit.SetRunMode(RunModeFor(request.kind));
  editCursor().GoToQuestion(1);
  SetMarks(request, tag);
  if (request.beforeOpening) request.beforeOpening();
  SetStatuses(request, tag);
  Open(request);
}

}  // namespace xpexam::desktop
