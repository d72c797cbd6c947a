// List box, check box, a composite control, tooltips and pointer shapes.
#include <gtest/gtest.h>

#include "forms/app.h"
#include "forms/check_box.h"
#include "forms/control_array.h"
#include "forms/custom_control.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/timer.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

using testing::EventLog;
using Lines = std::vector<std::string>;
EventLog* g_log = nullptr;

// A composite button: a face image and a caption label; Click on any release after a press on
// it; a hover watch that asks WindowFromPoint whether the pointer is still over it.
class HoverButton : public CustomControl {
 public:
  HoverButton(Container& c, std::string name, int index = -1) : CustomControl(c, std::move(name), index) {
    Face.Move(0, 0, 1500, 450);
    Caption.SetBackStyle(forms::Background::kTransparent);
    Caption.SetAutoSize(true);
    auto down = [this](int, int, double, double) { Set("pressed"); };
    auto up = [this](int, int, double, double) {
      Set("normal");
      Watch.SetEnabled(false);
      if (Click) Click();
    };
    auto move = [this](int, int, double, double) {
      if (state == "normal") Set("hover");
      Watch.SetEnabled(true);
    };
    for (Control* part : {static_cast<Control*>(&Face), static_cast<Control*>(&Caption)}) {
      part->MouseDown = down;
      part->MouseUp = up;
      part->MouseMove = move;
    }
    Watch.Tick = [this] {
      if (WindowFromPoint(GetCursorPos()) != hWnd()) {
        if (state != "normal") Set("normal");
        Watch.SetEnabled(false);
      }
    };
  }
  std::string TypeName() const override { return "HoverButton"; }
  std::function<void()> Click;
  std::string state = "normal";

 private:
  void Set(const std::string& s) {
    state = s;
    if (g_log) (*g_log)(DisplayName() + " " + s);
  }
  Image Face{*this, "Face"};
  Label Caption{*this, "Caption"};
  Timer Watch{*this, "Watch", 100, true};
};

class FrmControls : public FormOf<FrmControls> {
 public:
  ListBox List1{*this, "List1"};
  CheckBox Check1{*this, "Check1"};
  ControlArray<HoverButton> Btn{*this, "Btn", {0, 1}};
  Label Tip{*this, "Tip"};
  Label Pointer{*this, "Pointer"};
  FrmControls() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, 9000, 6000);
    List1.Move(150, 150, 1500, 1500);      // pixels 10..110 x 10..110
    Check1.Move(150, 1800, 1500, 300);     // pixels 10..110 x 120..140
    Btn[0].Move(3000, 150, 1500, 450);     // pixels 200..300 x 10..40
    Btn[1].Move(3000, 750, 1500, 450);     // pixels 200..300 x 50..80
    Btn[1].SetEnabled(false);
    Tip.Move(4500, 1800, 1500, 300);       // pixels 300..400 x 120..140
    Tip.SetToolTipText("提示");
    Pointer.Move(4500, 2400, 1500, 300);   // pixels 300..400 x 160..180
    Pointer.SetMousePointer(forms::PointerStyle::kHourglass);
    for (auto item : {"甲", "乙", "丙"}) List1.AddItem(item);
    List1.Click = [this] { (*g_log)("List1.Click " + std::to_string(List1.ListIndex())); };
    Check1.Click = [this] { (*g_log)("Check1.Click " + std::to_string(static_cast<int>(Check1.Value()))); };
    Btn.Click = [](int i) { (*g_log)("Btn.Click " + std::to_string(i)); };
  }
};

class ControlsTest : public testing::FormsTest {
 protected:
  ControlsTest() {
    g_log = &log_;
    FrmControls::Get().Show();
    log_.Clear();
  }
  ~ControlsTest() override { g_log = nullptr; }
  EventLog log_;
};

TEST_F(ControlsTest, ListBoxRaisesClickForUserAndProgramSelection) {
  auto& f = FrmControls::Get();
  TextStyle style;
  const int row = MeasureText("", style).height;
  f.List1.SetListIndex(0);
  f.List1.SetListIndex(0);  // no change, no Click
  in_.Click(20, 12 + row + row / 2);
  in_.Key(kKeyDown);
  in_.Key(kKeyDown);  // already at the last item
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"List1.Click 0", "List1.Click 1", "List1.Click 2"}));
  EXPECT_EQ(f.List1.List(1), "乙");
  EXPECT_EQ(f.List1.List(7), "");
  f.List1.Clear();
  EXPECT_EQ(f.List1.ListIndex(), -1);
}

TEST_F(ControlsTest, CheckBoxRaisesClickWhenItsValueChanges) {
  auto& f = FrmControls::Get();
  f.Check1.SetValue(CheckState::kChecked);
  f.Check1.SetValue(CheckState::kChecked);
  in_.Click(15, 130);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"Check1.Click 1", "Check1.Click 0"}));
}

