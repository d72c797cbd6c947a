#pragma once
// The question picture window: a red-framed, topmost, draggable window that fits itself to its
// picture and centres itself on the screen. The question bar decides what it shows and when:
// it gives it the picture, then asks it to show itself fitted; the next tick fits it.
#include <utility>

#include "forms/form.h"
#include "forms/image.h"
#include "forms/timer.h"

namespace xpexam::session {

class FrmPicture : public forms::FormOf<FrmPicture> {
 public:
  FrmPicture();

  // The picture shown, kept until another is given.
  const forms::PicturePtr& Picture() const { return Image1.Picture(); }
  void SetPicture(forms::PicturePtr picture) { Image1.SetPicture(std::move(picture)); }
  // Shows the window; its next tick fits it to the picture and centres it.
  void ShowFitted();

 protected:
  void Form_Load() override;
  void Form_MouseDown(int button, int shift, double x, double y) override;

 private:
  // Tests reach the controls through it.
  friend struct FrmPictureTestAccess;

  forms::Image Image1{*this, "Image1"};
  forms::Timer Timer1{*this, "Timer1", 100, false};

  void Timer1_Timer();
};

}  // namespace xpexam::session
