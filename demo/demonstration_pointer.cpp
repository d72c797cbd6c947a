// The drawn arrow pointer and the choice of each step's target.
#include <array>

#include "demo/aiming.h"
#include "demo/demonstration.h"
#include "desktop/demonstration_state.h"
#include "desktop/step_record.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::demo {

using platform::Try;

namespace {

struct Segment {
  int x1, y1, x2, y2;
};
// Offsets from the pointer position in design twips; the tip is 60 to the right.
constexpr std::array<Segment, 7> kOutline{{{60, 0, 60, 240},
                                           {60, 240, 120, 180},
                                           {120, 180, 180, 300},
                                           {150, 150, 225, 285},
                                           {165, 150, 240, 150},
                                           {60, -15, 240, 165},
                                           {195, 300, 225, 270}}};
constexpr std::array<Segment, 6> kFill{{{75, 15, 75, 210},
                                        {105, 45, 105, 180},
                                        {135, 75, 135, 150},
                                        {165, 105, 165, 135},
                                        {195, 120, 195, 135},
                                        {135, 165, 210, 300}}};

}  // namespace

void FrmYanShi::PlaceArrow() {
  const frame::Installation& inst = frame::installation();
  auto place = [&](forms::Line& line, const Segment& s) {
    line.SetEnds(mPointerX + s.x1 * inst.scaleX(), mPointerY + s.y1 * inst.scaleY(), mPointerX + s.x2 * inst.scaleX(),
                 mPointerY + s.y2 * inst.scaleY());
  };
  for (int i = 0; i < 7; ++i) place(LPoint[i], kOutline[static_cast<size_t>(i)]);
  LPoint[7].SetEnds(LPoint[2].X2(), LPoint[2].Y2(), LPoint[6].X1(), LPoint[6].Y1());
  for (int i = 0; i < 6; ++i) place(LPoinB[i], kFill[static_cast<size_t>(i)]);
}

void FrmYanShi::ReAim() {
  const Travel t = AimAt(mPointerX, mPointerY, mTargetX, mTargetY);
  mDriftTicks = -1;
  mStepLength = t.step_length;
  mDeltaX = t.delta_x;
  mDeltaY = t.delta_y;
}

bool FrmYanShi::PointerArrived() const {
  return Arrived(mPointerX, mPointerY, mTargetX, mTargetY, mStepLength, frame::installation().scaleX());
}

void FrmYanShi::FlashAtPointer() {
  Shape5.Move(mPointerX - 180, mPointerY - 180);
  Timer5.SetEnabled(true);
}

void FrmYanShi::AimAtStepTarget() {
  if (!desktop::demonstration().running()) return;
  const desktop::StepRecord rec = step_;
  using A = desktop::DemoAction;
  const A action = desktop::ClassifyDemoStep(rec.StepCode());
  // Places come from 16-bit record numbers times the scale: their centres fit 32 bits.
  auto aim_centre = [&](const forms::Control& c) {
    mTargetX = CentreOf(c.Left(), c.Width());
    mTargetY = CentreOf(c.Top(), c.Height());
  };
  if (rec.TabChoicePending()) {
    Try([&] { aim_centre(LblXXK[tab_strip_.TabTarget()]); });
  } else {
    switch (action) {
      case A::kClick:
      case A::kDoubleClick:
      case A::kRightClick:
      case A::kRightPopup:
      case A::kLeftPopup:
      case A::kPress:
      case A::kFinal: aim_centre(Label1); break;
      case A::kRubberBand:
      case A::kDrag: aim_centre(Label4); break;
      case A::kTyping:
        mTargetX = CentreOf(Text1.Left() + 300, 0);
        mTargetY = CentreOf(Text1.Top(), Text1.Height());
        break;
      case A::kHandleDrag: aim_centre(Image5); break;
      case A::kMenuBar: Try([&] { aim_centre(LMainMenu[rec.MenuTargetMenu()]); }); break;
      case A::kKey:
        mTargetX = mPointerX;
        mTargetY = mPointerY;
        AdvanceStep();
        return;
      case A::kUnaimedClick:
      case A::kNone: break;
    }
  }
  if (desktop::CompletesOn(rec.CodeFamily(), desktop::CompletingEvent::kAutomatic)) Try([&] { AdvanceStep(); });
  Try([&] { ReAim(); });
  Timer2.SetEnabled(true);
}

}  // namespace xpexam::demo
