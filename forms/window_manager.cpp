// The window manager: z-order with a topmost band, activation, modal windows, keyboard focus,
// mouse capture, hit-testing and the routing of every input event.
#include <algorithm>
#include <cstdlib>

#include "forms/draw.h"
#include "forms/runtime.h"
#include "platform/strings.h"

namespace xpexam::forms {

namespace {

constexpr int64_t kDoubleClickMs = 500;
constexpr int kDoubleClickSlop = 2;  // pixels either way
// As XP's defaults: a tip shows after half a second of rest, goes after five seconds, and a
// neighbour's tip follows one that was up after a fifth of the delay.
constexpr int kTipDelayMs = 500;
constexpr int kTipShowMs = 5000;
constexpr int kTipReshowMs = 100;
// The tip's box: its text inset and its place under the pointer.
constexpr int kTipPadX = 8;
constexpr int kTipPadY = 4;
constexpr int kTipBelowPointer = 21;

// x within c's ancestry (c itself included).
bool Within(const Control* x, const Control* c) {
  for (; x; x = dynamic_cast<const Control*>(&x->GetContainer()))
    if (x == c) return true;
  return false;
}

Control* ParentControl(const Control* c) { return dynamic_cast<Control*>(&c->GetContainer()); }

bool Usable(const Control* c) {
  if (!c->EffectivelyVisible()) return false;
  for (const Control* x = c; x; x = ParentControl(x))
    if (!x->Enabled()) return false;
  return true;
}

Point Origin(const Target& t) {
  Rect r = t.control ? t.control->ScreenRect() : t.form->ClientScreenRect();
  return {r.x, r.y};
}

enum MouseKind { kMove, kDown, kUp };

}  // namespace

WindowManager& Wm() {
  static auto* wm = new WindowManager;
  return *wm;
}

// ---- Z-order and activation -------------------------------------------------------------------

std::vector<Form*> WindowManager::Stacking() const {
  std::vector<Form*> out;
  for (Form* f : forms_)
    if (!f->TopMost()) out.push_back(f);
  for (Form* f : forms_)
    if (f->TopMost()) out.push_back(f);
  return out;
}

void WindowManager::AddForm(Form* f) { forms_.push_back(f); }

void WindowManager::RemoveForm(Form* f) { std::erase(forms_, f); }

void WindowManager::Raise(Form* f, bool top) {
  if (std::find(forms_.begin(), forms_.end(), f) == forms_.end()) return;
  std::erase(forms_, f);
  if (top)
    forms_.push_back(f);
  else
    forms_.insert(forms_.begin(), f);
  detail::Invalidate();
}

void WindowManager::Shown(Form* f) {
  Raise(f, true);
  if (f->WindowState() != WindowSize::kMinimized && (modal_.empty() || modal_.back() == f)) Activate(f);
}

void WindowManager::KeyTakerGone(const Form* f) {
  if (f != key_taker_) return;
  key_taker_ = nullptr;
  key_taker_gone_ = true;
}

void WindowManager::Hidden(Form* f) {
  KeyTakerGone(f);
  if (capture_.form == f) capture_ = {};
  if (pressed_.form == f) pressed_ = {};
  if (hover_ && &hover_->Parent() == f) HideTip(), hover_ = nullptr;
  if (active_ == f) {
    active_ = nullptr;
    detail::Invoke([f] { f->Form_Deactivate(); });
    Activate(NextActive(f));
  }
}

Form* WindowManager::NextActive(Form* except) const {
  auto candidate = [except](Form* f) {
    return f != except && f->Loaded() && f->Visible() && f->WindowState() != WindowSize::kMinimized;
  };
  if (!modal_.empty()) return candidate(modal_.back()) ? modal_.back() : nullptr;
  auto order = Stacking();
  for (auto it = order.rbegin(); it != order.rend(); ++it)
    if (candidate(*it)) return *it;
  return nullptr;
}

void WindowManager::Activate(Form* f) {
  if (f == active_) return;
  Form* old = active_;
  active_ = f;
  if (old && old->Loaded()) {
    if (Control* c = old->focus_; c && Usable(c)) {
      detail::Raise(c->LostFocus);
      detail::Invoke([c] { c->OnFocus(false); });
    }
    detail::Invoke([old] { old->Form_Deactivate(); });
  }
  if (!f || active_ != f) return;
  Raise(f, true);
  detail::Invoke([f] { f->Form_Activate(); });
  if (active_ != f) return;
  Control* c = f->focus_;
  if (!c || !Usable(c)) {
    c = nullptr;
    for (Control* x : f->AllControls())
      if (x->CanFocus() && x->TabStop() && Usable(x)) {
        c = x;
        break;
      }
    f->focus_ = c;
  }
  if (c) {
    detail::Raise(c->GotFocus);
    detail::Invoke([c] { c->OnFocus(true); });
  }
}

void WindowManager::PopModal(Form* f) {
  std::erase(modal_, f);
  if (Ended()) return;
  if (!active_ || !active_->Visible() || !active_->Loaded()) Activate(NextActive(nullptr));
}

bool WindowManager::InputAllowed(const Form* f) const {
  return f && f->Loaded() && f->Visible() && f->Enabled() && f->WindowState() != WindowSize::kMinimized &&
         (modal_.empty() || modal_.back() == f);
}

void WindowManager::SetFocus(Control* c) {
  Form* f = &c->Parent();
  if (f != active_) {
    f->focus_ = c;
    Activate(f);
    return;
  }
  Control* old = f->focus_;
  if (old == c) return;
  f->focus_ = c;
  if (old && Usable(old)) {
    detail::Raise(old->LostFocus);
    detail::Invoke([old] { old->OnFocus(false); });
  }
  if (f->focus_ == c) {
    detail::Raise(c->GotFocus);
    detail::Invoke([c] { c->OnFocus(true); });
  }
}

void WindowManager::ControlGone(Control* c, bool destroyed) {
  Form* f = &c->Parent();
  if (Control* focus = f->focus_; focus && Within(focus, c)) {
    f->focus_ = nullptr;
    if (!destroyed && f == active_) {
      detail::Raise(focus->LostFocus);
      detail::Invoke([focus] { focus->OnFocus(false); });
    }
  }
  auto clear = [c](Target& t) {
    if (t.control && Within(t.control, c)) t = {};
  };
  clear(capture_);
  clear(pressed_);
  clear(last_press_target_);
  if (hover_ && Within(hover_, c)) {
    HideTip();
    hover_ = nullptr;
  }
}

void WindowManager::FormGone(Form* f) {
  KeyTakerGone(f);
  std::erase(modal_, f);
  auto clear = [f](Target& t) {
    if (t.form == f) t = {};
  };
  clear(capture_);
  clear(pressed_);
  clear(last_press_target_);
  if (close_pressed_ == f) close_pressed_ = nullptr;
  if (hover_ && &hover_->Parent() == f) {
    HideTip();
    hover_ = nullptr;
  }
  RemoveForm(f);
  if (active_ == f) {
    active_ = nullptr;
    Activate(NextActive(f));
  }
}

void WindowManager::PopGrab(InputGrab* g) {
  std::erase(grabs_, g);
  // Buttons still held when a menu or a drag ends are released into nothing.
  swallowed_ |= buttons_;
  capture_ = {};
  pressed_ = {};
  detail::Invalidate();
}

// ---- Hit-testing ------------------------------------------------------------------------------

Form* WindowManager::FormAt(Point p) const {
  auto order = Stacking();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    Form* f = *it;
    if (f->Loaded() && f->Visible() && f->WindowState() != WindowSize::kMinimized && f->ScreenRectPx().Contains(p.x, p.y)) return f;
  }
  return nullptr;
}

