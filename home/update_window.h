#pragma once
// The question-bank update window. Its load shows the installed bank version and fetches the
// home screen's banner; one tick later RunUpdate checks the update list of the module and, when it
// is newer and the learner agrees, fetches every listed file that is older here, installs the
// new list, tells the learner how many files came and ends the program (handing over to the
// external updater when a new program file came).
#include <string>
#include <string_view>

#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/timer.h"
#include "frame/picture_button.h"

namespace xpexam::home {

// The update window's controls. They belong to the window: FrmUpdata holds them as a private base.
struct FrmUpdataControls {
  explicit FrmUpdataControls(forms::Form& form) : form_(form) {}
  forms::Form& form_;
  forms::Image ImgLogo1{form_, "ImgLogo1"};
  forms::Label Label4{form_, "Label4"};
  forms::Label Label3{form_, "Label3"};
  forms::Label LblVer{form_, "LblVer"};
  forms::Label Label1{form_, "Label1"};
  forms::Label Label2{form_, "Label2"};
  forms::Label lblMove{form_, "lblMove"};
  frame::PictureButton Command1{form_, "Command1"};
  forms::Timer Timer1{form_, "Timer1", 100, false};
};

class FrmUpdata : public forms::FormOf<FrmUpdata>, private FrmUpdataControls {
 public:
  FrmUpdata();
  // Leaving the program closes the window, as its close button does.
  void CloseRequested() override { Unload(); }

  // The update run.
  void RunUpdate();

  // Whether the learner opened the window in this run: it shows itself at its first tick only
  // then. A new run starts without it.
  static bool OpenedByLearner();
  static void MarkOpenedByLearner();
  static void ForgetOpenedByLearner();

  // Shown when the update list cannot be fetched, in place of "已是最新版本，无需升级。".
  static constexpr std::string_view kRetryText = "网络状况不好，请重试！";

 protected:
  void Form_Load() override;

 private:
  // Tests reach the controls through it.
  friend struct FrmUpdataTestAccess;

  void Timer1_Timer();
  // The check could not reach the server: the learner is asked to try again.
  void ShowRetry();
  void Command1_Click();
  void lblMove_MouseDown(int button, int shift, double x, double y);
};

}  // namespace xpexam::home
