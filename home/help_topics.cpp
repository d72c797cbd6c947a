// The help panel: five topic buttons and the topic page.
#include <regex>
#include <string>

#include "frame/data_picture.h"
#include "frame/module_state.h"
#include "home/frm_fengmian.h"
#include "platform/codepage.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::home {
namespace {

using frame::ScaleX;
using frame::ScaleY;
using platform::TryReport;

constexpr std::string_view kBuildTag = "fengmaincsh";
constexpr std::string_view kClickTag = "clickbotn";

const char* const kTopicTitles[] = {"软件介绍", "备考指南", "考试大纲", "答题技巧", "常见问题"};

}  // namespace

std::string HelpPageText(const std::string& html) {
  std::string text = html;
  // Only the body is shown: drop the head (title, style) and scripts.
  text = std::regex_replace(text, std::regex(R"(<head[\s\S]*?</head>|<script[\s\S]*?</script>|<style[\s\S]*?</style>)", std::regex::icase), "");
  text = std::regex_replace(text, std::regex(R"(\r?\n)"), "");
  text = std::regex_replace(text, std::regex(R"(<li[^>]*>)", std::regex::icase), "· ");
  text = std::regex_replace(text, std::regex(R"(<br\s*/?>|</(p|h[1-6]|li|div|tr)>)", std::regex::icase), "\r\n");
  text = std::regex_replace(text, std::regex(R"(<[^>]*>)"), "");
  for (const auto& [entity, ch] : {std::pair{"&nbsp;", " "}, std::pair{"&lt;", "<"}, std::pair{"&gt;", ">"},
                                   std::pair{"&quot;", "\""}, std::pair{"&amp;", "&"}})
    text = platform::Replace(text, entity, ch);
  const size_t first = text.find_first_not_of(" \r\n\t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \r\n\t") - first + 1);
}

void FrmFengmian::LayOutHelp() {
  TryReport(kBuildTag, [&] { PicHelpLeft.Move(PicUnitLeft.Left(), PicUnitLeft.Top()); });
  TryReport(kBuildTag, [&] { PicHelpLeft.SetPicture(PicUnitLeft.Picture()); });
  for (int i = 32; i <= 36; ++i)
    TryReport(kBuildTag, [&] { ClickBotn[i].Move(ScaleX(15), ScaleY(15 + (i - 32) * 750), ScaleX(2700), ScaleY(750)); });
  TryReport(kBuildTag, [&] {
    WebHelpCON.SetWordWrap(true);
    WebHelpCON.SetBackColor(forms::Rgb(255, 255, 255));
    WebHelpCON.Move(ScaleX(2880), ScaleY(870), ScaleX(9090), ScaleY(5880));
  });
  TryReport(kBuildTag, [&] {
    LlbHelpCAP.SetCaption("");
    LlbHelpCAP.SetBackStyle(0);
    LlbHelpCAP.SetAutoSize(true);
    LlbHelpCAP.SetAlignment(2);
    LlbHelpCAP.SetFontBold(true);
    LlbHelpCAP.SetForeColor(0x00E97F0C);
    LlbHelpCAP.Move(ScaleX(6960), ScaleY(240));
    LlbHelpCAP.SetFontSize(20 * frame::gScaleX);
  });
}

void FrmFengmian::ShowHelpTopic(int index) {
  for (int i = 32; i <= 36; ++i) TryReport(kClickTag, [&] { ClickBotn[i].SetEnabled(true); });
  const std::string page = frame::gDataPath + "l3818" + std::to_string(index - 32) + ".mxy";
  TryReport(kClickTag, [&] { LlbHelpCAP.SetCaption(kTopicTitles[index - 32]); });
  TryReport(kClickTag, [&] { ClickBotn[index].SetEnabled(false); });
  // A missing page shows an empty page.
  std::string text;
  platform::Try([&] {
    if (auto bytes = platform::ReadFileBytes(page)) text = HelpPageText(platform::GbkToUtf8(*bytes));
  });
  TryReport(kClickTag, [&] { WebHelpCON.SetCaption(text); });
}

}  // namespace xpexam::home
