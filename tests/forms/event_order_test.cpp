// Orders of the events that one gesture raises, as tables of expected sequences.
#include <gtest/gtest.h>

#include "forms/app.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/shape.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

using testing::EventLog;
using Lines = std::vector<std::string>;

std::string Num(double v) { return std::to_string(static_cast<int>(v)); }

// A borderless window at the screen's top left: (x, y) pixels of the client are (x, y) of the screen.
class FrmEvents : public FormOf<FrmEvents> {
 public:
  static inline EventLog* log = nullptr;
  Label Label1{*this, "Label1"};
  Image Image1{*this, "Image1"};
  PictureBox Pic1{*this, "Pic1"};
  Label Label2{*this, "Label2"};  // declared after Pic1 and overlapping it, yet windowless
  Shape Shape1{*this, "Shape1"};
  Label Parked{*this, "Parked"};
  ControlArray<Label> LblArr{*this, "LblArr", {2, 5}};

  FrmEvents() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, 6000, 4500);
    Label1.Move(150, 150, 1500, 300);    // pixels 10..110 x 10..30
    Image1.Move(150, 750, 1500, 300);    // pixels 10..110 x 50..70
    Pic1.Move(3000, 150, 1500, 1500);    // pixels 200..300 x 10..110
    Label2.Move(2700, 300, 900, 300);    // pixels 180..240 x 20..40, under Pic1 where they overlap
    Shape1.Move(150, 1500, 1500, 600);   // pixels 10..110 x 100..140, over Label3's place
    Parked.Move(-1, 0, 1, 1);
    LblArr[2].Move(150, 2400, 1500, 300);  // pixels 10..110 x 160..180
    LblArr[5].Move(150, 3000, 1500, 300);  // pixels 10..110 x 200..220
    WireMouse(Label1, "Label1");
    WireMouse(Image1, "Image1");
    WireMouse(Pic1, "Pic1");
    WireMouse(Label2, "Label2");
    LblArr.Click = [](int i) { (*log)("LblArr(" + std::to_string(i) + ").Click"); };
    LblArr.MouseDown = [](int i, int b, int, double, double) {
      (*log)("LblArr(" + std::to_string(i) + ").MouseDown " + std::to_string(b));
    };
  }

  template <class C>
  static void WireMouse(C& c, const std::string& name) {
    c.MouseDown = [name](int b, int s, double x, double y) {
      (*log)(name + ".MouseDown " + std::to_string(b) + " " + std::to_string(s) + " " + Num(x) + "," + Num(y));
    };
    c.MouseUp = [name](int b, int s, double x, double y) {
      (*log)(name + ".MouseUp " + std::to_string(b) + " " + std::to_string(s) + " " + Num(x) + "," + Num(y));
    };
    c.MouseMove = [name](int b, int, double x, double y) {
      (*log)(name + ".MouseMove " + std::to_string(b) + " " + Num(x) + "," + Num(y));
    };
    c.Click = [name] { (*log)(name + ".Click"); };
    c.DblClick = [name] { (*log)(name + ".DblClick"); };
  }

 protected:
  void Form_MouseDown(int b, int, double x, double y) override {
    (*log)("Form.MouseDown " + std::to_string(b) + " " + Num(x) + "," + Num(y));
  }
  void Form_MouseUp(int b, int, double, double) override { (*log)("Form.MouseUp " + std::to_string(b)); }
  void Form_Click() override { (*log)("Form.Click"); }
  void Form_DblClick() override { (*log)("Form.DblClick"); }
};

class EventOrderTest : public testing::FormsTest {
 protected:
  EventOrderTest() {
    FrmEvents::log = &log_;
    FrmEvents::Get().Show();
  }
  ~EventOrderTest() override { FrmEvents::log = nullptr; }
  Lines Run() {
    Pump();
    return log_.lines;
  }
  EventLog log_;
};

TEST_F(EventOrderTest, ClickIsPressReleaseClick) {
  in_.Click(20, 15);
  EXPECT_EQ(Run(), (Lines{"Label1.MouseMove 0 150,75", "Label1.MouseDown 1 0 150,75", "Label1.MouseUp 1 0 150,75",
                          "Label1.Click"}));
}

TEST_F(EventOrderTest, DoubleClickIsPressReleaseClickDblClickRelease) {
  in_.DblClick(20, 15);
  EXPECT_EQ(Run(), (Lines{"Label1.MouseMove 0 150,75", "Label1.MouseDown 1 0 150,75", "Label1.MouseUp 1 0 150,75",
                          "Label1.Click", "Label1.DblClick", "Label1.MouseUp 1 0 150,75"}));
}

