#include "home/head_lines.h"

#include "platform/failure.h"
#include "platform/textfile.h"

namespace xpexam::home {

std::vector<std::string> HeadLines(const std::string& path, size_t max_lines) {
  platform::LineReader reader;
  if (!reader.Open(path)) platform::Fail(platform::kErrFileNotFound, "File not found");
  std::vector<std::string> lines;
  std::string line;
  while (lines.size() < max_lines && reader.Next(line)) lines.push_back(line);
  return lines;
}

std::string FirstLine(const std::string& path) {
  std::vector<std::string> lines = HeadLines(path, 1);
  return lines.empty() ? std::string() : lines.front();
}

}  // namespace xpexam::home
