#include "forms/shape.h"

#include <algorithm>

#include "platform/failure.h"

namespace xpexam::forms {

Shape::Shape(Container& container, std::string name, int index) : Control(container, std::move(name), index) {
  Move(0, 0, 1215, 1215);
}

void Shape::SetShape(int shape) {
  if (shape < 0 || shape > 5) platform::Fail(380, "Invalid property value");
  shape_ = shape;
  Invalidate();
}
void Shape::SetBorderColor(Color c) {
  border_color_ = c;
  Invalidate();
}
void Shape::SetBorderWidth(int width) {
  if (width < 1) platform::Fail(380, "Invalid property value");
  border_width_ = width;
  Invalidate();
}
void Shape::SetBorderStyle(int style) {
  if (style < 0 || style > 6) platform::Fail(380, "Invalid property value");
  border_style_ = style;
  Invalidate();
}
void Shape::SetBackStyle(int style) {
  back_style_ = style;
  Invalidate();
}
void Shape::SetBackColor(Color c) {
  back_color_ = c;
  Invalidate();
}
void Shape::SetFillStyle(int style) {
  fill_style_ = style;
  Invalidate();
}
void Shape::SetFillColor(Color c) {
  fill_color_ = c;
  Invalidate();
}

void Shape::Paint(Painter& p, const Rect& r) {
  Rect box = r;
  if (shape_ == 1 || shape_ == 3 || shape_ == 5) {
    const int side = std::min(r.w, r.h);
    box = {(r.w - side) / 2, (r.h - side) / 2, side, side};
  }
  const bool round = shape_ == 2 || shape_ == 3;
  auto fill = [&](Color c) {
    if (round)
      p.FillEllipse(box, ResolveColor(c));
    else
      p.FillRect(box, ResolveColor(c));
  };
  if (back_style_ == 1) fill(back_color_);
  if (fill_style_ == 0) fill(fill_color_);
  if (border_style_ == 0) return;
  // Wider borders are always solid, as the system draws them.
  const LineStyle style = border_style_ >= 2 && border_style_ <= 5 && border_width_ == 1 ? LineStyle::kDot : LineStyle::kSolid;
  if (round)
    p.StrokeEllipse(box, ResolveColor(border_color_), border_width_, style);
  else
    p.StrokeRect(box, ResolveColor(border_color_), border_width_, style);
}

void Shape::CopyFrom(const Control& other) {
  Control::CopyFrom(other);
  if (auto* o = dynamic_cast<const Shape*>(&other)) {
    shape_ = o->shape_;
    border_color_ = o->border_color_;
    border_width_ = o->border_width_;
    border_style_ = o->border_style_;
    back_style_ = o->back_style_;
    back_color_ = o->back_color_;
    fill_style_ = o->fill_style_;
    fill_color_ = o->fill_color_;
  }
}

}  // namespace xpexam::forms
