#include "forms/graphics.h"

#include <cairo.h>
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/textfile.h"
#include "tests/support/bmp.h"

namespace xpexam::forms {
namespace {

using platform::Failure;

constexpr Color kRed = Rgb(255, 0, 0), kBlue = Rgb(0, 0, 255), kGreen = Rgb(0, 255, 0);

void Put16(std::string& s, unsigned v) { s += char(v & 255), s += char(v >> 8 & 255); }
void Put32(std::string& s, uint32_t v) { Put16(s, v & 0xFFFF), Put16(s, v >> 16); }

std::string InfoHeader(int w, int h, int bpp, int compression, int colors) {
  std::string s;
  Put32(s, 40), Put32(s, w), Put32(s, h), Put16(s, 1), Put16(s, bpp), Put32(s, compression);
  Put32(s, 0), Put32(s, 2835), Put32(s, 2835), Put32(s, colors), Put32(s, 0);
  return s;
}

// 4 x 2, red with a blue pixel at (3, 1), run-length encoded, 2-colour palette.
std::string Rle8Bmp() {
  std::string body = InfoHeader(4, 2, 8, 1, 2);
  body += std::string("\0\0\xff\0\xff\0\0\0", 8);                   // palette: red, blue (BGR0)
  body += std::string("\x03\x00\x01\x01\x00\x00", 6);                 // bottom row: R R R B
  body += std::string("\x04\x00\x00\x00\x00\x01", 6);                 // top row, end of bitmap
  std::string file = "BM";
  Put32(file, 14 + body.size()), Put32(file, 0), Put32(file, 14 + 40 + 8);
  return file + body;
}

// 8 x 8 cursor, 32 bits: green with a red pixel at the hot spot (3, 5).
std::string Cursor() {
  std::string dib = InfoHeader(8, 16, 32, 0, 0);
  for (int y = 7; y >= 0; --y)
    for (int x = 0; x < 8; ++x) dib += x == 3 && y == 5 ? std::string("\0\0\xff\xff", 4) : std::string("\0\xff\0\xff", 4);
  dib += std::string(8 * 4, '\0');  // AND mask: rows padded to 4 bytes, all opaque
  std::string file;
  Put16(file, 0), Put16(file, 2), Put16(file, 1);
  file += char(8), file += char(8), file += char(0), file += char(0);
  Put16(file, 3), Put16(file, 5), Put32(file, dib.size()), Put32(file, 6 + 16);
  return file + dib;
}

// Left half red, right half blue, saved by gdk-pixbuf in the given format.
std::string Saved(const char* format, int w, int h, bool alpha) {
  GdkPixbuf* pb = gdk_pixbuf_new(GDK_COLORSPACE_RGB, alpha, 8, w, h);
  int n = gdk_pixbuf_get_n_channels(pb), stride = gdk_pixbuf_get_rowstride(pb);
  guchar* px = gdk_pixbuf_get_pixels(pb);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      guchar* p = px + y * stride + x * n;
      p[0] = x < w / 2 ? 255 : 0, p[1] = 0, p[2] = x < w / 2 ? 0 : 255;
      if (alpha) p[3] = 255;
    }
  gchar* buf = nullptr;
  gsize size = 0;
  bool ok = std::string(format) == "jpeg" ? gdk_pixbuf_save_to_buffer(pb, &buf, &size, format, nullptr, "quality", "100", nullptr)
                                          : gdk_pixbuf_save_to_buffer(pb, &buf, &size, format, nullptr, nullptr);
  g_object_unref(pb);
  EXPECT_TRUE(ok) << format;
  std::string out(buf, size);
  g_free(buf);
  return out;
}

const unsigned char kGif[] = {  // 4 x 2 red, blue at (3, 1)
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x04, 0x00, 0x02, 0x00, 0xf0, 0x00, 0x00, 0xff, 0x00,
    0x00, 0x00, 0x00, 0xff, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
    0x00, 0x00, 0x04, 0x00, 0x02, 0x00, 0x00, 0x02, 0x03, 0x84, 0x0f, 0x51, 0x00, 0x3b};
const unsigned char kAnimatedGif[] = {  // 2 x 2, a green frame then a magenta one
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x02, 0x00, 0x02, 0x00, 0xf0, 0x00, 0x00, 0x00, 0xff,
    0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x0a, 0x00, 0x00, 0x00, 0x21, 0xff, 0x0b,
    0x4e, 0x45, 0x54, 0x53, 0x43, 0x41, 0x50, 0x45, 0x32, 0x2e, 0x30, 0x03, 0x01, 0x00, 0x00,
    0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x02, 0x00, 0x00, 0x02, 0x02, 0x84, 0x51,
    0x00, 0x21, 0xf9, 0x04, 0x00, 0x0a, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x02,
    0x00, 0x02, 0x00, 0x80, 0xff, 0x00, 0xff, 0x00, 0x00, 0x00, 0x02, 0x02, 0x84, 0x51, 0x00,
    0x3b};

template <size_t N>
std::string Bytes(const unsigned char (&a)[N]) {
  return std::string(reinterpret_cast<const char*>(a), N);
}

bool Near(Color a, Color b, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(int(a >> shift & 255) - int(b >> shift & 255)) > tolerance) return false;
  return true;
}

class GraphicsFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = ::testing::TempDir() + "gfxXXXXXX";
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl + "/";
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ + name, std::ios::binary) << bytes;
    return dir_ + name;
  }
  std::string dir_;
};

struct Probe {
  int x, y;
  Color color;
};

TEST_F(GraphicsFiles, PicturesAreRecognisedByContentWhateverTheExtension) {
  struct Case {
    const char* file;
    std::string bytes;
    int width, height;
    std::vector<Probe> probes;
    int tolerance;
    std::optional<std::pair<int, int>> hot_spot;
  };
  const Case cases[] = {
      {"bmp24.mxy", Saved("bmp", 6, 3, false), 6, 3, {{0, 0, kRed}, {2, 2, kRed}, {3, 0, kBlue}, {5, 2, kBlue}}, 0, {}},
      {"rle8.gif", Rle8Bmp(), 4, 2, {{0, 0, kRed}, {3, 0, kRed}, {2, 1, kRed}, {3, 1, kBlue}}, 0, {}},
      {"still.bmp", Bytes(kGif), 4, 2, {{0, 0, kRed}, {3, 1, kBlue}, {3, 0, kRed}}, 0, {}},
      {"anim.ico", Bytes(kAnimatedGif), 2, 2, {{0, 0, kGreen}, {1, 1, kGreen}}, 0, {}},
      {"photo.mxy", Saved("jpeg", 32, 16, false), 32, 16, {{4, 8, kRed}, {28, 8, kBlue}}, 24, {}},
      {"icon.mxy", Saved("ico", 16, 16, true), 16, 16, {{2, 2, kRed}, {13, 13, kBlue}}, 0, {}},
      {"arrow.ico", Cursor(), 8, 8, {{0, 0, kGreen}, {3, 5, kRed}, {7, 7, kGreen}}, 0, std::pair{3, 5}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    PicturePtr pic;
    ASSERT_NO_THROW(pic = Picture::Load(Write(c.file, c.bytes)));
    EXPECT_EQ(pic->Width(), c.width);
    EXPECT_EQ(pic->Height(), c.height);
    for (const auto& p : c.probes)
      EXPECT_PRED3(Near, pic->PixelAt(p.x, p.y), p.color, c.tolerance) << p.x << "," << p.y;
    EXPECT_EQ(pic->PixelAt(c.width, 0), 0u);
    EXPECT_EQ(pic->HotSpot(), c.hot_spot);
  }
}

TEST_F(GraphicsFiles, OtherFormatsAndBrokenFilesAreInvalidPictures) {
  const std::string gif = Bytes(kGif);
  const std::pair<const char*, std::string> cases[] = {
      {"png", Saved("png", 4, 4, false)},
      {"tiff", std::string("II*\0\x08\0\0\0", 8) + std::string(64, '\0')},
      {"svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"4\"/>"},
      {"xpm", "/* XPM */\nstatic char *x[] = {\"1 1 1 1\", \"a c #ff0000\", \"a\"};\n"},
      {"ani", std::string("RIFF\x20\0\0\0ACONanih", 16) + std::string(32, '\0')},
      {"garbage", "this is not a picture at all"},
      {"bmp header only", "BM" + std::string(40, '\x7f')},
      {"truncated gif", gif.substr(0, 30)},
      {"icon directory without images", std::string("\0\0\1\0\0\0", 6)},
  };
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    try {
      Picture::Load(Write("x.mxy", bytes));
      ADD_FAILURE() << "accepted";
    } catch (const Failure& f) {
      EXPECT_EQ(f.number(), 481);
      EXPECT_STREQ(f.what(), "Invalid picture");
    }
  }
}

