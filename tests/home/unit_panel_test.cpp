// The unit panel of the home screen: its build, choosing units, pages and filters, and the
// start of unit practice with the session it opens.
#include <gtest/gtest.h>

#include "frame/frm_qomsgbox.h"
#include "home/frm_fengmian.h"
#include "home/session_files.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "tests/desktop/desktop_fixture.h"
#include "tests/support/installation.h"

namespace xpexam::home {
namespace {

using desktop::testing::DesktopTest;
using desktop::testing::StepLine;
using frame::gUnitTable;

class HomeScreenTest : public DesktopTest {
 protected:
  HomeScreenTest() {
    frame::gProductNo = 5;
    Write("data/288899.mxy", {"5"});
    // Four units of 2, 2, 2 and 5 questions.
    Write("data/288891.mxy", {"0104", "02020205"});
    Write("ksdata/288893.mxy", {"TT", "FF", "TF", "TTFTF"});
    for (int u = 0; u < 4; ++u) gUnitTable(u, 1) = "单元" + std::to_string(u);
    // Unit 3's own files: questions of 1, 2, 1, 1 and 2 records.
    Write("data/288823.mxy", {StepLine({{8, "9999"}, {12, "q1"}}), StepLine({{8, "0001"}, {12, "q2"}}),
                              StepLine({{8, "9999"}, {12, "q2"}}), StepLine({{8, "9999"}, {12, "q3"}}),
                              StepLine({{8, "9999"}, {12, "q4"}}), StepLine({{8, "0001"}, {12, "q5"}}),
                              StepLine({{8, "9999"}, {12, "q5"}})});
    Write("data/288873.mxy", {"030101第一题", "030202第二题|两行", "030301第三题", "030401第四题", "030502第五题"});
    for (int i = 0; i <= 99; ++i) Picture("l200" + platform::ZeroPad(i, 2));
  }
  ~HomeScreenTest() override { xpexam::testing::ResetModuleState(); }

