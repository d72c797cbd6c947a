#pragma once
// The line control: a segment from (X1, Y1) to (X2, Y2) in twips of its container. It never
// takes mouse input.
#include <string>

#include "forms/color.h"
#include "forms/control.h"

namespace xpexam::forms {

class Line : public Control {
 public:
  Line(Container& container, std::string name, int index = -1);
  std::string TypeName() const override { return "Line"; }

  double X1() const { return x1_; }
  double Y1() const { return y1_; }
  double X2() const { return x2_; }
  double Y2() const { return y2_; }
  void SetX1(double v) { SetEnds(v, y1_, x2_, y2_); }
  void SetY1(double v) { SetEnds(x1_, v, x2_, y2_); }
  void SetX2(double v) { SetEnds(x1_, y1_, v, y2_); }
  void SetY2(double v) { SetEnds(x1_, y1_, x2_, v); }
  void SetEnds(double x1, double y1, double x2, double y2);
  Color BorderColor() const { return border_color_; }
  void SetBorderColor(Color c);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int width);
  Outline BorderStyle() const { return border_style_; }
  void SetBorderStyle(Outline style);

  bool TakesMouse() const override { return false; }
  void CopyFrom(const Control& other) override;

 protected:
  void Paint(Painter& p, const Rect& r) override;
  std::string DumpFields() const override;

 private:
  void Place();

  double x1_ = 0, y1_ = 0, x2_ = 1215, y2_ = 0;
  Color border_color_ = kSysWindowText;
  int border_width_ = 1;
  Outline border_style_ = Outline::kSolid;
};

}  // namespace xpexam::forms