namespace {
Control* HitIn(const Container& container, Point p) {
  const auto& kids = container.Children();
  for (int windowed = 1; windowed >= 0; --windowed) {
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
      Control* c = *it;
      if (c->Windowed() != (windowed == 1) || !c->Visible()) continue;
      if (!c->TakesMouse()) continue;
      Rect r = c->ScreenRect();
      if (r.Empty() || !r.Contains(p.x, p.y)) continue;
      if (auto* sub = dynamic_cast<const Container*>(c)) {
        if (sub->ClientScreenRect().Contains(p.x, p.y))
          if (Control* inner = HitIn(*sub, p)) return inner;
      }
      return c;
    }
  }
  return nullptr;
}
}  // namespace

Control* WindowManager::ControlAt(Form* f, Point p) const {
  if (!f || !f->ClientScreenRect().Contains(p.x, p.y)) return nullptr;
  return HitIn(*f, p);
}

Target WindowManager::TargetAt(Point p) const {
  Form* f = FormAt(p);
  if (!f) return {};
  Control* c = ControlAt(f, p);
  // A disabled control hands its input to its container.
  std::vector<Control*> chain;
  for (Control* x = c; x; x = ParentControl(x)) chain.push_back(x);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    if (!(*it)->Enabled()) return {f, ParentControl(*it)};
  return {f, c};
}

