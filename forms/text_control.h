#pragma once
// A control that shows text: its font and its two colours.
#include <string>

#include "forms/color.h"
#include "forms/control.h"

namespace xpexam::forms {

class TextControl : public Control {
 public:
  using Control::Control;

  const Font& GetFont() const { return font_; }
  void SetFont(const Font& font);
  const std::string& FontName() const { return font_.name; }
  void SetFontName(std::string name);
  double FontSize() const { return font_.size; }
  void SetFontSize(double points);
  bool FontBold() const { return font_.bold; }
  void SetFontBold(bool v);
  bool FontItalic() const { return font_.italic; }
  void SetFontItalic(bool v);
  bool FontUnderline() const { return font_.underline; }
  void SetFontUnderline(bool v);
  Color ForeColor() const { return fore_color_; }
  void SetForeColor(Color c);
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color c);

  void CopyFrom(const Control& other) override;

 protected:
  // The style for drawing and measuring the control's text.
  TextStyle Style() const;
  // After a change of the font (the text's size may change).
  virtual void OnFontChanged() {}

  Font font_;
  Color fore_color_ = kSysButtonText;
  Color back_color_ = kSysButtonFace;
};

}  // namespace xpexam::forms
