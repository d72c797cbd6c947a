#pragma once
// How a session hands back to the home screen. The question bar refuses to close unless one of
// the session's ways out allowed it; the way out names the home-screen button to press once the
// home screen is back. The session's windows change it; the home screen reads the button
// through sessionExit().
#include <cstdint>

namespace xpexam::session {

class SessionExit {
 public:
  bool barMayClose() const { return barMayClose_; }
  // The home-screen button the home screen's return timer presses; 0 none.
  int16_t returnButton() const { return returnButton_; }

  // A way out is about to close the bar.
  void AllowBarClose() { barMayClose_ = true; }
  // A session starts or goes on: the bar stays.
  void KeepBarOpen() { barMayClose_ = false; }
  void SetReturnButton(int16_t button) { returnButton_ = button; }
  // Everything back to its start value.
  void Reset() { *this = SessionExit(); }

 private:
  bool barMayClose_ = false;
  int16_t returnButton_ = 0;
};

const SessionExit& sessionExit();
SessionExit& editSessionExit();

}  // namespace xpexam::session
