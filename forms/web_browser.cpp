#include "forms/web_browser.h"

#include <glib.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <regex>

#include "forms/backend.h"
#include "forms/draw.h"
#include "forms/dump.h"
#include "forms/graphics_internal.h"
#include "platform/codepage.h"
#include "platform/failure.h"
#include "platform/textfile.h"

namespace xpexam::forms {
namespace {

constexpr int kMargin = 8;       // around the page, as a browser's body
constexpr int kIndent = 28;      // per list level
constexpr int kWheelLines = 3;   // lines per wheel notch
constexpr int kLineSpacing = 3;  // pixels between wrapped lines
constexpr double kPagePoints = 10.5;

Font PageFont() { return Font{"宋体", kPagePoints}; }

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(g_ascii_tolower(c));
  return out;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

void AppendUtf8(std::string& out, uint32_t cp) {
  char buf[8];
  const int n = g_unichar_to_utf8(cp, buf);
  out.append(buf, n);
}

// Text with its character references replaced.
std::string DecodeEntities(std::string_view s) {
  static const std::pair<const char*, uint32_t> kNamed[] = {
      {"nbsp", 0xA0},   {"lt", '<'},      {"gt", '>'},      {"amp", '&'},     {"quot", '"'},
      {"apos", '\''},   {"copy", 0xA9},   {"reg", 0xAE},    {"middot", 0xB7}, {"times", 0xD7},
      {"mdash", 0x2014}, {"ndash", 0x2013}, {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"lsquo", 0x2018},
      {"rsquo", 0x2019}, {"hellip", 0x2026}, {"bull", 0x2022},
  };
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    if (s[i] != '&') {
      out += s[i++];
      continue;
    }
    const size_t semi = s.find(';', i + 1);
    if (semi == std::string_view::npos || semi - i > 32) {
      out += s[i++];
      continue;
    }
    const std::string_view name = s.substr(i + 1, semi - i - 1);
    std::optional<uint32_t> cp;
    if (!name.empty() && name[0] == '#') {
      const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
      const std::string digits(name.substr(hex ? 2 : 1));
      if (!digits.empty() && digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") == std::string::npos) {
        const unsigned long long v = digits.size() > 8 ? 0x110000 : std::stoull(digits, nullptr, hex ? 16 : 10);
        cp = v > 0 && v < 0x110000 && g_unichar_validate(static_cast<gunichar>(v)) ? static_cast<uint32_t>(v) : 0xFFFD;
      }
    } else {
      const std::string lower = Lower(name);
      for (auto [n, c] : kNamed)
        if (lower == n) cp = c;
    }
    if (!cp) {
      out += s[i++];
      continue;
    }
    AppendUtf8(out, *cp);
    i = semi + 1;
  }
  return out;
}

struct Tag {
  std::string name;  // lower case, without the '/'
  bool closing = false;
  std::vector<std::pair<std::string, std::string>> attributes;  // names lower case, values decoded

