// The start-up through the headless screen: single instance, splash, the 100 ms tick that opens
// the home screen, the session log's name, the records folder and the module check.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <sstream>

#include "desktop/demonstration_state.h"
#include "forms/app.h"
#include "forms/dump.h"
#include "forms/headless.h"
#include "forms/pictures.h"
#include "frame/candidate.h"
#include "frame/error_report.h"
#include "frame/installation.h"
#include "frame/start_window.h"
#include "app/program.h"
#include "frame/settings.h"
#include "home/home_screen.h"
#include "home/update_window.h"
#include "platform/failure.h"
#include "platform/http.h"
#include "platform/instance.h"
#include "platform/registry.h"
#include "tests/frame/start_window_access.h"
#include "tests/home/home_access.h"
#include "tests/support/installation.h"
#include "tests/support/loopback_server.h"
#include "tests/support/temp_dir.h"

namespace xpexam::frame {
namespace {

namespace fs = std::filesystem;
using home::FrmFengmian;
using testing::Installation;

class StartUp : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetServerUrl(server_.url());
    platform::SetRegistryFolder(dir_ / "config");
    editInstallation().SetAppPath(dir_.path());
  }
  void TearDown() override {
    ReleaseInstanceLock();
    ::unlink(platform::InstanceLockPath(dir_.path()).c_str());
    session_.reset();
    platform::SetFailureReporter(nullptr);
    platform::SetEventPump(nullptr);
    platform::SetServerUrl("");
    platform::SetRegistryFolder("");
  }

  // A headless screen of 800 x 600 pixels at the given resolution.
  forms::HeadlessBackend& Screen(double twips_per_pixel = 15) {
    session_.emplace(800, 600, twips_per_pixel);
    // Report requests wait without running the queued input, which keeps the timeline exact.
    platform::SetEventPump(nullptr);
    return session_->Input();
  }
  // Report requests the server received for a tag.
  int Reports(std::string_view tag) const {
    platform::WaitForFiredRequests(5000);
    int n = 0;
    for (const std::string& t : server_.targets())
      if (t.find("&errsub=" + std::string(tag) + "&") != std::string::npos) ++n;
    return n;
  }
  std::vector<std::string> RecordFiles() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_ / "ksdata")) names.push_back(e.path().filename().string());
    return names;
  }

  testing::TempDir dir_;
  Installation install_{dir_};
  testing::LoopbackServer server_{[](const std::string&) { return testing::ScriptedReply{}; }};
  std::optional<forms::HeadlessSession> session_;
};

TEST_F(StartUp, SplashKeepsItsPixelSizeAtEveryResolution) {
  struct Case {
    double twips_per_pixel;
    double width, height, font, top;
  } cases[] = {
      {15, 6000, 3000, 11, 2160},   // 96 dpi
      {12, 4800, 2400, 8.8, 1728},  // 120 dpi: factors 0.8
  };
  install_.WriteSettings();
  install_.WriteBank();
  install_.WritePictures();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.twips_per_pixel);
    Screen(c.twips_per_pixel);
    app::StartProgram();
    FrmStart& start = FrmStart::Get();
    EXPECT_DOUBLE_EQ(installation().scaleX(), c.twips_per_pixel / 15);
    EXPECT_DOUBLE_EQ(start.Width(), c.width);
    EXPECT_DOUBLE_EQ(start.Height(), c.height);
    EXPECT_TRUE(start.Visible());
    // Centred on the 800 x 600 pixel screen.
    EXPECT_NEAR(start.Left(), (800 * c.twips_per_pixel - c.width) / 2, 1e-6);
    EXPECT_NEAR(start.Top(), (600 * c.twips_per_pixel - c.height) / 2, 1e-6);
    EXPECT_EQ(Ui(start).Label1.Caption(), "正在启动中文操作系统，请稍候...");
    EXPECT_DOUBLE_EQ(Ui(start).Label1.FontSize(), c.font);
    EXPECT_DOUBLE_EQ(Ui(start).Label1.Top(), c.top);
    EXPECT_GT(Ui(start).Label1.Width(), 0);
    EXPECT_DOUBLE_EQ(Ui(start).Label1.Left(), (c.width - Ui(start).Label1.Width()) / 2);
    EXPECT_EQ(forms::PictureId(start.Picture()), "l20059");
    EXPECT_EQ(forms::PictureId(start.Icon()), "l62011");
    EXPECT_EQ(start.Caption(), "Tavrelo");
    EXPECT_EQ(start.BorderStyle(), forms::WindowBorder::kNone);
    EXPECT_TRUE(Ui(start).Timer1.Enabled());
    EXPECT_EQ(candidate().name(), "Brivo1");
    EXPECT_FALSE(installation().osVersion().empty());
    EXPECT_EQ(Reports("startload"), 0);
    ReleaseInstanceLock();
  }
}

