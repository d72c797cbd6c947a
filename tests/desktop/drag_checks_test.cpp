// Drags through real input in the headless backend: rubber bands and drags from the Label4 box
// to the target box, the Label4 box's press rule, and the handle Image5 pulled towards the
// record's point in each of the eight directions.
#include <gtest/gtest.h>

#include <functional>

#include "tests/desktop/desktop_fixture.h"
#include "desktop/session_plan.h"

namespace xpexam::desktop {
namespace {

using testing::DesktopTest;
using testing::StepLine;

constexpr int kNone = 0, kCtrl = forms::kCtrlMask;
constexpr int kLeft = forms::kLeftButton, kRight = forms::kRightButton;

// Label4 box 1500, 4500, 1500 x 600 and target box 6000, 4500, 1500 x 600 (design twips), and
// screen pixels in them and between them.
constexpr const char* kLabel4 = "01500045000150000600";
constexpr const char* kTarget = "06000045000150000600";
constexpr int kY = 84 + 4800 / 15;
constexpr int kLabel4X = 112 + 2250 / 15, kTargetX = 112 + 6750 / 15, kBetweenX = 112 + 4500 / 15;

constexpr int Px(double twips) { return static_cast<int>(twips / 15); }

// A rubber-band or drag record with both boxes.
std::string DragRecord(const std::string& code, const std::string& pointer = "S0015") {
  return StepLine({{6, "EE"}, {8, code}, {66, kTarget}, {101, pointer}, {177, kLabel4}});
}

class DragTest : public DesktopTest {
 protected:
  void Question(const std::vector<std::string>& records) {
    std::vector<std::string> lines = records;
    lines.push_back(StepLine({{8, "9999"}}));
    Steps(lines);
    Questions({static_cast<int>(lines.size())});
    Desk().Show();
    Load(1);
  }
  void Run() {
    in_.Wait(600);
    forms::Pump();
  }
};

// A drag from the Label4 box through the point between the boxes to release_x, with the
// modifiers of the press, the moves and the release.
struct DragGesture {
  int release_x = kTargetX;
  int press_shift = kNone, move_shift = kNone, release_shift = kNone;
  void operator()(forms::HeadlessBackend& in) const {
    in.Press(kLabel4X, kY, kLeft, press_shift);
    in.Move(kBetweenX, kY, move_shift);
    in.Move(release_x, kY, move_shift);
    in.Release(release_x, kY, kLeft, release_shift);
  }
};

struct DragCase {
  const char* name;
  std::string record;
  DragGesture gesture;
  bool cursor_file;  // ico07.CUR exists
  int step;
  // A release with other modifiers than the step's leaves the drag to the next press.
  bool release_ends_drag = true;
  friend void PrintTo(const DragCase& c, std::ostream* os) { *os << c.name; }
};

class DragGestureTest : public DragTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(DragGestureTest, TheReleaseInTheTargetBoxCountsWhenThePointerMoved) {
  const DragCase& c = GetParam();
  if (c.cursor_file) dir_.Write("ico07.CUR", xpexam::testing::SolidCursor(0xFF));
  Question({c.record});
  c.gesture(in_);
  Run();
  EXPECT_EQ(desktop::cursor().step(), c.step);
  auto& d = Desk();
  EXPECT_FALSE(Ui(d).Shape6.Visible());
  EXPECT_EQ(Vars(d).mDragging, !c.release_ends_drag);
  if (c.release_ends_drag) {
    EXPECT_EQ(Ui(d).Label4.MousePointer(), forms::PointerStyle::kDefault);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Drags, DragGestureTest,
    ::testing::Values(
        DragCase{"BandIntoTheTarget", DragRecord("0040"), {}, false, 2},
        DragCase{"BandOutside", DragRecord("0040"), {.release_x = kBetweenX}, false, 1},
        DragCase{"BandWithCtrlNotAsked", DragRecord("0040"), {kTargetX, kCtrl, kCtrl, kCtrl}, false, 1},
        DragCase{"BandWithCtrlAsked", DragRecord("0042"), {kTargetX, kCtrl, kCtrl, kCtrl}, false, 2},
        DragCase{"DragIntoTheTarget", DragRecord("0050"), {}, false, 2},
        DragCase{"DragOutside", DragRecord("0050"), {.release_x = kBetweenX}, false, 1},
        DragCase{"DragWithACursorFile", DragRecord("0050", "M0007"), {}, true, 2},
        // The step asks for a drag pointer: a missing cursor file does not stop the drag.
        DragCase{"DragWithAMissingCursorFile", DragRecord("0050", "M0007"), {}, false, 2},
        // The default standard pointer never shows a drag: such a drag never counts.
        DragCase{"DragWithTheDefaultPointer", DragRecord("0050", "S0000"), {}, false, 1},
        DragCase{"BandWithTheDefaultPointer", DragRecord("0040", "S0000"), {}, false, 2},
        DragCase{"CtrlDrag", DragRecord("0052"), {kTargetX, kCtrl, kCtrl, kCtrl}, false, 2},
        DragCase{"CtrlDragPressedWithoutCtrl", DragRecord("0052"), {kTargetX, kNone, kCtrl, kCtrl}, false, 1},
        DragCase{"CtrlDragMovedWithoutCtrl", DragRecord("0052"), {kTargetX, kCtrl, kNone, kCtrl}, false, 1},
        DragCase{"CtrlDragReleasedWithoutCtrl", DragRecord("0052"), {kTargetX, kCtrl, kCtrl, kNone}, false, 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DragTest, APressAndAReleaseWithoutAMoveIsNoDrag) {
  Question({DragRecord("0050")});
  auto& d = Desk();
  // As the window delivers them when the two boxes overlap at the pointer.
  Act(d).Label4_MouseDown(kLeft, kNone, 750, 300);
  Act(d).Label4_MouseUp(kLeft, kNone, 5250, 300);
  EXPECT_EQ(desktop::cursor().step(), 1);
  Act(d).Label4_MouseDown(kLeft, kNone, 750, 300);
  Act(d).Label4_MouseMove(kLeft, kNone, 5250, 300);
  Act(d).Label4_MouseUp(kLeft, kNone, 5250, 300);
  EXPECT_EQ(desktop::cursor().step(), 2);
}

TEST_F(DragTest, AMoveOfAnEarlierDragDoesNotCountForTheNextPress) {
  Question({DragRecord("0052")});
  // Ctrl let go before the button: the drag stays open.
  DragGesture{kTargetX, kCtrl, kCtrl, kNone}(in_);
  Run();
  ASSERT_TRUE(Vars(Desk()).mDragging);
  // A press without Ctrl and a release with it in the target box, without a move in between
  // (as where the two boxes overlap).
  Act(Desk()).Label4_MouseDown(kLeft, kNone, 750, 300);
  Act(Desk()).Label4_MouseUp(kLeft, kCtrl, 5250, 300);
  EXPECT_EQ(desktop::cursor().step(), 1);
}

TEST_F(DragTest, TheDragPointerShowsWhileTheButtonIsHeld) {
  dir_.Write("ico07.CUR", xpexam::testing::SolidCursor(0xFF));
  Question({DragRecord("0050", "M0007")});
  auto& d = Desk();
  forms::PointerStyle during = forms::PointerStyle::kArrow;
  in_.Press(kLabel4X, kY);
  in_.Move(kBetweenX, kY);
  in_.Call([&] { during = Ui(d).Label4.MousePointer(); });
  in_.Release(kBetweenX, kY);
  Run();
  EXPECT_EQ(during, forms::PointerStyle::kCustom);
  EXPECT_NE(Ui(d).Label4.MouseIcon(), nullptr);
  EXPECT_EQ(Ui(d).Label4.MousePointer(), forms::PointerStyle::kDefault);
}

TEST_F(DragTest, TheBandLiesBetweenThePressPointAndThePointer) {
  // A Label4 box of 1500, 4500, 4500 x 3000.
  Question({StepLine({{6, "EE"}, {8, "0040"}, {66, kTarget}, {177, "01500045000450003000"}})});
  auto& d = Desk();
  double left = 0, top = 0, width = 0, height = 0;
  bool shown_at_press = false;
  in_.Press(112 + Px(4500), 84 + Px(6000));
  in_.Call([&] {
    shown_at_press = Ui(d).Shape6.Visible() && Ui(d).Shape6.Width() == 15 && Ui(d).Shape6.Height() == 15;
  });
  in_.Move(112 + Px(3000), 84 + Px(5010));
  in_.Call([&] {
    left = Ui(d).Shape6.Left(), top = Ui(d).Shape6.Top(), width = Ui(d).Shape6.Width(), height = Ui(d).Shape6.Height();
  });
  in_.Release(112 + Px(3000), 84 + Px(5010));
  Run();
  EXPECT_TRUE(shown_at_press);
  EXPECT_DOUBLE_EQ(Vars(d).mBandX, 4500);
  EXPECT_DOUBLE_EQ(Vars(d).mBandY, 6000);
  EXPECT_DOUBLE_EQ(left, 3000);
  EXPECT_DOUBLE_EQ(top, 5010);
  EXPECT_DOUBLE_EQ(width, 1500);
  EXPECT_DOUBLE_EQ(height, 990);
  EXPECT_FALSE(Ui(d).Shape6.Visible());
  EXPECT_EQ(desktop::cursor().step(), 1);
}

struct PressCase {
  const char* name;
  const char* ee;
  int button;
  int step;
  friend void PrintTo(const PressCase& c, std::ostream* os) { *os << c.name; }
};

class Label4PressTest : public DragTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(Label4PressTest, ALeftPressOnTheBoxAdvancesUnlessTheRecordSaysEE) {
  const PressCase& c = GetParam();
  Question({StepLine({{6, c.ee}, {8, "0001"}, {177, kLabel4}})});
  in_.Press(kLabel4X, kY, c.button);
  in_.Release(kLabel4X, kY, c.button);
  Run();
  EXPECT_EQ(desktop::cursor().step(), c.step);
}

INSTANTIATE_TEST_SUITE_P(Presses, Label4PressTest,
                         ::testing::Values(PressCase{"Left", "00", kLeft, 2}, PressCase{"Right", "00", kRight, 1},
                                           PressCase{"LeftWithEE", "EE", kLeft, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DragTest, OnePressCompletesAPressStepAndStartsTheNextStepsBand) {
  Question({StepLine({{8, "0000"}, {177, kLabel4}}), DragRecord("0040")});
  DragGesture{}(in_);
  Run();
  EXPECT_EQ(desktop::cursor().step(), 3);
}

TEST_F(DragTest, ABandThatCompletesItsStepAlsoRunsTheDragTestOfTheNextStep) {
  // The next step drags between the same boxes, or to a target box elsewhere.
  const std::string elsewhere = StepLine({{6, "EE"}, {8, "0050"}, {66, "00100001000010000100"}, {101, "S0015"}, {177, kLabel4}});
  struct Case {
    const char* name;
    std::string band;
    std::string next;
    int step;
  } cases[] = {
      {"SameBoxes", DragRecord("0040"), DragRecord("0050"), 3},
      {"BandWithTheDefaultPointer", DragRecord("0040", "S0000"), DragRecord("0050"), 2},
      {"NextTargetElsewhere", DragRecord("0040"), elsewhere, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Question({c.band, c.next});
    DragGesture{}(in_);
    Run();
    EXPECT_EQ(desktop::cursor().step(), c.step);
  }
}

// Handle drags. The handle Image5 (8 x 8 pixels) starts at 1950, 1950 design twips.
constexpr double kStart = 1950;

class HandleTest : public DragTest {
 protected:
  HandleTest() { Picture("500001"); }
  void HandleQuestion(const std::string& code, double target_x, double target_y) {
    const std::string point = platform::ZeroPad(static_cast<long>(target_x), 5) +
                              platform::ZeroPad(static_cast<long>(target_y), 5);
    Question({StepLine({{8, code}, {151, "0195001950500001"}, {167, point}})});
  }
  static int HandleX(double left) { return 112 + Px(left) + 4; }
  static int HandleY(double top) { return 84 + Px(top) + 4; }
};

struct HandleCase {
  const char* name;
  const char* code;
  double x, y;  // where the handle is released
  bool reaches;
  friend void PrintTo(const HandleCase& c, std::ostream* os) { *os << c.name; }
};

class HandleReleaseTest : public HandleTest, public ::testing::WithParamInterface<HandleCase> {};

// The target point is 3000, 3000; the handle is released (with the right button, without a
// move) where the case puts it.
TEST_P(HandleReleaseTest, ReachingThePointSnapsToItOtherwiseTheHandleGoesBack) {
  const HandleCase& c = GetParam();
  HandleQuestion(c.code, 3000, 3000);
  auto& d = Desk();
  Ui(d).Image5.Move(c.x, c.y);
  Vars(d).mHandleX = static_cast<int32_t>(c.x);
  Vars(d).mHandleY = static_cast<int16_t>(c.y);
  in_.Click(HandleX(c.x), HandleY(c.y), kRight);
  Run();
  const int code = std::stoi(c.code);
  const bool across = code != 8003 && code != 8004, up_down = code != 8001 && code != 8002;
  EXPECT_EQ(desktop::cursor().step(), c.reaches ? 2 : 1);
  const double back_x = across ? kStart : c.x, back_y = up_down ? kStart : c.y;
  const double snap_x = across ? 3000 : c.x, snap_y = up_down ? 3000 : c.y;
  EXPECT_DOUBLE_EQ(Ui(d).Image5.Left(), c.reaches ? snap_x : back_x);
  EXPECT_DOUBLE_EQ(Ui(d).Image5.Top(), c.reaches ? snap_y : back_y);
  if (!c.reaches) {
    EXPECT_EQ(Vars(d).mHandleX, back_x);
    EXPECT_EQ(Vars(d).mHandleY, back_y);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Directions, HandleReleaseTest,
    ::testing::Values(HandleCase{"Left8001", "8001", 2895, 2895, true},
                      HandleCase{"Left8001Short", "8001", 3105, 2895, false},
                      HandleCase{"Right8002", "8002", 3105, 2895, true},
                      HandleCase{"Right8002Exactly", "8002", 3000, 2895, true},
                      HandleCase{"Right8002Short", "8002", 2895, 3105, false},
                      HandleCase{"Up8003", "8003", 3105, 2895, true},
                      HandleCase{"Up8003Short", "8003", 2895, 3105, false},
                      HandleCase{"Down8004", "8004", 2895, 3105, true},
                      HandleCase{"Down8004Short", "8004", 3105, 2895, false},
                      HandleCase{"DownLeft8006", "8006", 2895, 3105, true},
                      HandleCase{"DownLeft8006OnlyLeft", "8006", 2895, 2895, false},
                      HandleCase{"DownRight8007", "8007", 3105, 3105, true},
                      HandleCase{"DownRight8007OnlyRight", "8007", 3105, 2895, false},
                      HandleCase{"DownRight8007OnlyDown", "8007", 2895, 3105, false},
                      HandleCase{"UpLeft8008", "8008", 2895, 2895, true},
                      HandleCase{"UpLeft8008OnlyUp", "8008", 3105, 2895, false},
                      HandleCase{"UpRight8009", "8009", 3105, 2895, true},
                      HandleCase{"UpRight8009OnlyRight", "8009", 3105, 3105, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HandleTest, Code8005HasNoHandleCheck) {
  HandleQuestion("8005", 3000, 3000);
  auto& d = Desk();
  Ui(d).Image5.Move(3105, 3105);
  Vars(d).mHandleX = Vars(d).mHandleY = 3105;
  in_.Click(HandleX(3105), HandleY(3105), kRight);
  Run();
  EXPECT_EQ(desktop::cursor().step(), 1);
  EXPECT_DOUBLE_EQ(Ui(d).Image5.Left(), 3105);
}

TEST_F(HandleTest, TheHandleFollowsHalfWayAndAShortDragStartsAgainFromTheStart) {
  HandleQuestion("8002", 3000, 3000);
  auto& d = Desk();
  // 24 pixels right of the handle's corner: the handle moves 12 (180 twips), across only.
  in_.Press(HandleX(kStart), HandleY(kStart));
  in_.Move(HandleX(kStart) + 20, HandleY(kStart) + 20);
  in_.Call([&] { EXPECT_DOUBLE_EQ(Ui(d).Image5.Left(), kStart + 180); });
  in_.Release(HandleX(kStart) + 20, HandleY(kStart) + 20);
  Run();
  EXPECT_EQ(desktop::cursor().step(), 1);
  EXPECT_DOUBLE_EQ(Ui(d).Image5.Left(), kStart);
  EXPECT_DOUBLE_EQ(Ui(d).Image5.Top(), kStart);
  EXPECT_EQ(Vars(d).mHandleX, kStart);

  // Dragged far enough the handle catches up past the mark and snaps onto it.
  in_.Press(HandleX(kStart), HandleY(kStart));
  for (int i = 1; i <= 12; ++i) in_.Move(HandleX(kStart) + 100 + i, HandleY(kStart));
  in_.Release(HandleX(kStart) + 112, HandleY(kStart));
  Run();
  EXPECT_EQ(desktop::cursor().step(), 2);
  EXPECT_DOUBLE_EQ(Ui(d).Image5.Left(), 3000);
}

TEST_F(HandleTest, ADiagonalHandleFollowsBothWays) {
  HandleQuestion("8007", 2400, 2400);
  auto& d = Desk();
  in_.Press(HandleX(kStart), HandleY(kStart));
  for (int i = 1; i <= 12; ++i) in_.Move(HandleX(kStart) + 60 + i, HandleY(kStart) + 60 + i);
  in_.Release(HandleX(kStart) + 72, HandleY(kStart) + 72);
  Run();
  EXPECT_EQ(desktop::cursor().step(), 2);
  EXPECT_DOUBLE_EQ(Ui(d).Image5.Left(), 2400);
  EXPECT_DOUBLE_EQ(Ui(d).Image5.Top(), 2400);
}

}  // namespace
}  // namespace xpexam::desktop
