#pragma once
// The question bar's function buttons (CmdGN 0 to 11) by what they do. Button i shows the
// picture "l010" + i in two digits; a timed exam gives the bookmark pair faces of its own.

namespace xpexam::session::bar_button {

// A run of button numbers, both ends included.
struct Range {
  int first, last;
};

inline constexpr Range kAll{0, 11};

// The top row.
inline constexpr int kPrevious = 0;
inline constexpr int kNext = 1;
inline constexpr int kRestartQuestion = 2;  // the question again from its first step
inline constexpr int kBookmark = 3;
inline constexpr int kClearBookmark = 11;  // in kBookmark's place while the question is bookmarked
inline constexpr int kNumberPage = 4;

// The bottom row: practice shows the first three, a timed exam the other three in their places.
inline constexpr int kSaveAndExit = 5;
inline constexpr int kHints = 6;
inline constexpr int kDemonstration = 7;
inline constexpr int kHandIn = 8;
inline constexpr int kCandidate = 9;  // the candidate panel
inline constexpr int kSeeAnswer = 10;  // the answer prompt, which turns the exam into practice
inline constexpr Range kPracticeRow{5, 7};
inline constexpr Range kExamRow{8, 10};

}  // namespace xpexam::session::bar_button
