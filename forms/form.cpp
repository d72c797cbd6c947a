#include "forms/form.h"

#include <cxxabi.h>

#include <algorithm>
#include <map>

#include "forms/runtime.h"
#include "forms/timer.h"

namespace xpexam::forms {

// The single instances and the extra windows, in load order.
class FormRegistry {
 public:
  static FormRegistry& Get() {
    static auto* registry = new FormRegistry;
    return *registry;
  }
  Form* Find(std::type_index type) const {
    auto it = instances_.find(type);
    return it == instances_.end() ? nullptr : it->second;
  }
  void Load(std::optional<std::type_index> type, std::unique_ptr<Form> form) {
    Form* f = form.get();
    if (type) instances_.emplace(*type, f);
    loaded_.push_back(std::move(form));
    f->load_started_ = true;
    detail::Invoke([f] { f->Form_Load(); });
  }
  // Moves an unloaded window to the graveyard.
  void Release(Form* f) {
    std::erase_if(instances_, [f](const auto& entry) { return entry.second == f; });
    auto it = std::find_if(loaded_.begin(), loaded_.end(), [f](const auto& p) { return p.get() == f; });
    if (it == loaded_.end()) return;
    std::unique_ptr<Form> owned = std::move(*it);
    loaded_.erase(it);
    detail::Bury(std::move(owned));
  }
  std::vector<Form*> Loaded() const {
    std::vector<Form*> out;
    for (const auto& f : loaded_) out.push_back(f.get());
    return out;
  }
  void Reset() {
    instances_.clear();
    while (!loaded_.empty()) loaded_.pop_back();
  }

 private:
  std::map<std::type_index, Form*> instances_;
  std::vector<std::unique_ptr<Form>> loaded_;
};

namespace detail {
Form* FindInstance(std::type_index type) { return FormRegistry::Get().Find(type); }
void LoadInstance(std::type_index type, std::unique_ptr<Form> form) { FormRegistry::Get().Load(type, std::move(form)); }
std::string ClassName(const std::type_info& type) {
  int status = 0;
  char* raw = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
  std::string name = status == 0 && raw ? raw : type.name();
  std::free(raw);
  auto colon = name.rfind("::");
  return colon == std::string::npos ? name : name.substr(colon + 2);
}
}  // namespace detail

std::vector<Form*> LoadedForms() { return FormRegistry::Get().Loaded(); }
void LoadExtraForm(std::unique_ptr<Form> form) { FormRegistry::Get().Load(std::nullopt, std::move(form)); }
void ResetForms() { FormRegistry::Get().Reset(); }

Form::Form(std::string name) : name_(std::move(name)) { Wm().AddForm(this); }

Form::~Form() {
  Wm().FormGone(this);
  detail::Invalidate();
}

Rect Form::ScreenRectPx() const {
  if (window_state_ == WindowSize::kMaximized) return {0, 0, CurrentBackend().ScreenWidth(), CurrentBackend().ScreenHeight()};
  return {TwipsToPixels(left_), TwipsToPixels(top_), TwipsToPixels(width_), TwipsToPixels(height_)};
}

Form::Edges Form::NonClient() const { return NonClientOf(border_style_); }

Form::Edges Form::NonClientOf(WindowBorder border_style) {
  if (border_style == WindowBorder::kNone) return {};
  return {3, 25, 3, 3};
}

Rect Form::ClientScreenRect() const {
  Rect r = ScreenRectPx();
  Edges nc = NonClient();
  return {r.x + nc.left, r.y + nc.top, std::max(0, r.w - nc.left - nc.right), std::max(0, r.h - nc.top - nc.bottom)};
}

double Form::Left() const { return window_state_ == WindowSize::kMaximized ? 0 : left_; }
double Form::Top() const { return window_state_ == WindowSize::kMaximized ? 0 : top_; }
double Form::Width() const { return window_state_ == WindowSize::kMaximized ? forms::ScreenWidth() : width_; }
double Form::Height() const { return window_state_ == WindowSize::kMaximized ? forms::ScreenHeight() : height_; }

double Form::ScaleWidth() const {
  Edges nc = NonClient();
  return std::max(0.0, Width() - PixelsToTwips(nc.left + nc.right));
}
double Form::ScaleHeight() const {
  Edges nc = NonClient();
  return std::max(0.0, Height() - PixelsToTwips(nc.top + nc.bottom));
}

void Form::Move(double left, std::optional<double> top, std::optional<double> width, std::optional<double> height) {
  if (window_state_ != WindowSize::kNormal) platform::Fail(384, "A form can't be moved or sized while minimized or maximized");
  const double t = top.value_or(top_), w = width.value_or(width_), h = height.value_or(height_);
  if (w < 0 || h < 0) platform::Fail(380, "Invalid property value");
  if (load_started_ && (left != left_ || t != top_)) moved_by_code_ = true;
  const bool resized = w != width_ || h != height_;
  left_ = left;
  top_ = t;
  width_ = w;
  height_ = h;
  detail::Invalidate();
  if (resized) RaiseResize();
}

void Form::RaiseResize() {
  if (load_started_ && loaded_) detail::Invoke([this] { Form_Resize(); });
}

void Form::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (border_style_ != WindowBorder::kNone) detail::Invalidate();
}

