#pragma once
// The learner's record files in the program folder's ksdata folder: unit progress, the
// bookmark and wrong-answer lists with their review flags, the paper history and one
// wrong-answer file per paper. Every file is GBK text with CRLF line ends, read line by line
// from the top and always rewritten whole; a missing or unreadable file reads as empty.
//
// Codes are four digits UUQQ (unit from 0, question from 1); a code list is codes written one
// after another, so entry i is characters 4i-3 to 4i. Flags are one "T"/"F" per list entry.
#include <string>
#include <string_view>
#include <vector>

namespace xpexam::session {

// --- Paths (program folder + "\ksdata\" + name) ---
std::string RecordPath(std::string_view file_name);
std::string UnitProgressFile();     // 288893.mxy: line u+1 = unit u, character QQ = question QQ
std::string BookmarkListFile();     // 288862.mxy
std::string BookmarkFlagFile();     // 288872.mxy
std::string WrongListFile();        // 288863.mxy
std::string WrongFlagFile();        // 288873.mxy
std::string PaperHistoryFile();     // 288892.mxy
std::string RandomPaperListFile();  // 288891.mxy (the ksdata one, not the data folder's)
std::string PaperWrongFile(int paper);  // 1824NN.mxy, NN = paper 00 to 29

// --- Reading and writing ---
// First line trimmed of blanks; "" when the file is missing, empty or unreadable.
std::string ReadRecordLine(const std::string& path);
// Up to max_lines lines from the top, padded with empty lines to exactly max_lines.
std::vector<std::string> ReadRecordLines(const std::string& path, int max_lines);
// One-line file: the text and CRLF. False when it could not be written (old file kept).
bool WriteRecordLine(const std::string& path, std::string_view text);
// Multi-line file: every line with CRLF, then one more CRLF, so the file ends with an empty line.
bool WriteRecordLines(const std::string& path, const std::vector<std::string>& lines);

// --- Code lists ---
std::string CodeText(long code);              // last four characters of "0000" & code
long CodeCount(std::string_view list);        // length / 4
std::string CodeAt(std::string_view list, long entry);  // entry 1-based; "" beyond the end
// "_" before every code: "01021507" -> "_0102_1507", so a code never matches across neighbours.
std::string KeyedCopy(std::string_view list);
// Position (1-based) of the code in the keyed copy; 0 when absent.
long FindInKeyed(std::string_view keyed, std::string_view code);
// The list entry (1-based) a keyed position belongs to.
inline long EntryOfKeyedPosition(long k) { return (k + 3) / 5; }
bool ListHasCode(std::string_view list, std::string_view code);

// Appends each code not already in the list (the test is against the list as it was).
std::string AppendCodes(std::string_view list, const std::vector<std::string>& codes);
// The old flags followed by 40 "F", cut to code_count characters.
std::string ExtendFlags(std::string_view flags, long code_count);

struct ListWithFlags {
  std::string list;
  std::string flags;
  friend bool operator==(const ListWithFlags&, const ListWithFlags&) = default;
};
// Removes every listed code with its flag; codes the list does not hold are ignored.
ListWithFlags RemoveCodes(std::string_view list, std::string_view flags, const std::vector<std::string>& codes);

// Whole-list review: flag i turns "T" when completed[i-1]; flags past the line's end stay absent.
std::string MarkFlagsWhole(std::string_view flags, const std::vector<bool>& completed);
// Unreviewed review: the j-th "F" of the line belongs to session question j.
std::string MarkFlagsUnreviewed(std::string_view flags, const std::vector<bool>& completed);

// --- File-level operations, each opening and closing its files itself ---
// Appends the codes to the list file and extends its flag file; both files are rewritten.
void AppendToList(const std::string& list_file, const std::string& flag_file,
                  const std::vector<std::string>& codes);
// Removes the codes and their flags; both files are rewritten.
void RemoveFromList(const std::string& list_file, const std::string& flag_file,
                    const std::vector<std::string>& codes);

// --- Paper history ---
inline constexpr int kPaperRecords = 30;
inline constexpr int kHistoryTableLines = 100;
inline constexpr std::string_view kNeverSat = "您还未考试！";
// A table of 100 lines: defaults ("您还未考试！", "0", "E" per record) overwritten by the file's
// lines from the top. Record p is lines 3p+1..3p+3, i.e. table[3p], table[3p+1], table[3p+2].
std::vector<std::string> ReadPaperHistory();
// Writes the first 30 records (90 lines) and the closing empty line.
bool WritePaperHistory(const std::vector<std::string>& table);

}  // namespace xpexam::session
