// The look of the system's visual style, seen on the composed screen through real input: the
// blue title bar and its close box, the menu shadow and the check box.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "forms/app.h"
#include "forms/check_box.h"
#include "forms/color.h"
#include "forms/form.h"
#include "forms/headless.h"
#include "forms/menu.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

int R(Color c) { return c & 0xFF; }
int G(Color c) { return c >> 8 & 0xFF; }
int B(Color c) { return c >> 16 & 0xFF; }
int Brightness(Color c) { return R(c) + G(c) + B(c); }
Color At(int x, int y) { return ComposeScreen().PixelAt(x, y); }

// A dialog at pixels (100, 50), 300 x 200, with a title bar; it counts its closes.
class FrmCaptioned : public FormOf<FrmCaptioned> {
 public:
  int closes = 0;
  FrmCaptioned() {
    SetBorderStyle(forms::WindowBorder::kFixedDialog);
    SetCaption("提示");
    Move(1500, 750, 4500, 3000);
    SetBackColor(Rgb(255, 255, 255));
  }

 protected:
  void CloseBoxClicked() override { ++closes; }
};

// Another window beside it, to take the activation.
class FrmOther : public FormOf<FrmOther> {
 public:
  FrmOther() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(7500, 750, 1500, 1500);
  }
};

class ChromeTest : public testing::FormsTest {
 protected:
  // The close box of the dialog: 21 pixels square, 5 from the right, 3 from the top.
  static constexpr int kBoxX = 100 + 300 - 26, kBoxY = 50 + 3;
  static constexpr int kBoxCentreX = kBoxX + 10, kBoxCentreY = kBoxY + 10;
  void Settle() { Pump(); }
  // The close box's face, sampled at its top-left glossy part, away from the cross.
  static Color Face() { return At(kBoxX + 4, kBoxY + 9); }
};

TEST_F(ChromeTest, TitleBarIsAGradientWithRoundTopCornersAndAShadowedCaption) {
  FrmCaptioned& f = FrmCaptioned::Get();
  f.Show();
  Settle();
  const Color desktop = ResolveColor(kSysDesktop);
  EXPECT_EQ(At(100, 50), desktop) << "top left corner shows what lies beneath";
  EXPECT_EQ(At(399, 50), desktop) << "top right corner shows what lies beneath";
  EXPECT_NE(At(100, 60), desktop) << "below the rounding the frame is drawn";
  // A light band at the top, a darker line at the bottom of the bar (inside the 25 pixels).
  const int mid = 250;
  EXPECT_GT(Brightness(At(mid, 51)), Brightness(At(mid, 62)) + 60);
  EXPECT_GT(Brightness(At(mid, 62)), Brightness(At(mid, 50 + 24)));
  EXPECT_GT(B(At(mid, 62)), 200) << "the body of the bar is deep blue";
  // The client area starts where it did: 3 pixels in, 25 down.
  EXPECT_EQ(At(103, 75), Rgb(255, 255, 255));
  EXPECT_NE(At(102, 75), Rgb(255, 255, 255));
  EXPECT_NE(At(103, 74), Rgb(255, 255, 255));

  // Inactive, the bar is paler: less saturated, lighter in its body.
  FrmOther::Get().Show();
  Settle();
  const Color active_body = Rgb(0, 84, 227);
  const Color inactive = At(mid, 62);
  EXPECT_GT(Brightness(inactive), Brightness(active_body) + 100);
  EXPECT_LT(B(inactive) - R(inactive), B(active_body) - R(active_body) - 60);
}

TEST_F(ChromeTest, CaptionTextHasADarkShadowAndItsDashesJoin) {
  FrmCaptioned& f = FrmCaptioned::Get();
  f.SetCaption("——");
  f.Show();
  Settle();
  // The longest run of white caption pixels on any row of the bar: one joined line is wider
  // than two dashes' worth of gap-broken strokes.
  int longest = 0, shadow = 0;
  for (int y = 50 + 3; y < 50 + 23; ++y) {
    int run = 0;
    for (int x = 100 + 3; x < 100 + 200; ++x) {
      const Color c = At(x, y);
      run = R(c) > 200 && G(c) > 200 && B(c) > 200 ? run + 1 : 0;
      longest = std::max(longest, run);
      // The shadow: darker than the bar's blue, below and right of the strokes.
      if (B(c) < 160 && R(c) < 40) ++shadow;
    }
  }
  EXPECT_GE(longest, 20) << "the two dashes are one line";
  EXPECT_GT(shadow, 10) << "the caption casts a shadow";
}

