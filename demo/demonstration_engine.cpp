// The step engine (Timer2) and the action timers it starts: typing (Timer1), the drag of
// Image5 (Timer3) and the click flash (Timer5).
#include <string>

#include "demo/aiming.h"
#include "demo/demo_files.h"
#include "demo/demonstration.h"
#include "desktop/step_record.h"
#include "forms/pictures.h"
#include "frame/module_state.h"
#include "frame/settings.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::demo {

using desktop::StepRecord;
using frame::gDemoRunning;
using platform::Try;

namespace {

// The leg marker: the green frame parked at -100 while a two-leg step is on its second leg.
constexpr double kLegMarker = -100;
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
  Shape4.SetLeft(kLegMarker);
}

void FrmYanShi::PickUp() {
  Try([&] {
    mTargetX = CentreOf(Label1.Left(), Label1.Width());
    mTargetY = CentreOf(Label1.Top(), Label1.Height());
    mBandOn = true;
    ReAim();
  });
  Shape6.Move(Shape4.Left(), Shape4.Top(), 1, 1);
  Shape4.Move(kLegMarker, Shape4.Top(), 15);
}

void FrmYanShi::PrepareTypeText() {
  std::string text;
  Try([&] { text = DemoStepText(step_.AnswerLine().Digits()); });
  mTypeText = desktop::PromptPart(text);
}

void FrmYanShi::DragStart() {
  if (mExtraPointX != 0) mTargetX = mExtraPointX;
  if (mExtraPointY != 0) mTargetY = mExtraPointY;
  Try([&] { ReAim(); });
}

void FrmYanShi::Timer2_Timer() {
  const StepRecord rec = step_;
  using A = desktop::DemoAction;
  const A action = desktop::ClassifyDemoStep(rec.StepCode());
  const bool band = action == A::kRubberBand, drag = action == A::kDrag;
  if (action == A::kDoubleClick)
    Shape5.SetBorderColor(0xFF00);
  else if (action == A::kRightClick || action == A::kRightPopup)
    Shape5.SetBorderColor(0xFFFF);
  else
    Shape5.SetBorderColor(0xFF);
  if (!gDemoRunning) {
    Timer2.SetEnabled(false);
    return;
  }
  mPointerX += mDeltaX;
  mPointerY += mDeltaY;
  if (mPointerX < 0 || mPointerY < 0 || mPointerX > 12000 || mPointerY > 9000) {
    doNext();
    return;
  }
  // A pointer aimed from close by drifts a few twips a tick and would take minutes to leave
  // the window: a drift ends after three seconds at the most.
  if (mDriftTicks >= 0 && ++mDriftTicks > kMostDriftTicks) {
    doNext();
    return;
  }
  Shape6.Move(Shape6.Left(), Shape6.Top(), 1, 1);
  mPointerX += mDeltaX;
  mPointerY += mDeltaY;
  const bool leg_marker = Shape4.Left() == kLegMarker;
  if (band || (drag && leg_marker)) {
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
  } else {
    ImgICO.SetVisible(false);
    pointMove();
  }
  if (!PointerArrived()) return;
  FlashAtPointer();

  if (rec.TabChoicePending() && !leg_marker) {
    TabClick();
    Timer2_Timer();
    return;
  }
  if (leg_marker) {
    doNext();
    return;
  }
  switch (action) {
    case A::kClick:
    case A::kUnaimedClick:
    case A::kDoubleClick:
    case A::kRightClick:
    case A::kLeftPopup: doNext(); return;
    default: break;
  }
  Shape6.SetVisible(band);
  switch (action) {
    case A::kRubberBand:
    case A::kDrag:
      PickUp();
      Timer2_Timer();
      return;
    case A::kPress: doNext(); break;
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
    default:
      // No action: the step ends when the pointer leaves the window, which a pointer that
      // does not move never does.
      if (mDeltaX == 0 && mDeltaY == 0) {
        doNext();
      } else if (mDriftTicks < 0) {
        mDriftTicks = 0;
      }
      break;
  }
}

void FrmYanShi::Timer1_Timer() {
  if (!gDemoRunning) {
    Timer1.SetEnabled(false);
    return;
  }
  ++mTypedCount;
  const desktop::StepCodeFamily family = step_.CodeFamily();
  if (family == desktop::StepCodeFamily::kSelectHintText) {
    mTypedCount = 300;
  } else {
    forms::TextBox& box = family == desktop::StepCodeFamily::kTypePassword ? Text2 : Text1;
    Try([&] {
      box.SetText(platform::Left(mTypeText, mTypedCount));
      box.SetSelStart(mTypedCount);
    });
  }
  if (mTypedCount < platform::Len(mTypeText)) return;
  mTypedCount = 0;
  Timer1.SetEnabled(false);
  doNext();
}

void FrmYanShi::Timer3_Timer() {
  if (!gDemoRunning) return;
  mPointerX += mDeltaX;
  mPointerY += mDeltaY;
  pointMove();
  Image5.Move(mPointerX - Image5.Width() / 2, mPointerY - Image5.Height() / 2);
  if (!PointerArrived()) return;
  doNext();
  Timer3.SetEnabled(false);
}

void FrmYanShi::Timer5_Timer() {
  if (!gDemoRunning) return;
  Shape5.SetVisible(mTicks % 2 == 0);
  ++mTicks;
  if (mTicks >= 3) {
    mTicks = 0;
    Shape5.SetVisible(false);
    Timer5.SetEnabled(false);
  }
}

}  // namespace xpexam::demo
