// Composes the whole virtual screen: the desktop colour, the windows bottom to top (each with
// its background colour, picture and controls in z-order), then menus and the tooltip.
#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "forms/color.h"
#include "forms/draw.h"
#include "forms/frame_check.h"
#include "forms/pointer_shapes.h"
#include "forms/runtime.h"

namespace xpexam::forms {

class Compositor {
 public:
  static Compositor& Get() {
    // Never destroyed: windows may still be torn down during the program's exit.
    static auto* compositor = new Compositor;
    return *compositor;
  }

  bool NeedsCompose() const {
    const Backend& b = CurrentBackend();
    return full_ || !damage_.empty() || !canvas_ || canvas_->Width() != b.ScreenWidth() ||
           canvas_->Height() != b.ScreenHeight();
  }

  const Canvas& Compose() {
    const Backend& b = CurrentBackend();
    if (!canvas_ || canvas_->Width() != b.ScreenWidth() || canvas_->Height() != b.ScreenHeight()) {
      canvas_ = std::make_unique<Canvas>(b.ScreenWidth(), b.ScreenHeight());
      full_ = true;
    }
    const Rect screen{0, 0, canvas_->Width(), canvas_->Height()};
    std::vector<Rect> area;
    if (full_) {
      area = {screen};
    } else {
      for (const Rect& r : damage_)
        if (Rect c = Intersect(r, screen); !c.Empty()) area.push_back(c);
    }
    full_ = false;
    damage_.clear();
    if (area.empty()) return *canvas_;
    const bool partial = area.size() != 1 || !(area[0] == screen);
    PaintScreen(*canvas_, partial ? &area : nullptr);
    unpresented_.insert(unpresented_.end(), area.begin(), area.end());
    if (unpresented_.size() > kMaxRects) unpresented_ = {Bounds(unpresented_)};
    // A whole repaint is its own reference.
    if (check_ && partial) Check();
    return *canvas_;
  }

  // The frame against the whole screen composed afresh.
  void Check() {
    if (!canvas_) return;
    const int w = canvas_->Width(), h = canvas_->Height();
    if (!reference_ || reference_->Width() != w || reference_->Height() != h) reference_ = std::make_unique<Canvas>(w, h);
    PaintScreen(*reference_, nullptr);
    const unsigned char* a = canvas_->Data();
    const unsigned char* b = reference_->Data();
    const int stride = canvas_->Stride();
    int x1 = w, y1 = h, x2 = -1, y2 = -1, fx = -1, fy = -1;
    for (int y = 0; y < h; ++y) {
      const auto* ra = reinterpret_cast<const uint32_t*>(a + static_cast<size_t>(y) * stride);
      const auto* rb = reinterpret_cast<const uint32_t*>(b + static_cast<size_t>(y) * stride);
      if (std::memcmp(ra, rb, static_cast<size_t>(w) * 4) == 0) continue;
      for (int x = 0; x < w; ++x) {
        if (ra[x] == rb[x]) continue;
        if (fy < 0) fx = x, fy = y;
        x1 = std::min(x1, x), x2 = std::max(x2, x);
        y1 = std::min(y1, y), y2 = std::max(y2, y);
      }
    }
    if (fy < 0) return;
    FrameMismatch m;
    m.area = {x1, y1, x2 - x1 + 1, y2 - y1 + 1};
    m.first_x = fx;
    m.first_y = fy;
    Cover(Point{fx, fy}, m);
    if (on_mismatch_) {
      auto handler = on_mismatch_;
      handler(m);
      return;
    }
    std::fprintf(stderr, "%s\n", m.Describe().c_str());
    std::fflush(stderr);
    std::abort();
  }

  void SetCheck(bool on) {
    check_ = on;
    if (!on) reference_.reset();
  }
  bool CheckOn() const { return check_; }
  void SetCheckFailure(std::function<void(const FrameMismatch&)> handler) { on_mismatch_ = std::move(handler); }

  void PresentIfChanged() {
    if (NeedsCompose()) Compose();
    Backend& b = CurrentBackend();
    if (!unpresented_.empty()) {
      std::vector<Rect> changed;
      changed.swap(unpresented_);
      b.PresentChanged(*canvas_, changed);
    }
    // What this frame did not draw is not on screen: its pixels can wait until it is.
    SetAsideUndrawnPictures();
    auto [shape, icon] = Wm().PointerShape();
    if (!pointer_known_ || shape != shape_ || icon != icon_) {
      pointer_known_ = true;
      shape_ = shape;
      icon_ = icon;
      b.SetPointer(shape, icon);
    }
  }

