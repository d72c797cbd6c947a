// Reference for the start of the program headless: a bare cairo + pango program that lays out
// and draws one line of Chinese text on a screen-sized surface, then exits.
#include <cairo.h>
#include <pango/pangocairo.h>

int main() {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1024, 768);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  PangoLayout* layout = pango_cairo_create_layout(cr);
  PangoFontDescription* font = pango_font_description_from_string("AR PL UMing CN 12px");
  pango_layout_set_font_description(layout, font);
  pango_layout_set_text(layout, "计算机操作练习 Windows XP", -1);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_move_to(cr, 20, 20);
  pango_cairo_show_layout(cr, layout);
  cairo_surface_flush(surface);
  const int ok = cairo_image_surface_get_data(surface)[0] == 0xFF;
  pango_font_description_free(font);
  g_object_unref(layout);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  return ok ? 0 : 1;
}
