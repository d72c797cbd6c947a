// The learner's record files: code lists and their keyed search, flag lines, and the bytes
// the writers leave in ksdata.
#include "session/record_files.h"

#include <gtest/gtest.h>

#include <chrono>

#include "frame/installation.h"
#include "frame/settings.h"
#include "platform/codepage.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "tests/support/temp_dir.h"

namespace xpexam::session {
namespace {

TEST(RecordCodesTest, KeyedSearchNeverMatchesAcrossNeighbours) {
  struct Case { const char* list; const char* code; bool found; };
  const Case cases[] = {
      {"01020304", "0203", false},  // plain search would find it across the boundary
      {"01020304", "0304", true},
      {"01021507", "0102", true},
      {"", "0102", false},
      {"010", "0100", false},       // a ragged tail is not an entry
  };
  for (const auto& c : cases) EXPECT_EQ(ListHasCode(c.list, c.code), c.found) << c.list << " " << c.code;
  EXPECT_EQ(KeyedCopy("01021507"), "_0102_1507");
  EXPECT_EQ(CodeText(7), "0007");
  EXPECT_EQ(CodeText(1942), "1942");
  EXPECT_EQ(CodeAt("01021507", 2), "1507");
  EXPECT_EQ(CodeAt("01021507", 3), "");
}

TEST(RecordCodesTest, AppendingExtendsFlagsAndCutsSurplus) {
  struct Case { const char* list; std::vector<std::string> codes; const char* flags; const char* new_list; const char* new_flags; };
  const Case cases[] = {
      {"01020304", {"0506"}, "", "010203040506", "FFF"},
      {"01020304", {"0304", "0102"}, "TT", "01020304", "TT"},      // already listed: not again
      {"0102", {"0304"}, "TFTFT", "01020304", "TF"},               // surplus flags are lost
      {"", {"0001", "0002"}, "", "00010002", "FF"},
  };
  for (const auto& c : cases) {
    const std::string list = AppendCodes(c.list, c.codes);
    EXPECT_EQ(list, c.new_list);
    EXPECT_EQ(ExtendFlags(c.flags, CodeCount(list)), c.new_flags) << c.list;
  }
  // More than 40 new codes leave the flag line short by the excess.
  EXPECT_EQ(ExtendFlags("", 45), std::string(40, 'F'));
}

TEST(RecordCodesTest, RemovingTakesTheFlagOfTheSameEntry) {
  struct Case { const char* list; const char* flags; std::vector<std::string> codes; ListWithFlags after; };
  const Case cases[] = {
      {"010203040506", "TFT", {"0304"}, {"01020506", "TT"}},
      {"010203040506", "TFT", {"0506", "0102"}, {"0304", "F"}},
      {"010203040506", "TFT", {"0203"}, {"010203040506", "TFT"}},   // not a code of the list
      {"010203040506", "T", {"0506"}, {"01020304", "T"}},           // no flag for that entry
      {"", "", {"0102"}, {"", ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(RemoveCodes(c.list, c.flags, c.codes), c.after) << c.list;
}

TEST(RecordCodesTest, WalksOverADamagedMegabyteLineStayLinear) {
  // A line of a megabyte: every walk used to rescan it at each step and never ended.
  const std::string list(1 << 20, '1');
  const std::string flags(1 << 20, 'F');
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(KeyedCopy(list).size(), list.size() / 4 * 5);
  EXPECT_EQ(MarkFlagsWhole(flags, {true, false, true}).substr(0, 4), "TFTF");
  EXPECT_EQ(MarkFlagsUnreviewed(flags, {false, true}).substr(0, 3), "FTF");
  EXPECT_EQ(RemoveCodes(list, flags, {"1111"}).flags.size(), flags.size() - 1);
  EXPECT_EQ(AppendCodes(list, {"0101"}).size(), list.size() + 4);
  EXPECT_EQ(platform::Groups("0101中文x", 4), (std::vector<std::string>{"0101", "中文x"}));
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  // Linear takes well under a second here (a few under the sanitizers); a rescanning walk takes
  // many minutes, so the bound is loose enough for a loaded machine.
  EXPECT_LT(ms, 30000);
}

TEST(RecordCodesTest, ReviewFlagWalks) {
  // Whole list: position i is question i.
  EXPECT_EQ(MarkFlagsWhole("FFF", {true, false, true}), "TFT");
  EXPECT_EQ(MarkFlagsWhole("F", {false, true}), "F");
  // Unreviewed: the j-th "F" is question j; "T" flags are skipped and the length is kept.
  EXPECT_EQ(MarkFlagsUnreviewed("TFTF", {false, true}), "TFTT");
  EXPECT_EQ(MarkFlagsUnreviewed("FFTF", {true, true, true}), "TTTT");
  EXPECT_EQ(MarkFlagsUnreviewed("FF", {}), "FF");
}

class RecordFilesTest : public ::testing::Test {
 protected:
  RecordFilesTest() { frame::editInstallation().SetAppPath(dir_.path()); }
  std::string Bytes(std::string_view name) {
    return platform::ReadFileBytes(dir_ / ("ksdata/" + std::string(name))).value_or("<missing>");
  }
  testing::TempDir dir_;
};

TEST_F(RecordFilesTest, MissingFilesReadAsEmptyAndTheFirstWriteCreatesThem) {
  EXPECT_EQ(ReadRecordLine(BookmarkListFile()), "");
  EXPECT_EQ(ReadRecordLines(UnitProgressFile(), 26), std::vector<std::string>(26));
  const auto history = ReadPaperHistory();
  ASSERT_EQ(history.size(), 100u);
  EXPECT_EQ(history[87], "您还未考试！");
  EXPECT_EQ(history[88], "0");
  EXPECT_EQ(history[89], "E");

  std::filesystem::create_directories(dir_ / "ksdata");
  AppendToList(BookmarkListFile(), BookmarkFlagFile(), {"0102", "1507"});
  EXPECT_EQ(Bytes("288862.mxy"), "01021507\r\n");
  EXPECT_EQ(Bytes("288872.mxy"), "FF\r\n");
  RemoveFromList(BookmarkListFile(), BookmarkFlagFile(), {"0102"});
  EXPECT_EQ(Bytes("288862.mxy"), "1507\r\n");
  EXPECT_EQ(Bytes("288872.mxy"), "F\r\n");
}

TEST_F(RecordFilesTest, FilesAreGbkCrlfAndMultiLineFilesEndWithAnEmptyLine) {
  dir_.Write("ksdata/288892.mxy", "2015-03-04 05:06:07\r\n97.5\r\nE\r\n");
  auto history = ReadPaperHistory();
  EXPECT_EQ(history[0], "2015-03-04 05:06:07");
  EXPECT_EQ(history[1], "97.5");
  EXPECT_EQ(history[3], "您还未考试！");
  ASSERT_TRUE(WritePaperHistory(history));
  const std::string bytes = Bytes("288892.mxy");
  const std::string never = platform::Utf8ToGbk("您还未考试！");
  std::string expected = "2015-03-04 05:06:07\r\n97.5\r\nE\r\n";
  for (int p = 1; p < 30; ++p) expected += never + "\r\n0\r\nE\r\n";
  EXPECT_EQ(bytes, expected + "\r\n");  // 90 lines and one empty line

  ASSERT_TRUE(WriteRecordLines(UnitProgressFile(), {"TF", "", "F"}));
  EXPECT_EQ(Bytes("288893.mxy"), "TF\r\n\r\nF\r\n\r\n");
  EXPECT_EQ(ReadRecordLines(UnitProgressFile(), 2), (std::vector<std::string>{"TF", ""}));
  // A one-line file is read trimmed.
  dir_.Write("ksdata/182403.mxy", "  01020304  \r\n");
  EXPECT_EQ(ReadRecordLine(PaperWrongFile(3)), "01020304");
}

}  // namespace
}  // namespace xpexam::session
