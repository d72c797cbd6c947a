// The scenario runner starts the real program: after 300 ms of virtual time the home screen is
// up and the splash gone; a bank of another module ends the program before the script does.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "frame/settings.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "tests/support/installation.h"
#include "tests/support/script_run.h"
#include "tests/support/temp_dir.h"

#ifdef XPEXAM_SCRIPT_BIN
namespace xpexam::frame {
namespace {

namespace fs = std::filesystem;
using testing::GbkLines;
using testing::RunScript;
using testing::SeedRecords;

// A complete installation: settings, branding, first-run marker, bank and pictures.
void WriteInstallation(const testing::TempDir& dir, std::string_view module) {
  testing::Installation install{dir};
  install.WriteSettings();
  install.WriteBank(module);
  install.WritePictures();
  dir.Write("data/288901.mxy", GbkLines({testing::CodeSettingsLine("Brivant")}));
  dir.Write("data/288892.mxy", "1\r\n");
  dir.Write("data/9l0015.mxy", testing::SolidBmp(4, 4));
  SeedRecords(dir.path());
}

void ExpectHomeScreen(const std::string& out, const std::string& version) {
  EXPECT_NE(out.find("Window FrmFengmian visible=1"), std::string::npos) << out;
  EXPECT_NE(out.find("Label LblInfo(0) visible=1"), std::string::npos) << out;
  EXPECT_NE(out.find("caption=\"题库版本：V" + version + "\""), std::string::npos) << out;
  EXPECT_EQ(out.find("Window FrmStart"), std::string::npos) << out;
}

TEST(StartUpScript, HomeScreenAfterThreeHundredMilliseconds) {
  testing::TempDir install, work;
  WriteInstallation(install, "5");
  ExpectHomeScreen(RunScript(work, install.path(), "wait 300\ndump\n"), "202401011200");
}

TEST(StartUpScript, ModuleNumberMismatchEndsTheProgramAtOnce) {
  testing::TempDir install, work;
  WriteInstallation(install, "6");
  std::string out = RunScript(work, install.path(), "wait 300\ndump\n");
  EXPECT_EQ(out.find("Window "), std::string::npos) << out;
  EXPECT_NE(out.find("ended before the script did"), std::string::npos) << out;
}

#ifdef XPEXAM_SAMPLE_DIR
// The sample installation, copied so that the run leaves it as it was.
TEST(StartUpScript, SampleInstallationStartsAndChecksItsModule) {
  ASSERT_TRUE(fs::is_directory(XPEXAM_SAMPLE_DIR));
  testing::TempDir dir, work;
  const std::string program_dir = dir / "sample";
  fs::copy(XPEXAM_SAMPLE_DIR, program_dir, fs::copy_options::recursive);
  fs::remove_all(program_dir + "/ksdata");
  SeedRecords(program_dir);
  auto ver = platform::ReadTextLines(program_dir + "/ver.txt");
  ASSERT_TRUE(ver && ver->size() >= 4);
  const std::string data = program_dir + "/" + platform::Trim(DecodeSettingsLine((*ver)[2])) + "/";
  auto version = platform::ReadTextLines(data + "288895.mxy");
  ASSERT_TRUE(version && !version->empty());
  ExpectHomeScreen(RunScript(work, program_dir, "wait 300\ndump\n"), platform::Trim(version->front()));

  const int16_t product = platform::ValInt(DecodeSettingsLine((*ver)[3]));
  ASSERT_TRUE(platform::WriteTextLines(data + "288899.mxy", {platform::Str(product + 1)}));
  std::string out = RunScript(work, program_dir, "wait 300\ndump\n");
  EXPECT_EQ(out.find("Window "), std::string::npos) << out;
}
#endif

}  // namespace
}  // namespace xpexam::frame
#endif
