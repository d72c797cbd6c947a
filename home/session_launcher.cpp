#include "home/session_launcher.h"

#include <string>

#include "desktop/desktop_window.h"
#include "desktop/session_plan.h"
#include "desktop/step_record.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "home/home_screen.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "session/sign_in.h"
#include "session/question_bar.h"

namespace xpexam::home {

using namespace frame;
using platform::TryReport;

namespace {

constexpr const char* kTag = "startlianxi";

// The bookmark list with "_" before every code, so that a code never matches across two
// neighbours.
std::string KeyedBookmarks() {
  std::string list;
  platform::LineReader reader(installation().appPath() + "\\ksdata\\288862.mxy");
  if (!reader.Next(list)) return "";
  list = platform::Trim(list);
  std::string keyed;
  for (const std::string& code : platform::Groups(list, 4))
    if (platform::Len(code) == 4) keyed += "_" + code;
  return keyed;
}

}  // namespace

void startLianXi() {
  const desktop::SessionPlan& plan = desktop::plan();
  desktop::SessionPlan& edit = desktop::editPlan();
  edit.SetTextFile(installation().dataPath() + "288890.mxy");
  TryReport(kTag, [&] { edit.SetStepFile(desktop::SessionStepFile()); });
  TryReport(kTag, [&] { edit.SetIndexFile(desktop::SessionIndexFile()); });
  desktop::editCursor().GoToQuestion(1);
  desktop::editCursor().GoToStep(1);
  edit.SetMinutesLeft(desktop::kExamMinutes);
  edit.SetFirstLine(1, 1);
  if (const auto lines = platform::ReadTextLines(plan.indexFile()))
    desktop::FillFirstLines(*lines, kTag);
  else
    platform::ReportFailure(kTag, platform::kErrFileNotFound, "File not found");
  TryReport(kTag, [&] {
    const std::string keyed = KeyedBookmarks();
    if (keyed.empty()) return;
    for (long i = 1; i <= desktop::SessionPlan::kMaxQuestions; ++i) {
      const std::string code = platform::Right("0000" + std::to_string(plan.question(i).code), 4);
      if (platform::InStr(keyed, "_" + code) > 0) edit.SetStatus(i, platform::CInt(plan.question(i).status + 2.0));
    }
  });
  ShowSession();
}

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
