#include "forms/text_box.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "forms/backend.h"
#include "forms/clipboard.h"
#include "forms/draw.h"
#include "forms/dump.h"
#include "forms/runtime.h"
#include "platform/strings.h"

namespace xpexam::forms {

namespace {

constexpr int kCtrlC = 3, kCtrlV = 22, kCtrlX = 24;

bool IsBreak(const std::string& c) { return c == "\r" || c == "\n"; }
// Characters of three or more UTF-8 bytes (CJK among them) may be broken before and after.
bool IsWide(const std::string& c) { return c.size() >= 3; }

bool OneOf(const std::string& c, std::string_view set) {
  return !c.empty() && set.find(c) != std::string_view::npos;
}
// Chinese line-breaking rules: no line starts with closing punctuation and none ends with
// opening punctuation.
bool NoLineStart(const std::string& c) {
  return OneOf(c, "。，、；：？！）」』】》〉〕〗〙〛”’…‥·～％．｝］") || (c.size() == 1 && OneOf(c, ",.;:?!)]}%"));
}
bool NoLineEnd(const std::string& c) {
  return OneOf(c, "（「『【《〈〔〖〘〚“‘［｛") || (c.size() == 1 && OneOf(c, "([{"));
}
bool BreakBetween(const std::string& before, const std::string& after) {
  if (NoLineStart(after) || NoLineEnd(before)) return false;
  return before == " " || IsWide(before) || IsWide(after);
}

std::string Utf8(int cp) {
  std::string out;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | cp >> 6);
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | cp >> 12);
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | cp >> 18);
    out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

// Width of one character in a font, measured once.
int CharWidth(const std::string& ch, const TextStyle& style) {
  static std::unordered_map<std::string, int> widths;
  std::string key = style.font.name + '\x1f' + std::to_string(PointsToPixels(style.font.size)) +
                    (style.font.bold ? 'b' : '-') + (style.font.italic ? 'i' : '-') + ch;
  if (auto it = widths.find(key); it != widths.end()) return it->second;
  if (widths.size() > 4096) widths.clear();
  int w = MeasureText(ch, style).width;
  widths.emplace(std::move(key), w);
  return w;
}

}  // namespace

TextBox::TextBox(Container& container, std::string name, int index) : TextControl(container, std::move(name), index) {
  back_color_ = kSysWindow;
  fore_color_ = kSysWindowText;
  Move(0, 0, 1215, 285);
}

// ---- Properties ---------------------------------------------------------------------------------

void TextBox::SetText(std::string text) {
  if (text == text_) return;
  anchor_ = caret_ = 0;
  scroll_x_ = top_line_ = 0;
  SetChars(platform::Chars(text));
}

void TextBox::SetSelStart(int start) {
  if (start < 0) platform::Fail(380, "Invalid property value");
  anchor_ = caret_ = std::min(start, static_cast<int>(chars_.size()));
  EnsureCaretVisible();
  Invalidate();
}

void TextBox::SetSelLength(int length) {
  if (length < 0) platform::Fail(380, "Invalid property value");
  const int start = SelStart();
  anchor_ = start;
  caret_ = std::min(start + length, static_cast<int>(chars_.size()));
  EnsureCaretVisible();
  Invalidate();
}

std::string TextBox::SelText() const {
  std::string out;
  for (int i = SelStart(); i < SelStart() + SelLength(); ++i) out += chars_[i];
  return out;
}

void TextBox::SetSelText(const std::string& text) { ReplaceSelection(text, false); }

void TextBox::SetMultiLine(bool v) {
  multi_line_ = v;
  lines_valid_ = false;
  Invalidate();
}

void TextBox::SetScrollBars(Scrolling v) {
  scroll_bars_ = v;
  lines_valid_ = false;
  Invalidate();
}

void TextBox::SetPasswordChar(std::string c) {
  password_char_ = platform::Left(c, 1);
  lines_valid_ = false;
  Invalidate();
}

void TextBox::SetMaxLength(int n) {
  if (n < 0) platform::Fail(380, "Invalid property value");
  max_length_ = n;
}

