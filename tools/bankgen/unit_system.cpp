// Unit 10: folder options (tab layout B) and system properties (tab layout A).
#include "tools/bankgen/content.h"

namespace xpexam::bankgen {

using namespace keys;

void UnitSystem(Kit& k) {
  k.bank().AddUnit("系统属性与文件夹选项");
  const FolderWindow cp = world::ControlPanel();
  const std::string cp_shot = k.Folder(cp);

  // Folder options.
  AddTabPages(k, 'B', [](int t) { return dialogs::FolderOptions(t); });
  {
    const int ox = 40, oy = 30;
    const FolderWindow mc = world::MyComputer();
    const std::string mc_shot = k.Folder(mc);
    auto open = [&](Question& q) -> Question& { return q.Screen(mc_shot).Menu(50500, "单击菜单“工具(T)”→“文件夹选项(O)...”"); };
    struct Case {
      int tab;
      std::string control, task, hint;
      std::vector<std::pair<std::string, bool>> after;
    };
    const std::vector<Case> cases = {
        {2, "show_files", "在“文件夹选项”的“查看”选项卡中，设置显示所有文件和文件夹。", "选择“显示所有文件和文件夹”",
         {{"hide_files", false}, {"show_files", true}}},
        {2, "hide_ext", "在“文件夹选项”中，设置显示已知文件类型的扩展名。", "取消“隐藏已知文件类型的扩展名”复选框",
         {{"hide_ext", false}}},
        {2, "show_path", "在“文件夹选项”中，设置在地址栏中显示完整路径。", "选中“在地址栏中显示完整路径”复选框",
         {{"show_path", true}}},
        {1, "single", "在“文件夹选项”的“常规”选项卡中，设置通过单击打开项目。", "选择“通过单击打开项目”",
         {{"single", true}, {"double", false}}},
        {1, "new", "在“文件夹选项”中，设置在不同窗口中打开不同的文件夹。", "选择“在不同窗口中打开不同的文件夹”",
         {{"same", false}, {"new", true}}},
        {1, "classic", "在“文件夹选项”中，设置使用 Windows 传统风格的文件夹。", "选择“使用 Windows 传统风格的文件夹”",
         {{"tasks", false}, {"classic", true}}},
        {4, "offline", "在“文件夹选项”的“脱机文件”选项卡中，启用脱机文件。", "选中“启用脱机文件”复选框", {{"offline", true}}},
    };
    for (const auto& c : cases) {
      Form page = dialogs::FolderOptions(c.tab - 1);
      Form after = page;
      for (const auto& [name, on] : c.after) after.Set(name, on);
      Question& q = k.Ask(c.task);
      open(q).Show(1, k.FormPic(page), ox, oy)
          .Click(page.At(c.control, ox, oy), c.hint)
          .Tab('B', 1, c.tab, 1)
          .Show(1, k.FormPic(after), ox, oy)
          .Click(after.At("ok", ox, oy), "单击“确定”按钮")
          .Hide(1)
          .Done();
    }
    Form types = dialogs::FolderOptions(2);
    Question& t = k.Ask("在“文件夹选项”的“文件类型”选项卡中，更改 TXT 文件的打开方式。");
    open(t).Show(1, k.FormPic(types), ox, oy)
        .Click(types.At("change_app", ox, oy), "单击“更改”按钮")
        .Tab('B', 1, 3, 1)
        .Show(2, k.FormPic(dialogs::Simple("打开方式", Icon::kProgram, 360, 260, "选择您想用来打开此文件的程序：记事本、写字板……")), 120, 80)
        .Done();
    // A Cancel that goes back two steps: the learner returns to the window before the menu.
    Form view = dialogs::FolderOptions(1);
    Form shown = view;
    shown.Set("hide_files", false).Set("show_files", true);
    Question& b = k.Ask("在“文件夹选项”中设置显示所有文件和文件夹；如果设置错了，可单击“取消”重新开始。");
    open(b).Show(1, k.FormPic(view), ox, oy)
        .Click(view.At("show_files", ox, oy), "选择“显示所有文件和文件夹”")
        .Tab('B', 1, 2, 1)
        .Show(1, k.FormPic(shown), ox, oy)
        .Click(shown.At("ok", ox, oy), "单击“确定”按钮")
        .Back(2, shown.At("cancel", ox, oy))
        .Hide(1)
        .Done();
  }

  // System properties.
  AddTabPages(k, 'A', [](int t) { return dialogs::SystemProperties(t); });
  {
    const int sx = 20, sy = 30;
    // A click step follows the opening, so no double-click opens it directly: its release would
    // take that click. From the desktop the context menu of 我的电脑 opens it; from the Control
    // Panel it opens a moment after the double-click.
    const Desktop d;
    auto open_from_desktop = [&](Question& q) -> Question& {
      return q.Screen(k.Desk(d)).Popup(1, 2, 4, 2, d.Cell("我的电脑").whole, PopupHint("右键单击“我的电脑”图标", 1, 2, 4, 2));
    };
    const std::string cp_system = k.Folder(FolderWindow(cp).Select({"系统"}));
    auto open = [&](Question& q) -> Question& {
      return q.Screen(cp_shot)
          .DblClick(cp.Cell("系统").whole, "双击“系统”图标")
          .Screen(cp_system)
          .Auto("正在打开“系统属性”");
    };
    struct Case {
      int tab;
      std::string control, task, hint;
      bool is_radio;
    };
    const std::vector<Case> cases = {
        {5, "off", "在“系统属性”的“系统还原”选项卡中，在所有驱动器上关闭系统还原。", "单击“在所有驱动器上关闭系统还原”复选框", false},
        {7, "desktop", "在“系统属性”的“远程”选项卡中，允许用户远程连接到此计算机。", "单击“允许用户远程连接到此计算机”复选框", false},
        {7, "assistance", "在“系统属性”的“远程”选项卡中，取消“允许从这台计算机发送远程协助邀请”。", "单击“允许从这台计算机发送远程协助邀请”复选框", false},
        {6, "off", "在“系统属性”的“自动更新”选项卡中，选择“关闭自动更新”。", "选择“关闭自动更新”", true},
        {6, "notify", "在“自动更新”选项卡中，选择有可用下载时仅通知而不自动下载。", "选择“有可用下载时通知我”一项", true},
    };
    for (const auto& c : cases) {
      Form page = dialogs::SystemProperties(c.tab - 1);
      Form after = page;
      if (c.is_radio) {
        for (const char* r : {"auto", "notify_download", "notify", "off"}) after.Set(r, r == c.control);
      } else {
        after.Set(c.control, !(c.control == "assistance"));
      }
      Question& q = k.Ask(c.task);
      open_from_desktop(q).Show(1, k.FormPic(page), sx, sy)
          .Click(page.At(c.control, sx, sy), c.hint)
          .Tab('A', 1, c.tab, 1)
          .Show(1, k.FormPic(after), sx, sy)
          .Click(after.At("ok", sx, sy), "单击“确定”按钮")
          .Hide(1)
          .Done();
    }
    Form name = dialogs::SystemProperties(1);
    Box desc = name.At("description", sx, sy);
    Form named = name;
    named.SetText("description", "办公室电脑");
    Question& q = k.Ask("在“系统属性”的“计算机名”选项卡中，把计算机描述设置为“办公室电脑”。");
    open(q).Show(1, k.FormPic(name), sx, sy)
        .Click(desc, "单击“计算机描述”文本框")
        .Tab('A', 1, 2, 1)
        .Type("0020", {desc.x + 1, desc.y + 1, desc.w - 2, desc.h - 2}, "办公室电脑", "办公室电脑")
        .Show(1, k.FormPic(named), sx, sy)
        .Click(named.At("ok", sx, sy), "单击“确定”按钮")
        .Hide(1)
        .Done();
    Form advanced = dialogs::SystemProperties(3);
    Question& a = k.Ask("在“系统属性”的“高级”选项卡中，打开“性能”的设置。");
    open(a).Show(1, k.FormPic(advanced), sx, sy)
        .Click(advanced.At("performance", sx, sy), "单击“性能”中的“设置”按钮")
        .Tab('A', 1, 4, 1)
        .Show(2, k.FormPic(dialogs::Simple("性能选项", Icon::kSystem, 360, 240, "选择您想在此计算机上使用的外观和性能设置：调整为最佳性能。")), 100, 80)
        .Done();
    Form hardware = dialogs::SystemProperties(2);
    Question& h = k.Ask("在“系统属性”的“硬件”选项卡中打开“设备管理器”。");
    open(h).Show(1, k.FormPic(hardware), sx, sy)
        .Click(hardware.At("devmgr", sx, sy), "单击“设备管理器”按钮")
        .Tab('A', 1, 3, 1)
        .Show(2, k.FormPic(dialogs::Simple("设备管理器", Icon::kSystem, 380, 260, "PC-XP01：处理器、磁盘驱动器、显示卡、网络适配器……")), 80, 60)
        .Done();
  }
}

}  // namespace xpexam::bankgen
