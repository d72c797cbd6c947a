// Popup menus and the system message box: nested loops driven by queued input.
#include <gtest/gtest.h>

#include "forms/app.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/menu.h"
#include "forms/msgbox.h"
#include "forms/timer.h"
#include "platform/clock.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

using testing::EventLog;
using Lines = std::vector<std::string>;
EventLog* g_log = nullptr;

// The target label at pixels (10, 10)-(110, 30) opens the popup on a right press.
class FrmMenu : public FormOf<FrmMenu> {
 public:
  Label Label1{*this, "Label1"};
  Timer Timer1{*this, "Timer1", 100, false};
  MenuItem wm100{*this, "wm100"};
  MenuItem sMain1{wm100, "sMain1"};
  ControlArray<MenuItem> sSub1{sMain1, "sSub1"};
  ControlArray<MenuItem> sInde1{wm100, "sInde1"};
  MenuItem sMain2{wm100, "sMain2"};
  ControlArray<MenuItem> sSub2{sMain2, "sSub2"};

  FrmMenu() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, 9000, 6000);
    Label1.Move(150, 150, 1500, 300);
    wm100.SetVisible(false);
    Label1.MouseDown = [this](int button, int, double, double) {
      if (button == kRightButton) {
        PopupMenu(wm100);
        (*g_log)("popup returned");
      }
    };
    sSub1.Click = [](int i) { (*g_log)("sSub1 " + std::to_string(i)); };
    sInde1.Click = [](int i) { (*g_log)("sInde1 " + std::to_string(i)); };
    sSub2.Click = [](int i) { (*g_log)("sSub2 " + std::to_string(i)); };
    Timer1.Tick = [] { (*g_log)("tick " + std::to_string(platform::TickCount())); };
  }

 protected:
  void Form_Load() override {
    for (int i = 1; i <= 3; ++i) {
      sSub1.Load(i);
      sInde1.Load(i);
    }
    sMain1.SetCaption("新建(&W)");
    for (int i = 0; i <= 3; ++i) sSub1[i].SetCaption("子项" + std::to_string(i));
    for (int i = 0; i <= 3; ++i) sSub1[i].SetVisible(true);
    const char* plain[] = {"打开", "-", "属性", ""};
    for (int i = 0; i <= 3; ++i) {
      sInde1[i].SetCaption(plain[i]);
      sInde1[i].SetVisible(i < 3);
    }
    sMain2.SetVisible(false);
  }
};

class MenuTest : public testing::FormsTest {
 protected:
  MenuTest() {
    g_log = &log_;
    FrmMenu::Get().Show();
  }
  ~MenuTest() override { g_log = nullptr; }
  EventLog log_;
  // Rows of the popup opened at (20, 15): frame 3, rows of 19 or more pixels, separators 9.
  int RowHeight() {
    TextStyle s;
    return std::max(19, MeasureText("", s).height + 5);
  }
};

TEST_F(MenuTest, PlainItemClickIsRaisedInsideThePopupCallWithItsIndex) {
  const int row = RowHeight();
  FrmMenu::Get().Timer1.SetEnabled(true);
  in_.Press(20, 15, kRightButton);
  in_.Release(20, 15, kRightButton);  // the release that opened it chooses nothing
  in_.Wait(250);                       // timers keep firing inside the popup
  const int y_item3 = 15 + 3 + 2 * row + 9 + row / 2;  // cascade, 打开, separator, 属性
  in_.Move(40, y_item3);
  in_.Click(40, y_item3);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"tick 100", "tick 200", "sInde1 2", "popup returned"}));
}

TEST_F(MenuTest, CascadeOpensOnHoverAndItsItemsAreChosenThere) {
  const int row = RowHeight();
  const int header_y = 15 + 3 + row / 2;
  in_.Press(20, 15, kRightButton);
  in_.Release(20, 15, kRightButton);
  in_.Move(40, header_y);  // hover the cascade header: its submenu opens beside it
  in_.Call([&] {
    // The submenu's frame is the first grey border right of the popup's own on the header's row.
    const Canvas& c = ComposeScreen();
    int borders = 0;
    for (int x = 21; x < 500; ++x)
      if (c.PixelAt(x, header_y) == Rgb(172, 168, 153) && ++borders == 1) {
        // Item 3 of the submenu; its rows start level with the header.
        in_.Click(x + 30, 15 + 3 + 3 * row + row / 2);
        return;
      }
  });
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"sSub1 3", "popup returned"}));
}

TEST_F(MenuTest, DismissedByEscOrAnOutsideClickWhichGoesNowhereElse) {
  FrmMenu::Get().Label1.Click = [] { (*g_log)("label click"); };
  in_.Press(20, 15, kRightButton);
  in_.Release(20, 15, kRightButton);
  in_.Key(kKeyEscape);
  in_.Press(20, 15, kRightButton);
  in_.Release(20, 15, kRightButton);
  in_.Wait(600);
  in_.Click(15, 12);  // outside the popup (which opened at 20, 15), over the label: dismisses only
  in_.Wait(600);
  in_.Click(15, 12);  // now the label gets it
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"popup returned", "popup returned", "label click"}));
}

TEST_F(MenuTest, KeyboardChoosesAndSeparatorsAreSkipped) {
  in_.Press(20, 15, kRightButton);
  in_.Release(20, 15, kRightButton);
  in_.Key(kKeyDown);  // cascade
  in_.Key(kKeyDown);  // 打开
  in_.Key(kKeyDown);  // past the separator to 属性
  in_.Key(kKeyReturn);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"sInde1 2", "popup returned"}));
}

