#pragma once
// A home screen's installation with records of every kind in ksdata: unit progress, a bookmark,
// three random papers with their history and wrong-answer files. For the tests of what the
// learner's actions leave in the record files.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "frame/installation.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "tests/desktop/desktop_fixture.h"

namespace xpexam::home::testing {

using Files = std::map<std::string, std::string>;  // ksdata name -> bytes

class RecordFilesTest : public desktop::testing::DesktopTest {
 protected:
  RecordFilesTest() {
    frame::editInstallation().SetProductNo(5);
    Write("data/288899.mxy", {"5"});
    // Four units of 20 questions and eight fixed papers: a random paper can be drawn.
    std::vector<std::string> layout = {"0804", "20202020"};
    for (int p = 0; p < 8; ++p) layout.push_back("0301");
    Write("data/288891.mxy", layout);
    Write("ksdata/288893.mxy", {"TTFF", "FF", "TF", "TTFTF"});
    for (int i = 0; i <= 99; ++i) Picture("l200" + platform::ZeroPad(i, 2));
    Write("ksdata/288891.mxy", {"A", "B", "C", ""});
    std::vector<std::string> history;
    for (int r = 0; r < 30; ++r) history.insert(history.end(), {"t" + std::to_string(r), std::to_string(r), "E"});
    Write("ksdata/288892.mxy", history);
    // Files of distinct lengths, so that a half-copied one shows.
    for (int p = 20; p <= 23; ++p) Write("ksdata/1824" + std::to_string(p) + ".mxy", {std::string(4 * (p - 19), 'w')});
    Write("ksdata/288862.mxy", {"0101", ""});
    Write("ksdata/288872.mxy", {"F", ""});
  }

  // Every record file but the temporary files a crash would leave (removed at the next start).
  Files Snapshot() {
    Files files;
    for (const auto& e : std::filesystem::directory_iterator(dir_ / "ksdata")) {
      const std::string name = e.path().filename().string();
      if (platform::IsOwnTempName(name)) continue;
      files[name] = platform::ReadFileBytes(e.path().string()).value_or("<unreadable>");
    }
    return files;
  }
};

}  // namespace xpexam::home::testing
