// The home screen's image buttons: their faces and places, the dispatcher and the tabs (the
// unit panel is in unit_panel.cpp).
#include <string>

#include "forms/app.h"
#include "frame/data_picture.h"
#include "frame/installation.h"
#include "frame/message_box.h"
#include "frame/settings.h"
#include "home/frame_dialogs.h"
#include "home/home_screen.h"
#include "home/home_buttons.h"
#include "platform/failure.h"
#include "platform/shell.h"
#include "platform/strings.h"

namespace xpexam::home {
namespace {

using frame::DataPictureOrNone;
using frame::ScaleX;
using frame::ScaleY;
using platform::TryReport;

}  // namespace

void FrmFengmian::LayOutButtons() {
  for (int i = 0; i <= 99; ++i) {
    ClickBotn[i].SetMousePointer(forms::PointerStyle::kCustom);
    if (auto picture = DataPictureOrNone("9l0015", kBuildTag)) ClickBotn[i].SetMouseIcon(picture);
  }
  for (int i : {0, 1, 9, 10}) ClickBotn[i].SetVisible(false);
  ClickBotn[8].SetVisible(true);
  for (int i = 0; i <= 48; ++i)
    if (auto picture = DataPictureOrNone(ButtonFace(i), kBuildTag)) ClickBotn[i].SetPicture(picture);

  // Window buttons, and their twins on the tab bar over them.
  ClickBotn[2].Move(Width() - ScaleX(825), ScaleY(90), ScaleX(330), ScaleY(330));
  ClickBotn[3].Move(Width() - ScaleX(420), ScaleY(90), ScaleX(330), ScaleY(330));
  for (int i : {13, 14}) {
    const int twin = i - 11;
    ClickBotn[i].Move(ClickBotn[twin].Left(), ClickBotn[2].Top(), ClickBotn[2].Width(), ClickBotn[2].Height());
  }

  // Home tiles and the link labels under them.
  const std::string layout = platform::Trim(frame::installation().settings(34));
  if (layout == "2") {
    for (int i : {4, 5})
      ClickBotn[i].Move(ScaleX(i == 4 ? 2400 : 6900), ScaleY(3000), ScaleX(2250), ScaleY(2250));
    for (int i : {6, 7}) ClickBotn[i].SetVisible(false);
    for (int i = 17; i <= 21; ++i) {
      LblInfo[i].SetCaption("");
      LblInfo[i].Move(ScaleX(i % 2 == 1 ? 1440 : 3030), ScaleY(6840 + 600 * ((i - 17) / 2)), ScaleX(1380), ScaleY(300));
    }
    LblInfo[21].Move(ScaleX(480), ScaleY(6570), ScaleX(2820));
  } else {
    for (int i = 4; i <= 7; ++i)
      ClickBotn[i].Move(ScaleX(750 + 2700 * (i - 4)), ScaleY(3840), ScaleX(2250), ScaleY(2400));
    for (int i = 17; i <= 21; ++i) LblInfo[i].SetVisible(false);
  }

  const int bottom_left[] = {7800, 9720, 10680};
  int k = 0;
  for (int i : {8, 11, 12}) {
    const int left = bottom_left[k++];
    ClickBotn[i].Move(ScaleX(left), ScaleY(7320), ScaleX(540), ScaleY(825));
  }
  for (int i = 15; i <= 19; ++i)
    ClickBotn[i].Move(ScaleX(225 + 1305 * (i - 15)), ScaleY(435), ScaleX(1230), ScaleY(1200));

  struct Place { int index, left, top, width, height; };
  for (const Place& p : {Place{20, 9000, 5880, 1800, 600}, Place{21, 9750, 5850, 1800, 600},
                         Place{22, 8880, 2310, 1800, 600}, Place{23, 6240, 3300, 1200, 375},
                         Place{24, 8880, 2310, 1800, 600}, Place{25, 6240, 3300, 1200, 375}})
    ClickBotn[p.index].Move(ScaleX(p.left), ScaleY(p.top), ScaleX(p.width), ScaleY(p.height));
  for (int i : {0, 1, 44, 45, 46}) ClickBotn[i].SetVisible(false);
}

void FrmFengmian::ShowTab(int index) {
  const int tab = index <= 7 ? index + 12 : index;  // the tab bar's button of the tab
  forms::PictureBox* panels[] = {&PicTiKu, &PicKaCH, &PicBiaoZhi, &PicCuoTi};
  PicTOP.SetVisible(true);
  panels[tab - button::kUnitsTab]->SetVisible(true);
  for (int k = 0; k < 4; ++k)
    if (k != tab - button::kUnitsTab) panels[k]->SetVisible(false);
  PicHelp.SetVisible(false);
  for (int i = 15; i <= 19; ++i) ClickBotn[i].SetEnabled(true);
  ClickBotn[tab].SetEnabled(false);
  if (tab == button::kPapersTab) ChoosePaperView();
  if (tab == button::kUnitsTab) {
    // The first unit with more than a fifth left to do, else the last unit.
    int u = 0;
    TryReport(kClickTag, [&] {
      for (;; ++u) {
        const double n = platform::Val(frame::installation().unitTable(u, 2)), f = platform::Val(frame::installation().unitTable(u, 3));
        if (n == 0 || f / n > 0.2) break;
      }
    });
    if (u > frame::installation().unitCount() - 1) u = frame::installation().unitCount() - 1;
    ClickBotn_Click(50 + u);
  }
  PicAd.SetVisible(true);
}

void FrmFengmian::ShowHomeView() {
  for (forms::PictureBox* p : {&PicTOP, &PicTiKu, &PicKaCH, &PicBiaoZhi, &PicCuoTi, &PicHelp})
    p->SetVisible(false);
  for (int i = 15; i <= 19; ++i) ClickBotn[i].SetEnabled(true);
  PicAd.SetVisible(false);
}

void FrmFengmian::ConfirmExit() {
  if (frame::AskInMessageBox(kClickTag, "退出系统", frame::kQuestionIcon, "\r\n\r\n\r\n您确实要退出学习软件吗？"))
    forms::End();
}

void FrmFengmian::ClickBotn_Click(int index) {
  using namespace button;
  if (index == kMinimize || index == kTabBarMinimize) {
    SetWindowState(forms::WindowSize::kMinimized);
  } else if (index == kExit || index == kTabBarExit) {
    ConfirmExit();
  } else if (kHomeTiles.Holds(index) || kPanelTabs.Holds(index)) {
    ShowTab(index);
  } else if (index == kUpdate) {
    ShowUpdateWindow();
  } else if (index == kHelp) {
    PicTOP.SetVisible(true);
    PicHelp.SetVisible(true);
    for (forms::PictureBox* p : {&PicTiKu, &PicKaCH, &PicBiaoZhi, &PicCuoTi})
      p->SetVisible(false);
    PicAd.SetVisible(true);
  } else if (index == kWebsite) {
    OpenLink(frame::installation().settings(2), kClickTag);
  } else if (index == kHomeTab) {
    ShowHomeView();
  } else if (index == kStartUnitPractice) {
    StartUnitPracticeClick();
  } else if (index == kNewRandomPaper) {
    NewRandomPaper();
  } else if (kPaperViews.Holds(index)) {
    ShowPaperView(index);
  } else if (kPapers.Holds(index)) {
    StartPaper(index);
  } else if (kHelpTopics.Holds(index)) {
    ShowHelpTopic(index);
  } else if (index == kBookmarkPractice || index == kWrongPractice) {
    StartRecordPractice(index);
  } else if (index == kBookmarkClear || index == kWrongClear) {
    ClearRecords(index);
  } else if (kBookmarkFilters.Holds(index) || kWrongFilters.Holds(index)) {
    ToggleReviewFilter(index);
  } else if (kUnitFilters.Holds(index)) {
    ChooseFilter(index);
  } else if (kUnitPages.Holds(index)) {
    const int k = index - kUnitPages.first;
    mCurUnit = 10 * k;
    ClickBotn_Click(kUnits.first + 10 * k);
    ShowUnitPage(k + 1);
  } else if (index == kAllUnits) {
    mCurUnit = -1;
    ShowUnitProgress(-1);
    for (int i = kAllUnits; i <= kUnits.last; ++i) ClickBotn[i].SetEnabled(true);
    ClickBotn[kAllUnits].SetEnabled(false);
  } else if (kUnits.Holds(index)) {
    ChooseUnit(index);
  }
}

}  // namespace xpexam::home
