#include "app/program.h"

#include <unistd.h>

#include <climits>
#include <utility>

#include "demo/demonstration.h"
#include "desktop/demonstration_state.h"
#include "desktop/desktop_window.h"
#include "desktop/hooks.h"
#include "forms/app.h"
#include "forms/msgbox.h"
#include "forms/program.h"
#include "forms/screen_layout.h"
#include "frame/error_report.h"
#include "home/update_window.h"
#include "session/picture_window.h"
#include "frame/start_window.h"
#include "frame/hooks.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "home/home_screen.h"
#include "platform/http.h"
#include "session/question_bar.h"
#include "session/hooks.h"

namespace xpexam::app {
namespace {

// The scenario runner starts the program from inside the program folder. Its clock is virtual:
// a report's network wait must not run the script's input, or where the script's actions land
// would depend on how fast the network answers.
const forms::ProgramRegistration kEntry{[] {
  char cwd[PATH_MAX];
  if (::getcwd(cwd, sizeof cwd)) frame::editInstallation().SetAppPath(cwd);
  platform::SetEventPump(nullptr);
  StartProgram();
}};

void ShowHome() { home::FrmFengmian::Get().Show(); }

// Leaving the program goes through the way out of the window on top; the desktop and the
// question picture have none of their own, the bar holds the session's.
void ConnectCloseRequest() {
  forms::SetCloseRequestHook([] {
    forms::Form* top = forms::TopWindow();
    if (!top) return;
    const bool session_window = dynamic_cast<desktop::FrmMain*>(top) || dynamic_cast<session::FrmPicture*>(top);
    if (session_window && session::FrmTm::IsLoaded()) top = &session::FrmTm::Get();
    top->CloseRequested();
  });
}

}  // namespace

void ConnectWindows() {
  using session::FrmTm;

  // The start-up hands over to the home screen: showing it loads and builds it.
  frame::gFrameHooks.onStartUpFinished = ShowHome;

  desktop::gDesktopHooks.onLaidOut = session::DockBar;
  desktop::gDesktopHooks.onStepLoaded = [] { FrmTm::Get().SetTopMost(true); };
  desktop::gDesktopHooks.onQuestionCompleted = [](int16_t question) { FrmTm::Get().QuestionCompleted(question); };

  session::gSessionHooks.onDemonstrationAsked = [](desktop::DemonstrationRequest request) {
    demo::FrmYanShi::Start(std::move(request));
  };
  session::gSessionHooks.onTimeRanOut = [] {
    if (demo::FrmYanShi::IsLoaded()) demo::FrmYanShi::Get().EndRun();
  };
  // The home screen comes back; with a panel to open, its return timer is armed first
  // (arming it loads the window).
  session::gSessionHooks.onSessionEnded = [](desktop::HomePanel return_panel) {
    if (return_panel != desktop::HomePanel::kNone) home::FrmFengmian::Get().ArmReturn();
    ShowHome();
  };


  // The bar stays docked at the desktop when the screen changes size.
  forms::SetScreenChangeHook(session::KeepBarDocked);

  ConnectCloseRequest();
}

forms::SdlOptions HostWindowOptions() {
  forms::SdlOptions options;
  options.title = frame::kProgramCaption;
  if (!frame::AnotherCopyRuns()) return options;
  // The window holds the notice alone: its title bar says what the notice's own bar says.
  options.title = frame::kAlreadyRunningTitle;
  forms::SetMsgBoxScreenWidth(options.width);
  const forms::MsgBoxSize box =
      forms::MeasureMsgBox(frame::kAlreadyRunningText, frame::kAlreadyRunningButtons, options.width);
  options.width = box.width;
  options.height = box.height;
  return options;
}

void StartProgram() {
  ConnectWindows();
  frame::InitErrorReport();
  // A run starts with no demonstration and the update window not opened by the learner.
  desktop::editDemonstration().MarkStopped();
  home::FrmUpdata::ForgetOpenedByLearner();
  frame::FrmStart& start = frame::FrmStart::Get();
  if (!forms::Ended() && start.Loaded()) start.Show();
}

}  // namespace xpexam::app
