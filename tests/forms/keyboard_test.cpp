// The keyboard as XP's dialogs take it: Tab and Shift+Tab move the focus through the tab stops,
// Space presses a button, and focus rectangles and access-key underlines wait for the keyboard
// in a window opened by the mouse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/app.h"
#include "forms/check_box.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/msgbox.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

using testing::EventLog;
using Lines = std::vector<std::string>;

// Tab stops in creation order, with controls that are passed over between them.
class FrmTabs : public FormOf<FrmTabs> {
 public:
  static inline EventLog* log = nullptr;
  TextBox First{*this, "First"};
  Label Caption{*this, "Caption"};        // never takes the focus
  TextBox Hidden{*this, "Hidden"};        // not visible
  PictureBox Page{*this, "Page"};         // a container: a tab stop itself
  TextBox Inside{Page, "Inside"};
  TextBox NoStop{*this, "NoStop"};        // TabStop off
  TextBox Disabled{*this, "Disabled"};
  CheckBox Check{*this, "Check"};

  FrmTabs() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, 6000, 4500);
    First.Move(150, 150, 1500, 300);  // pixels 10..110 x 10..30
    First.SetText("first");
    Hidden.SetVisible(false);
    Page.Move(150, 750, 3000, 1500);
    Inside.Move(150, 150, 1500, 300);
    Inside.SetText("inside");
    NoStop.Move(150, 2400, 1500, 300);  // pixels 10..110 x 160..180
    NoStop.SetTabStop(false);
    Disabled.SetEnabled(false);
    Check.Move(150, 3000, 1500, 300);
    for (TextBox* t : {&First, &Inside, &NoStop}) {
      const std::string name = t->Name();
      t->KeyDown = [name](int& k, int) { (*log)(name + ".KeyDown " + std::to_string(k)); };
      t->KeyUp = [name](int& k, int) { (*log)(name + ".KeyUp " + std::to_string(k)); };
    }
  }
};

class KeyboardTest : public testing::FormsTest {
 protected:
  KeyboardTest() { FrmTabs::log = &log_; }
  ~KeyboardTest() override { FrmTabs::log = nullptr; }
  std::string Focused() const {
    Control* c = ActiveForm() ? ActiveForm()->ActiveControl() : nullptr;
    return c ? c->Name() : "";
  }
  EventLog log_;
};

TEST_F(KeyboardTest, TabAndShiftTabFollowTheTabStops) {
  struct Case {
    const char* start;  // clicked first ("" for the window's first focus)
    std::vector<int> shifts;  // one Tab per entry, with these modifiers
    const char* focused;
  };
  const Case cases[] = {
      {"", {}, "First"},
      {"", {0}, "Page"},
      {"", {0, 0}, "Inside"},
      {"", {0, 0, 0}, "Check"},         // the box without TabStop and the disabled one are passed
      {"", {0, 0, 0, 0}, "First"},      // round again
      {"", {kShiftMask}, "Check"},      // backwards from the first
      {"", {0, 0, kShiftMask}, "Page"},
      {"NoStop", {0}, "Check"},         // from a clicked box that is no tab stop: the next one
      {"NoStop", {kShiftMask}, "Inside"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " tabs " + std::to_string(c.shifts.size()));
    HeadlessSession session(800, 600);
    FrmTabs::log = &log_;
    FrmTabs::Get().Show();
    if (std::string(c.start) == "NoStop") session.Input().Click(20, 165);
    for (int shift : c.shifts) session.Input().Key(kKeyTab, shift);
    Pump();
    EXPECT_EQ(Focused(), c.focused);
  }
}

TEST_F(KeyboardTest, TheTabThatMovesTheFocusReachesNoControlAndTheNextKeysGoToTheNewBox) {
  auto& f = FrmTabs::Get();
  f.Show();
  in_.Key(kKeyTab);
  in_.Key(kKeyTab);  // into Inside, its whole text selected
  in_.Type("x");
  Pump();
  EXPECT_EQ(f.Inside.Text(), "x");
  EXPECT_EQ(f.First.Text(), "first");
  EXPECT_EQ(log_.lines, (Lines{"Inside.KeyDown 88", "Inside.KeyUp 88"}));
}

