// The list of list steps and the location list on the desktop window, worked by the pointer
// and the keys.
#include <gtest/gtest.h>

#include "tests/desktop/desktop_fixture.h"
#include "desktop/session_plan.h"

namespace xpexam::desktop {
namespace {

using testing::DesktopTest;
using testing::StepLine;

// Both lists take the answer box's place, here 1000, 2000 (3000 x 900).
class ListWindowTest : public DesktopTest {
 protected:
  ListWindowTest() {
    Texts({"甲|乙|丙|丁", "下一步"});
    Desk().Show();
    Ui(Desk()).Text1.Move(1000, 2000, 3000, 900);
  }
  void Question(const char* code, const char* selections = "000000") {
    Steps({StepLine({{8, code}, {106, selections}}), StepLine({{8, "0001"}, {112, "0010000100"}, {122, "002"}}),
           StepLine({{8, "9999"}})});
    Load(1);
  }
  void ClickAt(int x, int y) {
    in_.Click(PxX(x), PxY(y));
    in_.Wait(600);
    forms::Pump();
  }
};

TEST_F(ListWindowTest, AListStepAnsweredAfterAWrongChoiceByTheArrowKeys) {
  Question("L001", "001002");
  auto& d = Desk();
  EXPECT_TRUE(Ui(d).LstLA.Visible());
  EXPECT_FALSE(Ui(d).Text1.Visible());
  EXPECT_EQ(Ui(d).LstLA.ListIndex(), 1);
  EXPECT_EQ(Ui(d).LblXXK[0].Caption(), "乙");
  in_.Click(PxX(1500), PxY(2000) + 4);  // the first row
  forms::Pump();
  EXPECT_EQ(Ui(d).LstLA.ListIndex(), 0);
  EXPECT_EQ(Ui(d).LblXXK[0].Caption(), "甲");
  EXPECT_TRUE(Ui(d).LstLA.Visible());
  EXPECT_EQ(desktop::cursor().step(), 1);
  in_.Key(forms::kKeyDown);
  in_.Key(forms::kKeyDown);
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), 2);
  EXPECT_FALSE(Ui(d).LstLA.Visible());
  EXPECT_EQ(Ui(d).LblXXK[0].Caption(), "");
  EXPECT_EQ(Ui(d).LHelp.Caption(), "下一步");
}

TEST_F(ListWindowTest, AListLinePastTheEndTakesItsEntriesFromTheLastLine) {
  Texts({"下一步", "甲|乙|丙|丁"});
  Question("L999", "000002");
  auto& d = Desk();
  ASSERT_EQ(Ui(d).LstLA.ListCount(), 4);
  EXPECT_EQ(Ui(d).LblXXK[0].Caption(), "甲");
  in_.Click(PxX(1500), PxY(2000) + 4);  // the first row, already chosen
  in_.Key(forms::kKeyDown);
  in_.Key(forms::kKeyDown);
  forms::Pump();
  EXPECT_EQ(desktop::cursor().step(), 2);
}

TEST_F(ListWindowTest, AnInitialSelectionOutsideTheListSelectsNothing) {
  Question("L001", "009002");
  auto& d = Desk();
  EXPECT_EQ(Ui(d).LstLA.ListIndex(), -1);
  EXPECT_EQ(Ui(d).LblXXK[0].Caption(), "");
  EXPECT_EQ(desktop::cursor().step(), 1);
}

// K305: starts on 我的电脑 and is answered by 本地磁盘 (C:). Rows of the open list lie 240
// apart from 345 below its top.
TEST_F(ListWindowTest, ALocationStepAnsweredAfterAWrongEntry) {
  Question("K305");
  auto& d = Desk();
  auto row_y = [](int i) { return 2000 + 345 + 240 * i + 120; };
  EXPECT_TRUE(Ui(d).PicList.Visible());
  EXPECT_DOUBLE_EQ(Ui(d).PicList.Height(), 330);
  ASSERT_NE(Ui(d).ImgLiN[3].Picture(), nullptr);
  EXPECT_DOUBLE_EQ(Ui(d).ImgLiN[9].Width(), 159 * 15);  // the drawn rows are as wide as their entries
  EXPECT_EQ(Ui(d).ImgSelAD.Picture(), Ui(d).ImgLiN[3].Picture());
  EXPECT_DOUBLE_EQ(Ui(d).ImgSelAD.Left(), -120);

  ClickAt(2500, 2150);  // the closed box opens the list
  EXPECT_DOUBLE_EQ(Ui(d).PicList.Height(), 3720);
  in_.Move(PxX(2500), PxY(row_y(7)));
  forms::Pump();
  EXPECT_TRUE(Ui(d).ImgLiN[7].Visible());
  EXPECT_FALSE(Ui(d).ImgLiN[3].Visible());

  ClickAt(2500, row_y(6));  // 本地磁盘 (D:): wrong, shown in the closed box
  EXPECT_EQ(desktop::cursor().step(), 1);
  EXPECT_DOUBLE_EQ(Ui(d).PicList.Height(), 330);
  EXPECT_EQ(Ui(d).ImgSelAD.Picture(), Ui(d).ImgLiN[6].Picture());
  EXPECT_DOUBLE_EQ(Ui(d).ImgSelAD.Left(), -270);

  ClickAt(2500, 2150);
  EXPECT_DOUBLE_EQ(Ui(d).PicList.Height(), 3720);
  EXPECT_TRUE(Ui(d).ImgLiN[6].Visible());  // the last row hovered keeps its highlight
  ClickAt(2500, 2150);
  EXPECT_DOUBLE_EQ(Ui(d).PicList.Height(), 330);
  ClickAt(2500, 2150);
  ClickAt(2500, row_y(5));
  EXPECT_EQ(desktop::cursor().step(), 2);
  EXPECT_FALSE(Ui(d).PicList.Visible());
}

}  // namespace
}  // namespace xpexam::desktop
