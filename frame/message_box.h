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

class FrmQOMSGBOX : public forms::FormOf<FrmQOMSGBOX> {
 public:
  forms::Image ImgLogo1{*this, "ImgLogo1"};
  forms::Label LblTitle{*this, "LblTitle"};
  forms::Image Image1{*this, "Image1"};
  forms::Label LblPrompt{*this, "LblPrompt"};
  forms::Label lblMove{*this, "lblMove"};
  // 1 confirms, 0 cancels, 3 closes; 2 is never shown.
  forms::ControlArray<PictureButton> LblClick{*this, "LblClick", {0, 1, 2, 3}};

  FrmQOMSGBOX();
  // Leaving the program is the close button: the answer stays "not confirmed".
  void CloseRequested() override { LblClick_Click(3); }

 protected:
  void Form_Load() override;
  void Form_KeyDown(int& key, int shift) override;

 private:
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
