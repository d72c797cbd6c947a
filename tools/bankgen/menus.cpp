#include "tools/bankgen/menus.h"

#include <stdexcept>

#include "tools/bankgen/xp.h"

namespace xpexam::bankgen {
namespace {

constexpr int kDropWidth = 165, kSubWidth = 141, kRow = 22, kGap = 3, kPad = 2;

int Count(const std::string& groups) {
  int n = 0;
  for (char c : groups) n += c - '0';
  return n;
}

int MenuHeight(const std::string& groups) {
  return kPad + Count(groups) * kRow + kGap * (static_cast<int>(groups.size()) - 1) + kPad;
}

}  // namespace

const std::vector<BarMenu>& BarMenus() {
  static const std::vector<BarMenu> menus = {
      {"文件(F)", "5421",
       {"打开(O)", "资源管理器(X)", "搜索(E)...", "共享和安全(H)...", "打印(P)", "创建快捷方式(S)", "新建(W)",
        "删除(D)", "重命名(M)", "属性(R)", "脱机工作(W)", "关闭(C)"},
       {{7, {"2", {"文件夹(F)", "快捷方式(S)"}}}}},
      {"编辑(E)", "24521",
       {"撤消(U)\tCtrl+Z", "重做(R)", "剪切(T)\tCtrl+X", "复制(C)\tCtrl+C", "粘贴(P)\tCtrl+V", "粘贴快捷方式(S)",
        "复制到文件夹(F)", "移动到文件夹(V)", "全部选定(A)\tCtrl+A", "反向选择(I)", "清除选定(L)", "删除(D)",
        "重命名(M)", "查找(N)..."},
       {{7, {"6", {"我的文档", "桌面", "我的电脑", "本地磁盘 (C:)", "本地磁盘 (D:)", "可移动磁盘 (H:)"}}},
        {8, {"4", {"我的文档", "桌面", "本地磁盘 (D:)", "可移动磁盘 (H:)"}}}}},
      {"查看(V)", "3411",
       {"状态栏(B)", "文件夹(O)", "搜索(S)", "按组排列(G)", "查看方式(V)", "选择详细信息(C)...",
        "自定义此文件夹(F)...", "向上一级(U)", "刷新(R)"},
       {{5, {"5", {"缩略图(H)", "平铺(S)", "图标(N)", "列表(L)", "详细信息(D)"}}}}},
      {"收藏(A)", "643",
       {"添加到收藏夹(A)...", "整理收藏夹(O)...", "导入和导出(I)...", "同步(S)...", "设为主页(H)", "脱机浏览(W)",
        "我的文档", "我的电脑", "链接", "桌面", "常用网站", "考试信息", "练习资料"},
       {{9, {"2", {"免费的 Hotmail", "Windows Media"}}}, {11, {"2", {"中文搜索", "学习网站"}}}}},
      {"工具(T)", "42",
       {"映射网络驱动器(N)...", "同步(S)", "文件夹视图(V)", "显示方式(Y)", "文件夹选项(O)...", "Internet 选项(I)..."},
       {{2, {"4", {"全部同步", "我的文档", "桌面", "收藏夹"}}},
        {3, {"5", {"应用到所有文件夹", "重置所有文件夹", "显示隐藏的文件", "不显示隐藏的文件", "显示文件扩展名"}}},
        {4, {"31", {"图标", "列表", "详细信息", "刷新"}}}}},
      {"帮助(H)", "11", {"帮助和支持中心(H)", "关于 Windows(A)"}, {}},
      {"格式(O)", "411",
       {"自动换行(W)", "字体(F)", "段落(P)...", "制表位(T)...", "项目符号(B)", "颜色(C)"},
       {{2, {"2", {"字体(F)...", "字体大小(S)..."}}},
        {5, {"42", {"圆点", "方块", "箭头", "对勾", "无", "自定义..."}}},
        {6, {"1", {"其他颜色..."}}}}},
      {"窗口(W)", "3", {"层叠窗口(C)", "横向平铺窗口(H)", "纵向平铺窗口(V)"}, {}},
      {"选项(P)", "211", {"工具栏(T)", "状态栏(S)", "全部保存(A)", "默认设置(D)"}, {}},
  };
  return menus;
}

std::vector<std::string> BarTitles() {
  std::vector<std::string> t;
  for (int i = 0; i < 6; ++i) t.push_back(BarMenus()[i].title);
  return t;
}

int MenuRowTop(const std::string& groups, int r) {
  int top = kPad + kRow * (r - 1);
  int c = 0;
  for (char g : groups) {
    c += g - '0';
    if (c < r) top += kGap;
  }
  return top;
}

Box BarItemBox(int m, int r) {
  const BarMenu& menu = BarMenus().at(m - 1);
  Box title = xp::MenuTitleSlot(m);
  return {title.x + kPad, title.Bottom() + MenuRowTop(menu.groups, r), kDropWidth - 2 * kPad, kRow};
}

Box BarSubItemBox(int m, int r, int s) {
  const BarMenu& menu = BarMenus().at(m - 1);
  Box item = BarItemBox(m, r);
  Box title = xp::MenuTitleSlot(m);
  int sub_left = title.x + kDropWidth - 1;
  int sub_top = item.y;
  return {sub_left + kPad, sub_top + MenuRowTop(menu.subs.at(r).first, s), kSubWidth - 2 * kPad, kRow};
}

namespace {

void Row(cairo_t* cr, const Box& b, const std::string& label, bool arrow, bool highlight) {
  if (highlight) FillBox(cr, b, xp::kSelection);
  Rgb fg = highlight ? xp::kWhite : xp::kBlack;
  std::string text = label, shortcut;
  size_t tab = label.find('\t');
  if (tab != std::string::npos) {
    text = label.substr(0, tab);
    shortcut = label.substr(tab + 1);
  }
  Text(cr, text, {b.x + 20, b.y, b.w - 24, b.h}, UiFont(12), fg);
  if (!shortcut.empty()) Text(cr, shortcut, {b.x, b.y, b.w - 14, b.h}, UiFont(12), fg, Align::kRight);
  if (arrow) {
    SetColor(cr, fg);
    cairo_move_to(cr, b.Right() - 11, b.CenterY() - 4);
    cairo_line_to(cr, b.Right() - 7, b.CenterY());
    cairo_line_to(cr, b.Right() - 11, b.CenterY() + 4);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
}

std::unique_ptr<Image> MenuPicture(int width, const std::string& groups, const std::vector<std::string>& items,
                                   const std::map<int, std::pair<std::string, std::vector<std::string>>>* subs) {
  int h = MenuHeight(groups);
  auto img = std::make_unique<Image>(width, h);
  cairo_t* cr = img->cr();
  FillBox(cr, {0, 0, width, h}, xp::kWhite);
  StrokeBox(cr, {0, 0, width, h}, Hex(0xACA899));
  int c = 0;
  for (size_t g = 0; g + 1 < groups.size(); ++g) {
    c += groups[g] - '0';
    int y = MenuRowTop(groups, c) + kRow + 1;
    HLine(cr, 3, width - 4, y, Hex(0xACA899));
  }
  for (size_t i = 0; i < items.size(); ++i) {
    int r = static_cast<int>(i) + 1;
    Row(cr, {kPad, MenuRowTop(groups, r), width - 2 * kPad, kRow}, items[i], subs && subs->count(r), false);
  }
  return img;
}

std::unique_ptr<Image> HighlightPicture(int width, const std::string& item, bool arrow) {
  auto img = std::make_unique<Image>(width, kRow);
  Row(img->cr(), {0, 0, width, kRow}, item, arrow, true);
  return img;
}

std::unique_ptr<Image> TitlePicture(const std::string& title, bool pressed) {
  auto img = std::make_unique<Image>(58, 18);
  cairo_t* cr = img->cr();
  FillBox(cr, {0, 0, 58, 18}, pressed ? xp::kSelection : xp::kFace);
  if (!pressed) {
    FillBox(cr, {1, 1, 56, 16}, Hex(0xC1D2EE));
    StrokeBox(cr, {0, 0, 58, 18}, xp::kSelection);
  }
  Text(cr, title, {0, 0, 58, 18}, UiFont(12), pressed ? xp::kWhite : xp::kBlack, Align::kCenter);
  return img;
}

std::string Two(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }
std::string Three(int v) { return (v < 10 ? "00" : v < 100 ? "0" : "") + std::to_string(v); }

}  // namespace

std::vector<NamedImage> MenuBarPictures() {
  std::vector<NamedImage> out;
  const auto& menus = BarMenus();
  for (int m = 1; m <= 9; ++m) {
    const BarMenu& menu = menus[m - 1];
    std::string M = std::to_string(m);
    out.push_back({"7" + M + "0099", TitlePicture(menu.title, false)});
    out.push_back({"7" + M + "0088", TitlePicture(menu.title, true)});
    out.push_back({"7" + M + "0000", MenuPicture(kDropWidth, menu.groups, menu.items, &menu.subs)});
    for (size_t r = 1; r <= menu.items.size(); ++r)
      out.push_back({"7" + M + "00" + Two(static_cast<int>(r)),
                     HighlightPicture(kDropWidth - 2 * kPad, menu.items[r - 1], menu.subs.count(static_cast<int>(r)))});
    int n = 0;
    for (const auto& [item, sub] : menu.subs) {
      (void)item;
      ++n;
      std::string N = std::to_string(n);
      out.push_back({"7" + M + N + "000", MenuPicture(kSubWidth, sub.first, sub.second, nullptr)});
      for (size_t s = 1; s <= sub.second.size(); ++s)
        out.push_back({"7" + M + N + Three(static_cast<int>(s)), HighlightPicture(kSubWidth - 2 * kPad, sub.second[s - 1], false)});
    }
  }
  return out;
}

namespace {

struct Block {
  std::string name = "";
  std::string c1 = "0", c1_items = "", p1 = "0", c2 = "0", c2_items = "", p2 = "0", c3 = "0", c3_items = "",
              p3 = "0", c4 = "0", c4_items = "", c5 = "0", c5_items = "", p4 = "0";
};

const std::string kSendTo = "压缩(zipped)文件夹|桌面快捷方式|邮件接收者|我的文档|3.5 软盘 (A:)|可移动磁盘 (H:)";
const std::string kOpenWith = "记事本|写字板|-|选择程序(C)...";
const std::string kArrange = "名称(N)|大小(S)|类型(T)|修改时间(M)|-|自动排列(A)|对齐到网格(L)|-|显示桌面图标(D)|在桌面上锁定 Web 项目(I)";
const std::string kToolbars = "地址|链接|桌面|快速启动|-|新建工具栏(N)...";

const std::vector<Block>& Blocks() {
  static const std::vector<Block> blocks = [] {
    std::vector<Block> b(27);
    // Type 1: the desktop and its icons.
    b[0] = {"桌面"};
    b[0].c1 = "排列图标(I)";
    b[0].c1_items = kArrange;
    b[0].p1 = "刷新(E)|-|粘贴(P)|粘贴快捷方式(S)|撤消删除(U)|-";
    b[0].c2 = "新建(W)";
    b[0].c2_items = "文件夹(F)|快捷方式(S)|-|公文包|位图图像|Word 文档|文本文档|压缩(zipped)文件夹";
    b[0].p2 = "-";
    b[0].c4 = "图形选项(O)";
    b[0].c4_items = "旋转|屏幕分辨率|颜色深度|输出至";
    b[0].c5 = "显示设置(D)";
    b[0].c5_items = "800 x 600 像素|1024 x 768 像素|1280 x 1024 像素";
    b[0].p4 = "-|属性(R)";
    b[1] = {"我的电脑"};
    b[1].p1 = "打开(O)|资源管理器(X)|搜索(E)...|管理(G)|-|映射网络驱动器(N)...|断开网络驱动器(I)...|-|创建快捷方式(S)|删除(D)";
    b[1].p2 = "重命名(M)|-|属性(R)";
    b[2] = {"回收站"};
    b[2].p1 = "打开(O)|资源管理器(X)|-|清空回收站(B)|-|创建快捷方式(S)|-|属性(R)";
    b[3] = {"桌面上的文件"};
    b[3].p1 = "打开(O)|打印(P)|编辑(E)|-";
    b[3].c2 = "打开方式(H)";
    b[3].c2_items = kOpenWith;
    b[3].p2 = "-";
    b[3].c3 = "发送到(N)";
    b[3].c3_items = kSendTo;
    b[3].p3 = "-|剪切(T)|复制(C)|-|创建快捷方式(S)|删除(D)|重命名(M)|-|属性(R)";
    b[4] = {"桌面上的文件夹"};
    b[4].p1 = "打开(O)|资源管理器(X)|搜索(E)...|-|共享和安全(H)...|-";
    b[4].c3 = "发送到(N)";
    b[4].c3_items = kSendTo;
    b[4].p3 = "-|剪切(T)|复制(C)|粘贴(P)|-|创建快捷方式(S)|删除(D)|重命名(M)|-|属性(R)";
    b[5] = {"我的文档"};
    b[5].p1 = "打开(O)|资源管理器(X)|搜索(E)...|-";
    b[5].c3 = "发送到(N)";
    b[5].c3_items = kSendTo;
    b[5].p3 = "-|剪切(T)|复制(C)|-|删除(D)|重命名(M)|-|属性(R)";
    b[6] = {"网上邻居"};
    b[6].p1 = "打开(O)|资源管理器(X)|搜索计算机(C)...|-|映射网络驱动器(N)...|断开网络驱动器(I)...|-|创建快捷方式(S)|删除(D)|重命名(M)";
    b[6].p2 = "-|属性(R)";
    b[7] = {"Internet Explorer"};
    b[7].p1 = "打开主页(H)|-|创建快捷方式(S)|删除(D)|-|Internet 属性(R)";
    b[8] = {"快捷方式"};
    b[8].p1 = "打开(O)|-|打开所在的文件夹(F)|-";
    b[8].c3 = "发送到(N)";
    b[8].c3_items = kSendTo;
    b[8].p3 = "-|剪切(T)|复制(C)|-|创建快捷方式(S)|删除(D)|重命名(M)|-|属性(R)";
    // Type 2: inside folder windows.
    b[9] = {"文件夹窗口空白处"};
    b[9].c1 = "查看(V)";
    b[9].c1_items = "缩略图(H)|平铺(S)|图标(N)|列表(L)|详细信息(D)";
    b[9].c2 = "排列图标(I)";
    b[9].c2_items = "名称(N)|大小(S)|类型(T)|修改时间(M)|-|按组排列(G)|自动排列(A)|对齐到网格(L)";
    b[9].p2 = "刷新(E)|-|自定义文件夹(F)...|-|粘贴(P)|粘贴快捷方式(S)|撤消重命名(U)|-";
    b[9].c3 = "新建(W)";
    b[9].c3_items = "文件夹(F)|快捷方式(S)|-|位图图像|文本文档|压缩(zipped)文件夹";
    b[9].p3 = "-|属性(R)";
    b[10] = {"文件夹中的文件"};
    b[10].p1 = "打开(O)|打印(P)|编辑(E)|-";
    b[10].c2 = "打开方式(H)";
    b[10].c2_items = kOpenWith;
    b[10].p2 = "-|添加到压缩文件(A)...|-";
    b[10].c3 = "发送到(N)";
    b[10].c3_items = kSendTo;
    b[10].p3 = "-|剪切(T)|复制(C)|-|创建快捷方式(S)|删除(D)|重命名(M)|-|属性(R)";
    b[11] = {"文件夹中的子文件夹"};
    b[11].p1 = "打开(O)|资源管理器(X)|搜索(E)...|-|共享和安全(H)...|-";
    b[11].c3 = "发送到(N)";
    b[11].c3_items = kSendTo;
    b[11].p3 = "-|剪切(T)|复制(C)|粘贴(P)|-|创建快捷方式(S)|删除(D)|重命名(M)|-|属性(R)";
    b[12] = {"驱动器"};
    b[12].p1 = "打开(O)|资源管理器(X)|搜索(E)...|-|共享和安全(H)...|-|格式化(A)...|-";
    b[12].p2 = "复制(C)|-|创建快捷方式(S)|重命名(M)|-|属性(R)";
    b[13] = {"回收站中的文件"};
    b[13].p1 = "还原(E)|-|剪切(T)|-|删除(D)|-|属性(R)";
    b[14] = {"多个选定的文件"};
    b[14].p1 = "打开(O)|打印(P)|-";
    b[14].c3 = "发送到(N)";
    b[14].c3_items = kSendTo;
    b[14].p3 = "-|剪切(T)|复制(C)|-|删除(D)|重命名(M)|-|属性(R)";
    b[15] = {"图片文件"};
    b[15].p1 = "预览(V)|编辑(E)|打印(P)|-|顺时针旋转(T)|逆时针旋转(L)|-|设为桌面背景(B)|-";
    b[15].c2 = "打开方式(H)";
    b[15].c2_items = "画图|Windows 图片和传真查看器|Internet Explorer";
    b[15].p2 = "-|剪切(T)|复制(C)|-|删除(D)|重命名(M)|-|属性(R)";
    b[16] = {"控制面板项目"};
    b[16].p1 = "打开(O)|-|创建快捷方式(S)";
    b[17] = {"文件夹树"};
    b[17].p1 = "展开(A)|资源管理器(X)|打开(O)|搜索(E)...|-|共享和安全(H)...|-";
    b[17].c3 = "发送到(N)";
    b[17].c3_items = kSendTo;
    b[17].p3 = "-|剪切(T)|复制(C)|粘贴(P)|-|删除(D)|重命名(M)|-|属性(R)";
    // Type 3: Start menu, taskbar and programs.
    b[18] = {"「开始」菜单"};
    b[18].c1 = "附件(A)";
    b[18].c1_items = "画图|计算器|记事本|命令提示符|写字板|Windows 资源管理器|-|通讯簿|同步|程序兼容性向导";
    b[18].p1 = "我的文档(D)|我最近的文档(R)|我的电脑(C)|-|控制面板(C)|打印机和传真(P)|-|帮助和支持(H)|搜索(S)|运行(R)...";
    b[18].c2 = "所有程序(P)";
    b[18].c2_items = "Internet Explorer|Outlook Express|Windows Media Player|Windows Messenger|远程协助|Windows Update";
    b[18].p2 = "-|注销(L)...|关闭计算机(U)...";
    b[19] = {"任务栏空白处"};
    b[19].c1 = "工具栏(T)";
    b[19].c1_items = kToolbars;
    b[19].p1 = "-|层叠窗口(S)|横向平铺窗口(H)|纵向平铺窗口(E)|显示桌面(S)|-|任务管理器(K)|-|锁定任务栏(L)|属性(R)";
    b[20] = {"任务栏按钮"};
    b[20].p1 = "还原(R)|移动(M)|大小(S)|最小化(N)|最大化(X)|-|关闭(C)";
    b[21] = {"记事本文字"};
    b[21].p1 = "撤消(U)|-|剪切(T)|复制(C)|粘贴(P)|删除(D)|-|全选(A)";
    b[22] = {"窗口标题栏"};
    b[22].p1 = "还原(R)|移动(M)|大小(S)|最小化(N)|最大化(X)|-|关闭(C)";
    b[23] = {"音量图标"};
    b[23].p1 = "打开音量控制(O)|调整音频属性(A)";
    b[24] = {"时钟"};
    b[24].c1 = "工具栏(T)";
    b[24].c1_items = kToolbars;
    b[24].p1 = "-|调整日期/时间(A)|-|层叠窗口(S)|横向平铺窗口(H)|纵向平铺窗口(E)|显示桌面(S)|-|任务管理器(K)|属性(R)";
    b[25] = {"画图画布"};
    b[25].p1 = "剪切(T)|复制(C)|粘贴(P)|清除选定内容(L)|全选(A)|-|复制到(O)...|粘贴来源(F)...|-|翻转/旋转(I)...";
    b[25].p2 = "拉伸/扭曲(S)...|反色(V)|属性(A)...";
    b[26] = {"「开始」按钮"};
    b[26].p1 = "打开(P)|资源管理器(X)|搜索(E)...|-|属性(R)|-|打开所有用户(O)|资源管理所有用户(E)";
    return b;
  }();
  return blocks;
}

std::vector<std::string> Pieces(const std::string& line) {
  std::vector<std::string> out;
  size_t start = 0;
  while (out.size() < 10) {
    size_t bar = line.find('|', start);
    if (bar == std::string::npos) {
      out.push_back(line.substr(start));
      break;
    }
    out.push_back(line.substr(start, bar - start));
    start = bar + 1;
  }
  return out;
}

}  // namespace

std::vector<std::string> PopupMenuLines() {
  std::vector<std::string> lines;
  int n = 0;
  for (const Block& b : Blocks()) {
    int type = n / 9 + 1, menu = n % 9 + 1;
    ++n;
    lines.push_back("[类型" + std::to_string(type) + " 菜单" + std::to_string(menu) + "] " + b.name);
    auto cascade = [&lines](const std::string& caption, const std::string& items) {
      lines.push_back(caption);
      lines.push_back(caption == "0" ? "0" : items);
    };
    cascade(b.c1, b.c1_items);
    lines.push_back(b.p1);
    cascade(b.c2, b.c2_items);
    lines.push_back(b.p2);
    cascade(b.c3, b.c3_items);
    lines.push_back(b.p3);
    cascade(b.c4, b.c4_items);
    cascade(b.c5, b.c5_items);
    lines.push_back(b.p4);
  }
  return lines;
}

std::string PopupItem(int type, int menu, int group, int item) {
  const Block& b = Blocks().at((type - 1) * 9 + menu - 1);
  const std::string* caption = nullptr;
  const std::string* line = nullptr;
  switch (group) {
    case 1: caption = &b.c1; line = &b.c1_items; break;
    case 2: line = &b.p1; break;
    case 3: caption = &b.c2; line = &b.c2_items; break;
    case 4: line = &b.p2; break;
    case 5: caption = &b.c3; line = &b.c3_items; break;
    case 6: line = &b.p3; break;
    case 7: caption = &b.c4; line = &b.c4_items; break;
    case 8: caption = &b.c5; line = &b.c5_items; break;
    case 9: line = &b.p4; break;
    default: throw std::runtime_error("no popup group " + std::to_string(group));
  }
  if ((caption && *caption == "0") || (!caption && *line == "0"))
    throw std::runtime_error("popup group absent");
  auto pieces = Pieces(*line);
  if (item >= static_cast<int>(pieces.size()) || pieces[item] == "-")
    throw std::runtime_error("no popup item " + std::to_string(item) + " in " + b.name);
  return pieces[item];
}

std::string PopupCascade(int type, int menu, int group) {
  const Block& b = Blocks().at((type - 1) * 9 + menu - 1);
  switch (group) {
    case 1: return b.c1;
    case 3: return b.c2;
    case 5: return b.c3;
    case 7: return b.c4;
    case 8: return b.c5;
  }
  return "";
}

}  // namespace xpexam::bankgen
