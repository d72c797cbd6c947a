#include "platform/strings.h"

#include <cmath>
#include <cstdio>

#include "platform/failure.h"

namespace xpexam::platform {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offset of character index i (0-based); s.size() when past the end.
size_t ByteOffset(std::string_view s, long i) {
  size_t pos = 0;
  while (i > 0 && pos < s.size()) {
    ++pos;
    while (pos < s.size() && IsContinuation(static_cast<unsigned char>(s[pos]))) ++pos;
    --i;
  }
  return pos;
}

long CharIndex(std::string_view s, size_t byte) {
  long n = 0;
  for (size_t i = 0; i < byte && i < s.size(); ++i)
    if (!IsContinuation(static_cast<unsigned char>(s[i]))) ++n;
  return n;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

long Find(std::string_view s, std::string_view what, long start, bool nocase) {
  if (start < 1) Fail(kErrInvalidCall, "Invalid procedure call or argument");
  size_t from = ByteOffset(s, start - 1);
  if (start - 1 > Len(s)) return 0;
  if (what.empty()) return start;
  if (what.size() > s.size()) return 0;
  for (size_t i = from; i + what.size() <= s.size(); ++i) {
    if (IsContinuation(static_cast<unsigned char>(s[i]))) continue;
    bool match = true;
    for (size_t k = 0; k < what.size(); ++k) {
      char a = s[i + k], b = what[k];
      if (nocase ? Lower(a) != Lower(b) : a != b) {
        match = false;
        break;
      }
    }
    if (match) return CharIndex(s, i) + 1;
  }
  return 0;
}

}  // namespace

long Len(std::string_view s) { return CharIndex(s, s.size()); }

std::string Mid(std::string_view s, long start, long n) {
  if (start < 1 || n < 0) Fail(kErrInvalidCall, "Invalid procedure call or argument");
  size_t a = ByteOffset(s, start - 1);
  size_t b = a + ByteOffset(s.substr(a), n);
  return std::string(s.substr(a, b - a));
}

std::string Mid(std::string_view s, long start) {
  if (start < 1) Fail(kErrInvalidCall, "Invalid procedure call or argument");
  return std::string(s.substr(ByteOffset(s, start - 1)));
}

std::string Left(std::string_view s, long n) {
  if (n < 0) Fail(kErrInvalidCall, "Invalid procedure call or argument");
  return std::string(s.substr(0, ByteOffset(s, n)));
}

std::string Right(std::string_view s, long n) {
  if (n < 0) Fail(kErrInvalidCall, "Invalid procedure call or argument");
  long len = Len(s);
  if (n >= len) return std::string(s);
  return std::string(s.substr(ByteOffset(s, len - n)));
}

long InStr(std::string_view s, std::string_view what, long start) { return Find(s, what, start, false); }
long InStrNoCase(std::string_view s, std::string_view what, long start) { return Find(s, what, start, true); }

std::string LTrim(std::string_view s) {
  size_t a = s.find_first_not_of(' ');
  return a == std::string_view::npos ? std::string() : std::string(s.substr(a));
}

std::string RTrim(std::string_view s) {
  size_t b = s.find_last_not_of(' ');
  return b == std::string_view::npos ? std::string() : std::string(s.substr(0, b + 1));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

std::string Replace(std::string_view s, std::string_view what, std::string_view with) {
  if (what.empty()) return std::string(s);
  std::string out;
  size_t pos = 0;
  for (;;) {
    size_t hit = s.find(what, pos);
    if (hit == std::string_view::npos) break;
    out.append(s.substr(pos, hit - pos));
    out.append(with);
    pos = hit + what.size();
  }
  out.append(s.substr(pos));
  return out;
}

std::string UCase(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string LCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = Lower(c);
  return out;
}

std::vector<std::string> Split(std::string_view s, std::string_view sep) {
  std::vector<std::string> parts;
  if (sep.empty()) {
    parts.emplace_back(s);
    return parts;
  }
  size_t pos = 0;
  for (;;) {
    size_t hit = s.find(sep, pos);
    if (hit == std::string_view::npos) break;
    parts.emplace_back(s.substr(pos, hit - pos));
    pos = hit + sep.size();
  }
  parts.emplace_back(s.substr(pos));
  return parts;
}

std::vector<std::string> Chars(std::string_view s) {
  std::vector<std::string> out;
  size_t pos = 0;
  while (pos < s.size()) {
    size_t next = ByteOffset(s.substr(pos), 1) + pos;
    out.emplace_back(s.substr(pos, next - pos));
    pos = next;
  }
  return out;
}

std::vector<std::string> Groups(std::string_view s, long n) {
  if (n < 1) Fail(kErrInvalidCall, "Invalid procedure call or argument");
  std::vector<std::string> out;
  size_t pos = 0;
  while (pos < s.size()) {
    size_t next = ByteOffset(s.substr(pos), n) + pos;
    out.emplace_back(s.substr(pos, next - pos));
    pos = next;
  }
  return out;
}

double Val(std::string_view s) {
  std::string t;
  t.reserve(s.size());
  for (char c : s)
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') t.push_back(c);
  size_t i = 0;
  if (t.size() >= 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h' || t[1] == 'O' || t[1] == 'o')) {
    int base = (t[1] == 'H' || t[1] == 'h') ? 16 : 8;
    uint64_t v = 0;
    size_t digits = 0;
    for (i = 2; i < t.size(); ++i) {
      char c = t[i];
      int d;
      if (c >= '0' && c <= '9') d = c - '0';
      else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
      else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
      else break;
      if (d >= base) break;
      v = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
      if (++digits > 16) break;
    }
    // Up to four hex digits are a signed 16-bit value, up to eight a signed 32-bit value.
    if (base == 16 && digits <= 4 && v >= 0x8000) return static_cast<double>(static_cast<int16_t>(v));
    if (base == 16 && digits <= 8 && v >= 0x80000000ULL) return static_cast<double>(static_cast<int32_t>(v));
    return static_cast<double>(v);
  }
  // Sign, digits, point, digits, exponent: the longest prefix of that shape.
  size_t start = 0;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
  size_t mant = i;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
  }
  if (i == mant || (i == mant + 1 && t[mant] == '.')) return 0;
  size_t end = i;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
    size_t j = i + 1;
    if (j < t.size() && (t[j] == '-' || t[j] == '+')) ++j;
    size_t ed = j;
    while (j < t.size() && t[j] >= '0' && t[j] <= '9') ++j;
    if (j > ed) {
      t[i] = 'e';
      end = j;
    }
  }
  std::string num = t.substr(start, end - start);
  return std::strtod(num.c_str(), nullptr);
}

