#include "desktop/menu_bar.h"

#include <algorithm>
#include <numeric>

#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::desktop {

using platform::Left;
using platform::Right;
using platform::Str;
using platform::ZeroPad;

namespace {

constexpr std::string_view kSubmenuKeys = "123456789ABCDEFGHIJKLMNOPQ";
constexpr int32_t kMenuLeft = 390;
constexpr int32_t kMenuTop = 420;
constexpr int32_t kMenuWidth = 870;
constexpr int32_t kTitleHeight = 270;

int CappedSum(const std::vector<int>& groups) {
  return std::min(std::accumulate(groups.begin(), groups.end(), 0), MenuBar::kRegionCount);
}

std::string Picture(std::string_view name) { return std::string(name) + ".mxy"; }

bool LeftClick(int button, int shift) { return button == kLeftButton && shift == 0; }

}  // namespace

std::string HotTitlePicture(int menu) { return Picture("7" + Str(menu) + "0099"); }
std::string PressedTitlePicture(int menu) { return Picture("7" + Str(menu) + "0088"); }
std::string DropDownPicture(int menu) { return Picture("7" + Str(menu) + "0000"); }
std::string DropDownRowPicture(int menu, int item) { return Picture("7" + Str(menu) + "00" + ZeroPad(item, 2)); }
std::string SubmenuPicture(int menu, int submenu) { return Picture("7" + Str(menu) + Str(submenu) + "000"); }
std::string SubmenuRowPicture(int32_t item_code, int row) {
  return Picture("7" + Left(Str(item_code), 2) + ZeroPad(row, 3));
}

