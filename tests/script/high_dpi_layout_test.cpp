// The program's windows at 96, 120 and 144 dpi, played through the scenario runner on a copy of
// the sample installation: every window is laid out in design twips times the screen's scale,
// so each one has the same size in pixels at every setting and its parts stay where they are
// at 96 dpi, relative to the window.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "platform/strings.h"
#include "tests/support/dump.h"
#include "tests/support/script_run.h"
#include "tests/support/temp_dir.h"

#if defined(XPEXAM_SCRIPT_BIN) && defined(XPEXAM_SAMPLE_DIR)
namespace xpexam {
namespace {

namespace fs = std::filesystem;

struct Dpi {
  int dpi = 96;
  int width = 1024, height = 768;  // the screen, in pixels
  int twips_per_pixel = 15;
  // Where a window of w x h pixels lies when centred on the screen.
  int Left(int w) const { return (width - w) / 2; }
  int Top(int h) const { return (height - h) / 2; }
  std::string Options() const {
    return "--screen " + std::to_string(width) + "x" + std::to_string(height) + " --twips-per-pixel " +
           std::to_string(twips_per_pixel);
  }
  friend void PrintTo(const Dpi& d, std::ostream* os) { *os << d.dpi << " dpi"; }
};

const Dpi kDpis[] = {{96, 1024, 768, 15}, {120, 1280, 1024, 12}, {144, 1600, 1200, 10}};

// A control's rectangle on the screen, from the last dump of a run.
struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  int Bottom() const { return y + h; }
  bool operator==(const Rect&) const = default;
  friend void PrintTo(const Rect& r, std::ostream* os) { *os << r.x << "," << r.y << " " << r.w << "x" << r.h; }
};

class Screen {
 public:
  explicit Screen(const std::string& out) : out_(out), items_(testing::ParseDump(out)) {}
  std::string Field(const std::string& name, const std::string& key) const {
    auto it = items_.find(name);
    if (it == items_.end()) return "";
    auto field = it->second.find(key);
    return field == it->second.end() ? "" : field->second;
  }
  bool Shown(const std::string& name) const { return Field(name, "visible") == "1"; }
  Rect At(const std::string& name) const {
    auto n = [&](const char* key) { return platform::ValInt(Field(name, key)); };
    return {n("x"), n("y"), n("w"), n("h")};
  }
  const std::string& Text() const { return out_; }

 private:
  std::string out_;
  std::map<std::string, testing::DumpFields> items_;
};

class HighDpiLayout : public ::testing::TestWithParam<Dpi> {
 protected:
  HighDpiLayout() {
    fs::copy(XPEXAM_SAMPLE_DIR, program_, fs::copy_options::recursive);
    fs::remove_all(program_ + "/ksdata");
    testing::SeedRecords(program_);
  }
  Screen Run(const std::string& script) {
    return Screen(testing::RunScript(work_, program_, script, GetParam().Options()));
  }
  // A point of the home window, which is 800 x 600 pixels at every setting.
  std::string HomeAt(int x, int y) const {
    return std::to_string(GetParam().Left(800) + x) + " " + std::to_string(GetParam().Top(600) + y);
  }
  static std::string Centre(const Rect& r) {
    return std::to_string(r.x + r.w / 2) + " " + std::to_string(r.y + r.h / 2);
  }
  // The sign-in page of the first sprint paper, opened from the home screen's papers tile.
  std::string SignIn() const {
    return "wait 300\nclick " + HomeAt(534, 276) + "\nwait 300\nclick " + HomeAt(436, 177) + "\nwait 300\n";
  }
  // Signed in, the exam's clock run out and every hand-in confirmation answered with its first
  // button, wherever the confirmation lies: the score report is up.
  std::string ScoreReport() {
    std::string script = SignIn() + "click 329 392\nwait 2000\nwait 3000000\nkey Enter\nwait 300\n";
    for (int i = 0; i < 4; ++i) {
      const Screen screen = Run(script + "dump\n");
      const std::string box = screen.Shown("FrmEnd1") ? "FrmEnd1" : screen.Shown("FrmEnd2") ? "FrmEnd2" : "";
      if (box.empty()) break;
      script += "click " + Centre(screen.At(box + ".Command1")) + "\nwait 300\n";
    }
    return script + "wait 2000\n";
  }

