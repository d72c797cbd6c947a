// Composes the whole virtual screen: the desktop colour, the windows bottom to top (each with
// its background colour, picture and controls in z-order), then menus and the tooltip.
#include <cairo.h>

#include <algorithm>

#include "forms/color.h"
#include "forms/draw.h"
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
    return dirty_ || !canvas_ || canvas_->Width() != b.ScreenWidth() || canvas_->Height() != b.ScreenHeight();
  }

  const Canvas& Compose() {
    const Backend& b = CurrentBackend();
    if (!canvas_ || canvas_->Width() != b.ScreenWidth() || canvas_->Height() != b.ScreenHeight())
      canvas_ = std::make_unique<Canvas>(b.ScreenWidth(), b.ScreenHeight());
    dirty_ = false;
    unpresented_ = true;
    Painter p(*canvas_);
    p.FillRect({0, 0, canvas_->Width(), canvas_->Height()}, ResolveColor(kSysDesktop));
    for (Form* f : Wm().Stacking())
      if (f->Loaded() && f->Visible() && f->WindowState() != 1) PaintForm(p, *f);
    for (InputGrab* g : Wm().Grabs()) g->Paint(p);
    if (auto tip = Wm().Tooltip()) PaintTip(p, *tip);
    return *canvas_;
  }

  void PresentIfChanged() {
    if (NeedsCompose()) Compose();
    Backend& b = CurrentBackend();
    if (unpresented_) {
      unpresented_ = false;
      b.Present(*canvas_);
    }
    auto [shape, icon] = Wm().PointerShape();
    if (!pointer_known_ || shape != shape_ || icon != icon_) {
      pointer_known_ = true;
      shape_ = shape;
      icon_ = icon;
      b.SetPointer(shape, icon);
    }
  }

  const Canvas& Frame() const { return *canvas_; }
  void Invalidate() { dirty_ = true; }
  void Reset() {
    dirty_ = true;
    pointer_known_ = false;
    icon_ = nullptr;
  }

  static void PaintChildren(Painter& p, const Container& container) {
    const auto& kids = container.Children();
    for (int windowed = 0; windowed < 2; ++windowed) {
      for (Control* c : kids) {
        if (c->Windowed() != (windowed == 1) || !c->Visible()) continue;
        Rect r = c->PixelRect();
        if (r.Empty()) continue;
        p.Push(r);
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
  void PaintForm(Painter& p, Form& f) {
    Rect r = f.ScreenRectPx();
    if (r.Empty()) return;
    p.Push(r);
    Form::Edges nc = f.NonClient();
    if (f.BorderStyle() != 0) DrawWindowFrame(p, r.w, r.h, nc.top, f.Caption(), &f == Wm().Active());
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
    TextSize size = MeasureText(tip.text, style);
    Rect box{tip.at.x, tip.at.y + 21, size.width + 8, size.height + 4};
    box.x = std::max(0, std::min(box.x, canvas_->Width() - box.w));
    if (box.y + box.h > canvas_->Height()) box.y = tip.at.y - box.h - 2;
    p.FillRect(box, ResolveColor(kSysInfoBackground));
    p.StrokeRect(box, Rgb(0, 0, 0), 1);
    p.DrawText(tip.text, style, {box.x + 4, box.y + 2, size.width + 1, size.height});
  }

  std::unique_ptr<Canvas> canvas_;
  bool dirty_ = true;
  bool unpresented_ = false;
  bool pointer_known_ = false;
  int shape_ = 0;
  PicturePtr icon_;
};

namespace detail {
void Invalidate() { Compositor::Get().Invalidate(); }
}  // namespace detail

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
