#pragma once
// The home screen: the program's main window between sessions. Its load lays it out, reads the
// banner file and builds the screen from the settings and the record files (BuildHomeScreen).
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/control_array.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/timer.h"
#include "forms/web_browser.h"
#include "home/image_buttons.h"
#include "platform/shell.h"

namespace xpexam::home {

// A unit button's caption: number, title and blanks in exactly 25 columns of the system code
// page, a double-byte character never split.
std::string UnitButtonCaption(int unit, const std::string& title);

// The link a footer or link label opens: settings entry 1 to 4 by the label, or the built-in
// link of that kind when entry 26 starts with "2099"; "" for a label that opens none.
std::string InfoLink(int index);

// The home screen's controls. They belong to the window: FrmFengmian holds them as a private
// base, and other windows ask the home screen by what they want done.
struct FrmFengmianControls {
  explicit FrmFengmianControls(forms::Form& form) : form_(form) {}
  forms::Form& form_;
  // Footer labels 0 to 3 on the lower edge; link labels 17 to 21 over the home view.
  forms::ControlArray<forms::Label> LblInfo{form_, "LblInfo", {0, 1, 2, 3, 17, 18, 19, 20, 21}};
  // The picture across the top of the home view; the tab bar and its drag strip.
  forms::PictureBox picShouYe{form_, "picShouYe"};
  forms::PictureBox PicTOP{form_, "PicTOP"};
  forms::Label lblMove{PicTOP, "lblMove"};
  forms::Label LblCaption{PicTOP, "LblCaption"};
  // The five panels, stacked on one rectangle below the tab bar.
  forms::PictureBox PicTiKu{form_, "PicTiKu"};
  forms::PictureBox PicKaCH{form_, "PicKaCH"};
  forms::PictureBox PicBiaoZhi{form_, "PicBiaoZhi"};
  forms::PictureBox PicCuoTi{form_, "PicCuoTi"};
  forms::PictureBox PicHelp{form_, "PicHelp"};
  // The unit panel's pictures, bars and progress labels.
  forms::Image PicUnitLeft{PicTiKu, "PicUnitLeft"};
  forms::Image ImgUnitGezi{PicTiKu, "ImgUnitGezi"};
  forms::Image imgPicIII{PicTiKu, "imgPicIII"};
  forms::Image ImgUnitD{PicTiKu, "ImgUnitD"};
  forms::Image ImgUnitC{PicTiKu, "ImgUnitC"};
  forms::ControlArray<forms::Label> LblUnitDQCAP{PicTiKu, "LblUnitDQCAP", 0, 4};
  // The paper panel: one row per paper 0 to 29, the random-paper page and its empty note.
  forms::Image PicKaCHLeft{PicKaCH, "PicKaCHLeft"};
  forms::Image ImgSuiJi{PicKaCH, "ImgSuiJi"};
  forms::ControlArray<forms::Image> ImgShiJuan{PicKaCH, "ImgShiJuan", 0, 29};
  forms::ControlArray<forms::Label> LblShiJuanBiao{PicKaCH, "LblShiJuanBiao", 0, 29};
  forms::ControlArray<forms::Label> LblShiJuanTime{PicKaCH, "LblShiJuanTime", 0, 29};
  forms::ControlArray<forms::Label> LblShiJuanSSSS{PicKaCH, "LblShiJuanSSSS", 0, 29};
  forms::ControlArray<forms::Label> LblShiJuanScore{PicKaCH, "LblShiJuanScore", 0, 29};
  forms::ControlArray<forms::Label> LblShiJuanCCC{PicKaCH, "LblShiJuanCCC", 0, 29};
  forms::ControlArray<forms::Label> LblShiJuanCuoTi{PicKaCH, "LblShiJuanCuoTi", 0, 29};
  forms::ControlArray<forms::Label> LblShiJuanDel{PicKaCH, "LblShiJuanDel", 0, 29};
  forms::Label LblNoHis{PicKaCH, "LblNoHis"};
  // The bookmark and wrong-answer panels: background and counters not reviewed / reviewed.
  forms::Image ImgBiaoZhiBack{PicBiaoZhi, "ImgBiaoZhiBack"};
  forms::Label LblBiaoZhiWei{PicBiaoZhi, "LblBiaoZhiWei"};
  forms::Label LblBiaoZhiYI{PicBiaoZhi, "LblBiaoZhiYI"};
  forms::Image ImgCuoTiBack{PicCuoTi, "ImgCuoTiBack"};
  forms::Label LblCuoTiWei{PicCuoTi, "LblCuoTiWei"};
  forms::Label LblCuoTiYI{PicCuoTi, "LblCuoTiYI"};
  // The help panel: its left strip, the topic's title, and the topic page.
  forms::Image PicHelpLeft{PicHelp, "PicHelpLeft"};
  forms::Label LlbHelpCAP{PicHelp, "LlbHelpCAP"};
  forms::WebBrowser WebHelpCON{PicHelp, "WebHelpCON"};
  // The banner strip and its text.
  forms::PictureBox PicAd{form_, "PicAd"};
  forms::Label LblAD{PicAd, "LblAD"};
  // Image buttons 0 to 99, each on the panel it belongs to.
  ImageButtonArray ClickBotn{"ClickBotn"};
  // Armed by the end of a session before it shows the window: presses the session exit's return button once.
  forms::Timer TimFH{form_, "TimFH", 100, false};
  // Runs while a link handed to the desktop's handler is followed (link_opening.cpp).
  forms::Timer TimLink{form_, "TimLink", 100, false, forms::Timer::Unlisted{}};
};

class FrmFengmian : public forms::FormOf<FrmFengmian>, private FrmFengmianControls {
 public:
  FrmFengmian();
  // A session ended with a list to return to: the return timer presses the session exit's
  // return button at its next tick.
  void ArmReturn() { TimFH.SetEnabled(true); }
  // Leaving the program is the exit button, with its question.
  void CloseRequested() override { ConfirmExit(); }

