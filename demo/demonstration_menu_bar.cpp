// Menu-bar playback: the drop-down opened by the engine, then Timer6 (travel to the item),
// Timer7 (pause, open the submenu), Timer8 (travel to the sub-item), Timer9 (pause, next step).
// The pictures are the desktop's menu pictures of the examdata folder.
#include <string>

#include "demo/aiming.h"
#include "demo/demonstration.h"
#include "desktop/demonstration_state.h"
#include "desktop/menu_bar.h"
#include "desktop/step_record.h"
#include "forms/pictures.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::demo {

using desktop::StepRecord;
using platform::CInt;
using platform::Try;

std::array<int16_t, 21> DropDownRowTops(double dropdown_top, const std::vector<int>& groups, double scale_y) {
  std::array<int16_t, 21> row{};
  row[1] = CInt(dropdown_top + 30 * scale_y);
  for (int i = 2; i <= 20; ++i) row[static_cast<size_t>(i)] = CInt(row[static_cast<size_t>(i) - 1] + 330 * scale_y);
  int n = 0;
  for (int size : groups) {
    n += size;
    for (int i = n + 1; i <= 20; ++i) row[static_cast<size_t>(i)] = CInt(row[static_cast<size_t>(i)] + 45 * scale_y);
  }
  return row;
}

void FrmYanShi::OpenDropDown() {
  const StepRecord rec = step_;
  mMenuNo = rec.MenuTargetMenu();
  Try([&] {
    const forms::Label& title = LMainMenu[mMenuNo];
    Try([&] { ImgMenuSys.SetPicture(forms::LoadPicture(mExamDataPath + desktop::PressedTitlePicture(mMenuNo))); });
    ImgMenuSys.Move(title.Left(), title.Top());
    Try([&] { ImgMenuSel.SetPicture(forms::LoadPicture(mExamDataPath + desktop::DropDownPicture(mMenuNo))); });
    ImgMenuSel.Move(title.Left(), title.Top() + title.Height());
  });
  Try([&] {
    // The desktop's menu tables: the demonstration opens the same menus.
    const desktop::MenuLayout& menu = desktop::MenuLayoutOf(mMenuNo);
    const auto row = DropDownRowTops(ImgMenuSel.Top(), menu.groups, frame::installation().scaleY());
    const int count = menu.ItemCount();
    for (int i = 1; i <= 20; ++i) {
      forms::Label& item = LblShuMenu[i];
      if (i <= count) {
        item.Move(ImgMenuSel.Left() + 30 * frame::installation().scaleX(), row[static_cast<size_t>(i)]);
        item.SetVisible(true);
      } else {
        item.SetVisible(false);
      }
    }
  });
  Try([&] {
    const forms::Label& item = LblShuMenu[rec.MenuTargetItem()];
    const int32_t x = CentreOf(item.Left(), item.Width()), y = CentreOf(item.Top(), item.Height());
    mTargetX = x;
    mTargetY = y;
  });
  Try([&] { ReAim(); });
}

void FrmYanShi::ShowMenuRow() {
  const int item = step_.MenuTargetItem();
  Try([&] { ImgShuMenu.SetPicture(forms::LoadPicture(mExamDataPath + desktop::DropDownRowPicture(mMenuNo, item))); });
  Try([&] {
    const forms::Label& row = LblShuMenu[item];
    ImgShuMenu.Move(row.Left(), row.Top());
    ImgShuMenu.SetVisible(true);
  });
}

void FrmYanShi::ShowSubRow() {
  const int sub = step_.MenuTargetSubitem();
  Try([&] { ImgSubSel.SetPicture(forms::LoadPicture(mExamDataPath + desktop::SubmenuRowPicture(mSubMenuCode, sub))); });
  Try([&] {
    const forms::Label& row = LblSubSel[sub];
    ImgSubSel.Move(row.Left(), row.Top());
    ImgSubSel.SetVisible(true);
  });
}

void FrmYanShi::OpenSubmenu(int item) {
  const frame::Installation& inst = frame::installation();
  ImgSubSel.SetVisible(false);
  int n = 0;
  for (const desktop::SubmenuLayout& sub : desktop::MenuLayoutOf(mMenuNo).submenus) {
    if (sub.item != item) continue;
    ImgSubSel.SetVisible(true);
    n = sub.number;
    Try([&] {
      ImgSubMenu.SetPicture(forms::LoadPicture(mExamDataPath + desktop::SubmenuPicture(mMenuNo, n)));
    });
    // The item is one of the fixed tables' submenu items, all within the 20 rows.
    ImgSubMenu.Move(ImgMenuSel.Left() + ImgMenuSel.Width() - 15 * inst.scaleX(), LblShuMenu[item].Top());
    ImgSubMenu.SetVisible(true);
    std::array<double, 21> row{};
    row[1] = ImgSubMenu.Top() + 30 * inst.scaleY();
    for (size_t k = 2; k <= 20; ++k) row[k] = row[k - 1] + 330 * inst.scaleY();
    int count = 0;
    for (int size : sub.groups) {
      count += size;
      for (int k = count + 1; k <= 20; ++k) row[static_cast<size_t>(k)] += 45 * inst.scaleY();
    }
    for (int k = 1; k <= 20; ++k) {
      forms::Label& label = LblSubSel[k];
      if (k <= count) {
        label.Move(ImgSubMenu.Left() + 30 * inst.scaleX(), row[static_cast<size_t>(k)]);
        label.SetVisible(true);
      } else {
        label.SetVisible(false);
      }
    }
  }
  ImgSubSel.SetPicture(nullptr);
  mSubMenuCode = mMenuNo * 1000 + n * 100 + item;
  Try([&] {
    const forms::Label& target = LblSubSel[step_.MenuTargetSubitem()];
    const int32_t x = CentreOf(target.Left(), target.Width()), y = CentreOf(target.Top(), target.Height());
    mTargetX = x;
    mTargetY = y;
  });
  Try([&] { ReAim(); });
}

void FrmYanShi::TravelTick() {
  mPointerX += mDeltaX;
  mPointerY += mDeltaY;
  PlaceArrow();
}

void FrmYanShi::Timer6_Timer() {
  if (!desktop::demonstration().running()) return;
  TravelTick();
  if (!PointerArrived()) return;
  ShowMenuRow();
  FlashAtPointer();
  Timer6.SetEnabled(false);
  Timer7.SetEnabled(true);
}

void FrmYanShi::Timer7_Timer() {
  if (!desktop::demonstration().running()) return;
  ++mTicks;
  ShowMenuRow();
  if (mTicks < 3) return;
  mTicks = 0;
  const StepRecord rec = step_;
  if (!rec.MenuTargetHasSubitem()) {
    Timer7.SetEnabled(false);
    AdvanceStep();
  } else {
    OpenSubmenu(rec.MenuTargetItem());
    Timer8.SetEnabled(true);
  }
  Timer7.SetEnabled(false);
}

void FrmYanShi::Timer8_Timer() {
  if (!desktop::demonstration().running()) return;
  TravelTick();
  if (!PointerArrived()) return;
  ShowSubRow();
  FlashAtPointer();
  Timer8.SetEnabled(false);
  Timer9.SetEnabled(true);
}

void FrmYanShi::Timer9_Timer() {
  if (!desktop::demonstration().running()) return;
  ++mTicks;
  ShowSubRow();
  if (mTicks >= 3) {
    mTicks = 0;
    AdvanceStep();
    Timer9.SetEnabled(false);
  }
}

}  // namespace xpexam::demo
