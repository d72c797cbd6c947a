// The question picture window: fitted to its picture with a scaled margin, centred, topmost,
// draggable by the picture and by the margin.
#include "session/picture_window.h"

#include <gtest/gtest.h>

#include "tests/frame/common_windows_fixture.h"
#include "tests/session/picture_window_access.h"

namespace xpexam::session {

namespace {

using namespace frame;
namespace testing = frame::testing;

forms::PicturePtr Pic(int w, int h) { return forms::Picture::Decode(testing::SolidBmp(w, h, 0x00FFFFFF)); }

// The question bar's use: the first touch hides it; a picture question gives the picture;
// the toggle shows it fitted.
void ShowPicture(forms::HeadlessBackend& in, int w, int h) {
  FrmPicture::Get().SetVisible(false);
  FrmPicture::Get().SetPicture(Pic(w, h));
  FrmPicture::Get().ShowFitted();
  in.Wait(100);
  forms::Pump();
}

class PictureWindow : public testing::CommonWindowsTest, public ::testing::WithParamInterface<double> {
 protected:
  PictureWindow() : CommonWindowsTest(GetParam()) {}
  double tpp_ = GetParam(), s_ = GetParam() / 15;
};

TEST_P(PictureWindow, FitsThePictureWithAScaledMarginAndCentres) {
  class FrmOther : public forms::FormOf<FrmOther> {};
  FrmOther::Get().Show();
  ShowPicture(in_, 200, 100);
  FrmPicture& w = FrmPicture::Get();
  EXPECT_EQ(Ui(w).Image1.Left(), 60 * s_);
  EXPECT_EQ(Ui(w).Image1.Top(), 60 * s_);
  EXPECT_EQ(w.Width(), 200 * tpp_ + 120 * s_);
  EXPECT_EQ(w.Height(), 100 * tpp_ + 120 * s_);
  EXPECT_EQ(w.Left(), (800 * tpp_ - w.Width()) / 2);
  EXPECT_EQ(w.Top(), (600 * tpp_ - w.Height()) / 2);
  EXPECT_TRUE(w.TopMost());
  EXPECT_FALSE(Ui(w).Timer1.Enabled());
  // Above the ordinary window: the centre of the screen shows the picture (white).
  FrmOther::Get().Show();
  EXPECT_EQ(forms::ComposeScreen().PixelAt(400, 300), 0x00FFFFFFu);
  // The red margin.
  forms::Rect r{forms::TwipsToPixels(w.Left()), forms::TwipsToPixels(w.Top()), 0, 0};
  EXPECT_EQ(forms::ComposeScreen().PixelAt(r.x + 1, r.y + 1), 0x000000FFu);
}

TEST_P(PictureWindow, TheFirstLoadNeverShowsIt) {
  FrmPicture::Get().SetVisible(false);
  in_.Wait(300);
  forms::Pump();
  EXPECT_FALSE(FrmPicture::Get().Visible());
  EXPECT_FALSE(Ui(FrmPicture::Get()).Timer1.Enabled());
}

TEST_P(PictureWindow, ShowingAgainRecentresTheNewPictureAfterADrag) {
  ShowPicture(in_, 200, 100);
  FrmPicture& w = FrmPicture::Get();
  // Drag by the picture, then by the red margin; a right-button press does nothing.
  forms::Rect img = Ui(w).Image1.ScreenRect();
  in_.Press(img.x + 5, img.y + 5);
  in_.Move(img.x + 55, img.y + 45);
  in_.Release(img.x + 55, img.y + 45);
  forms::Pump();
  EXPECT_EQ(w.Left(), (800 * tpp_ - w.Width()) / 2 + 50 * tpp_);
  forms::Rect client = w.ClientScreenRect();
  const double left = w.Left(), top = w.Top();
  in_.Press(client.x + 2, client.y + 2);
  in_.Move(client.x + 12, client.y + 2);
  in_.Release(client.x + 12, client.y + 2);
  in_.Press(client.x + 2, client.y + 2, forms::kRightButton);
  in_.Move(client.x + 40, client.y + 40);
  in_.Release(client.x + 40, client.y + 40, forms::kRightButton);
  forms::Pump();
  EXPECT_EQ(w.Left(), left + 10 * tpp_);
  EXPECT_EQ(w.Top(), top);

  ShowPicture(in_, 300, 60);
  EXPECT_EQ(w.Width(), 300 * tpp_ + 120 * s_);
  EXPECT_EQ(w.Left(), (800 * tpp_ - w.Width()) / 2);
  EXPECT_EQ(w.Top(), (600 * tpp_ - w.Height()) / 2);
}

TEST_P(PictureWindow, APictureLargerThanTheScreenStaysCentred) {
  ShowPicture(in_, 1000, 700);
  FrmPicture& w = FrmPicture::Get();
  EXPECT_LT(w.Left(), 0);
  EXPECT_LT(w.Top(), 0);
  EXPECT_EQ(w.Left(), (800 * tpp_ - w.Width()) / 2);
  EXPECT_EQ(w.Left() + w.Width(), 800 * tpp_ - w.Left());
}

INSTANTIATE_TEST_SUITE_P(TwipsPerPixel, PictureWindow, ::testing::Values(15.0, 12.0));

}  // namespace
}  // namespace xpexam::session
