// The tab strip of property-sheet steps and the back region.
#include "desktop/frm_main.h"

namespace xpexam::desktop {

void FrmMain::SetUpTabStep() {}
void FrmMain::DoubleXXK() {}
void FrmMain::LblXXK_Click(int) {}

}  // namespace xpexam::desktop
