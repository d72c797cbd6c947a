// What other windows ask of the desktop window.
#include <initializer_list>

#include "desktop/desktop_window.h"
#include "desktop/session_plan.h"
#include "forms/pictures.h"
#include "frame/installation.h"
#include "platform/failure.h"

namespace xpexam::desktop {

using platform::Try;

void FrmMain::ShowHints() { SetHintsVisible(true); }

void FrmMain::ShowQuestionPictures(long k) {
  // An id never shown is empty: it names no picture, and what is shown stays.
  auto shown = [&](long c) -> forms::PicturePtr {
    const std::string id = desktop::plan().question(k).pictureIds[c];
    return id.empty() ? nullptr : forms::LoadPicture(frame::installation().dataPath() + id + ".mxy");
  };
  Try([&] {
    if (auto picture = shown(0)) SetPicture(picture);
  });
  for (long c = 1; c <= 5; ++c)
    Try([&] {
      if (auto picture = shown(c)) Overlay(c).SetPicture(picture);
    });
  Timer2.SetEnabled(true);
}

void FrmMain::FocusAnswerBox() { Text1.SetFocus(); }

}  // namespace xpexam::desktop
