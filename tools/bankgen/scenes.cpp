#include "tools/bankgen/scenes.h"

#include <algorithm>
#include <stdexcept>

namespace xpexam::bankgen {

// ---- desktop

Desktop::Desktop() {
  items_ = {
      {"我的文档", Icon::kMyDocuments, 6, 28},
      {"我的电脑", Icon::kMyComputer, 6, 102},
      {"网上邻居", Icon::kNetwork, 6, 176},
      {"回收站", Icon::kRecycleEmpty, 6, 250},
      {"Internet Explorer", Icon::kInternetExplorer, 6, 324},
      {"学习资料", Icon::kFolder, 88, 28},
      {"工作计划.txt", Icon::kTextFile, 88, 102},
      {"记事本", Icon::kNotepad, 88, 176, true},
      {"风景.bmp", Icon::kImageFile, 88, 250},
  };
}

Desktop& Desktop::Add(const DesktopItem& item) {
  items_.push_back(item);
  return *this;
}

Desktop& Desktop::Remove(const std::string& name) {
  std::erase_if(items_, [&](const DesktopItem& i) { return i.name == name; });
  return *this;
}

Desktop& Desktop::Rename(const std::string& from, const std::string& to) {
  for (auto& i : items_)
    if (i.name == from) i.name = to;
  return *this;
}

Desktop& Desktop::MoveItem(const std::string& name, int x, int y) {
  for (auto& i : items_)
    if (i.name == name) {
      i.x = x;
      i.y = y;
    }
  return *this;
}

Desktop& Desktop::Select(const std::vector<std::string>& names) {
  selected_ = {names.begin(), names.end()};
  return *this;
}

Desktop& Desktop::Tasks(const std::vector<xp::TaskButton>& tasks) {
  tasks_ = tasks;
  return *this;
}

Desktop& Desktop::StartPressed(bool pressed) {
  start_pressed_ = pressed;
  return *this;
}

Desktop& Desktop::RecycleFull(bool full) {
  for (auto& i : items_)
    if (i.name == "回收站") i.icon = full ? Icon::kRecycleFull : Icon::kRecycleEmpty;
  return *this;
}

Desktop& Desktop::Hidden(const std::string& name) {
  hidden_ = name;
  return *this;
}

xp::IconCell Desktop::Cell(const std::string& name) const {
  for (const auto& i : items_)
    if (i.name == name) return xp::IconCellLayout(i.x, i.y, i.name);
  throw std::runtime_error("no desktop icon " + name);
}

void Desktop::PaintIcons(cairo_t* cr) const {
  xp::Wallpaper(cr);
  for (const auto& i : items_)
    if (i.name != hidden_) xp::DesktopIcon(cr, i.x, i.y, i.icon, i.name, selected_.count(i.name) > 0, i.shortcut);
}

void Desktop::Paint(cairo_t* cr) const {
  PaintIcons(cr);
  xp::Taskbar(cr, tasks_, start_pressed_);
}

// ---- Start menu

StartMenu::StartMenu() {
  int y = 62;
  auto left = [&](const std::string& name, Icon icon, int h, bool bold = false, const std::string& sub = "") {
    entries_.push_back({name, icon, {4, y, 182, h}, false, bold, false, sub});
    y += h;
  };
  left("Internet", Icon::kInternetExplorer, 40, true, "Internet Explorer");
  left("电子邮件", Icon::kNetwork, 40, true, "Outlook Express");
  y += 8;
  left("记事本", Icon::kNotepad, 36);
  left("画图", Icon::kPaint, 36);
  left("计算器", Icon::kCalculator, 36);
  left("Windows 资源管理器", Icon::kExplorer, 36);
  left("命令提示符", Icon::kCommand, 36);
  entries_.push_back({"所有程序(P)", Icon::kFolder, {4, 368, 182, 28}, false, true, true, ""});
  y = 62;
  auto right = [&](const std::string& name, Icon icon, bool bold = false, bool arrow = false) {
    entries_.push_back({name, icon, {194, y, 182, 26}, true, bold, arrow, ""});
    y += 26;
  };
  right("我的文档", Icon::kMyDocuments, true);
  right("我最近的文档(D)", Icon::kRecent, true, true);
  right("图片收藏", Icon::kPictures, true);
  right("我的音乐", Icon::kMusic, true);
  right("我的电脑", Icon::kMyComputer, true);
  y += 8;
  right("控制面板(C)", Icon::kControlPanel);
  right("打印机和传真", Icon::kPrinter);
  y += 8;
  right("帮助和支持(H)", Icon::kHelp);
  right("搜索(S)", Icon::kSearch);
  right("运行(R)...", Icon::kRun);
  entries_.push_back({"注销(L)", Icon::kLogOff, {158, 406, 94, 30}, true, false, false, ""});
  entries_.push_back({"关闭计算机(U)", Icon::kShutDown, {256, 406, 120, 30}, true, false, false, ""});
}

Box StartMenu::Item(const std::string& name) const {
  for (const auto& e : entries_)
    if (e.name == name) return e.box;
  throw std::runtime_error("no Start menu item " + name);
}

void StartMenu::Paint(cairo_t* cr, const std::string& highlight) const {
  cairo_save(cr);
  cairo_translate(cr, kLeft, kTop);
  Box all{0, 0, kWidth, kHeight};
  FillBox(cr, all, Hex(0x1C5BD6));
  VGradient(cr, {0, 0, kWidth, 56}, Hex(0x1F6FEF), Hex(0x1658D0));
  FillBox(cr, {6, 6, 46, 46}, xp::kWhite);
  VGradient(cr, {8, 8, 42, 42}, Hex(0xF8C060), Hex(0xD87818));
  DrawIcon(cr, Icon::kUsers, 13, 13, 32);
  Font f{Face::kHei, 15, true};
  TextAt(cr, "Administrator", 61, 19, f, Hex(0x0A2A80));
  TextAt(cr, "Administrator", 60, 18, f, xp::kWhite);
  FillBox(cr, {2, 56, 188, 346}, xp::kWhite);
  FillBox(cr, {190, 56, 188, 346}, Hex(0xD3E5FA));
  VLine(cr, 190, 56, 401, Hex(0x95BDEE));
  HLine(cr, 10, 180, 146, Hex(0xD0D0D0));
  HLine(cr, 10, 180, 362, Hex(0xD0D0D0));
  HLine(cr, 200, 370, 196, Hex(0xA8C8F0));
  HLine(cr, 200, 370, 256, Hex(0xA8C8F0));
  VGradient(cr, {0, 402, kWidth, 38}, Hex(0x2D6BE0), Hex(0x1A4BC0));
  for (const auto& e : entries_) {
    bool hi = e.name == highlight;
    Rgb fg = hi ? xp::kWhite : (e.right && e.box.y < 400 ? Hex(0x0A246A) : xp::kBlack);
    if (e.box.y >= 400) fg = xp::kWhite;
    if (hi) FillBox(cr, e.box, xp::kSelection);
    if (e.name == "所有程序(P)") {
      Text(cr, e.name, {e.box.x + 40, e.box.y, 100, e.box.h}, Font{Face::kHei, 13, true}, fg);
      cairo_new_sub_path(cr);
      cairo_arc(cr, e.box.x + 150, e.box.CenterY(), 8, 0, 6.2832);
      SetColor(cr, Hex(0x3CA83C));
      cairo_fill(cr);
      Line(cr, e.box.x + 146, e.box.CenterY() - 4, e.box.x + 151, e.box.CenterY(), xp::kWhite, 2);
      Line(cr, e.box.x + 151, e.box.CenterY(), e.box.x + 146, e.box.CenterY() + 4, xp::kWhite, 2);
      continue;
    }
    int isz = e.box.h >= 36 ? 32 : 24;
    DrawIcon(cr, e.icon, e.box.x + 4, e.box.y + (e.box.h - isz) / 2, isz);
    Font tf = e.bold ? Font{Face::kHei, 12, true} : UiFont(12);
    if (!e.sub.empty()) {
      TextAt(cr, e.name, e.box.x + 42, e.box.y + 5, tf, fg);
      TextAt(cr, e.sub, e.box.x + 42, e.box.y + 21, UiFont(12), hi ? xp::kWhite : Hex(0x808080));
    } else {
      Text(cr, e.name, {e.box.x + isz + 10, e.box.y, e.box.w - isz - 14, e.box.h}, tf, fg);
    }
    if (e.arrow) {
      SetColor(cr, fg);
      cairo_move_to(cr, e.box.Right() - 10, e.box.CenterY() - 4);
      cairo_line_to(cr, e.box.Right() - 6, e.box.CenterY());
      cairo_line_to(cr, e.box.Right() - 10, e.box.CenterY() + 4);
      cairo_close_path(cr);
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
}

Box Cascade::Row(const std::string& text) const {
  auto rows = xp::PopupMenuLayout(0, 0, items, width);
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].text == text) return rows[i];
  throw std::runtime_error("no menu row " + text);
}

void Cascade::Paint(cairo_t* cr, int x, int y, const std::string& highlight) const {
  int hi = -1;
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].text == highlight) hi = static_cast<int>(i);
  xp::PopupMenu(cr, x, y, items, hi, width);
}