TEST_F(ControlsTest, CompositeControlPartsHoverWatchAndDisabledState) {
  in_.Move(250, 25);      // over the face: hover
  in_.Wait(150);          // still over it: the watch keeps the hover frame
  in_.Press(250, 25);
  in_.Move(500, 300);     // off the button, still held
  in_.Release(500, 300);  // a release anywhere after a press raises Click
  in_.Wait(100);
  in_.Move(250, 65);      // over the disabled button: nothing
  in_.Click(250, 65);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"Btn(0) hover", "Btn(0) pressed", "Btn(0) normal", "Btn.Click 0"}));
  EXPECT_EQ(WindowFromPoint({250, 25}), FrmControls::Get().Btn[0].hWnd());
  // A disabled windowed control is skipped: the point belongs to the window.
  EXPECT_EQ(WindowFromPoint({250, 65}), FrmControls::Get().hWnd());
}

TEST_F(ControlsTest, HoverWatchRestoresTheNormalFrameAfterLeaving) {
  in_.Move(250, 25);
  in_.Move(600, 400);
  in_.Wait(100);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"Btn(0) hover", "Btn(0) normal"}));
}

TEST_F(ControlsTest, TooltipAppearsAfterHoveringAndGoesOnLeaving) {
  auto tip_shown = [] {
    const Canvas& c = ComposeScreen();
    for (int y = 140; y < 200; ++y)
      for (int x = 300; x < 400; ++x)
        if (c.PixelAt(x, y) == Rgb(255, 255, 225)) return true;
    return false;
  };
  bool early = true, shown = false, after = true;
  in_.Move(310, 125);
  in_.Wait(400);
  in_.Call([&] { early = tip_shown(); });
  in_.Wait(150);
  in_.Call([&] { shown = tip_shown(); });
  in_.Move(600, 400);
  in_.Call([&] { after = tip_shown(); });
  Pump();
  EXPECT_FALSE(early);
  EXPECT_TRUE(shown);
  EXPECT_FALSE(after);
}

// As on XP: the tip waits for half a second of rest on the control, stays five seconds, comes
// back only after the pointer left the control, and a click puts it away.
TEST_F(ControlsTest, TooltipWaitsForRestAndGoesAfterFiveSeconds) {
  auto tip_shown = [] {
    const Canvas& c = ComposeScreen();
    for (int y = 140; y < 200; ++y)
      for (int x = 300; x < 420; ++x)
        if (c.PixelAt(x, y) == Rgb(255, 255, 225)) return true;
    return false;
  };
  struct Step {
    const char* what;
    std::function<void()> act;
    bool shown;
  };
  const Step steps[] = {
      {"300 ms after arriving", [&] { in_.Move(305, 125), in_.Wait(300); }, false},
      {"moved on the control: 300 ms of rest again", [&] { in_.Move(320, 128), in_.Wait(300); }, false},
      {"550 ms of rest", [&] { in_.Wait(250); }, true},
      {"4.75 s after showing", [&] { in_.Wait(4700); }, true},
      {"5.05 s after showing", [&] { in_.Wait(300); }, false},
      {"moving on the control does not bring it back", [&] { in_.Move(330, 130), in_.Wait(1000); }, false},
      {"back after leaving and resting", [&] { in_.Move(600, 400), in_.Move(310, 125), in_.Wait(600); }, true},
      {"a click puts it away", [&] { in_.Click(310, 125), in_.Wait(600); }, false},
  };
  std::vector<int> seen;
  for (const Step& s : steps) {
    s.act();
    in_.Call([&] { seen.push_back(tip_shown()); });
  }
  Pump();
  ASSERT_EQ(seen.size(), std::size(steps));
  for (size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], steps[i].shown) << steps[i].what;
}

TEST_F(ControlsTest, PointerShapeFollowsTheControlAndTheCapture) {
  auto& f = FrmControls::Get();
  int over_label = -1, over_text_area = -1, captured = -1;
  in_.Move(310, 165);
  in_.Wait(1);
  in_.Call([&] { over_label = in_.PointerShapeShown(); });
  in_.Press(310, 165);
  in_.Move(20, 20);
  in_.Wait(1);
  in_.Call([&] { captured = in_.PointerShapeShown(); });
  in_.Release(20, 20);
  in_.Wait(1);
  in_.Call([&] { over_text_area = in_.PointerShapeShown(); });
  Pump();
  EXPECT_EQ(over_label, 11);
  EXPECT_EQ(captured, 11);  // the pressed control keeps the pointer while the button is held
  EXPECT_EQ(over_text_area, 0);
  auto cursor = Picture::Solid(32, 32, Rgb(0, 0, 0));
  f.Pointer.SetMouseIcon(cursor);
  f.Pointer.SetMousePointer(forms::PointerStyle::kCustom);
  in_.Move(320, 170);
  in_.Wait(1);
  Pump();
  EXPECT_EQ(in_.PointerShapeShown(), kCustomPointer);
  EXPECT_EQ(in_.PointerIconShown(), cursor);
  EXPECT_THROW(f.Pointer.SetMousePointer(static_cast<PointerStyle>(16)), platform::Failure);
}

}  // namespace
}  // namespace xpexam::forms
