#include "platform/line_index.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <functional>

#include "platform/textfile.h"
#include "tests/support/temp_dir.h"

namespace xpexam::platform {
namespace {

using xpexam::testing::TempDir;

// Every line LineReader reads, then what it reads past the end.
std::vector<std::optional<std::string>> ByReader(const std::string& path, long count) {
  std::vector<std::optional<std::string>> out;
  for (long n = 0; n <= count + 1; ++n) {
    LineReader reader(path);
    std::string line;
    std::optional<std::string> found;
    for (long i = 1; reader.NextRaw(line); ++i)
      if (i == n) found = line;
    out.push_back(found);
  }
  return out;
}

TEST(LineIndex, ReadsEveryLineAsTheReaderFromTheTopDoes) {
  const std::pair<const char*, std::string> cases[] = {
      {"crlf", "one\r\ntwo\r\n"},
      {"lone lf and mixed", "one\ntwo\r\nthree\n"},
      {"no last line end", "one\r\ntwo"},
      {"empty file", ""},
      {"only line ends", "\r\n\n\r\n"},
      {"carriage return inside a line", "a\rb\r\r\nc"},
      {"nul bytes", std::string("a\0b\r\n\0\r\n", 8)},
      {"gbk bytes", "\xb4\xf2\xbf\xaa\r\n\xbc\xc7\xca\xc2\xb1\xbe\r\n"},
  };
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    TempDir dir;
    const std::string path = dir.Write("steps.mxy", bytes);
    long count = 0;
    LineReader reader(path);
    for (std::string line; reader.NextRaw(line);) ++count;
    EXPECT_EQ(CountLines(path), count);
    const auto expected = ByReader(path, count);
    for (long n = 0; n <= count + 1; ++n)
      EXPECT_EQ(ReadRawLineAt(path, n), expected[static_cast<size_t>(n)]) << "line " << n;
  }
}

TEST(LineIndex, AChangedFileIsIndexedAgain) {
  TempDir dir;
  const std::string path = dir.Write("steps.mxy", "aaaa\r\nbbbb\r\n");
  ASSERT_EQ(ReadRawLineAt(path, 2), "bbbb");
  struct Case {
    const char* name;
    std::function<void()> change;
    std::optional<std::string> line2;
  } cases[] = {
      {"replaced through a rename, same size", [&] { WriteFileAtomic(path, "cccc\r\ndddd\r\n"); }, "dddd"},
      {"rewritten in place, other line lengths", [&] { std::ofstream(path, std::ios::binary) << "e\r\nfffffff\r\n"; },
       "fffffff"},
      {"rewritten in place, same size, new time",
       [&] {
         std::ofstream(path, std::ios::binary) << "gggggg\r\nh\r\n";
         const timespec times[2] = {{0, UTIME_OMIT}, {12345, 0}};
         ::utimensat(AT_FDCWD, path.c_str(), times, 0);
       },
       "h"},
      {"removed", [&] { std::remove(path.c_str()); }, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.change();
    EXPECT_EQ(ReadRawLineAt(path, 2), c.line2);
  }
}

TEST(LineIndex, PathsIgnoreCaseAndMissingFilesHaveNoLines) {
  TempDir dir;
  dir.Write("Steps.MXY", "x\r\n");
  EXPECT_EQ(ReadRawLineAt(dir.path() + "\\steps.mxy", 1), "x");
  EXPECT_EQ(ReadRawLineAt(dir / "absent.mxy", 1), std::nullopt);
  EXPECT_EQ(CountLines(dir / "absent.mxy"), std::nullopt);
  EXPECT_EQ(CountLines(dir.path()), std::nullopt);
}

TEST(ReadFileBytes, ReadsWholeFilesOfEverySize) {
  TempDir dir;
  for (size_t size : {size_t{0}, size_t{1}, size_t{65535}, size_t{65536}, size_t{65537}, size_t{3} << 20}) {
    SCOPED_TRACE(size);
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
    EXPECT_EQ(ReadFileBytes(dir.Write("f.bin", bytes)), bytes);
  }
  EXPECT_EQ(ReadFileBytes(dir / "absent"), std::nullopt);
  EXPECT_EQ(ReadFileBytes(dir.path()), std::nullopt);
}

}  // namespace
}  // namespace xpexam::platform
