#include "tools/bankgen/dialogs.h"

#include <cmath>
#include <stdexcept>

namespace xpexam::bankgen::dialogs {
namespace {

using xp::ButtonState;

// OK, Cancel (and Apply) at the bottom right of a dialog.
void OkCancel(Form& f, int right, int y, bool apply = true) {
  int x = right - (apply ? 3 * 80 : 2 * 80) + 6;
  f.Button("ok", {x, y, 74, 22}, "确定", ButtonState::kDefault);
  f.Button("cancel", {x + 80, y, 74, 22}, "取消");
  if (apply) f.Button("apply", {x + 160, y, 74, 22}, "应用(A)", ButtonState::kDisabled);
}

void Monitor(cairo_t* cr, const Box& b, Rgb screen, const std::string& inner = "") {
  FillRounded(cr, {b.x, b.y, b.w, b.h - 18}, 4, Hex(0xE8E6DA));
  StrokeBox(cr, {b.x, b.y, b.w, b.h - 18}, Hex(0x9A9888));
  Box s{b.x + 10, b.y + 10, b.w - 20, b.h - 38};
  FillBox(cr, s, screen);
  if (inner == "bliss") {
    VGradient(cr, {s.x, s.y, s.w, s.h * 2 / 3}, Hex(0x3A74D8), Hex(0xA8CCF4));
    VGradient(cr, {s.x, s.y + s.h * 2 / 3, s.w, s.h - s.h * 2 / 3}, Hex(0x7CC040), Hex(0x3A8A1C));
  } else if (!inner.empty()) {
    Text(cr, inner, s, Font{Face::kSans, 10, true}, Hex(0xFFFFFF), Align::kCenter);
  }
  FillBox(cr, {b.CenterX() - 12, b.Bottom() - 18, 24, 8}, Hex(0xD0CEC0));
  FillBox(cr, {b.CenterX() - 30, b.Bottom() - 10, 60, 6}, Hex(0xE0DED0));
}

Form WithTabs(const std::string& title, Icon icon, int w, int h, const std::vector<std::string>& labels,
              const std::vector<int>& lefts, int row_top, int tab, int page_bottom) {
  Form f(title, icon, w, h);
  f.Tabs(row_top, labels, lefts, tab, page_bottom);
  return f;
}

std::vector<int> Lefts(const std::vector<std::string>& labels, int start = 8) {
  std::vector<int> out{start};
  for (const auto& l : labels) out.push_back(out.back() + TextWidth(l, UiFont(12)) + 14);
  return out;
}

}  // namespace

const std::vector<std::string> kFontNames = {"宋体", "黑体", "楷体_GB2312", "隶书", "Times New Roman", "Arial"};
const std::vector<std::string> kFontStyles = {"常规", "斜体", "粗体", "粗偏斜体"};
const std::vector<std::string> kFontSizes = {"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24"};

const TabLayout& Layout(char letter) {
  static const TabLayout a{'A', 36, {8, 59, 117, 189, 262, 333, 382, 427}, {360, 284, 74, 20}};
  static const TabLayout b{'B', 36, {8, 61, 119, 179, 237}, {326, 480, 74, 20}};
  static const TabLayout c{'C', 34, {8, 59, 105, 152}, {270, 420, 74, 20}};
  static const TabLayout d{'D', 38, {8, 60, 106, 154, 202, 248}, {318, 354, 74, 20}};
  switch (letter) {
    case 'A': return a;
    case 'B': return b;
    case 'C': return c;
    case 'D': return d;
  }
  throw std::runtime_error("no tab layout");
}

Form FileProperties(const std::string& name, Icon icon, const std::string& type, const std::string& location,
                    const std::string& size) {
  std::vector<std::string> labels{"常规", "摘要"};
  Form f = WithTabs(name + " 属性", icon, 360, 440, labels, Lefts(labels), 36, 0, 400);
  f.IconAt("icon", 22, 68, icon);
  f.Field("name", {90, 72, 248, 20}, name);
  int y = 112;
  auto row = [&](const std::string& key, const std::string& value) {
    f.Label("", 22, y, key);
    f.Label("", 104, y, value);
    y += 24;
  };
  f.Custom("", {18, 102, 324, 1}, [](cairo_t* cr, const Box& b) { HLine(cr, b.x, b.Right(), b.y, Hex(0xD0D0BF)); });
  row("文件类型:", type);
  row("打开方式:", type.find("文本") != std::string::npos ? "记事本" : "Windows 资源管理器");
  y += 6;
  row("位置:", location);
  row("大小:", size);
  row("占用空间:", size);
  y += 6;
  row("创建时间:", "2026年9月1日，10:20:15");
  row("修改时间:", "2026年9月3日，16:05:42");
  row("访问时间:", "2026年9月10日");
  f.Label("", 22, 350, "属性:");
  f.Check("readonly", 104, 348, "只读(R)", false);
  f.Check("hidden", 190, 348, "隐藏(H)", false);
  f.Button("advanced", {268, 345, 74, 22}, "高级(D)...");
  OkCancel(f, 354, 408);
  return f;
}

Form ConfirmDelete(const std::string& name, bool to_recycle) {
  Form f(to_recycle ? "确认文件删除" : "确认文件夹删除", Icon::kRecycleFull, 400, 132, xp::Buttons::kCloseOnly);
  f.IconAt("icon", 16, 44, to_recycle ? Icon::kRecycleFull : Icon::kWarning);
  f.Wrap("text", {64, 46, 320, 40}, to_recycle ? "确实要把“" + name + "”放入回收站吗？" : "确实要永久删除“" + name + "”吗？");
  f.Button("yes", {120, 98, 74, 22}, "是(Y)", ButtonState::kDefault);
  f.Button("no", {204, 98, 74, 22}, "否(N)");
  return f;
}

Form Run(const std::string& text) {
  Form f("运行", Icon::kRun, 347, 182, xp::Buttons::kHelpClose);
  f.IconAt("icon", 14, 42, Icon::kRun);
  f.Wrap("", {60, 44, 270, 40}, "请键入程序、文件夹、文档或 Internet 资源的名称，Windows 将为您打开它。");
  f.Label("", 14, 98, "打开(O):");
  f.Combo("open", {70, 95, 262, 21}, text);
  f.Button("ok", {98, 140, 74, 22}, "确定", ButtonState::kDefault);
  f.Button("cancel", {178, 140, 74, 22}, "取消");
  f.Button("browse", {258, 140, 74, 22}, "浏览(B)...");
  return f;
}

Form ShutDown() {
  Form f("关闭计算机", Icon::kShutDown, 312, 200, xp::Buttons::kNone);
  f.Custom("", {4, 30, 304, 166}, [](cairo_t* cr, const Box& b) {
    VGradient(cr, {b.x, b.y, b.w, 36}, Hex(0x1C3FA8), Hex(0x1A3E9E));
    FillBox(cr, {b.x, b.y + 36, b.w, 90}, Hex(0x5A7EDC));
    FillBox(cr, {b.x, b.y + 126, b.w, 40}, Hex(0x1C3FA8));
  });
  f.Custom("standby", {40, 92, 48, 48}, [](cairo_t* cr, const Box& b) {
    FillRounded(cr, b, 6, Hex(0xF0B020));
  });
  f.Custom("off", {132, 92, 48, 48}, [](cairo_t* cr, const Box& b) { DrawIcon(cr, Icon::kShutDown, b.x, b.y, 48); });
  f.Custom("restart", {224, 92, 48, 48}, [](cairo_t* cr, const Box& b) {
    FillRounded(cr, b, 6, Hex(0x3CA83C));
    Text(cr, "↻", b, Font{Face::kSans, 26, true}, xp::kWhite, Align::kCenter);
  });
  f.Label("", 42, 144, "待机(S)", xp::kWhite);
  f.Label("", 134, 144, "关闭(U)", xp::kWhite);
  f.Label("", 216, 144, "重新启动(R)", xp::kWhite);
  f.Button("cancel", {224, 168, 74, 22}, "取消");
  return f;
}

Form LogOff() {
  Form f("注销 Windows", Icon::kLogOff, 312, 200, xp::Buttons::kNone);
  f.Custom("", {4, 30, 304, 166}, [](cairo_t* cr, const Box& b) {
    FillBox(cr, {b.x, b.y, b.w, 36}, Hex(0x1C3FA8));
    FillBox(cr, {b.x, b.y + 36, b.w, 90}, Hex(0x5A7EDC));
    FillBox(cr, {b.x, b.y + 126, b.w, 40}, Hex(0x1C3FA8));
  });
  f.Custom("switch", {80, 92, 48, 48}, [](cairo_t* cr, const Box& b) { DrawIcon(cr, Icon::kUsers, b.x, b.y, 48); });
  f.Custom("logoff", {184, 92, 48, 48}, [](cairo_t* cr, const Box& b) { DrawIcon(cr, Icon::kLogOff, b.x, b.y, 48); });
  f.Label("", 72, 144, "切换用户(S)", xp::kWhite);
  f.Label("", 186, 144, "注销(L)", xp::kWhite);
  f.Button("cancel", {224, 168, 74, 22}, "取消");
  return f;
}

Form DisplayProperties(int tab) {
  std::vector<std::string> labels{"主题", "桌面", "屏幕保护程序", "外观", "设置"};
  Form f = WithTabs("显示 属性", Icon::kDisplay, 404, 448, labels, Lefts(labels), 36, tab, 404);
  switch (tab) {
    case 0:
      f.Wrap("", {20, 68, 360, 30}, "主题是一个背景加一组声音、图标以及其它元素，可以帮您用一次单击个性化您的计算机。");
      f.Label("", 20, 106, "主题(T):");
      f.Combo("theme", {20, 124, 240, 21}, "Windows XP");
      f.Button("save", {268, 124, 60, 22}, "另存为");
      f.Button("delete", {334, 124, 50, 22}, "删除");
      f.Custom("preview", {20, 156, 364, 230}, [](cairo_t* cr, const Box& b) {
        FillBox(cr, b, Hex(0x3A6EA5));
        xp::Window(cr, {b.x + 40, b.y + 30, 220, 120}, "活动窗口", Icon::kProgram);
      });
      break;
    case 1:
      f.Custom("preview", {112, 66, 180, 140}, [](cairo_t* cr, const Box& b) { Monitor(cr, b, Hex(0x3A6EA5), "bliss"); });
      f.Label("", 20, 216, "背景(K):");
      f.List("background", {20, 234, 240, 128}, {"(无)", "Bliss", "宁静", "湖光山色", "草原", "风景", "向日葵"}, 1);
      f.Button("browse", {270, 234, 110, 22}, "浏览(B)...");
      f.Label("", 270, 266, "位置(P):");
      f.Combo("position", {270, 284, 110, 21}, "拉伸");
      f.Label("", 270, 312, "颜色(C):");
      f.Custom("color", {270, 330, 50, 22}, [](cairo_t* cr, const Box& b) {
        xp::PushButton(cr, b, "");
        FillBox(cr, {b.x + 6, b.y + 6, 24, 10}, Hex(0x3A6EA5));
      });
      f.Button("custom", {20, 370, 120, 22}, "自定义桌面(D)...");
      break;
    case 2:
      f.Custom("preview", {112, 66, 180, 140}, [](cairo_t* cr, const Box& b) { Monitor(cr, b, Hex(0x000000), "Windows XP"); });
      f.Group("", {16, 214, 372, 86}, "屏幕保护程序(S)");
      f.Combo("saver", {28, 236, 180, 21}, "Windows XP");
      f.Button("settings", {216, 236, 74, 22}, "设置(T)");
      f.Button("preview_btn", {298, 236, 74, 22}, "预览(V)");
      f.Label("", 28, 270, "等待(W):");
      f.Field("wait", {84, 267, 40, 20}, "10");
      f.Label("", 130, 270, "分钟");
      f.Check("password", 170, 269, "在恢复时使用密码保护(P)", false);
      f.Group("", {16, 306, 372, 56}, "监视器的电源");
      f.IconAt("", 28, 324, Icon::kPower, 24);
      f.Wrap("", {60, 324, 230, 30}, "要调整监视器电源设置和节省能源，请单击“电源”。");
      f.Button("power", {298, 326, 74, 22}, "电源(O)...");
      break;
    case 3:
      f.Custom("preview", {20, 66, 364, 150}, [](cairo_t* cr, const Box& b) {
        FillBox(cr, b, Hex(0x3A6EA5));
        xp::Window(cr, {b.x + 20, b.y + 14, 200, 90}, "非活动窗口", Icon::kProgram, false);
        xp::Window(cr, {b.x + 60, b.y + 44, 220, 96}, "活动窗口", Icon::kProgram);
      });
      f.Label("", 20, 226, "窗口和按钮(W):");
      f.Combo("style", {20, 244, 200, 21}, "Windows XP 样式");
      f.Label("", 20, 272, "色彩方案(C):");
      f.Combo("scheme", {20, 290, 200, 21}, "默认(蓝)");
      f.Label("", 20, 318, "字体大小(F):");
      f.Combo("fontsize", {20, 336, 200, 21}, "正常");
      f.Button("effects", {290, 290, 94, 22}, "效果(E)...");
      f.Button("advanced", {290, 336, 94, 22}, "高级(D)");
      break;
    case 4:
      f.Custom("preview", {112, 66, 180, 140}, [](cairo_t* cr, const Box& b) { Monitor(cr, b, Hex(0x3A6EA5), "bliss"); });
      f.Label("", 20, 214, "显示(D):");
      f.Label("", 20, 232, "即插即用监视器 上的 标准显示适配器");
      f.Group("", {16, 254, 180, 88}, "屏幕分辨率(S)");
      f.Label("", 28, 276, "少");
      f.Label("", 166, 276, "多");
      f.HSlider("resolution", {46, 272, 112, 30}, 5, 46 + 5 + 25);
      f.Label("res_text", 50, 318, "800 × 600 像素");
      f.Group("", {204, 254, 184, 88}, "颜色质量(C)");
      f.Combo("quality", {216, 276, 160, 21}, "最高(32位)");
      f.Button("trouble", {176, 360, 100, 22}, "疑难解答(T)...");
      f.Button("advanced", {284, 360, 100, 22}, "高级(V)");
      break;
  }
  OkCancel(f, 398, 414);
  return f;
}

Form MouseProperties(int tab) {
  std::vector<std::string> labels{"鼠标键", "指针", "指针选项", "轮", "硬件"};
  Form f = WithTabs("鼠标 属性", Icon::kMouse, 380, 430, labels, Lefts(labels), 36, tab, 388);
  switch (tab) {
    case 0:
      f.Group("", {16, 66, 348, 84}, "鼠标键配置");
      f.Check("swap", 28, 88, "切换主要和次要的按钮(S)", false);
      f.Wrap("", {28, 110, 230, 34}, "选中此复选框来将右按钮用于主要功能，如选择和拖放。");
      f.IconAt("", 300, 90, Icon::kMouse, 48);
      f.Group("", {16, 158, 348, 100}, "双击速度");
      f.Wrap("", {28, 178, 230, 34}, "双击文件夹以测试您的设置。如果文件夹没有打开或关闭，请使用较慢的设置。");
      f.IconAt("folder", 296, 178, Icon::kFolder, 40);
      f.Label("", 28, 222, "速度(D):  慢");
      f.Label("", 246, 222, "快");
      f.HSlider("speed", {112, 218, 126, 30}, 11, 112 + 5 + 58);
      f.Group("", {16, 266, 348, 90}, "单击锁定");
      f.Check("clicklock", 28, 288, "启用单击锁定(T)", false);
      f.Button("clicklock_settings", {278, 284, 74, 22}, "设置(E)...");
      f.Wrap("", {28, 312, 320, 36}, "使您可以不用一直按着鼠标按钮就可以突出显示或拖曳。");
      break;
    case 2:
      f.Group("", {16, 66, 348, 88}, "移动");
      f.IconAt("", 28, 88, Icon::kMouse, 32);
      f.Label("", 72, 84, "选择指针移动速度(C):");
      f.Label("", 72, 110, "慢");
      f.Label("", 300, 110, "快");
      f.HSlider("pointer_speed", {96, 106, 196, 30}, 11, 96 + 5 + 93);
      f.Check("precision", 72, 134, "提高指针精确度(E)", true);
      f.Group("", {16, 162, 348, 56}, "取默认按钮");
      f.Check("snap", 28, 186, "自动将指针移动到对话框中的默认按钮(U)", false);
      f.Group("", {16, 226, 348, 128}, "可见性");
      f.Check("trails", 28, 248, "显示指针踪迹(D)", false);
      f.Label("", 46, 272, "短");
      f.Label("", 250, 272, "长");
      f.HSlider("trail_len", {66, 268, 176, 30}, 8, 66 + 5, true);
      f.Check("hide", 28, 302, "在打字时隐藏指针(H)", true);
      f.Check("ctrl", 28, 326, "当按 CTRL 键时显示指针的位置(S)", false);
      break;
    default:
      f.Wrap("", {20, 80, 330, 40}, "此页的设置在本练习中不使用。");
      break;
  }
  OkCancel(f, 374, 398);
  return f;
}

Form SoundProperties(int tab) {
  const TabLayout& t = Layout('D');
  std::vector<std::string> labels{"音量", "声音", "音频", "语声", "硬件"};
  Form f = WithTabs("声音和音频设备 属性", Icon::kSound, 400, 386, labels, t.lefts, t.row_top, tab, 346);
  switch (tab) {
    case 0:
      f.IconAt("", 24, 70, Icon::kSound, 32);
      f.Label("", 66, 80, "标准声卡");
      f.Group("", {16, 110, 368, 120}, "设备音量");
      f.IconAt("", 28, 136, Icon::kSound, 32);
      f.Label("", 72, 134, "低");
      f.Label("", 332, 134, "高");
      f.HSlider("volume", {92, 130, 232, 30}, 11, 92 + 5 + 150);
      f.Check("mute", 72, 166, "静音(M)", false);
      f.Check("tray", 72, 190, "将音量图标放入任务栏(I)", true);
      f.Button("advanced", {294, 198, 82, 22}, "高级(D)...");
      f.Group("", {16, 238, 368, 96}, "扬声器设置");
      f.Wrap("", {28, 260, 250, 40}, "使用下列设置更改各扬声器音量和其他设置。");
      f.Button("speaker_volume", {28, 302, 100, 22}, "扬声器音量(S)...");
      f.Button("speaker_adv", {276, 302, 100, 22}, "高级(V)...");
      break;
    case 1:
      f.Wrap("", {20, 72, 360, 30}, "声音方案是应用于 Windows 和程序事件中的一组声音。");
      f.Label("", 20, 106, "声音方案(H):");
      f.Combo("scheme", {20, 124, 360, 21}, "Windows 默认");
      f.Label("", 20, 156, "程序事件(E):");
      f.List("events", {20, 174, 360, 110}, {"Windows", "  Windows 登录", "  Windows 注销", "  关键性停止", "  默认声音", "  感叹号"}, -1);
      f.Label("", 20, 296, "声音(S):");
      f.Combo("sound", {20, 314, 280, 21}, "(无)");
      break;
    case 2:
      f.Group("", {16, 70, 368, 80}, "声音播放");
      f.IconAt("", 28, 92, Icon::kSound, 32);
      f.Label("", 72, 92, "默认设备(D):");
      f.Combo("playback", {72, 110, 300, 21}, "标准声卡");
      f.Group("", {16, 158, 368, 80}, "录音");
      f.Label("", 72, 180, "默认设备(E):");
      f.Combo("record", {72, 198, 300, 21}, "标准声卡");
      f.Check("default_only", 20, 300, "仅使用默认设备(U)", false);
      break;
    default:
      f.Wrap("", {20, 80, 360, 40}, "此页的设置在本练习中不使用。");
      break;
  }
  f.Button("ok", {238, 354, 74, 22}, "确定", ButtonState::kDefault);
  f.Button("cancel", {t.cancel.x, t.cancel.y, 74, 22}, "取消");
  return f;
}

Form VolumeControl() {
  Form f("音量控制", Icon::kSound, 400, 290, xp::Buttons::kAll);
  f.Custom("", {4, 30, 392, 20}, [](cairo_t* cr, const Box& b) {
    FillBox(cr, b, xp::kFace);
    const char* t[] = {"选项(P)", "帮助(H)"};
    for (int i = 0; i < 2; ++i) Text(cr, t[i], {b.x + 4 + i * 56, b.y, 56, b.h}, UiFont(12), xp::kBlack, Align::kCenter);
  });
  const char* names[] = {"音量控制", "波形", "软件合成器", "CD 音频"};
  for (int i = 0; i < 4; ++i) {
    int x = 12 + i * 96;
    f.Label("", x + 4, 58, names[i]);
    f.Label("", x + 4, 82, "平衡:");
    f.Custom("", {x + 4, 100, 80, 14}, [](cairo_t* cr, const Box& b) {
      HLine(cr, b.x, b.Right(), b.CenterY(), Hex(0x9D9C99));
      FillBox(cr, {b.CenterX() - 3, b.y, 7, b.h}, Hex(0xD6D3C9));
      StrokeBox(cr, {b.CenterX() - 3, b.y, 7, b.h}, Hex(0x1C5180));
    });
    f.Label("", x + 4, 122, "音量:");
    f.VSlider("vol" + std::to_string(i), {x + 24, 142, 30, 100}, 8, 142 + 30);
    f.Check("mute" + std::to_string(i), x + 4, 254, i == 0 ? "全部静音(M)" : "静音(M)", false);
    if (i > 0) f.Custom("", {x - 6, 56, 1, 220}, [](cairo_t* cr, const Box& b) { VLine(cr, b.x, b.y, b.Bottom(), Hex(0xACA899)); });
  }
  return f;
}

Form DateTime() {
  std::vector<std::string> labels{"时间和日期", "时区", "Internet 时间"};
  Form f = WithTabs("日期和时间 属性", Icon::kClock, 420, 330, labels, Lefts(labels), 36, 0, 290);
  f.Group("", {16, 66, 200, 214}, "日期(D)");
  f.Combo("month", {28, 88, 96, 21}, "九月");
  f.Field("year", {132, 88, 72, 21}, "2026");
  f.Custom("calendar", {28, 118, 176, 150}, [](cairo_t* cr, const Box& b) {
    FillBox(cr, b, xp::kWhite);
    StrokeBox(cr, b, xp::kFieldEdge);
    const char* days[] = {"日", "一", "二", "三", "四", "五", "六"};
    for (int i = 0; i < 7; ++i) {
      FillBox(cr, {b.x + 1 + i * 25, b.y + 1, 25, 18}, Hex(0x316AC5));
      Text(cr, days[i], {b.x + 1 + i * 25, b.y + 1, 25, 18}, UiFont(12), xp::kWhite, Align::kCenter);
    }
    for (int d = 1; d <= 30; ++d) {
      int pos = d + 1;  // the month starts on a Tuesday
      Box c{b.x + 1 + (pos % 7) * 25, b.y + 21 + (pos / 7) * 21, 25, 20};
      if (d == 10) FillBox(cr, c, xp::kSelection);
      Text(cr, std::to_string(d), c, UiFont(12), d == 10 ? xp::kWhite : xp::kBlack, Align::kCenter);
    }
  });
  f.Group("", {226, 66, 178, 214}, "时间(T)");
  f.Custom("clock", {250, 90, 130, 130}, [](cairo_t* cr, const Box& b) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, b.CenterX(), b.CenterY(), 60, 0, 6.2832);
    SetColor(cr, Hex(0xF4F3EE));
    cairo_fill(cr);
    for (int i = 0; i < 12; ++i) {
      double a = i * 3.14159 / 6;
      FillBox(cr, {b.CenterX() + static_cast<int>(52 * std::sin(a)) - 2, b.CenterY() - static_cast<int>(52 * std::cos(a)) - 2, 4, 4},
              Hex(0x1C5180));
    }
    Line(cr, b.CenterX(), b.CenterY(), b.CenterX() + 25, b.CenterY() + 15, xp::kBlack, 3);
    Line(cr, b.CenterX(), b.CenterY(), b.CenterX(), b.CenterY() - 45, xp::kBlack, 2);
  });
  f.Field("time", {262, 240, 110, 21}, "10:30:00");
  f.Label("", 16, 290 + 4, "当前时区: 中国标准时间");
  OkCancel(f, 414, 300);
  return f;
}

