// Timers: when they tick, in which order, and that nested loops keep them ticking.
#include <gtest/gtest.h>

#include <sstream>

#include "forms/app.h"
#include "forms/control_array.h"
#include "forms/dump.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "platform/clock.h"
#include "platform/http.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

using testing::EventLog;
using Lines = std::vector<std::string>;

class FrmTimers : public FormOf<FrmTimers> {
 public:
  static inline EventLog* log = nullptr;
  Timer TimA{*this, "TimA", 100, false};
  Timer TimB{*this, "TimB", 100, false};
  Timer TimC{*this, "TimC", 250, false};
  ControlArray<Timer> TimArr{*this, "TimArr", {1, 4}};
  Timer TimBusy{*this, "TimBusy", 100, false, Timer::Unlisted{}};
  FrmTimers() {
    TimArr.Tick = [this](int i) {
      (*log)("TimArr(" + std::to_string(i) + ") " + std::to_string(platform::TickCount()));
      TimArr[i].SetEnabled(false);
    };
    for (Timer* t : {&TimA, &TimB, &TimC, &TimBusy})
      t->Tick = [t] { (*log)(t->Name() + " " + std::to_string(platform::TickCount())); };
  }
};

class TimerTest : public testing::FormsTest {
 protected:
  TimerTest() { FrmTimers::log = &log_; }
  ~TimerTest() override { FrmTimers::log = nullptr; }
  EventLog log_;
};

TEST_F(TimerTest, FirstTickOneIntervalAfterEnablingThenInOrderOfDueTimeAndEnabling) {
  auto& f = FrmTimers::Get();
  in_.Wait(30);
  in_.Call([&] {
    f.TimB.SetEnabled(true);   // enabled first: ticks first when both fall due together
    f.TimA.SetEnabled(true);
    f.TimC.SetEnabled(true);
  });
  in_.Wait(300);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"TimB 130", "TimA 130", "TimB 230", "TimA 230", "TimC 280", "TimB 330", "TimA 330"}));
}

TEST_F(TimerTest, EnablingAnEnabledTimerChangesNothingButANewIntervalRestarts) {
  auto& f = FrmTimers::Get();
  f.TimA.SetEnabled(true);
  in_.Wait(60);
  in_.Call([&] { f.TimA.SetEnabled(true); });
  in_.Wait(60);
  in_.Call([&] { f.TimB.SetEnabled(true); });
  in_.Wait(60);
  in_.Call([&] { f.TimB.SetInterval(200); });
  in_.Wait(300);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"TimA 100", "TimA 200", "TimA 300", "TimB 380", "TimA 400"}));
}

TEST_F(TimerTest, AnUnlistedTimerTicksButTheDumpListsOnlyTheWindowsOwn) {
  auto& f = FrmTimers::Get();
  f.Show();
  in_.Call([&] { f.TimBusy.SetEnabled(true); });
  in_.Wait(100);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"TimBusy 100"}));
  std::ostringstream dump;
  DumpScreen(dump);
  EXPECT_NE(dump.str().find("  Timer TimA enabled=0 interval=100\n"), std::string::npos) << dump.str();
  EXPECT_EQ(dump.str().find("TimBusy"), std::string::npos) << dump.str();
}

TEST_F(TimerTest, ATickHandlerIsNeverReentered) {
  auto& f = FrmTimers::Get();
  int depth = 0, max_depth = 0, ticks = 0;
  f.TimA.Tick = [&] {
    ++ticks;
    max_depth = std::max(max_depth, ++depth);
    if (ticks == 1) PumpUntil([] { return false; }, 450);  // a long wait that pumps events
    --depth;
  };
  f.TimB.Tick = [&] { log_("B " + std::to_string(platform::TickCount())); };
  f.TimA.SetEnabled(true);
  f.TimB.SetEnabled(true);
  in_.Wait(1000);
  Pump();
  EXPECT_EQ(max_depth, 1);
  // B kept ticking inside A's wait; A ticks once at the wait's end, then every 100 ms.
  EXPECT_EQ(log_.lines.front(), "B 100");
  EXPECT_EQ(ticks, 1 + 1 + 4);
}

TEST_F(TimerTest, TimerArraysTickWithTheirIndex) {
  auto& f = FrmTimers::Get();
  f.TimArr[4].SetInterval(50);
  f.TimArr[1].SetInterval(50);
  f.TimArr[4].SetEnabled(true);
  f.TimArr[1].SetEnabled(true);
  in_.Wait(200);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"TimArr(4) 50", "TimArr(1) 50"}));
}

TEST_F(TimerTest, UnloadingTheWindowStopsItsTimers) {
  auto& f = FrmTimers::Get();
  f.TimA.SetEnabled(true);
  in_.Wait(150);
  in_.Call([&] { FrmTimers::Get().Unload(); });
  in_.Wait(500);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"TimA 100"}));
  EXPECT_FALSE(FrmTimers::IsLoaded());
}

TEST_F(TimerTest, TheVirtualClockDrivesTickCountAndNow) {
  in_.Wait(61000);
  Pump();
  EXPECT_EQ(platform::TickCount(), 61000);
  EXPECT_EQ(platform::Now(), (platform::DateTime{2026, 1, 1, 9, 1, 1}));
  EXPECT_EQ(AddSeconds({2025, 12, 31, 23, 59, 59}, 1), (platform::DateTime{2026, 1, 1, 0, 0, 0}));
  EXPECT_EQ(AddSeconds({2024, 2, 28, 12, 0, 0}, 86400), (platform::DateTime{2024, 2, 29, 12, 0, 0}));
}

}  // namespace
}  // namespace xpexam::forms

namespace xpexam::forms {
namespace {

// Code that waits in a loop of its own (a network request, the tick service) keeps the windows
// alive through the pump installed with the backend.
TEST_F(TimerTest, WaitsOfOtherCodePumpTimersAndInput) {
  auto& f = FrmTimers::Get();
  f.TimA.SetInterval(20);
  f.TimA.SetEnabled(true);
  in_.Wait(1000);
  int turns = 0;
  while (platform::TickCount() < 100) {
    platform::PumpEvents(10);
    ++turns;
  }
  EXPECT_EQ(log_.lines, (Lines{"TimA 20", "TimA 40", "TimA 60", "TimA 80", "TimA 100"}));
  EXPECT_EQ(turns, 10);
  // PumpUntil: done as soon as a queued action says so, or false at the time-out.
  bool done = false;
  in_.Wait(30);
  in_.Call([&] { done = true; });
  EXPECT_TRUE(PumpUntil([&] { return done; }, 1000));
  EXPECT_FALSE(PumpUntil([] { return false; }, 50));
}

}  // namespace
}  // namespace xpexam::forms
