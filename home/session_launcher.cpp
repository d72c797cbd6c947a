#include "home/session_launcher.h"

#include <string>

#include "desktop/desktop_window.h"
#include "desktop/step_record.h"
#include "frame/module_state.h"
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
  gTextFile = installation().dataPath() + "288890.mxy";
  TryReport(kTag, [] { gStepFile = SessionStepFile(); });
  TryReport(kTag, [] { gIndexFile = SessionIndexFile(); });
  gCurQuestion = 1;
  gCurStep = 1;
  gMinutesLeft = 50;
  gFirstLine[1] = 1;
  if (const auto lines = platform::ReadTextLines(gIndexFile))
    desktop::FillFirstLines(*lines, kTag);
  else
    platform::ReportFailure(kTag, platform::kErrFileNotFound, "File not found");
  TryReport(kTag, [] {
    const std::string keyed = KeyedBookmarks();
    if (keyed.empty()) return;
    for (long i = 1; i <= 500; ++i) {
      const std::string code = platform::Right("0000" + std::to_string(gQuestionCode[i]), 4);
      if (platform::InStr(keyed, "_" + code) > 0) gQuestionStatus[i] = platform::CInt(gQuestionStatus[i] + 2.0);
    }
  });
  TryReport(kTag, [] {
    if (FrmFengmian::IsLoaded()) FrmFengmian::Get().Unload();
  });
  // The paper exams go through the simulated sign-in, which shows the bar and the desktop.
  if (gSessionKind == 0 || gSessionKind == 8) {
    TryReport(kTag, [] { session::FrmLogon::Get().Show(); });
    return;
  }
  TryReport(kTag, [] { session::FrmTm::Get().BeginPractice(); });
  TryReport(kTag, [] { desktop::FrmMain::Get().Show(); });
}

}  // namespace xpexam::home
