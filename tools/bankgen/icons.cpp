#include "tools/bankgen/icons.h"

#include <cmath>

namespace xpexam::bankgen {
namespace {

void Rect(cairo_t* cr, double x, double y, double w, double h, Rgb fill, Rgb edge) {
  cairo_rectangle(cr, x, y, w, h);
  SetColor(cr, fill);
  cairo_fill_preserve(cr);
  SetColor(cr, edge);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

void Grad(cairo_t* cr, double x, double y, double w, double h, Rgb a, Rgb b, Rgb edge, double r = 0) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x, y, x + w, y + h);
  cairo_pattern_add_color_stop_rgb(p, 0, a.r / 255.0, a.g / 255.0, a.b / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 1, b.r / 255.0, b.g / 255.0, b.b / 255.0);
  if (r > 0)
    RoundedPath(cr, x, y, w, h, r);
  else
    cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, edge);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

void Circle(cairo_t* cr, double cx, double cy, double r, Rgb fill, Rgb edge) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  SetColor(cr, fill);
  cairo_fill_preserve(cr);
  SetColor(cr, edge);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

void Folder(cairo_t* cr, Rgb front, Rgb back) {
  // back with tab
  cairo_move_to(cr, 2, 7);
  cairo_line_to(cr, 11, 7);
  cairo_line_to(cr, 13, 10);
  cairo_line_to(cr, 28, 10);
  cairo_line_to(cr, 28, 27);
  cairo_line_to(cr, 2, 27);
  cairo_close_path(cr);
  SetColor(cr, back);
  cairo_fill_preserve(cr);
  SetColor(cr, Hex(0xB08A1E));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // paper inside
  Rect(cr, 5, 11, 20, 10, Hex(0xFFFFFF), Hex(0xC8C8C8));
  // front flap
  cairo_move_to(cr, 2, 14);
  cairo_line_to(cr, 30, 14);
  cairo_line_to(cr, 28, 28);
  cairo_line_to(cr, 2, 28);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 14, 0, 28);
  cairo_pattern_add_color_stop_rgb(p, 0, front.r / 255.0, front.g / 255.0, front.b / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 1, back.r / 255.0 * 0.9, back.g / 255.0 * 0.85, back.b / 255.0 * 0.6);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, Hex(0xB08A1E));
  cairo_stroke(cr);
}

void Page(cairo_t* cr, Rgb edge = Hex(0x7F7F7F)) {
  cairo_move_to(cr, 6, 2);
  cairo_line_to(cr, 20, 2);
  cairo_line_to(cr, 27, 9);
  cairo_line_to(cr, 27, 30);
  cairo_line_to(cr, 6, 30);
  cairo_close_path(cr);
  SetColor(cr, Hex(0xFFFFFF));
  cairo_fill_preserve(cr);
  SetColor(cr, edge);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_move_to(cr, 20, 2);
  cairo_line_to(cr, 20, 9);
  cairo_line_to(cr, 27, 9);
  SetColor(cr, Hex(0xDDDDDD));
  cairo_fill_preserve(cr);
  SetColor(cr, edge);
  cairo_stroke(cr);
}

void TextLines(cairo_t* cr, double x1, double x2, double y0, int n, Rgb c) {
  for (int i = 0; i < n; ++i) Line(cr, x1, y0 + i * 3 + 0.5, x2 - (i % 3 == 2 ? 4 : 0), y0 + i * 3 + 0.5, c, 1);
}

void Monitor(cairo_t* cr, double x, double y, double w, double h, Rgb screen_a, Rgb screen_b) {
  Grad(cr, x, y, w, h, Hex(0xF2F0E6), Hex(0xC9C4B0), Hex(0x77756B), 2);
  Grad(cr, x + 2.5, y + 2.5, w - 5, h - 6, screen_a, screen_b, Hex(0x404040));
  Rect(cr, x + w / 2 - 3, y + h, 6, 2, Hex(0xC9C4B0), Hex(0x77756B));
  Rect(cr, x + w / 2 - 8, y + h + 2, 16, 2, Hex(0xE0DCCB), Hex(0x77756B));
}