Form Regional(int tab) {
  const TabLayout& t = Layout('C');
  std::vector<std::string> labels{"区域选项", "语言", "高级"};
  Form f = WithTabs("区域和语言选项", Icon::kRegional, 352, 452, labels, t.lefts, t.row_top, tab, 410);
  switch (tab) {
    case 0:
      f.Group("", {14, 64, 324, 240}, "标准和格式");
      f.Wrap("", {26, 84, 300, 30}, "此选项影响某些程序如何格式化数字、货币、日期和时间。");
      f.Combo("format", {26, 120, 200, 21}, "中文(中国)");
      f.Button("customize", {234, 120, 92, 22}, "自定义(R)...");
      f.Label("", 26, 156, "示例");
      f.Label("", 26, 180, "数字:");
      f.Field("", {110, 177, 216, 20}, "123,456,789.00");
      f.Label("", 26, 206, "货币:");
      f.Field("", {110, 203, 216, 20}, "￥123,456,789.00");
      f.Label("", 26, 232, "时间:");
      f.Field("", {110, 229, 216, 20}, "10:30:00");
      f.Label("", 26, 258, "短日期:");
      f.Field("", {110, 255, 216, 20}, "2026-9-10");
      f.Group("", {14, 312, 324, 86}, "位置(L)");
      f.Wrap("", {26, 332, 300, 30}, "要帮助服务提供当地信息，例如新闻和天气，请选择您的位置:");
      f.Combo("location", {26, 366, 200, 21}, "中国");
      break;
    case 1:
      f.Group("", {14, 64, 324, 100}, "文字服务和输入语言");
      f.Wrap("", {26, 84, 300, 40}, "要查看或更改您用来输入文字的语言和方法，请单击“详细信息”。");
      f.Button("details", {236, 130, 92, 22}, "详细信息(D)...");
      f.Group("", {14, 172, 324, 120}, "补充的语言支持");
      f.Check("complex", 26, 196, "为复杂文字和从右到左的语言安装文件(T)", false);
      f.Check("east_asian", 26, 240, "为东亚语言安装文件(E)", true);
      break;
    case 2:
      f.Group("", {14, 64, 324, 110}, "非 Unicode 程序的语言版本");
      f.Wrap("", {26, 84, 300, 40}, "选择一个语言版本以符合您想使用的非 Unicode 程序的语言版本。");
      f.Combo("nonunicode", {26, 132, 300, 21}, "中文(中国)");
      f.Group("", {14, 182, 324, 150}, "代码页转换表(C)");
      f.List("codepages", {26, 204, 300, 118}, {"10000 (MAC - 罗马)", "10001 (MAC - 日语)", "10008 (MAC - 简体中文 GB 2312)", "1250 (ANSI - 中欧)", "1252 (ANSI - 拉丁文 I)", "20936 (简体中文 GB2312)", "936 (ANSI/OEM - 简体中文 GBK)"}, -1);
      break;
  }
  f.Button("ok", {190, 420, 74, 22}, "确定", ButtonState::kDefault);
  f.Button("cancel", {t.cancel.x, t.cancel.y, 74, 22}, "取消");
  return f;
}

