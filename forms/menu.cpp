// Menu items and the popup menu's own loop.
#include "forms/menu.h"

#include <algorithm>

#include "forms/color.h"
#include "forms/draw.h"
#include "forms/runtime.h"

namespace xpexam::forms {

MenuItem::MenuItem(Form& form, std::string name, int index) : form_(&form), name_(std::move(name)), index_(index) {}

MenuItem::MenuItem(MenuItem& parent, std::string name, int index)
    : parent_(&parent), form_(parent.form_), name_(std::move(name)), index_(index) {
  slot_ = parent.SlotOf(name_);
  parent.children_.push_back(this);
}

MenuItem::~MenuItem() { Detach(); }

void MenuItem::Detach() {
  if (parent_) std::erase(parent_->children_, this);
  parent_ = nullptr;
}

int MenuItem::SlotOf(const std::string& name) {
  auto it = std::find(slot_names_.begin(), slot_names_.end(), name);
  if (it != slot_names_.end()) return static_cast<int>(it - slot_names_.begin());
  slot_names_.push_back(name);
  return static_cast<int>(slot_names_.size()) - 1;
}

std::vector<MenuItem*> MenuItem::Items() const {
  std::vector<MenuItem*> items = children_;
  std::stable_sort(items.begin(), items.end(), [](const MenuItem* a, const MenuItem* b) {
    return a->slot_ != b->slot_ ? a->slot_ < b->slot_ : a->index_ < b->index_;
  });
  return items;
}

void MenuItem::CopyFrom(const MenuItem& other) {
  caption_ = other.caption_;
  enabled_ = other.enabled_;
  checked_ = other.checked_;
}

// ---- The popup --------------------------------------------------------------------------------

namespace {

constexpr int kSeparatorHeight = 9;
constexpr int kTextLeft = 20;
constexpr int kArrowSpace = 30;
constexpr int kFrame = 3;

class PopupSession : public InputGrab {
 public:
  struct Level {
    std::vector<MenuItem*> items;
    std::vector<Rect> rows;  // screen pixels
    Rect box;
    int hot = -1;
  };

  PopupSession(MenuItem& menu, Point at, int flags) { Open(menu, at, flags, nullptr); }

  bool Empty() const { return levels_.empty(); }
  bool Done() const { return done_; }
  MenuItem* Chosen() const { return chosen_; }

  void Handle(const InputEvent& e) override {
    switch (e.type) {
      case EventType::kMouseMove: {
        auto [level, row] = Find({e.x, e.y});
        if (level < 0) return;
        moved_ = true;
        Hover(level, row);
        break;
      }
      case EventType::kMouseDown: {
        auto [level, row] = Find({e.x, e.y});
        if (level < 0 && !InsideAny({e.x, e.y})) {
          done_ = true;  // a press outside dismisses the popup and goes nowhere else
          return;
        }
        pressed_inside_ = true;
        if (level >= 0) Hover(level, row);
        break;
      }
      case EventType::kMouseUp: {
        auto [level, row] = Find({e.x, e.y});
        if (level < 0 || !(moved_ || pressed_inside_)) return;
        MenuItem* item = levels_[level].items[row];
        if (Choosable(item)) Choose(item);
        break;
      }
      case EventType::kKeyDown:
        Key(e.key);
        break;
      case EventType::kMouseWheel:
      case EventType::kKeyUp:
      case EventType::kText:
      case EventType::kQuit:
      case EventType::kHostMinimized:
      case EventType::kHostRestored:
      case EventType::kScreenSize:
      case EventType::kCall:
        break;
    }
  }

  void Paint(Painter& p) override {
    TextStyle style;
    style.access_keys = true;
    style.single_line = true;
    for (const Level& level : levels_) {
      DrawDropShadow(p, level.box);
      p.FillRect(level.box, ResolveColor(kSysMenu));
      p.StrokeRect(level.box, ResolveColor(kSysButtonShadow), 1);
      for (size_t i = 0; i < level.items.size(); ++i) {
        const MenuItem* item = level.items[i];
        const Rect& r = level.rows[i];
        if (item->IsSeparator()) {
          p.FillRect({r.x + 1, r.y + r.h / 2, r.w - 2, 1}, ResolveColor(kSysButtonShadow));
          continue;
        }
        const bool hot = static_cast<int>(i) == level.hot;
        if (hot) p.FillRect(r, ResolveColor(kSysHighlight));
        style.color = !item->Enabled() ? ResolveColor(kSysGrayText)
                      : hot            ? ResolveColor(kSysHighlightText)
                                       : ResolveColor(kSysMenuText);
        const int th = MeasureText(item->Caption(), style).height;
        p.DrawText(item->Caption(), style, {r.x + kTextLeft, r.y + (r.h - th) / 2, r.w - kTextLeft - kArrowSpace, th});
        if (item->Checked()) {
          p.DrawLine(r.x + 6, r.y + r.h / 2, r.x + 8, r.y + r.h / 2 + 2, style.color, 2);
          p.DrawLine(r.x + 8, r.y + r.h / 2 + 2, r.x + 12, r.y + r.h / 2 - 3, style.color, 2);
        }
        if (HasItems(item))
          for (int k = 0; k < 4; ++k)
            p.FillRect({r.x + r.w - 12 + k, r.y + r.h / 2 - 3 + k, 1, 7 - 2 * k}, style.color);
      }
    }
  }

