#pragma once
// Drawing helpers over cairo and pango: an image that owns its surface, colours, rectangles,
// gradients and text in the fonts that stand in for the Windows ones.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <cairo.h>

namespace xpexam::bankgen {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
};
constexpr Rgb Hex(uint32_t v) {
  return Rgb{static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
}
Rgb Mix(Rgb a, Rgb b, double t);

// A rectangle in pixels.
struct Box {
  int x = 0, y = 0, w = 0, h = 0;
  int Right() const { return x + w; }
  int Bottom() const { return y + h; }
  int CenterX() const { return x + w / 2; }
  int CenterY() const { return y + h / 2; }
  Box Inset(int d) const { return {x + d, y + d, w - 2 * d, h - 2 * d}; }
  Box Offset(int dx, int dy) const { return {x + dx, y + dy, w, h}; }
  bool Contains(const Box& o) const {
    return o.x >= x && o.y >= y && o.Right() <= Right() && o.Bottom() <= Bottom();
  }
};

// An image surface with its drawing context. Opaque (RGB24) unless alpha is asked for.
class Image {
 public:
  Image(int width, int height, bool alpha = false);
  ~Image();
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;
  Image(Image&& other) noexcept;
  Image& operator=(Image&&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // Draws another image at (x, y).
  void Paste(const Image& other, int x, int y) const;
  // Copies a part of this image into a new one.
  std::unique_ptr<Image> Crop(const Box& b) const;

 private:
  cairo_surface_t* surface_;
  cairo_t* cr_;
  int width_, height_;
};

void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0);
void FillBox(cairo_t* cr, const Box& b, Rgb c, double alpha = 1.0);
// One-pixel (or wider) outline lying inside the box.
void StrokeBox(cairo_t* cr, const Box& b, Rgb c, int width = 1);
void DottedBox(cairo_t* cr, const Box& b, Rgb c);
void HLine(cairo_t* cr, int x1, int x2, int y, Rgb c);
void VLine(cairo_t* cr, int x, int y1, int y2, Rgb c);
void Line(cairo_t* cr, double x1, double y1, double x2, double y2, Rgb c, double width = 1.0);
void VGradient(cairo_t* cr, const Box& b, Rgb top, Rgb bottom);
void HGradient(cairo_t* cr, const Box& b, Rgb left, Rgb right);
void RoundedPath(cairo_t* cr, double x, double y, double w, double h, double r);
void FillRounded(cairo_t* cr, const Box& b, double r, Rgb c);
// Sunken and raised 3D edges of the classic controls.
void Sunken(cairo_t* cr, const Box& b);
void Raised(cairo_t* cr, const Box& b);

enum class Face { kSong, kHei, kKai, kSans, kSerif };
enum class Align { kLeft, kCenter, kRight };

struct Font {
  Face face = Face::kSong;
  double px = 12;  // pixel size
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// Standard text styles of the XP screens.
inline Font UiFont(double px = 12) { return Font{Face::kSong, px}; }
inline Font BoldFont(double px = 12) { return Font{Face::kHei, px, true}; }

int TextWidth(std::string_view text, const Font& font);
int TextHeight(std::string_view text, const Font& font);
// Text in a box: vertically centred, aligned horizontally; clipped to the box.
void Text(cairo_t* cr, std::string_view text, const Box& b, const Font& font, Rgb color,
          Align align = Align::kLeft);
// Every text that Text() had to clip to its box, once each: "text: WxH in WxH".
const std::vector<std::string>& ClippedTexts();
// The text, shortened and ended with "..." when it is wider than width.
std::string Ellipsized(std::string_view text, int width, const Font& font);
// Text whose top-left corner is at (x, y); returns its width.
int TextAt(cairo_t* cr, std::string_view text, int x, int y, const Font& font, Rgb color);
// Text wrapped within a width from (x, y); returns the height used.
int TextWrapped(cairo_t* cr, std::string_view text, int x, int y, int width, const Font& font, Rgb color,
                int line_spacing = 4, Align align = Align::kLeft);

}  // namespace xpexam::bankgen
