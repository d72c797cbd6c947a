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

P_Cls_Tick::P_Cls_Tick() { mStartTick = mLastTick = platform::TickCount(); }

int32_t P_Cls_Tick::CrossedTick() const {
  // The clock is 64-bit; a span beyond 32 bits (some 24 days) reads as the largest one.
  int64_t span = platform::TickCount() - mStartTick;
  return static_cast<int32_t>(std::clamp<int64_t>(span, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

bool P_Cls_Tick::InitTick(bool bResetPauseAndStop) {
  if (mBusy) return false;
  mStartTick = mLastTick = platform::TickCount();
  mBusy = true;
  if (bResetPauseAndStop) {
    mPause = false;
    Raise(HavePause, false);
    mStop = false;
  }
  Raise(Busy, true);
  return true;
}

void P_Cls_Tick::OverTick() {
  mBusy = false;
  Raise(Busy, false);
}

void P_Cls_Tick::WaitPauseOrStop(int32_t lWaitTime) {
  while (mPause && !mStop) WaitWithEvents(lWaitTime);
}

bool P_Cls_Tick::DoTickEvents(int32_t lTicks, bool bWaitPauseOrStopForOver, int32_t lWaitPauseOrStopWaitTime) {
  if (platform::TickCount() - mLastTick < lTicks) return false;
  mLastTick = platform::TickCount();
  Raise(TickOk);
  if (bWaitPauseOrStopForOver) WaitPauseOrStop(lWaitPauseOrStopWaitTime);
  platform::PumpEvents(0);
  return true;
}

void P_Cls_Tick::oPause(bool value) {
  mPause = value;
  Raise(HavePause, value);
}

void P_Cls_Tick::oStop(bool value) {
  mStop = value;
  Raise(HaveStop, value);
}

bool P_Cls_Tick::WaitWithEvents(int32_t lWaitTime) {
  const int64_t start = platform::TickCount();
  // A negative wait is not expected: it polls once, as a wait of 0 does.
  const int32_t slice = std::clamp(lWaitTime, 0, kSliceMs);
  do {
    // The pump sleeps at most one slice and handles whatever input arrived.
    platform::PumpEvents(slice);
  } while (platform::TickCount() - start < lWaitTime);
  return true;
}

}  // namespace xpexam::frame
