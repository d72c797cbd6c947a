#pragma once
// Internals shared by the runtime's own files: handler invocation, timers, the loop, the
// window manager and the compositor. Window code uses app.h, form.h and the control headers.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/app.h"
#include "forms/backend.h"
#include "forms/control.h"
#include "forms/draw.h"
#include "forms/form.h"
#include "platform/failure.h"

namespace xpexam::forms {

namespace detail {

// ---- Handler invocation -------------------------------------------------------------------
// Counts running handlers (unloaded windows are destroyed only when none runs) and loop levels;
// End() unwinds to the outermost of them.
class Scope {
 public:
  explicit Scope(bool handler);
  ~Scope();
  Scope(const Scope&) = delete;
  Scope& operator=(const Scope&) = delete;
  bool Outermost() const { return outermost_; }

 private:
  bool handler_;
  bool outermost_;
};
int HandlerDepth();
// A window was shown, or restored from its minimised state (the host window follows it).
void NoteWindowAppeared();
void ReportUnhandled(const std::string& what);

// Runs program code: End() inside unwinds to here when this is the outermost level; a failure
// that escapes the program's own handling is reported and the runtime goes on.
template <class F>
void Invoke(F&& f) {
  // Once the program has ended no more of its code runs.
  if (Ended()) return;
  Scope scope(true);
  try {
    const platform::detail::RouteScope route(platform::FailureRoute::kUnhandled, {});
    f();
  } catch (const ProgramEnded&) {
    if (!scope.Outermost()) throw;
  } catch (const platform::Failure& e) {
    ReportUnhandled(std::to_string(e.number()) + " " + e.what());
  } catch (const std::exception& e) {
    ReportUnhandled(e.what());
  }
}

// Calls a handler member through a copy, so that a handler may replace itself.
template <class Fn, class... A>
void Raise(const Fn& handler, A&&... args) {
  if (!handler) return;
  Fn copy = handler;
  Invoke([&] { copy(std::forward<A>(args)...); });
}

// ---- Timers -------------------------------------------------------------------------------
struct TimerSlot {
  std::function<void()> fire;
  int interval = 0;
  bool enabled = false;
  bool running = false;
  int64_t due = 0;
  uint64_t seq = 0;
  uint64_t arms = 0;
};
void RegisterTimer(TimerSlot* slot);
void UnregisterTimer(TimerSlot* slot);
// Starts counting one interval from now (enable, or an interval change while enabled).
void ArmTimer(TimerSlot& slot);
int64_t NextTimerDue();
// Fires the earliest due timer; false when none is due.
bool FireDueTimer();

// ---- Clock, screen, loop --------------------------------------------------------------------
int64_t Now();
// The whole screen needs repainting.
void Invalidate();
// Only this area (screen pixels) needs repainting.
void Invalidate(const Rect& screen_area);
// The frame check's test hook: this control's changes damage nothing.
bool DamageSkipped(const Control* c);
enum class OnExhausted { kEnd, kReturn };
// The one loop: processes timers and input until done() or the program ends. False when ended.
bool RunUntil(const std::function<bool()>& done, OnExhausted on_exhausted = OnExhausted::kEnd);
// Unloaded windows and controls wait here until no handler runs.
void Bury(std::unique_ptr<Form> form);
// Controls, menu items and timers unloaded from control arrays.
void BuryObject(std::shared_ptr<void> object);
void CollectGraveyard();

}  // namespace detail

// ---- Parts the loop drives and ResetRuntime clears ---------------------------------------------
// Composes and presents the screen when anything changed since the last frame (compositor.cpp).
void PresentIfChanged();
void ResetCompositor();
// Forgets every loaded window without running handlers (form.cpp).
void ResetForms();
// Lays the loaded windows out for the backend's new screen size, the old one given in pixels
// (screen_layout.cpp).
void FollowScreenSize(int old_width, int old_height);

// Takes every input event while active (popup menus, window drags).
class InputGrab {
 public:
  virtual ~InputGrab() = default;
  virtual void Handle(const InputEvent& e) = 0;
  // Drawn above every window.
  virtual void Paint(Painter& /*painter*/) {}
};

// Where an input event goes: a control, or the window itself when control is null.
struct Target {
  Form* form = nullptr;
  Control* control = nullptr;
  explicit operator bool() const { return form != nullptr; }
  friend bool operator==(const Target&, const Target&) = default;
};

class WindowManager {
 public:
  // Windows in z-order, bottom first, the topmost band after the others.
  std::vector<Form*> Stacking() const;
  void AddForm(Form* f);
  void RemoveForm(Form* f);
  void Raise(Form* f, bool top);
  void Shown(Form* f);
  void Hidden(Form* f);
  void Activate(Form* f);
  Form* Active() const { return active_; }
  // See TopWindow (app.h).
  Form* Top() const;
  // Every loaded, visible window is minimised, and one is: nothing of the program is on the screen.
  bool OnlyMinimizedShown() const;
  // A loaded, visible window that is not minimised.
  bool AnyShownNotMinimized() const;
  // The host window came back: when only minimised windows are shown they are restored, bottom
  // first, as from XP's taskbar (each raises Resize), and the top one is activated.
  void RestoreFromTaskbar();
  void PushModal(Form* f) { modal_.push_back(f); }
  void PopModal(Form* f);
  bool InputAllowed(const Form* f) const;

