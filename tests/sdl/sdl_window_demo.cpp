// A small window for the SDL backend's test on a real X display: writes what the headless
// backend renders for it (headless.png), then shows the same window in the SDL backend and
// logs every mouse and key event it gets and every request to close (events.log). Esc ends it.
// Usage: xpexam_sdl_demo <output folder> [WIDTHxHEIGHT of the host window asked for]
#include <cstdio>
#include <fstream>
#include <string>

#include "forms/form.h"
#include "forms/headless.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/sdl_backend.h"

namespace xpexam::forms {
namespace {

constexpr int kScreenW = 320, kScreenH = 240;
std::ofstream event_log;

void Log(const std::string& line) { event_log << line << std::endl; }
std::string Str(int v) { return std::to_string(v); }

void Put16(std::string& s, unsigned v) { s += char(v & 255), s += char(v >> 8 & 255); }
void Put32(std::string& s, uint32_t v) { Put16(s, v & 0xFFFF), Put16(s, v >> 16); }

// A 16 x 16 cursor file, 32 bits: half-transparent green with an opaque red hot spot at (4, 6).
std::string CursorFile() {
  std::string dib;
  Put32(dib, 40), Put32(dib, 16), Put32(dib, 32), Put16(dib, 1), Put16(dib, 32);
  for (int i = 0; i < 6; ++i) Put32(dib, 0);
  for (int y = 15; y >= 0; --y)
    for (int x = 0; x < 16; ++x) dib += x == 4 && y == 6 ? std::string("\0\0\xff\xff", 4) : std::string("\0\xc0\0\x80", 4);
  dib += std::string(16 * 4, '\0');
  std::string file;
  Put16(file, 0), Put16(file, 2), Put16(file, 1);
  file += char(16), file += char(16), file += char(0), file += char(0);
  Put16(file, 4), Put16(file, 6), Put32(file, dib.size()), Put32(file, 6 + 16);
  return file + dib;
}

class FrmSdlDemo : public FormOf<FrmSdlDemo> {
 public:
  Label LblTitle{*this, "LblTitle"};
  PictureBox PicTarget{*this, "PicTarget"};

  FrmSdlDemo() {
    SetBorderStyle(forms::WindowBorder::kNone);
    SetBackColor(Rgb(32, 96, 160));
    Move(300, 300, 280 * 15, 200 * 15);  // pixels 20..300 x 20..220
    LblTitle.Move(150, 150, 3000, 360);  // client pixels 10..210 x 10..34
    LblTitle.SetBackColor(Rgb(255, 255, 0));
    LblTitle.SetForeColor(Rgb(0, 0, 0));
    LblTitle.SetCaption("SDL 窗口 Aa");
    LblTitle.SetMousePointer(forms::PointerStyle::kCustom);
    LblTitle.SetMouseIcon(Picture::Decode(CursorFile()));
    PicTarget.Move(150, 750, 1800, 1500);  // client pixels 10..130 x 50..150
    PicTarget.SetBorderStyle(forms::BoxBorder::kNone);
    PicTarget.SetBackColor(Rgb(200, 30, 30));
    PicTarget.SetMousePointer(forms::PointerStyle::kCross);
    PicTarget.MouseDown = [](int b, int s, double, double) { Log("MouseDown " + Str(b) + " " + Str(s)); };
    PicTarget.MouseUp = [](int b, int s, double, double) { Log("MouseUp " + Str(b) + " " + Str(s)); };
    PicTarget.Click = [] { Log("Click"); };
    PicTarget.DblClick = [] { Log("DblClick"); };
    PicTarget.KeyDown = [](int& k, int s) { Log("KeyDown " + Str(k) + " " + Str(s)); };
    PicTarget.KeyPress = [](int& c) { Log("KeyPress " + Str(c)); };
    PicTarget.KeyUp = [](int& k, int s) {
      Log("KeyUp " + Str(k) + " " + Str(s));
      if (k == kKeyEscape) End();
    };
  }

 protected:
  // Whatever the runtime makes of a close request, the window stays: the test ends it with Esc.
  void Form_QueryUnload(int& cancel, int mode) override {
    Log("QueryUnload " + Str(mode));
    cancel = 1;
  }
};

}  // namespace
}  // namespace xpexam::forms

int main(int argc, char** argv) {
  using namespace xpexam::forms;
  int width = kScreenW, height = kScreenH;
  if ((argc != 2 && argc != 3) || (argc == 3 && std::sscanf(argv[2], "%dx%d", &width, &height) != 2)) {
    std::fprintf(stderr, "usage: %s <output folder> [WIDTHxHEIGHT]\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  event_log.open(dir + "/events.log");
  {
    HeadlessSession screen(kScreenW, kScreenH);
    FrmSdlDemo::Get().Show();
    Pump();
    if (!ComposeScreen().SavePng(dir + "/headless.png")) return 1;
  }
  return RunWithSdl(
      [] {
        // As the program does: a close of the host window is routed by the program's wiring.
        SetCloseRequestHook([] { Log("CloseRequest"); });
        FrmSdlDemo::Get().Show();
      },
      {"xpexam SDL 窗口", width, height});
}
