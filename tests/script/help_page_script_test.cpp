// A help page of the data folder as the learner meets it through the home screen's help panel:
// its style sheet, picture, table and links, seen in the runner's screenshots and dumps.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "forms/graphics.h"
#include "platform/codepage.h"
#include "tests/support/installation.h"
#include "tests/support/screenshot.h"
#include "tests/support/script_run.h"
#include "tests/support/temp_dir.h"

#if defined(XPEXAM_SCRIPT_BIN) && defined(XPEXAM_SAMPLE_DIR)
namespace xpexam {
namespace {

namespace fs = std::filesystem;
using forms::Color;
using forms::Rgb;

// The help button of the home screen and the viewer's top left corner, on the runner's screen.
constexpr int kHelpX = 778, kHelpY = 600;
constexpr int kPageX = 306, kPageY = 254, kPageW = 606, kPageH = 392;

// The first and the last pixel of the colour in the viewer, row by row.
std::pair<std::pair<int, int>, std::pair<int, int>> Ends(const testing::Screenshot& png, Color color) {
  std::pair<int, int> first{-1, -1}, last{-1, -1};
  for (int y = kPageY; y < kPageY + kPageH; ++y)
    for (int x = kPageX; x < kPageX + kPageW; ++x)
      if (png.At(x, y) == color) {
        if (first.first < 0) first = {x, y};
        last = {x, y};
      }
  return {first, last};
}

TEST(HelpPageScript, StyleSheetPictureTableAndLinkThroughTheHelpPanel) {
  testing::TempDir dir, work;
  const std::string program = dir / "sample";
  fs::copy(XPEXAM_SAMPLE_DIR, program, fs::copy_options::recursive);
  fs::remove_all(program + "/ksdata");
  testing::SeedRecords(program);
  const std::string data = program + "/xpdata/";
  ASSERT_TRUE(fs::exists(data + "l38180.mxy"));
  dir.Write("sample/xpdata/help.css",
            "body { margin: 0; background: #ffffc0; font: 12px 宋体 }\r\nimg { display: block }\r\n"
            "td.c { background: #00c800; width: 60px; height: 24px }\r\na { color: #0000ff }\r\n");
  dir.Write("sample/xpdata/help.bmp", testing::SolidBmp(40, 20, 200, 0, 200));
  dir.Write("sample/xpdata/l38180.mxy",
            platform::Utf8ToGbk("<html><head><link rel=stylesheet href=\"help.css\"></head><body>"
                                "<img src=\"help.bmp\"><table border=1 cellspacing=0><tr><td class=c>单元格</td></tr>"
                                "</table><a href=\"l38181.mxy\">备考指南</a> <a href=\"https://example.invalid/\">网站</a>"
                                "</body></html>"));
  const std::string open_help = "wait 300\nclick " + std::to_string(kHelpX) + " " + std::to_string(kHelpY) + "\nwait 200\n";

  const std::string shot = work / "help.png";
  std::string out = testing::RunScript(work, program, open_help + "shot " + shot + "\n");
  const testing::Screenshot png(shot);
  // The picture at the page's corner at its size; the sheet's body colour beside it.
  EXPECT_EQ(png.At(kPageX, kPageY), Rgb(200, 0, 200)) << out;
  EXPECT_EQ(png.At(kPageX + 39, kPageY + 19), Rgb(200, 0, 200));
  EXPECT_EQ(png.At(kPageX + 40, kPageY + 10), Rgb(255, 255, 192));
  EXPECT_EQ(png.At(kPageX + 300, kPageY + 5), Rgb(255, 255, 192));
  // The cell under the picture, its border around it.
  auto [cell, cell_end] = Ends(png, Rgb(0, 200, 0));
  ASSERT_GE(cell.first, kPageX);
  EXPECT_GT(cell.second, kPageY + 20);
  EXPECT_LT(cell.second, kPageY + 30);
  EXPECT_GE(cell_end.second - cell.second + 1, 20);
  EXPECT_NE(png.At(cell.first - 1, cell.second), Rgb(255, 255, 192));
  // The links under the table.
  auto [link, link_end] = Ends(png, Rgb(0, 0, 255));
  ASSERT_GE(link.first, kPageX);
  EXPECT_GT(link.second, cell_end.second);

  // A click on the first link opens the other help page in the viewer.
  out = testing::RunScript(work, program,
                           open_help + "click " + std::to_string(link.first + 2) + " " + std::to_string(link.second + 2) +
                               "\nwait 100\ndump\n");
  EXPECT_NE(out.find("WebBrowser WebHelpCON"), std::string::npos) << out;
  EXPECT_NE(out.find("l38181.mxy\""), std::string::npos) << out;
}

}  // namespace
}  // namespace xpexam
#endif
