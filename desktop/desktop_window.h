#pragma once
// The simulated Windows XP desktop: the window on which the learner carries out every step of
// a question. Its background is the question's screen picture; over it lie the overlay
// pictures, the invisible click regions (the target box Label1 and the Label4 box), the hint
// frames, the answer boxes, the simulated menu bar, the tab strip and the two lists.
//
// LoadStep lays the window out for the step the cursor is on, the parts the demonstration shows
// too through the step scene; every handler compares the learner's action with the record and
// calls AdvanceStep on a match.
#include <array>
#include <utility>
#include <cstdint>
#include <optional>
#include <string>

#include "desktop/list_widgets.h"
#include "desktop/menu_bar.h"
#include "desktop/step_record.h"
#include "desktop/step_scene.h"
#include "desktop/tab_strip.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/menu.h"
#include "forms/picture_box.h"
#include "forms/shape.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "platform/bounded.h"

namespace xpexam::desktop {

// The desktop's controls, back to front. They belong to the window: FrmMain holds them as a
// private base, and other windows ask the desktop by what they want done.
struct FrmMainControls {
  explicit FrmMainControls(forms::Form& form) : form_(form) {}
  forms::Form& form_;
  forms::Image ImgLogo{form_, "ImgLogo"};
  forms::Image Image1{form_, "Image1"};
  forms::Image Image2{form_, "Image2"};
  forms::Image Image3{form_, "Image3"};
  forms::Image Image4{form_, "Image4"};
  forms::Image Image5{form_, "Image5"};
  forms::Image ImgMenuSel{form_, "ImgMenuSel"};
  forms::Image ImgShuMenu{form_, "ImgShuMenu"};
  forms::Image ImgSubMenu{form_, "ImgSubMenu"};
  forms::Image ImgSubSel{form_, "ImgSubSel"};
  forms::Image ImgMenuSys{form_, "ImgMenuSys"};
  forms::Label LblSuccess{form_, "LblSuccess"};
  forms::Label lblMove{form_, "lblMove"};
  forms::Label LHelp{form_, "LHelp"};
  forms::Shape Shape1{form_, "Shape1"};
  forms::Shape Shape2{form_, "Shape2"};
  forms::Shape Shape4{form_, "Shape4"};
  forms::Shape Shape6{form_, "Shape6"};
  forms::Label Label4{form_, "Label4"};
  forms::ControlArray<forms::Label> LblXXK{form_, "LblXXK", 0, 13};
  forms::ControlArray<forms::Label> LMainMenu{form_, "LMainMenu", 1, 9};
  forms::ControlArray<forms::Label> LblShuMenu{form_, "LblShuMenu", 1, 20};
  forms::ControlArray<forms::Label> LblSubSel{form_, "LblSubSel", 1, 20};
  forms::Label Label1{form_, "Label1"};
  forms::TextBox Text1{form_, "Text1"};
  forms::TextBox Text2{form_, "Text2"};
  forms::TextBox Text3{form_, "Text3"};
  forms::TextBox Text4{form_, "Text4"};
  forms::ListBox LstLA{form_, "LstLA"};
  forms::PictureBox PicList{form_, "PicList"};
  forms::Image ImgFuGai{PicList, "ImgFuGai"};
  forms::Image ImgSelAD{PicList, "ImgSelAD"};
  forms::ControlArray<forms::Image> ImgLiN{PicList, "ImgLiN", 0, 13};
  forms::ControlArray<forms::Label> LblADD{PicList, "LblADD", 0, 13};
  forms::Label LblADDmyXZ{PicList, "LblADDmyXZ"};

  forms::Timer Timer2{form_, "Timer2", 100, false};
  forms::Timer Timer3{form_, "Timer3", 1000, false};

