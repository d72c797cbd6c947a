#pragma once
// The frame: a windowed container with an optional captioned border; it clips its children,
// which are placed from its top left corner.
#include <string>

#include "forms/text_control.h"

namespace xpexam::forms {

class Frame : public TextControl, public Container {
 public:
  Frame(Container& container, std::string name, int index = -1);
  std::string TypeName() const override { return "Frame"; }
  Form& OwnerForm() const override { return Parent(); }
  Rect ClientScreenRect() const override { return ScreenRect(); }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // Fixed single: an etched border with the caption.
  BoxBorder BorderStyle() const { return border_style_; }
  void SetBorderStyle(BoxBorder style);

  bool Windowed() const override { return true; }
  void CopyFrom(const Control& other) override;

 protected:
  void Paint(Painter& p, const Rect& r) override;
  std::string DumpFields() const override;

 private:
  std::string caption_;
  BoxBorder border_style_ = BoxBorder::kFixedSingle;
};

}  // namespace xpexam::forms
