#include "tools/bankgen/program_pictures.h"

#include <cmath>
#include <functional>
#include <map>
#include <set>

#include "platform/codepage.h"
#include "tools/bankgen/picture_files.h"
#include "tools/bankgen/xp.h"

namespace xpexam::bankgen {
namespace {

constexpr Rgb kBrand = Hex(0x1F5FB8);
constexpr Rgb kBrandDark = Hex(0x123F86);
constexpr Rgb kBrandLight = Hex(0xDCE9FA);
constexpr Rgb kOrange = Hex(0xF08A1C);
// The title strip of the home window and of the small windows, flat so that the same "–" and
// "×" pictures sit on it at any height.
constexpr Rgb kTitleStrip = Hex(0x2962B4);
// The home window's background, a gradient down its 600 rows.
constexpr Rgb kHomeTop = Hex(0xEEF4FC);
constexpr Rgb kHomeBottom = Hex(0xD4E3F6);
// The left column of the unit, paper and help panels.
constexpr Rgb kPanelColumn = Hex(0xCFE0F6);
// The small windows' body and the score page, a gradient down the window.
constexpr Rgb kBodyTop = Hex(0xF7FAFF);
constexpr Rgb kBodyBottom = Hex(0xE2ECF8);
// The tabbed pages' panels, a gradient down their 460 rows.
constexpr Rgb kPanelTop = Hex(0xFFFFFF);
constexpr Rgb kPanelBottom = Hex(0xEAF1FB);
constexpr int kPanelHeight = 460;
// The box of the bookmark and wrong-answer counts, flat so that both filter buttons in it match.
constexpr Rgb kCountBox = Hex(0xF4F8FE);
// A paper's card on the paper panel, 80 rows high.
constexpr Rgb kCardTop = Hex(0xFFFFFF);
constexpr Rgb kCardBottom = Hex(0xEDF3FB);

struct Style {
  Rgb top, bottom, text;
  bool border = true;
};

Style Blue() { return {Hex(0x4C8EE6), Hex(0x1D5CB8), xp::kWhite}; }
Style Orange() { return {Hex(0xFFB347), Hex(0xE6781A), xp::kWhite}; }
Style Green() { return {Hex(0x5CC46E), Hex(0x23883A), xp::kWhite}; }
Style Grey() { return {Hex(0xF4F4F4), Hex(0xD6D9DE), Hex(0x333333)}; }
Style Light() { return {Hex(0xFFFFFF), Hex(0xE3EEFB), Hex(0x1F5FB8)}; }
Style Dark() { return {Hex(0x335C99), Hex(0x1C3A6A), xp::kWhite}; }

// One frame of a face: 0 normal, 1 hover, 2 pressed, 3 disabled.
void FaceFrame(cairo_t* cr, const Box& b, const std::string& text, Style s, int frame, double font_px,
          const std::function<void(cairo_t*, const Box&, Rgb)>& glyph = nullptr) {
  Rgb top = s.top, bottom = s.bottom, fg = s.text;
  if (frame == 1) {
    top = Mix(top, xp::kWhite, 0.35);
    bottom = Mix(bottom, xp::kWhite, 0.25);
  } else if (frame == 2) {
    std::swap(top, bottom);
    top = Mix(top, xp::kBlack, 0.12);
  } else if (frame == 3) {
    top = Hex(0xE8E8E8);
    bottom = Hex(0xC8C8C8);
    fg = Hex(0x8C8C8C);
  }
  cairo_pattern_t* p = cairo_pattern_create_linear(0, b.y, 0, b.Bottom());
  cairo_pattern_add_color_stop_rgb(p, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
  double r = std::min(5.0, b.h / 3.0);
  RoundedPath(cr, b.x + 0.5, b.y + 0.5, b.w - 1, b.h - 1, r);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, Mix(bottom, xp::kBlack, 0.3));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  if (frame != 2) {
    SetColor(cr, xp::kWhite, 0.35);
    RoundedPath(cr, b.x + 1.5, b.y + 1.5, b.w - 3, b.h / 2.0 - 1, r - 1 > 0 ? r - 1 : 1);
    cairo_fill(cr);
  }
  Box t = frame == 2 ? b.Offset(1, 1) : b;
  if (glyph) {
    glyph(cr, t, fg);
  } else if (!text.empty()) {
    Text(cr, text, t, Font{Face::kHei, font_px, false}, fg, Align::kCenter);
  }
}

// What shows at a face's rounded corners: white, or what lies under the button.
using Backdrop = std::function<void(cairo_t*, const Box&)>;

Image Strip(int w, int h, const std::string& text, Style s, double font_px = 12,
            const std::function<void(cairo_t*, const Box&, Rgb)>& glyph = nullptr, const Backdrop& backdrop = nullptr) {
  Image img(4 * w, h);
  for (int f = 0; f < 4; ++f) {
    const Box b{f * w, 0, w, h};
    if (backdrop) {
      backdrop(img.cr(), b);
    } else {
      FillBox(img.cr(), b, xp::kWhite);
    }
  }
  for (int f = 0; f < 4; ++f) FaceFrame(img.cr(), {f * w, 0, w, h}, text, s, f, font_px, glyph);
  return img;
}

void CloseGlyph(cairo_t* cr, const Box& b, Rgb c) {
  Line(cr, b.CenterX() - 4, b.CenterY() - 4, b.CenterX() + 4, b.CenterY() + 4, c, 2);
  Line(cr, b.CenterX() + 4, b.CenterY() - 4, b.CenterX() - 4, b.CenterY() + 4, c, 2);
}

void MinGlyph(cairo_t* cr, const Box& b, Rgb c) { FillBox(cr, {b.CenterX() - 5, b.CenterY() + 2, 10, 2}, c); }

// A title strip and body, the common frame of the program's small windows.
void Frame(cairo_t* cr, int w, int h, int strip, const std::string& caption) {
  VGradient(cr, {0, 0, w, h}, kBodyTop, kBodyBottom);
  FillBox(cr, {0, 0, w, strip}, kTitleStrip);
  HLine(cr, 0, w - 1, strip, Hex(0x0E2F66));
  StrokeBox(cr, {0, 0, w, h}, Hex(0x0E2F66));
  if (!caption.empty()) Text(cr, caption, {40, 0, w - 80, strip}, BoldFont(13), xp::kWhite);
}

void Logo(cairo_t* cr, int x, int y, int size) {
  double s = size / 24.0;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  FillRounded(cr, {0, 0, 24, 24}, 5, kOrange);
  FillBox(cr, {5, 5, 6, 6}, xp::kWhite);
  FillBox(cr, {13, 5, 6, 6}, Hex(0xFFE0B0));
  FillBox(cr, {5, 13, 6, 6}, Hex(0xFFE0B0));
  FillBox(cr, {13, 13, 6, 6}, xp::kWhite);
  cairo_restore(cr);
}

// The home screen's big tiles and tab buttons carry an icon above their caption.
Image IconStrip(int w, int h, const std::string& text, Icon icon, Style s, int icon_size, double font_px,
                const Backdrop& backdrop = nullptr) {
  return Strip(w, h, text, s, font_px, [text, icon, icon_size, font_px](cairo_t* cr, const Box& b, Rgb fg) {
    int ih = icon_size + 6 + static_cast<int>(font_px) + 4;
    int top = b.y + (b.h - ih) / 2;
    DrawIcon(cr, icon, b.CenterX() - icon_size / 2.0, top, icon_size);
    Text(cr, text, {b.x, top + icon_size + 6, b.w, static_cast<int>(font_px) + 6}, Font{Face::kHei, font_px, true}, fg,
         Align::kCenter);
  }, backdrop);
}

// The tabbed pages' title strip: the tab bar picture's gradient, 110 pixels high.
constexpr Rgb kTabBarTop = Hex(0x2E6CC4);
constexpr int kTabBarHeight = 110;

// What lies under a button whose top edge is `top` rows down a vertical gradient of `height` rows.
Backdrop OnGradient(Rgb from, Rgb to, int height, int top) {
  return [=](cairo_t* cr, const Box& b) {
    VGradient(cr, b, Mix(from, to, top / double(height)), Mix(from, to, (top + b.h) / double(height)));
  };
}

Backdrop OnTabBar(int top) { return OnGradient(kTabBarTop, kBrandDark, kTabBarHeight, top); }

Backdrop OnColour(Rgb c) {
  return [c](cairo_t* cr, const Box& b) { FillBox(cr, b, c); };
}

void Add(PictureStore& store, const std::string& name, const Image& img,
         PictureStore::Kind kind = PictureStore::Kind::kAuto) {
  store.AddNamed(name, img, kind);
}

std::string Name(int i) { return "l200" + std::string(i < 10 ? "0" : "") + std::to_string(i); }

}  // namespace

void AddProgramPictures(PictureStore& store, const std::string& module_title) {
  using K = PictureStore::Kind;
  // Window icon and logos.
  {
    Image icon(32, 32, true);
    Logo(icon.cr(), 1, 1, 30);
    store.AddNamedBytes("l62011", EncodeIcon(icon.surface()));
    Image small(24, 24);
    FillBox(small.cr(), {0, 0, 24, 24}, Hex(0x2F6FCB));
    Logo(small.cr(), 1, 1, 22);
    Add(store, "l20067", small, K::kBmp);
    Image logo(116, 23);
    VGradient(logo.cr(), {0, 0, 116, 23}, Hex(0xFFFFFF), Hex(0xDCE9FA));
    Logo(logo.cr(), 3, 2, 19);
    Text(logo.cr(), "XP 练习系统", {26, 0, 88, 23}, BoldFont(12), kBrand);
    Add(store, "l62009", logo, K::kBmp);
  }
  // Splash.
  {
    Image img(400, 200);
    cairo_t* cr = img.cr();
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 200);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.18, 0.44, 0.82);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.05, 0.18, 0.44);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    Logo(cr, 24, 30, 48);
    TextAt(cr, module_title, 86, 34, Font{Face::kHei, 22, true}, xp::kWhite);
    TextAt(cr, "上机操作考试练习系统", 88, 66, Font{Face::kHei, 14}, Hex(0xCFE0FF));
    HLine(cr, 24, 376, 110, Hex(0x6E9BE0));
    FillBox(cr, {0, 186, 400, 14}, Hex(0x0A2458));
    Add(store, "l20059", img, K::kJpeg);
  }
  // Message box and dialog frames.
  {
    Image box(370, 250);
    Frame(box.cr(), 370, 250, 36, "");
    FillBox(box.cr(), {10, 176, 350, 1}, Hex(0xC8D6EA));
    Add(store, "l20069", box, K::kJpeg);
    Image dlg(420, 280);
    Frame(dlg.cr(), 420, 280, 36, "");
    FillBox(dlg.cr(), {10, 224, 400, 1}, Hex(0xC8D6EA));
    Add(store, "l20070", dlg, K::kJpeg);
    // The message box shows its icon at pixel (16, 46) of its background, as a plain picture:
    // the icon carries the background it sits on.
    for (const auto& [name, icon] : {std::pair{"l20071", Icon::kQuestion}, std::pair{"l20072", Icon::kInformation}}) {
      Image img(48, 48);
      cairo_translate(img.cr(), -16, -46);
      Frame(img.cr(), 370, 250, 36, "");
      cairo_identity_matrix(img.cr());
      DrawIcon(img.cr(), icon, 0, 0, 48);
      Add(store, name, img, K::kBmp);
    }
  }
  // Question bar.
  {
    Image bar(332, 242);
    cairo_t* cr = bar.cr();
    Frame(cr, 332, 242, 30, "");
    FillBox(cr, {5, 59, 322, 123}, xp::kWhite);
    StrokeBox(cr, {5, 59, 322, 123}, Hex(0xA8C0E0));
    FillBox(cr, {0, 184, 332, 1}, Hex(0xC8D6EA));
    // Not a JPEG: its ringing next to the dark edge would show round the "–" and "×" up there.
    Add(store, "l01046", bar, K::kBmp);
  }
  struct Btn {
    std::string name;
    int w, h;
    std::string text;
    Style style;
  };
  const std::vector<Btn> buttons = {
      {"l01000", 48, 22, "上一题", Blue()},     {"l01001", 48, 22, "下一题", Blue()},
      {"l01002", 58, 22, "重做本题", Blue()},   {"l01003", 58, 22, "标记本题", Orange()},
      {"l01004", 48, 22, "选题", Blue()},       {"l01005", 58, 22, "结束练习", Dark()},
      {"l01006", 58, 22, "操作提示", Green()},  {"l01007", 58, 22, "答案演示", Green()},
      {"l01008", 58, 22, "交卷", Orange()},     {"l01009", 58, 22, "考生信息", Blue()},
      {"l01010", 58, 22, "查看答案", Green()},  {"l01011", 58, 22, "取消标记", Grey()},
      {"l01035", 128, 30, "查看试卷", Blue()},  {"l01036", 128, 30, "错题重做", Orange()},
      {"l01037", 58, 30, "返回", Dark()},       {"l01038", 128, 30, "返回继续考试", Blue()},
      {"l01039", 128, 30, "我想立即看答案", Orange()}, {"l01041", 88, 28, "确定交卷", Orange()},
      {"l01042", 88, 28, "返回", Blue()},       {"l01044", 58, 22, "", Light()},
      {"l01045", 55, 22, "返回", Dark()},       {"l01047", 55, 22, "上一页", Blue()},
      {"l01048", 55, 22, "下一页", Blue()},     {"l01053", 58, 22, "标记本题", Dark()},
      {"l01054", 58, 22, "取消标记", Grey()},
  };
  // The bar's panels, the hand-in confirmations and the answer prompt are plain window grey; the
  // score report's own buttons lie 272 rows down its page.
  const std::set<std::string> on_report = {"l01035", "l01036", "l01037"};
  for (const auto& b : buttons)
    Add(store, b.name,
        Strip(b.w, b.h, b.text, b.style, b.h >= 28 ? 14 : 12, nullptr,
              on_report.count(b.name) ? OnGradient(kBodyTop, kBodyBottom, 600, 272) : OnColour(xp::kFace)),
        K::kBmp);
  const Backdrop grey = OnColour(xp::kFace);
  // The bar's "?" lies on the white of the input-method label beside it.
  Add(store, "l01043", Strip(16, 18, "?", Light(), 12), K::kBmp);
  Add(store, "l01030", Strip(30, 30, "", Grey(), 12, nullptr, grey), K::kBmp);
  Add(store, "l01031", Strip(30, 30, "", Light(), 12, nullptr, grey), K::kBmp);
  Add(store, "l01032", Strip(30, 30, "", {Hex(0xFFD89A), Hex(0xF3A73F), Hex(0x000000)}, 12, nullptr, grey), K::kBmp);
  Add(store, "l01033", Strip(30, 30, "", {Hex(0xC8F0C8), Hex(0x74C774), Hex(0x000000)}, 12, nullptr, grey), K::kBmp);
  Add(store, "l01034", Strip(30, 30, "", {Hex(0xFFD0D0), Hex(0xE86A6A), Hex(0x000000)}, 12, nullptr, grey), K::kBmp);

  // Home screen button faces l20000 to l20048 and the chosen faces.
  auto strip = [&](int i, const Image& img) { Add(store, Name(i), img, K::kBmp); };
  // The message box's and the update window's buttons sit 192 rows down their 250, the About
  // box's and the input-method help's 232 down their 280: the body's gradient differs there by a
  // shade or two.
  const Backdrop dialog_foot = OnGradient(kBodyTop, kBodyBottom, 250, 192);
  strip(0, Strip(90, 30, "取消", Grey(), 14, nullptr, dialog_foot));
  strip(1, Strip(90, 30, "确定", Blue(), 14, nullptr, dialog_foot));
  // The title-strip buttons of the home window, the question bar and the small windows.
  const Backdrop title_strip = OnColour(kTitleStrip);
  strip(2, Strip(22, 22, "", Blue(), 12, MinGlyph, title_strip));
  strip(3, Strip(22, 22, "", {Hex(0xF08870), Hex(0xC8381A), xp::kWhite}, 12, CloseGlyph, title_strip));
  const std::pair<const char*, Icon> tiles[] = {{"题库练习", Icon::kNotepad},
                                                {"试卷练习", Icon::kWordFile},
                                                {"我的标记", Icon::kFolderOptions},
                                                {"我的错题", Icon::kWarning}};
  const Style tile_styles[] = {Blue(), Green(), Orange(), {Hex(0xE86A6A), Hex(0xB0303A), xp::kWhite}};
  // The sample's home view has two tiles, 150 pixels square and 200 rows down; the other two
  // are only shown in a row of four, 160 pixels high and 256 rows down.
  for (int i = 0; i < 4; ++i) {
    const int h = i < 2 ? 150 : 160;
    strip(4 + i, IconStrip(150, h, tiles[i].first, tiles[i].second, tile_styles[i], 64, 18,
                           OnGradient(kHomeTop, kHomeBottom, 600, i < 2 ? 200 : 256)));
  }
  // The home view's bottom row, 488 rows down.
  const Backdrop bottom_row = OnGradient(kHomeTop, kHomeBottom, 600, 488);
  strip(8, IconStrip(36, 55, "升级", Icon::kInternetExplorer, Light(), 22, 11, bottom_row));
  strip(9, Strip(80, 25, "", Grey()));
  strip(10, Strip(80, 25, "", Grey()));
  strip(11, IconStrip(36, 55, "帮助", Icon::kHelp, Light(), 22, 11, bottom_row));
  strip(12, IconStrip(36, 55, "网站", Icon::kInternetExplorer, Light(), 22, 11, bottom_row));
  // The tabbed pages' "–" and "×" sit 8 pixels down the tab bar, the tabs 31.
  strip(13, Strip(22, 22, "", Dark(), 12, MinGlyph, OnTabBar(8)));
  strip(14, Strip(22, 22, "", {Hex(0xF08870), Hex(0xC8381A), xp::kWhite}, 12, CloseGlyph, OnTabBar(8)));
  const std::pair<const char*, Icon> tabs[] = {{"首页", Icon::kDisplay},
                                               {"题库练习", Icon::kNotepad},
                                               {"试卷练习", Icon::kWordFile},
                                               {"我的标记", Icon::kFolderOptions},
                                               {"我的错题", Icon::kWarning}};
  for (int i = 0; i < 5; ++i)
    strip(15 + i, IconStrip(82, 80, tabs[i].first, tabs[i].second, Dark(), 36, 13, OnTabBar(31)));
  // The panels' buttons lie on the panel's gradient, which starts inside its 2-pixel border; those
  // of the bookmark and wrong-answer pages lie on the page's picture, the same gradient.
  auto on_panel = [](int top) { return OnGradient(kPanelTop, kPanelBottom, kPanelHeight, top); };
  strip(20, Strip(120, 40, "开始练习", Orange(), 16, nullptr, on_panel(392)));
  strip(21, Strip(120, 40, "生成新试卷", Orange(), 16, nullptr, on_panel(390)));
  strip(22, Strip(120, 40, "开始练习", Orange(), 16, nullptr, on_panel(154)));
  strip(23, Strip(80, 25, "清空标记", Grey(), 12, nullptr, on_panel(220)));
  strip(24, Strip(120, 40, "开始复习", Orange(), 16, nullptr, on_panel(154)));
  strip(25, Strip(80, 25, "清空错题", Grey(), 12, nullptr, on_panel(220)));
  strip(26, Strip(80, 25, "", Grey()));
  strip(27, Strip(80, 25, "", Grey()));
  const char* views[] = {"冲刺试卷", "模拟试卷", "新随机试卷", "随机试卷"};
  // The panels' left column buttons.
  const Backdrop column = OnColour(kPanelColumn);
  for (int i = 0; i < 4; ++i) strip(28 + i, Strip(180, 50, views[i], Light(), 16, nullptr, column));
  const char* topics[] = {"软件介绍", "备考指南", "考试大纲", "答题技巧", "常见问题"};
  for (int i = 0; i < 5; ++i) strip(32 + i, Strip(180, 50, topics[i], Light(), 16, nullptr, column));
  const char* filters[] = {"全部", "已学", "未学"};
  for (int i = 0; i < 3; ++i) {
    strip(37 + i, Strip(60, 25, filters[i], Grey(), 12, nullptr, on_panel(380)));
    Add(store, Name(87 + i), Strip(60, 25, filters[i], Blue(), 12, nullptr, on_panel(380)), K::kBmp);
  }
  const char* reviews[] = {"未复习", "已复习", "未复习", "已复习"};
  const Backdrop count_box = OnColour(kCountBox);
  for (int i = 0; i < 4; ++i) {
    strip(40 + i, Strip(80, 30, reviews[i], Grey(), 13, nullptr, count_box));
    Add(store, Name(90 + i), Strip(80, 30, reviews[i], Blue(), 13, nullptr, count_box), K::kBmp);
  }
  strip(44, Strip(180, 58, "全部单元", Blue(), 18, nullptr, column));
  strip(45, Strip(180, 35, "", Light(), 12, nullptr, column));
  strip(46, Strip(79, 37, "", Dark(), 12, nullptr, column));
  Add(store, Name(86), Strip(79, 37, "", Orange(), 12, nullptr, column), K::kBmp);
  // Every paper's button lies 42 rows down its card.
  const Backdrop on_card = OnGradient(kCardTop, kCardBottom, 80, 42);
  strip(47, Strip(85, 30, "开始考试", Orange(), 13, nullptr, on_card));
  strip(48, Strip(85, 30, "开始考试", Blue(), 13, nullptr, on_card));

  // Home screen backgrounds.
  {
    Image home(800, 600);
    cairo_t* cr = home.cr();
    VGradient(cr, {0, 0, 800, 600}, kHomeTop, kHomeBottom);
    FillBox(cr, {0, 570, 800, 30}, Hex(0xE4ECF7));
    HLine(cr, 0, 799, 570, Hex(0xBFD0E8));
    // link panel of the two-tile layout (link labels 17 to 20 and 21); each caption names what
    // its label opens: 17 the web site, 18 the second web link, 19 the second support chat, 20 the first
    FillRounded(cr, {90, 452, 230, 74}, 8, Hex(0xFFFFFF));
    const char* links[] = {"官方网站", "在线帮助", "客服二", "客服一"};
    for (int i = 0; i < 4; ++i)
      Text(cr, links[i], {96 + (i % 2) * 106, 456 + (i / 2) * 40, 92, 20}, UiFont(12), kBrand, Align::kCenter);
    Text(cr, "关于本软件", {32, 430, 188, 20}, UiFont(12), kBrand);
    Add(store, "l20060", home, K::kJpeg);
    Image head(800, 200);
    cr = head.cr();
    // The window's "–" and "×" lie on the title strip's colour across the top 36 rows.
    FillBox(cr, {0, 0, 800, 36}, kTitleStrip);
    VGradient(cr, {0, 36, 800, 164}, kTitleStrip, kBrandDark);
    cairo_rectangle(cr, 0, 36, 800, 164);
    cairo_clip(cr);
    SetColor(cr, xp::kWhite, 0.08);
    cairo_arc(cr, 680, 40, 180, 0, 6.2832);
    cairo_fill(cr);
    cairo_reset_clip(cr);
    Logo(cr, 30, 50, 64);
    TextAt(cr, module_title, 110, 52, Font{Face::kHei, 30, true}, xp::kWhite);
    TextAt(cr, "上机操作考试练习系统", 112, 98, Font{Face::kHei, 18}, Hex(0xCFE0FF));
    Add(store, "l20051", head, K::kJpeg);
    Image tabbar(800, 110);
    cr = tabbar.cr();
    VGradient(cr, {0, 0, 800, kTabBarHeight}, kTabBarTop, kBrandDark);
    HLine(cr, 0, 799, 109, Hex(0x0A2458));
    Add(store, "l20052", tabbar, K::kJpeg);
    Image panel(800, kPanelHeight);
    cr = panel.cr();
    VGradient(cr, {0, 0, 800, kPanelHeight}, kPanelTop, kPanelBottom);
    Add(store, "l20053", panel, K::kJpeg);
    Image left(184, 458);
    FillBox(left.cr(), {0, 0, 184, 458}, kPanelColumn);
    VLine(left.cr(), 183, 0, 457, Hex(0x9DB8E0));
    Add(store, "l20054", left, K::kJpeg);
    Image grid(380, 258);
    cr = grid.cr();
    FillBox(cr, {0, 0, 380, 258}, xp::kWhite);
    for (int y = 0; y < 258; y += 24) HLine(cr, 0, 379, y, Hex(0xE0E8F2));
    for (int x = 0; x < 380; x += 40) VLine(cr, x, 0, 257, Hex(0xEEF2F8));
    StrokeBox(cr, {0, 0, 380, 258}, Hex(0xBFD0E8));
    Add(store, "l20055", grid, K::kJpeg);
    Image heading(560, 64);
    cr = heading.cr();
    VGradient(cr, {0, 0, 560, 64}, Hex(0xFFFFFF), kBrandLight);
    FillRounded(cr, {6, 8, 48, 48}, 6, kBrand);
    DrawIcon(cr, Icon::kNotepad, 14, 16, 32);
    HLine(cr, 64, 550, 62, Hex(0xBFD0E8));
    Add(store, "l20064", heading, K::kJpeg);
    Image row(294, 80);
    cr = row.cr();
    VGradient(cr, {0, 0, 294, 80}, kCardTop, kCardBottom);
    StrokeBox(cr, {0, 0, 294, 80}, Hex(0xBFD0E8));
    FillBox(cr, {0, 0, 4, 80}, kOrange);
    Add(store, "l20065", row, K::kJpeg);
    Image random(600, 380);
    cr = random.cr();
    VGradient(cr, {0, 0, 600, 380}, Hex(0xFFFFFF), Hex(0xEAF1FB));
    TextAt(cr, "随机试卷", 40, 40, Font{Face::kHei, 24, true}, kBrand);
    TextWrapped(cr,
                "系统从题库的全部单元中随机抽取 40 道题组成一套新试卷，考试时间 50 分钟，每题 2.5 分。"
                "点击下方的“生成新试卷”按钮，即可开始一次随机模拟考试。最多保存 10 套随机试卷。",
                40, 90, 520, Font{Face::kSong, 14}, Hex(0x333333), 8);
    Add(store, "l20066", random, K::kJpeg);
    for (int k = 0; k < 2; ++k) {
      Image p(800, kPanelHeight);
      cr = p.cr();
      VGradient(cr, {0, 0, 800, kPanelHeight}, kPanelTop, kPanelBottom);
      TextAt(cr, k == 0 ? "我的标记" : "我的错题", 210, 40, Font{Face::kHei, 24, true}, kBrand);
      TextWrapped(cr, k == 0 ? "练习中标记的题目保存在这里，可以按复习状态筛选后集中练习。"
                             : "模拟考试交卷后做错的题目保存在这里，可以按复习状态筛选后集中复习。",
                  210, 84, 520, Font{Face::kSong, 14}, Hex(0x333333), 6);
      FillRounded(cr, {250, 140, 290, 80}, 6, kCountBox);
      TextAt(cr, "未复习的题目", 262, 158, UiFont(13), Hex(0x333333));
      TextAt(cr, "已复习的题目", 262, 188, UiFont(13), Hex(0x333333));
      TextAt(cr, "道", 510, 158, UiFont(13), Hex(0x333333));
      TextAt(cr, "道", 510, 188, UiFont(13), Hex(0x333333));
      Add(store, k == 0 ? "l20057" : "l20058", p, K::kJpeg);
    }
  }
  // Sign-in, confirmation and score pages.
  {
    Image page(800, 600);
    cairo_t* cr = page.cr();
    VGradient(cr, {0, 0, 800, 600}, Hex(0x1E5AAE), Hex(0x0B2C63));
    FillRounded(cr, {160, 150, 480, 300}, 10, xp::kWhite);
    VGradient(cr, {160, 150, 480, 50}, Hex(0x3C7FD9), kBrandDark);
    Text(cr, "考生登录", {160, 150, 480, 50}, Font{Face::kHei, 20, true}, xp::kWhite, Align::kCenter);
    Text(cr, "请输入座位号和身份证号，然后单击“登录”。", {160, 214, 480, 24}, UiFont(13), Hex(0x333333), Align::kCenter);
    Text(cr, "座 位 号：", {230, 296, 100, 24}, Font{Face::kHei, 15}, Hex(0x333333));
    Text(cr, "身份证号：", {230, 327, 100, 24}, Font{Face::kHei, 15}, Hex(0x333333));
    // Each field's frame lies just round its text box (seat 80, ID 192 pixels wide, 24 high), so
    // a click anywhere inside a drawn field lands in the box.
    StrokeBox(cr, {337, 295, 82, 26}, Hex(0x7F9DB9));
    StrokeBox(cr, {337, 326, 194, 26}, Hex(0x7F9DB9));
    FaceFrame(cr, {285, 376, 89, 33}, "登录", Blue(), 0, 16);
    FaceFrame(cr, {444, 376, 89, 33}, "退出", Grey(), 0, 16);
    Add(store, "9l0056", page, K::kJpeg);
    Image confirm(800, 600);
    cr = confirm.cr();
    VGradient(cr, {0, 0, 800, 600}, Hex(0x1E5AAE), Hex(0x0B2C63));
    FillRounded(cr, {60, 110, 680, 390}, 10, xp::kWhite);
    VGradient(cr, {60, 110, 680, 46}, Hex(0x3C7FD9), kBrandDark);
    Text(cr, "考生信息确认", {60, 110, 680, 46}, Font{Face::kHei, 20, true}, xp::kWhite, Align::kCenter);
    const std::pair<int, const char*> upper[] = {{174, "姓    名："}, {196, "座 位 号："}, {220, "场    次："}};
    for (auto [y, t] : upper) Text(cr, t, {180, y - 2, 90, 20}, Font{Face::kHei, 15}, Hex(0x333333));
    const std::pair<int, const char*> lower[] = {{281, "科目："}, {306, "身份证号："}, {330, "档案号："}, {350, "日期："}};
    for (auto [y, t] : lower) Text(cr, t, {80, y - 2, 84, 20}, Font{Face::kHei, 15}, Hex(0x333333), Align::kRight);
    Text(cr, "正在进入考试，请稍候……", {74, 504, 689, 22}, UiFont(13), xp::kWhite);
    FillBox(cr, {74, 532, 689, 12}, Hex(0xDDE6F3));
    Add(store, "9l0057", confirm, K::kJpeg);
    Image score(800, 600);
    cr = score.cr();
    VGradient(cr, {0, 0, 800, 600}, kBodyTop, kBodyBottom);
    VGradient(cr, {0, 0, 800, 70}, Hex(0x3C7FD9), kBrandDark);
    Text(cr, "考试成绩报告", {0, 0, 800, 70}, Font{Face::kHei, 26, true}, xp::kWhite, Align::kCenter);
    TextAt(cr, "本次考试得分：", 210, 334, Font{Face::kHei, 16, true}, Hex(0x333333));
    Text(cr, "绿色为已完成的题目，红色为未完成的题目，点击题号可查看题目。", {0, 90, 800, 24}, UiFont(13), Hex(0x555555),
         Align::kCenter);
    Add(store, "9l0058", score, K::kJpeg);
  }
  // The hand cursor of the home screen.
  for (const auto& [name, bytes] : CursorFiles())
    if (name == "ico01.CUR") store.AddNamedBytes("9l0015", bytes);
}