void TextBox::SetAlignment(TextAlign alignment) {
  if (const int n = static_cast<int>(alignment); n < 0 || n > 2) platform::Fail(380, "Invalid property value");
  alignment_ = alignment;
  EnsureCaretVisible();
  Invalidate();
}

void TextBox::SetBorderStyle(BoxBorder style) {
  border_style_ = style;
  lines_valid_ = false;
  Invalidate();
}

void TextBox::SetHideSelection(bool v) {
  hide_selection_ = v;
  Invalidate();
}

void TextBox::OnFontChanged() {
  lines_valid_ = false;
  EnsureCaretVisible();
}

// ---- Layout -------------------------------------------------------------------------------------

Rect TextBox::TextArea() const {
  Rect r = PixelRect();
  const int b = border_style_ == BoxBorder::kNone ? 0 : 2;
  const int bar = HasScrollBar() ? kScrollBarWidth : 0;
  return {b + 1, b + 1, std::max(0, r.w - 2 * b - 2 - bar), std::max(0, r.h - 2 * b - 2)};
}

Rect TextBox::ScrollBarRect() const {
  Rect r = PixelRect();
  const int b = border_style_ == BoxBorder::kNone ? 0 : 2;
  return {r.w - b - kScrollBarWidth, b, kScrollBarWidth, std::max(0, r.h - 2 * b)};
}

int TextBox::LineHeight() const { return std::max(1, MeasureText("", Style()).height); }

int TextBox::Advance(int index) const {
  const std::string& ch = chars_[index];
  if (IsBreak(ch)) return 0;
  return CharWidth(password_char_.empty() ? ch : password_char_, Style());
}

const std::vector<TextBox::VisualLine>& TextBox::Lines() const {
  if (lines_valid_) return lines_;
  lines_valid_ = true;
  lines_.clear();
  const int n = static_cast<int>(chars_.size());
  if (!multi_line_) {
    lines_.push_back({0, n});
    return lines_;
  }
  const int width = TextArea().w;
  int i = 0;
  while (true) {
    const int ps = i;
    int pe = ps;
    while (pe < n && !IsBreak(chars_[pe])) ++pe;
    int start = ps, x = 0, brk = -1;
    for (int k = ps; k < pe; ++k) {
      if (k > start && BreakBetween(chars_[k - 1], chars_[k])) brk = k;
      const int w = Advance(k);
      while (x + w > width && k > start) {
        int cut = brk > start ? brk : k;
        // A forced break inside a word still keeps the punctuation with its neighbour.
        if (cut == k)
          while (cut - 1 > start && (NoLineStart(chars_[cut]) || NoLineEnd(chars_[cut - 1]))) --cut;
        lines_.push_back({start, cut});
        start = cut;
        brk = -1;
        x = 0;
        for (int m = start; m < k; ++m) x += Advance(m);
      }
      x += w;
    }
    lines_.push_back({start, pe});
    if (pe >= n) break;
    i = pe + 1;
    if (chars_[pe] == "\r" && i < n && chars_[i] == "\n") ++i;
  }
  return lines_;
}

std::vector<std::string> TextBox::ShownLines() const {
  std::vector<std::string> out;
  for (const VisualLine& line : Lines()) {
    std::string text;
    for (int k = line.start; k < line.end; ++k) text += chars_[k];
    out.push_back(std::move(text));
  }
  return out;
}

int TextBox::XOf(const VisualLine& line, int index) const {
  int x = 0;
  for (int k = line.start; k < std::min(index, line.end); ++k) x += Advance(k);
  return x;
}

int TextBox::LineLeft(const VisualLine& line) const {
  const Rect area = TextArea();
  const int width = XOf(line, line.end);
  if (!multi_line_ && width > area.w) return area.x - scroll_x_;
  const int offset = alignment_ == TextAlign::kRight ? area.w - width : alignment_ == TextAlign::kCenter ? (area.w - width) / 2 : 0;
  return area.x + std::max(0, offset) - (multi_line_ ? 0 : scroll_x_);
}

