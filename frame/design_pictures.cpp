#include "frame/design_pictures.h"

#include <cairo.h>

#include <cmath>

namespace xpexam::frame {
forms::PicturePtr MiniBarPicture() {
  return forms::Picture::Drawn(54, 58, [](cairo_t* cr) {
    cairo_pattern_t* body = cairo_pattern_create_linear(0, 0, 0, 58);
    cairo_pattern_add_color_stop_rgb(body, 0, 0.24, 0.50, 0.85);
    cairo_pattern_add_color_stop_rgb(body, 1, 0.05, 0.25, 0.62);
    cairo_rectangle(cr, 0, 0, 54, 58);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    // The drag strip.
    cairo_set_source_rgba(cr, 1, 1, 1, 0.18);
    cairo_rectangle(cr, 2, 2, 50, 12);
    cairo_fill(cr);
    // Restore sign: a window with its title bar and an arrow pointing up out of it.
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_width(cr, 2);
    cairo_rectangle(cr, 15, 30, 24, 18);
    cairo_stroke(cr);
    cairo_rectangle(cr, 15, 30, 24, 5);
    cairo_fill(cr);
    cairo_move_to(cr, 27, 17);
    cairo_line_to(cr, 33, 24);
    cairo_line_to(cr, 21, 24);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, 25.5, 23, 3, 6);
    cairo_fill(cr);
  });
}

forms::PicturePtr CandidatePhoto() {
  return forms::Picture::Drawn(97, 116, [](cairo_t* cr) {
    cairo_set_source_rgb(cr, 0.80, 0.87, 0.95);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0.45, 0.52, 0.62);
    // Shoulders, then the head.
    cairo_move_to(cr, 8, 116);
    cairo_curve_to(cr, 10, 84, 30, 76, 48.5, 76);
    cairo_curve_to(cr, 67, 76, 87, 84, 89, 116);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_arc(cr, 48.5, 46, 20, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.55, 0.62, 0.72);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, 0.5, 0.5, 96, 115);
    cairo_stroke(cr);
  });
}

}  // namespace xpexam::frame
