// The home screen of the sample installation as the start-up shows it: only the pictures its
// first frame draws are decoded. A hidden panel and a button face never drawn hold their size
// only, until a click shows them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/program.h"
#include "forms/app.h"
#include "forms/headless.h"
#include "frame/installation.h"
#include "frame/start_window.h"
#include "home/home_screen.h"
#include "platform/http.h"
#include "platform/instance.h"
#include "platform/registry.h"
#include "tests/home/home_access.h"
#include "tests/support/script_run.h"
#include "tests/support/temp_dir.h"

#ifdef XPEXAM_SAMPLE_DIR
namespace xpexam::home {
namespace {

namespace fs = std::filesystem;

class HomePictures : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::LinkSampleInstallation(program_);
    frame::editInstallation().SetAppPath(program_);
    platform::SetServerUrl("http://127.0.0.1:9");
    platform::SetRegistryFolder(dir_ / "config");
  }
  void TearDown() override {
    session_.reset();
    frame::ReleaseInstanceLock();
    ::unlink(platform::InstanceLockPath(program_).c_str());
    platform::SetServerUrl("");
    platform::SetRegistryFolder("");
  }

  testing::TempDir dir_;
  const std::string program_ = dir_ / "program";
  std::optional<forms::HeadlessSession> session_;
};

TEST_F(HomePictures, OnlyWhatAFrameDrewIsDecoded) {
  session_.emplace(1024, 768);
  platform::SetEventPump(nullptr);
  app::StartProgram();
  auto& in = session_->Input();
  in.Wait(300);
  forms::Pump();
  ASSERT_TRUE(FrmFengmian::IsLoaded());
  FrmFengmian& home = FrmFengmian::Get();
  ASSERT_FALSE(Ui(home).PicTiKu.Visible());
  const struct {
    const char* name;
    forms::PicturePtr picture;
    bool decoded;
  } at_start[] = {
      {"window", home.Picture(), true},
      {"picture across the top", Ui(home).picShouYe.Picture(), true},
      {"tab bar, hidden", Ui(home).PicTOP.Picture(), false},
      {"unit panel, hidden", Ui(home).PicTiKu.Picture(), false},
      {"unit list strip on the hidden panel", Ui(home).PicUnitLeft.Picture(), false},
      {"unit button face on the hidden panel", Ui(home).ClickBotn[50].Picture(), false},
  };
  for (const auto& c : at_start) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(c.picture);
    EXPECT_GT(c.picture->Width(), 0);
    EXPECT_EQ(c.picture->HasPixels(), c.decoded);
  }
  // The question-bank tab shows the unit panel: its pictures are decoded for that frame.
  in.Call([&] { Act(home).ClickBotn_Click(16); });
  in.Wait(50);
  forms::Pump();
  ASSERT_TRUE(Ui(home).PicTiKu.Visible());
  EXPECT_TRUE(Ui(home).PicTiKu.Picture()->HasPixels());
  EXPECT_TRUE(Ui(home).PicUnitLeft.Picture()->HasPixels());
  EXPECT_TRUE(Ui(home).ClickBotn[50].Picture()->HasPixels());
}

}  // namespace
}  // namespace xpexam::home
#endif