WindowHandle WindowManager::WindowAt(Point p) const {
  Form* f = FormAt(p);
  if (!f) return nullptr;
  std::vector<Control*> chain;
  for (Control* x = ControlAt(f, p); x; x = ParentControl(x)) chain.push_back(x);
  WindowHandle handle = f->hWnd();
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    if (!(*it)->Windowed()) continue;
    if (!(*it)->Enabled()) break;
    handle = (*it)->hWnd();
  }
  return handle;
}

std::pair<int, PicturePtr> WindowManager::PointerShape() const {
  if (!grabs_.empty()) return {0, nullptr};
  Target t = capture_ ? capture_ : TargetAt(pointer_);
  if (!t || !InputAllowed(t.form)) return {0, nullptr};
  for (Control* c = t.control; c; c = ParentControl(c)) {
    if (c->MousePointer() != PointerStyle::kDefault) return {static_cast<int>(c->MousePointer()), c->MouseIcon()};
    if (c->Windowed()) return {c->DefaultPointerShape(), nullptr};
  }
  return {static_cast<int>(t.form->MousePointer()), t.form->MouseIcon()};
}

// ---- Tooltips -----------------------------------------------------------------------------------

std::optional<WindowManager::Tip> WindowManager::Tooltip() const {
  if (!tip_shown_ || !hover_ || hover_->ToolTipText().empty()) return std::nullopt;
  Tip tip{hover_->ToolTipText(), tip_at_, Rect{}, -1};
  const int screen_w = CurrentBackend().ScreenWidth(), screen_h = CurrentBackend().ScreenHeight();
  // A tip wider than the screen wraps at the screen's width.
  TextSize size = MeasureText(tip.text, TextStyle{});
  if (size.width + kTipPadX > screen_w) {
    tip.wrap = std::max(1, screen_w - kTipPadX);
    size = MeasureText(tip.text, TextStyle{}, tip.wrap);
  }
  Rect& box = tip.box;
  box = {tip_at_.x, tip_at_.y + kTipBelowPointer, size.width + kTipPadX, size.height + kTipPadY};
  box.x = std::max(0, std::min(box.x, screen_w - box.w));
  if (box.y + box.h > screen_h) box.y = tip_at_.y - box.h - 2;
  box.y = std::max(0, box.y);
  return tip;
}

void WindowManager::HideTip() {
  if (tip_shown_) detail::Invalidate();
  tip_shown_ = false;
  tip_spent_ = true;
  tip_timer_.enabled = false;
}

