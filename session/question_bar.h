#pragma once
// The question bar: the small caption-less window, always on top, docked at the simulated
// desktop's lower right during a session. It shows the current question, lists the questions
// not yet completed, and hands each question to the desktop (LoadQuestion).
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "desktop/demonstration_request.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/menu.h"
#include "forms/picture_box.h"
#include "forms/screen_layout.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "frame/picture_button.h"
#include "session/question_bar_buttons.h"

namespace xpexam::session {

// The bar's controls, back to front. They belong to the window: FrmTm holds them as a private
// base, and other windows ask the bar by what they want done.
struct FrmTmControls {
  explicit FrmTmControls(forms::Form& form) : form_(form) {}
  forms::Form& form_;

  // Title strip.
  forms::Label lblMove{form_, "lblMove"};
  forms::Image ImgLogo1{form_, "ImgLogo1"};
  forms::Label LblBiao{form_, "LblBiao"};
  frame::PictureButton LblZXH{form_, "LblZXH"};
  frame::PictureButton LblClose{form_, "LblClose"};

  // Main panel.
  forms::PictureBox FrmZhuYa{form_, "FrmZhuYa"};
  forms::ControlArray<frame::PictureButton> CmdGN{FrmZhuYa, "CmdGN", bar_button::kAll.first, bar_button::kAll.last};
  forms::TextBox RtbTM{FrmZhuYa, "RtbTM"};
  frame::PictureButton Image2{FrmZhuYa, "Image2"};
  forms::Label LblTime{FrmZhuYa, "LblTime"};
  forms::PictureBox PTime{FrmZhuYa, "PTime"};
  forms::Label LblTimeJD{PTime, "LblTimeJD"};
  forms::Label LblName{FrmZhuYa, "LblName"};
  forms::Label LblIME{FrmZhuYa, "LblIME"};
  frame::PictureButton CmdEn{FrmZhuYa, "CmdEn"};
  forms::PictureBox PicUnit{FrmZhuYa, "PicUnit"};
  forms::Label LblUnit{PicUnit, "LblUnit"};

  // Mini bar, shown while the bar is collapsed.
  forms::PictureBox FrmZXH{form_, "FrmZXH"};
  forms::Label Label2{FrmZXH, "Label2"};
  forms::Label Command2{FrmZXH, "Command2"};

  // Number page over the main panel: a page of question numbers and the paging buttons.
  static constexpr int kNumbersPerPage = 40;
  forms::PictureBox FrmSelect{form_, "FrmSelect"};
  forms::ControlArray<frame::PictureButton> CmTNO{FrmSelect, "CmTNO", 1, kNumbersPerPage};
  frame::PictureButton CmdSelFH{FrmSelect, "CmdSelFH"};
  frame::PictureButton CmdSelLast{FrmSelect, "CmdSelLast"};
  frame::PictureButton CmdSelNext{FrmSelect, "CmdSelNext"};

  // Candidate panel over the main panel (exams).
  forms::PictureBox FrmKSXX{form_, "FrmKSXX"};
  forms::Image Image1{FrmKSXX, "Image1"};
  forms::ControlArray<forms::Label> Label1{FrmKSXX, "Label1", 0, 5};
  forms::Label KsName1{FrmKSXX, "KsName1"};
  forms::Label KsZWH1{FrmKSXX, "KsZWH1"};
  forms::Label KsCC1{FrmKSXX, "KsCC1"};
  forms::Label KsDAH1{FrmKSXX, "KsDAH1"};
  forms::Label KsKM1{FrmKSXX, "KsKM1"};
  forms::Label KsSFZ1{FrmKSXX, "KsSFZ1"};
  frame::PictureButton CmdKSFH{FrmKSXX, "CmdKSFH"};

  forms::Timer TimerREDO{form_, "TimerREDO", 100, false};
  forms::Timer TimKsModel{form_, "TimKsModel", 500, true};
  forms::Timer TimStartYS{form_, "TimStartYS", 100, false};
  // The exam clock; its tick belongs to the exam windows (question_bar_exam.cpp).
  forms::Timer TimeKS{form_, "TimeKS", 60000, true};

  // The keyboard-layout menu: "英语（美国）", then one item per input method (mCn1 to mCn10).
  forms::MenuItem mIme{form_, "mIme"};
  forms::MenuItem mEng{mIme, "mEng"};
  std::vector<std::unique_ptr<forms::MenuItem>> mCn;  // mCn[k - 1] is mCnk
};

// The bar's form variables: the number page shown, the demonstration's start ticks, the
// keyboard layouts listed.
struct FrmTmVars {
  int16_t mCurPage = 0;
  int16_t mLastPage = 0;
  int16_t mDemoTicks = 0;
  std::array<uint32_t, 17> mLayouts{};  // positions 1 to 16
  int16_t mNextImeItem = 1;
};

class FrmTm : public forms::FormOf<FrmTm>, private FrmTmControls, private FrmTmVars {
 public:
  static constexpr double kDesignWidth = 4980;
  static constexpr double kDesignHeight = 3630;

