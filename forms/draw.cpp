#include "forms/draw.h"

#include <algorithm>

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

void DrawWindowFrame(Painter& p, int w, int h, int top, const std::string& caption, bool active) {
  const Color frame = active ? ResolveColor(kSysActiveCaption) : Rgb(122, 150, 223);
  p.FillRect({0, 0, w, top}, frame);
  p.FillRect({0, 0, 3, h}, frame);
  p.FillRect({w - 3, 0, 3, h}, frame);
  p.FillRect({0, h - 3, w, 3}, frame);
  TextStyle style;
  style.font.bold = true;
  style.color = Rgb(255, 255, 255);
  style.single_line = true;
  p.DrawText(caption, style, {6, 3, w - 40, top - 3});
  Rect box = CloseBoxRect(w);
  p.FillRect(box, Rgb(225, 85, 50));
  p.StrokeRect(box, Rgb(255, 255, 255), 1);
  p.DrawLine(box.x + 6, box.y + 6, box.x + box.w - 7, box.y + box.h - 7, Rgb(255, 255, 255), 2);
  p.DrawLine(box.x + box.w - 7, box.y + 6, box.x + 6, box.y + box.h - 7, Rgb(255, 255, 255), 2);
}

}  // namespace xpexam::forms
