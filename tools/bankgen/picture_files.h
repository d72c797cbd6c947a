#pragma once
// Encoders for the picture formats the program reads: JPEG for screens, 24-bit BMP for small
// crisp pictures, ICO for the window icon and CUR for pointers. All of them take a cairo image
// surface and give the file's bytes; the same surface always gives the same bytes.
#include <string>

typedef struct _cairo_surface cairo_surface_t;

namespace xpexam::bankgen {

// Bottom-up 24-bit BMP without compression.
std::string EncodeBmp(cairo_surface_t* surface);

// Baseline JPEG through gdk-pixbuf at a fixed quality.
std::string EncodeJpeg(cairo_surface_t* surface, int quality = 88);

// Icon (type 1) or cursor (type 2) with one 32-bit image and its AND mask. The surface must be
// ARGB32 and at most 256 pixels square; the hot spot is written only for cursors.
std::string EncodeIcon(cairo_surface_t* surface);
std::string EncodeCursor(cairo_surface_t* surface, int hot_x, int hot_y);

// Writes bytes to a file, creating nothing but the file; throws std::runtime_error on failure.
void WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace xpexam::bankgen
