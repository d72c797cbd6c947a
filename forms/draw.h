#pragma once
// Drawing pieces shared by the runtime's own controls: the classic 3-D edges of a program
// without visual styles, the blue title bar and frame of a bordered window, the check box and
// the menu shadow of the system's visual style.
#include <string>

#include "forms/graphics.h"

namespace xpexam::forms {

// Two-pixel sunken edge inside r (text boxes, list boxes, picture boxes with a border).
void DrawSunkenEdge(Painter& p, const Rect& r);
// Two-pixel raised edge inside r (push buttons); pressed draws it flat and dark.
void DrawRaisedEdge(Painter& p, const Rect& r, bool pressed);
// How a caption button looks: at rest, under the pointer, held down.
enum class ButtonFace { kNormal, kHot, kPressed };
// Window frame and title bar of a bordered window of size w x h with the given top inset. A
// maximised window's corners lie off the screen, so its title bar is square; a normal one's
// top corners are round and leave what lies beneath showing.
struct WindowFrameLook {
  bool active = true;
  bool maximised = false;
  ButtonFace close = ButtonFace::kNormal;
};
void DrawWindowFrame(Painter& p, int w, int h, int top, const std::string& caption, const WindowFrameLook& look);
// Width and height in pixels of the close box on a title bar, and its place.
Rect CloseBoxRect(int window_width);
// Width of a vertical scroll bar, and the height of each of its arrow buttons.
constexpr int kScrollBarWidth = 16;
// A vertical scroll bar in bar: arrow buttons at both ends and, when total > visible, a thumb
// placed by first (any unit: lines or pixels, the same for all three).
void DrawVerticalScrollBar(Painter& p, const Rect& bar, int visible, int total, int first);
// How far a left press at y (same coordinates as bar) scrolls: -line or line on the arrows,
// -page or page on the track above or below the middle.
int ScrollBarStep(const Rect& bar, int y, int line, int page);
// A check box's 13 x 13 box with its mark: value 0 empty, 1 checked, 2 greyed.
void DrawCheckBox(Painter& p, const Rect& box, int value, ButtonFace face);
// The soft shadow a popup casts right of and below box.
void DrawDropShadow(Painter& p, const Rect& box);
// The default font of the system's controls.
Font DefaultFont();

}  // namespace xpexam::forms