namespace {

// Cursor shapes on a 32 x 32 ARGB image.
void ArrowShape(cairo_t* cr) { xp::ArrowPointer(cr, 0, 0); }

void HandShape(cairo_t* cr) {
  cairo_move_to(cr, 6.5, 0.5);
  cairo_line_to(cr, 9.5, 0.5);
  cairo_line_to(cr, 9.5, 7.5);
  cairo_line_to(cr, 17.5, 8.5);
  cairo_line_to(cr, 18.5, 18.5);
  cairo_line_to(cr, 15.5, 22.5);
  cairo_line_to(cr, 6.5, 22.5);
  cairo_line_to(cr, 0.5, 13.5);
  cairo_line_to(cr, 2.5, 11.5);
  cairo_line_to(cr, 6.5, 14.5);
  cairo_close_path(cr);
  SetColor(cr, xp::kWhite);
  cairo_fill_preserve(cr);
  SetColor(cr, xp::kBlack);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  Line(cr, 11.5, 8, 11.5, 13, xp::kBlack);
  Line(cr, 14.5, 8.5, 14.5, 13, xp::kBlack);
}

void PlusBadge(cairo_t* cr) {
  FillBox(cr, {14, 16, 11, 11}, xp::kWhite);
  StrokeBox(cr, {14, 16, 11, 11}, xp::kBlack);
  FillBox(cr, {16, 21, 7, 1}, xp::kBlack);
  FillBox(cr, {19, 18, 1, 7}, xp::kBlack);
}

void BoxBadge(cairo_t* cr) {
  SetColor(cr, xp::kBlack);
  for (int x = 12; x < 26; x += 2) {
    cairo_rectangle(cr, x, 17, 1, 1);
    cairo_rectangle(cr, x, 27, 1, 1);
  }
  for (int y = 17; y < 28; y += 2) {
    cairo_rectangle(cr, 12, y, 1, 1);
    cairo_rectangle(cr, 26, y, 1, 1);
  }
  cairo_fill(cr);
}

void IBeam(cairo_t* cr) {
  Line(cr, 8.5, 2, 8.5, 20, xp::kBlack, 1);
  Line(cr, 5, 1.5, 12, 1.5, xp::kBlack, 1);
  Line(cr, 5, 20.5, 12, 20.5, xp::kBlack, 1);
}

void SizeNWSE(cairo_t* cr) {
  Line(cr, 2, 2, 18, 18, xp::kBlack, 1.5);
  cairo_move_to(cr, 1, 1);
  cairo_line_to(cr, 8, 1);
  cairo_line_to(cr, 1, 8);
  cairo_close_path(cr);
  cairo_move_to(cr, 19, 19);
  cairo_line_to(cr, 12, 19);
  cairo_line_to(cr, 19, 12);
  cairo_close_path(cr);
  SetColor(cr, xp::kBlack);
  cairo_fill(cr);
}

std::string Cursor(const std::function<void(cairo_t*)>& paint, int hx, int hy) {
  Image img(32, 32, true);
  paint(img.cr());
  return EncodeCursor(img.surface(), hx, hy);
}

std::string Html(const std::string& title, const std::vector<std::string>& paragraphs) {
  std::string s =
      "<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n<title>" + title +
      "</title>\r\n<style>body{font-family:宋体;font-size:10.5pt;line-height:170%;color:#333;margin:16px}"
      "h2{color:#1f5fb8;font-size:14pt}li{margin-bottom:4px}</style>\r\n</head>\r\n<body>\r\n<h2>" +
      title + "</h2>\r\n";
  for (const auto& p : paragraphs) s += (p.rfind("<", 0) == 0 ? p : "<p>" + p + "</p>") + "\r\n";
  s += "</body>\r\n</html>\r\n";
  return platform::Utf8ToGbk(s);
}

}  // namespace

