// The input-method help window: the switch file as it opens the box, the clicks that store it,
// and its close by either button.
#include "session/ime_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "desktop/answer_input_method.h"
#include "forms/pictures.h"
#include "platform/textfile.h"
#include "session/question_bar.h"
#include "tests/frame/common_windows_fixture.h"
#include "tests/session/ime_window_access.h"

namespace xpexam::session {
namespace {

using namespace frame;

class ImeWindow : public frame::testing::CommonWindowsTest {
 protected:

  std::optional<std::string> SwitchFile() { return platform::ReadFileBytes(dir_ / "ksdata/288890.mxy"); }
  // Shows the window modally; the learner's gestures come once it is on the screen.
  void Open(const std::function<void(FrmIME&)>& learner) {
    in_.Call([&] { learner(FrmIME::Get()); });
    FrmIME::Get().ShowModal();
  }
  void ClickOn(const forms::Control& c) {
    forms::Point p = Centre(c);
    in_.Click(p.x, p.y);
  }
};

TEST_F(ImeWindow, TheSwitchFileOpensTheBox) {
  struct Case {
    std::optional<std::string> file;
    bool ime_before;
    int value;
    bool ime_after;
  };
  const Case cases[] = {
      {std::nullopt, false, 0, false}, {"1\r\n", false, 1, true},  {"1", false, 1, true},
      {" 1\r\n", false, 0, false},     {"1 \r\n", false, 0, false}, {"0\r\n", true, 0, true},
      {"", false, 0, false},           {"2\r\n", false, 0, false},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(dir_ / "ksdata/288890.mxy");
    if (c.file) dir_.Write("ksdata/288890.mxy", *c.file);
    desktop::editAnswerInputMethod().SetSwitching(c.ime_before);
    FrmIME& w = FrmIME::Get();
    const std::string label = c.file.value_or("<missing>");
    EXPECT_EQ(static_cast<int>(Ui(w).Check1.Value()), c.value) << label;
    EXPECT_EQ(desktop::answerInputMethod().switches(), c.ime_after) << label;
    // Opening with "1" stores "1" again; anything else leaves the file alone.
    EXPECT_EQ(SwitchFile(), c.value == 1 ? std::optional<std::string>("1\r\n") : c.file) << label;
    w.Unload();
  }
}

TEST_F(ImeWindow, EachClickStoresTheSwitch) {
  std::vector<std::optional<std::string>> files;
  std::vector<bool> ime;
  Open([&](FrmIME& w) {
    ClickOn(Ui(w).Check1);
    in_.Call([&] { files.push_back(SwitchFile()), ime.push_back(desktop::answerInputMethod().switches()); });
    in_.Wait(1000);  // not a double-click
    ClickOn(Ui(w).Check1);
    in_.Call([&] { files.push_back(SwitchFile()), ime.push_back(desktop::answerInputMethod().switches()); });
    ClickOn(Ui(w).Label1[0]);  // the help text does nothing
    in_.Call([&] { files.push_back(SwitchFile()), ime.push_back(desktop::answerInputMethod().switches()); });
    ClickOn(Ui(w).lblClick[1]);
  });
  EXPECT_EQ(files, (std::vector<std::optional<std::string>>{"1\r\n", "0\r\n", "0\r\n"}));
  EXPECT_EQ(ime, (std::vector<bool>{true, false, false}));
  EXPECT_FALSE(FrmIME::IsLoaded());
}

// Without a bar (the bar's own test shows the restore), closing brings nothing else.
TEST_F(ImeWindow, EitherButtonCloses) {
  for (int index : {0, 1}) {
    Open([&](FrmIME& w) { ClickOn(Ui(w).lblClick[index]); });
    EXPECT_FALSE(FrmIME::IsLoaded()) << index;
    EXPECT_FALSE(FrmTm::IsLoaded()) << index;
    EXPECT_FALSE(forms::Ended()) << index;
  }
}

TEST_F(ImeWindow, AnUnwritableSwitchStillHoldsForThisRun) {
  std::filesystem::remove_all(dir_ / "ksdata");
  Open([&](FrmIME& w) {
    ClickOn(Ui(w).Check1);
    ClickOn(Ui(w).lblClick[1]);
  });
  EXPECT_TRUE(desktop::answerInputMethod().switches());
  EXPECT_FALSE(std::filesystem::exists(dir_ / "ksdata"));
  EXPECT_FALSE(FrmIME::IsLoaded());
}

TEST_F(ImeWindow, Layout) {
  FrmIME& w = FrmIME::Get();
  w.Show();
  EXPECT_EQ(w.Caption(), "BrivantTavrelo——WindowsXP模块");
  EXPECT_EQ(w.Width(), 6300);
  EXPECT_EQ(w.Height(), 4200);
  EXPECT_EQ(w.Left(), (12000 - 6300) / 2);
  EXPECT_EQ(forms::PictureId(w.Picture()), "l20070");
  EXPECT_EQ(Ui(w).lblClick[0].Left(), 6300 - 420);
  EXPECT_EQ(forms::PictureId(Ui(w).lblClick[0].Picture()), "l20003");
  EXPECT_EQ(forms::PictureId(Ui(w).lblClick[1].Picture()), "l20001");
  EXPECT_EQ(Ui(w).Label1[2].Caption(), "输入法调用提示");
  EXPECT_EQ(Ui(w).Label1[0].Caption(),
            "如果输入文字时出现Vexorin***.exe遇到问题需要关闭时，说明您另外安装的输入法和本软件不兼容，您可以取消调用输入法，"
            "在您需要输入汉字时，可以按Ctrl+Shift键切换，或者点击电脑右下角的输入法按钮。");
  EXPECT_EQ(Ui(w).Check1.Caption(), "调用输入法");
  EXPECT_EQ(Ui(w).Check1.Left(), 2400);
  EXPECT_EQ(Ui(w).Check1.Top(), 2520);
}

}  // namespace
}  // namespace xpexam::session
