// Context menus on the desktop window: wm100 filled from the popup menu file, opened by a press
// on the target box, and its items checked against the step.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "desktop/popup_menu_file.h"
#include "desktop/session_plan.h"
#include "tests/desktop/desktop_fixture.h"

namespace xpexam::desktop {
namespace {

using testing::DesktopTest;
using testing::StepLine;

// Popup type 1: menu 1 (lines 1-15) with a plain group 1, menu 2 (lines 16-30) with cascades 1
// and 5 and plain groups 2 and 4, its plain group 1 absent.
std::vector<std::string> PopupFile() {
  std::vector<std::string> lines = {
      "图标", "0", "", "打开|资源管理器|搜索", "0", "", "0", "0", "", "0", "0", "", "0", "", "0",
      "桌面", "排列图标(&I)", "名称|大小|类型|-|修改时间|自动排列|对齐到网格", "0", "0", "不读", "粘贴|粘贴快捷方式",
      "0", "", "0", "0", "", "新建(&W)", "文件夹|快捷方式", "-|属性(&R)"};
  return lines;
}

// The shown entries of a menu, a cascade with its shown items after ">".
std::vector<std::string> ShownEntries(const forms::MenuItem& menu) {
  std::vector<std::string> out;
  for (const forms::MenuItem* item : menu.Items()) {
    if (!item->Visible()) continue;
    std::string entry = item->Caption();
    std::string sub;
    for (const forms::MenuItem* s : item->Items())
      if (s->Visible()) sub += (sub.empty() ? "" : ",") + s->Caption();
    out.push_back(sub.empty() ? entry : entry + ">" + sub);
  }
  return out;
}

class PopupWindowTest : public DesktopTest {
 protected:
  PopupWindowTest() { Write("sMenu.sys", PopupFile()); }

  // A context-menu step on a target box at 1500, 1500 (1200 x 600), then the final record.
  void PopupQuestion(const char* code, const char* position = "0000000000") {
    Steps({StepLine({{8, code}, {66, "01500015000120000600"}, {125, position}}), StepLine({{8, "9999"}})});
    auto& d = Desk();
    d.Show();
    // The target box's press as the pointer checks open the popup.
    Ui(d).Label1.MouseDown = [&d](int button, int, double, double) {
      if (auto opening = PopupOnPress(Vars(d).mStepCode, button, d.MenuTargetOrPopupX(), d.PopupY())) {
        Vars(d).mPopupMenuNo = static_cast<int16_t>(opening->menu);
        Act(d).FillContextMenu();
        if (opening->at_pointer) {
          d.PopupMenu(Ui(d).wm100);
        } else {
          d.PopupMenu(Ui(d).wm100, 0, opening->x * frame::installation().scaleX(), opening->y * frame::installation().scaleY());
        }
      }
    };
    Load(1);
  }
  void OpenAtTarget(int button = forms::kRightButton) {
    in_.Press(PxX(2100), PxY(1800), button);
    in_.Release(PxX(2100), PxY(1800), button);
  }
  void Keys(std::initializer_list<int> keys) {
    for (int k : keys) in_.Key(k);
  }
  static int RowHeight() { return std::max(19, forms::MeasureText("", forms::TextStyle{}).height + 5); }
};

TEST_F(PopupWindowTest, ACascadeItemChosenWrongThenRight) {
  PopupQuestion("3215");  // menu 2, cascade 1, its sixth piece
  auto& d = Desk();
  std::vector<std::string> chosen;
  Ui(d).sVemoSub1.Click = [&](int i) {
    chosen.push_back("sVemoSub1 " + std::to_string(i));
    Act(d).sVemoSub_Click(1, i);
  };
  Ui(d).sVemoInde2.Click = [&](int i) {
    chosen.push_back("sVemoInde2 " + std::to_string(i));
    Act(d).sVemoInde_Click(2, i);
  };
  OpenAtTarget();
  in_.Call([&] {
    EXPECT_EQ(ShownEntries(Ui(d).wm100),
              (std::vector<std::string>{"排列图标(&I)>名称,大小,类型,-,修改时间,自动排列,对齐到网格", "粘贴",
                                        "粘贴快捷方式", "新建(&W)>文件夹,快捷方式", "-", "属性(&R)"}));
  });
  // Into the cascade, past the separator, to 修改时间 (item 4).
  Keys({forms::kKeyDown, forms::kKeyRight, forms::kKeyDown, forms::kKeyDown, forms::kKeyDown, forms::kKeyReturn});
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), 1);
  EXPECT_EQ(Vars(d).mPopupMenuNo, 2);

  // A plain item chosen with the pointer: 粘贴, the second row.
  OpenAtTarget();
  in_.Move(PxX(2100) + 30, PxY(1800) + 3 + RowHeight() + RowHeight() / 2);
  in_.Click(PxX(2100) + 30, PxY(1800) + 3 + RowHeight() + RowHeight() / 2);
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), 1);

  OpenAtTarget();
  Keys({forms::kKeyDown, forms::kKeyRight, forms::kKeyDown, forms::kKeyDown, forms::kKeyDown, forms::kKeyDown,
        forms::kKeyReturn});
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), 2);
  EXPECT_EQ(chosen, (std::vector<std::string>{"sVemoSub1 4", "sVemoInde2 0", "sVemoSub1 5"}));
}

TEST_F(PopupWindowTest, EveryOpeningRebuildsThePopupFromItsOwnBlock) {
  PopupQuestion("3120");  // menu 1: plain group 1, its first piece
  auto& d = Desk();
  OpenAtTarget();
  in_.Key(forms::kKeyEscape);
  forms::Pump();
  EXPECT_EQ(ShownEntries(Ui(d).wm100), (std::vector<std::string>{"打开", "资源管理器", "搜索"}));
  // The right-button alternative's code, or another step: menu 2, whose plain group 1 is "0".
  Vars(d).mStepCode = 3215;
  OpenAtTarget();
  in_.Key(forms::kKeyEscape);
  forms::Pump();
  EXPECT_FALSE(Ui(d).sVemoInde1[0].Visible());
  EXPECT_EQ(ShownEntries(Ui(d).wm100).front(), "排列图标(&I)>名称,大小,类型,-,修改时间,自动排列,对齐到网格");
  Vars(d).mStepCode = 3120;
  OpenAtTarget();
  Keys({forms::kKeyDown, forms::kKeyReturn});
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), 2);
}

TEST_F(PopupWindowTest, AFixedPositionOpensOnALeftPress) {
  PopupQuestion("3120", "0015000300");
  OpenAtTarget(forms::kRightButton);
  Keys({forms::kKeyDown, forms::kKeyReturn});  // no popup: the keys go to the desktop
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), 1);
  OpenAtTarget(forms::kLeftButton);
  Keys({forms::kKeyDown, forms::kKeyReturn});
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), 2);
}

TEST_F(PopupWindowTest, WithoutThePopupMenuFileNoPopupOpensAndTheStepStays) {
  PopupQuestion("3120");
  auto& d = Desk();
  OpenAtTarget();
  in_.Key(forms::kKeyEscape);
  forms::Pump();
  ASSERT_FALSE(ShownEntries(Ui(d).wm100).empty());
  std::filesystem::remove(dir_ / "sMenu.sys");
  OpenAtTarget();
  Keys({forms::kKeyDown, forms::kKeyReturn});  // with a popup, this would choose 打开
  forms::Pump();
  EXPECT_TRUE(ShownEntries(Ui(d).wm100).empty());
  EXPECT_EQ(desktop::cursor().step(), 1);
}

}  // namespace
}  // namespace xpexam::desktop
