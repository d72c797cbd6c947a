// The image button: which frame of its strip it shows and where its caption sits after each
// gesture, as a table of event sequences.
#include "frame/picture_button.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/app.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/headless.h"
#include "frame/installation.h"
#include "tests/support/bmp.h"

namespace xpexam::frame {
namespace {

using forms::HeadlessBackend;

constexpr uint32_t kNormal = 0x0000FF00, kHover = 0x00FF0000, kPressed = 0x000000FF, kDisabled = 0x00808080;

// A borderless window at the screen's top left with one button at pixels 100..190 x 100..130
// (at 15 twips per pixel and scale 1).
class FrmButtons : public forms::FormOf<FrmButtons> {
 public:
  PictureButton Btn{*this, "Btn"};
  int clicks = 0;
  FrmButtons() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, ScaleX(6000), ScaleY(4500));
    Btn.Move(ScaleX(1500), ScaleY(1500), ScaleX(1350), ScaleY(450));
    Btn.SetPicture(forms::Picture::Decode(testing::BandsBmp({kNormal, kHover, kPressed, kDisabled}, 90, 30)));
    Btn.SetCaption("确定");
    Btn.Click = [this] { ++clicks; };
  }
};

// A topmost window that covers the button.
class FrmCover : public forms::FormOf<FrmCover> {
 public:
  FrmCover() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(ScaleX(1200), ScaleY(1200), ScaleX(3000), ScaleY(1500));
    SetTopMost(true);
  }
};

class ImageButton : public ::testing::Test {
 protected:
  explicit ImageButton(double twips_per_pixel = 15) : session_(800, 600, twips_per_pixel) {
    editInstallation().SetScale(twips_per_pixel / 15, twips_per_pixel / 15);
    FrmButtons::Get().Show();
  }

  PictureButton& Btn() { return FrmButtons::Get().Btn; }
  int Frame() { return 1 - static_cast<int>(Btn().ImgBack.Left() / Btn().Width()); }
  double CentredLeft() { return SnapTwips((Btn().Width() - Btn().LblCaption.Width()) / 2); }
  double CentredTop() { return SnapTwips((Btn().Height() - Btn().LblCaption.Height()) / 2); }

  forms::HeadlessSession session_;
  HeadlessBackend& in_ = session_.Input();
};

// Over the button, and off it but still on its window.
constexpr int kOverX = 145, kOverY = 115, kOffX = 300, kOffY = 250;

TEST(SnapTwips, RoundsHalvesToEvenThenTruncatesTowardZeroToWholePixels) {
  struct Case {
    double v, snapped;
  };
  for (Case c : {Case{442.5, 435}, Case{443.5, 435}, Case{22.5, 15}, Case{37.5, 30}, Case{29.5, 30}, Case{14.5, 0},
                 Case{15, 15}, Case{0, 0}, Case{-7.5, 0}, Case{-22.5, -15}, Case{-442.5, -435}, Case{-29.5, -30}})
    EXPECT_EQ(SnapTwips(c.v), c.snapped) << c.v;
}