int16_t CInt(double v) {
  if (!std::isfinite(v)) Fail(kErrOverflow, "Overflow");
  double r = std::nearbyint(v);  // the default rounding mode is half to even
  if (r < -32768.0 || r > 32767.0) Fail(kErrOverflow, "Overflow");
  return static_cast<int16_t>(r);
}

int32_t CLng(double v) {
  if (!std::isfinite(v)) Fail(kErrOverflow, "Overflow");
  double r = std::nearbyint(v);
  if (r < -2147483648.0 || r > 2147483647.0) Fail(kErrOverflow, "Overflow");
  return static_cast<int32_t>(r);
}

int16_t ValInt(std::string_view s) { return CInt(Val(s)); }

std::string Str(long v) { return std::to_string(v); }

std::string ZeroPad(long v, int width) {
  std::string digits = std::to_string(v < 0 ? -v : v);
  while (static_cast<int>(digits.size()) < width) digits.insert(digits.begin(), '0');
  return v < 0 ? "-" + digits : digits;
}

std::string FormatCompact(const DateTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
  return buf;
}

std::string FormatDateTime(const DateTime& t) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
  return buf;
}

std::string FormatChineseDate(const DateTime& t) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%04d年%02d月%02d日", t.year, t.month, t.day);
  return buf;
}

bool ParseDateTime(std::string_view s, DateTime& out) {
  DateTime t;
  std::string str(Trim(s));
  int n = std::sscanf(str.c_str(), "%d-%d-%d %d:%d:%d", &t.year, &t.month, &t.day, &t.hour, &t.minute, &t.second);
  if (n != 3 && n != 6) return false;
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour < 0 || t.hour > 23 || t.minute < 0 ||
      t.minute > 59 || t.second < 0 || t.second > 59)
    return false;
  out = t;
  return true;
}

}  // namespace xpexam::platform
