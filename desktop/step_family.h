#pragma once
// What each step family means, one row a family (StepFamily below): how its codes are written and
// how the demonstration plays them, the learner's action that completes it on the desktop, the
// box the learner types into, the hint line the desktop and the demonstration show while the
// learner types, and the boxes another control stands in for. Both readings of a step code (the
// family, and the demonstration's action) are derived from the rows; the desktop's checks and
// set-up and the demonstration's playing read the row. A new family is one more enumerator and
// one more row: the rows are a switch with no default, so the build stops here until the row is
// written.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace xpexam::desktop {

// The action that completes a step, by its step code (positions 8-11). Letters in the
// comments stand for one digit each.
enum class StepCodeFamily {
  kNone,                 // no check completes it
  kClick,                // "0001" left click on the target box
  kDoubleClick,          // "0002"
  kRightPress,           // "0003"
  kPress,                // 9SBB except "9999": press with button BB and shift state S
  kHover,                // "0030"
  kKey,                  // 6SKK: release key KK with shift state S
  kPopupMenu,            // 3MGI, 4MGI, 5MGI: item I of group G in popup menu M
  kTypeAnswer,           // "0020"
  kTypePassword,         // "0021" in Text2
  kTypeAndEnter,         // "0022"
  kSelectHintText,       // "0023"
  kTypeAndEnterPrompted, // "0024"
  kTypeExactCase,        // "0025"
  kTypeThenClick,        // "0026"
  kTypeMultiLine,        // "0027" in Text3
  kTypeInCell,           // "0028" cell or edit bar
  kRubberBand,           // 004S
  kDrag,                 // 005S
  kMenuBar,              // "7000"
  kHandleDrag,           // "80" + two digits
  kAutomatic,            // "8888" completes by itself after a second
  kFinal,                // "9999" completes the question on load
  kList,                 // "L" + three digits: step-text line of the entries
  kLocationList,         // "K" + shown entry + two-digit expected entry
  kDemonstrationOnly,    // "2000" only the demonstration acts on it
};
inline constexpr int kStepCodeFamilyCount = 26;  // checked against the rows below

// How the demonstration plays a step.
enum class DemoAction {
  kNone,             // the pointer drifts until it leaves the window
  kClick,
  kUnaimedClick,     // clicked where the pointer was last aimed
  kDoubleClick,
  kRightClick,
  kRightPopup,       // right click, then the popup's items
  kLeftPopup,
  kPress,
  kKey,
  kRubberBand,
  kDrag,
  kTyping,
  kHandleDrag,
  kMenuBar,
  kFinal,
};

// The family of a step code: the family whose code form it matches with the longest lead
// ("9999" is final, not a press), else kNone.
StepCodeFamily ClassifyStepCode(std::string_view code);
// The family of a numeric step code (the value of the four characters, or the code a
// right-button alternative put in its place): 0 to 9999 read as four digits, else kNone.
StepCodeFamily ClassifyStepCode(int value);
// How the demonstration plays a step code: it goes by the leading characters only (the longest
// demonstration lead the code begins with), so it also acts on codes no check completes.
DemoAction ClassifyDemoStep(std::string_view code);

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
  kOnLoad = 1u << 12,            // the load itself, which completes the question
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

// What a press on the Label4 box starts.
enum class Label4Drag {
  kNone,
  kRubberBand,  // the band, which counts on a release in the target box, and a drag
  kDrag,        // a drag, which counts on a release in the target box after a move
};

// The hint line while the learner types: `before`, the hint (its shown part, before any "|", or
// all of it), then `after`. Without `before` the hint line stays as the record gives it.
struct TypingPrompt {
  std::string_view before;
  std::string_view after;
  bool whole_hint = false;
  bool clears_selection = false;  // Text1's selection is cleared first

  constexpr explicit operator bool() const { return !before.empty(); }
  std::string Around(std::string_view hint) const;
};

// One way a family's code is written: `lead` and then digits, four characters in all (a lead of
// four characters is the whole code). The demonstration reads a code by its leading characters
// alone, `demonstration_lead` where it reads more or fewer of them than `lead`, and plays it as
// `demonstration`; a form it plays as kNone it does not read.
struct StepCodeForm {
  std::string_view lead;
  DemoAction demonstration = DemoAction::kNone;
  std::string_view demonstration_lead;  // empty: `lead`

