#pragma once
// What the common windows need of windows that live elsewhere. The side that owns those
// windows sets these; one left empty does nothing.
#include <functional>
#include <string>

namespace xpexam::frame {

// The close of the input-method help window: the desktop window back to its normal state and
// shown, the question bar back to 4980 x 3630 design twips docked at the desktop window's lower
// right corner, its mini bar hidden (the bar's own restore from the mini bar).
inline std::function<void()> RestoreDesktopAndBar;

// The system message box: prompt, buttons plus icon (0 OK, 4 Yes and No, +32 question), title
// ("" for the application title); returns the button chosen (1 OK, 6 Yes, 7 No). Without it
// nothing is shown and no question is answered Yes.
inline std::function<int(const std::string& prompt, int buttons, const std::string& title)> SystemMsgBox;

}  // namespace xpexam::frame
