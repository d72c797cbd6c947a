#pragma once
// What the frame's windows ask of the windows above them. Set by app/ at start-up.
#include "platform/hook.h"

namespace xpexam::frame {

struct FrameHooks {
  // The start-up's end: show the home screen (loading it builds it, and may end the program).
  platform::Hook<void()> showHome;
  // The close of the input-method help window: the desktop window back to its normal state and
  // shown, the question bar back to 4980 x 3630 design twips docked at the desktop window's lower
  // right corner, its mini bar hidden (the bar's own restore from the mini bar).
  platform::Hook<void()> restoreDesktopAndBar;
};

inline FrameHooks gFrameHooks;

}  // namespace xpexam::frame
