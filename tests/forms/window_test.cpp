// Windows: loading on first reference, modal windows, deferred destruction, unload cancelling,
// program end, failing handlers, dragging, z-order and the keyboard.
#include <gtest/gtest.h>

#include <functional>

#include "forms/app.h"
#include "forms/check_box.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/timer.h"
#include "platform/clock.h"
#include "platform/failure.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

using testing::EventLog;
using Lines = std::vector<std::string>;
EventLog* g_log = nullptr;
void Log(std::string s) { (*g_log)(std::move(s)); }

// The main window: a button-like label at pixels (10, 10)-(110, 30) that opens the dialog.
class FrmMainWin : public FormOf<FrmMainWin> {
 public:
  Label LblOpen{*this, "LblOpen"};
  Label LblOther{*this, "LblOther"};
  Timer Timer1{*this, "Timer1", 100, false};
  int loads = 0;
  FrmMainWin() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, 6000, 4500);
    LblOpen.Move(150, 150, 1500, 300);
    LblOther.Move(150, 750, 1500, 300);
    LblOpen.Click = [this] { OpenDialog(); };
    LblOther.Click = [] { Log("other click"); };
    Timer1.Tick = [] { Log("tick " + std::to_string(platform::TickCount())); };
  }
  void OpenDialog();

 protected:
  void Form_Load() override {
    ++loads;
    Log("main load");
  }
};

// A modal dialog at pixels (400, 100)-(600, 300); its OK label at (410, 110)-(510, 130).
class FrmDialog : public FormOf<FrmDialog> {
 public:
  Label LblOk{*this, "LblOk"};
  Label LblStay{*this, "LblStay"};
  int result = 0;
  FrmDialog() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(6000, 1500, 3000, 3000);
    LblOk.Move(150, 150, 1500, 300);
    LblStay.Move(150, 750, 1500, 300);
    LblOk.Click = [this] {
      result = 1;
      Unload();
      Log("after unload, caption " + LblOk.Caption());  // the rest of the handler still runs
    };
  }
  static inline bool refuse = false;

 protected:
  void Form_Load() override {
    LblOk.SetCaption("OK");
    Log("dialog load");
  }
  void Form_Unload(int& cancel) override {
    Log("dialog unload");
    if (refuse) cancel = 1;
  }
};

void FrmMainWin::OpenDialog() {
  Log("open");
  FrmDialog::Get().ShowModal();
  Log("modal returned");
}

class WindowTest : public testing::FormsTest {
 protected:
  WindowTest() { g_log = &log_; }
  ~WindowTest() override {
    g_log = nullptr;
    FrmDialog::refuse = false;
  }
  EventLog log_;
};

TEST_F(WindowTest, AnyReferenceLoadsOnceWithoutShowing) {
  EXPECT_FALSE(FrmMainWin::IsLoaded());
  EXPECT_EQ(FrmMainWin::Get().LblOpen.Caption(), "");
  EXPECT_TRUE(FrmMainWin::IsLoaded());
  EXPECT_FALSE(FrmMainWin::Get().Visible());
  FrmMainWin::Get().Show();
  FrmMainWin::Get().Hide();
  FrmMainWin::Get().Show();
  EXPECT_EQ(log_.lines, (Lines{"main load"}));
  // Unloading ends the instance; the next reference loads a fresh one.
  FrmMainWin::Get().LblOpen.SetCaption("changed");
  EXPECT_TRUE(FrmMainWin::Get().Unload());
  EXPECT_FALSE(FrmMainWin::IsLoaded());
  EXPECT_EQ(FrmMainWin::Get().LblOpen.Caption(), "");
  EXPECT_EQ(FrmMainWin::Get().loads, 1);
  EXPECT_EQ(log_.lines, (Lines{"main load", "main load"}));
}

