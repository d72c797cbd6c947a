// A demonstration window for the scenario runner (--form Demo), until the program's own
// start-up is built: a caption-less window with the runtime's controls.
#include "forms/app.h"
#include "forms/check_box.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/menu.h"
#include "forms/msgbox.h"
#include "forms/program.h"
#include "forms/shape.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "platform/clock.h"

namespace xpexam::demo_forms {
namespace {

using namespace forms;

class FrmDemo : public FormOf<FrmDemo> {
 public:
  Label lblMove{*this, "lblMove"};
  Label LblTitle{*this, "LblTitle"};
  Label LblClock{*this, "LblClock"};
  TextBox Text1{*this, "Text1"};
  ListBox List1{*this, "List1"};
  CheckBox Check1{*this, "Check1"};
  ControlArray<Label> CmdGN{*this, "CmdGN", 0, 2};
  Shape Shape1{*this, "Shape1"};
  Timer Timer1{*this, "Timer1", 1000, true};
  MenuItem mPop{*this, "mPop"};
  MenuItem mSub{mPop, "mSub"};
  ControlArray<MenuItem> mSubItem{mSub, "mSubItem", 0, 1};
  ControlArray<MenuItem> mItem{mPop, "mItem", 0, 2};

  FrmDemo() {
    SetBorderStyle(forms::WindowBorder::kNone);
    SetStartUpPosition(forms::StartPosition::kCenterScreen);
    Move(0, 0, 9000, 6000);
    SetBackColor(Rgb(236, 233, 216));
    lblMove.Move(0, 0, 9000, 450);
    lblMove.SetBackColor(Rgb(0, 84, 227));
    LblTitle.Move(150, 90, 6000, 300);
    LblTitle.SetBackStyle(forms::Background::kTransparent);
    LblTitle.SetForeColor(Rgb(255, 255, 255));
    LblTitle.SetFontBold(true);
    LblTitle.SetCaption("演示窗口");
    LblClock.Move(6600, 90, 2250, 300);
    LblClock.SetBackStyle(forms::Background::kTransparent);
    LblClock.SetForeColor(Rgb(255, 255, 255));
    Text1.Move(300, 750, 3000, 315);
    List1.Move(300, 1350, 3000, 1500);
    for (const char* item : {"我的文档", "我的电脑", "网上邻居"}) List1.AddItem(item);
    Check1.Move(300, 3000, 3000, 300);
    Check1.SetCaption("调用输入法");
    const char* captions[] = {"消息", "菜单", "退出"};
    for (int i = 0; i <= 2; ++i) {
      CmdGN[i].Move(4200, 750 + i * 600, 1500, 450);
      CmdGN[i].SetAlignment(forms::TextAlign::kCenter);
      CmdGN[i].SetBorderStyle(forms::BoxBorder::kFixedSingle);
      CmdGN[i].SetCaption(captions[i]);
    }
    Shape1.Move(4050, 600, 1800, 1950);
    Shape1.SetBorderColor(Rgb(255, 0, 0));
    Shape1.SetBorderWidth(2);
    mPop.SetVisible(false);
    mSub.SetCaption("新建(&W)");
    mSubItem[0].SetCaption("文件夹(&F)");
    mSubItem[1].SetCaption("快捷方式(&S)");
    const char* items[] = {"打开(&O)", "-", "属性(&R)"};
    for (int i = 0; i <= 2; ++i) mItem[i].SetCaption(items[i]);

    lblMove.MouseDown = [this](int button, int, double, double) {
      if (button == kLeftButton) DragWindow();
    };
    CmdGN.Click = [this](int index) { Command(index); };
    mItem.Click = [this](int index) { LblTitle.SetCaption("菜单项 " + std::to_string(index)); };
    mSubItem.Click = [this](int index) { LblTitle.SetCaption("子菜单项 " + std::to_string(index)); };
    Text1.Change = [this] { LblTitle.SetCaption("输入: " + Text1.Text()); };
    List1.Click = [this] { LblTitle.SetCaption("选择: " + List1.List(List1.ListIndex())); };
    Timer1.Tick = [this] { LblClock.SetCaption(platform::FormatDateTime(platform::Now()).substr(11)); };
  }

 private:
  void Command(int index) {
    if (index == 0) LblTitle.SetCaption(MsgBox("继续吗？", kYesNo | kQuestion, "演示") == kYes ? "是" : "否");
    if (index == 1) PopupMenu(mPop);
    if (index == 2) Unload();
  }

 protected:
  void Form_Load() override { LblClock.SetCaption(platform::FormatDateTime(platform::Now()).substr(11)); }
};

const StartFormRegistration kDemo{"Demo", [] { FrmDemo::Get().Show(); }};

}  // namespace
}  // namespace xpexam::demo_forms
