// The host window follows the program's minimise: once every shown window is minimised nothing
// of the program is left on the screen, so the host window is iconified too (XP's taskbar).
// When the window manager brings it back, the minimised windows come back as from the taskbar;
// the window manager's own minimise and restore change nothing inside the program.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/app.h"
#include "forms/form.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

using testing::EventLog;
using Lines = std::vector<std::string>;
EventLog* g_log = nullptr;

template <class T>
class Logged : public FormOf<T> {
 protected:
  Logged() { this->SetBorderStyle(forms::WindowBorder::kNone); }
  void Form_Resize() override { Log("Resize " + std::to_string(static_cast<int>(this->WindowState()))); }
  void Form_Activate() override { Log("Activate"); }
  void Form_Deactivate() override { Log("Deactivate"); }

 private:
  void Log(const std::string& what) { (*g_log)(this->Name() + " " + what); }
};

class FrmLower : public Logged<FrmLower> {
 public:
  FrmLower() { Move(0, 0, 3000, 3000); }
};
class FrmUpper : public Logged<FrmUpper> {
 public:
  FrmUpper() { Move(4500, 0, 3000, 3000); }
};

class HostWindowTest : public testing::FormsTest {
 protected:
  HostWindowTest() { g_log = &log_; }
  ~HostWindowTest() override { g_log = nullptr; }
  EventLog log_;
};

// How a window is when the loop next waits for input.
enum class Shown { kNo, kNormal, kMinimised, kMaximised, kHiddenMinimised };

void Put(Form& f, Shown how) {
  if (how == Shown::kNo) return;
  f.Show();
  if (how == Shown::kMinimised || how == Shown::kHiddenMinimised) f.SetWindowState(forms::WindowSize::kMinimized);
  if (how == Shown::kMaximised) f.SetWindowState(forms::WindowSize::kMaximized);
  if (how == Shown::kHiddenMinimised) f.Hide();
}

TEST_F(HostWindowTest, TheHostIsMinimisedWhenEveryShownWindowIsMinimised) {
  struct Case {
    const char* what;
    Shown lower, upper;
    bool host_minimised;
  };
  const Case cases[] = {
      {"nothing shown", Shown::kNo, Shown::kNo, false},
      {"one window, normal", Shown::kNormal, Shown::kNo, false},
      {"the only window minimised", Shown::kMinimised, Shown::kNo, true},
      {"both minimised", Shown::kMinimised, Shown::kMinimised, true},
      {"one minimised, one normal", Shown::kMinimised, Shown::kNormal, false},
      {"one minimised, one maximised", Shown::kMaximised, Shown::kMinimised, false},
      {"minimised beside a hidden window", Shown::kHiddenMinimised, Shown::kMinimised, true},
      {"the only minimised window hidden", Shown::kHiddenMinimised, Shown::kNo, false},
      {"a hidden minimised window under a normal one", Shown::kHiddenMinimised, Shown::kNormal, false},
  };
  for (const Case& c : cases) {
    HeadlessSession session(800, 600);
    Put(FrmLower::Get(), c.lower);
    Put(FrmUpper::Get(), c.upper);
    session.Input().Wait(10);
    Pump();
    EXPECT_EQ(session.Input().HostMinimized(), c.host_minimised) << c.what;
    EXPECT_EQ(HostMinimized(), c.host_minimised) << c.what;
  }
}

TEST_F(HostWindowTest, TheHostComingBackRestoresTheMinimisedWindowsAsTheTaskbarDoes) {
  FrmLower::Get().Show();
  FrmUpper::Get().Show();
  log_.Clear();
  in_.Call([] {
    FrmLower::Get().SetWindowState(forms::WindowSize::kMinimized);
    FrmUpper::Get().SetWindowState(forms::WindowSize::kMinimized);
  });
  in_.Wait(10);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"FrmLower Resize 1", "FrmUpper Deactivate", "FrmUpper Resize 1"}));
  EXPECT_TRUE(in_.HostMinimized());

  log_.Clear();
  in_.Restore();
  in_.Wait(10);
  Pump();
  // Bottom first, each with its Resize; the top one ends active.
  EXPECT_EQ(log_.lines, (Lines{"FrmLower Resize 0", "FrmUpper Resize 0", "FrmUpper Activate"}));
  EXPECT_FALSE(in_.HostMinimized());
  EXPECT_EQ(FrmLower::Get().WindowState(), WindowSize::kNormal);
  EXPECT_EQ(ActiveForm(), &FrmUpper::Get());
  EXPECT_EQ(WindowFromPoint({400, 100}), FrmUpper::Get().hWnd());

  // Minimised again, the host goes again.
  in_.Call([] {
    FrmLower::Get().SetWindowState(forms::WindowSize::kMinimized);
    FrmUpper::Get().SetWindowState(forms::WindowSize::kMinimized);
  });
  in_.Wait(10);
  Pump();
  EXPECT_TRUE(in_.HostMinimized());
}

TEST_F(HostWindowTest, TheWindowManagersOwnMinimiseAndRestoreChangeNothingInside) {
  FrmLower::Get().Show();
  FrmUpper::Get().Show();
  FrmUpper::Get().SetWindowState(forms::WindowSize::kMinimized);  // the lower window still shows
  log_.Clear();
  in_.Minimize();
  in_.Wait(10);
  in_.Call([] { EXPECT_TRUE(HostMinimized()); });
  in_.Restore();
  in_.Wait(10);
  Pump();
  EXPECT_EQ(log_.lines, Lines{});
  EXPECT_EQ(FrmUpper::Get().WindowState(), WindowSize::kMinimized);
  EXPECT_EQ(ActiveForm(), &FrmLower::Get());
  EXPECT_FALSE(in_.HostMinimized());
  EXPECT_FALSE(HostMinimized());
}

// A window that appears while the host is iconified (the exit question after a close from the
// taskbar, a timer's window) brings the host back; one that is already up does not.
TEST_F(HostWindowTest, AWindowThatAppearsBringsTheIconifiedHostBack) {
  struct Case {
    const char* what;
    bool by_window_manager;  // else by the program's own minimise
    std::function<void()> act;
    bool host_minimised;
  };
  const Case cases[] = {
      {"after the program's minimise, another window shows", false, [] { FrmUpper::Get().Show(); }, false},
      {"after the program's minimise, the window is restored", false, [] { FrmLower::Get().SetWindowState(forms::WindowSize::kNormal); }, false},
      {"after the window manager's minimise, another window shows", true, [] { FrmUpper::Get().Show(); }, false},
      {"after the window manager's minimise, a shown window is shown again", true, [] { FrmLower::Get().Show(); }, true},
      {"after the program's minimise, a window is hidden", false, [] { FrmLower::Get().Hide(); }, true},
  };
  for (const Case& c : cases) {
    HeadlessSession session(800, 600);
    HeadlessBackend& in = session.Input();
    FrmLower::Get().Show();
    if (c.by_window_manager)
      in.Minimize();
    else
      in.Call([] { FrmLower::Get().SetWindowState(forms::WindowSize::kMinimized); });
    in.Wait(10);
    in.Call([&] { EXPECT_TRUE(in.HostMinimized()) << c.what; });
    in.Call(c.act);
    in.Wait(10);
    Pump();
    EXPECT_EQ(in.HostMinimized(), c.host_minimised) << c.what;
    EXPECT_EQ(HostMinimized(), c.host_minimised) << c.what;
  }
}

}  // namespace
}  // namespace xpexam::forms
