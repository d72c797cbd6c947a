// Unit 4: My Computer and folder windows, with the menu bar.
#include "tools/bankgen/content.h"

namespace xpexam::bankgen {

using namespace keys;

namespace {

// "菜单“查看”→“查看方式”→“详细信息”" for a menu target M II SS.
std::string MenuPath(int target) {
  int m = target / 10000, r = target / 100 % 100, s = target % 100;
  const BarMenu& menu = BarMenus().at(m - 1);
  auto clean = [](std::string t) { return t.substr(0, t.find('\t')); };
  std::string path = "单击菜单“" + menu.title + "”→“" + clean(menu.items.at(r - 1)) + "”";
  if (s) path += "→“" + menu.subs.at(r).second.at(s - 1) + "”";
  return path;
}

}  // namespace

void UnitFolders(Kit& k) {
  k.bank().AddUnit("我的电脑与文件夹窗口");
  const FolderWindow mc = world::MyComputer();
  const std::string mc_shot = k.Folder(mc);

  struct MenuCase {
    std::string task;
    std::function<FolderWindow()> before;
    int target;
    std::function<std::string()> result;
  };
  auto details = [&] { return k.Folder(FolderWindow(mc).SetView(FolderWindow::View::kDetails)); };
  const FolderWindow study = world::StudyFolder();
  const std::vector<MenuCase> cases = {
      {"在“我的电脑”窗口中，以“详细信息”方式显示图标。", [&] { return mc; }, 30505, details},
      {"在“我的电脑”窗口中，以“图标”方式显示图标。", [&] { return FolderWindow(mc).SetView(FolderWindow::View::kDetails); }, 30503,
       [&] { return mc_shot; }},
      {"在“我的电脑”窗口中，以“列表”方式显示图标。", [&] { return mc; }, 30504, details},
      {"在“学习资料”窗口中，以“缩略图”方式显示文件。", [&] { return study; }, 30501, [&] { return k.Folder(study); }},
      {"在“学习资料”窗口中，以“平铺”方式显示文件。", [&] { return study; }, 30502, [&] { return k.Folder(study); }},
      {"在“我的电脑”窗口中隐藏状态栏。", [&] { return mc; }, 30100,
       [&] { return k.Folder(mc, [](cairo_t* cr) { FillBox(cr, {185, 550, 615, 20}, xp::kWhite); FillBox(cr, {0, 550, 185, 20}, Hex(0x6375D6)); }); }},
      {"刷新“我的电脑”窗口。", [&] { return mc; }, 30900, [&] { return mc_shot; }},
      {"在“学习资料”窗口中按组排列图标。", [&] { return study; }, 30400, [&] { return k.Folder(study); }},
      {"在“学习资料”窗口中选定全部文件。", [&] { return study; }, 20900,
       [&] {
         std::vector<std::string> all;
         for (const auto& i : study.items()) all.push_back(i.name);
         return k.Folder(FolderWindow(study).Select(all));
       }},
      {"在“学习资料”窗口中反向选择，选定除“照片”以外的全部项目。", [&] { return FolderWindow(study).Select({"照片"}); }, 21000,
       [&] {
         std::vector<std::string> all;
         for (const auto& i : study.items())
           if (i.name != "照片") all.push_back(i.name);
         return k.Folder(FolderWindow(study).Select(all));
       }},
      {"用菜单把选定的“笔记.txt”复制到“本地磁盘 (D:)”。", [&] { return FolderWindow(study).Select({"笔记.txt"}); }, 20705,
       [&] { return k.Folder(FolderWindow(study).Select({"笔记.txt"})); }},
      {"用菜单把选定的“课程表.bmp”移动到“可移动磁盘 (H:)”。", [&] { return FolderWindow(study).Select({"课程表.bmp"}); }, 20804,
       [&] {
         std::vector<FileItem> rest;
         for (const auto& i : study.items())
           if (i.name != "课程表.bmp") rest.push_back(i);
         return k.Folder(FolderWindow(study).Items(rest));
       }},
      {"用菜单剪切选定的“资料.zip”。", [&] { return FolderWindow(study).Select({"资料.zip"}); }, 20300,
       [&] { return k.Folder(FolderWindow(study).Select({"资料.zip"})); }},
      {"打开“文件夹选项”对话框。", [&] { return mc; }, 50500, [&] { return k.Folder(mc, dialogs::FolderOptions(0), 40, 30); }},
      {"打开“Internet 选项”对话框。", [&] { return mc; }, 50600, [&] { return k.Folder(mc, dialogs::InternetOptions("http://www.example.invalid/"), 40, 40); }},
      {"使用“工具”菜单同步全部脱机项目。", [&] { return mc; }, 50201, [&] { return mc_shot; }},
      {"使用“工具”菜单设置显示文件的扩展名。", [&] { return study; }, 50305, [&] { return k.Folder(study); }},
      {"使用“工具”菜单中“显示方式”的“刷新”命令刷新窗口。", [&] { return study; }, 50404, [&] { return k.Folder(study); }},
      {"查看 Windows 的版本信息。", [&] { return mc; }, 60200,
       [&] { return k.Folder(mc, dialogs::Simple("关于 Windows", Icon::kSystem, 400, 220, "Windows 版本 5.1 (内部版本 2600.xpsp_sp3)"), 120, 100); }},
      {"打开“帮助和支持中心”。", [&] { return mc; }, 60100,
       [&] { return k.Screen([](cairo_t* cr) { world::PaintBrowser(cr, "帮助和支持中心", "帮助和支持中心"); }); }},
      {"把“我的电脑”添加到收藏夹。", [&] { return mc; }, 40100,
       [&] { return k.Folder(mc, dialogs::Simple("添加到收藏夹", Icon::kFolder, 400, 170, "Internet Explorer 将把该页添加到您的收藏夹列表。", "名称(N):", "我的电脑"), 120, 100); }},
      {"通过“收藏”菜单打开“链接”中的“Windows Media”。", [&] { return mc; }, 40902,
       [&] { return k.Screen([](cairo_t* cr) { world::PaintBrowser(cr, "http://www.example.invalid/media/", "Windows Media"); }); }},
      {"通过“收藏”菜单打开“常用网站”中的“中文搜索”。", [&] { return mc; }, 41101,
       [&] { return k.Screen([](cairo_t* cr) { world::PaintBrowser(cr, "http://search.example.invalid/", "中文搜索"); }); }},
      {"用“文件”菜单打开选定的“本地磁盘 (D:)”。", [&] { return FolderWindow(mc).Select({"本地磁盘 (D:)"}); }, 10100,
       [&] { return k.Folder(world::DriveD()); }},
      {"用“文件”菜单查看选定的“本地磁盘 (D:)”的属性。", [&] { return FolderWindow(mc).Select({"本地磁盘 (D:)"}); }, 11000,
       [&] { return k.Folder(mc, dialogs::FileProperties("本地磁盘 (D:)", Icon::kHardDisk, "本地磁盘", "我的电脑", "20.0 GB"), 40, 40); }},
      {"用“文件”菜单关闭“我的电脑”窗口。", [&] { return mc; }, 11200, [&] { return k.Desk(Desktop()); }},
      {"在“学习资料”窗口中打开“文件”菜单的“新建”子菜单。", [&] { return study; }, 10700, [&] { return k.Folder(study); }},
      {"在“学习资料”窗口中返回上一级文件夹。", [&] { return study; }, 30800, [&] { return k.Folder(world::DriveD()); }},
  };
  for (const auto& c : cases)
    k.Ask(c.task).Screen(k.Folder(c.before())).Menu(c.target, MenuPath(c.target)).Screen(c.result()).Done();

  // A new folder through the menu bar, then its name.
  {
    FolderWindow with_new = study;
    std::vector<FileItem> items = study.items();
    items.push_back({"新建文件夹", Icon::kFolder, "文件夹"});
    with_new.Items(items).Select({"新建文件夹"});
    xp::IconCell c = with_new.Cell("新建文件夹");
    Box edit{c.label.CenterX() - 36, c.label.y, 72, 18};
    auto editing = [&](const std::string& name) {
      return k.Folder(with_new, [&](cairo_t* cr) {
        FillBox(cr, edit, xp::kWhite);
        StrokeBox(cr, edit, xp::kBlack);
        FillBox(cr, {edit.x + 2, edit.y + 2, TextWidth(name, UiFont(12)) + 2, 14}, xp::kSelection);
        TextAt(cr, name, edit.x + 3, edit.y + 2, UiFont(12), xp::kWhite);
      });
    };
    FolderWindow done = with_new;
    done.Rename("新建文件夹", "期末复习");
    k.Ask("使用菜单在“学习资料”文件夹中新建一个文件夹，命名为“期末复习”。")
        .Screen(k.Folder(study))
        .Menu(10701, MenuPath(10701))
        .Screen(editing("新建文件夹"))
        .Type("0020", edit, "期末复习", "期末复习", "新建文件夹")
        .Screen(k.Folder(FolderWindow(done)))
        .Key(0, kEnter, "按回车键确认")
        .HintAt(edit.x, edit.Bottom() + 30)
        .Screen(k.Folder(done.Select({})))
        .Done();
  }

  // Opening and navigating.
  const FolderWindow drive_d = world::DriveD();
  k.Ask("在“我的电脑”窗口中双击“本地磁盘 (D:)”，打开 D 盘。")
      .Screen(mc_shot)
      .DblClick(mc.Cell("本地磁盘 (D:)").whole, "双击“本地磁盘 (D:)”")
      .Screen(k.Folder(drive_d))
      .Done();
  k.Ask("在 D 盘窗口中双击打开“学习资料”文件夹，再单击“后退”按钮返回。")
      .Screen(k.Folder(drive_d))
      .DblClick(drive_d.Cell("学习资料").whole, "双击“学习资料”文件夹")
      // The folder opens a moment later, after the double-click's release.
      .Screen(k.Folder(FolderWindow(drive_d).Select({"学习资料"})))
      .Auto("正在打开“学习资料”文件夹")
      .Screen(k.Folder(study))
      .Click({4, 52, 36, 42}, "单击工具栏上的“后退”按钮")
      .Tip("后退")
      .Screen(k.Folder(drive_d))
      .Done();
  k.Ask("在地址栏中输入“D:\\学习资料”，然后按回车键或单击“转到”按钮打开该文件夹。")
      .Screen(mc_shot)
      .Type("0028", xp::kAddressBox, "D:\\学习资料|D:\\学习资料\\", "D:\\学习资料|D:\\学习资料\\", "我的电脑")
      .Target(xp::GoButton())
      .Screen(k.Folder(study))
      .Done();
  {
    Box link = mc.Link(4);  // 我的文档 in the other places
    k.Ask("将鼠标指向任务窗格中的“我的文档”链接，再单击它打开“我的文档”。")
        .Screen(mc_shot)
        .Hover(link, "将鼠标指向“我的文档”链接")
        .Pointer("M0001")
        .Click(link, "单击“我的文档”链接")
        .Screen(k.Folder(world::MyDocuments()))
        .Done();
    k.Ask("单击任务窗格中的“查看系统信息”，打开“系统属性”对话框。")
        .Screen(mc_shot)
        .Click(mc.Link(0), "单击“查看系统信息”")
        .Screen(k.Folder(mc, dialogs::SystemProperties(0), 40, 60))
        .Done();
  }
  k.Ask("单击工具栏上的“搜索”按钮，打开搜索窗格(菜单栏仍可使用)。")
      .Screen(mc_shot)
      .Click({120, 52, 40, 42}, "单击工具栏上的“搜索”按钮")
      .MenuBarOn()
      .Tip("搜索")
      .Screen(k.Folder(FolderWindow(mc).Pane({{"您要查找什么？",
                                               {{Icon::kPictures, "图片、音乐或视频"},
                                                {Icon::kWordFile, "文档"},
                                                {Icon::kFolder, "所有文件和文件夹"},
                                                {Icon::kMyComputer, "计算机或人"}}}})))
      .Done();
}

}  // namespace xpexam::bankgen
