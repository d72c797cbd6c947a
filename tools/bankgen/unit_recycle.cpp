// Unit 7: the Recycle Bin and shortcuts.
#include "tools/bankgen/content.h"

namespace xpexam::bankgen {

using namespace keys;

void UnitRecycle(Kit& k) {
  k.bank().AddUnit("回收站与快捷方式");
  const FolderWindow bin = world::RecycleBin();
  const std::string bin_shot = k.Folder(bin);
  auto without = [&](const std::string& name) {
    std::vector<FileItem> rest;
    for (const auto& i : bin.items())
      if (i.name != name) rest.push_back(i);
    return FolderWindow(bin).Items(rest);
  };
  k.Ask("单击任务窗格中的“还原所有项目”，还原回收站中的全部文件。")
      .Screen(bin_shot)
      .Click(bin.Link(1), "单击“还原所有项目”")
      .Screen(k.Folder(world::RecycleBin(true)))
      .Done();
  k.Ask("在“回收站”中还原被删除的“旧报告.doc”。")
      .Screen(bin_shot)
      .Popup(2, 5, 2, 0, bin.Cell("旧报告.doc").whole, PopupHint("右键单击“旧报告.doc”", 2, 5, 2, 0))
      .Screen(k.Folder(without("旧报告.doc")))
      .Done();
  k.Ask("选定“草图.bmp”后，单击任务窗格中的“还原此项目”。")
      .Screen(bin_shot)
      .Click(bin.Cell("草图.bmp").whole, "单击“草图.bmp”")
      .Screen(k.Folder(FolderWindow(bin).Select({"草图.bmp"}).Pane({{"回收站任务",
                                                                     {{Icon::kRecycleEmpty, "清空回收站"},
                                                                      {Icon::kFolderOpen, "还原此项目"}}}})))
      .Click(bin.Link(1), "单击“还原此项目”")
      .Screen(k.Folder(without("草图.bmp")))
      .Done();
  {
    Form q = dialogs::Question("确认删除多个文件", Icon::kRecycleFull, "确实要删除这 3 项吗？");
    k.Ask("单击任务窗格中的“清空回收站”，并确认删除。")
        .Screen(bin_shot)
        .Click(bin.Link(0), "单击“清空回收站”")
        .Screen(k.Folder(bin, q, 200, 200))
        .Click(q.At("yes", 200, 200), "单击“是”按钮")
        .Screen(k.Folder(world::RecycleBin(true)))
        .Done();
    Form one = dialogs::ConfirmDelete("临时.txt", false);
    k.Ask("从回收站中永久删除“临时.txt”。")
        .Screen(bin_shot)
        .Click(bin.Cell("临时.txt").whole, "单击“临时.txt”")
        .Screen(k.Folder(FolderWindow(bin).Select({"临时.txt"})))
        .Key(0, kDelete, "按 Delete 键")
        .HintAt(300, 300)
        .Screen(k.Folder(FolderWindow(bin).Select({"临时.txt"}), one, 200, 200))
        .Click(one.At("yes", 200, 200), "单击“是”按钮")
        .Screen(k.Folder(without("临时.txt")))
        .Done();
  }

  // Recycle Bin properties.
  {
    const Desktop d;
    const int fx = 40, fy = 40;
    Form f = dialogs::RecycleBinProperties();
    Box rb = d.Cell("回收站").whole;
    Box thumb = f.Thumb("size").Offset(fx, fy);
    const int tick = 28;
    struct Size {
      int code, percent, move;
      std::string task;
    };
    const std::vector<Size> sizes = {{8002, 20, tick, "把回收站的最大空间设置为驱动器的 20%。"},
                                     {8001, 5, -tick / 2, "把回收站的最大空间设置为驱动器的 5%。"}};
    for (const auto& s : sizes) {
      Form without_thumb = f;
      without_thumb.SetThumb("size", f.Thumb("size").CenterX(), false);
      Form after = f;
      after.SetThumb("size", f.Thumb("size").CenterX() + s.move).SetText("size_text", std::to_string(s.percent) + "%")
          .SetState("apply", xp::ButtonState::kNormal);
      std::string handle = k.Pic(11, 21, [](cairo_t* cr) {
        FillBox(cr, {0, 0, 11, 21}, Hex(0xFCFCFE));
        xp::HThumb(cr, 0, 0);
      });
      k.Ask(s.task)
          .Screen(k.Desk(d))
          .Popup(1, 3, 2, 7, rb, PopupHint("右键单击“回收站”图标", 1, 3, 2, 7))
          .Screen(k.Desk(d, without_thumb, fx, fy))
          .Handle(s.code, handle, {thumb.x, thumb.y}, {thumb.x + s.move, thumb.y},
                  s.move > 0 ? "把滑块向右拖到 " + std::to_string(s.percent) + "%" : "把滑块向左拖到 " + std::to_string(s.percent) + "%")
          .Hide(5)
          .Screen(k.Desk(d, after, fx, fy))
          .Click(after.At("ok", fx, fy), "单击“确定”按钮")
          .Screen(k.Desk(d))
          .Done();
    }
    Form checked = f;
    checked.Set("delete_now", true).SetState("apply", xp::ButtonState::kNormal);
    k.Ask("设置删除文件时不将文件移入回收站，而是彻底删除。")
        .Screen(k.Desk(d))
        .Popup(1, 3, 2, 7, rb, PopupHint("右键单击“回收站”图标", 1, 3, 2, 7))
        .Screen(k.Desk(d, f, fx, fy))
        .Click(f.At("delete_now", fx, fy), "单击“删除时不将文件移入回收站，而是彻底删除”复选框")
        .Screen(k.Desk(d, checked, fx, fy))
        .Click(checked.At("ok", fx, fy), "单击“确定”按钮")
        .Screen(k.Desk(d))
        .Done();
  }

  // Shortcuts.
  {
    const Desktop d;
    Desktop with_link = d;
    with_link.Add({"快捷方式 到 学习资料", Icon::kFolder, 170, 28, true});
    k.Ask("为桌面上的“学习资料”文件夹在桌面上创建快捷方式。")
        .Screen(k.Desk(d))
        .Popup(1, 5, 5, 1, d.Cell("学习资料").whole, PopupHint("右键单击“学习资料”图标", 1, 5, 5, 1))
        .Screen(k.Desk(with_link))
        .Done();
    FolderWindow w = world::StudyFolder();
    std::vector<FileItem> items = w.items();
    items.push_back({"快捷方式 到 笔记.txt", Icon::kTextFile, "快捷方式", "1 KB", "2026-09-10 10:30", true});
    k.Ask("在“学习资料”窗口中为“笔记.txt”创建快捷方式。")
        .Screen(k.Folder(w))
        .Popup(2, 2, 6, 4, w.Cell("笔记.txt").whole, PopupHint("右键单击“笔记.txt”", 2, 2, 6, 4))
        .Screen(k.Folder(FolderWindow(w).Items(items).Select({"快捷方式 到 笔记.txt"})))
        .Done();
    xp::IconCell c = d.Cell("记事本");
    Box edit{c.label.CenterX() - 36, c.label.y, 72, 18};
    auto editing = k.Desk(Desktop(d).Select({"记事本"}), [&](cairo_t* cr) {
      FillBox(cr, edit, xp::kWhite);
      StrokeBox(cr, edit, xp::kBlack);
      TextAt(cr, "记事本", edit.x + 3, edit.y + 2, UiFont(12), xp::kBlack);
    });
    k.Ask("把桌面上的“记事本”快捷方式重命名为“写笔记”。")
        .Screen(k.Desk(d))
        .Popup(1, 9, 6, 6, c.whole, PopupHint("右键单击“记事本”快捷方式", 1, 9, 6, 6))
        .Screen(editing)
        .Type("0020", edit, "写笔记", "写笔记", "记事本")
        .Screen(k.Desk(Desktop(d).Rename("记事本", "写笔记").Select({"写笔记"})))
        .Key(0, kEnter, "按回车键确认")
        .HintAt(200, 240)
        .Screen(k.Desk(Desktop(d).Rename("记事本", "写笔记")))
        .Done();
    Form confirm = dialogs::Question("确认快捷方式删除", Icon::kRecycleFull, "确实要把“记事本”放入回收站吗？");
    k.Ask("删除桌面上的“记事本”快捷方式。")
        .Screen(k.Desk(d))
        .Popup(1, 9, 6, 5, c.whole, PopupHint("右键单击“记事本”快捷方式", 1, 9, 6, 5))
        .Screen(k.Desk(Desktop(d).Select({"记事本"}), confirm, 60, 160))
        .Click(confirm.At("yes", 60, 160), "单击“是”按钮")
        .Screen(k.Desk(Desktop(d).Remove("记事本").RecycleFull(true)))
        .Done();
    k.Ask("查看桌面上“记事本”快捷方式的属性。")
        .Screen(k.Desk(d))
        .Popup(1, 9, 6, 8, c.whole, PopupHint("右键单击“记事本”快捷方式", 1, 9, 6, 8))
        .Screen(k.Desk(d, dialogs::FileProperties("记事本", Icon::kNotepad, "快捷方式", "C:\\Documents and Settings\\Administrator\\桌面", "1.45 KB"), 40, 40))
        .Done();
    k.Ask("把桌面上的“记事本”快捷方式发送到“我的文档”。")
        .Screen(k.Desk(d))
        .Popup(1, 9, 5, 3, c.whole, PopupHint("右键单击“记事本”快捷方式", 1, 9, 5, 3))
        .Screen(k.Desk(d))
        .Done();
  }
}

}  // namespace xpexam::bankgen