  constexpr std::string_view DemonstrationLead() const {
    return demonstration_lead.empty() ? lead : demonstration_lead;
  }
};

struct StepFamilyRow {
  std::array<StepCodeForm, 3> codes{};  // a form without a lead is no form
  CompletingEvent completes = CompletingEvent::kNone;
  AnswerBox box = AnswerBox::kText1;
  TypingPrompt desktop_prompt{};
  TypingPrompt demonstration_prompt{};
  Label4Drag label4_drag = Label4Drag::kNone;
  // The menu bar takes the click: the target box shrinks to a point as the code is taken.
  bool menu_bar_takes_click = false;
  // The handle takes the drag: the target and Label4 boxes shrink to points once the answer
  // boxes are set up.
  bool handle_takes_drag = false;
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

constexpr StepCodeForm Code(std::string_view lead, DemoAction demonstration = DemoAction::kNone,
                            std::string_view demonstration_lead = "") {
  return StepCodeForm{lead, demonstration, demonstration_lead};
}

// The demonstration types every code that begins "002", a typing family's or not.
constexpr StepCodeForm TypingCode(std::string_view code) { return Code(code, DemoAction::kTyping, "002"); }

inline constexpr std::string_view kType = "输入 ";
inline constexpr std::string_view kSelect = "请选中 ";
inline constexpr std::string_view kThenEnter = " 并按回车键";
inline constexpr std::string_view kThenClick = " 并点击红色方框处";
inline constexpr std::string_view kInCell = "在单元格或编辑栏中输入 ";
inline constexpr std::string_view kInCellThen = " 并按回车键或点红色方框处";

// The rows. Families completed by their own models (menu bar, popup menu, tabs, lists, drags,
// keys) or by a substitute answer box complete on no event here. A value past the last family
// has no row.
constexpr std::optional<StepFamilyRow> RowOf(StepCodeFamily family) {
  using F = StepCodeFamily;
  using E = CompletingEvent;
  using B = AnswerBox;
  using A = DemoAction;
  constexpr TypingPrompt type = Prompt(kType);
  switch (family) {
    // "T" and digits: the demonstration clicks where its pointer was last aimed.
    case F::kNone: return StepFamilyRow{.codes = {Code("T", A::kUnaimedClick)}};
    case F::kClick: return StepFamilyRow{.codes = {Code("0001", A::kClick)}, .completes = E::kLeftClick};
    // No check of its own: the desktop takes it as the click the demonstration shows.
    case F::kDemonstrationOnly:
      return StepFamilyRow{.codes = {Code("2000", A::kClick)}, .completes = E::kLeftClick};
    case F::kDoubleClick:
      return StepFamilyRow{.codes = {Code("0002", A::kDoubleClick)}, .completes = E::kDoubleClick};
    case F::kRightPress:
      return StepFamilyRow{.codes = {Code("0003", A::kRightClick)}, .completes = E::kRightPress};
    case F::kPress: return StepFamilyRow{.codes = {Code("9", A::kPress)}, .completes = E::kCodedPress};
    case F::kHover: return StepFamilyRow{.codes = {Code("0030")}, .completes = E::kHover};
    case F::kKey: return StepFamilyRow{.codes = {Code("6", A::kKey)}};
    case F::kPopupMenu:
      return StepFamilyRow{.codes = {Code("3", A::kRightPopup), Code("4", A::kRightPopup), Code("5", A::kLeftPopup)}};
    case F::kTypeAnswer:
      return StepFamilyRow{.codes = {TypingCode("0020")},
                           .completes = E::kTypedRelaxed,
                           .desktop_prompt = type,
                           .demonstration_prompt = type};
    case F::kTypePassword:
      return StepFamilyRow{
          .codes = {TypingCode("0021")}, .box = B::kPassword, .desktop_prompt = type, .demonstration_prompt = type};
    case F::kTypeAndEnter: return StepFamilyRow{.codes = {TypingCode("0022")}, .completes = E::kTypedOnEnter};
    case F::kSelectHintText:
      return StepFamilyRow{.codes = {TypingCode("0023")},
                           .completes = E::kSelection,
                           .desktop_prompt = Prompt(kSelect, "", kShownPart, kClearsSelection),
                           .demonstration_prompt = Prompt(kSelect, "", kWholeHint, kClearsSelection)};
    case F::kTypeAndEnterPrompted:
      return StepFamilyRow{.codes = {TypingCode("0024")},
                           .completes = E::kTypedOnEnter,
                           .desktop_prompt = Prompt(kType, kThenEnter),
                           .demonstration_prompt = Prompt(kType, kThenEnter, kWholeHint)};
    case F::kTypeExactCase:
      return StepFamilyRow{.codes = {TypingCode("0025")},
                           .completes = E::kTypedExactCase,
                           .desktop_prompt = type,
                           .demonstration_prompt = type};
    case F::kTypeThenClick:
      return StepFamilyRow{.codes = {TypingCode("0026")},
                           .completes = E::kTypedThenRelease,
                           .desktop_prompt = Prompt(kType, kThenClick, kShownPart, kClearsSelection)};
    case F::kTypeMultiLine:
      return StepFamilyRow{.codes = {TypingCode("0027")}, .box = B::kMultiLine, .desktop_prompt = type};
    case F::kTypeInCell:
      return StepFamilyRow{.codes = {TypingCode("0028")},
                           .completes = E::kTypedOnEnter | E::kTypedThenRelease,
                           .box = B::kCell,
                           .desktop_prompt = Prompt(kInCell, kInCellThen, kWholeHint, kClearsSelection)};
    case F::kRubberBand:
      return StepFamilyRow{.codes = {Code("004", A::kRubberBand)}, .label4_drag = Label4Drag::kRubberBand};
    case F::kDrag: return StepFamilyRow{.codes = {Code("005", A::kDrag)}, .label4_drag = Label4Drag::kDrag};
    case F::kMenuBar: return StepFamilyRow{.codes = {Code("7000", A::kMenuBar)}, .menu_bar_takes_click = true};
    // The demonstration drags the handle on 800 and a digit only.
    case F::kHandleDrag:
      return StepFamilyRow{.codes = {Code("80", A::kHandleDrag, "800")}, .handle_takes_drag = true};
    case F::kAutomatic: return StepFamilyRow{.codes = {Code("8888")}, .completes = E::kAutomatic};
    case F::kFinal: return StepFamilyRow{.codes = {Code("9999", A::kFinal)}, .completes = E::kOnLoad};
    case F::kList: return StepFamilyRow{.codes = {Code("L")}, .box = B::kList};
    case F::kLocationList:
      return StepFamilyRow{.codes = {Code("K")}, .completes = E::kAnyRelease, .box = B::kLocationList};
  }
  return std::nullopt;
}

static_assert(RowOf(static_cast<StepCodeFamily>(kStepCodeFamilyCount - 1)) &&
                  !RowOf(static_cast<StepCodeFamily>(kStepCodeFamilyCount)),
              "kStepCodeFamilyCount is the number of families");

}  // namespace step_family