Cascade AllPrograms() {
  Cascade c;
  c.items = xp::IconItems({{Icon::kInternetExplorer, "Windows Update"},
                           {Icon::kFolder, "-"},
                           {Icon::kFolder, "附件>"},
                           {Icon::kFolder, "游戏>"},
                           {Icon::kFolder, "启动>"},
                           {Icon::kInternetExplorer, "Internet Explorer"},
                           {Icon::kNetwork, "Outlook Express"},
                           {Icon::kHelp, "远程协助"},
                           {Icon::kMediaPlayer, "Windows Media Player"},
                           {Icon::kUsers, "Windows Messenger"}});
  c.width = 200;
  return c;
}

Cascade Accessories() {
  Cascade c;
  c.items = xp::IconItems({{Icon::kFolder, "辅助工具>"},
                           {Icon::kFolder, "通讯>"},
                           {Icon::kFolder, "系统工具>"},
                           {Icon::kFolder, "娱乐>"},
                           {Icon::kHelp, "程序兼容性向导"},
                           {Icon::kPaint, "画图"},
                           {Icon::kCalculator, "计算器"},
                           {Icon::kNotepad, "记事本"},
                           {Icon::kCommand, "命令提示符"},
                           {Icon::kWordFile, "写字板"},
                           {Icon::kExplorer, "Windows 资源管理器"},
                           {Icon::kUsers, "通讯簿"}});
  c.width = 180;
  return c;
}

