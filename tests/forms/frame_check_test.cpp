// The frame check: a frame composed from damaged areas only is compared with a whole repaint,
// and a change that damaged too little is reported with the window, the control and the area.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "forms/app.h"
#include "forms/form.h"
#include "forms/frame_check.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/runtime.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

constexpr Color kBlue = Rgb(0, 0, 255), kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0), kYellow = Rgb(255, 255, 0);

// At (100, 50) pixels, 300 x 200, a blue client without a border.
class FrmStale : public FormOf<FrmStale> {
 public:
  Label Opaque{*this, "Opaque"};  // screen 150,50 20x20
  Label Cell{*this, "Cell", 2};   // screen 200,50 20x20
  PictureBox Box{*this, "Box"};   // screen 300,150 40x40
  Label Inside{Box, "Inside"};    // screen 310,160 10x10
  Label Other{*this, "Other"};    // screen 100,200 20x20
  FrmStale() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(1500, 750, 4500, 3000);
    SetBackColor(kBlue);
    Opaque.Move(750, 0, 300, 300);
    Opaque.SetBackColor(kGreen);
    Cell.Move(1500, 0, 300, 300);
    Cell.SetBackColor(kYellow);
    Box.SetBorderStyle(forms::BoxBorder::kNone);
    Box.SetBackColor(kGreen);
    Box.Move(3000, 1500, 600, 600);
    Inside.Move(150, 150, 150, 150);
    Inside.SetBackColor(kRed);
    Other.Move(0, 2250, 300, 300);
    Other.SetBackColor(kGreen);
  }
};

// Over the top right of FrmStale: at (210, 40) pixels, 200 x 100.
class FrmOver : public FormOf<FrmOver> {
 public:
  FrmOver() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(3150, 600, 3000, 1500);
    SetBackColor(kYellow);
  }
};

class FrameCheckTest : public testing::FormsTest {
 protected:
  FrameCheckTest() {
    FrmStale::Get().Show();
    Settle();
    SetFrameCheck(true);
    SetFrameCheckFailure([this](const FrameMismatch& m) { found_.push_back(m); });
  }
  void Settle() {
    in_.Wait(1);
    Pump();
  }
  std::vector<FrameMismatch> found_;
};

TEST_F(FrameCheckTest, AChangeThatDamagedNothingIsFoundWithItsWindowControlAndArea) {
  struct Case {
    const char* what;
    std::function<const Control*(FrmStale&)> skipped;
    std::function<void(FrmStale&)> change;
    const char* control;
    Rect area;
  };
  const Case cases[] = {
      {"colour", [](FrmStale& f) { return &f.Opaque; }, [](FrmStale& f) { f.Opaque.SetBackColor(kRed); }, "Opaque",
       {150, 50, 20, 20}},
      {"element of a control array", [](FrmStale& f) { return &f.Cell; },
       [](FrmStale& f) { f.Cell.SetBackColor(kRed); }, "Cell(2)", {200, 50, 20, 20}},
      {"child of a picture box", [](FrmStale& f) { return &f.Inside; },
       [](FrmStale& f) { f.Inside.SetBackColor(kYellow); }, "Box.Inside", {310, 160, 10, 10}},
      // The old place shows the label still; the first stale pixel is now the window's own.
      {"moved away", [](FrmStale& f) { return &f.Opaque; }, [](FrmStale& f) { f.Opaque.Move(2250, 2250); }, "",
       {150, 50, 120, 170}},
      {"hidden", [](FrmStale& f) { return &f.Cell; }, [](FrmStale& f) { f.Cell.SetVisible(false); }, "",
       {200, 50, 20, 20}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FrmStale& f = FrmStale::Get();
    SetUndamagedControl(c.skipped(f));
    c.change(f);
    // Another change composes a frame of its own area only.
    f.Other.SetBackColor(kRed);
    Settle();
    SetUndamagedControl(nullptr);
    ASSERT_EQ(found_.size(), 1u);
    EXPECT_EQ(found_[0].window, "FrmStale");
    EXPECT_EQ(found_[0].control, c.control);
    EXPECT_EQ(found_[0].area, c.area);
    EXPECT_EQ(found_[0].first_x, c.area.x);
    EXPECT_EQ(found_[0].first_y, c.area.y);
    found_.clear();
    // A whole repaint puts the screen right for the next case.
    f.Unload();
    FrmStale::Get().Show();
    Settle();
    ASSERT_TRUE(found_.empty());
  }
}

// Only what shows is stale: the window above hides the rest of the change.
TEST_F(FrameCheckTest, AStaleControlPartlyUnderAnotherWindowIsFoundWhereItShows) {
  FrmOver::Get().Show();
  Settle();
  FrmStale& f = FrmStale::Get();
  SetUndamagedControl(&f.Cell);
  f.Cell.SetBackColor(kRed);
  f.Other.SetBackColor(kRed);
  Settle();
  SetUndamagedControl(nullptr);
  ASSERT_EQ(found_.size(), 1u);
  EXPECT_EQ(found_[0].window, "FrmStale");
  EXPECT_EQ(found_[0].control, "Cell(2)");
  EXPECT_EQ(found_[0].area, (Rect{200, 50, 10, 20}));
}

TEST_F(FrameCheckTest, ChangesThatDamageTheirAreaPassAndAChangeWithNoFrameIsFoundOnDemand) {
  FrmStale& f = FrmStale::Get();
  f.Opaque.Move(2250, 2250);
  f.Cell.SetVisible(false);
  f.Inside.SetBackColor(kYellow);
  f.Box.Move(0, 0);
  Settle();
  FrmOver::Get().Show();
  Settle();
  f.Opaque.SetBackColor(kRed);
  Settle();
  EXPECT_TRUE(found_.empty());
  // Nothing else changes, so no frame is composed: only an explicit check sees it.
  SetUndamagedControl(&f.Opaque);
  f.Opaque.SetBackColor(kGreen);
  Settle();
  EXPECT_TRUE(found_.empty());
  CheckFrameNow();
  ASSERT_EQ(found_.size(), 1u);
  EXPECT_EQ(found_[0].control, "Opaque");
  EXPECT_EQ(found_[0].area, (Rect{250, 200, 20, 20}));
}

TEST_F(FrameCheckTest, WithoutAHandlerTheMismatchIsWrittenOutAndTheProcessAborts) {
  SetFrameCheckFailure(nullptr);
  FrmStale& f = FrmStale::Get();
  SetUndamagedControl(&f.Opaque);
  f.Opaque.SetBackColor(kRed);
  EXPECT_DEATH(CheckFrameNow(), "stale pixels at 150,50 20x20 \\(first at 150,50\\) in window FrmStale, control Opaque");
  SetUndamagedControl(nullptr);
}

}  // namespace
}  // namespace xpexam::forms
