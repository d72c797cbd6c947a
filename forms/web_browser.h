#pragma once
// A page viewer: shows one local HTML file as a browser would (style sheets in the page or
// linked beside it, inline styles, tables, images, lists, fonts by Windows name), scrolled by
// the wheel or its scroll bar. A link to another local page opens it here; an http or https
// link opens in the desktop's browser.
#include <memory>
#include <string>
#include <string_view>

#include "forms/control.h"

namespace xpexam::forms {

// A page's bytes as UTF-8: GBK unless a UTF-8 byte order mark or a <meta ... charset=utf-8>
// says otherwise. Invalid sequences become U+FFFD.
std::string DecodeHtml(std::string_view bytes);

// What a click on a link with this href does, seen from the page at page_path: the local
// file to open (kPage), the address for the desktop's browser (kWeb), or nothing.
struct LinkTarget {
  enum Kind { kNone, kPage, kWeb } kind = kNone;
  std::string target;
  friend bool operator==(const LinkTarget&, const LinkTarget&) = default;
};
LinkTarget ResolveLink(std::string_view href, const std::string& page_path);

// The pointer shape shown over a link (a hand); not one of the numbered MousePointer shapes.
constexpr int kHandPointer = 32649;

class WebBrowser : public Control {
 public:
  WebBrowser(Container& container, std::string name, int index = -1);
  ~WebBrowser() override;
  std::string TypeName() const override { return "WebBrowser"; }

  // Shows the file at path; a missing or unreadable file shows an empty page.
  void Navigate(const std::string& path);
  // The path last navigated to.
  const std::string& LocationURL() const { return location_; }
  // The page's text, whitespace collapsed.
  std::string Text() const;
  // Vertical scroll position and the page's full height, in pixels.
  int ScrollTop() const { return scroll_top_; }
  int ContentHeight() const;

  bool Windowed() const override { return true; }

 protected:
  void Paint(Painter& p, const Rect& r) override;
  void OnMouseDown(int button, int shift, int x, int y) override;
  void OnMouseMove(int button, int shift, int x, int y) override;
  void OnMouseUp(int button, int shift, int x, int y) override;
  void OnMouseWheel(int notches) override;
  void OnResized() override;
  int DefaultPointerShape() const override;
  std::string DumpFields() const override;

 private:
  class Page;
  void Layout() const;
  bool HasScrollBar() const;
  int LineHeight() const;
  void ScrollBy(int pixels);
  void FollowLink();

  std::string location_;
  std::unique_ptr<Page> page_;
  int scroll_top_ = 0;
  mutable int laid_width_ = -1;
  mutable int content_height_ = 0;
  mutable bool bar_ = false;
};

}  // namespace xpexam::forms