TEST_F(WindowTest, UnloadIfLoadedEndsALoadedWindowAndNeverLoadsOne) {
  FrmMainWin::UnloadIfLoaded();
  EXPECT_FALSE(FrmMainWin::IsLoaded());
  EXPECT_EQ(log_.lines, Lines{});
  FrmMainWin::Get().Show();
  FrmMainWin::UnloadIfLoaded();
  EXPECT_FALSE(FrmMainWin::IsLoaded());
  FrmMainWin::UnloadIfLoaded();
  EXPECT_EQ(log_.lines, (Lines{"main load"}));
}

TEST_F(WindowTest, ModalDialogFromAClickClosedByAScriptedClickWhileTimersFire) {
  auto& main = FrmMainWin::Get();
  main.Show();
  main.Timer1.SetEnabled(true);
  in_.Click(20, 15);        // opens the dialog
  in_.Wait(250);
  in_.Click(20, 55);        // the main window gets no input while the dialog is up
  in_.Call([] { Log(ActiveForm() == &FrmDialog::Get() ? "dialog active" : "dialog not active"); });
  in_.Click(420, 115);      // OK
  in_.Wait(50);
  in_.Click(20, 55);        // the main window answers again
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"main load", "open", "dialog load", "tick 100", "tick 200", "dialog active",
                               "dialog unload", "after unload, caption OK", "modal returned", "tick 300", "other click"}));
  EXPECT_FALSE(FrmDialog::IsLoaded());
  EXPECT_EQ(ActiveForm(), &main);
}

TEST_F(WindowTest, UnloadCanBeCancelled) {
  FrmMainWin::Get().Show();
  FrmDialog::refuse = true;
  in_.Click(20, 15);
  in_.Click(420, 115);  // OK: unload refused, the dialog stays modal
  in_.Wait(600);        // not a double-click
  in_.Call([] { FrmDialog::refuse = false; });
  in_.Click(420, 115);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"main load", "open", "dialog load", "dialog unload", "after unload, caption OK",
                               "dialog unload", "after unload, caption OK", "modal returned"}));
}

// A window that unloads itself in its own timer tick and then goes on using its controls.
class FrmSelfUnload : public FormOf<FrmSelfUnload> {
 public:
  static inline int alive = 0;
  Label Label1{*this, "Label1"};
  Timer TimEnd{*this, "TimEnd", 100, true};
  FrmSelfUnload() {
    ++alive;
    TimEnd.Tick = [this] {
      Unload();
      Label1.SetCaption("still usable");
      Log(std::string("after unload: ") + Label1.Caption() + ", alive " + std::to_string(alive));
      FrmMainWin::Get().Show();  // hands control to another window, as a demonstration's end does
    };
  }
  ~FrmSelfUnload() override { --alive; }
};

TEST_F(WindowTest, AWindowUnloadingItselfIsDestroyedAfterItsHandler) {
  FrmSelfUnload::Get().Show();
  in_.Wait(150);
  in_.Call([] { Log("later, alive " + std::to_string(FrmSelfUnload::alive)); });
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"after unload: still usable, alive 1", "main load", "later, alive 0"}));
  EXPECT_FALSE(FrmSelfUnload::IsLoaded());
  EXPECT_TRUE(FrmMainWin::Get().Visible());
}

TEST_F(WindowTest, EndLeavesTheHandlerAndEveryLoopWithoutUnloadHandlers) {
  auto& main = FrmMainWin::Get();
  main.Show();
  main.LblOther.Click = [] {
    Log("before end");
    End();
    Log("after end");
  };
  in_.Click(20, 15);   // modal dialog
  in_.Call([] { FrmMainWin::Get().LblOther.Click(); });
  in_.Call([] { Log("never"); });
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"main load", "open", "dialog load", "before end"}));
  EXPECT_TRUE(Ended());
  EXPECT_TRUE(FrmDialog::IsLoaded());
}

TEST_F(WindowTest, TheEndOfTheInputInsideANestedLoopEndsTheProgram) {
  FrmMainWin::Get().Show();
  in_.Click(20, 15);
  Pump();
  EXPECT_TRUE(Ended());
  EXPECT_EQ(log_.lines, (Lines{"main load", "open", "dialog load"}));
}

