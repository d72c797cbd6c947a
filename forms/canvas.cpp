// Canvas and painter: one cairo image surface, drawn with pixel-exact rectangles and lines.
#include <cairo.h>
#include <pango/pangocairo.h>
#include <sys/mman.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "forms/graphics.h"
#include "forms/graphics_internal.h"

namespace xpexam::forms {
namespace {

// Adds the pixels of an axis-aligned run to the path; with dots every other pixel, starting
// with the first.
void AddRun(cairo_t* cr, int x, int y, int dx, int dy, int count, int thickness, bool dots, int& phase) {
  for (int i = 0; i < count; ++i, x += dx, y += dy) {
    if (!dots || phase++ % 2 == 0) {
      if (dx != 0)
        cairo_rectangle(cr, x, y, 1, thickness);
      else
        cairo_rectangle(cr, x, y, thickness, 1);
    }
  }
}

// A screen's canvas is megabytes that its first frame touches whole. Mapped in 2 MiB pages the
// system brings it in a few steps instead of one per 4 KiB page, each of which costs
// microseconds (tens of them on a virtual machine).
constexpr size_t kLargePage = size_t{2} << 20;

struct PixelBlock {
  void* start;
  size_t size;
};
const cairo_user_data_key_t kPixelBlock{};

void FreePixelBlock(void* data) {
  auto* block = static_cast<PixelBlock*>(data);
  ::munmap(block->start, block->size);
  delete block;
}

cairo_surface_t* CreateSurface(int width, int height) {
  const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width);
  const size_t bytes = (static_cast<size_t>(stride) * height + 4095) & ~size_t{4095};
  if (stride <= 0 || bytes < kLargePage) return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  // Fresh anonymous pages read as zero: the canvas starts transparent, as cairo's own does.
  const size_t span = bytes + kLargePage;
  void* base = ::mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (base == MAP_FAILED) return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  const uintptr_t from = reinterpret_cast<uintptr_t>(base);
  const uintptr_t start = (from + kLargePage - 1) & ~(kLargePage - 1);
  if (start > from) ::munmap(base, start - from);
  if (from + span > start + bytes) ::munmap(reinterpret_cast<void*>(start + bytes), from + span - start - bytes);
  ::madvise(reinterpret_cast<void*>(start), bytes, MADV_HUGEPAGE);
  auto* data = reinterpret_cast<unsigned char*>(start);
  cairo_surface_t* surface = cairo_image_surface_create_for_data(data, CAIRO_FORMAT_ARGB32, width, height, stride);
  auto* block = new PixelBlock{data, bytes};
  if (cairo_surface_set_user_data(surface, &kPixelBlock, block, FreePixelBlock) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    FreePixelBlock(block);
    return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  }
  return surface;
}

}  // namespace

Canvas::Canvas(int width, int height) : width_(std::max(0, width)), height_(std::max(0, height)) {
  surface_ = CreateSurface(width_, height_);
}

Canvas::~Canvas() { cairo_surface_destroy(surface_); }

Color Canvas::PixelAt(int x, int y) const { return internal::SurfacePixel(surface_, x, y); }