 private:
  static bool HasItems(const MenuItem* item) {
    for (const MenuItem* c : item->Items())
      if (c->Visible()) return true;
    return false;
  }
  static bool Choosable(const MenuItem* item) { return !item->IsSeparator() && item->Enabled() && !HasItems(item); }

  void Open(MenuItem& menu, Point at, int flags, const Rect* beside) {
    Level level;
    for (MenuItem* item : menu.Items())
      if (item->Visible()) level.items.push_back(item);
    if (level.items.empty()) return;
    TextStyle style;
    style.access_keys = true;
    style.single_line = true;
    const int text_h = MeasureText("", style).height;
    const int row_h = std::max(19, text_h + 5);
    int width = 0, height = 2 * kFrame;
    for (MenuItem* item : level.items) {
      width = std::max(width, MeasureText(item->Caption(), style).width);
      height += item->IsSeparator() ? kSeparatorHeight : row_h;
    }
    width += kTextLeft + kArrowSpace + 2 * kFrame;
    const int sw = CurrentBackend().ScreenWidth(), sh = CurrentBackend().ScreenHeight();
    int x = at.x, y = at.y;
    if (beside) {
      x = beside->x + beside->w - 3;
      if (x + width > sw) x = beside->x - width + 3;
      if (y + height > sh) y = sh - height;
    } else {
      if (flags & 8) x -= width;
      else if (flags & 4) x -= width / 2;
      if (x + width > sw) x -= width;
      if (y + height > sh) y -= height;
    }
    x = std::max(0, x);
    y = std::max(0, y);
    level.box = {x, y, width, height};
    int top = y + kFrame;
    for (MenuItem* item : level.items) {
      const int h = item->IsSeparator() ? kSeparatorHeight : row_h;
      level.rows.push_back({x + kFrame, top, width - 2 * kFrame, h});
      top += h;
    }
    levels_.push_back(std::move(level));
    detail::Invalidate();
  }

  std::pair<int, int> Find(Point p) const {
    for (int l = static_cast<int>(levels_.size()) - 1; l >= 0; --l)
      for (size_t i = 0; i < levels_[l].rows.size(); ++i)
        if (levels_[l].rows[i].Contains(p.x, p.y)) return {l, static_cast<int>(i)};
    return {-1, -1};
  }

  bool InsideAny(Point p) const {
    for (const Level& l : levels_)
      if (l.box.Contains(p.x, p.y)) return true;
    return false;
  }

  void CloseAbove(int level) {
    if (static_cast<int>(levels_.size()) > level + 1) {
      levels_.resize(level + 1);
      detail::Invalidate();
    }
  }

  void Hover(int level, int row) {
    CloseAbove(level);
    Level& l = levels_[level];
    MenuItem* item = l.items[row];
    if (item->IsSeparator()) return;
    if (l.hot != row) detail::Invalidate();
    l.hot = row;
    if (item->Enabled() && HasItems(item)) Open(*item, {0, l.rows[row].y - kFrame}, 0, &l.box);
  }

  void Choose(MenuItem* item) {
    chosen_ = item;
    done_ = true;
  }

  void Key(int key) {
    Level& l = levels_.back();
    const int n = static_cast<int>(l.items.size());
    auto step = [&](int dir) {
      for (int k = 1; k <= n; ++k) {
        const int i = ((l.hot < 0 ? (dir > 0 ? -1 : n) : l.hot) + dir * k + 2 * n) % n;
        if (!l.items[i]->IsSeparator()) {
          l.hot = i;
          detail::Invalidate();
          return;
        }
      }
    };
    switch (key) {
      case kKeyEscape:
      case kKeyLeft:
        if (levels_.size() > 1) {
          levels_.pop_back();
          detail::Invalidate();
        } else if (key == kKeyEscape) {
          done_ = true;
        }
        break;
      case kKeyUp:
        step(-1);
        break;
      case kKeyDown:
        step(1);
        break;
      case kKeyRight:
      case kKeyReturn:
        if (l.hot < 0) break;
        if (MenuItem* item = l.items[l.hot]; item->Enabled() && HasItems(item)) {
          const int level = static_cast<int>(levels_.size()) - 1;
          Hover(level, l.hot);
          if (static_cast<int>(levels_.size()) > level + 1) levels_.back().hot = 0;
        } else if (key == kKeyReturn && Choosable(item)) {
          Choose(item);
        }
        break;
      default:
        break;
    }
  }

  std::vector<Level> levels_;
  MenuItem* chosen_ = nullptr;
  bool done_ = false;
  bool moved_ = false;
  bool pressed_inside_ = false;
};

}  // namespace

void Form::PopupMenu(MenuItem& menu, int flags, std::optional<double> x, std::optional<double> y) {
  if (!loaded_) return;
  Point at = Wm().Pointer();
  if (x && y) {
    Rect client = ClientScreenRect();
    at = {client.x + TwipsToPixels(*x), client.y + TwipsToPixels(*y)};
  }
  PopupSession session(menu, at, flags);
  if (session.Empty()) return;
  {
    GrabScope grab(&session);
    detail::Invoke([&] { detail::RunUntil([&] { return session.Done() || !loaded_; }); });
  }
  if (MenuItem* chosen = session.Chosen()) detail::Raise(chosen->Click);
}

}  // namespace xpexam::forms
