// The home screen's web and chat links when the desktop's handler takes them and when it does
// not: the learner is told the address to open by hand only when nothing opened it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

#include "frame/message_box.h"
#include "home/home_buttons.h"
#include "home/home_screen.h"
#include "platform/http.h"
#include "platform/shell.h"
#include "platform/textfile.h"
#include "tests/frame/common_windows_fixture.h"
#include "tests/frame/message_box_access.h"
#include "tests/home/home_access.h"
#include "tests/support/loopback_server.h"

namespace xpexam::home {
namespace {

class HomeLinks : public frame::testing::CommonWindowsTest {
 protected:
  HomeLinks() {
    platform::SetServerUrl("http://127.0.0.1:" + std::to_string(xpexam::testing::ClosedPort()));
    platform::SetEventPump(nullptr);
    for (int kind = 1; kind <= 4; ++kind)
      frame::editInstallation().SetSetting(kind, "https://www.example.com/link" + std::to_string(kind));
  }
  ~HomeLinks() override {
    platform::SetShellOpener("");
    platform::SetServerUrl("");
  }
  // A handler that notes the address it was given, then ends with `exit_code`.
  std::string Opener(int exit_code) {
    const std::string path = dir_.Write("opener" + std::to_string(exit_code) + ".sh",
                                        "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/opened.txt\"\nexit " +
                                            std::to_string(exit_code) + "\n");
    ::chmod(path.c_str(), 0755);
    return path;
  }
  // Runs the program until the followed links are settled; the prompt of each message box shown
  // on the way, which is then confirmed.
  std::vector<std::string> Settle(FrmFengmian& home) {
    std::vector<std::string> prompts;
    // Each box is confirmed, and whatever comes up after it is looked at in turn.
    std::function<void()> answer = [&] {
      if (!frame::FrmQOMSGBOX::IsLoaded()) return;
      frame::FrmQOMSGBOX& box = frame::FrmQOMSGBOX::Get();
      EXPECT_EQ(Ui(box).LblTitle.Caption(), "打开链接");
      prompts.push_back(Ui(box).LblPrompt.Caption());
      const forms::Point p = Centre(Ui(box).LblClick[1]);
      in_.Click(p.x, p.y);
      in_.Call(answer);
    };
    for (int i = 0; i < 300 && Ui(home).TimLink.Enabled(); ++i) {
      in_.Wait(100);
      in_.Call(answer);
      forms::Pump();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_FALSE(Ui(home).TimLink.Enabled());
    EXPECT_FALSE(frame::FrmQOMSGBOX::IsLoaded());
    EXPECT_FALSE(forms::Ended());
    return prompts;
  }
};

TEST_F(HomeLinks, ALinkNoProgramTakesIsNamedInAMessageBox) {
  struct Case {
    const char* name;
    int exit_code;  // -1: no handler installed at all
    int label;      // a footer or link label; 0 for the web button
    std::string address;
    bool told;
  };
  const Case cases[] = {
      {"no handler, footer web site", -1, 1, "https://www.example.com/link1", true},
      {"no program for it, chat label", 3, 19, "https://www.example.com/link4", true},
      {"the opening failed, web button", 4, 0, "https://www.example.com/link2", true},
      {"opened, link label", 0, 18, "https://www.example.com/link2", false},
      {"opened, web button", 0, 0, "https://www.example.com/link2", false},
      {"opened, footer chat", 0, 3, "https://www.example.com/link3", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(dir_ / "opened.txt");
    platform::SetShellOpener(c.exit_code < 0 ? dir_ / "no-such-opener" : Opener(c.exit_code));
    FrmFengmian& home = FrmFengmian::Get();
    home.Show();
    if (c.label)
      Act(home).LblInfo_Click(c.label);
    else
      Act(home).ClickBotn_Click(button::kWebsite);
    const std::vector<std::string> prompts = Settle(home);
    if (c.told) {
      EXPECT_EQ(prompts, std::vector<std::string>{"\r\n\r\n无法打开 " + c.address + "，请手动打开。"});
    } else {
      EXPECT_TRUE(prompts.empty());
    }
    if (c.exit_code >= 0) {
      EXPECT_EQ(platform::ReadTextLines(dir_ / "opened.txt"), std::vector<std::string>{c.address});
    }
    EXPECT_TRUE(home.Visible());
  }
}

// Handlers run side by side; whichever ends first is told first.
TEST_F(HomeLinks, TwoRefusedLinksAreEachNamedOnce) {
  platform::SetShellOpener(Opener(3));
  FrmFengmian& home = FrmFengmian::Get();
  home.Show();
  Act(home).LblInfo_Click(17);
  Act(home).LblInfo_Click(20);
  std::vector<std::string> prompts = Settle(home);
  std::sort(prompts.begin(), prompts.end());
  EXPECT_EQ(prompts, (std::vector<std::string>{"\r\n\r\n无法打开 https://www.example.com/link1，请手动打开。",
                                                    "\r\n\r\n无法打开 https://www.example.com/link3，请手动打开。"}));
}

// A browser the handler starts in the foreground keeps it running: after a while the link counts
// as taken, and how the handler ends later says nothing about it.
TEST_F(HomeLinks, AHandlerStillRunningAfterAWhileHasTakenTheLink) {
  const std::string opener = dir_.Write("browser.sh", "#!/bin/sh\nsleep 1\ntouch \"$(dirname \"$0\")/closed\"\nexit 4\n");
  ::chmod(opener.c_str(), 0755);
  platform::SetShellOpener(opener);
  FrmFengmian& home = FrmFengmian::Get();
  home.Show();
  Act(home).LblInfo_Click(1);
  EXPECT_TRUE(Settle(home).empty());
  for (int i = 0; i < 300 && !std::filesystem::exists(dir_ / "closed"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_TRUE(std::filesystem::exists(dir_ / "closed"));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  in_.Wait(1000);
  forms::Pump();
  EXPECT_FALSE(frame::FrmQOMSGBOX::IsLoaded());
  EXPECT_FALSE(Ui(home).TimLink.Enabled());
}

}  // namespace
}  // namespace xpexam::home
