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
  // 0 none, 1 a single etched border with the caption.
  int BorderStyle() const { return border_style_; }
  void SetBorderStyle(int style);

  bool Windowed() const override { return true; }
  void CopyFrom(const Control& other) override;

 protected:
  void Paint(Painter& p, const Rect& r) override;
  std::string DumpFields() const override;

 private:
  std::string caption_;
  int border_style_ = 1;
};

}  // namespace xpexam::forms
