// The answer boxes: the set-up of Text1 from the record, every typing step code with its
// comparison through real typing in the headless backend, the selection of the hint text,
// the mirror of the cell and the edit bar, and the keyboard layout at the focus.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "desktop/answer_input_method.h"
#include "platform/keyboard.h"
#include "desktop/session_plan.h"
#include "tests/desktop/desktop_fixture.h"

namespace xpexam::desktop {
namespace {

using testing::DesktopTest;
using testing::StepLine;

constexpr int kEnter = 13;
// The answer box: 1500, 3000, 3000 x 300 design twips; a point in it and its left edge in
// screen pixels.
constexpr const char* kBox = "01500030000300000300";
constexpr int kBoxX = 112 + 3000 / 15, kBoxY = 84 + 3150 / 15, kBoxLeftX = 112 + 1500 / 15 + 2;
// The target box: 6000, 4500, 1500 x 600.
constexpr const char* kTarget = "06000045000150000600";
constexpr int kTargetX = 112 + 6750 / 15, kTargetY = 84 + 4800 / 15;

class TypingTest : public DesktopTest {
 protected:
  // Step text line 1 is the answer, 2 the initial text, 3 the hint.
  void Question(const std::string& code, const std::string& answer, const std::string& initial = "",
                const std::string& hint = "", const std::string& format = "0000000000") {
    Texts({answer, initial, hint});
    Steps({StepLine({{8, code},
                     {66, kTarget},
                     {86, kBox},
                     {106, initial.empty() ? "000" : "002"},
                     {109, answer == "000" ? "000" : "001"},
                     {112, "0100001000"},
                     {122, "003"},
                     {125, format}}),
           StepLine({{8, "9999"}})});
    Questions({2});
    Desk().Show();
    Load(1);
  }
  void Run() {
    in_.Wait(600);
    forms::Pump();
  }
};

struct TypingCase {
  const char* name;
  const char* code;
  const char* answer;  // "000": the empty answer
  const char* typed;
  bool enter;
  int step;
  const char* left;  // the box's text when the step stays
  friend void PrintTo(const TypingCase& c, std::ostream* os) { *os << c.name; }
};

class TypedAnswerTest : public TypingTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TypedAnswerTest, TheAnswerComparedInTheStepsForm) {
  const TypingCase& c = GetParam();
  Question(c.code, c.answer);
  auto& d = Desk();
  const std::string code = c.code;
  // The substitute boxes take the focus with a click.
  if (code == "0021" || code == "0027") in_.Click(kBoxX, kBoxY);
  in_.Type(c.typed);
  if (c.enter) in_.Key(kEnter);
  Run();
  EXPECT_EQ(desktop::cursor().step(), c.step);
  if (c.step == 1) {
    forms::TextBox& box = code == "0021" ? Ui(d).Text2 : code == "0027" ? Ui(d).Text3 : Ui(d).Text1;
    EXPECT_EQ(box.Text(), c.left);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Codes, TypedAnswerTest,
    ::testing::Values(
        // Relaxed: case and surrounding blanks ignored, either alternative.
        TypingCase{"T0020Lower", "0020", "Abc|xy", "abc", false, 2, ""},
        TypingCase{"T0020BlanksAndCase", "0020", "Abc|xy", "  ABC  ", false, 2, ""},
        TypingCase{"T0020Second", "0020", "Abc|xy", "xy", false, 2, ""},
        TypingCase{"T0020Short", "0020", "Abc|xy", "ab", false, 1, "ab"},
        TypingCase{"T0020InnerBlank", "0020", "Abc|xy", "Ab c", false, 1, "Ab c"},
        TypingCase{"T0020Chinese", "0020", "新建文件夹", "新建文件夹", false, 2, ""},
        TypingCase{"T0020EnterIsNotAsked", "0020", "Abc", "ab", true, 1, "ab"},
        // Exact: case significant.
        TypingCase{"T0025Lower", "0025", "Abc", "abc", false, 1, "abc"},
        TypingCase{"T0025Same", "0025", "Abc", "Abc", false, 2, ""},
        TypingCase{"T0025BlanksBefore", "0025", "Abc", "  Abc", false, 2, ""},
        // Whole: the password box compares the whole text, "|" included.
        TypingCase{"T0021First", "0021", "123|456", "123", false, 1, "123"},
        TypingCase{"T0021Second", "0021", "123|456", "456", false, 1, "456"},
        TypingCase{"T0021Whole", "0021", "123|456", " 123|456", false, 2, ""},
        TypingCase{"T0021Case", "0021", "Abc", "abc", false, 1, "abc"},
        // Enter: as typed or in its printable-only form; a wrong Enter empties the box.
        TypingCase{"T0022WithoutEnter", "0022", "abc", "abc", false, 1, "abc"},
        TypingCase{"T0022Enter", "0022", "abc", "ABC", true, 2, ""},
        TypingCase{"T0022SpacedOut", "0022", "abc", "a b c", true, 2, ""},
        TypingCase{"T0022Wrong", "0022", "abc", "xyz", true, 1, ""},
        TypingCase{"T0024SecondSpacedOut", "0024", "Abc|xy", " x y ", true, 2, ""},
        TypingCase{"T0024ChineseWithItsSpace", "0024", "新 建", "新 建", true, 2, ""},
        TypingCase{"T0024ChineseWithoutTheSpace", "0024", "新 建", "新建", true, 1, ""},
        TypingCase{"T0024EmptyAnswerEmptyBox", "0024", "000", "", true, 2, ""},
        TypingCase{"T0024EmptyAnswerBlanks", "0024", "000", "   ", true, 2, ""},
        TypingCase{"T0024EmptyAnswerText", "0024", "000", "a", true, 1, ""},
        // The multi-line box: relaxed.
        TypingCase{"T0027Second", "0027", "Abc|xy", "XY", false, 2, ""},
        TypingCase{"T0027Short", "0027", "Abc|xy", "x", false, 1, "x"},
        // Typed, then confirmed with the target box only.
        TypingCase{"T0026WithoutClick", "0026", "abc", "abc", true, 1, "abc"}),
    [](const auto& info) { return std::string(info.param.name); });

// An answer line that the step text file does not reach reads its last line; an answer line
// that gives no text is never answered by an empty box (only "000" asks for the empty answer).
TEST_F(TypingTest, AnAnswerLinePastTheEndIsTheLastLineAndAnEmptyBoxAnswersNoMissingText) {
  struct Case {
    const char* name;
    std::optional<std::vector<std::string>> texts;  // nullopt: no step text file
    const char* line;
    const char* typed;
    int step;
  } cases[] = {
      {"PastTheEndRightAnswer", {{"x", "y", "abc"}}, "009", "abc", 2},
      {"PastTheEndEmptyBox", {{"x", "y", "abc"}}, "009", "", 1},
      {"PastTheEndOfAnEmptyLastLine", {{"abc", ""}}, "009", "", 1},
      {"AnEmptyLine", {{"", "abc"}}, "001", "  ", 1},
      {"NoTextFile", std::nullopt, "001", "", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.texts) {
      Texts(*c.texts);
    } else {
      std::filesystem::remove(desktop::plan().textFile());
    }
    Steps({StepLine({{8, "0024"}, {66, kTarget}, {86, kBox}, {106, "000"}, {109, c.line}, {112, "0100001000"}}),
           StepLine({{8, "9999"}})});
    Questions({2});
    Desk().Show();
    Load(1);
    in_.Type(c.typed);
    in_.Key(kEnter);
    Run();
    EXPECT_EQ(desktop::cursor().step(), c.step);
  }
}

TEST_F(TypingTest, AWrongEnterLetsTheLearnerTypeAgain) {
  Question("0024", "abc");
  in_.Type("abd");
  in_.Key(kEnter);
  in_.Type("abc");
  in_.Key(kEnter);
  Run();
  EXPECT_EQ(desktop::cursor().step(), 2);
}

struct InitialCase {
  const char* code;
  const char* initial;
  int step;
  friend void PrintTo(const InitialCase& c, std::ostream* os) { *os << c.code << " " << c.initial; }
};

class InitialTextTest : public TypingTest, public ::testing::WithParamInterface<InitialCase> {};

TEST_P(InitialTextTest, AnInitialTextThatAnswersCompletesTheStepOnLoad) {
  Question(GetParam().code, "Abc", GetParam().initial);
  EXPECT_EQ(desktop::cursor().step(), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(Codes, InitialTextTest,
                         ::testing::Values(InitialCase{"0020", "abc", 2}, InitialCase{"0025", "Abc", 2},
                                           InitialCase{"0025", "abc", 1}, InitialCase{"0021", "Abc", 2},
                                           InitialCase{"0027", "ABC", 2}, InitialCase{"0022", "Abc", 1}));

TEST_F(TypingTest, TheInitialTextIsSelectedSoTypingReplacesIt) {
  Question("0020", "Abc", "新建文件夹");
  auto& d = Desk();
  EXPECT_TRUE(Ui(d).Text1.Visible());
  EXPECT_EQ(Ui(d).Text1.Text(), "新建文件夹");
  EXPECT_EQ(Ui(d).Text1.SelText(), "新建文件夹");
  EXPECT_EQ(d.ActiveControl(), &Ui(d).Text1);
  in_.Type("Abc");
  Run();
  EXPECT_EQ(desktop::cursor().step(), 2);
}

struct SelectionCase {
  const char* name;
  const char* hint;
  const char* initial;
  std::function<void(forms::HeadlessBackend&)> gesture;
  int step;
  friend void PrintTo(const SelectionCase& c, std::ostream* os) { *os << c.name; }
};

class SelectionTest : public TypingTest, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(SelectionTest, TheHintTextSelectedWithTheMouse) {
  const SelectionCase& c = GetParam();
  Question("0023", "000", c.initial, c.hint);
  EXPECT_EQ(Ui(Desk()).Text1.SelLength(), 0);
  c.gesture(in_);
  Run();
  EXPECT_EQ(desktop::cursor().step(), c.step);
}

void DblClickFirstWord(forms::HeadlessBackend& in) { in.DblClick(kBoxLeftX + 3, kBoxY); }
// From the start of the text to past its end.
void DragAcross(forms::HeadlessBackend& in) {
  in.Press(kBoxLeftX - 1, kBoxY);
  in.Move(kBoxLeftX + 100, kBoxY);
  in.Release(kBoxLeftX + 180, kBoxY);
}
void ClickIn(forms::HeadlessBackend& in) { in.Click(kBoxLeftX + 3, kBoxY); }

INSTANTIATE_TEST_SUITE_P(
    Selections, SelectionTest,
    ::testing::Values(SelectionCase{"Word", "Report", "Report", DblClickFirstWord, 2},
                      SelectionCase{"OtherCase", "Report", "report", DblClickFirstWord, 2},
                      SelectionCase{"BlanksAroundTheHint", " Report ", "Report", DblClickFirstWord, 2},
                      SelectionCase{"WithTheSpaceAfter", "Report", "Report now", DblClickFirstWord, 1},
                      SelectionCase{"Chinese", "报告", "报告", DblClickFirstWord, 2},
                      SelectionCase{"Dragged", "Report", "Report", DragAcross, 2},
                      SelectionCase{"DraggedOneMore", "Report", "Report.", DragAcross, 1},
                      SelectionCase{"NothingSelected", "Report", "Report", ClickIn, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct CellCase {
  const char* name;
  std::function<void(forms::HeadlessBackend&)> gesture;
  int step;
  const char* left;  // the text of both boxes when the step stays
  friend void PrintTo(const CellCase& c, std::ostream* os) { *os << c.name; }
};

class CellTest : public TypingTest, public ::testing::WithParamInterface<CellCase> {};

// The edit bar: 2835, 1560, 8865 x 255.
constexpr int kBarX = 112 + 2835 / 15 + 200, kBarY = 84 + 1680 / 15;

TEST_P(CellTest, TheCellAndTheEditBarMirrorEachOther) {
  Question("0028", "Sum|合计");
  auto& d = Desk();
  GetParam().gesture(in_);
  Run();
  EXPECT_EQ(desktop::cursor().step(), GetParam().step);
  if (GetParam().step == 1) {
    EXPECT_EQ(Ui(d).Text1.Text(), GetParam().left);
    EXPECT_EQ(Ui(d).Text4.Text(), GetParam().left);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Gestures, CellTest,
    ::testing::Values(CellCase{"EnterInTheCell",
                               [](auto& in) {
                                 in.Type("sum");
                                 in.Key(kEnter);
                               },
                               2, ""},
                      CellCase{"EnterInTheEditBar",
                               [](auto& in) {
                                 in.Click(kBarX, kBarY);
                                 in.Type("合计");
                                 in.Key(kEnter);
                               },
                               2, ""},
                      CellCase{"ClickOnTheTarget",
                               [](auto& in) {
                                 in.Type("Sum ");
                                 in.Click(kTargetX, kTargetY);
                               },
                               2, ""},
                      CellCase{"WrongEnterEmptiesBoth",
                               [](auto& in) {
                                 in.Type("Sun");
                                 in.Key(kEnter);
                               },
                               1, ""},
                      CellCase{"WrongEnterInTheEditBar",
                               [](auto& in) {
                                 in.Click(kBarX, kBarY);
                                 in.Type("Sun");
                                 in.Key(kEnter);
                               },
                               1, ""},
                      CellCase{"WrongClickOnTheTarget",
                               [](auto& in) {
                                 in.Type("Sun");
                                 in.Click(kTargetX, kTargetY);
                               },
                               1, "Sun"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TypingTest, TypingInEitherBoxShowsInTheOther) {
  Question("0028", "Sum");
  auto& d = Desk();
  in_.Type("Su");
  forms::Pump();
  EXPECT_EQ(Ui(d).Text4.Text(), "Su");
  in_.Click(kBarX + 300, kBarY);  // past the end of the text
  in_.Type("x");
  forms::Pump();
  EXPECT_EQ(Ui(d).Text1.Text(), "Sux");
  EXPECT_EQ(desktop::cursor().step(), 1);
}

TEST_F(TypingTest, TypedAnswerConfirmedWithTheTargetBox) {
  Question("0026", "Abc|xy");
  in_.Type("xz");
  in_.Click(kTargetX, kTargetY);
  Run();
  EXPECT_EQ(desktop::cursor().step(), 1);
  in_.Click(kBoxX, kBoxY);
  in_.KeyDown(8);
  in_.Type("y ");
  in_.Click(kTargetX, kTargetY);
  Run();
  EXPECT_EQ(desktop::cursor().step(), 2);
}

TEST_F(TypingTest, TheTextFormatFromTheRecord) {
  auto& d = Desk();
  Question("0020", "Abc", "", "", "0120M03227");
  EXPECT_DOUBLE_EQ(Ui(d).Text1.FontSize(), 12);
  EXPECT_EQ(Ui(d).Text1.Alignment(), forms::TextAlign::kCenter);
  EXPECT_TRUE(Ui(d).Text1.FontBold());
  EXPECT_TRUE(Ui(d).Text1.FontItalic());
  EXPECT_FALSE(Ui(d).Text1.FontUnderline());
  EXPECT_EQ(Ui(d).Text1.FontName(), "黑体");
  EXPECT_EQ(Ui(d).Text1.ForeColor(), 0x0000FFu);
  EXPECT_EQ(Ui(d).Text1.BackColor(), 0x99FFFFu);
  EXPECT_EQ(Ui(d).Text3.Alignment(), forms::TextAlign::kCenter);
  EXPECT_DOUBLE_EQ(Ui(d).Text1.Left(), 1500);
  EXPECT_DOUBLE_EQ(Ui(d).Text1.Top(), 3000);
  EXPECT_DOUBLE_EQ(Ui(d).Text1.Width(), 3000);
  EXPECT_DOUBLE_EQ(Ui(d).Text1.Height(), 300);

  // Size 000 is 9 points; digits outside the tables keep style, font and colours.
  Question("0020", "Abc", "", "", "0000R08994");
  EXPECT_DOUBLE_EQ(Ui(d).Text1.FontSize(), 9);
  EXPECT_EQ(Ui(d).Text1.Alignment(), forms::TextAlign::kRight);
  EXPECT_TRUE(Ui(d).Text1.FontBold());
  EXPECT_TRUE(Ui(d).Text1.FontItalic());
  EXPECT_EQ(Ui(d).Text1.FontName(), "黑体");
  EXPECT_EQ(Ui(d).Text1.ForeColor(), 0x0000FFu);
  EXPECT_EQ(Ui(d).Text1.BackColor(), 0x99FFFFu);
}

TEST_F(TypingTest, TheFormatFollowsTheScale) {
  frame::editInstallation().SetScaleX(1.25);
  Question("0020", "Abc", "", "", "0105000000");
  EXPECT_DOUBLE_EQ(Ui(Desk()).Text1.FontSize(), 10.5 * 1.25);
}

TEST_F(TypingTest, ARecordWithoutATextBoxHidesTheBoxes) {
  Question("0020", "Abc", "x", "", "0120M03227");
  auto& d = Desk();
  Ui(d).Text2.SetVisible(true);
  Steps({StepLine({{8, "0001"}, {125, "0090M13000"}})});
  Load(1);
  EXPECT_FALSE(Ui(d).Text1.Visible());
  EXPECT_FALSE(Ui(d).Text2.Visible());
  EXPECT_DOUBLE_EQ(Ui(d).Text1.FontSize(), 9);  // the load's reset; the format is not read
  EXPECT_EQ(Ui(d).Text1.Alignment(), forms::TextAlign::kCenter);
  EXPECT_EQ(Ui(d).Text1.FontName(), "黑体");
}

TEST_F(TypingTest, TheAnswerBoxSwitchesToTheChosenInputMethod) {
  platform::SetKeyboardLayouts(platform::KeyboardLayouts());
  const uint32_t plain = platform::ActiveKeyboardLayout();
  const uint32_t ime = platform::KeyboardLayouts().at(1).handle;
  editAnswerInputMethod().ChooseLayout(ime);
  editAnswerInputMethod().SetSwitching(false);
  Question("0020", "Abc");
  EXPECT_EQ(platform::ActiveKeyboardLayout(), plain);
  EXPECT_EQ(platform::KeyboardActivationCount(), 0);

  Ui(Desk()).Text1.SetVisible(false);  // the focus leaves the box
  editAnswerInputMethod().SetSwitching(true);
  Load(1);
  EXPECT_EQ(platform::ActiveKeyboardLayout(), ime);
  EXPECT_EQ(platform::KeyboardActivationCount(), 1);
  platform::SetKeyboardLayouts(platform::KeyboardLayouts());

  // As at program start: no switching and no layout chosen.
  editAnswerInputMethod().Reset();
  EXPECT_FALSE(answerInputMethod().switches());
  EXPECT_EQ(answerInputMethod().layout(), 0u);
}

}  // namespace
}  // namespace xpexam::desktop
