// The home screen's minimise sends the program's window to the taskbar, and the window
// manager's restore brings the home screen back, usable: the program played through the scenario
// runner on the sample installation, on a 1024 x 768 screen (the home window centred).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "tests/support/dump.h"
#include "tests/support/script_run.h"
#include "tests/support/temp_dir.h"

#if defined(XPEXAM_SCRIPT_BIN) && defined(XPEXAM_SAMPLE_DIR)
namespace xpexam::home {
namespace {

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The fields of the first line of `text` that starts with `prefix`.
testing::DumpFields FirstLine(const std::string& text, const std::string& prefix) {
  std::istringstream in(text);
  for (std::string line, name; std::getline(in, line);)
    if (line.rfind(prefix, 0) == 0) return testing::ParseDumpLine(line, name);
  return {};
}

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(MinimiseScript, TheHomeScreensMinimiseGoesToTheTaskbarAndRestoreBringsItBack) {
  testing::TempDir dir, work;
  const std::string program = dir / "program";
  testing::LinkSampleInstallation(program);
  const std::string out = testing::RunScript(work, program,
                                             "wait 300\n"
                                             "shot before.png\n"
                                             "click 868 101\n"  // the window's minimise button (2)
                                             "wait 300\n"
                                             "dump\n"
                                             "restore\n"
                                             "wait 300\n"
                                             "shot after.png\n"
                                             "click 346 360\n"  // the question-bank tile
                                             "wait 300\n"
                                             "dump\n");
  std::filesystem::remove_all(program);

  // Minimised: the home window and, with nothing else shown, the program's window.
  EXPECT_EQ(FirstLine(out, "Window FrmFengmian")["state"], "1") << out;
  EXPECT_EQ(Count(out, "Host minimized=1\n"), 1u) << out;  // in the first dump only
  // Restored: the same screen as before, and it takes clicks.
  const std::string before = FileBytes(work.path() + "/before.png");
  ASSERT_FALSE(before.empty()) << out;
  EXPECT_TRUE(before == FileBytes(work.path() + "/after.png")) << "the screen after the restore differs";
  const auto last = testing::ParseDump(out);
  ASSERT_TRUE(last.count("FrmFengmian")) << out;
  EXPECT_EQ(last.at("FrmFengmian").count("state"), 0u) << out;
  EXPECT_EQ(last.at("FrmFengmian.PicTiKu").at("visible"), "1") << out;
}

}  // namespace
}  // namespace xpexam::home
#endif
