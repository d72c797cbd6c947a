// The handlers that check the learner's actions, and the load stages that belong to them.
// A handler without its check ignores the action, as every check does with an action that
// does not match.
#include "desktop/frm_main.h"

namespace xpexam::desktop {

// Menu bar.
void FrmMain::SetUpMenuBar() {}
void FrmMain::LMainMenu_MouseMove(int, int, int, double, double) {}
void FrmMain::LMainMenu_MouseUp(int, int, int, double, double) {}
void FrmMain::ImgMenuSys_Click() {}
void FrmMain::LblShuMenu_MouseMove(int, int, int, double, double) {}
void FrmMain::LblShuMenu_MouseUp(int, int, int, double, double) {}
void FrmMain::LblSubSel_MouseMove(int, int, int, double, double) {}
void FrmMain::LblSubSel_MouseUp(int, int, int, double, double) {}

// Context menus.
void FrmMain::systemMenu() {}
void FrmMain::sVemoSub_Click(int, int) {}
void FrmMain::sVemoInde_Click(int, int) {}

// Tab strip.
void FrmMain::SetUpTabStep() {}
void FrmMain::DoubleXXK() {}
void FrmMain::LblXXK_Click(int) {}

// Lists.
void FrmMain::LstLA_Click() {}
void FrmMain::ImgLiN_Click(int) {}
void FrmMain::LblADD_Click(int) {}
void FrmMain::LblADD_MouseMove(int, int, int, double, double) {}
void FrmMain::LblADDmyXZ_Click() {}

}  // namespace xpexam::desktop
