#pragma once
// The question picture window: a red-framed, topmost, draggable window that fits itself to its
// picture and centres itself on the screen. The question bar decides what it shows and when:
// it gives it the picture, then asks it to show itself fitted; the next tick fits it.
#include <utility>

#include "forms/form.h"
#include "forms/image.h"
#include "forms/timer.h"

namespace xpexam::session {

// The picture window's controls. They belong to the window: FrmPicture holds them as a private
// base, and the question bar asks it by what it wants shown.
struct FrmPictureControls {
  explicit FrmPictureControls(forms::Form& form) : form_(form) {}
  forms::Form& form_;
  forms::Image Image1{form_, "Image1"};
  forms::Timer Timer1{form_, "Timer1", 100, false};
};

class FrmPicture : public forms::FormOf<FrmPicture>, private FrmPictureControls {
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

  void Timer1_Timer();
};

}  // namespace xpexam::session
