#pragma once
// The simulated menu bar of the desktop: nine menu titles over the screen picture, drop-down
// menus, submenus and highlighted rows shown as pictures of the examdata folder, and
// transparent regions over them that catch the pointer.
//
// A menu-bar step ("7000") names its target in record positions 125-129 as M II SS: menu M,
// drop-down item II, submenu item SS, "00" when the drop-down item itself is the target
// ("11111" shows the bar with no target). Any non-zero parameter field makes the titles live.
//
// Everything here is in design twips. The window owns one MenuBar, calls LoadStep at every
// step load and the event functions from its handlers, and after every call mirrors the
// pictures (Title/DropDown/RowHighlight/Submenu/SubRowHighlight onto ImgMenuSys, ImgMenuSel,
// ImgShuMenu, ImgSubMenu, ImgSubSel) and the regions (LMainMenu, LblShuMenu, LblSubSel).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/design_rect.h"
#include "desktop/key_map.h"
#include "desktop/step_record.h"

namespace xpexam::desktop {

// Picture files of the examdata folder: "7" + five digits + ".mxy".
std::string HotTitlePicture(int menu);                   // "7M0099": title hovered, no menu open
std::string PressedTitlePicture(int menu);               // "7M0088": title of the open menu
std::string DropDownPicture(int menu);                   // "7M0000"
std::string DropDownRowPicture(int menu, int item);      // "7M00" + item as 2 digits
std::string SubmenuPicture(int menu, int submenu);       // "7Mn000"
// "7" + the first two digits of the item code (menu and submenu) + the row as 3 digits.
std::string SubmenuRowPicture(int32_t item_code, int row);

// The value of a character of a submenu record: its position in the key string
// "123456789ABCDEFGHIJKLMNOPQ" ("A" is 10), 0 for any other character ("0" included).
int SubmenuKey(char c);

// One drop-down item that opens a submenu.
struct SubmenuLayout {
  int item = 0;            // drop-down item that opens it
  int number = 0;          // submenu number n: ordinal of its record, from 1
  std::vector<int> groups; // sizes of its item groups, top to bottom
  int ItemCount() const;   // at most 20
};

// What the menu tables say of one menu.
struct MenuLayout {
  std::vector<int> groups;  // sizes of the drop-down's item groups
  std::vector<SubmenuLayout> submenus;
  int ItemCount() const;  // at most 20
  const SubmenuLayout* SubmenuOf(int item) const;  // null when the item has none
};

// Decodes a group table ("5421") and a submenu table (6-character records: the item key,
// then up to five group sizes, "0" for none).
MenuLayout DecodeMenuTables(std::string_view groups, std::string_view subs);
// The desktop's fixed tables for menu 1 to 9; an empty layout for any other number.
const MenuLayout& MenuLayoutOf(int menu);
// The desktop window's two fixed tables of the nine menus (menu m at index m - 1): the item
// groups and the submenu records.
inline constexpr std::string_view kMenuGroups[9] = {"5421", "24521", "3411", "643", "42", "11", "411", "3", "211"};
inline constexpr std::string_view kMenuSubs[9] = {"720000", "760000840000", "550000", "920000B20000", "240000350000431000",
                                                  "", "220000542000610000", "", ""};

// Offset of row `row` (from 1) below the top of its menu picture: 30 + 330 per row above
// it + 45 per group that ends above it.
int32_t RowOffset(const std::vector<int>& groups, int row);

// Region of title i (1 to 9): 870 x 270 from (390 + (i - 1) x 870, 420); titles touch.
DesignRect TitleRegion(int i);

// The yellow frame over the menu-bar row for a step with a target (positive 125-129 other
// than "11111", 130-134 "00000"); nullopt parks the frame.
std::optional<DesignRect> MenuBarFrame(const StepRecord& record);

// A picture control of the menu bar: an empty file is a cleared picture.
struct MenuPicture {
  std::string file;
  int32_t left = 0;
  int32_t top = 0;
  bool visible = true;
  friend bool operator==(const MenuPicture&, const MenuPicture&) = default;
};

// What an event asks of the rest of the window.
struct MenuResponse {
  bool hide_target_box = false;  // Label1 hidden so that clicks reach the menu
  bool advance = false;          // the target was chosen: the menus are closed, call AdvanceStep
  friend bool operator==(const MenuResponse&, const MenuResponse&) = default;
};

enum class MenuRegionKind { kNone, kTitle, kItem, kSubItem };
struct MenuRegionHit {
  MenuRegionKind kind = MenuRegionKind::kNone;
  int index = 0;
  friend bool operator==(const MenuRegionHit&, const MenuRegionHit&) = default;
};

class MenuBar {
 public:
  static constexpr int kTitleCount = 9;
  static constexpr int kRegionCount = 20;
  static constexpr int32_t kItemWidth = 2415;
  static constexpr int32_t kSubItemWidth = 2055;
  static constexpr int32_t kRowHeight = 330;

