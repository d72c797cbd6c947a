#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace xpexam::platform {
namespace {

const std::string kReplacement = "\xEF\xBF\xBD";

TEST(Codepage, RealTextsRoundTripByteForByte) {
  struct Case {
    const char* utf8;
    const char* gbk;
  } cases[] = {
      {"操作成功！", "\xB2\xD9\xD7\xF7\xB3\xC9\xB9\xA6\xA3\xA1"},
      {"未完成的题目", "\xCE\xB4\xCD\xEA\xB3\xC9\xB5\xC4\xCC\xE2\xC4\xBF"},
      {"——", "\xA1\xAA\xA1\xAA"},
      {"（１２３）", "\xA3\xA8\xA3\xB1\xA3\xB2\xA3\xB3\xA3\xA9"},
      {"0001打开 Notepad.exe|记事本", "0001\xB4\xF2\xBF\xAA Notepad.exe|\xBC\xC7\xCA\xC2\xB1\xBE"},
      {"楷体_GB2312", "\xBF\xAC\xCC\xE5_GB2312"},
      {"€", "\x80"},  // the code page's single-byte euro sign
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk) << c.utf8;
    EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8) << c.utf8;
  }
}

TEST(Codepage, BadBytesDecodeToReplacementCharacters) {
  struct Case {
    std::string gbk;
    std::string utf8;
  } cases[] = {
      {"a\xFF" "b", "a" + kReplacement + "b"},
      {"\x81 x", kReplacement + " x"},                   // a bad lead byte keeps the ASCII after it
      {"\x81\xFF" "z", kReplacement + "z"},              // lead and bad trail go together
      {"\xB2\xD9\xB3", "操" + kReplacement},             // lead byte cut off at the end
      {std::string("x\0y", 3), std::string("x\0y", 3)},  // NUL is an ordinary byte
  };
  for (const auto& c : cases) EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8);
}

TEST(Codepage, CharactersGbkCannotHoldBecomeQuestionMarks) {
  struct Case {
    const char* utf8;
    const char* gbk;
  } cases[] = {
      {"a😀b", "a?b"},
      {"¥5", "?5"},
      {"完成・", "\xCD\xEA\xB3\xC9?"},
      {"x\xC3", "x?"},      // UTF-8 cut off at the end
      {"\x80\x80z", "??z"},  // stray continuation bytes
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk) << c.utf8;
}

TEST(Codepage, LongTextsCrossTheConverterBuffer) {
  std::string utf8;
  for (int i = 0; i < 2000; ++i) utf8 += "未完成的题目";
  utf8 += "😀";
  std::string gbk = Utf8ToGbk(utf8);
  EXPECT_EQ(gbk.size(), 2000u * 12 + 1);
  EXPECT_EQ(gbk.back(), '?');
  EXPECT_EQ(GbkToUtf8(gbk), utf8.substr(0, utf8.size() - 4) + "?");
}

}  // namespace
}  // namespace xpexam::platform
