#pragma once
// The question picture window: a red-framed, topmost, draggable window that fits itself to its
// picture and centres itself on the screen. The question bar decides what it shows and when:
// it assigns Image1's picture, then Show() and Timer1.SetEnabled(true); the next tick fits it.
#include "forms/form.h"
#include "forms/image.h"
#include "forms/timer.h"

namespace xpexam::session {

class FrmPicture : public forms::FormOf<FrmPicture> {
 public:
  forms::Image Image1{*this, "Image1"};
  forms::Timer Timer1{*this, "Timer1", 100, false};

  FrmPicture();

 protected:
  void Form_Load() override;
  void Form_MouseDown(int button, int shift, double x, double y) override;

 private:
  void Timer1_Timer();
};

}  // namespace xpexam::session
