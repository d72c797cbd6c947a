#include "platform/line_index.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <list>
#include <vector>

#include "platform/textfile.h"

namespace xpexam::platform {
namespace {

struct Index {
  std::string path;  // resolved
  FileStamp stamp;
  // Start of every line, then the end of the file: line n spans [starts[n-1], starts[n]).
  std::vector<uint64_t> starts;
  // Kept open while the index is: the stamp check tells when it is no longer the file's.
  int fd = -1;
  long Lines() const { return static_cast<long>(starts.size()) - 1; }

  Index(std::string p, FileStamp s) : path(std::move(p)), stamp(s) {}
  Index(const Index&) = delete;
  Index& operator=(const Index&) = delete;
  ~Index() {
    if (fd >= 0) ::close(fd);
  }
};

// A few files are looked up at a time (the session's step file and the step text file);
// the most recently used come first.
constexpr size_t kMaxIndexes = 8;
std::list<Index>& Indexes() {
  static std::list<Index> indexes;
  return indexes;
}

bool Build(Index& index) {
  const int fd = ::open(index.path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  index.fd = fd;
  struct stat st;
  if (::fstat(fd, &st) != 0 || static_cast<uint64_t>(st.st_ino) != index.stamp.inode) index.stamp.size = -1;
  auto bytes = ReadFileBytes(index.path);
  if (!bytes) return false;
  index.starts.push_back(0);
  for (size_t at = bytes->find('\n'); at != std::string::npos; at = bytes->find('\n', at + 1))
    index.starts.push_back(at + 1);
  // A last line without a line end is still a line.
  if (index.starts.back() != bytes->size()) index.starts.push_back(bytes->size());
  // The stamp describes what was read only when nothing changed in between.
  if (static_cast<int64_t>(bytes->size()) != index.stamp.size) index.stamp.size = -1;
  return true;
}

// The current index of the file, rebuilt when the file is not the one indexed.
const Index* Find(const std::string& path) {
  std::string resolved;
  const auto stamp = ResolveAndStamp(path, resolved);
  if (!stamp) return nullptr;
  auto& indexes = Indexes();
  auto it = std::find_if(indexes.begin(), indexes.end(), [&](const Index& i) { return i.path == resolved; });
  if (it != indexes.end() && it->stamp == *stamp) {
    indexes.splice(indexes.begin(), indexes, it);
    return &indexes.front();
  }
  if (it != indexes.end()) indexes.erase(it);
  indexes.emplace_front(resolved, *stamp);
  if (!Build(indexes.front())) {
    indexes.pop_front();
    return nullptr;
  }
  if (indexes.size() > kMaxIndexes) indexes.pop_back();
  return &indexes.front();
}

bool ReadAt(int fd, uint64_t offset, std::string& out) {
  size_t got = 0;
  while (got < out.size()) {
    const ssize_t n = ::pread(fd, out.data() + got, out.size() - got, static_cast<off_t>(offset + got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    got += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

std::optional<FileStamp> StampOf(const std::string& resolved_path) {
  struct stat st;
  if (::stat(resolved_path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return FileStamp{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino),
                   static_cast<int64_t>(st.st_size),
                   static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                   static_cast<int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

std::optional<FileStamp> ResolveAndStamp(const std::string& path, std::string& resolved) {
  // Resolving costs directory scans only when the name is not written as stored.
  if (path.find('\\') == std::string::npos)
    if (auto stamp = StampOf(path)) {
      resolved = path;
      return stamp;
    }
  resolved = ResolvePath(path);
  return StampOf(resolved);
}

std::optional<std::string> ReadRawLineAt(const std::string& path, long n) {
  if (n < 1) return std::nullopt;
  const Index* index = Find(path);
  if (!index || n > index->Lines()) return std::nullopt;
  const uint64_t begin = index->starts[static_cast<size_t>(n - 1)];
  std::string line(index->starts[static_cast<size_t>(n)] - begin, '\0');
  if (!ReadAt(index->fd, begin, line)) {
    // Changed under us between the check and the read: fall back to reading from the top.
    Indexes().pop_front();
    LineReader reader(path);
    for (long i = 1; reader.NextRaw(line); ++i)
      if (i == n) return line;
    return std::nullopt;
  }
  if (!line.empty() && line.back() == '\n') line.pop_back();
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::optional<long> CountLines(const std::string& path) {
  const Index* index = Find(path);
  if (!index) return std::nullopt;
  return index->Lines();
}

void ClearLineIndexes() { Indexes().clear(); }

}  // namespace xpexam::platform
