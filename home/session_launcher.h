#pragma once
// Showing a session that desktop::BeginSession has set up.
namespace xpexam::home {

// Leaves the home screen for the session: an exam goes through the simulated sign-in, which
// shows the bar and the desktop; a practice shows them at once, and the bar shows the first
// question a tick later.
void ShowSession();

}  // namespace xpexam::home
