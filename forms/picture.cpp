// Pictures: decoded by gdk-pixbuf, recognised by content, kept as premultiplied ARGB32.
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "forms/graphics.h"
#include "forms/graphics_internal.h"
#include "platform/failure.h"
#include "platform/textfile.h"

namespace xpexam::forms {
namespace {

using platform::Fail;

[[noreturn]] void FailInvalid() { Fail(platform::kErrInvalidPicture, "Invalid picture"); }

// The installation's pictures carry misleading extensions, so the loader is chosen from the
// first bytes; only the four formats the program ships are ever handed to gdk-pixbuf.
const char* SniffFormat(std::string_view b) {
  auto at = [&](size_t i) { return static_cast<unsigned char>(b[i]); };
  if (b.size() >= 2 && at(0) == 'B' && at(1) == 'M') return "bmp";
  if (b.size() >= 6 && (b.substr(0, 6) == "GIF87a" || b.substr(0, 6) == "GIF89a")) return "gif";
  if (b.size() >= 3 && at(0) == 0xFF && at(1) == 0xD8 && at(2) == 0xFF) return "jpeg";
  // ICONDIR: reserved 0, type 1 (icon) or 2 (cursor), at least one image.
  if (b.size() >= 6 && at(0) == 0 && at(1) == 0 && (at(2) == 1 || at(2) == 2) && at(3) == 0 &&
      (at(4) | at(5) << 8) > 0)
    return "ico";
  return nullptr;
}

// The BMP, GIF and ICO loaders are plug-ins registered by a package hook; without them every
// picture would fail as "Invalid picture", which would hide the real cause.
void CheckLoaders() {
  static std::once_flag once;
  static std::string missing;
  std::call_once(once, [] {
    std::vector<std::string> want = {"bmp", "gif", "ico", "jpeg"};
    GSList* formats = gdk_pixbuf_get_formats();
    for (GSList* l = formats; l; l = l->next) {
      gchar* name = gdk_pixbuf_format_get_name(static_cast<GdkPixbufFormat*>(l->data));
      std::erase(want, std::string(name));
      g_free(name);
    }
    g_slist_free(formats);
    for (const auto& w : want) missing += (missing.empty() ? "" : ", ") + w;
  });
  if (!missing.empty())
    Fail(platform::kErrInvalidPicture,
         "Picture loaders missing from gdk-pixbuf: " + missing + " (check its loaders.cache)");
}

struct LoaderHolder {
  GdkPixbufLoader* loader;
  bool closed = false;
  ~LoaderHolder() {
    if (!closed) gdk_pixbuf_loader_close(loader, nullptr);
    g_object_unref(loader);
  }
};

std::optional<std::pair<int, int>> CursorHotSpot(GdkPixbuf* pixbuf) {
  const gchar* x = gdk_pixbuf_get_option(pixbuf, "x_hot");
  const gchar* y = gdk_pixbuf_get_option(pixbuf, "y_hot");
  if (!x || !y) return std::nullopt;
  return std::make_pair(std::atoi(x), std::atoi(y));
}

cairo_surface_t* SurfaceFromPixbuf(GdkPixbuf* pixbuf) {
  const int w = gdk_pixbuf_get_width(pixbuf), h = gdk_pixbuf_get_height(pixbuf);
  const int channels = gdk_pixbuf_get_n_channels(pixbuf);
  const bool alpha = gdk_pixbuf_get_has_alpha(pixbuf);
  if (gdk_pixbuf_get_bits_per_sample(pixbuf) != 8 || (channels != 3 && channels != 4)) FailInvalid();
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    Fail(7, "Out of memory");
  }
  const guchar* src = gdk_pixbuf_read_pixels(pixbuf);
  const int src_stride = gdk_pixbuf_get_rowstride(pixbuf);
  unsigned char* dst = cairo_image_surface_get_data(s);
  const int dst_stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < h; ++y) {
    const guchar* p = src + static_cast<size_t>(y) * src_stride;
    auto* q = reinterpret_cast<uint32_t*>(dst + static_cast<size_t>(y) * dst_stride);
    for (int x = 0; x < w; ++x, p += channels) {
      uint32_t a = alpha ? p[3] : 255;
      uint32_t r = p[0] * a / 255, g = p[1] * a / 255, b = p[2] * a / 255;
      q[x] = a << 24 | r << 16 | g << 8 | b;
    }
  }
  cairo_surface_mark_dirty(s);
  return s;
}

}  // namespace