// Every family, in the order of the enumeration.
inline constexpr std::array<StepCodeFamily, kStepCodeFamilyCount> kStepCodeFamilies = [] {
  std::array<StepCodeFamily, kStepCodeFamilyCount> all{};
  for (int i = 0; i < kStepCodeFamilyCount; ++i) all[static_cast<size_t>(i)] = static_cast<StepCodeFamily>(i);
  return all;
}();

inline constexpr std::array<StepFamilyRow, kStepCodeFamilyCount> kStepFamilyRows = [] {
  std::array<StepFamilyRow, kStepCodeFamilyCount> rows{};
  for (StepCodeFamily family : kStepCodeFamilies) rows[static_cast<size_t>(family)] = *step_family::RowOf(family);
  return rows;
}();

// The row of a family.
constexpr const StepFamilyRow& StepFamily(StepCodeFamily family) {
  const auto at = static_cast<size_t>(family);
  return kStepFamilyRows[at < kStepFamilyRows.size() ? at : static_cast<size_t>(StepCodeFamily::kNone)];
}

constexpr CompletingEvent CompletingEventsOf(StepCodeFamily family) { return StepFamily(family).completes; }

constexpr bool CompletesOn(StepCodeFamily family, CompletingEvent event) {
  return (static_cast<uint32_t>(CompletingEventsOf(family)) & static_cast<uint32_t>(event)) != 0;
}

}  // namespace xpexam::desktop
