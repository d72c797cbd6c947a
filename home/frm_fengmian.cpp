#include "home/frm_fengmian.h"

#include "forms/color.h"
#include "forms/graphics.h"
#include "forms/pictures.h"
#include "frame/module_state.h"
#include "frame/settings.h"
#include "home/frame_dialogs.h"
#include "platform/failure.h"
#include "platform/shell.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::home {
namespace {

using frame::gDataPath;
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

FrmFengmian::FrmFengmian() {
  SetBorderStyle(0);
  SetStartUpPosition(2);
  Move(0, 0, 12000, 9000);
  for (int i : LblInfo.Indexes()) {
    LblInfo[i].SetBackStyle(0);
    LblInfo[i].SetAutoSize(i <= 3);
  }
  PicAd.SetBorderStyle(0);
  PicAd.SetBackColor(forms::Rgb(255, 255, 255));
  LblAD.SetBackStyle(0);
  LblAD.SetAutoSize(true);
  LblAD.SetFontName("宋体");
  LblInfo.Click = [this](int index) { LblInfo_Click(index); };
  LblAD.Click = [this] { LblAD_Click(); };
}

void FrmFengmian::Form_Load() {
  TryReport(kLoadTag, [] { frame::gScaleX = forms::TwipsPerPixel() / 15; });
  TryReport(kLoadTag, [] { frame::gScaleY = forms::TwipsPerPixel() / 15; });
  TryReport(kLoadTag, [this] { SetWidth(ScaleX(12000)); });
  TryReport(kLoadTag, [this] { SetHeight(ScaleY(9000)); });
  TryReport(kLoadTag, [this] { SetIcon(forms::LoadPicture(gDataPath + "l62011" + ".mxy")); });
  TryReport(kLoadTag, [this] { SetPicture(forms::LoadPicture(gDataPath + "l20060" + ".mxy")); });
  LoadBanner();
  FengMainCsh();
}

void FrmFengmian::LoadBanner() {
  // Lines 1 to 3 of ksdata\170100.mxy: text, colour, link; each optional.
  std::string lines[3];
  platform::LineReader reader;
  if (TryReport(kLoadTag, [&] {
        if (!reader.Open(frame::gAppPath + "\\ksdata\\170100.mxy"))
          platform::Fail(platform::kErrFileNotFound, "File not found");
      }))
    for (std::string& line : lines)
      if (!reader.Next(line)) break;
  reader.Close();
  mBannerLink = lines[2];

  TryReport(kLoadTag, [this] { PicAd.Move(ScaleX(3000), ScaleY(8100)); });
  TryReport(kLoadTag, [this] { LblAD.Move(0, 0); });
  TryReport(kLoadTag, [this] { LblAD.SetMousePointer(forms::kCustomPointer); });
  TryReport(kLoadTag, [this] { LblAD.SetMouseIcon(forms::LoadPicture(gDataPath + "9l0015" + ".mxy")); });
  TryReport(kLoadTag, [this] { LblAD.SetFontSize(ScaleX(10)); });
  TryReport(kLoadTag, [&] { LblAD.SetCaption(platform::Replace(platform::Trim(lines[0]), "◎", "\r\n")); });
  TryReport(kLoadTag, [&] { LblAD.SetForeColor(BannerColor(lines[1])); });
  TryReport(kLoadTag, [this] { PicAd.Move(PicAd.Left(), PicAd.Top(), LblAD.Width(), LblAD.Height()); });
  TryReport(kLoadTag, [this] { PicAd.SetVisible(false); });
}

void FrmFengmian::LblAD_Click() {
  // The shell's answer is not examined: a banner that opens nothing does nothing.
  platform::Try([this] { platform::ShellOpen(mBannerLink); });
}

void FrmFengmian::LblInfo_Click(int index) {
  TryReport("lblinfo", [index] {
    if (index == 0 || index == 21) ShowAboutBox();
  });
}

void FrmFengmian::ClickBotn_Click(int index) {
  TryReport("clickbotn", [index] {
    if (index == 8) ShowUpdateWindow();
  });
}

}  // namespace xpexam::home
