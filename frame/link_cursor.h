#pragma once
// The pointing-hand cursor of links (32 x 32, hot spot at the finger tip, 6,0).
#include "forms/graphics.h"

namespace xpexam::frame {

forms::PicturePtr LinkCursor();

}  // namespace xpexam::frame
