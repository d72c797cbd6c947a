#pragma once
// Picture files for tests: one-colour and banded 24-bit BMPs and a one-colour 32-bit cursor.
#include <cstdint>
#include <string>
#include <vector>

namespace xpexam::testing {

namespace bmp_detail {
inline void Put16(std::string& s, unsigned v) { s += char(v & 255), s += char(v >> 8 & 255); }
inline void Put32(std::string& s, uint32_t v) { Put16(s, v & 0xFFFF), Put16(s, v >> 16); }
inline std::string InfoHeader(int w, int h, int bpp) {
  std::string s;
  Put32(s, 40), Put32(s, w), Put32(s, h), Put16(s, 1), Put16(s, bpp), Put32(s, 0);
  Put32(s, 0), Put32(s, 2835), Put32(s, 2835), Put32(s, 0), Put32(s, 0);
  return s;
}
}  // namespace bmp_detail

// w x h pixels of one colour given as &H00BBGGRR.
inline std::string SolidBmp(int w, int h, uint32_t color) {
  using namespace bmp_detail;
  std::string body = InfoHeader(w, h, 24);
  const int row = (w * 3 + 3) / 4 * 4;
  for (int y = 0; y < h; ++y) {
    std::string line;
    for (int x = 0; x < w; ++x) line += char(color >> 16 & 255), line += char(color >> 8 & 255), line += char(color & 255);
    line.resize(static_cast<size_t>(row), '\0');
    body += line;
  }
  std::string file = "BM";
  Put32(file, static_cast<uint32_t>(14 + body.size())), Put32(file, 0), Put32(file, 14 + 40);
  return file + body;
}

// Colours (&H00BBGGRR) side by side in vertical bands, each band_width pixels wide.
inline std::string BandsBmp(const std::vector<uint32_t>& bands, int band_width, int h) {
  using namespace bmp_detail;
  const int w = band_width * static_cast<int>(bands.size());
  std::string body = InfoHeader(w, h, 24);
  const int row = (w * 3 + 3) / 4 * 4;
  for (int y = 0; y < h; ++y) {
    std::string line;
    for (int x = 0; x < w; ++x) {
      const uint32_t color = bands[static_cast<size_t>(x / band_width)];
      line += char(color >> 16 & 255), line += char(color >> 8 & 255), line += char(color & 255);
    }
    line.resize(static_cast<size_t>(row), '\0');
    body += line;
  }
  std::string file = "BM";
  Put32(file, static_cast<uint32_t>(14 + body.size())), Put32(file, 0), Put32(file, 14 + 40);
  return file + body;
}

// An 8 x 8 cursor with its hot spot at (3, 5).
inline std::string SolidCursor(uint32_t color) {
  using namespace bmp_detail;
  std::string dib = InfoHeader(8, 16, 32);
  for (int i = 0; i < 64; ++i) dib += char(color >> 16 & 255), dib += char(color >> 8 & 255), dib += char(color & 255), dib += '\xff';
  dib += std::string(8 * 4, '\0');
  std::string file;
  Put16(file, 0), Put16(file, 2), Put16(file, 1);
  file += char(8), file += char(8), file += char(0), file += char(0);
  Put16(file, 3), Put16(file, 5), Put32(file, static_cast<uint32_t>(dib.size())), Put32(file, 6 + 16);
  return file + dib;
}

}  // namespace xpexam::testing