Form SystemProperties(int tab) {
  const TabLayout& t = Layout('A');
  std::vector<std::string> labels{"常规", "计算机名", "硬件", "高级", "系统还原", "自动更新", "远程"};
  Form f = WithTabs("系统属性", Icon::kSystem, 442, 314, labels, t.lefts, t.row_top, tab, 276);
  switch (tab) {
    case 0:
      f.Custom("logo", {24, 74, 150, 110}, [](cairo_t* cr, const Box& b) {
        FillBox(cr, {b.x + 20, b.y + 10, 30, 30}, Hex(0xF25022));
        FillBox(cr, {b.x + 54, b.y + 10, 30, 30}, Hex(0x7FBA00));
        FillBox(cr, {b.x + 20, b.y + 44, 30, 30}, Hex(0x00A4EF));
        FillBox(cr, {b.x + 54, b.y + 44, 30, 30}, Hex(0xFFB900));
      });
      f.Label("", 220, 76, "系统:");
      f.Label("", 236, 96, "Windows XP");
      f.Label("", 236, 114, "Professional");
      f.Label("", 236, 132, "版本 2002  Service Pack 3");
      f.Label("", 220, 160, "计算机:");
      f.Label("", 236, 180, "Intel(R) Pentium(R) 4 CPU");
      f.Label("", 236, 198, "2.80 GHz, 512 MB 的内存");
      break;
    case 1:
      f.IconAt("", 22, 72, Icon::kMyComputer, 32);
      f.Wrap("", {66, 72, 350, 30}, "Windows 使用以下信息在网络中标识这台计算机。");
      f.Label("", 22, 114, "计算机描述(D):");
      f.Field("description", {124, 111, 296, 20}, "");
      f.Label("", 22, 146, "完整的计算机名称:");
      f.Label("", 140, 146, "PC-XP01.");
      f.Label("", 22, 170, "工作组:");
      f.Label("", 140, 170, "WORKGROUP");
      f.Wrap("", {22, 196, 300, 40}, "要使用向导将计算机加入域并创建本地用户帐户，请单击“网络 ID”。");
      f.Button("network_id", {340, 200, 80, 22}, "网络 ID(N)");
      f.Wrap("", {22, 238, 300, 30}, "要重命名此计算机或加入域，单击“更改”。");
      f.Button("change", {340, 240, 80, 22}, "更改(C)...");
      break;
    case 2:
      f.Group("", {14, 64, 414, 92}, "设备管理器");
      f.IconAt("", 26, 84, Icon::kSystem, 32);
      f.Wrap("", {70, 84, 340, 34}, "设备管理器列出所有安装在您的计算机上的硬件设备。请使用设备管理器来更改设备的属性。");
      f.Button("devmgr", {300, 124, 116, 22}, "设备管理器(D)");
      f.Group("", {14, 164, 414, 100}, "驱动程序");
      f.Button("signing", {120, 228, 140, 22}, "驱动程序签名(S)");
      f.Button("wupdate", {268, 228, 148, 22}, "Windows Update(W)");
      break;
    case 3:
      f.Group("", {14, 64, 414, 62}, "性能");
      f.Wrap("", {26, 82, 300, 30}, "视觉效果，处理器计划，内存使用，以及虚拟内存");
      f.Button("performance", {336, 94, 80, 22}, "设置(S)");
      f.Group("", {14, 130, 414, 62}, "用户配置文件");
      f.Wrap("", {26, 148, 300, 30}, "与您登录有关的桌面设置");
      f.Button("profiles", {336, 160, 80, 22}, "设置(E)");
      f.Group("", {14, 196, 414, 62}, "启动和故障恢复");
      f.Wrap("", {26, 214, 300, 30}, "系统启动、系统失败和调试信息");
      f.Button("startup", {336, 226, 80, 22}, "设置(T)");
      break;
    case 4:
      f.Wrap("", {22, 72, 400, 30}, "系统还原可以跟踪并更正对您的计算机进行的有害更改。");
      f.Check("off", 22, 108, "在所有驱动器上关闭系统还原(T)", false);
      f.Group("", {14, 134, 414, 130}, "可用的驱动器");
      f.List("drives", {26, 156, 300, 96}, {"(C:)      监视", "(D:)      监视"}, 0);
      f.Button("drive_settings", {336, 156, 80, 22}, "设置(S)...");
      break;
    case 5:
      f.IconAt("", 22, 72, Icon::kInternetExplorer, 32);
      f.Wrap("", {66, 72, 350, 30}, "通过定期检查重要更新并安装它们来保护您的计算机。");
      f.Radio("auto", 26, 120, "自动(建议)(U)", true);
      f.Radio("notify_download", 26, 150, "下载更新，但是由我来决定什么时候安装(D)", false);
      f.Radio("notify", 26, 180, "有可用下载时通知我，但是不要自动下载或安装更新(N)", false);
      f.Radio("off", 26, 210, "关闭自动更新(T)", false);
      break;
    case 6:
      f.Group("", {14, 64, 414, 90}, "远程协助");
      f.Check("assistance", 26, 86, "允许从这台计算机发送远程协助邀请(R)", true);
      f.Button("assist_adv", {336, 122, 80, 22}, "高级(V)...");
      f.Group("", {14, 162, 414, 100}, "远程桌面");
      f.Check("desktop", 26, 184, "允许用户远程连接到此计算机(C)", false);
      f.Button("users", {300, 230, 116, 22}, "选择远程用户(S)...");
      break;
  }
  f.Button("ok", {280, 284, 74, 22}, "确定", ButtonState::kDefault);
  f.Button("cancel", {t.cancel.x, t.cancel.y, 74, 22}, "取消");
  return f;
}

