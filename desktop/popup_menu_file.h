#pragma once
// Context menus: the popup menu file sMenu.sys of the program folder and the popup built
// from one of its blocks.
//
// The file holds 3 x 9 blocks of 15 lines: popup type 1 (menus 1 to 9), then types 2 and 3.
// A context-menu step TMGI (T = 3, 4, 5 for popup types 1, 2, 3) opens block M of its type
// and is answered by item I of the group whose digit is G. Block lines:
//   2, 5, 8, 11, 13   caption of cascade 1 to 5, "0" when absent (group digits 1, 3, 5, 7, 8)
//   3, 6, 9, 12, 14   items of those cascades
//   4, 7, 10, 15      items of plain group 1 to 4, "0" when absent (group digits 2, 4, 6, 9)
// An items line is captions separated by "|", at most ten; a caption "-" is a separator,
// which counts as an item but cannot be chosen. Item numbers count from 0.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/key_map.h"

namespace xpexam::desktop {

inline constexpr const char* kPopupMenuFileName = "sMenu.sys";  // in the program folder
inline constexpr int kPopupBlockLines = 15;
inline constexpr int kPopupMaxItems = 10;

// Popup type 1, 2 or 3 of a step code value (thousands digit 3, 4 or 5); 0 otherwise.
int PopupType(int step_code);
// The block of popup type t and menu m starts after this file line: the block is the 15
// lines after it (the block of type 1 and menu 2 is lines 16 to 30).
int32_t PopupBlockStart(int popup_type, int menu);

// The pieces of an items line, at most ten.
std::vector<std::string> PopupPieces(std::string_view line);

// The 15 lines of a block, decoded; lines past the end of the file are empty. nullopt when
// the file cannot be read. The file is read afresh at every call.
using PopupBlock = std::array<std::string, kPopupBlockLines>;
std::optional<PopupBlock> ReadPopupBlock(const std::string& path, int popup_type, int menu);

struct PopupItem {
  std::string caption;
  bool expected = false;  // choosing it answers the step
  bool IsSeparator() const { return caption == "-"; }
  friend bool operator==(const PopupItem&, const PopupItem&) = default;
};

// One entry of the popup, in the fixed order: a cascade shows its items in a submenu under
// its caption, a plain group shows them directly in the popup. Absent entries are left out.
struct PopupGroup {
  int group_digit = 0;  // 1 to 9: the G of the step code that names an item of this group
  bool cascade = false;
  std::string caption;  // of a cascade
  std::vector<PopupItem> items;  // index = the item number (I)
  friend bool operator==(const PopupGroup&, const PopupGroup&) = default;
};

struct PopupMenu {
  std::vector<PopupGroup> groups;
  friend bool operator==(const PopupMenu&, const PopupMenu&) = default;
};

// The popup for a block, items marked against step_code and menu.
PopupMenu BuildPopupMenu(const PopupBlock& block, int step_code, int menu);

// FillContextMenu: the popup for the step code in force (after any right-button alternative)
// and popup menu `menu`, read from file `path` (the program folder's sMenu.sys). nullopt:
// the file cannot be read, and no popup opens.
std::optional<PopupMenu> LoadPopupMenu(const std::string& path, int step_code, int menu);

// The item check of a click on item `index` of the group with digit `group_digit`, with the
// step code in force at the click and the menu the popup was built for. The popup type is
// not compared.
bool PopupItemMatches(int step_code, int menu, int group_digit, int index);

// Where a press on the target box opens the popup of a context-menu step. popup_x and
// popup_y are the menu bar's StepArg and PopupY (design twips): with popup_y 0 a right press
// opens it at the pointer, otherwise a left press opens it at (popup_x, popup_y).
struct PopupOpening {
  int menu = 0;  // the hundreds digit of the step code: mPopupMenuNo
  bool at_pointer = true;
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const PopupOpening&, const PopupOpening&) = default;
};
std::optional<PopupOpening> PopupOnPress(int step_code, int button, int32_t popup_x, int32_t popup_y);

}  // namespace xpexam::desktop
