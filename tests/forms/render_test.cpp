// The composed screen, probed at known points; and labels that size themselves to their text.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "forms/app.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/picture_box.h"
#include "forms/runtime.h"
#include "forms/shape.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

constexpr Color kBlue = Rgb(0, 0, 255), kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0), kYellow = Rgb(255, 255, 0);

// At (100, 50) pixels, 300 x 200, a blue client with a red picture of 40 x 40 at its corner.
class FrmPaint : public FormOf<FrmPaint> {
 public:
  Label Opaque{*this, "Opaque"};
  Label Clear{*this, "Clear"};
  Label Parked{*this, "Parked"};
  Label Hidden{*this, "Hidden"};
  Shape Frame1{*this, "Frame1"};
  Line Line1{*this, "Line1"};
  Image Stretched{*this, "Stretched"};
  PictureBox Box{*this, "Box"};
  Label Inside{Box, "Inside"};
  FrmPaint() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(1500, 750, 4500, 3000);
    SetBackColor(kBlue);
    SetPicture(Picture::Solid(40, 40, kRed));
    Opaque.Move(750, 0, 300, 300);  // client 50..70 x 0..20
    Opaque.SetBackColor(kGreen);
    Clear.Move(1200, 0, 300, 300);  // client 80..100
    Clear.SetBackStyle(forms::Background::kTransparent);
    Parked.Move(-1, 1500, 1, 1);
    Parked.SetBackColor(kYellow);
    Hidden.Move(1500, 0, 300, 300);
    Hidden.SetBackColor(kYellow);
    Hidden.SetVisible(false);
    Frame1.Move(0, 900, 600, 600);  // client 0..40 x 60..100, red border 2 px
    Frame1.SetBorderColor(kRed);
    Frame1.SetBorderWidth(2);
    Line1.SetEnds(1500, 900, 2400, 900);  // client y 60, x 100..160
    Line1.SetBorderColor(kYellow);
    Stretched.SetStretch(true);
    Stretched.SetPicture(Picture::Solid(10, 10, kYellow));
    Stretched.Move(0, 1800, 750, 750);  // client 0..50 x 120..170
    Box.SetBorderStyle(forms::BoxBorder::kNone);
    Box.SetBackColor(kGreen);
    Box.Move(3000, 1500, 600, 600);  // client 200..240 x 100..140
    Inside.SetBackColor(kRed);
    Inside.Move(300, 300, 1500, 1500);  // from box 20,20; clipped by the box at 40
  }
};

class RenderTest : public testing::FormsTest {};

TEST_F(RenderTest, PixelProbesOfAComposedScreen) {
  FrmPaint::Get().Show();
  const Canvas& c = ComposeScreen();
  struct Probe {
    int x, y;
    Color color;
    const char* what;
  };
  const Probe probes[] = {
      {10, 10, Rgb(0, 78, 152), "desktop"},
      {105, 55, kRed, "window picture"},
      {145, 55, kBlue, "window background"},
      {155, 55, kGreen, "opaque label"},
      {185, 55, kBlue, "transparent label"},
      {100, 150, kBlue, "parked label not drawn"},
      {205, 55, kBlue, "hidden label not drawn"},
      {100, 110, kRed, "shape border"},
      {120, 130, kBlue, "inside of a shape"},
      {230, 110, kYellow, "line"},
      {145, 215, kYellow, "stretched image"},
      {305, 155, kGreen, "picture box"},
      {325, 175, kRed, "child of a picture box"},
      {345, 175, kBlue, "child clipped by its container"},
  };
  for (const Probe& p : probes) EXPECT_EQ(c.PixelAt(p.x, p.y), p.color) << p.what;
}

TEST_F(RenderTest, TopmostWindowIsDrawnAboveAndMinimisedIsNot) {
  class FrmTop : public FormOf<FrmTop> {
   public:
    FrmTop() {
      SetBorderStyle(forms::WindowBorder::kNone);
      Move(0, 0, 3000, 1500);
      SetBackColor(kYellow);
    }
  };
  FrmTop::Get().Show();
  FrmTop::Get().SetTopMost(true);
  FrmPaint::Get().Show();
  EXPECT_EQ(ComposeScreen().PixelAt(110, 60), kYellow);
  FrmTop::Get().SetWindowState(forms::WindowSize::kMinimized);
  EXPECT_EQ(ComposeScreen().PixelAt(110, 60), kRed);
}

TEST_F(RenderTest, FramesAreComposedOnlyAfterAChange) {
  FrmPaint::Get().Show();
  in_.Wait(10);
  Pump();
  const int frames = in_.FramesPresented();
  in_.Wait(1000);
  Pump();
  EXPECT_EQ(in_.FramesPresented(), frames);
  FrmPaint::Get().Opaque.SetBackColor(kYellow);
  in_.Wait(10);
  Pump();
  EXPECT_EQ(in_.FramesPresented(), frames + 1);
}