void Form::SetPicture(PicturePtr picture) {
  picture_ = std::move(picture);
  detail::Invalidate();
}

void Form::SetBackColor(Color color) {
  back_color_ = color;
  detail::Invalidate();
}

void Form::SetBorderStyle(WindowBorder style) {
  border_style_ = style;
  detail::Invalidate();
}

void Form::SetWindowState(WindowSize state) {
  if (const int n = static_cast<int>(state); n < 0 || n > 2) platform::Fail(380, "Invalid property value");
  if (state == window_state_) return;
  window_state_ = state;
  detail::Invalidate();
  if (state == WindowSize::kMinimized) Wm().Hidden(this);
  if (state != WindowSize::kMinimized && visible_) detail::NoteWindowAppeared();
  // Every change of state resizes the window, minimising and restoring included.
  RaiseResize();
}

void Form::SetVisible(bool v) {
  if (v) {
    Show();
    return;
  }
  if (!visible_) return;
  visible_ = false;
  detail::Invalidate();
  Wm().Hidden(this);
}

void Form::SetEnabled(bool v) {
  enabled_ = v;
  detail::Invalidate();
}

void Form::SetMousePointer(PointerStyle shape) {
  if (const int n = static_cast<int>(shape); n < 0 || (n > 15 && shape != PointerStyle::kCustom)) platform::Fail(380, "Invalid property value");
  mouse_pointer_ = shape;
}

void Form::SetMouseIcon(PicturePtr icon) { mouse_icon_ = std::move(icon); }

void Form::SetTopMost(bool top_most) {
  top_most_ = top_most;
  Wm().Raise(this, true);
}

void Form::ZOrder(int position) { Wm().Raise(this, position == 0); }

void Form::ApplyStartUpPosition() {
  if (start_up_position_ != StartPosition::kCenterScreen || moved_by_code_ || window_state_ != WindowSize::kNormal) return;
  left_ = (forms::ScreenWidth() - width_) / 2;
  top_ = (forms::ScreenHeight() - height_) / 2;
}

void Form::Show() {
  if (!loaded_) return;
  if (!shown_once_) {
    shown_once_ = true;
    ApplyStartUpPosition();
  }
  if (!visible_) {
    keyboard_cues_ = Wm().KeyboardInputLast();
    detail::NoteWindowAppeared();
  }
  visible_ = true;
  detail::Invalidate();
  Wm().Shown(this);
}

void Form::ShowModal() {
  if (!loaded_) return;
  Form* before = Wm().Active();
  Show();
  {
    ModalScope modal(this);
    Wm().Activate(this);
    detail::Invoke([this] { detail::RunUntil([this] { return !visible_ || !loaded_; }); });
  }
  if (!Ended() && before && before != this && before->loaded_ && before->visible_ && before->window_state_ != WindowSize::kMinimized)
    Wm().Activate(before);
}

bool Form::Unload(int unload_mode) {
  if (!loaded_) return true;
  int cancel = 0;
  detail::Invoke([&] { Form_QueryUnload(cancel, unload_mode); });
  if (cancel) return false;
  detail::Invoke([&] { Form_Unload(cancel); });
  if (cancel || !loaded_) return cancel == 0;
  loaded_ = false;
  visible_ = false;
  for (Timer* t : timers_) t->Stop();
  Wm().FormGone(this);
  detail::Invalidate();
  FormRegistry::Get().Release(this);
  return true;
}

void Form::Refresh() { detail::Invalidate(); }

}  // namespace xpexam::forms
