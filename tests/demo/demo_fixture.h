#pragma once
// The demonstration over the desktop fixture's scratch installation: the desktop and the bar
// are loaded, then the window opens as the bar's start timer opens it.
#include <gtest/gtest.h>

#include <functional>

#include "demo/demonstration.h"
#include "tests/demo/demo_access.h"
#include "desktop/demonstration_state.h"
#include "forms/pictures.h"
#include "tests/desktop/desktop_fixture.h"

namespace xpexam::demo::testing {

using xpexam::testing::StepLine;

class DemoTest : public desktop::testing::DesktopTest {
 protected:
  DemoTest() { dir_.Write("examdata/.keep", ""); }
  ~DemoTest() override {
    if (FrmYanShi::IsLoaded()) FrmYanShi::Get().Unload();
  }

  // What the bar's start timer does on its second tick.
  FrmYanShi& Start() {
    Desk().Show();
    Bar();
    desktop::editDemonstration().MarkRunning();
    Desk().SetVisible(false);
    Bar().SetVisible(false);
    FrmYanShi::Start(Bar().DemonstrationRequestForQuestion());
    desktop::editDemonstration().MarkRunning();
    return FrmYanShi::Get();
  }
  FrmYanShi& Demo() { return FrmYanShi::Get(); }
  // Advances the clock by 100 ms ticks until done() holds or `limit` ticks have passed;
  // the number of ticks taken, or -1.
  int TicksUntil(const std::function<bool()>& done, int limit = 200) {
    for (int k = 1; k <= limit; ++k) {
      in_.Wait(100);
      forms::Pump();
      if (done()) return k;
    }
    return -1;
  }
  // A picture of the examdata folder.
  void MenuPicture(const std::string& id, uint32_t color) {
    dir_.Write("examdata/" + id + ".mxy", xpexam::testing::SolidBmp(8, 8, color));
  }
  static std::string Shown(const forms::Image& img) { return forms::PictureId(img.Picture()); }
};

}  // namespace xpexam::demo::testing
