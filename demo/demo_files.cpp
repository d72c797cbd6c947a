#include "demo/demo_files.h"

#include "frame/module_state.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::demo {

std::optional<std::string> ReadLineOrLast(const std::string& path, long n, bool* past_end) {
  platform::LineReader reader;
  if (!reader.Open(path)) return std::nullopt;
  std::optional<std::string> last;
  std::string line;
  long count = 0;
  for (; count < n && reader.Next(line); ++count) last = line;
  if (past_end) *past_end = count < n;
  return last;
}

std::string DemoStepText(const std::string& digits) {
  if (digits == "000") return "";
  const auto line = ReadLineOrLast(frame::gTextFile, platform::Val(digits) >= 1 ? static_cast<long>(platform::Val(digits)) : 1);
  return line ? platform::Mid(*line, 4) : std::string();
}

}  // namespace xpexam::demo
