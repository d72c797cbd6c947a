#include "forms/draw.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "forms/color.h"

namespace xpexam::forms {

void DrawSunkenEdge(Painter& p, const Rect& r) {
  const Color shadow = ResolveColor(kSysButtonShadow), light = ResolveColor(kSysButtonHighlight);
  const Color dark = ResolveColor(kSysButtonDarkShadow), face = ResolveColor(kSysButtonFace);
  p.FillRect({r.x, r.y, r.w, 1}, shadow);
  p.FillRect({r.x, r.y, 1, r.h}, shadow);
  p.FillRect({r.x, r.y + r.h - 1, r.w, 1}, light);
  p.FillRect({r.x + r.w - 1, r.y, 1, r.h}, light);
  p.FillRect({r.x + 1, r.y + 1, r.w - 2, 1}, dark);
  p.FillRect({r.x + 1, r.y + 1, 1, r.h - 2}, dark);
  p.FillRect({r.x + 1, r.y + r.h - 2, r.w - 2, 1}, face);
  p.FillRect({r.x + r.w - 2, r.y + 1, 1, r.h - 2}, face);
}

void DrawRaisedEdge(Painter& p, const Rect& r, bool pressed) {
  const Color shadow = ResolveColor(kSysButtonShadow), light = ResolveColor(kSysButtonHighlight);
  const Color dark = ResolveColor(kSysButtonDarkShadow);
  if (pressed) {
    p.StrokeRect(r, dark, 1);
    p.StrokeRect({r.x + 1, r.y + 1, r.w - 2, r.h - 2}, shadow, 1);
    return;
  }
  p.FillRect({r.x, r.y, r.w, 1}, light);
  p.FillRect({r.x, r.y, 1, r.h}, light);
  p.FillRect({r.x, r.y + r.h - 1, r.w, 1}, dark);
  p.FillRect({r.x + r.w - 1, r.y, 1, r.h}, dark);
  p.FillRect({r.x + 1, r.y + r.h - 2, r.w - 2, 1}, shadow);
  p.FillRect({r.x + r.w - 2, r.y + 1, 1, r.h - 2}, shadow);
}

void DrawVerticalScrollBar(Painter& p, const Rect& bar, int visible, int total, int first) {
  p.FillRect(bar, Rgb(240, 240, 236));
  const Rect up{bar.x, bar.y, bar.w, kScrollBarWidth}, down{bar.x, bar.y + bar.h - kScrollBarWidth, bar.w, kScrollBarWidth};
  for (const Rect& b : {up, down}) {
    p.FillRect(b, ResolveColor(kSysButtonFace));
    DrawRaisedEdge(p, b, false);
  }
  const Color arrow = ResolveColor(kSysButtonText);
  for (int i = 0; i < 4; ++i) {
    p.FillRect({up.x + 8 - i, up.y + 6 + i, 2 * i + 1, 1}, arrow);
    p.FillRect({down.x + 8 - i, down.y + 9 - i, 2 * i + 1, 1}, arrow);
  }
  if (total <= visible) return;
  const int track = bar.h - 2 * kScrollBarWidth;
  const int thumb = std::max(8, track * visible / total);
  const int top = bar.y + kScrollBarWidth + (track - thumb) * first / std::max(1, total - visible);
  const Rect t{bar.x, top, bar.w, thumb};
  p.FillRect(t, ResolveColor(kSysButtonFace));
  DrawRaisedEdge(p, t, false);
}

int ScrollBarStep(const Rect& bar, int y, int line, int page) {
  if (y < bar.y + kScrollBarWidth) return -line;
  if (y >= bar.y + bar.h - kScrollBarWidth) return line;
  return y < bar.y + bar.h / 2 ? -page : page;
}

Rect CloseBoxRect(int window_width) { return {window_width - 3 - 2 - 21, 3, 21, 21}; }

Font DefaultFont() { return Font{}; }

namespace {

// 0xRRGGBB colours of the visual style, as cairo sources.
void Source(cairo_t* cr, uint32_t rgb, double alpha = 1) {
  cairo_set_source_rgba(cr, (rgb >> 16 & 0xFF) / 255.0, (rgb >> 8 & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha);
}
void Stop(cairo_pattern_t* pattern, double at, uint32_t rgb) {
  cairo_pattern_add_color_stop_rgb(pattern, at, (rgb >> 16 & 0xFF) / 255.0, (rgb >> 8 & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
}
// A rounded rectangle path; corners of radius r.
void RoundedPath(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

// The title bar's colours from the top down (fraction of its height, colour): a light band at
// the top, the deep blue body, a darker line at the bottom.
struct Shade {
  double at;
  uint32_t rgb;
};
constexpr Shade kActiveCaption[] = {{0.00, 0x0A5FE0}, {0.04, 0x3D95FF}, {0.10, 0x2A86FB}, {0.22, 0x0B62EE},
                                    {0.45, 0x0054E3}, {0.75, 0x0058EA}, {0.88, 0x005EF2}, {0.94, 0x0049D0},
                                    {1.00, 0x003BB8}};
constexpr Shade kInactiveCaption[] = {{0.00, 0x8AA6E6}, {0.04, 0xB4C9F2}, {0.10, 0xA6BEEF}, {0.22, 0x8FABE8},
                                      {0.45, 0x7A96DF}, {0.75, 0x7D9AE2}, {0.88, 0x82A0E6}, {0.94, 0x7590DA},
                                      {1.00, 0x6B85CF}};
// The frame's three rings, outermost first: left edge, right and bottom edges.
constexpr uint32_t kActiveFrameLeft[] = {0x0831D9, 0x166AEE, 0x0855DD};
constexpr uint32_t kActiveFrameRight[] = {0x00138C, 0x001EA0, 0x003BDA};
constexpr uint32_t kInactiveFrameLeft[] = {0x6F88D5, 0x9DB3EC, 0x8AA3E4};
constexpr uint32_t kInactiveFrameRight[] = {0x5169B8, 0x6781CC, 0x7A96DF};

void CaptionBand(cairo_t* cr, int w, int top, bool active, bool round) {
  cairo_pattern_t* band = cairo_pattern_create_linear(0, 0, 0, top);
  for (const Shade& s : active ? kActiveCaption : kInactiveCaption) Stop(band, s.at, s.rgb);
  constexpr double kRadius = 7;
  cairo_new_path(cr);
  if (round) {
    cairo_move_to(cr, 0, top);
    cairo_arc(cr, kRadius, kRadius, kRadius, M_PI, 3 * M_PI / 2);
    cairo_arc(cr, w - kRadius, kRadius, kRadius, -M_PI / 2, 0);
    cairo_line_to(cr, w, top);
    cairo_close_path(cr);
  } else {
    cairo_rectangle(cr, 0, 0, w, top);
  }
  cairo_set_source(cr, band);
  cairo_fill(cr);
  cairo_pattern_destroy(band);
}

void Frame(cairo_t* cr, int w, int h, int top, bool active) {
  const uint32_t* left = active ? kActiveFrameLeft : kInactiveFrameLeft;
  const uint32_t* right = active ? kActiveFrameRight : kInactiveFrameRight;
  for (int i = 0; i < 3; ++i) {
    Source(cr, left[i]);
    cairo_rectangle(cr, i, top, 1, h - top - i);
    cairo_fill(cr);
    Source(cr, right[i]);
    cairo_rectangle(cr, w - 1 - i, top, 1, h - top - i);
    cairo_rectangle(cr, i, h - 1 - i, w - 2 * i, 1);
    cairo_fill(cr);
  }
}

// The close button: a glossy red rounded square with a white cross, paler in an inactive window.
void CloseButton(cairo_t* cr, const Rect& b, ButtonFace face, bool active) {
  struct Look {
    uint32_t light, body, dark;
  };
  static constexpr Look kNormal{0xF2A38E, 0xE0572F, 0xB8300E}, kHot{0xFFC2A8, 0xF07046, 0xCB4420},
      kPressed{0x9E2C10, 0xC0401F, 0xD9664A}, kInactive{0xEBC0B8, 0xD79A8F, 0xBF7E73};
  const Look& look = !active && face == ButtonFace::kNormal ? kInactive
                     : face == ButtonFace::kHot             ? kHot
                     : face == ButtonFace::kPressed         ? kPressed
                                                            : kNormal;
  const double x = b.x + 0.5, y = b.y + 0.5, w = b.w - 1, h = b.h - 1;
  // The face lit from the top left, brighter still in a glow at that corner.
  cairo_pattern_t* body = cairo_pattern_create_linear(x, y, x + w, y + h);
  Stop(body, 0, look.light);
  Stop(body, 0.45, look.body);
  Stop(body, 1, look.dark);
  RoundedPath(cr, x, y, w, h, 3);
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  if (face != ButtonFace::kPressed) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(x + 5, y + 5, 0, x + 5, y + 5, w * 0.7);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 1, active ? 0.35 : 0.25);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 1, 1, 0);
    cairo_set_source(cr, glow);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(glow);
  }
  Source(cr, 0xFFFFFF, active ? 1 : 0.75);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // The cross, a pixel lower and to the right while held down.
  const double shift = face == ButtonFace::kPressed ? 1 : 0;
  const double cx = b.x + b.w / 2.0 + shift, cy = b.y + b.h / 2.0 + shift;
  Source(cr, 0xFFFFFF, active ? 1 : 0.85);
  cairo_set_line_width(cr, 2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  cairo_move_to(cr, cx - 3.5, cy - 3.5);
  cairo_line_to(cr, cx + 3.5, cy + 3.5);
  cairo_move_to(cr, cx + 3.5, cy - 3.5);
  cairo_line_to(cr, cx - 3.5, cy + 3.5);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

}  // namespace

void DrawWindowFrame(Painter& p, int w, int h, int top, const std::string& caption, const WindowFrameLook& look) {
  cairo_t* cr = p.Cairo();
  cairo_save(cr);
  CaptionBand(cr, w, top, look.active, !look.maximised);
  Frame(cr, w, h, top, look.active);
  cairo_restore(cr);
  TextStyle style;
  style.font.bold = true;
  style.single_line = true;
  style.join_dashes = true;
  const int text_h = MeasureText(caption, style).height;
  const Rect text{7, std::max(3, (top - text_h + 1) / 2 + 1), std::max(0, w - 40), std::min(text_h, top - 3)};
  // The caption casts a dark shadow down and to the right.
  style.color = look.active ? Rgb(10, 24, 131) : Rgb(96, 120, 200);
  p.DrawText(caption, style, {text.x + 1, text.y + 1, text.w, text.h});
  style.color = look.active ? Rgb(255, 255, 255) : Rgb(216, 228, 248);
  p.DrawText(caption, style, text);
  cairo_save(cr);
  CloseButton(cr, CloseBoxRect(w), look.close, look.active);
  cairo_restore(cr);
}

void DrawCheckBox(Painter& p, const Rect& box, int value, ButtonFace face) {
  cairo_t* cr = p.Cairo();
  cairo_save(cr);
  const double x = box.x, y = box.y, w = box.w, h = box.h;
  // The face: pale grey at the top left to white at the bottom right; darker while held down.
  cairo_pattern_t* fill = cairo_pattern_create_linear(x, y, x + w, y + h);
  Stop(fill, 0, face == ButtonFace::kPressed ? 0xB0B0A7 : 0xDCDCD7);
  Stop(fill, 1, face == ButtonFace::kPressed ? 0xE3E2DA : 0xFFFFFF);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
  if (face == ButtonFace::kHot) {
    // Under the pointer an orange glow lines the inside of the border.
    cairo_pattern_t* glow = cairo_pattern_create_linear(x, y, x + w, y + h);
    Stop(glow, 0, 0xFFF0CF);
    Stop(glow, 1, 0xF8B330);
    cairo_set_source(cr, glow);
    cairo_set_line_width(cr, 2);
    cairo_rectangle(cr, x + 2, y + 2, w - 4, h - 4);
    cairo_stroke(cr);
    cairo_pattern_destroy(glow);
  }
  Source(cr, 0x1C5180);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
  cairo_stroke(cr);
  if (value != 0) {
    // The tick: three pixels thick, down to the lower left third and up to the top right.
    Source(cr, value == 2 ? 0x8DB28D : 0x21A121);
    for (int i = 0; i < 3; ++i) {
      cairo_move_to(cr, x + 3, y + 5 + i);
      cairo_line_to(cr, x + 5, y + 7 + i);
      cairo_line_to(cr, x + 9, y + 3 + i);
    }
    cairo_set_line_width(cr, 1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    cairo_translate(cr, 0.5, 0.5);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void DrawDropShadow(Painter& p, const Rect& box) {
  // Four layers, each a pixel further out: darkest along the edge, fading outwards and at the
  // two far corners, as the system's soft menu shadow.
  cairo_t* cr = p.Cairo();
  cairo_save(cr);
  cairo_rectangle(cr, box.x + box.w, box.y, 4, box.h + 4);
  cairo_rectangle(cr, box.x, box.y + box.h, box.w, 4);
  cairo_clip(cr);
  for (int i = 1; i <= 4; ++i) {
    Source(cr, 0x000000, 0.09);
    cairo_rectangle(cr, box.x + i, box.y + i, box.w, box.h);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

}  // namespace xpexam::forms
