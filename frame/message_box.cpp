#include "frame/message_box.h"

#include "forms/color.h"
#include "frame/data_picture.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::frame {

using platform::Try;

namespace {
// The answer to the box on the screen: the first button confirms. It outlives the box, which
// unloads itself before its caller reads the answer.
bool g_confirmed = false;
}  // namespace

FrmQOMSGBOX::FrmQOMSGBOX() : FrmQOMSGBOXControls(static_cast<forms::Form&>(*this)) {
  SetBorderStyle(forms::WindowBorder::kNone);
  SetStartUpPosition(forms::StartPosition::kCenterScreen);
  LblTitle.SetBackStyle(forms::Background::kTransparent);
  LblTitle.SetAutoSize(true);
  LblTitle.SetForeColor(0x00FFFFFF);
  LblTitle.SetFont(forms::Font{"宋体", 10});
  LblTitle.SetCaption("");
  LblPrompt.SetBackStyle(forms::Background::kTransparent);
  LblPrompt.SetWordWrap(true);
  LblPrompt.SetForeColor(forms::kSysButtonText);
  LblPrompt.SetFont(forms::Font{"宋体", 10});
  lblMove.SetBackStyle(forms::Background::kTransparent);
  LblClick[2].SetVisible(false);
  LblClick.Click = [this](int index) { LblClick_Click(index); };
  LblClick.KeyDown = [this](int, int& key, int shift) { CancelOnEscape(key, shift); };
  lblMove.MouseDown = [this](int button, int shift, double x, double y) { lblMove_MouseDown(button, shift, x, y); };
}

void FrmQOMSGBOX::Form_Load() {
  // A missing picture leaves its place empty and the box still works.
  Try([&] { SetIcon(DataPicture("l62011")); });
  SetCaption(DialogCaption());
  Move(Left(), Top(), ScaleX(5550), ScaleY(3750));
  Try([&] { SetPicture(DataPicture("l20069")); });
  ImgLogo1.Move(ScaleX(120), ScaleY(90));
  if (auto picture = DataPictureOrNone("l20067")) ImgLogo1.SetPicture(picture);
  SetTopMost(true);
  LblTitle.Move(ScaleX(600), ScaleY(180));
  LblTitle.SetFontSize(10 * installation().scaleX());
  LblPrompt.Move(ScaleX(1200), ScaleY(720), ScaleX(4080), ScaleY(1920));
  LblPrompt.SetFontSize(10 * installation().scaleX());
  Image1.Move(ScaleX(240), ScaleY(690));
  lblMove.Move(0, 0, ScaleX(4500), ScaleY(540));
  LblClick[0].Move(ScaleX(3960), ScaleY(2880), ScaleX(1350), ScaleY(450));
  LblClick[1].Move(ScaleX(2460), ScaleY(2880), ScaleX(1350), ScaleY(450));
  LblClick[3].Move(Width() - ScaleX(420), ScaleY(90), ScaleX(330), ScaleY(330));
  LblClick[2].Move(ScaleX(4560), ScaleY(120), ScaleX(330), ScaleY(330));
  LblClick[2].SetVisible(false);
  for (int i = 0; i <= 3; ++i)
    if (auto picture = DataPictureOrNone("l2000" + platform::Str(i))) LblClick[i].SetPicture(picture);
}

bool AskInMessageBox(std::string_view tag, const std::string& title, const char* icon, const std::string& prompt) {
  g_confirmed = false;
  FrmQOMSGBOX& box = FrmQOMSGBOX::Get();
  box.LblTitle.SetCaption(title);
  if (auto picture = DataPictureOrNone(icon, tag)) box.Image1.SetPicture(picture);
  box.LblPrompt.SetCaption(prompt);
  box.ShowModal();
  return g_confirmed;
}

void FrmQOMSGBOX::LblClick_Click(int index) {
  if (index == 1) g_confirmed = true;
  Unload();
}

void FrmQOMSGBOX::Form_KeyDown(int& key, int shift) { CancelOnEscape(key, shift); }

// As in the system's own boxes, Esc answers like the cancelling button.
void FrmQOMSGBOX::CancelOnEscape(int key, int shift) {
  if (key == forms::kKeyEscape && shift == 0) LblClick_Click(0);
}

void FrmQOMSGBOX::lblMove_MouseDown(int button, int, double, double) {
  if (button == forms::kLeftButton) DragWindow();
}

}  // namespace xpexam::frame
