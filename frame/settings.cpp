#include "frame/settings.h"

#include <array>
#include <cstdlib>

#include "forms/msgbox.h"
#include "frame/installation.h"
#include "platform/codepage.h"
#include "platform/failure.h"
#include "platform/registry.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::frame {
namespace {

using platform::Fail;
using platform::TryReport;

constexpr std::string_view kTag = kSettingsFailureTag;

// Entries 39 and 40 have no default. The maker's addresses, accounts and numbers are
// placeholders that reach nobody.
constexpr std::array<std::string_view, 41> kDefaults = {
    "Brivant",                                 // 0 title, first part
    "http://www.example.invalid",              // 1 web address
    "http://www2.example.invalid",             // 2 second web address
    "im://message/?account=10001",             // 3 chat with the first support account
    "im://message/?account=10002",             // 4 chat with the second support account
    "http://www.example.invalid/help.html",    // 5 web page
    "http://shop.example.invalid",             // 6 shop
    "Corvane",                                 // 7 company line of the About box
    "Brivo1",                                  // 8 candidate name
    "Tavrelo",                                 // 9 title, second part
    "000-00000000",                            // 10 support telephone
    "10001",                                   // 11 support chat account
    "vemo",                                    // 12 update tag
    "http://www.example.invalid",              // 13 web address
    "",                                        // 14
    "vemo",                                    // 15 registry key of the first-run record
    "www.example.invalid",                     // 16 web host
    "",                                        // 17
    "",                                        // 18
    "",                                        // 19
    "www.example.invalid",                     // 20 web host
    "bbs.example.invalid",                     // 21 web host
    "Brivant软件",                             // 22 brand with a product word
    "全国",                                    // 23
    "00000000000",                             // 24 support mobile
    "10002",                                   // 25 support chat account
    "2015",                                    // 26 link switch of the home screen
    "0",                                       // 27
    "B",                                       // 28
    "&H666666",                                // 29 footer colour
    "240",                                     // 30 footer label positions
    "5040",                                    // 31
    "7440",                                    // 32
    "9930",                                    // 33
    "2",                                       // 34 top-bar layout
    "",                                        // 35
    "",                                        // 36
    "",                                        // 37
    "",                                        // 38
    "",                                        // 39
    "",                                        // 40
};

// One character of the code page: codes below 256 are single bytes, others double bytes
// given by their 16-bit value.
void AppendCode(std::string& out, int32_t n) {
  if (n == 0) return;
  int32_t code = n > 500000 ? n - 500000 : n - 200000;
  if (code < -32768 || code > 65535) Fail(platform::kErrInvalidCall, "Invalid procedure call or argument");
  if (code < 0) code += 65536;
  // A NUL would cut paths and texts short.
  if (code == 0) return;
  std::string bytes;
  if (code > 255) bytes += static_cast<char>(code >> 8);
  bytes += static_cast<char>(code & 0xFF);
  out += platform::GbkToUtf8(bytes);
}

// Reads a coded file line by line into settings from first_entry on. A file that cannot be
// opened is reported once; a line past entry 40 is reported and ignored.
void ReadCodedFile(const std::string& path, long first_entry) {
  platform::LineReader reader;
  if (!reader.Open(path)) {
    platform::ReportFailure(kTag, platform::kErrFileNotFound, "File not found");
    return;
  }
  std::string line;
  for (long entry = first_entry; reader.Next(line); ++entry)
    TryReport(kTag, [&] { editInstallation().SetSetting(entry, DecodeSettingsLine(line)); });
}

// Type mismatch unless the text is a number as the numeric conversions read one.
int32_t ToLong(const RegData& value) {
  if (const auto* n = std::get_if<int32_t>(&value)) return *n;
  std::string text = platform::Trim(std::get<std::string>(value));
  bool numeric = false;
  if (text.size() > 2 && text[0] == '&') {
    numeric = true;  // "&H" and "&O" numbers
  } else if (!text.empty()) {
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    numeric = end && *end == '\0';
  }
  if (!numeric) Fail(platform::kErrTypeMismatch, "Type mismatch");
  return platform::CLng(platform::Val(text));
}

std::string ToText(const RegData& value) {
  if (const auto* n = std::get_if<int32_t>(&value)) return platform::Str(*n);
  return std::get<std::string>(value);
}

}  // namespace

