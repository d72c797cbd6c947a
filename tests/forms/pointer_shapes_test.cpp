// The runtime's own pointer shapes and the screen as a display shows it, pointer included.
#include "forms/pointer_shapes.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "forms/forms.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

class FrmPointer : public FormOf<FrmPointer> {
 public:
  Label Busy{*this, "Busy"};
  Label Custom{*this, "Custom"};
  FrmPointer() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, 12000, 9000);
    SetBackColor(Rgb(0, 0, 128));
    Busy.Move(3000, 3000, 1500, 1500);    // pixels 200..300 x 200..300
    Busy.SetMousePointer(forms::PointerStyle::kHourglass);
    Busy.SetBackStyle(forms::Background::kTransparent);
    Custom.SetBackStyle(forms::Background::kTransparent);
    Custom.Move(6000, 3000, 1500, 1500);  // pixels 400..500 x 200..300
  }
};

class PointerShapesTest : public testing::FormsTest {};

std::string Pixels(const Picture& pic) {
  std::string s;
  for (int y = 0; y < pic.Height(); ++y)
    for (int x = 0; x < pic.Width(); ++x) s += std::to_string(pic.PixelAt(x, y)) + ",";
  return s;
}

bool Opaque(const Picture& pic, int x, int y) {
  cairo_surface_t* s = pic.Surface();
  const auto* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
  return reinterpret_cast<const uint32_t*>(row)[x] >> 24 == 255;
}

TEST_F(PointerShapesTest, EveryStandardShapeIsItsOwnPictureWithItsHotSpotOnTheShape) {
  std::set<std::string> distinct;
  for (int shape = 0; shape <= 15; ++shape) {
    SCOPED_TRACE("shape " + std::to_string(shape));
    PicturePtr pic = StandardPointer(shape);
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->Width(), 32);
    EXPECT_EQ(pic->Height(), 32);
    ASSERT_TRUE(pic->HotSpot());
    auto [x, y] = *pic->HotSpot();
    EXPECT_TRUE(Opaque(*pic, x, y)) << "hot spot " << x << "," << y << " off the shape";
    distinct.insert(Pixels(*pic));
  }
  // 0 and 1 are both the arrow, 5 and 15 both the four-way arrow; every other shape differs.
  EXPECT_EQ(distinct.size(), 14u);
  EXPECT_EQ(StandardPointer(-1), StandardPointer(0));
  EXPECT_EQ(StandardPointer(16), StandardPointer(0));
}

TEST_F(PointerShapesTest, ScreenShotWithPointerShowsTheShapeAtThePointer) {
  FrmPointer::Get().Show();
  auto icon = Picture::Drawn(8, 8, [](cairo_t* cr) {
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_paint(cr);
  }, std::pair{4, 4});
  FrmPointer::Get().Custom.SetMouseIcon(icon);
  FrmPointer::Get().Custom.SetMousePointer(forms::PointerStyle::kCustom);
  const Color navy = Rgb(0, 0, 128), black = Rgb(0, 0, 0), white = Rgb(255, 255, 255);
  struct Case {
    int x, y;
    // Pixels relative to the pointer and their colour with the pointer drawn.
    std::vector<std::tuple<int, int, Color>> expect;
  };
  const Case cases[] = {
      // The arrow: black tip at the hot spot, white inside, black rim, clear beside it.
      {100, 100, {{0, 0, black}, {1, 2, white}, {1, 9, white}, {0, 9, black}, {5, 10, white}, {3, 1, navy}}},
      // The hourglass over a control that asks for it: centred on the hot spot.
      {250, 250, {{-5, -9, black}, {-4, -8, white}, {0, 0, white}, {-8, 0, navy}}},
      // A custom picture is drawn around its own hot spot.
      {450, 250, {{-4, -4, Rgb(255, 0, 0)}, {3, 3, Rgb(255, 0, 0)}, {-5, -5, navy}, {4, 4, navy}}},
  };
  for (const Case& c : cases) {
    in_.Move(c.x, c.y);
    in_.Wait(1);
    in_.Call([&] {
      SCOPED_TRACE("pointer at " + std::to_string(c.x) + "," + std::to_string(c.y));
      auto shot = ComposeScreenWithPointer();
      for (auto [dx, dy, color] : c.expect) {
        EXPECT_EQ(shot->PixelAt(c.x + dx, c.y + dy), color) << dx << "," << dy;
        // The screen itself, which screenshot comparisons use, never holds the pointer.
        EXPECT_EQ(ComposeScreen().PixelAt(c.x + dx, c.y + dy), navy) << dx << "," << dy;
      }
    });
  }
  Pump();
}

}  // namespace
}  // namespace xpexam::forms
