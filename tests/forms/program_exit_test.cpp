// A program that ends with its windows still loaded, without resetting the runtime, exits
// cleanly: the runtime's own state outlives the static destruction at exit.
#include <gtest/gtest.h>

#include <cstdlib>

#include "forms/app.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/headless.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "forms/timer.h"

namespace xpexam::forms {
namespace {

class FrmLeft : public FormOf<FrmLeft> {
 public:
  PictureBox Panel{*this, "Panel"};
  ControlArray<Label> Lbl{Panel, "Lbl", 0, 2};
  TextBox Text1{*this, "Text1"};
  Timer Timer1{*this, "Timer1", 100, true};
  FrmLeft() {
    for (int i = 0; i <= 2; ++i) Lbl[i].SetCaption("标签" + std::to_string(i));
    Text1.SetText("文字");
  }
};
class FrmHidden : public FormOf<FrmHidden> {
 public:
  Label Lbl{*this, "Lbl"};
};
class FrmGone : public FormOf<FrmGone> {};

// The child builds its windows in a fresh process, so the runtime's state comes into being in
// the order the program's first statements ask for it.
void LeaveWindowsLoadedAndExit() {
  HeadlessSession session(800, 600);
  FrmLeft::Get().Show();
  FrmLeft::Get().Lbl.Load(3);
  FrmHidden::Get();
  FrmGone::Get().Show();
  session.Input().Call([] { FrmGone::Get().Unload(); });  // buried, not yet destroyed
  session.Input().Wait(250);
  Pump();
  ComposeScreen();
  // As a return from main: static destructors run, the session's destructor does not.
  std::exit(LoadedForms().size() == 2 ? 0 : 3);
}

TEST(ProgramExitDeathTest, WindowsStillLoadedAtExit) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(LeaveWindowsLoadedAndExit(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace xpexam::forms
