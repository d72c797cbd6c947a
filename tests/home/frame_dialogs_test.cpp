// The frame's dialogs as the home screen opens them: the About box from the version and top-bar
// labels, modally, and the update window from the update button.
#include <gtest/gtest.h>

#include "home/about_window.h"
#include "home/update_window.h"
#include "home/home_screen.h"
#include "platform/http.h"
#include "platform/shell.h"
#include "tests/frame/common_windows_fixture.h"
#include "tests/home/about_window_access.h"
#include "tests/home/home_access.h"
#include "tests/home/update_window_access.h"
#include "tests/support/loopback_server.h"

namespace xpexam::home {
namespace {

using home::FrmAbout;
using home::FrmUpdata;

class HomeDialogs : public frame::testing::CommonWindowsTest {
 protected:
  HomeDialogs() {
    // The update window fetches the banner as it loads: nothing answers here.
    platform::SetServerUrl("http://127.0.0.1:" + std::to_string(xpexam::testing::ClosedPort()));
    platform::SetEventPump(nullptr);
    dir_.Write("tkdata/288895.mxy", " 202401011200 \r\n");  // shown as stored, spaces too
    // The top bar's labels open web links: no browser of the machine running the tests.
    platform::SetShellOpener("/bin/true");
  }
  ~HomeDialogs() override {
    platform::SetServerUrl("");
    platform::SetShellOpener("");
  }
};

TEST_F(HomeDialogs, TheVersionAndTopBarLabelsOpenTheAboutBoxModally) {
  FrmFengmian& home = FrmFengmian::Get();
  home.Show();
  for (int index : {0, 21}) {
    bool returned = false, open_inside = false;
    std::string version;
    in_.Call([&] {
      Act(home).LblInfo_Click(index);
      returned = true;
    });
    in_.Call([&] {
      FrmAbout& about = FrmAbout::Get();
      open_inside = about.Visible() && !returned;
      version = Ui(about).Label1[0].Caption();
      const forms::Point p = Centre(Ui(about).LblClick[1]);
      in_.Click(p.x, p.y);
    });
    forms::Pump();
    EXPECT_TRUE(open_inside) << index;
    EXPECT_TRUE(returned) << index;
    EXPECT_FALSE(FrmAbout::IsLoaded()) << index;
    EXPECT_EQ(version, Ui(home).LblInfo[0].Caption()) << index;
  }
  for (int index : {1, 17, 20}) {
    Act(home).LblInfo_Click(index);
    EXPECT_FALSE(FrmAbout::IsLoaded()) << index;
  }
}

TEST_F(HomeDialogs, TheUpdateButtonShowsTheUpdateWindowAsAskedFor) {
  FrmFengmian& home = FrmFengmian::Get();
  Act(home).ClickBotn_Click(7);
  EXPECT_FALSE(FrmUpdata::IsLoaded());
  EXPECT_FALSE(FrmUpdata::OpenedByLearner());
  Act(home).ClickBotn_Click(8);
  EXPECT_TRUE(FrmUpdata::OpenedByLearner());
  ASSERT_TRUE(FrmUpdata::IsLoaded());
  EXPECT_TRUE(FrmUpdata::Get().Visible());
  // Modeless: the update run waits for the window's first tick.
  EXPECT_TRUE(Ui(FrmUpdata::Get()).Timer1.Enabled());
}

}  // namespace
}  // namespace xpexam::home
