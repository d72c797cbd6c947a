#include "session/record_files.h"

#include <algorithm>

#include "frame/installation.h"
#include "frame/settings.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::session {

using platform::Len;
using platform::Mid;

std::string RecordPath(std::string_view file_name) {
  return frame::installation().appPath() + "\\ksdata\\" + std::string(file_name);
}
std::string UnitProgressFile() { return RecordPath("288893.mxy"); }
std::string BookmarkListFile() { return RecordPath("288862.mxy"); }
std::string BookmarkFlagFile() { return RecordPath("288872.mxy"); }
std::string WrongListFile() { return RecordPath("288863.mxy"); }
std::string WrongFlagFile() { return RecordPath("288873.mxy"); }
std::string PaperHistoryFile() { return RecordPath("288892.mxy"); }
std::string RandomPaperListFile() { return RecordPath("288891.mxy"); }
std::string PaperWrongFile(int paper) { return RecordPath("1824" + platform::ZeroPad(paper, 2) + ".mxy"); }

// A file that cannot be opened reads as no lines: the reader answers that, it never fails.
std::string ReadRecordLine(const std::string& path) {
  std::string line;
  platform::LineReader reader(path);
  if (reader.Next(line)) line = platform::Trim(line);
  return line;
}

std::vector<std::string> ReadRecordLines(const std::string& path, int max_lines) {
  std::vector<std::string> table(static_cast<size_t>(max_lines > 0 ? max_lines : 0));
  platform::LineReader reader(path);
  std::string line;
  for (auto& slot : table) {
    if (!reader.Next(line)) break;
    slot = line;
  }
  return table;
}

bool WriteRecordLine(const std::string& path, std::string_view text) {
  return platform::WriteTextLines(path, {std::string(text)});
}

bool WriteRecordLines(const std::string& path, const std::vector<std::string>& lines) {
  std::vector<std::string> all = lines;
  all.emplace_back();
  return platform::WriteTextLines(path, all);
}

std::string CodeText(long code) { return platform::Right("0000" + platform::Str(code), 4); }

long CodeCount(std::string_view list) { return Len(list) / 4; }

std::string CodeAt(std::string_view list, long entry) {
  if (entry < 1) return "";
  return Mid(list, 4 * entry - 3, 4);
}

std::string KeyedCopy(std::string_view list) {
  std::string keyed;
  keyed.reserve(list.size() + list.size() / 4 + 1);
  for (const std::string& code : platform::Groups(list, 4))
    if (Len(code) == 4) keyed += "_" + code;
  return keyed;
}

long FindInKeyed(std::string_view keyed, std::string_view code) {
  if (code.empty()) return 0;
  return platform::InStr(keyed, code);
}

bool ListHasCode(std::string_view list, std::string_view code) {
  return FindInKeyed(KeyedCopy(list), code) > 0;
}

std::string AppendCodes(std::string_view list, const std::vector<std::string>& codes) {
  const std::string keyed = KeyedCopy(list);
  std::string out(list);
  for (const auto& code : codes)
    if (FindInKeyed(keyed, code) == 0) out += code;
  return out;
}

std::string ExtendFlags(std::string_view flags, long code_count) {
  return platform::Left(std::string(flags) + std::string(40, 'F'), code_count < 0 ? 0 : code_count);
}

ListWithFlags RemoveCodes(std::string_view list, std::string_view flags, const std::vector<std::string>& codes) {
  std::string keyed = KeyedCopy(list);
  std::string new_flags(flags);
  for (const auto& code : codes) {
    const long k = FindInKeyed(keyed, code);
    if (k == 0) continue;
    const long e = EntryOfKeyedPosition(k);
    keyed = platform::Replace(keyed, "_" + code, "");
    if (e <= Len(new_flags)) new_flags = platform::Left(new_flags, e - 1) + Mid(new_flags, e + 1);
  }
  return {platform::Replace(keyed, "_", ""), new_flags};
}

std::string MarkFlagsWhole(std::string_view flags, const std::vector<bool>& completed) {
  std::vector<std::string> chars = platform::Chars(flags);
  for (size_t i = 0; i < completed.size() && i < chars.size(); ++i)
    if (completed[i]) chars[i] = "T";
  std::string out;
  out.reserve(flags.size());
  for (const std::string& c : chars) out += c;
  return out;
}

std::string MarkFlagsUnreviewed(std::string_view flags, const std::vector<bool>& completed) {
  std::string out;
  size_t j = 0;
  for (const auto& c : platform::Chars(flags)) {
    if (c == "F") {
      out += (j < completed.size() && completed[j]) ? "T" : "F";
      ++j;
    } else {
      out += c;
    }
  }
  return out;
}

void AppendToList(const std::string& list_file, const std::string& flag_file,
                  const std::vector<std::string>& codes) {
  const std::string list = AppendCodes(ReadRecordLine(list_file), codes);
  WriteRecordLine(list_file, list);
  WriteRecordLine(flag_file, ExtendFlags(ReadRecordLine(flag_file), CodeCount(list)));
}

void RemoveFromList(const std::string& list_file, const std::string& flag_file,
                    const std::vector<std::string>& codes) {
  const ListWithFlags after = RemoveCodes(ReadRecordLine(list_file), ReadRecordLine(flag_file), codes);
  WriteRecordLine(list_file, after.list);
  WriteRecordLine(flag_file, after.flags);
}

std::vector<std::string> ReadPaperHistory() {
  std::vector<std::string> table(kHistoryTableLines);
  static const std::string_view kDefaults[] = {kNeverSat, "0", "E"};
  for (int i = 0; i < kHistoryTableLines; ++i) table[static_cast<size_t>(i)] = std::string(kDefaults[i % 3]);
  platform::LineReader reader(PaperHistoryFile());
  std::string line;
  for (auto& slot : table) {
    if (!reader.Next(line)) break;
    slot = line;
  }
  return table;
}

bool WritePaperHistory(const std::vector<std::string>& table) {
  std::vector<std::string> lines(table.begin(), table.begin() + std::min<size_t>(table.size(), 3 * kPaperRecords));
  lines.resize(3 * kPaperRecords);
  return WriteRecordLines(PaperHistoryFile(), lines);
}

}  // namespace xpexam::session
