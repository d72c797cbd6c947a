#include "frame/picture_button.h"

#include <cmath>

#include "forms/app.h"
#include "forms/dump.h"
#include "forms/pictures.h"
#include "frame/installation.h"

namespace xpexam::frame {

double SnapTwips(double v) {
  // nearbyint rounds halves to even in the default rounding mode.
  const long twips = std::lround(std::nearbyint(v));
  return static_cast<double>(twips / 15 * 15);
}

PictureButton::PictureButton(forms::Container& container, std::string name, int index)
    : CustomControl(container, std::move(name), index) {
  SetBackColor(kBackColor);
  LblCaption.SetBackStyle(forms::Background::kTransparent);
  LblCaption.SetAutoSize(true);
  // What the program's own instances store: white 9-point 宋体.
  LblCaption.SetForeColor(0x00FFFFFF);
  LblCaption.SetFont(forms::Font{"宋体", 9});
  CentreCaption();
  ShowFrame(1);
  Timer1.Tick = [this] { Timer1_Timer(); };
}

void PictureButton::SetForeColor(forms::Color New_ForeColor) { LblCaption.SetForeColor(New_ForeColor); }

void PictureButton::SetEnabled(bool New_Enabled) {
  CustomControl::SetEnabled(New_Enabled);
  ShowFrame(New_Enabled ? 1 : 4);
}

void PictureButton::SetFont(const forms::Font& New_Font) { LblCaption.SetFont(New_Font); }

void PictureButton::SetCaption(std::string New_Caption) {
  LblCaption.SetCaption(std::move(New_Caption));
  CentreCaption();
}

void PictureButton::SetFontBold(bool New_FontBold) { LblCaption.SetFontBold(New_FontBold); }
void PictureButton::SetFontName(std::string New_FontName) { LblCaption.SetFontName(std::move(New_FontName)); }
void PictureButton::SetFontSize(double New_FontSize) { LblCaption.SetFontSize(New_FontSize); }
void PictureButton::SetFontUnderline(bool New_FontUnderline) { LblCaption.SetFontUnderline(New_FontUnderline); }
void PictureButton::SetPicture(forms::PicturePtr New_Picture) { ImgBack.SetPicture(std::move(New_Picture)); }

bool PictureButton::IsMouseOver() const { return forms::WindowFromPoint(forms::GetCursorPos()) == hWnd(); }

void PictureButton::ImgBack_MouseDown(int, int, int, int) {
  ShowFrame(3);
  PressCaption();
  Timer1.SetEnabled(true);
}

void PictureButton::ImgBack_MouseMove(int, int, int, int) {
  if (Showing(1)) {
    ShowFrame(2);
    CentreCaption();
  }
  Timer1.SetEnabled(true);
}

void PictureButton::ImgBack_MouseUp(int, int, int, int) {
  ShowFrame(1);
  CentreCaption();
  Timer1.SetEnabled(false);
  if (auto handler = Click) handler();
}

void PictureButton::Timer1_Timer() {
  if (IsMouseOver()) return;
  // A disabled button keeps its disabled look.
  const int rest = Enabled() ? 1 : 4;
  if (!Showing(rest)) {
    ShowFrame(rest);
    CentreCaption();
  }
  Timer1.SetEnabled(false);
}

void PictureButton::OnResized() {
  CentreCaption();
  ImgBack.SetTop(0);
}

void PictureButton::ShowFrame(int frame) { ImgBack.Move(-(frame - 1) * Width(), 0); }

bool PictureButton::Showing(int frame) const { return ImgBack.Left() == -(frame - 1) * Width(); }

void PictureButton::CentreCaption() {
  LblCaption.Move(SnapTwips((Width() - LblCaption.Width()) / 2), SnapTwips((Height() - LblCaption.Height()) / 2));
}

void PictureButton::PressCaption() {
  LblCaption.Move(SnapTwips((Width() - LblCaption.Width()) / 2) + 15 * installation().scaleX(),
                  SnapTwips((Height() - LblCaption.Height()) / 2) + 15 * installation().scaleY());
}

std::string PictureButton::DumpFields() const {
  const int frame = Width() > 0 ? static_cast<int>(std::lround(1 - ImgBack.Left() / Width())) : 1;
  return "frame=" + std::to_string(frame) + " picture=" + forms::DumpQuote(forms::PictureId(Picture())) +
         " caption=" + forms::DumpQuote(Caption());
}

void PictureButton::CopyFrom(const forms::Control& other) {
  CustomControl::CopyFrom(other);
  if (auto* o = dynamic_cast<const PictureButton*>(&other)) {
    LblCaption.SetForeColor(o->ForeColor());
    LblCaption.SetFont(o->GetFont());
    LblCaption.SetCaption(o->Caption());
    ImgBack.SetPicture(o->Picture());
  }
  CentreCaption();
  ShowFrame(Enabled() ? 1 : 4);
}

}  // namespace xpexam::frame
