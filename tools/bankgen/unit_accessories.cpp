// Unit 11: the accessories Notepad, Paint, Calculator and the command prompt.
#include "tools/bankgen/content.h"

namespace xpexam::bankgen {

using namespace keys;

void UnitAccessories(Kit& k) {
  k.bank().AddUnit("附件：记事本与画图");
  auto shot = [&k](const Notepad& n, int menu = -1) { return k.Screen([n, menu](cairo_t* cr) { n.Paint(cr, true, menu); }); };
  const Notepad empty_pad;
  Notepad typed = empty_pad;
  typed.text = "Windows XP 上机练习";

  // Command prompt.
  {
    Console con;
    int prompt = TextWidth("C:\\Documents and Settings\\Administrator>", Font{Face::kSans, 11});
    Box input{con.outer.x + 4 + 2 + prompt + 2, con.outer.y + 34, 200, 15};
    Console after = con;
    after.lines = {"C:\\Documents and Settings\\Administrator>ipconfig", "", "Windows IP Configuration", "",
                   "Ethernet adapter 本地连接:", "", "        IP Address. . . . . . . . . . . . : 192.168.0.10",
                   "        Subnet Mask . . . . . . . . . . . : 255.255.255.0", ""};
    k.Ask("在命令提示符窗口中输入命令“ipconfig”并按回车键，查看本机的 IP 地址。")
        .Screen(k.Screen([con](cairo_t* cr) { con.Paint(cr); }))
        .Type("0022", input, "ipconfig", "ipconfig")
        .Screen(k.Screen([after](cairo_t* cr) { after.Paint(cr); }))
        .Done();
    Console dir = con;
    dir.lines = {"C:\\Documents and Settings\\Administrator>dir", " 驱动器 C 中的卷没有标签。", "",
                 "2026-09-01  10:20    <DIR>          桌面", "2026-09-01  10:20    <DIR>          My Documents", ""};
    k.Ask("在命令提示符窗口中输入命令“dir”并按回车键，列出当前文件夹的内容。")
        .Screen(k.Screen([con](cairo_t* cr) { con.Paint(cr); }))
        .Type("0024", input, "dir", "dir")
        .Screen(k.Screen([dir](cairo_t* cr) { dir.Paint(cr); }))
        .Done();
  }

  // Notepad.
  {
    Box area = empty_pad.TextArea();
    Box box{area.x + 1, area.y + 1, 400, 240};
    k.Ask("在记事本中输入“Windows XP 上机练习”。")
        .Screen(shot(empty_pad))
        .Type("0027", box, "Windows XP 上机练习", "Windows XP 上机练习")
        .Screen(shot(typed))
        .Done();
    Notepad sel = typed;
    sel.selected = "Windows";
    k.Ask("在记事本中用鼠标选定文字“Windows”。")
        .Screen(shot(typed))
        .SelectText({area.x + 1, area.y + 1, 400, 20}, "Windows XP 上机练习", "Windows")
        .Screen(shot(sel))
        .Done();
    Notepad all = typed;
    all.selected = "Windows XP 上机练习";
    k.Ask("用快捷菜单选定记事本中的全部文字。")
        .Screen(shot(typed))
        .Popup(3, 4, 2, 7, {area.x + 1, area.y + 1, 300, 60}, PopupHint("右键单击记事本的文字区", 3, 4, 2, 7))
        .Screen(shot(all))
        .Done();
    k.Ask("选定文字“Windows”后，按组合键把它复制到剪贴板。")
        .Screen(shot(sel))
        .Key(kCtrl, 'C', "按 Ctrl+C 组合键")
        .HintAt(200, 200)
        .Screen(shot(sel))
        .Done();
  }
  {
    // Format -> Font, then three lists.
    const std::vector<xp::MenuItem> format_items = xp::Items({"*自动换行(W)", "字体(F)..."});
    std::vector<Box> rows;
    Box title = typed.MenuTitle(2);
    std::string menu = k.Menu(format_items, 1, &rows, 150);
    Box font_row = rows[1].Offset(title.x, title.Bottom());
    const int dx = 100, dy = 60;
    Form f = dialogs::FontDialog(0, 0, 1);
    auto list_box = [&](const std::string& name) {
      Box b = f.At(name, dx, dy);
      return Box{b.x + 1, b.y + 1, b.w - 2, b.h - 2};
    };
    Form hei = dialogs::FontDialog(1, 0, 1), bold = dialogs::FontDialog(1, 2, 1), big = dialogs::FontDialog(1, 2, 5);
    Notepad result = typed;
    k.Ask("把记事本的字体设置为“黑体”、“粗体”、14 号。")
        .Screen(shot(typed))
        .Click(title, "单击“格式”菜单")
        .Screen(shot(typed, 2))
        .Show(1, menu, title.x, title.Bottom())
        .Click(font_row, "单击“字体”")
        .Hide(1)
        .Screen(k.Screen([&](cairo_t* cr) {
          typed.Paint(cr);
          f.Paint(cr, dx, dy);
        }))
        .List(list_box("font"), dialogs::kFontNames, 0, 1, "在“字体”列表中选择“黑体”")
        .Screen(k.Screen([&](cairo_t* cr) {
          typed.Paint(cr);
          hei.Paint(cr, dx, dy);
        }))
        .List(list_box("style"), dialogs::kFontStyles, 0, 2, "在“字形”列表中选择“粗体”")
        .Screen(k.Screen([&](cairo_t* cr) {
          typed.Paint(cr);
          bold.Paint(cr, dx, dy);
        }))
        .List(list_box("size"), dialogs::kFontSizes, 1, 5, "在“大小”列表中选择“14”")
        .Screen(k.Screen([&](cairo_t* cr) {
          typed.Paint(cr);
          big.Paint(cr, dx, dy);
        }))
        .Click(big.At("ok", dx, dy), "单击“确定”按钮")
        .Screen(shot(result))
        .Done();
  }
  {
    const int sx = 10, sy = 10;
    const std::vector<std::pair<Icon, std::string>> docs = {{Icon::kPictures, "图片收藏"}, {Icon::kMusic, "我的音乐"},
                                                            {Icon::kWordFile, "工作报告.doc"}, {Icon::kTextFile, "通讯录.txt"}};
    const std::vector<std::pair<Icon, std::string>> desk = {{Icon::kMyDocuments, "我的文档"}, {Icon::kMyComputer, "我的电脑"},
                                                            {Icon::kFolder, "学习资料"}, {Icon::kTextFile, "工作计划.txt"}};
    Form in_docs = dialogs::SaveAs("我的文档", Icon::kMyDocuments, "*.txt", docs);
    Form on_desk = dialogs::SaveAs("桌面", Icon::kDisplay, "*.txt", desk);
    Box where = in_docs.At("where", sx, sy);
    Box name = in_docs.At("name", sx, sy);
    Notepad saved = typed;
    saved.title = "练习.txt - 记事本";
    auto over = [&](const Form& f) {
      return k.Screen([&](cairo_t* cr) {
        typed.Paint(cr);
        f.Paint(cr, sx, sy);
      });
    };
    k.Ask("把记事本中的文字保存到桌面上，文件名为“练习.txt”。")
        .Screen(shot(typed))
        .Key(kCtrl, 'S', "按 Ctrl+S 组合键")
        .HintAt(200, 300)
        .Screen(over(in_docs))
        .Location(where, 2, 1, "在“保存在”列表中选择“桌面”")
        .Screen(over(on_desk))
        .Type("0024", {name.x + 1, name.y + 1, name.w - 20, name.h - 2}, "练习.txt", "练习.txt", "*.txt")
        .Screen(shot(saved))
        .Done();
    Form drives = dialogs::SaveAs("本地磁盘 (D:)", Icon::kHardDisk, "*.txt",
                                  {{Icon::kFolder, "学习资料"}, {Icon::kFolder, "软件"}, {Icon::kFolder, "备份"}});
    k.Ask("保存记事本文档时，在“保存在”列表中选择“本地磁盘 (D:)”，然后单击“保存”。")
        .Screen(shot(typed))
        .Key(kCtrl, 'S', "按 Ctrl+S 组合键")
        .HintAt(200, 300)
        .Screen(over(in_docs))
        .Location(where, 2, 6, "在“保存在”列表中选择“本地磁盘 (D:)”")
        .Screen(over(drives))
        .Click(drives.At("save", sx, sy), "单击“保存”按钮")
        .Screen(shot(saved))
        .Done();
  }
  {
    const int fx = 150, fy = 150;
    Form find = dialogs::Find();
    Box what = find.At("what", fx, fy);
    Notepad found = typed;
    found.selected = "练习";
    k.Ask("在记事本中查找“练习”：输入查找内容后单击“查找下一个”。")
        .Screen(shot(typed))
        .Key(kCtrl, 'F', "按 Ctrl+F 组合键")
        .HintAt(200, 300)
        .Screen(k.Screen([&](cairo_t* cr) {
          typed.Paint(cr);
          find.Paint(cr, fx, fy);
        }))
        .Type("0026", {what.x + 1, what.y + 1, what.w - 2, what.h - 2}, "练习", "练习")
        .Target(find.At("next", fx, fy))
        .Screen(k.Screen([&](cairo_t* cr) {
          found.Paint(cr);
          Form(find).SetText("what", "练习").Paint(cr, fx, fy);
        }))
        .Done();
  }
  {
    // WordPad: a centred heading in a format of its own.
    Notepad pad;
    pad.title = "文档 - 写字板";
    pad.icon = Icon::kWordFile;
    Box area = pad.TextArea();
    Box box{area.x + 20, area.y + 10, 360, 34};
    TextFormat fmt;
    fmt.size10 = 200;
    fmt.align = 'M';
    fmt.style = 6;
    fmt.font = 3;
    fmt.color = 1;
    fmt.back = 5;
    k.Ask("在写字板中输入标题“会议通知”(楷体、20 磅、倾斜加下划线、蓝色、居中)。")
        .Screen(shot(pad))
        .Type("0020", box, "会议通知", "会议通知", "", fmt)
        .Screen(k.Screen([&](cairo_t* cr) {
          pad.Paint(cr);
          Text(cr, "会议通知", box, Font{Face::kKai, 26, false, true, true}, Hex(0x0000FF), Align::kCenter);
        }))
        .Done();
  }

  // Paint.
  {
    const PaintApp p;
    auto paint = [&k](const PaintApp& a) { return k.Screen([a](cairo_t* cr) { a.Paint(cr); }); };
    Box canvas = p.Canvas();
    PaintApp rect_tool = p;
    rect_tool.tool = 12;
    PaintApp drawn = rect_tool;
    drawn.shapes.push_back({{canvas.x + 40, canvas.y + 40, 200, 120}, Hex(0x000000)});
    k.Ask("在“画图”中选择“矩形”工具，在画布上拖动鼠标画一个矩形。")
        .Screen(paint(p))
        .Click(p.Tool(12), "单击“矩形”工具")
        .Tip("矩形")
        .Screen(paint(rect_tool))
        .Drag(0, {canvas.x + 30, canvas.y + 30, 24, 24}, {canvas.x + 230, canvas.y + 150, 30, 30}, "从左上角绿框处拖动到右下角红框处松开",
              "S0002")
        .Screen(paint(drawn))
        .Done();
    PaintApp red = p;
    red.color = Hex(0xFF0000);
    k.Ask("在“画图”的颜料盒中选择红色作为前景色。")
        .Screen(paint(p))
        .Click(p.Swatch(16), "单击颜料盒中的红色")
        .Screen(paint(red))
        .Done();
    k.Ask("用快捷菜单把“画图”中的图像反色。")
        .Screen(paint(drawn))
        .Popup(3, 8, 4, 1, {canvas.x + 10, canvas.y + 10, 200, 100}, PopupHint("右键单击画布", 3, 8, 4, 1))
        .Screen(k.Screen([&](cairo_t* cr) {
          drawn.Paint(cr);
          FillBox(cr, canvas, Hex(0x000000));
          StrokeBox(cr, {canvas.x + 40, canvas.y + 40, 200, 120}, xp::kWhite, 2);
        }))
        .Done();
    // Image -> Attributes, width and height.
    const std::vector<xp::MenuItem> image_items =
        xp::Items({"翻转/旋转(F)...\tCtrl+R", "拉伸/扭曲(S)...\tCtrl+W", "反色(I)\tCtrl+I", "属性(A)...\tCtrl+E", "清除图像(C)",
                   "*不透明处理(D)"});
    std::vector<Box> rows;
    Box title = p.MenuTitle(3);
    std::string menu = k.Menu(image_items, 3, &rows, 224);
    const int ax = 150, ay = 120;
    Form attrs = dialogs::ImageAttributes("360", "250");
    Box w = attrs.At("width", ax, ay), h = attrs.At("height", ax, ay);
    auto over = [&](const Form& f) {
      return k.Screen([&](cairo_t* cr) {
        p.Paint(cr);
        f.Paint(cr, ax, ay);
      });
    };
    k.Ask("把“画图”的图像大小设置为宽 640 像素、高 480 像素。")
        .Screen(paint(p))
        .Click(title, "单击“图像”菜单")
        .Show(1, menu, title.x, title.Bottom())
        .Click(rows[3].Offset(title.x, title.Bottom()), "单击“属性”")
        .Hide(1)
        .Screen(over(attrs))
        .Type("0025", {w.x + 1, w.y + 1, w.w - 2, w.h - 2}, "640", "640", "360")
        .Screen(over(dialogs::ImageAttributes("640", "250")))
        .Type("0025", {h.x + 1, h.y + 1, h.w - 2, h.h - 2}, "480", "480", "250")
        .Screen(over(dialogs::ImageAttributes("640", "480")))
        .Click(attrs.At("ok", ax, ay), "单击“确定”按钮")
        .Screen(paint(p))
        .Done();
    PaintApp text_tool = p;
    text_tool.tool = 9;
    TextFormat fmt;
    fmt.size10 = 160;
    fmt.style = 1;
    fmt.font = 2;
    fmt.color = 2;
    Box tb{canvas.x + 60, canvas.y + 60, 200, 30};
    k.Ask("用“文字”工具在画布上输入“春天”(黑体、16 磅、加粗、红色)。")
        .Screen(paint(p))
        .Click(p.Tool(9), "单击“文字”工具")
        .Tip("文字")
        .Screen(paint(text_tool))
        .Type("0020", tb, "春天", "春天", "", fmt)
        .Screen(k.Screen([&](cairo_t* cr) {
          text_tool.Paint(cr);
          Text(cr, "春天", tb, Font{Face::kHei, 21, true}, Hex(0xFF0000));
        }))
        .Done();
  }

  // Calculator.
  {
    auto calc = [&k](const std::string& display) {
      Calculator c;
      c.display = display;
      return k.Screen([c](cairo_t* cr) { c.Paint(cr); });
    };
    const Calculator c;
    const std::vector<std::pair<std::string, std::string>> presses = {
        {"1", "1."}, {"2", "12."}, {"+", "12."}, {"3", "3."}, {"5", "35."}, {"=", "47."}};
    Question& q = k.Ask("用计算器计算 12+35 的结果。");
    q.Screen(calc("0."));
    for (const auto& [key, display] : presses)
      q.Click(c.Key(key), "单击“" + key + "”键").Screen(calc(display));
    q.Done();
    k.Ask("按 Esc 键清除计算器中的数字。")
        .Screen(calc("47."))
        .Key(0, kEsc, "按 Esc 键")
        .HintAt(200, 340)
        .Screen(calc("0."))
        .Done();
  }
}

}  // namespace xpexam::bankgen