int TextBox::LineOf(int index) const {
  const auto& lines = Lines();
  int li = 0;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i)
    if (lines[i].start <= index) li = i;
  return li;
}

int TextBox::HitIndex(int x, int y) const {
  const auto& lines = Lines();
  const Rect area = TextArea();
  int li = 0;
  if (multi_line_) {
    const int row = y < area.y ? -1 : (y - area.y) / LineHeight();
    li = std::clamp(row + top_line_, 0, static_cast<int>(lines.size()) - 1);
  }
  const VisualLine& line = lines[li];
  const int lx = x - LineLeft(line);
  int acc = 0;
  for (int k = line.start; k < line.end; ++k) {
    const int w = Advance(k);
    if (lx < acc + (w + 1) / 2) return k;
    acc += w;
  }
  return line.end;
}

void TextBox::EnsureCaretVisible() {
  const auto& lines = Lines();
  const Rect area = TextArea();
  if (!multi_line_) {
    const VisualLine& line = lines[0];
    const int x = XOf(line, caret_);
    if (XOf(line, line.end) <= area.w) {
      scroll_x_ = 0;
    } else {
      if (x - scroll_x_ > area.w - 1) scroll_x_ = x - area.w + 1;
      if (x < scroll_x_) scroll_x_ = x;
    }
    return;
  }
  const int visible = std::max(1, area.h / LineHeight());
  const int li = LineOf(caret_);
  if (li < top_line_) top_line_ = li;
  if (li >= top_line_ + visible) top_line_ = li - visible + 1;
  top_line_ = std::clamp(top_line_, 0, std::max(0, static_cast<int>(lines.size()) - visible));
}

void TextBox::ScrollBy(int lines) {
  const int visible = std::max(1, TextArea().h / LineHeight());
  const int count = static_cast<int>(Lines().size());
  top_line_ = std::clamp(top_line_ + lines, 0, std::max(0, count - visible));
  Invalidate();
}

// ---- Editing ------------------------------------------------------------------------------------

void TextBox::SetChars(std::vector<std::string> chars) {
  std::string text;
  for (const auto& c : chars) text += c;
  const bool changed = text != text_;
  chars_ = std::move(chars);
  text_ = std::move(text);
  lines_valid_ = false;
  const int n = static_cast<int>(chars_.size());
  anchor_ = std::min(anchor_, n);
  caret_ = std::min(caret_, n);
  EnsureCaretVisible();
  Invalidate();
  if (changed) detail::Raise(Change);
}

void TextBox::ReplaceSelection(const std::string& text, bool typed) {
  std::vector<std::string> insert = platform::Chars(text);
  if (typed && !multi_line_) {
    auto cut = std::find_if(insert.begin(), insert.end(), IsBreak);
    insert.erase(cut, insert.end());
  }
  const int n = static_cast<int>(chars_.size());
  const int s = SelStart(), e = s + SelLength();
  if (typed && max_length_ > 0) {
    const int room = std::max(0, max_length_ - (n - (e - s)));
    if (static_cast<int>(insert.size()) > room) insert.resize(room);
    if (insert.empty() && e == s) return;
  }
  std::vector<std::string> chars(chars_.begin(), chars_.begin() + s);
  chars.insert(chars.end(), insert.begin(), insert.end());
  chars.insert(chars.end(), chars_.begin() + e, chars_.end());
  anchor_ = caret_ = s + static_cast<int>(insert.size());
  SetChars(std::move(chars));
}

int TextBox::StepLeft(int index) const {
  if (index <= 0) return 0;
  if (index >= 2 && chars_[index - 1] == "\n" && chars_[index - 2] == "\r") return index - 2;
  return index - 1;
}

int TextBox::StepRight(int index) const {
  const int n = static_cast<int>(chars_.size());
  if (index >= n) return n;
  if (chars_[index] == "\r" && index + 1 < n && chars_[index + 1] == "\n") return index + 2;
  return index + 1;
}

