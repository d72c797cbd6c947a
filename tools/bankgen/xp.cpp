#include "tools/bankgen/xp.h"

#include <algorithm>
#include <cmath>

namespace xpexam::bankgen::xp {
namespace {

void Stops(cairo_pattern_t* p, std::initializer_list<std::pair<double, Rgb>> stops) {
  for (auto& [t, c] : stops) cairo_pattern_add_color_stop_rgb(p, t, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

void TitleGradient(cairo_t* cr, const Box& b, bool active, bool rounded) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, b.y, 0, b.Bottom());
  if (active)
    Stops(p, {{0, Hex(0x3D8BFF)}, {0.1, Hex(0x0A5FF2)}, {0.45, Hex(0x0055E8)}, {0.8, Hex(0x004BDD)},
              {1, Hex(0x003FC4)}});
  else
    Stops(p, {{0, Hex(0xA8C4F8)}, {0.1, Hex(0x8AAEF0)}, {0.5, Hex(0x7D9FE8)}, {1, Hex(0x6F8FD8)}});
  cairo_set_source(cr, p);
  if (rounded) {
    double r = 7;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, b.x, b.Bottom());
    cairo_line_to(cr, b.x, b.y + r);
    cairo_arc(cr, b.x + r, b.y + r, r, M_PI, 3 * M_PI / 2);
    cairo_line_to(cr, b.Right() - r, b.y);
    cairo_arc(cr, b.Right() - r, b.y + r, r, -M_PI / 2, 0);
    cairo_line_to(cr, b.Right(), b.Bottom());
    cairo_close_path(cr);
  } else {
    cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  }
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void CaptionButton(cairo_t* cr, const Box& b, int kind, bool active) {
  // kind 0 close, 1 maximise, 2 minimise, 3 help, 4 restore
  cairo_pattern_t* p = cairo_pattern_create_linear(b.x, b.y, b.Right(), b.Bottom());
  if (kind == 0)
    Stops(p, {{0, active ? Hex(0xF09B80) : Hex(0xD8A8A0)}, {1, active ? Hex(0xC43C16) : Hex(0xB07060)}});
  else
    Stops(p, {{0, active ? Hex(0x6CA4FF) : Hex(0xB0C8F8)}, {1, active ? Hex(0x1657E0) : Hex(0x7D9FE8)}});
  RoundedPath(cr, b.x + 0.5, b.y + 0.5, b.w - 1, b.h - 1, 3);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, kWhite);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  double cx = b.x + b.w / 2.0, cy = b.y + b.h / 2.0;
  switch (kind) {
    case 0:
      Line(cr, cx - 4.5, cy - 4.5, cx + 4.5, cy + 4.5, kWhite, 2.2);
      Line(cr, cx + 4.5, cy - 4.5, cx - 4.5, cy + 4.5, kWhite, 2.2);
      break;
    case 1:
      StrokeBox(cr, {b.x + 5, b.y + 5, b.w - 10, b.h - 10}, kWhite, 1);
      FillBox(cr, {b.x + 5, b.y + 5, b.w - 10, 3}, kWhite);
      break;
    case 4:
      StrokeBox(cr, {b.x + 8, b.y + 4, 9, 8}, kWhite, 1);
      FillBox(cr, {b.x + 8, b.y + 4, 9, 2}, kWhite);
      FillBox(cr, {b.x + 4, b.y + 8, 9, 9}, Hex(0x2A6AF0));
      StrokeBox(cr, {b.x + 4, b.y + 8, 9, 9}, kWhite, 1);
      FillBox(cr, {b.x + 4, b.y + 8, 9, 2}, kWhite);
      break;
    case 2:
      FillBox(cr, {b.x + 5, b.Bottom() - 8, 7, 3}, kWhite);
      break;
    case 3:
      Text(cr, "?", b, Font{Face::kSans, 13, true}, kWhite, Align::kCenter);
      break;
  }
}

}  // namespace

WindowParts WindowLayout(const Box& o, bool maximized, Buttons buttons) {
  WindowParts w;
  w.outer = o;
  if (maximized) {
    w.title = {o.x, o.y, o.w, 27};
    w.client = {o.x, o.y + 27, o.w, o.h - 27};
  } else {
    w.title = {o.x, o.y, o.w, 30};
    w.client = {o.x + 4, o.y + 30, o.w - 8, o.h - 34};
  }
  int top = maximized ? o.y + 3 : o.y + 5;
  w.close = {o.Right() - (maximized ? 24 : 27), top, 21, 21};
  w.maximize = w.close.Offset(-23, 0);
  w.minimize = w.maximize.Offset(-23, 0);
  if (buttons == Buttons::kCloseOnly || buttons == Buttons::kNone) w.maximize = w.minimize = Box{};
  if (buttons == Buttons::kHelpClose) w.minimize = Box{};
  if (buttons == Buttons::kNone) w.close = Box{};
  return w;
}

