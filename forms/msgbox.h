#pragma once
// The system message box: a modal window with a title, an icon, the prompt and OK, OK/Cancel or
// Yes/No buttons, clickable like any window; it returns the button chosen.
#include <string>

namespace xpexam::forms {

// Buttons and icons (added together).
constexpr int kOkOnly = 0;
constexpr int kOkCancel = 1;
constexpr int kYesNo = 4;
constexpr int kCritical = 16;
constexpr int kQuestion = 32;
constexpr int kExclamation = 48;
constexpr int kInformation = 64;
// The second button is the default (it has the focus, so Enter chooses it).
constexpr int kDefaultButton2 = 256;
// Answers.
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kYes = 6;
constexpr int kNo = 7;

// The title of message boxes given none (the application title).
void SetAppTitle(std::string title);
const std::string& AppTitle();

// The box's size in pixels, border and title bar included.
struct MsgBoxSize {
  int width = 0, height = 0;
};
// The size of the box MsgBox shows for this prompt and these buttons when its prompt wraps as
// on a screen screen_width pixels wide. Needs no backend: a program that opens its real window
// only to show one box sizes the window by it before opening it.
MsgBoxSize MeasureMsgBox(const std::string& prompt, int buttons, int screen_width);
// The screen width boxes wrap their prompt for; 0 (the default) is the backend's own screen.
// A screen the size of the one box it shows wraps that box as the screen it stands for would.
void SetMsgBoxScreenWidth(int pixels);

// Shows the box modally; timers keep firing meanwhile. Enter chooses the focused button, Space
// presses it (the choice comes with the key's release), Esc and the close box cancel (OK for a box with OK only; a Yes/No box has no cancel).
int MsgBox(const std::string& prompt, int buttons = kOkOnly, const std::string& title = "");

}  // namespace xpexam::forms
