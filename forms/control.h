#pragma once
// The base of every control on a window: geometry in twips relative to its container, the
// common properties (Visible, Enabled, ToolTipText, MousePointer, ...) and the standard events.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/graphics.h"
#include "forms/property_values.h"

namespace xpexam::forms {

class Form;
class Control;
class WindowManager;
class Compositor;

// Identity of a window (a form or a windowed control), as WindowFromPoint answers it.
using WindowHandle = const void*;

// Holds controls: a form, a picture box, a frame or a custom control.
class Container {
 public:
  virtual ~Container() = default;
  virtual Form& OwnerForm() const = 0;
  // Client area on the screen in pixels (children are placed from its top left corner).
  virtual Rect ClientScreenRect() const = 0;
  // Children in z-order, the bottom one first.
  const std::vector<Control*>& Children() const { return children_; }

 private:
  friend class Control;
  std::vector<Control*> children_;
};

class Control {
 public:
  Control(Container& container, std::string name, int index = -1);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  // Index within a control array; -1 for a single control.
  int Index() const { return index_; }
  // "Name" or "Name(3)".
  std::string DisplayName() const;
  virtual std::string TypeName() const = 0;
  Form& Parent() const { return *form_; }
  Container& GetContainer() const { return *container_; }

  double Left() const { return left_; }
  double Top() const { return top_; }
  double Width() const { return width_; }
  double Height() const { return height_; }
  void SetLeft(double v) { Move(v); }
  void SetTop(double v) { Move(left_, v); }
  void SetWidth(double v) { Move(left_, top_, v); }
  void SetHeight(double v) { Move(left_, top_, width_, v); }
  void Move(double left, std::optional<double> top = {}, std::optional<double> width = {},
            std::optional<double> height = {});

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  const std::string& ToolTipText() const { return tool_tip_; }
  void SetToolTipText(std::string text);
  PointerStyle MousePointer() const { return mouse_pointer_; }
  void SetMousePointer(PointerStyle shape);
  const PicturePtr& MouseIcon() const { return mouse_icon_; }
  void SetMouseIcon(PicturePtr icon);
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool v) { tab_stop_ = v; }
  const std::string& Tag() const { return tag_; }
  void SetTag(std::string tag) { tag_ = std::move(tag); }

  // 0 brings the control to the top of its layer, 1 sends it to the bottom.
  void ZOrder(int position = 0);
  // Gives the control the keyboard focus. Failure 5 when it cannot take it (hidden, disabled,
  // its window not shown, or a control that never takes the focus).
  void SetFocus();
  void Refresh();
  // The control's own window, or nullptr for windowless controls (labels, images, shapes, lines).
  WindowHandle hWnd() const { return Windowed() ? this : nullptr; }

  // Visible itself and through every container up to a shown window.
  bool EffectivelyVisible() const;
  // Position and size on the screen in pixels (empty for parked 1 x 1 twip controls).
  Rect ScreenRect() const;

  std::function<void()> Click;
  std::function<void()> DblClick;
  std::function<void(int button, int shift, double x, double y)> MouseDown;
  std::function<void(int button, int shift, double x, double y)> MouseMove;
  std::function<void(int button, int shift, double x, double y)> MouseUp;
  std::function<void(int& key_code, int shift)> KeyDown;
  std::function<void(int& key_ascii)> KeyPress;
  std::function<void(int& key_code, int shift)> KeyUp;
  std::function<void()> GotFocus;
  std::function<void()> LostFocus;

  // Windowed controls lie above windowless ones and own a window handle.
  virtual bool Windowed() const { return false; }
  virtual bool CanFocus() const { return false; }
  // Shapes and lines let the mouse through.
  virtual bool TakesMouse() const { return true; }

  // Whether a dump lists the controls inside (a custom control keeps its parts to itself).
  virtual bool DumpChildren() const { return true; }

  // Copies every property but the identity, Visible and the handlers (control array Load).
  virtual void CopyFrom(const Control& other);

 protected:
  friend class WindowManager;
  friend class Compositor;

  // Whether the runtime raises Click after a left release over the control; controls whose
  // Click means something else (a list's selection, a check box's value) raise it themselves.
  virtual bool ClickOnRelease() const { return true; }
  // Whether the runtime raises the standard events above; a custom control raises its own.
  virtual bool RaisesStandardEvents() const { return true; }
  // Children area in the control's own pixels (containers only).
  virtual Rect ClientRect() const { return {0, 0, PixelRect().w, PixelRect().h}; }
  // Looks different under the pointer: repainted as the pointer comes and goes.
  virtual bool DrawsHover() const { return false; }
  // Pointer shape shown over the control while its MousePointer is 0.
  virtual int DefaultPointerShape() const { return 0; }

  // Draws the control into r = (0, 0, width, height) in its own pixels.
  virtual void Paint(Painter& painter, const Rect& r) = 0;

  // Built-in behaviour, after the standard event of the same input. Coordinates in the
  // control's own pixels.
  virtual void OnMouseDown(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
  virtual void OnMouseMove(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
  virtual void OnMouseUp(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {}
  virtual void OnDblClick(int /*x*/, int /*y*/) {}
  // The wheel turned over the control: notches, positive away from the user.
  virtual void OnMouseWheel(int /*notches*/) {}
  virtual void OnKeyDown(int /*key_code*/, int /*shift*/) {}
  virtual void OnKeyUp(int /*key_code*/, int /*shift*/) {}
  // The focus came with Tab or Shift+Tab.
  virtual void OnTabbedTo() {}
  virtual void OnChar(int /*code_point*/) {}
  virtual void OnFocus(bool /*got*/) {}
  virtual void OnResized() {}

  // Marks the control's area, where it is now and where it was last drawn, for recomposition.
  void Invalidate() const;
  // Position and size relative to the container's client area, in pixels.
  Rect PixelRect() const;
  // Fields printed by the scenario runner's dump after the geometry ("caption=..." and so on).
  virtual std::string DumpFields() const { return ""; }
  friend std::string DumpControlLine(const Control& c);

 private:
  friend class Form;
  template <class T>
  friend class ControlArray;
  void Detach();

  Container* container_;
  Form* form_;
  std::string name_;
  int index_;
  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool tab_stop_ = true;
  std::string tool_tip_;
  PointerStyle mouse_pointer_ = PointerStyle::kDefault;
  PicturePtr mouse_icon_;
  std::string tag_;
  bool detached_ = false;
  // Screen pixels it covered when last composed.
  Rect painted_;
};

// Half-away-from-zero conversion of twips to whole pixels at the screen's resolution.
int TwipsToPixels(double twips);
double PixelsToTwips(int pixels);

}  // namespace xpexam::forms