WindowParts Window(cairo_t* cr, const Box& o, const std::string& title, Icon icon, bool active, bool maximized,
                   Buttons buttons) {
  WindowParts w = WindowLayout(o, maximized, buttons);
  if (!maximized) {
    Rgb border = active ? Hex(0x0055E5) : Hex(0x7D9FE8);
    FillBox(cr, o, border);
    StrokeBox(cr, o, active ? Hex(0x0021A8) : Hex(0x5A7EDC), 1);
  }
  TitleGradient(cr, w.title, active, !maximized);
  FillBox(cr, w.client, kFace);
  int tx = w.title.x + 6;
  DrawIcon(cr, icon, tx, w.title.y + (w.title.h - 16) / 2, 16);
  Font f = BoldFont(13);
  Box text{tx + 22, w.title.y, w.title.w - 110, w.title.h};
  Text(cr, title, text.Offset(1, 1), f, active ? Hex(0x0A1E6A) : Hex(0x6A80C8));
  Text(cr, title, text, f, kWhite);
  if (buttons != Buttons::kNone) CaptionButton(cr, w.close, 0, active);
  if (buttons == Buttons::kAll) {
    CaptionButton(cr, w.maximize, maximized ? 4 : 1, active);
    CaptionButton(cr, w.minimize, 2, active);
  }
  if (buttons == Buttons::kHelpClose) CaptionButton(cr, w.maximize, 3, active);
  return w;
}

void PushButton(cairo_t* cr, const Box& b, const std::string& label, ButtonState state) {
  bool disabled = state == ButtonState::kDisabled;
  cairo_pattern_t* p = cairo_pattern_create_linear(0, b.y, 0, b.Bottom());
  if (state == ButtonState::kPressed)
    Stops(p, {{0, Hex(0xE0DFD8)}, {1, Hex(0xF2F1EC)}});
  else
    Stops(p, {{0, Hex(0xFFFFFF)}, {0.6, Hex(0xF4F3EE)}, {1, Hex(0xD8D3C8)}});
  RoundedPath(cr, b.x + 0.5, b.y + 0.5, b.w - 1, b.h - 1, 3);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, disabled ? Hex(0xC9C7BA) : Hex(0x003C74));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  if (state == ButtonState::kDefault || state == ButtonState::kHot) {
    SetColor(cr, state == ButtonState::kHot ? Hex(0xF8B330) : Hex(0x7BA4E3));
    cairo_set_line_width(cr, 2);
    RoundedPath(cr, b.x + 2, b.y + 2, b.w - 4, b.h - 4, 2);
    cairo_stroke(cr);
  }
  Box t = state == ButtonState::kPressed ? b.Offset(1, 1) : b;
  Text(cr, label, t, UiFont(12), disabled ? kGreyText : kBlack, Align::kCenter);
}

Box CheckBoxLayout(int x, int y, const std::string& label) {
  return {x, y, 18 + TextWidth(label, UiFont(12)) + 2, 15};
}

Box CheckBox(cairo_t* cr, int x, int y, const std::string& label, bool checked, bool enabled) {
  Box m{x, y + 1, 13, 13};
  VGradient(cr, m.Inset(1), Hex(0xDCDCD7), Hex(0xFFFFFF));
  StrokeBox(cr, m, enabled ? Hex(0x1C5180) : Hex(0xCAC8BB));
  if (checked) {
    SetColor(cr, enabled ? Hex(0x21A121) : kGreyText);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, x + 3, y + 7);
    cairo_line_to(cr, x + 5.5, y + 10);
    cairo_line_to(cr, x + 10, y + 4);
    cairo_stroke(cr);
  }
  TextAt(cr, label, x + 18, y + 1, UiFont(12), enabled ? kBlack : kGreyText);
  return CheckBoxLayout(x, y, label);
}

Box Radio(cairo_t* cr, int x, int y, const std::string& label, bool selected) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + 6.5, y + 7.5, 6, 0, 2 * M_PI);
  SetColor(cr, kWhite);
  cairo_fill_preserve(cr);
  SetColor(cr, Hex(0x1C5180));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  if (selected) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + 6.5, y + 7.5, 3, 0, 2 * M_PI);
    SetColor(cr, Hex(0x21A121));
    cairo_fill(cr);
  }
  TextAt(cr, label, x + 18, y + 1, UiFont(12), kBlack);
  return CheckBoxLayout(x, y, label);
}

void TextField(cairo_t* cr, const Box& b, const std::string& text, bool selected_text, bool enabled) {
  FillBox(cr, b, enabled ? kWhite : kFace);
  StrokeBox(cr, b, kFieldEdge);
  if (text.empty()) return;
  int tw = TextWidth(text, UiFont(12));
  if (selected_text) FillBox(cr, {b.x + 3, b.y + 2, tw + 1, b.h - 4}, kSelection);
  Text(cr, text, {b.x + 3, b.y, b.w - 5, b.h}, UiFont(12), selected_text ? kWhite : (enabled ? kBlack : kGreyText));
}

