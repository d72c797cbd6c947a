#pragma once
// Turns SDL's input events into the runtime's: Windows virtual-key codes, the three mouse
// buttons, the Shift/Ctrl/Alt state and typed text. Kept apart from the window so that the
// mapping can be checked without a display.
#include <SDL.h>

#include <optional>

#include "forms/backend.h"

namespace xpexam::forms {

// Windows virtual-key code of a key, 0 for keys the program cannot tell apart. Letters, digits
// and punctuation follow the keyboard layout as Windows does; keys without a character of a
// Latin layout fall back to their position. The keypad follows Num Lock.
int VirtualKeyOf(const SDL_Keysym& key);

// Shift, Ctrl and Alt of an SDL modifier state as kShiftMask | kCtrlMask | kAltMask.
int ShiftStateOf(Uint16 mod);

class SdlInput {
 public:
  explicit SdlInput(Uint16 mod = 0) : mod_(mod) {}

  // The screen the pointer lives on; positions outside it (a drag leaving the window) stick to
  // its edges, as a pointer does at the edges of a real screen.
  void SetScreen(int width, int height) {
    width_ = width;
    height_ = height;
  }
  // The runtime's event for an SDL event, or nothing for events the program does not see.
  // The host window's iconify and return come once per change.
  std::optional<InputEvent> Translate(const SDL_Event& e);
  // The modifier state as of the last key event translated (mouse events carry it).
  int Shift() const { return ShiftStateOf(mod_); }
  // The host window was asked to go to its icon. Without a window manager nothing takes it
  // there and the window stays up empty: a press on it then brings the minimised windows back,
  // as a click on the taskbar would; neither it nor its release reaches the windows.
  void IconifyAsked() { iconify_asked_ = true; }
  // The program brought the host back itself.
  void RestoreAsked() { iconify_asked_ = false; }

 private:
  InputEvent Mouse(EventType type, int x, int y, int button) const;

  Uint16 mod_;
  bool minimized_ = false;
  bool iconify_asked_ = false;
  int swallowed_release_ = 0;  // the button whose press brought the windows back
  int width_ = 1 << 30, height_ = 1 << 30;
};

}  // namespace xpexam::forms
