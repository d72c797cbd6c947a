#pragma once
// What starts a demonstration: the question it plays and what its starter wants while it plays
// and at its end. Built by the question bar, read by the demonstration; it lives here, below
// both, so that neither reaches into the other.
#include <functional>
#include <string>

namespace xpexam::desktop {

struct DemonstrationRequest {
  // The question's text as the learner reads it; shown in the demonstration's corner.
  std::string question_text;
  // Each step laid out, before the demonstration comes to the front.
  std::function<void()> on_step_shown;
  // The run ended and the demonstration has unloaded.
  std::function<void()> on_end;
};

}  // namespace xpexam::desktop