void WindowManager::ArmTip(int delay_ms) {
  if (!tip_registered_) {
    detail::RegisterTimer(&tip_timer_);
    tip_registered_ = true;
  }
  tip_timer_.fire = [this] {
    if (tip_shown_) {
      HideTip();
      return;
    }
    // No text yet: one set later shows after the next rest.
    tip_timer_.enabled = false;
    if (!hover_ || hover_->ToolTipText().empty()) return;
    tip_shown_ = true;
    tip_at_ = pointer_;
    detail::Invalidate();
    tip_timer_.interval = kTipShowMs;
    tip_timer_.enabled = true;
    detail::ArmTimer(tip_timer_);
  };
  tip_timer_.interval = delay_ms;
  tip_timer_.enabled = true;
  detail::ArmTimer(tip_timer_);
}

void WindowManager::UpdateHover(const Target& t) {
  if (t.control == hover_) {
    // The delay counts from the last move: the tip waits for the pointer to rest.
    if (hover_ && !tip_shown_ && !tip_spent_) ArmTip(tip_timer_.interval);
    return;
  }
  const bool was_shown = tip_shown_;
  HideTip();
  for (const Control* c : {hover_, t.control})
    if (c && c->DrawsHover()) c->Invalidate();
  hover_ = t.control;
  tip_spent_ = false;
  // Armed whatever the text: a handler of this very move may be the one that sets it.
  if (hover_) ArmTip(was_shown ? kTipReshowMs : kTipDelayMs);
}

void WindowManager::ToolTipChanged(Control* c) {
  if (c != hover_) return;
  if (tip_shown_) {
    if (c->ToolTipText().empty()) HideTip();
    detail::Invalidate();
  } else if (!tip_spent_ && !tip_timer_.enabled) {
    ArmTip(kTipDelayMs);
  }
}

// ---- Input routing ------------------------------------------------------------------------------

void WindowManager::Dispatch(const InputEvent& e) {
  const bool mouse = e.type == EventType::kMouseMove || e.type == EventType::kMouseDown ||
                     e.type == EventType::kMouseUp || e.type == EventType::kMouseWheel;
  if (mouse) {
    // Only a menu or drag in progress may draw where the pointer is.
    if (pointer_ != Point{e.x, e.y} && !grabs_.empty()) detail::Invalidate();
    pointer_ = {e.x, e.y};
    if (e.type == EventType::kMouseDown) buttons_ |= e.button, keyboard_last_ = false;
    if (e.type == EventType::kMouseUp) buttons_ &= ~e.button;
  }
  if (e.type == EventType::kKeyDown) keyboard_last_ = true;
  if (!grabs_.empty()) {
    grabs_.back()->Handle(e);
    if (mouse) TrackCloseBoxFace();
    return;
  }
  switch (e.type) {
    case EventType::kMouseMove:
      MouseMove(e);
      break;
    case EventType::kMouseDown:
      MouseDown(e);
      break;
    case EventType::kMouseUp:
      MouseUp(e);
      break;
    case EventType::kMouseWheel:
      MouseWheel(e);
      break;
    case EventType::kKeyDown:
    case EventType::kKeyUp:
      Key(e);
      break;
    case EventType::kText:
      Text(e);
      break;
    // The event loop takes these itself.
    case EventType::kQuit:
    case EventType::kHostMinimized:
    case EventType::kHostRestored:
    case EventType::kScreenSize:
    case EventType::kCall:
      break;
  }
  if (mouse) TrackCloseBoxFace();
}

Form* WindowManager::CloseBoxUnderPointer() const {
  Form* f = FormAt(pointer_);
  if (!f || f->BorderStyle() == WindowBorder::kNone || !InputAllowed(f)) return nullptr;
  const Rect r = f->ScreenRectPx();
  return CloseBoxRect(r.w).Contains(pointer_.x - r.x, pointer_.y - r.y) ? f : nullptr;
}

ButtonFace WindowManager::CloseBoxFace(const Form* f) const {
  if (!grabs_.empty()) return ButtonFace::kNormal;
  const Form* under = CloseBoxUnderPointer();
  // Held down it looks pressed while the pointer is on it, as it was before leaving it.
  if (close_pressed_) return close_pressed_ == f && under == f ? ButtonFace::kPressed : ButtonFace::kNormal;
  return under == f && buttons_ == 0 ? ButtonFace::kHot : ButtonFace::kNormal;
}

