#include "session/ime_window.h"

#include "desktop/answer_input_method.h"
#include "frame/data_picture.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"
#include "session/question_bar.h"

namespace xpexam::session {

using namespace frame;  // the installation, its pictures and captions

using platform::Try;

namespace {
constexpr const char* kHelpText =
    "如果输入文字时出现Vexorin***.exe遇到问题需要关闭时，说明您另外安装的输入法和本软件不兼容，"
    "您可以取消调用输入法，在您需要输入汉字时，可以按Ctrl+Shift键切换，或者点击电脑右下角的输入法按钮。";
}  // namespace

std::string ImeSwitchFile() { return installation().appPath() + "\\ksdata\\288890" + ".mxy"; }

FrmIME::FrmIME() : FrmIMEControls(static_cast<forms::Form&>(*this)) {
  SetBorderStyle(forms::WindowBorder::kNone);
  SetStartUpPosition(forms::StartPosition::kCenterScreen);
  Label1[2].SetCaption("输入法调用提示");
  Label1[2].SetForeColor(0x00FFFFFF);
  Label1[2].SetBackStyle(forms::Background::kTransparent);
  Label1[2].SetAutoSize(true);
  Label1[0].SetCaption(kHelpText);
  Label1[0].SetBackStyle(forms::Background::kTransparent);
  Label1[0].SetWordWrap(true);
  Check1.SetCaption("调用输入法");
  Check1.SetForeColor(0x000000FF);
  Check1.SetBackColor(0x00E1FFFF);
  lblMove.SetBackStyle(forms::Background::kTransparent);
  Check1.Click = [this] { Check1_Click(); };
  lblClick.Click = [this](int) { Unload(); };
  lblMove.MouseDown = [this](int button, int shift, double x, double y) { lblMove_MouseDown(button, shift, x, y); };
}

void FrmIME::Form_Load() {
  // A missing picture leaves the window working without it.
  Try([&] { SetIcon(DataPicture("l62011")); });
  SetCaption(DialogCaption());
  Move(Left(), Top(), ScaleX(6300), ScaleY(4200));
  Try([&] { SetPicture(DataPicture("l20070")); });
  ImgLogo1.Move(ScaleX(120), ScaleY(90));
  if (auto picture = DataPictureOrNone("l20067")) ImgLogo1.SetPicture(picture);
  lblMove.Move(0, 0, ScaleX(5580), ScaleY(540));
  lblClick[0].Move(Width() - ScaleX(420), ScaleY(90), ScaleX(330), ScaleY(330));
  if (auto picture = DataPictureOrNone("l20003")) lblClick[0].SetPicture(picture);
  lblClick[1].Move(ScaleX(4620), ScaleY(3480), ScaleX(1350), ScaleY(450));
  if (auto picture = DataPictureOrNone("l20001")) lblClick[1].SetPicture(picture);
  Label1[0].Move(ScaleX(720), ScaleY(1440), ScaleX(4695), ScaleY(1215));
  Label1[0].SetFontSize(9 * installation().scaleX());
  Check1.Move(ScaleX(2400), ScaleY(2520), ScaleX(1455), ScaleY(255));
  Check1.SetFontSize(9 * installation().scaleX());
  Label1[2].Move(ScaleX(600), ScaleY(180));
  Label1[2].SetFontSize(10 * installation().scaleX());

  // Only a first line of exactly "1" checks the box; checking it stores the switch again.
  std::string line;
  if (platform::LineReader reader; !reader.Open(ImeSwitchFile()) || !reader.Next(line)) line.clear();
  Check1.SetValue(line == "1" ? forms::CheckState::kChecked : forms::CheckState::kUnchecked);
}

void FrmIME::Check1_Click() {
  // The file holds the box's value as a number.
  const std::string text = platform::Str(static_cast<long>(Check1.Value()));
  // A file that cannot be written (no ksdata folder, no write access) leaves the stored switch
  // as it was; the switch still holds for this run, as the box shows.
  platform::WriteTextLines(ImeSwitchFile(), {text});
  desktop::editAnswerInputMethod().SetSwitching(Check1.Value() != forms::CheckState::kUnchecked);
}

// The desktop and the bar come back as the bar's own restore from the mini bar brings them.
void FrmIME::Form_Unload(int&) {
  if (FrmTm::IsLoaded()) FrmTm::Get().RestoreBar();
}

void FrmIME::lblMove_MouseDown(int button, int, double, double) {
  if (button == forms::kLeftButton) DragWindow();
}

}  // namespace xpexam::session
