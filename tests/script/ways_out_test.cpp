// Every way out of a window leads somewhere: the program played through the scenario runner on
// a copy of the sample installation, with the input a learner gives, including the window
// manager's close of the program's window (the runner's close). Places are where the sample's
// windows lie on a 1024 x 768 screen: the home window and the desktop centred, the bar docked at
// the desktop's lower right.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "tests/support/dump.h"
#include "tests/support/script_run.h"
#include "tests/support/temp_dir.h"

#if defined(XPEXAM_SCRIPT_BIN) && defined(XPEXAM_SAMPLE_DIR)
namespace xpexam::session {
namespace {

namespace fs = std::filesystem;

// The last dump of a run: "FrmTm" for a window, "FrmTm.FrmSelect" for one of its controls.
class Screen {
 public:
  explicit Screen(const std::string& out) : out_(out), items_(testing::ParseDump(out)) {}
  bool Loaded(const std::string& name) const { return items_.count(name) != 0; }
  bool Shown(const std::string& name) const { return Field(name, "visible") == "1"; }
  std::string Field(const std::string& name, const std::string& key) const {
    auto it = items_.find(name);
    if (it == items_.end()) return "";
    auto field = it->second.find(key);
    return field == it->second.end() ? "" : field->second;
  }
  int Number(const std::string& name, const std::string& key) const { return platform::ValInt(Field(name, key)); }
  const std::string& Text() const { return out_; }

 private:
  std::string out_;
  std::map<std::string, testing::DumpFields> items_;
};

// A fresh program folder over the sample installation, with the records of a learner who used
// it before. Its files are links to the sample's: the program replaces files through a rename,
// never in place, so the sample stays as it is (and the copy is quick).
class SampleRun {
 public:
  SampleRun() {
    testing::LinkSampleInstallation(program_);
  }
  // The links go before the scratch folder, which would change the modes of what they point to.
  ~SampleRun() {
    std::error_code ec;
    fs::remove_all(program_, ec);
  }
  SampleRun(const SampleRun&) = delete;
  SampleRun& operator=(const SampleRun&) = delete;
  // Replaces the bank layout file of the data folder with these lines.
  void WriteBankLayout(const std::vector<std::string>& lines) const {
    fs::remove(program_ + "/xpdata/288891.mxy");
    ASSERT_TRUE(platform::WriteTextLines(program_ + "/xpdata/288891.mxy", lines));
  }
  std::string BankLine(size_t n) const {
    auto lines = platform::ReadTextLines(program_ + "/xpdata/288891.mxy");
    return lines && lines->size() >= n ? (*lines)[n - 1] : "";
  }
  Screen Play(const std::string& script) const { return Screen(testing::RunScript(work_, program_, script)); }
  // The lines of a record file of ksdata; none when it is missing.
  std::vector<std::string> Record(const std::string& name) const {
    return platform::ReadTextLines(program_ + "/ksdata/" + name).value_or(std::vector<std::string>{});
  }
  std::string RecordLine(const std::string& name) const {
    auto lines = Record(name);
    return lines.empty() ? "" : lines.front();
  }