void WindowManager::TrackCloseBoxFace() {
  Form* f = close_pressed_ ? close_pressed_ : CloseBoxUnderPointer();
  Rect at;
  ButtonFace face = ButtonFace::kNormal;
  if (f && f->Loaded() && (face = CloseBoxFace(f)) != ButtonFace::kNormal) {
    const Rect r = f->ScreenRectPx();
    const Rect box = CloseBoxRect(r.w);
    at = {r.x + box.x, r.y + box.y, box.w, box.h};
  }
  if (at == close_face_at_ && face == close_face_) return;
  detail::Invalidate(close_face_at_);
  detail::Invalidate(at);
  close_face_at_ = at;
  close_face_ = face;
}

void WindowManager::DeliverMouse(const Target& t, int kind, int button, int shift) {
  const Point o = Origin(t);
  const int px = pointer_.x - o.x, py = pointer_.y - o.y;
  const double x = PixelsToTwips(px), y = PixelsToTwips(py);
  if (Control* c = t.control) {
    if (c->RaisesStandardEvents()) {
      const auto& handler = kind == kMove ? c->MouseMove : kind == kDown ? c->MouseDown : c->MouseUp;
      detail::Raise(handler, button, shift, x, y);
    }
    detail::Invoke([&] {
      if (kind == kMove) c->OnMouseMove(button, shift, px, py);
      if (kind == kDown) c->OnMouseDown(button, shift, px, py);
      if (kind == kUp) c->OnMouseUp(button, shift, px, py);
    });
    return;
  }
  Form* f = t.form;
  detail::Invoke([&] {
    if (kind == kMove) f->Form_MouseMove(button, shift, x, y);
    if (kind == kDown) f->Form_MouseDown(button, shift, x, y);
    if (kind == kUp) f->Form_MouseUp(button, shift, x, y);
  });
}

void WindowManager::MouseMove(const InputEvent& e) {
  if (capture_) {
    HideTip();
    DeliverMouse(capture_, kMove, buttons_, e.shift);
    return;
  }
  Target t = TargetAt(pointer_);
  if (!t || !InputAllowed(t.form) || NonClient(t)) {
    UpdateHover({});
    return;
  }
  UpdateHover(buttons_ ? Target{} : t);
  DeliverMouse(t, kMove, buttons_, e.shift);
}

void WindowManager::MouseDown(const InputEvent& e) {
  if (swallowed_ & e.button) return;
  if (capture_) {
    DeliverMouse(capture_, kDown, e.button, e.shift);
    return;
  }
  Target t = TargetAt(pointer_);
  if (!t || !InputAllowed(t.form)) {
    swallowed_ |= e.button;
    return;
  }
  HideTip();
  if (active_ != t.form) Activate(t.form);
  if (!InputAllowed(t.form)) {
    swallowed_ |= e.button;
    return;
  }
  if (NonClient(t)) {
    // The title bar drags the window; the close box asks it to close.
    const Rect r = t.form->ScreenRectPx();
    const int x = pointer_.x - r.x, y = pointer_.y - r.y;
    if (e.button == kLeftButton && CloseBoxRect(r.w).Contains(x, y)) {
      // It closes on the release over it, as a button does.
      swallowed_ |= e.button;
      close_pressed_ = t.form;
    } else if (e.button == kLeftButton && y < t.form->NonClient().top) {
      t.form->DragWindow();
    } else {
      swallowed_ |= e.button;
    }
    return;
  }
  if (t.control && t.control->CanFocus() && Usable(t.control)) SetFocus(t.control);
  const int64_t now = detail::Now();
  const bool dbl = e.button == kLeftButton && now - last_press_time_ <= kDoubleClickMs &&
                   std::abs(pointer_.x - last_press_at_.x) <= kDoubleClickSlop &&
                   std::abs(pointer_.y - last_press_at_.y) <= kDoubleClickSlop && last_press_target_ == t;
  capture_ = t;
  if (e.button == kLeftButton) pressed_ = t;
  if (dbl) {
    last_press_time_ = -1000000;
    dbl_release_ = true;
    if (Control* c = t.control) {
      if (c->RaisesStandardEvents()) detail::Raise(c->DblClick);
      const Point o = Origin(t);
      detail::Invoke([&] { c->OnDblClick(pointer_.x - o.x, pointer_.y - o.y); });
    } else {
      detail::Invoke([&] { t.form->Form_DblClick(); });
    }
    return;
  }
  if (e.button == kLeftButton) {
    last_press_time_ = now;
    last_press_at_ = pointer_;
    last_press_target_ = t;
  } else {
    last_press_time_ = -1000000;
  }
  DeliverMouse(t, kDown, e.button, e.shift);
}