TEST_F(StartUp, EmptyTitleStillCentresTheLine) {
  install_.title = "";
  install_.WriteSettings();
  install_.WriteBank();
  Screen();
  app::StartProgram();
  FrmStart& start = FrmStart::Get();
  EXPECT_EQ(Ui(start).Label1.Caption(), "正在启动，请稍候...");
  EXPECT_DOUBLE_EQ(Ui(start).Label1.Left(), (start.Width() - Ui(start).Label1.Width()) / 2);
}

TEST_F(StartUp, HomeScreenReplacesTheSplashAfterOneTick) {
  install_.WriteSettings();
  install_.WriteBank();
  install_.WritePictures();
  auto& in = Screen();
  // The program starts 950 ms into second 09:00:00, so the tick falls into 09:00:01.
  in.Wait(950);
  forms::Pump();
  home::FrmUpdata::MarkOpenedByLearner();
  desktop::editDemonstration().MarkRunning();  // left over from an earlier run
  app::StartProgram();
  EXPECT_TRUE(fs::is_directory(dir_ / "ksdata"));
  in.Wait(99);
  in.Call([] {
    EXPECT_TRUE(FrmStart::IsLoaded());
    EXPECT_FALSE(FrmFengmian::IsLoaded());
    EXPECT_EQ(errorLog().logFile(), "");
  });
  in.Wait(1);
  in.Call([this] {
    EXPECT_FALSE(FrmStart::IsLoaded());
    ASSERT_TRUE(FrmFengmian::IsLoaded());
    FrmFengmian& home = FrmFengmian::Get();
    EXPECT_TRUE(home.Visible());
    EXPECT_DOUBLE_EQ(home.Width(), 12000);
    EXPECT_DOUBLE_EQ(home.Height(), 9000);
    EXPECT_DOUBLE_EQ(home.Left(), 0);  // a 12000 x 9000 window centred on an 800 x 600 screen
    EXPECT_EQ(Ui(home).LblInfo[0].Caption(), "题库版本：V202401011200");
    EXPECT_EQ(errorLog().logFile(), dir_.path() + "\\ksdata\\20260101090001.txt");
    EXPECT_FALSE(home::FrmUpdata::OpenedByLearner());
    EXPECT_FALSE(desktop::demonstration().running());
  });
  in.Wait(1000);
  forms::Pump();
  EXPECT_FALSE(forms::Ended());
  EXPECT_EQ(forms::LoadedForms().size(), 1u);
  // The missing branding file, first-run marker, input-method switch file, progress file and
  // banner file were reported before the log had a name: sent, not logged.
  EXPECT_GT(Reports("readInfo"), 0);
  EXPECT_GT(Reports("fengmaincsh"), 0);
  EXPECT_GT(Reports("fmload"), 0);
  EXPECT_EQ(RecordFiles(), std::vector<std::string>{"288893.mxy"});
}

TEST_F(StartUp, ReportsOfTheLoadAreSentUnderItsTag) {
  install_.WriteSettings();
  install_.WriteBank();  // no pictures: splash without background or icon
  auto& in = Screen();
  app::StartProgram();
  EXPECT_EQ(Reports("startload"), 1);  // both missing pictures fail alike: one report
  EXPECT_EQ(FrmStart::Get().Picture(), nullptr);
  EXPECT_TRUE(FrmStart::Get().Visible());
  in.Wait(100);
  forms::Pump();
  EXPECT_TRUE(FrmFengmian::IsLoaded());
}