  // The context menu, filled by FillContextMenu before each opening.
  forms::MenuItem wm100{form_, "wm100"};
  forms::MenuItem sVemoMain1{wm100, "sVemoMain1"};
  forms::ControlArray<forms::MenuItem> sVemoSub1{sVemoMain1, "sVemoSub1"};
  forms::ControlArray<forms::MenuItem> sVemoInde1{wm100, "sVemoInde1"};
  forms::MenuItem sVemoMain2{wm100, "sVemoMain2"};
  forms::ControlArray<forms::MenuItem> sVemoSub2{sVemoMain2, "sVemoSub2"};
  forms::ControlArray<forms::MenuItem> sVemoInde2{wm100, "sVemoInde2"};
  forms::MenuItem sVemoMain3{wm100, "sVemoMain3"};
  forms::ControlArray<forms::MenuItem> sVemoSub3{sVemoMain3, "sVemoSub3"};
  forms::ControlArray<forms::MenuItem> sVemoInde3{wm100, "sVemoInde3"};
  forms::MenuItem sVemoMain4{wm100, "sVemoMain4"};
  forms::ControlArray<forms::MenuItem> sVemoSub4{sVemoMain4, "sVemoSub4"};
  forms::MenuItem sVemoMain5{wm100, "sVemoMain5"};
  forms::ControlArray<forms::MenuItem> sVemoSub5{sVemoMain5, "sVemoSub5"};
  forms::ControlArray<forms::MenuItem> sVemoInde4{wm100, "sVemoInde4"};

};

// The desktop's form variables that its handlers set as the learner acts.
struct FrmMainVars {
  // Set at every load.
  std::string mExamDataPath;
  int16_t mMenuLeft = 0;
  int16_t mMenuTop = 0;
  int16_t mMenuWidth = 0;
  platform::BoundedArray<std::string, 1, 9> mMenuGroups;
  platform::BoundedArray<std::string, 1, 9> mMenuSubs;
  // The code in force: the record's own, or its right-button alternative once that button
  // went down on the target.
  int16_t mStepCode = 0;
  int16_t mPopupMenuNo = 0;
  int32_t mHandleX = 0;
  int16_t mHandleY = 0;
  int16_t mDragTargetX = 0;
  int16_t mDragTargetY = 0;
  int32_t mBandX = 0;
  int32_t mBandY = 0;
  bool mDragging = false;
  // The pointer moved with the button held since the drag's press: only then does its
  // release count.
  bool mDragMoved = false;
};

class FrmMain : public forms::FormOf<FrmMain>, private FrmMainControls, private FrmMainVars {
 public:
  // The simulated screen in design twips (800 x 600 pixels).
  static constexpr double kScreenWidth = 12000;
  static constexpr double kScreenHeight = 9000;

  // The menu bar, the tab strip and the two lists keep their state in these models, the step
  // scene the layout of the record; the controls show it.
 private:
  // Tests reach the controls, the form variables and the handlers through it.
  friend struct FrmMainTestAccess;

  StepScene scene_;
  MenuBar menu_bar_;
  TabStrip tab_strip_;
  ListStep list_step_;
  LocationList location_list_;

 public:
  // The current record; empty when the step could not be read.
  const StepRecord& Step() const { return step_; }
  // The menu-bar title last hovered while no menu was open, or last opened (1 to 9).
  int CurrentMenu() const { return menu_bar_.MenuNo(); }
  bool IsMenuOpen() const { return menu_bar_.MenuOpen(); }
  // The code of the drop-down item clicked last: menu * 1000 + its submenu * 100 + item.
  int32_t LastClickedMenuItem() const { return menu_bar_.MenuItemCode(); }
  // 125-129 and 130-134 of the last step with a non-zero parameter field: the target of a
  // menu-bar step, or the popup's X and Y of a context-menu step.
  int32_t MenuTargetOrPopupX() const { return menu_bar_.StepArg(); }
  int32_t PopupY() const { return menu_bar_.PopupY(); }
  // The record's target box size (design twips), kept from the last record that could give it.
  int16_t TargetBoxWidth() const { return scene_.TargetWidth(); }
  int16_t TargetBoxHeight() const { return scene_.TargetHeight(); }
  // The step's hint, as the tab strip restores it.
  const std::string& HintText() const { return scene_.HintText(); }
  // The back region's code: 125-129 of a "Q" record, else "NONO".
  const std::string& BackRegionCode() const { return tab_strip_.BackCode(); }

  FrmMain();

  // What other windows ask of the desktop (desktop_window_requests.cpp).
  // The learner asked for hints: the hint line and the target frames shown.
  void ShowHints();
  // Question k's background and overlay pictures (pictureIds), the step loader armed.
  void ShowQuestionPictures(long k);
  // The typed-answer box takes the focus.
  void FocusAnswerBox();

 private:
  // Loads the step the cursor is on and lays the window out for it.
  void LoadStep();
  // The learner's action matched the step: the next record, or the final one confirmed.
  void AdvanceStep();
  // Fills wm100 for mPopupMenuNo and the step code.
  void FillContextMenu();
  // Arranges a strip of more than seven tabs in two rows.
  void ShowTabRows();