std::vector<std::pair<std::string, std::string>> CursorFiles() {
  return {
      {"ico00.CUR", Cursor(ArrowShape, 0, 0)},
      {"ico01.CUR", Cursor(HandShape, 7, 0)},
      {"ico02.CUR", Cursor([](cairo_t* cr) { ArrowShape(cr); PlusBadge(cr); }, 0, 0)},
      {"ico03.CUR", Cursor([](cairo_t* cr) { ArrowShape(cr); BoxBadge(cr); }, 0, 0)},
      {"ico04.CUR", Cursor(IBeam, 8, 10)},
      {"ico05.CUR", Cursor(SizeNWSE, 10, 10)},
  };
}

std::vector<std::pair<std::string, std::string>> HelpPages(const std::string& t) {
  return {
      {"l38180", Html("软件介绍",
                      {"本软件是" + t + "上机操作考试的练习系统。每道题都在一个模拟的 Windows XP 桌面上完成，"
                       "系统逐步检查您的鼠标和键盘操作。",
                       "<ul><li>题库练习：按单元练习全部题目、未学题目或已学题目。</li>"
                       "<li>试卷练习：冲刺试卷、模拟试卷和随机试卷，每套 40 题，限时 50 分钟。</li>"
                       "<li>我的标记和我的错题：集中复习标记过的题目和做错的题目。</li></ul>"})},
      {"l38181", Html("备考指南",
                      {"先按单元把每道题练习一遍，遇到不会的题目可以单击“操作提示”，或单击“答案演示”观看完整的操作过程。",
                       "各单元练熟以后，再做冲刺试卷和模拟试卷，按考试的节奏完成全部 40 道题。"})},
      {"l38182", Html("考试大纲",
                      {"<ol><li>Windows XP 的桌面、「开始」菜单和任务栏</li><li>窗口、菜单和对话框的操作</li>"
                       "<li>文件和文件夹的管理</li><li>资源管理器与搜索</li><li>回收站和快捷方式</li>"
                       "<li>控制面板：显示、鼠标、声音、日期和时间、区域和语言</li><li>系统属性和文件夹选项</li>"
                       "<li>附件：记事本、画图、计算器和命令提示符</li></ol>"})},
      {"l38183", Html("答题技巧",
                      {"每道题只检查题目要求的操作，其它操作不会改变题目的状态。操作不被接受时，请核对题目要求，再试一次。",
                       "需要输入文字的题目，请在出现的文本框中直接输入；要求按回车键的题目，输入后按 Enter 键确认。"})},
      {"l38184", Html("常见问题",
                      {"问：为什么单击后没有反应？<br>答：请检查单击的位置是否正确，是否需要双击或右键单击。",
                       "问：怎样重新练习一道题？<br>答：单击题目栏上的“重做本题”按钮。"})},
  };
}

}  // namespace xpexam::bankgen
