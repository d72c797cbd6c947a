#pragma once
// The input-method help window: explains why the program may switch input methods and holds
// the switch "调用输入法", stored in the program folder's ksdata\288890.mxy ("1" on, "0" off)
// and mirrored in the answer boxes' input method. Closing it puts the desktop window and the full question bar back.
#include <string>

#include "forms/check_box.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "frame/picture_button.h"

namespace xpexam::session {

// The input-method switch file.
std::string ImeSwitchFile();

// The input-method help window's controls. They belong to the window: FrmIME holds them as a
// private base.
struct FrmIMEControls {
  explicit FrmIMEControls(forms::Form& form) : form_(form) {}
  forms::Form& form_;
  forms::Image ImgLogo1{form_, "ImgLogo1"};
  // 0 the help text, 2 the title.
  forms::ControlArray<forms::Label> Label1{form_, "Label1", {0, 2}};
  forms::CheckBox Check1{form_, "Check1"};
  forms::Label lblMove{form_, "lblMove"};
  // 0 the title strip's close button, 1 the lower one.
  forms::ControlArray<frame::PictureButton> lblClick{form_, "lblClick", {0, 1}};
};

class FrmIME : public forms::FormOf<FrmIME>, private FrmIMEControls {
 public:
  FrmIME();
  // Leaving the program closes the window, as its close buttons do.
  void CloseRequested() override { Unload(); }

 protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;

 private:
  // Tests reach the controls through it.
  friend struct FrmIMETestAccess;

  void Check1_Click();
  void lblMove_MouseDown(int button, int shift, double x, double y);
};

}  // namespace xpexam::session
