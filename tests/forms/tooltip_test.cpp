// Tooltips: when they come and go, and where they stand.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "forms/app.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/runtime.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

// Fixed: a label with its tip from the start. Late: a label that sets its tip when the pointer
// moves over it, as a list that names its own entries does.
class FrmTips : public FormOf<FrmTips> {
 public:
  static inline std::string late_text = "late tip";
  Label Fixed{*this, "Fixed"};
  Label Late{*this, "Late"};
  Label Plain{*this, "Plain"};
  Label Corner{*this, "Corner"};
  FrmTips() {
    SetBorderStyle(forms::WindowBorder::kNone);
    SetWindowState(forms::WindowSize::kMaximized);
    Fixed.Move(150, 150, 1500, 300);   // pixels 10..110 x 10..30
    Fixed.SetToolTipText("fixed tip");
    Late.Move(150, 750, 1500, 300);    // pixels 10..110 x 50..70
    Late.MouseMove = [this](int, int, double, double) { Late.SetToolTipText(late_text); };
    Plain.Move(150, 1350, 1500, 300);  // pixels 10..110 x 90..110
    Corner.Move(10500, 8400, 1500, 600);  // pixels 700..800 x 560..600, the screen's corner
    Corner.MouseMove = [this](int, int, double, double) { Corner.SetToolTipText(late_text); };
  }
};

class TooltipTest : public testing::FormsTest {
 protected:
  TooltipTest() { FrmTips::Get().Show(); }
  ~TooltipTest() override { FrmTips::late_text = "late tip"; }
  std::string TipNow() {
    std::string text;
    in_.Call([&] { text = Wm().Tooltip() ? Wm().Tooltip()->text : ""; });
    Pump();
    return text;
  }
};

TEST_F(TooltipTest, ATipShowsAfterTheRestOnTheFirstHover) {
  struct Case {
    const char* gesture;
    std::function<void(HeadlessBackend&)> input;
    std::string tip;
  };
  const Case cases[] = {
      {"rest on a fixed tip", [](HeadlessBackend& in) { in.Move(20, 15), in.Wait(600); }, "fixed tip"},
      {"too short a rest", [](HeadlessBackend& in) { in.Move(20, 15), in.Wait(400); }, ""},
      {"the rest counts from the last move",
       [](HeadlessBackend& in) { in.Move(20, 15), in.Wait(400), in.Move(22, 15), in.Wait(400); }, ""},
      {"a tip its own move sets", [](HeadlessBackend& in) { in.Move(20, 55), in.Wait(600); }, "late tip"},
      {"no tip", [](HeadlessBackend& in) { in.Move(20, 95), in.Wait(600); }, ""},
      {"a tip set by code during the rest",
       [](HeadlessBackend& in) {
         in.Move(20, 95), in.Wait(600);
         in.Call([] { FrmTips::Get().Plain.SetToolTipText("set later"); });
         in.Wait(600);
       },
       "set later"},
      {"a press takes it away for this hover",
       [](HeadlessBackend& in) { in.Move(20, 15), in.Wait(600), in.Click(20, 15), in.Move(21, 15), in.Wait(600); }, ""},
      {"gone after five seconds", [](HeadlessBackend& in) { in.Move(20, 15), in.Wait(5600); }, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.gesture);
    in_.Move(400, 300);
    in_.Wait(1000);
    c.input(in_);
    EXPECT_EQ(TipNow(), c.tip);
  }
}

TEST_F(TooltipTest, ATipStaysOnTheScreenAndWrapsWhenWiderThanIt) {
  struct Case {
    const char* name;
    int x, y;
    std::string text;
    bool wraps;
  };
  std::string numbers = "未完成的题目";
  for (int i = 1; i <= 120; ++i) numbers += " " + std::to_string(i);
  const Case cases[] = {
      {"short, in the corner", 790, 590, "late tip", false},
      {"long, in the corner", 790, 590, numbers, true},
      {"long, at the corner's left", 705, 565, numbers, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FrmTips::late_text = c.text;
    in_.Move(400, 300);
    in_.Wait(1000);
    in_.Move(c.x, c.y);
    in_.Wait(600);
    std::optional<WindowManager::Tip> tip;
    in_.Call([&] { tip = Wm().Tooltip(); });
    Pump();
    ASSERT_TRUE(tip);
    EXPECT_EQ(tip->text, c.text);
    const Rect& b = tip->box;
    EXPECT_GE(b.x, 0);
    EXPECT_GE(b.y, 0);
    EXPECT_LE(b.x + b.w, 800);
    EXPECT_LE(b.y + b.h, 600);
    // Above the pointer when there is no room below it; never over the pointer's own spot.
    EXPECT_TRUE(b.y + b.h <= c.y || b.y > c.y) << b.y << " " << b.h;
    const int one_line = MeasureText("Ag", TextStyle{}).height + 4;
    EXPECT_EQ(b.h > one_line, c.wraps) << b.h;
  }
}

TEST_F(TooltipTest, ATipCastsTheMenusSoftShadowRightAndBelow) {
  in_.Move(20, 15);
  in_.Wait(600);
  std::optional<WindowManager::Tip> tip;
  in_.Call([&] { tip = Wm().Tooltip(); });
  Pump();
  ASSERT_TRUE(tip);
  const Rect b = tip->box;
  auto brightness = [](int x, int y) {
    const Color c = ComposeScreen().PixelAt(x, y);
    return (c & 0xFF) + (c >> 8 & 0xFF) + (c >> 16 & 0xFF);
  };
  const int ground = brightness(b.x + b.w + 6, b.y + b.h / 2);
  const int mid_x = b.x + b.w / 2, mid_y = b.y + b.h / 2;
  // Darkest along the edge, fading outwards, nothing beyond four pixels; the near corners clear.
  EXPECT_LT(brightness(b.x + b.w, mid_y), ground - 40);
  EXPECT_LT(brightness(b.x + b.w, mid_y), brightness(b.x + b.w + 2, mid_y));
  EXPECT_LT(brightness(b.x + b.w + 2, mid_y), ground);
  EXPECT_LT(brightness(mid_x, b.y + b.h), ground - 40);
  EXPECT_EQ(brightness(mid_x, b.y + b.h + 5), ground);
  EXPECT_EQ(brightness(b.x + b.w, b.y), ground);
  EXPECT_EQ(brightness(b.x, b.y + b.h), ground);
}

}  // namespace
}  // namespace xpexam::forms
