// Pictures: decoded by gdk-pixbuf, recognised by content, kept as premultiplied ARGB32.
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <malloc.h>
#include <zstd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <list>
#include <optional>
#include <unordered_map>
#include <mutex>
#include <string>
#include <vector>

#include "forms/graphics.h"
#include "forms/graphics_internal.h"
#include "forms/pictures.h"
#include "platform/failure.h"
#include "platform/line_index.h"
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

// No screen comes near these; a header declaring more is damaged or hostile, and decoding it
// would take gigabytes or minutes.
constexpr int64_t kMaxSide = 16384;
constexpr int64_t kMaxPixels = int64_t{8192} * 8192;

bool Plausible(int64_t w, int64_t h) {
  w = w < 0 ? -w : w;
  h = h < 0 ? -h : h;
  return w <= kMaxSide && h <= kMaxSide && w * h <= kMaxPixels;
}

struct Bytes {
  std::string_view b;
  bool Has(size_t at, size_t n) const { return at <= b.size() && n <= b.size() - at; }
  uint32_t U8(size_t at) const { return static_cast<unsigned char>(b[at]); }
  uint32_t Le16(size_t at) const { return U8(at) | U8(at + 1) << 8; }
  uint32_t Be16(size_t at) const { return U8(at) << 8 | U8(at + 1); }
  uint32_t Le32(size_t at) const { return Le16(at) | Le16(at + 2) << 16; }
  uint32_t Be32(size_t at) const { return Be16(at) << 16 | Be16(at + 2); }
  int32_t SLe32(size_t at) const { return static_cast<int32_t>(Le32(at)); }
};

// A BITMAPINFOHEADER (or the older core header) at `at`. An icon's image header is read as
// the 40-byte kind whatever its size says, and its height counts the mask too.
bool BitmapHeaderPlausible(const Bytes& d, size_t at, bool in_icon) {
  if (!d.Has(at, 4)) return true;
  if (in_icon) {
    // The icon decoder sets aside four bytes per declared palette colour before it looks at
    // the depth; no palette holds more than 256.
    if (d.Has(at, 36) && d.Le32(at + 32) > 256) return false;
    return !d.Has(at, 12) || Plausible(d.SLe32(at + 4), int64_t{d.SLe32(at + 8)} / 2);
  }
  const uint32_t size = d.Le32(at);
  if (size == 12 && d.Has(at, 12)) return Plausible(d.Le16(at + 4), d.Le16(at + 6));
  if (size >= 16 && d.Has(at, 12) && !Plausible(d.SLe32(at + 4), d.SLe32(at + 8))) return false;
  // A palette count past 2^31 reads as negative to the decoder, passes its check and is then
  // set aside four bytes a colour.
  if (size >= 40 && d.Has(at, 36)) {
    const uint32_t depth = d.Le16(at + 14);
    if (depth <= 8 && d.Le32(at + 32) > (1u << depth)) return false;
  }
  return true;
}

bool JpegPlausible(const Bytes& d) {
  size_t at = 2;
  while (d.Has(at, 2)) {
    if (d.U8(at) != 0xFF) return true;  // not a marker: the decoder judges it
    const uint32_t m = d.U8(at + 1);
    if (m == 0xFF) {
      ++at;
      continue;
    }
    if (m == 0x01 || (m >= 0xD0 && m <= 0xD7)) {
      at += 2;
      continue;
    }
    if (m == 0xD9 || m == 0xDA || !d.Has(at + 2, 2)) return true;
    const bool frame = m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
    if (frame && d.Has(at + 5, 4)) return Plausible(d.Be16(at + 7), d.Be16(at + 5));
    at += 2 + d.Be16(at + 2);
  }
  return true;
}