int SubmenuKey(char c) {
  size_t at = kSubmenuKeys.find(c);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

int SubmenuLayout::ItemCount() const { return CappedSum(groups); }

int MenuLayout::ItemCount() const { return CappedSum(groups); }

const SubmenuLayout* MenuLayout::SubmenuOf(int item) const {
  for (const auto& s : submenus)
    if (s.item == item) return &s;
  return nullptr;
}

MenuLayout DecodeMenuTables(std::string_view groups, std::string_view subs) {
  MenuLayout layout;
  for (char c : groups) layout.groups.push_back(c >= '0' && c <= '9' ? c - '0' : 0);
  int number = 0;
  for (size_t at = 0; at < subs.size(); at += 6) {
    std::string_view record = subs.substr(at, 6);
    SubmenuLayout s{SubmenuKey(record[0]), ++number, {}};
    for (char c : record.substr(1))
      if (int size = SubmenuKey(c); size > 0) s.groups.push_back(size);
    layout.submenus.push_back(std::move(s));
  }
  return layout;
}

const MenuLayout& MenuLayoutOf(int menu) {
  static const std::array<MenuLayout, 10> kLayouts = [] {
    std::array<MenuLayout, 10> layouts{};
    for (size_t m = 1; m <= 9; ++m) layouts[m] = DecodeMenuTables(kMenuGroups[m - 1], kMenuSubs[m - 1]);
    return layouts;
  }();
  return menu >= 1 && menu <= 9 ? kLayouts[static_cast<size_t>(menu)] : kLayouts[0];
}

int32_t RowOffset(const std::vector<int>& groups, int row) {
  int32_t offset = 30 + MenuBar::kRowHeight * (row - 1);
  int count = 0;
  for (int g : groups) {
    count += g;
    if (row > count) offset += 45;
  }
  return offset;
}

DesignRect TitleRegion(int i) { return {kMenuLeft + (i - 1) * kMenuWidth, kMenuTop, kMenuWidth, kTitleHeight}; }

std::optional<DesignRect> MenuBarFrame(const StepRecord& record) {
  if (!record.MarksMenuBar()) return std::nullopt;
  return DesignRect{0, 405, 9000, 315};
}

void MenuBar::LoadStep(const StepRecord& record) {
  for (MenuPicture* p : {&title_, &drop_down_, &row_highlight_, &submenu_, &sub_row_highlight_}) p->file.clear();
  titles_visible_ = false;
  // An open menu does not outlive its step: its regions would answer the next step.
  Close();
  popup_y_ = 0;
  if (!record.MenuBarActive()) return;
  // Each is one statement of the load: a value out of range leaves the variable as it was.
  platform::Try([&] { step_arg_ = record.MenuTarget(); });
  platform::Try([&] { popup_y_ = record.PopupY(); });
  titles_visible_ = true;
}

MenuResponse MenuBar::TitleHover(int index) {
  if (!titles_visible_ || index < 1 || index > kTitleCount) return {};
  if (!menu_open_) {
    DesignRect t = TitleRegion(index);
    title_.file = HotTitlePicture(index);
    title_.left = t.left;
    title_.top = t.top;
    menu_no_ = index;
  }
  return {.hide_target_box = true};
}

MenuResponse MenuBar::TitleRelease(int index, int button, int shift) {
  if (!titles_visible_ || index < 1 || index > kTitleCount) return {};
  if (LeftClick(button, shift)) Open(index);
  return {.hide_target_box = true};
}

void MenuBar::TitlePictureClick() {
  if (titles_visible_ && !title_.file.empty()) Open(menu_no_);
}

void MenuBar::Open(int menu) {
  menu_no_ = menu;
  DesignRect t = TitleRegion(menu);
  title_.file = PressedTitlePicture(menu);
  title_.left = t.left;
  title_.top = t.top;
  drop_down_.file = DropDownPicture(menu);
  drop_down_.left = t.left;
  drop_down_.top = t.top + t.height;
  menu_open_ = true;
  const MenuLayout& layout = MenuLayoutOf(menu);
  int count = layout.ItemCount();
  HideRegions(items_);
  for (int r = 1; r <= count; ++r)
    items_[r] = DesignRect{drop_down_.left + 30, drop_down_.top + RowOffset(layout.groups, r), kItemWidth, kRowHeight};
  row_highlight_.file.clear();
  submenu_.file.clear();
  sub_row_highlight_.file.clear();
  // The submenu picture is gone, so are its regions.
  HideRegions(sub_items_);
}

MenuResponse MenuBar::ItemHover(int index) {
  if (!ItemRegion(index)) return {};
  row_highlight_.file = DropDownRowPicture(menu_no_, index);
  row_highlight_.left = items_[index]->left;
  row_highlight_.top = items_[index]->top;
  return {.hide_target_box = true};
}

MenuResponse MenuBar::ItemRelease(int index, int button, int shift, int32_t dropdown_width) {
  if (!ItemRegion(index) || !LeftClick(button, shift)) return {};
  sub_row_highlight_.visible = false;
  int n = 0;
  if (const SubmenuLayout* sub = MenuLayoutOf(menu_no_).SubmenuOf(index)) {
    sub_row_highlight_.visible = true;
    n = sub->number;
    submenu_.file = SubmenuPicture(menu_no_, n);
    submenu_.left = drop_down_.left + dropdown_width - 15;
    submenu_.top = items_[index]->top;
    HideRegions(sub_items_);
    for (int s = 1; s <= sub->ItemCount(); ++s)
      sub_items_[s] = DesignRect{submenu_.left + 30, submenu_.top + RowOffset(sub->groups, s), kSubItemWidth, kRowHeight};
  }
  sub_row_highlight_.file.clear();
  menu_item_code_ = menu_no_ * 1000 + n * 100 + index;
  if (step_arg_ != 0 && step_arg_ % 100 == 0 && (step_arg_ % 10000) / 100 == index && step_arg_ / 10000 == menu_no_) {
    Close();
    return {.advance = true};
  }
  return {};
}

MenuResponse MenuBar::SubItemHover(int index) {
  if (!SubItemRegion(index)) return {};
  sub_row_highlight_.file = SubmenuRowPicture(menu_item_code_, index);
  sub_row_highlight_.left = sub_items_[index]->left;
  sub_row_highlight_.top = sub_items_[index]->top;
  return {.hide_target_box = true};
}

MenuResponse MenuBar::SubItemRelease(int index, int button, int shift) {
  if (!SubItemRegion(index) || !LeftClick(button, shift)) return {};
  // The target code of this sub-item under the drop-down item clicked last in this menu.
  std::string code = Str(menu_no_) + Right(Str(menu_item_code_), 2) + ZeroPad(index, 2);
  if (code != Str(step_arg_)) return {};
  Close();
  return {.advance = true};
}

void MenuBar::Close() {
  for (MenuPicture* p : {&title_, &drop_down_, &row_highlight_, &submenu_, &sub_row_highlight_}) p->file.clear();
  menu_open_ = false;
  HideRegions(items_);
  HideRegions(sub_items_);
}

void MenuBar::HideRegions(std::array<std::optional<DesignRect>, kRegionCount + 1>& regions) { regions.fill(std::nullopt); }

MenuRegionHit MenuBar::RegionAt(int32_t x, int32_t y) const {
  for (int s = 1; s <= kRegionCount; ++s)
    if (sub_items_[s] && sub_items_[s]->Contains(x, y)) return {MenuRegionKind::kSubItem, s};
  for (int r = 1; r <= kRegionCount; ++r)
    if (items_[r] && items_[r]->Contains(x, y)) return {MenuRegionKind::kItem, r};
  if (titles_visible_)
    for (int i = 1; i <= kTitleCount; ++i)
      if (TitleRegion(i).Contains(x, y)) return {MenuRegionKind::kTitle, i};
  return {};
}

std::optional<DesignRect> MenuBar::ItemRegion(int item) const {
  if (item < 1 || item > kRegionCount) return std::nullopt;
  return items_[item];
}

std::optional<DesignRect> MenuBar::SubItemRegion(int row) const {
  if (row < 1 || row > kRegionCount) return std::nullopt;
  return sub_items_[row];
}

}  // namespace xpexam::desktop
