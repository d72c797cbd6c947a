#pragma once
// The program's own modal message box. AskInMessageBox sets LblTitle's caption, Image1's picture
// ("l20071" a question, "l20072" a notice) and LblPrompt's caption, shows the box modally and
// returns the learner's answer: true when they confirmed. Every button unloads the box, so each
// use loads and lays it out afresh.
#include <string>
#include <string_view>

#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "frame/picture_button.h"

namespace xpexam::frame {

// The message box's controls. They belong to the box: FrmQOMSGBOX holds them as a private base,
// and others ask through AskInMessageBox.
struct FrmQOMSGBOXControls {
  explicit FrmQOMSGBOXControls(forms::Form& form) : form_(form) {}
  forms::Form& form_;
  forms::Image ImgLogo1{form_, "ImgLogo1"};
  forms::Label LblTitle{form_, "LblTitle"};
  forms::Image Image1{form_, "Image1"};
  forms::Label LblPrompt{form_, "LblPrompt"};
  forms::Label lblMove{form_, "lblMove"};
  // 1 confirms, 0 cancels, 3 closes; 2 is never shown.
  forms::ControlArray<PictureButton> LblClick{form_, "LblClick", {0, 1, 2, 3}};
};

class FrmQOMSGBOX : public forms::FormOf<FrmQOMSGBOX>, private FrmQOMSGBOXControls {
 public:
  FrmQOMSGBOX();
  // Leaving the program is the close button: the answer stays "not confirmed".
  void CloseRequested() override { LblClick_Click(3); }

 protected:
  void Form_Load() override;
  void Form_KeyDown(int& key, int shift) override;

 private:
  // Tests reach the controls and the handlers through it; the one call fills and shows the box.
  friend struct FrmQOMSGBOXTestAccess;
  friend bool AskInMessageBox(std::string_view tag, const std::string& title, const char* icon, const std::string& prompt);

  void LblClick_Click(int index);
  void CancelOnEscape(int key, int shift);
  void lblMove_MouseDown(int button, int shift, double x, double y);
};

// The box's pictures beside the prompt.
inline constexpr const char* kQuestionIcon = "l20071";
inline constexpr const char* kNoticeIcon = "l20072";

// The whole protocol in one call: the answer cleared, the title, the icon and the prompt set,
// the box shown modally. True when the learner confirmed with the first button. A step that fails is reported under tag
// and skipped, so the box still comes up with what could be set.
bool AskInMessageBox(std::string_view tag, const std::string& title, const char* icon, const std::string& prompt);

}  // namespace xpexam::frame
