#include "desktop/location_list_pictures.h"

#include <string>

namespace xpexam::desktop {

namespace {

using forms::Color;
using forms::Painter;
using forms::Rect;
using forms::Rgb;

constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kBorder = Rgb(127, 157, 185);
constexpr Color kSelection = Rgb(49, 106, 197);
constexpr Color kButtonFace = Rgb(193, 211, 251);
constexpr Color kButtonEdge = Rgb(150, 175, 230);
constexpr Color kArrow = Rgb(77, 97, 133);

enum class Icon { kRecent, kDesktop, kMyDocuments, kComputer, kFloppy, kDisk, kDvd, kRemovable, kShared, kFolder, kNetwork };

constexpr Icon kEntryIcons[kLocationEntryCount] = {
    Icon::kRecent, Icon::kDesktop, Icon::kMyDocuments, Icon::kComputer, Icon::kFloppy, Icon::kDisk, Icon::kDisk,
    Icon::kDisk,   Icon::kDisk,    Icon::kDvd,         Icon::kRemovable, Icon::kShared, Icon::kFolder, Icon::kNetwork};

// 宋体 at 12 pixels, the size of 9 points at 96 dpi.
forms::TextStyle EntryText(Color color) {
  forms::TextStyle style;
  style.font = {"宋体", 12 * forms::TwipsPerPixel() / 20};
  style.color = color;
  style.single_line = true;
  return style;
}

void Folder(Painter& p, int x, int y) {
  p.FillRect({x + 1, y + 3, 6, 2}, Rgb(231, 188, 74));
  p.FillRect({x + 1, y + 4, 14, 10}, Rgb(247, 214, 115));
  p.StrokeRect({x + 1, y + 4, 14, 10}, Rgb(190, 145, 40), 1);
}

void Drive(Painter& p, int x, int y, Color face) {
  p.FillRect({x + 1, y + 5, 14, 7}, face);
  p.StrokeRect({x + 1, y + 5, 14, 7}, Rgb(110, 110, 110), 1);
  p.FillRect({x + 11, y + 9, 2, 1}, Rgb(40, 200, 40));
}

void DrawIcon(Painter& p, Icon icon, int x, int y) {
  switch (icon) {
    case Icon::kRecent:
      Folder(p, x, y);
      p.FillEllipse({x + 7, y + 7, 8, 8}, kWhite);
      p.StrokeEllipse({x + 7, y + 7, 8, 8}, Rgb(40, 90, 180), 1);
      p.DrawLine(x + 11, y + 8, x + 11, y + 11, Rgb(40, 90, 180), 1);
      break;
    case Icon::kDesktop:
      p.FillRect({x + 1, y + 2, 14, 10}, Rgb(58, 110, 165));
      p.StrokeRect({x + 1, y + 2, 14, 10}, Rgb(30, 60, 110), 1);
      p.FillRect({x + 3, y + 9, 4, 2}, Rgb(90, 170, 60));
      p.FillRect({x + 5, y + 13, 6, 2}, Rgb(120, 120, 120));
      break;
    case Icon::kMyDocuments:
      Folder(p, x, y);
      p.FillRect({x + 5, y + 1, 7, 9}, kWhite);
      p.StrokeRect({x + 5, y + 1, 7, 9}, Rgb(120, 120, 120), 1);
      break;
    case Icon::kComputer:
      p.FillRect({x + 2, y + 1, 12, 9}, Rgb(225, 222, 210));
      p.StrokeRect({x + 2, y + 1, 12, 9}, Rgb(110, 110, 110), 1);
      p.FillRect({x + 4, y + 3, 8, 5}, Rgb(58, 110, 165));
      p.FillRect({x + 1, y + 11, 14, 4}, Rgb(225, 222, 210));
      p.StrokeRect({x + 1, y + 11, 14, 4}, Rgb(110, 110, 110), 1);
      break;
    case Icon::kFloppy:
      p.FillRect({x + 2, y + 2, 12, 12}, Rgb(40, 60, 120));
      p.FillRect({x + 4, y + 2, 8, 5}, kWhite);
      p.FillRect({x + 5, y + 10, 6, 4}, Rgb(180, 180, 190));
      break;
    case Icon::kDisk:
      Drive(p, x, y, Rgb(205, 205, 205));
      break;
    case Icon::kDvd:
      Drive(p, x, y, Rgb(205, 205, 205));
      p.StrokeEllipse({x + 3, y + 6, 5, 5}, Rgb(120, 120, 160), 1);
      break;
    case Icon::kRemovable:
      Drive(p, x, y, Rgb(170, 190, 215));
      break;
    case Icon::kShared:
      Folder(p, x, y);
      p.FillRect({x + 2, y + 11, 6, 3}, Rgb(60, 110, 200));
      break;
    case Icon::kFolder:
      Folder(p, x, y);
      break;
    case Icon::kNetwork:
      p.FillEllipse({x + 1, y + 1, 14, 14}, Rgb(70, 130, 210));
      p.FillRect({x + 4, y + 4, 5, 4}, Rgb(90, 170, 60));
      p.FillRect({x + 8, y + 9, 4, 3}, Rgb(90, 170, 60));
      break;
  }
}

// One entry at (x, y): its icon indented by its level, the name beside it.
void DrawEntry(Painter& p, int index, int x, int y, int width, bool highlighted) {
  const LocationEntry& e = kLocationEntries[static_cast<size_t>(index)];
  const int icon_x = x + 10 * e.indent;
  if (highlighted) p.FillRect({icon_x, y, width - 10 * e.indent, LocationListPictures::kRowHeight}, kSelection);
  DrawIcon(p, kEntryIcons[index], icon_x, y);
  p.DrawText(e.name, EntryText(highlighted ? kWhite : kBlack), {icon_x + 19, y + 2, width, 13});
}

// A canvas made a picture: through a 24-bit bitmap, the format every picture loader reads.
forms::PicturePtr PictureOf(const forms::Canvas& canvas) {
  auto put16 = [](std::string& s, unsigned v) { s += static_cast<char>(v & 255), s += static_cast<char>(v >> 8 & 255); };
  auto put32 = [&](std::string& s, uint32_t v) { put16(s, v & 0xFFFF), put16(s, v >> 16); };
  const int w = canvas.Width(), h = canvas.Height();
  const int row = (w * 3 + 3) / 4 * 4;
  std::string bmp = "BM";
  put32(bmp, static_cast<uint32_t>(54 + row * h)), put32(bmp, 0), put32(bmp, 54);
  put32(bmp, 40), put32(bmp, static_cast<uint32_t>(w)), put32(bmp, static_cast<uint32_t>(h)), put16(bmp, 1), put16(bmp, 24);
  put32(bmp, 0), put32(bmp, static_cast<uint32_t>(row * h)), put32(bmp, 2835), put32(bmp, 2835), put32(bmp, 0), put32(bmp, 0);
  for (int y = h - 1; y >= 0; --y) {
    std::string line;
    for (int x = 0; x < w; ++x) {
      const Color c = canvas.PixelAt(x, y);
      line += static_cast<char>(c >> 16 & 255), line += static_cast<char>(c >> 8 & 255), line += static_cast<char>(c & 255);
    }
    line.resize(static_cast<size_t>(row), '\0');
    bmp += line;
  }
  return forms::Picture::Decode(bmp);
}

LocationListPictures Draw() {
  using P = LocationListPictures;
  LocationListPictures pictures;
  {
    forms::Canvas canvas(P::kWidth, P::kHeight);
    Painter p(canvas);
    p.FillRect({0, 0, P::kWidth, P::kHeight}, kWhite);
    p.StrokeRect({0, 0, P::kWidth, P::kBoxHeight}, kBorder, 1);
    p.FillRect({P::kWidth - 18, 1, 17, P::kBoxHeight - 2}, kButtonFace);
    p.StrokeRect({P::kWidth - 18, 1, 17, P::kBoxHeight - 2}, kButtonEdge, 1);
    for (int k = 0; k < 4; ++k) p.FillRect({P::kWidth - 13 + k, 9 + k, 8 - 2 * k, 1}, kArrow);
    p.StrokeRect({0, P::kBoxHeight, P::kWidth, P::kHeight - P::kBoxHeight}, kBorder, 1);
    for (int i = 0; i < kLocationEntryCount; ++i) DrawEntry(p, i, 0, P::kFirstRowTop + P::kRowHeight * i, P::kWidth, false);
    pictures.list = PictureOf(canvas);
  }
  for (int i = 0; i < kLocationEntryCount; ++i) {
    const int width = kLocationEntries[static_cast<size_t>(i)].row_picture_width;
    forms::Canvas canvas(width, P::kRowHeight);
    Painter p(canvas);
    p.FillRect({0, 0, width, P::kRowHeight}, kWhite);
    DrawEntry(p, i, 0, 0, width, true);
    // Shown at the list's left edge, an indented row keeps the list's border.
    if (kLocationEntries[static_cast<size_t>(i)].indent > 0) p.FillRect({0, 0, 1, P::kRowHeight}, kBorder);
    pictures.rows[static_cast<size_t>(i)] = PictureOf(canvas);
  }
  {
    forms::Canvas canvas(5, P::kBoxHeight);
    Painter p(canvas);
    p.FillRect({0, 0, 5, P::kBoxHeight}, kWhite);
    p.FillRect({0, 0, 1, P::kBoxHeight}, kBorder);
    p.FillRect({0, 0, 5, 1}, kBorder);
    p.FillRect({0, P::kBoxHeight - 1, 5, 1}, kBorder);
    pictures.left_edge = PictureOf(canvas);
  }
  return pictures;
}

}  // namespace

const LocationListPictures& DesignLocationListPictures() {
  static const LocationListPictures pictures = Draw();
  return pictures;
}

}  // namespace xpexam::desktop
