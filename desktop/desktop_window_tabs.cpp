// The tab strip of property-sheet steps and the back region. The tab strip model decides; the
// handlers pass it the clicks and show its labels, pages, hint and red frame.
#include "desktop/desktop_window.h"

#include "desktop/session_plan.h"
#include "forms/pictures.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::desktop {

using platform::Try;

void FrmMain::SetUpTabStep() {
  ImageSlots slots;
  for (long k = 1; k <= 5; ++k) {
    const size_t at = static_cast<size_t>(k - 1);
    slots.left[at] = platform::CLng(Overlay(k).Left() / frame::installation().scaleX());
    slots.top[at] = platform::CLng(Overlay(k).Top() / frame::installation().scaleY());
    Try([&] { slots.picture_id[at] = desktop::plan().question(desktop::cursor().question()).pictureIds[k]; });
  }
  const std::optional<TabRequest> request = tab_strip_.LoadStep(Step(), slots, HintText());
  for (int i = 0; i <= TabStrip::kLastTab; ++i) scene_.ShowTab(tab_strip_, i);
  if (request) {
    ApplyTabRequest(*request, true);
  } else {
    Shape1.Move(Label1.Left(), Label1.Top(), Label1.Width(), Label1.Height());
  }
}

// The tab strip model lays out both rows; the labels follow it.
void FrmMain::ShowTabRows() {
  for (int i = 1; i <= TabStrip::kLastTab; ++i) scene_.ShowTab(tab_strip_, i);
}

void FrmMain::ApplyTabRequest(const TabRequest& request, bool on_load) {
  if (request.slot >= 1 && request.slot <= 5 && request.page) {
    forms::Image& slot = Overlay(request.slot);
    const std::string path = frame::installation().dataPath() + *request.page + ".mxy";
    if (request.page->empty()) {
      slot.SetPicture(nullptr);
    } else if (on_load) {
      // As every statement of the load: a page that cannot be read leaves the slot as it was.
      Try([&] { slot.SetPicture(forms::LoadPicture(path)); });
    } else {
      // A missing page shows an empty slot; the strip goes on working.
      forms::PicturePtr page;
      Try([&] { page = forms::LoadPicture(path); });
      slot.SetPicture(std::move(page));
    }
  }
  if (request.show_target_box && !scene_.TargetUnplaced()) Label1.SetVisible(true);
  LHelp.SetCaption(request.hint);
  if (request.target_live && !scene_.TargetUnplaced()) {
    scene_.RestoreTargetSize();
    return;
  }
  // The target box takes no click until the right tab is in front; the red frame marks that tab.
  Label1.SetHeight(1);
  Label1.SetWidth(1);
  if (const std::optional<DesignRect>& r = request.frame) {
    Shape1.Move(r->left * frame::installation().scaleX(), r->top * frame::installation().scaleY(), r->width * frame::installation().scaleX(), r->height * frame::installation().scaleY());
  } else {
    Shape1.Move(-2, Shape1.Top(), 1, 1);
  }
}

void FrmMain::LblXXK_Click(int index) {
  if (index == TabStrip::kBackRegion) {
    desktop::editCursor().GoToStep(tab_strip_.BackStep(desktop::cursor().step()));
    LoadStep();
    return;
  }
  if (const std::optional<TabRequest> request = tab_strip_.TabClick(index)) {
    ShowTabRows();
    ApplyTabRequest(*request, false);
  }
}

}  // namespace xpexam::desktop
