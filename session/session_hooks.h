#pragma once
// What the question bar asks of windows that live outside the session folder. The program
// wires them at start-up; an unset hook does nothing.
#include <functional>

namespace xpexam::session {

// Shows the demonstration window (loading it starts replaying the current question).
inline std::function<void()> ShowDemoWindow;
// Ends a demonstration that is playing at once and hands back to the bar, as its own end does.
inline std::function<void()> EndDemoWindow;
// Enables the home screen's one-shot return timer, which presses gReturnButton.
inline std::function<void()> EnableHomeReturn;

}  // namespace xpexam::session
