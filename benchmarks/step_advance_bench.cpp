// One step advance on the desktop, against a reference doing the same essential work.
// Program: a matched action calls AdvanceStep, which reads the next record, lays the window out for
// it (an 800 x 600 background, an overlay, the target box, the hint from the step text file,
// the tooltip) and the screen is composed again.
// Reference: the record found through line offsets taken once, pictures decoded once, a plain
// window with the same picture, overlay, frame and hint composed.
#include <fcntl.h>
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <unistd.h>

#include <map>

#include "benchmarks/pairs.h"
#include "desktop/desktop_window.h"
#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "forms/app.h"
#include "forms/form.h"
#include "forms/headless.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/shape.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "platform/codepage.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "tests/desktop/desktop_access.h"
#include "tests/support/bmp.h"
#include "tests/support/step_line.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace xpexam;
using testing::StepLine;

constexpr int kSteps = 200;

// A photo-like 800 x 600 picture in the given format, as the bank's backgrounds are.
std::string Background(const char* format, uint32_t seed) {
  if (std::string(format) == "bmp") return testing::SolidBmp(800, 600, seed);
  GdkPixbuf* pb = gdk_pixbuf_new(GDK_COLORSPACE_RGB, false, 8, 800, 600);
  const int stride = gdk_pixbuf_get_rowstride(pb);
  guchar* px = gdk_pixbuf_get_pixels(pb);
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) {
      guchar* p = px + y * stride + x * 3;
      p[0] = static_cast<guchar>(x * 255 / 800 + seed), p[1] = static_cast<guchar>(y * 255 / 600),
      p[2] = static_cast<guchar>((x ^ y) & 255);
    }
  gchar* buf = nullptr;
  gsize size = 0;
  gdk_pixbuf_save_to_buffer(pb, &buf, &size, "jpeg", nullptr, "quality", "85", nullptr);
  g_object_unref(pb);
  std::string out(buf, size);
  g_free(buf);
  return out;
}

// The installation of one question whose records start at line `first` of the step file.
struct Bank {
  testing::TempDir dir;
  std::string data = dir.path() + "/data/";
  Bank(const char* format, int first) {
    dir.Write("data/400001.mxy", Background(format, 0xA06030));
    dir.Write("data/400002.mxy", Background(format, 0x3060A0));
    dir.Write("data/400003.mxy", testing::SolidBmp(120, 90, 0xFFFFFF));
    // Filler records as long as real ones, so the file is as large as a unit's own.
    std::vector<std::string> records(static_cast<size_t>(first - 1), StepLine({{8, "0001"}, {12, "400001"}}));
    for (int s = 1; s <= kSteps; ++s) records.push_back(Record(s));
    std::vector<std::string> texts;
    for (int n = 1; n <= 200; ++n) texts.push_back("T00打开记事本|Notepad " + std::to_string(n));
    platform::WriteTextLines(data + "288820.mxy", records);
    platform::WriteTextLines(data + "288890.mxy", texts);
  }
  static std::string Record(int s) {
    return StepLine({{8, "0001"}, {12, s % 2 ? "400001" : "400002"}, {18, "0150001500400003"},
                     {66, platform::ZeroPad(600 + 15 * s, 5) + "015000120000600"}, {112, "0600000600"},
                     {122, platform::ZeroPad(s % 50 + 1, 3)}, {197, "002"}});
  }
};

void ProgramAdvance(benchmark::State& state, const char* format, int first) {
  Bank bank(format, first);
  forms::HeadlessSession screen(1024, 768);
  frame::editInstallation().SetScale(1, 1);
  frame::editInstallation().SetAppPath(bank.dir.path());
  frame::editInstallation().SetDataPath(bank.data);
  desktop::editPlan().SetTextFile(bank.data + "288890.mxy");
  desktop::editPlan().SetKind(desktop::SessionKind::kUnitAll);
  desktop::editPlan().SetSlotOffset(0);
  desktop::editPlan().SetRunMode(desktop::RunMode::kPractice);
  desktop::editCursor().GoToQuestion(1);
  desktop::editPlan().SetFirstLine(1, first);
  desktop::editPlan().SetFirstLine(2, 0);

  auto& desk = desktop::FrmMain::Get();
  desk.Show();
  // Each picture's first decode belongs to the run, not to an advance (the reference decodes
  // them before it starts too).
  desktop::editCursor().GoToStep(2);
  desktop::Act(desk).LoadStep();
  desktop::editCursor().GoToStep(1);
  desktop::Act(desk).LoadStep();
  forms::ComposeScreen();
  for (auto _ : state) {
    if (desktop::cursor().step() >= kSteps) {
      state.PauseTiming();
      desktop::editCursor().GoToStep(1);
      desktop::Act(desk).LoadStep();
      forms::ComposeScreen();
      state.ResumeTiming();
    }
    desktop::Act(desk).AdvanceStep();
    benchmark::DoNotOptimize(forms::ComposeScreen());
  }
  desk.Unload();
}

