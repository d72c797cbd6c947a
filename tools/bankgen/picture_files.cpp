#include "tools/bankgen/picture_files.h"

#include <cairo.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace xpexam::bankgen {
namespace {

void Put16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v & 255));
  out.push_back(static_cast<char>((v >> 8) & 255));
}

void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// Unpremultiplied RGBA of one pixel of an image surface.
struct Pixel {
  uint8_t r, g, b, a;
};

Pixel PixelAt(cairo_surface_t* s, int x, int y) {
  const unsigned char* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
  uint32_t v;
  std::memcpy(&v, row + 4 * x, 4);
  uint8_t a = cairo_image_surface_get_format(s) == CAIRO_FORMAT_ARGB32 ? (v >> 24) : 255;
  uint8_t r = (v >> 16) & 255, g = (v >> 8) & 255, b = v & 255;
  if (a != 0 && a != 255) {
    r = static_cast<uint8_t>(std::min(255, r * 255 / a));
    g = static_cast<uint8_t>(std::min(255, g * 255 / a));
    b = static_cast<uint8_t>(std::min(255, b * 255 / a));
  }
  return {r, g, b, a};
}

// BITMAPINFOHEADER + 32-bit XOR rows + 1-bit AND rows, as icon and cursor files hold them.
std::string IconImage(cairo_surface_t* s) {
  int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  std::string dib;
  Put32(dib, 40);
  Put32(dib, w);
  Put32(dib, 2 * h);  // XOR and AND halves
  Put16(dib, 1);
  Put16(dib, 32);
  Put32(dib, 0);
  Put32(dib, 0);
  Put32(dib, 0);
  Put32(dib, 0);
  Put32(dib, 0);
  Put32(dib, 0);
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; ++x) {
      Pixel p = PixelAt(s, x, y);
      dib.push_back(static_cast<char>(p.b));
      dib.push_back(static_cast<char>(p.g));
      dib.push_back(static_cast<char>(p.r));
      dib.push_back(static_cast<char>(p.a));
    }
  int mask_stride = ((w + 31) / 32) * 4;
  for (int y = h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(mask_stride, 0);
    for (int x = 0; x < w; ++x)
      if (PixelAt(s, x, y).a < 128) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    dib.append(reinterpret_cast<const char*>(row.data()), row.size());
  }
  return dib;
}

std::string IconFile(cairo_surface_t* s, int type, int field1, int field2) {
  cairo_surface_flush(s);
  int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  if (w > 256 || h > 256) throw std::runtime_error("icon larger than 256 pixels");
  std::string image = IconImage(s);
  std::string out;
  Put16(out, 0);
  Put16(out, static_cast<uint32_t>(type));
  Put16(out, 1);
  out.push_back(static_cast<char>(w & 255));
  out.push_back(static_cast<char>(h & 255));
  out.push_back(0);  // no palette
  out.push_back(0);
  Put16(out, static_cast<uint32_t>(field1));  // planes, or hot spot x for cursors
  Put16(out, static_cast<uint32_t>(field2));  // bit count, or hot spot y for cursors
  Put32(out, static_cast<uint32_t>(image.size()));
  Put32(out, 6 + 16);
  out += image;
  return out;
}

gboolean AppendToString(const gchar* buf, gsize count, GError**, gpointer data) {
  static_cast<std::string*>(data)->append(buf, count);
  return TRUE;
}

}  // namespace

std::string EncodeBmp(cairo_surface_t* s) {
  cairo_surface_flush(s);
  int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  int stride = (w * 3 + 3) & ~3;
  uint32_t size = 54 + static_cast<uint32_t>(stride * h);
  std::string out;
  out += "BM";
  Put32(out, size);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, w);
  Put32(out, h);
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(stride * h));
  Put32(out, 3780);  // 96 dpi
  Put32(out, 3780);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = h - 1; y >= 0; --y) {
    size_t start = out.size();
    for (int x = 0; x < w; ++x) {
      Pixel p = PixelAt(s, x, y);
      out.push_back(static_cast<char>(p.b));
      out.push_back(static_cast<char>(p.g));
      out.push_back(static_cast<char>(p.r));
    }
    out.append(stride - (out.size() - start), '\0');
  }
  return out;
}

std::string EncodeJpeg(cairo_surface_t* s, int quality) {
  cairo_surface_flush(s);
  int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  GdkPixbuf* pb = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, w, h);
  guchar* pixels = gdk_pixbuf_get_pixels(pb);
  int rowstride = gdk_pixbuf_get_rowstride(pb);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      Pixel p = PixelAt(s, x, y);
      guchar* d = pixels + y * rowstride + 3 * x;
      d[0] = p.r;
      d[1] = p.g;
      d[2] = p.b;
    }
  std::string out;
  std::string q = std::to_string(quality);
  GError* error = nullptr;
  gboolean ok = gdk_pixbuf_save_to_callback(pb, AppendToString, &out, "jpeg", &error, "quality", q.c_str(),
                                            nullptr);
  g_object_unref(pb);
  if (!ok) {
    std::string msg = error ? error->message : "unknown error";
    if (error) g_error_free(error);
    throw std::runtime_error("JPEG encoding failed: " + msg);
  }
  return out;
}

std::string EncodeIcon(cairo_surface_t* s) { return IconFile(s, 1, 1, 32); }

std::string EncodeCursor(cairo_surface_t* s, int hot_x, int hot_y) { return IconFile(s, 2, hot_x, hot_y); }

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  f.close();
  if (!f) throw std::runtime_error("cannot write " + path);
}

}  // namespace xpexam::bankgen
