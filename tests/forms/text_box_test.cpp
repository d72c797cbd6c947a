// The text box: Change only on a real change, typing, selection, limits and the clipboard.
#include <gtest/gtest.h>

#include "forms/app.h"
#include "forms/clipboard.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/text_box.h"
#include "platform/failure.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

using testing::EventLog;
using Lines = std::vector<std::string>;

// Text1 at pixels (10, 10)-(210, 30), borderless like the desktop's answer boxes; Text2 a mirror.
class FrmText : public FormOf<FrmText> {
 public:
  static inline EventLog* log = nullptr;
  TextBox Text1{*this, "Text1"};
  TextBox Text2{*this, "Text2"};
  TextBox Text3{*this, "Text3"};
  Label Label1{*this, "Label1"};
  FrmText() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, 9000, 6000);
    Text1.SetBorderStyle(forms::BoxBorder::kNone);
    Text1.Move(150, 150, 3000, 300);
    Text2.Move(150, 750, 3000, 300);
    Text3.SetMultiLine(true);
    Text3.SetScrollBars(forms::Scrolling::kVertical);
    Text3.Move(150, 1350, 3000, 1200);
    Label1.Move(4500, 150, 1500, 300);
    Text1.Change = [this] { (*log)("Text1.Change " + Text1.Text()); };
    Text2.Change = [this] { (*log)("Text2.Change " + Text2.Text()); };
    Text1.KeyPress = [](int& c) {
      if (c == '#') c = 0;  // the handler can discard a character
    };
    Text1.GotFocus = [] { (*log)("Text1.GotFocus"); };
    Text1.LostFocus = [] { (*log)("Text1.LostFocus"); };
  }
};

class TextBoxTest : public testing::FormsTest {
 protected:
  TextBoxTest() {
    FrmText::log = &log_;
    FrmText::Get().Show();  // the first box that can take the focus gets it
    log_.Clear();
  }
  ~TextBoxTest() override { FrmText::log = nullptr; }
  EventLog log_;
};

TEST_F(TextBoxTest, ChangeIsSynchronousAndOnlyForARealChange) {
  auto& f = FrmText::Get();
  f.Text1.SetText("abc");
  log_("after assignment");
  f.Text1.SetText("abc");
  f.Text1.SetText("");
  EXPECT_EQ(log_.lines, (Lines{"Text1.Change abc", "after assignment", "Text1.Change "}));
}

TEST_F(TextBoxTest, MirroredBoxesBounceAtMostOnce) {
  auto& f = FrmText::Get();
  f.Text1.Change = [&] { f.Text2.SetText(f.Text1.Text()); };
  f.Text2.Change = [&] {
    log_("Text2 " + f.Text2.Text());
    f.Text1.SetText(f.Text2.Text());
  };
  f.Text1.SetText("x");
  EXPECT_EQ(log_.lines, (Lines{"Text2 x"}));
}

TEST_F(TextBoxTest, TypingRaisesChangePerCharacterAndKeyPressCanDiscard) {
  in_.Click(20, 15);
  in_.Type("a#中");
  in_.Key(kKeyBack);
  Pump();
  EXPECT_EQ(log_.lines, (Lines{"Text1.Change a", "Text1.Change a中", "Text1.Change a"}));
}

TEST_F(TextBoxTest, TypedTextReplacesTheSelectionAndRespectsTheLimits) {
  auto& f = FrmText::Get();
  struct Case {
    std::string initial;
    int sel_start, sel_length, max_length;
    bool locked;
    std::string typed, expected;
  };
  const std::vector<Case> cases = {
      {"新建文件夹", 0, 5, 0, false, "abc", "abc"},
      {"hello", 1, 3, 0, false, "EY", "hEYo"},
      {"abcd", 4, 0, 5, false, "xyz", "abcdx"},
      {"abcd", 0, 4, 2, false, "xyz", "xy"},
      {"abcd", 0, 4, 0, true, "xyz", "abcd"},
  };
  for (const Case& c : cases) {
    f.Text1.SetMaxLength(c.max_length);
    f.Text1.SetLocked(c.locked);
    f.Text1.SetText(c.initial);
    f.Text1.SetFocus();
    f.Text1.SetSelStart(c.sel_start);
    f.Text1.SetSelLength(c.sel_length);
    in_.Type(c.typed);
    Pump();
    EXPECT_EQ(f.Text1.Text(), c.expected) << c.initial << " / " << c.typed;
  }
}