  std::string Attribute(std::string_view key) const {
    for (const auto& [k, v] : attributes)
      if (k == key) return v;
    return "";
  }
};

// Where the tag whose inside starts at from ends: the first '>' outside quoted values.
size_t TagEnd(std::string_view html, size_t from) {
  char quote = 0, last = 0;
  for (size_t i = from; i < html.size(); ++i) {
    const char c = html[i];
    if (quote) {
      if (c == quote) quote = 0;
      continue;
    }
    if (c == '>') return i;
    if ((c == '"' || c == '\'') && last == '=') quote = c;
    if (!IsSpace(c)) last = c;
  }
  return std::string_view::npos;
}

// Parses the inside of <...>; false when it is not a tag (then it is text).
bool ParseTag(std::string_view in, Tag& tag) {
  size_t i = 0;
  if (i < in.size() && in[i] == '/') {
    tag.closing = true;
    ++i;
  }
  const size_t start = i;
  while (i < in.size() && (g_ascii_isalnum(in[i]) || in[i] == '-' || in[i] == ':')) ++i;
  if (i == start || !g_ascii_isalpha(in[start])) return false;
  tag.name = Lower(in.substr(start, i - start));
  while (i < in.size()) {
    while (i < in.size() && (IsSpace(in[i]) || in[i] == '/')) ++i;
    const size_t ks = i;
    while (i < in.size() && !IsSpace(in[i]) && in[i] != '=' && in[i] != '/') ++i;
    if (i == ks) break;
    std::string key = Lower(in.substr(ks, i - ks));
    while (i < in.size() && IsSpace(in[i])) ++i;
    std::string value;
    if (i < in.size() && in[i] == '=') {
      ++i;
      while (i < in.size() && IsSpace(in[i])) ++i;
      if (i < in.size() && (in[i] == '"' || in[i] == '\'')) {
        const char q = in[i++];
        const size_t end = std::min(in.find(q, i), in.size());
        value = in.substr(i, end - i);
        i = end + 1;
      } else {
        const size_t vs = i;
        while (i < in.size() && !IsSpace(in[i])) ++i;
        value = in.substr(vs, i - vs);
      }
    }
    tag.attributes.emplace_back(std::move(key), DecodeEntities(value));
  }
  return true;
}

// "#rrggbb" for an HTML colour (name, #rgb, #rrggbb, or six hex digits without '#').
std::optional<std::string> ColorOf(std::string value) {
  value.erase(0, value.find_first_not_of(" \t"));
  value.erase(value.find_last_not_of(" \t") + 1);
  if (value.empty()) return std::nullopt;
  PangoColor c;
  if (!pango_color_parse(&c, value.c_str()) &&
      !(value.size() == 6 && pango_color_parse(&c, ("#" + value).c_str())))
    return std::nullopt;
  char buf[8];
  g_snprintf(buf, sizeof buf, "#%02x%02x%02x", c.red >> 8, c.green >> 8, c.blue >> 8);
  return std::string(buf);
}

// An open element that styles the text inside it.
struct Style {
  std::string tag;
  bool bold = false, italic = false, underline = false;
  std::optional<std::string> color;
  int pixels = 0;  // 0: inherited
};

Style Named(const std::string& tag) {
  Style s;
  s.tag = tag;
  return s;
}

class Converter {
 public:
  explicit Converter(int base_pixels) : base_(std::max(1, base_pixels)) {}

  std::vector<HtmlBlock> Run(std::string_view html) {
    size_t i = 0;
    while (i < html.size()) {
      if (html[i] != '<') {
        const size_t next = std::min(html.find('<', i), html.size());
        Text(DecodeEntities(html.substr(i, next - i)));
        i = next;
        continue;
      }
      if (html.substr(i, 4) == "<!--") {
        const size_t end = html.find("-->", i + 4);
        i = end == std::string_view::npos ? html.size() : end + 3;
        continue;
      }
      if (i + 1 < html.size() && (html[i + 1] == '!' || html[i + 1] == '?')) {
        i = std::min(html.find('>', i), html.size() - 1) + 1;
        continue;
      }
      // A '<' that starts no tag is text.
      const size_t name = i + 1 < html.size() && html[i + 1] == '/' ? i + 2 : i + 1;
      if (name >= html.size() || !g_ascii_isalpha(html[name])) {
        Text("<");
        ++i;
        continue;
      }
      const size_t close = TagEnd(html, i + 1);
      if (close == std::string_view::npos) break;  // an unfinished tag at the end
      Tag tag;
      if (!ParseTag(html.substr(i + 1, close - i - 1), tag)) {
        Text("<");
        ++i;
        continue;
      }
      i = close + 1;
      if (!tag.closing && (tag.name == "script" || tag.name == "style" || tag.name == "title")) {
        // Their content is not shown: skip to the end tag.
        const std::string lower = Lower(html.substr(i));
        const size_t end = lower.find("</" + tag.name);
        i = end == std::string::npos ? html.size() : std::min(html.find('>', i + end), html.size() - 1) + 1;
        continue;
      }
      Element(tag);
    }
    Flush();
    return std::move(blocks_);
  }

 private:
  static int HeadingLevel(const std::string& name) {
    return name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6' ? name[1] - '0' : 0;
  }