// ---- folder window

FolderWindow::FolderWindow(std::string title, Icon icon, std::string address, std::vector<FileItem> items)
    : title_(std::move(title)), address_(std::move(address)), taskbar_(title_), icon_(icon), items_(std::move(items)) {
  panels_ = {{"文件和文件夹任务",
              {{Icon::kFolder, "创建一个新文件夹"}, {Icon::kInternetExplorer, "将这个文件夹发布到 Web"},
               {Icon::kFolderOpen, "共享此文件夹"}}},
             {"其它位置",
              {{Icon::kMyDocuments, "我的文档"}, {Icon::kMyComputer, "我的电脑"}, {Icon::kNetwork, "网上邻居"}}}};
  status_ = std::to_string(items_.size()) + " 个对象";
}

FolderWindow& FolderWindow::Select(const std::vector<std::string>& names) {
  selected_ = {names.begin(), names.end()};
  return *this;
}
FolderWindow& FolderWindow::SetView(View v) {
  view_ = v;
  return *this;
}
FolderWindow& FolderWindow::Pane(const std::vector<xp::PanePanel>& panels) {
  panels_ = panels;
  return *this;
}
FolderWindow& FolderWindow::Tree(const std::vector<std::pair<int, std::string>>& rows, int selected) {
  tree_ = rows;
  tree_selected_ = selected;
  return *this;
}
FolderWindow& FolderWindow::Status(const std::string& text) {
  status_ = text;
  return *this;
}
FolderWindow& FolderWindow::Items(std::vector<FileItem> items) {
  items_ = std::move(items);
  return *this;
}
FolderWindow& FolderWindow::Address(const std::string& address) {
  address_ = address;
  return *this;
}
FolderWindow& FolderWindow::Title(const std::string& title) {
  title_ = title;
  taskbar_ = title;
  return *this;
}
FolderWindow& FolderWindow::Rename(const std::string& from, const std::string& to) {
  for (auto& i : items_)
    if (i.name == from) i.name = to;
  return *this;
}
FolderWindow& FolderWindow::Hidden(const std::string& name) {
  hidden_ = name;
  return *this;
}
FolderWindow& FolderWindow::TaskbarTitle(const std::string& label) {
  taskbar_ = label;
  return *this;
}

