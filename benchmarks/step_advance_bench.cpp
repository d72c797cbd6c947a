// One step advance on the desktop: a matched action calls doNext, which reads the next record
// from the top of the step file, lays the window out for it (an 800 x 600 background, an
// overlay, the target box, the hint from the step text file, the tooltip) and the screen is
// composed again.
#include <benchmark/benchmark.h>

#include "desktop/frm_main.h"
#include "forms/app.h"
#include "forms/headless.h"
#include "frame/module_state.h"
#include "frame/settings.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "tests/support/bmp.h"
#include "tests/support/step_line.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace xpexam;
using testing::StepLine;

constexpr int kFirstLine = 400;  // the question lies deep in the file, as in a unit's own file
constexpr int kSteps = 200;

void Advance(benchmark::State& state) {
  testing::TempDir dir;
  forms::HeadlessSession screen(1024, 768);
  frame::gScaleX = frame::gScaleY = 1;
  frame::gAppPath = dir.path();
  frame::gDataPath = dir.path() + "/data/";
  frame::gTextFile = frame::gDataPath + "288890.mxy";
  frame::gSessionKind = 20;
  frame::gSlotOffset = 0;
  frame::gRunMode = 2;
  frame::gCurQuestion = 1;
  frame::gFirstLine[1] = kFirstLine;
  frame::gFirstLine[2] = 0;

  dir.Write("data/400001.mxy", testing::SolidBmp(800, 600, 0xA06030));
  dir.Write("data/400002.mxy", testing::SolidBmp(800, 600, 0x3060A0));
  dir.Write("data/400003.mxy", testing::SolidBmp(120, 90, 0xFFFFFF));
  std::vector<std::string> records(kFirstLine - 1, StepLine({{8, "0001"}}));
  for (int s = 1; s <= kSteps; ++s)
    records.push_back(StepLine({{8, "0001"}, {12, s % 2 ? "400001" : "400002"}, {18, "0150001500400003"},
                                {66, platform::ZeroPad(600 + 15 * s, 5) + "015000120000600"},
                                {112, "0600000600"}, {122, platform::ZeroPad(s % 50 + 1, 3)}, {197, "002"}}));
  std::vector<std::string> texts;
  for (int n = 1; n <= 200; ++n) texts.push_back("T00打开记事本|Notepad " + std::to_string(n));
  platform::WriteTextLines(frame::gDataPath + "288820.mxy", records);
  platform::WriteTextLines(frame::gTextFile, texts);

  auto& desk = desktop::FrmMain::Get();
  desk.Show();
  frame::gCurStep = 1;
  desk.setData();
  forms::ComposeScreen();
  for (auto _ : state) {
    if (frame::gCurStep >= kSteps) {
      state.PauseTiming();
      frame::gCurStep = 1;
      desk.setData();
      forms::ComposeScreen();
      state.ResumeTiming();
    }
    desk.doNext();
    benchmark::DoNotOptimize(forms::ComposeScreen());
  }
}
BENCHMARK(Advance)->Unit(benchmark::kMicrosecond);

}  // namespace