// A change to a control repaints only its area, old and new; the result must be the screen a
// full repaint gives.
TEST_F(RenderTest, AChangedControlRepaintsOnlyItsAreaAndMatchesAFullRepaint) {
  struct Case {
    const char* what;
    std::function<void(FrmPaint&)> change;
  };
  const Case cases[] = {
      {"colour", [](FrmPaint& f) { f.Opaque.SetBackColor(kYellow); }},
      {"moved away", [](FrmPaint& f) { f.Opaque.Move(2250, 2250); }},
      {"transparent caption", [](FrmPaint& f) { f.Clear.SetCaption("Ab"); }},
      {"shown", [](FrmPaint& f) { f.Hidden.SetVisible(true); }},
      {"child moved in its box", [](FrmPaint& f) { f.Inside.Move(0, 0, 300, 300); }},
      {"box moved with its child", [](FrmPaint& f) { f.Box.Move(3300, 1800); }},
      {"box hidden", [](FrmPaint& f) { f.Box.SetVisible(false); }},
      {"to the bottom", [](FrmPaint& f) { f.Stretched.ZOrder(1); }},
      {"shape resized", [](FrmPaint& f) { f.Frame1.Move(0, 900, 1200, 300); }},
  };
  FrmPaint& f = FrmPaint::Get();
  f.Show();
  Pump();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    in_.Wait(1);  // presents the full repaint of the case before
    Pump();
    c.change(f);
    in_.Wait(1);
    Pump();
    int changed_area = 0;
    for (const Rect& r : in_.ChangedInLastFrame()) changed_area += r.w * r.h;
    EXPECT_GT(changed_area, 0);
    EXPECT_LT(changed_area, 300 * 200);
    const Canvas& partial = ComposeScreen();
    const size_t bytes = static_cast<size_t>(partial.Stride()) * partial.Height();
    const std::vector<unsigned char> shown(partial.Data(), partial.Data() + bytes);
    ResetCompositor();
    const Canvas& full = ComposeScreen();
    EXPECT_TRUE(std::equal(shown.begin(), shown.end(), full.Data())) << "the partial repaint left stale pixels";
  }
}

TEST_F(RenderTest, AWindowChangeRepaintsTheWholeScreen) {
  FrmPaint& f = FrmPaint::Get();
  f.Show();
  Pump();
  f.Move(3000, 1500);
  Pump();
  ASSERT_EQ(in_.ChangedInLastFrame().size(), 1u);
  EXPECT_EQ(in_.ChangedInLastFrame()[0], (Rect{0, 0, 800, 600}));
}

class FrmText : public FormOf<FrmText> {
 public:
  Label Auto{*this, "Auto"};
  Label Wrap{*this, "Wrap"};
  FrmText() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Auto.SetAutoSize(true);
    Wrap.Move(0, 0, 1500, 100);
    Wrap.SetWordWrap(true);
    Wrap.SetAutoSize(true);
  }
};

TEST_F(RenderTest, AutoSizeMeasuresTheText) {
  auto& f = FrmText::Get();
  TextStyle style;
  style.access_keys = true;
  struct Case {
    std::string caption;
    double size;
  };
  for (const Case& c : {Case{"操作成功！", 72}, Case{"测试 Text", 9}, Case{"两行\r\n文字", 10.5}, Case{"", 9}}) {
    f.Auto.SetFontSize(c.size);
    f.Auto.SetCaption(c.caption);
    style.font.size = c.size;
    TextSize size = MeasureText(c.caption, style);
    EXPECT_EQ(f.Auto.Width(), size.width * 15) << c.caption;
    EXPECT_EQ(f.Auto.Height(), size.height * 15) << c.caption;
  }
  // Word wrap keeps the width and grows the height.
  f.Wrap.SetCaption("一二三四五六七八九十一二三四五六七八九十");
  style.font.size = 9;
  EXPECT_EQ(f.Wrap.Width(), 1500);
  EXPECT_EQ(f.Wrap.Height(), MeasureText(f.Wrap.Caption(), style, 100).height * 15);
  EXPECT_GT(f.Wrap.Height(), MeasureText("一", style).height * 15);
}

TEST(RenderScale, TwipsPerPixelOf12Gives120Dpi) {
  HeadlessSession session(800, 600, 12);
  FrmPaint::Get().Show();
  EXPECT_EQ(ScreenWidth(), 9600);
  // The window at 1500, 750 twips lies at 125, 62.5 -> 63 pixels.
  EXPECT_EQ(ComposeScreen().PixelAt(126, 64), kRed);
  EXPECT_EQ(ComposeScreen().PixelAt(124, 64), Rgb(0, 78, 152));
}

}  // namespace
}  // namespace xpexam::forms