void ComboBox(cairo_t* cr, const Box& b, const std::string& text, Icon icon, bool with_icon) {
  FillBox(cr, b, kWhite);
  StrokeBox(cr, b, kFieldEdge);
  int tx = b.x + 3;
  if (with_icon) {
    DrawIcon(cr, icon, b.x + 3, b.y + (b.h - 16) / 2, 16);
    tx += 20;
  }
  Text(cr, text, {tx, b.y, b.w - (tx - b.x) - 20, b.h}, UiFont(12), kBlack);
  Box btn{b.Right() - 18, b.y + 1, 17, b.h - 2};
  VGradient(cr, btn, Hex(0xC1D3FB), Hex(0x9BB7F2));
  StrokeBox(cr, btn, Hex(0xB8CBF5));
  SetColor(cr, Hex(0x4D6185));
  double cx = btn.x + btn.w / 2.0, cy = btn.y + btn.h / 2.0;
  cairo_move_to(cr, cx - 4, cy - 2);
  cairo_line_to(cr, cx, cy + 2);
  cairo_line_to(cr, cx + 4, cy - 2);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void ListBox(cairo_t* cr, const Box& b, const std::vector<std::string>& items, int selected, int row_h) {
  FillBox(cr, b, kWhite);
  StrokeBox(cr, b, kFieldEdge);
  for (size_t i = 0; i < items.size(); ++i) {
    Box r{b.x + 2, b.y + 2 + static_cast<int>(i) * row_h, b.w - 4, row_h};
    if (r.Bottom() > b.Bottom() - 1) break;
    bool sel = static_cast<int>(i) == selected;
    if (sel) FillBox(cr, r, kSelection);
    Text(cr, items[i], {r.x + 2, r.y, r.w - 4, r.h}, UiFont(12), sel ? kWhite : kBlack);
  }
}

void GroupBox(cairo_t* cr, const Box& b, const std::string& title) {
  SetColor(cr, Hex(0xD0D0BF));
  cairo_set_line_width(cr, 1);
  RoundedPath(cr, b.x + 0.5, b.y + 6.5, b.w - 1, b.h - 7, 3);
  cairo_stroke(cr);
  int tw = TextWidth(title, UiFont(12));
  FillBox(cr, {b.x + 7, b.y, tw + 4, 13}, kFace);
  TextAt(cr, title, b.x + 9, b.y, UiFont(12), Hex(0x0046D5));
}

void Label(cairo_t* cr, int x, int y, const std::string& text, Rgb color) { TextAt(cr, text, x, y, UiFont(12), color); }

// Fills the current thumb outline with its silver gradient and strokes its blue edge.
static void FillThumb(cairo_t* cr, cairo_pattern_t* p) {
  Stops(p, {{0, Hex(0xFFFFFF)}, {1, Hex(0xD6D3C9)}});
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, Hex(0x1C5180));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void HThumb(cairo_t* cr, int x, int y) {
  cairo_move_to(cr, x + 0.5, y + 0.5);
  cairo_line_to(cr, x + 10.5, y + 0.5);
  cairo_line_to(cr, x + 10.5, y + 15.5);
  cairo_line_to(cr, x + 5.5, y + 20.5);
  cairo_line_to(cr, x + 0.5, y + 15.5);
  cairo_close_path(cr);
  FillThumb(cr, cairo_pattern_create_linear(x, 0, x + 11, 0));
  HLine(cr, x + 1, x + 9, y + 1, Hex(0x21A121));
  HLine(cr, x + 1, x + 9, y + 2, Hex(0x5FD05F));
}

void VThumb(cairo_t* cr, int x, int y) {
  cairo_move_to(cr, x + 0.5, y + 0.5);
  cairo_line_to(cr, x + 15.5, y + 0.5);
  cairo_line_to(cr, x + 20.5, y + 5.5);
  cairo_line_to(cr, x + 15.5, y + 10.5);
  cairo_line_to(cr, x + 0.5, y + 10.5);
  cairo_close_path(cr);
  FillThumb(cr, cairo_pattern_create_linear(0, y, 0, y + 11));
  VLine(cr, x + 1, y + 1, y + 9, Hex(0x21A121));
  VLine(cr, x + 2, y + 1, y + 9, Hex(0x5FD05F));
}

Box HSlider(cairo_t* cr, const Box& track, int ticks, int thumb_x) {
  int cy = track.y + 8;
  FillBox(cr, {track.x, cy, track.w, 4}, Hex(0xFFFFFF));
  StrokeBox(cr, {track.x, cy, track.w, 4}, Hex(0x9D9C99));
  for (int i = 0; i < ticks; ++i) {
    int tx = track.x + 5 + (track.w - 10) * i / std::max(1, ticks - 1);
    VLine(cr, tx, track.y + 23, track.y + 26, Hex(0x808080));
  }
  Box thumb{thumb_x - 5, track.y, 11, 21};
  if (thumb_x >= 0) HThumb(cr, thumb.x, thumb.y);
  return thumb;
}

Box VSlider(cairo_t* cr, const Box& track, int ticks, int thumb_y) {
  int cx = track.x + 8;
  FillBox(cr, {cx, track.y, 4, track.h}, Hex(0xFFFFFF));
  StrokeBox(cr, {cx, track.y, 4, track.h}, Hex(0x9D9C99));
  for (int i = 0; i < ticks; ++i) {
    int ty = track.y + 5 + (track.h - 10) * i / std::max(1, ticks - 1);
    HLine(cr, track.x + 23, track.x + 26, ty, Hex(0x808080));
  }
  Box thumb{track.x, thumb_y - 5, 21, 11};
  if (thumb_y >= 0) VThumb(cr, thumb.x, thumb.y);
  return thumb;
}

std::vector<Box> Tabs(cairo_t* cr, const Box& b, int row_top, const std::vector<std::string>& labels,
                      const std::vector<int>& lefts, int selected) {
  int tab_h = 20;
  Box page{b.x, b.y + row_top + tab_h, b.w, b.h - row_top - tab_h};
  FillBox(cr, page, Hex(0xFCFCFE));
  StrokeBox(cr, page, Hex(0x919B9C));
  std::vector<Box> out;
  for (size_t i = 0; i < labels.size(); ++i) {
    Box t{b.x + lefts[i], b.y + row_top, lefts[i + 1] - lefts[i], tab_h};
    out.push_back(t);
  }
  for (size_t i = 0; i < labels.size(); ++i) {
    if (static_cast<int>(i) == selected) continue;
    Box t = out[i];
    Box face{t.x + 1, t.y + 2, t.w - 1, t.h - 2};
    VGradient(cr, face, Hex(0xFFFFFF), Hex(0xECEBE6));
    SetColor(cr, Hex(0x919B9C));
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, face.x + 0.5, face.Bottom());
    cairo_line_to(cr, face.x + 0.5, face.y + 2.5);
    cairo_line_to(cr, face.x + 2.5, face.y + 0.5);
    cairo_line_to(cr, face.Right() - 2.5, face.y + 0.5);
    cairo_line_to(cr, face.Right() - 0.5, face.y + 2.5);
    cairo_line_to(cr, face.Right() - 0.5, face.Bottom());
    cairo_stroke(cr);
    Text(cr, labels[i], face.Offset(0, 1), UiFont(12), kBlack, Align::kCenter);
  }
  if (selected >= 0 && selected < static_cast<int>(labels.size())) {
    Box t = out[selected];
    Box face{t.x - 1, t.y, t.w + 2, t.h + 1};
    FillBox(cr, face, Hex(0xFCFCFE));
    SetColor(cr, Hex(0x919B9C));
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, face.x + 0.5, face.Bottom());
    cairo_line_to(cr, face.x + 0.5, face.y + 2.5);
    cairo_line_to(cr, face.Right() - 0.5, face.y + 2.5);
    cairo_line_to(cr, face.Right() - 0.5, face.Bottom());
    cairo_stroke(cr);
    FillBox(cr, {face.x + 1, face.y, face.w - 2, 3}, Hex(0xFFC83C));
    HLine(cr, face.x + 2, face.Right() - 3, face.y, Hex(0xE68B2C));
    Text(cr, labels[selected], face.Offset(0, 1), UiFont(12), kBlack, Align::kCenter);
  }
  return out;
}

