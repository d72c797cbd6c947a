#include "demo/demo_files.h"

#include <algorithm>

#include "desktop/session_plan.h"
#include "platform/codepage.h"
#include "platform/line_index.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::demo {

std::optional<std::string> ReadLineOrLast(const std::string& path, long n, bool* past_end) {
  const auto count = platform::CountLines(path);
  if (!count) return std::nullopt;
  const long take = std::min(n, *count);
  if (past_end) *past_end = take < n;
  if (take < 1) return std::nullopt;
  const auto raw = platform::ReadRawLineAt(path, take);
  if (!raw) return std::nullopt;
  return platform::GbkToUtf8(*raw);
}

std::string DemoStepText(const std::string& digits) {
  if (digits == "000") return "";
  const auto line = ReadLineOrLast(desktop::plan().textFile(), platform::Val(digits) >= 1 ? static_cast<long>(platform::Val(digits)) : 1);
  return line ? platform::Mid(*line, 4) : std::string();
}

}  // namespace xpexam::demo
