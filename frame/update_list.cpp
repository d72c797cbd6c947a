#include "frame/update_list.h"

#include <sys/stat.h>

#include <ctime>

#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::frame {

using platform::InStr;
using platform::Left;
using platform::Len;
using platform::Mid;

std::vector<UpdateEntry> ParseUpdateList(const std::vector<std::string>& lines, const std::string& data_folder) {
  std::vector<UpdateEntry> entries;
  std::string folder;
  for (const std::string& raw : lines) {
    const std::string line = platform::Trim(raw);
    if (line.starts_with("20") || Len(line) <= 18) continue;
    const std::string letter = Left(line, 1);
    if (letter == "D") folder = data_folder + "\\";
    if (letter == "K") folder = "ksdata\\";
    if (letter == "E") folder = "examdata\\";
    if (letter == "M") folder.clear();
    UpdateEntry e;
    e.folder = folder;
    e.stamp = Mid(line, 2, 12);
    e.name = Mid(line, 14);
    const bool has_dot = InStr(e.name, ".") > 0;
    e.local_name = has_dot ? e.name : e.name + ".mxy";
    e.remote_name = (has_dot ? Left(e.name, Len(e.name) - 4) : e.name) + ".rar";
    entries.push_back(std::move(e));
  }
  return entries;
}

bool IsPlainRelativeName(std::string_view name) {
  return !name.empty() && name.front() != '\\' && name.front() != '/' && name.find(':') == std::string_view::npos &&
         name.find("..") == std::string_view::npos;
}

std::string LocalStamp(const std::string& path) {
  struct stat st {};
  if (!platform::FileExists(path) || ::stat(platform::ResolvePath(path).c_str(), &st) != 0)
    return std::string(kMissingFileStamp);
  std::tm local{};
  const std::time_t t = st.st_mtime;
  localtime_r(&t, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y%m%d%H%M", &local);
  return text;
}

}  // namespace xpexam::frame