xp::IconCell FolderWindow::Cell(const std::string& name) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].name == name) {
      int col = static_cast<int>(i % 7), row = static_cast<int>(i / 7);
      return xp::IconCellLayout(200 + col * 80, 135 + row * 72, name);
    }
  throw std::runtime_error("no item " + name + " in " + title_);
}

Box FolderWindow::Row(const std::string& name) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].name == name) return {192, 147 + static_cast<int>(i) * 18, 200, 18};
  throw std::runtime_error("no item " + name);
}

Box FolderWindow::Empty() const {
  int rows = static_cast<int>((items_.size() + 6) / 7);
  if (view_ == View::kDetails) return {200, 150 + static_cast<int>(items_.size()) * 18 + 20, 240, 60};
  return {200, 135 + rows * 72 + 4, 250, 50};
}

Box FolderWindow::Link(size_t index) const {
  if (!tree_.empty()) throw std::runtime_error("folder tree has no task pane links");
  return xp::TaskPaneLayout({0, 125, 185, 425}, panels_).at(index);
}

Box FolderWindow::TreeRow(size_t index) const {
  int indent = tree_.at(index).first;
  int tw = TextWidth(tree_[index].second, UiFont(12));
  return {6 + indent * 16 + 18, 152 + static_cast<int>(index) * 19, tw + 22, 18};
}

void FolderWindow::Paint(cairo_t* cr) const {
  Desktop().PaintIcons(cr);
  xp::Window(cr, {0, 0, 800, 570}, title_, icon_, true, true);
  xp::MenuBar(cr, 800, {"文件(F)", "编辑(E)", "查看(V)", "收藏(A)", "工具(T)", "帮助(H)"});
  xp::ToolbarAndAddress(cr, 800, address_, icon_);
  if (tree_.empty()) {
    xp::TaskPane(cr, {0, 125, 185, 425}, panels_);
  } else {
    FillBox(cr, {0, 125, 185, 425}, xp::kWhite);
    VGradient(cr, {0, 125, 185, 22}, Hex(0xF6F5EE), xp::kFace);
    Text(cr, "文件夹", {6, 125, 150, 22}, UiFont(12), xp::kBlack);
    Text(cr, "×", {165, 125, 16, 22}, UiFont(12), xp::kBlack, Align::kCenter);
    for (size_t i = 0; i < tree_.size(); ++i) {
      Box r = TreeRow(i);
      int indent = tree_[i].first;
      StrokeBox(cr, {6 + indent * 16, r.y + 4, 9, 9}, Hex(0x7F9DB9));
      HLine(cr, 8 + indent * 16, 12 + indent * 16, r.y + 8, xp::kBlack);
      Icon ic = indent == 0 ? Icon::kDisplay : (tree_[i].second.find("(") != std::string::npos ? Icon::kHardDisk : Icon::kFolder);
      if (tree_[i].second == "我的电脑") ic = Icon::kMyComputer;
      if (tree_[i].second == "我的文档") ic = Icon::kMyDocuments;
      if (tree_[i].second == "桌面") ic = Icon::kDisplay;
      if (tree_[i].second == "回收站") ic = Icon::kRecycleEmpty;
      DrawIcon(cr, ic, r.x, r.y + 1, 16);
      bool sel = static_cast<int>(i) == tree_selected_;
      Box tb{r.x + 19, r.y, r.w - 20, r.h};
      if (sel) FillBox(cr, tb, xp::kSelection);
      Text(cr, tree_[i].second, tb.Offset(1, 0), UiFont(12), sel ? xp::kWhite : xp::kBlack);
    }
    VLine(cr, 184, 125, 549, Hex(0xC8C4B0));
  }
  Box content = Content();
  FillBox(cr, content, xp::kWhite);
  if (view_ == View::kIcons) {
    for (const auto& it : items_) {
      if (it.name == hidden_) continue;
      xp::IconCell c = Cell(it.name);
      xp::DesktopIcon(cr, c.icon.x - 22, c.icon.y, it.icon, it.name, selected_.count(it.name) > 0, it.shortcut, false);
    }
  } else {
    VGradient(cr, {185, 125, 615, 20}, xp::kWhite, Hex(0xEBEADB));
    HLine(cr, 185, 799, 144, Hex(0xD0CDB8));
    const int cols[] = {192, 400, 480, 600, 780};
    const char* heads[] = {"名称", "大小", "类型", "修改日期"};
    for (int i = 0; i < 4; ++i) {
      Text(cr, heads[i], {cols[i] + 4, 125, cols[i + 1] - cols[i] - 6, 20}, UiFont(12), xp::kBlack);
      VLine(cr, cols[i + 1] - 2, 128, 141, Hex(0xD0CDB8));
    }
    for (const auto& it : items_) {
      Box r = Row(it.name);
      bool sel = selected_.count(it.name) > 0;
      DrawIcon(cr, it.icon, r.x + 2, r.y + 1, 16);
      int tw = TextWidth(it.name, UiFont(12));
      if (sel) FillBox(cr, {r.x + 20, r.y + 1, tw + 4, 16}, xp::kSelection);
      Text(cr, it.name, {r.x + 22, r.y, 180, r.h}, UiFont(12), sel ? xp::kWhite : xp::kBlack);
      Text(cr, it.size, {cols[1], r.y, cols[2] - cols[1] - 8, r.h}, UiFont(12), xp::kBlack, Align::kRight);
      Text(cr, it.type, {cols[2] + 4, r.y, cols[3] - cols[2] - 6, r.h}, UiFont(12), xp::kBlack);
      Text(cr, it.date, {cols[3] + 4, r.y, cols[4] - cols[3] - 6, r.h}, UiFont(12), xp::kBlack);
    }
  }
  xp::StatusBar(cr, {0, 550, 800, 20}, status_);
  xp::Taskbar(cr, {{taskbar_, icon_, true}});
}

