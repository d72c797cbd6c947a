// The keyboard and the tooltips in the program itself, played through the scenario runner on a
// copy of the sample installation (places as on a 1024 x 768 screen).
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "tests/support/dump.h"
#include "tests/support/script_run.h"
#include "tests/support/temp_dir.h"

#if defined(XPEXAM_SCRIPT_BIN) && defined(XPEXAM_SAMPLE_DIR)
namespace xpexam::session {
namespace {

namespace fs = std::filesystem;

// A program folder of links to the sample's files (the program replaces files by renaming).
class SampleCopy {
 public:
  SampleCopy() {
    testing::LinkSampleInstallation(program_);
  }
  ~SampleCopy() {
    std::error_code ec;
    fs::remove_all(program_, ec);
  }
  SampleCopy(const SampleCopy&) = delete;
  SampleCopy& operator=(const SampleCopy&) = delete;
  std::string Play(const std::string& script) const { return testing::RunScript(work_, program_, script); }

 private:
  testing::TempDir dir_, work_;
  std::string program_ = dir_ / "program";
};

std::string Field(const std::string& out, const std::string& name, const std::string& key) {
  auto items = testing::ParseDump(out);
  auto it = items.find(name);
  if (it == items.end()) return "";
  auto f = it->second.find(key);
  return f == it->second.end() ? "" : f->second;
}

// The tooltip line of the last dump ("Tooltip x=.. text=".."").
testing::DumpFields Tooltip(const std::string& out) {
  testing::DumpFields fields;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("Window ", 0) == 0) fields.clear();
    if (line.rfind("Tooltip ", 0) != 0) continue;
    std::string name;
    fields = testing::ParseDumpLine("Tip " + line, name);
  }
  return fields;
}

const std::string kSignIn = "wait 300\nclick 646 360\nwait 300\nclick 548 261\nwait 300\n";  // sprint paper 1
const std::string kSeatBox = "click 400 308\nwait 100\n";

TEST(KeysAndTipsScript, TabMovesFromTheSeatBoxToTheIdBoxAndBack) {
  struct Case {
    const char* keys;
    const char* seat;
    const char* id;
  };
  const Case cases[] = {
      {"type 7\n", "187", "110101198001011234"},                                   // no Tab: the seat box
      {"key Tab\ntype 1234\n", "18", "1234"},                                       // the ID box, its text replaced
      {"key Tab\ntype 1234\nkey Tab shift\ntype 05\n", "05", "1234"},               // back, the seat text replaced
      {"key Tab\nkey Tab\nkey Tab\ntype 9\n", "9", "110101198001011234"},           // the page, then round to the seat
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    SampleCopy run;
    const std::string out = run.Play(kSignIn + kSeatBox + c.keys + "wait 100\ndump\n");
    EXPECT_EQ(Field(out, "FrmLogon.TxtZwh", "text"), c.seat) << out;
    EXPECT_EQ(Field(out, "FrmLogon.TxtSFZ", "text"), c.id);
  }
}

TEST(KeysAndTipsScript, TheUnfinishedQuestionListShowsItsTipOnTheFirstHoverWhollyOnTheScreen) {
  SampleCopy run;
  // Unit practice; the pointer comes to rest on the list at the bar's foot.
  const std::string practice = "wait 300\nclick 346 360\nwait 300\nclick 205 271\nwait 100\nclick 774 608\nwait 1000\n";
  const std::string out = run.Play(practice + "move 700 662\nwait 100\nmove 702 662\nwait 700\ndump\n");
  const auto tip = Tooltip(out);
  ASSERT_FALSE(tip.empty()) << out;
  EXPECT_EQ(tip.at("text").rfind("未完成的题目 1 2 3", 0), 0u) << tip.at("text");
  const int x = std::stoi(tip.at("x")), w = std::stoi(tip.at("w"));
  EXPECT_GE(x, 0);
  EXPECT_LE(x + w, 1024);
  // The whole list, on lines of its own: taller than one line.
  EXPECT_GT(std::stoi(tip.at("h")), 20);
}

}  // namespace
}  // namespace xpexam::session
#endif
