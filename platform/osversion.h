#pragma once
// The operating system's version as the error report and the session log carry it.
#include <string>
#include <string_view>

namespace xpexam::platform {

// "major.minor" of the running kernel, or "Unknown" when it cannot be told.
std::string OsVersion();

// "major.minor" from a kernel release text such as "6.1.0-18-amd64"; "Unknown" when the
// text does not begin with two dot-separated numbers.
std::string OsVersionFromRelease(std::string_view release);

}  // namespace xpexam::platform
