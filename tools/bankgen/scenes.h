#pragma once
// The screens the questions are played on: the desktop, the Start menu, folder windows and
// the accessories. Each scene lays itself out once; questions ask it where things are and
// draw it in the state a step needs.
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tools/bankgen/form.h"
#include "tools/bankgen/xp.h"

namespace xpexam::bankgen {

struct DesktopItem {
  std::string name = "";
  Icon icon = Icon::kFolder;
  int x = 0, y = 0;
  bool shortcut = false;
};

class Desktop {
 public:
  Desktop();
  Desktop& Add(const DesktopItem& item);
  Desktop& Remove(const std::string& name);
  Desktop& Rename(const std::string& from, const std::string& to);
  Desktop& MoveItem(const std::string& name, int x, int y);
  Desktop& Select(const std::vector<std::string>& names);
  Desktop& Tasks(const std::vector<xp::TaskButton>& tasks);
  Desktop& StartPressed(bool pressed);
  Desktop& RecycleFull(bool full);
  Desktop& Hidden(const std::string& name);  // drawn without this icon (it is an overlay)

  xp::IconCell Cell(const std::string& name) const;
  const std::vector<DesktopItem>& items() const { return items_; }
  xp::TaskbarParts TaskbarBoxes() const { return xp::TaskbarLayout(tasks_.size()); }
  // An empty stretch of the desktop, right of the icons.
  static Box Empty() { return {260, 130, 180, 180}; }

  void Paint(cairo_t* cr) const;
  // Only the wallpaper and icons, without the taskbar.
  void PaintIcons(cairo_t* cr) const;

 private:
  std::vector<DesktopItem> items_;
  std::set<std::string> selected_;
  std::string hidden_;
  std::vector<xp::TaskButton> tasks_;
  bool start_pressed_ = false;
};

// The two-column Start menu, drawn as an overlay whose bottom sits on the taskbar.
class StartMenu {
 public:
  static constexpr int kWidth = 380, kHeight = 440;
  static constexpr int kLeft = 0, kTop = xp::kTaskbarTop - kHeight;
  StartMenu();
  // Item box relative to the menu, and on the screen.
  Box Item(const std::string& name) const;
  Box ItemOnScreen(const std::string& name) const { return Item(name).Offset(kLeft, kTop); }
  void Paint(cairo_t* cr, const std::string& highlight = "") const;

 private:
  struct Entry {
    std::string name;
    Icon icon;
    Box box;
    bool right, bold, arrow;
    std::string sub;
  };
  std::vector<Entry> entries_;
};

// A cascading program menu (All Programs, Accessories) drawn as an overlay.
struct Cascade {
  std::vector<xp::MenuItem> items;
  int width = 0;
  int Height() const { return xp::MenuHeight(items); }
  Box Row(const std::string& text) const;  // relative
  void Paint(cairo_t* cr, int x, int y, const std::string& highlight = "") const;
};
Cascade AllPrograms();
Cascade Accessories();

struct FileItem {
  std::string name = "";
  Icon icon = Icon::kFolder;
  std::string type = "";
  std::string size = "";
  std::string date = "2026-09-01 10:20";
  bool shortcut = false;
};

// A maximised folder window with its task pane (or folder tree), menu bar, tool bar, address
// bar and items.
class FolderWindow {
 public:
  enum class View { kIcons, kDetails };
  FolderWindow(std::string title, Icon icon, std::string address, std::vector<FileItem> items);

  FolderWindow& Select(const std::vector<std::string>& names);
  FolderWindow& SetView(View v);
  FolderWindow& Pane(const std::vector<xp::PanePanel>& panels);
  FolderWindow& Tree(const std::vector<std::pair<int, std::string>>& rows, int selected);  // folder tree
  FolderWindow& Status(const std::string& text);
  FolderWindow& Items(std::vector<FileItem> items);
  FolderWindow& Address(const std::string& address);
  FolderWindow& Title(const std::string& title);
  FolderWindow& Rename(const std::string& from, const std::string& to);
  FolderWindow& Hidden(const std::string& name);
  FolderWindow& TaskbarTitle(const std::string& label);

  static Box Content() { return {185, 125, 615, 425}; }
  // Empty space below the last row of items.
  Box Empty() const;
  xp::IconCell Cell(const std::string& name) const;
  Box Row(const std::string& name) const;  // details view row
  Box Link(size_t index) const;            // task pane link
  Box TreeRow(size_t index) const;
  const std::vector<FileItem>& items() const { return items_; }

  void Paint(cairo_t* cr) const;

 private:
  std::string title_, address_, taskbar_;
  Icon icon_;
  std::vector<FileItem> items_;
  std::set<std::string> selected_;
  std::string hidden_;
  View view_ = View::kIcons;
  std::vector<xp::PanePanel> panels_;
  std::vector<std::pair<int, std::string>> tree_;
  int tree_selected_ = -1;
  std::string status_;
};

// Notepad in a normal window.
struct Notepad {
  Box outer{40, 40, 560, 360};
  bool maximized = false;
  std::string title = "无标题 - 记事本";
  std::string text;
  std::string selected;  // part of the text drawn selected
  Icon icon = Icon::kNotepad;
  xp::WindowParts Parts() const { return xp::WindowLayout(outer, maximized); }
  Box TextArea() const {
    Box c = Parts().client;
    return {c.x + 2, c.y + 22, c.w - 22, c.h - 24};
  }
  Box MenuTitle(int i) const;  // 0-based: 文件 编辑 格式 查看 帮助
  void Paint(cairo_t* cr, bool with_desktop = true, int menu_open = -1) const;
};

// Paint in a normal window.
struct PaintApp {
  Box outer{20, 36, 600, 420};
  std::vector<std::pair<Box, Rgb>> shapes;  // drawn rectangles, canvas coordinates
  int tool = 14;                            // selected tool (0..15)
  Rgb color{0, 0, 0};
  Box Canvas() const { return {outer.x + 60, outer.y + 60, 360, 250}; }
  Box Tool(int i) const;
  Box Swatch(int i) const;  // 0..27
  Box MenuTitle(int i) const;
  void Paint(cairo_t* cr) const;
};

// Calculator in standard view.
struct Calculator {
  int x = 120, y = 60;
  std::string display = "0.";
  Box Key(const std::string& label) const;
  void Paint(cairo_t* cr) const;
};

// Command prompt window.
struct Console {
  Box outer{40, 40, 560, 330};
  std::vector<std::string> lines;
  Box InputLine() const;  // where the next command is typed
  void Paint(cairo_t* cr) const;
};

// A crop of a screen region as its own picture (drag handles).
std::unique_ptr<Image> CropScreen(const std::function<void(cairo_t*)>& paint, const Box& region);

}  // namespace xpexam::bankgen
