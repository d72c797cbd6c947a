#pragma once
// The check box: a box and a caption, unchecked, checked or greyed; Click is raised whenever
// Value changes, by the user or by code.
#include <string>

#include "forms/text_control.h"

namespace xpexam::forms {

class CheckBox : public TextControl {
 public:
  CheckBox(Container& container, std::string name, int index = -1);
  std::string TypeName() const override { return "CheckBox"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  CheckState Value() const { return value_; }
  void SetValue(CheckState value);

  bool Windowed() const override { return true; }
  bool CanFocus() const override { return true; }
  bool DrawsHover() const override { return true; }
  void CopyFrom(const Control& other) override;

 protected:
  bool ClickOnRelease() const override { return false; }
  void Paint(Painter& p, const Rect& r) override;
  void OnMouseDown(int button, int shift, int x, int y) override;
  void OnMouseUp(int button, int shift, int x, int y) override;
  void OnKeyDown(int key_code, int shift) override;
  void OnFocus(bool got) override;
  std::string DumpFields() const override;

 private:
  void Toggle() { SetValue(value_ == CheckState::kChecked ? CheckState::kUnchecked : CheckState::kChecked); }

  std::string caption_;
  CheckState value_ = CheckState::kUnchecked;
  bool pressed_ = false;
  bool focused_ = false;
};

}  // namespace xpexam::forms
