#pragma once
// The answer prompt of a mock exam: explains that a real exam shows no answers and, when the
// learner insists, turns the exam into practice and plays the current question's demonstration.
#include "forms/form.h"
#include "forms/label.h"
#include "forms/shape.h"
#include "frame/picture_button.h"

namespace xpexam::session {

class FrmCZTS : public forms::FormOf<FrmCZTS> {
 public:
  forms::Shape Shape1{*this, "Shape1"};
  forms::Shape Shape2{*this, "Shape2"};
  forms::Label Label3{*this, "Label3"};
  forms::Label Label2{*this, "Label2"};
  frame::PictureButton Command1{*this, "Command1"};  // back
  frame::PictureButton Command2{*this, "Command2"};  // see the answer now

  FrmCZTS();

 protected:
  void Form_Load() override;
  void Form_Click() override { Unload(); }

 private:
  void Command2_Click();
};

}  // namespace xpexam::session
