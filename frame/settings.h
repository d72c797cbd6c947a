#pragma once
// The installation settings: the settings table from built-in defaults, ver.txt and the
// branding file, the values derived from it, the application title and the first-run record.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>


namespace xpexam::frame {

// The process-wide title: system message boxes given no title of their own show it.
const std::string& AppTitle();
void SetAppTitle(std::string title);

// The procedure name the settings reader's failures are logged and reported under, as the
// error log and the report server know it.
inline constexpr std::string_view kSettingsFailureTag = "readInfo";

// Fills settings, productNo, moduleName, moduleTitle, dataPath, unitTable column 1 and
// the application title; writes the first-run record once per installation. Every failing
// statement is reported under kSettingsFailureTag and skipped.
void ReadSettings();

// Decodes one line of the settings files: six-digit groups, one character each (200000 or
// 500000 plus the code page value). A group with an impossible code is reported under
// kSettingsFailureTag and adds nothing.
std::string DecodeSettingsLine(std::string_view coded);

// The built-in default of a settings entry (0 to 40).
std::string_view SettingDefault(long entry);

// Registry roots and value types as the registry routine takes them.
inline constexpr int32_t kHkeyCurrentUser = static_cast<int32_t>(0x80000001u);
inline constexpr int kRegSz = 1;
inline constexpr int kRegExpandSz = 2;
inline constexpr int kRegBinary = 3;
inline constexpr int kRegDword = 4;

// Registry error codes returned by RegWrite.
inline constexpr int32_t kRegOk = 0;
inline constexpr int32_t kRegAccessDenied = 5;
inline constexpr int32_t kRegInvalidHandle = 6;

using RegData = std::variant<std::string, int32_t>;

// Creates the key below the root when missing and writes one value. Strings are stored as
// their first size bytes in the code page, size being their length in characters (no
// terminating zero); numbers as 32-bit integers, replacing the caller's value. The size used
// comes back in size for strings and 32-bit numbers. Returns 0 or a registry error code; an
// unknown type writes nothing. A text that is not a number is a type mismatch (Failure 13)
// for the number types.
int32_t RegWrite(int32_t root, std::string_view key, std::string_view name, int type, RegData& value,
                 int32_t& size);

}  // namespace xpexam::frame
