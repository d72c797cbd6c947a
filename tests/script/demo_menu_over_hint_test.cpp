// The answer demonstration's drawn context menu pops up over the hint strip, as a real popup
// menu lies over everything on the desktop: the sample question whose menu opens across its
// hint, played through the scenario runner and seen in its screenshot.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "forms/graphics.h"
#include "platform/strings.h"
#include "tests/support/dump.h"
#include "tests/support/screenshot.h"
#include "tests/support/script_run.h"
#include "tests/support/temp_dir.h"

#if defined(XPEXAM_SCRIPT_BIN) && defined(XPEXAM_SAMPLE_DIR)
namespace xpexam::demo {
namespace {

namespace fs = std::filesystem;

using Png = xpexam::testing::Screenshot;

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
};

Rect RectOf(const testing::DumpFields& f) {
  auto n = [&](const char* key) {
    auto it = f.find(key);
    return it == f.end() ? 0 : platform::ValInt(it->second);
  };
  return {n("x"), n("y"), n("w"), n("h")};
}

// The runner's screen at 96, 120 and 144 dpi.
struct Screen {
  const char* name;
  const char* options;
};

class DemoMenuOverHint : public ::testing::TestWithParam<Screen> {};

TEST_P(DemoMenuOverHint, TheDrawnContextMenuHidesTheHintWhereTheyMeet) {
  testing::TempDir dir, work;
  const std::string program = dir / "sample";
  fs::copy(XPEXAM_SAMPLE_DIR, program, fs::copy_options::recursive);
  fs::remove_all(program + "/ksdata");
  testing::SeedRecords(program);
  // Unit 7's first question: its right click on the desktop opens the menu across the hint.
  const std::string png = work / "menu.png";
  const std::string out =
      testing::RunScript(work, program, "wait 300\nunit 7\nwait 300\ndemo\nwait 1000\nshot " + png + "\ndump\n",
                         GetParam().options);
  const auto items = testing::ParseDump(out);
  ASSERT_TRUE(items.count("FrmYanShi.LRightMMenu") && items.count("FrmYanShi.LHelp")) << out;
  ASSERT_EQ(items.at("FrmYanShi.LRightMMenu").at("visible"), "1") << out;
  ASSERT_EQ(items.at("FrmYanShi.LHelp").at("visible"), "1") << out;
  const Rect menu = RectOf(items.at("FrmYanShi.LRightMMenu"));
  const Rect hint = RectOf(items.at("FrmYanShi.LHelp"));
  const int left = std::max(menu.x, hint.x), right = std::min(menu.x + menu.w, hint.x + hint.w);
  const int top = std::max(menu.y, hint.y), bottom = std::min(menu.y + menu.h, hint.y + hint.h);
  ASSERT_TRUE(left < right && top < bottom) << "the menu no longer meets the hint";

  // Where they meet, the menu's face and its captions show, and nothing of the hint's strip.
  const Png shot(png);
  const forms::Color strip = forms::Rgb(255, 255, 192), face = forms::Rgb(255, 255, 255);
  int strip_pixels = 0, face_pixels = 0, inside_strip = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      strip_pixels += shot.At(x, y) == strip;
      face_pixels += shot.At(x, y) == face;
    }
  for (int x = hint.x; x < left; ++x) inside_strip += shot.At(x, hint.y + 1) == strip;
  EXPECT_EQ(strip_pixels, 0);
  EXPECT_GT(face_pixels, (right - left) * (bottom - top) / 2);
  EXPECT_GT(inside_strip, 0) << "the hint's strip beside the menu stays as it is";
}

INSTANTIATE_TEST_SUITE_P(Dpi, DemoMenuOverHint,
                         ::testing::Values(Screen{"96dpi", ""},
                                           Screen{"120dpi", "--screen 1280x1024 --twips-per-pixel 12"},
                                           Screen{"144dpi", "--screen 1600x1200 --twips-per-pixel 10"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace xpexam::demo
#endif
