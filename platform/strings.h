#pragma once
// The string rules the system's texts follow. Positions and lengths count characters
// (UTF-8 code points), 1-based, and never fail past the end of a text.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xpexam::platform {

// Number of characters.
long Len(std::string_view s);
// Up to n characters from character position start (1-based); start past the end gives "".
// A start below 1 or a negative count is an invalid call (Failure 5).
std::string Mid(std::string_view s, long start, long n);
std::string Mid(std::string_view s, long start);
std::string Left(std::string_view s, long n);
std::string Right(std::string_view s, long n);
// Character position (1-based) of the first occurrence of what at or after start; 0 when none.
// An empty what is found at start (when start is within the text).
long InStr(std::string_view s, std::string_view what, long start = 1);
// Same, ignoring ASCII letter case.
long InStrNoCase(std::string_view s, std::string_view what, long start = 1);
// Removes spaces (only the space character) at both ends.
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);
std::string Replace(std::string_view s, std::string_view what, std::string_view with);
std::string UCase(std::string_view s);
std::string LCase(std::string_view s);
// Splits on a separator; an empty text gives one empty part.
std::vector<std::string> Split(std::string_view s, std::string_view sep);
// The characters of a text, one string each.
std::vector<std::string> Chars(std::string_view s);
// The text cut into pieces of n characters (n >= 1), the last one possibly shorter; one pass,
// where Mid in a loop would rescan the text at every step.
std::vector<std::string> Groups(std::string_view s, long n);

// Numeric reading of a text: blanks (spaces and tabs) are ignored anywhere, a leading minus
// or plus is allowed, digits with an optional decimal point and exponent, reading stops at the
// first other character, and a text that does not begin with a number reads as 0.
// "&H" begins a hexadecimal number and "&O" an octal one.
double Val(std::string_view s);

// Half-to-even rounding to 16 and 32 bits; out of range is Failure 6 (overflow).
int16_t CInt(double v);
int32_t CLng(double v);
// Val then CInt: how numeric fields of the system's files are read.
int16_t ValInt(std::string_view s);

// Decimal text of a whole number, without a leading blank.
std::string Str(long v);
// Right-aligned with leading zeros to the width ("Format(n, "00")").
std::string ZeroPad(long v, int width);

// Local date and time.
struct DateTime {
  int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
  friend bool operator==(const DateTime&, const DateTime&) = default;
};
std::string FormatCompact(const DateTime& t);      // "YYYYMMDDHHMMSS"
std::string FormatDateTime(const DateTime& t);     // "YYYY-MM-DD HH:MM:SS"
std::string FormatChineseDate(const DateTime& t);  // "yyyy年mm月dd日"
// Parses "YYYY-MM-DD HH:MM:SS" (the time may be missing); false when it is not such a text.
bool ParseDateTime(std::string_view s, DateTime& out);

}  // namespace xpexam::platform
