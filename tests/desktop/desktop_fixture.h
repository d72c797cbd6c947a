#pragma once
// A scratch installation and a headless 1024 x 768 screen for the desktop window's tests: the
// session is whole-unit practice of unit 0 (slot 20), at 96 dpi, so the desktop opens centred
// at pixels (112, 84) and a design point (x, y) twips lies at pixel (112 + x / 15, 84 + y / 15).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desktop/desktop_window.h"
#include "tests/desktop/desktop_access.h"
#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "forms/headless.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "platform/textfile.h"
#include "session/question_bar.h"
#include "tests/session/question_bar_access.h"
#include "tests/support/bmp.h"
#include "tests/support/shared_state.h"
#include "tests/support/step_line.h"
#include "tests/support/temp_dir.h"

namespace xpexam::desktop::testing {

using xpexam::testing::StepLine;

// The shared records back to their start values, then a one-question unit practice at 96 dpi.
inline void ResetSessionState() {
  using namespace frame;
  xpexam::testing::ResetSharedState();
  frame::editInstallation().SetScale(1, 1);
  editPlan().SetKind(SessionKind::kUnitAll);
  editPlan().SetRunMode(RunMode::kPractice);
  editCursor().GoToQuestion(1);
  editCursor().GoToStep(1);
  editPlan().SetQuestionCount(1);
  frame::editInstallation().SetModuleName("XP模块");
}

class DesktopTest : public ::testing::Test {
 protected:
  explicit DesktopTest(int width = 1024, int height = 768) : screen_(width, height) {
    ResetSessionState();
    frame::editInstallation().SetAppPath(dir_.path());
    frame::editInstallation().SetDataPath(dir_.path() + "/data/");
    desktop::editPlan().SetTextFile(frame::installation().dataPath() + "288890.mxy");
    desktop::editPlan().SetStepFile(desktop::SessionStepFile());
    desktop::editPlan().SetIndexFile(desktop::SessionIndexFile());
    desktop::editPlan().SetFirstLine(1, 1);
  }

  // The session's step file, one record per line.
  void Steps(const std::vector<std::string>& records) { Write("data/288820.mxy", records); }
  // The step text file: texts[n - 1] is line n's text.
  void Texts(const std::vector<std::string>& texts) {
    std::vector<std::string> lines;
    for (const auto& t : texts) lines.push_back("T00" + t);
    Write("data/288890.mxy", lines);
  }
  void Write(const std::string& name, const std::vector<std::string>& lines) {
    dir_.Write(name, "");
    ASSERT_TRUE(platform::WriteTextLines(dir_ / name, lines));
  }
  // A data-folder picture of 8 x 8 pixels.
  void Picture(const std::string& id, uint32_t color = 0x808080) {
    dir_.Write("data/" + id + ".mxy", xpexam::testing::SolidBmp(8, 8, color));
  }
  // Questions of the given record counts, laid one after the other from line 1.
  void Questions(const std::vector<int>& counts) {
    desktop::editPlan().SetQuestionCount(static_cast<int16_t>(counts.size()));
    desktop::editPlan().SetFirstLine(1, 1);
    for (size_t i = 0; i < counts.size(); ++i)
      desktop::editPlan().SetFirstLine(static_cast<long>(i) + 2, static_cast<int16_t>(desktop::plan().question(static_cast<long>(i) + 1).firstLine + counts[i]));
  }

  FrmMain& Desk() { return FrmMain::Get(); }
  session::FrmTm& Bar() { return session::FrmTm::Get(); }
  // Loads step `step` of the current question at once.
  void Load(int16_t step) {
    desktop::editCursor().GoToStep(step);
    Act(Desk()).LoadStep();
  }
  // Screen pixel of a design point of the centred desktop.
  static int PxX(double x) { return 112 + static_cast<int>(x / 15); }
  static int PxY(double y) { return 84 + static_cast<int>(y / 15); }

  xpexam::testing::TempDir dir_;
  forms::HeadlessSession screen_;
  forms::HeadlessBackend& in_ = screen_.Input();
};

}  // namespace xpexam::desktop::testing
