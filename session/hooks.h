#pragma once
// What the session's windows tell whoever listens: each hook says what happened in the
// session, not what should follow. Set by app/ at start-up.
#include <cstdint>

#include "desktop/demonstration_request.h"
#include "desktop/session_kind.h"
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
  // learner gave up at the sign-in. returnPanel is the home screen's panel that leads back to
  // where the session came from (sessionExit()), kNone when none is to be opened.
  platform::Hook<void(desktop::HomePanel returnPanel)> onSessionEnded;
};

inline SessionHooks gSessionHooks;

}  // namespace xpexam::session