  FrmTm();
  // Leaving the program: the end of session in practice, the hand-in in an exam.
  void CloseRequested() override;

  // What TimStartYS's second tick does: the desktop and the bar give way to the demonstration
  // of the question shown, and come back at its end.
  void OpenDemonstration();

  // What other windows ask of the bar (question_bar_requests.cpp).
  // Question `question` was completed on the desktop: its status takes the completed bit, and
  // the unfinished count and the title follow.
  void QuestionCompleted(int16_t question);
  // The demonstration of the question shown: its text, the bar kept above it, and the bar
  // back when it ends.
  desktop::DemonstrationRequest DemonstrationRequestForQuestion();
  // The demonstration ended: the bar re-reads the question and shows itself.
  void ResumeAfterDemo();
  // The bar back at its design size docked at the restored desktop, the mini bar hidden (the
  // mini bar's restore button).
  void RestoreBar();
  // The mini bar docked at the desktop's lower left.
  void DockMiniBar();
  // A practice started from the home screen: the bar reads the first question at its next tick,
  // watches the session kind and shows itself.
  void BeginPractice();
  // The bar reads the current question at its next tick (TimerREDO).
  void ReadQuestionAtNextTick();
  // The unit panel and the function buttons follow the run mode at the next tick (TimKsModel).
  void FollowRunModeAtNextTick();
  // The demonstration comes up on the second tick from now (TimStartYS).
  void ArmDemonstration();
  // The exam clock stops: a session that turned practice has no time limit.
  void StopExamClock();
  // An exam that turned practice at once: the practice faces of buttons 3 and 11 (a missing
  // face leaves a button as it was), the unit panel and the practice buttons.
  void ShowPracticeButtons();
  // The mini bar stands in for the collapsed bar.
  bool Collapsed() const;
  // A redo of a handed-in paper's wrong questions, set up in the plan: only their numbers, the
  // practice's panel, no clock; the bar reads the first question at its next tick.
  void BeginRedo();
  // The review of the handed-in paper as practice: the practice's panel, no clock; the bar
  // reads the question at its next tick.
  void BeginReview();

 protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;
  void Form_KeyUp(int& key_code, int shift) override;

 private:
  // Tests reach the controls, the form variables and the handlers through it.
  friend struct FrmTmTestAccess;

  // Shows the cursor's question in the bar and hands it to the desktop.
  void LoadQuestion();
  // The function buttons' dispatcher (bar_button).
  void CmdGN_Click(int index);
  // Shows page mCurPage of the number page.
  void ShowNumberPage();
  // Arms TimStartYS; the demonstration comes up on its second tick.
  void StartDemo();
  // The end of a session from the bar: saves the records, closes the desktop and the bar and
  // shows the home screen.
  void SaveAndExit();

  // The unfinished count and the title as the statuses stand.
  void RefreshProgress();
  void LayOut();
  // The button faces of the data folder.
  void LoadFaces();
  std::string Title() const;
  // The layout each item of mIme stands for: 0 for mEng, K for mCnK.
  std::array<uint32_t, 11> ime_layouts_{};
  void Image2_Click();
  void CmTNO_Click(int index);
  void CmdSelLast_Click();
  void CmdSelNext_Click();
  void CmdSelFH_Click();
  void CmdKSFH_Click();
  void TimStartYS_Timer();
  void LayOutPanels();
  // Exam parts (question_bar_exam.cpp).
  void HandIn();
  void SeeAnswerNow();
  void TimeKS_Timer();
  void LblZXH_Click();
  void Command2_Click();
  void lblMove_MouseDown(int button);
  void Label2_MouseDown(int button);
  void FrmZXH_MouseDown(int button);
  void CmdEn_Click();
  void BuildImeMenu();
  void LblIME_Click();
  void ChooseLayout(uint32_t layout);
  void LblUnit_Click();
  void TimerREDO_Timer();
  void TimKsModel_Timer();
};

// "未完成的题目" followed by " " and i for every session question i not yet completed, in
// ascending order.
std::string UnfinishedQuestionsCaption();

// The bar docked at the desktop's lower right with its current size.
void DockBar();

// After a change of the screen's size: the bar, or its mini bar, docked at the desktop before
// the change is docked at it again.
void KeepBarDocked(const forms::ScreenChange& change);

// The desktop back in the normal state and shown (the bar stays above it).
void RestoreDesktop();

}  // namespace xpexam::session