Form FolderOptions(int tab) {
  const TabLayout& t = Layout('B');
  std::vector<std::string> labels{"常规", "查看", "文件类型", "脱机文件"};
  Form f = WithTabs("文件夹选项", Icon::kFolderOptions, 408, 510, labels, t.lefts, t.row_top, tab, 470);
  switch (tab) {
    case 0:
      f.Group("", {14, 66, 380, 90}, "任务");
      f.Radio("tasks", 70, 90, "在文件夹中显示常见任务(S)", true);
      f.Radio("classic", 70, 118, "使用 Windows 传统风格的文件夹(C)", false);
      f.Group("", {14, 164, 380, 90}, "浏览文件夹");
      f.Radio("same", 70, 188, "在同一窗口中打开每个文件夹(M)", true);
      f.Radio("new", 70, 216, "在不同窗口中打开不同的文件夹(W)", false);
      f.Group("", {14, 262, 380, 120}, "打开项目的方式");
      f.Radio("single", 70, 286, "通过单击打开项目(指向时选定)(O)", false);
      f.Radio("double", 70, 344, "通过双击打开项目(单击时选定)(D)", true);
      f.Button("restore", {290, 420, 104, 22}, "还原为默认值(R)");
      break;
    case 1: {
      f.Group("", {14, 66, 380, 86}, "文件夹视图");
      f.IconAt("", 26, 88, Icon::kFolder, 32);
      f.Wrap("", {70, 88, 310, 30}, "您可以将当前文件夹使用的视图应用到所有文件夹。");
      f.Button("apply_all", {142, 122, 118, 22}, "应用到所有文件夹(L)");
      f.Button("reset_all", {266, 122, 118, 22}, "重置所有文件夹(R)");
      f.Label("", 14, 162, "高级设置:");
      f.Custom("list_bg", {14, 180, 380, 228}, [](cairo_t* cr, const Box& b) {
        FillBox(cr, b, xp::kWhite);
        StrokeBox(cr, b, xp::kFieldEdge);
      });
      f.Check("show_sys", 22, 188, "显示系统文件夹的内容", false);
      f.Check("show_path", 22, 210, "在地址栏中显示完整路径", false);
      f.Check("show_title", 22, 232, "在标题栏显示完整路径", false);
      f.Check("no_cache", 22, 254, "不缓存缩略图", false);
      f.Label("", 22, 278, "隐藏文件和文件夹");
      f.Radio("hide_files", 40, 298, "不显示隐藏的文件和文件夹", true);
      f.Radio("show_files", 40, 320, "显示所有文件和文件夹", false);
      f.Check("hide_ext", 22, 344, "隐藏已知文件类型的扩展名", true);
      f.Check("hide_protected", 22, 366, "隐藏受保护的操作系统文件(推荐)", true);
      f.Check("separate", 22, 388, "在单独的进程中打开文件夹窗口", false);
      f.Button("defaults", {290, 420, 104, 22}, "还原为默认值(D)");
      break;
    }
    case 2:
      f.Label("", 14, 70, "已注册的文件类型(T):");
      f.List("types", {14, 88, 380, 200}, {"扩展名    文件类型", "BMP       位图图像", "DOC       Word 文档", "EXE       应用程序", "HTM       HTML 文档", "TXT       文本文档", "ZIP       压缩(zipped)文件夹"}, 5);
      f.Button("new_type", {236, 294, 74, 22}, "新建(N)");
      f.Button("delete_type", {320, 294, 74, 22}, "删除(D)");
      f.Group("", {14, 324, 380, 110}, "“TXT”扩展名的详细信息");
      f.Label("", 26, 346, "打开方式:    记事本");
      f.Button("change_app", {300, 342, 84, 22}, "更改(C)...");
      break;
    case 3:
      f.IconAt("", 22, 72, Icon::kFolder, 32);
      f.Wrap("", {66, 72, 320, 44}, "使用脱机文件可以在没有连接到网络的情况下使用网络上存储的文件和程序。");
      f.Check("offline", 22, 128, "启用脱机文件(E)", false);
      break;
  }
  f.Button("ok", {246, 480, 74, 22}, "确定", ButtonState::kDefault);
  f.Button("cancel", {t.cancel.x, t.cancel.y, 74, 22}, "取消");
  return f;
}

