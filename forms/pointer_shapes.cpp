#include "forms/pointer_shapes.h"

#include <cairo.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "forms/backend.h"

namespace xpexam::forms {

namespace {

constexpr int kSize = 32;

// Pixel art: '#' black, 'o' white, anything else clear.
using Art = std::vector<std::string>;

// A piece of a pointer at an offset; outline, when set ('#' or 'o'), is drawn around the piece's
// pixels in that colour (the size arrows and the I-beam are black with a white rim).
struct Layer {
  Art art;
  int x = 0, y = 0;
  char outline = 0;
};

const Art kArrow = {
    "#",
    "##",
    "#o#",
    "#oo#",
    "#ooo#",
    "#oooo#",
    "#ooooo#",
    "#oooooo#",
    "#ooooooo#",
    "#oooooooo#",
    "#ooooooooo#",
    "#oooooo#####",
    "#ooo#oo#",
    "#oo##oo#",
    "#o#..#oo#",
    "##...#oo#",
    "#.....#oo#",
    "......#oo#",
    ".......##",
};

const Art kHand = {
    ".....##",
    "....#oo#",
    "....#oo#",
    "....#oo#",
    "....#oo#",
    "....#oo###",
    "....#oo#oo###",
    "....#oo#oo#oo##",
    ".##.#oo#oo#oo#o#",
    "#oo##oooooooo#o#",
    "#ooo#oooooooooo#",
    ".#oo#oooooooooo#",
    "..#ooooooooooooo#",
    "..#oooooooooooo#",
    "...#ooooooooooo#",
    "...#oooooooooo#",
    "....#ooooooooo#",
    "....#oooooooo#",
    ".....#ooooooo#",
    ".....#ooooooo#",
    ".....#########",
};

const Art kHourglass = {
    "###########",
    "#ooooooooo#",
    "###########",
    ".#ooooooo#.",
    ".#ooooooo#.",
    ".#o#o#o#o#.",
    ".##o#o#o##.",
    "..##o#o##..",
    "...##o##...",
    "....#o#....",
    "...#ooo#...",
    "..#oo#oo#..",
    ".#ooooooo#.",
    ".#oo#o#oo#.",
    ".#o#o#o#o#.",
    "###########",
    "#ooooooooo#",
    "###########",
};

const Art kSmallHourglass = {
    "#########",
    "#ooooooo#",
    "#########",
    ".#ooooo#.",
    ".##o#o##.",
    "..##o##..",
    "...#o#...",
    "..#ooo#..",
    ".#oo#oo#.",
    ".#o#o#o#.",
    "#########",
    "#ooooooo#",
    "#########",
};

const Art kQuestion = {
    ".####.",
    "##..##",
    "##..##",
    "...##.",
    "..##..",
    "..##..",
    "......",
    "..##..",
    "..##..",
};

const Art kIBeam = {
    "###.###",
    "...#...", "...#...", "...#...", "...#...", "...#...", "...#...", "...#...",
    "...#...", "...#...", "...#...", "...#...", "...#...", "...#...", "...#...",
    "###.###",
};

const Art kIcon = {
    "################",
    "#oooooooooooooo#",
    "#oooooooooooooo#",
    "#oooooooooooooo#",
    "#oooooooooooooo#",
    "#oooo######oooo#",
    "#oooo#oooo#oooo#",
    "#oooo#oooo#oooo#",
    "#oooo#oooo#oooo#",
    "#oooo#oooo#oooo#",
    "#oooo######oooo#",
    "#oooooooooooooo#",
    "#oooooooooooooo#",
    "#oooooooooooooo#",
    "#oooooooooooooo#",
    "################",
};

// Art of size w x h whose pixel (x, y) is c where in(x, y) holds.
template <typename F>
Art Plot(int w, int h, char c, F in) {
  Art art(h, std::string(w, '.'));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (in(x, y)) art[y][x] = c;
  return art;
}

// Double arrow from top to bottom: heads 4 rows high and 7 wide, a one-pixel shaft.
Art SizeNorthSouth() {
  constexpr int h = 20, c = 3;
  return Plot(7, h, '#', [](int x, int y) {
    const int d = std::abs(x - c);
    if (y < 4) return d <= y;
    if (y >= h - 4) return d <= h - 1 - y;
    return d == 0;
  });
}

Art Transposed(const Art& a) {
  Art t(a.empty() ? 0 : a[0].size(), std::string(a.size(), '.'));
  for (size_t y = 0; y < a.size(); ++y)
    for (size_t x = 0; x < a[y].size(); ++x) t[x][y] = a[y][x];
  return t;
}

Art MirroredLeftRight(Art a) {
  for (auto& row : a) row = std::string(row.rbegin(), row.rend());
  return a;
}

// Double arrow from the top left to the bottom right: corner heads, a diagonal shaft.
Art SizeNorthWestSouthEast() {
  constexpr int n = 15;
  return Plot(n, n, '#', [](int x, int y) {
    const bool head = x + y <= 6 || (n - 1 - x) + (n - 1 - y) <= 6;
    return head || x == y;
  });
}

Art SizeAll() {
  constexpr int n = 21, c = 10;
  return Plot(n, n, '#', [](int x, int y) {
    const int dx = std::abs(x - c), dy = std::abs(y - c);
    const bool vertical_head = (y < 4 || y >= n - 4) && dx <= std::min(y, n - 1 - y);
    const bool horizontal_head = (x < 4 || x >= n - 4) && dy <= std::min(x, n - 1 - x);
    return dx == 0 || dy == 0 || vertical_head || horizontal_head;
  });
}

Art Cross() {
  constexpr int n = 19, c = 9;
  return Plot(n, n, '#', [](int x, int y) { return x == c || y == c; });
}

// The circle with a slash from top left to bottom right.
Art NoEntry() {
  constexpr int n = 20;
  return Plot(n, n, '#', [](int x, int y) {
    const double dx = x - 9.5, dy = y - 9.5, r = std::hypot(dx, dy);
    return (r >= 6.6 && r <= 9.4) || (std::abs(dx - dy) <= 1.5 && r < 7.5);
  });
}

Art UpArrow() {
  return Plot(9, 17, 'o', [](int x, int y) {
    const int d = std::abs(x - 4);
    return y < 5 ? d <= y : d <= 1;
  });
}

struct Shape {
  std::vector<Layer> layers;
  int hot_x = 0, hot_y = 0;
};

Shape ShapeOf(int shape) {
  switch (shape) {
    case 2: return {{{Cross(), 1, 1, 'o'}}, 10, 10};
    case 3: return {{{kIBeam, 1, 1, 'o'}}, 4, 9};
    case kHandPointer: return {{{kHand, 0, 0}}, 5, 0};
    case 4: return {{{kIcon, 0, 0}}, 8, 8};
    case 5:
    case 15: return {{{SizeAll(), 1, 1, 'o'}}, 11, 11};
    case 6: return {{{MirroredLeftRight(SizeNorthWestSouthEast()), 1, 1, 'o'}}, 8, 8};
    case 7: return {{{SizeNorthSouth(), 1, 1, 'o'}}, 4, 10};
    case 8: return {{{SizeNorthWestSouthEast(), 1, 1, 'o'}}, 8, 8};
    case 9: return {{{Transposed(SizeNorthSouth()), 1, 1, 'o'}}, 10, 4};
    case 10: return {{{UpArrow(), 1, 1, '#'}}, 5, 1};
    case 11: return {{{kHourglass, 0, 0}}, 5, 9};
    case 12: return {{{NoEntry(), 1, 1, 'o'}}, 10, 10};
    case 13: return {{{kArrow, 0, 0}, {kSmallHourglass, 12, 9}}, 0, 0};
    case 14: return {{{kArrow, 0, 0}, {kQuestion, 13, 2, 'o'}}, 0, 0};
    default: return {{{kArrow, 0, 0}}, 0, 0};
  }
}

PicturePtr Render(const Shape& s) {
  // 0 clear, otherwise the colour character.
  std::array<std::array<char, kSize>, kSize> px{};
  auto at = [](const Layer& l, int x, int y) {
    return y >= 0 && y < static_cast<int>(l.art.size()) && x >= 0 && x < static_cast<int>(l.art[y].size()) &&
           (l.art[y][x] == '#' || l.art[y][x] == 'o');
  };
  for (const Layer& l : s.layers) {
    for (int y = -1; y <= static_cast<int>(l.art.size()); ++y) {
      for (int x = -1; x <= kSize; ++x) {
        const int sx = l.x + x, sy = l.y + y;
        if (sx < 0 || sy < 0 || sx >= kSize || sy >= kSize) continue;
        if (at(l, x, y)) {
          px[sy][sx] = l.art[y][x];
          continue;
        }
        if (!l.outline) continue;
        bool rim = false;
        for (int dy = -1; dy <= 1 && !rim; ++dy)
          for (int dx = -1; dx <= 1 && !rim; ++dx) rim = at(l, x + dx, y + dy);
        if (rim) px[sy][sx] = l.outline;
      }
    }
  }
  return Picture::Drawn(
      kSize, kSize,
      [&](cairo_t* cr) {
        for (int y = 0; y < kSize; ++y)
          for (int x = 0; x < kSize; ++x) {
            if (!px[y][x]) continue;
            const double v = px[y][x] == 'o' ? 1.0 : 0.0;
            cairo_set_source_rgb(cr, v, v, v);
            cairo_rectangle(cr, x, y, 1, 1);
            cairo_fill(cr);
          }
      },
      std::pair{s.hot_x, s.hot_y});
}

}  // namespace

PicturePtr StandardPointer(int shape) {
  if (shape == kHandPointer) {
    static const PicturePtr hand = Render(ShapeOf(kHandPointer));
    return hand;
  }
  static std::array<PicturePtr, 16> cache;
  if (shape < 1 || shape > 15) shape = 0;
  PicturePtr& p = cache[shape];
  if (!p) p = Render(ShapeOf(shape));
  return p;
}

PicturePtr PointerPicture(int shape, const PicturePtr& custom) {
  return shape == kCustomPointer && custom ? custom : StandardPointer(shape);
}

void DrawPointer(Painter& p, const Picture& pointer, int x, int y) {
  auto [hx, hy] = pointer.HotSpot().value_or(std::pair{0, 0});
  p.DrawPicture(pointer, x - hx, y - hy);
}

}  // namespace xpexam::forms
