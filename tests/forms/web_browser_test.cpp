// The page viewer: the page's code page, links, and the control's drawing, scrolling and
// clicks on links.
#include "forms/web_browser.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "forms/app.h"
#include "forms/color.h"
#include "forms/form.h"
#include "platform/codepage.h"
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

// A window at the screen's corner with a 200 x 100 pixel viewer at (10, 10).
class FrmWeb : public FormOf<FrmWeb> {
 public:
  WebBrowser Web{*this, "Web"};
  FrmWeb() {
    SetBorderStyle(0);
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

}  // namespace
}  // namespace xpexam::forms