TEST_F(StartUp, ModuleNumberMismatchEndsTheProgramUnderTheSplash) {
  install_.WriteSettings();
  install_.WriteBank("6");
  auto& in = Screen();
  app::StartProgram();
  in.Wait(100);
  in.Call([] { ADD_FAILURE() << "the program went on after the module check"; });
  forms::Pump();
  EXPECT_TRUE(forms::Ended());
  EXPECT_TRUE(FrmStart::IsLoaded());
  EXPECT_TRUE(FrmStart::Get().Visible());
  EXPECT_FALSE(FrmFengmian::Get().Visible());
  EXPECT_EQ(errorLog().logFile(), "");
  EXPECT_EQ(installation().bankVersion(), "202401011200");
  EXPECT_TRUE(RecordFiles().empty());
}

TEST_F(StartUp, SecondCopyShowsTheMessageAndEndsWithoutTouchingTheInstallation) {
  install_.WriteSettings();
  install_.WriteBank();
  platform::InstanceLock first(dir_.path());
  ASSERT_FALSE(first.PrevInstance());
  auto& in = Screen();
  std::string screen;
  in.Call([&] {
    std::ostringstream out;
    forms::DumpScreen(out);
    screen = out.str();
  });
  in.Key(forms::kKeyReturn);
  in.Call([] { ADD_FAILURE() << "the start-up went on after the message"; });
  app::StartProgram();
  EXPECT_NE(screen.find(std::string("caption=\"") + kAlreadyRunningTitle + "\""), std::string::npos) << screen;
  EXPECT_NE(screen.find(std::string("caption=\"") + kAlreadyRunningText + "\""), std::string::npos) << screen;
  EXPECT_TRUE(forms::Ended());
  EXPECT_FALSE(FrmStart::Get().Visible());
  EXPECT_FALSE(fs::exists(dir_ / "ksdata"));
  EXPECT_EQ(installation().moduleName(), "");
  EXPECT_TRUE(server_.targets().empty());
  // The first copy still holds its lock.
  EXPECT_TRUE(platform::InstanceLock(dir_.path()).PrevInstance());
}

TEST_F(StartUp, SecondCopyOpensItsRealWindowTheSizeOfTheNotice) {
  install_.WriteSettings();
  install_.WriteBank();
  {
    // A first copy opens the program's usual window.
    const forms::SdlOptions options = app::HostWindowOptions();
    EXPECT_EQ(options.width, 1024);
    EXPECT_EQ(options.height, 768);
    // Titled by the program's caption until the settings are read, never by the executable's name.
    EXPECT_EQ(options.title, "Tavrelo");
    ReleaseInstanceLock();
  }
  platform::InstanceLock first(dir_.path());
  ASSERT_FALSE(first.PrevInstance());
  const forms::SdlOptions options = app::HostWindowOptions();
  ASSERT_LT(options.width, 1024);
  EXPECT_EQ(options.title, kAlreadyRunningTitle);
  session_.emplace(options.width, options.height, 15);
  platform::SetEventPump(nullptr);
  auto& in = session_->Input();
  forms::Rect box;
  in.Call([&] {
    const forms::Form* top = forms::TopWindow();
    ASSERT_TRUE(top);
    box = {forms::TwipsToPixels(top->Left()), forms::TwipsToPixels(top->Top()), forms::TwipsToPixels(top->Width()),
           forms::TwipsToPixels(top->Height())};
  });
  in.Key(forms::kKeyReturn);
  app::StartProgram();
  forms::SetMsgBoxScreenWidth(0);
  EXPECT_TRUE(forms::Ended());
  // The notice fills its window, wrapped as on the usual window.
  EXPECT_EQ(box, (forms::Rect{0, 0, options.width, options.height}));
  EXPECT_EQ(options.width, forms::MeasureMsgBox(kAlreadyRunningText, kAlreadyRunningButtons, 1024).width);
}

}  // namespace
}  // namespace xpexam::frame
