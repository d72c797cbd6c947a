#include "platform/osversion.h"

#include <sys/utsname.h>

namespace xpexam::platform {
namespace {

// Digits at the front of text, removed from it; empty when there are none.
std::string_view TakeNumber(std::string_view& text) {
  size_t n = 0;
  while (n < text.size() && text[n] >= '0' && text[n] <= '9') ++n;
  std::string_view number = text.substr(0, n);
  text.remove_prefix(n);
  // "007" is written as 7, as a number would be.
  while (number.size() > 1 && number.front() == '0') number.remove_prefix(1);
  return number;
}

}  // namespace

std::string OsVersionFromRelease(std::string_view release) {
  std::string_view major = TakeNumber(release);
  if (major.empty() || release.empty() || release.front() != '.') return "Unknown";
  release.remove_prefix(1);
  std::string_view minor = TakeNumber(release);
  if (minor.empty()) return "Unknown";
  return std::string(major) + "." + std::string(minor);
}

std::string OsVersion() {
  utsname u{};
  if (::uname(&u) != 0) return "Unknown";
  return OsVersionFromRelease(u.release);
}

}  // namespace xpexam::platform
