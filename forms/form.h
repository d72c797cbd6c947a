#pragma once
// A window of the program. Each window is one class deriving from FormOf<itself>; its controls
// are members, constructed with their design properties, and its handlers are the virtual
// Form_* methods and the event members of the controls:
//
//   class FrmDemo : public forms::FormOf<FrmDemo> {
//    public:
//     forms::Label LblTitle{*this, "LblTitle"};
//     forms::Timer Timer1{*this, "Timer1", 100, false};
//     FrmDemo() { SetBorderStyle(WindowBorder::kNone); LblTitle.Click = [this] { Timer1.SetEnabled(true); }; }
//    protected:
//     void Form_Load() override { LblTitle.SetCaption("..."); }
//   };
//
// There is one instance per class: FrmDemo::Get() returns it, loading it first (constructing it
// and running Form_Load) when it is not loaded. Unload() ends the instance: the next Get()
// builds a fresh one. An unloaded instance stays in memory, inert, until no handler is running
// any more, so a window may unload itself and go on with the rest of its handler; a reference
// kept across a nested loop must not be used after the window unloaded (call Get() again).
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <vector>

#include "forms/control.h"

namespace xpexam::forms {

class MenuItem;
class Timer;

// Unload modes passed to Form_QueryUnload.
constexpr int kUnloadFromControlMenu = 0;
constexpr int kUnloadFromCode = 1;

class Form : public Container {
 public:
  explicit Form(std::string name);
  ~Form() override;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }
  Form& OwnerForm() const override { return const_cast<Form&>(*this); }
  Rect ClientScreenRect() const override;