Box MenuTitleSlot(int menu) { return {26 + (menu - 1) * 58, 28, 58, 18}; }

std::vector<Box> MenuBar(cairo_t* cr, int width, const std::vector<std::string>& titles) {
  Box bar{0, kMenuBarTop, width, kMenuBarHeight};
  FillBox(cr, bar, kFace);
  HLine(cr, 0, width - 1, bar.Bottom() - 1, Hex(0xD8D2BD));
  HLine(cr, 0, width - 1, bar.y, kWhite);
  std::vector<Box> out;
  for (size_t i = 0; i < titles.size(); ++i) {
    Box slot = MenuTitleSlot(static_cast<int>(i) + 1);
    Text(cr, titles[i], slot, UiFont(12), kBlack, Align::kCenter);
    out.push_back(slot);
  }
  // the flag at the far right, as folder windows show it
  Box flag{width - 38, bar.y + 1, 36, bar.h - 2};
  FillBox(cr, flag, kWhite);
  FillBox(cr, {flag.x + 11, flag.y + 3, 6, 6}, Hex(0xF25022));
  FillBox(cr, {flag.x + 18, flag.y + 3, 6, 6}, Hex(0x7FBA00));
  FillBox(cr, {flag.x + 11, flag.y + 10, 6, 6}, Hex(0x00A4EF));
  FillBox(cr, {flag.x + 18, flag.y + 10, 6, 6}, Hex(0xFFB900));
  return out;
}

std::vector<MenuItem> Items(const std::vector<std::string>& texts) {
  std::vector<MenuItem> out;
  for (std::string s : texts) {
    MenuItem m;
    if (s == "-") {
      m.separator = true;
    } else {
      while (!s.empty() && (s[0] == '*' || s[0] == '!' || s[0] == '~')) {
        if (s[0] == '*') m.checked = true;
        if (s[0] == '!') m.bold = true;
        if (s[0] == '~') m.disabled = true;
        s.erase(0, 1);
      }
      if (!s.empty() && s.back() == '>') {
        m.cascade = true;
        s.pop_back();
      }
      m.text = s;
    }
    out.push_back(m);
  }
  return out;
}

std::vector<MenuItem> IconItems(const std::vector<std::pair<Icon, std::string>>& texts) {
  std::vector<MenuItem> out;
  for (const auto& [icon, text] : texts) {
    MenuItem m = Items({text}).front();
    if (!m.separator) {
      m.has_icon = true;
      m.icon = icon;
    }
    out.push_back(m);
  }
  return out;
}

namespace {
constexpr int kRowH = 20;
constexpr int kSepH = 7;
}  // namespace

