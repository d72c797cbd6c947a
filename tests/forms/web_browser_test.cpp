// The page viewer: the page's code page, links, and the control's drawing, scrolling and
// clicks on links.
#include "forms/web_browser.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "forms/app.h"
#include "forms/color.h"
#include "forms/form.h"
#include "platform/codepage.h"
#include "platform/shell.h"
#include "tests/support/installation.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

TEST(DecodeHtml, GbkUnlessDeclaredUtf8) {
  const std::string body = "<p>你好</p>";
  struct Case {
    const char* what;
    std::string bytes;
    std::string text;
  };
  const Case cases[] = {
      {"no declaration: GBK", platform::Utf8ToGbk(body), body},
      {"gb2312 declared", platform::Utf8ToGbk("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">" + body),
       "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">" + body},
      {"utf-8 in http-equiv", "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">" + body,
       "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">" + body},
      {"html5 meta charset", "<meta charset='utf8'>" + body, "<meta charset='utf8'>" + body},
      {"byte order mark", "\xEF\xBB\xBF" + body, body},
      {"invalid UTF-8 is replaced", "<meta charset=utf-8>a\xFF" "b", "<meta charset=utf-8>a\uFFFDb"},
      {"charset outside a meta tag does not count", "<p>charset=utf-8</p>" + platform::Utf8ToGbk(body),
       "<p>charset=utf-8</p>" + body},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeHtml(c.bytes), c.text) << c.what;
}

TEST(ResolveLink, OnlyWebAddressesAndFilesBesideThePage) {
  const std::string page = "/inst/data\\help.htm";
  struct Case {
    const char* href;
    LinkTarget want;
  };
  const Case cases[] = {
      {"http://example.invalid/a?b=1#c", {LinkTarget::kWeb, "http://example.invalid/a?b=1#c"}},
      {"  HTTPS://example.invalid/ ", {LinkTarget::kWeb, "HTTPS://example.invalid/"}},
      {"http://example.invalid/a b", {}},
      {"two.htm", {LinkTarget::kPage, "/inst/data\\two.htm"}},
      {"./pages\\Two.HTM#top", {LinkTarget::kPage, "/inst/data\\pages/Two.HTM"}},
      {"a%20b.htm?x", {LinkTarget::kPage, "/inst/data\\a b.htm"}},
      {"#top", {}},
      {"", {}},
      {"../ksdata/x.mxy", {}},
      {"pages/%2e%2e/%2E%2E/x", {}},
      {"/etc/passwd", {}},
      {"\\\\host\\share", {}},
      {"C:\\x.htm", {}},
      {"file:///etc/passwd", {}},
      {"javascript:alert(1)", {}},
      {"mailto:a@example.invalid", {}},
      {"ftp://example.invalid/", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ResolveLink(c.href, page), c.want) << c.href;
}

// A window at the screen's corner with a 200 x 100 pixel viewer at (10, 10).
class FrmWeb : public FormOf<FrmWeb> {
 public:
  WebBrowser Web{*this, "Web"};
  FrmWeb() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, 6000, 4500);
    SetBackColor(Rgb(0, 0, 255));
    Web.Move(150, 150, 3000, 1500);
  }
};

class WebBrowserTest : public testing::FormsTest {
 protected:
  WebBrowserTest() {
    std::string tmpl = ::testing::TempDir() + "webXXXXXX";
    if (mkdtemp(tmpl.data())) dir_ = tmpl + "/";
  }
  ~WebBrowserTest() override { std::filesystem::remove_all(dir_); }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ + name, std::ios::binary) << bytes;
    return dir_ + name;
  }
  // Whether any pixel of the rectangle is not white.
  static bool Inked(const Rect& r) {
    const Canvas& c = ComposeScreen();
    for (int y = r.y; y < r.y + r.h; ++y)
      for (int x = r.x; x < r.x + r.w; ++x)
        if (c.PixelAt(x, y) != Rgb(255, 255, 255)) return true;
    return false;
  }
  // The first and last pixel of the colour, scanning rows top to bottom inside the viewer.
  static std::pair<Point, Point> Ends(Color color) {
    const Canvas& c = ComposeScreen();
    Point first{-1, -1}, last{-1, -1};
    for (int y = 10; y < 110; ++y)
      for (int x = 10; x < 210; ++x)
        if (c.PixelAt(x, y) == color) {
          if (first.x < 0) first = {x, y};
          last = {x, y};
        }
    return {first, last};
  }
  std::string dir_;
};