TEST_F(TextBoxTest, SelectionProperties) {
  auto& f = FrmText::Get();
  f.Text1.SetText("Report 2024");
  EXPECT_EQ(f.Text1.SelStart(), 0);
  f.Text1.SetSelStart(7);
  f.Text1.SetSelLength(99);
  EXPECT_EQ(f.Text1.SelLength(), 4);
  EXPECT_EQ(f.Text1.SelText(), "2024");
  f.Text1.SetSelText("2025");
  EXPECT_EQ(f.Text1.Text(), "Report 2025");
  EXPECT_EQ(f.Text1.SelStart(), 11);
  EXPECT_THROW(f.Text1.SetSelStart(-1), platform::Failure);
}

TEST_F(TextBoxTest, MouseSelectionAndKeyboardSelection) {
  auto& f = FrmText::Get();
  f.Text1.SetText("Report file");
  std::string selected_on_release;
  f.Text1.MouseUp = [&](int, int, double, double) { selected_on_release = f.Text1.SelText(); };
  // Press before the first character and drag past the end of the first word.
  TextStyle style;
  const int word = MeasureText("Report", style).width;
  in_.Press(11, 20);
  in_.Move(11 + word / 2, 20);
  in_.Move(11 + word + 1, 20);
  in_.Release(11 + word + 1, 20);
  Pump();
  EXPECT_EQ(selected_on_release, "Report");
  // Shift+Right extends by one character, a plain Left collapses to the start.
  in_.Key(kKeyRight, kShiftMask);
  Pump();
  EXPECT_EQ(f.Text1.SelText(), "Report ");
  in_.Key(kKeyLeft);
  in_.Key(kKeyEnd, kShiftMask);
  Pump();
  EXPECT_EQ(f.Text1.SelText(), "Report file");
}

TEST_F(TextBoxTest, DoubleClickSelectsAWord) {
  auto& f = FrmText::Get();
  f.Text1.SetText("one two");
  TextStyle style;
  const int x = 11 + MeasureText("one t", style).width;
  in_.DblClick(x, 20);
  Pump();
  EXPECT_EQ(f.Text1.SelText(), "two");
}

TEST_F(TextBoxTest, ClipboardAndPasswordCharacter) {
  auto& f = FrmText::Get();
  f.Text1.SetText("secret");
  f.Text1.SetFocus();
  f.Text1.SetSelLength(6);
  in_.Key('C', kCtrlMask);
  in_.Key(kKeyEnd);
  in_.Key('V', kCtrlMask);
  Pump();
  EXPECT_EQ(f.Text1.Text(), "secretsecret");
  f.Text1.SetPasswordChar("*");
  Clipboard::SetText("x");
  f.Text1.SetSelStart(0);
  f.Text1.SetSelLength(3);
  in_.Key('C', kCtrlMask);  // a password box never gives its text away
  Pump();
  EXPECT_EQ(Clipboard::GetText(), "x");
  // Pasting a line break into a one-line box keeps the first line.
  Clipboard::SetText("ab\r\ncd");
  f.Text2.SetFocus();
  in_.Key('V', kCtrlMask);
  Pump();
  EXPECT_EQ(f.Text2.Text(), "ab");
}

TEST_F(TextBoxTest, MultiLineEnterAndFocusByClick) {
  auto& f = FrmText::Get();
  in_.Click(20, 100);
  in_.Type("ab");
  in_.Key(kKeyReturn);
  in_.Type("c");
  in_.Key(kKeyBack);
  in_.Key(kKeyBack);
  Pump();
  EXPECT_EQ(f.Text3.Text(), "ab");
  EXPECT_EQ(f.ActiveControl(), &f.Text3);
  // A click on a windowless label leaves the focus where it was.
  in_.Click(310, 15);
  Pump();
  EXPECT_EQ(f.ActiveControl(), &f.Text3);
}

TEST_F(TextBoxTest, SetFocusFailsHarmlesslyOnAHiddenBox) {
  auto& f = FrmText::Get();
  f.Text1.SetVisible(false);
  EXPECT_FALSE(platform::Try([&] { f.Text1.SetFocus(); }));
  FrmText::Get().Hide();
  f.Text1.SetVisible(true);
  EXPECT_FALSE(platform::Try([&] { f.Text1.SetFocus(); }));  // its window is not shown
}

TEST_F(TextBoxTest, KeysGoToTheWindowWhenTheFocusedBoxIsHidden) {
  auto& f = FrmText::Get();
  f.Text2.SetFocus();
  f.Text1.SetFocus();
  f.Text1.SetVisible(false);
  in_.Type("z");
  Pump();
  EXPECT_EQ(f.Text1.Text(), "");
  EXPECT_EQ(log_.lines, (Lines{"Text1.LostFocus", "Text1.GotFocus", "Text1.LostFocus"}));
}

}  // namespace
}  // namespace xpexam::forms