Form TaskbarProperties(int tab) {
  std::vector<std::string> labels{"任务栏", "「开始」菜单"};
  Form f = WithTabs("任务栏和「开始」菜单属性", Icon::kTaskbar, 404, 440, labels, Lefts(labels), 36, tab, 398);
  if (tab == 0) {
    f.Group("", {14, 66, 376, 200}, "任务栏外观");
    f.Custom("preview", {26, 86, 352, 30}, [](cairo_t* cr, const Box& b) {
      VGradient(cr, b, Hex(0x3D7EEF), Hex(0x1D54D0));
      FillBox(cr, {b.x, b.y, 60, b.h}, Hex(0x3CA03C));
      Text(cr, "开始", {b.x, b.y, 60, b.h}, Font{Face::kHei, 13, true, true}, xp::kWhite, Align::kCenter);
    });
    f.Check("lock", 26, 126, "锁定任务栏(L)", true);
    f.Check("autohide", 26, 150, "自动隐藏任务栏(U)", false);
    f.Check("ontop", 26, 174, "将任务栏保持在其它窗口的前端(T)", true);
    f.Check("group", 26, 198, "分组相似任务栏按钮(G)", true);
    f.Check("quick", 26, 222, "显示快速启动(Q)", true);
    f.Group("", {14, 274, 376, 110}, "通知区域");
    f.Check("clock", 26, 296, "显示时钟(K)", true);
    f.Check("hide_inactive", 26, 320, "隐藏不活动的图标(H)", true);
    f.Button("customize", {298, 340, 80, 22}, "自定义(C)...");
  } else {
    f.Custom("preview", {26, 70, 352, 150}, [](cairo_t* cr, const Box& b) {
      FillBox(cr, b, Hex(0x3A6EA5));
      FillBox(cr, {b.x + 10, b.y + 10, 140, 130}, xp::kWhite);
      FillBox(cr, {b.x + 80, b.y + 10, 70, 130}, Hex(0xD3E5FA));
    });
    f.Radio("xp", 26, 240, "「开始」菜单(S)", true);
    f.Button("custom_xp", {298, 236, 80, 22}, "自定义(C)...");
    f.Radio("classic", 26, 290, "经典「开始」菜单(M)", false);
    f.Button("custom_classic", {298, 286, 80, 22}, "自定义(R)...");
  }
  OkCancel(f, 398, 406);
  return f;
}

