#include "frame/tick.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/clock.h"
#include "platform/http.h"

namespace xpexam::frame {
namespace {

using Events = std::vector<std::string>;

// A virtual clock that moves only when the event pump waits, and a log of the events.
class Tick : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetClockSource({[this] { return now_; }, nullptr});
    platform::SetEventPump([this](int max_wait_ms) {
      waits_.push_back(max_wait_ms);
      now_ += max_wait_ms;
      if (on_pump_) on_pump_();
    });
    tick_ = std::make_unique<TickService>();
    tick_->TickOk = [this] { events_.push_back("TickOk"); };
    tick_->Busy = [this](bool b) { events_.push_back(b ? "Busy(1)" : "Busy(0)"); };
    tick_->HavePause = [this](bool b) { events_.push_back(b ? "HavePause(1)" : "HavePause(0)"); };
    tick_->HaveStop = [this](bool b) { events_.push_back(b ? "HaveStop(1)" : "HaveStop(0)"); };
  }
  void TearDown() override {
    platform::SetEventPump(nullptr);
    platform::SetClockSource({});
  }
  Events Take() { return std::exchange(events_, {}); }

  int64_t now_ = 1000;
  std::vector<int> waits_;
  std::function<void()> on_pump_;
  Events events_;
  std::unique_ptr<TickService> tick_;
};

TEST_F(Tick, RunBracketsAndFlagEvents) {
  struct Step {
    const char* name;
    std::function<bool(TickService&)> act;
    bool result;
    Events events;
    bool busy, pause, stop;
  } steps[] = {
      {"pause", [](TickService& t) { t.SetPaused(true); return true; }, true, {"HavePause(1)"}, false, true, false},
      {"stop", [](TickService& t) { t.SetStopped(true); return true; }, true, {"HaveStop(1)"}, false, true, true},
      {"same value raises again", [](TickService& t) { t.SetStopped(true); return true; }, true, {"HaveStop(1)"},
       false, true, true},
      {"keep flags", [](TickService& t) { return t.InitTick(false); }, true, {"Busy(1)"}, true, true, true},
      {"second run refused", [](TickService& t) { return t.InitTick(true); }, false, {}, true, true, true},
      {"over", [](TickService& t) { t.OverTick(); return true; }, true, {"Busy(0)"}, false, true, true},
      {"over when idle", [](TickService& t) { t.OverTick(); return true; }, true, {"Busy(0)"}, false, true, true},
      {"reset: no HaveStop", [](TickService& t) { return t.InitTick(true); }, true, {"HavePause(0)", "Busy(1)"},
       true, false, false},
  };
  for (auto& s : steps) {
    SCOPED_TRACE(s.name);
    EXPECT_EQ(s.act(*tick_), s.result);
    EXPECT_EQ(Take(), s.events);
    EXPECT_EQ(tick_->isBusy(), s.busy);
    EXPECT_EQ(tick_->isPaused(), s.pause);
    EXPECT_EQ(tick_->isStopped(), s.stop);
  }
}

TEST_F(Tick, TicksAreDueAfterTheirMilliseconds) {
  struct Step {
    int64_t advance;
    int32_t ticks;
    bool due;
    int32_t crossed;
  } steps[] = {
      {0, 0, true, 0},      // 0 or less: every call ticks
      {0, -5, true, 0},
      {50, 100, false, 50},
      {49, 100, false, 99},
      {1, 100, true, 100},  // 100 since the last tick
      {99, 100, false, 199},  // counted from the tick, not from the start
      {1, 100, true, 200},
  };
  ASSERT_TRUE(tick_->InitTick(false));
  Take();
  for (const auto& s : steps) {
    SCOPED_TRACE(now_);
    now_ += s.advance;
    waits_.clear();
    EXPECT_EQ(tick_->DoTickEvents(s.ticks, false, 0), s.due);
    EXPECT_EQ(Take(), s.due ? Events{"TickOk"} : Events{});
    // A due tick pumps the events once without waiting; one not due does nothing.
    EXPECT_EQ(waits_, s.due ? std::vector<int>{0} : std::vector<int>{});
    EXPECT_EQ(tick_->CrossedTick(), s.crossed);
    EXPECT_EQ(tick_->CrossedTicks(), s.crossed);
  }
  // A new run starts counting again.
  tick_->OverTick();
  ASSERT_TRUE(tick_->InitTick(false));
  EXPECT_EQ(tick_->CrossedTick(), 0);
}

TEST_F(Tick, PausedTickWaitsInShortSlicesUntilResumedOrStopped) {
  struct Case {
    const char* name;
    int32_t wait;
    std::function<void(TickService&)> lift;
    Events events;
  } cases[] = {
      {"resume", 25, [](TickService& t) { t.SetPaused(false); }, {"TickOk", "HavePause(0)"}},
      {"stop", 25, [](TickService& t) { t.SetStopped(true); }, {"TickOk", "HaveStop(1)"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(tick_->InitTick(true));
    tick_->SetPaused(true);
    Take();
    waits_.clear();
    // A handler lifts the pause during the seventh pump.
    int pumps = 0;
    on_pump_ = [&] {
      if (++pumps == 7) c.lift(*tick_);
    };
    EXPECT_TRUE(tick_->DoTickEvents(0, true, c.wait));
    on_pump_ = nullptr;
    EXPECT_EQ(Take(), c.events);
    // Each wait of 25 ms is slept in slices of 10 ms; the flags are tested between waits, so
    // the third wait runs to its end after the seventh pump; then the events are pumped once.
    EXPECT_EQ(waits_, (std::vector<int>{10, 10, 10, 10, 10, 10, 10, 10, 10, 0}));
    tick_->OverTick();
  }

  // Not paused: the wait returns at once.
  waits_.clear();
  tick_->WaitPauseOrStop(1000);
  EXPECT_TRUE(waits_.empty());

  // A wait of 0 polls once with no time-out.
  tick_->SetStopped(false);
  tick_->SetPaused(true);
  on_pump_ = [&] { tick_->SetStopped(true); };
  tick_->WaitPauseOrStop(0);
  EXPECT_EQ(waits_, std::vector<int>{0});
}

}  // namespace
}  // namespace xpexam::frame
