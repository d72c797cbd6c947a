#pragma once
// Opening a session that the home screen has prepared in the session state (kind,
// slotOffset, questionCount, code, status, doneMark, runMode,
// listIndex).
namespace xpexam::home {

// Sets the session's file paths, its position (question 1, step 1), the first step-file line
// of every question and the bookmark bits, then shows the question bar and the desktop; the
// bar shows the first question a tick later. Failures are reported under "startlianxi".
void startLianXi();

}  // namespace xpexam::home
