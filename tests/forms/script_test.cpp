// The scenario language of the headless runner and the dump it prints.
#include <gtest/gtest.h>

#include <sstream>

#include "forms/app.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/script.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

TEST(Script, BadLinesAreReportedWithTheirNumber) {
  struct Case {
    std::string script;
    int line;
  };
  const std::vector<Case> cases = {
      {"wait 10\njump 1 2\n", 2},
      {"# comment\n\nclick 10\n", 3},
      {"key Foo\n", 1},
      {"press 1 2 left ctrl+meta\n", 1},
      {"click 1 2 ctrl+\n", 1},
      {"wait -5\n", 1},
      {"wait 1.5\n", 1},
      {"shot\n", 1},
      {"dump now\n", 1},
      {"close\nclose window\n", 2},
      {"minimize\nminimize 1\n", 2},
      {"restore\nrestore all\n", 2},
      {"dblclick 1 2 left shift\n", 1},
      {"wheel 1 2\n", 1},
      {"wheel 1 2 down\n", 1},
      {"screen 800\n", 1},
      {"screen 0x600\n", 1},
      {"screen 800x600 1\n", 1},
      {"screen 800x-600\n", 1},
  };
  for (const Case& c : cases) {
    std::vector<ScriptCommand> commands;
    auto error = ParseScript(c.script, {}, commands);
    ASSERT_TRUE(error.has_value()) << c.script;
    EXPECT_EQ(error->line, c.line) << c.script;
  }
  std::vector<ScriptCommand> commands;
  EXPECT_FALSE(ParseScript("move 1 2 # to the corner\r\nclick 3 4 right ctrl+shift\ntype a # b\nkey f12 alt\nwheel 5 6 -3\nscreen 1600X1000\n", {}, commands));
  EXPECT_EQ(commands.size(), 6u);
}

TEST(Script, KeyNames) {
  const std::pair<const char*, int> cases[] = {{"Enter", 13}, {"esc", 27},      {"Space", 32}, {"Tab", 9},
                                               {"Backspace", 8}, {"Delete", 46}, {"Left", 37}, {"Down", 40},
                                               {"F1", 112},   {"F12", 123},     {"a", 65},     {"Z", 90},
                                               {"Shift", 16}, {"ctrl", 17},     {"ALT", 18},
                                               {"7", 55},     {"112", 112},     {"F13", 0},    {"300", 0}};
  for (auto [name, code] : cases) EXPECT_EQ(KeyCodeOf(name), code) << name;
}

// Every key and mouse event a window gets, with the modifier state it carries.
class FrmKeyLog : public FormOf<FrmKeyLog> {
 public:
  std::string log;
  FrmKeyLog() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, 6000, 4500);
  }

 protected:
  void Form_KeyDown(int& key, int shift) override { log += "d" + std::to_string(key) + "/" + std::to_string(shift) + " "; }
  void Form_KeyUp(int& key, int shift) override { log += "u" + std::to_string(key) + "/" + std::to_string(shift) + " "; }
  void Form_MouseDown(int, int shift, double, double) override { log += "press/" + std::to_string(shift) + " "; }
};

TEST(Script, ModifierKeysStayHeldFromTheirKeyDownToTheirKeyUp) {
  struct Case {
    const char* script;
    const char* events;  // d|u key / Shift 1, Ctrl 2, Alt 4
  };
  const Case cases[] = {
      // Both orders of a chord: each event carries the state after it.
      {"keydown ctrl\nkeydown esc\nkeyup esc\nkeyup ctrl\n", "d17/2 d27/2 u27/2 u17/0 "},
      {"keydown ctrl\nkeydown esc\nkeyup ctrl\nkeyup esc\n", "d17/2 d27/2 u17/0 u27/0 "},
      {"keydown Shift\nkeydown ALT\nkeyup shift\nkeydown delete\nkeyup alt\n", "d16/1 d18/5 u16/4 d46/4 u18/0 "},
      // A whole key under a held modifier presses no second one.
      {"keydown shift\nkey delete\nkeyup shift\n", "d16/1 d46/1 u46/1 u16/0 "},
      {"keydown shift\nkey c ctrl\nkeyup shift\n", "d16/1 d17/3 d67/3 u67/3 u17/1 u16/0 "},
      {"key esc ctrl+shift\n", "d16/1 d17/3 d27/3 u27/3 u17/1 u16/0 "},
      {"key ctrl\nkey esc\n", "d17/2 u17/0 d27/0 u27/0 "},
      // Numbers name the same keys; a mouse press under a held key carries it too.
      {"keydown 17\nclick 10 10\nkeyup 17\nwait 1000\nclick 10 10\n", "d17/2 press/2 u17/0 press/0 "},
  };
  for (const Case& c : cases) {
    HeadlessSession session(800, 600);
    std::vector<ScriptCommand> commands;
    ASSERT_FALSE(ParseScript(c.script, {}, commands)) << c.script;
    for (auto& command : commands) command.queue(session.Input());
    FrmKeyLog::Get().Show();
    forms::Pump();
    EXPECT_EQ(FrmKeyLog::Get().log, c.events) << c.script;
    FrmKeyLog::Get().Unload();
  }
}

class FrmScripted : public FormOf<FrmScripted> {
 public:
  Label LHelp{*this, "LHelp"};
  TextBox Text1{*this, "Text1"};
  ListBox LstLA{*this, "LstLA"};
  ControlArray<Image> Img{*this, "Img", {3}};
  Timer Timer2{*this, "Timer2", 100, false};
  FrmScripted() {
    SetBorderStyle(forms::WindowBorder::kNone);
    SetCaption("题\"目\"");
    Move(1500, 1500, 6000, 4500);
    LHelp.Move(150, 150, 3000, 300);
    LHelp.SetCaption("提示\r\n第二行");
    Text1.Move(150, 750, 3000, 300);
    LstLA.Move(150, 1350, 3000, 1500);
    LstLA.AddItem("a");
    LstLA.AddItem("b");
    Img[3].Move(4500, 150, 600, 600);
    LHelp.Click = [this] { Timer2.SetEnabled(true); };
    Timer2.Tick = [this] {
      Timer2.SetEnabled(false);
      LstLA.SetListIndex(1);
    };
  }
};

TEST(Script, RunsAgainstTheWindowsAndDumpsThem) {
  HeadlessSession session(800, 600);
  std::ostringstream out;
  ScriptOptions options;
  options.out = &out;
  std::vector<ScriptCommand> commands;
  ASSERT_FALSE(ParseScript("click 115 115\nwait 150\nclick 115 155\ntype ok\ndump\n", options, commands));
  for (auto& c : commands) c.queue(session.Input());
  FrmScripted::Get().Show();
  forms::Run();
  EXPECT_EQ(out.str(),
            "Window FrmScripted visible=1 x=100 y=100 w=400 h=300 caption=\"题\\\"目\\\"\" picture=\"\"\n"
            "  Label LHelp visible=1 enabled=1 x=110 y=110 w=200 h=20 caption=\"提示\\r\\n第二行\"\n"
            "  TextBox Text1 visible=1 enabled=1 x=110 y=150 w=200 h=20 text=\"ok\"\n"
            "  ListBox LstLA visible=1 enabled=1 x=110 y=190 w=200 h=100 items=\"a|b\" index=1\n"
            "  Image Img(3) visible=1 enabled=1 x=400 y=110 w=40 h=40 picture=\"\"\n"
            "  Timer Timer2 enabled=0 interval=100\n");
  EXPECT_TRUE(Ended());  // the end of the script ends the program
}

}  // namespace
}  // namespace xpexam::forms
