#pragma once
// The timer control. Its first tick comes one interval after it is enabled; enabling an enabled
// timer changes nothing; its handler is never re-entered; timers due together tick in the order
// of their due time, then the order in which they were enabled; they tick inside every nested
// loop. Unloading the window stops its timers.
#include <functional>
#include <string>

#include "forms/control.h"
#include "forms/runtime.h"

namespace xpexam::forms {

class Timer {
 public:
  // The system's defaults are an interval of 0 (never ticks) and Enabled.
  Timer(Container& container, std::string name, int interval = 0, bool enabled = true, int index = -1);
  // A timer for the program's own background work rather than a part of the window's design:
  // dumps leave it out, so that they list the window as it was designed.
  struct Unlisted {};
  Timer(Container& container, std::string name, int interval, bool enabled, Unlisted);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  bool Listed() const { return listed_; }
  Form& Parent() const { return *form_; }
  bool Enabled() const { return slot_.enabled; }
  void SetEnabled(bool enabled);
  // Milliseconds; changing it while enabled starts the count again.
  int Interval() const { return slot_.interval; }
  void SetInterval(int ms);

  std::function<void()> Tick;

  void CopyFrom(const Timer& other);

 private:
  friend class Form;
  void Stop() { slot_.enabled = false; }

  Form* form_;
  std::string name_;
  int index_;
  bool listed_ = true;
  detail::TimerSlot slot_;
};

}  // namespace xpexam::forms
