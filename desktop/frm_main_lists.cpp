// The list of list steps and the location list of location steps.
#include "desktop/frm_main.h"

namespace xpexam::desktop {

void FrmMain::LstLA_Click() {}
void FrmMain::ImgLiN_Click(int) {}
void FrmMain::LblADD_Click(int) {}
void FrmMain::LblADD_MouseMove(int, int, int, double, double) {}
void FrmMain::LblADDmyXZ_Click() {}

}  // namespace xpexam::desktop
