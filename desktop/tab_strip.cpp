#include "desktop/tab_strip.h"

#include <algorithm>

#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::desktop {

using platform::Mid;

namespace {

constexpr std::string_view kLayouts[] = {
    "A7054030011000901201100100885110011175511001228351100133930110014499511001557300000006405000000000000000000000000000000000000000000000000005400426011100300",
    "B4054030012001001201200110915120012178012001326850000003555000000000000000000000000000000000000000000000000000000000000000000000000000000004890720011100300",
    "C3051030012003801201200390885120040157500000022800000000000000000000000000000000000000000000000000000000000000000000000000000000000000000004050630011100300",
    "D5057030014000201201400030900140004159014000523101400063030000000372000000000000000000000000000000000000000000000000000000000000000000000004770531011100300",
};

constexpr int32_t kSecondRowDrop = 300;
constexpr int32_t kTwoRowTab4Width = 1215;
constexpr int32_t kFallbackTabWidth = 990;

// Page picture id of tab n: the six characters at 10 n; nothing for tab 0 or an empty table.
std::optional<std::string> PageOf(std::string_view table, int tab) {
  if (tab < 1) return std::nullopt;
  std::string page = Mid(table, 10L * tab, 6);
  if (page.empty()) return std::nullopt;
  return page;
}

}  // namespace

std::optional<std::string_view> TabLayoutTable(std::string_view letter) {
  for (auto table : kLayouts)
    if (letter.size() == 1 && table[0] == letter[0]) return table;
  return std::nullopt;
}

int32_t TabTableValue(std::string_view table, long p, long n) { return platform::CLng(platform::Val(Mid(table, p, n))); }

TabStripGeometry LayOutTabStrip(std::string_view table, int32_t origin_x, int32_t origin_y, int front_row) {
  TabStripGeometry g;
  g.count = StepRecord::TabNumber(Mid(table, 2, 1));
  const int32_t row_top = TabTableValue(table, 3, 4);
  const int32_t height = TabTableValue(table, 7, 3);
  for (int i = 1; i <= g.count; ++i) {
    int32_t left = TabTableValue(table, 10L * i + 6, 4);
    int32_t width = TabTableValue(table, 10L * i + 16, 4) - left;
    if (width < 0) width = kFallbackTabWidth;
    g.labels[i] = DesignRect{left + origin_x, row_top + origin_y, width, height};
  }
  if (g.count > 7) {
    g.labels[4]->width = kTwoRowTab4Width;
    // The row of the tab in front lies next to the page.
    int first = front_row == 2 ? 5 : 1;
    int last = front_row == 2 ? g.count : 4;
    for (int i = first; i <= last; ++i) g.labels[i]->top += kSecondRowDrop;
  }
  g.labels[0] = DesignRect{TabTableValue(table, 140, 4) + origin_x, TabTableValue(table, 144, 4) + origin_y,
                           TabTableValue(table, 148, 4), TabTableValue(table, 152, 4)};
  return g;
}

std::string ChooseTabRequest(int tab) { return "请选择第" + platform::Str(tab) + "个选项卡"; }