int MenuWidth(const std::vector<MenuItem>& items) {
  int w = 0;
  for (auto& m : items) w = std::max(w, TextWidth(m.text, UiFont(12)));
  return w + 22 + 40;
}

int MenuHeight(const std::vector<MenuItem>& items) {
  int h = 6;
  for (auto& m : items) h += m.separator ? kSepH : kRowH;
  return h;
}

std::vector<Box> PopupMenuLayout(int x, int y, const std::vector<MenuItem>& items, int width) {
  if (width <= 0) width = MenuWidth(items);
  std::vector<Box> rows;
  int cy = y + 3;
  for (auto& m : items) {
    int h = m.separator ? kSepH : kRowH;
    rows.push_back(m.separator ? Box{x + 3, cy, width - 6, 0} : Box{x + 3, cy, width - 6, h});
    cy += h;
  }
  return rows;
}

std::vector<Box> PopupMenu(cairo_t* cr, int x, int y, const std::vector<MenuItem>& items, int highlight, int width) {
  if (width <= 0) width = MenuWidth(items);
  int h = MenuHeight(items);
  FillBox(cr, {x + 3, y + 3, width, h}, Hex(0x000000), 0.18);
  FillBox(cr, {x, y, width, h}, kWhite);
  StrokeBox(cr, {x, y, width, h}, Hex(0xACA899));
  auto rows = PopupMenuLayout(x, y, items, width);
  for (size_t i = 0; i < items.size(); ++i) {
    const MenuItem& m = items[i];
    Box r = rows[i];
    if (m.separator) {
      HLine(cr, r.x + 1, r.Right() - 2, r.y + 3, Hex(0xACA899));
      continue;
    }
    bool hi = static_cast<int>(i) == highlight;
    if (hi) FillBox(cr, r, kSelection);
    Rgb fg = m.disabled ? kGreyText : (hi ? kWhite : kBlack);
    if (m.checked) Text(cr, "√", {r.x + 2, r.y, 16, r.h}, UiFont(12), fg, Align::kCenter);
    if (m.has_icon) DrawIcon(cr, m.icon, r.x + 2, r.y + 2, 16);
    Text(cr, m.text, {r.x + 20, r.y, r.w - 36, r.h}, m.bold ? Font{Face::kHei, 12, true} : UiFont(12), fg);
    if (m.cascade) {
      SetColor(cr, fg);
      double ax = r.Right() - 10, ay = r.y + r.h / 2.0;
      cairo_move_to(cr, ax - 2, ay - 4);
      cairo_line_to(cr, ax + 2, ay);
      cairo_line_to(cr, ax - 2, ay + 4);
      cairo_close_path(cr);
      cairo_fill(cr);
    }
  }
  return rows;
}

void Wallpaper(cairo_t* cr) {
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 420);
  Stops(sky, {{0, Hex(0x2A63D0)}, {0.55, Hex(0x5D95E8)}, {1, Hex(0xB9D5F5)}});
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);
  // clouds
  auto cloud = [cr](double cx, double cy, double rx, double ry, double a) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, a);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
  };
  cloud(560, 120, 170, 45, 0.55);
  cloud(660, 90, 120, 35, 0.5);
  cloud(300, 200, 200, 40, 0.35);
  cloud(120, 150, 110, 28, 0.35);
  cloud(480, 250, 150, 30, 0.3);
  // hill
  cairo_move_to(cr, 0, 395);
  cairo_curve_to(cr, 180, 330, 380, 300, 560, 340);
  cairo_curve_to(cr, 680, 365, 760, 390, 800, 400);
  cairo_line_to(cr, 800, 600);
  cairo_line_to(cr, 0, 600);
  cairo_close_path(cr);
  cairo_pattern_t* hill = cairo_pattern_create_linear(0, 300, 0, 600);
  Stops(hill, {{0, Hex(0x8CCB45)}, {0.35, Hex(0x5DA52A)}, {1, Hex(0x2F7414)}});
  cairo_set_source(cr, hill);
  cairo_fill(cr);
  cairo_pattern_destroy(hill);
  // a lighter swell on the hill
  cairo_move_to(cr, 0, 470);
  cairo_curve_to(cr, 250, 420, 520, 430, 800, 500);
  cairo_line_to(cr, 800, 600);
  cairo_line_to(cr, 0, 600);
  cairo_close_path(cr);
  SetColor(cr, Hex(0x3E8A1C), 0.45);
  cairo_fill(cr);
}

TaskbarParts TaskbarLayout(size_t count) {
  TaskbarParts t;
  t.start = {0, kTaskbarTop, 98, 30};
  t.quick_launch = {104, kTaskbarTop + 5, 66, 20};
  t.tray = {676, kTaskbarTop, 124, 30};
  t.clock = {752, kTaskbarTop + 4, 44, 22};
  int w = count > 3 ? 124 : 160;
  for (size_t i = 0; i < count; ++i) t.buttons.push_back({176 + static_cast<int>(i) * (w + 3), kTaskbarTop + 3, w, 24});
  return t;
}

