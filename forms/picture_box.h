#pragma once
// The picture box: a windowed container with a background colour and a picture at its top left
// corner; it clips its children and can take the keyboard focus.
#include <string>

#include "forms/color.h"
#include "forms/control.h"

namespace xpexam::forms {

class PictureBox : public Control, public Container {
 public:
  PictureBox(Container& container, std::string name, int index = -1);
  std::string TypeName() const override { return "PictureBox"; }
  Form& OwnerForm() const override { return Parent(); }
  Rect ClientScreenRect() const override;

  const PicturePtr& Picture() const { return picture_; }
  void SetPicture(PicturePtr picture);
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color c);
  // Fixed single: a sunken edge.
  BoxBorder BorderStyle() const { return border_style_; }
  void SetBorderStyle(BoxBorder style);
  // Sizes the box to its picture.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);

  bool Windowed() const override { return true; }
  bool CanFocus() const override { return true; }
  void CopyFrom(const Control& other) override;

 protected:
  Rect ClientRect() const override;
  void Paint(Painter& p, const Rect& r) override;
  std::string DumpFields() const override;

 private:
  void Fit();
  int Border() const { return border_style_ == BoxBorder::kNone ? 0 : 2; }

  PicturePtr picture_;
  Color back_color_ = kSysButtonFace;
  BoxBorder border_style_ = BoxBorder::kFixedSingle;
  bool auto_size_ = false;
};

}  // namespace xpexam::forms
