// The question bar as the desktop uses it: showing a question, its title and list of
// unfinished questions, the hint button, collapse and restore, and the closing guard.
#include <gtest/gtest.h>

#include "forms/pictures.h"
#include "platform/keyboard.h"
#include "tests/desktop/desktop_fixture.h"

namespace xpexam::session {
namespace {

using desktop::testing::DesktopTest;

class FrmTmTest : public DesktopTest {
 protected:
  FrmTmTest() {
    Write("data/288870.mxy", {"010103Open the folder|then rename it", "010202picture300001See the picture|here", "010301Last"});
    dir_.Write("data/300001.mxy", xpexam::testing::SolidBmp(8, 8, 0xFF));
    frame::gQuestionCount = 3;
  }
};

TEST_F(FrmTmTest, ShowingAQuestionOpensItAndHandsItToTheDesktop) {
  auto& bar = Bar();  // the loads of the bar and the desktop start questions at step 1
  Desk();
  frame::gCurQuestion = 2;
  frame::gQuestionStatus[1] = 4;
  frame::gQuestionStatus[2] = 2;
  frame::gQuestionStep[2] = 3;
  frame::gRunMode = 1;
  frame::gDoneMark[2] = "F";
  bar.DqExam();
  EXPECT_EQ(frame::gQuestionStatus[2], 3);
  EXPECT_EQ(frame::gCurStep, 3);
  EXPECT_EQ(frame::gRunMode, 2);
  EXPECT_EQ(bar.LblUnit.Caption(), "未完成的题目 2 3");
  EXPECT_EQ(bar.LblBiao.Caption(), "XP 1单元2/3题(未完成)");
  EXPECT_TRUE(bar.CmdGN[0].Enabled());
  EXPECT_TRUE(bar.CmdGN[1].Enabled());
  // Bookmarked: the remove-bookmark button shows.
  EXPECT_FALSE(bar.CmdGN[3].Visible());
  EXPECT_TRUE(bar.CmdGN[11].Visible());
  // A picture question: its text from character 20 as stored, and the picture button.
  EXPECT_EQ(bar.RtbTM.Text(), "See the picture|here");
  EXPECT_TRUE(bar.Image2.Visible());
  EXPECT_EQ(bar.Image2.Caption(), "显示图片");
  auto& desk = Desk();
  EXPECT_TRUE(desk.Timer2.Enabled());
  EXPECT_TRUE(desk.Visible());
  EXPECT_EQ(desk.WindowState(), 0);

  // Shown again, the opened bit is not added twice; a text question shows its line breaks.
  frame::gCurQuestion = 1;
  bar.DqExam();
  bar.DqExam();
  EXPECT_EQ(frame::gQuestionStatus[1], 5);
  EXPECT_EQ(bar.RtbTM.Text(), "Open the folder\r\nthen rename it");
  EXPECT_FALSE(bar.Image2.Visible());
  EXPECT_FALSE(bar.CmdGN[0].Enabled());
  EXPECT_TRUE(bar.CmdGN[3].Visible());
}

TEST_F(FrmTmTest, AnExamStaysAnExam) {
  frame::gRunMode = 3;
  Bar().DqExam();
  EXPECT_EQ(frame::gRunMode, 3);
}

struct TitleCase {
  int kind, offset, list_index;
  const char* title;
  friend void PrintTo(const TitleCase& c, std::ostream* os) { *os << "kind " << c.kind; }
};

class TitleTest : public FrmTmTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(TitleTest, TheTitleNamesTheSessionAndTheQuestion) {
  const TitleCase c = GetParam();
  frame::gSessionKind = static_cast<int16_t>(c.kind);
  frame::gSlotOffset = static_cast<int16_t>(c.offset);
  frame::gListIndex = static_cast<int16_t>(c.list_index);
  frame::gCurQuestion = 2;
  frame::gQuestionCode[2] = 105;
  frame::gDoneMark[2] = "T";
  Bar().LblBiao.SetCaption("before");
  Bar().DqExam();
  EXPECT_EQ(Bar().LblBiao.Caption(), c.title);
}

INSTANTIATE_TEST_SUITE_P(Kinds, TitleTest,
                         ::testing::Values(TitleCase{0, 0, 0, "XP 1套第2题(0205)"},
                                           TitleCase{2, 17, 4, "XP 错5-2/3(0205)(已完成)"},
                                           TitleCase{5, 14, 1, "XP 已2/3(0205)(已完成)"},
                                           TitleCase{6, 13, 1, "XP 未2/3(0205)(已完成)"},
                                           TitleCase{8, 11, 22, "XP 随3-2(0205)"},
                                           TitleCase{10, 9, 0, "XP 藏2/3(0205)(已完成)"},
                                           TitleCase{14, 5, 0, "XP 复2/3(0205)(已完成)"},
                                           TitleCase{20, 2, 0, "XP 3单元2/3题(已完成)"},
                                           TitleCase{7, 0, 0, "before"}));

TEST_F(FrmTmTest, CollapsedToTheMiniBarAndRestoredDocked) {
  auto& desk = Desk();
  desk.Show();
  auto& bar = Bar();
  bar.Show();
  bar.LblZXH.Click();
  EXPECT_DOUBLE_EQ(bar.Width(), 810);
  EXPECT_DOUBLE_EQ(bar.Height(), 870);
  EXPECT_DOUBLE_EQ(bar.Left(), desk.Left());
  EXPECT_DOUBLE_EQ(bar.Top(), desk.Top() + desk.Height() - 870);
  EXPECT_TRUE(bar.FrmZXH.Visible());
  bar.Move(3000, 3000);
  bar.Command2.Click();
  EXPECT_DOUBLE_EQ(bar.Width(), 4980);
  EXPECT_DOUBLE_EQ(bar.Left() + bar.Width(), desk.Left() + desk.Width());
  EXPECT_DOUBLE_EQ(bar.Top() + bar.Height(), desk.Top() + desk.Height());
  EXPECT_FALSE(bar.FrmZXH.Visible());
}

TEST_F(FrmTmTest, TheBarClosesOnlyWhenAllowed) {
  auto& bar = Bar();
  EXPECT_FALSE(bar.Unload());
  EXPECT_TRUE(FrmTm::IsLoaded());
  frame::gAllowBarUnload = true;
  EXPECT_TRUE(bar.Unload());
  EXPECT_FALSE(FrmTm::IsLoaded());
}

TEST_F(FrmTmTest, ThePictureButtonToggles) {
  auto& bar = Bar();
  bar.Image2.Click();
  EXPECT_EQ(bar.Image2.Caption(), "隐藏图片");
  bar.Image2.Click();
  EXPECT_EQ(bar.Image2.Caption(), "显示图片");
}

TEST_F(FrmTmTest, TheInputMethodMenuOffersEveryInputMethodAndThePlainLayout) {
  const auto installed = platform::KeyboardLayouts();
  platform::SetKeyboardLayouts({{0x111, "A", "输入法甲"}, {0x222, "plain", ""}, {0x333, "B", "输入法乙"}});
  auto& bar = Bar();
  EXPECT_EQ(bar.mNextImeItem, 3);
  EXPECT_EQ(bar.mCn[0]->Caption(), "输入法甲");
  EXPECT_EQ(bar.mCn[1]->Caption(), "输入法乙");
  EXPECT_TRUE(bar.mCn[1]->Visible());
  EXPECT_FALSE(bar.mCn[2]->Visible());
  EXPECT_TRUE(bar.mEng.Visible());
  bar.mCn[1]->Click();
  EXPECT_EQ(frame::gImeHkl, 0x333);
  bar.mEng.Click();
  EXPECT_EQ(frame::gImeHkl, 0x222);
  EXPECT_TRUE(Desk().Visible());
  // With the switch off, "EN" opens nothing.
  bar.Show();
  bar.LblIME.Click();
  EXPECT_FALSE(forms::Ended());
  platform::SetKeyboardLayouts(installed);
  frame::gImeHkl = 0;
}

}  // namespace
}  // namespace xpexam::session
