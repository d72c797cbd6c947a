#include "session/question_index.h"

#include "desktop/session_plan.h"
#include "platform/textfile.h"

namespace xpexam::session {
namespace {
std::string& LastLine() {
  static std::string the;
  return the;
}
}  // namespace

const std::string& ReadIndexLine(long position) {
  platform::LineReader index(desktop::plan().indexFile());
  std::string line;
  for (long count = 0; count < position && index.Next(line); ++count) LastLine() = line;
  return LastLine();
}

void KeepIndexLine(std::string line) { LastLine() = std::move(line); }

void ForgetIndexLine() { LastLine().clear(); }

}  // namespace xpexam::session
