// The list of list steps and the location list of location steps. Their models decide; the
// handlers pass them the learner's choices and show their state.
#include "desktop/desktop_window.h"

#include "frame/installation.h"

namespace xpexam::desktop {


void FrmMain::ShowListStep() {
  LstLA.SetVisible(list_step_.Visible());
  LblXXK[0].SetCaption(list_step_.Caption());
}

void FrmMain::LstLA_Click() {
  const bool answered = list_step_.Select(LstLA.ListIndex());
  ShowListStep();
  if (answered) AdvanceStep();
}

void FrmMain::ShowLocationList() {
  PicList.SetVisible(location_list_.Visible());
  PicList.SetHeight(location_list_.Height() * frame::installation().scaleY());
  const int chosen = location_list_.Chosen();
  ImgSelAD.SetLeft(location_list_.ChosenLeft() * frame::installation().scaleX());
  ImgSelAD.SetPicture(ImgLiN[chosen].Picture());
  for (int i = 0; i < kLocationEntryCount; ++i) ImgLiN[i].SetVisible(i == location_list_.Highlighted());
}

void FrmMain::CollapseLocationList() {
  location_list_.Collapse();
  ShowLocationList();
}

void FrmMain::ImgLiN_Click(int index) {
  const bool answered = location_list_.Choose(index);
  ShowLocationList();
  if (answered) AdvanceStep();
}

void FrmMain::LblADD_Click(int index) { ImgLiN_Click(index); }

void FrmMain::LblADD_MouseMove(int index, int, int, double, double) {
  location_list_.Hover(index);
  ShowLocationList();
}

void FrmMain::LblADDmyXZ_Click() {
  location_list_.ToggleDropDown();
  ShowLocationList();
}

}  // namespace xpexam::desktop
