#pragma once
// The start-up window: refuses a second copy, reads the settings, shows the splash and, one
// timer tick later, opens the home screen, names the session log and unloads itself.
#include <string>

#include "forms/form.h"
#include "forms/label.h"
#include "forms/msgbox.h"
#include "forms/timer.h"

namespace xpexam::frame {

// The previous-instance message and its title.
inline constexpr const char* kAlreadyRunningText =
    "考试练习系统已在运行。如果你没有找到，请关闭其它窗口和程序，或者注销或重启。";
inline constexpr const char* kAlreadyRunningTitle = "系统提示";
inline constexpr int kAlreadyRunningButtons = forms::kOkOnly | forms::kInformation;

// The program's own caption (the start-up window's, as the home screen's): the real window's title
// until the settings name the module, and where they name none.
inline constexpr const char* kProgramCaption = "Tavrelo";

// The start-up window's controls. They belong to the window: FrmStart holds them as a private base.
struct FrmStartControls {
  explicit FrmStartControls(forms::Form& form) : form_(form) {}
  forms::Form& form_;
  forms::Label Label1{form_, "Label1"};
  forms::Timer Timer1{form_, "Timer1", 100, false};
};

class FrmStart : public forms::FormOf<FrmStart>, private FrmStartControls {
 public:
  FrmStart();

  // The operating system's version: "major.minor" or "Unknown".
  static std::string OperatingSystemVersion();

 protected:
  void Form_Load() override;

 private:
  // Tests reach the controls through it.
  friend struct FrmStartTestAccess;

  void Timer1_Timer();
  // The second half of the start-up: home screen, session log name, unload.
  void FinishStartUp();

  bool mStartPending = false;
};

// True when another copy of this installation runs (the start-up then refuses to go on);
// otherwise this copy now holds the installation's single-instance lock. Needs appPath.
bool AnotherCopyRuns();

// Gives up the installation's single-instance lock that the start-up took (tests and the
// scenario runner start the program more than once in one process).
void ReleaseInstanceLock();

}  // namespace xpexam::frame
