#include "tools/bankgen/content.h"

namespace xpexam::bankgen {

std::string Kit::Screen(const std::function<void(cairo_t*)>& paint) { return bank_.pictures().Draw(800, 600, paint); }

std::string Kit::Pic(int w, int h, const std::function<void(cairo_t*)>& paint) {
  return bank_.pictures().Draw(w, h, paint);
}

std::string Kit::FormPic(const Form& f) {
  return Pic(f.width(), f.height(), [&f](cairo_t* cr) { f.Paint(cr, 0, 0); });
}

std::string Kit::Desk(const Desktop& d) {
  return Screen([&d](cairo_t* cr) { d.Paint(cr); });
}

std::string Kit::Desk(const Desktop& d, const Form& f, int x, int y) {
  return Screen([&](cairo_t* cr) {
    d.Paint(cr);
    f.Paint(cr, x, y);
  });
}

std::string Kit::Desk(const Desktop& d, const std::function<void(cairo_t*)>& extra) {
  return Screen([&](cairo_t* cr) {
    d.Paint(cr);
    extra(cr);
  });
}

std::string Kit::Folder(const FolderWindow& w) {
  return Screen([&w](cairo_t* cr) { w.Paint(cr); });
}

std::string Kit::Folder(const FolderWindow& w, const Form& f, int x, int y) {
  return Screen([&](cairo_t* cr) {
    w.Paint(cr);
    f.Paint(cr, x, y);
  });
}

std::string Kit::Folder(const FolderWindow& w, const std::function<void(cairo_t*)>& extra) {
  return Screen([&](cairo_t* cr) {
    w.Paint(cr);
    extra(cr);
  });
}

std::string Kit::Menu(const std::vector<xp::MenuItem>& items, int highlight, std::vector<Box>* rows, int width) {
  if (width <= 0) width = xp::MenuWidth(items);
  int h = xp::MenuHeight(items);
  if (rows) *rows = xp::PopupMenuLayout(0, 0, items, width);
  return Pic(width, h, [&](cairo_t* cr) { xp::PopupMenu(cr, 0, 0, items, highlight, width); });
}

std::string Kit::Handle(const std::function<void(cairo_t*)>& paint, const Box& region) {
  auto img = CropScreen(paint, region);
  return bank_.pictures().Add(*img, PictureStore::Kind::kBmp);
}

void AddTabPages(Kit& k, char layout, const std::function<Form(int)>& make) {
  int first = 0, count = 0;
  switch (layout) {
    case 'A': first = 110009; count = 7; break;
    case 'B': first = 120010; count = 4; break;
    case 'C': first = 120038; count = 3; break;
    case 'D': first = 140002; count = 5; break;
  }
  for (int t = 0; t < count; ++t) {
    Form f = make(t);
    Image img(f.width(), f.height());
    f.Paint(img.cr(), 0, 0);
    k.bank().pictures().AddNamed(std::to_string(first + t), img);
  }
}

Box LeftOfBar(const Box& b) {
  if (b.Bottom() <= 358 || b.Right() <= 468) return b;
  return {b.x, b.y, 467 - b.x, b.h};
}

std::string PopupHint(const std::string& what, int type, int menu, int group, int item) {
  std::string cascade = PopupCascade(type, menu, group);
  std::string path = cascade.empty() ? "" : "“" + cascade + "”→";
  return what + "，选择" + path + "“" + PopupItem(type, menu, group, item) + "”";
}

void BuildBank(Bank& bank) {
  Kit k(bank);
  UnitDesktop(k);
  UnitStartMenu(k);
  UnitWindows(k);
  UnitFolders(k);
  UnitFiles(k);
  UnitExplorer(k);
  UnitRecycle(k);
  UnitDisplay(k);
  UnitDevices(k);
  UnitSystem(k);
  UnitAccessories(k);
  UnitMixed(k);
}

}  // namespace xpexam::bankgen

