#pragma once
// The design pictures of the location list: the open list under its closed box, each entry's
// row drawn highlighted, and the strip at the left edge of the closed box. They are pixel
// pictures of fixed size, as a window's design pictures are, whatever the screen resolution.
#include <array>

#include "desktop/list_widgets.h"
#include "forms/graphics.h"

namespace xpexam::desktop {

struct LocationListPictures {
  static constexpr int kWidth = 261;
  static constexpr int kHeight = 248;
  static constexpr int kBoxHeight = 22;
  static constexpr int kFirstRowTop = 23;
  static constexpr int kRowHeight = 16;

  forms::PicturePtr list;  // the closed box with its drop-down arrow, then the fourteen rows
  std::array<forms::PicturePtr, kLocationEntryCount> rows;  // each row highlighted
  forms::PicturePtr left_edge;  // 5 x 22
};

// Drawn at the first call.
const LocationListPictures& DesignLocationListPictures();

}  // namespace xpexam::desktop
