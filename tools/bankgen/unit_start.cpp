// Unit 2: the Start menu and the taskbar.
#include "tools/bankgen/content.h"

namespace xpexam::bankgen {

using namespace keys;

void UnitStartMenu(Kit& k) {
  k.bank().AddUnit("「开始」菜单与任务栏");
  const Desktop d;
  const StartMenu menu;
  const xp::TaskbarParts bar = d.TaskbarBoxes();
  const Box start = bar.start;
  Desktop pressed = d;
  pressed.StartPressed(true);
  const std::string desk = k.Desk(d);
  const std::string desk_pressed = k.Desk(pressed);
  auto menu_pic = [&](const std::string& highlight) {
    return k.Pic(StartMenu::kWidth, StartMenu::kHeight, [&](cairo_t* cr) {
      cairo_save(cr);
      cairo_translate(cr, -StartMenu::kLeft, -StartMenu::kTop);
      menu.Paint(cr, highlight);
      cairo_restore(cr);
    });
  };
  const std::string menu_plain = menu_pic("");

  k.Ask("用键盘打开「开始」菜单。")
      .Screen(desk)
      .Key(kCtrl, kEsc, "按 Ctrl+Esc 组合键")
      .Screen(desk_pressed)
      .Show(1, menu_plain, StartMenu::kLeft, StartMenu::kTop)
      .Done();
  k.Ask("单击“开始”按钮，打开「开始」菜单。")
      .Screen(desk)
      .Click(start, "单击“开始”按钮")
      .Tip("单击这里开始")
      .Screen(desk_pressed)
      .Show(1, menu_plain, StartMenu::kLeft, StartMenu::kTop)
      .Done();

  // All Programs and Accessories, as drawn cascades that open on hover.
  const Cascade all = AllPrograms(), acc = Accessories();
  const Box all_row = menu.ItemOnScreen("所有程序(P)");
  const int all_x = 186, all_y = 532 - all.Height();
  const Box acc_row_rel = all.Row("附件");
  const int acc_x = all_x + all.width - 3;
  const int acc_y = std::min(all_y + acc_row_rel.y - 3, xp::kTaskbarTop - acc.Height());
  const std::string all_pic = k.Pic(all.width, all.Height(), [&](cairo_t* cr) { all.Paint(cr, 0, 0); });
  const std::string all_hi = k.Pic(all.width, all.Height(), [&](cairo_t* cr) { all.Paint(cr, 0, 0, "附件"); });
  struct Program {
    std::string name;
    std::function<std::string()> result;
  };
  const std::vector<Program> programs = {
      {"记事本", [&] { return k.Screen([](cairo_t* cr) { Notepad().Paint(cr); }); }},
      {"画图", [&] { return k.Screen([](cairo_t* cr) { PaintApp().Paint(cr); }); }},
      {"计算器", [&] { return k.Screen([](cairo_t* cr) { Calculator().Paint(cr); }); }},
      {"命令提示符", [&] { return k.Screen([](cairo_t* cr) { Console().Paint(cr); }); }},
  };
  for (size_t i = 0; i < programs.size(); ++i) {
    const auto& p = programs[i];
    Box row = acc.Row(p.name).Offset(acc_x, acc_y);
    Box aim = LeftOfBar(row);
    std::string acc_pic = k.Pic(acc.width, acc.Height(), [&](cairo_t* cr) { acc.Paint(cr, 0, 0, p.name); });
    Question& q = k.Ask("通过「开始」菜单启动“附件”中的“" + p.name + "”程序。");
    q.Screen(desk)
        .Click(start, "单击“开始”按钮")
        .Screen(desk_pressed)
        .Show(1, menu_plain, StartMenu::kLeft, StartMenu::kTop)
        .Hover(all_row, "将鼠标指向“所有程序”")
        .Show(1, menu_pic("所有程序(P)"), StartMenu::kLeft, StartMenu::kTop)
        .Show(2, all_pic, all_x, all_y)
        .Hover(all.Row("附件").Offset(all_x, all_y), "将鼠标指向“附件”");
    if (i % 2 == 1) q.Pointer("M0001");
    q.Show(2, all_hi, all_x, all_y)
        .Show(3, acc_pic, acc_x, acc_y)
        .Click(aim, "单击“" + p.name + "”")
        .Hide(1)
        .Hide(2)
        .Hide(3)
        .Screen(p.result())
        .Done();
  }

  // The classic Start menu as a popup at a fixed place.
  const Point popup_at{4, 250};
  struct Classic {
    int group, item;
    std::string task;
    std::function<std::string()> result;
  };
  const std::vector<Classic> classic = {
      {1, 1, "使用经典「开始」菜单启动“附件”中的“计算器”。", [&] { return k.Screen([](cairo_t* cr) { Calculator().Paint(cr); }); }},
      {1, 4, "使用经典「开始」菜单启动“附件”中的“写字板”。",
       [&] {
         Notepad n;
         n.title = "文档 - 写字板";
         return k.Screen([n](cairo_t* cr) { n.Paint(cr); });
       }},
      {2, 4, "使用经典「开始」菜单打开“控制面板”。", [&] { return k.Folder(world::ControlPanel()); }},
      {2, 2, "使用经典「开始」菜单打开“我的电脑”。", [&] { return k.Folder(world::MyComputer()); }},
      {3, 2, "使用经典「开始」菜单启动 Windows Media Player。",
       [&] { return k.Desk(d, dialogs::Simple("Windows Media Player", Icon::kMediaPlayer, 400, 260, "正在播放：(无)"), 80, 60); }},
  };
  for (const auto& c : classic)
    k.Ask(c.task)
        .Screen(desk)
        .PopupAt(3, 1, c.group, c.item, start, popup_at, PopupHint("单击“开始”按钮", 3, 1, c.group, c.item))
        .Screen(c.result())
        .Done();
  {
    Form shut = dialogs::ShutDown();
    const int sx = 160, sy = 160;
    k.Ask("使用经典「开始」菜单关闭计算机。")
        .Screen(desk)
        .PopupAt(3, 1, 4, 2, start, popup_at, PopupHint("单击“开始”按钮", 3, 1, 4, 2))
        .Screen(k.Desk(d, shut, sx, sy))
        .Click(shut.At("off", sx, sy), "单击“关闭”按钮")
        .Screen(k.Screen([](cairo_t* cr) {
          FillBox(cr, {0, 0, 800, 600}, Hex(0x5A7EDC));
          Text(cr, "正在关闭计算机...", {0, 260, 800, 40}, Font{Face::kHei, 24, true}, xp::kWhite, Align::kCenter);
        }))
        .Done();
  }

  // Items of the XP Start menu.
  struct Item {
    std::string item, task;
    std::function<std::string()> result;
  };
  const std::vector<Item> items = {
      {"控制面板(C)", "通过「开始」菜单打开“控制面板”。", [&] { return k.Folder(world::ControlPanel()); }},
      {"我的电脑", "通过「开始」菜单打开“我的电脑”。", [&] { return k.Folder(world::MyComputer()); }},
      {"我的文档", "通过「开始」菜单打开“我的文档”。", [&] { return k.Folder(world::MyDocuments()); }},
      {"搜索(S)", "通过「开始」菜单打开“搜索结果”窗口。",
       [&] {
         FolderWindow w("搜索结果", Icon::kSearch, "搜索结果", {});
         w.Pane({{"您要查找什么？", {{Icon::kPictures, "图片、音乐或视频"}, {Icon::kWordFile, "文档"}, {Icon::kFolder, "所有文件和文件夹"}}}});
         return k.Folder(w);
       }},
      {"帮助和支持(H)", "通过「开始」菜单打开“帮助和支持中心”。",
       [&] { return k.Screen([](cairo_t* cr) { world::PaintBrowser(cr, "帮助和支持中心", "帮助和支持中心"); }); }},
      {"Windows 资源管理器", "通过「开始」菜单启动“Windows 资源管理器”。",
       [&] {
         FolderWindow w = world::MyDocuments();
         w.Tree({{0, "桌面"}, {1, "我的文档"}, {1, "我的电脑"}, {2, "本地磁盘 (C:)"}, {2, "本地磁盘 (D:)"}, {1, "网上邻居"}, {1, "回收站"}}, 1);
         return k.Folder(w);
       }},
  };
  for (const auto& it : items)
    k.Ask(it.task)
        .Screen(desk)
        .Click(start, "单击“开始”按钮")
        .Screen(desk_pressed)
        .Show(1, menu_plain, StartMenu::kLeft, StartMenu::kTop)
        .Click(menu.ItemOnScreen(it.item), "单击“" + it.item + "”")
        .Hide(1)
        .Screen(it.result())
        .Done();

  // The Run dialog.
  {
    Form run = dialogs::Run();
    const int rx = 4, ry = 384;
    Box open = run.At("open", rx, ry);
    Box field{open.x + 1, open.y + 1, open.w - 20, open.h - 2};
    auto run_screen = [&](const std::string& text) {
      Form f = dialogs::Run(text);
      return k.Desk(d, f, rx, ry);
    };
    struct RunCase {
      std::string code, command, task;
      std::function<std::string()> result;
    };
    const std::vector<RunCase> cases = {
        {"0022", "notepad", "使用“运行”对话框启动记事本：输入“notepad”后按回车键。",
         [&] { return k.Screen([](cairo_t* cr) { Notepad().Paint(cr); }); }},
        {"0024", "cmd", "使用“运行”对话框打开命令提示符：输入“cmd”后按回车键。",
         [&] { return k.Screen([](cairo_t* cr) { Console().Paint(cr); }); }},
        {"0026", "calc", "使用“运行”对话框启动计算器：输入“calc”后单击“确定”按钮。",
         [&] { return k.Screen([](cairo_t* cr) { Calculator().Paint(cr); }); }},
    };
    for (const auto& c : cases) {
      Question& q = k.Ask(c.task);
      q.Screen(desk)
          .Click(start, "单击“开始”按钮")
          .Screen(desk_pressed)
          .Show(1, menu_plain, StartMenu::kLeft, StartMenu::kTop)
          .Click(menu.ItemOnScreen("运行(R)..."), "单击“运行”")
          .Hide(1)
          .Screen(run_screen(""));
      q.Type(c.code, field, c.command, c.command);
      if (c.code == "0026") q.Target(run.At("ok", rx, ry));
      q.Screen(c.result()).Done();
    }
  }

  // Log off and shut down.
  {
    Form logoff = dialogs::LogOff();
    Form shut = dialogs::ShutDown();
    const int x = 160, y = 160;
    k.Ask("通过「开始」菜单切换用户。")
        .Screen(desk)
        .Click(start, "单击“开始”按钮")
        .Screen(desk_pressed)
        .Show(1, menu_plain, StartMenu::kLeft, StartMenu::kTop)
        .Click(menu.ItemOnScreen("注销(L)"), "单击“注销”")
        .Hide(1)
        .Screen(k.Desk(d, logoff, x, y))
        .Click(logoff.At("switch", x, y), "单击“切换用户”按钮")
        .Screen(k.Screen([](cairo_t* cr) {
          VGradient(cr, {0, 0, 800, 600}, Hex(0x5A7EDC), Hex(0x3A5EBC));
          Text(cr, "要开始，请单击您的用户名", {0, 260, 400, 40}, Font{Face::kHei, 18, true}, xp::kWhite, Align::kCenter);
          DrawIcon(cr, Icon::kUsers, 460, 250, 48);
          TextAt(cr, "Administrator", 520, 262, Font{Face::kHei, 18, true}, xp::kWhite);
        }))
        .Done();
    k.Ask("通过「开始」菜单重新启动计算机。")
        .Screen(desk)
        .Click(start, "单击“开始”按钮")
        .Screen(desk_pressed)
        .Show(1, menu_plain, StartMenu::kLeft, StartMenu::kTop)
        .Click(menu.ItemOnScreen("关闭计算机(U)"), "单击“关闭计算机”")
        .Hide(1)
        .Screen(k.Desk(d, shut, x, y))
        .Click(shut.At("restart", x, y), "单击“重新启动”按钮")
        .Screen(k.Screen([](cairo_t* cr) {
          FillBox(cr, {0, 0, 800, 600}, Hex(0x5A7EDC));
          Text(cr, "Windows 正在重新启动...", {0, 260, 800, 40}, Font{Face::kHei, 24, true}, xp::kWhite, Align::kCenter);
        }))
        .Done();
  }

  // The taskbar's context menus.
  const Box taskbar_empty{300, 572, 160, 26};
  struct Bar {
    int menu, group, item;
    Box target;
    std::string where, task;
    std::function<std::string()> result;
  };
  Desktop two = d;
  two.Tasks({{"我的电脑", Icon::kMyComputer, true}, {"无标题 - 记事本", Icon::kNotepad}});
  const std::string two_windows = k.Screen([&](cairo_t* cr) {
    two.Paint(cr);
    world::MyComputer();
    Notepad n;
    n.outer = {120, 80, 460, 300};
    n.Paint(cr, false);
  });
  const std::vector<Bar> bars = {
      {2, 2, 9, taskbar_empty, "右键单击任务栏空白处", "打开“任务栏和「开始」菜单属性”对话框。",
       [&] { return k.Desk(d, dialogs::TaskbarProperties(0), 40, 40); }},
      {2, 2, 8, taskbar_empty, "右键单击任务栏空白处", "取消锁定任务栏。", [&] { return desk; }},
      {2, 1, 0, taskbar_empty, "右键单击任务栏空白处", "在任务栏上显示“地址”工具栏。",
       [&] {
         return k.Desk(d, [](cairo_t* cr) {
           Text(cr, "地址", {180, 575, 30, 20}, UiFont(12), xp::kWhite);
           xp::TextField(cr, {212, 576, 200, 18}, "");
         });
       }},
      {2, 2, 6, taskbar_empty, "右键单击任务栏空白处", "打开“任务管理器”。",
       [&] { return k.Desk(d, dialogs::Simple("Windows 任务管理器", Icon::kSystem, 400, 300, "应用程序  进程  性能  联网  用户"), 60, 40); }},
      {9, 2, 1, start, "右键单击“开始”按钮", "通过“开始”按钮的快捷菜单打开资源管理器。",
       [&] {
         FolderWindow w("「开始」菜单", Icon::kFolderOpen, "C:\\Documents and Settings\\Administrator\\「开始」菜单",
                        {{"程序", Icon::kFolder, "文件夹"}});
         w.Tree({{0, "桌面"}, {1, "我的文档"}, {1, "我的电脑"}, {2, "本地磁盘 (C:)"}, {1, "网上邻居"}}, 3);
         return k.Folder(w);
       }},
      {9, 2, 4, start, "右键单击“开始”按钮", "通过“开始”按钮的快捷菜单打开「开始」菜单的属性。",
       [&] { return k.Desk(d, dialogs::TaskbarProperties(1), 40, 40); }},
  };
  for (const auto& b : bars)
    k.Ask(b.task).Screen(desk).Popup(3, b.menu, b.group, b.item, b.target, PopupHint(b.where, 3, b.menu, b.group, b.item))
        .Screen(b.result())
        .Done();
  k.Ask("使用任务栏将“我的电脑”窗口和“记事本”窗口层叠排列。")
      .Screen(two_windows)
      .Popup(3, 2, 2, 1, taskbar_empty, PopupHint("右键单击任务栏空白处", 3, 2, 2, 1))
      .Screen(k.Screen([&](cairo_t* cr) {
        two.Paint(cr);
        Notepad n;
        n.outer = {20, 20, 460, 300};
        n.title = "我的电脑";
        n.Paint(cr, false);
        Notepad m;
        m.outer = {60, 60, 460, 300};
        m.Paint(cr, false);
      }))
      .Done();
  const Box notepad_button = LeftOfBar(two.TaskbarBoxes().buttons[1]);
  k.Ask("单击任务栏上的“无标题 - 记事本”按钮，切换到记事本窗口。")
      .Screen(two_windows)
      .Click(notepad_button, "单击任务栏上的“无标题 - 记事本”按钮")
      .Screen(k.Screen([&](cairo_t* cr) {
        Desktop t = d;
        t.Tasks({{"我的电脑", Icon::kMyComputer}, {"无标题 - 记事本", Icon::kNotepad, true}});
        t.Paint(cr);
        Notepad n;
        n.outer = {120, 80, 460, 300};
        n.Paint(cr, false);
      }))
      .Done();
  k.Ask("用任务栏按钮的快捷菜单关闭“无标题 - 记事本”窗口。")
      .Screen(two_windows)
      .Popup(3, 3, 2, 6, notepad_button, PopupHint("右键单击任务栏上的“无标题 - 记事本”按钮", 3, 3, 2, 6))
      .Screen(k.Desk(Desktop(d).Tasks({{"我的电脑", Icon::kMyComputer, true}})))
      .Done();

  // Taskbar properties.
  {
    const int fx = 40, fy = 40;
    Form f = dialogs::TaskbarProperties(0);
    Form hidden = f;
    hidden.Set("autohide", true).SetState("apply", xp::ButtonState::kNormal);
    Form no_quick = f;
    no_quick.Set("quick", false).SetState("apply", xp::ButtonState::kNormal);
    k.Ask("设置任务栏自动隐藏。")
        .Screen(desk)
        .Popup(3, 2, 2, 9, taskbar_empty, PopupHint("右键单击任务栏空白处", 3, 2, 2, 9))
        .Screen(k.Desk(d, f, fx, fy))
        .Click(f.At("autohide", fx, fy), "单击“自动隐藏任务栏”复选框")
        .Screen(k.Desk(d, hidden, fx, fy))
        .Click(hidden.At("ok", fx, fy), "单击“确定”按钮，或按回车键")
        .OrKey(0, kEnter)
        .Screen(k.Screen([](cairo_t* cr) { Desktop().PaintIcons(cr); }))
        .Done();
    k.Ask("在任务栏上不显示“快速启动”工具栏，先单击“应用”，再单击“确定”。")
        .Screen(desk)
        .Popup(3, 2, 2, 9, taskbar_empty, PopupHint("右键单击任务栏空白处", 3, 2, 2, 9))
        .Screen(k.Desk(d, f, fx, fy))
        .Click(f.At("quick", fx, fy), "单击“显示快速启动”复选框")
        .Screen(k.Desk(d, no_quick, fx, fy))
        .Click(no_quick.At("apply", fx, fy), "单击“应用”按钮")
        .Screen(k.Desk(d, Form(no_quick).SetState("apply", xp::ButtonState::kDisabled), fx, fy))
        .Click(no_quick.At("ok", fx, fy), "单击“确定”按钮")
        .Screen(desk)
        .Done();
    Form menu_tab = dialogs::TaskbarProperties(1);
    Form classic_on = menu_tab;
    classic_on.Set("xp", false).Set("classic", true);
    k.Ask("把「开始」菜单设置为经典「开始」菜单。")
        .Screen(desk)
        .Popup(3, 2, 2, 9, taskbar_empty, PopupHint("右键单击任务栏空白处", 3, 2, 2, 9))
        .Screen(k.Desk(d, f, fx, fy))
        .Click(f.TabBox(1).Offset(fx, fy), "单击“「开始」菜单”选项卡")
        .Screen(k.Desk(d, menu_tab, fx, fy))
        .Click(menu_tab.At("classic", fx, fy), "选择“经典「开始」菜单”")
        .Screen(k.Desk(d, classic_on, fx, fy))
        .Click(classic_on.At("ok", fx, fy), "单击“确定”按钮")
        .Screen(desk)
        .Done();
  }
}

}  // namespace xpexam::bankgen
