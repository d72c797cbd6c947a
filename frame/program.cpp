#include "frame/program.h"

#include <unistd.h>

#include <climits>

#include "demo/frm_yan_shi.h"
#include "desktop/frm_main.h"
#include "forms/app.h"
#include "forms/program.h"
#include "frame/error_report.h"
#include "frame/frm_picture.h"
#include "frame/frm_start.h"
#include "frame/settings.h"
#include "home/frm_fengmian.h"
#include "platform/http.h"
#include "session/frm_tm.h"
#include "session/session_hooks.h"

namespace xpexam::frame {
namespace {

// The scenario runner starts the program from inside the program folder. Its clock is virtual:
// a report's network wait must not run the script's input, or where the script's actions land
// would depend on how fast the network answers.
const forms::ProgramRegistration kEntry{[] {
  char cwd[PATH_MAX];
  if (::getcwd(cwd, sizeof cwd)) gAppPath = cwd;
  platform::SetEventPump(nullptr);
  StartProgram();
}};

}  // namespace

void ConnectWindows() {
  session::ShowDemoWindow = [] { demo::FrmYanShi::Get().SetVisible(true); };
  // Leaving the program goes through the way out of the window on top; the desktop and the
  // question picture have none of their own, the bar holds the session's.
  forms::SetCloseRequestHook([] {
    forms::Form* top = forms::TopWindow();
    if (!top) return;
    const bool session_window = dynamic_cast<desktop::FrmMain*>(top) || dynamic_cast<FrmPicture*>(top);
    if (session_window && session::FrmTm::IsLoaded()) top = &session::FrmTm::Get();
    top->CloseRequested();
  });
  session::EndDemoWindow = [] {
    if (demo::FrmYanShi::IsLoaded()) demo::FrmYanShi::Get().EndRun();
  };
  // The end of a session arms the home screen's return timer; arming it loads the window.
  session::EnableHomeReturn = [] { home::FrmFengmian::Get().TimFH.SetEnabled(true); };
}

void StartProgram() {
  ConnectWindows();
  InitErrorReport();
  FrmStart& start = FrmStart::Get();
  if (!forms::Ended() && start.Loaded()) start.Show();
}

}  // namespace xpexam::frame
