#include "forms/list_box.h"

#include <algorithm>

#include "forms/backend.h"
#include "forms/draw.h"
#include "forms/dump.h"
#include "forms/runtime.h"

namespace xpexam::forms {

ListBox::ListBox(Container& container, std::string name, int index) : TextControl(container, std::move(name), index) {
  back_color_ = kSysWindow;
  fore_color_ = kSysWindowText;
  Move(0, 0, 1215, 1035);
}

void ListBox::AddItem(std::string item, int index) {
  if (index > ListCount()) platform::Fail(5, "Invalid procedure call or argument");
  if (index < 0) {
    items_.push_back(std::move(item));
  } else {
    items_.insert(items_.begin() + index, std::move(item));
    if (list_index_ >= index) ++list_index_;
  }
  Invalidate();
}

void ListBox::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) platform::Fail(5, "Invalid procedure call or argument");
  items_.erase(items_.begin() + index);
  if (list_index_ == index)
    list_index_ = -1;
  else if (list_index_ > index)
    --list_index_;
  top_index_ = std::clamp(top_index_, 0, std::max(0, ListCount() - VisibleRows()));
  Invalidate();
}

void ListBox::Clear() {
  items_.clear();
  list_index_ = -1;
  top_index_ = 0;
  Invalidate();
}

std::string ListBox::List(int index) const {
  if (index < 0) platform::Fail(381, "Invalid property array index");
  return index < ListCount() ? items_[index] : "";
}

void ListBox::SetList(int index, std::string item) {
  if (index < 0 || index >= ListCount()) platform::Fail(381, "Invalid property array index");
  items_[index] = std::move(item);
  Invalidate();
}

void ListBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) platform::Fail(380, "Invalid property value");
  if (index == list_index_) return;
  list_index_ = index;
  ShowSelection();
  Invalidate();
  detail::Raise(Click);
}

void ListBox::SetTopIndex(int index) {
  if (index < 0 || index >= std::max(1, ListCount())) platform::Fail(380, "Invalid property value");
  top_index_ = std::clamp(index, 0, std::max(0, ListCount() - VisibleRows()));
  Invalidate();
}

int ListBox::ItemHeight() const { return std::max(1, MeasureText("", Style()).height); }

Rect ListBox::Inner() const {
  Rect r = PixelRect();
  return {2, 2, std::max(0, r.w - 4), std::max(0, r.h - 4)};
}

int ListBox::VisibleRows() const { return std::max(1, Inner().h / ItemHeight()); }

int ListBox::ItemAt(int y) const {
  const int row = (y - Inner().y) / ItemHeight();
  return std::clamp(top_index_ + row, 0, ListCount() - 1);
}

void ListBox::ShowSelection() {
  if (list_index_ < 0) return;
  if (list_index_ < top_index_) top_index_ = list_index_;
  if (list_index_ >= top_index_ + VisibleRows()) top_index_ = list_index_ - VisibleRows() + 1;
}

void ListBox::OnMouseDown(int button, int, int x, int y) {
  if (button != kLeftButton || items_.empty()) return;
  const Rect in = Inner();
  if (HasScrollBar() && x >= in.x + in.w - kScrollBarWidth) {
    const int visible = VisibleRows();
    const int delta = ScrollBarStep(in, y, 1, visible);
    top_index_ = std::clamp(top_index_ + delta, 0, std::max(0, ListCount() - visible));
    Invalidate();
    return;
  }
  if (y - in.y >= (ListCount() - top_index_) * ItemHeight()) return;
  SetListIndex(ItemAt(y));
}

void ListBox::OnMouseMove(int button, int, int x, int y) {
  if (!(button & kLeftButton) || items_.empty()) return;
  const Rect in = Inner();
  if (HasScrollBar() && x >= in.x + in.w - kScrollBarWidth) return;
  if (y < in.y || y >= in.y + in.h) return;
  if (y - in.y >= (ListCount() - top_index_) * ItemHeight()) return;
  SetListIndex(ItemAt(y));
}

void ListBox::OnKeyDown(int key, int) {
  if (items_.empty()) return;
  const int last = ListCount() - 1;
  int target = list_index_;
  switch (key) {
    case kKeyUp: target = std::max(0, list_index_ - 1); break;
    case kKeyDown: target = std::min(last, list_index_ + 1); break;
    case kKeyHome: target = 0; break;
    case kKeyEnd: target = last; break;
    case kKeyPageUp: target = std::max(0, list_index_ - VisibleRows() + 1); break;
    case kKeyPageDown: target = std::min(last, std::max(0, list_index_) + VisibleRows() - 1); break;
    default: return;
  }
  SetListIndex(target);
}

void ListBox::OnFocus(bool got) {
  focused_ = got;
  Invalidate();
}

void ListBox::Paint(Painter& p, const Rect& r) {
  p.FillRect(r, ResolveColor(back_color_));
  DrawSunkenEdge(p, r);
  Rect in = Inner();
  const bool bar = HasScrollBar();
  const int text_w = in.w - (bar ? kScrollBarWidth : 0);
  const int h = ItemHeight();
  p.Push({in.x, in.y, text_w, in.h});
  TextStyle s = Style();
  s.single_line = true;
  for (int i = top_index_, row = 0; i < ListCount() && row * h < in.h; ++i, ++row) {
    TextStyle item = s;
    if (i == list_index_) {
      p.FillRect({0, row * h, text_w, h}, ResolveColor(kSysHighlight));
      item.color = ResolveColor(kSysHighlightText);
    }
    p.DrawText(items_[i], item, {2, row * h, text_w - 2, h});
  }
  p.Pop();
  if (bar) DrawVerticalScrollBar(p, {in.x + in.w - kScrollBarWidth, in.y, kScrollBarWidth, in.h}, VisibleRows(), ListCount(), top_index_);
}

std::string ListBox::DumpFields() const {
  std::string joined;
  for (size_t i = 0; i < items_.size(); ++i) joined += (i ? "|" : "") + items_[i];
  return "items=" + DumpQuote(joined) + " index=" + std::to_string(list_index_);
}

void ListBox::CopyFrom(const Control& other) {
  TextControl::CopyFrom(other);
  if (auto* o = dynamic_cast<const ListBox*>(&other)) {
    items_ = o->items_;
    list_index_ = o->list_index_;
    top_index_ = o->top_index_;
  }
}

}  // namespace xpexam::forms
