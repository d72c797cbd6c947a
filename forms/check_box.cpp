#include "forms/check_box.h"

#include "forms/backend.h"
#include "forms/draw.h"
#include "forms/dump.h"
#include "forms/runtime.h"

namespace xpexam::forms {

CheckBox::CheckBox(Container& container, std::string name, int index)
    : TextControl(container, std::move(name), index) {
  Move(0, 0, 1215, 255);
}

void CheckBox::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Invalidate();
}

void CheckBox::SetValue(CheckState value) {
  if (const int n = static_cast<int>(value); n < 0 || n > 2) platform::Fail(380, "Invalid property value");
  if (value == value_) return;
  value_ = value;
  Invalidate();
  detail::Raise(Click);
}

void CheckBox::OnMouseDown(int button, int, int, int) {
  if (button != kLeftButton) return;
  pressed_ = true;
  Invalidate();
}

void CheckBox::OnMouseUp(int button, int, int x, int y) {
  if (button != kLeftButton || !pressed_) return;
  pressed_ = false;
  Invalidate();
  Rect r = PixelRect();
  if (x >= 0 && y >= 0 && x < r.w && y < r.h) Toggle();
}

void CheckBox::OnKeyDown(int key_code, int shift) {
  if (key_code == kKeySpace && shift == 0) Toggle();
}

void CheckBox::OnFocus(bool got) {
  focused_ = got;
  Invalidate();
}

void CheckBox::Paint(Painter& p, const Rect& r) {
  p.FillRect(r, ResolveColor(back_color_));
  const ButtonFace face = pressed_ ? ButtonFace::kPressed : Wm().Hovered() == this ? ButtonFace::kHot : ButtonFace::kNormal;
  DrawCheckBox(p, {0, (r.h - 13) / 2, 13, 13}, static_cast<int>(value_), face);
  TextStyle s = Style();
  s.access_keys = true;
  s.access_underline = Parent().KeyboardCues();
  TextSize size = MeasureText(caption_, s);
  const Rect text{17, (r.h - size.height) / 2, std::max(0, r.w - 17), size.height};
  p.DrawText(caption_, s, text);
  // The focus shows only once the keyboard has been used in the window, as the cues do.
  if (focused_ && Parent().KeyboardCues() && !caption_.empty())
    p.StrokeRect({text.x - 1, std::max(0, text.y - 1), std::min(size.width + 2, r.w - text.x + 1), std::min(text.h + 2, r.h)},
                 Rgb(0, 0, 0), 1, LineStyle::kDot);
}

std::string CheckBox::DumpFields() const {
  return "caption=" + DumpQuote(caption_) + " value=" + std::to_string(static_cast<int>(value_));
}

void CheckBox::CopyFrom(const Control& other) {
  TextControl::CopyFrom(other);
  if (auto* o = dynamic_cast<const CheckBox*>(&other)) {
    caption_ = o->caption_;
    value_ = o->value_;
  }
}

}  // namespace xpexam::forms