bool Canvas::SavePng(const std::string& path) const {
  cairo_surface_flush(surface_);
  return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

const unsigned char* Canvas::Data() const {
  cairo_surface_flush(surface_);
  return cairo_image_surface_get_data(surface_);
}

int Canvas::Stride() const { return cairo_image_surface_get_stride(surface_); }

Painter::Painter(Canvas& canvas) : cr_(cairo_create(canvas.Surface())) {
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
}

Painter::~Painter() { cairo_destroy(cr_); }

void Painter::Push(const Rect& r) {
  cairo_save(cr_);
  cairo_translate(cr_, r.x, r.y);
  cairo_rectangle(cr_, 0, 0, std::max(0, r.w), std::max(0, r.h));
  cairo_clip(cr_);
  ++depth_;
}

void Painter::Pop() {
  if (depth_ == 0) return;
  cairo_restore(cr_);
  --depth_;
}

void Painter::FillRect(const Rect& r, Color color) {
  if (r.Empty()) return;
  internal::SetSourceColor(cr_, color);
  cairo_rectangle(cr_, r.x, r.y, r.w, r.h);
  cairo_fill(cr_);
}

void Painter::DrawPicture(const Picture& pic, int x, int y) {
  DrawPicturePart(pic, Rect{0, 0, pic.Width(), pic.Height()}, x, y);
}

void Painter::DrawPictureStretched(const Picture& pic, const Rect& r) {
  if (r.Empty() || pic.Width() <= 0 || pic.Height() <= 0) return;
  cairo_save(cr_);
  cairo_rectangle(cr_, r.x, r.y, r.w, r.h);
  cairo_clip(cr_);
  cairo_translate(cr_, r.x, r.y);
  cairo_scale(cr_, static_cast<double>(r.w) / pic.Width(), static_cast<double>(r.h) / pic.Height());
  cairo_set_source_surface(cr_, pic.Surface(), 0, 0);
  // Nearest pixel, as a screen device context stretches by default; no blur on edges.
  cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
  cairo_pattern_set_extend(cairo_get_source(cr_), CAIRO_EXTEND_PAD);
  cairo_paint(cr_);
  cairo_restore(cr_);
}

void Painter::DrawPicturePart(const Picture& pic, const Rect& source, int x, int y) {
  int sx = std::max(0, source.x), sy = std::max(0, source.y);
  int ex = std::min(pic.Width(), source.x + source.w), ey = std::min(pic.Height(), source.y + source.h);
  if (ex <= sx || ey <= sy) return;
  cairo_set_source_surface(cr_, pic.Surface(), x - source.x, y - source.y);
  cairo_rectangle(cr_, x + sx - source.x, y + sy - source.y, ex - sx, ey - sy);
  cairo_fill(cr_);
}

void Painter::StrokeRect(const Rect& r, Color color, int width, LineStyle style) {
  if (r.Empty() || width <= 0) return;
  internal::SetSourceColor(cr_, color);
  width = std::min({width, (r.w + 1) / 2, (r.h + 1) / 2});
  // Dotted pens are one pixel wide; wider ones draw solid.
  if (style == LineStyle::kDot && width == 1) {
    int phase = 0;
    const int right = r.x + r.w - 1, bottom = r.y + r.h - 1;
    AddRun(cr_, r.x, r.y, 1, 0, r.w - 1, 1, true, phase);
    AddRun(cr_, right, r.y, 0, 1, r.h - 1, 1, true, phase);
    AddRun(cr_, right, bottom, -1, 0, r.w - 1, 1, true, phase);
    AddRun(cr_, r.x, bottom, 0, -1, r.h - 1, 1, true, phase);
    if (r.w == 1 || r.h == 1) cairo_rectangle(cr_, r.x, r.y, r.w, r.h);
  } else {
    cairo_rectangle(cr_, r.x, r.y, r.w, width);
    cairo_rectangle(cr_, r.x, r.y + r.h - width, r.w, width);
    cairo_rectangle(cr_, r.x, r.y + width, width, r.h - 2 * width);
    cairo_rectangle(cr_, r.x + r.w - width, r.y + width, width, r.h - 2 * width);
  }
  cairo_fill(cr_);
}

namespace {

void EllipsePath(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_translate(cr, x + w / 2, y + h / 2);
  cairo_scale(cr, w / 2, h / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

}  // namespace

void Painter::StrokeEllipse(const Rect& r, Color color, int width, LineStyle style) {
  if (r.Empty() || width <= 0) return;
  cairo_save(cr_);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_DEFAULT);
  internal::SetSourceColor(cr_, color);
  double half = width / 2.0;
  EllipsePath(cr_, r.x + half, r.y + half, std::max(0.0, r.w - 2 * half), std::max(0.0, r.h - 2 * half));
  cairo_set_line_width(cr_, width);
  if (style == LineStyle::kDot && width == 1) {
    const double dash[] = {1.0, 1.0};
    cairo_set_dash(cr_, dash, 2, 0);
  }
  cairo_stroke(cr_);
  cairo_restore(cr_);
}

void Painter::FillEllipse(const Rect& r, Color color) {
  if (r.Empty()) return;
  cairo_save(cr_);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_DEFAULT);
  internal::SetSourceColor(cr_, color);
  EllipsePath(cr_, r.x, r.y, r.w, r.h);
  cairo_fill(cr_);
  cairo_restore(cr_);
}

void Painter::DrawLine(int x1, int y1, int x2, int y2, Color color, int width, LineStyle style) {
  if (width <= 0 || (x1 == x2 && y1 == y2)) return;
  internal::SetSourceColor(cr_, color);
  const bool dots = style == LineStyle::kDot && width == 1;
  // Like a device context's LineTo, the end point itself is not drawn.
  if (y1 == y2 || x1 == x2) {
    int phase = 0, off = (width - 1) / 2;
    if (y1 == y2)
      AddRun(cr_, x1, y1 - off, x2 > x1 ? 1 : -1, 0, std::abs(x2 - x1), width, dots, phase);
    else
      AddRun(cr_, x1 - off, y1, 0, y2 > y1 ? 1 : -1, std::abs(y2 - y1), width, dots, phase);
    cairo_fill(cr_);
    return;
  }
  cairo_save(cr_);
  cairo_set_line_width(cr_, width);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
  if (dots) {
    const double dash[] = {1.0, 1.0};
    cairo_set_dash(cr_, dash, 2, 0);
  }
  cairo_move_to(cr_, x1 + 0.5, y1 + 0.5);
  cairo_line_to(cr_, x2 + 0.5, y2 + 0.5);
  cairo_stroke(cr_);
  cairo_restore(cr_);
}

namespace {

constexpr std::string_view kDash = "\u2014";

// What a lone em dash draws: the columns its stroke fills fully, from the glyph's origin, and the
// stroke's coverage row by row from its top, which lies top_from_baseline below the baseline.
struct DashStroke {
  int solid_left = 0, solid_right = 0;
  int top_from_baseline = 0;
  std::vector<uint8_t> rows;
};

// Measured from pixels, not from the font's ink box: a bitmap size reports its whole cell as ink.
DashStroke MeasureDash(const TextStyle& style) {
  DashStroke dash;
  PangoLayout* layout = pango_layout_new(internal::TextContext());
  pango_layout_set_font_description(layout, internal::FontDescription(style.font));
  pango_layout_set_text(layout, kDash.data(), static_cast<int>(kDash.size()));
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout, nullptr, &logical);
  constexpr int kPad = 4;
  const int w = logical.width + 2 * kPad, h = logical.height + 2 * kPad;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
  cairo_t* cr = cairo_create(surface);
  cairo_move_to(cr, kPad, kPad);
  pango_cairo_show_layout(cr, layout);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  const uint8_t* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  // The stroke's strongest row gives its solid columns; its middle column gives the rows.
  int strongest = -1, best = 0;
  for (int y = 0; y < h; ++y) {
    int sum = 0;
    for (int x = 0; x < w; ++x) sum += data[y * stride + x];
    if (sum > best) best = sum, strongest = y;
  }
  if (strongest >= 0) {
    const uint8_t* row = data + strongest * stride;
    const uint8_t full = *std::max_element(row, row + w);
    int left = 0, right = w - 1;
    while (row[left] != full) ++left;
    while (row[right] != full) --right;
    dash.solid_left = left - kPad;
    dash.solid_right = right + 1 - kPad;
    const int mid = (left + right) / 2;
    int top = strongest, bottom = strongest;
    while (top > 0 && data[(top - 1) * stride + mid]) --top;
    while (bottom + 1 < h && data[(bottom + 1) * stride + mid]) ++bottom;
    for (int y = top; y <= bottom; ++y) dash.rows.push_back(data[y * stride + mid]);
    dash.top_from_baseline = top - kPad - PANGO_PIXELS(pango_layout_get_baseline(layout));
  }
  cairo_surface_destroy(surface);
  g_object_unref(layout);
  return dash;
}

const DashStroke& DashOf(const TextStyle& style) {
  static std::map<std::string, DashStroke> cache;
  const PangoFontDescription* font = internal::FontDescription(style.font);
  char* name = pango_font_description_to_string(font);
  std::string key = name;
  g_free(name);
  auto it = cache.find(key);
  if (it == cache.end()) it = cache.emplace(std::move(key), MeasureDash(style)).first;
  return it->second;
}

void JoinDashes(cairo_t* cr, PangoLayout* layout, const TextStyle& style, int x, int y) {
  // Our Song face draws its em dash short of its cell at some sizes: bridge each dash to the
  // next one with the dash's own stroke.
  const std::string_view text = pango_layout_get_text(layout);
  if (text.find("\u2014\u2014") == std::string_view::npos) return;
  const DashStroke& dash = DashOf(style);
  if (dash.rows.empty()) return;
  const int h = static_cast<int>(dash.rows.size());
  cairo_surface_t* column = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, h);
  uint8_t* data = cairo_image_surface_get_data(column);
  const int stride = cairo_image_surface_get_stride(column);
  for (int i = 0; i < h; ++i) data[i * stride] = dash.rows[i];
  cairo_surface_mark_dirty(column);
  cairo_pattern_t* stroke = cairo_pattern_create_for_surface(column);
  cairo_pattern_set_extend(stroke, CAIRO_EXTEND_REPEAT);
  PangoLayoutIter* iter = pango_layout_get_iter(layout);
  do {
    const PangoLayoutLine* line = pango_layout_iter_get_line_readonly(iter);
    const int top = y + PANGO_PIXELS(pango_layout_iter_get_baseline(iter)) + dash.top_from_baseline;
    const size_t end = static_cast<size_t>(line->start_index + line->length);
    for (size_t at = text.find(kDash, line->start_index); at != std::string_view::npos && at + 2 * kDash.size() <= end;
         at = text.find(kDash, at + kDash.size())) {
      const size_t next = at + kDash.size();
      if (text.substr(next, kDash.size()) != kDash) continue;
      PangoRectangle first, second;
      pango_layout_index_to_pos(layout, static_cast<int>(at), &first);
      pango_layout_index_to_pos(layout, static_cast<int>(next), &second);
      const int from = x + PANGO_PIXELS(first.x) + dash.solid_right;
      const int to = x + PANGO_PIXELS(second.x) + dash.solid_left;
      if (to <= from) continue;
      cairo_matrix_t at_gap;
      cairo_matrix_init_translate(&at_gap, -from, -top);
      cairo_pattern_set_matrix(stroke, &at_gap);
      cairo_save(cr);
      cairo_rectangle(cr, from, top, to - from, h);
      cairo_clip(cr);
      cairo_mask(cr, stroke);
      cairo_restore(cr);
    }
  } while (pango_layout_iter_next_line(iter));
  pango_layout_iter_free(iter);
  cairo_pattern_destroy(stroke);
  cairo_surface_destroy(column);
}

}  // namespace

