// The question bar as the desktop uses it: showing a question, its title and list of
// unfinished questions, its image buttons (hint, picture, input-method help), collapse and
// restore, and the closing guard.
#include <gtest/gtest.h>

#include <filesystem>

#include "desktop/answer_input_method.h"
#include "forms/pictures.h"
#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "session/ime_window.h"
#include "session/picture_window.h"
#include "platform/keyboard.h"
#include "platform/strings.h"
#include "session/session_exit.h"
#include "tests/desktop/desktop_fixture.h"
#include "tests/session/ime_window_access.h"

namespace xpexam::session {
namespace {

using desktop::testing::DesktopTest;

class FrmTmTest : public DesktopTest {
 protected:
  FrmTmTest() {
    Write("data/288870.mxy", {"010103Open the folder|then rename it", "010202picture300001See the picture|here", "010301Last"});
    dir_.Write("data/300001.mxy", xpexam::testing::SolidBmp(8, 8, 0xFF));
    desktop::editPlan().SetQuestionCount(3);
  }
};

TEST_F(FrmTmTest, ShowingAQuestionOpensItAndHandsItToTheDesktop) {
  auto& bar = Bar();  // the loads of the bar and the desktop start questions at step 1
  Desk();
  desktop::editCursor().GoToQuestion(2);
  desktop::editPlan().SetStatus(1, 4);
  desktop::editPlan().SetStatus(2, 2);
  desktop::editPlan().SetResumeStep(2, 3);
  desktop::editPlan().SetRunMode(desktop::RunMode::kPracticeWithHints);
  desktop::editPlan().SetDoneMark(2, "F");
  Act(bar).LoadQuestion();
  EXPECT_EQ(desktop::plan().question(2).status, 3);
  EXPECT_EQ(desktop::cursor().step(), 3);
  EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kPractice);
  EXPECT_EQ(Ui(bar).LblUnit.Caption(), "未完成的题目 2 3");
  EXPECT_EQ(Ui(bar).LblBiao.Caption(), "XP 1单元2/3题(未完成)");
  EXPECT_TRUE(Ui(bar).CmdGN[bar_button::kPrevious].Enabled());
  EXPECT_TRUE(Ui(bar).CmdGN[bar_button::kNext].Enabled());
  // Bookmarked: the remove-bookmark button shows.
  EXPECT_FALSE(Ui(bar).CmdGN[bar_button::kBookmark].Visible());
  EXPECT_TRUE(Ui(bar).CmdGN[bar_button::kClearBookmark].Visible());
  // A picture question: its text from character 20 as stored, and the picture button.
  EXPECT_EQ(Ui(bar).RtbTM.Text(), "See the picture|here");
  EXPECT_TRUE(Ui(bar).Image2.Visible());
  EXPECT_EQ(Ui(bar).Image2.Caption(), "显示图片");
  auto& desk = Desk();
  EXPECT_TRUE(Ui(desk).Timer2.Enabled());
  EXPECT_TRUE(desk.Visible());
  EXPECT_EQ(desk.WindowState(), forms::WindowSize::kNormal);

  // Shown again, the opened bit is not added twice; a text question shows its line breaks.
  desktop::editCursor().GoToQuestion(1);
  Act(bar).LoadQuestion();
  Act(bar).LoadQuestion();
  EXPECT_EQ(desktop::plan().question(1).status, 5);
  EXPECT_EQ(Ui(bar).RtbTM.Text(), "Open the folder\r\nthen rename it");
  EXPECT_FALSE(Ui(bar).Image2.Visible());
  EXPECT_FALSE(Ui(bar).CmdGN[bar_button::kPrevious].Enabled());
  EXPECT_TRUE(Ui(bar).CmdGN[bar_button::kBookmark].Visible());
}

TEST_F(FrmTmTest, AnIndexWithoutTheQuestionsLineShowsTheLineReadLast) {
  Desk();
  desktop::editCursor().GoToQuestion(3);
  Act(Bar()).LoadQuestion();
  ASSERT_EQ(Ui(Bar()).RtbTM.Text(), "Last");
  // A shorter index gives its last line.
  Write("data/288870.mxy", {"010103Open the folder|then rename it", "010202Second"});
  Act(Bar()).LoadQuestion();
  EXPECT_EQ(Ui(Bar()).RtbTM.Text(), "Second");
  // A missing index keeps that line, in the next session's bar as well.
  std::filesystem::remove(dir_ / "data/288870.mxy");
  session::editSessionExit().AllowBarClose();
  ASSERT_TRUE(Bar().Unload());
  desktop::editCursor().GoToQuestion(1);
  Act(Bar()).LoadQuestion();
  EXPECT_EQ(Ui(Bar()).RtbTM.Text(), "Second");
}

TEST_F(FrmTmTest, AnExamStaysAnExam) {
  desktop::editPlan().SetRunMode(desktop::RunMode::kTimedExam);
  Act(Bar()).LoadQuestion();
  EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kTimedExam);
}

