#pragma once
// Lookups of single lines in large text files (step files, step text files) without reading
// them from the top each time: the start of every line is kept per file and trusted only while
// the file's identity (inode, size, modification and change times) is the one indexed.
#include <cstdint>
#include <optional>
#include <string>

namespace xpexam::platform {

// What stat says about a file; any rewrite (in place or by rename) changes it.
struct FileStamp {
  uint64_t device = 0;
  uint64_t inode = 0;
  int64_t size = 0;
  int64_t modified_ns = 0;
  int64_t changed_ns = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
// The stamp of a regular file at an already resolved path; nullopt when there is none.
std::optional<FileStamp> StampOf(const std::string& resolved_path);
// Resolves path case-insensitively (see ResolvePath) into resolved and stamps the file there.
std::optional<FileStamp> ResolveAndStamp(const std::string& path, std::string& resolved);

// Raw bytes of line n (1-based) of a text file, split as LineReader splits lines; nullopt
// when n is below 1 or past the end, or the file cannot be read. The path is resolved
// case-insensitively.
std::optional<std::string> ReadRawLineAt(const std::string& path, long n);
// The number of lines LineReader would read from the file; nullopt when it cannot be read.
std::optional<long> CountLines(const std::string& path);

// Forgets every index (tests, and a bank replaced under a running program is caught anyway).
void ClearLineIndexes();

}  // namespace xpexam::platform