void WindowManager::MouseWheel(const InputEvent& e) {
  // The control under the pointer scrolls, as long as its window takes input.
  Target t = TargetAt(pointer_);
  if (!t.control || !InputAllowed(t.form) || NonClient(t)) return;
  Control* c = t.control;
  detail::Invoke([&] { c->OnMouseWheel(e.wheel); });
}

void WindowManager::MouseUp(const InputEvent& e) {
  if (close_pressed_ && e.button == kLeftButton) {
    Form* f = close_pressed_;
    close_pressed_ = nullptr;
    swallowed_ &= ~e.button;
    if (CloseBoxUnderPointer() == f) detail::Invoke([f] { f->CloseBoxClicked(); });
    return;
  }
  if (swallowed_ & e.button) {
    swallowed_ &= ~e.button;
    return;
  }
  const bool captured = static_cast<bool>(capture_);
  Target t = captured ? capture_ : TargetAt(pointer_);
  if (buttons_ == 0) capture_ = {};
  if (!t || (!captured && (!InputAllowed(t.form) || NonClient(t)))) return;
  DeliverMouse(t, kUp, e.button, e.shift);
  if (e.button != kLeftButton) return;
  const bool after_dbl = dbl_release_;
  dbl_release_ = false;
  const bool clicked = !after_dbl && pressed_ == t && TargetAt(pointer_) == t;
  pressed_ = {};
  if (!clicked) return;
  if (Control* c = t.control) {
    if (c->RaisesStandardEvents() && c->ClickOnRelease()) detail::Raise(c->Click);
  } else {
    detail::Invoke([&] { t.form->Form_Click(); });
  }
}

Control* WindowManager::NextTabStop(const Form& f, const Control* from, bool back) const {
  const auto& all = f.AllControls();
  const int n = static_cast<int>(all.size());
  const auto at_it = std::find(all.begin(), all.end(), from);
  const int at = at_it == all.end() ? -1 : static_cast<int>(at_it - all.begin());
  for (int step = 1; step <= n; ++step) {
    const int i = at < 0 ? (back ? n - step : step - 1) : ((at + (back ? -step : step)) % n + n) % n;
    Control* x = all[i];
    if (x->CanFocus() && x->TabStop() && Usable(x)) return x;
  }
  return nullptr;
}

bool WindowManager::NonClient(const Target& t) const {
  return !t.control && !t.form->ClientScreenRect().Contains(pointer_.x, pointer_.y);
}

Target WindowManager::KeyTarget() const {
  if (!active_ || !InputAllowed(active_)) return {};
  Control* c = active_->focus_;
  return {active_, c && Usable(c) ? c : nullptr};
}

