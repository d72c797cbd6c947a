#pragma once
// The Windows XP look: window frames, buttons, boxes, menus, tabs, task pane, taskbar and the
// desktop, drawn with the Luna colours. Functions that lay something out return the boxes
// that steps aim at, so that a target box always lies on the thing drawn.
#include <string>
#include <vector>

#include "tools/bankgen/draw.h"
#include "tools/bankgen/icons.h"

namespace xpexam::bankgen::xp {

constexpr Rgb kFace = Hex(0xECE9D8);
constexpr Rgb kSelection = Hex(0x316AC5);
constexpr Rgb kWhite = Hex(0xFFFFFF);
constexpr Rgb kBlack = Hex(0x000000);
constexpr Rgb kGreyText = Hex(0xACA899);
constexpr Rgb kFieldEdge = Hex(0x7F9DB9);

constexpr int kScreenW = 800;
constexpr int kScreenH = 600;
constexpr int kTaskbarTop = 570;

struct WindowParts {
  Box outer, title, client, close, maximize, minimize;
};

enum class Buttons { kAll, kCloseOnly, kHelpClose, kNone };

// A window frame with its title bar. Maximised windows have square corners and no side borders.
WindowParts Window(cairo_t* cr, const Box& outer, const std::string& title, Icon icon, bool active = true,
                   bool maximized = false, Buttons buttons = Buttons::kAll);
// Where a window's parts lie, without drawing.
WindowParts WindowLayout(const Box& outer, bool maximized = false, Buttons buttons = Buttons::kAll);

enum class ButtonState { kNormal, kDefault, kHot, kPressed, kDisabled };
void PushButton(cairo_t* cr, const Box& b, const std::string& label, ButtonState state = ButtonState::kNormal);

// Check box and radio button at (x, y); the returned box covers the mark and its label.
Box CheckBox(cairo_t* cr, int x, int y, const std::string& label, bool checked, bool enabled = true);
Box Radio(cairo_t* cr, int x, int y, const std::string& label, bool selected);
Box CheckBoxLayout(int x, int y, const std::string& label);

void TextField(cairo_t* cr, const Box& b, const std::string& text, bool selected_text = false,
               bool enabled = true);
void ComboBox(cairo_t* cr, const Box& b, const std::string& text, Icon icon = Icon::kFolder, bool with_icon = false);
void ListBox(cairo_t* cr, const Box& b, const std::vector<std::string>& items, int selected, int row_h = 16);
void GroupBox(cairo_t* cr, const Box& b, const std::string& title);
void Label(cairo_t* cr, int x, int y, const std::string& text, Rgb color = kBlack);

// Horizontal trackbar: track box, tick count, thumb centre x (negative: no thumb, it is a
// separate drag handle). Returns the thumb box.
Box HSlider(cairo_t* cr, const Box& track, int ticks, int thumb_x);
// Vertical trackbar (volume): returns the thumb box.
Box VSlider(cairo_t* cr, const Box& track, int ticks, int thumb_y);
// The thumbs alone, as drag handles.
void HThumb(cairo_t* cr, int x, int y);  // 11 x 21
void VThumb(cairo_t* cr, int x, int y);  // 21 x 11

// A tab strip: tab labels with their left edges (relative to b.x) and the right edge of the last.
// The page panel fills the rest of b. Returns the boxes of the tabs.
std::vector<Box> Tabs(cairo_t* cr, const Box& b, int row_top, const std::vector<std::string>& labels,
                      const std::vector<int>& lefts, int selected);

// Menu bar of a maximised window (row 27..48); titles in their fixed slots. Returns slot boxes.
std::vector<Box> MenuBar(cairo_t* cr, int width, const std::vector<std::string>& titles);
constexpr int kMenuBarTop = 27;
constexpr int kMenuBarHeight = 22;
Box MenuTitleSlot(int menu);  // 1-based

// A drawn popup menu: items ("-" separator, ">" suffix for a cascade arrow, "*" prefix for a
// check mark). Returns the row boxes (separators included, as empty boxes).
struct MenuItem {
  std::string text;
  bool has_icon = false;
  Icon icon = Icon::kFolder;
  bool separator = false;
  bool cascade = false;
  bool checked = false;
  bool bold = false;
  bool disabled = false;
};
std::vector<MenuItem> Items(const std::vector<std::string>& texts);
// Items with icons: pairs of icon and texts text.
std::vector<MenuItem> IconItems(const std::vector<std::pair<Icon, std::string>>& texts);
int MenuWidth(const std::vector<MenuItem>& items);
int MenuHeight(const std::vector<MenuItem>& items);
std::vector<Box> PopupMenu(cairo_t* cr, int x, int y, const std::vector<MenuItem>& items, int highlight = -1,
                           int width = 0);
std::vector<Box> PopupMenuLayout(int x, int y, const std::vector<MenuItem>& items, int width = 0);

// Desktop wallpaper (sky and hill) over the whole screen.
void Wallpaper(cairo_t* cr);

struct TaskButton {
  std::string label;
  Icon icon;
  bool active = false;
};
struct TaskbarParts {
  Box start, quick_launch, tray, clock;
  std::vector<Box> buttons;
};
TaskbarParts Taskbar(cairo_t* cr, const std::vector<TaskButton>& buttons, bool start_pressed = false,
                     const std::string& time = "10:30");
TaskbarParts TaskbarLayout(size_t button_count);

// An icon with its label under it (desktop and "icons" view). Returns the icon box, the label
// box and the union of both.
struct IconCell {
  Box icon, label, whole;
};
IconCell IconCellLayout(int x, int y, const std::string& label, int cell_w = 76);
IconCell DesktopIcon(cairo_t* cr, int x, int y, Icon icon, const std::string& label, bool selected = false,
                     bool shortcut = false, bool on_wallpaper = true, int cell_w = 76);

// Blue task pane of folder windows: titled panels of links. Returns link boxes in order.
struct PanePanel {
  std::string title;
  std::vector<std::pair<Icon, std::string>> links;
  bool details = false;  // plain text lines instead of links
};
std::vector<Box> TaskPane(cairo_t* cr, const Box& b, const std::vector<PanePanel>& panels);
// The link boxes alone, without drawing.
std::vector<Box> TaskPaneLayout(const Box& b, const std::vector<PanePanel>& panels);

// Explorer tool bar (row 49..97) and address bar (row 98..124). The address box is returned.
constexpr Box kAddressBox{189, 104, 591, 17};
Box ToolbarAndAddress(cairo_t* cr, int width, const std::string& address, Icon icon);
Box GoButton();

// Status bar at the bottom of a window's client area.
void StatusBar(cairo_t* cr, const Box& b, const std::string& text);

// Yellow tool tip.
void ToolTip(cairo_t* cr, int x, int y, const std::string& text);

// Rubber band rectangle of a selection in progress.
void RubberBand(cairo_t* cr, const Box& b);

// Mouse pointer (arrow) with its tip at (x, y).
void ArrowPointer(cairo_t* cr, int x, int y);

}  // namespace xpexam::bankgen::xp
