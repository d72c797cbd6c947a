#include "platform/textfile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "tests/support/temp_dir.h"

namespace xpexam::platform {
namespace {

using Lines = std::vector<std::string>;
using xpexam::testing::TempDir;

TEST(LineReader, LineEnds) {
  struct Case {
    const char* name;
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"crlf", "one\r\ntwo\r\n", {"one", "two"}},
      {"lone lf", "one\ntwo\n", {"one", "two"}},
      {"mixed", "one\r\ntwo\nthree\r\n", {"one", "two", "three"}},
      {"no last line end", "one\r\ntwo", {"one", "two"}},
      {"empty file", "", {}},
      {"only a line end", "\r\n", {""}},
      {"empty lines kept", "a\r\n\r\n\nb\r\n", {"a", "", "", "b"}},
      {"blanks kept", "  a  \r\n", {"  a  "}},
      {"nul byte kept", std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
      {"long line", std::string(5000, 'x') + "\r\ny", {std::string(5000, 'x'), "y"}},
      {"gbk decoded", "\xB2\xD9\xD7\xF7\xB3\xC9\xB9\xA6\xA3\xA1\r\n\xA1\xAA\xA1\xAA", {"操作成功！", "——"}},
  };
  TempDir dir;
  for (const auto& c : cases) {
    std::string path = dir.Write("lines.mxy", c.bytes);
    Lines read;
    LineReader reader(path);
    ASSERT_TRUE(reader.IsOpen());
    for (std::string line; reader.Next(line);) read.push_back(line);
    EXPECT_EQ(read, c.lines) << c.name;
    EXPECT_EQ(ReadTextLines(path), std::optional<Lines>(c.lines)) << c.name;
  }
}

TEST(LineReader, MissingFileHasNoLines) {
  TempDir dir;
  LineReader reader(dir / "none.mxy");
  EXPECT_FALSE(reader.IsOpen());
  std::string line = "stale";
  EXPECT_FALSE(reader.Next(line));
  EXPECT_EQ(line, "");
  EXPECT_EQ(ReadTextLines(dir / "none.mxy"), std::nullopt);
}

TEST(ResolvePath, MatchesComponentsIgnoringCase) {
  TempDir dir;
  dir.Write("data/l20059.mxy", "x");
  dir.Write("examdata/Menu1.mxy", "x");
  dir.Write("ico00.CUR", "x");
  struct Case {
    const char* written;
    const char* resolved;
  } cases[] = {
      {"DATA\\l20059.MXY", "data/l20059.mxy"},
      {"data/l20059.mxy", "data/l20059.mxy"},
      {"ExamData\\MENU1.mxy", "examdata/Menu1.mxy"},
      {"\\ICO00.cur", "ico00.CUR"},
      {"Data\\New\\File.TXT", "data/New/File.TXT"},  // the missing tail stays as written
      {"DATA\\l20059.mxy\\x", "data/l20059.mxy/x"},   // a file is no folder
      {"Nothing\\Here.mxy", "Nothing/Here.mxy"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ResolvePath(dir.path() + "\\" + c.written), dir / c.resolved) << c.written;
  EXPECT_TRUE(FileExists(dir.path() + "\\DATA\\L20059.MXY"));
  EXPECT_FALSE(FileExists(dir.path() + "\\DATA"));
  EXPECT_FALSE(FileExists(dir.path() + "\\DATA\\l20060.mxy"));
}

TEST(ResolvePath, ExactNamePreferred) {
  TempDir dir;
  dir.Write("Ico00.CUR", "upper");
  dir.Write("ico00.cur", "lower");
  EXPECT_EQ(ResolvePath(dir / "ico00.cur"), dir / "ico00.cur");
  EXPECT_EQ(ResolvePath(dir / "Ico00.CUR"), dir / "Ico00.CUR");
  EXPECT_EQ(ReadFileBytes(dir / "ico00.cur"), std::optional<std::string>("lower"));
}

TEST(WriteFileAtomic, WritesNewAndReplacesOldFiles) {
  TempDir dir;
  ASSERT_TRUE(WriteFileAtomic(dir / "new.mxy", "first"));
  EXPECT_EQ(ReadFileBytes(dir / "new.mxy"), std::optional<std::string>("first"));
  ASSERT_TRUE(WriteFileAtomic(dir / "new.mxy", "second, longer"));
  EXPECT_EQ(ReadFileBytes(dir / "new.mxy"), std::optional<std::string>("second, longer"));
  // A name written in another letter case replaces the file that exists.
  ASSERT_TRUE(WriteFileAtomic(dir.path() + "\\NEW.MXY", ""));
  EXPECT_EQ(ReadFileBytes(dir / "new.mxy"), std::optional<std::string>(""));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(WriteFileAtomic, FailedWriteLeavesOldFileWhole) {
  TempDir dir;
  std::string old_path = dir.Write("rec.mxy", "old record\r\n");
  std::filesystem::create_directory(dir / "folder");

  EXPECT_FALSE(WriteFileAtomic(dir / "missing/rec.mxy", "x"));
  EXPECT_FALSE(WriteFileAtomic(dir / "folder", "x"));  // the target is a folder
  EXPECT_TRUE(std::filesystem::is_directory(dir / "folder"));

  // The disk fills up in the middle of the write.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto old_handler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool ok = WriteFileAtomic(old_path, "a much longer new record\r\n");
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, old_handler);
  EXPECT_FALSE(ok);

  EXPECT_EQ(ReadFileBytes(old_path), std::optional<std::string>("old record\r\n"));
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(WriteFailureWatch, HearsTheSystemsErrorOfEachFailedWrite) {
  TempDir dir;
  const std::string old_path = dir.Write("rec.mxy", "old record\r\n");
  std::filesystem::create_directory(dir / "folder");
  // A write failing with an injected error number.
  auto failing = [&](int error) {
    return [&, error] {
      SetWriteFaultHook([error](const std::string&) { return error; });
      const bool ok = WriteFileAtomic(old_path, "a new record\r\n");
      SetWriteFaultHook(nullptr);
      return ok;
    };
  };
  struct Case {
    const char* name;
    std::function<bool()> write;
    bool ok;
    int error;  // what the watch hears; 0 nothing
  } cases[] = {
      {"written", [&] { return WriteFileAtomic(old_path, "old record\r\n"); }, true, 0},
      {"no such folder", [&] { return WriteFileAtomic(dir / "missing/rec.mxy", "x"); }, false, ENOENT},
      {"the target is a folder", [&] { return WriteFileAtomic(dir / "folder", "x"); }, false, EISDIR},
      {"a full disk", failing(ENOSPC), false, ENOSPC},
      {"no write access", failing(EACCES), false, EACCES},
      // Reading the source is not writing: nothing to hear.
      {"a copy without its source", [&] { return CopyFileAtomic(dir / "none.mxy", old_path); }, false, 0},
  };
  for (const Case& c : cases) {
    const WriteFailureWatch watch;
    EXPECT_EQ(c.write(), c.ok) << c.name;
    EXPECT_EQ(watch.firstError(), c.error) << c.name;
    EXPECT_EQ(ReadFileBytes(old_path), std::optional<std::string>("old record\r\n")) << c.name;
  }
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(WriteFailureWatch, NestedWatchesEachKeepTheFirstErrorTheyHeard) {
  TempDir dir;
  const WriteFailureWatch outer;
  ASSERT_FALSE(WriteFileAtomic(dir / "missing/a.mxy", "x"));
  {
    const WriteFailureWatch inner;
    SetWriteFaultHook([](const std::string&) { return ENOSPC; });
    EXPECT_FALSE(WriteFileAtomic(dir / "b.mxy", "x"));
    SetWriteFaultHook(nullptr);
    EXPECT_FALSE(WriteFileAtomic(dir / "missing/c.mxy", "x"));
    EXPECT_EQ(inner.firstError(), ENOSPC);
  }
  EXPECT_EQ(outer.firstError(), ENOENT);
  const WriteFailureWatch later;
  EXPECT_TRUE(WriteFileAtomic(dir / "d.mxy", "x"));
  EXPECT_EQ(later.firstError(), 0);
}

TEST(RemoveStaleTempFiles, RemovesOnlyTheProgramsOwnTemporaryNames) {
  TempDir dir;
  struct Case {
    const char* name;
    bool removed;
  } cases[] = {
      {"288891.mxy.tmpAb3xYz", true},   // a record write
      {"170100.mxy.partQ1w2E3", true},  // a download
      {"288891.mxy", false},
      {"notes.tmp", false},
      {"a.tmpABCDE", false},     // five characters: not mkstemp's
      {"a.tmpABC-EF", false},    // not mkstemp's alphabet
      {".tmpABCDEF", false},     // nothing before the mark
      {"a.tmpABCDEFG", false},
  };
  for (const Case& c : cases) dir.Write(std::string("ksdata/") + c.name, "x");
  std::filesystem::create_directory(dir / "ksdata/sub.tmpAAAAAA");  // a folder is never removed
  RemoveStaleTempFiles(dir.path() + "\\KSDATA");
  for (const Case& c : cases) EXPECT_EQ(std::filesystem::exists(dir / (std::string("ksdata/") + c.name)), !c.removed) << c.name;
  EXPECT_TRUE(std::filesystem::is_directory(dir / "ksdata/sub.tmpAAAAAA"));
  RemoveStaleTempFiles(dir / "missing");  // no folder: nothing happens
}

TEST(CopyFileAtomic, ReplacesTheTargetAndKeepsItWhenTheSourceIsMissing) {
  TempDir dir;
  const std::string from = dir.Write("from.mxy", "0101\r\n"), to = dir.Write("to.mxy", "old");
  const std::string witness = dir / "witness";
  std::filesystem::create_hard_link(to, witness);
  ASSERT_TRUE(CopyFileAtomic(from, to));
  EXPECT_EQ(ReadFileBytes(to), "0101\r\n");
  EXPECT_EQ(ReadFileBytes(witness), "old");  // replaced, not written in place
  EXPECT_FALSE(CopyFileAtomic(dir / "none.mxy", to));
  EXPECT_EQ(ReadFileBytes(to), "0101\r\n");
}

TEST(WriteTextLines, EncodesGbkWithCrlf) {
  TempDir dir;
  ASSERT_TRUE(WriteTextLines(dir / "t.mxy", {"操作成功！", "", "a😀"}));
  EXPECT_EQ(ReadFileBytes(dir / "t.mxy"),
            std::optional<std::string>("\xB2\xD9\xD7\xF7\xB3\xC9\xB9\xA6\xA3\xA1\r\n\r\na?\r\n"));
  EXPECT_EQ(ReadTextLines(dir / "t.mxy"), std::optional<Lines>({"操作成功！", "", "a?"}));
}

}  // namespace
}  // namespace xpexam::platform
