#pragma once
// The frame's dialogs that the home screen opens.
#include <string>

namespace xpexam::home {

// The About box, modal, with the home screen's version line: returns when it has been closed.
void ShowAboutBox(const std::string& version_caption);
// The question-bank update window, modeless, marked as opened by the learner.
void ShowUpdateWindow();

}  // namespace xpexam::home
