// Unit 5: managing files and folders.
#include "tools/bankgen/content.h"

namespace xpexam::bankgen {

using namespace keys;

void UnitFiles(Kit& k) {
  k.bank().AddUnit("文件和文件夹管理");
  const FolderWindow w = world::StudyFolder();
  auto sel = [&](const std::vector<std::string>& names) { return k.Folder(FolderWindow(w).Select(names)); };
  auto cell = [&](const std::string& name) { return w.Cell(name).whole; };
  auto without = [&](const std::vector<std::string>& gone) {
    std::vector<FileItem> rest;
    for (const auto& i : w.items())
      if (std::find(gone.begin(), gone.end(), i.name) == gone.end()) rest.push_back(i);
    return FolderWindow(w).Items(rest);
  };
  const std::string plain = k.Folder(w);
  const Box empty = w.Empty();

  // A drawn context menu after a right-click.
  {
    const std::vector<xp::MenuItem> items =
        xp::Items({"打开(O)", "打印(P)", "编辑(E)", "-", "打开方式(H)>", "-", "发送到(N)>", "-", "剪切(T)", "复制(C)", "-",
                   "创建快捷方式(S)", "删除(D)", "重命名(M)", "-", "属性(R)"});
    std::vector<Box> rows;
    std::string menu_pic = k.Menu(items, -1, &rows, 170);
    Box c = cell("笔记.txt");
    int mx = c.CenterX() - 120, my = c.CenterY();
    Box copy_row = rows[9].Offset(mx, my);
    k.Ask("右键单击“笔记.txt”，在弹出的快捷菜单中单击“复制”。")
        .Screen(plain)
        .RightClick(c, "右键单击“笔记.txt”")
        .Screen(sel({"笔记.txt"}))
        .Show(1, menu_pic, mx, my)
        .Click(copy_row, "单击“复制”")
        .Hide(1)
        .Screen(sel({"笔记.txt"}))
        .Done();
    Box cut_row = rows[8].Offset(mx, my);
    k.Ask("用鼠标右键选定“笔记.txt”，然后在快捷菜单中单击“剪切”。")
        .Screen(plain)
        .Press(0, 2, c, "在“笔记.txt”上按下鼠标右键")
        .Screen(sel({"笔记.txt"}))
        .Show(1, menu_pic, mx, my)
        .Click(cut_row, "单击“剪切”")
        .Hide(1)
        .Screen(sel({"笔记.txt"}))
        .Done();
  }

  // Selecting.
  k.Ask("在“学习资料”窗口中，用 Ctrl 键同时选定“语文.doc”和“英语.doc”。")
      .Screen(plain)
      .Click(cell("语文.doc"), "单击“语文.doc”")
      .Screen(sel({"语文.doc"}))
      .Press(kCtrl, 1, cell("英语.doc"), "按住 Ctrl 键单击“英语.doc”")
      .Screen(sel({"语文.doc", "英语.doc"}))
      .Done();
  k.Ask("在“学习资料”窗口中，用 Shift 键选定从“数学.doc”到“笔记.txt”的连续文件。")
      .Screen(plain)
      .Press(0, 1, cell("数学.doc"), "在“数学.doc”上按下鼠标左键")
      .Screen(sel({"数学.doc"}))
      .Press(kShift, 1, cell("笔记.txt"), "按住 Shift 键单击“笔记.txt”")
      .Screen(sel({"数学.doc", "英语.doc", "照片", "笔记.txt"}))
      .Done();
  k.Ask("在“学习资料”窗口中拖动鼠标画出矩形框，选定“语文.doc”“数学.doc”和“英语.doc”。")
      .Screen(plain)
      .RubberBand(0, {420, 215, 30, 25}, {192, 128, 24, 24}, "从“英语.doc”右下方的空白处向左上方拖动，框住三个文件")
      .Screen(sel({"语文.doc", "数学.doc", "英语.doc"}))
      .Done();
  k.Ask("已选定“照片”文件夹，再按住 Ctrl 键拖出矩形框，把“笔记.txt”和“课程表.bmp”也加入选定。")
      .Screen(sel({"照片"}))
      .RubberBand(kCtrl, {660, 215, 40, 25}, {514, 128, 24, 24}, "按住 Ctrl 键，从右下方空白处向左上方拖动框住两个文件")
      .Screen(sel({"照片", "笔记.txt", "课程表.bmp"}))
      .Done();
  {
    std::vector<std::string> all;
    for (const auto& i : w.items()) all.push_back(i.name);
    k.Ask("在“学习资料”窗口中用组合键选定全部文件。")
        .Screen(plain)
        .Key(kCtrl, 'A', "按 Ctrl+A 组合键")
        .HintAt(300, 300)
        .Screen(sel(all))
        .Done();
  }

  // Copy, cut, paste and drag.
  {
    const FolderWindow photos("照片", Icon::kFolderOpen, "D:\\学习资料\\照片",
                              {{"春游.jpg", Icon::kImageFile, "JPEG 图像", "512 KB"}, {"合影.jpg", Icon::kImageFile, "JPEG 图像", "640 KB"}});
    std::vector<FileItem> pasted = photos.items();
    pasted.push_back({"笔记.txt", Icon::kTextFile, "文本文档", "3 KB"});
    FolderWindow after = photos;
    after.Items(pasted).Select({"笔记.txt"});
    k.Ask("用组合键把“笔记.txt”复制到“照片”文件夹中。")
        .Screen(plain)
        .Click(cell("笔记.txt"), "单击“笔记.txt”")
        .Screen(sel({"笔记.txt"}))
        .Key(kCtrl, 'C', "按 Ctrl+C 组合键复制")
        .HintAt(300, 300)
        .DblClick(cell("照片"), "双击“照片”文件夹")
        .Screen(k.Folder(photos))
        .Key(kCtrl, 'V', "按 Ctrl+V 组合键粘贴")
        .HintAt(300, 300)
        .Screen(k.Folder(after))
        .Done();
    k.Ask("用组合键把“笔记.txt”移动到“照片”文件夹中。")
        .Screen(plain)
        .Click(cell("笔记.txt"), "单击“笔记.txt”")
        .Screen(sel({"笔记.txt"}))
        .Key(kCtrl, 'X', "按 Ctrl+X 组合键剪切")
        .HintAt(300, 300)
        .DblClick(cell("照片"), "双击“照片”文件夹")
        .Screen(k.Folder(photos))
        .Key(kCtrl, 'V', "按 Ctrl+V 组合键粘贴")
        .HintAt(300, 300)
        .Screen(k.Folder(after))
        .Done();
  }
  k.Ask("用鼠标把“笔记.txt”拖动到“照片”文件夹中(移动)。")
      .Screen(plain)
      .Drag(0, cell("笔记.txt"), cell("照片"), "把“笔记.txt”拖到“照片”文件夹上松开", "M0003")
      .Screen(k.Folder(without({"笔记.txt"})))
      .Done();
  k.Ask("按住 Ctrl 键，用鼠标把“语文.doc”复制到“照片”文件夹中。")
      .Screen(plain)
      .Drag(kCtrl, cell("语文.doc"), cell("照片"), "按住 Ctrl 键，把“语文.doc”拖到“照片”文件夹上松开", "M0002")
      .Screen(sel({"语文.doc"}))
      .Done();
  k.Ask("按住 Shift 键，用鼠标把“资料.zip”移动到“照片”文件夹中。")
      .Screen(plain)
      .Drag(kShift, cell("资料.zip"), cell("照片"), "按住 Shift 键，把“资料.zip”拖到“照片”文件夹上松开", "S0015")
      .Screen(k.Folder(without({"资料.zip"})))
      .Done();
  k.Ask("撤消刚才的删除操作，恢复“笔记.txt”。")
      .Screen(k.Folder(without({"笔记.txt"})))
      .Key(kCtrl, 'Z', "按 Ctrl+Z 组合键")
      .HintAt(300, 300)
      .Screen(sel({"笔记.txt"}))
      .Done();

  // Renaming.
  {
    FolderWindow editing_w = w;
    editing_w.Select({"英语.doc"});
    xp::IconCell c = w.Cell("英语.doc");
    Box edit{c.label.CenterX() - 36, c.label.y, 72, 18};
    auto editing = [&](const std::string& name) {
      return k.Folder(editing_w, [&](cairo_t* cr) {
        FillBox(cr, edit, xp::kWhite);
        StrokeBox(cr, edit, xp::kBlack);
        TextAt(cr, name, edit.x + 3, edit.y + 2, UiFont(12), xp::kBlack);
      });
    };
    k.Ask("把“英语.doc”重命名为“英语单词.doc”：按 F2 键，或右键单击后选择“重命名”。")
        .Screen(sel({"英语.doc"}))
        .Key(0, kF2, "按 F2 键，或右键单击“英语.doc”选择“重命名”")
        .Target(cell("英语.doc"))
        .OrRightMenu(2, 2, 6, 6)
        .Screen(editing("英语.doc"))
        .Type("0025", edit, "英语单词.doc", "英语单词.doc", "英语.doc")
        .Screen(k.Folder(FolderWindow(w).Rename("英语.doc", "英语单词.doc").Select({"英语单词.doc"})))
        .Key(0, kEnter, "按回车键确认")
        .HintAt(300, 300)
        .Screen(k.Folder(FolderWindow(w).Rename("英语.doc", "英语单词.doc")))
        .Done();
  }

  // Context menus of files and of the window.
  struct Ctx {
    int menu, group, item;
    std::string target, task;
    std::vector<std::string> selected;
    std::function<std::string()> result;
  };
  const std::vector<Ctx> ctxs = {
      {2, 3, 0, "笔记.txt", "用“记事本”打开“笔记.txt”。", {},
       [&] {
         Notepad n;
         n.title = "笔记.txt - 记事本";
         n.text = "Windows XP 学习笔记\n1. 桌面和「开始」菜单\n2. 文件和文件夹管理";
         return k.Screen([n](cairo_t* cr) { n.Paint(cr); });
       }},
      {2, 5, 0, "笔记.txt", "把“笔记.txt”发送到压缩(zipped)文件夹。", {},
       [&] {
         std::vector<FileItem> items = w.items();
         items.push_back({"笔记.zip", Icon::kZipFolder, "压缩(zipped)文件夹", "1 KB"});
         return k.Folder(FolderWindow(w).Items(items).Select({"笔记.zip"}));
       }},
      {2, 2, 1, "笔记.txt", "打印“笔记.txt”。", {}, [&] { return sel({"笔记.txt"}); }},
      {7, 2, 7, "课程表.bmp", "把“课程表.bmp”设为桌面背景。", {},
       [&] { return sel({"课程表.bmp"}); }},
      {7, 3, 0, "课程表.bmp", "用“画图”程序打开“课程表.bmp”。", {}, [&] { return k.Screen([](cairo_t* cr) { PaintApp().Paint(cr); }); }},
      {7, 2, 4, "课程表.bmp", "把“课程表.bmp”顺时针旋转。", {}, [&] { return sel({"课程表.bmp"}); }},
      {3, 2, 0, "照片", "用快捷菜单打开“照片”文件夹。", {},
       [&] { return k.Folder(FolderWindow("照片", Icon::kFolderOpen, "D:\\学习资料\\照片", {{"春游.jpg", Icon::kImageFile, "JPEG 图像"}, {"合影.jpg", Icon::kImageFile, "JPEG 图像"}})); }},
      {3, 6, 2, "照片", "用快捷菜单复制“照片”文件夹。", {}, [&] { return sel({"照片"}); }},
      {6, 6, 4, "数学.doc", "用快捷菜单删除选定的“语文.doc”和“数学.doc”。", {"语文.doc", "数学.doc"},
       [&] { return k.Folder(without({"语文.doc", "数学.doc"})); }},
  };
  for (const auto& c : ctxs) {
    std::vector<std::string> s = c.selected.empty() ? std::vector<std::string>{} : c.selected;
    k.Ask(c.task)
        .Screen(s.empty() ? plain : sel(s))
        .Popup(2, c.menu, c.group, c.item, cell(c.target), PopupHint("右键单击“" + c.target + "”", 2, c.menu, c.group, c.item))
        .Screen(c.result())
        .Done();
  }
  k.Ask("在“学习资料”窗口中，用快捷菜单以“详细信息”方式显示文件。")
      .Screen(plain)
      .Popup(2, 1, 1, 4, empty, PopupHint("右键单击窗口空白处", 2, 1, 1, 4))
      .Screen(k.Folder(FolderWindow(w).SetView(FolderWindow::View::kDetails)))
      .Done();
  k.Ask("在“学习资料”窗口中，用快捷菜单按“类型”排列图标。")
      .Screen(plain)
      .Popup(2, 1, 3, 2, empty, PopupHint("右键单击窗口空白处", 2, 1, 3, 2))
      .Screen(plain)
      .Done();
  {
    std::vector<FileItem> items = w.items();
    items.push_back({"新建文件夹", Icon::kFolder, "文件夹"});
    FolderWindow nw = w;
    nw.Items(items).Select({"新建文件夹"});
    xp::IconCell c = nw.Cell("新建文件夹");
    Box edit{c.label.CenterX() - 36, c.label.y, 72, 18};
    k.Ask("在“学习资料”窗口中，用快捷菜单新建一个名为“练习题”的文件夹。")
        .Screen(plain)
        .Popup(2, 1, 5, 0, empty, PopupHint("右键单击窗口空白处", 2, 1, 5, 0))
        .Screen(k.Folder(nw, [&](cairo_t* cr) {
          FillBox(cr, edit, xp::kWhite);
          StrokeBox(cr, edit, xp::kBlack);
          TextAt(cr, "新建文件夹", edit.x + 3, edit.y + 2, UiFont(12), xp::kBlack);
        }))
        .Type("0020", edit, "练习题", "练习题", "新建文件夹")
        .Screen(k.Folder(FolderWindow(nw).Rename("新建文件夹", "练习题").Select({"练习题"})))
        .Key(0, kEnter, "按回车键确认")
        .HintAt(300, 300)
        .Screen(k.Folder(FolderWindow(nw).Rename("新建文件夹", "练习题").Select({})))
        .Done();
    Box link = w.Link(0);
    k.Ask("单击任务窗格中的“创建一个新文件夹”，新建一个名为“作业”的文件夹。")
        .Screen(plain)
        .Click(link, "单击“创建一个新文件夹”")
        .Screen(k.Folder(nw, [&](cairo_t* cr) {
          FillBox(cr, edit, xp::kWhite);
          StrokeBox(cr, edit, xp::kBlack);
          TextAt(cr, "新建文件夹", edit.x + 3, edit.y + 2, UiFont(12), xp::kBlack);
        }))
        .Type("0020", edit, "作业", "作业", "新建文件夹")
        .Screen(k.Folder(FolderWindow(nw).Rename("新建文件夹", "作业").Select({"作业"})))
        .Click(empty.Offset(0, 30), "单击窗口空白处")
        .Screen(k.Folder(FolderWindow(nw).Rename("新建文件夹", "作业").Select({})))
        .Done();
  }

  // Attributes in the Properties dialog.
  {
    const int px = 40, py = 40;
    Form f = dialogs::FileProperties("笔记.txt", Icon::kTextFile, "文本文档", "D:\\学习资料", "3.00 KB (3,072 字节)");
    for (const auto& [flag, word] : std::vector<std::pair<std::string, std::string>>{{"readonly", "只读"}, {"hidden", "隐藏"}}) {
      Form on = f;
      on.Set(flag, true).SetState("apply", xp::ButtonState::kNormal);
      k.Ask("把“笔记.txt”设置为“" + word + "”属性。")
          .Screen(plain)
          .Popup(2, 2, 6, 8, cell("笔记.txt"), PopupHint("右键单击“笔记.txt”", 2, 2, 6, 8))
          .Screen(k.Folder(FolderWindow(w).Select({"笔记.txt"}), f, px, py))
          .Click(f.At(flag, px, py), "单击“" + word + "”复选框")
          .Screen(k.Folder(FolderWindow(w).Select({"笔记.txt"}), on, px, py))
          .Click(on.At("ok", px, py), "单击“确定”按钮")
          .Screen(sel({"笔记.txt"}))
          .Done();
    }
    k.Ask("选定“笔记.txt”后，用组合键打开它的属性对话框。")
        .Screen(sel({"笔记.txt"}))
        .Key(kAlt, kEnter, "按 Alt+Enter 组合键")
        .HintAt(300, 300)
        .Screen(k.Folder(FolderWindow(w).Select({"笔记.txt"}), f, px, py))
        .Done();
  }
}

}  // namespace xpexam::bankgen