void TextBox::MoveCaret(int index, bool extend) {
  caret_ = std::clamp(index, 0, static_cast<int>(chars_.size()));
  if (!extend) anchor_ = caret_;
  EnsureCaretVisible();
  Invalidate();
}

void TextBox::OnMouseDown(int button, int shift, int x, int y) {
  if (button != kLeftButton) return;
  if (HasScrollBar() && ScrollBarRect().Contains(x, y)) {
    ScrollBy(ScrollBarStep(ScrollBarRect(), y, 1, std::max(1, TextArea().h / LineHeight())));
    return;
  }
  MoveCaret(HitIndex(x, y), shift & kShiftMask);
  selecting_ = true;
}

void TextBox::OnMouseMove(int button, int, int x, int y) {
  if (!selecting_ || !(button & kLeftButton)) return;
  caret_ = HitIndex(x, y);
  EnsureCaretVisible();
  Invalidate();
}

void TextBox::OnMouseUp(int button, int, int, int) {
  if (button == kLeftButton) selecting_ = false;
}

void TextBox::OnDblClick(int x, int y) {
  const int n = static_cast<int>(chars_.size());
  const int at = HitIndex(x, y);
  auto word = [this](int i) { return chars_[i] != " " && !IsBreak(chars_[i]); };
  int s = std::min(at, n), e = s;
  if (s < n && !word(s) && s > 0) --s, e = s;
  while (s > 0 && word(s - 1)) --s;
  while (e < n && word(e)) ++e;
  while (e < n && chars_[e] == " ") ++e;
  anchor_ = s;
  caret_ = e;
  selecting_ = false;
  EnsureCaretVisible();
  Invalidate();
}

void TextBox::OnKeyDown(int key, int shift) {
  const bool extend = shift & kShiftMask;
  const bool ctrl = shift & kCtrlMask;
  const auto& lines = Lines();
  switch (key) {
    case kKeyLeft:
      if (!extend && SelLength())
        MoveCaret(SelStart(), false);
      else
        MoveCaret(StepLeft(caret_), extend);
      break;
    case kKeyRight:
      if (!extend && SelLength())
        MoveCaret(SelStart() + SelLength(), false);
      else
        MoveCaret(StepRight(caret_), extend);
      break;
    case kKeyHome:
      MoveCaret(ctrl ? 0 : lines[LineOf(caret_)].start, extend);
      break;
    case kKeyEnd:
      MoveCaret(ctrl ? static_cast<int>(chars_.size()) : lines[LineOf(caret_)].end, extend);
      break;
    case kKeyUp:
    case kKeyDown: {
      if (!multi_line_) break;
      const int li = LineOf(caret_) + (key == kKeyUp ? -1 : 1);
      if (li < 0 || li >= static_cast<int>(lines.size())) break;
      const int x = LineLeft(lines[LineOf(caret_)]) + XOf(lines[LineOf(caret_)], caret_);
      const VisualLine target = lines[li];
      int index = target.start, acc = LineLeft(target);
      while (index < target.end && acc + Advance(index) / 2 < x) acc += Advance(index++);
      MoveCaret(index, extend);
      break;
    }
    case kKeyDelete:
      if (locked_) break;
      if (extend) {  // Shift+Delete cuts
        if (SelLength() && password_char_.empty()) Clipboard::SetText(SelText());
        ReplaceSelection("", true);
        break;
      }
      if (!SelLength()) caret_ = StepRight(caret_);
      ReplaceSelection("", true);
      break;
    case 45:  // Insert: Shift pastes, Ctrl copies
      if (extend) {
        if (!locked_) ReplaceSelection(Clipboard::GetText(), true);
      } else if (ctrl && SelLength() && password_char_.empty()) {
        Clipboard::SetText(SelText());
      }
      break;
    default:
      break;
  }
}

