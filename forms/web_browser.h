#pragma once
// A small page viewer: shows one local HTML file as a plain white page (headings, paragraphs,
// lists, simple tables, rules and inline text styles), scrolled by the wheel or its scroll bar.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/control.h"

typedef struct _PangoLayout PangoLayout;

namespace xpexam::forms {

// One block of a page, top to bottom.
struct HtmlBlock {
  std::string markup;  // Pango markup of the text (always well formed)
  std::string text;    // the same text without markup
  std::string marker;  // list bullet or number, drawn left of the text
  int indent = 0;      // list nesting depth
  bool rule = false;   // a horizontal rule instead of text
  bool spaced = false; // a paragraph gap above
  friend bool operator==(const HtmlBlock&, const HtmlBlock&) = default;
};

// The page's blocks. base_pixels is the body font's size: headings and <font size> scale it.
std::vector<HtmlBlock> HtmlToBlocks(std::string_view html, int base_pixels);

// A page's bytes as UTF-8: GBK unless a UTF-8 byte order mark or a <meta ... charset=utf-8>
// says otherwise. Invalid sequences become U+FFFD.
std::string DecodeHtml(std::string_view bytes);

class WebBrowser : public Control {
 public:
  WebBrowser(Container& container, std::string name, int index = -1);
  ~WebBrowser() override;
  std::string TypeName() const override { return "WebBrowser"; }

  // Shows the file at path; a missing or unreadable file shows an empty page.
  void Navigate(const std::string& path);
  // The path last navigated to.
  const std::string& LocationURL() const { return location_; }
  // The page's text, one block a line (list markers included).
  std::string Text() const;
  // Vertical scroll position and the page's full height, in pixels.
  int ScrollTop() const { return scroll_top_; }
  int ContentHeight() const;

  bool Windowed() const override { return true; }

 protected:
  void Paint(Painter& p, const Rect& r) override;
  void OnMouseDown(int button, int shift, int x, int y) override;
  void OnMouseWheel(int notches) override;
  void OnResized() override;
  std::string DumpFields() const override;

 private:
  struct Laid;
  void Layout() const;
  bool HasScrollBar() const;
  int LineHeight() const;
  void ScrollBy(int pixels);

  std::string location_;
  std::vector<HtmlBlock> blocks_;
  int scroll_top_ = 0;
  mutable std::vector<Laid> laid_;
  mutable int laid_width_ = -1;
  mutable int content_height_ = 0;
  mutable bool bar_ = false;
};

}  // namespace xpexam::forms