// At every resolution the two dashes of a caption are one line as long as both dashes together.
TEST(CaptionDashes, JoinAtEveryResolution) {
  for (double twips_per_pixel : {15.0, 12.0, 10.0}) {
    SCOPED_TRACE(twips_per_pixel);
    HeadlessSession screen(400, 200, twips_per_pixel);
    FrmCaptioned& f = FrmCaptioned::Get();
    f.SetCaption("学习——模块");
    f.Move(0, 0, 300 * twips_per_pixel, 100 * twips_per_pixel);
    f.Show();
    Pump();
    TextStyle caption;
    caption.font.bold = true;
    const int pair = MeasureText("——", caption).width;
    int longest = 0;
    for (int y = 3; y < 25; ++y) {
      int run = 0;
      for (int x = 3; x < 200; ++x) {
        const Color c = At(x, y);
        run = R(c) > 200 && G(c) > 200 && B(c) > 200 ? run + 1 : 0;
        longest = std::max(longest, run);
      }
    }
    EXPECT_GE(longest, pair * 7 / 8) << "dashes " << pair << " wide";
  }
}

TEST_F(ChromeTest, CloseBoxShowsHoverAndPressedFacesAndClosesOnTheReleaseOverIt) {
  FrmCaptioned& f = FrmCaptioned::Get();
  f.Show();
  in_.Move(250, 150);
  Settle();
  const Color normal = Face();
  EXPECT_GT(R(normal), 150) << "a red button";
  EXPECT_LT(B(normal), 150);
  EXPECT_EQ(At(kBoxCentreX, kBoxCentreY), Rgb(255, 255, 255)) << "a white cross";

  in_.Move(kBoxCentreX, kBoxCentreY);
  Settle();
  const Color hot = Face();
  EXPECT_GT(Brightness(hot), Brightness(normal)) << "under the pointer it lights up";

  in_.Press(kBoxCentreX, kBoxCentreY);
  Settle();
  const Color pressed = Face();
  EXPECT_LT(Brightness(pressed), Brightness(normal)) << "held down it darkens";
  EXPECT_EQ(f.closes, 0) << "nothing happens on the press";

  // Moved off while held: the normal face; released there: no close.
  in_.Move(250, 150);
  Settle();
  EXPECT_EQ(Face(), normal);
  in_.Release(250, 150);
  Settle();
  EXPECT_EQ(f.closes, 0);

  // Pressed, moved off and back, released over it: one close.
  in_.Move(kBoxCentreX, kBoxCentreY);
  in_.Press(kBoxCentreX, kBoxCentreY);
  in_.Move(250, 150);
  in_.Move(kBoxCentreX + 2, kBoxCentreY);
  Settle();
  EXPECT_EQ(Face(), pressed);
  in_.Release(kBoxCentreX + 2, kBoxCentreY);
  Settle();
  EXPECT_EQ(f.closes, 1);
  EXPECT_EQ(Face(), hot) << "released, the pointer still over it";

  in_.Move(250, 150);
  Settle();
  EXPECT_EQ(Face(), normal) << "the pointer gone";
}

// A white window whose label opens a popup menu on a right press at (20, 15).
class FrmMenuOwner : public FormOf<FrmMenuOwner> {
 public:
  MenuItem wm100{*this, "wm100"};
  MenuItem sOpen{wm100, "sOpen"};
  MenuItem sClose{wm100, "sClose"};
  FrmMenuOwner() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, 9000, 6000);
    SetBackColor(Rgb(255, 255, 255));
    wm100.SetVisible(false);
    sOpen.SetCaption("打开");
    sClose.SetCaption("关闭");
  }

 protected:
  void Form_MouseDown(int button, int, double, double) override {
    if (button == kRightButton) PopupMenu(wm100);
  }
};

