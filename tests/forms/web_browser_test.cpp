// The page viewer: HTML to blocks of Pango markup, the page's code page, and the control's
// drawing and scrolling.
#include "forms/web_browser.h"

#include <gtest/gtest.h>
#include <pango/pango.h>
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

// What pango makes of a block's markup: its text, or "<invalid>".
std::string ParsedText(const std::string& markup) {
  char* text = nullptr;
  if (!pango_parse_markup(markup.c_str(), -1, 0, nullptr, &text, nullptr, nullptr)) return "<invalid>";
  std::string out(text);
  g_free(text);
  return out;
}

struct Shown {
  std::string text, marker;
  int indent;
  bool spaced;
};

TEST(HtmlToBlocks, BlocksTextAndMarkers) {
  struct Case {
    const char* what;
    std::string html;
    std::vector<Shown> blocks;
  };
  const Case cases[] = {
      {"head, title, style and script are not shown",
       "<html><head><title>T</title><style>p{}</style><script>if (a<b) x();</script></head>"
       "<body>\r\n<p>x</p>\r\n</body></html>",
       {{"x", "", 0, true}}},
      {"whitespace collapses; no space at a block's edges", "<p>\r\n  a \t\r\n b  </p>", {{"a b", "", 0, true}}},
      {"entities", "<p>&lt;x&gt; &amp; &quot;q&quot; &#20320;&#x597D;&nbsp;! &unknown; & a&b</p>",
       {{"<x> & \"q\" 你好\u00A0! &unknown; & a&b", "", 0, true}}},
      {"bad character references", "a&#0;&#xD800;&#99999999999;b", {{"a\uFFFD\uFFFD\uFFFDb", "", 0, false}}},
      {"a lone '<' is text; an unfinished tag at the end is dropped", "a < b && c<3 <b", {{"a < b && c<3", "", 0, false}}},
      {"comments and declarations", "<!DOCTYPE html>a<!-- <p>x</p> -->b<?xml x?>c<!-- open", {{"abc", "", 0, false}}},
      {"line breaks stay in the block; trailing ones vanish", "x<br>y<br/><br>z<br>", {{"x\ny\n\nz", "", 0, false}}},
      {"unclosed paragraphs", "<p>one<p>two", {{"one", "", 0, true}, {"two", "", 0, true}}},
      {"headings and paragraphs get gaps, divs not", "<h2>T</h2><div>d</div><div>e</div><p>p</p>",
       {{"T", "", 0, true}, {"d", "", 0, true}, {"e", "", 0, false}, {"p", "", 0, true}}},
      {"lists: bullets, numbers, nesting",
       "<ul><li>一</li><li>二<ul><li>甲</ul></ul><ol><li>a<li>b</ol>x",
       {{"一", "•", 1, true},
        {"二", "•", 1, false},
        {"甲", "•", 2, false},
        {"a", "1.", 1, true},
        {"b", "2.", 1, false},
        {"x", "", 0, true}}},
      {"an empty list item keeps its marker", "<ol><li></li><li>b</li></ol>", {{"", "1.", 1, true}, {"b", "2.", 1, false}}},
      {"table rows, one a line", "<table><tr><th>A</th><td>B</td></tr>\r\n<tr><td>C<td>D</table>",
       {{"A\u3000\u3000B", "", 0, true}, {"C\u3000\u3000D", "", 0, false}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto blocks = HtmlToBlocks(c.html, 14);
    ASSERT_EQ(blocks.size(), c.blocks.size());
    for (size_t i = 0; i < blocks.size(); ++i) {
      EXPECT_EQ(blocks[i].text, c.blocks[i].text) << i;
      EXPECT_EQ(blocks[i].marker, c.blocks[i].marker) << i;
      EXPECT_EQ(blocks[i].indent, c.blocks[i].indent) << i;
      EXPECT_EQ(blocks[i].spaced, c.blocks[i].spaced) << i;
      EXPECT_EQ(ParsedText(blocks[i].markup), blocks[i].text) << i;
    }
  }
}

TEST(HtmlToBlocks, InlineStylesBecomeWellFormedMarkup) {
  struct Case {
    std::string html;
    std::vector<std::string> markup;
  };
  const Case cases[] = {
      {"a <b>b <i>c</i></b> d",  // a collapsed space goes with the text after it
       {"a<span weight=\"bold\"> b</span><span weight=\"bold\" style=\"italic\"> c</span> d"}},
      {"<b>x<i>y</b>z</i>w",  // misnested: each close ends only its own style
       {"<span weight=\"bold\">x</span><span weight=\"bold\" style=\"italic\">y</span><span style=\"italic\">z</span>w"}},
      {"<p><strong>one<p>two</strong>", {"<span weight=\"bold\">one</span>", "<span weight=\"bold\">two</span>"}},
      {"<h2>T</h2>x", {"<span weight=\"bold\" font_desc=\"21px\">T</span>", "x"}},
      {"<h1>T<h3>U", {"<span weight=\"bold\" font_desc=\"28px\">T</span>", "<span weight=\"bold\" font_desc=\"16px\">U</span>"}},
      {"<u>u</u><em>e</em>", {"<span underline=\"single\">u</span><span style=\"italic\">e</span>"}},
      {"<font color=red size=5>r</font><font color=\"00FF00\" size=\"-1\">g</font><font color='\"><x'>z</font>",
       {"<span foreground=\"#ff0000\" font_desc=\"21px\">r</span><span foreground=\"#00ff00\" font_desc=\"12px\">g</span>z"}},
      {"<span style=\"font-weight:bold; color: #00f\">b</span><span style=\"background-color:red\">n</span>",
       {"<span foreground=\"#0000ff\">b</span>n"}},
      {"<b>&lt;/b&gt; &amp; 'q' \"</b>", {"<span weight=\"bold\">&lt;/b&gt; &amp; &apos;q&apos; &quot;</span>"}},
      {"<b>a<br>b</b>", {"<span weight=\"bold\">a\nb</span>"}},
      {"a<hr>b", {"a", "", "b"}},
      {"x\x01y\x7fz", {"xyz"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.html);
    const auto blocks = HtmlToBlocks(c.html, 14);
    ASSERT_EQ(blocks.size(), c.markup.size());
    for (size_t i = 0; i < blocks.size(); ++i) {
      EXPECT_EQ(blocks[i].markup, c.markup[i]) << i;
      EXPECT_EQ(blocks[i].rule, blocks[i].markup.empty()) << i;
      if (!blocks[i].rule) {
        EXPECT_EQ(ParsedText(blocks[i].markup), blocks[i].text) << i;
      }
    }
  }
}

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
  EXPECT_EQ(f.Web.Text(), "标题\r\n正文");
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
