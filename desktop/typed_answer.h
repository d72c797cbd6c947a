#pragma once
// How a typing step compares what the learner typed or selected with its answer. The answer
// text holds two alternatives separated by the first "|" (TypingAlternatives); trimming
// removes spaces only, and case folding touches the ASCII letters only.
#include <optional>
#include <string>
#include <string_view>

#include "desktop/step_record.h"

namespace xpexam::desktop {

// Case and surrounding spaces ignored; either alternative.
bool MatchesRelaxed(std::string_view typed, const TypingAnswers& answers);
// Surrounding spaces ignored, case significant; either alternative.
bool MatchesExact(std::string_view typed, const TypingAnswers& answers);
// Surrounding spaces ignored, case significant, the answer text not split at "|".
bool MatchesWhole(std::string_view typed, std::string_view answer_text);
// The typed text keeping only the printable single-byte characters (33 to 126): no spaces,
// no control characters, no double-byte characters such as Chinese ones.
std::string PrintableOnly(std::string_view typed);
// Enter confirms the text as typed or in its printable-only form, each compared relaxed.
bool MatchesOnEnter(std::string_view typed, const TypingAnswers& answers);
// The selected text, untrimmed, against the trimmed hint text, case ignored.
bool SelectionMatches(std::string_view selected, std::string_view hint_text);

// Line n of the step text file from its fourth character, as the desktop reads it: a number
// past the end gives the file's last line (banks rely on it). Nothing when n is below 1 or
// the file is missing or empty.
std::optional<std::string> StepTextOrLast(const std::string& text_file, long n);

// The text of a step-text line named by a record ("000": empty), from the step text file.
std::string StepTextOf(const TextLineRef& line, const std::string& text_file);

}  // namespace xpexam::desktop
