// The checks of the mouse on the target box and of key releases on the desktop, driven by real
// input through the headless backend: presses with buttons and modifiers, clicks, double-clicks,
// hovering, location steps, the "2000" click, the key and right-button alternatives, the
// context-menu presses and the pointer over the target box.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "desktop/key_map.h"
#include "desktop/session_plan.h"
#include "tests/desktop/desktop_fixture.h"

namespace xpexam::desktop {
namespace {

using testing::DesktopTest;
using testing::StepLine;

constexpr int kNone = 0, kShift = forms::kShiftMask, kCtrl = forms::kCtrlMask, kAlt = forms::kAltMask;
constexpr int kKeyC = 'C', kKeyCtrl = 17, kKeyAlt = 18, kEnter = 13, kEsc = 27, kF4 = 115;
constexpr int kLeft = forms::kLeftButton, kRight = forms::kRightButton, kMiddle = forms::kMiddleButton;

// The target box of every record: 1500, 1500, 1200 x 600 design twips; its middle and a point
// beside it in screen pixels.
constexpr const char* kTarget = "01500015000120000600";
constexpr int kX = 112 + 2100 / 15, kY = 84 + 1800 / 15;
constexpr int kBesideX = 112 + 4000 / 15;

class PointerCheckTest : public DesktopTest {
 protected:
  // A question of one record per step code, each with the target box, then the final record;
  // shown and at its first step.
  void Question(const std::vector<std::string>& codes, std::initializer_list<std::pair<long, std::string_view>> extra = {}) {
    std::vector<std::string> records;
    for (const std::string& code : codes) {
      std::string line = StepLine({{8, code}, {66, kTarget}});
      for (const auto& [pos, text] : extra) line.replace(static_cast<size_t>(pos - 1), text.size(), text);
      records.push_back(line);
    }
    records.push_back(StepLine({{8, "9999"}}));
    Steps(records);
    Questions({static_cast<int>(records.size())});
    Desk().Show();
    Load(1);
  }
  // Runs queued input, then lets the double-click time pass.
  void Run() {
    in_.Wait(600);
    forms::Pump();
  }
};

using Gesture = std::function<void(forms::HeadlessBackend&)>;

Gesture Press(int button, int shift = kNone) {
  return [=](forms::HeadlessBackend& in) {
    in.Press(kX, kY, button, shift);
  };
}
Gesture Click(int button, int shift = kNone) {
  return [=](forms::HeadlessBackend& in) { in.Click(kX, kY, button, shift); };
}
// Pressed with one modifier state, released with another.
Gesture ClickChangingModifiers(int press_shift, int release_shift) {
  return [=](forms::HeadlessBackend& in) {
    in.Press(kX, kY, kLeft, press_shift);
    in.Release(kX, kY, kLeft, release_shift);
  };
}
Gesture ReleaseAlone() {
  return [](forms::HeadlessBackend& in) { in.Release(kX, kY); };
}
Gesture DblClick() {
  return [](forms::HeadlessBackend& in) { in.DblClick(kX, kY); };
}
// A double-click, then the time an automatic step takes.
Gesture DblClickThenASecond() {
  return [](forms::HeadlessBackend& in) {
    in.DblClick(kX, kY);
    in.Wait(1000);
  };
}
Gesture MoveTo(int x) {
  return [=](forms::HeadlessBackend& in) { in.Move(x, kY); };
}

struct GestureCase {
  const char* name;
  std::vector<std::string> codes;
  Gesture gesture;
  int step;  // the step the question is at afterwards
  friend void PrintTo(const GestureCase& c, std::ostream* os) { *os << c.name; }
};

class MouseGestureTest : public PointerCheckTest, public ::testing::WithParamInterface<GestureCase> {};

TEST_P(MouseGestureTest, OnlyTheAskedActionAdvances) {
  const GestureCase& c = GetParam();
  Question(c.codes);
  c.gesture(in_);
  Run();
  EXPECT_EQ(desktop::cursor().step(), c.step);
}

INSTANTIATE_TEST_SUITE_P(
    Gestures, MouseGestureTest,
    ::testing::Values(
        // Press steps 9SBB: button BB with modifier state S at the press.
        GestureCase{"Press9001Left", {"9001"}, Press(kLeft), 2},
        GestureCase{"Press9001CtrlLeft", {"9001"}, Press(kLeft, kCtrl), 1},
        GestureCase{"Press9001Right", {"9001"}, Press(kRight), 1},
        GestureCase{"Press9001ReleaseAlone", {"9001"}, ReleaseAlone(), 1},
        GestureCase{"Press9202CtrlRight", {"9202"}, Press(kRight, kCtrl), 2},
        GestureCase{"Press9202Right", {"9202"}, Press(kRight), 1},
        GestureCase{"Press9704AllModifiersMiddle", {"9704"}, Press(kMiddle, kShift | kCtrl | kAlt), 2},
        // Right-click step: any modifiers, the right button only.
        GestureCase{"Right0003AltRight", {"0003"}, Press(kRight, kAlt), 2},
        GestureCase{"Right0003Left", {"0003"}, Click(kLeft), 1},
        // Click step: the left button released without modifiers.
        GestureCase{"Click0001", {"0001"}, Click(kLeft), 2},
        GestureCase{"Click0001Shift", {"0001"}, Click(kLeft, kShift), 1},
        GestureCase{"Click0001Right", {"0001"}, Click(kRight), 1},
        GestureCase{"Click0001ShiftLetGoBeforeRelease", {"0001"}, ClickChangingModifiers(kShift, kNone), 2},
        GestureCase{"Click0001CtrlHeldAtRelease", {"0001"}, ClickChangingModifiers(kNone, kCtrl), 1},
        // Double-click step.
        GestureCase{"DblClick0002", {"0002"}, DblClick(), 2},
        GestureCase{"DblClick0002SingleClick", {"0002"}, Click(kLeft), 1},
        // Location step: any release on the target box.
        GestureCase{"LocationK305RightClick", {"K305"}, Click(kRight), 2},
        // "2000": a left click, as the demonstration has it.
        GestureCase{"Demo2000Click", {"2000"}, Click(kLeft), 2},
        GestureCase{"Demo2000Right", {"2000"}, Click(kRight), 1},
        // Hover step.
        GestureCase{"Hover0030Over", {"0030"}, MoveTo(kX), 2},
        GestureCase{"Hover0030Beside", {"0030"}, MoveTo(kBesideX), 1},
        // One gesture completing a step and then the next one.
        GestureCase{"PressStepThenClickStep", {"9001", "0001"}, Click(kLeft), 3},
        GestureCase{"ClickStepThenDblClickStep", {"0001", "0002"}, DblClick(), 3},
        GestureCase{"DblClickStepThenItsReleaseClicks", {"0002", "0001"}, DblClick(), 3},
        GestureCase{"RightPressThenClickNeedsALeftRelease", {"0003", "0001"}, Click(kRight), 2},
        GestureCase{"PressStepThenLocationStep", {"9202", "K305"}, Press(kRight, kCtrl), 2},
        GestureCase{"PressStepReleasedThenLocationStep", {"9202", "K305"}, Click(kRight, kCtrl), 3},
        // An automatic step in between loads the click step after the release has passed.
        GestureCase{"DblClickStepThenAutomaticStepLeavesTheClick", {"0002", "8888", "0001"}, DblClickThenASecond(), 3}),
    [](const auto& info) { return std::string(info.param.name); });

// A damaged question whose target box has a number outside 16 bits follows a sound one: no
// part of the sound question's box completes it, neither a click nor a drag released there.
TEST_F(PointerCheckTest, ATargetBoxThatDoesNotFitTheFormatTakesNoActionAnywhere) {
  const char* damaged[] = {"99999015000120000600", "01500999990120000600", "01500015009999900600",
                           "01500015000120099999"};
  // The drag starts in a Label4 box at 6000, 1500.
  const int label4_x = 112 + 6600 / 15;
  for (const char* code : {"0001", "0050"})
    for (const char* box : damaged) {
      SCOPED_TRACE(std::string(code) + " " + box);
      Steps({StepLine({{8, "0001"}, {66, kTarget}}), StepLine({{8, "9999"}}),
             StepLine({{6, "EE"}, {8, code}, {66, box}, {101, "S0015"}, {177, "06000015000120000600"}}),
             StepLine({{8, "9999"}})});
      Questions({2, 2});
      Desk().Show();
      desktop::editCursor().GoToQuestion(1);
      Load(1);
      desktop::editCursor().GoToQuestion(2);
      Load(1);
      EXPECT_FALSE(Ui(Desk()).Label1.Visible());
      if (std::string(code) == "0001") {
        in_.Click(kX, kY);
      } else {
        in_.Press(label4_x, kY);
        in_.Move(kBesideX, kY);
        in_.Move(kX, kY);
        in_.Release(kX, kY);
      }
      Run();
      EXPECT_EQ(desktop::cursor().step(), 1);
    }
}

TEST_F(PointerCheckTest, TheFinalRecordNeverAdvancesFromAPress) {
  Question({"9999"});
  for (int button : {kLeft, kRight, kMiddle}) Click(button)(in_);
  Run();
  EXPECT_EQ(desktop::cursor().step(), 1);
  EXPECT_EQ(desktop::plan().question(1).status, desktop::kStatusOpened + desktop::kStatusCompleted);
}

TEST_F(PointerCheckTest, EveryKeyNumberIsReleasedAsItsKeyCode) {
  auto& d = Desk();
  d.Show();
  for (int kk = 0; kk < 100; ++kk) {
    SCOPED_TRACE("key number " + std::to_string(kk));
    const std::string code = "60" + platform::ZeroPad(kk, 2);
    Steps({StepLine({{8, code}}), StepLine({{8, "9999"}})});
    Questions({2});
    Load(1);
    const int key = KeyCodeOfKeyNumber(kk);
    // The number itself, where it is another key, and the key with a modifier do nothing.
    if (kk != key && kk != 0) in_.KeyUp(kk);
    in_.KeyUp(key, kShift);
    forms::Pump();
    EXPECT_EQ(desktop::cursor().step(), 1);
    in_.KeyUp(key);
    forms::Pump();
    EXPECT_EQ(desktop::cursor().step(), 2);
  }
}

struct KeyCase {
  const char* name;
  std::string record;
  std::function<void(forms::HeadlessBackend&)> keys;
  int step;
  friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
};

class KeyReleaseTest : public PointerCheckTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyReleaseTest, TheModifiersHeldAtTheReleaseCount) {
  const KeyCase& c = GetParam();
  Steps({c.record, StepLine({{8, "9999"}})});
  Questions({2});
  Desk().Show();
  Load(1);
  c.keys(in_);
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), c.step);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyReleaseTest,
    ::testing::Values(
        KeyCase{"CtrlCReleasedWithCtrlHeld", StepLine({{8, "6267"}}),
                [](auto& in) {
                  in.KeyDown(kKeyCtrl, kCtrl);
                  in.KeyDown(kKeyC, kCtrl);
                  in.KeyUp(kKeyC, kCtrl);
                  in.KeyUp(kKeyCtrl, kNone);
                },
                2},
        KeyCase{"CtrlLetGoBeforeC", StepLine({{8, "6267"}}),
                [](auto& in) {
                  in.KeyDown(kKeyCtrl, kCtrl);
                  in.KeyDown(kKeyC, kCtrl);
                  in.KeyUp(kKeyCtrl, kNone);
                  in.KeyUp(kKeyC, kNone);
                },
                1},
        KeyCase{"AltF4", StepLine({{8, "6415"}}),
                [](auto& in) {
                  in.KeyDown(kKeyAlt, kAlt);
                  in.KeyDown(kF4, kAlt);
                  in.KeyUp(kF4, kAlt);
                },
                2},
        // The key alternative: any step, and on a key step it replaces the step's own key.
        KeyCase{"EnterAlternativeOnAClickStep", StepLine({{8, "0001"}, {86, "PX013"}}), [](auto& in) { in.Key(kEnter); },
                2},
        KeyCase{"AlternativeReplacesTheKeyStepsKey", StepLine({{8, "6013"}, {86, "P0027"}}),
                [](auto& in) { in.Key(kEnter); }, 1},
        KeyCase{"AlternativeKeyOnAKeyStep", StepLine({{8, "6013"}, {86, "P0027"}}), [](auto& in) { in.Key(kEsc); }, 2},
        KeyCase{"ShiftedAlternative", StepLine({{8, "0001"}, {86, "P0165"}}), [](auto& in) { in.Key('A', kShift); }, 2},
        // A key released in the answer box is not the window's.
        KeyCase{"KeyInTheAnswerBox", StepLine({{8, "6013"}, {86, "01500030000300000300"}}),
                [](auto& in) { in.Key(kEnter); }, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PointerCheckTest, TheRightButtonAlternativeReplacesTheStepCodeUntilAKeyRelease) {
  Question({"0001"}, {{86, "R3215"}});
  auto& d = Desk();
  // The popup opens inside the press; Esc closes it.
  in_.Press(kX, kY, kRight);
  in_.Release(kX, kY, kRight);
  in_.KeyDown(kEsc);
  Run();
  EXPECT_EQ(Vars(d).mStepCode, 3215);
  EXPECT_EQ(Vars(d).mPopupMenuNo, 2);
  Click(kLeft)(in_);
  Run();
  EXPECT_EQ(desktop::cursor().step(), 1);  // the left click no longer completes the click step
  in_.KeyUp('X');
  forms::Pump();
  EXPECT_EQ(Vars(d).mStepCode, 1);
  Click(kLeft)(in_);
  Run();
  EXPECT_EQ(desktop::cursor().step(), 2);
}

struct PopupCase {
  const char* name;
  int32_t popup_x, popup_y;
  int button;
  int menu;  // mPopupMenuNo afterwards; 0 when no popup opened
  friend void PrintTo(const PopupCase& c, std::ostream* os) { *os << c.name; }
};

class PopupPressTest : public PointerCheckTest, public ::testing::WithParamInterface<PopupCase> {};

TEST_P(PopupPressTest, TheButtonThatOpensTheMenuDependsOnAFixedPosition) {
  const PopupCase& c = GetParam();
  const std::string position = platform::ZeroPad(c.popup_x, 5) + platform::ZeroPad(c.popup_y, 5);
  Question({"3121"}, {{125, position}});
  auto& d = Desk();
  Vars(d).mPopupMenuNo = 0;
  Click(c.button)(in_);
  in_.KeyDown(kEsc);  // closes the popup when one opened
  Run();
  EXPECT_EQ(Vars(d).mPopupMenuNo, c.menu);
  EXPECT_EQ(desktop::cursor().step(), 1);  // only the menu's item completes the step
}

INSTANTIATE_TEST_SUITE_P(Presses, PopupPressTest,
                         ::testing::Values(PopupCase{"AtThePointerRight", 0, 0, kRight, 1},
                                           PopupCase{"AtThePointerLeft", 0, 0, kLeft, 0},
                                           PopupCase{"FixedLeft", 150, 300, kLeft, 1},
                                           PopupCase{"FixedRight", 150, 300, kRight, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct TargetPointerCase {
  const char* name;
  const char* code;  // 101-105
  bool file_at_move;  // ico15.CUR exists when the pointer moves
  int pointer;
  friend void PrintTo(const TargetPointerCase& c, std::ostream* os) { *os << c.name; }
};

class TargetPointerTest : public PointerCheckTest, public ::testing::WithParamInterface<TargetPointerCase> {};

TEST_P(TargetPointerTest, EveryMoveShowsTheRecordsPointer) {
  const TargetPointerCase& c = GetParam();
  const std::string cursor = dir_ / "ico15.CUR";
  dir_.Write("ico15.CUR", xpexam::testing::SolidCursor(0xFF));
  Question({"0001"}, {{101, c.code}});
  auto& d = Desk();
  // The file is read again at the move.
  if (!c.file_at_move) std::filesystem::remove(cursor);
  Ui(d).Label1.SetMousePointer(forms::PointerStyle::kSize);
  in_.Move(kX, kY);
  forms::Pump();
  EXPECT_EQ(static_cast<int>(Ui(d).Label1.MousePointer()), c.pointer);
  EXPECT_EQ(in_.PointerShapeShown(), c.pointer);
  // The box still takes its click.
  Click(kLeft)(in_);
  Run();
  EXPECT_EQ(desktop::cursor().step(), 2);
}

INSTANTIATE_TEST_SUITE_P(Codes, TargetPointerTest,
                         ::testing::Values(TargetPointerCase{"Hourglass", "S0011", true, 11},
                                           TargetPointerCase{"CursorFile", "M0015", true, forms::kCustomPointer},
                                           TargetPointerCase{"CursorFileGone", "M0015", false, 0},
                                           TargetPointerCase{"Zeros", "00000", true, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PointerCheckTest, AHoverAppliesTheNextStepsPointerAtOnce) {
  Steps({StepLine({{8, "0030"}, {66, kTarget}}), StepLine({{8, "0001"}, {66, kTarget}, {101, "S0002"}}),
         StepLine({{8, "9999"}})});
  Questions({3});
  Desk().Show();
  Load(1);
  in_.Move(kX, kY);
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), 2);
  EXPECT_EQ(in_.PointerShapeShown(), 2);
}

}  // namespace
}  // namespace xpexam::desktop