  // The unit chosen on the unit panel (-1 all units) and the practice filter (0 all, 1 learned,
  // 2 not learned).
  int CurUnit() const { return mCurUnit; }
  int UnitFilter() const { return mUnitFilter; }
  int LastSprintPaper() const { return mLastSprintPaper; }
  int RandomPaperCount() const { return mRandomPaperCount; }
  // Review filters of the two record panels: bit 1 not reviewed, bit 2 reviewed.
  int BookmarkFilter() const { return mBookmarkFilter; }
  int WrongFilter() const { return mWrongFilter; }

  // The banner's link, as the banner file's third line holds it.
  const std::string& BannerLink() const { return mBannerLink; }

 protected:
  void Form_Load() override;

 private:
  // Tests reach the controls and the handlers through it.
  friend struct FrmFengmianTestAccess;

  // The button dispatcher of the home screen's image buttons.
  void ClickBotn_Click(int index);
  void LblInfo_Click(int index);
  // The paper row links: practise paper index's wrong answers; delete random paper index.
  void LblShiJuanCCC_Click(int index);
  void LblShiJuanDel_Click(int index);
  // Fills the home screen from the installed question bank, the settings and the records.
  // Ends the program when the bank belongs to another module.
  void BuildHomeScreen();
  // Hands a link to the desktop's handler and follows it: when no program takes it, the
  // program's message box names the address so that the learner can open it by hand.
  void OpenLink(const std::string& address, std::string_view tag);
  void LoadBanner();
  forms::Container& ButtonContainer(int index);
  void LayOutButtons();
  void LayOutUnitPanel();
  void ShowUnitProgress(int unit);
  void ChooseUnit(int index);
  void ShowUnitPage(int page);
  void ChooseFilter(int index);
  void StartUnitPracticeClick();
  void ShowTab(int index);
  void ShowHomeView();
  void ConfirmExit();
  struct RecordPanel;
  RecordPanel Panel(int index);
  void LayOutRecordPanels();
  void LayOutHelp();
  void CountRandomPapers();
  void LayOutPaperPanel();
  void ShowPaperView(int index);
  void ChoosePaperView();
  void StartPaper(int index);
  void NewRandomPaper();
  void RecordNewRandomPaper(const std::string& list);
  void ShowHelpTopic(int index);
  void ToggleReviewFilter(int index);
  void StartRecordPractice(int index);
  void ClearRecords(int index);
  void LblAD_Click();
  void TimFH_Timer();
  void TimLink_Timer();

  struct FollowedLink {
    std::shared_ptr<const platform::ShellOpening> opening;
    std::string address;
    std::string tag;
    int ticks = 0;
  };
  std::vector<FollowedLink> mFollowedLinks;
  std::string mBannerLink;
  int mCurUnit = -1;
  int mUnitFilter = 0;
  int mLastSprintPaper = 7;
  int mRandomPaperCount = 0;
  std::vector<std::string> mPaperHistory = std::vector<std::string>(100);
  int16_t mBookmarkFilter = 1;
  int16_t mWrongFilter = 1;
};

}  // namespace xpexam::home
