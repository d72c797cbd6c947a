#include "forms/shape.h"

#include <algorithm>

#include "platform/failure.h"

namespace xpexam::forms {

Shape::Shape(Container& container, std::string name, int index) : Control(container, std::move(name), index) {
  Move(0, 0, 1215, 1215);
}

void Shape::SetShape(Figure shape) {
  if (const int n = static_cast<int>(shape); n < 0 || n > 5) platform::Fail(380, "Invalid property value");
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
void Shape::SetBorderStyle(Outline style) {
  if (const int n = static_cast<int>(style); n < 0 || n > 6) platform::Fail(380, "Invalid property value");
  border_style_ = style;
  Invalidate();
}
void Shape::SetBackStyle(Background style) {
  back_style_ = style;
  Invalidate();
}
void Shape::SetBackColor(Color c) {
  back_color_ = c;
  Invalidate();
}
void Shape::SetFillStyle(ShapeFill style) {
  fill_style_ = style;
  Invalidate();
}
void Shape::SetFillColor(Color c) {
  fill_color_ = c;
  Invalidate();
}

void Shape::Paint(Painter& p, const Rect& r) {
  Rect box = r;
  if (shape_ == Figure::kSquare || shape_ == Figure::kCircle || shape_ == Figure::kRoundedSquare) {
    const int side = std::min(r.w, r.h);
    box = {(r.w - side) / 2, (r.h - side) / 2, side, side};
  }
  const bool round = shape_ == Figure::kOval || shape_ == Figure::kCircle;
  auto fill = [&](Color c) {
    if (round)
      p.FillEllipse(box, ResolveColor(c));
    else
      p.FillRect(box, ResolveColor(c));
  };
  if (back_style_ == Background::kOpaque) fill(back_color_);
  if (fill_style_ == ShapeFill::kSolid) fill(fill_color_);
  if (border_style_ == Outline::kTransparent) return;
  // Wider borders are always solid, as the system draws them.
  const LineStyle style = DrawnDotted(border_style_) && border_width_ == 1 ? LineStyle::kDot : LineStyle::kSolid;
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