struct TitleCase {
  int kind, offset, list_index;
  const char* title;
  friend void PrintTo(const TitleCase& c, std::ostream* os) { *os << "kind " << c.kind; }
};

class TitleTest : public FrmTmTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(TitleTest, TheTitleNamesTheSessionAndTheQuestion) {
  const TitleCase c = GetParam();
  desktop::editPlan().SetKind(static_cast<desktop::SessionKind>(c.kind));
  desktop::editPlan().SetSlotOffset(static_cast<int16_t>(c.offset));
  desktop::editPlan().SetListIndex(static_cast<int16_t>(c.list_index));
  desktop::editCursor().GoToQuestion(2);
  desktop::editPlan().SetCode(2, 105);
  desktop::editPlan().SetDoneMark(2, "T");
  Ui(Bar()).LblBiao.SetCaption("before");
  Act(Bar()).LoadQuestion();
  EXPECT_EQ(Ui(Bar()).LblBiao.Caption(), c.title);
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
  Ui(bar).LblZXH.Click();
  EXPECT_DOUBLE_EQ(bar.Width(), 810);
  EXPECT_DOUBLE_EQ(bar.Height(), 870);
  EXPECT_DOUBLE_EQ(bar.Left(), desk.Left());
  EXPECT_DOUBLE_EQ(bar.Top(), desk.Top() + desk.Height() - 870);
  EXPECT_TRUE(Ui(bar).FrmZXH.Visible());
  bar.Move(3000, 3000);
  Ui(bar).Command2.Click();
  EXPECT_DOUBLE_EQ(bar.Width(), 4980);
  EXPECT_DOUBLE_EQ(bar.Left() + bar.Width(), desk.Left() + desk.Width());
  EXPECT_DOUBLE_EQ(bar.Top() + bar.Height(), desk.Top() + desk.Height());
  EXPECT_FALSE(Ui(bar).FrmZXH.Visible());
}

TEST_F(FrmTmTest, TheBarClosesOnlyWhenAllowed) {
  auto& bar = Bar();
  EXPECT_FALSE(bar.Unload());
  EXPECT_TRUE(FrmTm::IsLoaded());
  session::editSessionExit().AllowBarClose();
  EXPECT_TRUE(bar.Unload());
  EXPECT_FALSE(FrmTm::IsLoaded());
}

TEST_F(FrmTmTest, ThePictureButtonToggles) {
  auto& bar = Bar();
  Ui(bar).Image2.Click();
  EXPECT_EQ(Ui(bar).Image2.Caption(), "隐藏图片");
  Ui(bar).Image2.Click();
  EXPECT_EQ(Ui(bar).Image2.Caption(), "显示图片");
}

// The bar and the desktop on the screen, the bar docked at the desktop's lower right.
class BarOnScreen : public FrmTmTest {
 protected:
  BarOnScreen() {
    Desk().Show();
    Bar().Show();
    DockBar();
  }
  void ClickOn(const forms::Control& c) {
    const forms::Rect r = c.ScreenRect();
    in_.Click(r.x + r.w / 2, r.y + r.h / 2);
  }
};