  void Element(const Tag& tag) {
    const std::string& n = tag.name;
    if (const int level = HeadingLevel(n)) {
      Break(true);
      std::erase_if(styles_, [](const Style& s) { return HeadingLevel(s.tag) != 0; });
      if (tag.closing) return;
      static const double kScale[] = {2.0, 1.5, 1.17, 1.0, 0.83, 0.67};
      Style s = Named(n);
      s.bold = true;
      s.pixels = static_cast<int>(std::lround(base_ * kScale[level - 1]));
      styles_.push_back(s);
      return;
    }
    if (n == "p" || n == "blockquote" || n == "pre" || n == "center") return Break(true);
    if (n == "div" || n == "body" || n == "html") return Break(false);
    if (n == "br") {
      if (!tag.closing) LineBreak();
      return;
    }
    if (n == "hr") {
      if (tag.closing) return;
      Break(false);
      HtmlBlock rule;
      rule.rule = true;
      rule.indent = Depth();
      blocks_.push_back(rule);
      return;
    }
    if (n == "ul" || n == "ol") {
      Break(lists_.empty());
      if (tag.closing) {
        if (!lists_.empty()) lists_.pop_back();
        if (lists_.empty()) gap_ = true;
      } else {
        lists_.push_back({n == "ol", 0});
      }
      return;
    }
    if (n == "li") {
      Break(false);
      if (tag.closing) return;
      if (lists_.empty()) lists_.push_back({false, 0});
      List& l = lists_.back();
      marker_ = l.ordered ? std::to_string(++l.count) + "." : "•";
      return;
    }
    if (n == "table") return Break(true);
    if (n == "tr") {
      Break(false);
      cells_ = 0;
      return;
    }
    if (n == "td" || n == "th") {
      if (tag.closing) {
        if (n == "th") Pop("th");
        return;
      }
      if (cells_++ > 0 && !block_.text.empty()) {
        Emit("\u3000\u3000");
        space_ = false;
      }
      if (n == "th") {
        Style th = Named("th");
        th.bold = true;
        styles_.push_back(th);
      }
      return;
    }
    // Inline styles.
    if (tag.closing) return Pop(n);
    Style s = Named(n);
    if (n == "b" || n == "strong") {
      s.bold = true;
    } else if (n == "i" || n == "em" || n == "cite" || n == "var") {
      s.italic = true;
    } else if (n == "u" || n == "ins") {
      s.underline = true;
    } else if (n == "font") {
      s.color = ColorOf(tag.Attribute("color"));
      s.pixels = FontPixels(tag.Attribute("size"));
    } else if (n == "span") {
      static const std::regex kColor(R"((?:^|;)\s*color\s*:\s*([^;]+))", std::regex::icase);
      const std::string style = tag.Attribute("style");
      std::smatch m;
      if (std::regex_search(style, m, kColor)) s.color = ColorOf(m[1]);
    } else {
      return;  // unknown or unstyled tags
    }
    styles_.push_back(std::move(s));
  }

  // <font size=N>: 1 to 7, or +N / -N from 3; 3 is the body size.
  int FontPixels(const std::string& v) const {
    if (v.empty()) return 0;
    char* end = nullptr;
    const long n = std::strtol(v.c_str(), &end, 10);
    if (end == v.c_str()) return 0;
    const long size = std::clamp(v[0] == '+' || v[0] == '-' ? 3 + n : n, 1L, 7L);
    static const double kScale[] = {0.63, 0.83, 1.0, 1.13, 1.5, 2.0, 3.0};
    return static_cast<int>(std::lround(base_ * kScale[size - 1]));
  }

  void Pop(const std::string& name) {
    for (auto it = styles_.rbegin(); it != styles_.rend(); ++it)
      if (it->tag == name) {
        styles_.erase(std::next(it).base());
        return;
      }
  }

  int Depth() const { return static_cast<int>(lists_.size()); }

  std::string Attributes() const {
    Style all;
    for (const Style& s : styles_) {
      all.bold |= s.bold;
      all.italic |= s.italic;
      all.underline |= s.underline;
      if (s.color) all.color = s.color;
      if (s.pixels) all.pixels = s.pixels;
    }
    std::string a;
    if (all.bold) a += " weight=\"bold\"";
    if (all.italic) a += " style=\"italic\"";
    if (all.underline) a += " underline=\"single\"";
    if (all.color) a += " foreground=\"" + *all.color + "\"";
    if (all.pixels) a += " font_desc=\"" + std::to_string(all.pixels) + "px\"";
    return a;
  }

