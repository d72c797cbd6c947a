// Closing the host window is the request to leave the program: the program's hook routes it;
// without one the window on top takes it as its close box (QueryUnload with the control menu's
// mode) and may refuse it, a borderless window stays. The program goes on unless its last
// window unloads.
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
class FrmBare : public Closable<FrmBare> {
 public:
  FrmBare() { SetBorderStyle(forms::WindowBorder::kNone); }
};

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

TEST_F(CloseRequestTest, TheWindowOnTopOrTheHookDecides) {
  enum Second { kNone, kShown, kModal, kBorderless };
  struct Case {
    const char* name;
    Second second;
    bool first_refuses, hook;
    Lines expected;
    bool first_loaded, second_loaded;
  };
  const Case cases[] = {
      {"the only window unloads and the program ends", kNone, false, false,
       {"FrmFirst QueryUnload 0", "FrmFirst Unload"}, false, false},
      {"a refusing window stays and the program goes on", kNone, true, false,
       {"FrmFirst QueryUnload 0", "next event"}, true, false},
      {"only the active one of two windows is asked", kShown, true, false,
       {"FrmSecond QueryUnload 0", "FrmSecond Unload", "next event"}, true, false},
      {"a modal window on top is asked, not the one that opened it", kModal, false, false,
       {"FrmSecond QueryUnload 0", "FrmSecond Unload", "next event"}, true, false},
      {"a borderless window on top has no close box and stays", kBorderless, false, false,
       {"next event"}, true, true},
      {"the program's hook takes it and no window is asked", kShown, false, true,
       {"hook FrmSecond", "next event"}, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetRuntime();
    log_.Clear();
    FrmFirst::refuse = c.first_refuses;
    InputEvent quit, probe;
    quit.type = EventType::kQuit;
    probe.type = EventType::kCall;
    probe.call = [] { (*g_log)("next event"); };
    InstallBackend(std::make_unique<ScriptedHost>(std::deque<InputEvent>{quit, probe}));
    if (c.hook) SetCloseRequestHook([] { (*g_log)("hook " + TopWindow()->Name()); });
    FrmFirst::Get().Show();
    if (c.second == kShown) FrmSecond::Get().Show();
    if (c.second == kBorderless) FrmBare::Get().Show();
    if (c.second == kModal) FrmSecond::Get().ShowModal();
    forms::Run();
    EXPECT_EQ(log_.lines, c.expected);
    EXPECT_EQ(FrmFirst::IsLoaded(), c.first_loaded);
    EXPECT_EQ(FrmSecond::IsLoaded() || FrmBare::IsLoaded(), c.second_loaded);
  }
}

}  // namespace
}  // namespace xpexam::forms
