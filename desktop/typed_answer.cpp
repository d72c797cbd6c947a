#include "desktop/typed_answer.h"

#include "platform/codepage.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::desktop {

using platform::LCase;
using platform::Trim;

bool MatchesRelaxed(std::string_view typed, const TypingAnswers& answers) {
  const std::string t = LCase(Trim(typed));
  return t == LCase(Trim(answers.first)) || t == LCase(Trim(answers.second));
}

bool MatchesExact(std::string_view typed, const TypingAnswers& answers) {
  const std::string t = Trim(typed);
  return t == Trim(answers.first) || t == Trim(answers.second);
}

bool MatchesWhole(std::string_view typed, std::string_view answer_text) { return Trim(typed) == Trim(answer_text); }

std::string PrintableOnly(std::string_view typed) {
  std::string kept;
  // Bytes of a multi-byte UTF-8 character are all above 127, so they drop out with it.
  for (char c : typed)
    if (c >= 33 && c <= 126) kept += c;
  return kept;
}

bool MatchesOnEnter(std::string_view typed, const TypingAnswers& answers) {
  return MatchesRelaxed(typed, answers) || MatchesRelaxed(PrintableOnly(typed), answers);
}

bool SelectionMatches(std::string_view selected, std::string_view hint_text) {
  return LCase(selected) == LCase(Trim(hint_text));
}

std::optional<std::string> StepTextOrLast(const std::string& text_file, long n) {
  if (auto text = ReadStepText(text_file, n)) return text;
  if (n < 1) return std::nullopt;
  // Past the end: the lookup found no such line, so the last one is read. Rare, so a scan.
  platform::LineReader reader(text_file);
  std::string raw;
  std::optional<std::string> last;
  while (reader.NextRaw(raw)) last = raw;
  if (!last) return std::nullopt;
  return platform::Mid(platform::GbkToUtf8(*last), 4);
}

std::string StepTextOf(const TextLineRef& line, const std::string& text_file) {
  if (line.IsNone()) return "";
  return StepTextOrLast(text_file, line.Number()).value_or("");
}

}  // namespace xpexam::desktop
