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

  // 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square.
  int GetShape() const { return shape_; }
  void SetShape(int shape);
  Color BorderColor() const { return border_color_; }
  void SetBorderColor(Color c);
  // Pixels.
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int width);
  // 0 transparent, 1 solid, 2 to 5 dashed and dotted kinds (drawn dotted), 6 inside solid.
  int BorderStyle() const { return border_style_; }
  void SetBorderStyle(int style);
  // 0 transparent, 1 opaque (BackColor).
  int BackStyle() const { return back_style_; }
  void SetBackStyle(int style);
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color c);
  // 0 solid (FillColor), 1 transparent.
  int FillStyle() const { return fill_style_; }
  void SetFillStyle(int style);
  Color FillColor() const { return fill_color_; }
  void SetFillColor(Color c);

  bool TakesMouse() const override { return false; }
  void CopyFrom(const Control& other) override;

 protected:
  void Paint(Painter& p, const Rect& r) override;

 private:
  int shape_ = 0;
  Color border_color_ = kSysWindowText;
  int border_width_ = 1;
  int border_style_ = 1;
  int back_style_ = 0;
  Color back_color_ = kSysWindow;
  int fill_style_ = 1;
  Color fill_color_ = 0;
};

}  // namespace xpexam::forms
