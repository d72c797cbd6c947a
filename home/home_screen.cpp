#include "home/home_screen.h"

#include "forms/color.h"
#include "forms/graphics.h"
#include "forms/pictures.h"
#include "frame/data_picture.h"
#include "frame/installation.h"
#include "frame/link_cursor.h"
#include "frame/settings.h"
#include "home/frame_dialogs.h"
#include "home/home_buttons.h"
#include "platform/failure.h"
#include "platform/shell.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "session/session_exit.h"

namespace xpexam::home {
namespace {

using frame::ScaleX;
using frame::ScaleY;
using platform::TryReport;

constexpr std::string_view kLoadTag = "fmload";

// A colour of the banner file: a plain &H00BBGGRR value.
forms::Color BannerColor(const std::string& line) {
  const int32_t value = platform::CLng(platform::Val(line));
  if (value < 0 || value > 0xFFFFFF) platform::Fail(380, "Invalid property value");
  return static_cast<forms::Color>(value);
}

}  // namespace

FrmFengmian::FrmFengmian() : FrmFengmianControls(static_cast<forms::Form&>(*this)) {
  SetBorderStyle(forms::WindowBorder::kNone);
  SetStartUpPosition(forms::StartPosition::kCenterScreen);
  Move(0, 0, 12000, 9000);
  for (int i : LblInfo.Indexes()) {
    LblInfo[i].SetBackStyle(forms::Background::kTransparent);
    LblInfo[i].SetAutoSize(i <= 3);
    // The links show the pointing hand; footer label 2 is plain text.
    if (i != 2) {
      LblInfo[i].SetMousePointer(forms::PointerStyle::kCustom);
      LblInfo[i].SetMouseIcon(frame::LinkCursor());
    }
  }
  PicAd.SetBorderStyle(forms::BoxBorder::kNone);
  PicAd.SetBackColor(forms::Rgb(255, 255, 255));
  LblAD.SetBackStyle(forms::Background::kTransparent);
  LblAD.SetAutoSize(true);
  LblAD.SetFontName("宋体");
  LblInfo.Click = [this](int index) { LblInfo_Click(index); };
  LblAD.Click = [this] { LblAD_Click(); };
  LblShiJuanCCC.Click = [this](int index) { LblShiJuanCCC_Click(index); };
  LblShiJuanDel.Click = [this](int index) { LblShiJuanDel_Click(index); };
  picShouYe.Move(0, 0, 12000, 3000);
  PicTOP.Move(0, 0, 12000, 1650);
  lblMove.SetBackStyle(forms::Background::kTransparent);
  LblCaption.SetBackStyle(forms::Background::kTransparent);
  LblCaption.SetAutoSize(true);
  for (int i : LblUnitDQCAP.Indexes()) {
    LblUnitDQCAP[i].SetBackStyle(forms::Background::kTransparent);
    LblUnitDQCAP[i].SetAutoSize(true);
  }
  LblUnitDQCAP[0].SetCaption("学习进度信息");
  // The bars are plain colour blocks stretched to their counts.
  ImgUnitD.SetStretch(true);
  ImgUnitC.SetStretch(true);
  ImgUnitD.SetPicture(forms::Picture::Solid(4, 4, forms::Rgb(70, 160, 70)));
  ImgUnitC.SetPicture(forms::Picture::Solid(4, 4, forms::Rgb(240, 140, 40)));
  PicUnitLeft.Move(0, 0, 2730, 6870);
  for (int i = button::kAll.first; i <= button::kAll.last; ++i) ClickBotn.Add(ButtonContainer(i), i);
  ClickBotn.Click = [this](int index) { ClickBotn_Click(index); };
  for (int i : {26, 27}) ClickBotn[i].SetVisible(false);
  TimFH.Tick = [this] { TimFH_Timer(); };
  TimLink.Tick = [this] { TimLink_Timer(); };
  // The caption-less window is dragged by its title strip and its top picture.
  lblMove.MouseDown = [this](int button, int, double, double) {
    if (button == forms::kLeftButton) DragWindow();
  };
  picShouYe.MouseDown = [this](int button, int, double, double) {
    if (button == forms::kLeftButton) DragWindow();
  };
  // The tab bar, the panels and the banner cover the home view's buttons.
  for (forms::PictureBox* cover : {&PicTOP, &PicTiKu, &PicKaCH, &PicBiaoZhi, &PicCuoTi, &PicHelp, &PicAd})
    cover->ZOrder(0);
}

forms::Container& FrmFengmian::ButtonContainer(int index) {
  using namespace button;
  if (kTabBar.Holds(index)) return PicTOP;
  if (index == kStartUnitPractice || kUnitFilters.Holds(index) || kUnitPages.Holds(index) || index == kAllUnits ||
      kUnits.Holds(index))
    return PicTiKu;
  if (index == kNewRandomPaper || kPaperViews.Holds(index) || kPapers.Holds(index)) return PicKaCH;
  if (index == kBookmarkPractice || index == kBookmarkClear || kBookmarkFilters.Holds(index)) return PicBiaoZhi;
  if (index == kWrongPractice || index == kWrongClear || kWrongFilters.Holds(index)) return PicCuoTi;
  if (kHelpTopics.Holds(index)) return PicHelp;
  return *this;
}

void FrmFengmian::Form_Load() {
  frame::editInstallation().SetScaleX(forms::TwipsPerPixel() / 15);
  frame::editInstallation().SetScaleY(forms::TwipsPerPixel() / 15);
  SetWidth(ScaleX(12000));
  SetHeight(ScaleY(9000));
  TryReport(kLoadTag, [this] { SetIcon(forms::LoadPicture(frame::installation().dataPath() + "l62011" + ".mxy")); });
  TryReport(kLoadTag, [this] { SetPicture(forms::LoadPicture(frame::installation().dataPath() + "l20060" + ".mxy")); });
  picShouYe.Move(0, 0, ScaleX(12000), ScaleY(3000));
  if (auto picture = frame::DataPictureOrNone("l20051", kLoadTag)) picShouYe.SetPicture(picture);
  PicTOP.Move(0, 0, ScaleX(12000), ScaleY(1650));
  if (auto picture = frame::DataPictureOrNone("l20052", kLoadTag)) PicTOP.SetPicture(picture);
  PicTOP.SetVisible(false);
  lblMove.Move(0, 0, ScaleX(10455), ScaleY(675));
  PicTiKu.Move(0, ScaleY(1650), ScaleX(12000), ScaleY(6900));
  if (auto picture = frame::DataPictureOrNone("l20053", kLoadTag)) PicTiKu.SetPicture(picture);
  PicTiKu.SetVisible(false);
  for (forms::PictureBox* panel : {&PicKaCH, &PicBiaoZhi, &PicCuoTi, &PicHelp}) {
    panel->Move(PicTiKu.Left(), PicTiKu.Top(), PicTiKu.Width(), PicTiKu.Height());
    panel->SetPicture(PicTiKu.Picture());
    panel->SetVisible(false);
  }
  LoadBanner();
  BuildHomeScreen();
}

void FrmFengmian::LoadBanner() {
  // Lines 1 to 3 of ksdata\170100.mxy: text, colour, link; each optional.
  std::string lines[3];
  platform::LineReader reader;
  if (reader.Open(frame::installation().appPath() + "\\ksdata\\170100.mxy")) {
    for (std::string& line : lines)
      if (!reader.Next(line)) break;
  } else {
    platform::ReportFailure(kLoadTag, platform::kErrFileNotFound, "File not found");
  }
  reader.Close();
  mBannerLink = lines[2];

  PicAd.Move(ScaleX(3000), ScaleY(8100));
  LblAD.Move(0, 0);
  LblAD.SetMousePointer(forms::PointerStyle::kCustom);
  if (auto picture = frame::DataPictureOrNone("9l0015", kLoadTag)) LblAD.SetMouseIcon(picture);
  LblAD.SetFontSize(ScaleX(10));
  LblAD.SetCaption(platform::Replace(platform::Trim(lines[0]), "◎", "\r\n"));
  TryReport(kLoadTag, [&] { LblAD.SetForeColor(BannerColor(lines[1])); });
  PicAd.Move(PicAd.Left(), PicAd.Top(), LblAD.Width(), LblAD.Height());
  PicAd.SetVisible(false);
}

void FrmFengmian::TimFH_Timer() {
  ClickBotn_Click(button::TabOf(session::sessionExit().returnPanel()));
  TimFH.SetEnabled(false);
}

void FrmFengmian::LblAD_Click() {
  // The shell's answer is not examined: a banner that opens nothing does nothing. The link
  // comes from the server, so only a web address is opened.
  if (platform::IsWebLink(mBannerLink)) platform::ShellOpen(mBannerLink);
}

std::string InfoLink(int index) {
  // Built-in links of the four kinds: web sites 1 and 2, support chats 1 and 2.
  static const char* const kBuiltIn[] = {"https://www.example.com/", "https://www.example.com/help/",
                                         "https://www.example.com/support/1", "https://www.example.com/support/2"};
  int kind = 0;
  if (index == 1 || index == 17) kind = 1;
  if (index == 18) kind = 2;
  if (index == 3 || index == 20) kind = 3;
  if (index == 19) kind = 4;
  if (kind == 0) return "";
  if (platform::Left(platform::Trim(frame::installation().settings(26)), 4) == "2099") return kBuiltIn[kind - 1];
  return frame::installation().settings(kind);
}

void FrmFengmian::LblInfo_Click(int index) {
  if (index == 0 || index == 21) {
    ShowAboutBox(LblInfo[0].Caption());
    return;
  }
  const std::string link = InfoLink(index);
  if (!link.empty()) OpenLink(link, "lblinfo");
}

}  // namespace xpexam::home
