#pragma once
// Telling the learner that an action's record files could not be written. The action opens a
// platform::WriteFailureWatch over its writes, then calls TellIfNotSaved once with the watch's
// first error: one box comes up however many files failed. The files themselves stay as they
// were (platform/textfile.h).
#include <string_view>

namespace xpexam::session {

// What was not saved, as the box says it.
inline constexpr std::string_view kPracticeNotSaved = "本次练习的进度未能保存。";
inline constexpr std::string_view kExamNotSaved = "本次考试的成绩记录未能保存。";
inline constexpr std::string_view kChangeNotSaved = "本次更改未能保存。";

// For a write error (errno) other than 0: the program's message box with the sentence and the
// reason, worded as the system's own Chinese messages word it (the error number for one they
// do not name). Nothing for 0, when every write went through. A picture of the box that cannot
// be loaded is reported under tag, or passed over when tag is empty.
void TellIfNotSaved(int write_error, std::string_view tag, std::string_view what);

}  // namespace xpexam::session