  // Appends shown text in the current style.
  void Emit(std::string_view text) {
    const std::string attributes = Attributes();
    if (attributes != open_) {
      if (!open_.empty()) block_.markup += "</span>";
      if (!attributes.empty()) block_.markup += "<span" + attributes + ">";
      open_ = attributes;
    }
    gchar* escaped = g_markup_escape_text(text.data(), static_cast<gssize>(text.size()));
    block_.markup += escaped;
    g_free(escaped);
    block_.text += text;
  }

  void Text(const std::string& text) {
    std::string run;
    for (size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      if (IsSpace(c)) {
        space_ = true;
        continue;
      }
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) continue;
      if (space_ && !line_start_) run += ' ';
      space_ = false;
      line_start_ = false;
      run += c;
    }
    if (!run.empty()) Emit(run);
  }

  void LineBreak() {
    Emit("\n");
    line_start_ = true;
    space_ = false;
  }

  // Ends the current block; spaced asks for a paragraph gap before the next one.
  void Break(bool spaced) {
    Flush();
    if (spaced) gap_ = true;
  }

  void Flush() {
    if (!open_.empty()) block_.markup += "</span>";
    open_.clear();
    // Trailing line breaks show nothing.
    while (!block_.text.empty() && block_.text.back() == '\n') {
      block_.text.pop_back();
      block_.markup.erase(block_.markup.rfind('\n'), 1);
    }
    if (!block_.text.empty() || !marker_.empty()) {
      block_.marker = std::move(marker_);
      block_.indent = Depth();
      block_.spaced = gap_;
      gap_ = false;
      blocks_.push_back(std::move(block_));
    }
    block_ = {};
    marker_.clear();
    space_ = false;
    line_start_ = true;
  }

  struct List {
    bool ordered = false;
    int count = 0;
  };

  int base_;
  std::vector<HtmlBlock> blocks_;
  HtmlBlock block_;
  std::string open_;  // attributes of the open span
  std::string marker_;
  std::vector<Style> styles_;
  std::vector<List> lists_;
  int cells_ = 0;
  bool space_ = false, line_start_ = true, gap_ = false;
};

struct LayoutDeleter {
  void operator()(PangoLayout* l) const {
    if (l) g_object_unref(l);
  }
};
using LayoutPtr = std::unique_ptr<PangoLayout, LayoutDeleter>;

LayoutPtr NewLayout(int width) {
  LayoutPtr layout(pango_layout_new(internal::TextContext()));
  pango_layout_set_font_description(layout.get(), internal::FontDescription(PageFont()));
  // A little air between lines, as help pages ask of their style sheets.
  pango_layout_set_spacing(layout.get(), kLineSpacing * PANGO_SCALE);
  if (width >= 0) {
    pango_layout_set_width(layout.get(), std::max(1, width) * PANGO_SCALE);
    pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
  }
  return layout;
}

int PixelHeight(PangoLayout* layout) {
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout, nullptr, &logical);
  return logical.height;
}

}  // namespace

std::vector<HtmlBlock> HtmlToBlocks(std::string_view html, int base_pixels) { return Converter(base_pixels).Run(html); }

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

struct WebBrowser::Laid {
  LayoutPtr text, marker;
  int x = 0, y = 0, h = 0;
  bool rule = false;
};

WebBrowser::WebBrowser(Container& container, std::string name, int index) : Control(container, std::move(name), index) {
  Move(0, 0, 4800, 3600);
}

WebBrowser::~WebBrowser() = default;

void WebBrowser::Navigate(const std::string& path) {
  location_ = path;
  blocks_.clear();
  scroll_top_ = 0;
  laid_width_ = -1;
  std::optional<std::string> bytes;
  platform::Try([&] { bytes = platform::ReadFileBytes(path); });
  if (bytes) blocks_ = HtmlToBlocks(DecodeHtml(*bytes), std::max(1, static_cast<int>(std::lround(PointsToPixels(kPagePoints)))));
  Invalidate();
}