  // Every step load: clears the menu pictures, closes the menus, and applies the parameter
  // field: a non-zero field shows the titles and sets StepArg (125-129) and PopupY
  // (130-134); a zero field hides them and keeps StepArg. PopupY is 0 otherwise.
  void LoadStep(const StepRecord& record);

  // LMainMenu_MouseMove: the hot title while no menu is open.
  MenuResponse TitleHover(int index);
  // LMainMenu_MouseUp: a left release without modifiers opens the menu.
  MenuResponse TitleRelease(int index, int button, int shift);
  // ImgMenuSys_Click: opens the menu last hovered or opened.
  void TitlePictureClick();
  // LblShuMenu_MouseMove: the row highlight.
  MenuResponse ItemHover(int index);
  // LblShuMenu_MouseUp: opens the item's submenu, if any, then checks the target.
  // dropdown_width is the width of the open drop-down picture (0 when none is shown).
  MenuResponse ItemRelease(int index, int button, int shift, int32_t dropdown_width);
  // LblSubSel_MouseMove: the sub-row highlight.
  MenuResponse SubItemHover(int index);
  // LblSubSel_MouseUp: checks the target.
  MenuResponse SubItemRelease(int index, int button, int shift);
  // The pointer over the bare surface or Image1; also done by an advancing click.
  void Close();

  // The live region under a point; sub-items lie in front of the items they overlap.
  MenuRegionHit RegionAt(int32_t x, int32_t y) const;

  bool TitlesVisible() const { return titles_visible_; }  // also ImgMenuSys
  const MenuPicture& Title() const { return title_; }
  const MenuPicture& DropDown() const { return drop_down_; }
  const MenuPicture& RowHighlight() const { return row_highlight_; }
  const MenuPicture& Submenu() const { return submenu_; }
  const MenuPicture& SubRowHighlight() const { return sub_row_highlight_; }
  // nullopt: hidden.
  std::optional<DesignRect> ItemRegion(int item) const;
  std::optional<DesignRect> SubItemRegion(int row) const;

  const int& MenuNo() const { return menu_no_; }
  const bool& MenuOpen() const { return menu_open_; }
  const int32_t& MenuItemCode() const { return menu_item_code_; }
  // 125-129 and 130-134 of the last step with a non-zero parameter field (popup X and Y of
  // a context-menu step, the target of a menu-bar step).
  const int32_t& StepArg() const { return step_arg_; }
  const int32_t& PopupY() const { return popup_y_; }

 private:
  void Open(int menu);
  void HideRegions(std::array<std::optional<DesignRect>, kRegionCount + 1>& regions);

  bool titles_visible_ = false;
  MenuPicture title_, drop_down_, row_highlight_, submenu_, sub_row_highlight_;
  std::array<std::optional<DesignRect>, kRegionCount + 1> items_{};      // 1-based
  std::array<std::optional<DesignRect>, kRegionCount + 1> sub_items_{};  // 1-based
  int menu_no_ = 1;
  bool menu_open_ = false;
  int32_t menu_item_code_ = 0;
  int32_t step_arg_ = 0;
  int32_t popup_y_ = 0;
};

}  // namespace xpexam::desktop
