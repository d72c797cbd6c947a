#include "forms/picture_box.h"

#include "forms/draw.h"
#include "forms/dump.h"
#include "forms/pictures.h"

namespace xpexam::forms {

PictureBox::PictureBox(Container& container, std::string name, int index)
    : Control(container, std::move(name), index) {
  Move(0, 0, 1215, 1215);
}

Rect PictureBox::ClientRect() const {
  Rect r = PixelRect();
  const int b = Border();
  return {b, b, std::max(0, r.w - 2 * b), std::max(0, r.h - 2 * b)};
}

Rect PictureBox::ClientScreenRect() const {
  Rect s = ScreenRect();
  Rect c = ClientRect();
  return {s.x + c.x, s.y + c.y, c.w, c.h};
}

void PictureBox::SetPicture(PicturePtr picture) {
  picture_ = std::move(picture);
  Invalidate();
  Fit();
}

void PictureBox::SetBackColor(Color c) {
  back_color_ = c;
  Invalidate();
}

void PictureBox::SetBorderStyle(BoxBorder style) {
  border_style_ = style;
  Invalidate();
  Fit();
}

void PictureBox::SetAutoSize(bool v) {
  auto_size_ = v;
  Fit();
}

void PictureBox::Fit() {
  if (!auto_size_ || !picture_) return;
  const int b = 2 * Border();
  Move(Left(), Top(), PixelsToTwips(picture_->Width() + b), PixelsToTwips(picture_->Height() + b));
}

void PictureBox::Paint(Painter& p, const Rect& r) {
  p.FillRect(r, ResolveColor(back_color_));
  Rect c = ClientRect();
  if (picture_) {
    p.Push(c);
    p.DrawPicture(*picture_, 0, 0);
    p.Pop();
  }
  if (border_style_ != BoxBorder::kNone) DrawSunkenEdge(p, r);
}

std::string PictureBox::DumpFields() const { return "picture=" + DumpQuote(PictureId(picture_)); }

void PictureBox::CopyFrom(const Control& other) {
  Control::CopyFrom(other);
  if (auto* o = dynamic_cast<const PictureBox*>(&other)) {
    picture_ = o->picture_;
    back_color_ = o->back_color_;
    border_style_ = o->border_style_;
    auto_size_ = o->auto_size_;
  }
}

}  // namespace xpexam::forms
