#pragma once
// A small installation for start-up and home-screen tests: ver.txt in the settings coding, a
// data folder with the bank files, optional pictures.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/codepage.h"
#include "tests/support/temp_dir.h"

namespace xpexam::testing {

// Codes a text as the settings files do: 200000 + the code of single-byte characters,
// 500000 + the 16-bit value of double-byte ones.
inline std::string CodeSettingsLine(std::string_view utf8) {
  std::string out;
  std::string gbk = platform::Utf8ToGbk(utf8);
  for (size_t i = 0; i < gbk.size(); ++i) {
    auto b = static_cast<unsigned char>(gbk[i]);
    int n = b < 0x80 ? 200000 + b : 500000 + b * 256 + static_cast<unsigned char>(gbk[++i]);
    out += std::to_string(n);
  }
  return out;
}

// Lines in GBK, each ended by CRLF.
inline std::string GbkLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += platform::Utf8ToGbk(l) + "\r\n";
  return out;
}

// A 24-bit BMP of one colour.
inline std::string SolidBmp(int width, int height, uint8_t r = 0, uint8_t g = 0, uint8_t b = 0) {
  const int row = (width * 3 + 3) / 4 * 4;
  const uint32_t data = static_cast<uint32_t>(row * height);
  std::string out;
  auto put = [&out](uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(v >> (8 * i) & 0xFF);
  };
  out += "BM";
  put(54 + data, 4), put(0, 4), put(54, 4);
  put(40, 4), put(static_cast<uint32_t>(width), 4), put(static_cast<uint32_t>(height), 4);
  put(1, 2), put(24, 2), put(0, 4), put(data, 4), put(2835, 4), put(2835, 4), put(0, 4), put(0, 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) out += {static_cast<char>(b), static_cast<char>(g), static_cast<char>(r)};
    out.append(static_cast<size_t>(row - width * 3), '\0');
  }
  return out;
}

// ver.txt of module "Windows XP", title "中文操作系统", data folder "data", product number 5, and
// the data folder's bank files: version 202401011200, module 5, 4 papers of 8 units.
struct Installation {
  const TempDir& dir;
  std::string title = "中文操作系统";
  std::string product = "5";

  void WriteSettings() const {
    dir.Write("ver.txt", GbkLines({CodeSettingsLine("Windows XP"), CodeSettingsLine(title), CodeSettingsLine("data"),
                                   CodeSettingsLine(product)}));
  }
  void WriteBank(std::string_view module = "5") const {
    dir.Write("data/288895.mxy", GbkLines({"202401011200"}));
    dir.Write("data/288899.mxy", GbkLines({std::string(module)}));
    dir.Write("data/288891.mxy", GbkLines({"0408", "0302030203020302"}));
  }
  void WritePictures() const {
    for (const char* id : {"l20059", "l62011", "l20060"}) dir.Write(std::string("data/") + id + ".mxy", SolidBmp(4, 4));
  }
};

}  // namespace xpexam::testing
