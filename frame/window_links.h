#pragma once
// What the common windows need of windows that live elsewhere. The side that owns those
// windows sets each link; a link left empty does nothing.
#include <functional>

namespace xpexam::frame {

// The close of the input-method help window: the desktop window back to its normal state and
// shown, the question bar back to 4980 x 3630 design twips docked at the desktop window's lower
// right corner, its mini bar hidden (the bar's own restore from the mini bar).
inline std::function<void()> RestoreDesktopAndBar;

}  // namespace xpexam::frame
