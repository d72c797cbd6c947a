// The simulated menu bar: titles, drop-downs and submenus drawn from the examdata pictures.
#include "desktop/frm_main.h"

namespace xpexam::desktop {

void FrmMain::SetUpMenuBar() {}
void FrmMain::LMainMenu_MouseMove(int, int, int, double, double) {}
void FrmMain::LMainMenu_MouseUp(int, int, int, double, double) {}
void FrmMain::ImgMenuSys_Click() {}
void FrmMain::LblShuMenu_MouseMove(int, int, int, double, double) {}
void FrmMain::LblShuMenu_MouseUp(int, int, int, double, double) {}
void FrmMain::LblSubSel_MouseMove(int, int, int, double, double) {}
void FrmMain::LblSubSel_MouseUp(int, int, int, double, double) {}

}  // namespace xpexam::desktop
