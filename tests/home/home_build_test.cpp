// The home screen's load as the start-up sees it: the banner file, the bank version, the module
// check, the input-method switch, the bank layout and the unit progress file.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "desktop/answer_input_method.h"
#include "forms/app.h"
#include "forms/headless.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "home/bank_layout.h"
#include "home/home_screen.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "tests/home/home_access.h"
#include "tests/support/installation.h"
#include "tests/support/temp_dir.h"

namespace xpexam::home {
namespace {

using testing::GbkLines;

struct Report {
  std::string tag;
  long number;
  friend bool operator==(const Report&, const Report&) = default;
};

class HomeBuild : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetFailureReporter([this](std::string_view tag, long number, std::string_view) {
      reports_.push_back({std::string(tag), number});
    });
    frame::editInstallation().SetAppPath(dir_.path());
    frame::editInstallation().SetDataPath(dir_.path() + "\\data\\");
    frame::editInstallation().SetProductNo(5);
    // A complete installation of module 5: each test takes away or changes what it looks at.
    dir_.Write("data/288895.mxy", "202401011200\r\n");
    dir_.Write("data/288899.mxy", "5\r\n");
    dir_.Write("data/288891.mxy", "0402\r\n0302\r\n");
    for (const char* id : {"l62011", "l20060", "9l0015"}) dir_.Write(std::string("data/") + id + ".mxy", testing::SolidBmp(4, 4));
    // The home screen's button faces and panel pictures.
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28,
                  29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 51, 52, 53, 54, 55,
                  57, 58, 64, 65, 66, 86, 87, 88, 89, 90, 91, 92, 93})
      dir_.Write("data/l200" + platform::ZeroPad(i, 2) + ".mxy", testing::SolidBmp(16, 4));
    dir_.Write("ksdata/288890.mxy", "0\r\n");
    // The random paper list and the paper history (missing ones are reported).
    dir_.Write("ksdata/288891.mxy", "\r\n");
    dir_.Write("ksdata/288892.mxy", "\r\n");
    dir_.Write("ksdata/170100.mxy", GbkLines({"欢迎"}));
  }
  void TearDown() override {
    session_.reset();
    platform::SetFailureReporter(nullptr);
  }
  // Loads the home screen on a fresh headless screen.
  FrmFengmian& Load() {
    session_.emplace(800, 600);
    reports_.clear();
    return FrmFengmian::Get();
  }
  std::vector<std::string> ProgressFile() const {
    return platform::ReadTextLines(dir_ / "ksdata/288893.mxy").value_or(std::vector<std::string>{"<none>"});
  }
  int ReportsOf(std::string_view tag, long number) const {
    return static_cast<int>(std::count(reports_.begin(), reports_.end(), Report{std::string(tag), number}));
  }

  testing::TempDir dir_;
  std::vector<Report> reports_;
  std::optional<forms::HeadlessSession> session_;
};

TEST_F(HomeBuild, BankVersionLineShownAsStoredAndTrimmedForReports) {
  dir_.Write("data/288895.mxy", " 202401011200 \r\nrest\r\n");
  FrmFengmian& home = Load();
  EXPECT_EQ(frame::installation().bankVersion(), "202401011200");
  EXPECT_EQ(Ui(home).LblInfo[0].Caption(), "题库版本：V 202401011200 ");
  EXPECT_EQ(home.Caption(), "Tavrelo");

  std::filesystem::remove(dir_ / "data/288895.mxy");
  FrmFengmian& again = Load();
  EXPECT_EQ(frame::installation().bankVersion(), "");
  EXPECT_EQ(Ui(again).LblInfo[0].Caption(), "题库版本：V");
  EXPECT_EQ(reports_, (std::vector<Report>{{"fengmaincsh", platform::kErrFileNotFound}}));
}