TEST_F(BarOnScreen, TheHintButtonShowsTheFourHintFrames) {
  auto& desk = Desk();
  for (forms::Control* c : std::initializer_list<forms::Control*>{&Ui(desk).LHelp, &Ui(desk).Shape1, &Ui(desk).Shape4, &Ui(desk).Shape2})
    c->SetVisible(false);
  desk.SetWindowState(forms::WindowSize::kMinimized);
  // The practice button set comes with the bar's first half second.
  in_.Wait(500);
  ClickOn(Ui(Bar()).CmdGN[bar_button::kHints]);
  forms::Pump();
  EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kPracticeWithHints);
  for (forms::Control* c : std::initializer_list<forms::Control*>{&Ui(desk).LHelp, &Ui(desk).Shape1, &Ui(desk).Shape4, &Ui(desk).Shape2})
    EXPECT_TRUE(c->Visible()) << c->Name();
  EXPECT_EQ(desk.WindowState(), forms::WindowSize::kNormal);
}

TEST_F(BarOnScreen, ThePictureButtonShowsAndHidesTheQuestionPicture) {
  auto& bar = Bar();
  desktop::editCursor().GoToQuestion(2);
  Act(bar).LoadQuestion();
  auto& picture = session::FrmPicture::Get();
  // The picture is in place; the window waits for the learner.
  EXPECT_EQ(forms::PictureId(picture.Picture()), "300001");
  EXPECT_FALSE(picture.Visible());
  ASSERT_TRUE(Ui(bar).Image2.Visible());

  ClickOn(Ui(bar).Image2);
  in_.Wait(100);
  forms::Pump();
  EXPECT_TRUE(picture.Visible());
  EXPECT_EQ(Ui(bar).Image2.Caption(), "隐藏图片");
  // Fitted to the 8-pixel picture with its red margin, centred on the 1024 x 768 screen.
  EXPECT_DOUBLE_EQ(picture.Width(), 8 * 15 + 120);
  EXPECT_DOUBLE_EQ(picture.Left(), (1024 * 15 - 240) / 2.0);

  ClickOn(Ui(bar).Image2);
  forms::Pump();
  EXPECT_FALSE(picture.Visible());
  EXPECT_EQ(Ui(bar).Image2.Caption(), "显示图片");

  // Shown again, then another question: the window closes and the button goes.
  ClickOn(Ui(bar).Image2);
  forms::Pump();
  ASSERT_TRUE(picture.Visible());
  desktop::editCursor().GoToQuestion(1);
  Act(bar).LoadQuestion();
  EXPECT_FALSE(picture.Visible());
  EXPECT_FALSE(Ui(bar).Image2.Visible());

  // A picture question whose picture is missing keeps the picture before it, and the button.
  Write("data/288870.mxy", {"010103Open", "010202picture300001See", "010301picture399999Missing"});
  desktop::editCursor().GoToQuestion(3);
  Act(bar).LoadQuestion();
  EXPECT_EQ(forms::PictureId(picture.Picture()), "300001");
  EXPECT_TRUE(Ui(bar).Image2.Visible());
  EXPECT_EQ(Ui(bar).RtbTM.Text(), "Missing");
}

TEST_F(BarOnScreen, TheInputMethodHelpOpensOverTheMiniBarAndItsCloseRestoresTheBar) {
  auto& bar = Bar();
  auto& desk = Desk();
  bool inside = false, returned = false;
  in_.Call([&] {
    Ui(bar).CmdEn.Click();
    returned = true;
  });
  in_.Call([&] {
    // The help window is modal over the collapsed bar.
    inside = session::FrmIME::IsLoaded() && session::FrmIME::Get().Visible() && !returned;
    EXPECT_DOUBLE_EQ(bar.Width(), 810);
    EXPECT_TRUE(Ui(bar).FrmZXH.Visible());
    desk.SetWindowState(forms::WindowSize::kMinimized);
    ClickOn(Ui(session::FrmIME::Get()).lblClick[1]);
  });
  forms::Pump();
  EXPECT_TRUE(inside);
  EXPECT_TRUE(returned);
  EXPECT_FALSE(session::FrmIME::IsLoaded());
  EXPECT_EQ(desk.WindowState(), forms::WindowSize::kNormal);
  EXPECT_DOUBLE_EQ(bar.Width(), 4980);
  EXPECT_DOUBLE_EQ(bar.Height(), 3630);
  EXPECT_DOUBLE_EQ(bar.Left() + bar.Width(), desk.Left() + desk.Width());
  EXPECT_DOUBLE_EQ(bar.Top() + bar.Height(), desk.Top() + desk.Height());
  EXPECT_FALSE(Ui(bar).FrmZXH.Visible());

  // Once the bar has gone, the help window's close brings nothing back.
  session::editSessionExit().AllowBarClose();
  ASSERT_TRUE(bar.Unload());
  session::FrmIME::Get().Unload();
  EXPECT_FALSE(FrmTm::IsLoaded());
}

