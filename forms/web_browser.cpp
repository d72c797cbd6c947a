#include "forms/web_browser.h"

#include <glib.h>
#include <litehtml.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <regex>
#include <utility>
#include <vector>

#include "forms/backend.h"
#include "forms/draw.h"
#include "forms/dump.h"
#include "forms/graphics_internal.h"
#include "forms/pictures.h"
#include "platform/codepage.h"
#include "platform/failure.h"
#include "platform/shell.h"
#include "platform/textfile.h"

namespace xpexam::forms {
namespace {

constexpr int kWheelLines = 3;  // lines per wheel notch
constexpr double kMediumPoints = 12;  // the browser's "medium" font size
// Style sheets a page may pull in through <link> and @import; a sheet importing itself stops here.
constexpr int kMaxImports = 32;

// The browser's own defaults, applied before the page's style sheets.
constexpr const char* kDefaultCss = R"(
html, address, blockquote, body, dd, div, dl, dt, fieldset, form, frame, frameset, h1, h2, h3, h4, h5, h6,
noframes, ol, p, ul, center, dir, hr, menu, pre, article, aside, footer, header, nav, section { display: block }
head, meta, title, link, style, script, option, input[type="hidden"] { display: none }
body { margin: 8px }
p, blockquote, dl, ul, ol { margin-top: 1em; margin-bottom: 1em }
ul ul, ul ol, ol ul, ol ol { margin-top: 0; margin-bottom: 0 }
b, strong, th { font-weight: bold }
i, em, cite, var, address { font-style: italic }
u, ins { text-decoration: underline }
s, strike, del { text-decoration: line-through }
center { text-align: center }
span, font, a { display: inline }
a[href] { color: #0000ff; text-decoration: underline; cursor: pointer }
h1 { font-weight: bold; font-size: 2em; margin: 0.67em 0 }
h2 { font-weight: bold; font-size: 1.5em; margin: 0.83em 0 }
h3 { font-weight: bold; font-size: 1.17em; margin: 1em 0 }
h4 { font-weight: bold; margin: 1.33em 0 }
h5 { font-weight: bold; font-size: 0.83em; margin: 1.67em 0 }
h6 { font-weight: bold; font-size: 0.67em; margin: 2.33em 0 }
br { display: inline-block }
img { display: inline-block }
img[align="right"] { float: right }
img[align="left"] { float: left }
hr { margin: 0.5em auto; border-style: inset; border-width: 1px; border-color: #a0a0a0 }
table { display: table; border-collapse: separate; border-spacing: 2px; border-color: gray }
tbody, tfoot, thead { display: table-row-group; vertical-align: middle }
tr { display: table-row; vertical-align: inherit; border-color: inherit }
td, th { display: table-cell; vertical-align: inherit; border-width: 1px; padding: 1px }
table[border] { border-style: outset }
table[border|=0] { border-style: none }
table[border] td, table[border] th { border-style: inset; border-color: gray }
table[border|=0] td, table[border|=0] th { border-style: none }
caption { display: table-caption; text-align: center }
td[nowrap], th[nowrap] { white-space: nowrap }
tt, code, kbd, samp { font-family: monospace }
pre, xmp, plaintext, listing { display: block; font-family: monospace; white-space: pre; margin: 1em 0 }
ul, menu, dir { list-style-type: disc; padding-left: 40px }
ol { list-style-type: decimal; padding-left: 40px }
li { display: list-item }
ul ul, ol ul { list-style-type: circle }
ol ol ul, ol ul ul, ul ol ul, ul ul ul { list-style-type: square }
dd { margin-left: 40px }
blockquote { margin-left: 40px; margin-right: 40px }
input, textarea, select, button { display: inline-block }
)";

litehtml::context& EngineContext() {
  static litehtml::context* context = [] {
    auto* c = new litehtml::context;
    c->load_master_stylesheet(kDefaultCss);
    return c;
  }();
  return *context;
}

bool IsUrlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsUrlSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsUrlSpace(s.back())) s.remove_suffix(1);
  return s;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && g_ascii_strncasecmp(s.data(), prefix.data(), prefix.size()) == 0;
}

// A relative reference to a file in the page's folder or below it; nullopt for anything else
// (addresses with a scheme, drive letters, absolute paths, ".." steps).
std::optional<std::string> LocalPath(std::string_view href, const std::string& page_path) {
  href = Trim(href);
  href = href.substr(0, href.find_first_of("#?"));
  if (href.empty()) return std::nullopt;
  std::string path;
  for (size_t i = 0; i < href.size(); ++i) {
    const char c = href[i];
    if (c == '%' && i + 2 < href.size() + 0 && g_ascii_isxdigit(href[i + 1]) && g_ascii_isxdigit(href[i + 2])) {
      path += static_cast<char>(g_ascii_xdigit_value(href[i + 1]) * 16 + g_ascii_xdigit_value(href[i + 2]));
      i += 2;
    } else {
      path += c == '\\' ? '/' : c;
    }
  }
  if (path.find(':') != std::string::npos || path.front() == '/') return std::nullopt;
  for (char c : path)
    if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
  std::string out;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string_view part = std::string_view(path).substr(start, end - start);
    if (part == "..") return std::nullopt;
    if (!part.empty() && part != ".") {
      if (!out.empty()) out += '/';
      out += part;
    }
    start = end + 1;
  }
  if (out.empty()) return std::nullopt;
  const size_t slash = page_path.find_last_of("/\\");
  return (slash == std::string::npos ? std::string() : page_path.substr(0, slash + 1)) + out;
}