TEST_F(GraphicsFiles, MissingOrEmptyFilesAreNotFoundAndPathsIgnoreCase) {
  Write("empty.mxy", "");
  for (const std::string& path : {dir_ + "empty.mxy", dir_ + "absent.mxy", dir_}) {
    SCOPED_TRACE(path);
    try {
      Picture::Load(path);
      ADD_FAILURE() << "loaded";
    } catch (const Failure& f) {
      EXPECT_EQ(f.number(), 53);
      EXPECT_STREQ(f.what(), "File not found");
    }
  }
  EXPECT_THROW(Picture::Decode(""), Failure);
  Write("Face.MXY", Rle8Bmp());
  EXPECT_EQ(Picture::Load(dir_ + "face.mxy")->Width(), 4);
}

std::string Be16(unsigned v) { return {char(v >> 8 & 255), char(v & 255)}; }
std::string Be32(uint32_t v) { return Be16(v >> 16) + Be16(v & 0xFFFF); }
std::string Le16(unsigned v) { return {char(v & 255), char(v >> 8 & 255)}; }

// Headers declaring a size, followed by a little filler: the size alone must decide.
std::string BmpHeader(int32_t w, int32_t h) {
  std::string file = "BM";
  Put32(file, 70), Put32(file, 0), Put32(file, 54);
  return file + InfoHeader(w, h, 24, 0, 0) + std::string(16, '\0');
}
std::string CoreBmpHeader(unsigned w, unsigned h) {
  std::string file = "BM";
  Put32(file, 42), Put32(file, 0), Put32(file, 26), Put32(file, 12);
  Put16(file, w), Put16(file, h), Put16(file, 1), Put16(file, 24);
  return file + std::string(16, '\0');
}
std::string JpegHeader(unsigned w, unsigned h) {
  return std::string("\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20) +
         std::string("\xff\xc0\x00\x11\x08", 5) + Be16(h) + Be16(w) +
         std::string("\x03\x01\x11\x00\x02\x11\x00\x03\x11\x00\xff\xd9", 12);
}
// A two-colour GIF whose one image is 2 x 2 pixels of data, declared with the sizes given.
std::string GifOf(unsigned screen_w, unsigned screen_h, unsigned frame_w, unsigned frame_h) {
  return "GIF89a" + Le16(screen_w) + Le16(screen_h) + std::string("\xf0\x00\x00\x00\xff\x00\x00\x00\x00", 9) +
         "\x2c" + Le16(0) + Le16(0) + Le16(frame_w) + Le16(frame_h) + std::string("\x00\x02\x02\x84\x51\x00", 6) + ";";
}
// An icon (type 1) or cursor (type 2) whose one entry holds the image bytes given.
std::string IconOf(int type, const std::string& image) {
  std::string file;
  Put16(file, 0), Put16(file, type), Put16(file, 1);
  file += std::string(4, '\0');
  Put16(file, 1), Put16(file, 32), Put32(file, image.size()), Put32(file, 6 + 16);
  return file + image;
}
std::string WithLe32At(std::string bytes, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = char(v >> (8 * i) & 255);
  return bytes;
}
std::string PngHeader(uint32_t w, uint32_t h) {
  return std::string("\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR", 16) + Be32(w) + Be32(h) +
         std::string("\x08\x06\x00\x00\x00\x00\x00\x00\x00", 9);
}

TEST_F(GraphicsFiles, PicturesDeclaringMoreThanAnyScreenAreInvalidPictures) {
  const struct {
    const char* name;
    std::string bytes;
    bool accepted;
  } cases[] = {
      {"bmp 100000 x 100000", BmpHeader(100000, 100000), false},
      {"bmp 16385 x 1", BmpHeader(16385, 1), false},
      {"bmp 9000 x 9000", BmpHeader(9000, 9000), false},
      {"top-down bmp 1 x -100000", BmpHeader(1, -100000), false},
      {"bmp 16384 x 1", xpexam::testing::SolidBmp(16384, 1, kRed), true},
      {"core bmp 65535 x 65535", CoreBmpHeader(65535, 65535), false},
      // The decoder would set aside what these declare before looking further.
      {"bmp whose pixels start 3 GB in", WithLe32At(xpexam::testing::SolidBmp(2, 2, kRed), 10, 0xC0000000u), false},
      {"8-bit bmp declaring 2^31 + 1 colours", WithLe32At(Rle8Bmp(), 46, 0x80000001u), false},
      {"bmp with a 3 GB info header", WithLe32At(xpexam::testing::SolidBmp(2, 2, kRed), 14, 0xC0000000u), false},
      {"jpeg 65535 x 65535", JpegHeader(65535, 65535), false},
      {"gif screen 65535 x 65535", GifOf(65535, 65535, 2, 2), false},
      {"gif image 65535 x 65535 in a 2 x 2 screen", GifOf(2, 2, 65535, 65535), false},
      {"gif 2 x 2", GifOf(2, 2, 2, 2), true},
      {"icon of a 40000 x 40000 bitmap", IconOf(1, InfoHeader(40000, 80000, 32, 0, 0) + std::string(64, '\0')), false},
      {"cursor of a 100000 x 100000 png", IconOf(2, PngHeader(100000, 100000)), false},
      {"icon whose image starts 1 GB in", WithLe32At(IconOf(1, InfoHeader(2, 4, 32, 0, 0) + std::string(64, '\0')), 18, 1u << 30), false},
      {"icon declaring a palette of 2^30 colours", WithLe32At(IconOf(1, InfoHeader(2, 4, 32, 0, 0) + std::string(64, '\0')), 22 + 32, 1u << 30), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      PicturePtr pic = Picture::Load(Write("x.mxy", c.bytes));
      EXPECT_TRUE(c.accepted);
    } catch (const Failure& f) {
      EXPECT_FALSE(c.accepted) << f.what();
      EXPECT_EQ(f.number(), 481);
    }
    ClearPictureCache();
  }
}

TEST_F(GraphicsFiles, AGifShowsItsFirstImageWhateverFollowsIt) {
  const std::string gif = Bytes(kAnimatedGif);
  const std::string first = gif.substr(0, gif.find(std::string("\x00\x21\xf9", 3), 40) + 1);
  std::string many_frames = first;
  for (int i = 0; i < 20000; ++i) many_frames += "\x2c" + Le16(0) + Le16(0) + Le16(2) + Le16(2) + std::string("\x00\x02\x02\x84\x51\x00", 6);
  const std::pair<const char*, std::string> cases[] = {
      {"animation", gif},
      {"damaged second image", first + "\x2c" + Le16(0) + Le16(0) + Le16(2) + Le16(2) + std::string("\x00\x09\xff\xff", 4)},
      {"twenty thousand more images", many_frames + ";"},
  };
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    PicturePtr pic;
    ASSERT_NO_THROW(pic = Picture::Decode(bytes));
    EXPECT_EQ(pic->Width(), 2);
    EXPECT_EQ(pic->PixelAt(1, 1), kGreen);
  }
}

