#include "desktop/list_widgets.h"

#include "platform/strings.h"

namespace xpexam::desktop {

bool ListStep::SetUp(const StepRecord& record, std::string_view items_text) {
  visible_ = true;
  entries_ = ListEntries(items_text);
  list_index_ = kNoSelection;
  caption_.clear();
  expected_ = record.AnswerLine().Number();
  // The list box refuses an index outside its entries and keeps no selection.
  return Select(record.InitialTextLine().Number());
}

bool ListStep::Select(int index) {
  if (!visible_ || index < 0 || index >= static_cast<int>(entries_.size())) return false;
  list_index_ = index;
  caption_ = entries_[static_cast<size_t>(index)];
  if (index != expected_) return false;
  Hide();
  return true;
}

void ListStep::Hide() {
  visible_ = false;
  caption_.clear();
}

const std::array<LocationEntry, kLocationEntryCount> kLocationEntries = {{
    {"我最近的文档", 0, 30, 97},
    {"桌面", 0, 30, 49},
    {"我的文档", 1, -120, 83},
    {"我的电脑", 1, -120, 83},
    {"3.5 软盘 (A:)", 2, -270, 123},
    {"本地磁盘 (C:)", 2, -270, 123},
    {"本地磁盘 (D:)", 2, -270, 123},
    {"本地磁盘 (E:)", 2, -270, 123},
    {"本地磁盘 (F:)", 2, -270, 123},
    {"DVD-RAM 驱动器 (G:)", 2, -270, 159},
    {"可移动磁盘 (H:)", 2, -270, 135},
    {"共享文档", 2, -270, 93},
    {"My Documents", 2, -270, 117},
    {"网上邻居", 1, -120, 83},
}};

bool LocationList::SetUp(const StepRecord& record) {
  visible_ = true;
  expected_ = record.LocationExpected();
  return Choose(record.LocationShown());
}

bool LocationList::Choose(int index) {
  if (index < 0 || index >= kLocationEntryCount) return false;
  chosen_ = index;
  Collapse();
  return index == expected_;
}

void LocationList::Hover(int index) {
  if (index >= 0 && index < kLocationEntryCount) highlighted_ = index;
}

void LocationList::ToggleDropDown() { height_ = height_ < 3600 ? kOpenHeight : kCollapsedHeight; }

int32_t LocationList::ChosenLeft() const { return kLocationEntries[static_cast<size_t>(chosen_)].chosen_left; }

int LocationList::RowAt(int32_t x, int32_t y) const {
  for (int i = 0; i < kLocationEntryCount; ++i)
    if (Row(i).top < height_ && Row(i).Contains(x, y)) return i;
  return kNone;
}

}  // namespace xpexam::desktop