// Walks the blocks of a GIF up to the end of its first image. Only that image is ever shown;
// `first_end` is where it ends (0 when the walk did not reach it). Every declared size met on
// the way is checked.
bool GifPlausible(const Bytes& d, size_t& first_end) {
  first_end = 0;
  if (!d.Has(0, 13)) return true;
  if (!Plausible(d.Le16(6), d.Le16(8))) return false;
  size_t at = 13;
  if (d.U8(10) & 0x80) at += 3u << ((d.U8(10) & 7) + 1);
  auto skip_sub_blocks = [&] {
    while (d.Has(at, 1)) {
      const uint32_t n = d.U8(at);
      at += 1 + n;
      if (n == 0) return true;
    }
    return false;
  };
  while (d.Has(at, 1)) {
    const uint32_t kind = d.U8(at);
    if (kind == 0x21) {  // extension: label, then sub-blocks
      at += 2;
      if (!skip_sub_blocks()) return true;
    } else if (kind == 0x2C) {  // image descriptor
      if (!d.Has(at, 10)) return true;
      const int64_t left = d.Le16(at + 1), top = d.Le16(at + 3), w = d.Le16(at + 5), h = d.Le16(at + 7);
      if (!Plausible(left + w, top + h)) return false;
      const uint32_t flags = d.U8(at + 9);
      at += 10;
      if (flags & 0x80) at += 3u << ((flags & 7) + 1);
      at += 1;  // LZW minimum code size
      if (!skip_sub_blocks()) return true;
      first_end = at;
      return true;
    } else {
      return true;
    }
  }
  return true;
}

bool IconPlausible(const Bytes& d) {
  const uint32_t count = d.Le16(4);
  for (uint32_t i = 0; i < count && d.Has(6 + 16 * size_t{i}, 16); ++i) {
    const size_t entry = 6 + 16 * size_t{i};
    const size_t at = d.Le32(entry + 12);
    // The decoder sets aside everything up to an image before reading it.
    if (at > d.b.size()) return false;
    if (d.Has(at, 24) && d.b.substr(at, 8) == "\x89PNG\r\n\x1a\n") {
      if (!Plausible(d.Be32(at + 16) & 0x7FFFFFFF, d.Be32(at + 20) & 0x7FFFFFFF)) return false;
    } else if (!BitmapHeaderPlausible(d, at, true)) {
      return false;
    }
  }
  return true;
}

