// The simulated menu bar: titles, drop-downs and submenus drawn from the examdata pictures.
// The menu bar model decides; the handlers pass it the learner's actions and show its state.
#include "desktop/desktop_window.h"

#include "forms/pictures.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::desktop {

using platform::Try;

namespace {

void PlaceRegion(forms::Label& region, const std::optional<DesignRect>& r) {
  if (!r) {
    region.SetVisible(false);
    return;
  }
  region.Move(r->left * frame::installation().scaleX(), r->top * frame::installation().scaleY(), r->width * frame::installation().scaleX(), r->height * frame::installation().scaleY());
  region.SetVisible(true);
}

}  // namespace

void FrmMain::SetUpMenuBar() {
  menu_bar_.LoadStep(Step());
  ShowMenuBar();
}

void FrmMain::ShowMenuBar() {
  const bool titles = menu_bar_.TitlesVisible();
  for (int i = 1; i <= MenuBar::kTitleCount; ++i) LMainMenu[i].SetVisible(titles);
  ImgMenuSys.SetVisible(titles);

  const MenuPicture* pictures[] = {&menu_bar_.Title(), &menu_bar_.DropDown(), &menu_bar_.RowHighlight(),
                                   &menu_bar_.Submenu(), &menu_bar_.SubRowHighlight()};
  forms::Image* images[] = {&ImgMenuSys, &ImgMenuSel, &ImgShuMenu, &ImgSubMenu, &ImgSubSel};
  for (size_t k = 0; k < menu_files_.size(); ++k) {
    const MenuPicture& shown = *pictures[k];
    forms::Image& image = *images[k];
    if (shown.file.empty()) {
      image.SetPicture(nullptr);
    } else if (shown.file != menu_files_[k] || !image.Picture()) {
      // A missing or unreadable picture shows nothing; the regions work all the same.
      forms::PicturePtr picture;
      Try([&] { picture = forms::LoadPicture(mExamDataPath + shown.file); });
      image.SetPicture(std::move(picture));
    }
    menu_files_[k] = shown.file;
    if (!shown.file.empty()) image.Move(shown.left * frame::installation().scaleX(), shown.top * frame::installation().scaleY());
    // A picture control with nothing to show must not take the pointer from the surface
    // behind it, where moves and clicks close menus and bring the target box back.
    if (&image != &ImgMenuSys) image.SetVisible(shown.visible && image.Picture() != nullptr);
  }

  for (int r = 1; r <= MenuBar::kRegionCount; ++r) {
    PlaceRegion(LblShuMenu[r], menu_bar_.ItemRegion(r));
    PlaceRegion(LblSubSel[r], menu_bar_.SubItemRegion(r));
  }
}

void FrmMain::AfterMenuEvent(const MenuResponse& response) {
  ShowMenuBar();
  // Clicks on the open menu must reach its regions, not the target box in front of them.
  if (response.hide_target_box) Label1.SetVisible(false);
  if (response.advance) AdvanceStep();
}

void FrmMain::CloseMenus() {
  menu_bar_.Close();
  ShowMenuBar();
}

void FrmMain::LMainMenu_MouseMove(int index, int, int, double, double) { AfterMenuEvent(menu_bar_.TitleHover(index)); }

void FrmMain::LMainMenu_MouseUp(int index, int button, int shift, double, double) {
  AfterMenuEvent(menu_bar_.TitleRelease(index, button, shift));
}

void FrmMain::ImgMenuSys_Click() {
  menu_bar_.TitlePictureClick();
  ShowMenuBar();
}

void FrmMain::LblShuMenu_MouseMove(int index, int, int, double, double) { AfterMenuEvent(menu_bar_.ItemHover(index)); }

void FrmMain::LblShuMenu_MouseUp(int index, int button, int shift, double, double) {
  // A submenu opens against the right edge of the drop-down picture as shown.
  const int32_t width = platform::CLng(ImgMenuSel.Width() / frame::installation().scaleX());
  AfterMenuEvent(menu_bar_.ItemRelease(index, button, shift, width));
}

void FrmMain::LblSubSel_MouseMove(int index, int, int, double, double) { AfterMenuEvent(menu_bar_.SubItemHover(index)); }

void FrmMain::LblSubSel_MouseUp(int index, int button, int shift, double, double) {
  AfterMenuEvent(menu_bar_.SubItemRelease(index, button, shift));
}

}  // namespace xpexam::desktop