// A JPEG whose header reads but whose scan uses Huffman tables it never defines: it loads,
// and fails only when its pixels are decoded.
std::string JpegWithUndefinedTables() {
  std::string jpeg = Saved("jpeg", 32, 16, false);
  const size_t scan = jpeg.find("\xff\xda");
  const int components = static_cast<unsigned char>(jpeg.at(scan + 4));
  for (int k = 0; k < components; ++k) jpeg.at(scan + 6 + 2 * k) = '\x33';
  return jpeg;
}

// A picture whose body turns out not to decode when first drawn shows nothing; its failure goes
// once where the failure of the statement that loaded it would have gone, and a later load of
// the same file fails at once, as a damaged header does.
TEST_F(GraphicsFiles, ABodyThatDoesNotDecodeShowsNothingAndIsReportedOnce) {
  std::vector<std::string> reports;
  platform::SetFailureReporter([&](std::string_view tag, long number, std::string_view description) {
    reports.push_back(std::string(tag) + " " + std::to_string(number) + " " + std::string(description));
  });
  const std::string path = Write("photo.mxy", JpegWithUndefinedTables());
  const struct {
    const char* guard;
    std::function<bool(const std::function<void()>&)> run;
    std::vector<std::string> reported;
  } cases[] = {
      {"report and resume", [](const auto& s) { return platform::TryReport("fmload", s); }, {"fmload 481 Invalid picture"}},
      {"skip silently", [](const auto& s) { return platform::Try(s); }, {}},
      {"report, skipping inside", [](const auto& s) { return platform::TryReport("fmload", [&] { platform::Try(s); }); }, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.guard);
    ClearPictureCache();
    reports.clear();
    PicturePtr pic;
    ASSERT_TRUE(c.run([&] { pic = Picture::Load(path); }));
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->Width(), 32);
    EXPECT_EQ(pic->Height(), 16);
    EXPECT_TRUE(reports.empty());
    Canvas canvas(40, 20);
    for (int i = 0; i < 2; ++i) {
      Painter p(canvas);
      p.FillRect({0, 0, 40, 20}, kGreen);
      p.DrawPicture(*pic, 0, 0);
      EXPECT_EQ(canvas.PixelAt(4, 8), kGreen);
      EXPECT_EQ(pic->PixelAt(4, 8), 0u);
    }
    EXPECT_EQ(reports, c.reported);
    try {
      Picture::Load(path);
      ADD_FAILURE() << "loaded again";
    } catch (const Failure& f) {
      EXPECT_EQ(f.number(), 481);
    }
  }
  platform::SetFailureReporter(nullptr);
}

