#pragma once
// The two list widgets of the desktop.
//
// ListStep models the list LstLA of "L" steps: its entries are the "|"-separated parts of a
// step-text line, the set-up selects the entry at 106-108 and the step is answered by
// selecting the entry at 109-111 (both 0-based); LblXXK(0) mirrors the selected entry.
//
// LocationList models the drawn copy of a file dialog's drop-down location box (PicList) of
// "K" steps: fourteen fixed entries, the closed box showing the chosen entry, rows that
// highlight under the pointer. A "K" step K S EE starts with entry S chosen and is answered
// by choosing entry EE.
//
// In both, the set-up's own selection runs the same check as the learner's, so a step can be
// answered inside its own load: the window then advances (AdvanceStep) and does nothing more of
// the outer load for that step.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/design_rect.h"
#include "desktop/step_record.h"

namespace xpexam::desktop {

class ListStep {
 public:
  static constexpr int kNoSelection = -1;

  // List set-up of an "L" step: shows the list with the entries of items_text (the step text
  // named by the code, from its fourth character) and selects the entry at 106-108. An index
  // outside the entries selects nothing. True when that selection answers the step.
  bool SetUp(const StepRecord& record, std::string_view items_text);
  // LstLA_Click: the learner selected entry `index` (by mouse or keys). True: the step is
  // answered; the list is hidden and the caption emptied.
  bool Select(int index);
  // Any other step: hidden, caption emptied.
  void Hide();

  bool Visible() const { return visible_; }
  const std::vector<std::string>& Entries() const { return entries_; }
  int ListIndex() const { return list_index_; }
  const std::string& Caption() const { return caption_; }  // LblXXK(0)

 private:
  bool visible_ = false;
  std::vector<std::string> entries_;
  int list_index_ = kNoSelection;
  int expected_ = 0;
  std::string caption_;
};

// One entry of the location list. The row picture is drawn with the entry's icon and name
// indented by its level; the closed box shows the same picture shifted left by the indent.
struct LocationEntry {
  const char* name;
  int indent;                 // 0, 1 or 2
  int32_t chosen_left;        // Left of the chosen entry's picture in the closed box
  int row_picture_width;      // pixels
};
inline constexpr int kLocationEntryCount = 14;
extern const std::array<LocationEntry, kLocationEntryCount> kLocationEntries;

class LocationList {
 public:
  static constexpr int32_t kWidth = 3915;
  static constexpr int32_t kCollapsedHeight = 330;
  static constexpr int32_t kOpenHeight = 3720;
  static constexpr int32_t kRowHeight = 240;
  static constexpr int kNone = -1;

  // Location set-up of a "K" step: shown, collapsed, with the entry at record character 9
  // chosen as a click does. True when that entry answers the step.
  bool SetUp(const StepRecord& record);
  // ImgLiN_Click / LblADD_Click: shows entry `index` in the closed box and collapses the
  // list. True when it is the step's expected entry (step code characters 3-4).
  bool Choose(int index);
  // LblADD_MouseMove: only that row is highlighted, until another row is hovered.
  void Hover(int index);
  // LblADDmyXZ_Click: opens a collapsed list, collapses an open one.
  void ToggleDropDown();
  // Clicks and releases elsewhere on the desktop.
  void Collapse() { height_ = kCollapsedHeight; }
  void Hide() { visible_ = false; }

  bool Visible() const { return visible_; }
  bool IsOpen() const { return height_ > kCollapsedHeight; }
  int32_t Height() const { return height_; }
  int Chosen() const { return chosen_; }            // entry shown in the closed box
  int32_t ChosenLeft() const;                       // ImgSelAD Left
  int Highlighted() const { return highlighted_; }  // ImgLiN shown, or kNone

  // Geometry relative to the list's top-left corner.
  static DesignRect DropButton() { return {0, 0, 3900, 330}; }
  static DesignRect Row(int index) { return {0, kRowHeight * index + 345, 3900, kRowHeight}; }
  // What a point relative to the list is on: a row (0 to 13) while open, else kNone.
  int RowAt(int32_t x, int32_t y) const;
  bool OnDropButton(int32_t x, int32_t y) const { return DropButton().Contains(x, y); }

 private:
  bool visible_ = false;
  int32_t height_ = kCollapsedHeight;
  int chosen_ = 2;  // the design picture of the closed box
  int highlighted_ = kNone;
  int expected_ = kNone;
};

}  // namespace xpexam::desktop
