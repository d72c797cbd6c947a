#pragma once
// The update list of a module: its version stamp, its entries and the names derived from them.
#include <string>
#include <string_view>
#include <vector>

namespace xpexam::frame {

// Stamp of a file that does not exist: older than any listed file.
inline constexpr std::string_view kMissingFileStamp = "190011011030";

struct UpdateEntry {
  std::string folder;       // location folder below the program folder: "<data>\", "ksdata\", "examdata\" or ""
  std::string stamp;        // "YYYYMMDDHHMM"
  std::string name;         // the file name as listed
  std::string local_name;   // the name it is stored under: ".mxy" added when it has no "."
  std::string remote_name;  // the name on the server: the extension (or 4 last characters) become ".rar"
};

// Entries in list order. Lines are trimmed; version lines (beginning with "20") and lines of
// 18 characters or fewer are no entries. A location letter other than D, K, E and M keeps the
// folder of the entry before (the program folder before the first).
std::vector<UpdateEntry> ParseUpdateList(const std::vector<std::string>& lines, const std::string& data_folder);

// A name that stays inside its folder: relative, without "..", a drive or any ":".
bool IsPlainRelativeName(std::string_view name);

// The file's last change in local time, "YYYYMMDDHHMM"; kMissingFileStamp when it does not exist.
std::string LocalStamp(const std::string& path);

}  // namespace xpexam::frame
