#include "forms/custom_control.h"

namespace xpexam::forms {

CustomControl::CustomControl(Container& container, std::string name, int index)
    : Control(container, std::move(name), index) {
  Move(0, 0, 1215, 495);
}

void CustomControl::SetBackColor(Color c) {
  back_color_ = c;
  Invalidate();
}

void CustomControl::Paint(Painter& p, const Rect& r) { p.FillRect(r, ResolveColor(back_color_)); }

void CustomControl::CopyFrom(const Control& other) {
  Control::CopyFrom(other);
  if (auto* o = dynamic_cast<const CustomControl*>(&other)) {
    back_color_ = o->back_color_;
    can_get_focus_ = o->can_get_focus_;
  }
}

}  // namespace xpexam::forms