// The bytes to hand to the decoder: the whole file, or a GIF cut after its first image.
// Failure "Invalid picture" when a declared size is beyond any screen.
std::string_view GuardedBytes(std::string_view bytes, std::string_view format, std::string& cut) {
  const Bytes d{bytes};
  bool ok = true;
  if (format == "bmp") {
    // The decoder sets aside the declared header and the declared offset of the pixels before
    // it checks either: a few damaged bytes would ask for gigabytes.
    constexpr uint32_t kLargestInfoHeader = 124;
    ok = BitmapHeaderPlausible(d, 14, false) && (!d.Has(10, 4) || d.Le32(10) <= bytes.size()) &&
         (!d.Has(14, 4) || d.Le32(14) <= kLargestInfoHeader);
  } else if (format == "jpeg") {
    ok = JpegPlausible(d);
  } else if (format == "ico") {
    ok = IconPlausible(d);
  } else if (format == "gif") {
    size_t first_end = 0;
    ok = GifPlausible(d, first_end);
    // Later frames of an animation are never shown, and a damaged one can make the decoder
    // crawl: the decoder sees the first image and the trailer.
    if (ok && first_end > 0 && first_end < bytes.size()) {
      cut.assign(bytes.substr(0, first_end));
      cut += '\x3B';
      return cut;
    }
  }
  if (!ok) FailInvalid();
  return bytes;
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
  // floor(c * a / 255) without a divide: exact for every c * a up to 255 * 255.
  auto times = [](uint32_t c, uint32_t a) {
    const uint32_t v = c * a;
    return (v + 1 + (v >> 8)) >> 8;
  };
  for (int y = 0; y < h; ++y) {
    const guchar* p = src + static_cast<size_t>(y) * src_stride;
    auto* q = reinterpret_cast<uint32_t*>(dst + static_cast<size_t>(y) * dst_stride);
    if (!alpha) {
      for (int x = 0; x < w; ++x, p += channels) q[x] = 0xFF000000u | uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
      continue;
    }
    for (int x = 0; x < w; ++x, p += channels) {
      const uint32_t a = p[3];
      if (a == 255) {
        q[x] = 0xFF000000u | uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
      } else {
        q[x] = a << 24 | times(p[0], a) << 16 | times(p[1], a) << 8 | times(p[2], a);
      }
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

Color Picture::PixelAt(int x, int y) const { return internal::SurfacePixel(Surface(), x, y); }

namespace {

// Decoded pictures by the path they were asked for, valid while the file keeps its identity.
// A failed decode is kept too, so a damaged picture is not decoded again and again.
struct CachedPicture {
  std::string path;
  std::string resolved;
  platform::FileStamp stamp;
  PicturePtr picture;
  std::optional<platform::Failure> failure;
  size_t cost = 0;
};

class PictureCache {
 public:
  const CachedPicture* Find(const std::string& path, const std::string& resolved, const platform::FileStamp& stamp) {
    auto it = by_path_.find(path);
    if (it == by_path_.end()) return nullptr;
    if (it->second->resolved != resolved || it->second->stamp != stamp) {
      Erase(it->second);
      return nullptr;
    }
    entries_.splice(entries_.begin(), entries_, it->second);
    return &entries_.front();
  }

  void Add(CachedPicture entry) {
    if (auto it = by_path_.find(entry.path); it != by_path_.end()) Erase(it->second);
    entry.cost = entry.picture ? static_cast<size_t>(entry.picture->Width()) * entry.picture->Height() * 4 + 256 : 256;
    used_ += entry.cost;
    entries_.push_front(std::move(entry));
    by_path_[entries_.front().path] = entries_.begin();
    Trim();
  }

  void SetBudget(size_t bytes) {
    budget_ = bytes;
    Trim();
  }
  void Clear() {
    entries_.clear();
    by_path_.clear();
    used_ = 0;
  }

 private:
  void Erase(std::list<CachedPicture>::iterator it) {
    used_ -= it->cost;
    by_path_.erase(it->path);
    entries_.erase(it);
  }
  void Trim() {
    while (used_ > budget_ && !entries_.empty()) Erase(std::prev(entries_.end()));
  }

  std::list<CachedPicture> entries_;  // most recently used first
  std::unordered_map<std::string, std::list<CachedPicture>::iterator> by_path_;
  size_t used_ = 0;
  size_t budget_ = size_t{64} << 20;
};

PictureCache& Cache() {
  static PictureCache cache;
  return cache;
}

}  // namespace

std::shared_ptr<const Picture> Picture::Load(const std::string& path) {
  // Records leave picture names empty all the time; such a name never names a picture, and
  // looking for it would scan the folder.
  if (IsEmptyPictureName(path)) Fail(platform::kErrFileNotFound, "File not found");
  // Kept between loads, so that a picture shown again costs no allocation.
  thread_local std::string resolved;
  const auto stamp = platform::ResolveAndStamp(path, resolved);
  if (!stamp) Fail(platform::kErrFileNotFound, "File not found");
  if (const CachedPicture* hit = Cache().Find(path, resolved, *stamp)) {
    if (hit->failure) throw *hit->failure;
    return hit->picture;
  }
  auto bytes = platform::ReadFileBytes(resolved);
  if (!bytes) Fail(platform::kErrFileNotFound, "File not found");
  CachedPicture entry{path, resolved, *stamp, nullptr, std::nullopt, 0};
  try {
    entry.picture = Decode(*bytes);
  } catch (const platform::Failure& f) {
    // An empty file is "File not found" and may be filled later; only a decode is remembered.
    if (f.number() != platform::kErrInvalidPicture) throw;
    entry.failure = f;
    Cache().Add(std::move(entry));
    throw;
  }
  Cache().Add(entry);
  return entry.picture;
}

void SetPictureCacheBudget(size_t bytes) { Cache().SetBudget(bytes); }
void ClearPictureCache() { Cache().Clear(); }

namespace {

struct Decoded {
  cairo_surface_t* surface = nullptr;
  int width = 0, height = 0;
  std::optional<std::pair<int, int>> hot_spot;
};

// `data` has passed the guards for its format.
Decoded DecodeGuarded(std::string_view data, const char* format) {
  LoaderHolder holder{gdk_pixbuf_loader_new_with_type(format, nullptr)};
  if (!holder.loader) FailInvalid();
  bool ok = gdk_pixbuf_loader_write(holder.loader, reinterpret_cast<const guchar*>(data.data()), data.size(),
                                    nullptr);
  holder.closed = true;
  ok = gdk_pixbuf_loader_close(holder.loader, nullptr) && ok;
  // Animated GIFs give their first frame here.
  GdkPixbuf* pixbuf = gdk_pixbuf_loader_get_pixbuf(holder.loader);
  if (!ok || !pixbuf) FailInvalid();
  return {SurfaceFromPixbuf(pixbuf), gdk_pixbuf_get_width(pixbuf), gdk_pixbuf_get_height(pixbuf),
          CursorHotSpot(pixbuf)};
}

// A fast level: bitmaps of window art shrink to a few percent even so, in about a millisecond
// a megabyte.
std::optional<std::string> Pack(std::string_view bytes) {
  std::string out(ZSTD_compressBound(bytes.size()), '\0');
  const size_t size = ZSTD_compress(out.data(), out.size(), bytes.data(), bytes.size(), 1);
  if (ZSTD_isError(size) || size >= bytes.size()) return std::nullopt;
  out.resize(size);
  out.shrink_to_fit();
  return out;
}

std::string Unpack(std::string_view packed, size_t size) {
  std::string out(size, '\0');
  if (ZSTD_decompress(out.data(), size, packed.data(), packed.size()) != size) Fail(7, "Out of memory");
  return out;
}

// Pictures smaller than this keep their pixels: setting them aside would save little.
constexpr size_t kSetAsideFrom = 64 * 1024;

// Pictures decoded since the last frame that may set their pixels aside.
std::vector<std::weak_ptr<const Picture>>& Undrawn() {
  static std::vector<std::weak_ptr<const Picture>> undrawn;
  return undrawn;
}

}  // namespace

cairo_surface_t* Picture::Surface() const {
  if (encoded_.empty()) return surface_;
  if (!surface_) {
    // The bytes decoded once already; only a lack of memory can stop them now.
    try {
      if (packed_size_ > 0) encoded_ = Unpack(encoded_, packed_size_);
      surface_ = DecodeGuarded(encoded_, format_).surface;
    } catch (const platform::Failure&) {
      surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_);
    }
  }
  std::string().swap(encoded_);
  packed_size_ = 0;
  return surface_;
}

void SetAsideUndrawnPictures() {
  size_t freed = 0;
  for (const auto& weak : Undrawn())
    if (PicturePtr pic = weak.lock(); pic && !pic->encoded_.empty() && pic->surface_) {
      cairo_surface_destroy(pic->surface_);
      pic->surface_ = nullptr;
      freed += static_cast<size_t>(pic->width_) * pic->height_ * 4;
      if (pic->packed_size_ == 0 && (std::strcmp(pic->format_, "bmp") == 0 || std::strcmp(pic->format_, "ico") == 0))
        if (std::optional<std::string> packed = Pack(pic->encoded_)) {
          pic->packed_size_ = pic->encoded_.size();
          pic->encoded_ = std::move(*packed);
        }
    }
  Undrawn().clear();
  // Large blocks freed in the middle of the heap stay resident until trimmed.
  if (freed > 0) malloc_trim(0);
}

std::shared_ptr<const Picture> Picture::Decode(std::string_view bytes) {
  // An empty buffer trips a GLib assertion inside the loader, so it never gets that far.
  if (bytes.empty()) Fail(platform::kErrFileNotFound, "File not found");
  CheckLoaders();
  const char* format = SniffFormat(bytes);
  if (!format) FailInvalid();
  std::string cut;
  const std::string_view data = GuardedBytes(bytes, format, cut);
  Decoded decoded = DecodeGuarded(data, format);
  std::shared_ptr<Picture> pic(new Picture());
  pic->surface_ = decoded.surface;
  pic->width_ = decoded.width;
  pic->height_ = decoded.height;
  pic->hot_spot_ = decoded.hot_spot;
  if (static_cast<size_t>(pic->width_) * pic->height_ * 4 >= kSetAsideFrom) {
    pic->format_ = format;
    pic->encoded_ = cut.empty() ? std::string(data) : std::move(cut);
    auto& undrawn = Undrawn();
    // Nothing may present for a while (a long load): forget the pictures already gone.
    if (undrawn.size() >= 1024) std::erase_if(undrawn, [](const auto& w) { return w.expired(); });
    undrawn.push_back(pic);
  }
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
