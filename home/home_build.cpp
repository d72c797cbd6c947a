// The home-screen builder: what it takes from the installed bank and the learner's records.
#include "desktop/answer_input_method.h"
#include "forms/app.h"
#include "forms/color.h"
#include "frame/installation.h"
#include "frame/settings.h"
#include "frame/start_window.h"
#include "home/bank_layout.h"
#include "home/home_screen.h"
#include "home/head_lines.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::home {

void FrmFengmian::BuildHomeScreen() {
  const frame::Installation& inst = frame::installation();
  using platform::TryReport;
  constexpr std::string_view kTag = "fengmaincsh";

  // Bank version: the update list's line 1; footer label 0 shows it as stored.
  std::string version_line;
  TryReport(kTag, [&] { version_line = FirstLine(inst.dataPath() + "288895.mxy"); });
  frame::editInstallation().SetBankVersion(platform::Trim(version_line));

  // A bank of another module: the program ends here, saving nothing.
  std::string module_line;
  TryReport(kTag, [&] { module_line = FirstLine(inst.dataPath() + "288899.mxy"); });
  bool other_module = false;
  other_module = platform::Val(module_line) != inst.productNo();
  if (other_module) forms::End();

  LblInfo[1].SetCaption("官方网站：" + inst.settings(16));
  LblInfo[2].SetCaption("客服电话：" + inst.settings(10));
  LblInfo[3].SetCaption("客服QQ：" + inst.settings(11));

  std::string ime_line;
  TryReport(kTag, [&] { ime_line = FirstLine(inst.appPath() + "\\ksdata\\288890.mxy"); });
  desktop::editAnswerInputMethod().SetSwitching(platform::Val(ime_line) != 0);

  SetCaption(frame::kProgramCaption);
  LblCaption.Move(frame::ScaleX(240), frame::ScaleY(120));
  LblCaption.SetFontSize(frame::ScaleX(10));
  LblInfo[0].SetCaption("题库版本：V" + version_line);
  LblCaption.SetCaption(inst.moduleTitle());

  for (int k = 0; k <= 3; ++k) {
    LblInfo[k].SetTop(frame::ScaleY(8670));
    LblInfo[k].SetFontSize(frame::ScaleX(9));
    TryReport(kTag, [&] { LblInfo[k].SetForeColor(static_cast<forms::Color>(platform::CLng(platform::Val(inst.settings(29))))); });
    LblInfo[k].SetLeft(frame::ScaleX(platform::Val(inst.settings(30 + k))));
  }

  ReadBankLayout();
  CountRandomPapers();
  LayOutButtons();
  NormaliseUnitProgress();
  LayOutUnitPanel();
  ClickBotn_Click(49);
  LayOutPaperPanel();
  ClickBotn_Click(28);
  LayOutRecordPanels();
  LayOutHelp();
  ClickBotn_Click(32);
}

}  // namespace xpexam::home
