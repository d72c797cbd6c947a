#pragma once
// Drawing pieces shared by the runtime's own controls: the classic 3-D edges of a program
// without visual styles, and the title bar of a bordered window.
#include <string>

#include "forms/graphics.h"

namespace xpexam::forms {

// Two-pixel sunken edge inside r (text boxes, list boxes, picture boxes with a border).
void DrawSunkenEdge(Painter& p, const Rect& r);
// Two-pixel raised edge inside r (push buttons); pressed draws it flat and dark.
void DrawRaisedEdge(Painter& p, const Rect& r, bool pressed);
// Window frame and title bar of a bordered window of size w x h with the given top inset.
void DrawWindowFrame(Painter& p, int w, int h, int top, const std::string& caption, bool active);
// Width and height in pixels of the close box on a title bar, and its place.
Rect CloseBoxRect(int window_width);
// The default font of the system's controls.
Font DefaultFont();

}  // namespace xpexam::forms
