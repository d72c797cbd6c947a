// What other windows ask of the desktop window.
#include <initializer_list>

#include "desktop/frm_main.h"
#include "forms/pictures.h"
#include "frame/module_state.h"
#include "platform/failure.h"

namespace xpexam::desktop {

using platform::Try;

void FrmMain::ShowHints() {
  for (forms::Control* c : std::initializer_list<forms::Control*>{&LHelp, &Shape1, &Shape4, &Shape2})
    Try([&] { c->SetVisible(true); });
}

void FrmMain::ShowQuestionPictures(long k) {
  const std::string& data = frame::gDataPath;
  Try([&] { SetPicture(forms::LoadPicture(data + frame::gPictureIds(k, 0) + ".mxy")); });
  for (long c = 1; c <= 5; ++c)
    Try([&] { Overlay(c).SetPicture(forms::LoadPicture(data + frame::gPictureIds(k, c) + ".mxy")); });
  Try([&] { Timer2.SetEnabled(true); });
}

void FrmMain::FocusAnswerBox() { Text1.SetFocus(); }

}  // namespace xpexam::desktop