  testing::TempDir dir_, work_;
  std::string program_ = dir_ / "sample";
};

// The home screen's header and its tab bar span the window's width and their pictures' height.
TEST_P(HighDpiLayout, HomeHeaderAndTabBarAreAsLargeAsTheirPictures) {
  const Screen home = Run("wait 400\ndump\n");
  const int left = GetParam().Left(800), top = GetParam().Top(600);
  ASSERT_EQ(home.At("FrmFengmian"), (Rect{left, top, 800, 600})) << home.Text();
  EXPECT_EQ(home.At("FrmFengmian.picShouYe"), (Rect{left, top, 800, 200}));
  EXPECT_EQ(home.At("FrmFengmian.PicTOP"), (Rect{left, top, 800, 110}));
}

// The left strip of the unit, paper and help panels stands on the panel's foot, behind the
// column of buttons, as at 96 dpi: seen on the paper panel, the last one the learner opened.
TEST_P(HighDpiLayout, LeftStripsStandOnThePanelsFoot) {
  const Screen papers = Run("wait 400\nclick " + HomeAt(234, 276) + "\nwait 200\nclick " + HomeAt(231, 66) +
                            "\nwait 200\ndump\n");
  ASSERT_TRUE(papers.Shown("FrmFengmian.PicKaCH")) << papers.Text();
  const int left = GetParam().Left(800), top = GetParam().Top(600);
  EXPECT_EQ(papers.At("FrmFengmian.PicKaCH"), (Rect{left, top + 110, 800, 460}));
  for (const char* strip : {"FrmFengmian.PicUnitLeft", "FrmFengmian.PicKaCHLeft", "FrmFengmian.PicHelpLeft"}) {
    SCOPED_TRACE(strip);
    EXPECT_EQ(papers.At(strip), (Rect{left + 2, top + 112, 184, 458}));
  }
}

// The seat and ID boxes are one above the other as drawn in the page picture, and the
// confirmation page's lines keep their 96 dpi places and heights, apart from each other.
TEST_P(HighDpiLayout, SignInBoxesAndConfirmationLinesKeepTheirPlaces) {
  const Screen page = Run(SignIn() + "dump\n");
  ASSERT_TRUE(page.Shown("FrmLogon.Picture1")) << page.Text();
  EXPECT_EQ(page.At("FrmLogon.TxtZwh"), (Rect{338, 296, 80, 24}));
  EXPECT_EQ(page.At("FrmLogon.TxtSFZ"), (Rect{338, 327, 192, 24}));
  EXPECT_EQ(page.At("FrmLogon.CmdLog"), (Rect{285, 376, 89, 33}));

  const Screen confirm = Run(SignIn() + "click 329 392\nwait 250\ndump\n");
  ASSERT_TRUE(confirm.Shown("FrmLogon.Picture2")) << confirm.Text();
  struct Line {
    const char* label;
    int x, y;
  };
  const Line columns[][4] = {{{"LblName", 272, 174}, {"LblZwh", 272, 196}, {"LblCC", 272, 220}},
                             {{"LblKm", 167, 281}, {"LblSfz", 167, 306}, {"LblDah", 167, 330}, {"LblDate", 167, 350}}};
  for (const auto& column : columns) {
    int above = 0;
    for (const Line& line : column) {
      if (!line.label) break;
      SCOPED_TRACE(line.label);
      const Rect r = confirm.At(std::string("FrmLogon.") + line.label);
      EXPECT_EQ(r.x, line.x);
      EXPECT_EQ(r.y, line.y);
      EXPECT_EQ(r.h, 18);
      EXPECT_GT(r.w, 0);
      EXPECT_LT(above, r.y);
      above = r.Bottom();
    }
  }
  EXPECT_EQ(confirm.At("FrmLogon.P2").h, 12);
}

// The report's panel is as large as its picture and centred across the screen; the number grid
// and the question text are centred on it, and a number's question text shows inside it.
TEST_P(HighDpiLayout, ScoreReportGridAndTextCentredOnItsPicture) {
  const std::string report = ScoreReport();
  const Screen screen = Run(report + "dump\n");
  ASSERT_TRUE(screen.Shown("FrmChengji")) << screen.Text();
  const Rect panel = screen.At("FrmChengji.Picture1");
  EXPECT_EQ(panel.x, GetParam().Left(800));
  EXPECT_EQ(panel.w, 800);
  EXPECT_EQ(panel.h, 600);
  const Rect grid = screen.At("FrmChengji.Frame1");
  const Rect text = screen.At("FrmChengji.LblTiMuYQ");
  EXPECT_EQ(grid, (Rect{panel.x + 241, panel.y + 368, 318, 126}));
  EXPECT_EQ(text, (Rect{panel.x + 72, panel.y + 518, 657, 57}));

  const Screen clicked = Run(report + "click " + Centre(screen.At("FrmChengji.CmTNO(7)")) + "\nwait 100\ndump\n");
  EXPECT_EQ(clicked.Field("FrmChengji.LblTiMuYQ", "caption").rfind("第7题： ", 0), 0u)
      << clicked.Field("FrmChengji.LblTiMuYQ", "caption");
}

INSTANTIATE_TEST_SUITE_P(Dpi, HighDpiLayout, ::testing::ValuesIn(kDpis),
                         [](const auto& info) { return std::to_string(info.param.dpi) + "dpi"; });

}  // namespace
}  // namespace xpexam
#endif