TaskbarParts Taskbar(cairo_t* cr, const std::vector<TaskButton>& buttons, bool start_pressed, const std::string& time) {
  TaskbarParts t = TaskbarLayout(buttons.size());
  Box bar{0, kTaskbarTop, kScreenW, 30};
  cairo_pattern_t* p = cairo_pattern_create_linear(0, bar.y, 0, bar.Bottom());
  Stops(p, {{0, Hex(0x3D7EEF)}, {0.12, Hex(0x2B6BE5)}, {0.5, Hex(0x245EDB)}, {0.9, Hex(0x1D54D0)}, {1, Hex(0x1941A5)}});
  cairo_set_source(cr, p);
  cairo_rectangle(cr, bar.x, bar.y, bar.w, bar.h);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // start button
  cairo_pattern_t* g = cairo_pattern_create_linear(0, bar.y, 0, bar.Bottom());
  if (start_pressed)
    Stops(g, {{0, Hex(0x2E8A2E)}, {1, Hex(0x3FA83F)}});
  else
    Stops(g, {{0, Hex(0x5DB85D)}, {0.2, Hex(0x3CA03C)}, {0.8, Hex(0x2F8A2F)}, {1, Hex(0x2A7A2A)}});
  cairo_move_to(cr, 0, bar.y);
  cairo_line_to(cr, t.start.Right() - 12, bar.y);
  cairo_curve_to(cr, t.start.Right(), bar.y, t.start.Right(), bar.Bottom(), t.start.Right() - 12, bar.Bottom());
  cairo_line_to(cr, 0, bar.Bottom());
  cairo_close_path(cr);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  int fx = 8, fy = bar.y + 7;
  FillBox(cr, {fx, fy, 7, 7}, Hex(0xF25022));
  FillBox(cr, {fx + 8, fy, 7, 7}, Hex(0x7FBA00));
  FillBox(cr, {fx, fy + 8, 7, 7}, Hex(0x00A4EF));
  FillBox(cr, {fx + 8, fy + 8, 7, 7}, Hex(0xFFB900));
  Font sf{Face::kHei, 17, true, true};
  TextAt(cr, "开始", 31, bar.y + 5, sf, Hex(0x1A5A1A));
  TextAt(cr, "开始", 30, bar.y + 4, sf, kWhite);
  // quick launch
  DrawIcon(cr, Icon::kInternetExplorer, t.quick_launch.x, t.quick_launch.y + 1, 18);
  DrawIcon(cr, Icon::kDisplay, t.quick_launch.x + 22, t.quick_launch.y + 1, 18);
  DrawIcon(cr, Icon::kMediaPlayer, t.quick_launch.x + 44, t.quick_launch.y + 1, 18);
  VLine(cr, 172, bar.y + 4, bar.Bottom() - 5, Hex(0x1A48B8));
  // window buttons
  for (size_t i = 0; i < buttons.size(); ++i) {
    Box b = t.buttons[i];
    cairo_pattern_t* q = cairo_pattern_create_linear(0, b.y, 0, b.Bottom());
    if (buttons[i].active)
      Stops(q, {{0, Hex(0x1E4FB4)}, {1, Hex(0x1A47A8)}});
    else
      Stops(q, {{0, Hex(0x5A9BFB)}, {0.5, Hex(0x3C81F3)}, {1, Hex(0x2F6FE6)}});
    RoundedPath(cr, b.x + 0.5, b.y + 0.5, b.w - 1, b.h - 1, 3);
    cairo_set_source(cr, q);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(q);
    SetColor(cr, Hex(0x1A3C8C));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    DrawIcon(cr, buttons[i].icon, b.x + 5, b.y + 4, 16);
    // Like XP, a long window title ends in "..." on its taskbar button.
    Text(cr, Ellipsized(buttons[i].label, b.w - 28, UiFont(12)), {b.x + 25, b.y, b.w - 28, b.h}, UiFont(12), kWhite);
  }
  // tray
  cairo_pattern_t* tr = cairo_pattern_create_linear(0, bar.y, 0, bar.Bottom());
  Stops(tr, {{0, Hex(0x1C9DF0)}, {0.2, Hex(0x0C8EEB)}, {1, Hex(0x0B77D0)}});
  cairo_set_source(cr, tr);
  cairo_rectangle(cr, t.tray.x, t.tray.y, t.tray.w, t.tray.h);
  cairo_fill(cr);
  cairo_pattern_destroy(tr);
  VLine(cr, t.tray.x, bar.y, bar.Bottom(), Hex(0x0A5AB0));
  Box ime{t.tray.x + 8, bar.y + 7, 18, 16};
  FillBox(cr, ime, Hex(0x1A4CB0));
  Text(cr, "中", ime, UiFont(12), kWhite, Align::kCenter);
  DrawIcon(cr, Icon::kSound, t.tray.x + 32, bar.y + 7, 16);
  DrawIcon(cr, Icon::kNetwork, t.tray.x + 52, bar.y + 7, 16);
  Text(cr, time, t.clock, UiFont(12), kWhite, Align::kCenter);
  return t;
}

IconCell IconCellLayout(int x, int y, const std::string& label, int cell_w) {
  IconCell c;
  c.icon = {x + (cell_w - 32) / 2, y, 32, 32};
  int tw = TextWidth(label, UiFont(12));
  int lines = tw + 4 > cell_w ? 2 : 1;
  int lw = std::min(cell_w, tw + 4);
  c.label = {x + (cell_w - lw) / 2, y + 35, lw, lines * 14 + 2};
  c.whole = {std::min(c.icon.x, c.label.x), y, std::max(c.icon.Right(), c.label.Right()) - std::min(c.icon.x, c.label.x),
             c.label.Bottom() - y};
  return c;
}

