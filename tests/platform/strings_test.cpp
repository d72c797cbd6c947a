#include "platform/strings.h"

#include <gtest/gtest.h>

#include "platform/failure.h"

namespace xpexam::platform {
namespace {

TEST(Strings, CharacterPositionsCountCharactersNotBytes) {
  const std::string s = "0001打开记事本|x";
  EXPECT_EQ(Len(s), 11);
  EXPECT_EQ(Mid(s, 5, 5), "打开记事本");
  EXPECT_EQ(Mid(s, 11), "x");
  EXPECT_EQ(Mid(s, 12), "");
  EXPECT_EQ(Mid(s, 40, 3), "");
  EXPECT_EQ(Left(s, 6), "0001打开");
  EXPECT_EQ(Right(s, 2), "|x");
  EXPECT_EQ(Right(s, 99), s);
  EXPECT_EQ(InStr(s, "|"), 10);
  EXPECT_EQ(InStr(s, "记事"), 7);
  EXPECT_EQ(InStr(s, "0", 2), 2);
  EXPECT_EQ(InStr(s, "0", 5), 0);
  EXPECT_EQ(InStrNoCase("abcDEF", "def"), 4);
  EXPECT_THROW(Mid(s, 0, 1), Failure);
}

TEST(Strings, TrimRemovesOnlySpaces) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\ta\t"), "\ta\t");
  EXPECT_EQ(Trim("   "), "");
}

TEST(Strings, ValReadsLikeTheSystem) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"00120", 120}, {" 1 2 3", 123}, {"-0042", -42}, {"12ab", 12}, {"ab12", 0}, {"", 0},
      {"-", 0},       {"3.5", 3.5},    {"&HFF", 255}, {"&HFFFF", -1}, {"&H8000", -32768},
      {"&H00FF0000", 16711680},        {"1e3", 1000}, {"  -7x", -7},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << c.text;
}

TEST(Strings, RoundingIsHalfToEvenWithOverflowFailure) {
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CInt(3.5), 4);
  EXPECT_EQ(CInt(-2.5), -2);
  EXPECT_EQ(CInt(32767.4), 32767);
  EXPECT_THROW(CInt(32767.5), Failure);
  EXPECT_THROW(CInt(-32769), Failure);
  EXPECT_EQ(CLng(2147483647.0), 2147483647);
  EXPECT_THROW(CLng(2147483648.0), Failure);
  EXPECT_THROW(ValInt("99999"), Failure);
}

TEST(Strings, DateFormats) {
  DateTime t{2026, 3, 7, 9, 5, 2};
  EXPECT_EQ(FormatCompact(t), "20260307090502");
  EXPECT_EQ(FormatDateTime(t), "2026-03-07 09:05:02");
  EXPECT_EQ(FormatChineseDate(t), "2026年03月07日");
  DateTime back;
  ASSERT_TRUE(ParseDateTime("2026-03-07 09:05:02", back));
  EXPECT_EQ(back, t);
  EXPECT_FALSE(ParseDateTime("-1", back));
}

TEST(Strings, SplitKeepsEmptyParts) {
  EXPECT_EQ(Split("a||b", "|"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(Split("", "|"), (std::vector<std::string>{""}));
}

}  // namespace
}  // namespace xpexam::platform
