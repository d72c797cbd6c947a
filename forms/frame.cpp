#include "forms/frame.h"

#include "forms/dump.h"
#include "forms/form.h"

namespace xpexam::forms {

Frame::Frame(Container& container, std::string name, int index) : TextControl(container, std::move(name), index) {
  Move(0, 0, 1815, 1215);
}

void Frame::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Invalidate();
}

void Frame::SetBorderStyle(BoxBorder style) {
  border_style_ = style;
  Invalidate();
}

void Frame::Paint(Painter& p, const Rect& r) {
  p.FillRect(r, ResolveColor(back_color_));
  if (border_style_ == BoxBorder::kNone) return;
  TextStyle s = Style();
  s.access_keys = true;
  s.access_underline = Parent().KeyboardCues();
  TextSize size = MeasureText(caption_, s);
  const int top = size.height / 2;
  const Color shadow = ResolveColor(kSysButtonShadow), light = ResolveColor(kSysButtonHighlight);
  p.StrokeRect({0, top, r.w - 1, r.h - top - 1}, shadow, 1);
  p.StrokeRect({1, top + 1, r.w - 1, r.h - top - 1}, light, 1);
  if (caption_.empty()) return;
  p.FillRect({6, 0, size.width + 4, size.height}, ResolveColor(back_color_));
  p.DrawText(caption_, s, {8, 0, size.width + 1, size.height});
}

std::string Frame::DumpFields() const { return "caption=" + DumpQuote(caption_); }

void Frame::CopyFrom(const Control& other) {
  TextControl::CopyFrom(other);
  if (auto* o = dynamic_cast<const Frame*>(&other)) {
    caption_ = o->caption_;
    border_style_ = o->border_style_;
  }
}

}  // namespace xpexam::forms
