#pragma once
// The shape: a rectangle, square, oval or circle outline (optionally filled) drawn on its
// container. It never takes mouse input.
#include <string>

#include "forms/color.h"
#include "forms/control.h"

namespace xpexam::forms {

class Shape : public Control {
 public:
  Shape(Container& container, std::string name, int index = -1);
  std::string TypeName() const override { return "Shape"; }

  Figure GetShape() const { return shape_; }
  void SetShape(Figure shape);
  Color BorderColor() const { return border_color_; }
  void SetBorderColor(Color c);
  // Pixels.
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int width);
  Outline BorderStyle() const { return border_style_; }
  void SetBorderStyle(Outline style);
  // Opaque: filled with BackColor.
  Background BackStyle() const { return back_style_; }
  void SetBackStyle(Background style);
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color c);
  ShapeFill FillStyle() const { return fill_style_; }
  void SetFillStyle(ShapeFill style);
  Color FillColor() const { return fill_color_; }
  void SetFillColor(Color c);

  bool TakesMouse() const override { return false; }
  void CopyFrom(const Control& other) override;

 protected:
  void Paint(Painter& p, const Rect& r) override;

 private:
  Figure shape_ = Figure::kRectangle;
  Color border_color_ = kSysWindowText;
  int border_width_ = 1;
  Outline border_style_ = Outline::kSolid;
  Background back_style_ = Background::kTransparent;
  Color back_color_ = kSysWindow;
  ShapeFill fill_style_ = ShapeFill::kTransparent;
  Color fill_color_ = 0;
};

}  // namespace xpexam::forms
