#pragma once
// The standard pointer shapes 0-15 (numbered as in backend.h) drawn by the runtime in the
// look of the simulated system, so that the program shows the same pointers whatever the host's
// cursor theme: a white arrow with a black outline, the hand, the I-beam, the hourglass, the
// size arrows and so on. Each is a 32 x 32 picture with its hot spot.
#include "forms/graphics.h"

namespace xpexam::forms {

// The picture of a standard shape; 0 (default) and any number outside 1-15 give the arrow.
// Built once and shared.
PicturePtr StandardPointer(int shape);

// What the pointer looks like in a pointer state: the custom picture for kCustomPointer with a
// picture, otherwise the standard shape.
PicturePtr PointerPicture(int shape, const PicturePtr& custom);

// Draws a pointer picture with its hot spot at (x, y) (a picture without one: its top left).
void DrawPointer(Painter& p, const Picture& pointer, int x, int y);

}  // namespace xpexam::forms
