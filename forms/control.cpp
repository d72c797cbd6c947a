#include "forms/control.h"

#include <algorithm>
#include <cmath>

#include "forms/form.h"
#include "forms/runtime.h"

namespace xpexam::forms {

int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel())); }
double PixelsToTwips(int pixels) { return pixels * TwipsPerPixel(); }

Control::Control(Container& container, std::string name, int index)
    : container_(&container), form_(&container.OwnerForm()), name_(std::move(name)), index_(index) {
  container.children_.push_back(this);
  form_->all_controls_.push_back(this);
  // The container may still be under construction: no geometry to ask yet.
  detail::Invalidate();
}

Control::~Control() {
  if (!detached_) Detach();
  Wm().ControlGone(this, true);
  detail::Invalidate(painted_);
}

void Control::Detach() {
  std::erase(container_->children_, this);
  std::erase(form_->all_controls_, this);
  detached_ = true;
}

std::string Control::DisplayName() const {
  return index_ >= 0 ? name_ + "(" + std::to_string(index_) + ")" : name_;
}

void Control::Move(double left, std::optional<double> top, std::optional<double> width,
                   std::optional<double> height) {
  const double t = top.value_or(top_), w = width.value_or(width_), h = height.value_or(height_);
  if (w < 0 || h < 0) platform::Fail(380, "Invalid property value");
  const bool resized = w != width_ || h != height_;
  if (left == left_ && t == top_ && !resized) return;
  left_ = left;
  top_ = t;
  width_ = w;
  height_ = h;
  Invalidate();
  if (resized) OnResized();
}

void Control::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  Invalidate();
  if (!v) Wm().ControlGone(this, false);
}

void Control::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Invalidate();
  if (!v) Wm().ControlGone(this, false);
}

void Control::SetToolTipText(std::string text) {
  if (text == tool_tip_) return;
  tool_tip_ = std::move(text);
  Wm().ToolTipChanged(this);
}

void Control::SetMousePointer(PointerStyle shape) {
  if (const int n = static_cast<int>(shape); n < 0 || (n > 15 && shape != PointerStyle::kCustom)) platform::Fail(380, "Invalid property value");
  mouse_pointer_ = shape;
}

void Control::SetMouseIcon(PicturePtr icon) { mouse_icon_ = std::move(icon); }

void Control::ZOrder(int position) {
  auto& kids = container_->children_;
  std::erase(kids, this);
  if (position == 0)
    kids.push_back(this);
  else
    kids.insert(kids.begin(), this);
  Invalidate();
}

void Control::SetFocus() {
  bool usable = CanFocus() && EffectivelyVisible();
  for (const Control* c = this; usable && c; c = dynamic_cast<const Control*>(&c->GetContainer()))
    usable = c->enabled_;
  if (!usable || !form_->Enabled()) platform::Fail(5, "Invalid procedure call or argument");
  Wm().SetFocus(this);
}

void Control::Refresh() { Invalidate(); }

bool Control::EffectivelyVisible() const {
  if (!visible_ || detached_) return false;
  if (auto* parent = dynamic_cast<const Control*>(container_)) return parent->EffectivelyVisible();
  return form_->Visible() && form_->WindowState() != WindowSize::kMinimized && form_->Loaded();
}

Rect Control::PixelRect() const {
  return {TwipsToPixels(left_), TwipsToPixels(top_), TwipsToPixels(width_), TwipsToPixels(height_)};
}

Rect Control::ScreenRect() const {
  Rect client = container_->ClientScreenRect();
  Rect r = PixelRect();
  return {client.x + r.x, client.y + r.y, r.w, r.h};
}

void Control::Invalidate() const {
  if (detail::DamageSkipped(this)) return;
  if (detached_) {
    detail::Invalidate();
    return;
  }
  detail::Invalidate(painted_);
  detail::Invalidate(ScreenRect());
}

void Control::CopyFrom(const Control& o) {
  Move(o.left_, o.top_, o.width_, o.height_);
  enabled_ = o.enabled_;
  tab_stop_ = o.tab_stop_;
  tool_tip_ = o.tool_tip_;
  mouse_pointer_ = o.mouse_pointer_;
  mouse_icon_ = o.mouse_icon_;
  tag_ = o.tag_;
}

}  // namespace xpexam::forms