// A window whose handler named in fail_in fails, as does its constructor when so named.
class FrmFaulty : public FormOf<FrmFaulty> {
 public:
  static inline std::string fail_in;
  CheckBox Check1{*this, "Check1"};
  FrmFaulty() {
    SetBorderStyle(forms::WindowBorder::kNone);
    FailIf("constructor");
    Check1.Click = [] { FailIf("click"); };
  }
  static void FailIf(const std::string& where) {
    if (fail_in == where) platform::Fail(platform::kErrInvalidCall, "Invalid procedure call or argument");
  }

 protected:
  void Form_Load() override { FailIf("load"); }
  void Form_Activate() override { FailIf("activate"); }
  void Form_QueryUnload(int&, int) override { FailIf("query unload"); }
};

// A call that raises handlers fails only by what it does itself: the runtime reports a failing
// handler as unhandled, the caller's guard hears nothing and the caller's next statement runs.
// A window's constructor runs in the referring statement, so its failure is the caller's.
TEST_F(WindowTest, AHandlersFailureIsTheRuntimesToReportNotTheCallers) {
  Lines reports;
  platform::SetFailureReporter([&](std::string_view tag, long number, std::string_view) {
    reports.push_back(std::string(tag) + " " + std::to_string(number));
  });
  const std::string unhandled = "forms: unhandled failure: 5 Invalid procedure call or argument\n";
  struct Case {
    const char* name;
    const char* fail_in;
    std::function<void()> call;
    bool completes;
    Lines reports;
    std::string stderr_text;
  };
  const Case cases[] = {
      {"first reference, Form_Load", "load", [] { FrmFaulty::Get(); }, true, {}, unhandled},
      {"Show, Form_Activate", "activate", [] { FrmFaulty::Get().Show(); }, true, {}, unhandled},
      {"ShowModal, Form_Activate", "activate",
       [this] {
         in_.Call([] { FrmFaulty::Get().Hide(); });
         FrmFaulty::Get().ShowModal();
       },
       true, {}, unhandled},
      {"Unload, Form_QueryUnload", "query unload", [] { FrmFaulty::Get().Unload(); }, true, {}, unhandled},
      {"check box value, Click", "click", [] { FrmFaulty::Get().Check1.SetValue(CheckState::kChecked); }, true, {}, unhandled},
      {"first reference, constructor", "constructor", [] { FrmFaulty::Get(); }, false, {"caller 5"}, ""},
  };
  for (const Case& c : cases) {
    reports.clear();
    FrmFaulty::fail_in = c.fail_in;
    bool next_ran = false;
    ::testing::internal::CaptureStderr();
    const bool completed = platform::TryReport("caller", [&] {
      c.call();
      next_ran = true;
    });
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.stderr_text) << c.name;
    EXPECT_EQ(completed, c.completes) << c.name;
    EXPECT_EQ(next_ran, c.completes) << c.name;
    EXPECT_EQ(reports, c.reports) << c.name;
    FrmFaulty::fail_in.clear();
    if (FrmFaulty::IsLoaded()) FrmFaulty::Get().Unload();
  }
  EXPECT_FALSE(Ended());
  platform::SetFailureReporter(nullptr);
}

// A window dragged by its title strip: pixels (0, 0)-(200, 20).
class FrmDrag : public FormOf<FrmDrag> {
 public:
  Label LblMove{*this, "LblMove"};
  Timer Timer1{*this, "Timer1", 100, true};
  FrmDrag() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(1500, 1500, 3000, 3000);
    LblMove.Move(0, 0, 3000, 300);
    LblMove.MouseDown = [this](int button, int, double, double) {
      if (button == kLeftButton) DragWindow();
      Log("drag over at " + std::to_string(static_cast<int>(Left())) + "," + std::to_string(static_cast<int>(Top())));
    };
    LblMove.MouseUp = [](int, int, double, double) { Log("mouse up"); };
    LblMove.Click = [] { Log("click"); };
    Timer1.Tick = [] { Log("tick"); };
  }
};

