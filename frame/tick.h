#pragma once
// A tick service for long work on the user-interface thread: the work loop calls
// DoTickEvents on each pass; TickOk is raised whenever the given milliseconds have passed,
// window events keep flowing, and a pause holds the loop until it is lifted or a stop is set.
#include <cstdint>
#include <functional>

namespace xpexam::frame {

class TickService {
 public:
  TickService();

  // Milliseconds since creation or the last InitTick.
  int32_t CrossedTick() const;
  // Starts a run; false (and nothing changes) while a run is in progress.
  bool InitTick(bool clear_pause_and_stop);
  // Ends a run, also when none is in progress.
  void OverTick();
  // Returns when the pause is off or the stop is on, pumping events in waits of wait_ms.
  void WaitPauseOrStop(int32_t wait_ms);
  // True when interval_ms have passed since the last tick: TickOk was raised.
  bool DoTickEvents(int32_t interval_ms, bool wait_while_paused, int32_t pause_wait_ms);

  bool isPaused() const { return mPause; }
  void SetPaused(bool value);
  bool isStopped() const { return mStop; }
  void SetStopped(bool value);
  bool isBusy() const { return mBusy; }
  int32_t CrossedTicks() const { return CrossedTick(); }

  // Events.
  std::function<void()> TickOk;
  std::function<void(bool busy)> Busy;
  std::function<void(bool paused)> HavePause;
  std::function<void(bool stopped)> HaveStop;

 private:
  bool WaitWithEvents(int32_t wait_ms);

  int64_t mStartTick = 0;
  int64_t mLastTick = 0;
  bool mPause = false;
  bool mStop = false;
  bool mBusy = false;
};

}  // namespace xpexam::frame