TEST_F(ImageButton, EventSequences) {
  using Act = std::function<void(HeadlessBackend&, PictureButton&)>;
  auto disable = [](HeadlessBackend& in, PictureButton& b) { in.Call([&b] { b.SetEnabled(false); }); };
  struct Case {
    const char* name;
    Act act;
    int frame;
    bool pressed_caption;
    int clicks;
  };
  const std::vector<Case> cases = {
      {"created, pointer elsewhere", [](auto& in, auto&) { in.Wait(200); }, 1, false, 0},
      {"pointer onto the button", [](auto& in, auto&) { in.Move(kOverX, kOverY); }, 2, false, 0},
      {"pointer stays over the button", [](auto& in, auto&) { in.Move(kOverX, kOverY), in.Wait(350); }, 2, false, 0},
      {"hover out, before the watch ticks",
       [](auto& in, auto&) { in.Move(kOverX, kOverY), in.Move(kOffX, kOffY), in.Wait(50); }, 2, false, 0},
      {"hover out, the watch ticks",
       [](auto& in, auto&) { in.Move(kOverX, kOverY), in.Move(kOffX, kOffY), in.Wait(100); }, 1, false, 0},
      {"press", [](auto& in, auto&) { in.Press(kOverX, kOverY); }, 3, true, 0},
      {"click", [](auto& in, auto&) { in.Click(kOverX, kOverY); }, 1, false, 1},
      {"press, move off, release outside",
       [](auto& in, auto&) { in.Press(kOverX, kOverY), in.Move(kOffX, kOffY), in.Release(kOffX, kOffY); }, 1, false,
       1},
      {"press, move off, before the watch ticks",
       [](auto& in, auto&) { in.Press(kOverX, kOverY), in.Move(kOffX, kOffY), in.Wait(50); }, 3, true, 0},
      {"press, move off, the watch ticks",
       [](auto& in, auto&) { in.Press(kOverX, kOverY), in.Move(kOffX, kOffY), in.Wait(100); }, 1, false, 0},
      {"press, move off, the watch ticks, move back held",
       [](auto& in, auto&) { in.Press(kOverX, kOverY), in.Move(kOffX, kOffY), in.Wait(100), in.Move(kOverX, kOverY); },
       2, false, 0},
      {"right button click", [](auto& in, auto&) { in.Click(kOverX, kOverY, forms::kRightButton); }, 1, false, 1},
      {"middle button click", [](auto& in, auto&) { in.Click(kOverX, kOverY, forms::kMiddleButton); }, 1, false, 1},
      {"right press, release outside",
       [](auto& in, auto&) { in.Press(kOverX, kOverY, forms::kRightButton), in.Release(kOffX, kOffY, forms::kRightButton); },
       1, false, 1},
      {"double click", [](auto& in, auto&) { in.DblClick(kOverX, kOverY); }, 1, false, 2},
      {"press elsewhere, release over the button",
       [](auto& in, auto&) { in.Press(kOffX, kOffY), in.Release(kOverX, kOverY); }, 1, false, 0},
      {"disabled", [=](auto& in, auto& b) { disable(in, b); }, 4, false, 0},
      {"disabled, clicked", [=](auto& in, auto& b) { disable(in, b), in.Click(kOverX, kOverY), in.Wait(300); }, 4,
       false, 0},
      {"disabled before the first watch tick", [=](auto& in, auto& b) { disable(in, b), in.Wait(100); }, 4, false, 0},
      {"disabled while hovered, pointer leaves",
       [=](auto& in, auto& b) { in.Move(kOverX, kOverY), disable(in, b), in.Move(kOffX, kOffY), in.Wait(100); }, 4,
       false, 0},
      {"disabled then enabled",
       [=](auto& in, auto& b) { disable(in, b), in.Call([&b] { b.SetEnabled(true); }); }, 1, false, 0},
      {"hovered, then covered by another window",
       [](auto& in, auto&) { in.Move(kOverX, kOverY), in.Call([] { FrmCover::Get().Show(); }), in.Wait(100); }, 1,
       false, 0},
  };
  for (const Case& c : cases) {
    forms::ResetRuntime();
    FrmButtons& form = FrmButtons::Get();
    form.Show();
    in_.Move(0, 599);
    c.act(in_, form.Btn);
    forms::Pump();
    PictureButton& b = FrmButtons::Get().Btn;
    EXPECT_EQ(Frame(), c.frame) << c.name;
    const double dx = c.pressed_caption ? 15 * installation().scaleX() : 0, dy = c.pressed_caption ? 15 * installation().scaleY() : 0;
    EXPECT_EQ(b.LblCaption.Left(), CentredLeft() + dx) << c.name;
    EXPECT_EQ(b.LblCaption.Top(), CentredTop() + dy) << c.name;
    EXPECT_EQ(FrmButtons::Get().clicks, c.clicks) << c.name;
  }
}

TEST_F(ImageButton, TheScreenShowsTheFrameOfTheStrip) {
  struct Case {
    std::function<void()> act;
    uint32_t color;
  };
  for (const Case& c : {Case{[] {}, kNormal}, Case{[this] { in_.Move(kOverX, kOverY); }, kHover},
                        Case{[this] { in_.Press(kOverX, kOverY); }, kPressed},
                        Case{[this] { in_.Call([this] { Btn().SetEnabled(false); }); }, kDisabled}}) {
    c.act();
    forms::Pump();
    // Left of the caption, inside the button.
    EXPECT_EQ(forms::ComposeScreen().PixelAt(102, 102), c.color);
  }
}

TEST_F(ImageButton, WithoutAPictureOnlyTheBackgroundShows) {
  forms::ResetRuntime();
  class FrmBare : public forms::FormOf<FrmBare> {
   public:
    PictureButton Bare{*this, "Bare"};
    FrmBare() {
      SetBorderStyle(forms::WindowBorder::kNone);
      Move(0, 0, 6000, 4500);
      Bare.Move(1500, 1500, 1350, 450);
    }
  };
  FrmBare::Get().Show();
  EXPECT_EQ(forms::ComposeScreen().PixelAt(102, 102), PictureButton::kBackColor);
}