// ---- Notepad

Box Notepad::MenuTitle(int i) const {
  static const int lefts[] = {4, 52, 100, 148, 196, 244};
  Box c = Parts().client;
  return {c.x + lefts[i], c.y + 1, lefts[i + 1] - lefts[i], 19};
}

void Notepad::Paint(cairo_t* cr, bool with_desktop, int menu_open) const {
  if (with_desktop) {
    Desktop d;
    d.Tasks({{title, icon, true}});
    d.Paint(cr);
  }
  xp::WindowParts w = xp::Window(cr, outer, title, icon, true, maximized);
  Box bar{w.client.x, w.client.y, w.client.w, 20};
  FillBox(cr, bar, xp::kFace);
  const char* titles[] = {"文件(F)", "编辑(E)", "格式(O)", "查看(V)", "帮助(H)"};
  for (int i = 0; i < 5; ++i) {
    Box t = MenuTitle(i);
    if (i == menu_open) FillBox(cr, t, xp::kSelection);
    Text(cr, titles[i], t, UiFont(12), i == menu_open ? xp::kWhite : xp::kBlack, Align::kCenter);
  }
  Box area{w.client.x, w.client.y + 20, w.client.w, w.client.h - 20};
  FillBox(cr, area, xp::kWhite);
  StrokeBox(cr, area, Hex(0x7F9DB9));
  Box sb{area.Right() - 17, area.y + 1, 16, area.h - 2};
  FillBox(cr, sb, Hex(0xF4F3EE));
  VGradient(cr, {sb.x, sb.y, 16, 16}, Hex(0xC8D8F8), Hex(0xA8C0F0));
  VGradient(cr, {sb.x, sb.Bottom() - 16, 16, 16}, Hex(0xC8D8F8), Hex(0xA8C0F0));
  Box ta = TextArea();
  if (!text.empty()) {
    if (!selected.empty()) {
      size_t at = text.find(selected);
      std::string before = text.substr(0, at);
      std::string line_before = before.substr(before.rfind('\n') == std::string::npos ? 0 : before.rfind('\n') + 1);
      int line = static_cast<int>(std::count(before.begin(), before.end(), '\n'));
      int x0 = ta.x + 2 + TextWidth(line_before, UiFont(12));
      FillBox(cr, {x0, ta.y + 2 + line * 16, TextWidth(selected, UiFont(12)), 16}, xp::kSelection);
    }
    TextWrapped(cr, text, ta.x + 2, ta.y + 3, ta.w - 4, UiFont(12), xp::kBlack, 2);
  }
}

// ---- Paint

Box PaintApp::Tool(int i) const { return {outer.x + 8 + (i % 2) * 25, outer.y + 62 + (i / 2) * 25, 24, 24}; }

