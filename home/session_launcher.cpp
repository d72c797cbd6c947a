#include "home/session_launcher.h"

#include "desktop/desktop_window.h"
#include "desktop/session_plan.h"
#include "home/home_screen.h"
#include "session/sign_in.h"
#include "session/question_bar.h"

namespace xpexam::home {

void ShowSession() {
  const desktop::SessionPlan& plan = desktop::plan();
  if (FrmFengmian::IsLoaded()) FrmFengmian::Get().Unload();
  // The paper exams go through the simulated sign-in, which shows the bar and the desktop.
  if (desktop::IsExam(plan.kind())) {
    session::FrmLogon::Get().Show();
    return;
  }
  session::FrmTm::Get().BeginPractice();
  desktop::FrmMain::Get().Show();
}

}  // namespace xpexam::home
