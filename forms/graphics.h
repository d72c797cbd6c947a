#pragma once
// Drawing services of the forms runtime: pictures decoded by content, fonts mapped from the
// Windows names the program uses, text measured and drawn with pango, and a canvas that is
// one cairo image surface. Everything here works in pixels; twips live in the forms layer.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/failure.h"

typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo cairo_t;

namespace xpexam::forms {

// Colours as the program writes them: &H00BBGGRR.
using Color = uint32_t;
constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>(r & 255) | static_cast<Color>(g & 255) << 8 | static_cast<Color>(b & 255) << 16;
}

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
  bool Empty() const { return w <= 0 || h <= 0; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A picture (BMP, JPEG, GIF, ICO or CUR, recognised by content). Immutable and shared.
// Loading one reads only what its size needs (the header of a bitmap or a JPEG; icons, cursors
// and GIFs, small and rare, are decoded whole); its pixels are decoded when it is first drawn or
// a pixel of it is read, so a hidden panel or a button face never shown costs nothing. A large
// picture decoded for a pixel read and not drawn before the next frame is presented sets its
// pixels aside again, keeping only its file's bytes.
class Picture : public std::enable_shared_from_this<Picture> {
 public:
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  // Loads a file; the path is resolved case-insensitively. Throws platform::Failure:
  // 53 "File not found" when the file is missing or empty, 481 "Invalid picture" when its
  // content is not one of the accepted formats or its header does not read. A body that turns
  // out not to decode when the picture is first drawn shows nothing; that failure goes once
  // where a failure of the loading statement would have gone (platform::FailureRoute).
  static std::shared_ptr<const Picture> Load(const std::string& path);
  // The same from bytes already in memory.
  static std::shared_ptr<const Picture> Decode(std::string_view bytes);
  // A picture of the given size filled with one colour (for tests and generated faces).
  static std::shared_ptr<const Picture> Solid(int width, int height, Color color);
  // A picture drawn by code on a clear ARGB surface: the pictures that belong to a window's
  // design rather than to the installation (and the runtime's own pointers, with a hot spot).
  static std::shared_ptr<const Picture> Drawn(int width, int height, const std::function<void(cairo_t*)>& draw,
                                              std::optional<std::pair<int, int>> hot_spot = std::nullopt);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Hot spot of a cursor file; nullopt for other pictures.
  std::optional<std::pair<int, int>> HotSpot() const { return hot_spot_; }
  // ARGB32 (premultiplied) surface for drawing, decoded now if need be; a picture asked for it
  // keeps its pixels.
  cairo_surface_t* Surface() const;
  // Colour at a pixel as &H00BBGGRR (alpha ignored); 0 outside.
  Color PixelAt(int x, int y) const;
  // Whether the decoded pixels are in memory now.
  bool HasPixels() const { return surface_ != nullptr; }

 private:
  friend void SetAsideUndrawnPictures();
  friend struct PictureMaker;
  Picture() = default;
  cairo_surface_t* Pixels(bool drawing) const;
  mutable cairo_surface_t* surface_ = nullptr;
  // The bytes to decode: those given to Decode, or those of a picture whose pixels were read
  // without drawing it, kept so that they can be set aside; empty once drawn. Bitmaps, stored
  // uncompressed, are packed while set aside (packed_size_ is then their size).
  mutable std::string encoded_;
  mutable size_t packed_size_ = 0;
  // The file of a loaded picture, read again when it is first decoded.
  std::string path_;
  const char* format_ = nullptr;
  int width_ = 0, height_ = 0;
  std::optional<std::pair<int, int>> hot_spot_;
  // Where a failure to decode goes; taken when the picture was loaded.
  platform::FailureRoute route_;
};
using PicturePtr = std::shared_ptr<const Picture>;

// Called once a frame has been presented: pictures decoded since the last call and not drawn
// in that frame set their pixels aside.
void SetAsideUndrawnPictures();

// Picture::Load keeps what it decoded (and what failed to decode) for reuse while the file keeps
// its identity (inode, size, times), up to a memory budget (64 MiB unless set), the least
// recently used dropped first.
void SetPictureCacheBudget(size_t bytes);
void ClearPictureCache();

// A font as the program names it: a Windows face name and a size in points.
struct Font {
  std::string name = "宋体";
  double size = 9.0;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const Font&, const Font&) = default;
};