TEST_F(ChromeTest, PopupMenuCastsASoftShadowRightAndBelow) {
  FrmMenuOwner::Get().Show();
  in_.Press(20, 15, kRightButton);
  in_.Release(20, 15, kRightButton);
  bool checked = false;
  in_.Call([&] {
    checked = true;
    const Color white = Rgb(255, 255, 255), frame = ResolveColor(kSysButtonShadow);
    int right = 21, bottom = 16;
    while (right < 400 && At(right, 16) != frame) ++right;
    while (bottom < 400 && At(21, bottom) != frame) ++bottom;
    ASSERT_LT(right, 400);
    ASSERT_LT(bottom, 400);
    const int mid_y = (15 + bottom) / 2, mid_x = (20 + right) / 2;
    // Darkest along the edge, fading outwards, nothing beyond four pixels.
    EXPECT_LT(Brightness(At(right + 1, mid_y)), Brightness(white) - 40);
    EXPECT_LT(Brightness(At(right + 1, mid_y)), Brightness(At(right + 3, mid_y)));
    EXPECT_LT(Brightness(At(right + 3, mid_y)), Brightness(white));
    EXPECT_EQ(At(right + 6, mid_y), white);
    EXPECT_LT(Brightness(At(mid_x, bottom + 1)), Brightness(white) - 40);
    EXPECT_EQ(At(mid_x, bottom + 6), white);
    // The shadow starts a little below the top and right of the left edge.
    EXPECT_EQ(At(right + 1, 15), white);
    EXPECT_EQ(At(20, bottom + 1), white);
    in_.Key(kKeyEscape);
  });
  Pump();
  EXPECT_TRUE(checked);
}

// A check box at pixels (10, 10), 120 x 17, checked.
class FrmChecks : public FormOf<FrmChecks> {
 public:
  CheckBox Check1{*this, "Check1"};
  FrmChecks() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, 6000, 4500);
    Check1.Move(150, 150, 1800, 255);
    Check1.SetCaption("调用输入法");
    Check1.SetValue(CheckState::kChecked);
  }
};

TEST_F(ChromeTest, CheckBoxHasTheStyledBoxAndLightsUpUnderThePointer) {
  FrmChecks::Get().Show();
  in_.Move(300, 300);
  Settle();
  // The box: 13 pixels square at (10, 12), a blue-grey border, a pale face, a green tick.
  EXPECT_EQ(At(10, 18), Rgb(0x1C, 0x51, 0x80));
  EXPECT_EQ(At(22, 18), Rgb(0x1C, 0x51, 0x80));
  int green = 0;
  for (int y = 13; y < 24; ++y)
    for (int x = 11; x < 22; ++x)
      if (G(At(x, y)) > 120 && R(At(x, y)) < 100 && B(At(x, y)) < 100) ++green;
  EXPECT_GT(green, 10) << "a green tick";
  const Color face = At(12, 22);
  EXPECT_GT(Brightness(face), 600) << "a pale face";

  in_.Move(40, 18);
  Settle();
  const Color hot = At(12, 22);
  EXPECT_NE(hot, face);
  EXPECT_GT(R(hot), B(hot) + 40) << "an orange glow under the pointer";

  in_.Move(300, 300);
  Settle();
  EXPECT_EQ(At(12, 22), face) << "gone with the pointer";

  // The press darkens it; the click still toggles.
  in_.Move(40, 18);
  in_.Press(40, 18);
  Settle();
  EXPECT_LT(Brightness(At(12, 22)), Brightness(face));
  in_.Release(40, 18);
  Settle();
  EXPECT_EQ(FrmChecks::Get().Check1.Value(), CheckState::kUnchecked);
}

TEST_F(ChromeTest, CheckBoxShowsItsFocusOnceTheKeyboardIsUsedInItsWindow) {
  struct Case {
    const char* input;
    std::function<void(HeadlessBackend&)> keys;
    bool focus_shown;
  };
  const Case cases[] = {
      {"a click", [](HeadlessBackend& in) { in.Click(40, 18); }, false},
      {"Tab, then Space", [](HeadlessBackend& in) { in.Key(kKeyTab), in.Key(kKeySpace); }, true},
      {"a click after Alt", [](HeadlessBackend& in) { in.Key(kKeyMenu), in.Click(40, 18); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    FrmChecks& f = FrmChecks::Get();
    f.Show();
    c.keys(in_);
    Settle();
    EXPECT_EQ(f.Check1.Value(), CheckState::kUnchecked) << "toggled";
    // The dotted frame's left side stands in the gap between the box and the caption.
    int dots = 0;
    for (int y = 10; y < 27; ++y) dots += Brightness(At(26, y)) < 100;
    EXPECT_EQ(dots > 3, c.focus_shown) << dots;
    f.Unload();
  }
}

}  // namespace
}  // namespace xpexam::forms
