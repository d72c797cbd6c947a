// Unit 12: mixed tasks over several windows.
#include "tools/bankgen/content.h"

namespace xpexam::bankgen {

using namespace keys;

void UnitMixed(Kit& k) {
  k.bank().AddUnit("综合应用");
  const Desktop d;
  const std::string desk = k.Desk(d);
  const Box taskbar_empty{300, 572, 160, 26};

  // Copy progress that advances by itself.
  {
    const FolderWindow study = world::StudyFolder();
    auto progress = [&](int percent) {
      return k.Folder(study, dialogs::Progress("正在复制...", "春游.jpg", "照片", "可移动磁盘 (H:)", percent), 150, 160);
    };
    k.Ask("把“学习资料”中的“照片”文件夹发送到“可移动磁盘 (H:)”，等待复制完成。")
        .Screen(k.Folder(study))
        .Popup(2, 3, 5, 5, study.Cell("照片").whole, PopupHint("右键单击“照片”文件夹", 2, 3, 5, 5))
        .Screen(progress(30))
        .Auto("正在复制“春游.jpg”")
        .Screen(progress(90))
        .Auto("正在复制“合影.jpg”")
        .Screen(k.Folder(study))
        .Done();
  }

  // A picture question: the picture shows the settings to make.
  {
    const int fx = 40, fy = 40;
    Form f = dialogs::TaskbarProperties(0);
    Form hide = f;
    hide.Set("autohide", true).SetState("apply", xp::ButtonState::kNormal);
    Form both = hide;
    both.Set("quick", false);
    std::string picture = k.Pic(f.width(), f.height(), [&](cairo_t* cr) {
      both.Paint(cr, 0, 0);
      StrokeBox(cr, both.At("autohide").Inset(-3), Hex(0xFF0000), 2);
      StrokeBox(cr, both.At("quick").Inset(-3), Hex(0xFF0000), 2);
    });
    k.Ask("按图所示设置任务栏：自动隐藏任务栏，不显示快速启动，然后单击“确定”。")
        .WithPicture(picture)
        .Screen(desk)
        .Popup(3, 2, 2, 9, taskbar_empty, PopupHint("右键单击任务栏空白处", 3, 2, 2, 9))
        .Screen(k.Desk(d, f, fx, fy))
        .Click(f.At("autohide", fx, fy), "单击“自动隐藏任务栏”复选框")
        .Screen(k.Desk(d, hide, fx, fy))
        .Click(hide.At("quick", fx, fy), "单击“显示快速启动”复选框")
        .Screen(k.Desk(d, both, fx, fy))
        .Click(both.At("ok", fx, fy), "单击“确定”按钮")
        .Screen(k.Screen([](cairo_t* cr) { Desktop().PaintIcons(cr); }))
        .Done();
    Form props = dialogs::DisplayProperties(1);
    Form chosen = props;
    chosen.SetSelected("background", 4).SetState("apply", xp::ButtonState::kNormal);
    std::string wallpaper = k.Pic(props.width(), props.height(), [&](cairo_t* cr) {
      chosen.Paint(cr, 0, 0);
      StrokeBox(cr, chosen.At("background").Inset(-3), Hex(0xFF0000), 2);
    });
    const int px = 40, py = 20;
    Box list = props.At("background", px, py);
    k.Ask("按图所示，把桌面背景设置为“草原”。")
        .WithPicture(wallpaper)
        .Screen(desk)
        .Popup(1, 1, 9, 1, Desktop::Empty(), PopupHint("右键单击桌面空白处", 1, 1, 9, 1))
        .Screen(k.Desk(d, dialogs::DisplayProperties(0), px, py))
        .Click(props.TabBox(1).Offset(px, py), "单击“桌面”选项卡")
        .Screen(k.Desk(d, props, px, py))
        .List({list.x + 1, list.y + 1, list.w - 2, list.h - 2}, {"(无)", "Bliss", "宁静", "湖光山色", "草原", "风景", "向日葵"}, 1, 4,
              "在“背景”列表中选择“草原”")
        .Screen(k.Desk(d, chosen, px, py))
        .Click(chosen.At("ok", px, py), "单击“确定”按钮")
        .Screen(desk)
        .Done();
  }

  // A question text on two lines.
  {
    const FolderWindow mc = world::MyComputer(), drive = world::DriveD(), study = world::StudyFolder();
    k.Ask("打开 D 盘中的“学习资料”文件夹，|并以“详细信息”方式显示其中的文件。")
        .Screen(k.Folder(mc))
        .DblClick(mc.Cell("本地磁盘 (D:)").whole, "双击“本地磁盘 (D:)”")
        .Screen(k.Folder(drive))
        .DblClick(drive.Cell("学习资料").whole, "双击“学习资料”文件夹")
        .Screen(k.Folder(study))
        .Menu(30505, "单击菜单“查看(V)”→“查看方式(V)”→“详细信息(D)”")
        .Screen(k.Folder(FolderWindow(study).SetView(FolderWindow::View::kDetails)))
        .Done();
  }

  // A confirmation answered from the keyboard.
  {
    const FolderWindow bin = world::RecycleBin();
    Form one = dialogs::ConfirmDelete("临时.txt", false);
    std::vector<FileItem> rest;
    for (const auto& i : bin.items())
      if (i.name != "临时.txt") rest.push_back(i);
    k.Ask("在“确认文件删除”对话框中按回车键，确认永久删除“临时.txt”。")
        .Screen(k.Folder(FolderWindow(bin).Select({"临时.txt"}), one, 200, 200))
        .Raw("2000", one.At("yes", 200, 200), "按回车键确认删除")
        .OrKey(0, kEnter)
        .Screen(k.Folder(FolderWindow(bin).Items(rest)))
        .Done();
  }

  // The home page of Internet Explorer.
  {
    const int fx = 40, fy = 40;
    Form f = dialogs::InternetOptions("about:blank");
    Box address = f.At("address", fx, fy);
    Form set = dialogs::InternetOptions("http://www.example.invalid/");
    k.Ask("把 Internet Explorer 的主页设置为“http://www.example.invalid/”：输入地址后按回车键。")
        .Screen(desk)
        .Popup(1, 8, 2, 5, d.Cell("Internet Explorer").whole, PopupHint("右键单击“Internet Explorer”图标", 1, 8, 2, 5))
        .Screen(k.Desk(d, f, fx, fy))
        .Type("0024", {address.x + 1, address.y + 1, address.w - 2, address.h - 2}, "http://www.example.invalid/",
              "http://www.example.invalid/", "about:blank")
        .Screen(k.Desk(d, set, fx, fy))
        .Click(set.At("ok", fx, fy), "单击“确定”按钮")
        .Screen(desk)
        .Done();
    Box days = f.At("days", fx, fy);
    k.Ask("把网页保存在历史记录中的天数设置为 7 天，然后单击“确定”。")
        .Screen(desk)
        .Popup(1, 8, 2, 5, d.Cell("Internet Explorer").whole, PopupHint("右键单击“Internet Explorer”图标", 1, 8, 2, 5))
        .Screen(k.Desk(d, f, fx, fy))
        .Type("0020", {days.x + 1, days.y + 1, days.w - 2, days.h - 2}, "7", "7", "20")
        .Screen(k.Desk(d, Form(f).SetText("days", "7"), fx, fy))
        .Click(f.At("ok", fx, fy), "单击“确定”按钮，或按回车键")
        .OrKey(0, kEnter)
        .Screen(desk)
        .Done();
  }

  // A wizard page.
  {
    const FolderWindow net = world::Network();
    const int wx = 60, wy = 80;
    Form f = dialogs::NewConnection();
    Box isp = f.At("isp", wx, wy);
    k.Ask("在新建连接向导中输入连接名“家庭宽带”，然后单击“下一步”(或按回车键)。")
        .Screen(k.Folder(net, f, wx, wy))
        .Type("0020", {isp.x + 1, isp.y + 1, isp.w - 2, isp.h - 2}, "家庭宽带", "家庭宽带")
        .Screen(k.Folder(net, Form(f).SetText("isp", "家庭宽带"), wx, wy))
        .Click(f.At("next", wx, wy), "单击“下一步”按钮")
        .OrKey(0, kEnter)
        .Screen(k.Folder(net, dialogs::Simple("新建连接向导", Icon::kNetwork, 440, 300, "正在完成新建连接向导。"), wx, wy))
        .Done();
  }

  // A Cancel that returns to the start of the task.
  {
    const FolderWindow study = world::StudyFolder();
    const int px = 40, py = 40;
    Form f = dialogs::FileProperties("数学.doc", Icon::kWordFile, "Word 文档", "D:\\学习资料", "36.0 KB");
    Form ro = f;
    ro.Set("readonly", true).SetState("apply", xp::ButtonState::kNormal);
    Form applied = ro;
    applied.SetState("apply", xp::ButtonState::kDisabled);
    auto with = [&](const Form& form) { return k.Folder(FolderWindow(study).Select({"数学.doc"}), form, px, py); };
    k.Ask("把“数学.doc”设置为只读：选中“只读”，单击“应用”，再单击“确定”(单击“取消”可从头再做)。")
        .Screen(k.Folder(study))
        .Popup(2, 2, 6, 8, study.Cell("数学.doc").whole, PopupHint("右键单击“数学.doc”", 2, 2, 6, 8))
        .Screen(with(f))
        .Click(f.At("readonly", px, py), "单击“只读”复选框")
        .Screen(with(ro))
        .Click(ro.At("apply", px, py), "单击“应用”按钮")
        .Back(2, ro.At("cancel", px, py))
        .Screen(with(applied))
        .Click(applied.At("ok", px, py), "单击“确定”按钮")
        .Screen(k.Folder(FolderWindow(study).Select({"数学.doc"})))
        .Done();
  }

  // Key combinations with two modifiers.
  k.Ask("用组合键 Ctrl+Shift+Esc 直接打开“Windows 任务管理器”。")
      .Screen(desk)
      .Key(kCtrl | kShift, kEsc, "按 Ctrl+Shift+Esc 组合键")
      .HintAt(260, 320)
      .Screen(k.Desk(d, dialogs::Simple("Windows 任务管理器", Icon::kSystem, 400, 300, "应用程序  进程  性能  联网  用户"), 60, 40))
      .Done();
  {
    const FolderWindow study = world::StudyFolder();
    Box c = study.Cell("英语.doc").whole;
    const std::vector<xp::MenuItem> items = xp::Items({"打开(O)", "打印(P)", "-", "发送到(N)>", "-", "剪切(T)", "复制(C)", "-", "删除(D)",
                                                       "重命名(M)", "-", "属性(R)"});
    std::vector<Box> rows;
    std::string menu = k.Menu(items, -1, &rows, 160);
    int mx = c.CenterX() - 100, my = c.CenterY();
    k.Ask("已选定“语文.doc”，按住 Ctrl 键在“英语.doc”上按下鼠标右键，把它也加入选定，然后在快捷菜单中单击“复制”。")
        .Screen(k.Folder(FolderWindow(study).Select({"语文.doc"})))
        .Press(kCtrl, 2, c, "按住 Ctrl 键，在“英语.doc”上按下鼠标右键")
        .Screen(k.Folder(FolderWindow(study).Select({"语文.doc", "英语.doc"})))
        .Show(1, menu, mx, my)
        .Click(rows[6].Offset(mx, my), "单击“复制”")
        .Hide(1)
        .Screen(k.Folder(FolderWindow(study).Select({"语文.doc", "英语.doc"})))
        .Done();
  }
}

}  // namespace xpexam::bankgen
