// The About box: its lines at two scales, the folder link and the close buttons.
#include "home/about_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "forms/pictures.h"
#include "platform/shell.h"
#include "platform/textfile.h"
#include "tests/frame/common_windows_fixture.h"
#include "tests/home/about_window_access.h"

namespace xpexam::home {
namespace {

using namespace frame;
namespace testing = frame::testing;

class AboutBox : public testing::CommonWindowsTest, public ::testing::WithParamInterface<double> {
 protected:
  AboutBox() : CommonWindowsTest(GetParam()) { editInstallation().SetBankVersion("201503011200"); }
  double s_ = GetParam() / 15;
};

TEST_P(AboutBox, Lines) {
  FrmAbout& w = FrmAbout::Get();
  w.Show();
  EXPECT_EQ(w.Caption(), "BrivantTavrelo——WindowsXP模块");
  EXPECT_EQ(w.Width(), 6300 * s_);
  EXPECT_EQ(w.Height(), 4200 * s_);
  EXPECT_TRUE(w.TopMost());
  struct Line {
    int index;
    std::string caption;
    double top, font_size;
    forms::Color color;
  };
  const Line lines[] = {
      {2, "BrivantTavrelo", 180, 10, 0x00FFFFFF},
      {1, "BrivantTavrelo", 720, 10, 0x00E97F0C},
      {4, "\u2500\u2500 Windows XP操作系统", 1080, 12, 0x000000FF},
      {0, "题库版本：V201503011200", 1500, 10, forms::kSysButtonText},
      {3, "系统工作目录: " + dir_.path(), 1800, 10, forms::kSysButtonText},
      {6, "Corvane出版", 3600, 10, forms::kSysButtonText},
  };
  for (const Line& l : lines) {
    const forms::Label& label = Ui(w).Label1[l.index];
    EXPECT_EQ(label.Caption(), l.caption) << l.index;
    EXPECT_EQ(label.Left(), (l.index == 2 ? 600 : 480) * s_) << l.index;
    EXPECT_EQ(label.Top(), l.top * s_) << l.index;
    EXPECT_EQ(label.FontSize(), l.font_size * s_) << l.index;
    EXPECT_EQ(label.ForeColor(), l.color) << l.index;
  }
  EXPECT_TRUE(Ui(w).Label1[4].FontBold());
  EXPECT_EQ(Ui(w).Label1[3].Width(), 5490 * s_);
  EXPECT_EQ(Ui(w).Label1[3].Height(), 540 * s_);
  EXPECT_EQ(Ui(w).Label1[3].MousePointer(), forms::PointerStyle::kCustom);
  ASSERT_TRUE(Ui(w).Label1[3].MouseIcon());
  EXPECT_EQ(Ui(w).Label1[3].MouseIcon()->HotSpot(), (std::pair<int, int>{6, 0}));

  EXPECT_EQ(Ui(w).Line1[4].X1(), 360 * s_);
  EXPECT_EQ(Ui(w).Line1[4].X2(), 5760 * s_);
  EXPECT_EQ(Ui(w).Line1[4].Y1(), 2385 * s_);
  EXPECT_EQ(Ui(w).Line1[4].Y2(), 2385 * s_);
  EXPECT_EQ(Ui(w).Line1[3].X1(), 375 * s_);
  EXPECT_EQ(Ui(w).Line1[3].X2(), 5775 * s_);
  EXPECT_EQ(Ui(w).Line1[3].Y1(), 2400 * s_);
  EXPECT_EQ(Ui(w).Line1[3].Y2(), 2400 * s_);
  EXPECT_EQ(Ui(w).Line1[4].BorderColor(), 0x00808080u);
  EXPECT_EQ(Ui(w).Line1[3].BorderColor(), 0x00FFFFFFu);

  EXPECT_EQ(Ui(w).LblClick[0].Left(), w.Width() - 420 * s_);
  EXPECT_EQ(forms::PictureId(Ui(w).LblClick[0].Picture()), "l20003");
  EXPECT_EQ(Ui(w).LblClick[1].Left(), 4680 * s_);
  EXPECT_EQ(forms::PictureId(Ui(w).LblClick[1].Picture()), "l20001");
  EXPECT_EQ(forms::PictureId(Ui(w).ImgLogo1.Picture()), "l20067");
}

INSTANTIATE_TEST_SUITE_P(TwipsPerPixel, AboutBox, ::testing::Values(15.0, 12.0));

class AboutBoxLink : public testing::CommonWindowsTest {
 protected:
  AboutBoxLink() {
    opener_ = dir_.Write("opener.sh", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/opened.txt\"\n");
    ::chmod(opener_.c_str(), 0755);
    platform::SetShellOpener(opener_);
  }
  ~AboutBoxLink() override { platform::SetShellOpener(""); }
  std::string opener_;
};

TEST_F(AboutBoxLink, OnlyTheFolderLineOpensTheFolderAndEitherButtonCloses) {
  for (int button : {0, 1}) {
    in_.Call([&] {
      FrmAbout& w = FrmAbout::Get();
      for (int i : {1, 4, 0, 6, 3}) {
        forms::Point p = Centre(Ui(w).Label1[i]);
        in_.Click(p.x, p.y);
        in_.Wait(1000);
      }
      in_.Call([] { EXPECT_TRUE(FrmAbout::IsLoaded()); });
      forms::Point p = Centre(Ui(w).LblClick[button]);
      in_.Click(p.x, p.y);
    });
    FrmAbout::Get().ShowModal();
    EXPECT_FALSE(FrmAbout::IsLoaded());
    EXPECT_FALSE(forms::Ended());
  }
  std::optional<std::vector<std::string>> opened;
  for (int i = 0; i < 200; ++i) {
    opened = platform::ReadTextLines(dir_ / "opened.txt");
    if (opened && opened->size() >= 2) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(opened, (std::vector<std::string>{dir_.path(), dir_.path()}));
}

}  // namespace
}  // namespace xpexam::home