namespace internal {

Color SurfacePixel(cairo_surface_t* surface, int x, int y) {
  if (!surface || x < 0 || y < 0 || x >= cairo_image_surface_get_width(surface) ||
      y >= cairo_image_surface_get_height(surface))
    return 0;
  cairo_surface_flush(surface);
  const unsigned char* row =
      cairo_image_surface_get_data(surface) + static_cast<size_t>(y) * cairo_image_surface_get_stride(surface);
  uint32_t v = reinterpret_cast<const uint32_t*>(row)[x];
  uint32_t a = v >> 24;
  if (a == 0) return 0;
  auto un = [a](uint32_t c) { return static_cast<int>(std::min<uint32_t>(255, (c * 255 + a / 2) / a)); };
  return Rgb(un(v >> 16 & 255), un(v >> 8 & 255), un(v & 255));
}

void SetSourceColor(cairo_t* cr, Color c) {
  cairo_set_source_rgb(cr, (c & 255) / 255.0, (c >> 8 & 255) / 255.0, (c >> 16 & 255) / 255.0);
}

}  // namespace internal

Picture::~Picture() {
  if (surface_) cairo_surface_destroy(surface_);
}

Color Picture::PixelAt(int x, int y) const { return internal::SurfacePixel(surface_, x, y); }

std::shared_ptr<const Picture> Picture::Load(const std::string& path) {
  auto bytes = platform::ReadFileBytes(path);
  if (!bytes) Fail(platform::kErrFileNotFound, "File not found");
  return Decode(*bytes);
}

std::shared_ptr<const Picture> Picture::Decode(std::string_view bytes) {
  // An empty buffer trips a GLib assertion inside the loader, so it never gets that far.
  if (bytes.empty()) Fail(platform::kErrFileNotFound, "File not found");
  CheckLoaders();
  const char* format = SniffFormat(bytes);
  if (!format) FailInvalid();
  LoaderHolder holder{gdk_pixbuf_loader_new_with_type(format, nullptr)};
  if (!holder.loader) FailInvalid();
  bool ok = gdk_pixbuf_loader_write(holder.loader, reinterpret_cast<const guchar*>(bytes.data()), bytes.size(),
                                    nullptr);
  holder.closed = true;
  ok = gdk_pixbuf_loader_close(holder.loader, nullptr) && ok;
  // Animated GIFs give their first frame here.
  GdkPixbuf* pixbuf = gdk_pixbuf_loader_get_pixbuf(holder.loader);
  if (!ok || !pixbuf) FailInvalid();
  std::shared_ptr<Picture> pic(new Picture());
  pic->surface_ = SurfaceFromPixbuf(pixbuf);
  pic->width_ = gdk_pixbuf_get_width(pixbuf);
  pic->height_ = gdk_pixbuf_get_height(pixbuf);
  pic->hot_spot_ = CursorHotSpot(pixbuf);
  return pic;
}

std::shared_ptr<const Picture> Picture::Solid(int width, int height, Color color) {
  std::shared_ptr<Picture> pic(new Picture());
  pic->width_ = std::max(0, width);
  pic->height_ = std::max(0, height);
  pic->surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pic->width_, pic->height_);
  cairo_t* cr = cairo_create(pic->surface_);
  internal::SetSourceColor(cr, color);
  cairo_paint(cr);
  cairo_destroy(cr);
  return pic;
}

std::shared_ptr<const Picture> Picture::Drawn(int width, int height, const std::function<void(cairo_t*)>& draw,
                                              std::optional<std::pair<int, int>> hot_spot) {
  std::shared_ptr<Picture> pic(new Picture());
  pic->hot_spot_ = hot_spot;
  pic->width_ = std::max(0, width);
  pic->height_ = std::max(0, height);
  pic->surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pic->width_, pic->height_);
  cairo_t* cr = cairo_create(pic->surface_);
  draw(cr);
  cairo_destroy(cr);
  cairo_surface_flush(pic->surface_);
  return pic;
}

}  // namespace xpexam::forms
