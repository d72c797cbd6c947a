// A key that closes the window it went to (a message box answered with N, a box that takes Esc
// as its cancel) ends there: its character and its release do not reach the window below.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/form.h"
#include "forms/msgbox.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

using testing::EventLog;
using Lines = std::vector<std::string>;
EventLog* g_log = nullptr;

// The window below: logs every key event it gets.
class FrmBelow : public FormOf<FrmBelow> {
 protected:
  void Form_KeyDown(int& key, int) override { (*g_log)("down " + std::to_string(key)); }
  void Form_KeyPress(int& ch) override { (*g_log)("char " + std::to_string(ch)); }
  void Form_KeyUp(int& key, int) override { (*g_log)("up " + std::to_string(key)); }
};

// A box that answers on a key's press or on its character.
class FrmAnswer : public FormOf<FrmAnswer> {
 public:
  static inline bool on_character = false;
  FrmAnswer() { SetBorderStyle(forms::WindowBorder::kNone); }

 protected:
  void Form_KeyDown(int& key, int) override {
    if (!on_character && key == 'N') Unload();
  }
  void Form_KeyPress(int& ch) override {
    if (on_character && ch == kKeyEscape) Unload();
  }
};

class KeyConsumptionTest : public testing::FormsTest {
 protected:
  KeyConsumptionTest() { g_log = &log_; }
  ~KeyConsumptionTest() override { g_log = nullptr; }
  EventLog log_;
};

TEST_F(KeyConsumptionTest, TheKeyThatClosesABoxGoesNoFurther) {
  struct Case {
    const char* name;
    bool on_character;
    int key;
  };
  const Case cases[] = {
      {"answered on the key's press", false, 'N'},
      {"answered on the key's character", true, kKeyEscape},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log_.Clear();
    FrmAnswer::on_character = c.on_character;
    FrmBelow::Get().Show();
    in_.Call([] { FrmAnswer::Get().ShowModal(); });
    in_.Key(c.key);
    // The next key is the window below's again.
    in_.Key('A');
    Pump();
    EXPECT_FALSE(FrmAnswer::IsLoaded());
    EXPECT_EQ(log_.lines, (Lines{"down 65", "char 97", "up 65"}));
  }
}

TEST_F(KeyConsumptionTest, TheSystemMessageBoxKeepsItsAnswerKeys) {
  struct Case {
    const char* name;
    int key;
    int answer;
  };
  const Case cases[] = {
      {"N answers No", 'N', kNo},
      {"Y answers Yes", 'Y', kYes},
      {"Enter chooses the focused second button", kKeyReturn, kNo},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log_.Clear();
    FrmBelow::Get().Show();
    int answer = 0;
    in_.Call([&] { answer = MsgBox("?", kYesNo + kDefaultButton2); });
    in_.Key(c.key);
    Pump();
    EXPECT_EQ(answer, c.answer);
    EXPECT_EQ(log_.lines, Lines{});
  }
}

}  // namespace
}  // namespace xpexam::forms
