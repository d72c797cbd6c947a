#include "home/frame_dialogs.h"

#include "home/about_window.h"
#include "home/update_window.h"

namespace xpexam::home {

void ShowAboutBox(const std::string& version_caption) {
  // The footer's line as the home screen shows it, spaces and all.
  FrmAbout::Get().ShowWithVersion(version_caption);
}

void ShowUpdateWindow() {
  // The update window shows itself at its first tick only when the learner opened it.
  FrmUpdata::MarkOpenedByLearner();
  FrmUpdata::Get().Show();
}

}  // namespace xpexam::home
