#pragma once
// The two hand-in confirmations of a mock exam. Both share one layout: the prompt in red, the
// hand-in button on the left and the back button on the right.
#include <string>

#include "forms/form.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "frame/picture_button.h"

namespace xpexam::session {

// The layout and controls shared by FrmEnd1 and FrmEnd2, which hold them as a private base.
class HandInConfirmation {
 public:
  explicit HandInConfirmation(forms::Form& form);

  forms::Frame Frame1;
  forms::Label Label1;
  frame::PictureButton Command1;  // hand in
  frame::PictureButton Command2;  // back to the exam

 protected:
  // Icon, button sizes and faces.
  void LoadLayout();
  // The confirmation closes; the bar comes back docked at the desktop's lower right.
  void Back();
  // The close box, or any other close request from outside, is the back button: closing
  // the window alone would leave the exam without its bar.
  void BackInstead(int& cancel, int unload_mode);

 private:
  forms::Form& form_;
};

// True when some question 1 to 40 was never opened or is opened and still bookmarked.
bool HasOpenOrMarkedQuestions();

// The first confirmation: warns of unanswered or bookmarked questions.
class FrmEnd1 : public forms::FormOf<FrmEnd1>, private HandInConfirmation {
 public:
  FrmEnd1();

 protected:
  void Form_Load() override;
  void Form_QueryUnload(int& cancel, int unload_mode) override;

 private:
  // Tests reach the controls through it.
  friend struct HandInTestAccess;
};

// The final confirmation: handing in ends the exam and opens the score report.
class FrmEnd2 : public forms::FormOf<FrmEnd2>, private HandInConfirmation {
 public:
  FrmEnd2();

 protected:
  void Form_Load() override;
  void Form_QueryUnload(int& cancel, int unload_mode) override;

 private:
  // Tests reach the controls through it.
  friend struct HandInTestAccess;

  void HandIn();
};

}  // namespace xpexam::session