// A style sheet's bytes as UTF-8: UTF-8 when it says so (byte order mark or @charset), else GBK.
std::string DecodeCss(std::string_view bytes) {
  static const std::regex kUtf8Charset(R"(^\s*@charset\s*["']utf-?8["'])", std::regex::icase);
  bool utf8 = bytes.substr(0, 3) == "\xEF\xBB\xBF";
  if (utf8) bytes.remove_prefix(3);
  const std::string head(bytes.substr(0, 64));
  if (!utf8 && !std::regex_search(head, kUtf8Charset)) return platform::GbkToUtf8(bytes);
  gchar* valid = g_utf8_make_valid(bytes.data(), static_cast<gssize>(bytes.size()));
  std::string out(valid);
  g_free(valid);
  return out;
}

void SetSource(cairo_t* cr, const litehtml::web_color& c) {
  cairo_set_source_rgba(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0, c.alpha / 255.0);
}

litehtml::web_color Shade(const litehtml::web_color& c, double f) {
  auto ch = [f](int v) { return static_cast<litehtml::byte>(std::clamp(static_cast<int>(std::lround(v * f)), 0, 255)); };
  return litehtml::web_color(ch(c.red), ch(c.green), ch(c.blue), c.alpha);
}

struct PageFont {
  PangoFontDescription* description = nullptr;
  PangoLayout* layout = nullptr;  // reused for measuring and drawing
  int ascent = 0, descent = 0;
  unsigned decoration = 0;
  ~PageFont() {
    if (layout) g_object_unref(layout);
    if (description) pango_font_description_free(description);
  }
};

// "'Times New Roman', 宋体, serif" as pango's family list.
std::string FamilyList(std::string_view css) {
  std::string out;
  size_t start = 0;
  while (start <= css.size()) {
    size_t end = css.find(',', start);
    if (end == std::string_view::npos) end = css.size();
    std::string_view name = Trim(css.substr(start, end - start));
    if (name.size() >= 2 && (name.front() == '"' || name.front() == '\'') && name.back() == name.front())
      name = Trim(name.substr(1, name.size() - 2));
    if (!name.empty()) {
      if (!out.empty()) out += ',';
      out += name;
    }
    start = end + 1;
  }
  return out.empty() ? "宋体" : out;
}

}  // namespace

