#pragma once
// What the demonstration asks of the question bar beside it. Set by app/ at start-up.
#include <string>

#include "platform/hook.h"

namespace xpexam::demo {

struct DemoHooks {
  // The question's text as the bar shows it.
  platform::Hook<std::string()> barQuestionText;
  // The bar above the demonstration, when it is loaded.
  platform::Hook<void()> keepBarOnTop;
  // The demonstration ended: the bar re-reads the question and shows itself again.
  platform::Hook<void()> resumeBar;
};

inline DemoHooks gDemoHooks;

}  // namespace xpexam::demo
