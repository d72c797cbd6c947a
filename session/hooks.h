#pragma once
// What the session's windows ask of the windows above or beside them. Set by app/ at start-up.
#include "platform/hook.h"

namespace xpexam::session {

struct SessionHooks {
  // Shows the demonstration window (loading it starts replaying the current question).
  platform::Hook<void()> showDemo;
  // Enables the home screen's one-shot return timer, which presses gReturnButton.
  platform::Hook<void()> enableHomeReturn;
  // Shows the home screen (loading it builds it).
  platform::Hook<void()> showHome;
  // Ends a demonstration that is playing at once and hands back to the bar, as its own end does.
  platform::Hook<void()> endDemo;
};

inline SessionHooks gSessionHooks;

}  // namespace xpexam::session