void WindowManager::Key(const InputEvent& e) {
  if (e.type == EventType::kKeyUp) {
    if (e.key == pressed_key_) pressed_key_ = 0, key_taker_ = nullptr;
    // The release of a key whose window went with its press (a message box it answered).
    if (consumed_key_ != 0 && e.key == consumed_key_) {
      consumed_key_ = 0;
      return;
    }
  } else {
    consumed_key_ = 0;
    pressed_key_ = 0;
    key_taker_ = nullptr;
  }
  Target t = KeyTarget();
  if (!t) return;
  HideTip();
  int code = e.key;
  Control* c = t.control;
  if (e.type == EventType::kKeyUp) {
    if (c) {
      detail::Raise(c->KeyUp, code, e.shift);
      if (code != 0) detail::Invoke([&] { c->OnKeyUp(code, e.shift); });
    } else {
      detail::Invoke([&] { t.form->Form_KeyUp(code, e.shift); });
    }
    return;
  }
  pressed_key_ = e.key;
  key_taker_ = t.form;
  key_taker_gone_ = false;
  const bool navigation = e.key == kKeyTab || (e.key >= kKeyLeft && e.key <= kKeyDown);
  if ((navigation || e.key == kKeyMenu || (e.shift & kAltMask)) && !t.form->keyboard_cues_) {
    t.form->keyboard_cues_ = true;
    detail::Invalidate();
  }
  if (e.key == kKeyTab && (e.shift & (kCtrlMask | kAltMask)) == 0 && t.form->DialogKeys()) {
    if (Control* next = NextTabStop(*t.form, c, (e.shift & kShiftMask) != 0)) {
      // The window's own key: neither the control it leaves nor the one it enters sees it.
      consumed_key_ = e.key;
      SetFocus(next);
      if (active_ == t.form && t.form->focus_ == next) detail::Invoke([next] { next->OnTabbedTo(); });
      return;
    }
  }
  if (c) {
    detail::Raise(c->KeyDown, code, e.shift);
    if (code != 0) detail::Invoke([&] { c->OnKeyDown(code, e.shift); });
  } else {
    detail::Invoke([&] { t.form->Form_KeyDown(code, e.shift); });
  }
  if (key_taker_gone_) {
    // The window closed by the key keeps the rest of it, as a closed message box does.
    consumed_key_ = e.key;
    return;
  }
  // Keys that type a control character; Ctrl with a letter types its control code (Ctrl+V is
  // 22), which is how a text box's KeyPress can refuse the clipboard shortcuts.
  char control = 0;
  if ((e.shift & (kCtrlMask | kAltMask)) == 0 && (e.key == kKeyReturn || e.key == kKeyBack || e.key == kKeyEscape))
    control = static_cast<char>(e.key);
  else if ((e.shift & (kCtrlMask | kAltMask)) == kCtrlMask && e.key >= 'A' && e.key <= 'Z')
    control = static_cast<char>(e.key - 'A' + 1);
  if (control != 0) {
    InputEvent text;
    text.type = EventType::kText;
    text.text = std::string(1, control);
    Text(text);
  }
}

void WindowManager::Text(const InputEvent& e) {
  if (consumed_key_ != 0) return;
  for (const std::string& ch : platform::Chars(e.text)) {
    Target t = KeyTarget();
    if (!t) return;
    // Decode the code point of one UTF-8 character.
    int cp = static_cast<unsigned char>(ch[0]);
    if (ch.size() > 1) {
      cp &= 0xFF >> (ch.size() + 1);
      for (size_t i = 1; i < ch.size(); ++i) cp = cp << 6 | (static_cast<unsigned char>(ch[i]) & 0x3F);
    }
    key_taker_ = t.form;
    key_taker_gone_ = false;
    if (Control* c = t.control) {
      detail::Raise(c->KeyPress, cp);
      if (cp != 0) detail::Invoke([&] { c->OnChar(cp); });
    } else {
      detail::Invoke([&] { t.form->Form_KeyPress(cp); });
    }
    if (key_taker_gone_) {
      // The rest of the text and the key's release belong to the window that went.
      consumed_key_ = pressed_key_;
      return;
    }
  }
}

