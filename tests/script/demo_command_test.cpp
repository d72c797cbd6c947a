// The runner's demo command plays a question's demonstration as the bar's own button does: the
// question's text in the demonstration's corner, and the desktop and the bar back at its end.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "tests/support/dump.h"
#include "tests/support/script_run.h"
#include "tests/support/temp_dir.h"

#if defined(XPEXAM_SCRIPT_BIN) && defined(XPEXAM_SAMPLE_DIR)
namespace xpexam::session {
namespace {

namespace fs = std::filesystem;

class SampleCopy {
 public:
  SampleCopy() { testing::LinkSampleInstallation(program_); }
  ~SampleCopy() {
    std::error_code ec;
    fs::remove_all(program_, ec);
  }
  SampleCopy(const SampleCopy&) = delete;
  SampleCopy& operator=(const SampleCopy&) = delete;
  std::map<std::string, testing::DumpFields> Play(const std::string& script, std::string& out) const {
    out = testing::RunScript(work_, program_, script);
    return testing::ParseDump(out);
  }

 private:
  testing::TempDir dir_, work_;
  std::string program_ = dir_ / "program";
};

std::string Field(const std::map<std::string, testing::DumpFields>& items, const std::string& name,
                  const std::string& key) {
  auto it = items.find(name);
  if (it == items.end()) return "";
  auto f = it->second.find(key);
  return f == it->second.end() ? "" : f->second;
}

TEST(DemoCommand, PlaysTheDemonstrationAsTheBarsButtonDoes) {
  struct Way {
    const char* name;
    std::string start;
  };
  // The bar's demonstration button lies at the desktop's lower right on a 1024 x 768 screen.
  const Way ways[] = {{"the bar's button", "click 871 640\nwait 300\n"}, {"the runner's demo", "demo\nwait 300\n"}};
  const int units[] = {1, 7};
  for (int unit : units) {
    // What each way left on the screen after the demonstration ended, to hold them to each other.
    std::map<std::string, std::string> after_by_way;
    for (const Way& way : ways) {
      SCOPED_TRACE(std::string(way.name) + ", unit " + std::to_string(unit));
      const std::string road = "wait 300\nunit " + std::to_string(unit) + "\nwait 1000\n";
      SampleCopy copy;
      std::string out;
      // The hidden bar keeps the question's text while the demonstration plays.
      const auto playing = copy.Play(road + way.start + "dump\n", out);
      const std::string question = Field(playing, "FrmTm.RtbTM", "text");
      ASSERT_FALSE(question.empty()) << out;
      EXPECT_EQ(Field(playing, "FrmYanShi", "visible"), "1") << out;
      EXPECT_EQ(Field(playing, "FrmYanShi.ImgLogo", "caption"), question) << out;
      EXPECT_EQ(Field(playing, "FrmTm", "visible"), "0");
      EXPECT_EQ(Field(playing, "FrmMain", "visible"), "0");

      const auto after = copy.Play(road + way.start + "wait 20000\ndump\n", out);
      EXPECT_EQ(after.count("FrmYanShi"), 0u) << out;
      EXPECT_EQ(Field(after, "FrmTm", "visible"), "1") << out;
      EXPECT_EQ(Field(after, "FrmMain", "visible"), "1");
      EXPECT_EQ(Field(after, "FrmTm.RtbTM", "text"), question);
      std::string windows;
      for (const auto& [name, fields] : after)
        if (name.find('.') == std::string::npos)
          for (const char* key : {"visible", "x", "y", "w", "h"}) windows += name + "." + key + "=" + Field(after, name, key) + "\n";
      after_by_way[way.name] = windows;
    }
    EXPECT_EQ(after_by_way["the runner's demo"], after_by_way["the bar's button"]) << "unit " << unit;
  }
}

}  // namespace
}  // namespace xpexam::session
#endif
