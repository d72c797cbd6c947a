// The image buttons on the tabbed pages' title strip of the sample installation, at 96 and 144
// dpi: a face's picture is opaque, so the corners its rounded frame leaves must carry the strip
// under the button, or they show as specks of another colour round it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/strings.h"
#include "tests/support/dump.h"
#include "tests/support/installation.h"
#include "tests/support/screenshot.h"
#include "tests/support/script_run.h"
#include "tests/support/temp_dir.h"

#if defined(XPEXAM_SCRIPT_BIN) && defined(XPEXAM_SAMPLE_DIR)
namespace xpexam {
namespace {

namespace fs = std::filesystem;

struct Dpi {
  int dpi, width, height, twips_per_pixel;
  friend void PrintTo(const Dpi& d, std::ostream* os) { *os << d.dpi << " dpi"; }
};

struct Button {
  std::string name, face, container;
  int x, y, w, h;
};

// The image buttons shown in a window of a dump: the button and every control it lies in visible.
std::vector<Button> ShownButtons(const std::string& dump, const std::string& window) {
  std::vector<Button> buttons;
  std::vector<bool> shown;  // by depth
  std::vector<std::string> names;
  bool in_window = false;
  std::istringstream in(dump);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("Window ", 0) == 0) in_window = line.rfind("Window " + window + " ", 0) == 0;
    if (!in_window) continue;
    const size_t indent = line.find_first_not_of(' ');
    if (indent == std::string::npos || indent % 2) continue;
    const size_t depth = indent / 2;
    std::string name;
    const testing::DumpFields fields = testing::ParseDumpLine(line, name);
    if (fields.count("visible") == 0) continue;
    shown.resize(depth + 1);
    names.resize(depth + 1);
    names[depth] = name;
    shown[depth] = fields.at("visible") == "1" && (depth == 0 || shown[depth - 1]);
    if (shown[depth] && line.compare(indent, 11, "vemoButton ") == 0 && fields.count("picture")) {
      auto n = [&](const char* key) { return platform::ValInt(fields.at(key)); };
      buttons.push_back({name, fields.at("picture"), depth ? names[depth - 1] : "", n("x"), n("y"), n("w"), n("h")});
    }
  }
  return buttons;
}

class ButtonFaces : public ::testing::TestWithParam<Dpi> {
 protected:
  ButtonFaces() {
    fs::copy(XPEXAM_SAMPLE_DIR, program_, fs::copy_options::recursive);
    fs::remove_all(program_ + "/ksdata");
    testing::SeedRecords(program_);
  }
  // A point of the home window, 800 x 600 pixels and centred at every setting.
  std::string HomeAt(int x, int y) const {
    return std::to_string((GetParam().width - 800) / 2 + x) + " " + std::to_string((GetParam().height - 600) / 2 + y);
  }

  testing::TempDir dir_, work_;
  std::string program_ = dir_ / "sample";
};

TEST_P(ButtonFaces, CornersOnTheTitleStripCarryTheStrip) {
  struct Screen {
    const char* name;
    std::string script;
    const char* window;
  };
  const std::string start = "wait 3000\n";
  const Screen screens[] = {
      {"units", start + "click " + HomeAt(235, 275) + "\nwait 300\n", "FrmFengmian"},
      {"papers", start + "click " + HomeAt(535, 275) + "\nwait 300\n", "FrmFengmian"},
      {"bookmarks", start + "click " + HomeAt(235, 275) + "\nwait 300\nclick " + HomeAt(319, 71) + "\nwait 300\n",
       "FrmFengmian"},
      {"wrong answers", start + "click " + HomeAt(235, 275) + "\nwait 300\nclick " + HomeAt(406, 71) + "\nwait 300\n",
       "FrmFengmian"},
      {"help", start + "click " + HomeAt(666, 516) + "\nwait 300\n", "FrmFengmian"},
  };
  const std::string options = "--screen " + std::to_string(GetParam().width) + "x" + std::to_string(GetParam().height) +
                              " --twips-per-pixel " + std::to_string(GetParam().twips_per_pixel);
  for (const Screen& screen : screens) {
    SCOPED_TRACE(screen.name);
    const std::string shot = work_ / "shot.png";
    const std::string out = testing::RunScript(work_, program_, screen.script + "shot " + shot + "\ndump\n", options);
    const std::vector<Button> buttons = ShownButtons(out, screen.window);
    ASSERT_FALSE(buttons.empty()) << out;
    const testing::Screenshot png(shot);
    testing::DumpFields strip = testing::ParseDump(out)["FrmFengmian.PicTOP"];
    ASSERT_EQ(strip["visible"], "1");
    const int top = platform::ValInt(strip["y"]), bottom = top + platform::ValInt(strip["h"]);
    int checked = 0;
    for (const Button& b : buttons) {
      if (b.container != "PicTOP") continue;
      // Each corner pixel beside the pixel diagonally outside it.
      const int corners[4][4] = {{b.x, b.y, -1, -1},
                                 {b.x + b.w - 1, b.y, 1, -1},
                                 {b.x, b.y + b.h - 1, -1, 1},
                                 {b.x + b.w - 1, b.y + b.h - 1, 1, 1}};
      for (const auto& [x, y, dx, dy] : corners) {
        if (y + dy < top || y + dy >= bottom) continue;
        ++checked;
        const forms::Color in = png.At(x, y), out_ = png.At(x + dx, y + dy);
        int diff = 0;
        for (int shift : {0, 8, 16}) diff = std::max(diff, std::abs(int(in >> shift & 0xFF) - int(out_ >> shift & 0xFF)));
        EXPECT_LE(diff, 24) << b.name << " (" << b.face << ") corner " << x << "," << y << ": " << std::hex << in
                            << " beside " << out_;
      }
    }
    // The "–", the "×" and the five tabs.
    EXPECT_EQ(checked, 2 * 4 + 5 * 2);
  }
}

INSTANTIATE_TEST_SUITE_P(Dpis, ButtonFaces, ::testing::Values(Dpi{96, 1024, 768, 15}, Dpi{144, 1600, 1200, 10}),
                         [](const auto& info) { return std::to_string(info.param.dpi) + "dpi"; });

}  // namespace
}  // namespace xpexam
#endif
