#pragma once
// The tab strip of property-sheet steps, and the back region.
//
// A tab step ("X" at 130) shows the pages of a sheet in one image slot and lays invisible tab
// regions over the picture from one of four built-in layouts A to D. While another tab than
// the one to select is in front, the target box takes no click, the hint asks for the tab
// ("请选择第n个选项卡") and the red frame surrounds it; choosing the right tab brings back the
// record's own page, hint and target box. A tab never advances the step by itself.
//
// The tab regions are LblXXK(1 to 13); LblXXK(0) is the back region, which steps back: the
// layout's own, or the one of a "Q" record (125), which goes back the number at 129 (0 counts
// as 1) and never below step 1.
//
// All geometry is in design twips relative to the window's client area. The window calls
// LoadStep at every step load (after the target box and hint label are set) and applies the
// request, mirrors Label(0 to 13) onto LblXXK, and calls TabClick / BackStep on clicks.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "desktop/design_rect.h"
#include "desktop/step_record.h"

namespace xpexam::desktop {

// The stored layout table of letter "A" to "D" (155 characters); nullopt for other letters.
std::optional<std::string_view> TabLayoutTable(std::string_view letter);

// The number spelt by n characters at position p (1-based) of a layout table.
int32_t TabTableValue(std::string_view table, long p, long n);

// The regions a layout table gives, relative to the image slot at (origin_x, origin_y):
// index 0 the back region, 1 to `count` the tabs (each as wide as the distance to the next
// left edge, 990 when that is negative), the rest parked (nullopt). A strip of more than
// seven tabs has two rows, tabs 1-4 and 5 up; the row `front_row` (1 or 2) lies 300 lower,
// and tab 4 is 1215 wide.
struct TabStripGeometry {
  int count = 0;
  std::array<std::optional<DesignRect>, 14> labels{};
};
TabStripGeometry LayOutTabStrip(std::string_view table, int32_t origin_x, int32_t origin_y, int front_row);

// "请选择第n个选项卡".
std::string ChooseTabRequest(int tab);

// The overlay pictures as the load left them, slot k at index k - 1.
struct ImageSlots {
  std::array<int32_t, 5> left{};
  std::array<int32_t, 5> top{};
  std::array<std::string, 5> picture_id{};  // id of the picture the slot shows
};

// What the window does after a tab step's load or a tab click.
struct TabRequest {
  int slot = 0;                     // image slot 1 to 5 of the pages; 0: none (nothing to show)
  // Picture id to show in the slot (data folder, id + ".mxy"); nullopt keeps its picture, an
  // empty id clears it. A page that cannot be loaded shows an empty picture.
  std::optional<std::string> page;
  // true: Label1 back at the record's size (the scene's TargetWidth x TargetHeight) and the red
  // frame on it; false: Label1 1 x 1 twips and the red frame on `frame`.
  bool target_live = false;
  std::optional<DesignRect> frame;  // the tab to select; nullopt: park the frame
  bool show_target_box = false;     // Label1 made visible (the right tab was clicked)
  std::string hint;                 // LHelp caption
  friend bool operator==(const TabRequest&, const TabRequest&) = default;
};

class TabStrip {
 public:
  static constexpr int kBackRegion = 0;
  static constexpr int kLastTab = 13;

  // Parks every label, then lays out the tab step and the "Q" back region of the record.
  // hint_text is the step's hint (the scene's HintText). nullopt: no tab step, the red frame
  // stays on the target box.
  std::optional<TabRequest> LoadStep(const StepRecord& record, const ImageSlots& slots, const std::string& hint_text);

  // LblXXK_Click(1 to 13) on a live tab.
  std::optional<TabRequest> TabClick(int tab);
  // The target tab chosen, as TabClick(TabTarget()) does, also for a target that is not on the
  // strip: a replay always completes the choice and goes on to the record's own target.
  TabRequest ChooseTarget();

  // LblXXK_Click(0): the step to load, from the current step; never below 1.
  int16_t BackStep(int16_t current_step) const;

  // nullopt: parked.
  std::optional<DesignRect> Label(int index) const;
  // The live label under a point: a tab, else the back region; -1 for none.
  int LabelAt(int32_t x, int32_t y) const;

  const std::string& BackCode() const { return back_code_; }  // 125-129 of a "Q" record, else "NONO"
  const int& TabTarget() const { return mTabTarget; }
  const int& TabCount() const { return mTabCount; }
  const int& TabRow() const { return mTabRow; }

 private:
  void ApplyRows();
  TabRequest TargetRequest(bool live) const;

  std::array<std::optional<DesignRect>, 14> labels_{};
  std::string back_code_ = "NONO";
  // The last tab step; kept until the next one.
  std::string mTabPictures;
  int32_t mTabOriginX = 0;
  int32_t mTabOriginY = 0;
  int mTabImageSlot = 0;
  int mTabTarget = 0;
  int mTabCount = 0;
  int mTabRow = 1;
  std::string own_page_;  // the record's picture for the slot, or what the slot showed at load
  std::string hint_text_;
};

}  // namespace xpexam::desktop
