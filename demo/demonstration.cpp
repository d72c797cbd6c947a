// The demonstration window: its design, its load, the step advance and the end of a run.
#include "demo/demonstration.h"

#include <string_view>
#include <utility>

#include "demo/demo_files.h"
#include "desktop/demonstration_state.h"
#include "desktop/desktop_window.h"
#include "desktop/menu_bar.h"
#include "desktop/session_plan.h"
#include "forms/app.h"
#include "forms/pictures.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::demo {

using platform::Try;

namespace {

// The submenu arrow of a cascade item: 4 x 7 pixels, a black triangle pointing right on white.
forms::PicturePtr CascadeArrow() {
  constexpr int kW = 4, kH = 7, kRow = 12;  // 24-bit rows padded to 4 bytes
  std::string bmp(54 + kRow * kH, '\0');
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put32(2, static_cast<uint32_t>(bmp.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, kW);
  put32(22, kH);
  bmp[26] = 1;
  bmp[28] = 24;
  for (int y = 0; y < kH; ++y) {        // y counts from the top
    const int reach = y <= 3 ? y : 6 - y;  // columns 0..reach are black
    for (int x = 0; x < kW; ++x) {
      const char v = x <= reach ? '\0' : '\xFF';
      const size_t at = 54 + static_cast<size_t>((kH - 1 - y) * kRow + x * 3);
      bmp[at] = bmp[at + 1] = bmp[at + 2] = v;
    }
  }
  return forms::Picture::Decode(bmp);
}

void Transparent(forms::Label& l) {
  l.SetBackStyle(forms::Background::kTransparent);
  l.SetCaption("");
}

void MenuCaption(forms::Label& l) {
  l.SetBackStyle(forms::Background::kTransparent);
  l.SetAutoSize(true);
  l.SetVisible(false);
}

void Frame(forms::Shape& s, forms::Color c, int width) {
  s.SetBorderColor(c);
  s.SetBorderWidth(width);
}

// How the demonstration lays a record out where the desktop does it otherwise.
desktop::SceneStyle DemonstrationScene() {
  return {
      .hint_back = 0xC0FFFF,
      .field_by_field = false,
      .target_sizes_to_caption = false,
      .parks_unplaced_target = false,
      .frame_hides_with_target = true,
      .frame_marks_pending_tab = false,
      .answer_box_unless_zeros = true,
      .aligns_answer = false,
      .step_text = [](const desktop::TextLineRef& line) { return DemoStepText(line.Digits()); },
  };
}

}  // namespace

FrmYanShi::FrmYanShi()
    : FrmYanShiControls(static_cast<forms::Form&>(*this)),
      scene_(desktop::SceneControlsOf(*this, static_cast<FrmYanShiControls&>(*this)), DemonstrationScene()) {
  SetBorderStyle(forms::WindowBorder::kNone);
  SetBackColor(0xFFFFFF);
  SetStartUpPosition(forms::StartPosition::kManual);

  for (forms::Image* img : {&Image1, &Image2, &Image3, &Image4, &Image5}) {
    img->SetVisible(false);
    img->DblClick = [this] { TimEnd.SetEnabled(true); };
  }
  // The scene has given its controls their look.
  Label1.SetBackColor(0xFF);
  for (int i : LblXXK.Indexes()) {
    forms::Label& tab = LblXXK[i];
    tab.Move(0, 0, 1335, 375);
    tab.SetCaption("选项卡");
  }

  for (int i : LMainMenu.Indexes()) Transparent(LMainMenu[i]);
  for (int i : LblShuMenu.Indexes()) {
    Transparent(LblShuMenu[i]);
    LblShuMenu[i].Move(0, 0, kMenuRowWidth, kMenuRowHeight);
  }
  for (int i : LblSubSel.Indexes()) {
    Transparent(LblSubSel[i]);
    LblSubSel[i].Move(0, 0, kSubRowWidth, kMenuRowHeight);
  }

  LRightMMenu.SetBackColor(0xFFFFFF);
  LRightMMenu.SetCaption("");
  LRightMMenu.SetVisible(false);
  Frame(ShapeRMain, 0xC0C0C0, 1);
  ShapeRMain.SetVisible(false);
  for (auto* group : {&LRM2, &LRM4, &LRM6, &LRM9})
    for (int i : group->Indexes()) MenuCaption((*group)[i]);
  const forms::PicturePtr arrow = CascadeArrow();
  for (int i : LRMJL.Indexes()) {
    MenuCaption(LRMJL[i]);
    ImgJLSanjiao[i].SetPicture(arrow);
    ImgJLSanjiao[i].SetVisible(false);
  }
  for (int i : LRFGX.Indexes()) {
    LRFGX[i].SetBorderColor(0xC0C0C0);
    LRFGX[i].SetVisible(false);
  }
  LRightSub.SetBackColor(0xFFFFFF);
  LRightSub.SetCaption("");
  LRightSub.SetVisible(false);
  Frame(ShapeRSUB, 0xC0C0C0, 1);
  ShapeRSUB.SetVisible(false);
  for (int i : LRS.Indexes()) MenuCaption(LRS[i]);
  for (int i : LRSFgx.Indexes()) {
    LRSFgx[i].SetBorderColor(0xC0C0C0);
    LRSFgx[i].SetVisible(false);
  }

  ImgLogo.SetWordWrap(true);

  ImgICO.Move(0, 0, 480, 480);
  ImgICO.SetVisible(false);
  for (int i : LPoinB.Indexes()) {
    LPoinB[i].SetBorderColor(0xFFFFFF);
    LPoinB[i].SetBorderWidth(2);
  }
  for (int i : LPoint.Indexes()) LPoint[i].SetBorderColor(forms::kSysWindowText);
  Shape5.SetShape(forms::Figure::kCircle);
  Frame(Shape5, 0xFF, 2);
  Shape5.Move(-500, -500, kFlashSize, kFlashSize);
  Shape5.SetVisible(false);

  for (forms::TextBox* t : {&Text1, &Text2}) {
    t->SetVisible(false);
    // The answer boxes hold the focus: the end keys must reach the window through them.
    t->KeyUp = [this](int& key_code, int shift) { Form_KeyUp(key_code, shift); };
  }
  Text2.SetText("新建文件夹");

  Timer1.Tick = [this] { Timer1_Timer(); };
  Timer2.Tick = [this] { Timer2_Timer(); };
  Timer3.Tick = [this] { Timer3_Timer(); };
  Timer5.Tick = [this] { Timer5_Timer(); };
  Timer6.Tick = [this] { Timer6_Timer(); };
  Timer7.Tick = [this] { Timer7_Timer(); };
  Timer8.Tick = [this] { Timer8_Timer(); };
  Timer9.Tick = [this] { Timer9_Timer(); };
  TimerRM.Tick = [this] { TimerRM_Timer(); };
  TimerRS.Tick = [this] { TimerRS_Timer(); };
  TimEnd.Tick = [this] { TimEnd_Timer(); };
}

void FrmYanShi::Start(desktop::DemonstrationRequest request) {
  if (IsLoaded())
    Get().request_ = std::move(request);
  else
    pending_request_ = std::move(request);
  Get().SetVisible(true);
}

void FrmYanShi::LayOutTitleRegions() {
  const frame::Installation& inst = frame::installation();
  for (int i = 1; i <= 9; ++i) {
    forms::Label& t = LMainMenu[i];
    t.Move(((i - 1) * mMenuPitch + mMenuLeft) * inst.scaleX(), mMenuTop * inst.scaleY(), 870 * inst.scaleX(), 270 * inst.scaleY());
    t.SetCaption("");
    t.SetVisible(false);
  }
}

void FrmYanShi::ClearMenuPictures() {
  for (forms::Image* img : {&ImgMenuSys, &ImgMenuSel, &ImgShuMenu, &ImgSubMenu, &ImgSubSel})
    img->SetPicture(nullptr);
}

// Design sizes in twips at 96 dpi; every run scales them, so the rows the pointer aims at, the
// flash ring and the hint keep their pixel size at any dpi.
void FrmYanShi::ScaleDesignSizes() {
  const frame::Installation& inst = frame::installation();
  for (int i = 1; i <= 20; ++i) {
    LblShuMenu[i].Move(LblShuMenu[i].Left(), LblShuMenu[i].Top(), kMenuRowWidth * inst.scaleX(), kMenuRowHeight * inst.scaleY());
    LblSubSel[i].Move(LblSubSel[i].Left(), LblSubSel[i].Top(), kSubRowWidth * inst.scaleX(), kMenuRowHeight * inst.scaleY());
  }
  Shape5.Move(Shape5.Left(), Shape5.Top(), kFlashSize * inst.scaleX(), kFlashSize * inst.scaleY());
  Try([&] { LHelp.SetFontSize(kHintPoints * inst.scaleX()); });
}

void FrmYanShi::Form_Load() {
  using namespace frame;
  const frame::Installation& inst = frame::installation();
  request_ = std::exchange(pending_request_, {});
  Try([&] { SetIcon(forms::LoadPicture(inst.dataPath() + "l62011" + ".mxy")); });
  mPointerX = platform::CLng(7680 * inst.scaleX());
  mPointerY = platform::CLng(5760 * inst.scaleY());
  // The arrow's design place is the start point, so that a run without travel shows it there.
  PlaceArrow();
  desktop::ShowOperationHints();
  mTicks = 0;
  Label1.SetCaption("");
  // A normal window can be moved and sized.
  SetWindowState(forms::WindowSize::kNormal);
  Move(Left(), Top(), kDesignWidth * inst.scaleX(), kDesignHeight * inst.scaleY());
  Try([&] {
    const std::string text = platform::Trim(request_.question_text);
    ImgLogo.Move(9420 * inst.scaleX(), 7620 * inst.scaleY(), 2535 * inst.scaleX());
    ImgLogo.SetBackStyle(forms::Background::kOpaque);
    ImgLogo.SetBackColor(0xC0FFFF);
    ImgLogo.SetFontSize(9 * inst.scaleX());
    ImgLogo.SetCaption(text);
    const long chars = platform::Len(text);
    ImgLogo.SetHeight((chars / 14 + 1) * 180 * inst.scaleY() + 15 * inst.scaleY());
    ImgLogo.SetForeColor(0x80000012);
  });
  SetTopMost(true);
  Move((forms::ScreenWidth() - Width()) / 2, (forms::ScreenHeight() - Height()) / 2);
  Try([&] {
    desktop::FrmMain& desk = desktop::FrmMain::Get();
    if (desk.WindowState() == forms::WindowSize::kNormal) Move(desk.Left(), desk.Top());
  });
  mExamDataPath = inst.appPath() + "\\examdata\\";
  mMenuLeft = 435;
  mMenuTop = 420;
  mMenuPitch = 870;
  mMenuNo = 1;
  ClearMenuPictures();
  LayOutTitleRegions();
  ImgMenuSys.SetVisible(false);
  for (int i = 1; i <= 20; ++i) {
    LblShuMenu[i].SetCaption("");
    LblShuMenu[i].SetVisible(false);
    LblSubSel[i].SetCaption("");
    LblSubSel[i].SetVisible(false);
  }
  ScaleDesignSizes();
  mDemoStep = 1;
  ClearContextMenus();
  LoadStep();
}

void FrmYanShi::AdvanceStep() {
  if (!desktop::demonstration().running()) return;
  if (step_.IsFinal()) {
    Shape5.Move(-500, -500);
    TimEnd.SetEnabled(true);
    return;
  }
  ++mDemoStep;
  LoadStep();
}

void FrmYanShi::TimEnd_Timer() {
  Shape5.Move(-500, -500);
  ++mTicks;
  if (mTicks < 4) return;
  EndRun();
}

void FrmYanShi::EndRun() {
  for (forms::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer5, &Timer6, &Timer7, &Timer8, &Timer9})
    t->SetEnabled(false);
  mTicks = 0;
  mDemoStep = 1;
  desktop::editDemonstration().MarkStopped();
  TimEnd.SetEnabled(false);
  const std::function<void()> on_end = std::move(request_.on_end);
  Unload();
  desktop::FrmMain::Get().Show();
  if (on_end) on_end();
}

void FrmYanShi::Form_DblClick() { TimEnd.SetEnabled(true); }

void FrmYanShi::Form_KeyUp(int& key_code, int /*shift*/) {
  if (key_code == 13 || key_code == 32 || key_code == 27) TimEnd.SetEnabled(true);
}

}  // namespace xpexam::demo