TEST_F(MenuTest, ItemsKeepTheirArrayPlaceAndIndexOrder) {
  auto& f = FrmMenu::Get();
  std::vector<std::string> names;
  for (MenuItem* item : f.wm100.Items()) names.push_back(item->Name() + "(" + std::to_string(item->Index()) + ")");
  EXPECT_EQ(names, (std::vector<std::string>{"sMain1(-1)", "sInde1(0)", "sInde1(1)", "sInde1(2)", "sInde1(3)", "sMain2(-1)"}));
  f.sInde1.Unload(1);
  f.sInde1.Load(7);
  names.clear();
  for (MenuItem* item : f.wm100.Items()) names.push_back(item->Name() + "(" + std::to_string(item->Index()) + ")");
  EXPECT_EQ(names, (std::vector<std::string>{"sMain1(-1)", "sInde1(0)", "sInde1(2)", "sInde1(3)", "sInde1(7)", "sMain2(-1)"}));
  EXPECT_EQ(f.sInde1[7].Caption(), "打开");  // a loaded element copies the lowest one
}

// A window that asks a question with the system message box.
int g_ask_buttons = kYesNo | kQuestion;
class FrmAsk : public FormOf<FrmAsk> {
 public:
  Label Label1{*this, "Label1"};
  Timer Timer1{*this, "Timer1", 100, true};
  FrmAsk() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, 3000, 3000);
    Label1.Move(0, 0, 3000, 3000);
    Label1.Click = [] { (*g_log)("answer " + std::to_string(MsgBox("退出系统？", g_ask_buttons, "退出系统"))); };
    Timer1.Tick = [] { (*g_log)("tick"); };
  }
};

TEST_F(MenuTest, MessageBoxIsModalWhileTimersKeepFiring) {
  FrmMenu::Get().Hide();
  FrmAsk::Get().Show();
  in_.Click(50, 50);   // opens the box, centred on the screen
  in_.Wait(150);
  in_.Click(5, 5);     // the window behind gets no input: no second box
  in_.Key(kKeyReturn);
  in_.Wait(100);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"tick", "answer 6", "tick"}));
}

TEST_F(MenuTest, MessageBoxAnswersFromClicksAndKeys) {
  FrmMenu::Get().Hide();
  FrmAsk::Get().Timer1.SetEnabled(false);
  struct Case {
    std::function<void(HeadlessBackend&)> answer;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {[](HeadlessBackend& in) { in.Key(kKeyReturn); }, "answer 6"},
      {[](HeadlessBackend& in) { in.Key('N'); }, "answer 7"},
      {[](HeadlessBackend& in) {
         in.Key(kKeyEscape);  // a Yes/No box cannot be cancelled
         in.Key(kKeyTab);
         in.Key(kKeySpace);
       },
       "answer 7"},
  };
  for (const Case& c : cases) {
    log_.Clear();
    FrmAsk::Get().Show();
    in_.Wait(600);
    in_.Click(50, 50);
    c.answer(in_);
    in_.Call([] { (*g_log)(ActiveForm() ? ActiveForm()->Name() : "none"); });
    Pump();
    EXPECT_EQ(log_.lines, (Lines{c.expected, "FrmAsk"}));
  }
}

TEST_F(MenuTest, MessageBoxWithNoAsDefaultAnswersNoOnEnter) {
  FrmMenu::Get().Hide();
  FrmAsk::Get().Timer1.SetEnabled(false);
  g_ask_buttons = kYesNo | kQuestion | kDefaultButton2;
  FrmAsk::Get().Show();
  in_.Click(50, 50);
  in_.Key(kKeyReturn);
  Pump();
  g_ask_buttons = kYesNo | kQuestion;
  EXPECT_EQ(log_.lines, (Lines{"answer 7"}));
}

TEST_F(MenuTest, EscAnswersCancelWhereTheBoxHasOne) {
  FrmMenu::Get().Hide();
  FrmAsk::Get().Timer1.SetEnabled(false);
  const std::pair<int, const char*> cases[] = {
      {kOkCancel | kQuestion, "answer 2"},  // Cancel
      {kOkOnly, "answer 1"},                // an OK box closes with OK
  };
  for (auto [buttons, expected] : cases) {
    log_.Clear();
    g_ask_buttons = buttons;
    FrmAsk::Get().Show();
    in_.Wait(600);
    in_.Click(50, 50);
    in_.Key(kKeyEscape);
    Pump();
    EXPECT_EQ(log_.lines, (Lines{expected})) << buttons;
  }
  g_ask_buttons = kYesNo | kQuestion;
}

TEST_F(MenuTest, MessageBoxButtonClick) {
  FrmMenu::Get().Hide();
  FrmAsk::Get().Timer1.SetEnabled(false);
  FrmAsk::Get().Show();
  in_.Click(50, 50);
  in_.Call([&] {
    for (Form* f : LoadedForms())
      if (f->Name() == "MsgBox") {
        EXPECT_EQ(f->Caption(), "退出系统");
        EXPECT_EQ(ActiveForm(), f);
        for (Control* c : f->AllControls())
          if (c->DisplayName() == "Button1") {
            Rect r = c->ScreenRect();
            in_.Click(r.x + 10, r.y + 10);
          }
      }
  });
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"answer 6"}));
}

}  // namespace
}  // namespace xpexam::forms