std::optional<TabRequest> TabStrip::LoadStep(const StepRecord& record, const ImageSlots& slots,
                                             const std::string& hint_text) {
  labels_.fill(std::nullopt);
  std::optional<TabRequest> request;
  if (record.IsTabStep()) {
    const int shown = record.TabShown();
    mTabTarget = record.TabToSelect();
    mTabImageSlot = record.TabImageSlot();
    hint_text_ = hint_text;
    if (auto table = TabLayoutTable(record.TabLayout())) mTabPictures = *table;
    const bool valid_slot = mTabImageSlot >= 1 && mTabImageSlot <= 5;
    own_page_.clear();
    TabRequest r;
    if (valid_slot) {
      size_t k = static_cast<size_t>(mTabImageSlot - 1);
      r.slot = mTabImageSlot;
      mTabOriginX = slots.left[k];
      mTabOriginY = slots.top[k];
      if (shown != mTabTarget) r.page = PageOf(mTabPictures, shown);
      // What the right tab brings back: the record's page, or what a kept slot showed.
      own_page_ = record.OverlayKeepsPicture(mTabImageSlot) ? slots.picture_id[k] : record.OverlayId(mTabImageSlot);
    }
    mTabCount = StepRecord::TabNumber(Mid(mTabPictures, 2, 1));
    if (mTabCount > 7) mTabRow = shown > 4 ? 2 : 1;
    labels_ = LayOutTabStrip(mTabPictures, mTabOriginX, mTabOriginY, mTabRow).labels;
    TabRequest target = TargetRequest(shown == mTabTarget);
    target.slot = r.slot;
    target.page = r.page;
    request = target;
  }
  if (record.HasBackRegion()) {
    back_code_ = record.BackRegionCode();
    // Read as written: a point beyond 32 bits leaves the region where it was.
    platform::Try([&] {
      labels_[kBackRegion] = DesignRect{platform::CLng(record.BackRegionX()), platform::CLng(record.BackRegionY()), 1095, 285};
    });
  } else {
    back_code_ = "NONO";
  }
  return request;
}

TabRequest TabStrip::TargetRequest(bool live) const {
  TabRequest r;
  r.target_live = live;
  if (live) {
    r.hint = hint_text_;
  } else {
    r.hint = ChooseTabRequest(mTabTarget);
    if (mTabTarget >= 0 && mTabTarget <= kLastTab) r.frame = labels_[static_cast<size_t>(mTabTarget)];
  }
  return r;
}

std::optional<TabRequest> TabStrip::TabClick(int tab) {
  if (tab < 1 || tab > kLastTab || !labels_[static_cast<size_t>(tab)]) return std::nullopt;
  std::optional<std::string> page = PageOf(mTabPictures, tab);
  if (mTabCount > 7) {
    mTabRow = tab > 4 ? 2 : 1;
    ApplyRows();
  }
  const bool right = tab == mTabTarget;
  TabRequest r = TargetRequest(right);
  if (mTabImageSlot >= 1 && mTabImageSlot <= 5) {
    r.slot = mTabImageSlot;
    r.page = right ? std::optional<std::string>(own_page_) : page;
  }
  r.show_target_box = right;
  return r;
}

TabRequest TabStrip::ChooseTarget() {
  if (std::optional<TabRequest> r = TabClick(mTabTarget)) return *r;
  TabRequest r = TargetRequest(true);
  if (mTabImageSlot >= 1 && mTabImageSlot <= 5) {
    r.slot = mTabImageSlot;
    r.page = own_page_;
  }
  r.show_target_box = true;
  return r;
}

void TabStrip::ApplyRows() {
  TabStripGeometry g = LayOutTabStrip(mTabPictures, mTabOriginX, mTabOriginY, mTabRow);
  for (int i = 1; i <= g.count; ++i) labels_[static_cast<size_t>(i)] = g.labels[static_cast<size_t>(i)];
}

int16_t TabStrip::BackStep(int16_t current_step) const {
  int steps = 1;
  if (back_code_.starts_with("Q")) {
    steps = platform::ValInt(platform::Right(back_code_, 1));
    if (steps == 0) steps = 1;
  }
  // Never below the question's first step: a lower step is another question's record.
  return static_cast<int16_t>(std::max(1, current_step - steps));
}

std::optional<DesignRect> TabStrip::Label(int index) const {
  if (index < 0 || index > kLastTab) return std::nullopt;
  return labels_[static_cast<size_t>(index)];
}

int TabStrip::LabelAt(int32_t x, int32_t y) const {
  for (int i = 1; i <= kLastTab; ++i)
    if (labels_[static_cast<size_t>(i)] && labels_[static_cast<size_t>(i)]->Contains(x, y)) return i;
  if (labels_[kBackRegion] && labels_[kBackRegion]->Contains(x, y)) return kBackRegion;
  return -1;
}

}  // namespace xpexam::desktop