std::string WebBrowser::Text() const {
  std::string out;
  for (const HtmlBlock& b : blocks_) {
    if (b.rule) continue;
    if (!out.empty()) out += "\r\n";
    out += b.marker.empty() ? b.text : b.marker + " " + b.text;
  }
  return out;
}

int WebBrowser::LineHeight() const {
  TextStyle s;
  s.font = PageFont();
  return std::max(1, MeasureText("", s).height);
}

void WebBrowser::Layout() const {
  const Rect r = PixelRect();
  if (laid_width_ == r.w) return;
  laid_width_ = r.w;
  const int gap = LineHeight() * 2 / 3;
  // Laid out full width first; a page taller than the control makes room for the scroll bar.
  for (bool bar : {false, true}) {
    bar_ = bar;
    laid_.clear();
    const int width = r.w - 2 * kMargin - (bar ? kScrollBarWidth : 0);
    int y = kMargin;
    for (const HtmlBlock& b : blocks_) {
      Laid l;
      l.x = kMargin + b.indent * kIndent;
      if (b.spaced && !laid_.empty()) y += gap;
      if (b.rule) {
        l.rule = true;
        l.y = y + gap / 2;
        l.h = gap;
      } else {
        l.text = NewLayout(width - b.indent * kIndent);
        // The converter escapes all text; plain text stays a safe fallback all the same.
        if (pango_parse_markup(b.markup.c_str(), -1, 0, nullptr, nullptr, nullptr, nullptr))
          pango_layout_set_markup(l.text.get(), b.markup.c_str(), -1);
        else
          pango_layout_set_text(l.text.get(), b.text.c_str(), -1);
        if (!b.marker.empty()) {
          l.marker = NewLayout(-1);
          pango_layout_set_text(l.marker.get(), b.marker.c_str(), -1);
        }
        l.y = y;
        l.h = PixelHeight(l.text.get());
      }
      y += l.h;
      laid_.push_back(std::move(l));
    }
    content_height_ = laid_.empty() ? 0 : y + kMargin;
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
  if (button != kLeftButton || !HasScrollBar() || x < r.w - kScrollBarWidth) return;
  const int line = LineHeight();
  ScrollBy(ScrollBarStep({r.w - kScrollBarWidth, 0, kScrollBarWidth, r.h}, y, line, std::max(line, r.h - line)));
}

void WebBrowser::OnMouseWheel(int notches) { ScrollBy(-notches * kWheelLines * LineHeight()); }

void WebBrowser::Paint(Painter& p, const Rect& r) {
  Layout();
  const bool bar = bar_;
  const int view_w = r.w - (bar ? kScrollBarWidth : 0);
  p.FillRect({0, 0, view_w, r.h}, Rgb(255, 255, 255));
  p.Push({0, 0, view_w, r.h});
  cairo_t* cr = p.Cairo();
  for (const Laid& l : laid_) {
    const int y = l.y - scroll_top_;
    if (y + l.h < 0 || y >= r.h) continue;
    if (l.rule) {
      p.FillRect({l.x, y, view_w - kMargin - l.x, 1}, Rgb(160, 160, 160));
      p.FillRect({l.x, y + 1, view_w - kMargin - l.x, 1}, Rgb(227, 227, 227));
      continue;
    }
    cairo_save(cr);
    internal::SetSourceColor(cr, Rgb(0, 0, 0));
    cairo_move_to(cr, l.x, y);
    pango_cairo_show_layout(cr, l.text.get());
    if (l.marker) {
      PangoRectangle logical;
      pango_layout_get_pixel_extents(l.marker.get(), nullptr, &logical);
      cairo_move_to(cr, l.x - 6 - logical.width, y);
      pango_cairo_show_layout(cr, l.marker.get());
    }
    cairo_restore(cr);
  }
  p.Pop();
  if (bar) DrawVerticalScrollBar(p, {r.w - kScrollBarWidth, 0, kScrollBarWidth, r.h}, r.h, content_height_, scroll_top_);
}

std::string WebBrowser::DumpFields() const { return "url=" + DumpQuote(location_); }

}  // namespace xpexam::forms