TEST_F(GraphicsFiles, APictureIsDecodedOnceUntilItsFileChanges) {
  const std::string path = Write("desk.mxy", xpexam::testing::SolidBmp(8, 8, kRed));
  PicturePtr shown = Picture::Load(path);
  EXPECT_EQ(Picture::Load(path), shown);
  const struct {
    const char* name;
    std::function<void()> change;
    int width;
    Color color;
  } cases[] = {
      {"replaced through a rename, same size",
       [&] { platform::WriteFileAtomic(path, xpexam::testing::SolidBmp(8, 8, kBlue)); }, 8, kBlue},
      {"rewritten in place, same size, new time",
       [&] {
         Write("desk.mxy", xpexam::testing::SolidBmp(8, 8, kGreen));
         const timespec times[2] = {{0, UTIME_OMIT}, {12345, 0}};
         ::utimensat(AT_FDCWD, path.c_str(), times, 0);
       },
       8, kGreen},
      {"rewritten in place, other size", [&] { Write("desk.mxy", xpexam::testing::SolidBmp(9, 8, kRed)); }, 9, kRed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.change();
    PicturePtr now = Picture::Load(path);
    EXPECT_NE(now, shown);
    EXPECT_EQ(now->Width(), c.width);
    EXPECT_EQ(now->PixelAt(0, 0), c.color);
    EXPECT_EQ(Picture::Load(path), now);
    shown = now;
  }
  // A damaged picture stays invalid without being decoded again, until it is mended.
  Write("desk.mxy", "BM" + std::string(60, '\x7f'));
  for (int i = 0; i < 2; ++i) EXPECT_THROW(Picture::Load(path), Failure);
  platform::WriteFileAtomic(path, xpexam::testing::SolidBmp(4, 4, kBlue));
  EXPECT_EQ(Picture::Load(path)->PixelAt(0, 0), kBlue);
  // An empty name is never a picture, with or without a folder.
  for (const std::string& empty : {dir_ + ".mxy", dir_ + "\\.mxy", std::string(".mxy"), std::string()}) {
    try {
      Picture::Load(empty);
      ADD_FAILURE() << empty;
    } catch (const Failure& f) {
      EXPECT_EQ(f.number(), 53) << empty;
    }
  }
}

TEST_F(GraphicsFiles, ThePictureCacheKeepsToItsBudget) {
  // Room for two 8 x 8 pictures: the least recently used goes first.
  SetPictureCacheBudget(2 * (8 * 8 * 4 + 256));
  const std::string a = Write("a.mxy", xpexam::testing::SolidBmp(8, 8, kRed));
  const std::string b = Write("b.mxy", xpexam::testing::SolidBmp(8, 8, kGreen));
  const std::string c = Write("c.mxy", xpexam::testing::SolidBmp(8, 8, kBlue));
  PicturePtr pa = Picture::Load(a), pb = Picture::Load(b);
  EXPECT_EQ(Picture::Load(a), pa);
  PicturePtr pc = Picture::Load(c);
  EXPECT_EQ(Picture::Load(a), pa);
  EXPECT_EQ(Picture::Load(c), pc);
  EXPECT_NE(Picture::Load(b), pb);
  SetPictureCacheBudget(size_t{64} << 20);
}

// A picture holds its size only until it is drawn or a pixel of it is read. A large picture
// whose pixels were read but which no frame drew sets them aside, and shows the same pixels
// when drawn later; a drawn picture and a small one keep theirs.
TEST(PictureDecode, PicturesDecodeWhenFirstDrawnOrReadAndUndrawnOnesSetTheirPixelsAside) {
  const std::string bands = xpexam::testing::BandsBmp({kRed, kGreen, kBlue, Rgb(255, 255, 255)}, 50, 120);
  const PicturePtr drawn = Picture::Decode(bands);
  const PicturePtr hidden = Picture::Decode(bands);
  const PicturePtr read = Picture::Decode(bands);
  const PicturePtr small = Picture::Decode(xpexam::testing::SolidBmp(8, 8, kRed));
  for (const PicturePtr& pic : {drawn, hidden, read, small}) EXPECT_FALSE(pic->HasPixels());
  EXPECT_EQ(hidden->Width(), 200);
  EXPECT_EQ(hidden->Height(), 120);
  Canvas canvas(200, 120);
  {
    Painter p(canvas);
    p.DrawPicture(*drawn, 0, 0);
  }
  EXPECT_EQ(read->PixelAt(25, 60), kRed);
  EXPECT_EQ(small->PixelAt(7, 7), kRed);
  SetAsideUndrawnPictures();
  EXPECT_TRUE(drawn->HasPixels());
  EXPECT_FALSE(hidden->HasPixels());
  EXPECT_FALSE(read->HasPixels());
  EXPECT_TRUE(small->HasPixels());
  Canvas again(200, 120);
  {
    Painter p(again);
    p.DrawPicture(*read, 0, 0);
  }
  for (int band = 0; band < 4; ++band) {
    EXPECT_EQ(again.PixelAt(band * 50 + 25, 60), canvas.PixelAt(band * 50 + 25, 60)) << band;
    EXPECT_EQ(again.PixelAt(band * 50 + 49, 119), canvas.PixelAt(band * 50 + 49, 119)) << band;
  }
  SetAsideUndrawnPictures();
  EXPECT_TRUE(read->HasPixels());
  EXPECT_FALSE(hidden->HasPixels());
}

// Premultiplied exactly as c * a / 255 rounded down, for every alpha.
TEST(PictureDecode, PremultipliesEveryAlphaExactly) {
  std::string dib = InfoHeader(256, 2, 32, 0, 0);
  for (int a = 0; a < 256; ++a) dib += char(50), dib += char(100), dib += char(200), dib += char(a);
  dib += std::string(32, '\0');
  std::string file;
  Put16(file, 0), Put16(file, 1), Put16(file, 1);
  file += std::string("\x00\x01\x00\x00", 4);
  Put16(file, 1), Put16(file, 32), Put32(file, dib.size()), Put32(file, 6 + 16);
  const PicturePtr pic = Picture::Decode(file + dib);
  ASSERT_EQ(pic->Width(), 256);
  cairo_surface_flush(pic->Surface());
  const auto* px = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(pic->Surface()));
  for (uint32_t a = 0; a < 256; ++a) {
    const uint32_t want = a << 24 | (200 * a / 255) << 16 | (100 * a / 255) << 8 | (50 * a / 255);
    EXPECT_EQ(px[a], want) << "alpha " << a;
  }
}

