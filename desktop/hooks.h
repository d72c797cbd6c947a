#pragma once
// What the desktop window asks of the question bar above it. Set by app/ at start-up.
#include "platform/hook.h"

namespace xpexam::desktop {

struct DesktopHooks {
  // The bar docked at the desktop window's lower right corner.
  platform::Hook<void()> dockBar;
  // The bar above the desktop window (loading it when needed).
  platform::Hook<void()> keepBarOnTop;
  // The current question was completed: the bar's unfinished count and title follow.
  platform::Hook<void()> refreshProgress;
};

inline DesktopHooks gDesktopHooks;

}  // namespace xpexam::desktop