  // Outer bounds in twips on the screen. A maximised window reports the screen; moving or
  // sizing a minimised or maximised window is Failure 384.
  double Left() const;
  double Top() const;
  double Width() const;
  double Height() const;
  void SetLeft(double v) { Move(v); }
  void SetTop(double v) { Move(Left(), v); }
  void SetWidth(double v) { Move(Left(), Top(), v); }
  void SetHeight(double v) { Move(Left(), Top(), Width(), v); }
  void Move(double left, std::optional<double> top = {}, std::optional<double> width = {},
            std::optional<double> height = {});
  // Client area size in twips (the window less its border and title bar).
  double ScaleWidth() const;
  double ScaleHeight() const;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  const PicturePtr& Icon() const { return icon_; }
  void SetIcon(PicturePtr icon) { icon_ = std::move(icon); }
  // Background picture at the client area's top left corner, natural size.
  const PicturePtr& Picture() const { return picture_; }
  void SetPicture(PicturePtr picture);
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color color);
  WindowBorder BorderStyle() const { return border_style_; }
  void SetBorderStyle(WindowBorder style);
  StartPosition StartUpPosition() const { return start_up_position_; }
  void SetStartUpPosition(StartPosition position) { start_up_position_ = position; }
  WindowSize WindowState() const { return window_state_; }
  void SetWindowState(WindowSize state);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  PointerStyle MousePointer() const { return mouse_pointer_; }
  void SetMousePointer(PointerStyle shape);
  const PicturePtr& MouseIcon() const { return mouse_icon_; }
  void SetMouseIcon(PicturePtr icon);

  // The topmost band (SetWindowPos with HWND_TOPMOST / HWND_NOTOPMOST).
  bool TopMost() const { return top_most_; }
  void SetTopMost(bool top_most);
  // 0 raises the window to the top of its band (HWND_TOP), 1 sends it to the bottom.
  void ZOrder(int position = 0);

  // Shows the window and makes it the active one.
  void Show();
  // Shows the window modally: returns when it has been hidden or unloaded. Meanwhile other
  // windows get no input while timers keep firing.
  void ShowModal();
  void Hide() { SetVisible(false); }
  // Runs Form_QueryUnload and Form_Unload (either may cancel), then ends the instance.
  // Returns false when cancelled.
  bool Unload(int unload_mode = kUnloadFromCode);
  bool Loaded() const { return loaded_; }

  // Tab and Shift+Tab move the focus through the window's tab stops (focusable, visible, enabled
  // controls with TabStop) in creation order. A window that reads every key itself turns this
  // off and gets Tab like any other key.
  bool DialogKeys() const { return dialog_keys_; }
  void SetDialogKeys(bool v) { dialog_keys_ = v; }
  // Focus rectangles and access-key underlines. A window shown after a mouse press starts
  // without them, one shown after a key press with them; Tab, an arrow key or Alt shows them.
  bool KeyboardCues() const { return keyboard_cues_; }

  // The control that has (or gets when the window is activated) the keyboard focus.
  Control* ActiveControl() const { return focus_; }
  // Shows a popup menu: at the pointer, or with its corner at (x, y) twips of the client area.
  // flags: 0 left edge at x, 4 centred on x, 8 right edge at x. Returns after the choice or the
  // dismissal; the chosen item's Click runs inside this call.
  void PopupMenu(MenuItem& menu, int flags = 0, std::optional<double> x = {}, std::optional<double> y = {});
  // The window follows the pointer until the left button is released (replaces releasing the
  // capture and sending a caption press). The release is swallowed; timers keep firing.
  void DragWindow();
  WindowHandle hWnd() const { return this; }
  void Refresh();
  // The request to leave the program reached this window, the one on top: it takes its own
  // visible way out. A bordered window acts as on its close box; a borderless one has no close
  // box and stays.
  virtual void CloseRequested() {
    if (border_style_ != WindowBorder::kNone) CloseBoxClicked();
  }

  // Every control in creation order (containers' children included), and the timers.
  const std::vector<Control*>& AllControls() const { return all_controls_; }
  const std::vector<Timer*>& Timers() const { return timers_; }

 protected:
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Deactivate() {}
  virtual void Form_QueryUnload(int& /*cancel*/, int /*unload_mode*/) {}
  virtual void Form_Unload(int& /*cancel*/) {}
  virtual void Form_Resize() {}
  virtual void Form_Click() {}
  virtual void Form_DblClick() {}
  virtual void Form_MouseDown(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
  virtual void Form_MouseMove(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
  virtual void Form_MouseUp(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
  virtual void Form_KeyDown(int& /*key_code*/, int /*shift*/) {}
  virtual void Form_KeyPress(int& /*key_ascii*/) {}
  virtual void Form_KeyUp(int& /*key_code*/, int /*shift*/) {}

  // The close box of a bordered window was clicked.
  virtual void CloseBoxClicked() { Unload(kUnloadFromControlMenu); }
  // Extra drawing over the client area's background and picture, below the controls.
  virtual void PaintBackground(Painter& /*painter*/, const Rect& /*client*/) {}
  // Pixels of the border and title bar around the client area.
  struct Edges {
    int left = 0, top = 0, right = 0, bottom = 0;
  };
  Edges NonClient() const;
  static Edges NonClientOf(WindowBorder border_style);

 private:
  friend class Control;
  friend class Timer;
  friend class WindowManager;
  friend class Compositor;
  friend class FormRegistry;
  friend class ScreenLayout;

  Rect ScreenRectPx() const;
  void ApplyStartUpPosition();
  void RaiseResize();

  std::string name_;
  double left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
  std::string caption_;
  PicturePtr icon_, picture_;
  Color back_color_ = 0x8000000F;
  WindowBorder border_style_ = WindowBorder::kSizable;
  StartPosition start_up_position_ = StartPosition::kManual;
  WindowSize window_state_ = WindowSize::kNormal;
  bool visible_ = false;
  bool enabled_ = true;
  PointerStyle mouse_pointer_ = PointerStyle::kDefault;
  PicturePtr mouse_icon_;
  bool top_most_ = false;
  bool loaded_ = true;
  bool shown_once_ = false;
  bool load_started_ = false;
  bool moved_by_code_ = false;
  bool dialog_keys_ = true;
  bool keyboard_cues_ = false;
  Control* focus_ = nullptr;
  std::vector<Control*> all_controls_;
  std::vector<Timer*> timers_;
};

namespace detail {
Form* FindInstance(std::type_index type);
// Registers a freshly built instance and runs its Form_Load.
void LoadInstance(std::type_index type, std::unique_ptr<Form> form);
std::string ClassName(const std::type_info& type);
}  // namespace detail

template <class T>
class FormOf : public Form {
 public:
  // The one instance, loaded first when it is not loaded.
  static T& Get() {
    if (Form* f = detail::FindInstance(typeid(T))) return static_cast<T&>(*f);
    auto owned = std::unique_ptr<T>(new T());
    T& instance = *owned;
    detail::LoadInstance(typeid(T), std::move(owned));
    return instance;
  }
  static bool IsLoaded() { return detail::FindInstance(typeid(T)) != nullptr; }
  // Unloads the instance when it is loaded; never loads it, as Get() would.
  static void UnloadIfLoaded() {
    if (Form* f = detail::FindInstance(typeid(T))) f->Unload();
  }

 protected:
  FormOf() : Form(detail::ClassName(typeid(T))) {}
};

// Loaded windows in load order.
std::vector<Form*> LoadedForms();
// Loads a window that is not one of a class's single instances (message boxes).
void LoadExtraForm(std::unique_ptr<Form> form);

}  // namespace xpexam::forms
