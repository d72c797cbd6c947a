// Context menus: wm100 filled from a block of the popup menu file before each opening, and the
// checks of its items.
#include "desktop/desktop_window.h"

#include "desktop/popup_menu_file.h"
#include "frame/installation.h"
#include "frame/settings.h"

namespace xpexam::desktop {

namespace {

// Group digits of the cascades 1 to 5 and of the plain groups 1 to 4, in popup order.
constexpr int kCascadeDigits[] = {1, 3, 5, 7, 8};
constexpr int kPlainDigits[] = {2, 4, 6, 9};

void FillItems(forms::ControlArray<forms::MenuItem>& items, const std::vector<PopupItem>& pieces) {
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (!items.Exists(static_cast<int>(i))) continue;
    forms::MenuItem& item = items[static_cast<int>(i)];
    item.SetCaption(pieces[i].caption);
    item.SetVisible(true);
  }
}

}  // namespace

void FrmMain::FillContextMenu() {
  forms::MenuItem* headers[] = {&sVemoMain1, &sVemoMain2, &sVemoMain3, &sVemoMain4, &sVemoMain5};
  forms::ControlArray<forms::MenuItem>* cascades[] = {&sVemoSub1, &sVemoSub2, &sVemoSub3, &sVemoSub4, &sVemoSub5};
  forms::ControlArray<forms::MenuItem>* plains[] = {&sVemoInde1, &sVemoInde2, &sVemoInde3, &sVemoInde4};
  for (forms::MenuItem* header : headers) header->SetVisible(false);
  for (auto* items : cascades)
    for (int i : items->Indexes()) (*items)[i].SetVisible(false);
  for (auto* items : plains)
    for (int i : items->Indexes()) (*items)[i].SetVisible(false);

  // Without the popup menu file every entry stays hidden, and an empty popup does not open.
  const std::optional<desktop::PopupMenu> popup =
      LoadPopupMenu(frame::installation().appPath() + "\\" + kPopupMenuFileName, mStepCode, mPopupMenuNo);
  if (!popup) return;
  for (const PopupGroup& group : popup->groups) {
    for (size_t k = 0; k < std::size(kCascadeDigits); ++k) {
      if (!group.cascade || kCascadeDigits[k] != group.group_digit) continue;
      headers[k]->SetCaption(group.caption);
      headers[k]->SetVisible(true);
      FillItems(*cascades[k], group.items);
    }
    for (size_t k = 0; k < std::size(kPlainDigits); ++k)
      if (!group.cascade && kPlainDigits[k] == group.group_digit) FillItems(*plains[k], group.items);
  }
}

void FrmMain::sVemoSub_Click(int cascade, int index) {
  if (cascade < 1 || cascade > 5) return;
  if (PopupItemMatches(mStepCode, mPopupMenuNo, kCascadeDigits[cascade - 1], index)) AdvanceStep();
}

void FrmMain::sVemoInde_Click(int group, int index) {
  if (group < 1 || group > 4) return;
  if (PopupItemMatches(mStepCode, mPopupMenuNo, kPlainDigits[group - 1], index)) AdvanceStep();
}

}  // namespace xpexam::desktop
