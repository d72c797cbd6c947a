#include "desktop/session_plan.h"

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

void SessionPlan::MarkOpened(long position) {
  if (!question(position).Opened()) At(position).status += kStatusOpened;
}

void SessionPlan::MarkBookmarked(long position) {
  if (!question(position).Bookmarked()) At(position).status += kStatusBookmarked;
}

void SessionPlan::MarkCompleted(long position) {
  if (!question(position).Completed()) At(position).status += kStatusCompleted;
}

void SessionPlan::ClearBookmark(long position) {
  if (question(position).Bookmarked()) At(position).status -= kStatusBookmarked;
}

const SessionPlan& plan() { return *PlanSlot(); }
SessionPlan& editPlan() { return *PlanSlot(); }
void ResetPlan() { PlanSlot() = std::make_unique<SessionPlan>(); }

const StepCursor& cursor() { return CursorSlot(); }
StepCursor& editCursor() { return CursorSlot(); }
void ResetCursor() { CursorSlot() = StepCursor(); }

std::string SessionSlot() { return platform::ZeroPad(SlotNumber(), 2); }

std::string IndexSlot() { return platform::ZeroPad(platform::CInt(SlotNumber() + static_cast<double>(kIndexSlotDistance)), 2); }

std::string SessionStepFile() { return frame::installation().dataPath() + "2888" + SessionSlot() + ".mxy"; }

std::string SessionIndexFile() { return frame::installation().dataPath() + "2888" + IndexSlot() + ".mxy"; }

}  // namespace xpexam::desktop
