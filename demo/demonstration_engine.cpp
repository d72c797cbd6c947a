// The step engine (Timer2) and the action timers it starts: typing (Timer1), the drag of
// Image5 (Timer3) and the click flash (Timer5).
#include <string>

#include "demo/aiming.h"
#include "demo/demo_files.h"
#include "demo/demonstration.h"
#include "desktop/demonstration_state.h"
#include "desktop/step_family.h"
#include "desktop/step_record.h"
#include "forms/pictures.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::demo {

using desktop::StepRecord;
using A = desktop::DemoAction;
using platform::Try;

namespace {

// The green frame leaves the screen while a two-leg step is on its second leg.
constexpr double kSecondLegLeft = -100;
constexpr int kMostDriftTicks = 30;  // three seconds of the 100 ms engine tick

}  // namespace

void FrmYanShi::TabClick() {
  const desktop::TabRequest request = tab_strip_.ChooseTarget();
  ShowTabLabels();
  ApplyTabRequest(request);
  Try([&] {
    mTargetX = CentreOf(Label1.Left(), Label1.Width());
    mTargetY = CentreOf(Label1.Top(), Label1.Height());
    ReAim();
  });
  Shape4.SetLeft(kSecondLegLeft);
  mSecondLeg = true;
}

void FrmYanShi::PickUp() {
  Try([&] {
    mTargetX = CentreOf(Label1.Left(), Label1.Width());
    mTargetY = CentreOf(Label1.Top(), Label1.Height());
    mBandOn = true;
    ReAim();
  });
  Shape6.Move(Shape4.Left(), Shape4.Top(), 1, 1);
  Shape4.Move(kSecondLegLeft, Shape4.Top(), 15);
  mSecondLeg = true;
}

void FrmYanShi::PrepareTypeText() {
  mTypeText = desktop::PromptPart(DemoStepText(step_.AnswerLine().Digits()));
}

void FrmYanShi::DragStart() {
  if (mExtraPointX != 0) mTargetX = mExtraPointX;
  if (mExtraPointY != 0) mTargetY = mExtraPointY;
  Try([&] { ReAim(); });
}

void FrmYanShi::Timer2_Timer() {
  // Choosing a tab or picking up a load starts the next leg within the same tick.
  while (EngineTick() == Leg::kNextLeg) {
  }
}

FrmYanShi::Leg FrmYanShi::EngineTick() {
  const StepRecord rec = step_;
  const A action = desktop::ClassifyDemoStep(rec.StepCode());
  SetFlashColour(action);
  if (!desktop::demonstration().running()) {
    Timer2.SetEnabled(false);
    return Leg::kDone;
  }
  if (!TravelOrLeave()) return Leg::kDone;
  DrawPointer(rec, action);
  if (!PointerArrived()) return Leg::kDone;
  FlashAtPointer();
  return ActOnArrival(rec, action);
}

void FrmYanShi::SetFlashColour(A action) {
  if (action == A::kDoubleClick)
    Shape5.SetBorderColor(0xFF00);
  else if (action == A::kRightClick || action == A::kRightPopup)
    Shape5.SetBorderColor(0xFFFF);
  else
    Shape5.SetBorderColor(0xFF);
}

bool FrmYanShi::TravelOrLeave() {
  mPointerX += mDeltaX;
  mPointerY += mDeltaY;
  if (mPointerX < 0 || mPointerY < 0 || mPointerX > 12000 || mPointerY > 9000) {
    AdvanceStep();
    return false;
  }
  // A pointer aimed from close by drifts a few twips a tick and would take minutes to leave
  // the window: a drift ends after three seconds at the most.
  if (mDriftTicks >= 0 && ++mDriftTicks > kMostDriftTicks) {
    AdvanceStep();
    return false;
  }
  Shape6.Move(Shape6.Left(), Shape6.Top(), 1, 1);
  mPointerX += mDeltaX;
  mPointerY += mDeltaY;
  return true;
}

void FrmYanShi::DrawPointer(const StepRecord& rec, A action) {
  const bool band = action == A::kRubberBand, drag = action == A::kDrag;
  if (!band && !(drag && mSecondLeg)) {
    ImgICO.SetVisible(false);
    PlaceArrow();
    return;
  }
  // A band or a carried load shows the record's own pointer picture.
  if (band && mBandOn) {
    Try([&] {
      Shape6.Move(Shape6.Left(), Shape6.Top(), mPointerX - Shape6.Left() + 120 * frame::installation().scaleX(),
                  mPointerY - Shape6.Top() + 120 * frame::installation().scaleY());
    });
  }
  Try([&] {
    const std::string code = rec.PointerCode();
    const std::string file = code.substr(0, 1) == "S" ? "ico00.CUR" : "ico" + platform::Right(code, 2) + ".CUR";
    ImgICO.SetPicture(forms::LoadPicture(frame::installation().appPath() + "\\" + file));
  });
  ImgICO.Move(mPointerX, mPointerY);
  ImgICO.SetVisible(true);
  for (int i = 0; i <= 5; ++i) LPoinB[i].SetEnds(-100, LPoinB[i].Y1(), -100, LPoinB[i].Y2());
  for (int i = 0; i <= 7; ++i) LPoint[i].SetEnds(-100, LPoint[i].Y1(), -100, LPoint[i].Y2());
}

