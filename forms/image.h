#pragma once
// The image control: a picture at its natural size (the control takes the picture's size) or
// stretched to the control.
#include <string>

#include "forms/control.h"

namespace xpexam::forms {

class Image : public Control {
 public:
  Image(Container& container, std::string name, int index = -1);
  std::string TypeName() const override { return "Image"; }

  const PicturePtr& Picture() const { return picture_; }
  // A picture resizes an unstretched image to the picture; nullptr clears it (the size stays).
  void SetPicture(PicturePtr picture);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool v);

  void CopyFrom(const Control& other) override;

 protected:
  void Paint(Painter& p, const Rect& r) override;
  std::string DumpFields() const override;

 private:
  PicturePtr picture_;
  bool stretch_ = false;
};

}  // namespace xpexam::forms