LinkTarget ResolveLink(std::string_view href, const std::string& page_path) {
  href = Trim(href);
  if (StartsWithNoCase(href, "http://") || StartsWithNoCase(href, "https://")) {
    for (char c : href)
      if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) return {};
    return {LinkTarget::kWeb, std::string(href)};
  }
  if (auto path = LocalPath(href, page_path)) return {LinkTarget::kPage, *path};
  return {};
}

std::string DecodeHtml(std::string_view bytes) {
  static const std::regex kUtf8Meta(R"(<meta[^>]*charset\s*=\s*["']?\s*utf-?8)", std::regex::icase);
  bool utf8 = bytes.substr(0, 3) == "\xEF\xBB\xBF";
  if (utf8) bytes.remove_prefix(3);
  // The declaration sits in the head, near the start.
  const std::string head(bytes.substr(0, 4096));
  utf8 = utf8 || std::regex_search(head, kUtf8Meta);
  if (!utf8) return platform::GbkToUtf8(bytes);
  gchar* valid = g_utf8_make_valid(bytes.data(), static_cast<gssize>(bytes.size()));
  std::string out(valid);
  g_free(valid);
  return out;
}

// One shown page: the engine's document and the container that gives it fonts, pictures,
// style sheets and a surface to draw on.
class WebBrowser::Page final : public litehtml::document_container {
 public:
  Page(std::string path, int view_w, int view_h) : path_(std::move(path)), view_w_(view_w), view_h_(view_h) {}
  ~Page() { document_.reset(); }

  void Load(const std::string& html) {
    try {
      document_ = litehtml::document::createFromUTF8(html.c_str(), this, &EngineContext());
    } catch (...) {
      document_.reset();
    }
  }

  litehtml::document* Document() const { return document_.get(); }
  void SetView(int w, int h) {
    view_w_ = w;
    view_h_ = h;
  }
  bool Hand() const { return hand_; }
  std::optional<std::string> TakeClicked() { return std::exchange(clicked_, std::nullopt); }

  // ---- fonts and text ----
  litehtml::uint_ptr create_font(const litehtml::tchar_t* face, int size, int weight, litehtml::font_style italic,
                                 unsigned int decoration, litehtml::font_metrics* fm) override {
    auto font = std::make_unique<PageFont>();
    font->description = pango_font_description_new();
    pango_font_description_set_family(font->description, FamilyList(face ? face : "").c_str());
    pango_font_description_set_absolute_size(font->description, std::max(1, size) * PANGO_SCALE);
    pango_font_description_set_weight(font->description, static_cast<PangoWeight>(std::clamp(weight, 100, 1000)));
    pango_font_description_set_style(font->description,
                                     italic == litehtml::fontStyleItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    font->layout = pango_layout_new(internal::TextContext());
    pango_layout_set_font_description(font->layout, font->description);
    PangoFontMetrics* metrics = pango_context_get_metrics(internal::TextContext(), font->description, nullptr);
    font->ascent = PANGO_PIXELS_CEIL(pango_font_metrics_get_ascent(metrics));
    font->descent = PANGO_PIXELS_CEIL(pango_font_metrics_get_descent(metrics));
    pango_font_metrics_unref(metrics);
    font->decoration = decoration;
    if (fm) {
      fm->ascent = font->ascent;
      fm->descent = font->descent;
      fm->height = font->ascent + font->descent;
      fm->x_height = std::max(1, font->ascent / 2);
      fm->draw_spaces = italic == litehtml::fontStyleItalic || decoration != 0;
    }
    auto* handle = font.get();
    fonts_.push_back(std::move(font));
    return reinterpret_cast<litehtml::uint_ptr>(handle);
  }

  void delete_font(litehtml::uint_ptr handle) override {
    std::erase_if(fonts_, [&](const auto& f) { return reinterpret_cast<litehtml::uint_ptr>(f.get()) == handle; });
  }

  int text_width(const litehtml::tchar_t* text, litehtml::uint_ptr handle) override {
    auto* font = reinterpret_cast<PageFont*>(handle);
    if (!font || !text) return 0;
    pango_layout_set_text(font->layout, text, -1);
    PangoRectangle logical;
    pango_layout_get_pixel_extents(font->layout, nullptr, &logical);
    return logical.width;
  }

  void draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text, litehtml::uint_ptr handle,
                 litehtml::web_color color, const litehtml::position& pos) override {
    auto* font = reinterpret_cast<PageFont*>(handle);
    auto* cr = reinterpret_cast<cairo_t*>(hdc);
    if (!font || !text || !cr) return;
    pango_layout_set_text(font->layout, text, -1);
    // Centred in its box: a text's box is the font's height, a list number's the line's.
    const int baseline = pos.y + (pos.height - font->ascent - font->descent) / 2 + font->ascent;
    cairo_save(cr);
    SetSource(cr, color);
    cairo_move_to(cr, pos.x, baseline - pango_layout_get_baseline(font->layout) / PANGO_SCALE);
    pango_cairo_show_layout(cr, font->layout);
    // Decorations as whole pixels, as the rest of the program draws underlines.
    const int thickness = std::max(1, (font->ascent + font->descent) / 16);
    if (font->decoration & litehtml::font_decoration_underline)
      cairo_rectangle(cr, pos.x, baseline + 1, pos.width, thickness);
    if (font->decoration & litehtml::font_decoration_linethrough)
      cairo_rectangle(cr, pos.x, baseline - font->ascent / 3, pos.width, thickness);
    if (font->decoration & litehtml::font_decoration_overline) cairo_rectangle(cr, pos.x, baseline - font->ascent, pos.width, thickness);
    cairo_fill(cr);
    cairo_restore(cr);
  }

  int pt_to_px(int pt) const override { return static_cast<int>(std::lround(PointsToPixels(pt))); }
  int get_default_font_size() const override { return static_cast<int>(std::lround(PointsToPixels(kMediumPoints))); }
  const litehtml::tchar_t* get_default_font_name() const override { return "宋体"; }

  void transform_text(litehtml::tstring& text, litehtml::text_transform tt) override {
    gchar* out = nullptr;
    if (tt == litehtml::text_transform_uppercase) out = g_utf8_strup(text.c_str(), -1);
    if (tt == litehtml::text_transform_lowercase) out = g_utf8_strdown(text.c_str(), -1);
    if (!out) return;
    text = out;
    g_free(out);
  }

  // Words where a line may break, by the Unicode line-breaking rules (Chinese text breaks
  // between characters, but not before a closing punctuation mark); each space apart.
  void split_text(const char* text, const std::function<void(const litehtml::tchar_t*)>& on_word,
                  const std::function<void(const litehtml::tchar_t*)>& on_space) override {
    const std::string s = text ? text : "";
    const int chars = static_cast<int>(g_utf8_strlen(s.c_str(), -1));
    std::vector<PangoLogAttr> attrs(chars + 1);
    pango_get_log_attrs(s.c_str(), static_cast<int>(s.size()), -1, pango_language_from_string("zh-cn"), attrs.data(),
                        static_cast<int>(attrs.size()));
    std::string word;
    const char* p = s.c_str();
    for (int i = 0; i < chars; ++i) {
      const char* next = g_utf8_next_char(p);
      const char c = *p;
      if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
        if (!word.empty()) on_word(word.c_str());
        word.clear();
        const std::string space(1, c);
        on_space(space.c_str());
      } else {
        if (attrs[i].is_line_break && !word.empty()) {
          on_word(word.c_str());
          word.clear();
        }
        word.append(p, next);
      }
      p = next;
    }
    if (!word.empty()) on_word(word.c_str());
  }

  // ---- pictures ----
  void load_image(const litehtml::tchar_t* src, const litehtml::tchar_t*, bool) override { Picture(src); }

  void get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t*, litehtml::size& sz) override {
    const PicturePtr pic = Picture(src);
    sz.width = pic ? pic->Width() : 0;
    sz.height = pic ? pic->Height() : 0;
  }

  void draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) override {
    auto* cr = reinterpret_cast<cairo_t*>(hdc);
    if (!cr) return;
    cairo_save(cr);
    cairo_rectangle(cr, bg.clip_box.x, bg.clip_box.y, bg.clip_box.width, bg.clip_box.height);
    cairo_clip(cr);
    if (bg.color.alpha) {
      SetSource(cr, bg.color);
      cairo_paint(cr);
    }
    const PicturePtr pic = bg.image.empty() ? nullptr : Picture(bg.image.c_str());
    if (pic && pic->Width() > 0 && pic->Height() > 0) {
      const int w = bg.image_size.width > 0 ? bg.image_size.width : pic->Width();
      const int h = bg.image_size.height > 0 ? bg.image_size.height : pic->Height();
      cairo_pattern_t* pattern = cairo_pattern_create_for_surface(pic->Surface());
      cairo_matrix_t m;
      cairo_matrix_init_scale(&m, static_cast<double>(pic->Width()) / w, static_cast<double>(pic->Height()) / h);
      cairo_matrix_translate(&m, -bg.position_x, -bg.position_y);
      cairo_pattern_set_matrix(pattern, &m);
      const litehtml::position& c = bg.clip_box;
      switch (bg.repeat) {
        case litehtml::background_repeat_no_repeat:
          cairo_rectangle(cr, bg.position_x, bg.position_y, w, h);
          break;
        case litehtml::background_repeat_repeat_x:
          cairo_rectangle(cr, c.x, bg.position_y, c.width, h);
          break;
        case litehtml::background_repeat_repeat_y:
          cairo_rectangle(cr, bg.position_x, c.y, w, c.height);
          break;
        default:
          cairo_rectangle(cr, c.x, c.y, c.width, c.height);
          break;
      }
      cairo_pattern_set_extend(pattern, bg.repeat == litehtml::background_repeat_no_repeat ? CAIRO_EXTEND_NONE
                                                                                           : CAIRO_EXTEND_REPEAT);
      if (w == pic->Width() && h == pic->Height()) cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
      cairo_set_source(cr, pattern);
      cairo_fill(cr);
      cairo_pattern_destroy(pattern);
    }
    cairo_restore(cr);
  }

  void draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& b, const litehtml::position& box, bool) override {
    auto* cr = reinterpret_cast<cairo_t*>(hdc);
    if (!cr) return;
    enum Side { kTop, kRight, kBottom, kLeft };
    auto side = [&](const litehtml::border& border, Side s) {
      if (border.width <= 0 || border.style == litehtml::border_style_none || border.style == litehtml::border_style_hidden)
        return;
      // Inset and outset: the top-left edges darker or lighter than the bottom-right ones.
      litehtml::web_color color = border.color;
      const bool top_left = s == kTop || s == kLeft;
      if (border.style == litehtml::border_style_inset || border.style == litehtml::border_style_groove)
        color = top_left ? Shade(color, 0.6) : Shade(color, 1.4);
      if (border.style == litehtml::border_style_outset || border.style == litehtml::border_style_ridge)
        color = top_left ? Shade(color, 1.4) : Shade(color, 0.6);
      const int w = border.width;
      litehtml::position r;
      switch (s) {
        case kTop: r = {box.x, box.y, box.width, w}; break;
        case kBottom: r = {box.x, box.bottom() - w, box.width, w}; break;
        case kLeft: r = {box.x, box.y, w, box.height}; break;
        case kRight: r = {box.right() - w, box.y, w, box.height}; break;
      }
      cairo_save(cr);
      SetSource(cr, color);
      if (border.style == litehtml::border_style_dotted || border.style == litehtml::border_style_dashed) {
        const double dash = border.style == litehtml::border_style_dotted ? w : 3.0 * w;
        cairo_set_dash(cr, &dash, 1, 0);
        cairo_set_line_width(cr, w);
        const bool across = s == kTop || s == kBottom;
        cairo_move_to(cr, r.x + (across ? 0 : w / 2.0), r.y + (across ? w / 2.0 : 0));
        cairo_line_to(cr, across ? r.right() : r.x + w / 2.0, across ? r.y + w / 2.0 : r.bottom());
        cairo_stroke(cr);
      } else if (border.style == litehtml::border_style_double && w >= 3) {
        const int line = (w + 1) / 3;
        if (s == kTop || s == kBottom) {
          cairo_rectangle(cr, r.x, r.y, r.width, line);
          cairo_rectangle(cr, r.x, r.bottom() - line, r.width, line);
        } else {
          cairo_rectangle(cr, r.x, r.y, line, r.height);
          cairo_rectangle(cr, r.right() - line, r.y, line, r.height);
        }
        cairo_fill(cr);
      } else {
        cairo_rectangle(cr, r.x, r.y, r.width, r.height);
        cairo_fill(cr);
      }
      cairo_restore(cr);
    };
    side(b.top, kTop);
    side(b.bottom, kBottom);
    side(b.left, kLeft);
    side(b.right, kRight);
  }

  void draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) override {
    auto* cr = reinterpret_cast<cairo_t*>(hdc);
    if (!cr) return;
    const litehtml::position& p = marker.pos;
    if (!marker.image.empty()) {
      if (const PicturePtr pic = Picture(marker.image.c_str())) {
        cairo_save(cr);
        cairo_set_source_surface(cr, pic->Surface(), p.x, p.y);
        cairo_paint(cr);
        cairo_restore(cr);
        return;
      }
    }
    cairo_save(cr);
    SetSource(cr, marker.color);
    switch (marker.marker_type) {
      case litehtml::list_style_type_circle:
        cairo_set_line_width(cr, 1);
        cairo_arc(cr, p.x + p.width / 2.0, p.y + p.height / 2.0, std::max(1.0, p.width / 2.0 - 0.5), 0, 2 * M_PI);
        cairo_stroke(cr);
        break;
      case litehtml::list_style_type_square:
        cairo_rectangle(cr, p.x, p.y, p.width, p.height);
        cairo_fill(cr);
        break;
      case litehtml::list_style_type_none:
        break;
      default:
        cairo_arc(cr, p.x + p.width / 2.0, p.y + p.height / 2.0, std::max(1.0, p.width / 2.0), 0, 2 * M_PI);
        cairo_fill(cr);
        break;
    }
    cairo_restore(cr);
  }

  // ---- style sheets, links, pointer ----
  void import_css(litehtml::tstring& text, const litehtml::tstring& url, litehtml::tstring&) override {
    text.clear();
    if (++imports_ > kMaxImports) return;
    const std::optional<std::string> path = LocalPath(url, path_);
    if (!path) return;
    std::optional<std::string> bytes;
    platform::Try([&] { bytes = platform::ReadFileBytes(*path); });
    if (bytes) text = DecodeCss(*bytes);
  }

  void set_caption(const litehtml::tchar_t*) override {}
  void set_base_url(const litehtml::tchar_t*) override {}
  void link(const std::shared_ptr<litehtml::document>&, const litehtml::element::ptr&) override {}
  void on_anchor_click(const litehtml::tchar_t* url, const litehtml::element::ptr&) override {
    if (url) clicked_ = url;
  }
  void set_cursor(const litehtml::tchar_t* cursor) override { hand_ = cursor && std::string_view(cursor) == "pointer"; }

  // ---- clipping and the view ----
  // Overflow clipping is not drawn: help pages do not rely on it.
  void set_clip(const litehtml::position&, const litehtml::border_radiuses&, bool, bool) override {}
  void del_clip() override {}
  void get_client_rect(litehtml::position& client) const override { client = {0, 0, view_w_, view_h_}; }
  std::shared_ptr<litehtml::element> create_element(const litehtml::tchar_t*, const litehtml::string_map&,
                                                    const std::shared_ptr<litehtml::document>&) override {
    return nullptr;
  }
  void get_media_features(litehtml::media_features& media) const override {
    media.type = litehtml::media_type_screen;
    media.width = media.device_width = view_w_;
    media.height = media.device_height = view_h_;
    media.color = 8;
    media.color_index = 0;
    media.monochrome = 0;
    media.resolution = static_cast<int>(std::lround(1440 / TwipsPerPixel()));
  }
  void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override {
    language = "zh";
    culture = "zh-CN";
  }

 private:
  // The page folder's picture at src (decoded by content), remembered for the page's life;
  // nullptr for a missing, unreadable or outside one.
  PicturePtr Picture(const char* src) {
    if (!src) return nullptr;
    auto [it, fresh] = pictures_.try_emplace(src);
    if (fresh) {
      if (const std::optional<std::string> path = LocalPath(src, path_)) {
        try {
          it->second = LoadPicture(*path);
        } catch (...) {
          it->second = nullptr;
        }
      }
    }
    return it->second;
  }

  std::string path_;
  int view_w_, view_h_;
  std::vector<std::unique_ptr<PageFont>> fonts_;
  std::map<std::string, PicturePtr> pictures_;
  int imports_ = 0;
  bool hand_ = false;
  std::optional<std::string> clicked_;
  // Declared last: the document's elements release their fonts through this container.
  litehtml::document::ptr document_;
};

