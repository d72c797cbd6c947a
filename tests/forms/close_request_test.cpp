// Closing the host window: the active window gets a close request (QueryUnload with the control
// menu's mode) and may refuse it; the program goes on unless its last window unloads.
#include <gtest/gtest.h>

#include <deque>

#include "forms/app.h"
#include "forms/form.h"
#include "platform/clock.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

using testing::EventLog;
using Lines = std::vector<std::string>;
EventLog* g_log = nullptr;

// A host that delivers a fixed list of events, then no more.
class ScriptedHost : public Backend {
 public:
  explicit ScriptedHost(std::deque<InputEvent> events) : events_(std::move(events)) {}
  int ScreenWidth() const override { return 800; }
  int ScreenHeight() const override { return 600; }
  int64_t NowMs() override { return 0; }
  Wait WaitEvent(int64_t, InputEvent& out) override {
    if (events_.empty()) return Wait::kExhausted;
    out = std::move(events_.front());
    events_.pop_front();
    return Wait::kEvent;
  }
  void Present(const Canvas&) override {}
  void SetPointer(int, const PicturePtr&) override {}

 private:
  std::deque<InputEvent> events_;
};

template <class T>
class Closable : public FormOf<T> {
 public:
  static inline bool refuse = false;

 protected:
  void Form_QueryUnload(int& cancel, int mode) override {
    (*g_log)(this->Name() + " QueryUnload " + std::to_string(mode));
    cancel = refuse;
  }
  void Form_Unload(int&) override { (*g_log)(this->Name() + " Unload"); }
};
class FrmFirst : public Closable<FrmFirst> {};
class FrmSecond : public Closable<FrmSecond> {};

class CloseRequestTest : public ::testing::Test {
 protected:
  CloseRequestTest() {
    g_log = &log_;
    ResetRuntime();
  }
  ~CloseRequestTest() override {
    ResetRuntime();
    InstallBackend(nullptr);
    platform::SetClockSource({});
    g_log = nullptr;
  }
  EventLog log_;
};

TEST_F(CloseRequestTest, TheActiveWindowDecides) {
  struct Case {
    const char* name;
    bool second_window, first_refuses, second_refuses;
    Lines expected;
    bool first_loaded, second_loaded;
  };
  const Case cases[] = {
      {"the only window unloads and the program ends", false, false, false,
       {"FrmFirst QueryUnload 0", "FrmFirst Unload"}, false, false},
      {"a refusing window stays and the program goes on", false, true, false,
       {"FrmFirst QueryUnload 0", "next event"}, true, false},
      {"only the active one of two windows is asked", true, true, false,
       {"FrmSecond QueryUnload 0", "FrmSecond Unload", "next event"}, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetRuntime();
    log_.Clear();
    FrmFirst::refuse = c.first_refuses;
    FrmSecond::refuse = c.second_refuses;
    InputEvent quit, probe;
    quit.type = EventType::kQuit;
    probe.type = EventType::kCall;
    probe.call = [] { (*g_log)("next event"); };
    InstallBackend(std::make_unique<ScriptedHost>(std::deque<InputEvent>{quit, probe}));
    FrmFirst::Get().Show();
    if (c.second_window) FrmSecond::Get().Show();
    forms::Run();
    EXPECT_EQ(log_.lines, c.expected);
    EXPECT_EQ(FrmFirst::IsLoaded(), c.first_loaded);
    EXPECT_EQ(FrmSecond::IsLoaded(), c.second_loaded);
  }
}

}  // namespace
}  // namespace xpexam::forms
