#pragma once
// The home screen: the program's main window between sessions. Its load lays it out, reads the
// banner file and builds the screen from the settings and the record files (FengMainCsh).
#include <string>

#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/picture_box.h"

namespace xpexam::home {

class FrmFengmian : public forms::FormOf<FrmFengmian> {
 public:
  // Footer labels 0 to 3 on the lower edge; link labels 17 to 21 over the home view.
  forms::ControlArray<forms::Label> LblInfo{*this, "LblInfo", {0, 1, 2, 3, 17, 18, 19, 20, 21}};
  // The banner strip and its text.
  forms::PictureBox PicAd{*this, "PicAd"};
  forms::Label LblAD{PicAd, "LblAD"};

  FrmFengmian();

  // Fills the home screen from the installed question bank, the settings and the records.
  // Ends the program when the bank belongs to another module.
  void FengMainCsh();
  // The button dispatcher of the home screen's image buttons.
  void ClickBotn_Click(int index);
  void LblInfo_Click(int index);

  // The banner's link, as the banner file's third line holds it.
  const std::string& BannerLink() const { return mBannerLink; }

 protected:
  void Form_Load() override;

 private:
  void LoadBanner();
  void LblAD_Click();

  std::string mBannerLink;
};

}  // namespace xpexam::home