TEST_F(ImageButton, CaptionPlacement) {
  PictureButton& b = Btn();
  // A short caption is centred on whole pixels.
  EXPECT_EQ(b.LblCaption.Left(), SnapTwips((1350 - b.LblCaption.Width()) / 2));
  EXPECT_EQ(static_cast<long>(b.LblCaption.Left()) % 15, 0);
  EXPECT_EQ(static_cast<long>(b.LblCaption.Top()) % 15, 0);

  // A caption wider than the button gets a negative offset, truncated toward zero.
  b.SetCaption("一个比按钮宽得多的标题文字");
  ASSERT_GT(b.LblCaption.Width(), b.Width());
  EXPECT_EQ(b.LblCaption.Left(), SnapTwips((1350 - b.LblCaption.Width()) / 2));
  EXPECT_LT(b.LblCaption.Left(), 0);
  EXPECT_EQ(static_cast<long>(b.LblCaption.Left()) % 15, 0);

  // A font change resizes the caption but leaves it where it was until the next re-centring.
  b.SetCaption("确定");
  const double left = b.LblCaption.Left(), width = b.LblCaption.Width();
  b.SetFontSize(18);
  EXPECT_GT(b.LblCaption.Width(), width);
  EXPECT_EQ(b.LblCaption.Left(), left);
  in_.Move(kOverX, kOverY);  // entering the hover frame re-centres it
  forms::Pump();
  EXPECT_EQ(b.LblCaption.Left(), CentredLeft());
  EXPECT_NE(b.LblCaption.Left(), left);
}

TEST_F(ImageButton, ResizeRecentresTheCaptionAndKeepsTheFrameOffset) {
  in_.Move(kOverX, kOverY);
  forms::Pump();
  PictureButton& b = Btn();
  ASSERT_EQ(b.ImgBack.Left(), -1350);
  b.Move(b.Left(), b.Top(), 1800, 600);
  EXPECT_EQ(b.ImgBack.Left(), -1350);  // the old offset stays until the next frame change
  EXPECT_EQ(b.ImgBack.Top(), 0);
  EXPECT_EQ(b.LblCaption.Left(), SnapTwips((1800 - b.LblCaption.Width()) / 2));
  EXPECT_EQ(b.LblCaption.Top(), SnapTwips((600 - b.LblCaption.Height()) / 2));
  in_.Press(kOverX, kOverY);
  forms::Pump();
  EXPECT_EQ(b.ImgBack.Left(), -3600);
}

TEST_F(ImageButton, ControlArraysReceiveTheClickWithTheIndex) {
  forms::ResetRuntime();
  class FrmArray : public forms::FormOf<FrmArray> {
   public:
    forms::ControlArray<PictureButton> LblClick{*this, "LblClick", {0, 1}};
    std::vector<int> clicked;
    FrmArray() {
      SetBorderStyle(forms::WindowBorder::kNone);
      Move(0, 0, 6000, 4500);
      LblClick[0].Move(0, 0, 1350, 450);
      LblClick[1].Move(1500, 0, 1350, 450);
      LblClick.Click = [this](int i) { clicked.push_back(i); };
    }
  };
  FrmArray::Get().Show();
  in_.Click(10, 10, forms::kRightButton);
  in_.Click(110, 10);
  forms::Pump();
  EXPECT_EQ(FrmArray::Get().clicked, (std::vector<int>{0, 1}));
}

class ImageButtonAtScale08 : public ImageButton {
 protected:
  ImageButtonAtScale08() : ImageButton(12) {}
};

TEST_F(ImageButtonAtScale08, PressedCaptionMovesOneScaledPixel) {
  PictureButton& b = Btn();
  ASSERT_EQ(b.Width(), 1080);
  const double left = b.LblCaption.Left(), top = b.LblCaption.Top();
  EXPECT_EQ(left, SnapTwips((1080 - b.LblCaption.Width()) / 2));
  in_.Press(kOverX, kOverY);  // the same pixels at every scale
  forms::Pump();
  EXPECT_EQ(b.LblCaption.Left(), left + 12);
  EXPECT_EQ(b.LblCaption.Top(), top + 12);
  EXPECT_EQ(b.ImgBack.Left(), -2160);
  in_.Release(kOffX, kOffY);
  forms::Pump();
  EXPECT_EQ(b.LblCaption.Left(), left);
  EXPECT_EQ(FrmButtons::Get().clicks, 1);
}

}  // namespace
}  // namespace xpexam::frame
