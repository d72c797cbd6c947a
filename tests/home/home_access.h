#pragma once
// The tests' way to the home screen's own controls and handlers, which the window keeps to
// itself. Found by argument lookup: Ui(home).ClickBotn[12], Act(home).ClickBotn_Click(12).
#include "home/home_screen.h"

namespace xpexam::home {

struct FrmFengmianTestAccess {
  static FrmFengmianControls& Controls(FrmFengmian& home) { return home; }

  // The window's own handlers, called as the runtime calls them.
  FrmFengmian& home;
  void ClickBotn_Click(int index) { home.ClickBotn_Click(index); }
  void LblInfo_Click(int index) { home.LblInfo_Click(index); }
  void LblShiJuanCCC_Click(int index) { home.LblShiJuanCCC_Click(index); }
  void LblShiJuanDel_Click(int index) { home.LblShiJuanDel_Click(index); }
};

inline FrmFengmianControls& Ui(FrmFengmian& home) { return FrmFengmianTestAccess::Controls(home); }
inline FrmFengmianTestAccess Act(FrmFengmian& home) { return {home}; }

}  // namespace xpexam::home
