// The desktop window itself: its design, its load, the size rule, the title-strip drag and the
// handlers of the bare surface and the overlay pictures.
#include "desktop/desktop_window.h"

#include "desktop/step_family.h"
#include "desktop/hooks.h"
#include "desktop/location_list_pictures.h"
#include "desktop/session_plan.h"
#include "desktop/typed_answer.h"
#include "forms/app.h"
#include "forms/color.h"
#include "forms/pictures.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "platform/failure.h"

namespace xpexam::desktop {

using platform::Try;

namespace {

constexpr forms::Color kWhite = 0xFFFFFF;
constexpr forms::Color kRed = 0x0000FF;

// Step-driven controls wait at design right of and below the 12000 x 9000 area.
constexpr double kParkLeft = 12120;
constexpr double kParkTop = 9480;

void Transparent(forms::Label& label) { label.SetBackStyle(forms::Background::kTransparent); }

// How the desktop lays a record out where the demonstration does it otherwise.
SceneStyle DesktopScene() {
  return {
      .hint_back = 0x80FFFF,
      .field_by_field = true,
      .target_sizes_to_caption = true,
      .parks_unplaced_target = true,
      .frame_hides_with_target = false,
      .frame_marks_pending_tab = true,
      .answer_box_unless_zeros = false,
      .aligns_answer = true,
      .step_text = [](const TextLineRef& line) { return StepTextOf(line, desktop::plan().textFile()); },
  };
}

// The window is too short for the 800 x 600 desktop: it stays maximised.
bool ShortScreen() { return 650 * frame::installation().scaleY() >= forms::ScreenHeight() / 15; }

}  // namespace

FrmMain::FrmMain()
    : FrmMainControls(static_cast<forms::Form&>(*this)),
      scene_(SceneControlsOf(*this, static_cast<FrmMainControls&>(*this)), DesktopScene()) {
  SetBorderStyle(forms::WindowBorder::kNone);
  // Every key belongs to the simulated screen and its checks, Tab included.
  SetDialogKeys(false);
  SetBackColor(kWhite);
  Move(0, 0, 18015, 11325);
  SetWindowState(forms::WindowSize::kMaximized);

  ImgLogo.SetStretch(true);
  ImgLogo.Move(10200, 8235, 1740, 345);
  for (long k = 1; k <= 5; ++k) Overlay(k).Move(kParkLeft, 120 + 1200 * (k - 1));
  ImgMenuSel.Move(390, 690);
  ImgSubMenu.Move(2790, 690);
  ImgShuMenu.Move(kParkLeft, 6120);
  ImgSubSel.Move(kParkLeft, 6720);
  ImgMenuSys.Move(kParkLeft, 7320);

  LblSuccess.SetCaption("操作成功！");
  LblSuccess.SetForeColor(kRed);
  LblSuccess.SetFont({"宋体", 72});
  LblSuccess.SetAutoSize(true);
  Transparent(LblSuccess);
  LblSuccess.Move(2640, kParkTop);

  Transparent(lblMove);
  lblMove.Move(1440, 0, 9495, 375);

  // The scene has given its controls their look; they wait here.
  LHelp.Move(120, kParkTop);
  Shape1.Move(1560, kParkTop, 1215, 495);
  Shape2.Move(3000, kParkTop, 1215, 495);
  Shape4.Move(4440, kParkTop, 1215, 495);
  Shape6.Move(5880, kParkTop, 1215, 495);
  Label4.Move(7320, kParkTop, 1215, 495);
  for (int i = 0; i <= 13; ++i) LblXXK[i].Move(kParkLeft + 2520, 120 + 300 * i, 1095, 285);
  for (int i = 1; i <= 9; ++i) {
    Transparent(LMainMenu[i]);
    LMainMenu[i].Move(kParkLeft + 3720, 120 + 300 * (i - 1), 870, 270);
  }
  for (int i = 1; i <= 20; ++i) {
    Transparent(LblShuMenu[i]);
    LblShuMenu[i].Move(390, kParkTop + 60 * (i - 1), 2415, 330);
    Transparent(LblSubSel[i]);
    LblSubSel[i].Move(2880, kParkTop + 60 * (i - 1), 2055, 330);
  }
  Label1.Move(8760, kParkTop, 1215, 495);

  for (forms::TextBox* box : {&Text3, &Text4}) box->SetBorderStyle(forms::BoxBorder::kNone);
  Text1.Move(kParkLeft, 7800, 2415, 270);
  Text2.SetPasswordChar("*");
  Text2.SetText("新建文件夹");
  Text2.Move(kParkLeft, 8160, 2415, 270);
  Text3.SetMultiLine(true);
  Text3.Move(kParkLeft, 8520, 2415, 495);
  Text4.Move(kParkLeft, 9120, 2415, 270);
  Text4.SetVisible(false);
  LstLA.Move(kParkLeft + 2520, 4440, 2415, 600);

  PicList.SetBorderStyle(forms::BoxBorder::kNone);
  PicList.Move(10200, kParkTop, 3915, 3720);
  ImgFuGai.Move(0, 0, 75, 330);
  ImgSelAD.Move(-120, 45);
  for (int i = 0; i <= 13; ++i) {
    ImgLiN[i].Move(0, 240 * i + 345);
    Transparent(LblADD[i]);
    LblADD[i].Move(0, 240 * i + 345, 3900, 240);
  }
  Transparent(LblADDmyXZ);
  LblADDmyXZ.Move(0, 0, 3900, 330);
  const LocationListPictures& drawn = DesignLocationListPictures();
  PicList.SetPicture(drawn.list);
  ImgFuGai.SetPicture(drawn.left_edge);
  for (int i = 0; i <= 13; ++i) ImgLiN[i].SetPicture(drawn.rows[static_cast<size_t>(i)]);
  ImgSelAD.SetPicture(drawn.rows[2]);
  // The strip hides what the chosen entry's indent pushes past the closed box's left edge.
  ImgFuGai.ZOrder(0);
  LblADDmyXZ.ZOrder(0);

  wm100.SetVisible(false);
  WireHandlers();
}

forms::Image& FrmMain::Overlay(long k) { return scene_.Overlay(k); }

void FrmMain::WireHandlers() {
  Label1.Click = [this] { Label1_Click(); };
  Label1.DblClick = [this] { Label1_DblClick(); };
  Label1.MouseDown = [this](int b, int s, double x, double y) { Label1_MouseDown(b, s, x, y); };
  Label1.MouseMove = [this](int b, int s, double x, double y) { Label1_MouseMove(b, s, x, y); };
  Label1.MouseUp = [this](int b, int s, double x, double y) { Label1_MouseUp(b, s, x, y); };
  Image1.Click = [this] { Image1_Click(); };
  Image1.MouseMove = [this](int, int, double, double) { Image1_MouseMove(); };
  Image1.MouseUp = [this](int, int, double, double) { Image1_MouseUp(); };
  Image2.Click = [this] { Image2_Click(); };
  Image2.MouseMove = [this](int, int, double, double) { Image2_MouseMove(); };
  Image2.MouseUp = [this](int, int, double, double) { Image2_MouseUp(); };
  Image3.Click = [this] { Image3_Click(); };
  Image3.MouseMove = [this](int, int, double, double) { Image3_MouseMove(); };
  Image4.Click = [this] { Image4_Click(); };
  Image4.MouseMove = [this](int, int, double, double) { Image4_MouseMove(); };
  Image5.MouseMove = [this](int b, int s, double x, double y) { Image5_MouseMove(b, s, x, y); };
  Image5.MouseUp = [this](int b, int s, double x, double y) { Image5_MouseUp(b, s, x, y); };
  lblMove.MouseDown = [this](int b, int s, double x, double y) { lblMove_MouseDown(b, s, x, y); };

  Text1.Change = [this] { Text1_Change(); };
  Text1.KeyUp = [this](int& k, int s) { Text1_KeyUp(k, s); };
  Text1.MouseUp = [this](int b, int s, double x, double y) { Text1_MouseUp(b, s, x, y); };
  Text1.GotFocus = [this] { Text1_GotFocus(); };
  Text2.Change = [this] { Text2_Change(); };
  Text3.Change = [this] { Text3_Change(); };
  Text4.Change = [this] { Text4_Change(); };
  Text4.KeyUp = [this](int& k, int s) { Text4_KeyUp(k, s); };

  Label4.MouseDown = [this](int b, int s, double x, double y) { Label4_MouseDown(b, s, x, y); };
  Label4.MouseMove = [this](int b, int s, double x, double y) { Label4_MouseMove(b, s, x, y); };
  Label4.MouseUp = [this](int b, int s, double x, double y) { Label4_MouseUp(b, s, x, y); };

  LMainMenu.MouseMove = [this](int i, int b, int s, double x, double y) { LMainMenu_MouseMove(i, b, s, x, y); };
  LMainMenu.MouseUp = [this](int i, int b, int s, double x, double y) { LMainMenu_MouseUp(i, b, s, x, y); };
  ImgMenuSys.Click = [this] { ImgMenuSys_Click(); };
  LblShuMenu.MouseMove = [this](int i, int b, int s, double x, double y) { LblShuMenu_MouseMove(i, b, s, x, y); };
  LblShuMenu.MouseUp = [this](int i, int b, int s, double x, double y) { LblShuMenu_MouseUp(i, b, s, x, y); };
  LblSubSel.MouseMove = [this](int i, int b, int s, double x, double y) { LblSubSel_MouseMove(i, b, s, x, y); };
  LblSubSel.MouseUp = [this](int i, int b, int s, double x, double y) { LblSubSel_MouseUp(i, b, s, x, y); };

  sVemoSub1.Click = [this](int i) { sVemoSub_Click(1, i); };
  sVemoSub2.Click = [this](int i) { sVemoSub_Click(2, i); };
  sVemoSub3.Click = [this](int i) { sVemoSub_Click(3, i); };
  sVemoSub4.Click = [this](int i) { sVemoSub_Click(4, i); };
  sVemoSub5.Click = [this](int i) { sVemoSub_Click(5, i); };
  sVemoInde1.Click = [this](int i) { sVemoInde_Click(1, i); };
  sVemoInde2.Click = [this](int i) { sVemoInde_Click(2, i); };
  sVemoInde3.Click = [this](int i) { sVemoInde_Click(3, i); };
  sVemoInde4.Click = [this](int i) { sVemoInde_Click(4, i); };

  LblXXK.Click = [this](int i) { LblXXK_Click(i); };
  LstLA.Click = [this] { LstLA_Click(); };
  ImgLiN.Click = [this](int i) { ImgLiN_Click(i); };
  LblADD.Click = [this](int i) { LblADD_Click(i); };
  LblADD.MouseMove = [this](int i, int b, int s, double x, double y) { LblADD_MouseMove(i, b, s, x, y); };
  LblADDmyXZ.Click = [this] { LblADDmyXZ_Click(); };

  Timer2.Tick = [this] {
    LoadStep();
    Timer2.SetEnabled(false);
  };
  Timer3.Tick = [this] {
    if (CompletesOn(ClassifyStepCode(mStepCode), CompletingEvent::kAutomatic)) AdvanceStep();
  };
}

void FrmMain::Form_Load() {
  const frame::Installation& inst = frame::installation();
  const double sx = inst.scaleX(), sy = inst.scaleY();
  const std::string data = inst.dataPath();
  Try([&] { SetIcon(forms::LoadPicture(data + "l62011.mxy")); });
  SetWindowState(forms::WindowSize::kMaximized);
  const double screen_w = forms::ScreenWidth(), screen_h = forms::ScreenHeight();
  if (!ShortScreen()) {
    SetWindowState(forms::WindowSize::kNormal);
    SetWidth(kScreenWidth * sx);
    SetHeight(kScreenHeight * sy);
    SetLeft((screen_w - Width()) / 2);
    SetTop((screen_h - Height()) / 2);
  } else {
    // Restored from the maximised state, the window keeps covering the whole screen.
    SetWindowState(forms::WindowSize::kNormal);
    Move(0, 0, screen_w, screen_h);
    SetWindowState(forms::WindowSize::kMaximized);
  }
  gDesktopHooks.onLaidOut();
  Label1.SetCaption("");
  ImgLogo.Move(10200 * sx, 8235 * sy, 1740 * sx, 345 * sy);
  Try([&] { ImgLogo.SetPicture(forms::LoadPicture(data + "l62009.mxy")); });

  mExamDataPath = inst.appPath() + "\\examdata\\";
  mMenuLeft = 390;
  mMenuTop = 420;
  mMenuWidth = 870;
  for (forms::Image* img : {&ImgMenuSys, &ImgMenuSel, &ImgShuMenu, &ImgSubMenu, &ImgSubSel}) img->SetPicture(nullptr);
  for (int i = 1; i <= 9; ++i) {
    LMainMenu[i].Move((mMenuLeft + (i - 1) * mMenuWidth) * sx, mMenuTop * sy, 870 * sx, 270 * sy);
    LMainMenu[i].SetCaption("");
    LMainMenu[i].SetVisible(false);
  }
  ResetResumeSteps(kPaperQuestions);
  ImgMenuSys.SetVisible(LMainMenu[1].Visible());
  for (int i = 1; i <= 20; ++i) {
    LblShuMenu[i].SetCaption("");
    LblShuMenu[i].SetVisible(false);
    LblSubSel[i].SetCaption("");
    LblSubSel[i].SetVisible(false);
  }

  for (long m = 1; m <= 9; ++m) {
    mMenuGroups[m] = std::string(kMenuGroups[m - 1]);
    mMenuSubs[m] = std::string(kMenuSubs[m - 1]);
  }

  // The context menu's items 1 to 10 beside the design's 0, on a window just built.
  for (int i = 1; i <= 10; ++i) {
    for (auto* items : {&sVemoInde1, &sVemoInde2, &sVemoInde3, &sVemoInde4, &sVemoSub1, &sVemoSub2, &sVemoSub3,
                        &sVemoSub4, &sVemoSub5})
      items->Load(i);
  }

  for (int i = 0; i <= 13; ++i) {
    LblADD[i].Move(0, (240 * i + 345) * sy, 3900 * sx, 240 * sy);
    LblADD[i].SetCaption("");
    ImgLiN[i].SetVisible(false);
    ImgLiN[i].Move(0, LblADD[i].Top());
  }
  ImgSelAD.Move(-120 * sx, 45 * sy);
  LblADDmyXZ.Move(0, 0, 3900 * sx, 330 * sy);
  PicList.SetHeight(330 * sy);
  PicList.SetVisible(false);
  lblMove.Move(1440 * sx, 0, 9495 * sx, 375 * sy);
  // A zero scale makes the font size 0: the label keeps its design size.
  Try([&] { LblSuccess.SetFontSize(72 * sx); });
  LblSuccess.Move(2640 * sx, 3840 * sy);
  LblSuccess.SetVisible(false);
}

void FrmMain::lblMove_MouseDown(int button, int, double, double) {
  if (650 * frame::installation().scaleY() > forms::ScreenHeight() / 15) return;
  if (button == forms::kLeftButton) DragWindow();
  gDesktopHooks.onLaidOut();
}

void FrmMain::ShowTargetBox() { Label1.SetVisible(true); }

void FrmMain::Form_Click() { CollapseLocationList(); }

void FrmMain::Form_MouseUp(int, int, double, double) { CollapseLocationList(); }

void FrmMain::Form_MouseMove(int, int, double, double) {
  CloseMenus();
  ShowTargetBox();
}

void FrmMain::Image1_MouseMove() {
  CloseMenus();
  ShowTargetBox();
}

void FrmMain::Label1_Click() { CollapseLocationList(); }

}  // namespace xpexam::desktop
