// What each kind of step needs once its record is laid out, the completion of a question on
// its final record, and the advance to the next record.
#include <string>
#include <string_view>

#include "desktop/desktop_window.h"

#include "desktop/hooks.h"
#include "desktop/menu_bar.h"
#include "desktop/session_plan.h"
#include "desktop/step_family.h"
#include "desktop/step_record.h"
#include "desktop/typed_answer.h"
#include "frame/installation.h"
#include "platform/failure.h"
#include "platform/strings.h"

namespace xpexam::desktop {

using platform::Try;

bool FrmMain::SetUpStepCode(uint64_t load) {
  const frame::Installation& inst = frame::installation();
  const StepRecord rec = Step();
  const StepCodeFamily family = rec.CodeFamily();
  scene_.TakeStepCode(rec, mStepCode);

  // The box one family shows is hidden for every other one.
  const StepFamilyRow& row = StepFamily(family);
  if (row.box != AnswerBox::kMultiLine) Text3.SetVisible(false);
  if (row.box != AnswerBox::kCell) Text4.SetVisible(false);
  if (row.box != AnswerBox::kList) {
    list_step_.Hide();
    ShowListStep();
  }
  if (row.box != AnswerBox::kLocationList) {
    location_list_.Hide();
    ShowLocationList();
  }
  // One attribute at a time, as the multi-line box scrolls after each; Text1's are all valid.
  Text3.SetFontName(Text1.FontName());
  Text3.SetFontSize(Text1.FontSize());
  Text3.SetFontBold(Text1.FontBold());
  Text3.SetFontItalic(Text1.FontItalic());
  Text3.SetFontUnderline(Text1.FontUnderline());
  Text3.SetForeColor(Text1.ForeColor());
  Text3.SetBackColor(Text1.BackColor());

  // The substitute answer box takes the typed text (its own check runs at once, and may load
  // the next record) and then Text1's place.
  const auto same_load = [&] { return load == load_count_; };
  if (!scene_.PlacePasswordBox(rec, same_load)) return false;
  if (row.box == AnswerBox::kMultiLine && !scene_.Substitute(Text3, same_load)) return false;
  // The typing prompt replaces the hint line; the shown part is read once the answer box's own
  // check has run.
  if (row.desktop_prompt.clears_selection) Text1.SetSelLength(0);
  if (row.desktop_prompt) LHelp.SetCaption(row.desktop_prompt.Around(LHelp.Caption()));

  // What a family needs beyond its box and prompt; no family needs more than one of these.
  if (CompletesOn(family, CompletingEvent::kOnLoad)) CompleteQuestion();
  if (row.box == AnswerBox::kCell) {
    Text4.Move(2835 * inst.scaleX(), 1560 * inst.scaleY(), 8865 * inst.scaleX(), 255 * inst.scaleY());
    Try([&] { Text4.SetFontSize(11 * inst.scaleX()); });
    Text4.SetVisible(true);
  }
  if (row.handle_takes_drag) {
    for (forms::Label* box : {&Label1, &Label4}) box->Move(box->Left(), box->Top(), 1, 1);
  }
  if (row.box == AnswerBox::kList && !SetUpList(load)) return false;
  if (row.box == AnswerBox::kLocationList && !SetUpLocationList(load)) return false;
  scene_.PlaceFrames(Step());
  ComeToFront();
  return true;
}

bool FrmMain::SetUpList(uint64_t load) {
  const StepRecord rec = Step();
  LstLA.Move(Text1.Left(), Text1.Top(), Text1.Width(), Text1.Height());
  Text1.SetVisible(false);
  std::string items;
  Try([&] { items = StepTextOrLast(desktop::plan().textFile(), rec.ListTextLine()).value_or(""); });
  // The initial selection runs the list's own check; the list box then shows it (its change
  // event finds the choice already made).
  const bool answered = list_step_.SetUp(rec, items);
  LstLA.Clear();
  for (const std::string& item : list_step_.Entries()) LstLA.AddItem(item);
  // An initial entry past the list leaves none chosen.
  Try([&] { LstLA.SetListIndex(list_step_.ListIndex()); });
  ShowListStep();
  LblXXK[0].SetWidth(LstLA.Width());
  if (answered) AdvanceStep();
  return load == load_count_;
}

bool FrmMain::SetUpLocationList(uint64_t load) {
  const StepRecord rec = Step();
  PicList.Move(Text1.Left(), Text1.Top());
  // Choosing the initial entry runs the location check.
  const bool answered = location_list_.SetUp(rec);
  ShowLocationList();
  if (answered) AdvanceStep();
  return load == load_count_;
}

void FrmMain::CompleteQuestion() {
  if (desktop::plan().runMode() != desktop::RunMode::kTimedExam) LblSuccess.SetVisible(true);
  Try([] { gDesktopHooks.onQuestionCompleted(cursor().question()); });
}

void FrmMain::AdvanceStep() {
  if (Step().IsFinal()) {
    Try([] { gDesktopHooks.onQuestionCompleted(cursor().question()); });
  } else {
    // A next record that cannot be read leaves the question on its step: nothing completes.
    std::optional<std::string> next;
    Try([&] { next = ReadQuestionStep(cursor().question(), desktop::cursor().step() + 1L); });
    if (next && Try([] { desktop::editCursor().GoToStep(platform::CInt(desktop::cursor().step() + 1.0)); })) {
      next_record_.emplace(desktop::plan().stepFile(), std::move(*next));
      LoadStep();
    }
  }
  ComeToFront();
}

}  // namespace xpexam::desktop
