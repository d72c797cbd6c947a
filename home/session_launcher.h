#pragma once
// Opening a session that the home screen has prepared in the session state (kind,
// slotOffset, questionCount, code, status, doneMark, runMode,
// listIndex).
namespace xpexam::home {

// Sets the session's file paths, its position (question 1, step 1), the first step-file line
// of every question and the bookmark bits, then shows the question bar and the desktop; the
// bar shows the first question a tick later. Failures are reported under "startlianxi".
void startLianXi();

// Leaves the home screen for the session BeginSession has set up: an exam goes through the
// simulated sign-in, which shows the bar and the desktop; a practice shows them at once, and the
// bar shows the first question a tick later.
void ShowSession();

}  // namespace xpexam::home
