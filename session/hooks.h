#pragma once
// What the session's windows ask of the windows above or beside them. Set by app/ at start-up.
#include "desktop/demonstration_request.h"
#include "platform/hook.h"

namespace xpexam::session {

struct SessionHooks {
  // Starts the demonstration of the current question for the request.
  platform::Hook<void(desktop::DemonstrationRequest request)> startDemo;
  // Enables the home screen's one-shot return timer, which presses the session exit's return button.
  platform::Hook<void()> enableHomeReturn;
  // Shows the home screen (loading it builds it).
  platform::Hook<void()> showHome;
  // Ends a demonstration that is playing at once and hands back to the bar, as its own end does.
  platform::Hook<void()> endDemo;
};

inline SessionHooks gSessionHooks;

}  // namespace xpexam::session
