// Unit 6: Windows Explorer and search.
#include "tools/bankgen/content.h"

namespace xpexam::bankgen {

using namespace keys;

namespace {

const std::vector<std::pair<int, std::string>> kTree = {
    {0, "桌面"}, {1, "我的文档"}, {1, "我的电脑"}, {2, "本地磁盘 (C:)"}, {2, "本地磁盘 (D:)"},
    {3, "学习资料"}, {3, "软件"}, {2, "DVD 驱动器 (G:)"}, {1, "网上邻居"}, {1, "回收站"}};

// The search companion in the left pane of a search window.
struct SearchPane {
  std::string name, words, where = "我的电脑";
  Box NameBox() const { return {12, 224, 161, 20}; }
  Box WordsBox() const { return {12, 270, 161, 20}; }
  Box WhereBox() const { return {12, 316, 161, 22}; }
  Box SearchButton() const { return {99, 348, 74, 22}; }
  void Paint(cairo_t* cr) const {
    FillBox(cr, {0, 125, 185, 425}, Hex(0xFFFFF4));
    VGradient(cr, {0, 125, 185, 40}, Hex(0x7BA2E7), Hex(0x6375D6));
    Text(cr, "搜索助理", {10, 125, 170, 40}, Font{Face::kHei, 14, true}, xp::kWhite);
    TextWrapped(cr, "按下面任何或所有标准进行搜索。", 12, 172, 165, UiFont(12), xp::kBlack);
    TextAt(cr, "全部或部分文件名(O):", 12, 208, UiFont(12), xp::kBlack);
    xp::TextField(cr, NameBox(), name);
    TextAt(cr, "文件中的一个字或词组(W):", 12, 254, UiFont(12), xp::kBlack);
    xp::TextField(cr, WordsBox(), words);
    TextAt(cr, "在这里寻找(L):", 12, 300, UiFont(12), xp::kBlack);
    xp::ComboBox(cr, WhereBox(), where, where.find("(") != std::string::npos ? Icon::kHardDisk : Icon::kMyComputer, true);
    xp::PushButton(cr, {12, 348, 74, 22}, "< 后退(B)");
    xp::PushButton(cr, SearchButton(), "搜索(R)");
  }
};

}  // namespace

void UnitExplorer(Kit& k) {
  k.bank().AddUnit("资源管理器与搜索");
  const FolderWindow drive_d = world::DriveD();
  FolderWindow explorer_mc = world::MyComputer();
  explorer_mc.Tree(kTree, 2);
  FolderWindow explorer_d = drive_d;
  explorer_d.Tree(kTree, 4);
  FolderWindow explorer_study = world::StudyFolder();
  explorer_study.Tree(kTree, 5);

  {
    std::vector<FileItem> rest;
    for (const auto& i : drive_d.items())
      if (i.name != "说明.txt") rest.push_back(i);
    FolderWindow after = explorer_d;
    after.Items(rest);
    k.Ask("在资源管理器中，把右窗格中的“说明.txt”拖动到左窗格的“学习资料”文件夹中。")
        .Screen(k.Folder(explorer_d))
        .Drag(0, explorer_d.Cell("说明.txt").whole, explorer_d.TreeRow(5), "把“说明.txt”拖到左窗格的“学习资料”上松开", "M0003")
        .Screen(k.Folder(after))
        .Done();
  }
  k.Ask("在资源管理器的文件夹树中单击“本地磁盘 (D:)”，显示 D 盘的内容。")
      .Screen(k.Folder(explorer_mc))
      .Click(explorer_mc.TreeRow(4), "单击左窗格中的“本地磁盘 (D:)”")
      .Screen(k.Folder(explorer_d))
      .Done();
  k.Ask("在资源管理器的文件夹树中单击“学习资料”文件夹。")
      .Screen(k.Folder(explorer_d))
      .Click(explorer_d.TreeRow(5), "单击左窗格中的“学习资料”")
      .Screen(k.Folder(explorer_study))
      .Done();
  struct TreeCtx {
    int row, group, item;
    std::string task;
    std::function<std::string()> result;
  };
  const std::vector<TreeCtx> tree_ctxs = {
      {5, 2, 0, "在资源管理器中，用快捷菜单展开“学习资料”文件夹。", [&] { return k.Folder(explorer_study); }},
      {5, 2, 2, "在资源管理器中，用快捷菜单打开“学习资料”文件夹。", [&] { return k.Folder(world::StudyFolder()); }},
      {5, 6, 8, "在资源管理器中，查看“学习资料”文件夹的属性。",
       [&] { return k.Folder(explorer_d, dialogs::FileProperties("学习资料", Icon::kFolder, "文件夹", "D:\\", "1.35 MB"), 40, 40); }},
      {6, 6, 2, "在资源管理器中，复制“软件”文件夹。", [&] { return k.Folder(explorer_d); }},
  };
  for (const auto& t : tree_ctxs)
    k.Ask(t.task)
        .Screen(k.Folder(explorer_d))
        .Popup(2, 9, t.group, t.item, explorer_d.TreeRow(t.row),
               PopupHint("右键单击左窗格中的“" + kTree[t.row].second + "”", 2, 9, t.group, t.item))
        .Screen(t.result())
        .Done();
  k.Ask("单击工具栏上的“文件夹”按钮，在“本地磁盘 (D:)”窗口中显示文件夹树。")
      .Screen(k.Folder(drive_d))
      .Click({164, 52, 44, 42}, "单击工具栏上的“文件夹”按钮")
      .Tip("文件夹")
      .Screen(k.Folder(explorer_d))
      .Done();
  k.Ask("在资源管理器的地址栏中输入“C:\\”后按回车键，打开 C 盘。")
      .Screen(k.Folder(explorer_d))
      .Type("0028", xp::kAddressBox, "C:\\|C:", "C:\\|C:", "D:\\")
      .Target(xp::GoButton())
      .Screen(k.Folder(FolderWindow("本地磁盘 (C:)", Icon::kHardDisk, "C:\\",
                                    {{"Documents and Settings", Icon::kFolder, "文件夹"},
                                     {"Program Files", Icon::kFolder, "文件夹"},
                                     {"WINDOWS", Icon::kFolder, "文件夹"}})
                           .Tree(kTree, 3)))
      .Done();

  // Searching.
  auto search_screen = [&](const SearchPane& p, const std::vector<FileItem>& found) {
    FolderWindow w("搜索结果", Icon::kSearch, "搜索结果", found);
    return k.Folder(w, [p](cairo_t* cr) { p.Paint(cr); });
  };
  const SearchPane empty_pane;
  const std::vector<FileItem> found = {{"笔记.txt", Icon::kTextFile, "文本文档", "3 KB"}};
  k.Ask("在“我的电脑”窗口中按 F3 键打开搜索助理。")
      .Screen(k.Folder(world::MyComputer()))
      .Key(0, kF3, "按 F3 键")
      .HintAt(300, 300)
      .Screen(search_screen(empty_pane, {}))
      .Done();
  {
    SearchPane d_pane = empty_pane;
    d_pane.where = "本地磁盘 (D:)";
    SearchPane named = d_pane;
    named.name = "笔记.txt";
    Box where = empty_pane.WhereBox();
    k.Ask("在 D 盘中搜索名为“笔记.txt”的文件：先在“在这里寻找”中选择“本地磁盘 (D:)”，再输入文件名并单击“搜索”。")
        .Screen(search_screen(empty_pane, {}))
        .Location({where.x, where.y, 261, 22}, 3, 6, "在“在这里寻找”列表中选择“本地磁盘 (D:)”")
        .Screen(search_screen(d_pane, {}))
        .Type("0026", empty_pane.NameBox(), "笔记.txt", "笔记.txt")
        .Target(empty_pane.SearchButton())
        .Screen(search_screen(named, found))
        .Done();
    k.Ask("在“我的文档”中搜索文件：在“在这里寻找”列表中选择“我的文档”。")
        .Screen(search_screen(empty_pane, {}))
        .Location({where.x, where.y, 261, 22}, 3, 2, "在“在这里寻找”列表中选择“我的文档”")
        .Screen(search_screen(SearchPane{"", "", "我的文档"}, {}))
        .Done();
    SearchPane words = d_pane;
    words.words = "Windows";
    k.Ask("在 D 盘中搜索包含“Windows”一词的文件(注意大小写)，然后单击“搜索”。")
        .Screen(search_screen(d_pane, {}))
        .Type("0025", empty_pane.WordsBox(), "Windows", "Windows")
        .Screen(search_screen(words, {}))
        .Click(empty_pane.SearchButton(), "单击“搜索”按钮")
        .Screen(search_screen(words, found))
        .Done();
  }
  {
    const StartMenu menu;
    const Cascade all = AllPrograms(), access = Accessories();
    const int all_x = 186, all_y = 532 - all.Height();
    const int acc_x = all_x + all.width - 3;
    const int acc_y = std::min(all_y + all.Row("附件").y - 3, xp::kTaskbarTop - access.Height());
    Desktop d;
    d.StartPressed(true);
    auto menu_pic = [&](const std::string& hi) {
      return k.Pic(StartMenu::kWidth, StartMenu::kHeight, [&](cairo_t* cr) {
        cairo_translate(cr, -StartMenu::kLeft, -StartMenu::kTop);
        menu.Paint(cr, hi);
      });
    };
    FolderWindow docs = world::MyDocuments();
    docs.Tree(kTree, 1);
    k.Ask("通过「开始」菜单启动“Windows 资源管理器”。")
        .Screen(k.Desk(Desktop()))
        .Click(d.TaskbarBoxes().start, "单击“开始”按钮")
        .Screen(k.Desk(d))
        .Show(1, menu_pic(""), StartMenu::kLeft, StartMenu::kTop)
        .Hover(menu.ItemOnScreen("所有程序(P)"), "将鼠标指向“所有程序”")
        .Show(1, menu_pic("所有程序(P)"), StartMenu::kLeft, StartMenu::kTop)
        .Show(2, k.Pic(all.width, all.Height(), [&](cairo_t* cr) { all.Paint(cr, 0, 0); }), all_x, all_y)
        .Hover(all.Row("附件").Offset(all_x, all_y), "将鼠标指向“附件”")
        .Show(2, k.Pic(all.width, all.Height(), [&](cairo_t* cr) { all.Paint(cr, 0, 0, "附件"); }), all_x, all_y)
        .Show(3, k.Pic(access.width, access.Height(), [&](cairo_t* cr) { access.Paint(cr, 0, 0, "Windows 资源管理器"); }), acc_x, acc_y)
        .Click(LeftOfBar(access.Row("Windows 资源管理器").Offset(acc_x, acc_y)), "单击“Windows 资源管理器”")
        .Hide(1)
        .Hide(2)
        .Hide(3)
        .Screen(k.Folder(docs))
        .Done();
  }
}

}  // namespace xpexam::bankgen