  FrmFengmian& Home() { return FrmFengmian::Get(); }
  std::string Bytes(const std::string& name) { return platform::ReadFileBytes(dir_ / name).value_or("<missing>"); }
  std::string GbkFile(const std::vector<std::string>& lines) {
    Write("expected.txt", lines);
    return Bytes("expected.txt");
  }
  // Starts practice and returns the message box's prompt, or "" when none was shown.
  std::string Start() {
    std::string prompt;
    in_.Call([&] {
      if (!frame::FrmQOMSGBOX::IsLoaded()) return;
      prompt = frame::FrmQOMSGBOX::Get().LblPrompt.Caption();
      frame::FrmQOMSGBOX::Get().Unload();
    });
    Home().ClickBotn_Click(20);
    return prompt;
  }
};

TEST(UnitButtonCaption, AlwaysTwentyFiveColumns) {
  struct Case {
    int unit;
    const char* title;
    std::string caption;
  };
  const Case cases[] = {
      {0, "文件管理", "1.文件管理" + std::string(15, ' ')},
      {11, "", "12." + std::string(22, ' ')},
      // Column 24 reached in front of a double-byte character: a blank ends the caption.
      {0, "abcdefghijklmnopqrstuv文字", "1.abcdefghijklmnopqrstuv "},
      // A double-byte character over columns 24 and 25 stays whole.
      {0, "abcdefghijklmnopqrstu文字", "1.abcdefghijklmnopqrstu文"},
      {0, "abcdefghijklmnopqrstuvwxyz", "1.abcdefghijklmnopqrstuvw"},
  };
  for (const Case& c : cases) EXPECT_EQ(UnitButtonCaption(c.unit, c.title), c.caption) << c.title;
}

TEST_F(HomeScreenTest, BuildShowsAllUnitsOnPageOne) {
  FrmFengmian& home = Home();
  EXPECT_EQ(home.CurUnit(), -1);
  EXPECT_EQ(home.UnitFilter(), 0);
  EXPECT_FALSE(home.ClickBotn[49].Enabled());
  EXPECT_EQ(home.LblUnitDQCAP[1].Caption(), "所有题库中题目");
  EXPECT_EQ(home.LblUnitDQCAP[2].Caption(), "11题");
  EXPECT_EQ(home.LblUnitDQCAP[3].Caption(), "6题");
  EXPECT_EQ(home.LblUnitDQCAP[4].Caption(), "5题");
  EXPECT_EQ(home.ClickBotn[47].Caption(), "1-4单元");
  EXPECT_EQ(home.ClickBotn[48].Caption(), "");
  EXPECT_FALSE(home.ClickBotn[48].Enabled());
  EXPECT_EQ(home.ClickBotn[53].Caption(), UnitButtonCaption(3, "单元3"));
  EXPECT_FALSE(home.ClickBotn[60].Visible());
  EXPECT_FALSE(home.PicTiKu.Visible());
  EXPECT_FALSE(home.PicTOP.Visible());
}

TEST_F(HomeScreenTest, ChoosingAUnitShowsItsProgress) {
  FrmFengmian& home = Home();
  home.ClickBotn_Click(53);
  EXPECT_EQ(home.CurUnit(), 3);
  EXPECT_EQ(home.LblUnitDQCAP[1].Caption(), "第4单元 单元3");
  EXPECT_EQ(home.LblUnitDQCAP[2].Caption(), "5题");
  EXPECT_EQ(home.LblUnitDQCAP[3].Caption(), "3题");
  EXPECT_EQ(home.LblUnitDQCAP[4].Caption(), "2题");
  EXPECT_DOUBLE_EQ(home.ImgUnitC.Height(), 1428);
  EXPECT_DOUBLE_EQ(home.ImgUnitC.Top(), 4122);
  EXPECT_DOUBLE_EQ(home.ImgUnitD.Height(), 2142);
  EXPECT_DOUBLE_EQ(home.LblUnitDQCAP[3].Top(), 3408 - 240);
  EXPECT_FALSE(home.ClickBotn[53].Enabled());
  EXPECT_TRUE(home.ClickBotn[49].Enabled());
  EXPECT_TRUE(home.ClickBotn[52].Visible());
  EXPECT_FALSE(home.ClickBotn[54].Visible());  // beyond the bank's units
  home.ClickBotn_Click(39);
  EXPECT_EQ(home.UnitFilter(), 2);
  home.ClickBotn_Click(49);
  EXPECT_EQ(home.CurUnit(), -1);
  EXPECT_FALSE(home.ClickBotn[49].Enabled());
  EXPECT_TRUE(home.ClickBotn[53].Enabled());
}

TEST_F(HomeScreenTest, QuestionBankTabChoosesTheFirstUnitWithMoreThanAFifthLeft) {
  FrmFengmian& home = Home();
  home.ClickBotn_Click(4);
  EXPECT_TRUE(home.PicTOP.Visible());
  EXPECT_TRUE(home.PicTiKu.Visible());
  EXPECT_FALSE(home.ClickBotn[16].Enabled());
  EXPECT_EQ(home.CurUnit(), 1);  // unit 0 is all learned
  home.ClickBotn_Click(15);
  EXPECT_FALSE(home.PicTOP.Visible());
  EXPECT_FALSE(home.PicTiKu.Visible());
  EXPECT_TRUE(home.ClickBotn[16].Enabled());
}

TEST_F(HomeScreenTest, ReturnTimerReopensTheTabOnce) {
  frame::gReturnButton = 16;
  FrmFengmian& home = Home();
  home.TimFH.SetEnabled(true);
  home.Show();
  EXPECT_FALSE(home.PicTiKu.Visible());
  in_.Wait(100);
  forms::Pump();
  EXPECT_TRUE(home.PicTiKu.Visible());
  EXPECT_FALSE(home.ClickBotn[16].Enabled());
  EXPECT_EQ(home.CurUnit(), 1);
  EXPECT_FALSE(home.TimFH.Enabled());
}

TEST_F(HomeScreenTest, StartingNeedsAChosenUnit) {
  const std::string prompt = Start();
  EXPECT_EQ(prompt, "\r\n本模块共有4单元\r\n\r\n请先点击左边单元名称选择您要学习的单元，再点开始学习！");
  EXPECT_FALSE(Bar().Visible());
}

TEST_F(HomeScreenTest, StartingOpensTheSessionOfTheFilter) {
  struct Case {
    int filter;
    int kind, offset, count;
    std::vector<int> codes, statuses;
    const char* mark;
  };
  const Case cases[] = {
      {0, 20, 3, 5, {301, 302, 303, 304, 305}, {4, 4, 0, 4, 0}, nullptr},
      {1, 5, 14, 3, {301, 302, 304}, {4, 4, 4}, "T"},
      {2, 6, 13, 2, {303, 305}, {0, 0}, "F"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter);
    frame::gListIndex = 0;
    FrmFengmian& home = Home();
    home.ClickBotn_Click(53);
    home.ClickBotn_Click(37 + c.filter);
    EXPECT_EQ(Start(), "");
    EXPECT_EQ(frame::gSessionKind, c.kind);
    EXPECT_EQ(frame::gSlotOffset, c.offset);
    EXPECT_EQ(frame::gRunMode, 2);
    EXPECT_EQ(frame::gCurQuestion, 1);
    ASSERT_EQ(frame::gQuestionCount, c.count);
    for (int i = 1; i <= c.count; ++i) {
      EXPECT_EQ(frame::gQuestionCode[i], c.codes[i - 1]);
      EXPECT_EQ(frame::gQuestionStatus[i], c.statuses[i - 1]);
      if (c.mark) {
        EXPECT_EQ(frame::gDoneMark[i], c.mark);
      }
    }
    EXPECT_EQ(frame::gListIndex, c.filter == 0 ? 0 : 3);
    EXPECT_EQ(frame::gStepFile, frame::gDataPath + (c.filter == 0 ? "288823.mxy" : "288819.mxy"));
    EXPECT_TRUE(Bar().Visible());
    EXPECT_FALSE(FrmFengmian::IsLoaded());
    Bar().Hide();
    Desk().Hide();
  }
}

TEST_F(HomeScreenTest, NoQuestionUnderTheFilterRefusesTheStart) {
  Write("ksdata/288893.mxy", {"TT", "FF", "TF", "TTTTT"});
  FrmFengmian& home = Home();
  home.ClickBotn_Click(53);
  home.ClickBotn_Click(39);
  EXPECT_EQ(Start(), "\r\n\r\n\r\n您本部分没有未学题！");
  EXPECT_FALSE(Bar().Visible());
}

TEST_F(HomeScreenTest, AssembledFilesCopyTheQuestionsByteForByte) {
  Write("data/288820.mxy", {StepLine({{8, "9999"}, {12, "u0"}})});
  Write("data/288870.mxy", {"000101甲"});
  // Question 9 of unit 3 is beyond its last line: its last question is taken.
  AssembleSessionFiles("030503020001" "0309", 19);
  EXPECT_EQ(frame::gQuestionCount, 4);
  EXPECT_EQ(frame::gQuestionCode[3], 1);
  EXPECT_EQ(Bytes("data/288869.mxy"), GbkFile({"030502第五题", "030202第二题|两行", "000101甲", "030502第五题"}));
  const std::string q5 = StepLine({{8, "0001"}, {12, "q5"}}) + "\r\n" + StepLine({{8, "9999"}, {12, "q5"}}) + "\r\n";
  const std::string q2 = StepLine({{8, "0001"}, {12, "q2"}}) + "\r\n" + StepLine({{8, "9999"}, {12, "q2"}}) + "\r\n";
  EXPECT_EQ(Bytes("data/288819.mxy"), q5 + q2 + StepLine({{8, "9999"}, {12, "u0"}}) + "\r\n" + q5);
}

TEST_F(HomeScreenTest, AnEmptyListGivesEmptyFilesAndAMissingUnitIsLeftOut) {
  AssembleSessionFiles("", 19);
  EXPECT_EQ(frame::gQuestionCount, 0);
  EXPECT_EQ(Bytes("data/288819.mxy"), "");
  EXPECT_EQ(Bytes("data/288869.mxy"), "");
  AssembleSessionFiles("07010301", 19);
  EXPECT_EQ(Bytes("data/288869.mxy"), GbkFile({"030101第一题"}));
}

}  // namespace
}  // namespace xpexam::home
