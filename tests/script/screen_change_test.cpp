// The real window resized or maximised while the program runs (the runner's screen command), as
// a change of XP's display resolution: the home window stays centred and whole, the desktop
// follows the screen with the question bar at its corner, and a window's title bar never stays
// off the screen. Played through the scenario runner on a copy of the sample installation.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "platform/strings.h"
#include "tests/support/dump.h"
#include "tests/support/script_run.h"
#include "tests/support/temp_dir.h"

#if defined(XPEXAM_SCRIPT_BIN) && defined(XPEXAM_SAMPLE_DIR)
namespace xpexam {
namespace {

namespace fs = std::filesystem;

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  int Right() const { return x + w; }
  int Bottom() const { return y + h; }
  bool operator==(const Rect&) const = default;
  friend void PrintTo(const Rect& r, std::ostream* os) { *os << r.x << "," << r.y << " " << r.w << "x" << r.h; }
};

struct Size {
  int w = 0, h = 0;
  std::string Command() const { return "screen " + std::to_string(w) + "x" + std::to_string(h) + "\nwait 100\n"; }
  // Where a window of w x h lies centred on this screen.
  Rect Centred(int ww, int wh) const { return {(w - ww) / 2, (h - wh) / 2, ww, wh}; }
  bool Holds(const Rect& r) const { return r.x >= 0 && r.y >= 0 && r.Right() <= w && r.Bottom() <= h; }
};
constexpr Size k1024{1024, 768}, k1600{1600, 1000}, k800{800, 600};

class Screen {
 public:
  explicit Screen(const std::string& out) : out_(out), items_(testing::ParseDump(out)) {}
  bool Shown(const std::string& name) const { return Field(name, "visible") == "1"; }
  std::string Field(const std::string& name, const std::string& key) const {
    auto it = items_.find(name);
    if (it == items_.end()) return "";
    auto field = it->second.find(key);
    return field == it->second.end() ? "" : field->second;
  }
  Rect At(const std::string& name) const {
    auto n = [&](const char* key) { return platform::ValInt(Field(name, key)); };
    return {n("x"), n("y"), n("w"), n("h")};
  }
  const std::string& Text() const { return out_; }

 private:
  std::string out_;
  std::map<std::string, testing::DumpFields> items_;
};

class ScreenChange : public ::testing::Test {
 protected:
  ScreenChange() { testing::LinkSampleInstallation(program_); }
  ~ScreenChange() override {
    std::error_code ec;
    fs::remove_all(program_, ec);
  }
  Screen Play(const std::string& script) { return Screen(testing::RunScript(work_, program_, script + "dump\n")); }

  testing::TempDir dir_, work_;
  std::string program_ = dir_ / "program";
};

// A point of the home window, 800 x 600 and centred on a screen of that size.
std::string HomeAt(Size screen, int x, int y) {
  const Rect home = screen.Centred(800, 600);
  return std::to_string(home.x + x) + " " + std::to_string(home.y + y);
}
// The first unit's practice started from the home screen on that screen.
std::string Practice(Size screen) {
  return "wait 300\nclick " + HomeAt(screen, 234, 276) + "\nwait 300\nclick " + HomeAt(screen, 93, 187) +
         "\nwait 100\nclick " + HomeAt(screen, 662, 524) + "\nwait 1000\n";
}
// The end of the session from the bar docked at the desktop centred on that screen.
std::string EndPractice(Size screen) { return "click " + HomeAt(screen, 503, 556) + "\nwait 600\n"; }

TEST_F(ScreenChange, TheHomeWindowStaysCentredAndWhole) {
  struct Step {
    const char* what;
    std::string script;
    Size screen;
  };
  // Each step goes on from the one before.
  const Step steps[] = {
      {"at 1024 x 768", "wait 300\n", k1024},
      {"maximised", k1600.Command(), k1600},
      {"restored", k1024.Command(), k1024},
      {"maximised, a practice started and ended", k1600.Command() + Practice(k1600) + EndPractice(k1600), k1600},
      {"restored after the practice", k1024.Command(), k1024},
      {"made as small as the window", k800.Command(), k800},
  };
  std::string script;
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    script += s.script;
    const Screen screen = Play(script);
    ASSERT_TRUE(screen.Shown("FrmFengmian")) << screen.Text();
    const Rect home = screen.At("FrmFengmian");
    EXPECT_EQ(home, s.screen.Centred(800, 600));
    EXPECT_TRUE(s.screen.Holds(home));
  }
}

TEST_F(ScreenChange, TheDesktopFollowsTheScreenWithTheBarAtItsCorner) {
  // The bar's collapse button, and where it lies on the bar.
  const std::string collapse = "click " + HomeAt(k1024, 758, 371) + "\nwait 100\n";
  struct Case {
    const char* what;
    Size start;
    std::string before;
    Size to;
    Rect desktop;
  };
  const Case cases[] = {
      {"started at 1024 x 768, the screen as small as the desktop: it fills it", k1024, "", k800, {0, 0, 800, 600}},
      {"started at 1024 x 768, maximised", k1024, "", k1600, k1600.Centred(800, 600)},
      {"started at 800 x 600, covering the screen, maximised: centred as a start there lays it out", k800, "",
       k1024, k1024.Centred(800, 600)},
      {"the bar collapsed to its mini bar, maximised", k1024, collapse, k1600, k1600.Centred(800, 600)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string options = "--screen " + std::to_string(c.start.w) + "x" + std::to_string(c.start.h);
    const std::string script = Practice(c.start) + c.before + c.to.Command() + "dump\n";
    const Screen screen(testing::RunScript(work_, program_, script, options));
    ASSERT_TRUE(screen.Shown("FrmMain")) << screen.Text();
    ASSERT_TRUE(screen.Shown("FrmTm")) << screen.Text();
    const Rect desk = screen.At("FrmMain"), bar = screen.At("FrmTm");
    EXPECT_EQ(desk, c.desktop) << screen.Text();
    EXPECT_EQ(bar.Bottom(), desk.Bottom());
    if (screen.Shown("FrmTm.FrmZXH"))
      EXPECT_EQ(bar.x, desk.x) << "the mini bar at the desktop's lower left";
    else
      EXPECT_EQ(bar.Right(), desk.Right()) << "the bar at the desktop's lower right";
  }
}

TEST_F(ScreenChange, ATitleBarOffTheScreenComesBack) {
  // The home window maximised, dragged by its title strip to 50 pixels short of the screen's
  // right edge and 100 above its foot, then the screen restored.
  const Rect home = k1600.Centred(800, 600);
  const int dx = k1600.w - 50 - home.Right(), dy = k1600.h - 100 - home.Bottom();
  const std::string grip = HomeAt(k1600, 300, 20);
  const std::string to = HomeAt(k1600, 300 + dx, 20 + dy);
  const std::string drag = "press " + grip + "\nmove " + to + "\nrelease " + to + "\nwait 100\n";
  const Screen dragged = Play("wait 300\n" + k1600.Command() + drag);
  ASSERT_EQ(dragged.At("FrmFengmian"), (Rect{home.x + dx, home.y + dy, 800, 600})) << dragged.Text();

  // Moved left until its title strip is wholly on the screen, and no further: the strip was
  // on the screen's height already.
  const Screen restored = Play("wait 300\n" + k1600.Command() + drag + k1024.Command());
  EXPECT_EQ(restored.At("FrmFengmian"), (Rect{k1024.w - 800, home.y + dy, 800, 600})) << restored.Text();
}

}  // namespace
}  // namespace xpexam
#endif
