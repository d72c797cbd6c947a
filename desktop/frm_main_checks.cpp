// The handlers that check the learner's actions, and the load stages that belong to them.
// A handler without its check ignores the action, as every check does with an action that
// does not match.
#include "desktop/frm_main.h"

namespace xpexam::desktop {

// Pointer and keyboard.
void FrmMain::Label1_MouseDown(int, int, double, double) {}
void FrmMain::Label1_MouseUp(int, int, double, double) {}
void FrmMain::Label1_DblClick() {}
void FrmMain::Label1_MouseMove(int, int, double, double) {}
void FrmMain::Form_KeyUp(int&, int) {}

// Answer boxes.
void FrmMain::SetUpTextBox() {}
void FrmMain::Text1_Change() {}
void FrmMain::Text2_Change() {}
void FrmMain::Text3_Change() {}
void FrmMain::Text4_Change() {}
void FrmMain::Text1_KeyUp(int&, int) {}
void FrmMain::Text4_KeyUp(int&, int) {}
void FrmMain::Text1_MouseUp(int, int, double, double) {}
void FrmMain::Text1_GotFocus() {}

// Drags and rubber bands.
void FrmMain::Label4_MouseDown(int, int, double, double) {}
void FrmMain::Label4_MouseMove(int, int, double, double) {}
void FrmMain::Label4_MouseUp(int, int, double, double) {}
void FrmMain::Image5_MouseMove(int, int, double, double) {}
void FrmMain::Image5_MouseUp(int, int, double, double) {}

}  // namespace xpexam::desktop
