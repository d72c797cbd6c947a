#include "forms/timer.h"

#include <algorithm>

#include "forms/form.h"

namespace xpexam::forms {
namespace detail {
namespace {
struct Timers {
  std::vector<TimerSlot*> slots;
  uint64_t next_seq = 0;
};
Timers& T() {
  static auto* timers = new Timers;
  return *timers;
}
bool Waiting(const TimerSlot* s) { return s->enabled && !s->running && s->interval > 0; }
}  // namespace

void RegisterTimer(TimerSlot* slot) { T().slots.push_back(slot); }
void UnregisterTimer(TimerSlot* slot) { std::erase(T().slots, slot); }

void ArmTimer(TimerSlot& slot) {
  slot.due = Now() + slot.interval;
  slot.seq = ++T().next_seq;
  ++slot.arms;
}

int64_t NextTimerDue() {
  int64_t next = Backend::kNoDeadline;
  for (const TimerSlot* s : T().slots)
    if (Waiting(s)) next = std::min(next, s->due);
  return next;
}

bool FireDueTimer() {
  const int64_t now = Now();
  TimerSlot* first = nullptr;
  for (TimerSlot* s : T().slots) {
    if (!Waiting(s) || s->due > now) continue;
    if (!first || s->due < first->due || (s->due == first->due && s->seq < first->seq)) first = s;
  }
  if (!first) return false;
  TimerSlot& slot = *first;
  const uint64_t arms = slot.arms;
  slot.running = true;
  // The slot outlives the tick: windows and controls are destroyed only when no handler runs.
  auto fire = slot.fire;
  Invoke([&] { fire(); });
  slot.running = false;
  if (slot.arms == arms) slot.due = now + slot.interval;
  return true;
}

}  // namespace detail

Timer::Timer(Container& container, std::string name, int interval, bool enabled, int index)
    : form_(&container.OwnerForm()), name_(std::move(name)), index_(index) {
  slot_.interval = interval;
  slot_.fire = [this] {
    if (Tick) {
      auto handler = Tick;
      handler();
    }
  };
  detail::RegisterTimer(&slot_);
  form_->timers_.push_back(this);
  if (enabled) SetEnabled(true);
}

Timer::Timer(Container& container, std::string name, int interval, bool enabled, Unlisted)
    : Timer(container, std::move(name), interval, enabled) {
  listed_ = false;
}

Timer::~Timer() {
  detail::UnregisterTimer(&slot_);
  std::erase(form_->timers_, this);
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == slot_.enabled) return;
  slot_.enabled = enabled && form_->Loaded();
  if (slot_.enabled) detail::ArmTimer(slot_);
}

void Timer::SetInterval(int ms) {
  if (ms == slot_.interval) return;
  slot_.interval = ms;
  if (slot_.enabled) detail::ArmTimer(slot_);
}

void Timer::CopyFrom(const Timer& other) {
  SetInterval(other.Interval());
  SetEnabled(other.Enabled());
}

}  // namespace xpexam::forms