Form RecycleBinProperties() {
  std::vector<std::string> labels{"全局", "本地磁盘 (C:)", "本地磁盘 (D:)"};
  Form f = WithTabs("回收站 属性", Icon::kRecycleEmpty, 380, 420, labels, Lefts(labels), 36, 0, 378);
  f.Radio("separate", 22, 72, "独立配置驱动器(C)", false);
  f.Radio("same", 22, 96, "所有驱动器均使用同一设置(U)", true);
  f.Check("delete_now", 22, 130, "删除时不将文件移入回收站，而是彻底删除(R)", false);
  f.Label("", 22, 166, "回收站的最大空间(驱动器的百分比)(M)");
  f.HSlider("size", {40, 190, 290, 30}, 11, 40 + 5 + 28);
  f.Label("size_text", 170, 226, "10%");
  f.Check("confirm", 22, 262, "显示删除确认对话框(D)", true);
  OkCancel(f, 374, 388);
  return f;
}

Form FontDialog(int font, int style, int size) {
  Form f("字体", Icon::kFonts, 460, 330, xp::Buttons::kHelpClose);
  f.Label("", 12, 42, "字体(F):");
  f.Field("font_field", {12, 58, 160, 20}, kFontNames.at(font));
  f.List("font", {12, 80, 160, 130}, kFontNames, font);
  f.Label("", 182, 42, "字形(Y):");
  f.Field("style_field", {182, 58, 110, 20}, kFontStyles.at(style));
  f.List("style", {182, 80, 110, 130}, kFontStyles, style);
  f.Label("", 302, 42, "大小(S):");
  f.Field("size_field", {302, 58, 60, 20}, kFontSizes.at(size));
  f.List("size", {302, 80, 60, 130}, kFontSizes, size);
  f.Button("ok", {376, 58, 74, 22}, "确定", ButtonState::kDefault);
  f.Button("cancel", {376, 86, 74, 22}, "取消");
  f.Group("", {182, 220, 180, 70}, "示例");
  std::string sample_font = kFontNames.at(font);
  f.Custom("sample", {192, 238, 160, 44}, [font, style, size](cairo_t* cr, const Box& b) {
    Font fnt{font == 1 ? Face::kHei : font == 2 ? Face::kKai : font >= 4 ? Face::kSans : Face::kSong,
             static_cast<double>(std::stoi(kFontSizes.at(size))) * 1.3, style >= 2, style % 2 == 1};
    Text(cr, "微软中文软件", b, fnt, xp::kBlack, Align::kCenter);
  });
  f.Label("", 182, 298, "字符集(R):");
  f.Combo("charset", {246, 295, 116, 21}, "CHINESE_GB2312");
  return f;
}

