#pragma once
// A screenshot of the scenario runner (`shot FILE.png`) read back pixel by pixel.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "forms/graphics.h"

namespace xpexam::testing {

class Screenshot {
 public:
  explicit Screenshot(const std::string& path) : surface_(cairo_image_surface_create_from_png(path.c_str())) {
    EXPECT_EQ(cairo_surface_status(surface_), CAIRO_STATUS_SUCCESS) << path;
  }
  ~Screenshot() { cairo_surface_destroy(surface_); }
  Screenshot(const Screenshot&) = delete;
  Screenshot& operator=(const Screenshot&) = delete;

  // The colour at a pixel as &H00BBGGRR; 0 outside the picture.
  forms::Color At(int x, int y) const {
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS || x < 0 || y < 0 ||
        x >= cairo_image_surface_get_width(surface_) || y >= cairo_image_surface_get_height(surface_))
      return 0;
    uint32_t argb;
    std::memcpy(&argb, cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_) + 4 * x,
                sizeof argb);
    return forms::Rgb(argb >> 16 & 0xFF, argb >> 8 & 0xFF, argb & 0xFF);
  }

 private:
  cairo_surface_t* surface_;
};

}  // namespace xpexam::testing
