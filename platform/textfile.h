#pragma once
// Text files of the installation and of the learner's records: GBK, CRLF, read line by line,
// written whole through a temporary file so that a crash never loses the old content.
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xpexam::platform {

// Reads a text file line by line. CRLF and a lone LF both end a line; a last line without
// a line end is still a line. Lines come back decoded to UTF-8.
class LineReader {
 public:
  LineReader() = default;
  explicit LineReader(const std::string& path) { Open(path); }
  ~LineReader() { Close(); }
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The path is resolved case-insensitively (see ResolvePath).
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }
  // False at the end of the file (or when the file is not open).
  bool Next(std::string& line);
  // Raw bytes of the next line, not decoded.
  bool NextRaw(std::string& line);

 private:
  std::FILE* file_ = nullptr;
};

// Every line of a text file, decoded; nullopt when the file cannot be opened.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

// The whole file as raw bytes; nullopt when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Writes bytes to a temporary file in the target's folder, flushes it to disk and renames it
// over the target. On any failure the old file is left whole, the open WriteFailureWatch
// scopes hear the system's error number, and false is returned.
bool WriteFileAtomic(const std::string& path, std::string_view bytes);

// Fault injection for crash tests: called with the resolved target and its new bytes once the
// temporary file is complete, just before the rename. An empty hook removes it.
void SetAtomicWriteHook(std::function<void(const std::string& target, std::string_view bytes)> hook);

// Fault injection for tests of failing writes: called with the resolved target before its
// temporary file is written; a non-zero error number makes that write fail with it, as a full
// disk (ENOSPC) or a folder without write access (EACCES) would. An empty hook removes it.
void SetWriteFaultHook(std::function<int(const std::string& target)> hook);

// Collects the failures of WriteFileAtomic while it lives, for an action that writes several
// files and tells the learner once, with the system's reason, when any of them failed. Watches
// nest: a failed write counts in every watch open at the time.
class WriteFailureWatch {
 public:
  WriteFailureWatch();
  ~WriteFailureWatch();
  WriteFailureWatch(const WriteFailureWatch&) = delete;
  WriteFailureWatch& operator=(const WriteFailureWatch&) = delete;

  // The system's error number (errno) of the first failed write; 0 while every write went through.
  int firstError() const { return first_error_; }

 private:
  friend bool WriteFileAtomic(const std::string& path, std::string_view bytes);
  // Tells every open watch that has not yet heard of a failure.
  static void Note(int error);

  int first_error_ = 0;
  WriteFailureWatch* outer_;
};

// Copies a file's bytes over another through WriteFileAtomic: the target is its old or its new
// content whatever happens. False when the source cannot be read or the target written.
bool CopyFileAtomic(const std::string& from, const std::string& to);

// True for the names WriteFileAtomic and downloads give their temporary files.
bool IsOwnTempName(std::string_view name);
// Removes, from one folder (not its subfolders), the temporary files a crashed write left
// behind; only regular files with the names above go.
void RemoveStaleTempFiles(const std::string& folder);

// Encodes lines in GBK, each ended by CRLF, and writes them with WriteFileAtomic.
bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

// Resolves a path written as on a case-insensitive system ("\" separators, any letter case)
// against the real directory entries. Components that exist are matched by case-insensitive
// name (an exact match wins); the first component that does not exist and everything after it
// are kept as written, so the result also serves for files about to be created.
std::string ResolvePath(std::string_view path);

// True when the resolved path names an existing regular file.
bool FileExists(std::string_view path);

}  // namespace xpexam::platform