Form SaveAs(const std::string& folder, Icon folder_icon, const std::string& file_name,
            const std::vector<std::pair<Icon, std::string>>& files) {
  Form f("另存为", Icon::kNotepad, 520, 350, xp::Buttons::kHelpClose);
  f.Label("", 12, 44, "保存在(I):");
  f.Custom("where", {86, 40, 261, 22}, [folder, folder_icon](cairo_t* cr, const Box& b) {
    xp::ComboBox(cr, b, folder, folder_icon, true);
  });
  for (int i = 0; i < 4; ++i)
    f.Custom("", {356 + i * 28, 40, 24, 22}, [i](cairo_t* cr, const Box& b) {
      static const Icon icons[] = {Icon::kFolderOpen, Icon::kFolder, Icon::kFolder, Icon::kProgram};
      DrawIcon(cr, icons[i], b.x + 4, b.y + 3, 16);
    });
  f.Custom("places", {10, 70, 76, 200}, [](cairo_t* cr, const Box& b) {
    FillBox(cr, b, Hex(0x7B97E0));
    const std::pair<Icon, const char*> places[] = {{Icon::kRecent, "我最近的文档"},
                                                   {Icon::kDisplay, "桌面"},
                                                   {Icon::kMyDocuments, "我的文档"},
                                                   {Icon::kMyComputer, "我的电脑"},
                                                   {Icon::kNetwork, "网上邻居"}};
    for (int i = 0; i < 5; ++i) {
      DrawIcon(cr, places[i].first, b.x + 22, b.y + 4 + i * 39, 32);
      Text(cr, places[i].second, {b.x, b.y + 26 + i * 39, b.w, 14}, UiFont(11), xp::kWhite, Align::kCenter);
    }
  });
  f.Custom("files", {90, 70, 420, 200}, [files](cairo_t* cr, const Box& b) {
    FillBox(cr, b, xp::kWhite);
    StrokeBox(cr, b, xp::kFieldEdge);
    for (size_t i = 0; i < files.size(); ++i) {
      int x = b.x + 6 + static_cast<int>(i / 9) * 140, y = b.y + 6 + static_cast<int>(i % 9) * 20;
      DrawIcon(cr, files[i].first, x, y, 16);
      TextAt(cr, files[i].second, x + 20, y + 2, UiFont(12), xp::kBlack);
    }
  });
  f.Label("", 92, 284, "文件名(N):");
  f.Combo("name", {172, 280, 246, 21}, file_name);
  f.Label("", 92, 312, "保存类型(T):");
  f.Combo("type", {172, 308, 246, 21}, "文本文档(*.txt)");
  f.Button("save", {430, 280, 80, 22}, "保存(S)", ButtonState::kDefault);
  f.Button("cancel", {430, 308, 80, 22}, "取消");
  return f;
}

Form Find(const std::string& text) {
  Form f("查找", Icon::kSearch, 370, 130, xp::Buttons::kHelpClose);
  f.Label("", 10, 46, "查找内容(N):");
  f.Field("what", {90, 43, 180, 20}, text);
  f.Button("next", {280, 40, 80, 22}, "查找下一个(F)", ButtonState::kDefault);
  f.Button("cancel", {280, 68, 80, 22}, "取消");
  f.Check("case", 10, 96, "区分大小写(C)", false);
  f.Group("", {140, 70, 130, 48}, "方向");
  f.Radio("up", 150, 92, "向上(U)", false);
  f.Radio("down", 208, 92, "向下(D)", true);
  return f;
}

Form InternetOptions(const std::string& home) {
  std::vector<std::string> labels{"常规", "安全", "隐私", "内容", "连接", "程序", "高级"};
  Form f = WithTabs("Internet 选项", Icon::kInternetExplorer, 404, 440, labels, Lefts(labels), 36, 0, 398);
  f.Group("", {14, 66, 376, 96}, "主页");
  f.IconAt("", 24, 90, Icon::kInternetExplorer, 32);
  f.Wrap("", {66, 86, 310, 20}, "您可以更改哪一页作为您的主页。");
  f.Label("", 66, 112, "地址(R):");
  f.Field("address", {120, 109, 260, 20}, home);
  f.Button("current", {66, 134, 96, 22}, "使用当前页(C)");
  f.Button("default", {170, 134, 96, 22}, "使用默认页(F)");
  f.Button("blank", {274, 134, 106, 22}, "使用空白页(B)");
  f.Group("", {14, 170, 376, 96}, "Internet 临时文件");
  f.Wrap("", {66, 190, 310, 34}, "您所查看的 Internet 上的网页存储在特定的文件夹中，这样可以提高以后浏览的速度。");
  f.Button("cookies", {66, 234, 112, 22}, "删除 Cookies(I)...");
  f.Button("files", {184, 234, 100, 22}, "删除文件(D)...");
  f.Button("settings", {290, 234, 90, 22}, "设置(S)...");
  f.Group("", {14, 274, 376, 84}, "历史记录");
  f.Wrap("", {66, 294, 310, 20}, "“历史记录”文件夹中包含有已访问网页的链接。");
  f.Label("", 66, 326, "网页保存在历史记录中的天数(K):");
  f.Field("days", {254, 323, 40, 20}, "20");
  f.Button("clear", {300, 322, 80, 22}, "清除历史记录");
  OkCancel(f, 398, 406);
  return f;
}