Box PaintApp::Swatch(int i) const {
  return {outer.x + 60 + 30 + (i % 14) * 16, outer.y + outer.h - 62 + (i / 14) * 16, 15, 15};
}

Box PaintApp::MenuTitle(int i) const {
  static const int lefts[] = {4, 52, 100, 148, 196, 244, 292};
  return {outer.x + 4 + lefts[i], outer.y + 31, lefts[i + 1] - lefts[i], 19};
}

static const Rgb kPalette[28] = {
    Hex(0x000000), Hex(0x808080), Hex(0x800000), Hex(0x808000), Hex(0x008000), Hex(0x008080), Hex(0x000080),
    Hex(0x800080), Hex(0x808040), Hex(0x004040), Hex(0x0080FF), Hex(0x004080), Hex(0x8000FF), Hex(0x804000),
    Hex(0xFFFFFF), Hex(0xC0C0C0), Hex(0xFF0000), Hex(0xFFFF00), Hex(0x00FF00), Hex(0x00FFFF), Hex(0x0000FF),
    Hex(0xFF00FF), Hex(0xFFFF80), Hex(0x00FF80), Hex(0x80FFFF), Hex(0x8080FF), Hex(0xFF0080), Hex(0xFF8040)};

void PaintApp::Paint(cairo_t* cr) const {
  Desktop d;
  d.Tasks({{"未命名 - 画图", Icon::kPaint, true}});
  d.Paint(cr);
  xp::WindowParts w = xp::Window(cr, outer, "未命名 - 画图", Icon::kPaint);
  const char* titles[] = {"文件(F)", "编辑(E)", "查看(V)", "图像(I)", "颜色(C)", "帮助(H)"};
  for (int i = 0; i < 6; ++i) Text(cr, titles[i], MenuTitle(i), UiFont(12), xp::kBlack, Align::kCenter);
  FillBox(cr, {w.client.x, w.client.y + 20, w.client.w, w.client.h - 20}, Hex(0x808080));
  FillBox(cr, {w.client.x, w.client.y + 20, 56, w.client.h - 20}, xp::kFace);
  static const char* glyph[] = {"✶", "□", "◇", "▢", "⊘", "◐", "✎", "◎", "✒", "Ａ", "／", "∽", "□", "◇", "○", "▭"};
  (void)glyph;
  for (int i = 0; i < 16; ++i) {
    Box t = Tool(i);
    if (i == tool) {
      FillBox(cr, t, xp::kWhite);
      Sunken(cr, t);
    } else {
      Raised(cr, t);
    }
    // simple pictograms
    SetColor(cr, xp::kBlack);
    cairo_set_line_width(cr, 1.2);
    Box g = t.Inset(6);
    switch (i % 8) {
      case 0: cairo_rectangle(cr, g.x + 0.5, g.y + 0.5, g.w, g.h); break;
      case 1: cairo_move_to(cr, g.x, g.Bottom()); cairo_line_to(cr, g.Right(), g.y); break;
      case 2: cairo_arc(cr, g.CenterX(), g.CenterY(), g.w / 2.0, 0, 6.2832); break;
      case 3: cairo_move_to(cr, g.x, g.y); cairo_line_to(cr, g.Right(), g.CenterY()); cairo_line_to(cr, g.x, g.Bottom()); break;
      case 4: cairo_rectangle(cr, g.x + 2.5, g.y + 0.5, g.w - 4, g.h); break;
      case 5: cairo_move_to(cr, g.x, g.CenterY()); cairo_curve_to(cr, g.x + 4, g.y, g.Right() - 4, g.Bottom(), g.Right(), g.CenterY()); break;
      case 6: cairo_move_to(cr, g.x, g.Bottom()); cairo_line_to(cr, g.x + 3, g.Bottom() - 3); cairo_line_to(cr, g.Right(), g.y); break;
      case 7: cairo_rectangle(cr, g.x + 0.5, g.y + 2.5, g.w, g.h - 5); break;
    }
    cairo_stroke(cr);
  }
  Box canvas = Canvas();
  FillBox(cr, canvas, xp::kWhite);
  for (const auto& [b, c] : shapes) StrokeBox(cr, b, c, 2);
  // colour box
  Box pal{outer.x + 60, outer.y + outer.h - 62, outer.w - 66, 34};
  FillBox(cr, {pal.x - 60, pal.y - 2, outer.w - 8, 36}, xp::kFace);
  FillBox(cr, {pal.x + 2, pal.y + 2, 24, 28}, xp::kWhite);
  FillBox(cr, {pal.x + 4, pal.y + 4, 12, 12}, color);
  StrokeBox(cr, {pal.x + 4, pal.y + 4, 12, 12}, Hex(0x808080));
  for (int i = 0; i < 28; ++i) {
    Box s = Swatch(i);
    FillBox(cr, s, kPalette[i]);
    Sunken(cr, s);
  }
}

