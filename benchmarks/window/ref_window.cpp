// The reference for the window measurements: a bare SDL2 + cairo + pango program that presents
// the way the program does (the window's own surface, no GL) and does nothing else. It draws one
// frame with a line of text, or with every line of a text file (to draw as many different
// characters as another screen does); each click repaints the whole window in the other colour.
// Usage: xpexam_ref_window [width height [text-file]]
#include <SDL.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_lines = {"参考窗口 Reference"};

void Draw(cairo_surface_t* canvas, bool other) {
  cairo_t* cr = cairo_create(canvas);
  if (other)
    cairo_set_source_rgb(cr, 0.9, 0.5, 0.1);
  else
    cairo_set_source_rgb(cr, 0.23, 0.43, 0.65);
  cairo_paint(cr);
  PangoLayout* layout = pango_cairo_create_layout(cr);
  PangoFontDescription* font = pango_font_description_from_string("AR PL UMing CN 16px");
  pango_layout_set_font_description(layout, font);
  cairo_set_source_rgb(cr, 1, 1, 1);
  const int height = cairo_image_surface_get_height(canvas);
  for (size_t i = 0; i < g_lines.size(); ++i) {
    pango_layout_set_text(layout, g_lines[i].c_str(), -1);
    const int column = static_cast<int>(i) * 20 / std::max(1, height - 60);
    cairo_move_to(cr, 40 + 320 * column, 40 + static_cast<int>(i) * 20 % std::max(1, height - 60));
    pango_cairo_show_layout(cr, layout);
  }
  pango_font_description_free(font);
  g_object_unref(layout);
  cairo_destroy(cr);
  cairo_surface_flush(canvas);
}

void Present(SDL_Window* window, cairo_surface_t* canvas) {
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (!surface) return;
  const unsigned char* data = cairo_image_surface_get_data(canvas);
  const int stride = cairo_image_surface_get_stride(canvas);
  const int w = std::min(surface->w, cairo_image_surface_get_width(canvas));
  const int h = std::min(surface->h, cairo_image_surface_get_height(canvas));
  for (int y = 0; y < h; ++y)
    std::memcpy(static_cast<unsigned char*>(surface->pixels) + y * surface->pitch, data + y * stride, w * 4);
  SDL_UpdateWindowSurface(window);
}

}  // namespace

int main(int argc, char** argv) {
  const int width = argc > 2 ? std::atoi(argv[1]) : 1024, height = argc > 2 ? std::atoi(argv[2]) : 768;
  if (argc > 3) {
    std::ifstream text(argv[3]);
    g_lines.clear();
    for (std::string line; std::getline(text, line);) g_lines.push_back(line);
  }
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  SDL_Window* window = SDL_CreateWindow("reference", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                        SDL_WINDOW_SHOWN);
  if (!window) return 1;
  cairo_surface_t* canvas = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  bool other = false;
  Draw(canvas, other);
  Present(window, canvas);
  SDL_Event e;
  while (SDL_WaitEvent(&e)) {
    if (e.type == SDL_QUIT) break;
    if (e.type == SDL_MOUSEBUTTONDOWN) {
      other = !other;
      Draw(canvas, other);
      Present(window, canvas);
    } else if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_EXPOSED) {
      SDL_UpdateWindowSurface(window);
    }
  }
  cairo_surface_destroy(canvas);
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