IconCell DesktopIcon(cairo_t* cr, int x, int y, Icon icon, const std::string& label, bool selected, bool shortcut,
                     bool on_wallpaper, int cell_w) {
  IconCell c = IconCellLayout(x, y, label, cell_w);
  DrawIcon(cr, icon, c.icon.x, c.icon.y, 32, selected);
  if (shortcut) DrawShortcutArrow(cr, c.icon.x, c.icon.y, 32);
  Rgb fg = on_wallpaper || selected ? kWhite : kBlack;
  if (selected) FillBox(cr, c.label, kSelection);
  Box t = c.label;
  if (t.h > 20) {
    if (on_wallpaper && !selected)
      TextWrapped(cr, label, t.x + 3, t.y + 2, t.w - 4, UiFont(12), Hex(0x000000), 1, Align::kCenter);
    TextWrapped(cr, label, t.x + 2, t.y + 1, t.w - 4, UiFont(12), fg, 1, Align::kCenter);
  } else {
    if (on_wallpaper && !selected) Text(cr, label, t.Offset(1, 1), UiFont(12), Hex(0x000000), Align::kCenter);
    Text(cr, label, t, UiFont(12), fg, Align::kCenter);
  }
  if (selected && !on_wallpaper) DottedBox(cr, c.label, Hex(0xF0C040));
  return c;
}

std::vector<Box> TaskPaneLayout(const Box& b, const std::vector<PanePanel>& panels) {
  return TaskPane(nullptr, b, panels);
}

std::vector<Box> TaskPane(cairo_t* cr, const Box& b, const std::vector<PanePanel>& panels) {
  if (!cr) {
    std::vector<Box> links;
    int y = b.y + 12;
    for (const auto& panel : panels) {
      int body_y = y + 25, ly = body_y + 7;
      for (const auto& link : panel.links) {
        if (!panel.details)
          links.push_back({b.x + 18, ly, std::min(b.w - 34, TextWidth(link.second, UiFont(12)) + 26), 20});
        ly += 20;
      }
      y = body_y + static_cast<int>(panel.links.size()) * 20 + 14 + 12;
    }
    return links;
  }
  VGradient(cr, b, Hex(0x7BA2E7), Hex(0x6375D6));
  std::vector<Box> links;
  int y = b.y + 12;
  int x = b.x + 12, w = b.w - 24;
  for (const auto& panel : panels) {
    Box head{x, y, w, 25};
    cairo_pattern_t* p = cairo_pattern_create_linear(head.x, 0, head.Right(), 0);
    Stops(p, {{0, Hex(0xFFFFFF)}, {1, Hex(0xC6D3F7)}});
    RoundedPath(cr, head.x, head.y, head.w, head.h + 4, 4);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Text(cr, panel.title, {head.x + 10, head.y, head.w - 36, head.h}, Font{Face::kHei, 12, true}, Hex(0x215DC6));
    cairo_new_sub_path(cr);
    cairo_arc(cr, head.Right() - 13, head.y + 12.5, 8, 0, 2 * M_PI);
    SetColor(cr, kWhite);
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0xB0C0E8));
    cairo_stroke(cr);
    Line(cr, head.Right() - 17, head.y + 13, head.Right() - 13, head.y + 9, Hex(0x215DC6), 1.5);
    Line(cr, head.Right() - 13, head.y + 9, head.Right() - 9, head.y + 13, Hex(0x215DC6), 1.5);
    int rows = static_cast<int>(panel.links.size());
    Box body{x, head.Bottom(), w, rows * 20 + 14};
    FillBox(cr, body, Hex(0xD6DFF7));
    StrokeBox(cr, body, kWhite);
    int ly = body.y + 7;
    for (const auto& [icon, text] : panel.links) {
      if (panel.details) {
        TextAt(cr, text, body.x + 10, ly + 2, UiFont(12), kBlack);
      } else {
        DrawIcon(cr, icon, body.x + 8, ly + 2, 16);
        int tw = TextWidth(text, UiFont(12));
        TextAt(cr, text, body.x + 30, ly + 3, UiFont(12), Hex(0x215DC6));
        links.push_back({body.x + 6, ly, std::min(body.w - 10, tw + 26), 20});
      }
      ly += 20;
    }
    y = body.Bottom() + 12;
  }
  return links;
}

Box GoButton() { return {783, 102, 16, 21}; }