TEST_F(FrmTmTest, TheButtonsWearTheirFaces) {
  for (int i = bar_button::kAll.first; i <= bar_button::kAll.last; ++i) Picture("l010" + platform::Right("0" + std::to_string(i), 2));
  for (const char* id : {"l01043", "l01044", "l01053", "l01054", "l20002", "l20003"}) Picture(id);
  struct Case {
    int16_t run_mode;
    const char* bookmark;
    const char* remove_bookmark;
  };
  for (const Case& c : {Case{2, "l01003", "l01011"}, Case{3, "l01053", "l01054"}}) {
    desktop::editPlan().SetRunMode(static_cast<desktop::RunMode>(c.run_mode));
    auto& bar = Bar();
    EXPECT_EQ(forms::PictureId(Ui(bar).CmdGN[bar_button::kBookmark].Picture()), c.bookmark);
    EXPECT_EQ(forms::PictureId(Ui(bar).CmdGN[bar_button::kClearBookmark].Picture()), c.remove_bookmark);
    EXPECT_EQ(forms::PictureId(Ui(bar).CmdGN[bar_button::kPrevious].Picture()), "l01000");
    EXPECT_EQ(forms::PictureId(Ui(bar).CmdGN[bar_button::kSeeAnswer].Picture()), "l01010");
    EXPECT_EQ(forms::PictureId(Ui(bar).Image2.Picture()), "l01044");
    EXPECT_EQ(forms::PictureId(Ui(bar).CmdEn.Picture()), "l01043");
    EXPECT_EQ(forms::PictureId(Ui(bar).LblZXH.Picture()), "l20002");
    EXPECT_EQ(forms::PictureId(Ui(bar).LblClose.Picture()), "l20003");
    // The pictures of the window's own design need no installation.
    ASSERT_TRUE(Ui(bar).FrmZXH.Picture());
    EXPECT_EQ(Ui(bar).FrmZXH.Picture()->Width(), 54);
    EXPECT_TRUE(Ui(bar).Image1.Picture());
    session::editSessionExit().AllowBarClose();
    bar.Unload();
    session::editSessionExit().KeepBarOpen();
  }
}

TEST_F(FrmTmTest, TheInputMethodMenuOffersEveryInputMethodAndThePlainLayout) {
  const auto installed = platform::KeyboardLayouts();
  platform::SetKeyboardLayouts({{0x111, "A", "输入法甲"}, {0x222, "plain", ""}, {0x333, "B", "输入法乙"}});
  auto& bar = Bar();
  EXPECT_EQ(Vars(bar).mNextImeItem, 3);
  EXPECT_EQ(Ui(bar).mCn[0]->Caption(), "输入法甲");
  EXPECT_EQ(Ui(bar).mCn[1]->Caption(), "输入法乙");
  EXPECT_TRUE(Ui(bar).mCn[1]->Visible());
  EXPECT_FALSE(Ui(bar).mCn[2]->Visible());
  EXPECT_TRUE(Ui(bar).mEng.Visible());
  Ui(bar).mCn[1]->Click();
  EXPECT_EQ(desktop::answerInputMethod().layout(), 0x333u);
  Ui(bar).mEng.Click();
  EXPECT_EQ(desktop::answerInputMethod().layout(), 0x222u);
  EXPECT_TRUE(Desk().Visible());
  // With the switch off, "EN" opens nothing.
  bar.Show();
  Ui(bar).LblIME.Click();
  EXPECT_FALSE(forms::Ended());
  platform::SetKeyboardLayouts(installed);
}

}  // namespace
}  // namespace xpexam::session