WebBrowser::WebBrowser(Container& container, std::string name, int index) : Control(container, std::move(name), index) {
  Move(0, 0, 4800, 3600);
}

WebBrowser::~WebBrowser() = default;

void WebBrowser::Navigate(const std::string& path) {
  location_ = path;
  page_.reset();
  scroll_top_ = 0;
  laid_width_ = -1;
  std::optional<std::string> bytes;
  platform::Try([&] { bytes = platform::ReadFileBytes(path); });
  if (bytes) {
    const Rect r = PixelRect();
    page_ = std::make_unique<Page>(path, r.w, r.h);
    page_->Load(DecodeHtml(*bytes));
    if (!page_->Document()) page_.reset();
  }
  Invalidate();
}

std::string WebBrowser::Text() const {
  if (!page_ || !page_->Document() || !page_->Document()->root()) return "";
  litehtml::element::ptr body = page_->Document()->root()->select_one("body");
  if (!body) body = page_->Document()->root();
  litehtml::tstring raw;
  body->get_text(raw);
  std::string out;
  bool space = false;
  for (char c : raw) {
    if (IsUrlSpace(c)) {
      space = !out.empty();
      continue;
    }
    if (space) out += ' ';
    space = false;
    out += c;
  }
  return out;
}

int WebBrowser::LineHeight() const {
  TextStyle s;
  s.font = Font{"宋体", kMediumPoints};
  return std::max(1, MeasureText("", s).height);
}

