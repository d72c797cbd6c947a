#pragma once
// How a session hands back to the home screen. The question bar refuses to close unless one of
// the session's ways out allowed it; the way out names the home-screen panel to open once the
// home screen is back. The session's windows change it; the home screen reads the panel
// through sessionExit().
#include "desktop/session_kind.h"

namespace xpexam::session {

class SessionExit {
 public:
  bool barMayClose() const { return barMayClose_; }
  // The home-screen panel the home screen's return timer opens.
  desktop::HomePanel returnPanel() const { return returnPanel_; }

  // A way out is about to close the bar.
  void AllowBarClose() { barMayClose_ = true; }
  // A session starts or goes on: the bar stays.
  void KeepBarOpen() { barMayClose_ = false; }
  void SetReturnPanel(desktop::HomePanel panel) { returnPanel_ = panel; }
  // Everything back to its start value.
  void Reset() { *this = SessionExit(); }

 private:
  bool barMayClose_ = false;
  desktop::HomePanel returnPanel_ = desktop::HomePanel::kNone;
};

const SessionExit& sessionExit();
SessionExit& editSessionExit();

}  // namespace xpexam::session
