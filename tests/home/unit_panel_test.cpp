// The unit panel of the home screen: its build, choosing units, pages and filters, and the
// start of unit practice with the session it opens.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "forms/pictures.h"
#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "frame/message_box.h"
#include "session/session_exit.h"
#include "session/sign_in.h"
#include "home/home_screen.h"
#include "desktop/session_files.h"
#include "platform/codepage.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "tests/desktop/desktop_fixture.h"
#include "tests/frame/message_box_access.h"
#include "tests/home/home_access.h"
#include "tests/support/installation.h"

namespace xpexam::home {
namespace {

using desktop::testing::DesktopTest;
using desktop::testing::StepLine;

class HomeScreenTest : public DesktopTest {
 protected:
  HomeScreenTest() {
    frame::editInstallation().SetProductNo(5);
    Write("data/288899.mxy", {"5"});
    // Four units of 2, 2, 2 and 5 questions.
    Write("data/288891.mxy", {"0104", "02020205"});
    Write("ksdata/288893.mxy", {"TT", "FF", "TF", "TTFTF"});
    for (int u = 0; u < 4; ++u) frame::editInstallation().SetUnitTable(u, 1, "单元" + std::to_string(u));
    // Unit 3's own files: questions of 1, 2, 1, 1 and 2 records.
    Write("data/288823.mxy", {StepLine({{8, "9999"}, {12, "q1"}}), StepLine({{8, "0001"}, {12, "q2"}}),
                              StepLine({{8, "9999"}, {12, "q2"}}), StepLine({{8, "9999"}, {12, "q3"}}),
                              StepLine({{8, "9999"}, {12, "q4"}}), StepLine({{8, "0001"}, {12, "q5"}}),
                              StepLine({{8, "9999"}, {12, "q5"}})});
    Write("data/288873.mxy", {"030101第一题", "030202第二题|两行", "030301第三题", "030401第四题", "030502第五题"});
    for (int i = 0; i <= 99; ++i) Picture("l200" + platform::ZeroPad(i, 2));
  }
  FrmFengmian& Home() { return FrmFengmian::Get(); }
  std::string Bytes(const std::string& name) { return platform::ReadFileBytes(dir_ / name).value_or("<missing>"); }
  std::string GbkFile(const std::vector<std::string>& lines) {
    Write("expected.txt", lines);
    return Bytes("expected.txt");
  }
  // Presses a button and returns the prompt of the message box it showed ("" for none), which
  // is answered with answer (1 the first button).
  std::string Press(int index, int answer = 0) {
    std::string prompt;
    in_.Call([&] {
      if (!frame::FrmQOMSGBOX::IsLoaded()) return;
      prompt = Ui(frame::FrmQOMSGBOX::Get()).LblPrompt.Caption();
      Ui(frame::FrmQOMSGBOX::Get()).LblClick.Click(answer);
    });
    Act(Home()).ClickBotn_Click(index);
    return prompt;
  }
  std::string Start() { return Press(20); }
  // Every session ends by unloading the bar, so the next one loads it afresh.
  void EndBarSession() {
    if (!session::FrmTm::IsLoaded()) return;
    session::editSessionExit().AllowBarClose();
    session::FrmTm::Get().Unload();
    session::editSessionExit().KeepBarOpen();
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
  EXPECT_FALSE(Ui(home).ClickBotn[49].Enabled());
  EXPECT_EQ(Ui(home).LblUnitDQCAP[1].Caption(), "所有题库中题目");
  EXPECT_EQ(Ui(home).LblUnitDQCAP[2].Caption(), "11题");
  EXPECT_EQ(Ui(home).LblUnitDQCAP[3].Caption(), "6题");
  EXPECT_EQ(Ui(home).LblUnitDQCAP[4].Caption(), "5题");
  EXPECT_EQ(Ui(home).ClickBotn[47].Caption(), "1-4单元");
  EXPECT_EQ(Ui(home).ClickBotn[48].Caption(), "");
  EXPECT_FALSE(Ui(home).ClickBotn[48].Enabled());
  EXPECT_EQ(Ui(home).ClickBotn[53].Caption(), UnitButtonCaption(3, "单元3"));
  EXPECT_FALSE(Ui(home).ClickBotn[60].Visible());
  EXPECT_FALSE(Ui(home).PicTiKu.Visible());
  EXPECT_FALSE(Ui(home).PicTOP.Visible());
}

TEST_F(HomeScreenTest, ChoosingAUnitShowsItsProgress) {
  FrmFengmian& home = Home();
  Act(home).ClickBotn_Click(53);
  EXPECT_EQ(home.CurUnit(), 3);
  EXPECT_EQ(Ui(home).LblUnitDQCAP[1].Caption(), "第4单元 单元3");
  EXPECT_EQ(Ui(home).LblUnitDQCAP[2].Caption(), "5题");
  EXPECT_EQ(Ui(home).LblUnitDQCAP[3].Caption(), "3题");
  EXPECT_EQ(Ui(home).LblUnitDQCAP[4].Caption(), "2题");
  EXPECT_DOUBLE_EQ(Ui(home).ImgUnitC.Height(), 1428);
  EXPECT_DOUBLE_EQ(Ui(home).ImgUnitC.Top(), 4122);
  EXPECT_DOUBLE_EQ(Ui(home).ImgUnitD.Height(), 2142);
  EXPECT_DOUBLE_EQ(Ui(home).LblUnitDQCAP[3].Top(), 3408 - 240);
  EXPECT_FALSE(Ui(home).ClickBotn[53].Enabled());
  EXPECT_TRUE(Ui(home).ClickBotn[49].Enabled());
  EXPECT_TRUE(Ui(home).ClickBotn[52].Visible());
  EXPECT_FALSE(Ui(home).ClickBotn[54].Visible());  // beyond the bank's units
  Act(home).ClickBotn_Click(39);
  EXPECT_EQ(home.UnitFilter(), 2);
  Act(home).ClickBotn_Click(49);
  EXPECT_EQ(home.CurUnit(), -1);
  EXPECT_FALSE(Ui(home).ClickBotn[49].Enabled());
  EXPECT_TRUE(Ui(home).ClickBotn[53].Enabled());
}

TEST_F(HomeScreenTest, AUnitWithoutQuestionsKeepsTheBarsAndReportsEachDivision) {
  // A fifth unit of no questions.
  Write("data/288891.mxy", {"0105", "0202020500"});
  std::vector<std::string> reports;
  platform::SetFailureReporter([&](std::string_view tag, long number, std::string_view description) {
    reports.push_back(std::string(tag) + " " + std::to_string(number) + " " + std::string(description));
  });
  FrmFengmian& home = Home();
  const double c_height = Ui(home).ImgUnitC.Height(), d_height = Ui(home).ImgUnitD.Height();
  reports.clear();
  Act(home).ClickBotn_Click(54);
  platform::SetFailureReporter(nullptr);
  EXPECT_EQ(Ui(home).LblUnitDQCAP[2].Caption(), "0题");
  EXPECT_DOUBLE_EQ(Ui(home).ImgUnitC.Height(), c_height);
  EXPECT_DOUBLE_EQ(Ui(home).ImgUnitD.Height(), d_height);
  EXPECT_EQ(reports, (std::vector<std::string>(2, "clickbotn 11 Division by zero")));
}

TEST_F(HomeScreenTest, QuestionBankTabChoosesTheFirstUnitWithMoreThanAFifthLeft) {
  FrmFengmian& home = Home();
  Act(home).ClickBotn_Click(4);
  EXPECT_TRUE(Ui(home).PicTOP.Visible());
  EXPECT_TRUE(Ui(home).PicTiKu.Visible());
  EXPECT_FALSE(Ui(home).ClickBotn[16].Enabled());
  EXPECT_EQ(home.CurUnit(), 1);  // unit 0 is all learned
  Act(home).ClickBotn_Click(15);
  EXPECT_FALSE(Ui(home).PicTOP.Visible());
  EXPECT_FALSE(Ui(home).PicTiKu.Visible());
  EXPECT_TRUE(Ui(home).ClickBotn[16].Enabled());
}

TEST_F(HomeScreenTest, ReturnTimerReopensTheTabOnce) {
  session::editSessionExit().SetReturnPanel(desktop::HomePanel::kUnits);
  FrmFengmian& home = Home();
  Ui(home).TimFH.SetEnabled(true);
  home.Show();
  EXPECT_FALSE(Ui(home).PicTiKu.Visible());
  in_.Wait(100);
  forms::Pump();
  EXPECT_TRUE(Ui(home).PicTiKu.Visible());
  EXPECT_FALSE(Ui(home).ClickBotn[16].Enabled());
  EXPECT_EQ(home.CurUnit(), 1);
  EXPECT_FALSE(Ui(home).TimFH.Enabled());
}

// Each panel a session returns to is opened by its own tab.
TEST_F(HomeScreenTest, ReturnTimerOpensThePanelTheSessionNamed) {
  using desktop::HomePanel;
  FrmFengmian& home = Home();
  struct Case {
    HomePanel panel;
    forms::PictureBox* shown;
    int tab;
  } cases[] = {{HomePanel::kPapers, &Ui(home).PicKaCH, 17},
               {HomePanel::kBookmarks, &Ui(home).PicBiaoZhi, 18},
               {HomePanel::kWrongAnswers, &Ui(home).PicCuoTi, 19}};
  home.Show();
  for (const Case& c : cases) {
    Act(home).ClickBotn_Click(15);
    session::editSessionExit().SetReturnPanel(c.panel);
    Ui(home).TimFH.SetEnabled(true);
    in_.Wait(100);
    forms::Pump();
    EXPECT_TRUE(c.shown->Visible()) << c.tab;
    for (int tab = 16; tab <= 19; ++tab) EXPECT_EQ(Ui(home).ClickBotn[tab].Enabled(), tab != c.tab) << c.tab;
  }
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
    EndBarSession();
    desktop::editPlan().SetListIndex(0);
    FrmFengmian& home = Home();
    Act(home).ClickBotn_Click(53);
    Act(home).ClickBotn_Click(37 + c.filter);
    EXPECT_EQ(Start(), "");
    EXPECT_EQ(static_cast<int>(desktop::plan().kind()), c.kind);
    EXPECT_EQ(desktop::plan().slotOffset(), c.offset);
    EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kPractice);
    EXPECT_EQ(desktop::cursor().question(), 1);
    ASSERT_EQ(desktop::plan().questionCount(), c.count);
    for (int i = 1; i <= c.count; ++i) {
      EXPECT_EQ(desktop::plan().question(i).code, c.codes[i - 1]);
      // The bar's load marks question 1 opened.
      EXPECT_EQ(desktop::plan().question(i).status, i == 1 ? (c.statuses[0] | desktop::kStatusOpened) : c.statuses[i - 1]);
      if (c.mark) {
        EXPECT_EQ(desktop::plan().question(i).doneMark, c.mark);
      }
    }
    EXPECT_EQ(desktop::plan().listIndex(), c.filter == 0 ? 0 : 3);
    EXPECT_EQ(desktop::plan().stepFile(), frame::installation().dataPath() + (c.filter == 0 ? "288823.mxy" : "288819.mxy"));
    EXPECT_TRUE(Bar().Visible());
    EXPECT_FALSE(FrmFengmian::IsLoaded());
    Bar().Hide();
    Desk().Hide();
  }
}

TEST_F(HomeScreenTest, NoQuestionUnderTheFilterRefusesTheStart) {
  Write("ksdata/288893.mxy", {"TT", "FF", "TF", "TTTTT"});
  FrmFengmian& home = Home();
  Act(home).ClickBotn_Click(53);
  Act(home).ClickBotn_Click(39);
  EXPECT_EQ(Start(), "\r\n\r\n\r\n您本部分没有未学题！");
  EXPECT_FALSE(Bar().Visible());
}

TEST_F(HomeScreenTest, AssembledFilesCopyTheQuestionsByteForByte) {
  Write("data/288820.mxy", {StepLine({{8, "9999"}, {12, "u0"}})});
  Write("data/288870.mxy", {"000101甲"});
  // Question 9 of unit 3 is beyond its last line: its last question is taken.
  desktop::AssembleSessionFiles("030503020001" "0309", 19);
  EXPECT_EQ(desktop::plan().questionCount(), 4);
  EXPECT_EQ(desktop::plan().question(3).code, 1);
  EXPECT_EQ(Bytes("data/288869.mxy"), GbkFile({"030502第五题", "030202第二题|两行", "000101甲", "030502第五题"}));
  const std::string q5 = StepLine({{8, "0001"}, {12, "q5"}}) + "\r\n" + StepLine({{8, "9999"}, {12, "q5"}}) + "\r\n";
  const std::string q2 = StepLine({{8, "0001"}, {12, "q2"}}) + "\r\n" + StepLine({{8, "9999"}, {12, "q2"}}) + "\r\n";
  EXPECT_EQ(Bytes("data/288819.mxy"), q5 + q2 + StepLine({{8, "9999"}, {12, "u0"}}) + "\r\n" + q5);
}

TEST_F(HomeScreenTest, AnEmptyListGivesEmptyFilesAndAMissingUnitIsLeftOut) {
  desktop::AssembleSessionFiles("", 19);
  EXPECT_EQ(desktop::plan().questionCount(), 0);
  EXPECT_EQ(Bytes("data/288819.mxy"), "");
  EXPECT_EQ(Bytes("data/288869.mxy"), "");
  desktop::AssembleSessionFiles("07010301", 19);
  EXPECT_EQ(Bytes("data/288869.mxy"), GbkFile({"030101第一题"}));
  // Question 00 of a unit is its first question.
  desktop::AssembleSessionFiles("0300", 19);
  EXPECT_EQ(Bytes("data/288869.mxy"), GbkFile({"030101第一题"}));
}

TEST_F(HomeScreenTest, RecordCountersCountTheFirstFlagLine) {
  struct Case {
    std::vector<std::string> flags;  // empty: no flag file
    const char* not_reviewed;
    const char* reviewed;
  };
  const Case cases[] = {{{}, "0", "0"}, {{""}, "0", "0"}, {{"TFFT"}, "2", "2"}, {{"TxT", "FFFF"}, "1", "2"}};
  for (const Case& c : cases) {
    std::filesystem::remove(dir_ / "ksdata/288872.mxy");
    if (!c.flags.empty()) Write("ksdata/288872.mxy", c.flags);
    FrmFengmian& home = Home();
    EXPECT_EQ(Ui(home).LblBiaoZhiWei.Caption(), c.not_reviewed);
    EXPECT_EQ(Ui(home).LblBiaoZhiYI.Caption(), c.reviewed);
    EXPECT_EQ(home.BookmarkFilter(), 1);
    home.Unload();
  }
}

TEST_F(HomeScreenTest, ReviewFilterButtonsToggleTheirBits) {
  Write("ksdata/288862.mxy", {"0301"});
  Write("ksdata/288872.mxy", {"F"});
  FrmFengmian& home = Home();
  EXPECT_EQ(forms::PictureId(Ui(home).ClickBotn[40].Picture()), "l20090");
  Act(home).ClickBotn_Click(41);
  EXPECT_EQ(home.BookmarkFilter(), 3);
  EXPECT_EQ(forms::PictureId(Ui(home).ClickBotn[41].Picture()), "l20091");
  Act(home).ClickBotn_Click(40);
  EXPECT_EQ(home.BookmarkFilter(), 2);
  EXPECT_EQ(forms::PictureId(Ui(home).ClickBotn[40].Picture()), "l20040");
  Act(home).ClickBotn_Click(41);
  EXPECT_EQ(home.BookmarkFilter(), 0);
  EXPECT_EQ(home.WrongFilter(), 1);
  // Nothing selected: neither start nor clear does anything.
  EXPECT_EQ(Press(22), "");
  EXPECT_EQ(Press(23, 1), "");
  EXPECT_FALSE(Bar().Visible());
  EXPECT_EQ(Bytes("ksdata/288862.mxy"), GbkFile({"0301"}));
}

TEST_F(HomeScreenTest, RecordPracticeBySessionKind) {
  struct Case {
    int panel_start;  // 22 bookmarks, 24 wrong answers
    std::vector<int> toggles;
    int kind, count;
    std::vector<int> codes, statuses;
    std::vector<std::string> marks;
  };
  // Flags T F T, and 0304 has no flag. Every bookmark gets 2 more in its status: all four
  // codes in the bookmark panel's cases, 0301 and 0303 in the wrong-answer panel's.
  const Case cases[] = {
      {22, {}, 10, 1, {302}, {2}, {"F"}},
      {22, {41}, 9, 4, {301, 302, 303, 304}, {6, 2, 6, 2}, {"T", "F", "T", ""}},
      {24, {42, 43}, 14, 2, {301, 303}, {6, 6}, {"T", "T"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    EndBarSession();
    Write("ksdata/288862.mxy", {"03010303"});
    Write(c.panel_start == 22 ? "ksdata/288862.mxy" : "ksdata/288863.mxy", {"0301030203030304"});
    Write(c.panel_start == 22 ? "ksdata/288872.mxy" : "ksdata/288873.mxy", {"TFT"});
    FrmFengmian& home = Home();
    for (int t : c.toggles) Act(home).ClickBotn_Click(t);
    EXPECT_EQ(Press(c.panel_start), "");
    EXPECT_EQ(static_cast<int>(desktop::plan().kind()), c.kind);
    EXPECT_EQ(desktop::plan().slot(), 19);
    EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kPractice);
    ASSERT_EQ(desktop::plan().questionCount(), c.count);
    for (int i = 1; i <= c.count; ++i) {
      EXPECT_EQ(desktop::plan().question(i).code, c.codes[i - 1]);
      // The bar's load marks question 1 opened.
      EXPECT_EQ(desktop::plan().question(i).status, i == 1 ? (c.statuses[0] | desktop::kStatusOpened) : c.statuses[i - 1]);
      EXPECT_EQ(desktop::plan().question(i).doneMark, c.marks[i - 1]);
    }
    EXPECT_TRUE(Bar().Visible());
    EXPECT_FALSE(FrmFengmian::IsLoaded());
    Bar().Hide();
    Desk().Hide();
  }
}

TEST_F(HomeScreenTest, RecordPracticeMessages) {
  struct Case {
    std::vector<std::string> list, flags;
    int button;
    std::vector<int> toggles;
    const char* message;
  };
  const Case cases[] = {
      {{"0301"}, {}, 22, {}, "您还没有已收藏题目！"},
      {{"0301"}, {""}, 24, {}, "您还没有错题记录！"},
      {{"03010302"}, {"TT"}, 24, {}, "您还没有未复习的错题记录！"},
      {{"03010302"}, {"TT"}, 22, {}, "您没有未复习的收藏题目！"},
      {{"03010302"}, {"FF"}, 22, {40, 41}, "您没有已复习的收藏题目！"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const bool bookmarks = c.button == 22;
    Write(bookmarks ? "ksdata/288862.mxy" : "ksdata/288863.mxy", c.list);
    std::filesystem::remove(dir_ / (bookmarks ? "ksdata/288872.mxy" : "ksdata/288873.mxy"));
    if (!c.flags.empty()) Write(bookmarks ? "ksdata/288872.mxy" : "ksdata/288873.mxy", c.flags);
    FrmFengmian& home = Home();
    for (int t : c.toggles) Act(home).ClickBotn_Click(t);
    EXPECT_EQ(Press(c.button), std::string("\r\n\r\n\r\n") + c.message);
    EXPECT_FALSE(Bar().Visible());
    home.Unload();
  }
}

TEST_F(HomeScreenTest, ClearingKeepsCodesAndFlagsPaired) {
  struct Case {
    int button;
    std::vector<int> toggles;
    int answer;
    const char* prompt;
    std::string list, flags;
    const char* not_reviewed;
    const char* reviewed;
  };
  // List 0301 0302 0303 0304 with flags T x T: 0304 has no flag and goes whatever is cleared.
  const Case cases[] = {
      {23, {}, 1, "您确实要清除未复习的收藏题目吗？", "03010303", "TT", "0", "2"},
      {23, {40, 41}, 1, "您确实要清除已复习的收藏题目吗？", "0302", "F", "1", "0"},
      {25, {43}, 1, "您确实要清除全部我的错题题目吗？", "", "", "0", "0"},
      {25, {}, 0, "您确实要清除未学习的我的错题题目吗？", "0301030203030304", "TxT", "1", "2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.prompt);
    const bool bookmarks = c.button == 23;
    const std::string list_file = bookmarks ? "ksdata/288862.mxy" : "ksdata/288863.mxy";
    const std::string flag_file = bookmarks ? "ksdata/288872.mxy" : "ksdata/288873.mxy";
    Write(list_file, {"0301030203030304"});
    Write(flag_file, {"TxT"});
    FrmFengmian& home = Home();
    for (int t : c.toggles) Act(home).ClickBotn_Click(t);
    EXPECT_EQ(Press(c.button, c.answer), std::string("\r\n\r\n\r\n") + c.prompt);
    EXPECT_EQ(Bytes(list_file), GbkFile({c.list}));
    EXPECT_EQ(Bytes(flag_file), GbkFile({c.flags}));
    EXPECT_EQ((bookmarks ? Ui(home).LblBiaoZhiWei : Ui(home).LblCuoTiWei).Caption(), c.not_reviewed);
    EXPECT_EQ((bookmarks ? Ui(home).LblBiaoZhiYI : Ui(home).LblCuoTiYI).Caption(), c.reviewed);
    home.Unload();
  }
}

TEST_F(HomeScreenTest, HelpTopicsOneDisabledAtATime) {
  dir_.Write("data/l38183.mxy",
             platform::Utf8ToGbk("<html><head><title>T</title><style>p{}</style></head>\r\n<body><h2>标题</h2>"
                                 "<p>a &amp; b</p><ul><li>一</li><li>二</li></ul>x<br>y</body></html>"));
  FrmFengmian& home = Home();
  EXPECT_EQ(Ui(home).LlbHelpCAP.Caption(), "软件介绍");
  EXPECT_EQ(Ui(home).WebHelpCON.LocationURL(), frame::installation().dataPath() + "l38180.mxy");
  EXPECT_FALSE(Ui(home).ClickBotn[32].Enabled());
  Act(home).ClickBotn_Click(35);
  EXPECT_EQ(Ui(home).WebHelpCON.LocationURL(), frame::installation().dataPath() + "l38183.mxy");
  EXPECT_EQ(Ui(home).WebHelpCON.Text(), "标题a & b一二xy");
  Act(home).ClickBotn_Click(33);
  EXPECT_EQ(Ui(home).LlbHelpCAP.Caption(), "备考指南");
  EXPECT_EQ(Ui(home).WebHelpCON.LocationURL(), frame::installation().dataPath() + "l38181.mxy");
  EXPECT_EQ(Ui(home).WebHelpCON.Text(), "");
  EXPECT_FALSE(Ui(home).ClickBotn[33].Enabled());
  EXPECT_TRUE(Ui(home).ClickBotn[35].Enabled());
  EXPECT_TRUE(Ui(home).ClickBotn[32].Enabled());
  EXPECT_DOUBLE_EQ(Ui(home).ClickBotn[36].Top(), 3015);
}

class PaperPanelTest : public HomeScreenTest {
 protected:
  PaperPanelTest() {
    // Eight fixed papers: sprint papers 0 to 3, mock papers 4 to 7; paper p's codes on line p + 3.
    std::vector<std::string> layout = {"0804", "02020205"};
    for (int p = 0; p < 8; ++p) layout.push_back(p == 5 ? "0301030203030304" : "0301");
    Write("data/288891.mxy", layout);
  }
  std::vector<int> ShownRows() {
    std::vector<int> rows;
    for (int i = 0; i <= 29; ++i)
      if (Ui(Home()).ImgShiJuan[i].Visible()) rows.push_back(i);
    return rows;
  }
};

TEST_F(PaperPanelTest, RowsAndViews) {
  Write("ksdata/288892.mxy", {"2026-01-02 10:20:30", "80", "E"});
  Write("ksdata/1824" "01.mxy", {"01020103010"});
  FrmFengmian& home = Home();
  EXPECT_EQ(home.LastSprintPaper(), 3);
  EXPECT_EQ(home.RandomPaperCount(), 0);
  EXPECT_EQ(Ui(home).LblShiJuanBiao[3].Caption(), "冲刺试卷四");
  EXPECT_EQ(Ui(home).LblShiJuanBiao[4].Caption(), "模拟试卷一");
  EXPECT_EQ(Ui(home).LblShiJuanBiao[22].Caption(), "随机试卷三");
  EXPECT_EQ(Ui(home).LblShiJuanTime[0].Caption(), "最后考试时间：2026-01-02 10:20");
  EXPECT_EQ(Ui(home).LblShiJuanScore[0].Caption(), "80");
  EXPECT_EQ(Ui(home).LblShiJuanTime[1].Caption(), "最后考试时间：您还未考试！");
  EXPECT_EQ(Ui(home).LblShiJuanCuoTi[1].Caption(), "(2)");
  EXPECT_EQ(Ui(home).LblShiJuanCuoTi[2].Caption(), "(0)");
  EXPECT_EQ(ShownRows(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(forms::PictureId(Ui(home).ClickBotn[70].Picture()), "l20047");
  Act(home).ClickBotn_Click(29);
  EXPECT_EQ(ShownRows(), (std::vector<int>{4, 5, 6, 7}));
  EXPECT_FALSE(Ui(home).ClickBotn[29].Enabled());
  EXPECT_TRUE(Ui(home).ClickBotn[28].Enabled());
  EXPECT_EQ(forms::PictureId(Ui(home).ClickBotn[74].Picture()), "l20048");
  EXPECT_FALSE(Ui(home).LblShiJuanBiao[0].Visible());
  Act(home).ClickBotn_Click(31);
  EXPECT_TRUE(ShownRows().empty());
  EXPECT_TRUE(Ui(home).LblNoHis.Visible());
  EXPECT_FALSE(Ui(home).ClickBotn[21].Visible());
  Act(home).ClickBotn_Click(30);
  EXPECT_TRUE(Ui(home).ImgSuiJi.Visible());
  EXPECT_TRUE(Ui(home).ClickBotn[21].Visible());
  EXPECT_FALSE(Ui(home).LblNoHis.Visible());
}

TEST_F(PaperPanelTest, PapersTabShowsSprintPapersUntilAllReach75) {
  struct Case {
    std::vector<std::string> history;
    int view;
  };
  const Case cases[] = {
      {{}, 28},
      {{"t", "74", "E", "t", "90", "E", "t", "90", "E", "t", "90", "E"}, 28},
      {{"t", "75", "E", "t", "90", "E", "t", "90", "E", "t", "100", "E", "t", "0", "E"}, 29},
  };
  for (const Case& c : cases) {
    Write("ksdata/288892.mxy", c.history);
    FrmFengmian& home = Home();
    Act(home).ClickBotn_Click(5);
    EXPECT_TRUE(Ui(home).PicKaCH.Visible());
    EXPECT_FALSE(Ui(home).ClickBotn[c.view].Enabled());
    home.Unload();
  }
}

TEST_F(PaperPanelTest, StartingAFixedPaperAssemblesItsSlot) {
  FrmFengmian& home = Home();
  Act(home).ClickBotn_Click(29);
  Act(home).ClickBotn_Click(75);
  EXPECT_EQ(desktop::plan().kind(), desktop::SessionKind::kFixedPaper);
  EXPECT_EQ(desktop::plan().slotOffset(), 5);
  EXPECT_EQ(desktop::plan().listIndex(), 5);
  EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kTimedExam);
  EXPECT_EQ(desktop::plan().questionCount(), 40);
  EXPECT_EQ(desktop::plan().question(4).code, 304);
  EXPECT_EQ(desktop::plan().stepFile(), frame::installation().dataPath() + "288805.mxy");
  EXPECT_EQ(Bytes("data/288855.mxy"), GbkFile({"030101第一题", "030202第二题|两行", "030301第三题", "030401第四题"}));
  EXPECT_FALSE(FrmFengmian::IsLoaded());
  EXPECT_FALSE(Bar().Visible());  // the exam goes through the sign-in
  EXPECT_TRUE(session::FrmLogon::Get().Visible());
}

TEST_F(PaperPanelTest, NewRandomPaperGoesToTheHeadOfTheList) {
  std::vector<std::string> layout = {"0804", "20202020"};
  for (int p = 0; p < 8; ++p) layout.push_back("0301");
  Write("data/288891.mxy", layout);
  Write("ksdata/288891.mxy", {"A", "B", "C", ""});
  for (int p = 20; p <= 22; ++p) Write("ksdata/1824" + std::to_string(p) + ".mxy", {std::to_string(p)});
  FrmFengmian& home = Home();
  ASSERT_EQ(home.RandomPaperCount(), 3);
  Act(home).ClickBotn_Click(30);
  Act(home).ClickBotn_Click(21);
  EXPECT_EQ(desktop::plan().slot(), 19);
  EXPECT_EQ(desktop::plan().listIndex(), 20);
  EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kTimedExam);
  const auto list = platform::ReadTextLines(dir_ / "ksdata/288891.mxy");
  ASSERT_TRUE(list);
  ASSERT_EQ(list->size(), 10u);
  EXPECT_EQ(std::vector<std::string>(list->begin() + 1, list->begin() + 5), (std::vector<std::string>{"A", "B", "C", ""}));
  const std::string& paper = (*list)[0];
  ASSERT_EQ(paper.size(), 160u);
  std::set<std::string> codes;
  for (size_t i = 0; i < 160; i += 4) {
    const std::string code = paper.substr(i, 4);
    codes.insert(code);
    EXPECT_LT(std::stoi(code.substr(0, 2)), 4);
    EXPECT_GE(std::stoi(code.substr(2, 2)), 1);
    EXPECT_LE(std::stoi(code.substr(2, 2)), 20);
  }
  EXPECT_EQ(codes.size(), 40u);
  const auto history = platform::ReadTextLines(dir_ / "ksdata/288892.mxy");
  ASSERT_TRUE(history);
  ASSERT_EQ(history->size(), 91u);
  EXPECT_EQ((*history)[60].size(), 19u);  // yyyy-mm-dd hh:mm:ss
  EXPECT_EQ((*history)[61], "0");
  EXPECT_EQ((*history)[63], "您还未考试！");
  // The wrong-answer files move down with their papers; the new paper has none.
  for (int p = 21; p <= 23; ++p) EXPECT_EQ(Bytes("ksdata/1824" + std::to_string(p) + ".mxy"), GbkFile({std::to_string(p - 1)}));
  EXPECT_EQ(Bytes("ksdata/182420.mxy"), "\r\n");
}

TEST_F(PaperPanelTest, TooFewQuestionsForARandomPaperDrawNothing) {
  FrmFengmian& home = Home();  // 11 questions in all
  Act(home).ClickBotn_Click(21);
  EXPECT_FALSE(platform::FileExists(dir_ / "ksdata/288891.mxy"));
  EXPECT_TRUE(FrmFengmian::IsLoaded());
}

// The paper rows' links, clicked as the learner clicks them.
class PaperLinkTest : public PaperPanelTest {
 protected:
  struct Box {
    std::string title, picture, prompt;
  };
  // Clicks the link and answers the message box it shows with answer; box is empty for none.
  Box Click(forms::Label& link, int answer = 0) {
    Box box;
    in_.Call([&] {
      if (!frame::FrmQOMSGBOX::IsLoaded()) return;
      frame::FrmQOMSGBOX& b = frame::FrmQOMSGBOX::Get();
      box = {Ui(b).LblTitle.Caption(), forms::PictureId(Ui(b).Image1.Picture()), Ui(b).LblPrompt.Caption()};
      Ui(b).LblClick.Click(answer);
    });
    link.Click();
    return box;
  }
  // History of 30 records: record r is ("t<r>", "<r>", "E").
  static std::vector<std::string> History(const std::vector<int>& order) {
    std::vector<std::string> lines;
    for (int r : order) {
      lines.push_back("t" + std::to_string(r));
      lines.push_back(std::to_string(r));
      lines.push_back("E");
    }
    return lines;
  }
  static std::vector<int> Records() {
    std::vector<int> order;
    for (int r = 0; r < 30; ++r) order.push_back(r);
    return order;
  }
  std::string Written(std::vector<std::string> lines) {
    lines.push_back("");
    return GbkFile(lines);
  }
};

TEST_F(PaperLinkTest, ReviewWithoutWrongAnswersOnlyExplains) {
  const char* const kPrompt = "\r\n\r\n\r\n你可能是还没有做本套试题，或者上次得分为0。\r\n请点“开始考试”做本套试题。";
  for (const char* content : {"<none>", "", "   \r\n0301\r\n"}) {
    SCOPED_TRACE(content);
    std::filesystem::remove(dir_ / "ksdata/182402.mxy");
    if (std::string(content) != "<none>") dir_.Write("ksdata/182402.mxy", content);
    desktop::editPlan().SetKind(desktop::SessionKind::kUnitAll);
    FrmFengmian& home = Home();
    const Box box = Click(Ui(home).LblShiJuanCCC[2]);
    EXPECT_EQ(box.title, "没有生成错题");
    EXPECT_EQ(box.picture, "l20071");
    EXPECT_EQ(box.prompt, kPrompt);
    EXPECT_EQ(desktop::plan().kind(), desktop::SessionKind::kUnitAll);
    EXPECT_FALSE(platform::FileExists(dir_ / "data/288819.mxy"));
    EXPECT_TRUE(FrmFengmian::IsLoaded());
    EXPECT_FALSE(Bar().Visible());
  }
}

TEST_F(PaperLinkTest, ReviewPractisesThePapersWrongAnswersInSlot19) {
  Write("ksdata/182425.mxy", {" 03050302 "});
  desktop::editPlan().SetStatus(1, 4);
  desktop::editPlan().SetDoneMark(2, "T");
  FrmFengmian& home = Home();
  EXPECT_EQ(Click(Ui(home).LblShiJuanCCC[25]).title, "");
  EXPECT_EQ(desktop::plan().kind(), desktop::SessionKind::kPaperWrong);
  EXPECT_EQ(desktop::plan().slotOffset(), 17);
  EXPECT_EQ(desktop::plan().listIndex(), 25);
  EXPECT_EQ(desktop::plan().runMode(), desktop::RunMode::kPractice);
  EXPECT_EQ(desktop::cursor().question(), 1);
  ASSERT_EQ(desktop::plan().questionCount(), 2);
  EXPECT_EQ(desktop::plan().question(1).code, 305);
  EXPECT_EQ(desktop::plan().question(2).code, 302);
  for (long i = 1; i <= 2; ++i) {
    EXPECT_EQ(desktop::plan().question(i).status, i == 1 ? desktop::kStatusOpened : 0);  // the bar opens question 1
    EXPECT_EQ(desktop::plan().question(i).doneMark, "F");
  }
  EXPECT_EQ(desktop::plan().stepFile(), frame::installation().dataPath() + "288819.mxy");
  EXPECT_EQ(Bytes("data/288869.mxy"), GbkFile({"030502第五题", "030202第二题|两行"}));
  EXPECT_FALSE(FrmFengmian::IsLoaded());
  EXPECT_TRUE(Bar().Visible());
}

TEST_F(PaperLinkTest, DeletionShiftsListWrongAnswersAndHistoryTogether) {
  struct Case {
    const char* name;
    std::vector<std::string> list;
    int paper, answer;
    std::vector<std::string> list_after;
    std::vector<int> wrong_after;    // papers 20 to 23: whose file each holds
    std::vector<int> history_after;  // records 0 to 29: whose record each holds
  };
  std::vector<int> from20 = Records(), from22 = Records(), same = Records();
  from20[20] = 21, from20[21] = 22;
  const Case cases[] = {
      {"first of three", {"A", "B", "C", "", "junk"}, 20, 1, {"B", "C"}, {21, 22, 22, 23}, from20},
      {"last of three", {"A", "B", "C", ""}, 22, 1, {"A", "B"}, {20, 21, 22, 23}, same},
      {"only one", {"A", ""}, 20, 1, {}, {20, 21, 22, 23}, same},
      {"cancelled", {"A", "B", "C", ""}, 20, 0, {"A", "B", "C", ""}, {20, 21, 22, 23}, same},
      // A row past the list is never shown; were its link reached, nothing may go.
      {"past the list", {"A", "B", "C", ""}, 23, 1, {"A", "B", "C", ""}, {20, 21, 22, 23}, same},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Write("ksdata/288891.mxy", c.list);
    const std::string list_before = Bytes("ksdata/288891.mxy");
    Write("ksdata/288892.mxy", History(Records()));
    const std::string history_before = Bytes("ksdata/288892.mxy");
    for (int p = 20; p <= 23; ++p) Write("ksdata/1824" + std::to_string(p) + ".mxy", {"w" + std::to_string(p)});
    FrmFengmian& home = Home();
    Act(home).ClickBotn_Click(31);
    const Box box = Click(Ui(home).LblShiJuanDel[c.paper], c.answer);
    EXPECT_EQ(box.title, "删除试卷");
    EXPECT_EQ(box.picture, "l20071");
    EXPECT_EQ(box.prompt, "\r\n\r\n\r\n您确实要删除本套随机试题吗？");
    if (c.list_after == c.list) {  // nothing changed
      EXPECT_EQ(Bytes("ksdata/288891.mxy"), list_before);
      EXPECT_EQ(Bytes("ksdata/288892.mxy"), history_before);
    } else {
      EXPECT_EQ(Bytes("ksdata/288891.mxy"), Written(c.list_after));
      EXPECT_EQ(Bytes("ksdata/288892.mxy"), Written(History(c.history_after)));
      // The builder ran again over the new files.
      EXPECT_EQ(home.RandomPaperCount(), static_cast<int>(c.list_after.size()));
      EXPECT_EQ(Ui(home).LblShiJuanScore[20].Caption(), std::to_string(c.history_after[20]));
    }
    for (int p = 20; p <= 23; ++p)
      EXPECT_EQ(Bytes("ksdata/1824" + std::to_string(p) + ".mxy"), GbkFile({"w" + std::to_string(c.wrong_after[p - 20])})) << p;
    EXPECT_TRUE(FrmFengmian::IsLoaded());
    home.Unload();
  }
}

TEST_F(PaperLinkTest, AMissingWrongAnswerFileIsReportedAndItsTargetKept) {
  std::vector<std::string> tags;
  platform::SetFailureReporter([&](std::string_view tag, long number, std::string_view) {
    if (tag == "lblshijuandel") tags.push_back(std::string(tag) + " " + std::to_string(number));
  });
  Write("ksdata/288891.mxy", {"A", "B", ""});
  Write("ksdata/182420.mxy", {"w20"});
  Click(Ui(Home()).LblShiJuanDel[20], 1);
  platform::SetFailureReporter(nullptr);
  EXPECT_EQ(tags, (std::vector<std::string>{"lblshijuandel " + std::to_string(platform::kErrFileNotFound)}));
  EXPECT_EQ(Bytes("ksdata/182420.mxy"), GbkFile({"w20"}));
  EXPECT_EQ(Bytes("ksdata/288891.mxy"), Written({"B"}));
}

TEST_F(PaperLinkTest, ADamagedListLongerThanTheHistoryMovesNoRecord) {
  // Fourteen listed papers: the last would take record 33, past the history's 100 lines.
  std::vector<std::string> list;
  for (char c = 'A'; c < 'A' + 14; ++c) list.push_back(std::string(1, c));
  list.push_back("");
  Write("ksdata/288891.mxy", list);
  Write("ksdata/288892.mxy", History(Records()));
  const std::string history_before = Bytes("ksdata/288892.mxy");
  std::vector<std::string> reports;
  platform::SetFailureReporter([&](std::string_view tag, long number, std::string_view) {
    if (tag == "lblshijuandel") reports.push_back(std::to_string(number));
  });
  ASSERT_EQ(Home().RandomPaperCount(), 14);
  Click(Ui(Home()).LblShiJuanDel[20], 1);
  platform::SetFailureReporter(nullptr);
  EXPECT_EQ(Bytes("ksdata/288892.mxy"), history_before);
  EXPECT_NE(std::find(reports.begin(), reports.end(), std::to_string(platform::kErrSubscript)), reports.end());
}

TEST_F(PaperLinkTest, HistoryIsRewrittenAsThirtyRecordsWhateverItHeld) {
  for (const bool present : {false, true}) {
    SCOPED_TRACE(present);
    Write("ksdata/288891.mxy", {"A", "B", ""});
    std::filesystem::remove(dir_ / "ksdata/288892.mxy");
    // A short file: records 0 and 21 only, record 21 cut after its score.
    std::vector<std::string> short_history = History({0});
    for (int r = 1; r <= 20; ++r) short_history.insert(short_history.end(), {"t" + std::to_string(r), "0", "E"});
    short_history.insert(short_history.end(), {"t21", "21"});
    if (present) Write("ksdata/288892.mxy", short_history);
    Click(Ui(Home()).LblShiJuanDel[20], 1);
    std::vector<std::string> expected;
    for (int r = 0; r < 30; ++r) {
      // Record 20 takes record 21; the old record 21, past the list, stays.
      if (present && r <= 21) {
        expected.push_back(r >= 20 ? "t21" : short_history[3 * r]);
        expected.push_back(r >= 20 ? "21" : short_history[3 * r + 1]);
      } else {
        expected.push_back("您还未考试！");
        expected.push_back("0");
      }
      expected.push_back("E");
    }
    EXPECT_EQ(Bytes("ksdata/288892.mxy"), Written(expected));
    Home().Unload();
  }
}

TEST_F(HomeScreenTest, InfoLabelsOpenTheirLinkKind) {
  for (int k = 1; k <= 4; ++k) frame::editInstallation().SetSetting(k, "link" + std::to_string(k));
  frame::editInstallation().SetSetting(26, "2015");
  const std::pair<int, std::string> cases[] = {{1, "link1"}, {17, "link1"}, {18, "link2"}, {3, "link3"},
                                               {20, "link3"}, {19, "link4"}, {2, ""}, {0, ""}};
  for (const auto& [index, link] : cases) EXPECT_EQ(InfoLink(index), link) << index;
  frame::editInstallation().SetSetting(26, " 20991231");
  EXPECT_NE(InfoLink(1), "link1");
  EXPECT_FALSE(InfoLink(1).empty());
  EXPECT_NE(InfoLink(1), InfoLink(18));
}

}  // namespace
}  // namespace xpexam::home
