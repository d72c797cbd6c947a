#pragma once
// The answer demonstration: a caption-less window over the desktop that replays the current
// question's step records with a drawn arrow pointer (click flashes, typing, drags, rubber
// bands, menu-bar drop-downs, drawn context menus, tab selection), then hands the question
// back to the bar. It never records anything: the question's status and the learner's step
// stay as they were.
//
// One step is played by a chain of timers: LoadStep lays the step out, AimAtStepTarget aims the
// pointer and starts Timer2; a timer handing the step on disables itself and enables the next
// (Timer6 -> 7 -> 8 -> 9 menu bar, TimerRM -> TimerRS context menu, Timer1 typing, Timer3
// drag, Timer5 flash); AdvanceStep loads the next step. All but TimEnd idle while no demonstration
// runs (desktop::demonstration()).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "desktop/demonstration_request.h"
#include "desktop/step_record.h"
#include "desktop/step_scene.h"
#include "desktop/tab_strip.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/shape.h"
#include "forms/text_box.h"
#include "forms/timer.h"

namespace xpexam::demo {

// The demonstration's controls, back to front. They belong to the window: FrmYanShi holds them
// as a private base.
struct FrmYanShiControls {
  explicit FrmYanShiControls(forms::Form& form) : form_(form) {}
  forms::Form& form_;

  // Screen pictures, bottom of the stack.
  forms::Image Image1{form_, "Image1"};
  forms::Image Image2{form_, "Image2"};
  forms::Image Image3{form_, "Image3"};
  forms::Image Image4{form_, "Image4"};
  forms::Image Image5{form_, "Image5"};
  forms::ControlArray<forms::Label> LblXXK{form_, "LblXXK", 0, 13};
  forms::Label Label4{form_, "Label4"};
  forms::Label Label1{form_, "Label1"};

  // Menu bar.
  forms::Image ImgMenuSys{form_, "ImgMenuSys"};
  forms::Image ImgMenuSel{form_, "ImgMenuSel"};
  forms::Image ImgShuMenu{form_, "ImgShuMenu"};
  forms::Image ImgSubMenu{form_, "ImgSubMenu"};
  forms::Image ImgSubSel{form_, "ImgSubSel"};
  forms::ControlArray<forms::Label> LMainMenu{form_, "LMainMenu", 1, 9};
  forms::ControlArray<forms::Label> LblShuMenu{form_, "LblShuMenu", 1, 20};
  forms::ControlArray<forms::Label> LblSubSel{form_, "LblSubSel", 1, 20};

  // The hint, under the drawn menus: a menu popped up over it hides it, as on the desktop.
  forms::Label LHelp{form_, "LHelp"};

  // Drawn context menu.
  forms::Label LRightMMenu{form_, "LRightMMenu"};
  forms::Shape ShapeRMain{form_, "ShapeRMain"};
  forms::ControlArray<forms::Label> LRM2{form_, "LRM2", 0, 9};
  forms::ControlArray<forms::Label> LRM4{form_, "LRM4", 0, 9};
  forms::ControlArray<forms::Label> LRM6{form_, "LRM6", 0, 9};
  forms::ControlArray<forms::Label> LRM9{form_, "LRM9", 0, 9};
  forms::ControlArray<forms::Label> LRMJL{form_, "LRMJL", {1, 3, 5, 7, 8}};
  forms::ControlArray<forms::Line> LRFGX{form_, "LRFGX", 0, 9};
  forms::ControlArray<forms::Image> ImgJLSanjiao{form_, "ImgJLSanjiao", {1, 3, 5, 7, 8}};

  // Drawn submenu.
  forms::Label LRightSub{form_, "LRightSub"};
  forms::Shape ShapeRSUB{form_, "ShapeRSUB"};
  forms::ControlArray<forms::Label> LRS{form_, "LRS", 0, 9};
  forms::ControlArray<forms::Line> LRSFgx{form_, "LRSFgx", 0, 5};

  // Question text, frames.
  forms::Label ImgLogo{form_, "ImgLogo"};
  forms::Shape Shape2{form_, "Shape2"};
  forms::Shape Shape4{form_, "Shape4"};
  forms::Shape Shape6{form_, "Shape6"};
  forms::Shape Shape1{form_, "Shape1"};

  // Pointer and click flash, top of the stack.
  forms::Image ImgICO{form_, "ImgICO"};
  forms::ControlArray<forms::Line> LPoinB{form_, "LPoinB", 0, 5};
  forms::ControlArray<forms::Line> LPoint{form_, "LPoint", 0, 7};
  forms::Shape Shape5{form_, "Shape5"};

  // Answer boxes (windowed: above the rest).
  forms::TextBox Text1{form_, "Text1"};
  forms::TextBox Text2{form_, "Text2"};

  forms::Timer Timer1{form_, "Timer1", 500, false};
  forms::Timer Timer2{form_, "Timer2", 100, false};
  forms::Timer Timer3{form_, "Timer3", 100, false};
  forms::Timer Timer5{form_, "Timer5", 100, false};
  forms::Timer Timer6{form_, "Timer6", 100, false};
  forms::Timer Timer7{form_, "Timer7", 200, false};
  forms::Timer Timer8{form_, "Timer8", 100, false};
  forms::Timer Timer9{form_, "Timer9", 100, false};
  forms::Timer TimerRM{form_, "TimerRM", 100, false};
  forms::Timer TimerRS{form_, "TimerRS", 100, false};
  forms::Timer TimEnd{form_, "TimEnd", 100, false};
};

// The state of one run, which the timers hand on from one to the next.
struct FrmYanShiVars {
  int16_t mDemoStep = 1;
  int32_t mPointerX = 0;
  int32_t mPointerY = 0;
  int32_t mTargetX = 0;
  int32_t mTargetY = 0;
  double mStepLength = 0;
  int16_t mDeltaX = 0;
  int16_t mDeltaY = 0;
  // Ticks the pointer has drifted past a target whose step has no action; -1 while not drifting.
  int mDriftTicks = -1;
  int16_t mTicks = 0;
  int16_t mStepCode = 0;
  int16_t mMenuLeft = 435;
  int16_t mMenuTop = 420;
  int16_t mMenuPitch = 870;
  int16_t mMenuNo = 1;
  std::string mExamDataPath;