void WebBrowser::Layout() const {
  const Rect r = PixelRect();
  if (laid_width_ == r.w) return;
  laid_width_ = r.w;
  bar_ = false;
  content_height_ = 0;
  if (!page_) return;
  litehtml::document* doc = page_->Document();
  // Laid out full width first; a page taller than the control makes room for the scroll bar.
  for (bool bar : {false, true}) {
    bar_ = bar;
    const int width = std::max(1, r.w - (bar ? kScrollBarWidth : 0));
    page_->SetView(width, r.h);
    try {
      doc->render(width);
      content_height_ = doc->height();
    } catch (...) {
      content_height_ = 0;
    }
    if (content_height_ <= r.h) break;
  }
}

int WebBrowser::ContentHeight() const {
  Layout();
  return content_height_;
}

bool WebBrowser::HasScrollBar() const {
  Layout();
  return bar_;
}

void WebBrowser::ScrollBy(int pixels) {
  const int top = std::clamp(scroll_top_ + pixels, 0, std::max(0, ContentHeight() - PixelRect().h));
  if (top == scroll_top_) return;
  scroll_top_ = top;
  Invalidate();
}

void WebBrowser::OnResized() {
  laid_width_ = -1;
  ScrollBy(0);
  Invalidate();
}

void WebBrowser::OnMouseDown(int button, int, int x, int y) {
  const Rect r = PixelRect();
  if (button != kLeftButton) return;
  if (HasScrollBar() && x >= r.w - kScrollBarWidth) {
    const int line = LineHeight();
    ScrollBy(ScrollBarStep({r.w - kScrollBarWidth, 0, kScrollBarWidth, r.h}, y, line, std::max(line, r.h - line)));
    return;
  }
  if (!page_) return;
  litehtml::position::vector boxes;
  if (page_->Document()->on_lbutton_down(x, y + scroll_top_, x, y, boxes)) Invalidate();
}