  void SetFocus(Control* c);
  // Whether the last press was a key rather than a mouse button.
  bool KeyboardInputLast() const { return keyboard_last_; }
  // A control's tooltip text changed.
  void ToolTipChanged(Control* c);
  // A control hidden, disabled or destroyed: it loses focus, capture and hover.
  void ControlGone(Control* c, bool destroyed);
  void FormGone(Form* f);

  void PushGrab(InputGrab* g) { grabs_.push_back(g); }
  void PopGrab(InputGrab* g);
  const std::vector<InputGrab*>& Grabs() const { return grabs_; }
  void Dispatch(const InputEvent& e);

  Point Pointer() const { return pointer_; }
  int ButtonsHeld() const { return buttons_; }
  void ReleaseCapture() { capture_ = {}; }
  // The form under a screen point (visible, not minimised), top first.
  Form* FormAt(Point p) const;
  // The control under a point of a form (raw: disabled ones included), or null for the form.
  Control* ControlAt(Form* f, Point p) const;
  // Where input at p goes after disabled controls hand it to their container.
  Target TargetAt(Point p) const;
  WindowHandle WindowAt(Point p) const;
  // The pointer shape to show now (number and custom picture).
  std::pair<int, PicturePtr> PointerShape() const;
  // How a bordered window's close box looks now: under the pointer, held down, or neither.
  ButtonFace CloseBoxFace(const Form* f) const;
  // The control under the pointer while no button is held.
  const Control* Hovered() const { return hover_; }
  // The tooltip to draw, if one is up.
  struct Tip {
    std::string text;
    Point at;
    // On the screen: below and right of the pointer, moved left or up to stay on it.
    Rect box;
    // Width the text wraps at, or -1 for one line.
    int wrap = -1;
  };
  std::optional<Tip> Tooltip() const;
  void Reset();

 private:
  void MouseMove(const InputEvent& e);
  void MouseDown(const InputEvent& e);
  void MouseUp(const InputEvent& e);
  void MouseWheel(const InputEvent& e);
  void Key(const InputEvent& e);
  void Text(const InputEvent& e);
  void DeliverMouse(const Target& t, int kind, int button, int shift);
  void UpdateHover(const Target& t);
  void ArmTip(int delay_ms);
  void HideTip();
  // The next tab stop of f after (or before) from.
  Control* NextTabStop(const Form& f, const Control* from, bool back) const;
  Target KeyTarget() const;
  // A point of a window's border or title bar.
  bool NonClient(const Target& t) const;
  // The window whose close box is under the pointer and takes input, if any.
  Form* CloseBoxUnderPointer() const;
  // Repaints the close boxes whose face the last mouse event changed.
  void TrackCloseBoxFace();
  Form* NextActive(Form* except) const;
  // The window that took the key being pressed is hidden or gone.
  void KeyTakerGone(const Form* f);

  std::vector<Form*> forms_;
  Form* active_ = nullptr;
  std::vector<Form*> modal_;
  std::vector<InputGrab*> grabs_;
  Point pointer_{-1, -1};
  int buttons_ = 0;
  int swallowed_ = 0;
  Target capture_;
  Target pressed_;
  bool dbl_release_ = false;
  int64_t last_press_time_ = -1000000;
  Point last_press_at_;
  Target last_press_target_;
  Control* hover_ = nullptr;
  int64_t hover_since_ = 0;
  // The window whose close box the left button went down on; it closes on a release there.
  Form* close_pressed_ = nullptr;
  // The close box last drawn under the pointer or held down (screen pixels), and its face.
  Rect close_face_at_;
  ButtonFace close_face_ = ButtonFace::kNormal;
  // The window that took the key now being pressed; once it goes, the rest of that keystroke
  // (its characters and its release) goes nowhere.
  const Form* key_taker_ = nullptr;
  bool key_taker_gone_ = false;
  int pressed_key_ = 0;
  int consumed_key_ = 0;
  detail::TimerSlot tip_timer_;
  bool tip_registered_ = false;
  bool tip_shown_ = false;
  // The tip of the control under the pointer came and went (or a press took it away): it does
  // not come back until the pointer enters another control.
  bool tip_spent_ = false;
  Point tip_at_;
  bool keyboard_last_ = false;
};
WindowManager& Wm();

// Keeps an input grab or a modal window on the window manager's stacks for a scope, also when
// End() unwinds through it.
class GrabScope {
 public:
  explicit GrabScope(InputGrab* g) : g_(g) { Wm().PushGrab(g); }
  ~GrabScope() { Wm().PopGrab(g_); }
  GrabScope(const GrabScope&) = delete;
  GrabScope& operator=(const GrabScope&) = delete;

 private:
  InputGrab* g_;
};
class ModalScope {
 public:
  explicit ModalScope(Form* f) : f_(f) { Wm().PushModal(f); }
  ~ModalScope() { Wm().PopModal(f_); }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  Form* f_;
};

}  // namespace xpexam::forms
