#pragma once
// The score report of a mock exam: scores the handed-in paper, writes the learner's records
// (bookmarks, the paper's wrong answers, the wrong-answer list, the paper's history) and offers
// a review of the paper, the way back to the paper list and a redo of the wrong questions.
#include <string>

#include "desktop/session_plan.h"
#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/timer.h"
#include "frame/picture_button.h"
#include "platform/bounded.h"

namespace xpexam::session {

// The score of `completed` questions at 2.5 points each, in its shortest decimal form.
std::string ScoreText(int completed);

// The score report's controls. They belong to the window: FrmChengji holds them as a private base.
struct FrmChengjiControls {
  explicit FrmChengjiControls(forms::Form& form) : form_(form) {}
  forms::Form& form_;
  forms::PictureBox Picture1{form_, "Picture1"};
  frame::PictureButton Command1{Picture1, "Command1"};  // review this paper
  frame::PictureButton Command2{Picture1, "Command2"};  // back to the paper list
  frame::PictureButton Command3{Picture1, "Command3"};  // redo the wrong questions
  forms::Label Label1{Picture1, "Label1"};
  forms::Frame Frame1{Picture1, "Frame1"};
  forms::ControlArray<frame::PictureButton> CmTNO{Frame1, "CmTNO", 1, desktop::kPaperQuestions};
  forms::Label LblTiMuYQ{Picture1, "LblTiMuYQ"};
  forms::Timer Timer1{form_, "Timer1", 100, true};
};

class FrmChengji : public forms::FormOf<FrmChengji>, private FrmChengjiControls {
 public:
  FrmChengji();

 protected:
  void Form_Load() override;
  void Form_QueryUnload(int& cancel, int unload_mode) override;

 private:
  // Tests reach the controls through it.
  friend struct FrmChengjiTestAccess;

  void LayOut();
  void ScorePaper();
  void ReadQuestionTexts();
  void Timer1_Timer();
  void CmTNO_Click(int index);
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  // Assembles the paper's wrong questions into the assembled slot and starts their practice.
  void RedoWrongQuestions();

  // The shown text of each question of the paper, for the question line under its button.
  platform::BoundedArray<std::string, 1, desktop::kPaperQuestions> mQuestionText;
  // errno of the first record of the hand-in that could not be written; 0 when all were.
  int mRecordWriteError = 0;
};

}  // namespace xpexam::session
