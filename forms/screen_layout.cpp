// The windows laid out again for a new screen size (screen_layout.h).
#include "forms/screen_layout.h"

#include <algorithm>
#include <cmath>

#include "forms/runtime.h"

namespace xpexam::forms {

namespace {

double Clamp(double v, double low, double high) { return std::max(low, std::min(v, high)); }

// The title bar across: wholly on the screen where it fits, else over the screen's whole width.
double KeepAcross(double left, double width, double screen) {
  return width <= screen ? Clamp(left, 0, screen - width) : Clamp(left, screen - width, 0);
}
// The title bar down: wholly on the screen.
double KeepDown(double top, double height, double title, double screen) {
  return Clamp(top, 0, std::max(0.0, screen - std::min(title, height)));
}

bool Near(double a, double b, double slack) { return std::abs(a - b) <= slack; }

std::function<void(const ScreenChange&)>& Hook() {
  static auto* hook = new std::function<void(const ScreenChange&)>;
  return *hook;
}

// A caption-less window's own title strip is taken to be as tall as a caption.
constexpr int kTitleHeight = 25;

}  // namespace

Bounds FollowScreen(const Bounds& w, double title_height, const Bounds& from, const Bounds& to, double slack) {
  const double centre_x = (from.width - w.width) / 2, centre_y = (from.height - w.height) / 2;
  const bool centred =
      (Near(w.left, centre_x, slack) || Near(w.left, KeepAcross(centre_x, w.width, from.width), slack)) &&
      (Near(w.top, centre_y, slack) || Near(w.top, KeepDown(centre_y, w.height, title_height, from.height), slack));
  Bounds out = w;
  if (centred) {
    out.left = (to.width - w.width) / 2;
    out.top = (to.height - w.height) / 2;
  }
  out.left = KeepAcross(out.left, w.width, to.width);
  out.top = KeepDown(out.top, w.height, title_height, to.height);
  return out;
}

void SetScreenChangeHook(std::function<void(const ScreenChange&)> hook) { Hook() = std::move(hook); }

class ScreenLayout {
 public:
  static void Follow(int old_width, int old_height) {
    const Backend& b = CurrentBackend();
    ScreenChange change{old_width, old_height, b.ScreenWidth(), b.ScreenHeight(), {}};
    if (change.width == old_width && change.height == old_height) return;
    const Bounds from{0, 0, PixelsToTwips(old_width), PixelsToTwips(old_height)};
    const Bounds to{0, 0, PixelsToTwips(change.width), PixelsToTwips(change.height)};
    const std::vector<Form*> forms = LoadedForms();
    for (Form* f : forms) {
      const Bounds normal{f->left_, f->top_, f->width_, f->height_};
      change.before.emplace_back(f, f->window_state_ == WindowSize::kMaximized ? from : normal);
      const int title = f->border_style_ != WindowBorder::kNone ? f->NonClient().top : kTitleHeight;
      const Bounds moved = FollowScreen(normal, PixelsToTwips(title), from, to, TwipsPerPixel());
      f->left_ = moved.left;
      f->top_ = moved.top;
    }
    detail::Invalidate();
    for (Form* f : forms)
      if (f->loaded_ && f->window_state_ == WindowSize::kMaximized) f->RaiseResize();
    if (Hook()) {
      auto hook = Hook();
      detail::Invoke([&] { hook(change); });
    }
  }
};

void FollowScreenSize(int old_width, int old_height) { ScreenLayout::Follow(old_width, old_height); }

}  // namespace xpexam::forms
