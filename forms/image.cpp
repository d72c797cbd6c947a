#include "forms/image.h"

#include "forms/dump.h"
#include "forms/pictures.h"

namespace xpexam::forms {

Image::Image(Container& container, std::string name, int index) : Control(container, std::move(name), index) {}

void Image::SetPicture(PicturePtr picture) {
  picture_ = std::move(picture);
  Invalidate();
  if (picture_ && !stretch_) Move(Left(), Top(), PixelsToTwips(picture_->Width()), PixelsToTwips(picture_->Height()));
}

void Image::SetStretch(bool v) {
  stretch_ = v;
  Invalidate();
  if (picture_ && !stretch_) Move(Left(), Top(), PixelsToTwips(picture_->Width()), PixelsToTwips(picture_->Height()));
}

void Image::Paint(Painter& p, const Rect& r) {
  if (!picture_) return;
  if (stretch_)
    p.DrawPictureStretched(*picture_, r);
  else
    p.DrawPicture(*picture_, 0, 0);
}

std::string Image::DumpFields() const { return "picture=" + DumpQuote(PictureId(picture_)); }

void Image::CopyFrom(const Control& other) {
  Control::CopyFrom(other);
  if (auto* o = dynamic_cast<const Image*>(&other)) {
    picture_ = o->picture_;
    stretch_ = o->stretch_;
  }
}

}  // namespace xpexam::forms
