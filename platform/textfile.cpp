#include "platform/textfile.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/codepage.h"

namespace xpexam::platform {

bool LineReader::Open(const std::string& path) {
  Close();
  file_ = std::fopen(ResolvePath(path).c_str(), "rb");
  return file_ != nullptr;
}

void LineReader::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

bool LineReader::NextRaw(std::string& line) {
  line.clear();
  if (!file_) return false;
  // getline reads in chunks (lookups rescan whole files) and keeps NUL bytes.
  char* buf = nullptr;
  size_t cap = 0;
  ssize_t n = ::getline(&buf, &cap, file_);
  if (n > 0) line.assign(buf, static_cast<size_t>(n));
  std::free(buf);
  if (n <= 0) return false;
  if (line.back() == '\n') line.pop_back();
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

bool LineReader::Next(std::string& line) {
  std::string raw;
  if (!NextRaw(raw)) {
    line.clear();
    return false;
  }
  line = GbkToUtf8(raw);
  return true;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
  LineReader reader;
  if (!reader.Open(path)) return std::nullopt;
  std::vector<std::string> lines;
  std::string line;
  while (reader.Next(line)) lines.push_back(std::move(line));
  return lines;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  const int fd = ::open(ResolvePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  // One buffer of the file's size: growing it in steps costs page faults on every picture.
  struct stat st;
  std::string data;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
    data.resize(static_cast<size_t>(st.st_size));
  size_t used = 0;
  bool ok = true;
  char extra[65536];
  for (;;) {
    // Past the expected size (a file that grew, or one without a size) reads go through a
    // small buffer, so the whole-size buffer is never doubled just to find the end.
    const bool fill = used < data.size();
    const ssize_t n = fill ? ::read(fd, data.data() + used, data.size() - used) : ::read(fd, extra, sizeof extra);
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    if (n == 0) break;
    if (!fill) data.append(extra, static_cast<size_t>(n));
    used += static_cast<size_t>(n);
  }
  ::close(fd);
  if (!ok) return std::nullopt;
  data.resize(used);
  return data;
}

namespace {
std::function<void(const std::string&, std::string_view)>& AtomicWriteHook() {
  static std::function<void(const std::string&, std::string_view)> hook;
  return hook;
}

std::function<int(const std::string&)>& WriteFaultHook() {
  static std::function<int(const std::string&)> hook;
  return hook;
}

// The innermost open watch; each holds the one it was opened inside.
thread_local WriteFailureWatch* innermost_watch = nullptr;
}  // namespace

void SetAtomicWriteHook(std::function<void(const std::string& target, std::string_view bytes)> hook) { AtomicWriteHook() = std::move(hook); }

void SetWriteFaultHook(std::function<int(const std::string& target)> hook) { WriteFaultHook() = std::move(hook); }

WriteFailureWatch::WriteFailureWatch() : outer_(innermost_watch) { innermost_watch = this; }

WriteFailureWatch::~WriteFailureWatch() { innermost_watch = outer_; }

void WriteFailureWatch::Note(int error) {
  for (WriteFailureWatch* w = innermost_watch; w; w = w->outer_)
    if (w->first_error_ == 0) w->first_error_ = error;
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes) {
  std::string target = ResolvePath(path);
  std::string tmpl = target + ".tmpXXXXXX";
  int fd = mkstemp(tmpl.data());
  if (fd < 0) {
    WriteFailureWatch::Note(errno);
    return false;
  }
  // The error number of the first call that failed; 0 while all went through.
  int error = WriteFaultHook() ? WriteFaultHook()(target) : 0;
  const char* p = bytes.data();
  size_t left = error == 0 ? bytes.size() : 0;
  while (left > 0) {
    ssize_t w = ::write(fd, p, left);
    if (w < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    p += w;
    left -= static_cast<size_t>(w);
  }
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  // mkstemp makes the file private; records are ordinary user files.
  if (error == 0) ::fchmod(fd, 0644);
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && AtomicWriteHook()) AtomicWriteHook()(target, bytes);
  if (error == 0 && std::rename(tmpl.c_str(), target.c_str()) != 0) error = errno;
  if (error == 0) return true;
  ::unlink(tmpl.c_str());
  WriteFailureWatch::Note(error);
  return false;
}

bool CopyFileAtomic(const std::string& from, const std::string& to) {
  const std::optional<std::string> bytes = ReadFileBytes(from);
  return bytes && WriteFileAtomic(to, *bytes);
}

bool IsOwnTempName(std::string_view name) {
  // mkstemp's six characters follow ".tmp" (records) or ".part" (downloads).
  constexpr size_t kRandom = 6;
  for (std::string_view mark : {std::string_view(".tmp"), std::string_view(".part")}) {
    if (name.size() < 1 + mark.size() + kRandom) continue;
    const size_t at = name.size() - kRandom - mark.size();
    if (name.substr(at, mark.size()) != mark) continue;
    bool random = true;
    for (char c : name.substr(at + mark.size()))
      random = random && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'));
    if (random) return true;
  }
  return false;
}

void RemoveStaleTempFiles(const std::string& folder) {
  const std::string dir = ResolvePath(folder);
  DIR* d = ::opendir(dir.c_str());
  if (!d) return;
  std::vector<std::string> stale;
  while (dirent* e = ::readdir(d))
    if (IsOwnTempName(e->d_name)) stale.push_back(dir + "/" + e->d_name);
  ::closedir(d);
  for (const std::string& path : stale) {
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(path.c_str());
  }
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) {
    bytes += Utf8ToGbk(line);
    bytes += "\r\n";
  }
  return WriteFileAtomic(path, bytes);
}

namespace {

bool IsDirectory(const std::string& p) {
  struct stat st;
  return ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Exists(const std::string& p) {
  struct stat st;
  return ::lstat(p.c_str(), &st) == 0;
}

// The directory entry of dir whose name equals name ignoring ASCII case; empty when none.
std::string FindEntry(const std::string& dir, const std::string& name) {
  DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return {};
  std::string found;
  while (dirent* e = ::readdir(d)) {
    if (::strcasecmp(e->d_name, name.c_str()) == 0) {
      found = e->d_name;
      break;
    }
  }
  ::closedir(d);
  return found;
}

}  // namespace

std::string ResolvePath(std::string_view path) {
  std::string p(path);
  for (char& c : p)
    if (c == '\\') c = '/';
  if (p.empty() || Exists(p)) return p;

  std::string out;
  size_t pos = 0;
  if (p[0] == '/') {
    out = "/";
    pos = 1;
  }
  bool resolving = true;
  while (pos <= p.size()) {
    size_t slash = p.find('/', pos);
    if (slash == std::string::npos) slash = p.size();
    std::string comp = p.substr(pos, slash - pos);
    pos = slash + 1;
    if (comp.empty()) continue;
    if (!out.empty() && out.back() != '/') out += '/';
    if (resolving && comp != "." && comp != "..") {
      std::string dir = out.empty() ? std::string(".") : out;
      if (!Exists(out + comp)) {
        std::string entry = FindEntry(dir, comp);
        if (entry.empty()) {
          resolving = false;
        } else {
          comp = entry;
        }
      }
    }
    out += comp;
    if (resolving && pos <= p.size() && !IsDirectory(out)) resolving = false;
  }
  if (p.size() > 1 && p.back() == '/' && (out.empty() || out.back() != '/')) out += '/';
  return out;
}

bool FileExists(std::string_view path) {
  struct stat st;
  return ::stat(ResolvePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace xpexam::platform
