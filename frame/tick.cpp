#include "frame/tick.h"

#include <algorithm>
#include <limits>

#include "platform/clock.h"
#include "platform/http.h"

namespace xpexam::frame {
namespace {

// A pause wait never holds the user interface longer than this.
constexpr int32_t kSliceMs = 10;

// Handlers may replace themselves while they run, so each is called through a copy.
template <class F, class... Args>
void Raise(const F& event, Args... args) {
  if (F handler = event) handler(args...);
}

}  // namespace

TickService::TickService() { mStartTick = mLastTick = platform::TickCount(); }

int32_t TickService::CrossedTick() const {
  // The clock is 64-bit; a span beyond 32 bits (some 24 days) reads as the largest one.
  int64_t span = platform::TickCount() - mStartTick;
  return static_cast<int32_t>(std::clamp<int64_t>(span, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

bool TickService::InitTick(bool clear_pause_and_stop) {
  if (mBusy) return false;
  mStartTick = mLastTick = platform::TickCount();
  mBusy = true;
  if (clear_pause_and_stop) {
    mPause = false;
    Raise(HavePause, false);
    mStop = false;
  }
  Raise(Busy, true);
  return true;
}

void TickService::OverTick() {
  mBusy = false;
  Raise(Busy, false);
}

void TickService::WaitPauseOrStop(int32_t wait_ms) {
  while (mPause && !mStop) WaitWithEvents(wait_ms);
}

bool TickService::DoTickEvents(int32_t interval_ms, bool wait_while_paused, int32_t pause_wait_ms) {
  if (platform::TickCount() - mLastTick < interval_ms) return false;
  mLastTick = platform::TickCount();
  Raise(TickOk);
  if (wait_while_paused) WaitPauseOrStop(pause_wait_ms);
  platform::PumpEvents(0);
  return true;
}

void TickService::SetPaused(bool value) {
  mPause = value;
  Raise(HavePause, value);
}

void TickService::SetStopped(bool value) {
  mStop = value;
  Raise(HaveStop, value);
}

bool TickService::WaitWithEvents(int32_t wait_ms) {
  const int64_t start = platform::TickCount();
  // A negative wait is not expected: it polls once, as a wait of 0 does.
  const int32_t slice = std::clamp(wait_ms, 0, kSliceMs);
  do {
    // The pump sleeps at most one slice and handles whatever input arrived.
    platform::PumpEvents(slice);
  } while (platform::TickCount() - start < wait_ms);
  return true;
}

}  // namespace xpexam::frame
