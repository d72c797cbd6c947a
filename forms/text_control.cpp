#include "forms/text_control.h"

#include "platform/failure.h"

namespace xpexam::forms {

void TextControl::SetFont(const Font& font) {
  if (font.size <= 0) platform::Fail(380, "Invalid property value");
  font_ = font;
  Invalidate();
  OnFontChanged();
}
void TextControl::SetFontName(std::string name) {
  Font f = font_;
  f.name = std::move(name);
  SetFont(f);
}
void TextControl::SetFontSize(double points) {
  Font f = font_;
  f.size = points;
  SetFont(f);
}
void TextControl::SetFontBold(bool v) {
  Font f = font_;
  f.bold = v;
  SetFont(f);
}
void TextControl::SetFontItalic(bool v) {
  Font f = font_;
  f.italic = v;
  SetFont(f);
}
void TextControl::SetFontUnderline(bool v) {
  Font f = font_;
  f.underline = v;
  SetFont(f);
}
void TextControl::SetForeColor(Color c) {
  fore_color_ = c;
  Invalidate();
}
void TextControl::SetBackColor(Color c) {
  back_color_ = c;
  Invalidate();
}

void TextControl::CopyFrom(const Control& other) {
  Control::CopyFrom(other);
  if (auto* o = dynamic_cast<const TextControl*>(&other)) {
    font_ = o->font_;
    fore_color_ = o->fore_color_;
    back_color_ = o->back_color_;
  }
}

TextStyle TextControl::Style() const {
  TextStyle s;
  s.font = font_;
  s.color = ResolveColor(fore_color_);
  return s;
}

}  // namespace xpexam::forms
