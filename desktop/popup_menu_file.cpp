#include "desktop/popup_menu_file.h"

#include "platform/codepage.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::desktop {

namespace {

// Block lines (1-based) of the entries of the popup, in their fixed order.
struct EntryLines {
  int group_digit;
  int caption_line;  // 0 for a plain group
  int items_line;
};
constexpr EntryLines kEntries[] = {
    {1, 2, 3}, {2, 0, 4}, {3, 5, 6}, {4, 0, 7}, {5, 8, 9}, {6, 0, 10}, {7, 11, 12}, {8, 13, 14}, {9, 0, 15},
};

}  // namespace

int PopupType(int step_code) {
  switch (step_code / 1000) {
    case 3: return 1;
    case 4: return 2;
    case 5: return 3;
    default: return 0;
  }
}

int32_t PopupBlockStart(int popup_type, int menu) { return (menu - 1) * 15 + popup_type * 135 - 135; }

std::vector<std::string> PopupPieces(std::string_view line) {
  std::vector<std::string> pieces = platform::Split(line, "|");
  if (pieces.size() > kPopupMaxItems) pieces.resize(kPopupMaxItems);
  return pieces;
}

std::optional<PopupBlock> ReadPopupBlock(const std::string& path, int popup_type, int menu) {
  platform::LineReader reader;
  if (!platform::FileExists(path) || !reader.Open(path)) return std::nullopt;
  const int32_t start = PopupBlockStart(popup_type, menu);
  PopupBlock block;
  int stored = 0;
  std::string raw;
  for (int32_t n = 1; stored < kPopupBlockLines && reader.NextRaw(raw); ++n)
    if (n > start) block[static_cast<size_t>(stored++)] = platform::GbkToUtf8(raw);
  return block;
}

PopupMenu BuildPopupMenu(const PopupBlock& block, int step_code, int menu) {
  PopupMenu popup;
  for (const auto& e : kEntries) {
    PopupGroup group{e.group_digit, e.caption_line != 0, {}, {}};
    if (group.cascade) {
      group.caption = block[static_cast<size_t>(e.caption_line - 1)];
      if (group.caption == "0") continue;
    } else if (block[static_cast<size_t>(e.items_line - 1)] == "0") {
      continue;
    }
    int index = 0;
    for (auto& caption : PopupPieces(block[static_cast<size_t>(e.items_line - 1)])) {
      bool expected = caption != "-" && PopupItemMatches(step_code, menu, e.group_digit, index);
      group.items.push_back({std::move(caption), expected});
      ++index;
    }
    popup.groups.push_back(std::move(group));
  }
  return popup;
}

std::optional<PopupMenu> LoadPopupMenu(const std::string& path, int step_code, int menu) {
  auto block = ReadPopupBlock(path, PopupType(step_code), menu);
  if (!block) return std::nullopt;
  return BuildPopupMenu(*block, step_code, menu);
}

bool PopupItemMatches(int step_code, int menu, int group_digit, int index) {
  return step_code % 10 == index && (step_code / 100) % 10 == menu && (step_code / 10) % 10 == group_digit;
}

std::optional<PopupOpening> PopupOnPress(int step_code, int button, int32_t popup_x, int32_t popup_y) {
  if (PopupType(step_code) == 0) return std::nullopt;
  int menu = (step_code / 100) % 10;
  if (button == kRightButton && popup_y == 0) return PopupOpening{menu, true, 0, 0};
  if (button == kLeftButton && popup_y != 0) return PopupOpening{menu, false, popup_x, popup_y};
  return std::nullopt;
}

}  // namespace xpexam::desktop
