#pragma once
// Reading the first lines of the installation's and the learner's text files.
#include <cstddef>
#include <string>
#include <vector>

namespace xpexam::home {

// Up to max_lines lines from the top of a text file (fewer when it is shorter). A file that
// cannot be opened is Failure 53.
std::vector<std::string> HeadLines(const std::string& path, size_t max_lines);

// Line 1 of a text file, or "" when the file is empty. Failure 53 when it cannot be opened.
std::string FirstLine(const std::string& path);

}  // namespace xpexam::home
