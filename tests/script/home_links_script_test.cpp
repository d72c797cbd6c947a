// The home screen's link panel and footer on the sample installation: what a label says is what
// a click on it opens, read from the runner's screenshot and dump and from a desktop handler
// that notes the address it is given.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "frame/settings.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "tests/support/dump.h"
#include "tests/support/installation.h"
#include "tests/support/screenshot.h"
#include "tests/support/script_run.h"
#include "tests/support/temp_dir.h"

#if defined(XPEXAM_SCRIPT_BIN) && defined(XPEXAM_SAMPLE_DIR)
namespace xpexam {
namespace {

namespace fs = std::filesystem;

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
};

class HomeLinksScript : public ::testing::Test {
 protected:
  HomeLinksScript() : path_(std::getenv("PATH") ? std::getenv("PATH") : "") {
    fs::copy(XPEXAM_SAMPLE_DIR, program_, fs::copy_options::recursive);
    fs::remove_all(program_ + "/ksdata");
    testing::SeedRecords(program_);
    // The desktop's handler, first on the path: it notes the address and succeeds.
    const std::string opener = bin_.Write("xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + opened_ + "'\n");
    ::chmod(opener.c_str(), 0755);
    ::setenv("PATH", (bin_.path() + ":" + path_).c_str(), 1);
    home_ = testing::ParseDump(testing::RunScript(work_, program_, "wait 3000\nshot " + shot_ + "\ndump\n"));
  }
  ~HomeLinksScript() override { ::setenv("PATH", path_.c_str(), 1); }

  Rect At(const std::string& control) const {
    auto it = home_.find("FrmFengmian." + control);
    if (it == home_.end()) return {};
    auto n = [&](const char* key) { return platform::ValInt(it->second.at(key)); };
    return {n("x"), n("y"), n("w"), n("h")};
  }
  std::string Caption(const std::string& control) const {
    auto it = home_.find("FrmFengmian." + control);
    return it == home_.end() ? "" : it->second.at("caption");
  }
  // The address the handler is given when the learner clicks the middle of a control.
  std::string Opens(const std::string& control) {
    fs::remove(opened_);
    const Rect r = At(control);
    testing::RunScript(work_, program_,
                       "wait 3000\nclick " + std::to_string(r.x + r.w / 2) + " " + std::to_string(r.y + r.h / 2) +
                           "\nwait 1000\n");
    // The handler runs beside the program and may finish after it.
    for (int i = 0; i < 100 && !fs::exists(opened_); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(30));
    std::string line;
    std::ifstream(opened_) >> line;
    return line;
  }
  // Settings entry `n` of the installation.
  std::string Setting(int n) const {
    const auto lines = platform::ReadTextLines(program_ + "/xpdata/288901.mxy");
    if (!lines || n >= static_cast<int>(lines->size())) return "";
    return frame::DecodeSettingsLine((*lines)[n]);
  }

  testing::TempDir dir_, work_, bin_;
  std::string path_;
  std::string program_ = dir_ / "sample";
  std::string opened_ = bin_ / "opened.txt";
  std::string shot_ = work_ / "home.png";
  std::map<std::string, testing::DumpFields> home_;
};

// The number a caption ends with, 一 or 二, read as the count of ink strokes one above the other
// in its last character, where the home picture draws it inside the label.
int OrdinalDrawnIn(const testing::Screenshot& shot, const Rect& r) {
  auto ink = [&](int x, int y) {
    const forms::Color c = shot.At(x, y);
    return (c & 0xFF) + (c >> 8 & 0xFF) + (c >> 16 & 0xFF) < 3 * 170;
  };
  int right = -1;
  for (int x = r.x; x < r.x + r.w; ++x)
    for (int y = r.y; y < r.y + r.h; ++y)
      if (ink(x, y)) right = x;
  if (right < 0) return 0;
  int strokes = 0;
  bool in_stroke = false;
  for (int y = r.y; y < r.y + r.h; ++y) {
    bool row = false;
    for (int x = right - 9; x <= right; ++x) row = row || ink(x, y);
    if (row && !in_stroke) ++strokes;
    in_stroke = row;
  }
  return strokes;
}

// The link panel draws 客服一 and 客服二 over the two chat labels: each opens the support chat it
// names, settings entry 3 the first and entry 4 the second.
TEST_F(HomeLinksScript, EachChatLinkOpensTheChatItNames) {
  const testing::Screenshot shot(shot_);
  std::vector<int> drawn;
  for (const char* label : {"LblInfo(19)", "LblInfo(20)"}) {
    SCOPED_TRACE(label);
    const int ordinal = OrdinalDrawnIn(shot, At(label));
    ASSERT_TRUE(ordinal == 1 || ordinal == 2) << ordinal;
    drawn.push_back(ordinal);
    EXPECT_EQ(Opens(label), Setting(2 + ordinal));
  }
  EXPECT_NE(drawn[0], drawn[1]);
}

// The footer's web site and the link panel's 官方网站 open the address the footer shows.
TEST_F(HomeLinksScript, TheFooterShowsTheSiteItsLinkOpens) {
  const std::string caption = Caption("LblInfo(1)");
  const std::string prefix = "官方网站：";
  ASSERT_EQ(caption.rfind(prefix, 0), 0u) << caption;
  const std::string shown = caption.substr(prefix.size());
  for (const char* label : {"LblInfo(1)", "LblInfo(17)"}) {
    SCOPED_TRACE(label);
    const std::string address = Opens(label);
    const size_t host = address.find("://") + 3;
    EXPECT_EQ(address.substr(host, address.find('/', host) - host), shown) << address;
  }
}

}  // namespace
}  // namespace xpexam
#endif
