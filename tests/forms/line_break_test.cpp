// Chinese line breaking in wrapped text: no line starts with closing punctuation and none ends
// with opening punctuation, in multi-line text boxes (the question text) and wrapped labels.
#include <pango/pango.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/form.h"
#include "forms/graphics_internal.h"
#include "forms/text_box.h"
#include "platform/strings.h"
#include "tests/forms/forms_test_util.h"

namespace xpexam::forms {
namespace {

const char* const kTexts[] = {
    "在桌面上新建一个文件夹，然后把它重命名为“学习资料”。再打开它（双击），完成：以上操作！",
    "用鼠标拖动「我的电脑」图标到『回收站』中。设置【高级】选项；然后单击《确定》按钮？",
    "打开Windows的记事本，输入abc.txt，然后保存……最后关闭它。",
};

const std::string kNoStart = "。，、；：？！）」』】》”…,.;:?!)";
const std::string kNoEnd = "（「『【《“(";

bool In(const std::string& set, const std::string& ch) { return !ch.empty() && set.find(ch) != std::string::npos; }

// The lines that break the rule, for the failure message.
std::vector<std::string> Offending(const std::vector<std::string>& lines) {
  std::vector<std::string> bad;
  for (size_t i = 0; i < lines.size(); ++i) {
    const auto chars = platform::Chars(lines[i]);
    if (chars.empty()) continue;
    if ((i > 0 && In(kNoStart, chars.front())) || (i + 1 < lines.size() && In(kNoEnd, chars.back())))
      bad.push_back(lines[i]);
  }
  return bad;
}

class FrmWrap : public FormOf<FrmWrap> {
 public:
  TextBox Text1{*this, "Text1"};
  FrmWrap() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, 12000, 9000);
    Text1.SetMultiLine(true);
    Text1.SetBorderStyle(forms::BoxBorder::kNone);
  }
};

class LineBreakTest : public testing::FormsTest {};

TEST_F(LineBreakTest, TextBoxKeepsPunctuationWithItsWord) {
  auto& f = FrmWrap::Get();
  f.Show();
  for (const char* text : kTexts) {
    f.Text1.SetText(text);
    // Every width from four characters up, so that each punctuation mark meets a line end.
    for (int px = 50; px <= 400; ++px) {
      f.Text1.Move(0, 0, px * 15, 3000);
      const auto lines = f.Text1.ShownLines();
      std::string joined;
      for (const auto& l : lines) joined += l;
      ASSERT_EQ(joined, text) << px;  // nothing lost or doubled
      EXPECT_EQ(Offending(lines), std::vector<std::string>{}) << "width " << px;
    }
  }
}

TEST_F(LineBreakTest, WrappedLabelTextFollowsTheSameRule) {
  TextStyle style;
  style.word_wrap = true;
  for (const char* text : kTexts) {
    const std::string t = text;
    // From five characters up: a narrower line cannot hold "abc.txt，" and must break in it.
    for (int px = 60; px <= 400; ++px) {
      PangoLayout* layout = internal::LayoutFor(t, style, px).layout;
      std::vector<std::string> lines;
      for (GSList* l = pango_layout_get_lines_readonly(layout); l; l = l->next) {
        auto* line = static_cast<PangoLayoutLine*>(l->data);
        lines.push_back(t.substr(line->start_index, line->length));
      }
      EXPECT_EQ(Offending(lines), std::vector<std::string>{}) << "width " << px;
    }
  }
}

}  // namespace
}  // namespace xpexam::forms