 private:
  testing::TempDir dir_, work_;
  std::string program_ = dir_ / "program";
};

// The learner's roads to each place, and what a click there does.
const std::string kHome = "wait 300\n";
const std::string kPapers = kHome + "click 646 360\nwait 300\n";                   // the papers tile
const std::string kSignIn = kPapers + "click 548 261\nwait 300\n";                 // sprint paper 1
const std::string kExam = kSignIn + "click 329 392\nwait 2000\n";                   // signed in: question 1
const std::string kPractice = kHome + "click 346 360\nwait 300\nclick 205 271\nwait 100\nclick 774 608\nwait 1000\n";
const std::string kTimeOut = "wait 3000000\nkey Enter\nwait 300\n";                 // the clock runs out: OK
const std::string kBarHandIn = "click 615 640\nwait 300\n";
const std::string kConfirmHandIn = "click 452 464\nwait 300\n";                     // either confirmation
const std::string kConfirmCloseBox = "click 643 294\nwait 300\n";
const std::string kHandInFully = kBarHandIn + kConfirmHandIn + kConfirmHandIn;
const std::string kClose = "close\nwait 300\n";

// The report is up and the paper's records are written: its wrong list holds the codes it
// was not completed with, whole codes only.
void ExpectHandedIn(const SampleRun& run, const Screen& screen) {
  EXPECT_TRUE(screen.Shown("FrmChengji")) << screen.Text();
  EXPECT_FALSE(screen.Loaded("FrmTm"));
  EXPECT_FALSE(screen.Loaded("FrmMain"));
  EXPECT_EQ(run.RecordLine("182400.mxy"), run.BankLine(3));
  EXPECT_EQ(run.RecordLine("288863.mxy"), run.BankLine(3));
  EXPECT_EQ(run.Record("288892.mxy").size(), 91u);
}

TEST(WaysOut, TimeOutDuringTheDemonstrationEndsItAndHandsInOnce) {
  SampleRun run;
  // The answer shown 2 s before the clock runs out: the time-out comes while it plays.
  const std::string demo = kExam + "wait 2997900\nclick 871 640\nwait 200\nclick 587 535\nwait 100\nkey Y\nwait 600\n";
  Screen playing = run.Play(demo + "dump\n");
  ASSERT_TRUE(playing.Shown("FrmYanShi")) << playing.Text();
  ASSERT_TRUE(playing.Shown("MsgBox")) << playing.Text();
  EXPECT_EQ(playing.Field("MsgBox.Prompt", "caption"), "时间已到，自动交卷！");

  // OK: the confirmations come on top and take the clicks at once.
  SampleRun handed_in;
  Screen report = handed_in.Play(demo + "key Enter\nwait 300\n" + kConfirmHandIn + kConfirmHandIn + "wait 2000\ndump\n");
  ExpectHandedIn(handed_in, report);
  EXPECT_FALSE(report.Loaded("FrmYanShi"));
  // The answer was shown: the hand-in time stands in the paper's history, the best score stays.
  const auto history = handed_in.Record("288892.mxy");
  ASSERT_GE(history.size(), 2u);
  EXPECT_EQ(platform::Left(history[0], 15), "2026-01-01 09:5");
  EXPECT_EQ(history[1], "0");
}

TEST(WaysOut, ClosingAConfirmationGoesBackToTheExam) {
  struct Case {
    const char* name;
    std::string to_confirmation;
    std::string close;
  };
  const Case cases[] = {
      {"first, after the hand-in button, close box", kBarHandIn, kConfirmCloseBox},
      {"final, after the hand-in button, close box", kBarHandIn + kConfirmHandIn, kConfirmCloseBox},
      {"first, after the time-out, close box", kTimeOut, kConfirmCloseBox},
      {"final, after the time-out, close box", kTimeOut + kConfirmHandIn, kConfirmCloseBox},
      {"first, closing the program's window", kBarHandIn, kClose},
      {"final, after the time-out, closing the program's window", kTimeOut + kConfirmHandIn, kClose},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Back at the exam, the bar docked and shown: its hand-in button hands the paper in.
    SampleRun run;
    ExpectHandedIn(run, run.Play(kExam + c.to_confirmation + c.close + kHandInFully + "dump\n"));
  }
}

TEST(WaysOut, LeavingTheScoreReportReturnsToThePaperList) {
  const std::string kReportCloseBox = "click 1008 13\nwait 500\n";
  for (const std::string& leave : {kReportCloseBox, kClose}) {
    SCOPED_TRACE(leave);
    SampleRun run;
    Screen home = run.Play(kExam + kHandInFully + leave + "dump\n");
    EXPECT_FALSE(home.Loaded("FrmChengji")) << home.Text();
    EXPECT_TRUE(home.Shown("FrmFengmian"));
    EXPECT_TRUE(home.Shown("FrmFengmian.PicKaCH"));
    EXPECT_EQ(run.RecordLine("182400.mxy"), run.BankLine(3));
  }
}

TEST(WaysOut, ClosingTheProgramsWindowTakesTheWayOutOfWhatIsOnTop) {
  struct Expect {
    std::string name, key, value;
  };
  struct Case {
    const char* name;
    std::string before, after;  // the road there; what the learner does after the close
    std::vector<std::string> shown, gone;
    std::vector<Expect> fields;
  };
  const Case cases[] = {
      {"home screen: its exit question", kHome, "",
       {"FrmFengmian", "FrmQOMSGBOX"}, {}, {{"FrmQOMSGBOX.LblTitle", "caption", "退出系统"}}},
      {"home screen: a second close is the question's own close", kHome, kClose,
       {"FrmFengmian"}, {"FrmQOMSGBOX"}, {}},
      {"home screen: a dialog's own close", kHome + "click 173 523\nwait 300\n", "",
       {"FrmFengmian"}, {"FrmAbout", "FrmQOMSGBOX"}, {}},
      {"practice: the end of the session, which saves", kPractice + "click 811 484\nwait 100\n", "wait 500\n",
       {"FrmFengmian"}, {"FrmTm", "FrmMain"}, {}},
      // Played to its end the demonstration would still run for another half second.
      {"practice demonstration: it ends and the session goes on", kPractice + "click 871 640\nwait 300\n",
       "wait 200\n", {"FrmTm", "FrmMain"}, {"FrmYanShi"}, {}},
      {"exam: the hand-in asks first", kExam, "",
       {"FrmEnd1"}, {}, {{"FrmTm", "visible", "0"}}},
      {"sign-in: its exit question", kSignIn, "",
       {"FrmLogon", "MsgBox"}, {}, {{"MsgBox.Prompt", "caption", "确实要退出考试系统吗？"}}},
      {"sign-in: answered Yes, back to the home screen", kSignIn, "key Y\nwait 300\n",
       {"FrmFengmian"}, {"FrmLogon", "MsgBox"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SampleRun run;
    Screen screen = run.Play(c.before + kClose + c.after + "dump\n");
    for (const std::string& name : c.shown) EXPECT_TRUE(screen.Shown(name)) << name << "\n" << screen.Text();
    for (const std::string& name : c.gone) EXPECT_FALSE(screen.Shown(name)) << name << "\n" << screen.Text();
    for (const Expect& e : c.fields) EXPECT_EQ(screen.Field(e.name, e.key), e.value) << e.name;
    if (std::string(c.name).rfind("practice: ", 0) == 0) {
      // Saved as the end button saves: the bookmarked first question of unit 1 is listed.
      EXPECT_EQ(run.RecordLine("288862.mxy"), "0001");
    }
  }
}

TEST(WaysOut, TheWholeRestoreLabelRestoresTheBarOverAnOpenPanel) {
  struct Case {
    const char* name;
    std::string road, open;
    std::string panel;
  };
  const Case cases[] = {
      {"number page in practice", kPractice, "click 878 484\nwait 100\n", "FrmTm.FrmSelect"},
      {"candidate panel in an exam", kExam, "click 743 640\nwait 100\n", "FrmTm.FrmKSXX"},
  };
  // Collapse, then the centre of the mini bar's restore label at the desktop's lower left.
  const std::string collapse_restore = "click 870 455\nwait 100\nclick 139 662\nwait 100\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SampleRun run;
    Screen screen = run.Play(c.road + c.open + collapse_restore + "dump\n");
    EXPECT_EQ(screen.Number("FrmTm", "w"), 332) << screen.Text();
    EXPECT_EQ(screen.Number("FrmTm", "x"), 580);
    EXPECT_FALSE(screen.Shown("FrmTm.FrmZXH"));
    EXPECT_TRUE(screen.Shown(c.panel));
  }
}

TEST(WaysOut, OnlyPapersTheBankHoldsAreShownAndStarted) {
  SampleRun run;
  const std::string counts = run.BankLine(2);
  run.WriteBankLayout({"0012", counts});
  // The sprint view, a click where its first start button would be, then the mock view.
  Screen sprint = run.Play(kSignIn + "dump\n");
  EXPECT_FALSE(sprint.Loaded("FrmLogon")) << sprint.Text();
  for (int i = 0; i <= 19; ++i) {
    EXPECT_FALSE(sprint.Shown("FrmFengmian.ImgShiJuan(" + std::to_string(i) + ")")) << i;
    EXPECT_FALSE(sprint.Shown("FrmFengmian.ClickBotn(" + std::to_string(70 + i) + ")")) << i;
  }
  Screen mock = run.Play(kPapers + "click 205 272\nwait 100\nclick 548 261\nwait 300\ndump\n");
  EXPECT_FALSE(mock.Loaded("FrmLogon"));
  for (int i = 0; i <= 19; ++i) EXPECT_FALSE(mock.Shown("FrmFengmian.ImgShiJuan(" + std::to_string(i) + ")")) << i;
  EXPECT_EQ(run.Record("182400.mxy"), std::vector<std::string>{});
  EXPECT_EQ(run.Record("288863.mxy"), std::vector<std::string>{});
}

TEST(WaysOut, AShortPaperLineGivesTheListsWholeCodesOnly) {
  SampleRun run;
  run.WriteBankLayout({"0112", run.BankLine(2), "000100020"});
  run.Play(kExam + kHandInFully + "dump\n");
  EXPECT_EQ(run.RecordLine("182400.mxy"), "00010002");
  EXPECT_EQ(run.RecordLine("288863.mxy"), "00010002");
}

TEST(WaysOut, ABankTooSmallForARandomPaperSaysSo) {
  SampleRun run;
  run.WriteBankLayout({"0002", "0510"});
  // The new-random-paper page and its button.
  Screen screen = run.Play(kPapers + "click 205 322\nwait 100\nclick 824 606\nwait 300\ndump\n");
  EXPECT_TRUE(screen.Shown("FrmQOMSGBOX")) << screen.Text();
  EXPECT_NE(screen.Field("FrmQOMSGBOX.LblPrompt", "caption").find("40"), std::string::npos);
  EXPECT_FALSE(screen.Loaded("FrmLogon"));
  EXPECT_EQ(run.Record("288891.mxy"), std::vector<std::string>{});
}

TEST(WaysOut, TheKeyThatAnswersTheSignInsQuestionTypesNothing) {
  struct Case {
    const char* key;
    bool signed_out;
  };
  const Case cases[] = {{"N", false}, {"Enter", false}, {"Y", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    SampleRun run;
    // The seat box has the focus; the exit area asks; the key answers.
    Screen screen = run.Play(kSignIn + "click 400 308\nclick 488 392\nwait 100\nkey " + c.key + "\nwait 300\ndump\n");
    EXPECT_FALSE(screen.Loaded("MsgBox")) << screen.Text();
    EXPECT_EQ(screen.Loaded("FrmLogon"), !c.signed_out);
    EXPECT_EQ(screen.Shown("FrmFengmian"), c.signed_out);
    if (!c.signed_out) {
      EXPECT_EQ(screen.Field("FrmLogon.TxtZwh", "text"), "18");
    }
  }
}

}  // namespace
}  // namespace xpexam::session
#endif
