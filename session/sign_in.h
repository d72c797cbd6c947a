#pragma once
// The simulated sign-in before a mock exam: a seat number and an identity-card number are typed,
// a confirmation page shows the candidate's data while a progress strip fills, then the exam
// opens at question 1. Nothing typed is checked.
#include <string>

#include "forms/form.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/text_box.h"
#include "forms/timer.h"

namespace xpexam::session {

// The identity-card number the ID box holds before the learner types.
inline constexpr const char* kSampleIdCard = "110101198001011234";

// The last 2 characters of "00" followed by the trimmed seat text.
std::string SeatNumber(const std::string& typed);
// The last 18 characters of the sample number followed by the trimmed ID text.
std::string IdCardNumber(const std::string& typed);

// The sign-in window's controls. They belong to the window: FrmLogon holds them as a private base.
struct FrmLogonControls {
  explicit FrmLogonControls(forms::Form& form) : form_(form) {}
  forms::Form& form_;
  forms::PictureBox Picture1{form_, "Picture1"};
  forms::TextBox TxtZwh{Picture1, "TxtZwh"};
  forms::TextBox TxtSFZ{Picture1, "TxtSFZ"};
  forms::Label CmdLog{Picture1, "CmdLog"};
  forms::Label CmdExit{Picture1, "CmdExit"};

  forms::PictureBox Picture2{form_, "Picture2"};
  forms::Label LblName{Picture2, "LblName"};
  forms::Label LblZwh{Picture2, "LblZwh"};
  forms::Label LblCC{Picture2, "LblCC"};
  forms::Label LblKm{Picture2, "LblKm"};
  forms::Label LblSfz{Picture2, "LblSfz"};
  forms::Label LblDah{Picture2, "LblDah"};
  forms::Label LblDate{Picture2, "LblDate"};
  forms::PictureBox P2{Picture2, "P2"};
  forms::Label LJD{P2, "LJD"};

  forms::Timer Timer1{form_, "Timer1", 100, true};
  forms::Timer Timer2{form_, "Timer2", 100, false};
};

class FrmLogon : public forms::FormOf<FrmLogon>, private FrmLogonControls {
 public:
  FrmLogon();
  // Leaving the program is the exit on the sign-in page; the confirmation page has none.
  void CloseRequested() override;

 protected:
  void Form_Load() override;

 private:
  // Tests reach the controls through it.
  friend struct FrmLogonTestAccess;

  void TxtSFZ_KeyPress(int& key_ascii);
  void CmdLog_Click();
  void CmdExit_Click();
  void Timer1_Timer();
  void Timer2_Timer();
};

}  // namespace xpexam::session
