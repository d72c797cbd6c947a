#pragma once
// What the desktop window tells whoever listens: it publishes what happened on it and does not
// know who acts on it. Set by app/ at start-up.
#include <cstdint>

#include "platform/hook.h"

namespace xpexam::desktop {

struct DesktopHooks {
  // The window took its place on the screen: loaded, or moved by its title strip.
  platform::Hook<void()> onLaidOut;
  // A step is loading or has been set up; the window comes to the front right after.
  platform::Hook<void()> onStepLoaded;
  // The question was completed: its final record was loaded or confirmed.
  platform::Hook<void(int16_t question)> onQuestionCompleted;
};

inline DesktopHooks gDesktopHooks;

}  // namespace xpexam::desktop
