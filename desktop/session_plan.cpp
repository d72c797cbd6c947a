#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"

#include <memory>

#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::desktop {
namespace {

std::unique_ptr<SessionPlan>& PlanSlot() {
  static std::unique_ptr<SessionPlan> the = std::make_unique<SessionPlan>();
  return the;
}

StepCursor& CursorSlot() {
  static StepCursor the;
  return the;
}

// Sums of 16-bit values stay 16-bit: a sum outside the range is an overflow.
int16_t SlotNumber() { return platform::CInt(plan().slot()); }

}  // namespace

size_t SessionPlan::Slot(long position) {
  if (position < 1 || position > kMaxQuestions) platform::Fail(platform::kErrSubscript, "Subscript out of range");
  return static_cast<size_t>(position - 1);
}

void PlanWriter::MarkOpened(long position) const {
  if (!plan_.question(position).Opened()) plan_.At(position).status += kStatusOpened;
}

void PlanWriter::MarkBookmarked(long position) const {
  if (!plan_.question(position).Bookmarked()) plan_.At(position).status += kStatusBookmarked;
}

void PlanWriter::MarkCompleted(long position) const {
  if (!plan_.question(position).Completed()) plan_.At(position).status += kStatusCompleted;
}

void PlanWriter::ClearBookmark(long position) const {
  if (plan_.question(position).Bookmarked()) plan_.At(position).status -= kStatusBookmarked;
}

const SessionPlan& plan() { return *PlanSlot(); }
PlanWriter editPlan() { return PlanWriter(*PlanSlot()); }
void ResetPlan() { PlanSlot() = std::make_unique<SessionPlan>(); }

const StepCursor& cursor() { return CursorSlot(); }
StepCursor& editCursor() { return CursorSlot(); }
void ResetCursor() { CursorSlot() = StepCursor(); }

std::string SessionSlot() { return platform::ZeroPad(SlotNumber(), 2); }

std::string IndexSlot() { return platform::ZeroPad(platform::CInt(SlotNumber() + static_cast<double>(kIndexSlotDistance)), 2); }

std::string SessionStepFile() { return frame::installation().dataPath() + "2888" + SessionSlot() + ".mxy"; }

std::string SessionIndexFile() { return frame::installation().dataPath() + "2888" + IndexSlot() + ".mxy"; }

void MarkOpened(long position) { editPlan().MarkOpened(position); }
void MarkBookmarked(long position) { editPlan().MarkBookmarked(position); }
void MarkCompleted(long position) { editPlan().MarkCompleted(position); }
void ClearBookmark(long position) { editPlan().ClearBookmark(position); }

void SetResumeStep(long position, int16_t step) { editPlan().SetResumeStep(position, step); }

void ResetResumeSteps(long through) {
  for (long i = 1; i <= through; ++i) editPlan().SetResumeStep(i, 1);
}

void NotePictureShown(long position, long layer, std::string id) { editPlan().SetPictureId(position, layer, std::move(id)); }

namespace {

// The run mode changes after the start only here.
void ChangeRunMode(RunMode mode) { editPlan().SetRunMode(mode); }

}  // namespace

void ShowOperationHints() { ChangeRunMode(RunMode::kPracticeWithHints); }

void HideOperationHints() {
  if (plan().runMode() != RunMode::kTimedExam) ChangeRunMode(RunMode::kPractice);
}

void TurnToPractice() { ChangeRunMode(RunMode::kPractice); }

void RestartClock() { editPlan().SetMinutesLeft(kExamMinutes); }

void CountDownMinute() { editPlan().SetMinutesLeft(platform::CInt(plan().minutesLeft() - 1.0)); }

void NoteExamStarted(std::string time) { editPlan().SetExamStartTime(std::move(time)); }

void StopRecordingRun() { editPlan().SetExamStartTime("-1"); }

void ClearDoneMarks(long through) {
  for (long i = 1; i <= through; ++i) editPlan().SetDoneMark(i, "F");
}

void ReopenTextFile() { editPlan().SetTextFile(frame::installation().dataPath() + "288890.mxy"); }

void ReopenSlotFiles() {
  editPlan().SetStepFile(SessionStepFile());
  editPlan().SetIndexFile(SessionIndexFile());
}

}  // namespace xpexam::desktop
