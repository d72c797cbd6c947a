#pragma once
// The simulated menu bar of folder windows (the examdata pictures) and the context menus of
// the popup menu file sMenu.sys.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tools/bankgen/draw.h"

namespace xpexam::bankgen {

// One of the nine menu-bar menus. Items and submenu items follow the desktop's fixed group
// tables; "\t" separates a shortcut shown at the right.
struct BarMenu {
  std::string title;
  std::string groups;  // group sizes, one digit each
  std::vector<std::string> items;
  // drop-down item number -> submenu group sizes and items
  std::map<int, std::pair<std::string, std::vector<std::string>>> subs;
};

const std::vector<BarMenu>& BarMenus();
// Titles drawn in a folder window's menu bar (the first six menus).
std::vector<std::string> BarTitles();

// Top of drop-down row r (1-based) below the drop-down's top, in pixels, for a group string.
int MenuRowTop(const std::string& groups, int r);
// Screen box of drop-down item r of menu m, and of sub-item s of that item's submenu.
Box BarItemBox(int m, int r);
Box BarSubItemBox(int m, int r, int s);

// Every examdata picture: file name (without ".mxy") -> image.
struct NamedImage {
  std::string name;
  std::unique_ptr<Image> image;
};
std::vector<NamedImage> MenuBarPictures();

// The 27 context-menu blocks of sMenu.sys, 15 lines each.
std::vector<std::string> PopupMenuLines();
// The caption of a context-menu item as the popup shows it: type 1-3, menu 1-9, group 1-9,
// item 0-9. Throws when the block has no such item (or it is a separator).
std::string PopupItem(int type, int menu, int group, int item);
// The caption of the cascade that holds a group ("" for plain groups).
std::string PopupCascade(int type, int menu, int group);

}  // namespace xpexam::bankgen