TEST_F(HomeBuild, ModuleCheckEndsTheProgramOnAnotherModule) {
  struct Case {
    std::optional<std::string> file;
    bool ends;
  } cases[] = {
      {"5\r\n", false},     {"  5\r\n", false}, {"5 apples\r\n", false}, {"6\r\n", true},
      {"05\r\n", false},    {"", true},         {"x5\r\n", true},        {std::nullopt, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.value_or("<missing>"));
    std::filesystem::remove(dir_ / "data/288899.mxy");
    if (c.file) dir_.Write("data/288899.mxy", *c.file);
    Load();
    EXPECT_EQ(forms::Ended(), c.ends);
    // Nothing after the check runs: the progress file is not rewritten.
    EXPECT_EQ(std::filesystem::exists(dir_ / "ksdata/288893.mxy"), !c.ends);
    std::filesystem::remove(dir_ / "ksdata/288893.mxy");
  }
}

TEST_F(HomeBuild, InputMethodSwitchIsAnyNonZeroNumber) {
  struct Case {
    std::optional<std::string> file;
    bool on;
  } cases[] = {{"1\r\n", true}, {"2\r\n", true}, {"0\r\n", false}, {"", false}, {"on\r\n", false}, {std::nullopt, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.value_or("<missing>"));
    std::filesystem::remove(dir_ / "ksdata/288890.mxy");
    if (c.file) dir_.Write("ksdata/288890.mxy", *c.file);
    desktop::editAnswerInputMethod().SetSwitching(!c.on);
    Load();
    EXPECT_EQ(desktop::answerInputMethod().switches(), c.on);
  }
}