namespace xpexam::bankgen::world {

FolderWindow MyComputer() {
  FolderWindow w("我的电脑", Icon::kMyComputer, "我的电脑",
                 {{"共享文档", Icon::kFolder, "文件夹"},
                  {"Administrator 的文档", Icon::kFolder, "文件夹"},
                  {"本地磁盘 (C:)", Icon::kHardDisk, "本地磁盘"},
                  {"本地磁盘 (D:)", Icon::kHardDisk, "本地磁盘"},
                  {"3.5 软盘 (A:)", Icon::kFloppy, "3.5 英寸软盘"},
                  {"DVD 驱动器 (G:)", Icon::kCdDrive, "CD 驱动器"},
                  {"可移动磁盘 (H:)", Icon::kRemovable, "可移动磁盘"}});
  w.Pane({{"系统任务",
           {{Icon::kSystem, "查看系统信息"}, {Icon::kAddRemove, "添加/删除程序"}, {Icon::kControlPanel, "更改一个设置"}}},
          {"其它位置",
           {{Icon::kNetwork, "网上邻居"}, {Icon::kMyDocuments, "我的文档"}, {Icon::kControlPanel, "控制面板"}}}});
  return w;
}

FolderWindow MyDocuments() {
  return FolderWindow("我的文档", Icon::kMyDocuments, "C:\\Documents and Settings\\Administrator\\My Documents",
                      {{"图片收藏", Icon::kPictures, "文件夹"},
                       {"我的音乐", Icon::kMusic, "文件夹"},
                       {"工作报告.doc", Icon::kWordFile, "Word 文档", "24 KB"},
                       {"通讯录.txt", Icon::kTextFile, "文本文档", "2 KB"}});
}

FolderWindow Network() {
  FolderWindow w("网上邻居", Icon::kNetwork, "网上邻居",
                 {{"办公室 上的 共享资料", Icon::kFolder, "网络共享"}, {"教室 上的 公共", Icon::kFolder, "网络共享"}});
  w.Pane({{"网络任务",
           {{Icon::kNetwork, "添加一个网上邻居"}, {Icon::kNetwork, "查看网络连接"}, {Icon::kUsers, "查看工作组计算机"}}},
          {"其它位置", {{Icon::kDisplay, "桌面"}, {Icon::kMyComputer, "我的电脑"}, {Icon::kMyDocuments, "我的文档"}}}});
  return w;
}

FolderWindow RecycleBin(bool empty) {
  std::vector<FileItem> items;
  if (!empty)
    items = {{"旧报告.doc", Icon::kWordFile, "Word 文档", "31 KB"},
             {"临时.txt", Icon::kTextFile, "文本文档", "1 KB"},
             {"草图.bmp", Icon::kImageFile, "位图图像", "352 KB"}};
  FolderWindow w("回收站", empty ? Icon::kRecycleEmpty : Icon::kRecycleFull, "回收站", items);
  w.Pane({{"回收站任务", {{Icon::kRecycleEmpty, "清空回收站"}, {Icon::kFolderOpen, "还原所有项目"}}},
          {"其它位置", {{Icon::kDisplay, "桌面"}, {Icon::kMyDocuments, "我的文档"}, {Icon::kMyComputer, "我的电脑"}}}});
  return w;
}

FolderWindow StudyFolder() {
  return FolderWindow("学习资料", Icon::kFolderOpen, "D:\\学习资料",
                      {{"语文.doc", Icon::kWordFile, "Word 文档", "48 KB"},
                       {"数学.doc", Icon::kWordFile, "Word 文档", "36 KB"},
                       {"英语.doc", Icon::kWordFile, "Word 文档", "52 KB"},
                       {"照片", Icon::kFolder, "文件夹"},
                       {"笔记.txt", Icon::kTextFile, "文本文档", "3 KB"},
                       {"课程表.bmp", Icon::kImageFile, "位图图像", "769 KB"},
                       {"资料.zip", Icon::kZipFolder, "压缩(zipped)文件夹", "120 KB"}});
}

FolderWindow DriveD() {
  FolderWindow w("本地磁盘 (D:)", Icon::kHardDisk, "D:\\",
                 {{"学习资料", Icon::kFolder, "文件夹"},
                  {"软件", Icon::kFolder, "文件夹"},
                  {"备份", Icon::kFolder, "文件夹"},
                  {"说明.txt", Icon::kTextFile, "文本文档", "1 KB"}});
  return w;
}

FolderWindow ControlPanel() {
  FolderWindow w("控制面板", Icon::kControlPanel, "控制面板",
                 {{"显示", Icon::kDisplay, "控制面板项目"},
                  {"鼠标", Icon::kMouse, "控制面板项目"},
                  {"声音和音频设备", Icon::kSound, "控制面板项目"},
                  {"日期和时间", Icon::kClock, "控制面板项目"},
                  {"区域和语言选项", Icon::kRegional, "控制面板项目"},
                  {"系统", Icon::kSystem, "控制面板项目"},
                  {"任务栏和「开始」菜单", Icon::kTaskbar, "控制面板项目"},
                  {"文件夹选项", Icon::kFolderOptions, "控制面板项目"},
                  {"用户帐户", Icon::kUsers, "控制面板项目"},
                  {"添加或删除程序", Icon::kAddRemove, "控制面板项目"},
                  {"字体", Icon::kFonts, "控制面板项目"},
                  {"打印机和传真", Icon::kPrinter, "控制面板项目"},
                  {"键盘", Icon::kKeyboard, "控制面板项目"},
                  {"电源选项", Icon::kPower, "控制面板项目"}});
  w.Pane({{"控制面板", {{Icon::kControlPanel, "切换到分类视图"}}},
          {"请参阅", {{Icon::kInternetExplorer, "Windows Update"}, {Icon::kHelp, "帮助和支持"}}}});
  return w;
}

Notepad PlanFile() {
  Notepad n;
  n.title = "工作计划.txt - 记事本";
  n.text = "本周工作计划\n1. 整理学习资料\n2. 完成 Windows XP 上机练习\n3. 备份重要文件";
  return n;
}

void PaintBrowser(cairo_t* cr, const std::string& address, const std::string& heading) {
  Desktop().PaintIcons(cr);
  xp::Window(cr, {0, 0, 800, 570}, heading + " - Internet Explorer", Icon::kInternetExplorer, true, true);
  xp::MenuBar(cr, 800, BarTitles());
  xp::ToolbarAndAddress(cr, 800, address, Icon::kInternetExplorer);
  Box page{0, 125, 800, 425};
  FillBox(cr, page, xp::kWhite);
  VGradient(cr, {20, 145, 760, 60}, Hex(0x3C7FD9), Hex(0x123F86));
  TextAt(cr, heading, 40, 160, Font{Face::kHei, 22, true}, xp::kWhite);
  TextWrapped(cr, "欢迎访问本站。这里提供 Windows XP 操作练习的说明、常见问题和学习资料下载。", 40, 230, 700,
              Font{Face::kSong, 14}, Hex(0x333333), 6);
  xp::StatusBar(cr, {0, 550, 800, 20}, "完毕");
  xp::Taskbar(cr, {{heading + " - Internet Explorer", Icon::kInternetExplorer, true}});
}

Desktop ArrangedDesktop(const std::vector<std::string>& order) {
  Desktop d;
  for (size_t i = 0; i < order.size(); ++i) d.MoveItem(order[i], 88, 28 + static_cast<int>(i) * 74);
  return d;
}

}  // namespace xpexam::bankgen::world
