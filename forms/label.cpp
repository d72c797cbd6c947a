#include "forms/label.h"

#include "forms/dump.h"
#include "forms/form.h"
#include "platform/failure.h"

namespace xpexam::forms {

Label::Label(Container& container, std::string name, int index) : TextControl(container, std::move(name), index) {
  Move(0, 0, 1215, 255);
}

void Label::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Invalidate();
  Fit();
}

void Label::SetAutoSize(bool v) {
  auto_size_ = v;
  Fit();
}

void Label::SetWordWrap(bool v) {
  word_wrap_ = v;
  Fit();
}

void Label::SetBackStyle(Background style) {
  back_style_ = style;
  Invalidate();
}

void Label::SetBorderStyle(BoxBorder style) {
  border_style_ = style;
  Invalidate();
  Fit();
}

void Label::SetAlignment(TextAlign alignment) {
  if (const int n = static_cast<int>(alignment); n < 0 || n > 2) platform::Fail(380, "Invalid property value");
  alignment_ = alignment;
  Invalidate();
}

void Label::SetUseMnemonic(bool v) {
  use_mnemonic_ = v;
  Invalidate();
  Fit();
}

TextStyle Label::LabelStyle() const {
  TextStyle s = Style();
  s.align = alignment_ == TextAlign::kRight ? Align::kRight : alignment_ == TextAlign::kCenter ? Align::kCenter : Align::kLeft;
  s.access_keys = use_mnemonic_;
  s.access_underline = Parent().KeyboardCues();
  return s;
}

void Label::Fit() {
  if (!auto_size_ || fitting_) return;
  fitting_ = true;
  const int border = 2 * Border();
  if (word_wrap_) {
    TextSize size = MeasureText(caption_, LabelStyle(), std::max(0, PixelRect().w - border));
    platform::Try([&] { Move(Left(), Top(), Width(), PixelsToTwips(size.height + border)); });
  } else {
    TextSize size = MeasureText(caption_, LabelStyle());
    platform::Try([&] { Move(Left(), Top(), PixelsToTwips(size.width + border), PixelsToTwips(size.height + border)); });
  }
  fitting_ = false;
}

void Label::OnResized() {
  if (word_wrap_) Fit();
}

void Label::Paint(Painter& p, const Rect& r) {
  if (back_style_ == Background::kOpaque) p.FillRect(r, ResolveColor(back_color_));
  const int b = Border();
  if (b) {
    p.FillRect({0, 0, r.w, 1}, ResolveColor(kSysButtonShadow));
    p.FillRect({0, 0, 1, r.h}, ResolveColor(kSysButtonShadow));
    p.FillRect({0, r.h - 1, r.w, 1}, ResolveColor(kSysButtonHighlight));
    p.FillRect({r.w - 1, 0, 1, r.h}, ResolveColor(kSysButtonHighlight));
  }
  if (caption_.empty()) return;
  TextStyle s = LabelStyle();
  // A label sized to its one-line text needs no wrapping; any other label wraps at its width.
  s.word_wrap = !(auto_size_ && !word_wrap_);
  p.DrawText(caption_, s, {b, b, r.w - 2 * b, r.h - 2 * b});
}

std::string Label::DumpFields() const { return "caption=" + DumpQuote(caption_); }

void Label::CopyFrom(const Control& other) {
  TextControl::CopyFrom(other);
  if (auto* o = dynamic_cast<const Label*>(&other)) {
    caption_ = o->caption_;
    auto_size_ = o->auto_size_;
    word_wrap_ = o->word_wrap_;
    back_style_ = o->back_style_;
    border_style_ = o->border_style_;
    alignment_ = o->alignment_;
    use_mnemonic_ = o->use_mnemonic_;
  }
}

}  // namespace xpexam::forms
