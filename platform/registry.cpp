#include "platform/registry.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <strings.h>
#include <vector>

#include "platform/textfile.h"

namespace xpexam::platform {
namespace {

constexpr const char* kFileName = "registry.txt";
constexpr const char* kHeader = "# xpexam per-user registry: key, value name, type, value (tab-separated)";

std::string& FolderOverride() {
  static std::string folder;
  return folder;
}

struct Entry {
  std::string key;
  std::string name;
  RegistryValue value;
};

// Tabs and line ends would break the line format; "%" is escaped so that decoding is exact.
std::string Escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '%': out += "%25"; break;
      case '\t': out += "%09"; break;
      case '\n': out += "%0A"; break;
      case '\r': out += "%0D"; break;
      default: out += c;
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string Unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    int hi = i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
    int lo = hi >= 0 ? HexDigit(text[i + 2]) : -1;
    if (text[i] == '%' && lo >= 0) {
      out += static_cast<char>(hi * 16 + lo);
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

// "\Software\vemo\" and "software\VEMO" name the same key.
std::string_view TrimKey(std::string_view key) {
  while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
  return key;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::vector<Entry> Load(const std::string& path) {
  std::vector<Entry> entries;
  auto bytes = ReadFileBytes(path);
  if (!bytes) return entries;
  std::string_view rest = *bytes;
  while (!rest.empty()) {
    size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (line.empty() || line.front() == '#') continue;
    std::string_view fields[4];
    size_t n = 0;
    for (; n < 4; ++n) {
      size_t tab = n < 3 ? line.find('\t') : std::string_view::npos;
      fields[n] = line.substr(0, tab);
      if (tab == std::string_view::npos) break;
      line.remove_prefix(tab + 1);
    }
    if (n != 3) continue;  // not ours: dropped at the next write
    Entry e{Unescape(fields[0]), Unescape(fields[1]), std::string()};
    if (fields[2] == "sz")
      e.value = Unescape(fields[3]);
    else if (fields[2] == "dword")
      e.value = static_cast<uint32_t>(std::strtoul(std::string(fields[3]).c_str(), nullptr, 10));
    else
      continue;
    entries.push_back(std::move(e));
  }
  return entries;
}

std::string Serialize(const std::vector<Entry>& entries) {
  std::string out = std::string(kHeader) + "\n";
  for (const auto& e : entries) {
    out += Escape(e.key) + "\t" + Escape(e.name) + "\t";
    if (const auto* text = std::get_if<std::string>(&e.value))
      out += "sz\t" + Escape(*text);
    else
      out += "dword\t" + std::to_string(std::get<uint32_t>(e.value));
    out += "\n";
  }
  return out;
}

bool MakeFolders(const std::string& folder) {
  for (size_t pos = 1; pos <= folder.size(); ++pos) {
    if (pos < folder.size() && folder[pos] != '/') continue;
    std::string part = folder.substr(0, pos);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return true;
}

// Serialises writers of several running programs so that no update is lost.
class StoreLock {
 public:
  explicit StoreLock(const std::string& folder)
      : fd_(::open((folder + "/registry.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    if (fd_ >= 0) ::flock(fd_, LOCK_EX);
  }
  ~StoreLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;

 private:
  int fd_;
};

}  // namespace

std::string RegistryFolder() {
  if (!FolderOverride().empty()) return FolderOverride();
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && config[0] == '/') return std::string(config) + "/xpexam";
  const char* home = std::getenv("HOME");
  if (!home || !home[0]) {
    const passwd* pw = ::getpwuid(::getuid());
    home = pw ? pw->pw_dir : "/tmp";
  }
  return std::string(home) + "/.config/xpexam";
}

void SetRegistryFolder(std::string folder) { FolderOverride() = std::move(folder); }

bool RegistrySet(std::string_view key, std::string_view name, const RegistryValue& value) {
  const std::string folder = RegistryFolder();
  if (!MakeFolders(folder)) return false;
  StoreLock lock(folder);
  const std::string path = folder + "/" + kFileName;
  std::vector<Entry> entries = Load(path);
  key = TrimKey(key);
  bool found = false;
  for (auto& e : entries) {
    if (SameName(e.key, key) && SameName(e.name, name)) {
      e.value = value;
      found = true;
      break;
    }
  }
  if (!found) entries.push_back(Entry{std::string(key), std::string(name), value});
  return WriteFileAtomic(path, Serialize(entries));
}

std::optional<RegistryValue> RegistryGet(std::string_view key, std::string_view name) {
  key = TrimKey(key);
  for (auto& e : Load(RegistryFolder() + "/" + kFileName))
    if (SameName(e.key, key) && SameName(e.name, name)) return std::move(e.value);
  return std::nullopt;
}

}  // namespace xpexam::platform