  // Checks of the learner's actions; each compares the action with Step() and mStepCode.
  void Label1_MouseDown(int button, int shift, double x, double y);
  void Label1_MouseUp(int button, int shift, double x, double y);
  void Label1_DblClick();
  void Label1_MouseMove(int button, int shift, double x, double y);
  void Text1_Change();
  void Text2_Change();
  void Text3_Change();
  void Text4_Change();
  void Text1_KeyUp(int& key_code, int shift);
  void Text4_KeyUp(int& key_code, int shift);
  void Text1_MouseUp(int button, int shift, double x, double y);
  void Text1_GotFocus();
  // A typed answer confirmed by a release on the target box ("0026", "0028").
  void CheckTypedAnswerOnClick();
  void Label4_MouseDown(int button, int shift, double x, double y);
  void Label4_MouseMove(int button, int shift, double x, double y);
  void Label4_MouseUp(int button, int shift, double x, double y);
  void Image5_MouseMove(int button, int shift, double x, double y);
  void Image5_MouseUp(int button, int shift, double x, double y);
  void LMainMenu_MouseMove(int index, int button, int shift, double x, double y);
  void LMainMenu_MouseUp(int index, int button, int shift, double x, double y);
  void ImgMenuSys_Click();
  void LblShuMenu_MouseMove(int index, int button, int shift, double x, double y);
  void LblShuMenu_MouseUp(int index, int button, int shift, double x, double y);
  void LblSubSel_MouseMove(int index, int button, int shift, double x, double y);
  void LblSubSel_MouseUp(int index, int button, int shift, double x, double y);
  void sVemoSub_Click(int cascade, int index);
  void sVemoInde_Click(int group, int index);
  void LblXXK_Click(int index);
  void LstLA_Click();
  void ImgLiN_Click(int index);
  void LblADD_Click(int index);
  void LblADD_MouseMove(int index, int button, int shift, double x, double y);
  void LblADDmyXZ_Click();

 protected:
  void Form_Load() override;
  void Form_Click() override;
  void Form_MouseMove(int button, int shift, double x, double y) override;
  void Form_MouseUp(int button, int shift, double x, double y) override;
  void Form_KeyUp(int& key_code, int shift) override;

 private:
  // Overlay k (1 to 5): Image1 to Image5. Failure 9 outside.
  forms::Image& Overlay(long k);

  void WireHandlers();
  // Surface handlers.
  void Image1_Click() { CollapseLocationList(); }
  void Image1_MouseMove();
  void Image1_MouseUp() { CollapseLocationList(); }
  void Image2_Click() { CollapseLocationList(); }
  void Image2_MouseMove() { ShowTargetBox(); }
  void Image2_MouseUp() { CollapseLocationList(); }
  void Image3_Click() { CollapseLocationList(); }
  void Image3_MouseMove() { ShowTargetBox(); }
  void Image4_Click() { CollapseLocationList(); }
  void Image4_MouseMove() { ShowTargetBox(); }
  void Label1_Click();
  void lblMove_MouseDown(int button, int shift, double x, double y);
  void CollapseLocationList();
  void CloseMenus();
  void ShowTargetBox();

  // Stages of LoadStep, in load order.
  void ResetMenuBar();
  void LoadPictures();
  void SetUpTextBox();
  void SetUpMenuBar();
  void SetUpTabStep();
  void SetUpBackRegion();
  // The step-code set-up; false when a check completed the step inside it and the load of
  // the next record has taken over.
  bool SetUpStepCode(uint64_t load);
  bool SetUpList(uint64_t load);
  bool SetUpLocationList(uint64_t load);
  void SetUpPointerAndTooltip();
  // The controls of the menu bar, the tab strip and the lists shown as their models stand.
  void ShowMenuBar();
  void AfterMenuEvent(const MenuResponse& response);
  void ApplyTabRequest(const TabRequest& request, bool on_load);
  void ShowListStep();
  void ShowLocationList();
  void SetHintsVisible(bool shown);
  // The final record: the question is completed.
  void CompleteQuestion();
  // Tells of the step and comes above every other window.
  void ComeToFront();
  // A record that cannot be read: nothing of it is laid out and no check acts on the old one.
  void ForgetStep();

  // Counts the loads, so that a load can tell that a check inside it has loaded the next
  // record.
  uint64_t load_count_ = 0;
  StepRecord step_;
  // The record AdvanceStep has just read for the next step, with the step file it came from, so
  // that LoadStep does not read it again.
  std::optional<std::pair<std::string, std::string>> next_record_;
  // The examdata file each menu picture shows (ImgMenuSys, ImgMenuSel, ImgShuMenu, ImgSubMenu,
  // ImgSubSel), so that a picture is read again only when it changes.
  std::array<std::string, 5> menu_files_;
};

// Step `step` of question `question` from the session's step file (stepFile); nullopt when
// it cannot be read or lies beyond the question's own records.
std::optional<std::string> ReadQuestionStep(long question, long step);

}  // namespace xpexam::desktop