void Painter::DrawText(std::string_view text, const TextStyle& style, const Rect& r) {
  if (r.Empty()) return;
  const internal::LaidOutText& laid_out = internal::LayoutFor(text, style, style.word_wrap ? r.w : -1);
  PangoLayout* layout = laid_out.layout;
  int x = r.x;
  if (!style.word_wrap && style.align != Align::kLeft) {
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    x += style.align == Align::kCenter ? (r.w - logical.width) / 2 : r.w - logical.width;
  }
  cairo_save(cr_);
  cairo_rectangle(cr_, r.x, r.y, r.w, r.h);
  cairo_clip(cr_);
  internal::SetSourceColor(cr_, style.color);
  cairo_move_to(cr_, x, r.y);
  pango_cairo_show_layout(cr_, layout);
  if (!laid_out.underlined.empty()) {
    PangoLayoutIter* iter = pango_layout_get_iter(layout);
    do {
      PangoLayoutLine* line = pango_layout_iter_get_line_readonly(iter);
      const int baseline = r.y + PANGO_PIXELS(pango_layout_iter_get_baseline(iter));
      for (auto [from, to] : laid_out.underlined) {
        from = std::max(from, line->start_index);
        to = std::min(to, line->start_index + line->length);
        if (from >= to) continue;
        int* ranges = nullptr;
        int count = 0;
        pango_layout_line_get_x_ranges(line, from, to, &ranges, &count);
        for (int i = 0; i < count; ++i) {
          const int x0 = x + PANGO_PIXELS(ranges[2 * i]), x1 = x + PANGO_PIXELS(ranges[2 * i + 1]);
          cairo_rectangle(cr_, x0, baseline + laid_out.underline_offset, x1 - x0, laid_out.underline_thickness);
        }
        g_free(ranges);
      }
    } while (pango_layout_iter_next_line(iter));
    pango_layout_iter_free(iter);
    cairo_fill(cr_);
  }
  if (style.join_dashes) JoinDashes(cr_, layout, style, x, r.y);
  cairo_restore(cr_);
}

}  // namespace xpexam::forms