TEST_F(WebBrowserTest, MissingPageIsEmptyAndWhite) {
  FrmWeb& f = FrmWeb::Get();
  f.Show();
  f.Web.Navigate(Write("page.htm", platform::Utf8ToGbk("<h2>标题</h2><p>正文</p>")));
  EXPECT_EQ(f.Web.Text(), "标题正文");
  EXPECT_TRUE(Inked({10, 10, 200, 100}));
  const std::string missing = dir_ + "none.htm";
  f.Web.Navigate(missing);
  EXPECT_EQ(f.Web.LocationURL(), missing);
  EXPECT_EQ(f.Web.Text(), "");
  EXPECT_EQ(f.Web.ContentHeight(), 0);
  EXPECT_FALSE(Inked({10, 10, 200, 100}));
  EXPECT_EQ(ComposeScreen().PixelAt(9, 9), Rgb(0, 0, 255));
}

TEST_F(WebBrowserTest, TallPageScrollsByWheelAndScrollBar) {
  std::string html = "<body>";
  for (int i = 1; i <= 30; ++i) html += "<p>第" + std::to_string(i) + "段</p>";
  FrmWeb& f = FrmWeb::Get();
  f.Show();
  f.Web.Navigate(Write("long.htm", platform::Utf8ToGbk(html)));
  const int max_top = f.Web.ContentHeight() - 100;
  ASSERT_GT(max_top, 300);
  const Color face = ResolveColor(kSysButtonFace), track = Rgb(240, 240, 236);
  // The thumb sits at the top of the track, below the up arrow.
  EXPECT_EQ(ComposeScreen().PixelAt(202, 10 + 16 + 3), face);
  EXPECT_EQ(ComposeScreen().PixelAt(202, 10 + 100 - 16 - 4), track);
  const Canvas& before = ComposeScreen();
  std::vector<Color> top_rows;
  for (int x = 10; x < 190; ++x) top_rows.push_back(before.PixelAt(x, 20));

  in_.Wheel(100, 60, -1);
  Pump();
  const int step = f.Web.ScrollTop();
  EXPECT_GT(step, 0);
  in_.Wheel(100, 60, -2);
  Pump();
  EXPECT_EQ(f.Web.ScrollTop(), 3 * step);
  in_.Wheel(100, 60, 10);
  Pump();
  EXPECT_EQ(f.Web.ScrollTop(), 0);
  in_.Wheel(100, 60, -100);
  Pump();
  EXPECT_EQ(f.Web.ScrollTop(), max_top);
  EXPECT_EQ(ComposeScreen().PixelAt(202, 10 + 16 + 3), track);
  EXPECT_EQ(ComposeScreen().PixelAt(202, 10 + 100 - 16 - 4), face);
  // The wheel outside the viewer scrolls nothing.
  in_.Wheel(300, 200, 5);
  Pump();
  EXPECT_EQ(f.Web.ScrollTop(), max_top);

  // The up arrow scrolls a line, the track a page; back at the top the page looks as it did.
  in_.Click(202, 12);
  Pump();
  const int line = max_top - f.Web.ScrollTop();
  EXPECT_GT(line, 0);
  EXPECT_LT(line, 30);
  in_.Click(202, 40);
  Pump();
  EXPECT_EQ(f.Web.ScrollTop(), max_top - line - (100 - line));
  in_.Wheel(100, 60, 100);
  Pump();
  std::vector<Color> again;
  for (int x = 10; x < 190; ++x) again.push_back(ComposeScreen().PixelAt(x, 20));
  EXPECT_EQ(again, top_rows);
}

