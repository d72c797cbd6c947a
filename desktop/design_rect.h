#pragma once
// A rectangle of the simulated screen in design twips (15 per pixel at 96 dpi, from the
// top-left corner of the desktop window's client area). The window scales it when it
// applies it to a control.
#include <cstdint>

namespace xpexam::desktop {

struct DesignRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;

  // Right and bottom edges are outside, as for a control.
  bool Contains(int32_t x, int32_t y) const {
    return x >= left && x < left + width && y >= top && y < top + height;
  }
  friend bool operator==(const DesignRect&, const DesignRect&) = default;
};

}  // namespace xpexam::desktop
