#include "session/picture_window.h"

#include "forms/app.h"
#include "frame/installation.h"

namespace xpexam::session {

using namespace frame;  // the installation, its pictures and captions

FrmPicture::FrmPicture() : FrmPictureControls(static_cast<forms::Form&>(*this)) {
  SetBorderStyle(forms::WindowBorder::kNone);
  SetBackColor(0x000000FF);
  Timer1.Tick = [this] { Timer1_Timer(); };
  Image1.MouseDown = [this](int button, int shift, double x, double y) { Form_MouseDown(button, shift, x, y); };
}

void FrmPicture::Form_Load() {
  Image1.SetLeft(ScaleX(60));
  Image1.SetTop(ScaleY(60));
  Timer1.SetEnabled(true);
}

void FrmPicture::ShowFitted() {
  Show();
  Timer1.SetEnabled(true);
}

void FrmPicture::Timer1_Timer() {
  // The picture keeps its own size; only the red margin scales.
  SetWidth(Image1.Width() + ScaleX(120));
  SetHeight(Image1.Height() + ScaleY(120));
  SetTopMost(true);
  SetLeft((forms::ScreenWidth() - Width()) / 2);
  SetTop((forms::ScreenHeight() - Height()) / 2);
  Timer1.SetEnabled(false);
}

void FrmPicture::Form_MouseDown(int button, int, double, double) {
  if (button == forms::kLeftButton) DragWindow();
}

}  // namespace xpexam::session