TEST(Painter, DrawsPixelExactShapesAndPictures) {
  const PicturePtr gif = Picture::Decode(Bytes(kGif));  // red, blue at (3, 1)
  struct Case {
    const char* name;
    std::function<void(Painter&)> draw;
    std::vector<Probe> probes;
  };
  const Case cases[] = {
      {"fill", [](Painter& p) { p.FillRect({2, 3, 4, 5}, kRed); },
       {{2, 3, kRed}, {5, 7, kRed}, {1, 3, 0}, {6, 3, 0}, {2, 2, 0}, {2, 8, 0}}},
      {"nested clip and origin",
       [](Painter& p) {
         p.Push({10, 10, 6, 6});
         p.Push({2, 2, 10, 10});  // clipped by the outer state
         p.FillRect({-5, -5, 100, 100}, kBlue);
         p.Pop();
         p.FillRect({0, 0, 1, 1}, kRed);
         p.Pop();
         p.FillRect({0, 0, 1, 1}, kGreen);
       },
       {{12, 12, kBlue}, {15, 15, kBlue}, {16, 16, 0}, {11, 11, 0}, {10, 10, kRed}, {0, 0, kGreen}}},
      {"pen inside the rect", [](Painter& p) { p.StrokeRect({0, 0, 10, 8}, kRed, 2); },
       {{0, 0, kRed}, {1, 1, kRed}, {2, 2, 0}, {8, 6, kRed}, {9, 7, kRed}, {7, 5, 0}, {10, 0, 0}, {0, 8, 0}}},
      {"dotted rect", [](Painter& p) { p.StrokeRect({0, 0, 5, 5}, kRed, 1, LineStyle::kDot); },
       {{0, 0, kRed}, {1, 0, 0}, {2, 0, kRed}, {4, 0, kRed}, {4, 1, 0}, {4, 2, kRed}, {1, 1, 0}}},
      {"line leaves out its end point", [](Painter& p) { p.DrawLine(5, 0, 0, 0, kRed, 1); },
       {{5, 0, kRed}, {1, 0, kRed}, {0, 0, 0}, {5, 1, 0}}},
      {"dotted line", [](Painter& p) { p.DrawLine(0, 3, 0, 9, kRed, 1, LineStyle::kDot); },
       {{0, 3, kRed}, {0, 4, 0}, {0, 5, kRed}, {0, 9, 0}}},
      {"picture at natural size", [&](Painter& p) { p.DrawPicture(*gif, 4, 4); },
       {{4, 4, kRed}, {7, 5, kBlue}, {8, 5, 0}, {4, 6, 0}}},
      {"stretched picture", [&](Painter& p) { p.DrawPictureStretched(*gif, {0, 0, 8, 8}); },
       {{0, 0, kRed}, {5, 3, kRed}, {6, 4, kBlue}, {7, 7, kBlue}, {5, 7, kRed}, {8, 0, 0}, {0, 8, 0}}},
      {"part of a picture", [&](Painter& p) { p.DrawPicturePart(*gif, {2, 1, 5, 5}, 0, 0); },
       {{0, 0, kRed}, {1, 0, kBlue}, {2, 0, 0}, {0, 1, 0}}},
      {"filled ellipse", [](Painter& p) { p.FillEllipse({0, 0, 10, 10}, kRed); },
       {{5, 5, kRed}, {0, 0, 0}, {9, 9, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(20, 20);
    {
      Painter p(canvas);
      c.draw(p);
    }
    for (const auto& pr : c.probes) EXPECT_EQ(canvas.PixelAt(pr.x, pr.y), pr.color) << pr.x << "," << pr.y;
  }
}

TEST(Canvas, RawPixelsAreArgbRows) {
  Canvas canvas(3, 2);
  Painter(canvas).FillRect({1, 1, 1, 1}, Rgb(0x11, 0x22, 0x33));
  const auto* row = reinterpret_cast<const uint32_t*>(canvas.Data() + canvas.Stride());
  EXPECT_EQ(row[1], 0xFF112233u);
  EXPECT_EQ(canvas.PixelAt(1, 1), 0x00332211u);
}

TextStyle Style(const char* font = "宋体", double size = 9) {
  TextStyle s;
  s.font.name = font;
  s.font.size = size;
  return s;
}

TEST(Text, FontNamesResolveToTheInstalledFamilies) {
  const struct {
    const char* name;
    const char* sample;
    const char* family;
  } cases[] = {
      {"宋体", "汉字", "AR PL UMing CN"},          {"SimSun", "汉字", "AR PL UMing CN"},
      {"新宋体", "汉字", "AR PL UMing CN"},        {"黑体", "汉字", "WenQuanYi Zen Hei"},
      {"SimHei", "汉字", "WenQuanYi Zen Hei"},     {"楷体_GB2312", "汉字", "AR PL UKai CN"},
      {"楷体", "汉字", "AR PL UKai CN"},           {"KaiTi", "汉字", "AR PL UKai CN"},
      {"隶书", "汉字", "AR PL UKai CN"},           {"Times New Roman", "Abc", "DejaVu Serif"},
      {"Arial", "Abc", "DejaVu Sans"},             {"Tahoma", "Abc", "DejaVu Sans"},
      {"MS Sans Serif", "Abc", "DejaVu Sans"},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolvedFontFamily(Style(c.name).font, c.sample), c.family) << c.name;
}

TEST(Text, PointsBecomePixelsByTheScreenResolution) {
  EXPECT_DOUBLE_EQ(PointsToPixels(9), 12);
  const int height = MeasureText("汉字", Style("宋体", 9)).height;
  SetTwipsPerPixel(7.5);  // a screen with twice the pixels
  EXPECT_DOUBLE_EQ(PointsToPixels(9), 24);
  EXPECT_GT(MeasureText("汉字", Style("宋体", 9)).height, height * 3 / 2);
  SetTwipsPerPixel(15);
  EXPECT_EQ(MeasureText("汉字", Style("宋体", 9)).height, height);
}

TEST(Text, MeasurementsFollowLinesWrappingAndAccessKeys) {
  const TextStyle plain = Style();
  TextStyle keys = plain;
  keys.access_keys = true;
  TextStyle single = plain;
  single.single_line = true;
  const TextSize empty = MeasureText("", plain), one = MeasureText("打开", plain);
  EXPECT_EQ(empty.width, 0);
  EXPECT_GT(empty.height, 0);
  EXPECT_GT(one.width, 0);
  EXPECT_GE(one.height, 12);
  const TextSize two = MeasureText("打开\r\n文件", plain);
  EXPECT_EQ(two.height, 2 * one.height);
  EXPECT_EQ(MeasureText("打开\n文件", plain).height, two.height);
  EXPECT_EQ(MeasureText("打开\r\n文件", single).height, one.height);
  EXPECT_EQ(MeasureText("&File", keys).width, MeasureText("File", plain).width);
  EXPECT_EQ(MeasureText("A&&B", keys).width, MeasureText("A&B", plain).width);
  EXPECT_EQ(MeasureText("A&&B", plain).width, MeasureText("A&&B", keys).width + MeasureText("&", plain).width);
  const std::string long_text = "请在桌面上新建一个文件夹，并将其命名为考生文件夹，然后打开它。";
  const TextSize wrapped = MeasureText(long_text, plain, 100);
  EXPECT_GT(MeasureText(long_text, plain).width, 100);
  EXPECT_LE(wrapped.width, 100);
  EXPECT_GE(wrapped.height, 3 * one.height);
}

// Bounding box of the pixels that are not background.
Rect Ink(const Canvas& c) {
  int x0 = c.Width(), y0 = c.Height(), x1 = -1, y1 = -1;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x)
      if (c.PixelAt(x, y) != Rgb(255, 255, 255)) x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
  return x1 < 0 ? Rect{} : Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

TEST(Text, DrawnTextStaysInsideItsMeasuredBoxAndAlignment) {
  const Rect box{10, 10, 200, 60};
  const struct {
    Align align;
    bool wrap;
    std::string text;
  } cases[] = {
      {Align::kLeft, false, "开始 Start"},
      {Align::kCenter, false, "开始 Start"},
      {Align::kRight, false, "开始 Start"},
      {Align::kCenter, true, "请在桌面上新建一个文件夹，并将其命名为考生文件夹"},
      {Align::kLeft, false, "&File 文件"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TextStyle style = Style();
    style.align = c.align;
    style.word_wrap = c.wrap;
    style.access_keys = true;
    const TextSize size = MeasureText(c.text, style, c.wrap ? box.w : -1);
    Canvas canvas(220, 80);
    Painter p(canvas);
    p.FillRect({0, 0, 220, 80}, Rgb(255, 255, 255));
    p.DrawText(c.text, style, box);
    const Rect ink = Ink(canvas);
    ASSERT_FALSE(ink.Empty());
    const int left = c.align == Align::kLeft ? box.x : c.align == Align::kRight ? box.x + box.w - size.width
                                                                                : box.x + (box.w - size.width) / 2;
    EXPECT_GE(ink.x, left);
    EXPECT_LE(ink.x + ink.w, left + size.width + 1);
    EXPECT_LE(ink.x - left, 3);
    EXPECT_GE(ink.y, box.y);
    EXPECT_LE(ink.y + ink.h, box.y + size.height);
  }
  // Clipped to its box.
  Canvas canvas(100, 40);
  Painter p(canvas);
  p.FillRect({0, 0, 100, 40}, Rgb(255, 255, 255));
  p.DrawText("汉字汉字汉字汉字汉字汉字", Style(), {5, 5, 20, 6});
  const Rect ink = Ink(canvas);
  EXPECT_FALSE(ink.Empty());
  EXPECT_GE(ink.x, 5);
  EXPECT_LE(ink.x + ink.w, 25);
  EXPECT_LE(ink.y + ink.h, 11);
}

// Rows of a drawn text that hold ink.
std::vector<bool> InkRows(std::string_view text, const TextStyle& style) {
  Canvas canvas(60, 30);
  Painter p(canvas);
  p.FillRect({0, 0, 60, 30}, Rgb(255, 255, 255));
  p.DrawText(text, style, {0, 0, 60, 30});
  std::vector<bool> rows(30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 60; ++x) rows[y] = rows[y] || canvas.PixelAt(x, y) != Rgb(255, 255, 255);
  return rows;
}

TEST(Text, AccessKeysAndUnderlinedFontsShowAWholePixelLineInEveryFont) {
  for (const char* font : {"宋体", "黑体", "楷体_GB2312", "Arial", "Times New Roman"}) {
    SCOPED_TRACE(font);
    TextStyle plain = Style(font), keys = plain, underlined = plain;
    keys.access_keys = true;
    underlined.font.underline = true;
    const int height = MeasureText("_O", plain).height;
    const std::vector<bool> bare = InkRows("O", plain), key = InkRows("&O", keys), whole = InkRows("O", underlined);
    int bottom = 0;
    while (bottom < 30 && bare[bottom] == false) ++bottom;
    while (bottom < 30 && bare[bottom]) ++bottom;  // first row under the letter
    bool key_line = false, whole_line = false;
    for (int y = bottom; y < height; ++y) key_line |= key[y], whole_line |= whole[y];
    EXPECT_TRUE(key_line);
    EXPECT_TRUE(whole_line);
    EXPECT_EQ(InkRows("&&O", keys), InkRows("&O", plain));
  }
}

}  // namespace
}  // namespace xpexam::forms
