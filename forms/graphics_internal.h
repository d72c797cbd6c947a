#pragma once
// Helpers shared by the drawing services' source files; not for use outside forms/graphics*.
#include <cairo.h>
#include <pango/pango.h>

#include <string_view>
#include <utility>
#include <vector>

#include "forms/graphics.h"

namespace xpexam::forms::internal {

// Colour of one pixel of an ARGB32 surface as &H00BBGGRR, un-premultiplied; 0 outside.
Color SurfacePixel(cairo_surface_t* surface, int x, int y);

void SetSourceColor(cairo_t* cr, Color color);

// A laid-out text. Underlines (access keys, underlined fonts) are drawn by the painter as
// whole pixels: pango's own follow the font's fractional metrics and vanish when thinner
// than a pixel.
struct LaidOutText {
  PangoLayout* layout = nullptr;
  std::vector<std::pair<int, int>> underlined;  // byte ranges of the shown text
  int underline_offset = 1;                     // pixels below the baseline
  int underline_thickness = 1;
};

// The shared pango context (fonts set up) and the cached description of a font, for controls
// that lay out rich text themselves. The description belongs to the cache: copy it to keep it.
PangoContext* TextContext();
const PangoFontDescription* FontDescription(const Font& font);

// From a small cache shared by measuring and drawing, so that both agree. The result stays
// valid until the next call (the cache may evict it); the caller must not change it.
// wrap_width < 0: no wrapping.
const LaidOutText& LayoutFor(std::string_view text, const TextStyle& style, int wrap_width);

}  // namespace xpexam::forms::internal
