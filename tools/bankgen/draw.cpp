#include "tools/bankgen/draw.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/strings.h"

namespace xpexam::bankgen {

Rgb Mix(Rgb a, Rgb b, double t) {
  auto m = [t](uint8_t x, uint8_t y) { return static_cast<uint8_t>(std::lround(x + (y - x) * t)); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Image::Image(int width, int height, bool alpha) : width_(width), height_(height) {
  surface_ = cairo_image_surface_create(alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, width, height);
  cr_ = cairo_create(surface_);
  if (!alpha) {
    cairo_set_source_rgb(cr_, 1, 1, 1);
    cairo_paint(cr_);
  }
}

Image::Image(Image&& other) noexcept
    : surface_(other.surface_), cr_(other.cr_), width_(other.width_), height_(other.height_) {
  other.surface_ = nullptr;
  other.cr_ = nullptr;
}

Image::~Image() {
  if (cr_) cairo_destroy(cr_);
  if (surface_) cairo_surface_destroy(surface_);
}

void Image::Paste(const Image& other, int x, int y) const {
  cairo_save(cr_);
  cairo_set_source_surface(cr_, other.surface(), x, y);
  cairo_paint(cr_);
  cairo_restore(cr_);
}

std::unique_ptr<Image> Image::Crop(const Box& b) const {
  auto out = std::make_unique<Image>(b.w, b.h, false);
  out->Paste(*this, -b.x, -b.y);
  return out;
}

void SetColor(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

void FillBox(cairo_t* cr, const Box& b, Rgb c, double alpha) {
  SetColor(cr, c, alpha);
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  cairo_fill(cr);
}

void StrokeBox(cairo_t* cr, const Box& b, Rgb c, int width) {
  for (int i = 0; i < width; ++i) {
    Box r = b.Inset(i);
    if (r.w <= 0 || r.h <= 0) break;
    HLine(cr, r.x, r.Right() - 1, r.y, c);
    HLine(cr, r.x, r.Right() - 1, r.Bottom() - 1, c);
    VLine(cr, r.x, r.y, r.Bottom() - 1, c);
    VLine(cr, r.Right() - 1, r.y, r.Bottom() - 1, c);
  }
}

void DottedBox(cairo_t* cr, const Box& b, Rgb c) {
  SetColor(cr, c);
  for (int x = b.x; x < b.Right(); x += 2) {
    cairo_rectangle(cr, x, b.y, 1, 1);
    cairo_rectangle(cr, x, b.Bottom() - 1, 1, 1);
  }
  for (int y = b.y; y < b.Bottom(); y += 2) {
    cairo_rectangle(cr, b.x, y, 1, 1);
    cairo_rectangle(cr, b.Right() - 1, y, 1, 1);
  }
  cairo_fill(cr);
}

void HLine(cairo_t* cr, int x1, int x2, int y, Rgb c) {
  if (x2 < x1) std::swap(x1, x2);
  FillBox(cr, {x1, y, x2 - x1 + 1, 1}, c);
}

void VLine(cairo_t* cr, int x, int y1, int y2, Rgb c) {
  if (y2 < y1) std::swap(y1, y2);
  FillBox(cr, {x, y1, 1, y2 - y1 + 1}, c);
}

void Line(cairo_t* cr, double x1, double y1, double x2, double y2, Rgb c, double width) {
  SetColor(cr, c);
  cairo_set_line_width(cr, width);
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  cairo_stroke(cr);
}

static void Gradient(cairo_t* cr, const Box& b, Rgb a, Rgb z, bool vertical) {
  cairo_pattern_t* p = vertical ? cairo_pattern_create_linear(0, b.y, 0, b.Bottom())
                                : cairo_pattern_create_linear(b.x, 0, b.Right(), 0);
  cairo_pattern_add_color_stop_rgb(p, 0, a.r / 255.0, a.g / 255.0, a.b / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 1, z.r / 255.0, z.g / 255.0, z.b / 255.0);
  cairo_set_source(cr, p);
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void VGradient(cairo_t* cr, const Box& b, Rgb top, Rgb bottom) { Gradient(cr, b, top, bottom, true); }
void HGradient(cairo_t* cr, const Box& b, Rgb left, Rgb right) { Gradient(cr, b, left, right, false); }

void RoundedPath(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void FillRounded(cairo_t* cr, const Box& b, double r, Rgb c) {
  SetColor(cr, c);
  RoundedPath(cr, b.x, b.y, b.w, b.h, r);
  cairo_fill(cr);
}

void Sunken(cairo_t* cr, const Box& b) {
  HLine(cr, b.x, b.Right() - 1, b.y, Hex(0xACA899));
  VLine(cr, b.x, b.y, b.Bottom() - 1, Hex(0xACA899));
  HLine(cr, b.x, b.Right() - 1, b.Bottom() - 1, Hex(0xFFFFFF));
  VLine(cr, b.Right() - 1, b.y, b.Bottom() - 1, Hex(0xFFFFFF));
}

void Raised(cairo_t* cr, const Box& b) {
  HLine(cr, b.x, b.Right() - 1, b.y, Hex(0xFFFFFF));
  VLine(cr, b.x, b.y, b.Bottom() - 1, Hex(0xFFFFFF));
  HLine(cr, b.x, b.Right() - 1, b.Bottom() - 1, Hex(0xACA899));
  VLine(cr, b.Right() - 1, b.y, b.Bottom() - 1, Hex(0xACA899));
}

namespace {

PangoLayout* MakeLayout(cairo_t* cr, std::string_view text, const Font& font) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  PangoContext* ctx = pango_layout_get_context(layout);
  pango_context_set_language(ctx, pango_language_from_string("zh-cn"));
  cairo_font_options_t* opts = cairo_font_options_create();
  cairo_font_options_set_antialias(opts, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(opts, CAIRO_HINT_STYLE_FULL);
  cairo_font_options_set_hint_metrics(opts, CAIRO_HINT_METRICS_ON);
  pango_cairo_context_set_font_options(ctx, opts);
  cairo_font_options_destroy(opts);
  pango_layout_context_changed(layout);

  const char* family = "AR PL UMing CN";
  switch (font.face) {
    case Face::kSong: family = "AR PL UMing CN"; break;
    case Face::kHei: family = "WenQuanYi Zen Hei"; break;
    case Face::kKai: family = "AR PL UKai CN"; break;
    case Face::kSans: family = "DejaVu Sans,WenQuanYi Zen Hei"; break;
    case Face::kSerif: family = "DejaVu Serif,AR PL UMing CN"; break;
  }
  PangoFontDescription* desc = pango_font_description_new();
  pango_font_description_set_family(desc, family);
  pango_font_description_set_absolute_size(desc, font.px * PANGO_SCALE);
  pango_font_description_set_weight(desc, font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(desc, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_layout_set_font_description(layout, desc);
  pango_font_description_free(desc);
  PangoAttrList* attrs = pango_attr_list_new();
  if (font.underline) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  // The Song face's small bitmaps draw O like 0: an access key "(O)" takes its letter from
  // a sans face, so that it reads as the letter.
  if (font.face == Face::kSong)
    for (size_t i = 0; i + 2 < text.size(); ++i)
      if (text[i] == '(' && text[i + 1] >= 'A' && text[i + 1] <= 'Z' && text[i + 2] == ')') {
        PangoAttribute* a = pango_attr_family_new("DejaVu Sans");
        a->start_index = static_cast<guint>(i + 1);
        a->end_index = static_cast<guint>(i + 2);
        pango_attr_list_insert(attrs, a);
      }
  pango_layout_set_attributes(layout, attrs);
  pango_attr_list_unref(attrs);
  pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
  return layout;
}

// A scratch context for measuring.
cairo_t* Scratch() {
  static cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 4, 4);
  static cairo_t* cr = cairo_create(s);
  return cr;
}

}  // namespace

int TextWidth(std::string_view text, const Font& font) {
  PangoLayout* l = MakeLayout(Scratch(), text, font);
  int w, h;
  pango_layout_get_pixel_size(l, &w, &h);
  g_object_unref(l);
  return w;
}

int TextHeight(std::string_view text, const Font& font) {
  PangoLayout* l = MakeLayout(Scratch(), text, font);
  int w, h;
  pango_layout_get_pixel_size(l, &w, &h);
  g_object_unref(l);
  return h;
}

namespace {
std::vector<std::string>& Clipped() {
  static std::vector<std::string> clipped;
  return clipped;
}
}  // namespace

const std::vector<std::string>& ClippedTexts() { return Clipped(); }

std::string Ellipsized(std::string_view text, int width, const Font& font) {
  if (TextWidth(text, font) <= width) return std::string(text);
  std::vector<std::string> chars = platform::Chars(std::string(text));
  while (!chars.empty()) {
    chars.pop_back();
    std::string shown;
    for (const auto& c : chars) shown += c;
    while (!shown.empty() && shown.back() == ' ') shown.pop_back();
    shown += "...";
    if (TextWidth(shown, font) <= width) return shown;
  }
  return "";
}

void Text(cairo_t* cr, std::string_view text, const Box& b, const Font& font, Rgb color, Align align) {
  PangoLayout* l = MakeLayout(cr, text, font);
  int w, h;
  pango_layout_get_pixel_size(l, &w, &h);
  if (w > b.w || h > b.h) {
    std::string entry = std::string(text) + ": " + std::to_string(w) + "x" + std::to_string(h) + " in " +
                        std::to_string(b.w) + "x" + std::to_string(b.h);
    if (std::find(Clipped().begin(), Clipped().end(), entry) == Clipped().end()) Clipped().push_back(entry);
  }
  int x = b.x;
  if (align == Align::kCenter) x = b.x + (b.w - w) / 2;
  if (align == Align::kRight) x = b.Right() - w;
  int y = b.y + (b.h - h) / 2;
  cairo_save(cr);
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  cairo_clip(cr);
  SetColor(cr, color);
  cairo_move_to(cr, x, y);
  pango_cairo_show_layout(cr, l);
  cairo_new_path(cr);
  cairo_restore(cr);
  g_object_unref(l);
}

int TextAt(cairo_t* cr, std::string_view text, int x, int y, const Font& font, Rgb color) {
  PangoLayout* l = MakeLayout(cr, text, font);
  int w, h;
  pango_layout_get_pixel_size(l, &w, &h);
  SetColor(cr, color);
  cairo_move_to(cr, x, y);
  pango_cairo_show_layout(cr, l);
  cairo_new_path(cr);
  g_object_unref(l);
  return w;
}

int TextWrapped(cairo_t* cr, std::string_view text, int x, int y, int width, const Font& font, Rgb color,
                int line_spacing, Align align) {
  PangoLayout* l = MakeLayout(cr, text, font);
  pango_layout_set_width(l, width * PANGO_SCALE);
  pango_layout_set_alignment(l, align == Align::kCenter  ? PANGO_ALIGN_CENTER
                                : align == Align::kRight ? PANGO_ALIGN_RIGHT
                                                         : PANGO_ALIGN_LEFT);
  pango_layout_set_wrap(l, PANGO_WRAP_WORD_CHAR);
  pango_layout_set_spacing(l, line_spacing * PANGO_SCALE);
  int w, h;
  pango_layout_get_pixel_size(l, &w, &h);
  SetColor(cr, color);
  cairo_move_to(cr, x, y);
  pango_cairo_show_layout(cr, l);
  cairo_new_path(cr);
  g_object_unref(l);
  return h;
}

}  // namespace xpexam::bankgen