TEST_F(HomeBuild, BannerFileGivesTextColourAndLink) {
  struct Case {
    std::optional<std::vector<std::string>> lines;
    std::string caption;
    forms::Color color;
    std::string link;
  } cases[] = {
      {std::vector<std::string>{"  A◎◎B  c ", "255", " http://example.invalid/ad "}, "A\r\n\r\nB  c", 255,
       " http://example.invalid/ad "},
      {std::vector<std::string>{"蓝色", "&HFF0000"}, "蓝色", 0xFF0000, ""},
      {std::vector<std::string>{"x", "abc", "", "ignored"}, "x", 0, ""},
      {std::vector<std::string>{"one line"}, "one line", 0, ""},
      {std::nullopt, "", 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    std::filesystem::remove(dir_ / "ksdata/170100.mxy");
    if (c.lines) dir_.Write("ksdata/170100.mxy", GbkLines(*c.lines));
    FrmFengmian& home = Load();
    EXPECT_EQ(Ui(home).LblAD.Caption(), c.caption);
    EXPECT_EQ(Ui(home).LblAD.ForeColor(), c.color);
    EXPECT_EQ(home.BannerLink(), c.link);
    EXPECT_FALSE(Ui(home).PicAd.Visible());
    EXPECT_DOUBLE_EQ(Ui(home).PicAd.Width(), Ui(home).LblAD.Width());
    EXPECT_DOUBLE_EQ(Ui(home).PicAd.Height(), Ui(home).LblAD.Height());
    // Only a missing file is reported.
    EXPECT_EQ(ReportsOf("fmload", platform::kErrFileNotFound), c.lines ? 0 : 1);
  }
}

TEST_F(HomeBuild, FooterAndLinkLabelsShowThePointingHand) {
  FrmFengmian& home = Load();
  for (int i : Ui(home).LblInfo.Indexes()) {
    const bool link = i != 2;
    EXPECT_EQ(Ui(home).LblInfo[i].MousePointer() == forms::PointerStyle::kCustom, link) << i;
    EXPECT_EQ(Ui(home).LblInfo[i].MouseIcon() != nullptr, link) << i;
  }
}

TEST_F(HomeBuild, BankLayoutGivesPaperAndUnitCounts) {
  struct Case {
    std::string layout;
    int papers, units;
    std::vector<std::string> counts;  // unitTable column 2 of the units
  } cases[] = {
      {"1220\r\n3025\r\n", 12, 20, {"30", "25", "0"}},
      {" 0408 \r\n0102\r\n", 4, 8, {"1", "2", "0"}},
      {"0408\r\n", 4, 8, {"4", "8", "0"}},  // one line: the counts come from it too
      {"", 0, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.layout);
    dir_.Write("data/288891.mxy", c.layout);
    Load();
    EXPECT_EQ(frame::installation().paperCount(), c.papers);
    EXPECT_EQ(frame::installation().unitCount(), c.units);
    for (size_t u = 0; u < c.counts.size(); ++u) EXPECT_EQ(frame::installation().unitTable(static_cast<long>(u), 2), c.counts[u]) << u;
    // Units of the case before that this bank does not have are gone.
    for (long u = c.units; u <= 40; ++u)
      for (long column = 2; column <= 4; ++column) EXPECT_EQ(frame::installation().unitTable(u, column), "") << u << " " << column;
  }
}

TEST_F(HomeBuild, ProgressLinesAreCutOrPaddedToTheUnitCounts) {
  // Six units of 5, 5, 50, 0, 3 and 0 questions.
  dir_.Write("data/288891.mxy", "0406\r\n050550000300\r\n");
  std::vector<std::string> old = {"TTF", "TTTTTTT", "", "TFT", "T", "TTTT"};
  old.resize(27, "T");  // the 26th and 27th lines are dropped
  dir_.Write("ksdata/288893.mxy", GbkLines(old));
  Load();

  struct Row {
    std::string count, not_done, progress;
  } rows[] = {
      {"5", "3", "TTFFF"},
      {"5", "0", "TTTTT"},
      {"50", "50", std::string(50, 'F')},  // padded to the unit's count in one build
      {"0", "0", ""},
      {"3", "2", "TFF"},
      {"0", "0", ""},
  };
  std::vector<std::string> expected_file;
  for (long u = 0; u < 6; ++u) {
    SCOPED_TRACE(u);
    EXPECT_EQ(frame::installation().unitTable(u, 2), rows[u].count);
    EXPECT_EQ(frame::installation().unitTable(u, 3), rows[u].not_done);
    EXPECT_EQ(frame::installation().unitTable(u, 4), rows[u].progress);
    expected_file.push_back(rows[u].progress);
  }
  EXPECT_EQ(frame::installation().unitTable(6, 2), "");
  expected_file.resize(26);  // units 6 to 24 have no questions, then one empty line
  EXPECT_EQ(ProgressFile(), expected_file);
  EXPECT_TRUE(reports_.empty());

  // The next build leaves the counts as they are.
  Load();
  EXPECT_EQ(frame::installation().unitTable(2, 4), std::string(50, 'F'));
  EXPECT_EQ(ProgressFile(), expected_file);
}

TEST_F(HomeBuild, MissingProgressFileStartsFromNothing) {
  Load();
  EXPECT_EQ(frame::installation().unitTable(0, 4), "FFF");
  EXPECT_EQ(frame::installation().unitTable(1, 4), "FF");
  EXPECT_EQ(ProgressFile().size(), 26u);
  EXPECT_EQ(reports_, (std::vector<Report>{{"fengmaincsh", platform::kErrFileNotFound}}));
}

TEST_F(HomeBuild, WithoutBankCountsTheLearnersProgressIsKept) {
  const std::string progress = GbkLines({"TTF", "TFTFT"});
  dir_.Write("ksdata/288893.mxy", progress);
  for (bool empty_file : {false, true}) {
    SCOPED_TRACE(empty_file);
    std::filesystem::remove(dir_ / "data/288891.mxy");
    if (empty_file) dir_.Write("data/288891.mxy", "");
    Load();
    EXPECT_EQ(frame::installation().unitCount(), 0);
    EXPECT_EQ(platform::ReadFileBytes(dir_ / "ksdata/288893.mxy"), progress);
  }
}

TEST_F(HomeBuild, CountsBeyondTwentySixUnitsAreReportedAndDropped) {
  std::string counts;
  for (int u = 0; u < 28; ++u) counts += "02";
  dir_.Write("data/288891.mxy", "0420\r\n" + counts + "\r\n");
  Load();
  EXPECT_EQ(ReportsOf("fengmaincsh", platform::kErrSubscript), 2);
  EXPECT_EQ(frame::installation().unitTable(19, 4), "FF");
  EXPECT_EQ(ProgressFile()[24], "FF");
}

}  // namespace
}  // namespace xpexam::home
