#pragma once
// For the real-window tests: what the X server holds in the host window, compared with the frame
// last presented. With XPEXAM_WINDOW_CHECK naming a file, a test sets the window's
// _XPEXAM_WINDOW_CHECK property (xprop -set) once the window has settled, and the backend writes
// one line to that file: "same WxH", "differ N pixels at X,Y WxH (first at X,Y)", or why it could
// not compare ("size ...", "unviewable").
#include <SDL.h>

#include <string>

namespace xpexam::forms {

class Canvas;

class WindowCheck {
 public:
  // Off unless the environment names a result file and the window is an X11 one.
  explicit WindowCheck(SDL_Window* window);
  bool Enabled() const { return !file_.empty(); }
  // Whether e is a test's request for the check.
  bool IsRequest(const SDL_Event& e) const;
  // Compares the window with the frame presented last and writes the answer.
  void Answer(const Canvas& frame);

  // The answer line for two pictures of the same size, rows of 0xRRGGBB in the low bits.
  static std::string Compare(const Canvas& frame, const uint32_t* shown, int shown_stride_px, int width, int height);

 private:
  std::string Check(const Canvas& frame);

  SDL_Window* window_;
  std::string file_;
  unsigned long atom_ = 0;
};

}  // namespace xpexam::forms
