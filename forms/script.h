#pragma once
// Scenario scripts for the headless backend: one command per line, coordinates in screen pixels.
//   wait MS | move X Y | press X Y [BUTTON] [MODS] | release X Y [BUTTON] [MODS]
//   click X Y [BUTTON] [MODS] | dblclick X Y [BUTTON]
//   key NAME [MODS] | keydown NAME [MODS] | keyup NAME [MODS] | type TEXT
//   shot FILE.png [pointer] | dump | close | minimize | restore | screen WxH
// A shot ending in pointer shows the pointer as a display would. screen is the real window
// resized (or maximised) to W x H pixels: the windows follow it (screen_layout.h). BUTTON is left, right or
// middle; MODS is shift, ctrl, alt or a + join of them; NAME is a
// virtual-key number or Enter, Esc, Space, Tab, Backspace, Delete, Left, Right, Up, Down,
// F1 to F12, A to Z, 0 to 9 (a single digit is the digit's key, longer numbers are codes), or
// Shift, Ctrl, Alt: keydown of one of these holds it for every later key and mouse event until
// its keyup, so a chord can be played in any order;
// close is the window manager closing the program's window; minimize and restore are the window
// manager iconifying the program's window and bringing it back (once everything shown is
// minimised the program iconifies it itself, and a dump then starts with "Host minimized=1").
// A line whose first non-blank character is # is a comment, and so is the end of a line from
// " #" on, except in type, whose text is the rest of the line.
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "forms/headless.h"

namespace xpexam::forms {

struct ScriptError {
  int line = 0;
  std::string message;
};

// One parsed command: queues its input (and its probes) on a headless backend.
struct ScriptCommand {
  int line = 0;
  std::function<void(HeadlessBackend&)> queue;
};

struct ScriptOptions {
  // Where dump writes, and where a shot's failure is reported.
  std::ostream* out = nullptr;
  std::ostream* err = nullptr;
  // Relative shot paths are resolved against this folder (the runner's own working folder).
  std::string base_dir;
  // Set when a shot could not be written.
  bool* failed = nullptr;
};

// Parses a whole script; the first bad line is the error.
std::optional<ScriptError> ParseScript(const std::string& text, const ScriptOptions& options,
                                       std::vector<ScriptCommand>& commands);
// Virtual-key code of a key name of the script language; 0 when unknown.
int KeyCodeOf(const std::string& name);

}  // namespace xpexam::forms