Box ToolbarAndAddress(cairo_t* cr, int width, const std::string& address, Icon icon) {
  Box tb{0, 49, width, 49};
  VGradient(cr, tb, Hex(0xF6F5EE), kFace);
  HLine(cr, 0, width - 1, tb.Bottom() - 1, Hex(0xC8C4B0));
  struct Btn {
    std::string text;
    int kind;
  };
  int x = 6;
  auto arrow = [&](int cx, int cy, bool left, bool enabled) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, 11, 0, 2 * M_PI);
    SetColor(cr, enabled ? Hex(0x3CA83C) : Hex(0xB8B8B8));
    cairo_fill(cr);
    Line(cr, cx - 6, cy, cx + 6, cy, kWhite, 3);
    double t = left ? cx - 6 : cx + 6, d = left ? 5 : -5;
    Line(cr, t, cy, t + d, cy - 5, kWhite, 3);
    Line(cr, t, cy, t + d, cy + 5, kWhite, 3);
  };
  arrow(x + 14, tb.y + 17, true, true);
  TextAt(cr, "后退", x + 6, tb.y + 31, UiFont(12), kBlack);
  x += 40;
  arrow(x + 14, tb.y + 17, false, false);
  x += 36;
  DrawIcon(cr, Icon::kFolderOpen, x, tb.y + 5, 24);
  x += 34;
  VLine(cr, x, tb.y + 6, tb.y + 42, Hex(0xC8C4B0));
  x += 8;
  DrawIcon(cr, Icon::kSearch, x + 4, tb.y + 5, 24);
  TextAt(cr, "搜索", x + 4, tb.y + 31, UiFont(12), kBlack);
  x += 40;
  DrawIcon(cr, Icon::kFolder, x + 4, tb.y + 5, 24);
  TextAt(cr, "文件夹", x, tb.y + 31, UiFont(12), kBlack);
  x += 48;
  VLine(cr, x, tb.y + 6, tb.y + 42, Hex(0xC8C4B0));
  x += 8;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) FillBox(cr, {x + 6 + j * 6, tb.y + 9 + i * 6, 4, 4}, Hex(0x3060B0));
  Box ab{0, 98, width, 27};
  VGradient(cr, ab, Hex(0xF6F5EE), kFace);
  HLine(cr, 0, width - 1, ab.Bottom() - 1, Hex(0xC8C4B0));
  Text(cr, "地址(D)", {120, ab.y, 64, ab.h}, UiFont(12), Hex(0x404040), Align::kRight);
  Box combo{kAddressBox.x - 2, kAddressBox.y - 2, kAddressBox.w + 4, kAddressBox.h + 4};
  FillBox(cr, combo, kWhite);
  StrokeBox(cr, combo, kFieldEdge);
  DrawIcon(cr, icon, kAddressBox.x + 2, kAddressBox.y, 16);
  Text(cr, address, {kAddressBox.x + 22, kAddressBox.y, kAddressBox.w - 44, kAddressBox.h}, UiFont(12), kBlack);
  Box drop{combo.Right() - 18, combo.y + 1, 17, combo.h - 2};
  VGradient(cr, drop, Hex(0xC1D3FB), Hex(0x9BB7F2));
  SetColor(cr, Hex(0x4D6185));
  cairo_move_to(cr, drop.x + 4, drop.y + 8);
  cairo_line_to(cr, drop.x + 8.5, drop.y + 12);
  cairo_line_to(cr, drop.x + 13, drop.y + 8);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  Box go = GoButton();
  cairo_new_sub_path(cr);
  cairo_arc(cr, go.CenterX(), go.CenterY(), 7, 0, 2 * M_PI);
  SetColor(cr, Hex(0x3CA83C));
  cairo_fill(cr);
  Line(cr, go.CenterX() - 4, go.CenterY(), go.CenterX() + 4, go.CenterY(), kWhite, 2);
  Line(cr, go.CenterX() + 4, go.CenterY(), go.CenterX() + 1, go.CenterY() - 3, kWhite, 2);
  Line(cr, go.CenterX() + 4, go.CenterY(), go.CenterX() + 1, go.CenterY() + 3, kWhite, 2);
  return kAddressBox;
}

void StatusBar(cairo_t* cr, const Box& b, const std::string& text) {
  FillBox(cr, b, kFace);
  HLine(cr, b.x, b.Right() - 1, b.y, Hex(0xC8C4B0));
  Text(cr, text, {b.x + 6, b.y, b.w - 12, b.h}, UiFont(12), kBlack);
}

void ToolTip(cairo_t* cr, int x, int y, const std::string& text) {
  int w = TextWidth(text, UiFont(12)) + 8;
  Box b{x, y, w, 19};
  FillBox(cr, b, Hex(0xFFFFE1));
  StrokeBox(cr, b, kBlack);
  Text(cr, text, b, UiFont(12), kBlack, Align::kCenter);
}

void RubberBand(cairo_t* cr, const Box& b) {
  FillBox(cr, b, kSelection, 0.25);
  StrokeBox(cr, b, kSelection);
}

void ArrowPointer(cairo_t* cr, int x, int y) {
  cairo_move_to(cr, x + 0.5, y + 0.5);
  cairo_line_to(cr, x + 0.5, y + 16.5);
  cairo_line_to(cr, x + 4.5, y + 12.5);
  cairo_line_to(cr, x + 7.5, y + 19.5);
  cairo_line_to(cr, x + 9.5, y + 18.5);
  cairo_line_to(cr, x + 6.5, y + 11.5);
  cairo_line_to(cr, x + 11.5, y + 11.5);
  cairo_close_path(cr);
  SetColor(cr, kWhite);
  cairo_fill_preserve(cr);
  SetColor(cr, kBlack);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

}  // namespace xpexam::bankgen::xp