class FrmReference : public forms::FormOf<FrmReference> {
 public:
  forms::Image Overlay{*this, "Overlay"};
  forms::Shape Target{*this, "Target"};
  forms::Label Hint{*this, "Hint"};
  FrmReference() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, 12000, 9000);
    Target.SetBorderColor(forms::Rgb(255, 0, 0));
    Target.SetBorderWidth(2);
    Hint.SetBackStyle(forms::Background::kOpaque);
  }
};

void ReferenceAdvance(benchmark::State& state, const char* format, int first) {
  Bank bank(format, first);
  forms::HeadlessSession screen(1024, 768);
  // Offsets of every line, taken once.
  const std::string steps = *platform::ReadFileBytes(bank.data + "288820.mxy");
  std::vector<size_t> starts{0};
  for (size_t at = steps.find('\n'); at != std::string::npos; at = steps.find('\n', at + 1)) starts.push_back(at + 1);
  const int fd = ::open((bank.data + "288820.mxy").c_str(), O_RDONLY);
  const std::vector<std::string> texts = *platform::ReadTextLines(bank.data + "288890.mxy");
  std::map<std::string, forms::PicturePtr> pictures;
  for (const char* id : {"400001", "400002", "400003"})
    pictures[id] = forms::Picture::Decode(*platform::ReadFileBytes(bank.data + id + ".mxy"));

  auto& form = FrmReference::Get();
  form.Show();
  int step = 0;
  std::string raw;
  for (auto _ : state) {
    step = step % kSteps + 1;
    const size_t n = static_cast<size_t>(first + step - 2);
    raw.resize(starts[n + 1] - starts[n]);
    if (::pread(fd, raw.data(), raw.size(), static_cast<off_t>(starts[n])) != static_cast<ssize_t>(raw.size()))
      state.SkipWithError("short read");
    raw.resize(raw.size() - 2);  // CR LF
    const std::string rec = platform::GbkToUtf8(raw);
    form.SetPicture(pictures[platform::Mid(rec, 12, 6)]);
    form.Overlay.SetPicture(pictures[platform::Mid(rec, 28, 6)]);
    form.Overlay.Move(platform::Val(platform::Mid(rec, 18, 5)), platform::Val(platform::Mid(rec, 23, 5)));
    form.Target.Move(platform::Val(platform::Mid(rec, 66, 5)), platform::Val(platform::Mid(rec, 71, 5)),
                     platform::Val(platform::Mid(rec, 76, 5)), platform::Val(platform::Mid(rec, 81, 5)));
    form.Target.SetToolTipText(platform::Mid(texts[static_cast<size_t>(platform::Val(platform::Mid(rec, 197, 3))) - 1], 4));
    form.Hint.SetCaption(platform::Mid(texts[static_cast<size_t>(platform::Val(platform::Mid(rec, 122, 3))) - 1], 4));
    form.Hint.Move(platform::Val(platform::Mid(rec, 112, 5)), platform::Val(platform::Mid(rec, 117, 5)), 3000, 600);
    benchmark::DoNotOptimize(forms::ComposeScreen());
  }
  form.Unload();
  ::close(fd);
}

const bool registered = [] {
  for (const char* format : {"bmp", "jpeg"})
    for (int first : {20, 10000, 30000}) {
      const std::string goal = std::string("step advance, ") + format + ", record " + std::to_string(first);
      bench::RegisterPair(
          goal, 1.2, [=](benchmark::State& s) { ProgramAdvance(s, format, first); },
          [=](benchmark::State& s) { ReferenceAdvance(s, format, first); },
          [](benchmark::internal::Benchmark* b) { b->MinTime(0.3); });
    }
  return true;
}();

}  // namespace
