// The home screen's image buttons: their faces and places, the dispatcher, the tabs and the
// unit panel.
#include <string>

#include "forms/app.h"
#include "frame/data_picture.h"
#include "frame/frm_qomsgbox.h"
#include "frame/module_state.h"
#include "frame/settings.h"
#include "home/frame_dialogs.h"
#include "home/frm_fengmian.h"
#include "home/home_buttons.h"
#include "home/session_files.h"
#include "home/unit_practice.h"
#include "platform/failure.h"
#include "platform/shell.h"
#include "platform/strings.h"

namespace xpexam::home {
namespace {

using frame::DataPicture;
using frame::gUnitTable;
using frame::ScaleX;
using frame::ScaleY;
using platform::TryReport;

constexpr std::string_view kBuildTag = "fengmaincsh";
constexpr std::string_view kClickTag = "clickbotn";

std::string Face(int index) { return "l200" + platform::ZeroPad(index, 2); }

// Columns of a character in the system code page: 2 for a double-byte character.
int Columns(unsigned char lead) { return lead < 0x80 ? 1 : 2; }

// Number of UTF-8 bytes of the character starting with lead.
size_t CharBytes(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  return 2;
}

}  // namespace

std::string UnitButtonCaption(int unit, const std::string& title) {
  // Exactly 25 columns: filled with blanks, cut without splitting a double-byte character.
  const std::string text = std::to_string(unit + 1) + "." + title + std::string(71, ' ');
  std::string caption;
  int width = 0;
  size_t at = 0;
  while (at < text.size() && width < 24) {
    const size_t n = CharBytes(static_cast<unsigned char>(text[at]));
    width += Columns(static_cast<unsigned char>(text[at]));
    caption += text.substr(at, n);
    at += n;
  }
  if (width == 24 && at < text.size())
    caption += Columns(static_cast<unsigned char>(text[at])) == 1 ? text.substr(at, 1) : " ";
  return caption;
}

void FrmFengmian::LayOutButtons() {
  for (int i = 0; i <= 99; ++i) {
    TryReport(kBuildTag, [&] { ClickBotn[i].SetMousePointer(forms::kCustomPointer); });
    TryReport(kBuildTag, [&] { ClickBotn[i].SetMouseIcon(DataPicture("9l0015")); });
  }
  for (int i : {0, 1, 9, 10}) TryReport(kBuildTag, [&] { ClickBotn[i].SetVisible(false); });
  TryReport(kBuildTag, [&] { ClickBotn[8].SetVisible(true); });
  for (int i = 0; i <= 48; ++i) TryReport(kBuildTag, [&] { ClickBotn[i].SetPicture(DataPicture(Face(i))); });

  // Window buttons, and their twins on the tab bar over them.
  TryReport(kBuildTag, [&] { ClickBotn[2].Move(Width() - ScaleX(825), ScaleY(90), ScaleX(330), ScaleY(330)); });
  TryReport(kBuildTag, [&] { ClickBotn[3].Move(Width() - ScaleX(420), ScaleY(90), ScaleX(330), ScaleY(330)); });
  for (int i : {13, 14}) {
    const int twin = i - 11;
    TryReport(kBuildTag, [&] {
      ClickBotn[i].Move(ClickBotn[twin].Left(), ClickBotn[2].Top(), ClickBotn[2].Width(), ClickBotn[2].Height());
    });
  }

  // Home tiles and the link labels under them.
  std::string layout;
  TryReport(kBuildTag, [&] { layout = platform::Trim(frame::gSettings[34]); });
  if (layout == "2") {
    for (int i : {4, 5})
      TryReport(kBuildTag, [&] {
        ClickBotn[i].Move(ScaleX(i == 4 ? 2400 : 6900), ScaleY(3000), ScaleX(2250), ScaleY(2250));
      });
    for (int i : {6, 7}) TryReport(kBuildTag, [&] { ClickBotn[i].SetVisible(false); });
    for (int i = 17; i <= 21; ++i)
      TryReport(kBuildTag, [&] {
        LblInfo[i].SetCaption("");
        LblInfo[i].Move(ScaleX(i % 2 == 1 ? 1440 : 3030), ScaleY(6840 + 600 * ((i - 17) / 2)), ScaleX(1380), ScaleY(300));
      });
    TryReport(kBuildTag, [&] { LblInfo[21].Move(ScaleX(480), ScaleY(6570), ScaleX(2820)); });
  } else {
    for (int i = 4; i <= 7; ++i)
      TryReport(kBuildTag, [&] { ClickBotn[i].Move(ScaleX(750 + 2700 * (i - 4)), ScaleY(3840), ScaleX(2250), ScaleY(2400)); });
    for (int i = 17; i <= 21; ++i) TryReport(kBuildTag, [&] { LblInfo[i].SetVisible(false); });
  }

  const int bottom_left[] = {7800, 9720, 10680};
  int k = 0;
  for (int i : {8, 11, 12}) {
    const int left = bottom_left[k++];
    TryReport(kBuildTag, [&] { ClickBotn[i].Move(ScaleX(left), ScaleY(7320), ScaleX(540), ScaleY(825)); });
  }
  for (int i = 15; i <= 19; ++i)
    TryReport(kBuildTag, [&] { ClickBotn[i].Move(ScaleX(225 + 1305 * (i - 15)), ScaleY(435), ScaleX(1230), ScaleY(1200)); });

  struct Place { int index, left, top, width, height; };
  for (const Place& p : {Place{20, 9000, 5880, 1800, 600}, Place{21, 9750, 5850, 1800, 600},
                         Place{22, 8880, 2310, 1800, 600}, Place{23, 6240, 3300, 1200, 375},
                         Place{24, 8880, 2310, 1800, 600}, Place{25, 6240, 3300, 1200, 375}})
    TryReport(kBuildTag, [&] { ClickBotn[p.index].Move(ScaleX(p.left), ScaleY(p.top), ScaleX(p.width), ScaleY(p.height)); });
  for (int i : {0, 1, 44, 45, 46}) TryReport(kBuildTag, [&] { ClickBotn[i].SetVisible(false); });
}

void FrmFengmian::LayOutUnitPanel() {
  TryReport(kBuildTag, [&] { PicUnitLeft.Move(0, PicTiKu.Height() - PicUnitLeft.Height() - ScaleY(30)); });
  TryReport(kBuildTag, [&] { PicUnitLeft.SetPicture(DataPicture("l20054")); });
  for (int i = 50; i <= 69; ++i) {
    const int u = i - 50;
    frame::vemoButton& button = ClickBotn[i];
    TryReport(kBuildTag, [&] { button.Move(ScaleX(15), ScaleY(870 + 525 * (u % 10)), ScaleX(2700), ScaleY(525)); });
    TryReport(kBuildTag, [&] { button.SetFontSize(ScaleX(9)); });
    TryReport(kBuildTag, [&] { button.SetForeColor(0); });
    TryReport(kBuildTag, [&] { button.SetCaption(UnitButtonCaption(u, gUnitTable(u, 1))); });
    TryReport(kBuildTag, [&] { button.SetPicture(DataPicture("l20045")); });
    if (i >= 60) TryReport(kBuildTag, [&] { button.SetVisible(false); });
  }
  TryReport(kBuildTag, [&] { ClickBotn[49].Move(ScaleX(15), 0, ScaleX(2700), ScaleY(870)); });
  TryReport(kBuildTag, [&] { ClickBotn[49].SetPicture(DataPicture("l20044")); });
  mCurUnit = -1;
  TryReport(kBuildTag, [&] { ClickBotn[47].Move(ScaleX(150), ScaleY(6270), ScaleX(1185), ScaleY(555)); });
  TryReport(kBuildTag, [&] { ClickBotn[47].SetCaption("1-10单元"); });
  TryReport(kBuildTag, [&] { ClickBotn[47].SetPicture(DataPicture("l20086")); });
  TryReport(kBuildTag, [&] { ClickBotn[48].Move(ScaleX(1365), ScaleY(6270), ScaleX(1185), ScaleY(555)); });
  TryReport(kBuildTag, [&] { ClickBotn[48].SetCaption("11-" + std::to_string(frame::gUnitCount) + "单元"); });
  TryReport(kBuildTag, [&] { ClickBotn[48].SetPicture(DataPicture("l20046")); });
  for (int i : {47, 48}) {
    TryReport(kBuildTag, [&] { ClickBotn[i].SetForeColor(0xFFFFFF); });
    TryReport(kBuildTag, [&] { ClickBotn[i].SetFontSize(ScaleX(9)); });
  }
  if (frame::gUnitCount <= 10) {
    TryReport(kBuildTag, [&] { ClickBotn[48].SetEnabled(false); });
    TryReport(kBuildTag, [&] { ClickBotn[48].SetCaption(""); });
    TryReport(kBuildTag, [&] { ClickBotn[47].SetCaption("1-" + std::to_string(frame::gUnitCount) + "单元"); });
  }
  TryReport(kBuildTag, [&] { ImgUnitGezi.Move(ScaleX(2730), ScaleY(1680)); });
  TryReport(kBuildTag, [&] { ImgUnitGezi.SetPicture(DataPicture("l20055")); });
  TryReport(kBuildTag, [&] { ImgUnitD.Move(ScaleX(5910), ImgUnitD.Top(), ScaleX(900)); });
  TryReport(kBuildTag, [&] { ImgUnitC.Move(ImgUnitD.Left() + ScaleX(1500), ImgUnitC.Top(), ScaleX(900)); });
  mUnitFilter = 0;
  for (int k = 0; k <= 2; ++k)
    TryReport(kBuildTag, [&] { ClickBotn[37 + k].Move(ScaleX(4485 + 1500 * k), ScaleY(5700), ScaleX(900), ScaleY(375)); });
  TryReport(kBuildTag, [&] { ClickBotn[37].SetPicture(DataPicture("l20087")); });
  TryReport(kBuildTag, [&] { imgPicIII.Move(ScaleX(3150), ScaleY(420)); });
  TryReport(kBuildTag, [&] { imgPicIII.SetPicture(DataPicture("l20064")); });
  TryReport(kBuildTag, [&] { LblUnitDQCAP[1].SetFontSize(ScaleX(12)); });
  TryReport(kBuildTag, [&] { LblUnitDQCAP[1].Move(ScaleX(4245), ScaleY(630)); });
  TryReport(kBuildTag, [&] { LblUnitDQCAP[0].SetFontSize(ScaleX(10)); });
  TryReport(kBuildTag, [&] { LblUnitDQCAP[0].Move(LblUnitDQCAP[1].Left(), ScaleY(975)); });
  TryReport(kBuildTag, [&] { LblUnitDQCAP[2].Move(ScaleX(4590), ScaleY(1740)); });
  TryReport(kBuildTag, [&] { LblUnitDQCAP[3].Move(ImgUnitD.Left() + ScaleX(240), LblUnitDQCAP[3].Top()); });
  TryReport(kBuildTag, [&] { LblUnitDQCAP[4].Move(ImgUnitC.Left() + ScaleX(240), LblUnitDQCAP[4].Top()); });
  ClickBotn_Click(49);
}

void FrmFengmian::ShowUnitProgress(int unit) {
  long total = 0, open = 0;
  TryReport(kClickTag, [&] {
    if (unit < 0) {
      LblUnitDQCAP[1].SetCaption("所有题库中题目");
      for (int u = 0; u <= 40; ++u) {
        total += platform::CLng(platform::Val(gUnitTable(u, 2)));
        open += platform::CLng(platform::Val(gUnitTable(u, 3)));
      }
    } else {
      LblUnitDQCAP[1].SetCaption("第" + std::to_string(unit + 1) + "单元 " + gUnitTable(unit, 1));
      total = platform::CLng(platform::Val(gUnitTable(unit, 2)));
      open = platform::CLng(platform::Val(gUnitTable(unit, 3)));
    }
  });
  TryReport(kClickTag, [&] { LblUnitDQCAP[2].SetCaption(std::to_string(total) + "题"); });
  TryReport(kClickTag, [&] { LblUnitDQCAP[3].SetCaption(std::to_string(total - open) + "题"); });
  TryReport(kClickTag, [&] { LblUnitDQCAP[4].SetCaption(std::to_string(open) + "题"); });
  // A choice without questions keeps the bars' heights (division by zero).
  TryReport(kClickTag, [&] {
    if (total == 0) platform::Fail(11, "Division by zero");
    ImgUnitC.SetHeight(ScaleY(static_cast<double>(open) / total * 3570));
  });
  TryReport(kClickTag, [&] {
    if (total == 0) platform::Fail(11, "Division by zero");
    ImgUnitD.SetHeight(ScaleY(static_cast<double>(total - open) / total * 3570));
  });
  TryReport(kClickTag, [&] { ImgUnitC.SetTop(ScaleY(5550) - ImgUnitC.Height()); });
  TryReport(kClickTag, [&] { ImgUnitD.SetTop(ScaleY(5550) - ImgUnitD.Height()); });
  TryReport(kClickTag, [&] { LblUnitDQCAP[3].SetTop(ImgUnitD.Top() - ScaleY(240)); });
  TryReport(kClickTag, [&] { LblUnitDQCAP[4].SetTop(ImgUnitC.Top() - ScaleY(240)); });
}

void FrmFengmian::ShowUnitPage(int page) {
  TryReport(kClickTag, [&] { ClickBotn[47].SetPicture(DataPicture(page == 1 ? "l20086" : "l20046")); });
  TryReport(kClickTag, [&] { ClickBotn[48].SetPicture(DataPicture(page == 2 ? "l20086" : "l20046")); });
  for (int i = 50; i <= 69; ++i) TryReport(kClickTag, [&] { ClickBotn[i].SetVisible((i < 60) == (page == 1)); });
  for (int i = 50 + frame::gUnitCount; i <= 69; ++i) TryReport(kClickTag, [&] { ClickBotn[i].SetVisible(false); });
}

void FrmFengmian::ChooseUnit(int index) {
  mCurUnit = index - button::kUnits.first;
  ShowUnitPage(index < button::kUnits.first + 10 ? 1 : 2);
  ShowUnitProgress(mCurUnit);
  for (int i = button::kAllUnits; i <= button::kUnits.last; ++i) TryReport(kClickTag, [&] { ClickBotn[i].SetEnabled(true); });
  TryReport(kClickTag, [&] { ClickBotn[index].SetEnabled(false); });
}

void FrmFengmian::ChooseFilter(int index) {
  mUnitFilter = index - button::kUnitFilters.first;
  for (int i = button::kUnitFilters.first; i <= button::kUnitFilters.last; ++i)
    TryReport(kClickTag, [&] { ClickBotn[i].SetPicture(DataPicture(Face(i == index ? i + 50 : i))); });
}

void FrmFengmian::StartUnitPracticeClick() {
  TryReport(kClickTag, [&] { PicAd.SetVisible(true); });
  auto message = [](const std::string& title, const std::string& prompt) {
    frame::AskInMessageBox(kClickTag, title, frame::kNoticeIcon, prompt);
  };
  if (mCurUnit == -1) {
    message("单元练习", "\r\n本模块共有" + std::to_string(frame::gUnitCount) +
                            "单元\r\n\r\n请先点击左边单元名称选择您要学习的单元，再点开始学习！");
    return;
  }
  std::string progress;
  TryReport(kClickTag, [&] { progress = gUnitTable(mCurUnit, 4); });
  if (!StartUnitSession(mCurUnit, mUnitFilter, progress))
    message("章节练习", std::string("\r\n\r\n\r\n") + (mUnitFilter == 1 ? "您本部分没有已学题！" : "您本部分没有未学题！"));
}

void FrmFengmian::ShowTab(int index) {
  const int tab = index <= 7 ? index + 12 : index;  // the tab bar's button of the tab
  forms::PictureBox* panels[] = {&PicTiKu, &PicKaCH, &PicBiaoZhi, &PicCuoTi};
  TryReport(kClickTag, [&] { PicTOP.SetVisible(true); });
  TryReport(kClickTag, [&] { panels[tab - 16]->SetVisible(true); });
  for (int k = 0; k < 4; ++k)
    if (k != tab - 16) TryReport(kClickTag, [&] { panels[k]->SetVisible(false); });
  TryReport(kClickTag, [&] { PicHelp.SetVisible(false); });
  for (int i = 15; i <= 19; ++i) TryReport(kClickTag, [&] { ClickBotn[i].SetEnabled(true); });
  TryReport(kClickTag, [&] { ClickBotn[tab].SetEnabled(false); });
  if (tab == 17) ChoosePaperView();
  if (tab == 16) {
    // The first unit with more than a fifth left to do, else the last unit.
    int u = 0;
    TryReport(kClickTag, [&] {
      for (;; ++u) {
        const double n = platform::Val(gUnitTable(u, 2)), f = platform::Val(gUnitTable(u, 3));
        if (n == 0 || f / n > 0.2) break;
      }
    });
    if (u > frame::gUnitCount - 1) u = frame::gUnitCount - 1;
    ClickBotn_Click(50 + u);
  }
  TryReport(kClickTag, [&] { PicAd.SetVisible(true); });
}

void FrmFengmian::ShowHomeView() {
  for (forms::PictureBox* p : {&PicTOP, &PicTiKu, &PicKaCH, &PicBiaoZhi, &PicCuoTi, &PicHelp})
    TryReport(kClickTag, [&] { p->SetVisible(false); });
  for (int i = 15; i <= 19; ++i) TryReport(kClickTag, [&] { ClickBotn[i].SetEnabled(true); });
  TryReport(kClickTag, [&] { PicAd.SetVisible(false); });
}

void FrmFengmian::ConfirmExit() {
  if (frame::AskInMessageBox(kClickTag, "退出系统", frame::kQuestionIcon, "\r\n\r\n\r\n您确实要退出学习软件吗？"))
    forms::End();
}

void FrmFengmian::ClickBotn_Click(int index) {
  using namespace button;
  if (index == kMinimize || index == kTabBarMinimize) {
    TryReport(kClickTag, [&] { SetWindowState(1); });
  } else if (index == kExit || index == kTabBarExit) {
    ConfirmExit();
  } else if (kHomeTiles.Holds(index) || kPanelTabs.Holds(index)) {
    ShowTab(index);
  } else if (index == kUpdate) {
    TryReport(kClickTag, [] { ShowUpdateWindow(); });
  } else if (index == kHelp) {
    TryReport(kClickTag, [&] { PicTOP.SetVisible(true); });
    TryReport(kClickTag, [&] { PicHelp.SetVisible(true); });
    for (forms::PictureBox* p : {&PicTiKu, &PicKaCH, &PicBiaoZhi, &PicCuoTi})
      TryReport(kClickTag, [&] { p->SetVisible(false); });
    TryReport(kClickTag, [&] { PicAd.SetVisible(true); });
  } else if (index == kWebsite) {
    platform::Try([] { platform::ShellOpen(frame::gSettings[2]); });
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
    for (int i = kAllUnits; i <= kUnits.last; ++i) TryReport(kClickTag, [&] { ClickBotn[i].SetEnabled(true); });
    TryReport(kClickTag, [&] { ClickBotn[kAllUnits].SetEnabled(false); });
  } else if (kUnits.Holds(index)) {
    ChooseUnit(index);
  }
}

void FrmFengmian::InitShiTi(const std::string& btShuJu, int nBTTS) { AssembleSessionFiles(btShuJu, nBTTS); }

}  // namespace xpexam::home