void WindowManager::Reset() {
  if (tip_registered_) detail::UnregisterTimer(&tip_timer_);
  tip_registered_ = false;
  tip_timer_ = {};
  forms_.clear();
  modal_.clear();
  grabs_.clear();
  active_ = nullptr;
  pointer_ = {-1, -1};
  buttons_ = swallowed_ = 0;
  capture_ = pressed_ = last_press_target_ = {};
  dbl_release_ = false;
  last_press_time_ = -1000000;
  hover_ = nullptr;
  close_pressed_ = nullptr;
  close_face_at_ = {};
  close_face_ = ButtonFace::kNormal;
  tip_shown_ = tip_spent_ = false;
  keyboard_last_ = false;
  key_taker_ = nullptr;
  key_taker_gone_ = false;
  pressed_key_ = consumed_key_ = 0;
}

// ---- Screen services ----------------------------------------------------------------------------

double ScreenWidth() { return PixelsToTwips(CurrentBackend().ScreenWidth()); }
double ScreenHeight() { return PixelsToTwips(CurrentBackend().ScreenHeight()); }
Point GetCursorPos() { return Wm().Pointer(); }
WindowHandle WindowFromPoint(Point p) { return Wm().WindowAt(p); }
Form* ActiveForm() { return Wm().Active(); }
Form* TopWindow() { return Wm().Top(); }

Form* WindowManager::Top() const {
  auto shown = [](Form* f) { return f && f->Loaded() && f->Visible(); };
  if (!modal_.empty()) return shown(modal_.back()) ? modal_.back() : nullptr;
  if (shown(active_) && active_->WindowState() != WindowSize::kMinimized) return active_;
  auto order = Stacking();
  for (int minimised = 0; minimised <= 1; ++minimised)
    for (auto it = order.rbegin(); it != order.rend(); ++it)
      if (shown(*it) && ((*it)->WindowState() == WindowSize::kMinimized) == (minimised == 1)) return *it;
  return nullptr;
}

bool WindowManager::OnlyMinimizedShown() const {
  bool any = false;
  for (const Form* f : forms_) {
    if (!f->Loaded() || !f->Visible()) continue;
    if (f->WindowState() != WindowSize::kMinimized) return false;
    any = true;
  }
  return any;
}

bool WindowManager::AnyShownNotMinimized() const {
  return std::any_of(forms_.begin(), forms_.end(),
                     [](const Form* f) { return f->Loaded() && f->Visible() && f->WindowState() != WindowSize::kMinimized; });
}

void WindowManager::RestoreFromTaskbar() {
  if (!OnlyMinimizedShown()) return;
  for (Form* f : Stacking())
    // A Resize handler before it may have unloaded, hidden or restored it.
    if (f->Loaded() && f->Visible() && f->WindowState() == WindowSize::kMinimized) f->SetWindowState(WindowSize::kNormal);
  if (!active_) Activate(NextActive(nullptr));
}

// ---- Window drag ----------------------------------------------------------------------------------

namespace {
class DragGrab : public InputGrab {
 public:
  DragGrab(Form& form, Point start) : form_(form), start_(start), left_(form.Left()), top_(form.Top()) {}
  bool done() const { return done_; }
  void Handle(const InputEvent& e) override {
    if (e.type == EventType::kMouseMove) {
      platform::Try([&] {
        form_.Move(left_ + PixelsToTwips(e.x - start_.x), top_ + PixelsToTwips(e.y - start_.y));
      });
    } else if (e.type == EventType::kMouseUp && e.button == kLeftButton) {
      done_ = true;
    } else if (e.type == EventType::kKeyDown && e.key == kKeyEscape) {
      platform::Try([&] { form_.Move(left_, top_); });
      done_ = true;
    }
  }

 private:
  Form& form_;
  Point start_;
  double left_, top_;
  bool done_ = false;
};
}  // namespace

void Form::DragWindow() {
  if (!loaded_ || !visible_ || window_state_ != WindowSize::kNormal || !(Wm().ButtonsHeld() & kLeftButton)) return;
  Wm().ReleaseCapture();
  DragGrab grab(*this, Wm().Pointer());
  GrabScope scope(&grab);
  detail::Invoke([&] { detail::RunUntil([&] { return grab.done() || !loaded_; }); });
}

}  // namespace xpexam::forms
