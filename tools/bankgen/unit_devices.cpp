// Unit 9: mouse, sound, date and time, regional options.
#include "tools/bankgen/content.h"

namespace xpexam::bankgen {

using namespace keys;

namespace {

std::string Thumb(Kit& k, bool vertical, Rgb back) {
  return vertical ? k.Pic(21, 11, [back](cairo_t* cr) {
    FillBox(cr, {0, 0, 21, 11}, back);
    xp::VThumb(cr, 0, 0);
  })
                  : k.Pic(11, 21, [back](cairo_t* cr) {
                      FillBox(cr, {0, 0, 11, 21}, back);
                      xp::HThumb(cr, 0, 0);
                    });
}

}  // namespace

void UnitDevices(Kit& k) {
  k.bank().AddUnit("鼠标、声音与日期时间");
  const FolderWindow cp = world::ControlPanel();
  const std::string cp_shot = k.Folder(cp);
  const int fx = 40, fy = 30;
  auto with = [&](const Form& f) { return k.Folder(cp, f, fx, fy); };

  // Mouse.
  {
    Form buttons = dialogs::MouseProperties(0), options = dialogs::MouseProperties(2);
    auto open = [&](Question& q) -> Question& {
      return q.Screen(cp_shot).DblClick(cp.Cell("鼠标").whole, "双击“鼠标”图标");
    };
    // Before a click step: the double-click's release would take it.
    auto open_by_menu = [&](Question& q) -> Question& {
      return q.Screen(cp_shot).Popup(2, 8, 2, 0, cp.Cell("鼠标").whole, PopupHint("右键单击“鼠标”图标", 2, 8, 2, 0));
    };
    struct Slide {
      int code;
      Form form;
      int tab;
      std::string slider, task, hint;
      int move;
    };
    const std::vector<Slide> slides = {
        {8002, buttons, 0, "speed", "把鼠标的双击速度调快一些(向右拖动两格)。", "把“速度”滑块向右拖动", 24},
        {8001, options, 2, "pointer_speed", "把指针移动速度调慢一些(向左拖动两格)。", "把“选择指针移动速度”滑块向左拖动", -36},
    };
    for (const auto& s : slides) {
      Form no_thumb = s.form;
      no_thumb.SetThumb(s.slider, s.form.Thumb(s.slider).CenterX(), false);
      Form after = s.form;
      after.SetThumb(s.slider, s.form.Thumb(s.slider).CenterX() + s.move).SetState("apply", xp::ButtonState::kNormal);
      Box thumb = s.form.Thumb(s.slider).Offset(fx, fy);
      Question& q = k.Ask(s.task);
      (s.tab ? open_by_menu(q) : open(q)).Screen(with(buttons));
      if (s.tab) q.Click(buttons.TabBox(s.tab).Offset(fx, fy), "单击“指针选项”选项卡");
      q.Screen(with(no_thumb))
          .Handle(s.code, Thumb(k, false, xp::kFace), {thumb.x, thumb.y}, {thumb.x + s.move, thumb.y}, s.hint)
          .Hide(5)
          .Screen(with(after))
          .Click(after.At("ok", fx, fy), "单击“确定”按钮")
          .Screen(cp_shot)
          .Done();
    }
    Form swapped = buttons;
    swapped.Set("swap", true).SetState("apply", xp::ButtonState::kNormal);
    Question& q = k.Ask("切换鼠标的主要和次要按钮(适合左手使用)。");
    open_by_menu(q).Screen(with(buttons))
        .Click(buttons.At("swap", fx, fy), "单击“切换主要和次要的按钮”复选框")
        .Screen(with(swapped))
        .Click(swapped.At("ok", fx, fy), "单击“确定”按钮")
        .Screen(cp_shot)
        .Done();
    Form trails = options;
    trails.Set("trails", true).SetState("apply", xp::ButtonState::kNormal);
    Form trails_no_thumb = trails;
    trails_no_thumb.SetThumb("trail_len", options.Thumb("trail_len").CenterX(), false);
    Form longer = trails;
    longer.SetThumb("trail_len", options.Thumb("trail_len").CenterX() + 66);
    Box t = options.Thumb("trail_len").Offset(fx, fy);
    Question& r = k.Ask("显示指针踪迹，并把踪迹调长(向右拖动滑块)。");
    open_by_menu(r).Screen(with(buttons))
        .Click(buttons.TabBox(2).Offset(fx, fy), "单击“指针选项”选项卡")
        .Screen(with(options))
        .Click(options.At("trails", fx, fy), "单击“显示指针踪迹”复选框")
        .Screen(with(trails_no_thumb))
        .Handle(8002, Thumb(k, false, xp::kFace), {t.x, t.y}, {t.x + 66, t.y}, "把踪迹长度滑块向右拖动")
        .Hide(5)
        .Screen(with(longer))
        .Click(longer.At("ok", fx, fy), "单击“确定”按钮")
        .Screen(cp_shot)
        .Done();
  }

  // Sounds and audio devices: tab layout D.
  {
    AddTabPages(k, 'D', [](int t) { return dialogs::SoundProperties(t); });
    auto page = [&](const Form& f) { return k.FormPic(f); };
    Form volume = dialogs::SoundProperties(0), audio = dialogs::SoundProperties(2);
    const std::string cp_sound = k.Folder(FolderWindow(cp).Select({"声音和音频设备"}));
    // The dialog opens a moment later, after the double-click's release.
    auto open = [&](Question& q) -> Question& {
      return q.Screen(cp_shot)
          .DblClick(cp.Cell("声音和音频设备").whole, "双击“声音和音频设备”图标")
          .Screen(cp_sound)
          .Auto("正在打开“声音和音频设备 属性”");
    };
    Form muted = volume;
    muted.Set("mute", true).SetState("ok", xp::ButtonState::kDefault);
    Question& q = k.Ask("在“声音和音频设备 属性”中设置静音。");
    open(q).Show(1, page(volume), fx, fy)
        .Click(volume.At("mute", fx, fy), "单击“静音”复选框")
        .Tab('D', 1, 1, 1)
        .Show(1, page(muted), fx, fy)
        .Click(muted.At("ok", fx, fy), "单击“确定”按钮")
        .Hide(1)
        .Done();
    Form default_only = audio;
    default_only.Set("default_only", true);
    Question& a = k.Ask("在“声音和音频设备 属性”的“音频”选项卡中选中“仅使用默认设备”。");
    open(a).Show(1, page(audio), fx, fy)
        .Click(audio.At("default_only", fx, fy), "单击“仅使用默认设备”复选框")
        .Tab('D', 1, 3, 1)
        .Show(1, page(default_only), fx, fy)
        .Click(default_only.At("ok", fx, fy), "单击“确定”按钮")
        .Hide(1)
        .Done();
    Form sound = dialogs::SoundProperties(1);
    Box scheme = sound.At("scheme", fx, fy);
    Question& s = k.Ask("在“声音”选项卡中打开“声音方案”列表，选择“无声”。");
    open(s).Show(1, page(sound), fx, fy)
        .Click(scheme, "单击“声音方案”下拉列表")
        .Tab('D', 1, 2, 1)
        .List({scheme.x, scheme.Bottom(), scheme.w, 38}, {"Windows 默认", "无声"}, 0, 1, "在列表中选择“无声”")
        .Show(1, page(Form(sound).SetText("scheme", "无声")), fx, fy)
        .Click(sound.At("ok", fx, fy), "单击“确定”按钮")
        .Hide(1)
        .Done();
    Form vol_no_thumb = volume;
    vol_no_thumb.SetThumb("volume", volume.Thumb("volume").CenterX(), false);
    Box vt = volume.Thumb("volume").Offset(fx, fy);
    Question& v = k.Ask("在“声音和音频设备 属性”中把设备音量调低(向左拖动滑块)。");
    open(v).Show(1, page(vol_no_thumb), fx, fy)
        .Handle(8001, Thumb(k, false, Hex(0xFCFCFE)), {vt.x, vt.y}, {vt.x - 60, vt.y}, "把“设备音量”滑块向左拖动")
        .Hide(5)
        .Show(1, page(Form(volume).SetThumb("volume", volume.Thumb("volume").CenterX() - 60)), fx, fy)
        .Click(volume.At("ok", fx, fy), "单击“确定”按钮")
        .Hide(1)
        .Done();
  }

  // Volume control: vertical sliders.
  {
    Desktop d;
    Form f = dialogs::VolumeControl();
    const int vx = 40, vy = 40;
    struct Fader {
      int code, index, move;
      std::string task, hint;
    };
    const std::vector<Fader> faders = {{8003, 1, -20, "在“音量控制”中把“波形”的音量调大(向上拖动滑块)。", "把“波形”音量滑块向上拖动"},
                                       {8004, 0, 40, "在“音量控制”中把总音量调小(向下拖动滑块)。", "把“音量控制”滑块向下拖动"}};
    for (const auto& fa : faders) {
      std::string name = "vol" + std::to_string(fa.index);
      Form no_thumb = f;
      no_thumb.SetThumb(name, f.Thumb(name).CenterY(), false);
      Form after = f;
      after.SetThumb(name, f.Thumb(name).CenterY() + fa.move);
      Box t = f.Thumb(name).Offset(vx, vy);
      k.Ask(fa.task)
          .Screen(k.Desk(d, no_thumb, vx, vy))
          .Handle(fa.code, Thumb(k, true, xp::kFace), {t.x, t.y}, {t.x, t.y + fa.move}, fa.hint)
          .Hide(5)
          .Screen(k.Desk(d, after, vx, vy))
          .Done();
    }
    Form muted = f;
    muted.Set("mute0", true);
    k.Ask("在“音量控制”中选中“全部静音”。")
        .Screen(k.Desk(d, f, vx, vy))
        .Click(f.At("mute0", vx, vy), "单击“全部静音”复选框")
        .Screen(k.Desk(d, muted, vx, vy))
        .Done();
  }

  // Date and time.
  {
    Form f = dialogs::DateTime();
    const int dx = 40, dy = 40;
    auto open = [&](Question& q) -> Question& {
      return q.Screen(cp_shot).DblClick(cp.Cell("日期和时间").whole, "双击“日期和时间”图标").Screen(k.Folder(cp, f, dx, dy));
    };
    Box time = f.At("time", dx, dy);
    Form later = f;
    later.SetText("time", "10:45:00").SetState("apply", xp::ButtonState::kNormal);
    Question& q = k.Ask("把系统时间改为“10:45:00”。");
    open(q).Type("0025", {time.x + 1, time.y + 1, time.w - 2, time.h - 2}, "10:45:00", "10:45:00", "10:30:00")
        .Screen(k.Folder(cp, later, dx, dy))
        .Click(later.At("ok", dx, dy), "单击“确定”按钮")
        .Screen(cp_shot)
        .Done();
    Box month = f.At("month", dx, dy);
    const std::vector<std::string> months = {"一月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "十一月", "十二月"};
    Form october = f;
    october.SetText("month", "十月").SetState("apply", xp::ButtonState::kNormal);
    Question& m = k.Ask("把系统日期的月份改为“十月”。");
    open(m).List({month.x, month.Bottom(), month.w, 196}, months, 8, 9, "在月份列表中选择“十月”")
        .Screen(k.Folder(cp, october, dx, dy))
        .Click(october.At("ok", dx, dy), "单击“确定”按钮")
        .Screen(cp_shot)
        .Done();
    Box year = f.At("year", dx, dy);
    Form next_year = f;
    next_year.SetText("year", "2027").SetState("apply", xp::ButtonState::kNormal);
    Question& y = k.Ask("把系统日期的年份改为 2027 年。");
    open(y).Type("0020", {year.x + 1, year.y + 1, year.w - 2, year.h - 2}, "2027", "2027", "2026")
        .Screen(k.Folder(cp, next_year, dx, dy))
        .Click(next_year.At("ok", dx, dy), "单击“确定”按钮")
        .Screen(cp_shot)
        .Done();
  }

  // Regional and language options: tab layout C.
  {
    AddTabPages(k, 'C', [](int t) { return dialogs::Regional(t); });
    const int rx = 40, ry = 20;
    const std::string cp_regional = k.Folder(FolderWindow(cp).Select({"区域和语言选项"}));
    auto open = [&](Question& q) -> Question& {
      return q.Screen(cp_shot)
          .Click(cp.Cell("区域和语言选项").whole, "单击“区域和语言选项”图标")
          .Screen(cp_regional)
          .Key(0, kEnter, "按回车键打开“区域和语言选项”");
    };
    Form language = dialogs::Regional(1), advanced = dialogs::Regional(2), regional = dialogs::Regional(0);
    Question& q = k.Ask("在“区域和语言选项”的“语言”选项卡中，单击“详细信息”按钮。");
    open(q).Show(1, k.FormPic(language), rx, ry)
        .Click(language.At("details", rx, ry), "单击“详细信息”按钮")
        .Tab('C', 1, 2, 1)
        .Show(1, k.FormPic(language), rx, ry)
        .Show(2, k.FormPic(dialogs::Simple("文字服务和输入语言", Icon::kKeyboard, 360, 220, "默认输入语言：中文(中国) - 美式键盘")), 200, 120)
        .Done();
    Form complex = language;
    complex.Set("complex", true);
    Question& c = k.Ask("在“语言”选项卡中，选中“为复杂文字和从右到左的语言安装文件”。");
    open(c).Show(1, k.FormPic(language), rx, ry)
        .Click(language.At("complex", rx, ry), "单击该复选框")
        .Tab('C', 1, 2, 1)
        .Show(1, k.FormPic(complex), rx, ry)
        .Click(complex.At("ok", rx, ry), "单击“确定”按钮")
        .Hide(1)
        .Done();
    Box nonu = advanced.At("nonunicode", rx, ry);
    Question& a = k.Ask("在“高级”选项卡中打开“非 Unicode 程序的语言版本”列表。");
    open(a).Show(1, k.FormPic(advanced), rx, ry)
        .Click(nonu, "单击“非 Unicode 程序的语言版本”下拉列表")
        .Tab('C', 1, 3, 1)
        .List({nonu.x, nonu.Bottom(), nonu.w, 56}, {"中文(中国)", "中文(台湾)", "英语(美国)"}, 0, 2, "在列表中选择“英语(美国)”")
        .Show(1, k.FormPic(Form(advanced).SetText("nonunicode", "英语(美国)")), rx, ry)
        .Click(advanced.At("ok", rx, ry), "单击“确定”按钮")
        .Hide(1)
        .Done();
    Box loc = regional.At("location", rx, ry);
    Question& r = k.Ask("在“区域选项”选项卡中把位置设置为“新加坡”。");
    open(r).Show(1, k.FormPic(regional), rx, ry)
        .Click(loc, "单击“位置”下拉列表")
        .Tab('C', 1, 1, 1)
        .List({loc.x, loc.y - 74, loc.w, 74}, {"中国", "美国", "英国", "新加坡"}, 0, 3, "在列表中选择“新加坡”")
        .Show(1, k.FormPic(Form(regional).SetText("location", "新加坡")), rx, ry)
        .Click(regional.At("ok", rx, ry), "单击“确定”按钮")
        .Hide(1)
        .Done();
  }
}

}  // namespace xpexam::bankgen