Form CreatePassword() {
  Form f("用户帐户", Icon::kUsers, 560, 400, xp::Buttons::kAll);
  f.Custom("", {4, 30, 552, 366}, [](cairo_t* cr, const Box& b) {
    FillBox(cr, b, xp::kWhite);
    VGradient(cr, {b.x, b.y, 150, b.h}, Hex(0x7BA2E7), Hex(0x6375D6));
  });
  f.Custom("", {170, 46, 380, 30}, [](cairo_t* cr, const Box& b) {
    TextAt(cr, "为您的帐户创建一个密码", b.x, b.y, Font{Face::kHei, 18, true}, Hex(0x215DC6));
  });
  f.Label("", 170, 100, "输入一个新密码:");
  f.Password("new", {170, 118, 240, 20}, 0);
  f.Label("", 170, 150, "再次输入密码以确认:");
  f.Password("confirm", {170, 168, 240, 20}, 0);
  f.Wrap("", {170, 198, 360, 34}, "如果密码包含大写字母，它们每次都必须以相同的大小写方式输入。");
  f.Label("", 170, 240, "输入一个单词或短语作为密码提示:");
  f.Field("hint", {170, 258, 240, 20}, "");
  f.Button("create", {290, 300, 100, 22}, "创建密码(C)", ButtonState::kDefault);
  f.Button("cancel", {398, 300, 74, 22}, "取消");
  return f;
}

Form ImageAttributes(const std::string& width, const std::string& height) {
  Form f("属性", Icon::kPaint, 330, 230, xp::Buttons::kHelpClose);
  f.Label("", 12, 44, "文件最后修改时间:   不可用");
  f.Label("", 12, 64, "磁盘上的大小:       不可用");
  f.Label("", 12, 96, "宽度(W):");
  f.Field("width", {70, 93, 60, 20}, width);
  f.Label("", 150, 96, "高度(H):");
  f.Field("height", {206, 93, 60, 20}, height);
  f.Group("", {12, 124, 220, 44}, "单位");
  f.Radio("inch", 22, 144, "英寸(I)", false);
  f.Radio("cm", 84, 144, "厘米(M)", false);
  f.Radio("px", 150, 144, "像素(P)", true);
  f.Group("", {12, 172, 220, 44}, "颜色");
  f.Radio("bw", 22, 192, "黑白(B)", false);
  f.Radio("color", 110, 192, "彩色(L)", true);
  f.Button("ok", {246, 44, 74, 22}, "确定", ButtonState::kDefault);
  f.Button("cancel", {246, 72, 74, 22}, "取消");
  f.Button("default", {246, 100, 74, 22}, "默认值(D)");
  return f;
}

Form NewConnection() {
  Form f("新建连接向导", Icon::kNetwork, 440, 300, xp::Buttons::kCloseOnly);
  f.Custom("", {4, 30, 432, 60}, [](cairo_t* cr, const Box& b) {
    FillBox(cr, b, xp::kWhite);
    TextAt(cr, "连接名", b.x + 20, b.y + 10, Font{Face::kHei, 13, true}, xp::kBlack);
    TextAt(cr, "提供此连接的服务名是什么？", b.x + 36, b.y + 32, UiFont(12), xp::kBlack);
  });
  f.Label("", 40, 110, "ISP 名称(A):");
  f.Field("isp", {40, 128, 300, 20}, "");
  f.Wrap("", {40, 160, 360, 30}, "您在此输入的名称将作为您在创建的连接名称。");
  f.Button("back", {180, 262, 74, 22}, "< 上一步(B)");
  f.Button("next", {258, 262, 74, 22}, "下一步(N) >", ButtonState::kDefault);
  f.Button("cancel", {350, 262, 74, 22}, "取消");
  return f;
}

Form Progress(const std::string& title, const std::string& file, const std::string& from, const std::string& to,
              int percent) {
  Form f(title, Icon::kFolderOpen, 360, 170, xp::Buttons::kCloseOnly);
  f.Custom("anim", {20, 40, 320, 40}, [](cairo_t* cr, const Box& b) {
    DrawIcon(cr, Icon::kFolder, b.x, b.y + 4, 32);
    for (int i = 0; i < 5; ++i) DrawIcon(cr, Icon::kTextFile, b.x + 80 + i * 30, b.y + 8 - (i % 2) * 6, 18);
    DrawIcon(cr, Icon::kFolderOpen, b.Right() - 34, b.y + 4, 32);
  });
  f.Label("", 20, 90, file);
  f.Label("", 20, 108, "从“" + from + "”到“" + to + "”");
  f.Custom("bar", {20, 128, 240, 16}, [percent](cairo_t* cr, const Box& b) {
    FillBox(cr, b, xp::kWhite);
    StrokeBox(cr, b, Hex(0x7F9DB9));
    int n = (b.w - 4) * percent / 100 / 9;
    for (int i = 0; i < n; ++i) VGradient(cr, {b.x + 2 + i * 9, b.y + 2, 7, b.h - 4}, Hex(0x7CE080), Hex(0x2FA83A));
  });
  f.Button("cancel", {272, 126, 74, 22}, "取消");
  return f;
}

Form Simple(const std::string& title, Icon icon, int w, int h, const std::string& text, const std::string& field_label,
            const std::string& field) {
  Form f(title, icon, w, h, xp::Buttons::kHelpClose);
  f.IconAt("icon", 16, 44, icon);
  f.Wrap("text", {62, 46, w - 80, 40}, text);
  if (!field_label.empty()) {
    f.Label("", 62, 94, field_label);
    f.Field("field", {62 + TextWidth(field_label, UiFont(12)) + 8, 91, w - 86 - TextWidth(field_label, UiFont(12)), 20},
            field);
  }
  f.Button("ok", {w - 168, h - 34, 74, 22}, "确定", ButtonState::kDefault);
  f.Button("cancel", {w - 88, h - 34, 74, 22}, "取消");
  return f;
}

Form Question(const std::string& title, Icon icon, const std::string& text) {
  Form f(title, icon, 380, 132, xp::Buttons::kCloseOnly);
  f.IconAt("icon", 16, 44, icon);
  f.Wrap("text", {64, 46, 300, 40}, text);
  f.Button("yes", {110, 98, 74, 22}, "是(Y)", ButtonState::kDefault);
  f.Button("no", {194, 98, 74, 22}, "否(N)");
  return f;
}

}  // namespace xpexam::bankgen::dialogs