void Speaker(cairo_t* cr) {
  cairo_move_to(cr, 5, 12);
  cairo_line_to(cr, 11, 12);
  cairo_line_to(cr, 19, 5);
  cairo_line_to(cr, 19, 27);
  cairo_line_to(cr, 11, 20);
  cairo_line_to(cr, 5, 20);
  cairo_close_path(cr);
  SetColor(cr, Hex(0xD8D8D8));
  cairo_fill_preserve(cr);
  SetColor(cr, Hex(0x505050));
  cairo_stroke(cr);
  SetColor(cr, Hex(0x2060C0));
  cairo_set_line_width(cr, 1.6);
  cairo_arc(cr, 19, 16, 5, -0.9, 0.9);
  cairo_stroke(cr);
  cairo_arc(cr, 19, 16, 9, -0.9, 0.9);
  cairo_stroke(cr);
}

void Gear(cairo_t* cr, double cx, double cy, double r) {
  SetColor(cr, Hex(0x8090A0));
  for (int i = 0; i < 8; ++i) {
    double a = i * M_PI / 4;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, a);
    cairo_rectangle(cr, -1.5, -r - 2, 3, 4);
    cairo_restore(cr);
  }
  cairo_fill(cr);
  Circle(cr, cx, cy, r, Hex(0xA8B8C8), Hex(0x506070));
  Circle(cr, cx, cy, r / 2.5, Hex(0xFFFFFF), Hex(0x506070));
}