  // Step loader.
  int16_t mTypedCount = 0;
  bool mBandOn = false;
  int16_t mExtraPointX = 0;
  int16_t mExtraPointY = 0;

  // Step engine, menus.
  std::string mTypeText;
  int32_t mSubMenuCode = 0;
  int16_t mPopupMenuNo = 0;
};

class FrmYanShi : public forms::FormOf<FrmYanShi>, private FrmYanShiControls, private FrmYanShiVars {
 public:
  static constexpr double kDesignWidth = 12000;
  static constexpr double kDesignHeight = 9000;
  // Drop-down and submenu row regions, the click-flash ring and the hint font, at 96 dpi.
  static constexpr double kMenuRowWidth = 2415;
  static constexpr double kSubRowWidth = 2055;
  static constexpr double kMenuRowHeight = 330;
  static constexpr double kFlashSize = 375;
  static constexpr double kHintPoints = 10.5;

  FrmYanShi();
  // Loads and shows the window for the request; its load starts the run.
  static void Start(desktop::DemonstrationRequest request);
  // Leaving the program ends the run first, as Esc does.
  void CloseRequested() override { TimEnd.SetEnabled(true); }

  // Ends the run now and hands back to the bar: what TimEnd does on its last tick.
  void EndRun();

  // The record of the step being played; empty until one is read.
  const desktop::StepRecord& Step() const { return step_; }

 protected:
  void Form_Load() override;
  void Form_DblClick() override;
  void Form_KeyUp(int& key_code, int shift) override;

 private:
  // Tests reach the controls, the run's state and the handlers through it.
  friend struct FrmYanShiTestAccess;

  // Moves the arrow pointer's lines to (mPointerX, mPointerY).
  void PlaceArrow();
  // Lays out step mDemoStep and aims at its target; the final record ends the run.
  void LoadStep();
  // Aims at the step's target and starts Timer2; a step without travel moves on at once.
  void AimAtStepTarget();
  // The next step, or the end of the run after the final record.
  void AdvanceStep();
  // Draws a right-click step's context menu; TimerRM takes the pointer to the item.
  void RightKeyMenu();
  // Hides and empties the drawn context menu and its submenu.
  void ClearContextMenus();
  // Draws the submenu of the item reached; TimerRS takes the pointer to the sub-item.
  void DrawContextSubmenu();

  // Tick handlers.
  void TimEnd_Timer();
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void Timer5_Timer();
  void Timer6_Timer();
  void Timer7_Timer();
  void Timer8_Timer();
  void Timer9_Timer();
  void TimerRM_Timer();
  void TimerRS_Timer();

  // The record laid out on the controls above, as the desktop lays it out on its own.
  desktop::StepScene scene_;
  desktop::TabStrip tab_strip_;

  // Image1 to Image5 by number; Failure 9 outside 1 to 5.
  forms::Image& ImageSlot(long k) { return scene_.Overlay(k); }
  desktop::StepRecord step_;
  desktop::DemonstrationRequest request_;
  // The request of a Start whose load has not run yet.
  inline static desktop::DemonstrationRequest pending_request_;

  // Sets mStepLength and the deltas towards (mTargetX, mTargetY).
  void ReAim();
  bool PointerArrived() const;
  void FlashAtPointer();
  void LayOutTitleRegions();
  void ScaleDesignSizes();
  void ClearMenuPictures();
  // Stages of LoadStep, in the order it runs them.
  void ResetStep();
  bool ReadStep();  // false: past the end of the step file, or it cannot be read
  void LoadPictures(const desktop::StepRecord& rec);
  void LoadAnswerBox(const desktop::StepRecord& rec);
  void LoadTabStep(const desktop::StepRecord& rec);
  void ShowTabLabels();
  void ApplyTabRequest(const desktop::TabRequest& request);
  void LoadHintLabel(const desktop::StepRecord& rec);
  void LoadMenuTitles(const desktop::StepRecord& rec);
  void EndAtLastStep(bool final_record);
  void ApplyTypingHint(const desktop::StepRecord& rec);
  // Stages of the engine.
  void TabClick();
  void PickUp();
  void PrepareTypeText();
  void DragStart();
  void OpenDropDown();
  void ShowMenuRow();
  void ShowSubRow();
  void OpenSubmenu(int item);
  void TravelTick();
  // One pass of the step engine: kNextLeg when a tab choice or a pick-up starts another leg
  // that the same tick plays on.
  enum class Leg { kDone, kNextLeg };
  Leg EngineTick();
  void SetFlashColour(desktop::DemoAction action);
  // The pointer's two half-moves of a tick; false when the step ended on the way.
  bool TravelOrLeave();
  void DrawPointer(const desktop::StepRecord& rec, desktop::DemoAction action);
  Leg ActOnArrival(const desktop::StepRecord& rec, desktop::DemoAction action);

  // A two-leg step (tab then target, pick-up then drop) is on its second leg.
  bool mSecondLeg = false;
};

// The drop-down rows of a menu-bar step: 20 row tops from the drop-down's top, 330 apart, 45
// lower after each of the menu's item groups. Rounded as the window rounds them.
std::array<int16_t, 21> DropDownRowTops(double dropdown_top, const std::vector<int>& groups, double scale_y);

}  // namespace xpexam::demo
