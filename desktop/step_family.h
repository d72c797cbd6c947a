#pragma once
// What each step family means, one row a family (StepFamily below): the learner's action that
// completes it on the desktop, the box the learner types into, and the hint line the desktop and
// the demonstration show while the learner types. The desktop's checks, its set-up of a step and
// the demonstration's typing read the row. A new family is one more enumerator and one more row;
// the switches over the family have no default, so the compiler names every other place that
// has to say what the new family does.
#include <cstdint>
#include <string>
#include <string_view>

#include "desktop/step_record.h"

namespace xpexam::desktop {

enum class CompletingEvent : uint32_t {
  kNone = 0,
  kLeftClick = 1u << 0,          // release of the left button, no shift, on the target box
  kAnyRelease = 1u << 1,         // release of any button on the target box
  kDoubleClick = 1u << 2,        // on the target box
  kRightPress = 1u << 3,         // press of the right button on the target box
  kCodedPress = 1u << 4,         // press with the button and shift state the code names
  kHover = 1u << 5,              // the pointer over the target box
  kTypedRelaxed = 1u << 6,       // Text1's text matches as typed answers do
  kTypedExactCase = 1u << 7,     // Text1's text matches letter case and all
  kTypedOnEnter = 1u << 8,       // Enter released in Text1 with a matching text
  kSelection = 1u << 9,          // the hint's text selected in Text1
  kTypedThenRelease = 1u << 10,  // a release on the target box with a matching Text1
  kAutomatic = 1u << 11,         // a second after the load
};

constexpr CompletingEvent operator|(CompletingEvent a, CompletingEvent b) {
  return static_cast<CompletingEvent>(static_cast<uint32_t>(a) | static_cast<uint32_t>(b));
}

// Where the learner answers. The answer box Text1 is laid out by every record; a family with
// another box shows that one in Text1's place or beside it, and every other family hides it.
enum class AnswerBox {
  kText1,         // Text1 itself, or no typing at all
  kPassword,      // Text2 takes Text1's text and place
  kMultiLine,     // Text3 takes Text1's text and place (the desktop only)
  kCell,          // Text4, the edit bar, beside Text1 (the desktop only)
  kList,          // the list LstLA in Text1's place
  kLocationList,  // the location list
};

// The hint line while the learner types: `before`, the hint (its shown part, before any "|", or
// all of it), then `after`. Without `before` the hint line stays as the record gives it.
struct TypingPrompt {
  std::string_view before;
  std::string_view after;
  bool whole_hint = false;
  bool clears_selection = false;  // Text1's selection is cleared first

  constexpr explicit operator bool() const { return !before.empty(); }
  std::string Around(std::string_view hint) const {
    return std::string(before) + (whole_hint ? std::string(hint) : PromptPart(hint)) + std::string(after);
  }
};

struct StepFamilyRow {
  CompletingEvent completes = CompletingEvent::kNone;
  AnswerBox box = AnswerBox::kText1;
  TypingPrompt desktop_prompt;
  TypingPrompt demonstration_prompt;
};

// The words of the rows below.
namespace step_family {

inline constexpr bool kShownPart = false, kWholeHint = true;
inline constexpr bool kClearsSelection = true;

constexpr TypingPrompt Prompt(std::string_view before, std::string_view after = "", bool whole_hint = kShownPart,
                              bool clears_selection = false) {
  TypingPrompt p;
  p.before = before;
  p.after = after;
  p.whole_hint = whole_hint;
  p.clears_selection = clears_selection;
  return p;
}

constexpr StepFamilyRow Row(CompletingEvent completes, AnswerBox box = AnswerBox::kText1, TypingPrompt desktop = {},
                            TypingPrompt demonstration = {}) {
  StepFamilyRow row;
  row.completes = completes;
  row.box = box;
  row.desktop_prompt = desktop;
  row.demonstration_prompt = demonstration;
  return row;
}

inline constexpr std::string_view kType = "输入 ";
inline constexpr std::string_view kSelect = "请选中 ";
inline constexpr std::string_view kThenEnter = " 并按回车键";
inline constexpr std::string_view kThenClick = " 并点击红色方框处";
inline constexpr std::string_view kInCell = "在单元格或编辑栏中输入 ";
inline constexpr std::string_view kInCellThen = " 并按回车键或点红色方框处";

}  // namespace step_family

// The row of a family. Families completed by their own models (menu bar, popup menu, tabs,
// lists, drags, keys) or by a substitute answer box complete on no event here.
constexpr StepFamilyRow StepFamily(StepCodeFamily family) {
  using F = StepCodeFamily;
  using E = CompletingEvent;
  using B = AnswerBox;
  using namespace step_family;
  constexpr TypingPrompt none{};
  constexpr TypingPrompt type = Prompt(kType);
  switch (family) {
    case F::kNone: return Row(E::kNone);
    case F::kClick: return Row(E::kLeftClick);
    // No check of its own: the desktop takes it as the click the demonstration shows.
    case F::kDemonstrationOnly: return Row(E::kLeftClick);
    case F::kDoubleClick: return Row(E::kDoubleClick);
    case F::kRightPress: return Row(E::kRightPress);
    case F::kPress: return Row(E::kCodedPress);
    case F::kHover: return Row(E::kHover);
    case F::kKey: return Row(E::kNone);
    case F::kPopupMenu: return Row(E::kNone);
    case F::kTypeAnswer: return Row(E::kTypedRelaxed, B::kText1, type, type);
    case F::kTypePassword: return Row(E::kNone, B::kPassword, type, type);
    case F::kTypeAndEnter: return Row(E::kTypedOnEnter);
    case F::kSelectHintText:
      return Row(E::kSelection, B::kText1, Prompt(kSelect, "", kShownPart, kClearsSelection),
                 Prompt(kSelect, "", kWholeHint, kClearsSelection));
    case F::kTypeAndEnterPrompted:
      return Row(E::kTypedOnEnter, B::kText1, Prompt(kType, kThenEnter),
                 Prompt(kType, kThenEnter, kWholeHint));
    case F::kTypeExactCase: return Row(E::kTypedExactCase, B::kText1, type, type);
    case F::kTypeThenClick:
      return Row(E::kTypedThenRelease, B::kText1, Prompt(kType, kThenClick, kShownPart, kClearsSelection), none);
    case F::kTypeMultiLine: return Row(E::kNone, B::kMultiLine, type, none);
    case F::kTypeInCell:
      return Row(E::kTypedOnEnter | E::kTypedThenRelease, B::kCell,
                 Prompt(kInCell, kInCellThen, kWholeHint, kClearsSelection), none);
    case F::kRubberBand: return Row(E::kNone);
    case F::kDrag: return Row(E::kNone);
    case F::kMenuBar: return Row(E::kNone);
    case F::kHandleDrag: return Row(E::kNone);
    case F::kAutomatic: return Row(E::kAutomatic);
    case F::kFinal: return Row(E::kNone);
    case F::kList: return Row(E::kNone, B::kList);
    case F::kLocationList: return Row(E::kAnyRelease, B::kLocationList);
  }
  return Row(E::kNone);
}

constexpr CompletingEvent CompletingEventsOf(StepCodeFamily family) { return StepFamily(family).completes; }

constexpr bool CompletesOn(StepCodeFamily family, CompletingEvent event) {
  return (static_cast<uint32_t>(CompletingEventsOf(family)) & static_cast<uint32_t>(event)) != 0;
}

}  // namespace xpexam::desktop
