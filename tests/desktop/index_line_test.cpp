#include "desktop/index_line.h"

#include <gtest/gtest.h>

#include <string>

namespace xpexam::desktop {
namespace {

// Every reading of one line: what the question bar, the demonstration's start, the score
// report and the first-line walks take from it.
struct Reading {
  std::string code;
  double count_value;
  int count;
  bool picture;
  std::string picture_id;
  std::string text;        // from character 7 as stored (the demonstration's start)
  std::string with_breaks; // the question bar, text questions
  std::string shown_text;  // the score report
  bool blank;
};

Reading Read(const IndexLine& l) {
  return {l.Code(), l.RecordCountValue(), l.RecordCount(), l.HasPicture(), l.PictureId(), l.Text(), l.TextWithBreaks(), l.ShownText(),
          l.IsBlank()};
}

TEST(IndexLine, OddLinesReadAsTheReadersReadThem) {
  struct Case {
    const char* line;
    Reading want;
  };
  const Case cases[] = {
      {"000105打开记事本|输入文字",
       {"0001", 5, 5, false, "", "打开记事本|输入文字", "打开记事本\r\n输入文字", "打开记事本|输入文字", false}},
      {"000106picture300001显示图片中的|文件夹",
       {"0001", 6, 6, true, "300001", "picture300001显示图片中的|文件夹", "picture300001显示图片中的\r\n文件夹", "显示图片中的|文件夹", false}},
      // Empty and short lines: every field past the end is empty.
      {"", {"", 0, 0, false, "", "", "", "", true}},
      {"   ", {"   ", 0, 0, false, "", "", "", "", true}},
      {"0001", {"0001", 0, 0, false, "", "", "", "", false}},
      {"00013", {"0001", 3, 3, false, "", "", "", "", false}},
      // The count as Val reads two characters: blanks skipped, a sign, a fraction kept
      // unrounded for the session start's walk and rounded half to even elsewhere.
      {"0001 3打开", {"0001", 3, 3, false, "", "打开", "打开", "打开", false}},
      {"0001-2x", {"0001", -2, -2, false, "", "x", "x", "x", false}},
      {"0001.5x", {"0001", 0.5, 0, false, "", "x", "x", "x", false}},
      {"00012.x", {"0001", 2, 2, false, "", "x", "x", "x", false}},
      {"0001x5x", {"0001", 0, 0, false, "", "x", "x", "x", false}},
      // A picture line cut inside or right after its mark or id.
      {"000106picture", {"0001", 6, 6, true, "", "picture", "picture", "", false}},
      {"000106picture3000", {"0001", 6, 6, true, "3000", "picture3000", "picture3000", "", false}},
      {"000106picture300001", {"0001", 6, 6, true, "300001", "picture300001", "picture300001", "", false}},
      {"000106pictur", {"0001", 6, 6, false, "", "pictur", "pictur", "pictur", false}},
      // The mark is case-sensitive and starts at character 7 exactly.
      {"000106Picture300001a|b", {"0001", 6, 6, false, "", "Picture300001a|b", "Picture300001a\r\nb", "Picture300001a|b", false}},
      {"000106 picture300001a", {"0001", 6, 6, false, "", " picture300001a", " picture300001a", " picture300001a", false}},
      // Positions count characters: a double-byte character is one.
      {"第一题0105打开", {"第一题0", 10, 10, false, "", "5打开", "5打开", "5打开", false}},
      {"000106picture30000中文本|x", {"0001", 6, 6, true, "30000中", "picture30000中文本|x", "picture30000中文本\r\nx", "文本|x", false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const Reading got = Read(IndexLine(c.line));
    EXPECT_EQ(got.code, c.want.code);
    EXPECT_EQ(got.count_value, c.want.count_value);
    EXPECT_EQ(got.count, c.want.count);
    EXPECT_EQ(got.picture, c.want.picture);
    EXPECT_EQ(got.picture_id, c.want.picture_id);
    EXPECT_EQ(got.text, c.want.text);
    EXPECT_EQ(got.with_breaks, c.want.with_breaks);
    EXPECT_EQ(got.shown_text, c.want.shown_text);
    EXPECT_EQ(got.blank, c.want.blank);
  }
}

}  // namespace
}  // namespace xpexam::desktop
