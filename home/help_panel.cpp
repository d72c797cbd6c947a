// The help panel: five topic buttons and the topic page.
#include <string>

#include "frame/data_picture.h"
#include "frame/installation.h"
#include "home/home_screen.h"
#include "home/home_buttons.h"

namespace xpexam::home {
namespace {

using frame::ScaleX;
using frame::ScaleY;
using platform::TryReport;

const char* const kTopicTitles[] = {"软件介绍", "备考指南", "考试大纲", "答题技巧", "常见问题"};

}  // namespace

void FrmFengmian::LayOutHelp() {
  PicHelpLeft.Move(PicUnitLeft.Left(), PicUnitLeft.Top());
  PicHelpLeft.SetPicture(PicUnitLeft.Picture());
  for (int i = 32; i <= 36; ++i)
    ClickBotn[i].Move(ScaleX(15), ScaleY(15 + (i - 32) * 750), ScaleX(2700), ScaleY(750));
  WebHelpCON.Move(ScaleX(2880), ScaleY(870), ScaleX(9090), ScaleY(5880));
  LlbHelpCAP.SetCaption("");
  LlbHelpCAP.SetBackStyle(forms::Background::kTransparent);
  LlbHelpCAP.SetAutoSize(true);
  LlbHelpCAP.SetAlignment(forms::TextAlign::kCenter);
  LlbHelpCAP.SetFontBold(true);
  LlbHelpCAP.SetForeColor(0x00E97F0C);
  LlbHelpCAP.Move(ScaleX(6960), ScaleY(240));
  LlbHelpCAP.SetFontSize(20 * frame::installation().scaleX());
}

void FrmFengmian::ShowHelpTopic(int index) {
  for (int i = 32; i <= 36; ++i) ClickBotn[i].SetEnabled(true);
  const std::string page = frame::installation().dataPath() + "l3818" + std::to_string(index - 32) + ".mxy";
  LlbHelpCAP.SetCaption(kTopicTitles[index - 32]);
  ClickBotn[index].SetEnabled(false);
  // A missing page shows an empty page.
  TryReport(kClickTag, [&] { WebHelpCON.Navigate(page); });
}

}  // namespace xpexam::home
