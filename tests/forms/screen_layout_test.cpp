// The windows follow a change of the screen's size as XP's do after a change of the display
// resolution: the rule for one window's place as a table, then the runtime applying it.
#include "forms/screen_layout.h"

#include <gtest/gtest.h>

#include "forms/app.h"
#include "forms/form.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {

void PrintTo(const Bounds& b, std::ostream* os) { *os << b.left << "," << b.top << " " << b.width << "x" << b.height; }

namespace {

using testing::EventLog;
using Lines = std::vector<std::string>;

TEST(FollowScreen, PlacesOneWindow) {
  // Pixels, a title bar of 25, one pixel of slack.
  struct Case {
    const char* what;
    Bounds window;
    Bounds from, to;
    double left, top;
  };
  const Bounds k1024{0, 0, 1024, 768}, k1600{0, 0, 1600, 1000}, k800{0, 0, 800, 600}, k640{0, 0, 640, 480};
  const Case cases[] = {
      {"centred, screen grows", {112, 84, 800, 600}, k1024, k1600, 400, 200},
      {"centred, screen shrinks", {400, 200, 800, 600}, k1600, k1024, 112, 84},
      {"centred, the window fills the new screen", {112, 84, 800, 600}, k1024, k800, 0, 0},
      {"a pixel off the centre still counts as centred", {113, 83, 800, 600}, k1024, k1600, 400, 200},
      {"off the centre across: stays", {115, 84, 800, 600}, k1024, k1600, 115, 84},
      {"off the centre down: stays", {112, 90, 800, 600}, k1024, k1600, 112, 90},
      {"centred, larger than the new screen: title bar on it, across its width", {112, 84, 800, 600}, k1024, k640,
       -80, 0},
      {"centred on a smaller screen as this rule keeps it, back to a larger one", {-80, 0, 800, 600}, k640, k1024, 112, 84},
      {"centred as load centring gives it on a smaller screen", {-80, -60, 800, 600}, k640, k1024, 112, 84},
      {"near the right edge, screen shrinks", {1250, 300, 300, 200}, k1600, k1024, 724, 300},
      {"near the bottom, screen shrinks: only the title bar comes back", {300, 950, 300, 200}, k1600, k1024, 300, 743},
      {"a title bar above the screen", {300, -40, 300, 200}, k1024, k800, 300, 0},
      {"half off the left", {-150, 100, 300, 200}, k1024, k1600, 0, 100},
      {"at the top left, screen shrinks: stays", {0, 0, 300, 200}, k1600, k640, 0, 0},
      {"on the new screen: stays", {20, 30, 300, 200}, k1600, k1024, 20, 30},
      {"shorter than a title bar", {900, 990, 50, 10}, k1600, k1024, 900, 758},
      {"wider than the new screen, off to the right", {500, 10, 800, 100}, k1024, k640, 0, 10},
  };
  for (const Case& c : cases) {
    const Bounds got = FollowScreen(c.window, 25, c.from, c.to, 1);
    EXPECT_EQ(got, (Bounds{c.left, c.top, c.window.width, c.window.height})) << c.what;
  }
}

// Windows of the runtime on a 800 x 600 screen (15 twips a pixel).
EventLog* g_log = nullptr;

template <class T>
class Logged : public FormOf<T> {
 protected:
  void Form_Resize() override {
    (*g_log)(this->Name() + " Resize " + std::to_string(static_cast<int>(this->Width() / 15)) + "x" +
             std::to_string(static_cast<int>(this->Height() / 15)));
  }
};
class FrmCentred : public Logged<FrmCentred> {
 public:
  FrmCentred() {
    SetBorderStyle(forms::WindowBorder::kNone);
    SetStartUpPosition(forms::StartPosition::kCenterScreen);
    Move(0, 0, 6000, 4500);  // 400 x 300
  }
};
class FrmCorner : public Logged<FrmCorner> {
 public:
  FrmCorner() { Move(9000, 6000, 3000, 2250); }  // 600,400 200x150, bordered
};
class FrmFull : public Logged<FrmFull> {
 public:
  FrmFull() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(1500, 1500, 3000, 3000);
  }
  void Maximise() { SetWindowState(forms::WindowSize::kMaximized); }
};

class ScreenLayoutTest : public testing::FormsTest {
 protected:
  ScreenLayoutTest() { g_log = &log_; }
  ~ScreenLayoutTest() override { g_log = nullptr; }
  static std::string At(const Form& f) {
    auto px = [](double t) { return std::to_string(static_cast<int>(t / 15)); };
    return px(f.Left()) + "," + px(f.Top()) + " " + px(f.Width()) + "x" + px(f.Height());
  }
  EventLog log_;
};

TEST_F(ScreenLayoutTest, WindowsFollowTheScreenAndTheProgramHearsAfterwards) {
  FrmCentred::Get().Show();
  FrmCorner::Get().Show();
  FrmFull::Get().Show();
  FrmFull::Get().Maximise();
  // Hidden windows follow as well.
  FrmCorner::Get().Hide();
  log_.Clear();
  SetScreenChangeHook([this](const ScreenChange& change) {
    const auto corner = change.Before(FrmCorner::Get()), full = change.Before(FrmFull::Get());
    log_("screen " + std::to_string(change.old_width) + "x" + std::to_string(change.old_height) + " to " +
         std::to_string(change.width) + "x" + std::to_string(change.height) + ", corner was at " +
         std::to_string(static_cast<int>(corner->left / 15)) + ", maximised was " +
         std::to_string(static_cast<int>(full->width / 15)) + " wide; centred now at " + At(FrmCentred::Get()));
  });
  in_.ResizeScreen(1000, 800);
  in_.Call([this] { log_("corner " + At(FrmCorner::Get()) + ", maximised " + At(FrmFull::Get())); });
  in_.ResizeScreen(500, 400);
  in_.Call([this] { log_("corner " + At(FrmCorner::Get()) + ", centred " + At(FrmCentred::Get())); });
  // The same size again is no change.
  in_.ResizeScreen(500, 400);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{
                            "FrmFull Resize 1000x800",
                            "screen 800x600 to 1000x800, corner was at 600, maximised was 800 wide; centred now at 300,250 400x300",
                            "corner 600,400 200x150, maximised 0,0 1000x800",
                            "FrmFull Resize 500x400",
                            "screen 1000x800 to 500x400, corner was at 600, maximised was 1000 wide; centred now at 50,50 400x300",
                            "corner 300,375 200x150, centred 50,50 400x300",
                        }));
  EXPECT_EQ(ScreenWidth(), 500 * 15);
  // Restored, the maximised window takes its own place, which followed the screen too.
  FrmFull::Get().SetWindowState(forms::WindowSize::kNormal);
  EXPECT_EQ(At(FrmFull::Get()), "100,100 200x200");
}

}  // namespace
}  // namespace xpexam::forms
