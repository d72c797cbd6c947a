#pragma once
// The frame's dialogs that the home screen opens.
namespace xpexam::home {

// The About box, modal: returns when it has been closed.
void ShowAboutBox();
// The question-bank update window, modeless, marked as opened by the learner (gUpdateVisible).
void ShowUpdateWindow();

}  // namespace xpexam::home
