#pragma once
// What the session's windows tell whoever listens: each hook says what happened in the
// session, not what should follow. Set by app/ at start-up.
#include <cstdint>

#include "desktop/demonstration_request.h"
#include "platform/hook.h"

namespace xpexam::session {

struct SessionHooks {
  // The learner asked for the current question's demonstration; the desktop and the bar have
  // been hidden for it.
  platform::Hook<void(desktop::DemonstrationRequest request)> onDemonstrationAsked;
  // The exam's time ran out. A demonstration still playing must end at once and hand back to
  // the bar, as its own end does, for the hand-in's confirmations to come up.
  platform::Hook<void()> onTimeRanOut;
  // The session's windows are gone: the practice or exam ended, its report was left, or the
  // learner gave up at the sign-in. returnButton is the home screen's button that leads back
  // to where the session came from (sessionExit()), 0 when nothing is to be pressed.
  platform::Hook<void(int16_t returnButton)> onSessionEnded;
};

inline SessionHooks gSessionHooks;

}  // namespace xpexam::session
