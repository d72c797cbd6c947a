// Unit 3: windows and dialogs.
#include "tools/bankgen/content.h"

namespace xpexam::bankgen {

using namespace keys;

void UnitWindows(Kit& k) {
  k.bank().AddUnit("窗口与对话框操作");
  const Notepad n = world::PlanFile();
  auto shot = [&k](const Notepad& w) { return k.Screen([w](cairo_t* cr) { w.Paint(cr); }); };
  const std::string normal = shot(n);
  Notepad maxed = n;
  maxed.outer = {0, 0, 800, 570};
  maxed.maximized = true;
  const std::string maximized = shot(maxed);
  const xp::WindowParts parts = n.Parts();
  const std::string minimized =
      k.Desk(Desktop().Tasks({{n.title, Icon::kNotepad, false}}));
  const std::string closed = k.Desk(Desktop());

  // Resizing by dragging a corner of the window frame.
  struct Resize {
    int code;
    std::string task, corner;
    Box from, to;
    bool right, bottom;
  };
  const std::vector<Resize> resizes = {
      {8007, "拖动记事本窗口的右下角，把窗口向右下方拉大。", "右下角", {40, 40, 400, 280}, {40, 40, 432, 312}, true, true},
      {8008, "拖动记事本窗口的右下角，把窗口向左上方缩小。", "右下角", {40, 40, 400, 280}, {40, 40, 352, 232}, true, true},
      {8006, "拖动记事本窗口的左下角，把窗口向左下方拉大。", "左下角", {120, 40, 400, 280}, {80, 40, 440, 312}, false, true},
      {8009, "拖动记事本窗口的右上角，把窗口向右上方拉大。", "右上角", {40, 80, 400, 260}, {40, 50, 432, 290}, true, false},
  };
  for (const auto& r : resizes) {
    Notepad a = n, b = n;
    a.outer = r.from;
    b.outer = r.to;
    auto paint = [a](cairo_t* cr) { a.Paint(cr); };
    Point at{r.right ? r.from.Right() - 12 : r.from.x, r.bottom ? r.from.Bottom() - 12 : r.from.y};
    Point to{r.right ? r.to.Right() - 12 : r.to.x, r.bottom ? r.to.Bottom() - 12 : r.to.y};
    std::string handle = k.Handle(paint, {at.x, at.y, 12, 12});
    k.Ask(r.task)
        .Screen(shot(a))
        .Handle(r.code, handle, at, to, "把窗口的" + r.corner + "拖到新的位置")
        .Hide(5)
        .Screen(shot(b))
        .Done();
  }

  k.Ask("单击“最大化”按钮，将记事本窗口最大化。")
      .Screen(normal)
      .Click(parts.maximize, "单击“最大化”按钮")
      .Tip("最大化")
      .Screen(maximized)
      .Done();
  k.Ask("单击“最小化”按钮，将记事本窗口最小化到任务栏。")
      .Screen(normal)
      .Click(parts.minimize, "单击“最小化”按钮")
      .Tip("最小化")
      .Screen(minimized)
      .Done();
  k.Ask("关闭记事本窗口(单击“关闭”按钮或按 Alt+F4 组合键)。")
      .Screen(normal)
      .Click(parts.close, "单击“关闭”按钮")
      .OrKey(kAlt, kF4)
      .Tip("关闭")
      .Screen(closed)
      .Done();
  k.Ask("用键盘关闭当前的记事本窗口。")
      .Screen(normal)
      .Key(kAlt, kF4, "按 Alt+F4 组合键")
      .HintAt(200, 200)
      .Screen(closed)
      .Done();
  k.Ask("双击标题栏，将记事本窗口最大化。")
      .Screen(normal)
      .DblClick({parts.title.x + 30, parts.title.y + 4, parts.title.w - 110, parts.title.h - 8}, "双击窗口的标题栏")
      .Screen(maximized)
      .Done();
  k.Ask("将最大化的记事本窗口还原为原来的大小。")
      .Screen(maximized)
      .Click(maxed.Parts().maximize, "单击“还原”按钮")
      .Tip("向下还原")
      .Screen(normal)
      .Done();
  k.Ask("单击任务栏上的按钮，还原最小化的记事本窗口。")
      .Screen(minimized)
      .Click(LeftOfBar(Desktop().Tasks({{n.title, Icon::kNotepad}}).TaskbarBoxes().buttons[0]), "单击任务栏上的“工作计划.txt - 记事本”按钮")
      .Screen(normal)
      .Done();
  Box title_aim{parts.title.x + 30, parts.title.y + 4, 200, parts.title.h - 8};
  k.Ask("用标题栏的快捷菜单将记事本窗口最大化。")
      .Screen(normal)
      .Popup(3, 5, 2, 4, title_aim, PopupHint("右键单击标题栏", 3, 5, 2, 4))
      .Screen(maximized)
      .Done();
  k.Ask("用标题栏的快捷菜单关闭记事本窗口。")
      .Screen(normal)
      .Popup(3, 5, 2, 6, title_aim, PopupHint("右键单击标题栏", 3, 5, 2, 6))
      .Screen(closed)
      .Done();
  k.Ask("用标题栏的快捷菜单将记事本窗口最小化。")
      .Screen(normal)
      .Popup(3, 5, 2, 3, title_aim, PopupHint("右键单击标题栏", 3, 5, 2, 3))
      .Screen(minimized)
      .Done();

  // Keys in dialogs and windows.
  {
    Desktop d;
    Form f = dialogs::DisplayProperties(0);
    k.Ask("按 Esc 键关闭“显示 属性”对话框。")
        .Screen(k.Desk(d, f, 40, 20))
        .Key(0, kEsc, "按 Esc 键")
        .HintAt(460, 40)
        .Screen(k.Desk(d))
        .Done();
    k.Ask("在记事本窗口中按 F1 键，打开记事本的帮助。")
        .Screen(normal)
        .Key(0, kF1, "按 F1 键")
        .HintAt(200, 200)
        .Screen(k.Screen([](cairo_t* cr) { world::PaintBrowser(cr, "记事本帮助", "记事本帮助"); }))
        .Done();
  }
  {
    // A drawn menu of Notepad: click the title, then the item.
    const std::vector<xp::MenuItem> file_items =
        xp::Items({"新建(N)\tCtrl+N", "打开(O)...\tCtrl+O", "保存(S)\tCtrl+S", "另存为(A)...", "-", "页面设置(U)...",
                   "打印(P)...\tCtrl+P", "-", "退出(X)"});
    Box ft = n.MenuTitle(0);
    std::vector<Box> rows;
    std::string plain = k.Menu(file_items, -1, &rows, 190);
    std::string hi = k.Menu(file_items, 8, nullptr, 190);
    Box exit_row = rows[8].Offset(ft.x, ft.Bottom());
    k.Ask("用记事本的“文件”菜单中的“退出”命令关闭记事本。")
        .Screen(normal)
        .Click(ft, "单击“文件”菜单")
        .Screen(k.Screen([n](cairo_t* cr) { n.Paint(cr, true, 0); }))
        .Show(1, plain, ft.x, ft.Bottom())
        .Click(exit_row, "单击“退出”命令")
        .Show(1, hi, ft.x, ft.Bottom())
        .Auto("正在关闭记事本")
        .Hide(1)
        .Screen(closed)
        .Done();
  }
}

}  // namespace xpexam::bankgen