enum class Align { kLeft, kRight, kCenter };

struct TextStyle {
  Font font;
  Color color = 0;
  Align align = Align::kLeft;
  bool word_wrap = false;     // wrap at the box width
  bool access_keys = false;   // "&x" underlines x, "&&" is "&"
  bool access_underline = true;  // with access_keys: false shows "&x" as x without its line
  bool single_line = false;   // no line breaks (text boxes that are not multi-line)
  bool join_dashes = false;   // "——" drawn as one unbroken line, as the system's Song face has it
};

// Text services keep caches shared by measuring and drawing: use them from the UI thread only.

// Sets up fontconfig aliases for the Windows names (宋体, 黑体, 楷体_GB2312, 隶书,
// Times New Roman, ...) and pins the language, once; safe to call repeatedly.
void InitFonts();

// Screen resolution: twips per pixel (15 at 96 dpi). Font points turn into pixels by it
// (points * 20 / twips per pixel); fonts are drawn at the nearest whole pixel size.
void SetTwipsPerPixel(double twips_per_pixel);
double TwipsPerPixel();
double PointsToPixels(double points);

struct TextSize {
  int width = 0, height = 0;
};
// Size in pixels of a text drawn in the style. wrap_width < 0: no wrapping except at line
// breaks (CRLF, LF). Text with no characters measures one line high and 0 wide.
TextSize MeasureText(std::string_view text, const TextStyle& style, int wrap_width = -1);

// Family of the font that actually draws the first characters of sample in this font
// (after the aliases and fallbacks), for diagnostics and tests.
std::string ResolvedFontFamily(const Font& font, std::string_view sample);

// A drawing surface: one cairo ARGB32 image.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  cairo_surface_t* Surface() const { return surface_; }
  Color PixelAt(int x, int y) const;
  bool SavePng(const std::string& path) const;
  // Raw ARGB32 pixel rows (for uploading to a real window).
  const unsigned char* Data() const;
  int Stride() const;

 private:
  cairo_surface_t* surface_ = nullptr;
  int width_, height_;
};

enum class LineStyle { kSolid, kDot };

// Draws on a canvas; clip and origin are kept on a stack so that containers can nest.
class Painter {
 public:
  explicit Painter(Canvas& canvas);
  ~Painter();
  Painter(const Painter&) = delete;
  Painter& operator=(const Painter&) = delete;

  // Pushes a state that translates the origin to (x, y) and clips to w × h from there.
  void Push(const Rect& r);
  void Pop();

  void FillRect(const Rect& r, Color color);
  // Natural size at (x, y).
  void DrawPicture(const Picture& pic, int x, int y);
  // Scaled into r.
  void DrawPictureStretched(const Picture& pic, const Rect& r);
  // Part of a picture (source rectangle) drawn at (x, y) at natural size.
  void DrawPicturePart(const Picture& pic, const Rect& source, int x, int y);
  // Outlines: the pen lies inside r, width in pixels.
  void StrokeRect(const Rect& r, Color color, int width, LineStyle style = LineStyle::kSolid);
  void StrokeEllipse(const Rect& r, Color color, int width, LineStyle style = LineStyle::kSolid);
  void FillEllipse(const Rect& r, Color color);
  void DrawLine(int x1, int y1, int x2, int y2, Color color, int width, LineStyle style = LineStyle::kSolid);
  // Text laid out in the box r (alignment and wrapping by the style); clipped to r.
  void DrawText(std::string_view text, const TextStyle& style, const Rect& r);

  cairo_t* Cairo() { return cr_; }

 private:
  cairo_t* cr_;
  int depth_ = 0;
};

}  // namespace xpexam::forms
