#pragma once
// A step record for tests: 199 zeros with fields written over it at their 1-based positions
// (ASCII fields only).
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace xpexam::testing {

inline std::string StepLine(std::initializer_list<std::pair<long, std::string_view>> fields) {
  std::string line(199, '0');
  for (const auto& [pos, text] : fields) line.replace(static_cast<size_t>(pos - 1), text.size(), text);
  return line;
}

}  // namespace xpexam::testing
