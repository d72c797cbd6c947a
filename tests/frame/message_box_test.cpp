// The message box: its answer, its layout at two scales and the drag strip.
#include "frame/message_box.h"

#include <gtest/gtest.h>

#include <functional>

#include "forms/pictures.h"
#include "frame/data_picture.h"
#include "tests/frame/common_windows_fixture.h"
#include "tests/frame/message_box_access.h"

namespace xpexam::frame {
namespace {

using forms::HeadlessBackend;

class MessageBox : public testing::CommonWindowsTest {
 protected:
  // The callers' protocol in one call, after an earlier box that was confirmed.
  int Ask(const std::function<void(HeadlessBackend&, FrmQOMSGBOX&)>& learner) {
    in_.Call([] { Ui(FrmQOMSGBOX::Get()).LblClick.Click(1); });
    EXPECT_TRUE(AskInMessageBox("earlier", "", kNoticeIcon, ""));
    // The learner acts once the box is on the screen, centred.
    in_.Call([&] {
      EXPECT_EQ(Ui(FrmQOMSGBOX::Get()).LblTitle.Caption(), "退出系统");
      EXPECT_EQ(Ui(FrmQOMSGBOX::Get()).LblPrompt.Caption(), "\r\n\r\n\r\n您确定要退出系统吗？");
      learner(in_, FrmQOMSGBOX::Get());
    });
    return AskInMessageBox("test", "退出系统", kQuestionIcon, "\r\n\r\n\r\n您确定要退出系统吗？") ? 1 : 0;
  }
};

TEST_F(MessageBox, AnswerProtocol) {
  using Learner = std::function<void(HeadlessBackend&, FrmQOMSGBOX&)>;
  struct Case {
    const char* name;
    Learner learner;
    int result;
  };
  auto click = [](int index, int button = forms::kLeftButton) {
    return [=](HeadlessBackend& in, FrmQOMSGBOX& box) {
      forms::Point p = Centre(Ui(box).LblClick[index]);
      in.Click(p.x, p.y, button);
    };
  };
  const Case cases[] = {
      {"confirming button", click(1), 1},
      {"confirming button, right click", click(1, forms::kRightButton), 1},
      {"confirming button pressed, released outside",
       [](HeadlessBackend& in, FrmQOMSGBOX& box) {
         forms::Point p = Centre(Ui(box).LblClick[1]);
         in.Press(p.x, p.y);
         in.Release(5, 5);
       },
       1},
      {"cancelling button", click(0), 0},
      {"close button", click(3), 0},
      {"Esc", [](HeadlessBackend& in, FrmQOMSGBOX&) { in.Key(forms::kKeyEscape); }, 0},
      {"Esc with a button focused",
       [](HeadlessBackend& in, FrmQOMSGBOX& box) {
         in.Call([&] { Ui(box).LblClick[1].SetFocus(); });
         in.Key(forms::kKeyEscape);
       },
       0},
      {"where the hidden button lies, then cancel",
       [&](HeadlessBackend& in, FrmQOMSGBOX& box) {
         forms::Rect r = Ui(box).LblClick[2].ScreenRect();
         in.Click(r.x + r.w / 2, r.y + r.h / 2);
         in.Call([] { EXPECT_TRUE(FrmQOMSGBOX::IsLoaded()); });
         click(0)(in, box);
       },
       0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Ask(c.learner), c.result) << c.name;
    EXPECT_FALSE(FrmQOMSGBOX::IsLoaded()) << c.name;
    EXPECT_FALSE(forms::Ended()) << c.name;
  }
}

TEST_F(MessageBox, EachUseLoadsTheBoxAfresh) {
  Ask([](HeadlessBackend& in, FrmQOMSGBOX& box) {
    Ui(box).LblPrompt.Move(0, 0);
    forms::Point p = Centre(Ui(box).LblClick[1]);
    in.Click(p.x, p.y);
  });
  EXPECT_EQ(Ui(FrmQOMSGBOX::Get()).LblPrompt.Left(), 1200);
  EXPECT_EQ(Ui(FrmQOMSGBOX::Get()).LblTitle.Caption(), "");
  EXPECT_EQ(forms::PictureId(Ui(FrmQOMSGBOX::Get()).Image1.Picture()), "");
}

TEST_F(MessageBox, DragsOnlyByTheTitleStripWithTheLeftButton) {
  struct Case {
    const char* name;
    int x, y, button;
    bool moves;
  };
  FrmQOMSGBOX& box = FrmQOMSGBOX::Get();
  box.Show();
  const forms::Rect r = box.ClientScreenRect();
  const Case cases[] = {
      {"title strip, left", r.x + 100, r.y + 10, forms::kLeftButton, true},
      {"title strip, right", r.x + 100, r.y + 10, forms::kRightButton, false},
      {"prompt, left", r.x + 150, r.y + 100, forms::kLeftButton, false},
  };
  for (const Case& c : cases) {
    const double left = box.Left(), top = box.Top();
    in_.Press(c.x, c.y, c.button);
    in_.Move(c.x + 30, c.y + 20);
    in_.Release(c.x + 30, c.y + 20, c.button);
    forms::Pump();
    EXPECT_EQ(box.Left() - left, c.moves ? 450 : 0) << c.name;
    EXPECT_EQ(box.Top() - top, c.moves ? 300 : 0) << c.name;
  }
}

class MessageBoxLayout : public testing::CommonWindowsTest, public ::testing::WithParamInterface<double> {
 protected:
  MessageBoxLayout() : CommonWindowsTest(GetParam()) {}
};

TEST_P(MessageBoxLayout, ScalesAndCentres) {
  const double s = GetParam() / 15;
  FrmQOMSGBOX& box = FrmQOMSGBOX::Get();
  box.Show();
  EXPECT_EQ(box.Width(), 5550 * s);
  EXPECT_EQ(box.Height(), 3750 * s);
  EXPECT_EQ(box.Left(), (forms::ScreenWidth() - 5550 * s) / 2);
  EXPECT_EQ(box.Top(), (forms::ScreenHeight() - 3750 * s) / 2);
  EXPECT_TRUE(box.TopMost());
  EXPECT_EQ(box.Caption(), "BrivantTavrelo——WindowsXP模块");
  EXPECT_EQ(forms::PictureId(box.Picture()), "l20069");
  EXPECT_EQ(Ui(box).LblClick[3].Left(), box.Width() - 420 * s);
  EXPECT_EQ(Ui(box).LblClick[3].Width(), 330 * s);
  EXPECT_EQ(Ui(box).LblClick[1].Left(), 2460 * s);
  EXPECT_EQ(Ui(box).LblClick[1].Top(), 2880 * s);
  EXPECT_EQ(Ui(box).LblPrompt.Width(), 4080 * s);
  EXPECT_EQ(Ui(box).LblPrompt.Height(), 1920 * s);
  EXPECT_EQ(Ui(box).LblTitle.FontSize(), 10 * s);
  EXPECT_EQ(Ui(box).lblMove.Width(), 4500 * s);
  EXPECT_FALSE(Ui(box).LblClick[2].Visible());
  for (int i = 0; i <= 3; ++i) EXPECT_EQ(forms::PictureId(Ui(box).LblClick[i].Picture()), "l2000" + std::to_string(i));
}

INSTANTIATE_TEST_SUITE_P(TwipsPerPixel, MessageBoxLayout, ::testing::Values(15.0, 12.0));

}  // namespace
}  // namespace xpexam::frame