TEST_F(KeyboardTest, AWindowThatReadsEveryKeyItselfKeepsTab) {
  auto& f = FrmTabs::Get();
  f.SetDialogKeys(false);
  f.Show();
  in_.Key(kKeyTab);
  in_.Key(kKeyTab, kShiftMask);
  in_.Type("y");
  Pump();
  EXPECT_EQ(Focused(), "First");
  EXPECT_EQ(f.First.Text(), "yfirst");
  EXPECT_EQ(log_.lines, (Lines{"First.KeyDown 9", "First.KeyUp 9", "First.KeyDown 9", "First.KeyUp 9",
                               "First.KeyDown 89", "First.KeyUp 89"}));
}

// The system message box: its focused button and the cues around it.
class MessageBoxKeysTest : public testing::FormsTest {
 protected:
  // The box's focused button on the screen, and whether its dotted focus rectangle shows.
  static bool FocusRectangleShown() {
    Form* box = TopWindow();
    Control* button = box ? box->ActiveControl() : nullptr;
    if (!button) return false;
    const Rect r = button->ScreenRect();
    const Canvas& screen = ComposeScreen();
    for (int x = r.x + 5; x < r.x + r.w - 5; ++x)
      if (screen.PixelAt(x, r.y + 4) == Rgb(0, 0, 0)) return true;
    return false;
  }
  struct Seen {
    bool open = false, cues = false, rectangle = false;
    friend bool operator==(const Seen&, const Seen&) = default;
  };
  Seen Look() {
    Seen s;
    Form* box = TopWindow();
    s.open = box && box->Name() == "MsgBox";
    s.cues = s.open && box->KeyboardCues();
    s.rectangle = s.open && FocusRectangleShown();
    return s;
  }
};

TEST_F(MessageBoxKeysTest, CuesWaitForTheKeyboardInABoxOpenedByTheMouse) {
  struct Case {
    const char* name;
    bool opened_by_key;
    int key;  // pressed in the box (0: none)
    Seen seen;
  };
  const Case cases[] = {
      {"opened by a click", false, 0, {true, false, false}},
      {"opened by a click, then Tab", false, kKeyTab, {true, true, true}},
      {"opened by a click, then an arrow", false, kKeyRight, {true, true, true}},
      {"opened by a click, then Alt", false, kKeyMenu, {true, true, true}},
      {"opened by a click, then a letter", false, 'Q', {true, false, false}},
      {"opened by a key", true, 0, {true, true, true}},
  };
  class FrmOpener : public FormOf<FrmOpener> {
   public:
    Label Opener{*this, "Opener"};
    FrmOpener() {
      SetBorderStyle(forms::WindowBorder::kNone);
      Move(0, 0, 3000, 3000);
      Opener.Move(0, 0, 3000, 3000);
      Opener.Click = [] { MsgBox("?", kYesNo); };
    }
   protected:
    void Form_KeyDown(int& key, int) override {
      if (key == 'O') MsgBox("?", kYesNo);
    }
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HeadlessSession session(800, 600);
    FrmOpener::Get().Show();
    if (c.opened_by_key)
      session.Input().Key('O');
    else
      session.Input().Click(50, 50);
    if (c.key) session.Input().Key(c.key);
    Seen seen;
    session.Input().Call([&] { seen = Look(); });
    session.Input().Key(kKeyEscape);
    session.Input().Key('N');
    Pump();
    EXPECT_EQ(seen.open, c.seen.open);
    EXPECT_EQ(seen.cues, c.seen.cues);
    EXPECT_EQ(seen.rectangle, c.seen.rectangle);
  }
}

TEST_F(MessageBoxKeysTest, SpacePressesTheFocusedButtonAndClicksOnRelease) {
  int answer = 0;
  bool open_while_held = false;
  in_.Call([&] { answer = MsgBox("?", kYesNo + kDefaultButton2); });
  in_.Key(kKeyTab);  // from No to Yes
  in_.KeyDown(kKeySpace);
  in_.Call([&] { open_while_held = TopWindow() && TopWindow()->Name() == "MsgBox" && TopWindow()->Visible(); });
  in_.KeyUp(kKeySpace);
  Pump();
  EXPECT_TRUE(open_while_held);
  EXPECT_EQ(answer, kYes);
}

}  // namespace
}  // namespace xpexam::forms
