#include "frame/link_cursor.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace xpexam::frame {
namespace {

// '#' black, '.' white, anything else clear; rows below the drawing are clear.
constexpr std::array<std::string_view, 20> kHand = {
    "     ##",           "    #..#",          "    #..#",          "    #..#",
    "    #..#",          "    #..###",        "    #..#..###",     "    #..#..#..##",
    " ## #..#..#..#.#",  " #..#........#.#",  " #...#.........#", "  #............#",
    "  #............#",  "   #...........#",  "   #..........#",  "    #.........#",
    "    #........#",    "     #.......#",    "     #.......#",    "     #########",
};

void Put16(std::string& s, unsigned v) { s += static_cast<char>(v & 255), s += static_cast<char>(v >> 8 & 255); }
void Put32(std::string& s, uint32_t v) { Put16(s, v & 0xFFFF), Put16(s, v >> 16); }

char At(int x, int y) {
  if (y >= static_cast<int>(kHand.size())) return ' ';
  std::string_view row = kHand[static_cast<size_t>(y)];
  return x < static_cast<int>(row.size()) ? row[static_cast<size_t>(x)] : ' ';
}

// A cursor file: one 32-bit image with its AND mask.
std::string HandCursorFile() {
  constexpr int kSize = 32;
  std::string dib;
  Put32(dib, 40), Put32(dib, kSize), Put32(dib, 2 * kSize), Put16(dib, 1), Put16(dib, 32);
  Put32(dib, 0), Put32(dib, 0), Put32(dib, 0), Put32(dib, 0), Put32(dib, 0), Put32(dib, 0);
  for (int y = kSize - 1; y >= 0; --y)
    for (int x = 0; x < kSize; ++x) {
      const char c = At(x, y);
      const uint32_t argb = c == '#' ? 0xFF000000u : c == '.' ? 0xFFFFFFFFu : 0u;
      Put32(dib, argb);
    }
  for (int y = kSize - 1; y >= 0; --y) {
    uint32_t bits = 0;
    for (int x = 0; x < kSize; ++x)
      if (At(x, y) != '#' && At(x, y) != '.') bits |= 1u << (31 - x);
    // Mask rows are stored most significant byte first.
    for (int shift = 24; shift >= 0; shift -= 8) dib += static_cast<char>(bits >> shift & 255);
  }
  std::string file;
  Put16(file, 0), Put16(file, 2), Put16(file, 1);
  file += static_cast<char>(kSize), file += static_cast<char>(kSize), file += '\0', file += '\0';
  Put16(file, 6), Put16(file, 0), Put32(file, static_cast<uint32_t>(dib.size())), Put32(file, 6 + 16);
  return file + dib;
}

}  // namespace

forms::PicturePtr LinkCursor() {
  static const forms::PicturePtr cursor = forms::Picture::Decode(HandCursorFile());
  return cursor;
}

}  // namespace xpexam::frame
