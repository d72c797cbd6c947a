#pragma once
// The tests' way to the desktop's own controls, form variables and handlers, which the window
// keeps to itself. Found by argument lookup: Ui(d).Label1, Vars(d).mStepCode, Act(d).AdvanceStep().
#include "desktop/desktop_window.h"

namespace xpexam::desktop {

struct FrmMainTestAccess {
  static FrmMainControls& Controls(FrmMain& d) { return d; }
  static FrmMainVars& Vars(FrmMain& d) { return d; }

  // The window's own steps and handlers, called as the runtime or a check calls them.
  FrmMain& d;
  void LoadStep() { d.LoadStep(); }
  void AdvanceStep() { d.AdvanceStep(); }
  void FillContextMenu() { d.FillContextMenu(); }
  void Label4_MouseDown(int button, int shift, double x, double y) { d.Label4_MouseDown(button, shift, x, y); }
  void Label4_MouseMove(int button, int shift, double x, double y) { d.Label4_MouseMove(button, shift, x, y); }
  void Label4_MouseUp(int button, int shift, double x, double y) { d.Label4_MouseUp(button, shift, x, y); }
  void LMainMenu_MouseUp(int index, int button, int shift, double x, double y) { d.LMainMenu_MouseUp(index, button, shift, x, y); }
  void LblShuMenu_MouseUp(int index, int button, int shift, double x, double y) { d.LblShuMenu_MouseUp(index, button, shift, x, y); }
  void sVemoSub_Click(int cascade, int index) { d.sVemoSub_Click(cascade, index); }
  void sVemoInde_Click(int group, int index) { d.sVemoInde_Click(group, index); }
  void LblADDmyXZ_Click() { d.LblADDmyXZ_Click(); }
};

inline FrmMainControls& Ui(FrmMain& d) { return FrmMainTestAccess::Controls(d); }
inline FrmMainVars& Vars(FrmMain& d) { return FrmMainTestAccess::Vars(d); }
inline FrmMainTestAccess Act(FrmMain& d) { return {d}; }

}  // namespace xpexam::desktop
