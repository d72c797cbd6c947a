#pragma once
// The push button of every window: a picture strip of four frames (normal, hover, pressed,
// disabled), each as wide as the button, with an optional caption centred over it.
//
//   frame::PictureButton Command1{*this, "Command1"};
//   Command1.Move(ScaleX(3480), ScaleY(2880), ScaleX(1350), ScaleY(450));
//   Command1.SetPicture(DataPicture("l20001"));
//   Command1.Click = [this] { Unload(); };
//
// Click comes after every release of any mouse button that follows a press on the button,
// wherever the pointer is then. The hover watch (Timer1) polls the pointer every 100 ms only
// while the pointer may be over the button.
#include <string>

#include "forms/custom_control.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/timer.h"

namespace xpexam::frame {

// Caption offsets lie on whole design pixels: v rounded to whole twips (halves to even), then
// truncated toward zero to a multiple of 15.
double SnapTwips(double v);

class PictureButton : public forms::CustomControl {
 public:
  // Where the button shows no picture.
  static constexpr forms::Color kBackColor = 0x00FF80FF;

  PictureButton(forms::Container& container, std::string name, int index = -1);
  std::string TypeName() const override { return "vemoButton"; }

  forms::Color ForeColor() const { return LblCaption.ForeColor(); }
  void SetForeColor(forms::Color New_ForeColor);
  // Frame 1 when enabled, frame 4 when not; a disabled button takes no mouse input.
  void SetEnabled(bool New_Enabled);
  const forms::Font& GetFont() const { return LblCaption.GetFont(); }
  void SetFont(const forms::Font& New_Font);
  const std::string& Caption() const { return LblCaption.Caption(); }
  void SetCaption(std::string New_Caption);
  bool FontBold() const { return LblCaption.FontBold(); }
  void SetFontBold(bool New_FontBold);
  const std::string& FontName() const { return LblCaption.FontName(); }
  void SetFontName(std::string New_FontName);
  double FontSize() const { return LblCaption.FontSize(); }
  void SetFontSize(double New_FontSize);
  bool FontUnderline() const { return LblCaption.FontUnderline(); }
  void SetFontUnderline(bool New_FontUnderline);
  // MouseIcon and MousePointer are the control's own (Control::SetMouseIcon, SetMousePointer).
  const forms::PicturePtr& Picture() const { return ImgBack.Picture(); }
  void SetPicture(forms::PicturePtr New_Picture);

  // The pointer is over the button's own window (not over a window that covers it).
  bool IsMouseOver() const;

  void CopyFrom(const forms::Control& other) override;

  // The parts. They let the mouse through: every mouse event lands on the button itself.
  class Face : public forms::Image {
   public:
    using Image::Image;
    bool TakesMouse() const override { return false; }
  };
  class CaptionLabel : public forms::Label {
   public:
    using Label::Label;
    bool TakesMouse() const override { return false; }
  };
  Face ImgBack{*this, "ImgBack"};
  CaptionLabel LblCaption{*this, "LblCaption"};
  forms::Timer Timer1{*this, "Timer1", 100, true};

 protected:
  void OnMouseDown(int button, int shift, int x, int y) override { ImgBack_MouseDown(button, shift, x, y); }
  void OnMouseMove(int button, int shift, int x, int y) override { ImgBack_MouseMove(button, shift, x, y); }
  void OnMouseUp(int button, int shift, int x, int y) override { ImgBack_MouseUp(button, shift, x, y); }
  void OnResized() override;
  std::string DumpFields() const override;

 private:
  void ImgBack_MouseDown(int button, int shift, int x, int y);
  void ImgBack_MouseMove(int button, int shift, int x, int y);
  void ImgBack_MouseUp(int button, int shift, int x, int y);
  void Timer1_Timer();

  // Shows frame 1 to 4 of the strip.
  void ShowFrame(int frame);
  bool Showing(int frame) const;
  void CentreCaption();
  void PressCaption();
};

}  // namespace xpexam::frame
