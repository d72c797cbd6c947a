// Entries of the update list and the names derived from them.
#include "frame/update_list.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace xpexam::frame {
namespace {

TEST(UpdateList, EntriesAndDerivedNames) {
  const std::vector<std::string> lines = {
      "  201601011200  ",
      "K201512311200short",           // 18 characters: ignored
      "X201512311200before.txt",      // no location yet: the program folder
      "D201512311200l30001",
      "  E201512311200menu01.gif  ",  // trimmed
      "Q201512311200menu02.jpeg",     // unknown letter: the folder before
      "2015K1231120readme.txt1",      // a version line, never an entry
      "K201512311200a.b",             // too short
      "K201512311200read.me.htm",
      "M201512311200xpexam.exe",
      "",
  };
  struct Expected {
    std::string folder, stamp, name, local_name, remote_name;
  };
  const Expected expected[] = {
      {"", "201512311200", "before.txt", "before.txt", "before.rar"},
      {"tkdata\\", "201512311200", "l30001", "l30001.mxy", "l30001.rar"},
      {"examdata\\", "201512311200", "menu01.gif", "menu01.gif", "menu01.rar"},
      {"examdata\\", "201512311200", "menu02.jpeg", "menu02.jpeg", "menu02..rar"},
      {"ksdata\\", "201512311200", "read.me.htm", "read.me.htm", "read.me.rar"},
      {"", "201512311200", "xpexam.exe", "xpexam.exe", "xpexam.rar"},
  };
  std::vector<UpdateEntry> entries = ParseUpdateList(lines, "tkdata");
  ASSERT_EQ(entries.size(), std::size(expected));
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].folder, expected[i].folder) << i;
    EXPECT_EQ(entries[i].stamp, expected[i].stamp) << i;
    EXPECT_EQ(entries[i].name, expected[i].name) << i;
    EXPECT_EQ(entries[i].local_name, expected[i].local_name) << i;
    EXPECT_EQ(entries[i].remote_name, expected[i].remote_name) << i;
  }
}

TEST(UpdateList, OnlyPlainRelativeNamesAreUsed) {
  struct Case {
    const char* name;
    bool plain;
  };
  for (Case c : {Case{"l30001", true}, Case{"sub\\l30001.mxy", true}, Case{"sub/l30001.mxy", true},
                 Case{"..\\..\\evil.txt", false}, Case{"../evil", false}, Case{"sub\\..\\..\\x", false},
                 Case{"\\evil.txt", false}, Case{"/etc/evil", false}, Case{"C:evil.mxy", false},
                 Case{"c:\\windows\\evil", false}, Case{"ev:il", false}, Case{"", false}})
    EXPECT_EQ(IsPlainRelativeName(c.name), c.plain) << c.name;
}

TEST(UpdateList, LocalStampOfAMissingFileIsOlderThanAnyList) {
  testing::TempDir dir;
  EXPECT_EQ(LocalStamp(dir / "missing.mxy"), "190011011030");
  const std::string stamp = LocalStamp(dir.Write("here.mxy", "x"));
  EXPECT_EQ(stamp.size(), 12u);
  EXPECT_GT(stamp, "202001010000");
}

}  // namespace
}  // namespace xpexam::frame
