#include "forms/line.h"

#include <algorithm>

#include "platform/failure.h"

namespace xpexam::forms {

Line::Line(Container& container, std::string name, int index) : Control(container, std::move(name), index) { Place(); }

void Line::SetEnds(double x1, double y1, double x2, double y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  Place();
}

// The control's box encloses the segment and its pen.
void Line::Place() {
  const double pad = PixelsToTwips(border_width_ + 1);
  Move(std::min(x1_, x2_) - pad, std::min(y1_, y2_) - pad, std::abs(x2_ - x1_) + 2 * pad, std::abs(y2_ - y1_) + 2 * pad);
  Invalidate();
}

void Line::SetBorderColor(Color c) {
  border_color_ = c;
  Invalidate();
}
void Line::SetBorderWidth(int width) {
  if (width < 1) platform::Fail(380, "Invalid property value");
  border_width_ = width;
  Place();
}
void Line::SetBorderStyle(Outline style) {
  border_style_ = style;
  Invalidate();
}

void Line::Paint(Painter& p, const Rect&) {
  if (border_style_ == Outline::kTransparent) return;
  const int ox = TwipsToPixels(Left()), oy = TwipsToPixels(Top());
  const LineStyle style = DrawnDotted(border_style_) && border_width_ == 1 ? LineStyle::kDot : LineStyle::kSolid;
  p.DrawLine(TwipsToPixels(x1_) - ox, TwipsToPixels(y1_) - oy, TwipsToPixels(x2_) - ox, TwipsToPixels(y2_) - oy,
             ResolveColor(border_color_), border_width_, style);
}

std::string Line::DumpFields() const {
  Rect c = GetContainer().ClientScreenRect();
  return "x1=" + std::to_string(c.x + TwipsToPixels(x1_)) + " y1=" + std::to_string(c.y + TwipsToPixels(y1_)) +
         " x2=" + std::to_string(c.x + TwipsToPixels(x2_)) + " y2=" + std::to_string(c.y + TwipsToPixels(y2_));
}

void Line::CopyFrom(const Control& other) {
  Control::CopyFrom(other);
  if (auto* o = dynamic_cast<const Line*>(&other)) {
    border_color_ = o->border_color_;
    border_width_ = o->border_width_;
    border_style_ = o->border_style_;
    SetEnds(o->x1_, o->y1_, o->x2_, o->y2_);
  }
}

}  // namespace xpexam::forms
