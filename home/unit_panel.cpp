// The home screen's unit panel: the unit buttons and their pages, the progress bars of the
// chosen unit, the filters and the start button.
#include <string>
#include <utility>

#include "frame/data_picture.h"
#include "frame/installation.h"
#include "frame/message_box.h"
#include "home/home_screen.h"
#include "home/home_buttons.h"
#include "home/unit_practice.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::home {
namespace {

using frame::DataPictureOrNone;
using frame::ScaleX;
using frame::ScaleY;
using platform::TryReport;

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

void FrmFengmian::LayOutUnitPanel() {
  // Stands on the panel's foot by its design height (6870), scaled as the panel is; its own
  // height is unscaled before the picture and the picture's after it, on a rebuild.
  PicUnitLeft.Move(0, PicTiKu.Height() - ScaleY(6870) - ScaleY(30));
  if (auto picture = DataPictureOrNone("l20054", kBuildTag)) PicUnitLeft.SetPicture(picture);
  for (int i = 50; i <= 69; ++i) {
    const int u = i - 50;
    frame::PictureButton& button = ClickBotn[i];
    button.Move(ScaleX(15), ScaleY(870 + 525 * (u % 10)), ScaleX(2700), ScaleY(525));
    button.SetFontSize(ScaleX(9));
    button.SetForeColor(0);
    button.SetCaption(UnitButtonCaption(u, frame::installation().unitTable(u, 1)));
    if (auto picture = DataPictureOrNone("l20045", kBuildTag)) button.SetPicture(picture);
    if (i >= 60) button.SetVisible(false);
  }
  ClickBotn[49].Move(ScaleX(15), 0, ScaleX(2700), ScaleY(870));
  if (auto picture = DataPictureOrNone("l20044", kBuildTag)) ClickBotn[49].SetPicture(picture);
  mCurUnit = -1;
  ClickBotn[47].Move(ScaleX(150), ScaleY(6270), ScaleX(1185), ScaleY(555));
  ClickBotn[47].SetCaption("1-10单元");
  if (auto picture = DataPictureOrNone("l20086", kBuildTag)) ClickBotn[47].SetPicture(picture);
  ClickBotn[48].Move(ScaleX(1365), ScaleY(6270), ScaleX(1185), ScaleY(555));
  ClickBotn[48].SetCaption("11-" + std::to_string(frame::installation().unitCount()) + "单元");
  if (auto picture = DataPictureOrNone("l20046", kBuildTag)) ClickBotn[48].SetPicture(picture);
  for (int i : {47, 48}) {
    ClickBotn[i].SetForeColor(0xFFFFFF);
    ClickBotn[i].SetFontSize(ScaleX(9));
  }
  if (frame::installation().unitCount() <= 10) {
    ClickBotn[48].SetEnabled(false);
    ClickBotn[48].SetCaption("");
    ClickBotn[47].SetCaption("1-" + std::to_string(frame::installation().unitCount()) + "单元");
  }
  ImgUnitGezi.Move(ScaleX(2730), ScaleY(1680));
  if (auto picture = DataPictureOrNone("l20055", kBuildTag)) ImgUnitGezi.SetPicture(picture);
  ImgUnitD.Move(ScaleX(5910), ImgUnitD.Top(), ScaleX(900));
  ImgUnitC.Move(ImgUnitD.Left() + ScaleX(1500), ImgUnitC.Top(), ScaleX(900));
  mUnitFilter = 0;
  for (int k = 0; k <= 2; ++k)
    ClickBotn[37 + k].Move(ScaleX(4485 + 1500 * k), ScaleY(5700), ScaleX(900), ScaleY(375));
  if (auto picture = DataPictureOrNone("l20087", kBuildTag)) ClickBotn[37].SetPicture(picture);
  imgPicIII.Move(ScaleX(3150), ScaleY(420));
  if (auto picture = DataPictureOrNone("l20064", kBuildTag)) imgPicIII.SetPicture(picture);
  LblUnitDQCAP[1].SetFontSize(ScaleX(12));
  LblUnitDQCAP[1].Move(ScaleX(4245), ScaleY(630));
  LblUnitDQCAP[0].SetFontSize(ScaleX(10));
  LblUnitDQCAP[0].Move(LblUnitDQCAP[1].Left(), ScaleY(975));
  LblUnitDQCAP[2].Move(ScaleX(4590), ScaleY(1740));
  LblUnitDQCAP[3].Move(ImgUnitD.Left() + ScaleX(240), LblUnitDQCAP[3].Top());
  LblUnitDQCAP[4].Move(ImgUnitC.Left() + ScaleX(240), LblUnitDQCAP[4].Top());
  ClickBotn_Click(49);
}

void FrmFengmian::ShowUnitProgress(int unit) {
  const frame::Installation& inst = frame::installation();
  // The unit is a unit button's (0 to 19) or -1 for all; the counts in the table are the bank
  // layout's own, small and whole, and never more open than in all.
  long total = 0, open = 0;
  if (unit < 0) {
    LblUnitDQCAP[1].SetCaption("所有题库中题目");
    for (int u = 0; u <= 40; ++u) {
      total += platform::CLng(platform::Val(inst.unitTable(u, 2)));
      open += platform::CLng(platform::Val(inst.unitTable(u, 3)));
    }
  } else {
    LblUnitDQCAP[1].SetCaption("第" + std::to_string(unit + 1) + "单元 " + inst.unitTable(unit, 1));
    total = platform::CLng(platform::Val(inst.unitTable(unit, 2)));
    open = platform::CLng(platform::Val(inst.unitTable(unit, 3)));
  }
  LblUnitDQCAP[2].SetCaption(std::to_string(total) + "题");
  LblUnitDQCAP[3].SetCaption(std::to_string(total - open) + "题");
  LblUnitDQCAP[4].SetCaption(std::to_string(open) + "题");
  // A choice without questions keeps the bars' heights: each bar reports the division by zero.
  const std::pair<forms::Image*, long> bars[] = {{&ImgUnitC, open}, {&ImgUnitD, total - open}};
  for (const auto& [bar, count] : bars) {
    if (total == 0)
      platform::ReportFailure(kClickTag, 11, "Division by zero");
    else
      bar->SetHeight(ScaleY(static_cast<double>(count) / total * 3570));
  }
  ImgUnitC.SetTop(ScaleY(5550) - ImgUnitC.Height());
  ImgUnitD.SetTop(ScaleY(5550) - ImgUnitD.Height());
  LblUnitDQCAP[3].SetTop(ImgUnitD.Top() - ScaleY(240));
  LblUnitDQCAP[4].SetTop(ImgUnitC.Top() - ScaleY(240));
}

void FrmFengmian::ShowUnitPage(int page) {
  if (auto picture = DataPictureOrNone(page == 1 ? "l20086" : "l20046", kClickTag)) ClickBotn[47].SetPicture(picture);
  if (auto picture = DataPictureOrNone(page == 2 ? "l20086" : "l20046", kClickTag)) ClickBotn[48].SetPicture(picture);
  for (int i = 50; i <= 69; ++i) ClickBotn[i].SetVisible((i < 60) == (page == 1));
  for (int i = 50 + frame::installation().unitCount(); i <= 69; ++i) TryReport(kClickTag, [&] { ClickBotn[i].SetVisible(false); });
}

void FrmFengmian::ChooseUnit(int index) {
  mCurUnit = index - button::kUnits.first;
  ShowUnitPage(index < button::kUnits.first + 10 ? 1 : 2);
  ShowUnitProgress(mCurUnit);
  for (int i = button::kAllUnits; i <= button::kUnits.last; ++i) ClickBotn[i].SetEnabled(true);
  ClickBotn[index].SetEnabled(false);
}

void FrmFengmian::ChooseFilter(int index) {
  mUnitFilter = index - button::kUnitFilters.first;
  for (int i = button::kUnitFilters.first; i <= button::kUnitFilters.last; ++i)
    if (auto picture = DataPictureOrNone(ButtonFace(i == index ? i + 50 : i), kClickTag)) ClickBotn[i].SetPicture(picture);
}

void FrmFengmian::StartUnitPracticeClick() {
  PicAd.SetVisible(true);
  auto message = [](const std::string& title, const std::string& prompt) {
    frame::AskInMessageBox(kClickTag, title, frame::kNoticeIcon, prompt);
  };
  if (mCurUnit == -1) {
    message("单元练习", "\r\n本模块共有" + std::to_string(frame::installation().unitCount()) +
                            "单元\r\n\r\n请先点击左边单元名称选择您要学习的单元，再点开始学习！");
    return;
  }
  // A unit button's number, 0 to 19: a row of the table.
  const std::string progress = frame::installation().unitTable(mCurUnit, 4);
  if (!StartUnitSession(mCurUnit, mUnitFilter, progress))
    message("章节练习", std::string("\r\n\r\n\r\n") + (mUnitFilter == 1 ? "您本部分没有已学题！" : "您本部分没有未学题！"));
}

}  // namespace xpexam::home
