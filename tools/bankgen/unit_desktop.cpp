// Unit 1: the desktop and its icons.
#include "tools/bankgen/content.h"

namespace xpexam::bankgen {

using namespace keys;

void UnitDesktop(Kit& k) {
  k.bank().AddUnit("桌面基本操作");
  const Desktop d;
  auto cell = [&d](const std::string& name) { return d.Cell(name).whole; };
  const Box empty = Desktop::Empty();
  auto desk_sel = [&](const std::vector<std::string>& names) {
    Desktop s = d;
    s.Select(names);
    return k.Desk(s);
  };

  // Opening icons by double-clicking them.
  struct Open {
    std::string icon, result, tip;
    std::function<std::string()> screen;
  };
  const std::vector<Open> opens = {
      {"我的电脑", "“我的电脑”窗口", "显示连接到这台计算机的驱动器和硬件。", [&] { return k.Folder(world::MyComputer()); }},
      {"我的文档", "“我的文档”窗口", "存储文档、图形或其它文件。", [&] { return k.Folder(world::MyDocuments()); }},
      {"网上邻居", "“网上邻居”窗口", "显示到网络上的计算机、打印机和其它资源的快捷方式。", [&] { return k.Folder(world::Network()); }},
      {"回收站", "“回收站”窗口", "包含您已经删除的文件和文件夹。", [&] { return k.Folder(world::RecycleBin(true)); }},
      {"学习资料", "“学习资料”文件夹窗口", "",
       [&] {
         FolderWindow w = world::StudyFolder();
         w.Address("C:\\Documents and Settings\\Administrator\\桌面\\学习资料");
         return k.Folder(w);
       }},
      {"工作计划.txt", "“工作计划.txt”文件", "类型: 文本文档\n大小: 86 字节",
       [&] { return k.Screen([](cairo_t* cr) { world::PlanFile().Paint(cr); }); }},
      {"记事本", "“记事本”程序", "打开记事本程序。", [&] { return k.Screen([](cairo_t* cr) { Notepad().Paint(cr); }); }},
      {"Internet Explorer", "Internet Explorer", "显示 Internet 上的信息和网站。",
       [&] { return k.Screen([](cairo_t* cr) { world::PaintBrowser(cr, "http://www.example.invalid/", "练习网站首页"); }); }},
  };
  for (const auto& o : opens) {
    Question& q = k.Ask("在桌面上用鼠标双击“" + o.icon + "”图标，打开" + o.result + "。");
    q.Screen(k.Desk(d)).DblClick(cell(o.icon), "双击“" + o.icon + "”图标");
    if (!o.tip.empty() && o.tip.find('\n') == std::string::npos) q.Tip(o.tip);
    q.Screen(o.screen()).Done();
  }

  // Selecting icons.
  k.Ask("单击桌面上的“我的电脑”图标，将其选定。")
      .Screen(k.Desk(d))
      .Click(cell("我的电脑"), "单击“我的电脑”图标")
      .Screen(desk_sel({"我的电脑"}))
      .Done();
  k.Ask("单击“我的电脑”图标的文字部分或图标部分，将其选定。")
      .Screen(k.Desk(d))
      .Click(d.Cell("我的电脑").icon, "单击“我的电脑”的图标或文字")
      .PressRegion(d.Cell("我的电脑").label)
      .Screen(desk_sel({"我的电脑"}))
      .Done();
  k.Ask("先选定“我的文档”图标，再按住 Ctrl 键单击“回收站”图标，同时选定这两个图标。")
      .Screen(k.Desk(d))
      .Click(cell("我的文档"), "单击“我的文档”图标")
      .Screen(desk_sel({"我的文档"}))
      .Press(kCtrl, 1, cell("回收站"), "按住 Ctrl 键单击“回收站”图标")
      .Screen(desk_sel({"我的文档", "回收站"}))
      .Done();
  k.Ask("先选定“我的文档”图标，再按住 Shift 键单击“Internet Explorer”图标，选定它们之间的全部图标。")
      .Screen(k.Desk(d))
      .Click(cell("我的文档"), "单击“我的文档”图标")
      .Screen(desk_sel({"我的文档"}))
      .Press(kShift, 1, cell("Internet Explorer"), "按住 Shift 键单击“Internet Explorer”图标")
      .Screen(desk_sel({"我的文档", "我的电脑", "网上邻居", "回收站", "Internet Explorer"}))
      .Done();
  k.Ask("单击桌面空白处，再按 Ctrl+A 组合键选定桌面上的全部图标。")
      .Screen(desk_sel({"我的电脑"}))
      .Click(empty, "单击桌面空白处")
      .Screen(k.Desk(d))
      .Key(kCtrl, 'A', "按 Ctrl+A 组合键")
      .HintAt(260, 320)
      .Screen(desk_sel({"我的文档", "我的电脑", "网上邻居", "回收站", "Internet Explorer", "学习资料", "工作计划.txt",
                        "记事本", "风景.bmp"}))
      .Done();
  {
    // A rubber band from the empty area right of the second column, over its first three icons.
    Box start{168, 26, 60, 14};
    Box end{90, 198, 70, 30};
    k.Ask("用鼠标拖动出一个矩形框，同时选定“学习资料”“工作计划.txt”和“记事本”三个图标。")
        .Screen(k.Desk(d))
        .RubberBand(0, start, end, "从右上方空白处按下鼠标，向左下方拖动框住三个图标后松开")
        .Screen(desk_sel({"学习资料", "工作计划.txt", "记事本"}))
        .Done();
  }

  // Pointing at icons.
  k.Ask("将鼠标指向桌面上的“我的电脑”图标，查看它的提示信息。")
      .Screen(k.Desk(d))
      .Hover(cell("我的电脑"), "将鼠标指向“我的电脑”图标")
      .Tip("显示连接到这台计算机的驱动器和硬件。")
      .Screen(k.Desk(d, [&](cairo_t* cr) { xp::ToolTip(cr, 60, 144, "显示连接到这台计算机的驱动器和硬件。"); }))
      .Done();
  k.Ask("将鼠标指向桌面上的“Internet Explorer”图标，鼠标指针变为手形时查看提示信息。")
      .Screen(k.Desk(d))
      .Hover(cell("Internet Explorer"), "将鼠标指向“Internet Explorer”图标")
      .Pointer("M0001")
      .Tip("显示 Internet 上的信息和网站。")
      .Screen(k.Desk(d, [&](cairo_t* cr) { xp::ToolTip(cr, 60, 366, "显示 Internet 上的信息和网站。"); }))
      .Done();

  // The desktop's own context menu.
  struct Arrange {
    int item;
    std::string what;
    std::vector<std::string> order;
  };
  const std::vector<Arrange> arranges = {
      {0, "名称", {"风景.bmp", "工作计划.txt", "记事本", "学习资料"}},
      {1, "大小", {"学习资料", "记事本", "工作计划.txt", "风景.bmp"}},
      {2, "类型", {"学习资料", "记事本", "风景.bmp", "工作计划.txt"}},
      {3, "修改时间", {"工作计划.txt", "学习资料", "风景.bmp", "记事本"}},
  };
  for (const auto& a : arranges)
    k.Ask("将桌面上的图标按“" + a.what + "”排列。")
        .Screen(k.Desk(d))
        .Popup(1, 1, 1, a.item, empty, PopupHint("右键单击桌面空白处", 1, 1, 1, a.item))
        .Screen(k.Desk(world::ArrangedDesktop(a.order)))
        .Done();
  k.Ask("设置桌面图标“自动排列”。")
      .Screen(k.Desk(d))
      .Popup(1, 1, 1, 5, empty, PopupHint("右键单击桌面空白处", 1, 1, 1, 5))
      .Screen(k.Desk(world::ArrangedDesktop({"学习资料", "工作计划.txt", "记事本", "风景.bmp"})))
      .Done();
  k.Ask("设置桌面图标“对齐到网格”。")
      .Screen(k.Desk(d))
      .Popup(1, 1, 1, 6, empty, PopupHint("右键单击桌面空白处", 1, 1, 1, 6))
      .Screen(k.Desk(d))
      .Done();
  k.Ask("隐藏桌面上的全部图标。")
      .Screen(k.Desk(d))
      .Popup(1, 1, 1, 8, empty, PopupHint("右键单击桌面空白处", 1, 1, 1, 8))
      .Screen(k.Screen([](cairo_t* cr) {
        xp::Wallpaper(cr);
        xp::Taskbar(cr, {});
      }))
      .Done();
  k.Ask("刷新桌面。")
      .Screen(k.Desk(d))
      .Popup(1, 1, 2, 0, empty, PopupHint("右键单击桌面空白处", 1, 1, 2, 0))
      .Screen(k.Desk(d))
      .Done();
  k.Ask("用功能键刷新桌面。")
      .Screen(k.Desk(d))
      .Click(empty, "单击桌面空白处")
      .Key(0, kF5, "按 F5 键")
      .HintAt(260, 320)
      .Screen(k.Desk(d))
      .Done();
  k.Ask("利用桌面的快捷菜单，把屏幕分辨率设置为 1024 × 768 像素。")
      .Screen(k.Desk(d))
      .Popup(1, 1, 8, 1, empty, PopupHint("右键单击桌面空白处", 1, 1, 8, 1))
      .Screen(k.Desk(d))
      .Done();
  k.Ask("利用桌面快捷菜单中的“图形选项”，打开屏幕旋转设置。")
      .Screen(k.Desk(d))
      .Popup(1, 1, 7, 0, empty, PopupHint("右键单击桌面空白处", 1, 1, 7, 0))
      .Screen(k.Desk(d, dialogs::Simple("旋转", Icon::kDisplay, 300, 150, "选择屏幕的旋转方向：正常(0 度)。"), 150, 120))
      .Done();
  k.Ask("打开“显示 属性”对话框。")
      .Screen(k.Desk(d))
      .Popup(1, 1, 9, 1, empty, PopupHint("右键单击桌面空白处", 1, 1, 9, 1))
      .Screen(k.Desk(d, dialogs::DisplayProperties(0), 40, 20))
      .Done();

  // New items on the desktop.
  // The rename box under a new icon, wide enough for the name it starts with.
  auto rename_box = [](const std::string& name) { return Box{172, 63, std::max(72, TextWidth(name, UiFont(12)) + 8), 18}; };
  auto with_new = [&](const std::string& name, Icon icon, bool editing, bool selected) {
    Desktop s = d;
    // While it is renamed, the icon's label is the edit box alone (a blank label keeps the icon).
    const std::string label = editing ? " " : name;
    s.Add({label, icon, 170, 28});
    if (selected) s.Select({label});
    if (!editing) return k.Desk(s);
    return k.Desk(s, [&](cairo_t* cr) {
      const Box l = rename_box(name);
      FillBox(cr, l, xp::kWhite);
      StrokeBox(cr, l, xp::kBlack);
      FillBox(cr, {l.x + 2, l.y + 2, TextWidth(name, UiFont(12)) + 2, 14}, xp::kSelection);
      TextAt(cr, name, l.x + 3, l.y + 2, UiFont(12), xp::kWhite);
    });
  };
  k.Ask("在桌面上新建一个文件夹，命名为“个人资料”。")
      .Screen(k.Desk(d))
      .Popup(1, 1, 3, 0, empty, PopupHint("右键单击桌面空白处", 1, 1, 3, 0))
      .Screen(with_new("新建文件夹", Icon::kFolder, true, true))
      .Type("0020", rename_box("新建文件夹"), "个人资料", "个人资料", "新建文件夹")
      .Screen(with_new("个人资料", Icon::kFolder, false, true))
      .Key(0, kEnter, "按回车键确认")
      .HintAt(172, 90)
      .Screen(with_new("个人资料", Icon::kFolder, false, false))
      .Done();
  k.Ask("在桌面上新建一个文本文档，文件名为“Meeting.txt”(注意大小写)。")
      .Screen(k.Desk(d))
      .Popup(1, 1, 3, 6, empty, PopupHint("右键单击桌面空白处", 1, 1, 3, 6))
      .Screen(with_new("新建 文本文档.txt", Icon::kTextFile, true, true))
      .Type("0025", rename_box("新建 文本文档.txt"), "Meeting.txt", "Meeting.txt", "新建 文本文档.txt")
      .Screen(with_new("Meeting.txt", Icon::kTextFile, false, true))
      .Click(empty, "单击桌面空白处完成命名")
      .Screen(with_new("Meeting.txt", Icon::kTextFile, false, false))
      .Done();
  k.Ask("在桌面上新建一个位图图像文件，保留默认的文件名。")
      .Screen(k.Desk(d))
      .Popup(1, 1, 3, 4, empty, PopupHint("右键单击桌面空白处", 1, 1, 3, 4))
      .Screen(with_new("新建 位图图像.bmp", Icon::kImageFile, true, true))
      .Key(0, kEnter, "按回车键确认文件名")
      .HintAt(172, 90)
      .Screen(with_new("新建 位图图像.bmp", Icon::kImageFile, false, true))
      .Done();
  k.Ask("在桌面上新建一个 Word 文档，命名为“工作总结.doc”。")
      .Screen(k.Desk(d))
      .Popup(1, 1, 3, 5, empty, PopupHint("右键单击桌面空白处", 1, 1, 3, 5))
      .Screen(with_new("新建 Word 文档.doc", Icon::kWordFile, true, true))
      .Type("0020", rename_box("新建 Word 文档.doc"), "工作总结.doc", "工作总结.doc", "新建 Word 文档.doc")
      .Screen(with_new("工作总结.doc", Icon::kWordFile, false, true))
      .Key(0, kEnter, "按回车键确认")
      .HintAt(172, 90)
      .Screen(with_new("工作总结.doc", Icon::kWordFile, false, false))
      .Done();
  k.Ask("在桌面上新建一个压缩(zipped)文件夹。")
      .Screen(k.Desk(d))
      .Popup(1, 1, 3, 7, empty, PopupHint("右键单击桌面空白处", 1, 1, 3, 7))
      .Screen(with_new("新建 压缩(zipped)文件夹.zip", Icon::kZipFolder, false, true))
      .Done();
  k.Ask("利用桌面快捷菜单启动“创建快捷方式”向导。")
      .Screen(k.Desk(d))
      .Popup(1, 1, 3, 1, empty, PopupHint("右键单击桌面空白处", 1, 1, 3, 1))
      .Screen(k.Desk(d, dialogs::Simple("创建快捷方式", Icon::kProgram, 420, 200,
                                        "该向导帮您创建本地或网络程序、文件、文件夹、计算机或 Internet 地址的快捷方式。",
                                        "请键入项目的位置(T):"),
                      60, 60))
      .Done();

  // Copy and paste, rename, delete.
  {
    Desktop copied = d;
    copied.Add({"复件 学习资料", Icon::kFolder, 170, 28});
    k.Ask("复制桌面上的“学习资料”文件夹，并粘贴到桌面上。")
        .Screen(k.Desk(d))
        .Popup(1, 5, 6, 2, cell("学习资料"), PopupHint("右键单击“学习资料”图标", 1, 5, 6, 2))
        .Screen(desk_sel({"学习资料"}))
        .Popup(1, 1, 2, 2, empty, PopupHint("右键单击桌面空白处", 1, 1, 2, 2))
        .Screen(k.Desk(copied.Select({"复件 学习资料"})))
        .Done();
  }
  auto renamed = [&](const std::string& to, bool editing) {
    Desktop s = d;
    s.Rename("学习资料", to).Select({to});
    if (!editing) return k.Desk(s);
    return k.Desk(s, [&](cairo_t* cr) {
      Box l = d.Cell("学习资料").label;
      Box e{l.x - 8, l.y, 72, 18};
      FillBox(cr, e, xp::kWhite);
      StrokeBox(cr, e, xp::kBlack);
      FillBox(cr, {e.x + 2, e.y + 2, TextWidth(to, UiFont(12)) + 2, 14}, xp::kSelection);
      TextAt(cr, to, e.x + 3, e.y + 2, UiFont(12), xp::kWhite);
    });
  };
  Box study_label = d.Cell("学习资料").label;
  Box edit{study_label.x - 8, study_label.y, 72, 18};
  k.Ask("用功能键将桌面上的“学习资料”文件夹重命名为“课程资料”。")
      .Screen(k.Desk(d))
      .Click(cell("学习资料"), "单击“学习资料”图标")
      .Screen(desk_sel({"学习资料"}))
      .Key(0, kF2, "按 F2 键")
      .HintAt(200, 40)
      .Screen(renamed("学习资料", true))
      .Type("0020", edit, "课程资料", "课程资料", "学习资料")
      .Screen(renamed("课程资料", false))
      .Key(0, kEnter, "按回车键确认")
      .HintAt(200, 40)
      .Screen(renamed("课程资料", false))
      .Done();
  k.Ask("用快捷菜单将桌面上的“学习资料”文件夹重命名为“复习资料”或“复习资料夹”。")
      .Screen(k.Desk(d))
      .Popup(1, 5, 6, 7, cell("学习资料"), PopupHint("右键单击“学习资料”图标", 1, 5, 6, 7))
      .Screen(renamed("学习资料", true))
      .Type("0020", edit, "复习资料|复习资料夹", "复习资料|复习资料夹", "学习资料")
      .Screen(renamed("复习资料", false))
      .Click(empty, "单击桌面空白处完成重命名")
      .Screen(k.Desk(Desktop(d).Rename("学习资料", "复习资料")))
      .Done();
  {
    Desktop after = d;
    after.Remove("风景.bmp").RecycleFull(true);
    const int dx = 40, dy = 160;
    Form confirm = dialogs::ConfirmDelete("风景.bmp");
    k.Ask("删除桌面上的“风景.bmp”文件，将其放入回收站。")
        .Screen(k.Desk(d))
        .Click(cell("风景.bmp"), "单击“风景.bmp”图标")
        .Screen(desk_sel({"风景.bmp"}))
        .Key(0, kDelete, "按 Delete 键")
        .HintAt(200, 250)
        .Screen(k.Desk(Desktop(d).Select({"风景.bmp"}), confirm, dx, dy))
        .Click(confirm.At("yes", dx, dy), "单击“是”按钮，或按回车键")
        .OrKey(0, kEnter)
        .Screen(k.Desk(after))
        .Done();
    Form confirm2 = dialogs::ConfirmDelete("工作计划.txt");
    k.Ask("用快捷菜单删除桌面上的“工作计划.txt”文件。")
        .Screen(k.Desk(d))
        .Popup(1, 4, 6, 5, cell("工作计划.txt"), PopupHint("右键单击“工作计划.txt”图标", 1, 4, 6, 5))
        .Screen(k.Desk(Desktop(d).Select({"工作计划.txt"}), confirm2, dx, dy))
        .Click(confirm2.At("yes", dx, dy), "单击“是”按钮")
        .Screen(k.Desk(Desktop(d).Remove("工作计划.txt").RecycleFull(true)))
        .Done();
    Form confirm3 = dialogs::ConfirmDelete("工作计划.txt", false);
    k.Ask("不经过回收站，永久删除桌面上的“工作计划.txt”文件。")
        .Screen(k.Desk(d))
        .Click(cell("工作计划.txt"), "单击“工作计划.txt”图标")
        .Screen(desk_sel({"工作计划.txt"}))
        .Key(kShift, kDelete, "按 Shift+Delete 组合键")
        .HintAt(200, 250)
        .Screen(k.Desk(Desktop(d).Select({"工作计划.txt"}), confirm3, dx, dy))
        .Click(confirm3.At("yes", dx, dy), "单击“是”按钮")
        .Screen(k.Desk(Desktop(d).Remove("工作计划.txt")))
        .Done();
    k.Ask("用鼠标把桌面上的“风景.bmp”文件拖到“回收站”中。")
        .Screen(k.Desk(d))
        .Drag(0, cell("风景.bmp"), cell("回收站"), "把“风景.bmp”拖到“回收站”图标上松开", "M0003")
        .Screen(k.Desk(after))
        .Done();
  }
  {
    // The icon travels as an overlay: shown, moved, then the desktop takes it back.
    Desktop without = d;
    without.Hidden("工作计划.txt");
    xp::IconCell c = d.Cell("工作计划.txt");
    std::string icon_pic = k.Pic(76, 52, [&](cairo_t* cr) {
      cairo_save(cr);
      cairo_translate(cr, -c.whole.x + (76 - c.whole.w) / 2, -c.whole.y);
      Desktop(d).PaintIcons(cr);
      cairo_restore(cr);
    });
    int ox = c.whole.x - (76 - c.whole.w) / 2, oy = c.whole.y;
    Box target{280, 200, 76, 52};
    Desktop moved = d;
    moved.MoveItem("工作计划.txt", 280, 200);
    // One drag, as a learner does it on XP: the press selects the icon and the drag moves it.
    k.Ask("用鼠标把“工作计划.txt”图标拖到桌面中间的空白处。")
        .Screen(k.Desk(without))
        .Show(1, icon_pic, ox, oy)
        .Drag(0, cell("工作计划.txt"), target, "把“工作计划.txt”图标拖到红框处松开", "S0001")
        .Move(1, 280, 200)
        .Auto("图标已移到新位置")
        .Hide(1)
        .Screen(k.Desk(moved))
        .Done();
  }
  {
    Desktop recycled = d;
    recycled.RecycleFull(true);
    Form confirm = dialogs::Question("确认删除多个文件", Icon::kRecycleFull, "确实要删除这 3 项吗？");
    k.Ask("清空回收站。")
        .Screen(k.Desk(recycled))
        .Popup(1, 3, 2, 3, cell("回收站"), PopupHint("右键单击“回收站”图标", 1, 3, 2, 3))
        .Screen(k.Desk(recycled, confirm, 60, 160))
        .Click(confirm.At("yes", 60, 160), "单击“是”按钮")
        .Screen(k.Desk(d))
        .Done();
  }
  {
    Form progress = dialogs::Progress("正在复制...", "学习资料", "桌面", "我的文档", 60);
    k.Ask("用快捷菜单把桌面上的“学习资料”文件夹发送到“我的文档”。")
        .Screen(k.Desk(d))
        .Popup(1, 5, 5, 3, cell("学习资料"), PopupHint("右键单击“学习资料”图标", 1, 5, 5, 3))
        .Screen(k.Desk(d, progress, 120, 150))
        .Auto("正在复制文件，请稍候")
        .Screen(k.Desk(d))
        .Done();
    Form progress2 = dialogs::Progress("正在复制...", "工作计划.txt", "桌面", "可移动磁盘 (H:)", 40);
    k.Ask("用快捷菜单把桌面上的“工作计划.txt”文件发送到“可移动磁盘 (H:)”。")
        .Screen(k.Desk(d))
        .Popup(1, 4, 5, 5, cell("工作计划.txt"), PopupHint("右键单击“工作计划.txt”图标", 1, 4, 5, 5))
        .Screen(k.Desk(d, progress2, 120, 150))
        .Auto("正在复制文件，请稍候")
        .Screen(k.Desk(d))
        .Done();
  }
  {
    Desktop with_window = d;
    with_window.Tasks({{"工作计划.txt - 记事本", Icon::kNotepad, true}});
    Notepad n = world::PlanFile();
    Box show_desktop{126, 575, 20, 20};
    k.Ask("单击快速启动栏中的“显示桌面”按钮，最小化所有窗口。")
        .Screen(k.Screen([&](cairo_t* cr) {
          with_window.Paint(cr);
          n.Paint(cr, false);
        }))
        .Click(show_desktop, "单击快速启动栏中的“显示桌面”按钮")
        .Tip("显示桌面")
        .Screen(k.Desk(Desktop(d).Tasks({{"工作计划.txt - 记事本", Icon::kNotepad, false}})))
        .Done();
  }

  // Context menus of the icons.
  struct Ctx {
    std::string icon;
    int menu, group, item;
    std::string task;
    std::function<std::string()> result;
  };
  const std::vector<Ctx> ctxs = {
      {"我的电脑", 2, 2, 0, "用快捷菜单打开“我的电脑”窗口。", [&] { return k.Folder(world::MyComputer()); }},
      {"我的电脑", 2, 2, 1, "用快捷菜单以资源管理器方式打开“我的电脑”。",
       [&] {
         FolderWindow w = world::MyComputer();
         w.Tree({{0, "桌面"}, {1, "我的文档"}, {1, "我的电脑"}, {2, "本地磁盘 (C:)"}, {2, "本地磁盘 (D:)"},
                 {2, "DVD 驱动器 (G:)"}, {1, "网上邻居"}, {1, "回收站"}},
                2);
         return k.Folder(w);
       }},
      {"我的电脑", 2, 2, 2, "从“我的电脑”的快捷菜单打开“搜索结果”窗口。",
       [&] {
         FolderWindow w("搜索结果", Icon::kSearch, "搜索结果", {});
         w.Pane({{"您要查找什么？", {{Icon::kPictures, "图片、音乐或视频"}, {Icon::kWordFile, "文档"}, {Icon::kFolder, "所有文件和文件夹"}}}});
         return k.Folder(w);
       }},
      {"我的电脑", 2, 2, 3, "打开“计算机管理”窗口。",
       [&] { return k.Desk(d, dialogs::Simple("计算机管理", Icon::kSystem, 420, 260, "计算机管理(本地)：系统工具、存储、服务和应用程序。"), 60, 40); }},
      {"我的电脑", 2, 4, 2, "打开“系统属性”对话框。", [&] { return k.Desk(d, dialogs::SystemProperties(0), 20, 40); }},
      {"我的电脑", 2, 2, 5, "打开“映射网络驱动器”对话框。",
       [&] { return k.Desk(d, dialogs::Simple("映射网络驱动器", Icon::kNetwork, 420, 200, "Windows 可以帮助您连接到共享的网络文件夹。", "文件夹(O):"), 60, 60); }},
      {"回收站", 3, 2, 0, "用快捷菜单打开“回收站”。", [&] { return k.Folder(world::RecycleBin(true)); }},
      {"回收站", 3, 2, 7, "打开“回收站 属性”对话框。", [&] { return k.Desk(d, dialogs::RecycleBinProperties(), 40, 40); }},
      {"工作计划.txt", 4, 2, 0, "用快捷菜单打开“工作计划.txt”。", [&] { return k.Screen([](cairo_t* cr) { world::PlanFile().Paint(cr); }); }},
      {"工作计划.txt", 4, 2, 2, "用快捷菜单编辑“工作计划.txt”。", [&] { return k.Screen([](cairo_t* cr) { world::PlanFile().Paint(cr); }); }},
      {"工作计划.txt", 4, 3, 1, "用“写字板”打开“工作计划.txt”。",
       [&] {
         Notepad n = world::PlanFile();
         n.title = "工作计划.txt - 写字板";
         return k.Screen([n](cairo_t* cr) { n.Paint(cr); });
       }},
      {"工作计划.txt", 4, 6, 8, "查看“工作计划.txt”的属性。",
       [&] { return k.Desk(d, dialogs::FileProperties("工作计划.txt", Icon::kTextFile, "文本文档", "C:\\Documents and Settings\\Administrator\\桌面", "86 字节"), 40, 40); }},
      {"学习资料", 5, 2, 0, "用快捷菜单打开“学习资料”文件夹。",
       [&] {
         FolderWindow w = world::StudyFolder();
         w.Address("C:\\Documents and Settings\\Administrator\\桌面\\学习资料");
         return k.Folder(w);
       }},
      {"学习资料", 5, 2, 4, "打开“学习资料”文件夹的“共享和安全”设置。",
       [&] { return k.Desk(d, dialogs::FileProperties("学习资料", Icon::kFolder, "文件夹", "C:\\Documents and Settings\\Administrator\\桌面", "1.20 MB"), 40, 40); }},
      {"我的文档", 6, 6, 7, "打开“我的文档 属性”对话框。",
       [&] { return k.Desk(d, dialogs::FileProperties("我的文档", Icon::kMyDocuments, "系统文件夹", "C:\\Documents and Settings\\Administrator", "2.35 MB"), 40, 40); }},
      {"我的文档", 6, 2, 1, "以资源管理器方式打开“我的文档”。", [&] { return k.Folder(world::MyDocuments()); }},
      {"网上邻居", 7, 2, 2, "从“网上邻居”的快捷菜单搜索网络上的计算机。",
       [&] { return k.Folder(FolderWindow("搜索结果 - 计算机", Icon::kSearch, "搜索结果 - 计算机", {})); }},
      {"Internet Explorer", 8, 2, 5, "打开“Internet 属性”对话框。", [&] { return k.Desk(d, dialogs::InternetOptions("http://www.example.invalid/"), 40, 40); }},
      {"Internet Explorer", 8, 2, 0, "用快捷菜单打开 Internet Explorer 的主页。",
       [&] { return k.Screen([](cairo_t* cr) { world::PaintBrowser(cr, "http://www.example.invalid/", "练习网站首页"); }); }},
      {"记事本", 9, 2, 2, "打开“记事本”快捷方式所指程序所在的文件夹。",
       [&] {
         FolderWindow w("system32", Icon::kFolderOpen, "C:\\WINDOWS\\system32",
                        {{"calc.exe", Icon::kCalculator, "应用程序"}, {"cmd.exe", Icon::kCommand, "应用程序"},
                         {"mspaint.exe", Icon::kPaint, "应用程序"}, {"notepad.exe", Icon::kNotepad, "应用程序"}});
         w.Select({"notepad.exe"});
         return k.Folder(w);
       }},
  };
  for (const auto& c : ctxs)
    k.Ask(c.task)
        .Screen(k.Desk(d))
        .Popup(1, c.menu, c.group, c.item, cell(c.icon), PopupHint("右键单击“" + c.icon + "”图标", 1, c.menu, c.group, c.item))
        .Screen(c.result())
        .Done();
}

}  // namespace xpexam::bankgen