TEST_F(EventOrderTest, DoubleClickNeedsTheSecondPressSoonAndNearby) {
  struct Case {
    int wait_ms, dx;
    bool dbl;
  };
  for (Case c : {Case{500, 0, true}, Case{501, 0, false}, Case{0, 2, true}, Case{0, 3, false}}) {
    log_.Clear();
    in_.Click(20, 15);
    in_.Wait(c.wait_ms);
    in_.Click(20 + c.dx, 15);
    in_.Wait(1000);
    Lines lines = Run();
    const bool got = std::find(lines.begin(), lines.end(), "Label1.DblClick") != lines.end();
    EXPECT_EQ(got, c.dbl) << "wait " << c.wait_ms << " dx " << c.dx;
  }
}

TEST_F(EventOrderTest, RightAndMiddleButtonsRaiseNoClick) {
  in_.Click(20, 15, kRightButton, kShiftMask | kCtrlMask);
  in_.Click(20, 15, kMiddleButton);
  EXPECT_EQ(Run(), (Lines{"Label1.MouseMove 0 150,75", "Label1.MouseDown 2 3 150,75", "Label1.MouseUp 2 3 150,75",
                          "Label1.MouseDown 4 0 150,75", "Label1.MouseUp 4 0 150,75"}));
}

TEST_F(EventOrderTest, MoveAndReleaseGoToThePressedWindowlessControl) {
  in_.Press(20, 15);
  in_.Move(20, 55);    // over Image1, still held
  in_.Release(20, 55);
  in_.Move(21, 55);    // released: Image1 gets moves again
  EXPECT_EQ(Run(), (Lines{"Label1.MouseMove 0 150,75", "Label1.MouseDown 1 0 150,75", "Label1.MouseMove 1 150,675",
                          "Label1.MouseUp 1 0 150,675", "Image1.MouseMove 0 165,75"}));
}

TEST_F(EventOrderTest, ReleaseBackOverThePressedControlStillClicks) {
  in_.Press(20, 15);
  in_.Move(400, 400);
  in_.Move(21, 15);
  in_.Release(21, 15);
  Lines lines = Run();
  EXPECT_EQ(lines.back(), "Label1.Click");
}

TEST_F(EventOrderTest, HitTesting) {
  auto& f = FrmEvents::Get();
  struct Case {
    int x, y;
    std::string first;  // the first event of a click there
  };
  const std::vector<Case> cases = {
      {20, 55, "Image1.MouseDown 1 0 150,75"},
      {210, 30, "Pic1.MouseDown 1 0 150,300"},        // windowed above a later windowless label
      {185, 30, "Label2.MouseDown 1 0 75,150"},       // the label outside the picture box
      {20, 120, "Form.MouseDown 1 300,1800"},         // a shape lets the click through to the form
      {0, 0, "Form.MouseDown 1 0,0"},                 // a parked 1 x 1 twip label is not hit
      {20, 165, "LblArr(2).MouseDown 1"},
      {20, 205, "LblArr(5).MouseDown 1"},
  };
  for (const Case& c : cases) {
    log_.Clear();
    in_.Press(c.x, c.y);
    in_.Release(c.x, c.y);
    in_.Wait(1000);
    Lines lines = Run();
    std::erase_if(lines, [](const std::string& s) { return s.find("MouseMove") != std::string::npos; });
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), c.first) << c.x << "," << c.y;
  }
  // Hidden and disabled controls.
  f.Image1.SetVisible(false);
  f.Label1.SetEnabled(false);
  for (auto [x, y] : {std::pair{20, 55}, std::pair{20, 15}}) {
    log_.Clear();
    in_.Click(x, y);
    in_.Wait(1000);
    Lines lines = Run();
    std::erase_if(lines, [](const std::string& s) { return s.find("MouseMove") != std::string::npos; });
    EXPECT_EQ(lines.front().substr(0, 14), "Form.MouseDown") << x << "," << y;
  }
}

TEST_F(EventOrderTest, ControlArrayIndexes) {
  auto& f = FrmEvents::Get();
  EXPECT_EQ(f.LblArr.Count(), 2);
  EXPECT_EQ(f.LblArr.UBound(), 5);
  try {
    f.LblArr[3];
    FAIL();
  } catch (const platform::Failure& e) {
    EXPECT_EQ(e.number(), 340);
  }
  Label& l = f.LblArr.Load(3);
  EXPECT_FALSE(l.Visible());
  EXPECT_EQ(l.Top(), f.LblArr[2].Top());  // copies the lowest element
  l.Move(150, 3600);
  l.SetVisible(true);
  in_.Click(20, 245);
  EXPECT_EQ(Run(), (Lines{"LblArr(3).MouseDown 1", "LblArr(3).Click"}));
  EXPECT_THROW(f.LblArr.Load(3), platform::Failure);
  EXPECT_THROW(f.LblArr.Unload(2), platform::Failure);  // a design element
  f.LblArr.Unload(3);
  EXPECT_FALSE(f.LblArr.Exists(3));
}

}  // namespace
}  // namespace xpexam::forms
