#include "home/frame_dialogs.h"

namespace xpexam::home {

// The About box and the update window are built with the frame's common windows; these two
// calls are where the home screen reaches them.
void ShowAboutBox() {}

void ShowUpdateWindow() {}

}  // namespace xpexam::home