FrmYanShi::Leg FrmYanShi::ActOnArrival(const StepRecord& rec, A action) {
  if (rec.TabChoicePending() && !mSecondLeg) {
    TabClick();
    return Leg::kNextLeg;
  }
  if (mSecondLeg) {
    AdvanceStep();
    return Leg::kDone;
  }
  switch (action) {
    case A::kClick:
    case A::kUnaimedClick:
    case A::kDoubleClick:
    case A::kRightClick:
    case A::kLeftPopup: AdvanceStep(); return Leg::kDone;
    case A::kRightPopup:
    case A::kPress:
    case A::kKey:
    case A::kRubberBand:
    case A::kDrag:
    case A::kTyping:
    case A::kHandleDrag:
    case A::kMenuBar:
    case A::kFinal:
    case A::kNone: break;
  }
  Shape6.SetVisible(action == A::kRubberBand);
  switch (action) {
    case A::kRubberBand:
    case A::kDrag:
      PickUp();
      return Leg::kNextLeg;
    case A::kPress: AdvanceStep(); break;
    case A::kRightPopup:
      RightKeyMenu();
      Timer2.SetEnabled(false);
      break;
    case A::kTyping:
      PrepareTypeText();
      Timer1.SetEnabled(true);
      Timer2.SetEnabled(false);
      break;
    case A::kHandleDrag:
      DragStart();
      Timer2.SetEnabled(false);
      Timer3.SetEnabled(true);
      break;
    case A::kFinal:
      TimEnd.SetEnabled(true);
      Timer2.SetEnabled(false);
      break;
    case A::kMenuBar:
      OpenDropDown();
      Timer6.SetEnabled(true);
      Timer2.SetEnabled(false);
      break;
    case A::kClick:
    case A::kUnaimedClick:
    case A::kDoubleClick:
    case A::kRightClick:
    case A::kLeftPopup: break;  // done on arrival, above
    case A::kKey:
    case A::kNone:
      // No action: the step ends when the pointer leaves the window, which a pointer that
      // does not move never does.
      if (mDeltaX == 0 && mDeltaY == 0) {
        AdvanceStep();
      } else if (mDriftTicks < 0) {
        mDriftTicks = 0;
      }
      break;
  }
  return Leg::kDone;
}

void FrmYanShi::Timer1_Timer() {
  if (!desktop::demonstration().running()) {
    Timer1.SetEnabled(false);
    return;
  }
  ++mTypedCount;
  const desktop::StepCodeFamily family = step_.CodeFamily();
  // A step completed by selecting the hint types nothing: the selection shows at once.
  if (desktop::CompletesOn(family, desktop::CompletingEvent::kSelection)) {
    mTypedCount = 300;
  } else {
    forms::TextBox& box = desktop::StepFamily(family).box == desktop::AnswerBox::kPassword ? Text2 : Text1;
    Try([&] {
      box.SetText(platform::Left(mTypeText, mTypedCount));
      box.SetSelStart(mTypedCount);
    });
  }
  if (mTypedCount < platform::Len(mTypeText)) return;
  mTypedCount = 0;
  Timer1.SetEnabled(false);
  AdvanceStep();
}

void FrmYanShi::Timer3_Timer() {
  if (!desktop::demonstration().running()) return;
  mPointerX += mDeltaX;
  mPointerY += mDeltaY;
  PlaceArrow();
  Image5.Move(mPointerX - Image5.Width() / 2, mPointerY - Image5.Height() / 2);
  if (!PointerArrived()) return;
  AdvanceStep();
  Timer3.SetEnabled(false);
}

void FrmYanShi::Timer5_Timer() {
  if (!desktop::demonstration().running()) return;
  Shape5.SetVisible(mTicks % 2 == 0);
  ++mTicks;
  if (mTicks >= 3) {
    mTicks = 0;
    Shape5.SetVisible(false);
    Timer5.SetEnabled(false);
  }
}

}  // namespace xpexam::demo
