#pragma once
// The demonstration's own reading of the step file and the step text file: a number past the
// end gives the file's last line, as the demonstration has always shown it.
#include <optional>
#include <string>

namespace xpexam::demo {

// Line n (1-based) of a text file, or its last line when it has fewer; nullopt when the file
// cannot be opened or is empty.
// past_end is set when the file has fewer than n lines.
std::optional<std::string> ReadLineOrLast(const std::string& path, long n, bool* past_end = nullptr);

// Step text line `digits` (three digits, "000" = none) of textFile from its fourth
// character; empty for "000" or an unreadable file.
std::string DemoStepText(const std::string& digits);

}  // namespace xpexam::demo