void TextBox::OnChar(int cp) {
  // Ctrl+C, Ctrl+X and Ctrl+V arrive as their control characters, after KeyPress.
  if (cp == kCtrlC || (cp == kCtrlX && !locked_)) {
    if (SelLength() && password_char_.empty()) {
      Clipboard::SetText(SelText());
      if (cp == kCtrlX) ReplaceSelection("", true);
    }
    return;
  }
  if (locked_) return;
  if (cp == kCtrlV) {
    ReplaceSelection(Clipboard::GetText(), true);
    return;
  }
  if (cp == kKeyBack) {
    if (!SelLength()) anchor_ = StepLeft(caret_);
    if (SelLength()) ReplaceSelection("", true);
    return;
  }
  if (cp == kKeyReturn) {
    if (multi_line_) ReplaceSelection("\r\n", true);
    return;
  }
  if (cp < 32 || cp == 127) return;
  ReplaceSelection(Utf8(cp), true);
}

void TextBox::OnTabbedTo() {
  SetSelStart(0);
  SetSelLength(static_cast<int>(chars_.size()));
}

void TextBox::OnFocus(bool got) {
  focused_ = got;
  selecting_ = false;
  Invalidate();
}

// ---- Drawing ------------------------------------------------------------------------------------

void TextBox::Paint(Painter& p, const Rect& r) {
  p.FillRect(r, ResolveColor(back_color_));
  if (border_style_ != BoxBorder::kNone) DrawSunkenEdge(p, r);
  const Rect area = TextArea();
  const auto& lines = Lines();
  const int lh = LineHeight();
  const bool show_selection = focused_ || !hide_selection_;
  const int s1 = show_selection ? SelStart() : 0, s2 = show_selection ? SelStart() + SelLength() : 0;
  TextStyle style = Style();
  style.single_line = true;
  auto shown = [this](int a, int b) {
    std::string out;
    for (int k = a; k < b; ++k)
      if (!IsBreak(chars_[k])) out += password_char_.empty() ? chars_[k] : password_char_;
    return out;
  };
  p.Push(area);
  const int first = multi_line_ ? top_line_ : 0;
  for (int li = first; li < static_cast<int>(lines.size()); ++li) {
    const int y = (li - first) * lh;
    if (y >= area.h) break;
    const VisualLine& line = lines[li];
    const int left = LineLeft(line) - area.x;
    const int cuts[4] = {line.start, std::clamp(s1, line.start, line.end), std::clamp(s2, line.start, line.end), line.end};
    for (int seg = 0; seg < 3; ++seg) {
      if (cuts[seg] >= cuts[seg + 1]) continue;
      const int x = left + XOf(line, cuts[seg]);
      const int w = XOf(line, cuts[seg + 1]) - XOf(line, cuts[seg]);
      TextStyle s = style;
      if (seg == 1) {
        p.FillRect({x, y, w, lh}, ResolveColor(kSysHighlight));
        s.color = ResolveColor(kSysHighlightText);
      }
      p.DrawText(shown(cuts[seg], cuts[seg + 1]), s, {x, y, w + 1, lh});
    }
  }
  if (focused_) {
    const int li = LineOf(caret_);
    if (!multi_line_ || (li >= top_line_ && (li - top_line_) * lh < area.h)) {
      const VisualLine& line = lines[li];
      const int x = LineLeft(line) - area.x + XOf(line, caret_);
      p.FillRect({x, (li - first) * lh, 1, lh}, ResolveColor(fore_color_));
    }
  }
  p.Pop();
  if (HasScrollBar())
    DrawVerticalScrollBar(p, ScrollBarRect(), std::max(1, area.h / lh), static_cast<int>(lines.size()), top_line_);
}

std::string TextBox::DumpFields() const { return "text=" + DumpQuote(text_); }

void TextBox::CopyFrom(const Control& other) {
  TextControl::CopyFrom(other);
  if (auto* o = dynamic_cast<const TextBox*>(&other)) {
    multi_line_ = o->multi_line_;
    scroll_bars_ = o->scroll_bars_;
    password_char_ = o->password_char_;
    max_length_ = o->max_length_;
    alignment_ = o->alignment_;
    locked_ = o->locked_;
    border_style_ = o->border_style_;
    hide_selection_ = o->hide_selection_;
    SetText(o->text_);
  }
}

}  // namespace xpexam::forms
