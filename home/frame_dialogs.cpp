#include "home/frame_dialogs.h"

#include "frame/frm_about.h"
#include "frame/frm_updata.h"
#include "frame/module_state.h"

namespace xpexam::home {

void ShowAboutBox() { frame::FrmAbout::Get().ShowModal(); }

void ShowUpdateWindow() {
  // The update window shows itself at its first tick only when the learner opened it.
  frame::gUpdateVisible = 1;
  frame::FrmUpdata::Get().Show();
}

}  // namespace xpexam::home
