#pragma once
// The base of composite controls made of the runtime's own controls (the user-control kind):
// a windowed container whose parts are member controls with their own handlers. The runtime
// does not raise the standard events of the control itself; a derived control declares the
// events it raises (Click, say) and reacts to input on its own area by overriding the
// OnMouseDown / OnMouseMove / OnMouseUp / OnResized hooks. Input on a part goes to the part's
// handlers, which the derived control sets. WindowFromPoint answers the control's handle
// anywhere over it and its windowless parts.
//
//   class ImageButton : public forms::CustomControl {
//    public:
//     ImageButton(forms::Container& c, std::string name, int index = -1);
//     std::string TypeName() const override { return "ImageButton"; }
//     std::function<void()> Click;
//    private:
//     forms::Image ImgBack{*this, "ImgBack"};
//     forms::Label LblCaption{*this, "LblCaption"};
//     forms::Timer Timer1{*this, "Timer1", 100, true};
//   };
#include <string>

#include "forms/color.h"
#include "forms/control.h"

namespace xpexam::forms {

class CustomControl : public Control, public Container {
 public:
  CustomControl(Container& container, std::string name, int index = -1);
  Form& OwnerForm() const override { return Parent(); }
  Rect ClientScreenRect() const override { return ScreenRect(); }

  Color BackColor() const { return back_color_; }
  void SetBackColor(Color c);
  // Whether the control takes the keyboard focus itself.
  bool CanGetFocus() const { return can_get_focus_; }
  void SetCanGetFocus(bool v) { can_get_focus_ = v; }

  bool Windowed() const override { return true; }
  bool CanFocus() const override { return can_get_focus_; }
  bool DumpChildren() const override { return false; }
  void CopyFrom(const Control& other) override;

 protected:
  bool RaisesStandardEvents() const override { return false; }
  void Paint(Painter& p, const Rect& r) override;

 private:
  Color back_color_ = kSysButtonFace;
  bool can_get_focus_ = false;
};

}  // namespace xpexam::forms
