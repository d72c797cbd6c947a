// The answer boxes: the set-up of Text1 from the record, and the checks of what is typed or
// selected in Text1 to Text4. Every check reads the record and the step text file when it
// runs; a change handler that completes the step loads the next one inside the assignment.
#include "desktop/desktop_window.h"

#include "desktop/answer_input_method.h"
#include "desktop/step_family.h"
#include "desktop/session_plan.h"
#include "desktop/step_record.h"
#include "desktop/typed_answer.h"
#include "platform/failure.h"
#include "platform/keyboard.h"
#include "platform/strings.h"

namespace xpexam::desktop {

using platform::Try;

namespace {

constexpr int kEnter = 13;

using F = StepCodeFamily;
using E = CompletingEvent;

// The answer text; nothing when the record names a line that gives no text (an empty line, an
// empty or missing file): only "000" asks for the empty answer, so an empty box never
// answers a step whose text is missing.
std::optional<std::string> AnswerText(const StepRecord& step) {
  const TextLineRef line = step.AnswerLine();
  std::optional<std::string> text = StepTextOf(line, desktop::plan().textFile());
  if (!line.IsNone() && platform::Trim(*text).empty()) text.reset();
  return text;
}

std::optional<TypingAnswers> Answers(const StepRecord& step) {
  const auto text = AnswerText(step);
  if (!text) return std::nullopt;
  return TypingAlternatives(*text);
}

bool Relaxed(const std::string& typed, const std::optional<TypingAnswers>& answers) {
  return answers && MatchesRelaxed(typed, *answers);
}

}  // namespace

void FrmMain::SetUpTextBox() {
  const uint64_t load = load_count_;
  const StepRecord rec = Step();
  // An initial text that already answers the step completes it in there.
  if (!scene_.ShowAnswerBox(rec) || load != load_count_) return;
  scene_.FormatAnswerBox(rec);
  Text3.SetAlignment(Text1.Alignment());
}

void FrmMain::Text1_Change() {
  Try([&] { mStepCode = Step().StepCodeValue(); });
  // The cell and the edit bar mirror each other; the same text assigned back is no change,
  // so one keystroke bounces once.
  // Text4's own handler guards its one statement, so the mirror runs unguarded.
  if (StepFamily(Step().CodeFamily()).box == AnswerBox::kCell) Text4.SetText(Text1.Text());
  const auto answers = Answers(Step());
  const F family = Step().CodeFamily();
  if (CompletesOn(family, E::kTypedRelaxed) && Relaxed(Text1.Text(), answers)) AdvanceStep();
  if (CompletesOn(family, E::kTypedExactCase) && answers && MatchesExact(Text1.Text(), *answers)) AdvanceStep();
}

void FrmMain::Text2_Change() {
  const auto answer = AnswerText(Step());
  if (answer && MatchesWhole(Text2.Text(), *answer)) AdvanceStep();
}

void FrmMain::Text3_Change() {
  if (Relaxed(Text3.Text(), Answers(Step()))) AdvanceStep();
}

void FrmMain::Text4_Change() {
  if (StepFamily(Step().CodeFamily()).box == AnswerBox::kCell) Try([&] { Text1.SetText(Text4.Text()); });
}

void FrmMain::Text1_KeyUp(int& key_code, int) {
  if (key_code != kEnter || !CompletesOn(Step().CodeFamily(), E::kTypedOnEnter)) return;
  const auto answers = Answers(Step());
  if (answers && MatchesOnEnter(Text1.Text(), *answers)) {
    AdvanceStep();
    return;
  }
  Try([&] { Text1.SetText(""); });
}

void FrmMain::Text4_KeyUp(int& key_code, int shift) {
  if (StepFamily(Step().CodeFamily()).box == AnswerBox::kCell && key_code == kEnter) Text1_KeyUp(key_code, shift);
}

void FrmMain::Text1_MouseUp(int, int, double, double) {
  if (!CompletesOn(Step().CodeFamily(), E::kSelection)) return;
  const std::string hint = StepTextOf(Step().HintLine(), desktop::plan().textFile());
  if (SelectionMatches(Text1.SelText(), hint)) AdvanceStep();
}

void FrmMain::Text1_GotFocus() {
  const AnswerInputMethod& ime = answerInputMethod();
  if (ime.switches()) platform::ActivateKeyboardLayout(ime.layout());
}

void FrmMain::CheckTypedAnswerOnClick() {
  if (Relaxed(Text1.Text(), Answers(Step()))) AdvanceStep();
}

}  // namespace xpexam::desktop
