// Pictures: decoded by gdk-pixbuf, recognised by content, kept as premultiplied ARGB32.
#include <fcntl.h>
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zstd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <list>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/graphics.h"
#include "forms/graphics_internal.h"
#include "forms/pictures.h"
#include "forms/runtime.h"
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

// The decoder sets aside a bitmap's declared header and the declared offset of its pixels
// before it checks either: a few damaged bytes would ask for gigabytes. `head` is the start of
// a file of file_size bytes.
bool BitmapPlausible(std::string_view head, size_t file_size) {
  const Bytes d{head};
  constexpr uint32_t kLargestInfoHeader = 124;
  return BitmapHeaderPlausible(d, 14, false) && (!d.Has(10, 4) || d.Le32(10) <= file_size) &&
         (!d.Has(14, 4) || d.Le32(14) <= kLargestInfoHeader);
}

// The bytes to hand to the decoder: the whole file, or a GIF cut after its first image.
// Failure "Invalid picture" when a declared size is beyond any screen.
std::string_view GuardedBytes(std::string_view bytes, std::string_view format, std::string& cut) {
  const Bytes d{bytes};
  bool ok = true;
  if (format == "bmp") {
    ok = BitmapPlausible(bytes, bytes.size());
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

// The pixels as a surface of width x height: the size the picture's header gave when it was
// loaded. A file that changed since then shows what fits of its new pixels.
cairo_surface_t* SurfaceFromPixbuf(GdkPixbuf* pixbuf, int width, int height) {
  const int w = std::min(width, gdk_pixbuf_get_width(pixbuf)), h = std::min(height, gdk_pixbuf_get_height(pixbuf));
  const int channels = gdk_pixbuf_get_n_channels(pixbuf);
  const bool alpha = gdk_pixbuf_get_has_alpha(pixbuf);
  if (gdk_pixbuf_get_bits_per_sample(pixbuf) != 8 || (channels != 3 && channels != 4)) FailInvalid();
  // Created clear: what the pixels do not cover stays transparent.
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
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

cairo_surface_t* Picture::Surface() const {
  if (surface_ && encoded_.empty()) return surface_;
  return Pixels(true);
}

Color Picture::PixelAt(int x, int y) const { return internal::SurfacePixel(Pixels(false), x, y); }

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

  // A picture whose body did not decode: a later load of its file fails at once when the
  // failure is the file's content, and looks at the file again otherwise.
  void Failed(const Picture* picture, const platform::Failure& failure) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
      if (it->picture.get() != picture) continue;
      if (failure.number() != platform::kErrInvalidPicture) {
        Erase(it);
        return;
      }
      used_ -= it->cost;
      it->cost = 256;
      used_ += it->cost;
      it->picture.reset();
      it->failure = failure;
      return;
    }
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

// The start of a picture's bytes: read from its file only as far as asked, or all in memory.
class Head {
 public:
  explicit Head(std::string_view bytes) : memory_(bytes), size_(bytes.size()) {}
  explicit Head(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    struct stat st;
    if (fd_ >= 0 && ::fstat(fd_, &st) == 0 && S_ISREG(st.st_mode)) {
      size_ = static_cast<size_t>(st.st_size);
    } else if (fd_ >= 0) {
      ::close(fd_);
      fd_ = -1;
    }
  }
  ~Head() {
    if (fd_ >= 0) ::close(fd_);
  }
  Head(const Head&) = delete;
  Head& operator=(const Head&) = delete;

  bool Readable() const { return memory_.data() || fd_ >= 0; }
  size_t Size() const { return size_; }
  bool InMemory() const { return memory_.data() != nullptr; }

  // The first n bytes, fewer at the end of the file.
  std::string_view First(size_t n) {
    if (InMemory()) return memory_.substr(0, n);
    while (fd_ >= 0 && read_.size() < n) {
      const size_t have = read_.size();
      // The rest of the file in one read when it is all wanted; past its stated size, in steps.
      const size_t step = std::min(n - have, std::max<size_t>(size_ > have ? size_ - have : 0, 65536));
      read_.resize(have + step);
      const ssize_t got = ::read(fd_, read_.data() + have, step);
      read_.resize(have + static_cast<size_t>(std::max<ssize_t>(got, 0)));
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) break;
    }
    return std::string_view(read_).substr(0, n);
  }
  std::string_view All() { return First(std::numeric_limits<size_t>::max()); }
  // What was read, handed over.
  std::string Take() {
    if (InMemory()) return std::string(memory_);
    return std::move(read_);
  }

 private:
  std::string_view memory_;
  int fd_ = -1;
  size_t size_ = 0;
  std::string read_;
};

// What the decoder makes of the header: the size the picture will have.
struct HeaderSize {
  int width = 0, height = 0;
  bool read = false;
};

void OnSizePrepared(GdkPixbufLoader* loader, gint width, gint height, gpointer data) {
  auto* size = static_cast<HeaderSize*>(data);
  *size = {width, height, true};
  // Asking for no pixels at all stops the decoder before it allocates or decodes any.
  gdk_pixbuf_loader_set_size(loader, 0, 0);
}

// Feeds the decoder the first bytes of the picture until it has read its size: the header
// (a bitmap's first hundred bytes; a JPEG's markers up to its first scan).
std::optional<HeaderSize> ReadHeaderSize(Head& head, const char* format) {
  LoaderHolder holder{gdk_pixbuf_loader_new_with_type(format, nullptr)};
  if (!holder.loader) return std::nullopt;
  HeaderSize size;
  g_signal_connect(holder.loader, "size-prepared", G_CALLBACK(OnSizePrepared), &size);
  size_t fed = 0;
  for (size_t want = 512; !size.read; want *= 8) {
    const std::string_view bytes = head.First(want);
    if (bytes.size() <= fed) break;
    const bool ok = gdk_pixbuf_loader_write(holder.loader, reinterpret_cast<const guchar*>(bytes.data()) + fed,
                                            bytes.size() - fed, nullptr);
    fed = bytes.size();
    if (!ok) break;
  }
  if (!size.read) return std::nullopt;
  return size;
}

struct Decoded {
  cairo_surface_t* surface = nullptr;
  int width = 0, height = 0;
  std::optional<std::pair<int, int>> hot_spot;
};

// `data` has passed the guards for its format. The pixels come out at width x height, or at
// the decoded size when either is 0.
Decoded DecodeGuarded(std::string_view data, const char* format, int width = 0, int height = 0) {
  LoaderHolder holder{gdk_pixbuf_loader_new_with_type(format, nullptr)};
  if (!holder.loader) FailInvalid();
  bool ok = gdk_pixbuf_loader_write(holder.loader, reinterpret_cast<const guchar*>(data.data()), data.size(),
                                    nullptr);
  holder.closed = true;
  ok = gdk_pixbuf_loader_close(holder.loader, nullptr) && ok;
  // Animated GIFs give their first frame here.
  GdkPixbuf* pixbuf = gdk_pixbuf_loader_get_pixbuf(holder.loader);
  if (!ok || !pixbuf) FailInvalid();
  if (width <= 0 || height <= 0) width = gdk_pixbuf_get_width(pixbuf), height = gdk_pixbuf_get_height(pixbuf);
  return {SurfaceFromPixbuf(pixbuf, width, height), width, height, CursorHotSpot(pixbuf)};
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

// Bytes of pixels decoded since the last frame: their decoder's buffers were freed meanwhile.
size_t& DecodedSinceFrame() {
  static size_t bytes = 0;
  return bytes;
}

void AddUndrawn(std::weak_ptr<const Picture> picture) {
  auto& undrawn = Undrawn();
  // Nothing may present for a while (a long load): forget the pictures already gone.
  if (undrawn.size() >= 1024) std::erase_if(undrawn, [](const auto& w) { return w.expired(); });
  undrawn.push_back(std::move(picture));
}

// Icons and cursors are small, and the decoder alone knows which of their images it shows
// and where a cursor's hot spot is; GIFs are rare, and a truncated one fails only when decoded.
bool DecodedWhenLoaded(const char* format) { return std::strcmp(format, "ico") == 0 || std::strcmp(format, "gif") == 0; }

}  // namespace

struct PictureMaker {
  // A picture from its first bytes (the rest read only for the formats decoded at once);
  // `path` names the file to decode later, empty when the bytes are all in memory.
  static PicturePtr Make(Head& head, std::string path) {
    // An empty buffer trips a GLib assertion inside the loader, so it never gets that far.
    const std::string_view first = head.First(512);
    if (first.empty()) Fail(platform::kErrFileNotFound, "File not found");
    CheckLoaders();
    const char* format = SniffFormat(first);
    if (!format) FailInvalid();
    std::shared_ptr<Picture> pic(new Picture());
    pic->format_ = format;
    if (DecodedWhenLoaded(format)) {
      std::string cut;
      const std::string_view data = GuardedBytes(head.All(), format, cut);
      Decoded decoded = DecodeGuarded(data, format);
      pic->surface_ = decoded.surface;
      pic->width_ = decoded.width;
      pic->height_ = decoded.height;
      pic->hot_spot_ = decoded.hot_spot;
      if (static_cast<size_t>(pic->width_) * pic->height_ * 4 >= kSetAsideFrom) {
        pic->encoded_ = cut.empty() ? std::string(data) : std::move(cut);
        AddUndrawn(pic);
      }
      return pic;
    }
    if (std::strcmp(format, "bmp") == 0 && !BitmapPlausible(first, head.Size())) FailInvalid();
    const std::optional<HeaderSize> size = ReadHeaderSize(head, format);
    if (!size || size->width <= 0 || size->height <= 0 || !Plausible(size->width, size->height)) FailInvalid();
    pic->width_ = size->width;
    pic->height_ = size->height;
    pic->route_ = platform::CurrentFailureRoute();
    if (head.InMemory())
      pic->encoded_ = head.Take();
    else
      pic->path_ = std::move(path);
    return pic;
  }

  // A body that does not decode shows nothing; its failure goes once where the loading
  // statement's would have gone.
  static void Undecodable(const Picture& pic, const platform::Failure& failure) {
    switch (pic.route_.kind) {
      case platform::FailureRoute::kSilent:
        break;
      case platform::FailureRoute::kReported:
        platform::ReportFailure(pic.route_.tag, failure.number(), failure.what());
        break;
      case platform::FailureRoute::kUnguarded:
      case platform::FailureRoute::kUnhandled:
        detail::ReportUnhandled(std::to_string(failure.number()) + " " + failure.what());
        break;
    }
    Cache().Failed(&pic, failure);
  }
};

cairo_surface_t* Picture::Pixels(bool drawing) const {
  if (!surface_) {
    try {
      if (packed_size_ > 0) {
        encoded_ = Unpack(encoded_, packed_size_);
        packed_size_ = 0;
      }
      if (encoded_.empty()) {
        auto bytes = platform::ReadFileBytes(path_);
        if (!bytes || bytes->empty()) Fail(platform::kErrFileNotFound, "File not found");
        encoded_ = std::move(*bytes);
      }
      std::string cut;
      const std::string_view data = GuardedBytes(encoded_, format_, cut);
      surface_ = DecodeGuarded(data, format_, width_, height_).surface;
      DecodedSinceFrame() += static_cast<size_t>(width_) * height_ * 4;
      // Read for a pixel, not drawn: the pixels may be set aside after the next frame.
      if (!drawing && static_cast<size_t>(width_) * height_ * 4 >= kSetAsideFrom)
        AddUndrawn(weak_from_this());
      else
        std::string().swap(encoded_);
    } catch (const platform::Failure& failure) {
      surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_);
      std::string().swap(encoded_);
      PictureMaker::Undecodable(*this, failure);
    } catch (const std::bad_alloc&) {
      surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_);
      std::string().swap(encoded_);
      PictureMaker::Undecodable(*this, platform::Failure(7, "Out of memory"));
    }
  }
  if (drawing) {
    std::string().swap(encoded_);
    packed_size_ = 0;
  }
  return surface_;
}

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
  Head head(resolved);
  if (!head.Readable()) Fail(platform::kErrFileNotFound, "File not found");
  CachedPicture entry{path, resolved, *stamp, nullptr, std::nullopt, 0};
  try {
    // The pixels are read later from the same file, whatever the working folder is then.
    std::string absolute = resolved;
    if (absolute.empty() || absolute[0] != '/') absolute = std::filesystem::absolute(resolved).string();
    entry.picture = PictureMaker::Make(head, std::move(absolute));
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
  // Large blocks freed in the middle of the heap (pixels set aside, the decoder's buffers of
  // the pictures just decoded) stay resident until trimmed.
  constexpr size_t kWorthTrimming = 1 << 20;
  if (freed > 0 || DecodedSinceFrame() >= kWorthTrimming) malloc_trim(0);
  DecodedSinceFrame() = 0;
}

std::shared_ptr<const Picture> Picture::Decode(std::string_view bytes) {
  Head head(bytes);
  return PictureMaker::Make(head, {});
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