// A page with a linked style sheet, an image, a bordered table with a cell background and two
// links, in a 200 x 100 viewer at (10, 10).
TEST_F(WebBrowserTest, StyledPageWithPictureTableAndLinks) {
  Write("s.css", "body { margin: 0; background: #ffffc0; font-size: 12px }\r\n"
                 "td.c { background-color: rgb(0, 200, 0); width: 40px; height: 20px }\r\n"
                 "a { color: #0000ff }\r\nimg { display: block }\r\n");
  Write("p.bmp", xpexam::testing::SolidBmp(20, 10, 200, 0, 200));
  Write("two.htm", platform::Utf8ToGbk("<p>第二页</p>"));
  const std::string page = Write("one.htm", platform::Utf8ToGbk(
      "<html><head><link rel=\"stylesheet\" type=\"text/css\" href=\"s.css\"></head><body>"
      "<img src=\"p.bmp\"><table border=\"1\" cellspacing=\"0\"><tr><td class=\"c\">格</td></tr></table>"
      "<a href=\"two.htm\">下一页</a> <a href=\"http://example.invalid/x\">网站</a></body></html>"));
  const std::string opened = dir_ + "opened";
  Write("opener.sh", "#!/bin/sh\nprintf '%s' \"$1\" > '" + opened + "'\n");
  ::chmod((dir_ + "opener.sh").c_str(), 0755);
  platform::SetShellOpener(dir_ + "opener.sh");

  FrmWeb& f = FrmWeb::Get();
  f.Show();
  f.Web.Navigate(page);
  const Canvas& c = ComposeScreen();
  // The image at the page's top left corner, at its own size; the body's colour beside it.
  EXPECT_EQ(c.PixelAt(10, 10), Rgb(200, 0, 200));
  EXPECT_EQ(c.PixelAt(29, 19), Rgb(200, 0, 200));
  EXPECT_NE(c.PixelAt(30, 15), Rgb(200, 0, 200));
  EXPECT_EQ(c.PixelAt(150, 12), Rgb(255, 255, 192));
  // The cell below the image, inside the table's border.
  auto [cell, cell_end] = Ends(Rgb(0, 200, 0));
  ASSERT_GE(cell.x, 10);
  EXPECT_GE(cell.y, 10 + 10);
  EXPECT_GE(cell_end.x - cell.x + 1, 36);
  EXPECT_NE(c.PixelAt(cell.x - 1, cell.y), Rgb(255, 255, 192));
  // Two links on one line below the table.
  auto [link, link_end] = Ends(Rgb(0, 0, 255));
  ASSERT_GE(link.x, 10);
  EXPECT_GT(link.y, cell_end.y);

  in_.Move(link.x + 2, link.y + 2);
  Pump();
  EXPECT_EQ(in_.PointerShapeShown(), kHandPointer);
  in_.Move(15, 15);
  Pump();
  EXPECT_EQ(in_.PointerShapeShown(), 0);

  // The web address goes to the desktop's browser; the page stays.
  in_.Click(link_end.x - 2, link_end.y - 2);
  Pump();
  for (int i = 0; i < 300 && !std::filesystem::exists(opened); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  std::ifstream in(opened);
  std::string arg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(arg, "http://example.invalid/x");
  EXPECT_EQ(f.Web.LocationURL(), page);
  // The local link opens its page in the viewer.
  in_.Click(link.x + 2, link.y + 2);
  Pump();
  EXPECT_EQ(f.Web.LocationURL(), dir_ + "two.htm");
  EXPECT_EQ(f.Web.Text(), "第二页");
  platform::SetShellOpener("");
}

// Pages a browser would still show: nothing throws, hangs or crashes, and what can be laid out is.
TEST_F(WebBrowserTest, BrokenPagesAndResourcesShowWhatTheyCan) {
  Write("loop.css", "@import \"loop.css\";\r\np { color: red }\r\n");
  Write("bad.bmp", "BM not a picture");
  struct Case {
    const char* what;
    std::string bytes;
    std::string text;
    int min_height;
  };
  const Case cases[] = {
      {"not HTML at all", std::string("\x00\x01\x02\xFF\xFEzz\x80", 9), "", 0},
      {"unclosed table and list", "<table><tr><td>a<td>b<ul><li>c", "abc", 1},
      {"a style sheet that imports itself", "<link rel=stylesheet href=loop.css><style>@import 'loop.css';</style><p>x</p>",
       "x", 1},
      {"missing and broken pictures keep their boxes",
       "<body style='margin:0'><img src=none.bmp width=30 height=60><img src=bad.bmp width=10 height=70></body>", "",
       70},
      {"sheets and pictures outside the folder are not read",
       "<link rel=stylesheet href=/etc/passwd><img src='../x.bmp'><img src='file:///etc/passwd'>y", "y", 1},
  };
  FrmWeb& f = FrmWeb::Get();
  f.Show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    f.Web.Navigate(Write("bad.htm", c.bytes));
    ComposeScreen();
    EXPECT_EQ(f.Web.Text(), c.text);
    EXPECT_GE(f.Web.ContentHeight(), c.min_height);
  }
}

}  // namespace
}  // namespace xpexam::forms