// The runtime's message boxes show the same title.
const std::string& AppTitle() { return forms::AppTitle(); }

void SetAppTitle(std::string title) { forms::SetAppTitle(std::move(title)); }

std::string_view SettingDefault(long entry) {
  if (entry < 0 || entry > 40) Fail(platform::kErrSubscript, "Subscript out of range");
  return kDefaults[static_cast<size_t>(entry)];
}

std::string DecodeSettingsLine(std::string_view coded) {
  std::string out;
  std::vector<std::string> chars = platform::Chars(coded);
  for (size_t start = 0; start < chars.size(); start += 6) {
    std::string group;
    for (size_t i = start; i < chars.size() && i < start + 6; ++i) group += chars[i];
    TryReport(kTag, [&] { AppendCode(out, platform::CLng(platform::Val(group))); });
  }
  return out;
}

int32_t RegWrite(int32_t root, std::string_view key, std::string_view name, int type, RegData& value,
                 int32_t& size) {
  // The store holds the current user's values only.
  if (root != kHkeyCurrentUser) return kRegInvalidHandle;
  platform::RegistryValue data;
  switch (type) {
    case kRegSz:
    case kRegExpandSz: {
      std::string text = ToText(value);
      size = platform::CLng(static_cast<double>(platform::Len(text)));
      // The size counts characters, so double-byte characters cut the stored bytes short.
      std::string bytes = platform::Utf8ToGbk(text).substr(0, static_cast<size_t>(size));
      data = platform::GbkToUtf8(bytes);
      break;
    }
    case kRegDword:
      value = ToLong(value);
      size = 4;
      data = static_cast<uint32_t>(std::get<int32_t>(value));
      break;
    case kRegBinary: {
      value = ToLong(value);
      // The first size bytes of the 32-bit integer.
      uint32_t bits = static_cast<uint32_t>(std::get<int32_t>(value));
      if (size >= 0 && size < 4) bits &= (1u << (8 * size)) - 1u;
      data = bits;
      break;
    }
    default:
      return kRegOk;
  }
  return platform::RegistrySet(key, name, data) ? kRegOk : kRegAccessDenied;
}

void ReadSettings() {
  const Installation& inst = installation();
  Installation& edit = editInstallation();
  using platform::Trim;
  for (long i = 0; i <= 38; ++i) edit.SetSetting(i, std::string(kDefaults[static_cast<size_t>(i)]));

  ReadCodedFile(inst.appPath() + "\\ver.txt", 1);

  TryReport(kTag, [&] { edit.SetProductNo(platform::ValInt(inst.settings(4))); });
  edit.SetModuleName(Trim(inst.settings(1)));
  edit.SetModuleTitle(Trim(inst.settings(2)));
  edit.SetDataPath(inst.appPath() + "\\" + Trim(inst.settings(3)) + "\\");
  for (long u = 0; u <= 20; ++u) edit.SetUnitTable(u, 1, Trim(inst.settings(u + 5)));

  ReadCodedFile(inst.dataPath() + "288901.mxy", 0);

  for (long i = 0; i <= 40; ++i) edit.SetSetting(i, Trim(inst.settings(i)));

  SetAppTitle(DialogCaption());

  const std::string marker_path = inst.dataPath() + "288892.mxy";
  std::string marker;
  bool has_line = false;
  if (platform::LineReader reader; reader.Open(marker_path))
    has_line = reader.Next(marker);
  else
    platform::ReportFailure(kTag, platform::kErrFileNotFound, "File not found");
  if (!has_line || marker != "0") return;

  // The installation's record for other software of the maker; a failed write is ignored.
  const std::string key = "Software\\" + inst.settings(15);
  const std::string nn = platform::Right("0" + platform::Str(inst.productNo()), 2);
  int32_t size = 0;
  RegData path = inst.appPath() + std::string(72, '*');
  RegWrite(kHkeyCurrentUser, key, "ProPath" + nn, kRegSz, path, size);
  RegData exe = inst.appExeName() + std::string(36, '*');
  RegWrite(kHkeyCurrentUser, key, "ProName" + nn, kRegSz, exe, size);
  if (!platform::WriteTextLines(marker_path, {"1"}))
    platform::ReportFailure(kTag, platform::kErrFileIo, "Path/File access error");
}

}  // namespace xpexam::frame
