#include "home/about_window.h"

#include "frame/data_picture.h"
#include "frame/installation.h"
#include "frame/link_cursor.h"
#include "frame/settings.h"
#include "platform/failure.h"
#include "platform/shell.h"

namespace xpexam::home {

using namespace frame;  // the installation, its pictures and captions

using platform::Try;

std::string BankVersionLine() { return "题库版本：V" + installation().bankVersion(); }

FrmAbout::FrmAbout() : FrmAboutControls(static_cast<forms::Form&>(*this)) {
  SetBorderStyle(forms::WindowBorder::kNone);
  SetStartUpPosition(forms::StartPosition::kCenterScreen);
  for (int i : Label1.Indexes()) {
    Label1[i].SetBackStyle(forms::Background::kTransparent);
    Label1[i].SetAutoSize(i != 3);
  }
  Label1[2].SetForeColor(0x00FFFFFF);
  Label1[1].SetForeColor(0x00E97F0C);
  Label1[4].SetForeColor(0x000000FF);
  Label1[4].SetFontBold(true);
  Label1[3].SetWordWrap(true);
  Label1[3].SetMousePointer(forms::PointerStyle::kCustom);
  Try([&] { Label1[3].SetMouseIcon(LinkCursor()); });
  Line1[4].SetBorderColor(0x00808080);
  Line1[3].SetBorderColor(0x00FFFFFF);
  lblMove.SetBackStyle(forms::Background::kTransparent);
  Label1.Click = [this](int index) { Label1_Click(index); };
  LblClick.Click = [this](int) { Unload(); };
  lblMove.MouseDown = [this](int button, int shift, double x, double y) { lblMove_MouseDown(button, shift, x, y); };
}

void FrmAbout::ShowWithVersion(const std::string& version_line) {
  Label1[0].SetCaption(version_line);
  ShowModal();
}

void FrmAbout::Form_Load() {
  const frame::Installation& inst = frame::installation();
  Try([&] { SetIcon(DataPicture("l62011")); });
  SetCaption(DialogCaption());
  Move(Left(), Top(), ScaleX(6300), ScaleY(4200));
  Try([&] { SetPicture(DataPicture("l20070")); });
  SetTopMost(true);
  ImgLogo1.Move(ScaleX(120), ScaleY(90));
  if (auto picture = DataPictureOrNone("l20067")) ImgLogo1.SetPicture(picture);
  Label1[1].SetCaption(inst.settings(0) + inst.settings(9));
  Label1[2].SetCaption(Label1[1].Caption());
  lblMove.Move(0, 0, ScaleX(5580), ScaleY(540));
  LblClick[0].Move(Width() - ScaleX(420), ScaleY(90), ScaleX(330), ScaleY(330));
  LblClick[1].Move(ScaleX(4680), ScaleY(3480), ScaleX(1350), ScaleY(450));
  if (auto picture = DataPictureOrNone("l20003")) LblClick[0].SetPicture(picture);
  if (auto picture = DataPictureOrNone("l20001")) LblClick[1].SetPicture(picture);
  Label1[2].Move(ScaleX(600), ScaleY(180));
  Label1[2].SetFontSize(10 * inst.scaleX());
  Label1[1].Move(ScaleX(480), ScaleY(720));
  Label1[1].SetFontSize(10 * inst.scaleX());

  Label1[4].Move(Label1[1].Left(), ScaleY(1080));
  Label1[4].SetFontSize(12 * inst.scaleX());
  Label1[4].SetCaption("── " + inst.moduleTitle());
  Label1[0].Move(Label1[1].Left(), ScaleY(1500));
  Label1[0].SetFontSize(10 * inst.scaleX());
  Label1[0].SetCaption(BankVersionLine());
  Label1[3].Move(Label1[1].Left(), ScaleY(1800), ScaleX(5490), ScaleY(540));
  Label1[3].SetFontSize(10 * inst.scaleX());
  Label1[3].SetCaption("系统工作目录: " + inst.appPath());
  Label1[6].Move(Label1[1].Left(), ScaleY(3600));
  Label1[6].SetFontSize(10 * inst.scaleX());
  Label1[6].SetCaption(inst.settings(7));

  Line1[4].SetEnds(ScaleX(360), ScaleY(2385), ScaleX(5760), ScaleY(2385));
  Line1[3].SetEnds(Line1[4].X1() + ScaleX(15), Line1[4].Y1() + ScaleY(15), Line1[4].X2() + ScaleX(15),
                   Line1[4].Y1() + ScaleY(15));
}

void FrmAbout::Label1_Click(int index) {
  // The box stays open whether or not the folder opens.
  if (index == 3) platform::ShellOpen(installation().appPath());
}

void FrmAbout::lblMove_MouseDown(int button, int, double, double) {
  if (button == forms::kLeftButton) DragWindow();
}

}  // namespace xpexam::home