// ---- Calculator

Box Calculator::Key(const std::string& label) const {
  static const char* grid[4][6] = {{"7", "8", "9", "/", "sqrt", ""},
                                   {"4", "5", "6", "*", "%", ""},
                                   {"1", "2", "3", "-", "1/x", ""},
                                   {"0", "+/-", ".", "+", "=", ""}};
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 5; ++c)
      if (label == grid[r][c]) return {x + 54 + c * 39, y + 116 + r * 31, 35, 27};
  if (label == "Backspace") return {x + 54, y + 84, 64, 27};
  if (label == "CE") return {x + 122, y + 84, 64, 27};
  if (label == "C") return {x + 190, y + 84, 64, 27};
  throw std::runtime_error("no calculator key " + label);
}

void Calculator::Paint(cairo_t* cr) const {
  Desktop d;
  d.Tasks({{"计算器", Icon::kCalculator, true}});
  d.Paint(cr);
  xp::WindowParts w = xp::Window(cr, {x, y, 262, 252}, "计算器", Icon::kCalculator, true, false, xp::Buttons::kAll);
  const char* titles[] = {"编辑(E)", "查看(V)", "帮助(H)"};
  for (int i = 0; i < 3; ++i) Text(cr, titles[i], {w.client.x + 4 + i * 50, w.client.y, 50, 19}, UiFont(12), xp::kBlack, Align::kCenter);
  Box disp{x + 10, y + 56, 242, 22};
  FillBox(cr, disp, xp::kWhite);
  StrokeBox(cr, disp, xp::kFieldEdge);
  Text(cr, display, {disp.x, disp.y, disp.w - 6, disp.h}, Font{Face::kSans, 12}, xp::kBlack, Align::kRight);
  Box mem{x + 10, y + 84, 36, 27};
  Sunken(cr, mem);
  const char* mem_keys[] = {"MC", "MR", "MS", "M+"};
  for (int i = 0; i < 4; ++i)
    xp::PushButton(cr, {x + 10, y + 116 + i * 31, 36, 27}, mem_keys[i]);
  const char* keys[] = {"Backspace", "CE", "C", "7", "8", "9", "/", "sqrt", "4", "5", "6", "*", "%",
                        "1", "2", "3", "-", "1/x", "0", "+/-", ".", "+", "="};
  for (const char* k : keys) {
    Box b = Key(k);
    xp::PushButton(cr, b, k);
    std::string s = k;
    Rgb c = (s >= "0" && s <= "9") || s == "." || s == "+/-" ? Hex(0x0000FF) : Hex(0xFF0000);
    Text(cr, k, b, Font{Face::kSans, 11}, c, Align::kCenter);
  }
}

// ---- Console

Box Console::InputLine() const {
  int y = outer.y + 34 + static_cast<int>(lines.size()) * 14;
  return {outer.x + 4 + 7 * 7 + 12, y, 300, 15};
}

void Console::Paint(cairo_t* cr) const {
  Desktop d;
  d.Tasks({{"命令提示符", Icon::kCommand, true}});
  d.Paint(cr);
  xp::WindowParts w = xp::Window(cr, outer, "命令提示符", Icon::kCommand);
  FillBox(cr, w.client, xp::kBlack);
  Font mono{Face::kSans, 11};
  int y = w.client.y + 4;
  for (const auto& l : lines) {
    TextAt(cr, l, w.client.x + 2, y, mono, Hex(0xC0C0C0));
    y += 14;
  }
  TextAt(cr, "C:\\Documents and Settings\\Administrator>", w.client.x + 2, y, mono, Hex(0xC0C0C0));
}

std::unique_ptr<Image> CropScreen(const std::function<void(cairo_t*)>& paint, const Box& region) {
  Image full(800, 600);
  paint(full.cr());
  return full.Crop(region);
}

}  // namespace xpexam::bankgen
