#pragma once
// What the frame's windows tell the layers above them. Set by app/ at start-up.
#include "platform/hook.h"

namespace xpexam::frame {

struct FrameHooks {
  // The start-up is done: the start window is about to unload. Whatever comes next may end the
  // program (the home screen's build does when the bank belongs to another module).
  platform::Hook<void()> onStartUpFinished;
};

inline FrameHooks gFrameHooks;

}  // namespace xpexam::frame
