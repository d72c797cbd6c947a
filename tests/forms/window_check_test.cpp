// The real-window check's comparison of the frame with the pixels read back from the X server.
#include "forms/window_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/graphics.h"

namespace xpexam::forms {
namespace {

TEST(WindowCheckCompare, NamesTheCountAndBoundsOfTheDifferingPixelsAndIgnoresTheAlphaByte) {
  Canvas frame(40, 30);
  {
    Painter p(frame);
    p.FillRect({0, 0, 40, 30}, Rgb(10, 20, 30));
  }
  struct Case {
    const char* what;
    std::vector<std::pair<int, int>> changed;  // pixels the server shows otherwise
    std::string answer;
  };
  const Case cases[] = {
      {"the same", {}, "same 40x30"},
      {"one pixel", {{39, 29}}, "differ 1 pixels at 39,29 1x1 (first at 39,29)"},
      {"two far apart, first by rows", {{30, 2}, {5, 20}}, "differ 2 pixels at 5,2 26x19 (first at 30,2)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // What an X server gives back: 0xRRGGBB, the top byte whatever it holds.
    std::vector<uint32_t> shown(40 * 30, 0xFF0A141E);
    for (auto [x, y] : c.changed) shown[y * 40 + x] = 0x000A141F;
    EXPECT_EQ(WindowCheck::Compare(frame, shown.data(), 40, 40, 30), c.answer);
  }
}

}  // namespace
}  // namespace xpexam::forms
