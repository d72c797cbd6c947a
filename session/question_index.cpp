#include "session/question_index.h"

#include <string>

#include "desktop/session_plan.h"
#include "platform/textfile.h"

namespace xpexam::session {
namespace {
desktop::IndexLine& LastLine() {
  static desktop::IndexLine the;
  return the;
}
}  // namespace

const desktop::IndexLine& ReadIndexLine(long position) {
  platform::LineReader index(desktop::plan().indexFile());
  std::string line;
  for (long count = 0; count < position && index.Next(line); ++count) LastLine() = desktop::IndexLine(line);
  return LastLine();
}

void KeepIndexLine(desktop::IndexLine line) { LastLine() = std::move(line); }

void ForgetIndexLine() { LastLine() = desktop::IndexLine(); }

}  // namespace xpexam::session
