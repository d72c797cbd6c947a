#pragma once
// The answer prompt of a mock exam: explains that a real exam shows no answers and, when the
// learner insists, turns the exam into practice and plays the current question's demonstration.
#include "forms/form.h"
#include "forms/label.h"
#include "forms/shape.h"
#include "frame/picture_button.h"

namespace xpexam::session {

// The answer prompt's controls. They belong to the window: FrmCZTS holds them as a private base.
struct FrmCZTSControls {
  explicit FrmCZTSControls(forms::Form& form) : form_(form) {}
  forms::Form& form_;
  forms::Shape Shape1{form_, "Shape1"};
  forms::Shape Shape2{form_, "Shape2"};
  forms::Label Label3{form_, "Label3"};
  forms::Label Label2{form_, "Label2"};
  frame::PictureButton Command1{form_, "Command1"};  // back
  frame::PictureButton Command2{form_, "Command2"};  // see the answer now
};

class FrmCZTS : public forms::FormOf<FrmCZTS>, private FrmCZTSControls {
 public:
  FrmCZTS();

 protected:
  void Form_Load() override;
  void Form_Click() override { Unload(); }

 private:
  // Tests reach the controls through it.
  friend struct FrmCZTSTestAccess;

  void Command2_Click();
};

}  // namespace xpexam::session
