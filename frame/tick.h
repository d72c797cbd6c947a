#pragma once
// A tick service for long work on the user-interface thread: the work loop calls
// DoTickEvents on each pass; TickOk is raised whenever the given milliseconds have passed,
// window events keep flowing, and a pause holds the loop until it is lifted or a stop is set.
#include <cstdint>
#include <functional>

namespace xpexam::frame {

class P_Cls_Tick {
 public:
  P_Cls_Tick();

  // Milliseconds since creation or the last InitTick.
  int32_t CrossedTick() const;
  // Starts a run; false (and nothing changes) while a run is in progress.
  bool InitTick(bool bResetPauseAndStop);
  // Ends a run, also when none is in progress.
  void OverTick();
  // Returns when the pause is off or the stop is on, pumping events in waits of lWaitTime ms.
  void WaitPauseOrStop(int32_t lWaitTime);
  // True when lTicks ms have passed since the last tick: TickOk was raised.
  bool DoTickEvents(int32_t lTicks, bool bWaitPauseOrStopForOver, int32_t lWaitPauseOrStopWaitTime);

  bool oPause() const { return mPause; }
  void oPause(bool value);
  bool oStop() const { return mStop; }
  void oStop(bool value);
  bool isBusy() const { return mBusy; }
  int32_t CrossedTicks() const { return CrossedTick(); }

  // Events.
  std::function<void()> TickOk;
  std::function<void(bool bBusyNow)> Busy;
  std::function<void(bool bPause)> HavePause;
  std::function<void(bool bStop)> HaveStop;

 private:
  bool WaitWithEvents(int32_t lWaitTime);

  int64_t mStartTick = 0;
  int64_t mLastTick = 0;
  bool mPause = false;
  bool mStop = false;
  bool mBusy = false;
};

}  // namespace xpexam::frame