void WebBrowser::OnMouseMove(int, int, int x, int y) {
  if (!page_) return;
  Layout();
  const bool hand = page_->Hand();
  litehtml::position::vector boxes;
  const bool over_bar = bar_ && x >= PixelRect().w - kScrollBarWidth;
  const bool changed = over_bar ? page_->Document()->on_mouse_leave(boxes)
                                : page_->Document()->on_mouse_over(x, y + scroll_top_, x, y, boxes);
  if (over_bar) page_->set_cursor("auto");
  if (changed || hand != page_->Hand()) Invalidate();
}

void WebBrowser::OnMouseUp(int button, int, int x, int y) {
  if (button != kLeftButton || !page_) return;
  litehtml::position::vector boxes;
  if (page_->Document()->on_lbutton_up(x, y + scroll_top_, x, y, boxes)) Invalidate();
  FollowLink();
}

// After the engine has finished with the click: following a link may replace the page.
void WebBrowser::FollowLink() {
  if (!page_) return;
  const std::optional<std::string> href = page_->TakeClicked();
  if (!href) return;
  const LinkTarget link = ResolveLink(*href, location_);
  if (link.kind == LinkTarget::kPage) Navigate(link.target);
  if (link.kind == LinkTarget::kWeb) platform::ShellOpen(link.target);
}

int WebBrowser::DefaultPointerShape() const { return page_ && page_->Hand() ? kHandPointer : 0; }

void WebBrowser::OnMouseWheel(int notches) { ScrollBy(-notches * kWheelLines * LineHeight()); }

void WebBrowser::Paint(Painter& p, const Rect& r) {
  Layout();
  const bool bar = bar_;
  const int view_w = r.w - (bar ? kScrollBarWidth : 0);
  p.FillRect({0, 0, view_w, r.h}, Rgb(255, 255, 255));
  if (page_) {
    p.Push({0, 0, view_w, r.h});
    cairo_t* cr = p.Cairo();
    cairo_save(cr);
    const litehtml::position clip(0, 0, view_w, r.h);
    try {
      page_->Document()->draw(reinterpret_cast<litehtml::uint_ptr>(cr), 0, -scroll_top_, &clip);
    } catch (...) {
    }
    cairo_restore(cr);
    p.Pop();
  }
  if (bar) DrawVerticalScrollBar(p, {r.w - kScrollBarWidth, 0, kScrollBarWidth, r.h}, r.h, content_height_, scroll_top_);
}

std::string WebBrowser::DumpFields() const { return "url=" + DumpQuote(location_); }

}  // namespace xpexam::forms
