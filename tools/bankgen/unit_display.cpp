// Unit 8: display settings and the user account password.
#include "tools/bankgen/content.h"

namespace xpexam::bankgen {

using namespace keys;

void UnitDisplay(Kit& k) {
  k.bank().AddUnit("显示与个性化设置");
  const Desktop d;
  const int fx = 40, fy = 20;
  const Box empty = Desktop::Empty();
  auto open = [&](Question& q) -> Question& {
    return q.Screen(k.Desk(d)).Popup(1, 1, 9, 1, empty, PopupHint("右键单击桌面空白处", 1, 1, 9, 1));
  };
  auto at = [&](const Form& f) { return k.Desk(d, f, fx, fy); };
  auto tab = [&](Question& q, int t, const std::string& name) -> Question& {
    Form f = dialogs::DisplayProperties(0);
    return q.Screen(at(f)).Click(f.TabBox(t).Offset(fx, fy), "单击“" + name + "”选项卡");
  };
  auto ok = [&](Question& q, const Form& f) -> Question& {
    return q.Click(f.At("ok", fx, fy), "单击“确定”按钮").Screen(k.Desk(d));
  };

  {
    Form f = dialogs::DisplayProperties(1);
    Box list = f.At("background", fx, fy);
    const std::vector<std::string> items = {"(无)", "Bliss", "宁静", "湖光山色", "草原", "风景", "向日葵"};
    Form chosen = f;
    chosen.SetSelected("background", 2).SetState("apply", xp::ButtonState::kNormal);
    Question& q = k.Ask("把桌面背景设置为“宁静”。");
    open(q);
    tab(q, 1, "桌面");
    q.Screen(at(f)).List({list.x + 1, list.y + 1, list.w - 2, list.h - 2}, items, 1, 2, "在“背景”列表中选择“宁静”");
    q.Screen(at(chosen));
    ok(q, chosen).Done();
  }
  {
    Form f = dialogs::DisplayProperties(1);
    Box combo = f.At("position", fx, fy);
    Form chosen = f;
    chosen.SetText("position", "居中").SetState("apply", xp::ButtonState::kNormal);
    Question& q = k.Ask("把桌面背景的显示位置设置为“居中”。");
    open(q);
    tab(q, 1, "桌面");
    q.Screen(at(f)).List({combo.x, combo.Bottom(), combo.w, 54}, {"居中", "平铺", "拉伸"}, 2, 0, "在“位置”列表中选择“居中”");
    q.Screen(at(chosen));
    ok(q, chosen).Done();
  }
  {
    Form f = dialogs::DisplayProperties(2);
    Box combo = f.At("saver", fx, fy);
    const std::vector<std::string> savers = {"(无)", "Windows XP", "三维管道", "三维文字", "字幕", "飞越星空", "变幻线"};
    Form chosen = f;
    chosen.SetText("saver", "字幕").SetState("apply", xp::ButtonState::kNormal);
    Form waited = chosen;
    waited.SetText("wait", "5");
    Box wait = f.At("wait", fx, fy);
    Question& q = k.Ask("把屏幕保护程序设置为“字幕”，等待时间为 5 分钟。");
    open(q);
    tab(q, 2, "屏幕保护程序");
    q.Screen(at(f)).List({combo.x, combo.Bottom(), combo.w, 116}, savers, 1, 4, "在“屏幕保护程序”列表中选择“字幕”");
    q.Screen(at(chosen)).Type("0025", {wait.x + 1, wait.y + 1, wait.w - 2, wait.h - 2}, "5", "5", "10");
    q.Screen(at(waited));
    ok(q, waited).Done();
    Form pw = f;
    pw.Set("password", true).SetState("apply", xp::ButtonState::kNormal);
    Question& p = k.Ask("设置从屏幕保护程序恢复时使用密码保护。");
    open(p);
    tab(p, 2, "屏幕保护程序");
    p.Screen(at(f)).Click(f.At("password", fx, fy), "单击“在恢复时使用密码保护”复选框");
    p.Screen(at(pw));
    ok(p, pw).Done();
  }
  {
    Form f = dialogs::DisplayProperties(4);
    Box thumb = f.Thumb("resolution").Offset(fx, fy);
    Form no_thumb = f;
    no_thumb.SetThumb("resolution", f.Thumb("resolution").CenterX(), false);
    Form after = f;
    after.SetThumb("resolution", f.Thumb("resolution").CenterX() + 26).SetText("res_text", "1024 × 768 像素")
        .SetState("apply", xp::ButtonState::kNormal);
    std::string handle = k.Pic(11, 21, [](cairo_t* cr) {
      FillBox(cr, {0, 0, 11, 21}, xp::kFace);
      xp::HThumb(cr, 0, 0);
    });
    Question& q = k.Ask("把屏幕分辨率设置为 1024 × 768 像素。");
    open(q);
    tab(q, 4, "设置");
    q.Screen(at(no_thumb)).Handle(8002, handle, {thumb.x, thumb.y}, {thumb.x + 26, thumb.y}, "把“屏幕分辨率”滑块向右拖动一格").Hide(5);
    q.Screen(at(after));
    ok(q, after).Done();
    Box quality = f.At("quality", fx, fy);
    Form chosen = f;
    chosen.SetText("quality", "中(16位)").SetState("apply", xp::ButtonState::kNormal);
    Question& c = k.Ask("把颜色质量设置为“中(16位)”。");
    open(c);
    tab(c, 4, "设置");
    c.Screen(at(f)).List({quality.x, quality.Bottom(), quality.w, 38}, {"中(16位)", "最高(32位)"}, 1, 0, "在“颜色质量”列表中选择“中(16位)”");
    c.Screen(at(chosen));
    ok(c, chosen).Done();
  }
  {
    Form f = dialogs::DisplayProperties(3);
    Box size = f.At("fontsize", fx, fy);
    Form chosen = f;
    chosen.SetText("fontsize", "大字体").SetState("apply", xp::ButtonState::kNormal);
    Question& q = k.Ask("在“外观”选项卡中把字体大小设置为“大字体”。");
    open(q);
    tab(q, 3, "外观");
    q.Screen(at(f)).List({size.x, size.Bottom(), size.w, 56}, {"正常", "大字体", "特大字体"}, 0, 1, "在“字体大小”列表中选择“大字体”");
    q.Screen(at(chosen));
    ok(q, chosen).Done();
    Box scheme = f.At("scheme", fx, fy);
    Form silver = f;
    silver.SetText("scheme", "银色").SetState("apply", xp::ButtonState::kNormal);
    Question& s = k.Ask("在“外观”选项卡中把色彩方案设置为“银色”。");
    open(s);
    tab(s, 3, "外观");
    s.Screen(at(f)).List({scheme.x, scheme.Bottom(), scheme.w, 56}, {"默认(蓝)", "橄榄绿", "银色"}, 0, 2, "在“色彩方案”列表中选择“银色”");
    s.Screen(at(silver));
    ok(s, silver).Done();
  }
  {
    Form f = dialogs::DisplayProperties(0);
    Box theme = f.At("theme", fx, fy);
    Form classic = f;
    classic.SetText("theme", "Windows 经典").SetState("apply", xp::ButtonState::kNormal);
    Question& q = k.Ask("把主题设置为“Windows 经典”。");
    open(q);
    q.Screen(at(f)).List({theme.x, theme.Bottom(), theme.w, 74}, {"Windows XP", "Windows 经典", "我的当前主题", "浏览..."}, 0, 1,
                         "在“主题”列表中选择“Windows 经典”");
    q.Screen(at(classic));
    ok(q, classic).Done();
  }
  {
    const FolderWindow cp = world::ControlPanel();
    k.Ask("在“控制面板”中双击“显示”图标，打开“显示 属性”对话框。")
        .Screen(k.Folder(cp))
        .DblClick(cp.Cell("显示").whole, "双击“显示”图标")
        .Screen(k.Folder(cp, dialogs::DisplayProperties(0), fx, fy))
        .Done();
  }
  {
    // A password for the user account: typed twice into password boxes.
    const FolderWindow cp = world::ControlPanel();
    Form f = dialogs::CreatePassword();
    const int px = 60, py = 40;
    Box first = f.At("new", px, py), second = f.At("confirm", px, py);
    Form typed = f;
    typed.Remove("new").Password("new", f.At("new"), 6);
    Form both = typed;
    both.Remove("confirm").Password("confirm", f.At("confirm"), 6);
    k.Ask("为当前用户帐户创建密码“Xp2026”：在两个密码框中都输入它，然后单击“创建密码”。")
        .Screen(k.Folder(cp))
        .DblClick(cp.Cell("用户帐户").whole, "双击“用户帐户”图标")
        .Screen(k.Folder(cp, f, px, py))
        .Type("0021", {first.x + 1, first.y + 1, first.w - 2, first.h - 2}, "Xp2026", "Xp2026")
        .Screen(k.Folder(cp, typed, px, py))
        .Type("0021", {second.x + 1, second.y + 1, second.w - 2, second.h - 2}, "Xp2026", "Xp2026")
        .Screen(k.Folder(cp, both, px, py))
        .Click(f.At("create", px, py), "单击“创建密码”按钮")
        .Screen(k.Folder(cp))
        .Done();
  }
}

}  // namespace xpexam::bankgen