void Globe(cairo_t* cr, double cx, double cy, double r) {
  Circle(cr, cx, cy, r, Hex(0x3C8CE0), Hex(0x1A4C94));
  SetColor(cr, Hex(0x50B040));
  cairo_move_to(cr, cx - r * 0.6, cy - r * 0.5);
  cairo_curve_to(cr, cx - r * 0.1, cy - r * 0.8, cx + r * 0.1, cy - r * 0.1, cx - r * 0.2, cy + r * 0.2);
  cairo_curve_to(cr, cx - r * 0.5, cy + r * 0.4, cx - r * 0.9, cy, cx - r * 0.6, cy - r * 0.5);
  cairo_fill(cr);
  cairo_move_to(cr, cx + r * 0.3, cy + r * 0.1);
  cairo_curve_to(cr, cx + r * 0.8, cy, cx + r * 0.7, cy + r * 0.6, cx + r * 0.2, cy + r * 0.7);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void Person(cairo_t* cr, double cx, double cy, Rgb shirt) {
  Circle(cr, cx, cy - 6, 4, Hex(0xF0C8A0), Hex(0x9A7050));
  cairo_move_to(cr, cx - 7, cy + 8);
  cairo_curve_to(cr, cx - 7, cy - 2, cx + 7, cy - 2, cx + 7, cy + 8);
  cairo_close_path(cr);
  SetColor(cr, shirt);
  cairo_fill(cr);
}

void Window16(cairo_t* cr, double x, double y, double w, double h) {
  Rect(cr, x, y, w, h, Hex(0xFFFFFF), Hex(0x2050A0));
  FillBox(cr, {static_cast<int>(x), static_cast<int>(y), static_cast<int>(w) + 1, 4}, Hex(0x2A6AE0));
}

void Body(cairo_t* cr, Icon icon) {
  switch (icon) {
    case Icon::kFolder:
      Folder(cr, Hex(0xFFE98F), Hex(0xF0C850));
      break;
    case Icon::kFolderOpen:
      Folder(cr, Hex(0xFFF2B8), Hex(0xF5D468));
      break;
    case Icon::kMyDocuments:
      Folder(cr, Hex(0xFFE98F), Hex(0xF0C850));
      cairo_save(cr);
      cairo_translate(cr, 12, 9);
      cairo_scale(cr, 0.55, 0.55);
      Page(cr);
      TextLines(cr, 9, 24, 12, 5, Hex(0x3060C0));
      cairo_restore(cr);
      break;
    case Icon::kMyComputer:
      Grad(cr, 20, 6, 9, 22, Hex(0xF2F0E6), Hex(0xC9C4B0), Hex(0x77756B), 1);
      HLine(cr, 22, 26, 10, Hex(0x77756B));
      HLine(cr, 22, 26, 13, Hex(0x77756B));
      FillBox(cr, {22, 23, 2, 2}, Hex(0x30C030));
      Monitor(cr, 2, 5, 20, 16, Hex(0x5FA8FF), Hex(0x1450C8));
      break;
    case Icon::kNetwork:
      Globe(cr, 16, 14, 11);
      Monitor(cr, 1, 15, 13, 10, Hex(0x5FA8FF), Hex(0x1450C8));
      Monitor(cr, 18, 15, 13, 10, Hex(0x5FA8FF), Hex(0x1450C8));
      break;
    case Icon::kRecycleEmpty:
    case Icon::kRecycleFull: {
      bool full = icon == Icon::kRecycleFull;
      if (full) {
        Rect(cr, 9, 2, 8, 10, Hex(0xFFFFFF), Hex(0x808080));
        Rect(cr, 15, 4, 9, 8, Hex(0xFFF4C0), Hex(0x808080));
      }
      cairo_move_to(cr, 5, 9);
      cairo_line_to(cr, 27, 9);
      cairo_line_to(cr, 24, 30);
      cairo_line_to(cr, 8, 30);
      cairo_close_path(cr);
      cairo_pattern_t* p = cairo_pattern_create_linear(5, 0, 27, 0);
      cairo_pattern_add_color_stop_rgb(p, 0, 0.70, 0.78, 0.80);
      cairo_pattern_add_color_stop_rgb(p, 0.45, 0.93, 0.96, 0.97);
      cairo_pattern_add_color_stop_rgb(p, 1, 0.55, 0.62, 0.66);
      cairo_set_source(cr, p);
      cairo_fill_preserve(cr);
      cairo_pattern_destroy(p);
      SetColor(cr, Hex(0x506068));
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      cairo_new_sub_path(cr);
      cairo_save(cr);
      cairo_translate(cr, 16, 9);
      cairo_scale(cr, 11, 2.5);
      cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
      cairo_restore(cr);
      SetColor(cr, Hex(0xD8E4E8));
      cairo_fill_preserve(cr);
      SetColor(cr, Hex(0x506068));
      cairo_stroke(cr);
      SetColor(cr, Hex(0x2E9A3E));
      cairo_set_line_width(cr, 2);
      for (int i = 0; i < 3; ++i) {
        double a = i * 2 * M_PI / 3 - M_PI / 2;
        cairo_arc(cr, 16 + 4.5 * std::cos(a), 20 + 4.5 * std::sin(a), 2.2, a + 0.5, a + 2.6);
        cairo_stroke(cr);
      }
      break;
    }
    case Icon::kInternetExplorer: {
      SetColor(cr, Hex(0x1E64D8));
      cairo_set_line_width(cr, 5);
      cairo_arc(cr, 16, 17, 9, 0.35, 2 * M_PI - 0.2);
      cairo_stroke(cr);
      cairo_set_line_width(cr, 4);
      Line(cr, 8, 16.5, 24, 16.5, Hex(0x1E64D8), 4);
      cairo_save(cr);
      cairo_translate(cr, 16, 16);
      cairo_rotate(cr, -0.45);
      cairo_scale(cr, 15, 6);
      cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
      cairo_restore(cr);
      SetColor(cr, Hex(0xF0B020));
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
      break;
    }
    case Icon::kTextFile:
      Page(cr);
      TextLines(cr, 9, 24, 11, 6, Hex(0x909090));
      break;
    case Icon::kWordFile:
      Page(cr);
      TextLines(cr, 13, 24, 12, 5, Hex(0x909090));
      Grad(cr, 3, 12, 13, 13, Hex(0x4A8AE8), Hex(0x1A4CA8), Hex(0x103070), 1);
      Text(cr, "W", {3, 12, 13, 13}, Font{Face::kSans, 10, true}, Hex(0xFFFFFF), Align::kCenter);
      break;
    case Icon::kImageFile:
      Page(cr);
      Grad(cr, 9, 12, 15, 13, Hex(0x9FD0FF), Hex(0x50A040), Hex(0x606060));
      Circle(cr, 19, 15, 2, Hex(0xFFE040), Hex(0xE0A000));
      break;
    case Icon::kProgram:
      Window16(cr, 3, 6, 26, 20);
      FillBox(cr, {7, 14, 8, 6}, Hex(0xA0C0F0));
      break;
    case Icon::kZipFolder:
      Folder(cr, Hex(0xFFE98F), Hex(0xF0C850));
      for (int y = 14; y < 28; y += 3) FillBox(cr, {14, y, 4, 2}, Hex(0x606060));
      break;
    case Icon::kHardDisk:
      Grad(cr, 2, 12, 28, 12, Hex(0xE8E8E8), Hex(0xA0A0A0), Hex(0x606060), 2);
      FillBox(cr, {6, 19, 3, 2}, Hex(0x30D030));
      HLine(cr, 12, 26, 17, Hex(0x808080));
      HLine(cr, 12, 26, 20, Hex(0x808080));
      break;
    case Icon::kFloppy:
      Grad(cr, 5, 4, 22, 24, Hex(0x404A58), Hex(0x202630), Hex(0x101010), 1);
      Rect(cr, 10, 4, 12, 8, Hex(0xC8C8D0), Hex(0x707070));
      Rect(cr, 8, 16, 16, 12, Hex(0xFFFFFF), Hex(0x707070));
      break;
    case Icon::kCdDrive:
      Grad(cr, 2, 16, 28, 10, Hex(0xE8E8E8), Hex(0xA0A0A0), Hex(0x606060), 2);
      Circle(cr, 16, 11, 9, Hex(0xE0E8F0), Hex(0x707880));
      Circle(cr, 16, 11, 2.5, Hex(0xFFFFFF), Hex(0x707880));
      break;
    case Icon::kRemovable:
      Grad(cr, 4, 12, 20, 10, Hex(0xE0E0E0), Hex(0x909090), Hex(0x505050), 2);
      Rect(cr, 24, 14, 5, 6, Hex(0xC0C0C0), Hex(0x505050));
      FillBox(cr, {7, 16, 3, 2}, Hex(0x30B0F0));
      break;
    case Icon::kControlPanel:
      Monitor(cr, 4, 3, 20, 15, Hex(0x5FA8FF), Hex(0x1450C8));
      Gear(cr, 22, 22, 6);
      break;
    case Icon::kDisplay:
      Monitor(cr, 3, 4, 26, 20, Hex(0x70C0FF), Hex(0x2070D0));
      FillBox(cr, {9, 14, 5, 5}, Hex(0xF04040));
      FillBox(cr, {14, 14, 5, 5}, Hex(0x40C040));
      FillBox(cr, {19, 14, 5, 5}, Hex(0xF0D040));
      break;
    case Icon::kMouse:
      cairo_new_sub_path(cr);
      cairo_save(cr);
      cairo_translate(cr, 16, 18);
      cairo_scale(cr, 8, 11);
      cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
      cairo_restore(cr);
      SetColor(cr, Hex(0xF0F0F0));
      cairo_fill_preserve(cr);
      SetColor(cr, Hex(0x606060));
      cairo_stroke(cr);
      Line(cr, 8, 15, 24, 15, Hex(0x606060));
      Line(cr, 16, 7, 16, 15, Hex(0x606060));
      Line(cr, 16, 7, 16, 1, Hex(0x404040));
      break;
    case Icon::kSound:
      Speaker(cr);
      break;
    case Icon::kClock:
      Circle(cr, 16, 16, 13, Hex(0xFFFFFF), Hex(0x3060A0));
      Line(cr, 16, 16, 16, 7, Hex(0x202020), 2);
      Line(cr, 16, 16, 23, 19, Hex(0x202020), 2);
      break;
    case Icon::kRegional:
      Globe(cr, 16, 16, 13);
      break;
    case Icon::kSystem:
      Monitor(cr, 3, 4, 22, 17, Hex(0x5FA8FF), Hex(0x1450C8));
      Circle(cr, 24, 23, 6, Hex(0x40B040), Hex(0x207020));
      Line(cr, 21, 23, 23.5, 25.5, Hex(0xFFFFFF), 1.5);
      Line(cr, 23.5, 25.5, 27, 20.5, Hex(0xFFFFFF), 1.5);
      break;
    case Icon::kTaskbar:
      Window16(cr, 3, 4, 26, 18);
      Grad(cr, 1, 23, 30, 7, Hex(0x3C80F0), Hex(0x1848C0), Hex(0x103080));
      FillBox(cr, {2, 24, 8, 5}, Hex(0x3CA03C));
      break;
    case Icon::kFolderOptions:
      Folder(cr, Hex(0xFFE98F), Hex(0xF0C850));
      Gear(cr, 22, 21, 5);
      break;
    case Icon::kUsers:
      Person(cr, 11, 16, Hex(0x2E8B3E));
      Person(cr, 21, 19, Hex(0x2C60C8));
      break;
    case Icon::kAddRemove:
      Grad(cr, 4, 10, 22, 18, Hex(0xE8C890), Hex(0xB8904C), Hex(0x7A5A28));
      Circle(cr, 21, 10, 8, Hex(0xE0E8F0), Hex(0x707880));
      Circle(cr, 21, 10, 2, Hex(0xFFFFFF), Hex(0x707880));
      break;
    case Icon::kFonts:
      Folder(cr, Hex(0xFFE98F), Hex(0xF0C850));
      Text(cr, "A", {8, 11, 16, 18}, Font{Face::kSerif, 14, true}, Hex(0x203080), Align::kCenter);
      break;
    case Icon::kPrinter:
      Rect(cr, 9, 3, 14, 10, Hex(0xFFFFFF), Hex(0x707070));
      Grad(cr, 3, 12, 26, 12, Hex(0xE8E8E8), Hex(0xA8A8A8), Hex(0x606060), 2);
      Rect(cr, 8, 22, 16, 6, Hex(0xFFFFFF), Hex(0x707070));
      break;
    case Icon::kKeyboard:
      Grad(cr, 2, 10, 28, 14, Hex(0xF0F0F0), Hex(0xB8B8B8), Hex(0x606060), 2);
      for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 7; ++c) FillBox(cr, {5 + c * 3 + (r % 2), 13 + r * 3, 2, 2}, Hex(0x707070));
      break;
    case Icon::kPower:
      Grad(cr, 8, 6, 14, 22, Hex(0x70D060), Hex(0x309020), Hex(0x206010), 2);
      Rect(cr, 12, 3, 6, 3, Hex(0xC0C0C0), Hex(0x606060));
      break;
    case Icon::kNotepad:
      Grad(cr, 5, 3, 22, 27, Hex(0xFFFFFF), Hex(0xE8F0FF), Hex(0x505050));
      FillBox(cr, {5, 3, 23, 5}, Hex(0x3070D0));
      TextLines(cr, 8, 24, 12, 6, Hex(0x7090C0));
      break;
    case Icon::kPaint:
      cairo_new_sub_path(cr);
      cairo_save(cr);
      cairo_translate(cr, 15, 18);
      cairo_scale(cr, 13, 10);
      cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
      cairo_restore(cr);
      SetColor(cr, Hex(0xE8C890));
      cairo_fill_preserve(cr);
      SetColor(cr, Hex(0x806030));
      cairo_stroke(cr);
      Circle(cr, 9, 16, 2.5, Hex(0xF03030), Hex(0x802020));
      Circle(cr, 15, 13, 2.5, Hex(0x30A0F0), Hex(0x205080));
      Circle(cr, 21, 15, 2.5, Hex(0x40C040), Hex(0x206020));
      Circle(cr, 13, 22, 2.5, Hex(0xF0E030), Hex(0x807010));
      Line(cr, 18, 28, 30, 4, Hex(0x8A5A20), 2.5);
      break;
    case Icon::kCalculator:
      Grad(cr, 6, 2, 20, 28, Hex(0xE8E8E8), Hex(0xB0B0B0), Hex(0x505050), 2);
      Rect(cr, 9, 5, 14, 5, Hex(0xD8F0D8), Hex(0x505050));
      for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) FillBox(cr, {9 + c * 5, 13 + r * 4, 4, 3}, Hex(0x505870));
      break;
    case Icon::kCommand:
      Rect(cr, 2, 5, 28, 22, Hex(0x000000), Hex(0x404040));
      FillBox(cr, {2, 5, 29, 4}, Hex(0x2A6AE0));
      Text(cr, "C:\\>", {4, 11, 26, 10}, Font{Face::kSans, 7}, Hex(0xC0C0C0));
      break;
    case Icon::kSearch: {
      Circle(cr, 13, 13, 8, Hex(0xD8ECFF), Hex(0x305080));
      Line(cr, 19, 19, 28, 28, Hex(0x604020), 4);
      break;
    }
    case Icon::kHelp:
      Circle(cr, 16, 16, 13, Hex(0x3C8CE0), Hex(0x1A4C94));
      Text(cr, "?", {3, 3, 26, 26}, Font{Face::kSans, 18, true}, Hex(0xFFFFFF), Align::kCenter);
      break;
    case Icon::kRun:
      Window16(cr, 3, 8, 22, 18);
      Line(cr, 12, 22, 28, 6, Hex(0x2E8B3E), 3);
      break;
    case Icon::kLogOff:
      Grad(cr, 4, 4, 24, 24, Hex(0xF8C848), Hex(0xE09010), Hex(0x905000), 5);
      Text(cr, "→", {4, 4, 24, 24}, Font{Face::kSans, 16, true}, Hex(0xFFFFFF), Align::kCenter);
      break;
    case Icon::kShutDown:
      Grad(cr, 4, 4, 24, 24, Hex(0xF07050), Hex(0xC02810), Hex(0x801000), 5);
      SetColor(cr, Hex(0xFFFFFF));
      cairo_set_line_width(cr, 2.5);
      cairo_arc(cr, 16, 17, 6.5, -M_PI / 2 + 0.6, 3 * M_PI / 2 - 0.6);
      cairo_stroke(cr);
      Line(cr, 16, 8, 16, 16, Hex(0xFFFFFF), 2.5);
      break;
    case Icon::kMusic:
      Folder(cr, Hex(0xFFE98F), Hex(0xF0C850));
      Circle(cr, 13, 23, 2.5, Hex(0x2050A0), Hex(0x2050A0));
      Line(cr, 15.2, 23, 15.2, 13, Hex(0x2050A0), 1.5);
      Line(cr, 15.2, 13, 21, 12, Hex(0x2050A0), 2);
      break;
    case Icon::kPictures:
      Folder(cr, Hex(0xFFE98F), Hex(0xF0C850));
      Grad(cr, 10, 15, 14, 10, Hex(0x9FD0FF), Hex(0x50A040), Hex(0x606060));
      break;
    case Icon::kRecent:
      Folder(cr, Hex(0xFFE98F), Hex(0xF0C850));
      Circle(cr, 21, 21, 6, Hex(0xFFFFFF), Hex(0x3060A0));
      Line(cr, 21, 21, 21, 17, Hex(0x202020), 1.2);
      Line(cr, 21, 21, 24, 22, Hex(0x202020), 1.2);
      break;
    case Icon::kExplorer:
      Folder(cr, Hex(0xFFE98F), Hex(0xF0C850));
      Circle(cr, 21, 19, 5, Hex(0xD8ECFF), Hex(0x305080));
      Line(cr, 24, 22, 29, 28, Hex(0x604020), 2.5);
      break;
    case Icon::kMediaPlayer:
      Circle(cr, 16, 16, 13, Hex(0xF08020), Hex(0x904010));
      cairo_move_to(cr, 12, 9);
      cairo_line_to(cr, 23, 16);
      cairo_line_to(cr, 12, 23);
      cairo_close_path(cr);
      SetColor(cr, Hex(0xFFFFFF));
      cairo_fill(cr);
      break;
    case Icon::kWarning:
      cairo_move_to(cr, 16, 2);
      cairo_line_to(cr, 30, 28);
      cairo_line_to(cr, 2, 28);
      cairo_close_path(cr);
      SetColor(cr, Hex(0xF8D030));
      cairo_fill_preserve(cr);
      SetColor(cr, Hex(0x806000));
      cairo_stroke(cr);
      Text(cr, "!", {2, 8, 28, 20}, Font{Face::kSans, 16, true}, Hex(0x000000), Align::kCenter);
      break;
    case Icon::kQuestion:
      Circle(cr, 16, 16, 13, Hex(0xFFFFFF), Hex(0x1A4C94));
      Text(cr, "?", {3, 3, 26, 26}, Font{Face::kSans, 18, true}, Hex(0x1A4C94), Align::kCenter);
      break;
    case Icon::kInformation:
      Circle(cr, 16, 16, 13, Hex(0xFFFFFF), Hex(0x1A4C94));
      Text(cr, "i", {3, 3, 26, 26}, Font{Face::kSerif, 18, true}, Hex(0x1A4C94), Align::kCenter);
      break;
  }
}

}  // namespace

void DrawIcon(cairo_t* cr, Icon icon, double x, double y, double size, bool selected) {
  cairo_save(cr);
  cairo_push_group(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, size / 32.0, size / 32.0);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_new_path(cr);
  Body(cr, icon);
  if (selected) {
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    SetColor(cr, Hex(0x316AC5), 0.45);
    cairo_paint(cr);
  }
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
  cairo_restore(cr);
}

void DrawShortcutArrow(cairo_t* cr, double x, double y, double size) {
  double s = size / 32.0;
  cairo_save(cr);
  cairo_translate(cr, x, y + size - 11 * s);
  cairo_scale(cr, s, s);
  Rect(cr, 0.5, 0.5, 10, 10, Hex(0xFFFFFF), Hex(0x404040));
  SetColor(cr, Hex(0x000000));
  cairo_set_line_width(cr, 1.6);
  cairo_move_to(cr, 3, 9);
  cairo_curve_to(cr, 3, 5, 5, 4, 8, 4);
  cairo_stroke(cr);
  cairo_move_to(cr, 6, 1.5);
  cairo_line_to(cr, 9, 4);
  cairo_line_to(cr, 6, 6.5);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace xpexam::bankgen