  const Canvas& Frame() const { return *canvas_; }
  void Invalidate() { full_ = true; }
  void Invalidate(const Rect& r) {
    if (full_ || r.Empty()) return;
    // Many small changes: one repaint of their bounds costs less than clipping to each.
    if (damage_.size() >= kMaxRects) damage_ = {Bounds(damage_)};
    for (Rect& d : damage_) {
      if (Contains(d, r)) return;
      if (Contains(r, d)) {
        d = r;
        return;
      }
    }
    damage_.push_back(r);
  }
  void Reset() {
    full_ = true;
    damage_.clear();
    pointer_known_ = false;
    icon_ = nullptr;
    SetCheck(false);
    on_mismatch_ = nullptr;
    undamaged_ = nullptr;
  }
  const Control* undamaged_ = nullptr;

  static void PaintChildren(Painter& p, const Container& container) {
    const auto& kids = container.Children();
    for (int windowed = 0; windowed < 2; ++windowed) {
      for (Control* c : kids) {
        if (c->Windowed() != (windowed == 1) || !c->Visible()) continue;
        Rect r = c->PixelRect();
        if (r.Empty()) continue;
        p.Push(r);
        double x = 0, y = 0;
        cairo_user_to_device(p.Cairo(), &x, &y);
        c->painted_ = {static_cast<int>(x), static_cast<int>(y), r.w, r.h};
        // Outside the area being repainted: nothing of it or its children can show.
        double x1, y1, x2, y2;
        cairo_clip_extents(p.Cairo(), &x1, &y1, &x2, &y2);
        if (x2 <= x1 || y2 <= y1) {
          p.Pop();
          continue;
        }
        c->Paint(p, {0, 0, r.w, r.h});
        if (auto* sub = dynamic_cast<const Container*>(c)) {
          p.Push(c->ClientRect());
          PaintChildren(p, *sub);
          p.Pop();
        }
        p.Pop();
      }
    }
  }

 private:
  // The desktop, the windows bottom to top, the input grabs and the tooltip; only inside clip
  // when given.
  void PaintScreen(Canvas& canvas, const std::vector<Rect>* clip) {
    Painter p(canvas);
    if (clip) {
      for (const Rect& r : *clip) cairo_rectangle(p.Cairo(), r.x, r.y, r.w, r.h);
      cairo_clip(p.Cairo());
    }
    p.FillRect({0, 0, canvas.Width(), canvas.Height()}, ResolveColor(kSysDesktop));
    for (Form* f : Wm().Stacking())
      if (f->Loaded() && f->Visible() && f->WindowState() != WindowSize::kMinimized) PaintForm(p, *f);
    for (InputGrab* g : Wm().Grabs()) g->Paint(p);
    if (auto tip = Wm().Tooltip()) PaintTip(p, *tip);
  }

  // The topmost window and control drawn over a screen point.
  static void Cover(Point at, FrameMismatch& m) {
    if (auto tip = Wm().Tooltip(); tip && tip->box.Contains(at.x, at.y)) {
      m.window = "(tooltip)";
      return;
    }
    Form* f = Wm().FormAt(at);
    if (!f) return;
    m.window = f->Name();
    if (!f->ClientScreenRect().Contains(at.x, at.y)) return;
    m.control = TopControlAt(f->Children(), at);
  }
  // The containers' names first: "FrmZhuYa.CmdGN(5).ImgBack".
  static std::string TopControlAt(const std::vector<Control*>& kids, Point at) {
    // Painted windowless first, then windowed, each in order: the last drawn is on top.
    for (int windowed = 1; windowed >= 0; --windowed) {
      for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        const Control* c = *it;
        if (c->Windowed() != (windowed == 1) || !c->Visible()) continue;
        const Rect r = c->ScreenRect();
        if (r.Empty() || !r.Contains(at.x, at.y)) continue;
        if (auto* sub = dynamic_cast<const Container*>(c); sub && sub->ClientScreenRect().Contains(at.x, at.y))
          if (std::string inner = TopControlAt(sub->Children(), at); !inner.empty())
            return c->DisplayName() + "." + inner;
        return c->DisplayName();
      }
    }
    return {};
  }

  void PaintForm(Painter& p, Form& f) {
    Rect r = f.ScreenRectPx();
    if (r.Empty()) return;
    p.Push(r);
    Form::Edges nc = f.NonClient();
    if (f.BorderStyle() != WindowBorder::kNone)
      DrawWindowFrame(p, r.w, r.h, nc.top, f.Caption(), {&f == Wm().Active(), f.WindowState() == WindowSize::kMaximized, Wm().CloseBoxFace(&f)});
    Rect client{nc.left, nc.top, std::max(0, r.w - nc.left - nc.right), std::max(0, r.h - nc.top - nc.bottom)};
    p.Push(client);
    p.FillRect({0, 0, client.w, client.h}, ResolveColor(f.BackColor()));
    if (f.Picture()) p.DrawPicture(*f.Picture(), 0, 0);
    f.PaintBackground(p, {0, 0, client.w, client.h});
    PaintChildren(p, f);
    p.Pop();
    p.Pop();
  }