TEST_F(WindowTest, DraggingFollowsThePointerSwallowsTheReleaseAndKeepsTimersTicking) {
  FrmDrag::Get().Show();
  in_.Press(110, 105);
  in_.Move(130, 115);
  in_.Wait(100);
  in_.Move(150, 125);
  in_.Release(150, 125);
  in_.Press(150, 125, kRightButton);  // another button does not drag
  in_.Release(150, 125, kRightButton);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"tick", "drag over at 2100,1800", "drag over at 2100,1800", "mouse up"}));
}

// A topmost bar over the main window.
class FrmBar : public FormOf<FrmBar> {
 public:
  Label Label1{*this, "Label1"};
  FrmBar() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, 1500, 1500);
    Label1.Move(0, 0, 1500, 1500);
    Label1.Click = [] { Log("bar click"); };
  }
};

TEST_F(WindowTest, TopmostBandStaysAboveWindowsRaisedLater) {
  FrmBar::Get().Show();
  FrmBar::Get().SetTopMost(true);
  FrmMainWin::Get().Show();  // shown later, yet below the topmost bar
  FrmMainWin::Get().ZOrder(0);
  in_.Click(20, 15);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"main load", "bar click"}));
  EXPECT_EQ(WindowFromPoint({20, 15}), FrmBar::Get().hWnd());
  EXPECT_EQ(WindowFromPoint({200, 200}), FrmMainWin::Get().hWnd());
  EXPECT_EQ(WindowFromPoint({700, 500}), nullptr);
}

TEST_F(WindowTest, WindowStateAndCentredStart) {
  auto& f = FrmDialog::Get();
  f.SetStartUpPosition(forms::StartPosition::kCenterScreen);
  f.SetWidth(6000);
  f.Show();
  EXPECT_EQ(f.Left(), (12000 - 6000) / 2);
  EXPECT_EQ(f.Top(), (9000 - 3000) / 2);
  f.SetWindowState(forms::WindowSize::kMaximized);
  EXPECT_EQ(f.Width(), ScreenWidth());
  EXPECT_EQ(f.Left(), 0);
  try {
    f.SetLeft(100);
    FAIL();
  } catch (const platform::Failure& e) {
    EXPECT_EQ(e.number(), 384);
  }
  f.SetWindowState(forms::WindowSize::kNormal);
  EXPECT_EQ(f.Width(), 6000);
  f.SetWindowState(forms::WindowSize::kMinimized);
  EXPECT_EQ(WindowFromPoint({400, 300}), nullptr);  // minimised: not on the screen
}

// Keyboard: keys go to the active window; a form without a focusable control gets them itself.
class FrmKeys : public FormOf<FrmKeys> {
 public:
  FrmKeys() { SetBorderStyle(forms::WindowBorder::kNone); }

 protected:
  void Form_KeyDown(int& key, int shift) override { Log("down " + std::to_string(key) + " " + std::to_string(shift)); }
  void Form_KeyPress(int& ascii) override {
    Log("press " + std::to_string(ascii));
    ascii = 0;
  }
  void Form_KeyUp(int& key, int shift) override { Log("up " + std::to_string(key) + " " + std::to_string(shift)); }
};

TEST_F(WindowTest, KeyEventsCarryVirtualKeysAndTheShiftStateOfTheirMoment) {
  FrmKeys::Get().Show();
  in_.KeyDown(kKeyControl, kCtrlMask);
  in_.Key('C', kCtrlMask);
  in_.KeyUp(kKeyControl, 0);
  in_.Key(kKeyReturn);
  in_.Type("a中");
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"down 17 2", "down 67 2", "press 3", "up 67 2", "up 17 0", "down 13 0", "press 13", "up 13 0",
                               "down 65 0", "press 97", "up 65 0", "press 20013"}));
}

}  // namespace
}  // namespace xpexam::forms
