#pragma once
// The About box: the product and module lines, the question-bank version line of the home
// screen, the program folder as a link that opens it, and the publisher line.
#include <string>

#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/line.h"
#include "frame/picture_button.h"

namespace xpexam::home {

// The home screen's footer line: "题库版本：V" + bankVersion.
std::string BankVersionLine();

// The About box's controls. They belong to the box: FrmAbout holds them as a private base, and
// the home screen asks it through ShowWithVersion.
struct FrmAboutControls {
  explicit FrmAboutControls(forms::Form& form) : form_(form) {}
  forms::Form& form_;
  forms::Image ImgLogo1{form_, "ImgLogo1"};
  // 2 the title, 1 the product line, 4 the module, 0 the bank version, 3 the program folder
  // (a link), 6 the publisher.
  forms::ControlArray<forms::Label> Label1{form_, "Label1", {0, 1, 2, 3, 4, 6}};
  // An etched separator: 4 grey, 3 white one design pixel right of and below it.
  forms::ControlArray<forms::Line> Line1{form_, "Line1", {3, 4}};
  forms::Label lblMove{form_, "lblMove"};
  // 0 the title strip's close button, 1 the lower one.
  forms::ControlArray<frame::PictureButton> LblClick{form_, "LblClick", {0, 1}};
};

class FrmAbout : public forms::FormOf<FrmAbout>, private FrmAboutControls {
 public:
  FrmAbout();
  // Leaving the program closes the box, as its close buttons do.
  void CloseRequested() override { Unload(); }
  // Shows the box modally with the bank version line as the caller shows it.
  void ShowWithVersion(const std::string& version_line);

 protected:
  void Form_Load() override;

 private:
  // Tests reach the controls through it.
  friend struct FrmAboutTestAccess;

  void Label1_Click(int index);
  void lblMove_MouseDown(int button, int shift, double x, double y);
};

}  // namespace xpexam::home