  void PaintTip(Painter& p, const WindowManager::Tip& tip) {
    TextStyle style;
    style.color = ResolveColor(kSysInfoText);
    style.word_wrap = tip.wrap >= 0;
    const Rect& box = tip.box;
    DrawDropShadow(p, box);
    p.FillRect(box, ResolveColor(kSysInfoBackground));
    p.StrokeRect(box, Rgb(0, 0, 0), 1);
    const int text_w = style.word_wrap ? tip.wrap : box.w - 7;
    p.DrawText(tip.text, style, {box.x + 4, box.y + 2, text_w, box.h - 4});
  }

  static constexpr size_t kMaxRects = 16;
  static Rect Intersect(const Rect& a, const Rect& b) {
    const int x1 = std::max(a.x, b.x), y1 = std::max(a.y, b.y);
    const int x2 = std::min(a.x + a.w, b.x + b.w), y2 = std::min(a.y + a.h, b.y + b.h);
    return x2 > x1 && y2 > y1 ? Rect{x1, y1, x2 - x1, y2 - y1} : Rect{};
  }
  static bool Contains(const Rect& outer, const Rect& r) {
    return r.x >= outer.x && r.y >= outer.y && r.x + r.w <= outer.x + outer.w && r.y + r.h <= outer.y + outer.h;
  }
  static Rect Bounds(const std::vector<Rect>& rects) {
    int x1 = rects[0].x, y1 = rects[0].y, x2 = x1 + rects[0].w, y2 = y1 + rects[0].h;
    for (const Rect& r : rects) {
      x1 = std::min(x1, r.x);
      y1 = std::min(y1, r.y);
      x2 = std::max(x2, r.x + r.w);
      y2 = std::max(y2, r.y + r.h);
    }
    return {x1, y1, x2 - x1, y2 - y1};
  }

  std::unique_ptr<Canvas> canvas_;
  // Everything is repainted when full_; otherwise only damage_ (screen pixels).
  bool full_ = true;
  std::vector<Rect> damage_;
  // Repainted since the last present.
  std::vector<Rect> unpresented_;
  bool pointer_known_ = false;
  int shape_ = 0;
  PicturePtr icon_;
  bool check_ = false;
  std::unique_ptr<Canvas> reference_;
  std::function<void(const FrameMismatch&)> on_mismatch_;
};

namespace detail {
void Invalidate() { Compositor::Get().Invalidate(); }
void Invalidate(const Rect& screen_area) { Compositor::Get().Invalidate(screen_area); }
bool DamageSkipped(const Control* c) { return c && c == Compositor::Get().undamaged_; }
}  // namespace detail

std::string FrameMismatch::Describe() const {
  std::string where = window.empty() ? "on the desktop" : "in window " + window;
  if (!control.empty()) where += ", control " + control;
  return "stale pixels at " + std::to_string(area.x) + "," + std::to_string(area.y) + " " + std::to_string(area.w) +
         "x" + std::to_string(area.h) + " (first at " + std::to_string(first_x) + "," + std::to_string(first_y) +
         ") " + where + ": the frame differs from the whole screen composed afresh";
}
void SetFrameCheck(bool on) { Compositor::Get().SetCheck(on); }
bool FrameCheckOn() { return Compositor::Get().CheckOn(); }
void SetFrameCheckFailure(std::function<void(const FrameMismatch&)> handler) {
  Compositor::Get().SetCheckFailure(std::move(handler));
}
void CheckFrameNow() {
  Compositor& c = Compositor::Get();
  if (!c.CheckOn()) return;
  // Composing checks a partial frame itself; a whole one is its own reference.
  if (c.NeedsCompose())
    c.Compose();
  else
    c.Check();
}
void SetUndamagedControl(const Control* control) { Compositor::Get().undamaged_ = control; }

void SetHostWindow(const std::string& title, const PicturePtr& icon) { CurrentBackend().SetHostWindow(title, icon); }

const Canvas& ComposeScreen() {
  Compositor& c = Compositor::Get();
  return c.NeedsCompose() ? c.Compose() : c.Frame();
}
std::unique_ptr<Canvas> ComposeScreenWithPointer() {
  const Canvas& screen = ComposeScreen();
  auto out = std::make_unique<Canvas>(screen.Width(), screen.Height());
  Painter p(*out);
  cairo_set_source_surface(p.Cairo(), screen.Surface(), 0, 0);
  cairo_paint(p.Cairo());
  auto [shape, icon] = Wm().PointerShape();
  const Point at = GetCursorPos();
  DrawPointer(p, *PointerPicture(shape, icon), at.x, at.y);
  return out;
}
void PresentIfChanged() { Compositor::Get().PresentIfChanged(); }
void ResetCompositor() { Compositor::Get().Reset(); }
void PaintChildrenOf(Painter& p, const Container& container) { Compositor::PaintChildren(p, container); }

}  // namespace xpexam::forms
