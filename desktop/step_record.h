#pragma once
// The step record: one fixed-column line of a step file describing one step of a question,
// and the lookups in the step file and the step text file.
//
// Positions are 1-based character positions of the decoded line (a double-byte character
// counts as one). A field past the end of a short record reads as empty text: numeric fields
// read 0 and sentinel tests fail. Numeric fields are read as the system reads them (Val, then
// rounded to 16 bits): a value outside 16 bits is Failure 6, so the statement that uses it is
// skipped by the caller's failure convention.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/step_family.h"

namespace xpexam::desktop {

// Sentinels of the parameter field (125-134).
inline constexpr std::string_view kMenuBarNoTarget = "11111";  // 125-129: the bar without a target
inline constexpr std::string_view kAtPointer = "00000";        // 130-134: no popup y, no submenu

// The directions a handle drag ("80" + digits) takes the handle: across (8001 left, 8002
// right), up or down (8003 up, 8004 down) or both (8006 down-left, 8007 down-right, 8008
// up-left, 8009 up-right). Empty for any other code.
struct HandleDrag {
  bool across = false;
  bool up_down = false;
  bool left = false, right = false, up = false, down = false;
};
std::optional<HandleDrag> HandleDragOf(int value);

// The digits of a numeric step code v.
struct StepCodeDigits {
  int kind = 0;           // v \ 1000: 3, 4, 5 popup type; 6 key; 9 press
  int menu_or_shift = 0;  // (v \ 100) mod 10
  int group = 0;          // (v \ 10) mod 10
  int item = 0;           // v mod 10
  int button_or_key = 0;  // v mod 100
};
StepCodeDigits DecomposeStepCode(int v);

enum class PointerKind { kDefault, kStandard, kCustom };
enum class TextAlignment { kLeft, kRight, kCentre };

struct TextStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// Three digits naming a line of the step text file; "000" stands for no text.
class TextLineRef {
 public:
  explicit TextLineRef(std::string digits) : digits_(std::move(digits)) {}
  const std::string& Digits() const { return digits_; }
  bool IsNone() const { return digits_ == "000"; }
  int16_t Number() const;

 private:
  std::string digits_;
};

class StepRecord {
 public:
  static constexpr long kLength = 199;

  StepRecord() = default;
  explicit StepRecord(std::string line) : line_(std::move(line)) {}
  const std::string& Line() const { return line_; }

  // Raw access: the text of a field, its numeric value, and that value in 16 or 32 bits.
  std::string Field(long position, long width) const;
  double Value(long position, long width) const;
  int16_t Int(long position, long width) const;
  int32_t Long(long position, long width) const;

  // 6-7: "EE" stops a left press on the Label4 box from completing the step.
  bool Label4PressCompletes() const { return Field(6, 2) != "EE"; }

  // 8-11.
  std::string StepCode() const { return Field(8, 4); }
  int16_t StepCodeValue() const { return Int(8, 4); }  // 0 when it begins with a letter
  StepCodeFamily CodeFamily() const { return ClassifyStepCode(StepCode()); }
  // 9-11 of a list step ("L" + three digits): the step-text line of the entries.
  int16_t ListTextLine() const { return Int(9, 3); }
  // 9 and 10-11 of a location step ("K" + shown entry + two-digit expected entry).
  int16_t LocationShown() const { return Int(9, 1); }
  int16_t LocationExpected() const { return Int(10, 2); }
  // 11: the shift state a rubber-band or drag step (004S, 005S) asks for.
  int16_t DragShift() const { return Int(11, 1); }

  // 12-17: "888888" keeps the picture shown.
  std::string BackgroundId() const { return Field(12, 6); }
  bool KeepsBackground() const { return BackgroundId() == kKeepPicture; }
  bool IsFinal() const { return CompletesOn(CodeFamily(), CompletingEvent::kOnLoad); }

  // Overlays Image1 to Image5, k = 1 to 5: x, y (5 each) and picture id (6) at 18, 34, 50,
  // 135 and 151. Ten "0" at x and y hide the overlay; "888888" keeps its picture.
  static long OverlayPosition(long k);  // Failure 9 outside 1 to 5
  bool OverlayHidden(long k) const { return Field(OverlayPosition(k), 10) == "0000000000"; }
  int16_t OverlayX(long k) const { return Int(OverlayPosition(k), 5); }
  int16_t OverlayY(long k) const { return Int(OverlayPosition(k) + 5, 5); }
  std::string OverlayId(long k) const { return Field(OverlayPosition(k) + 10, 6); }
  bool OverlayKeepsPicture(long k) const { return OverlayId(k) == kKeepPicture; }

  // 66-85: target box; twenty "0" mean none.
  bool HasTargetBox() const { return Field(66, 20) != std::string(20, '0'); }
  int16_t TargetX() const { return Int(66, 5); }
  int16_t TargetY() const { return Int(71, 5); }
  int16_t TargetWidth() const { return Int(76, 5); }
  int16_t TargetHeight() const { return Int(81, 5); }

  // 86-105: text box when the twenty characters read as a non-zero number.
  bool HasTextBox() const { return Value(86, 20) != 0; }
  // The demonstration hides its answer box only on twenty "0".
  bool TextBoxZeros() const { return Field(86, 20) == std::string(20, '0'); }
  int16_t TextBoxX() const { return Int(86, 5); }
  int16_t TextBoxY() const { return Int(91, 5); }
  int16_t TextBoxWidth() const { return Int(96, 5); }
  int16_t TextBoxHeight() const { return Int(101, 5); }

  // Alternatives at 86. "P": releasing key 89-90 with shift state 88 also completes the step.
  bool HasKeyAlternative() const { return Field(86, 1) == "P"; }
  int16_t KeyAlternativeShift() const { return Int(88, 1); }
  int16_t KeyAlternativeKey() const { return Int(89, 2); }
  // "R": a right press on the target box replaces the step code by 87-90.
  bool HasRightAlternative() const { return Field(86, 1) == "R"; }
  std::string RightAlternativeCode() const { return Field(87, 4); }
  int16_t RightAlternativeValue() const { return Int(87, 4); }

  // 101-105: pointer code over the target box: "S" standard pointer, "M" cursor file,
  // the number in 104-105.
  std::string PointerCode() const { return Field(101, 5); }
  PointerKind PointerCodeKind() const;
  int16_t PointerNumber() const { return Int(104, 2); }
  std::string PointerFile() const { return "ico" + Field(104, 2) + ".CUR"; }

  // Step-text lines: initial text 106-108 and answer 109-111 (in list steps the initial
  // and expected entry, 0-based), hint 122-124, tooltip 197-199.
  TextLineRef InitialTextLine() const { return TextLineRef(Field(106, 3)); }
  TextLineRef AnswerLine() const { return TextLineRef(Field(109, 3)); }
  TextLineRef HintLine() const { return TextLineRef(Field(122, 3)); }
  TextLineRef TooltipLine() const { return TextLineRef(Field(197, 3)); }
  bool HasTooltip() const { return TooltipLine().Number() >= 1; }

  // 112-121: hint label position; ten "0" leave the hint label and its text as they are.
  bool HasHintPosition() const { return Field(112, 10) != "0000000000"; }
  int16_t HintX() const { return Int(112, 5); }
  int16_t HintY() const { return Int(117, 5); }

  // 125-134: the parameter field. Whatever the step uses it for, a non-zero reading of the
  // ten characters makes the title regions of the menu bar active.
  std::string Parameter() const { return Field(125, 10); }
  bool PopupAtPointer() const { return Field(130, 5) == kAtPointer; }
  bool MenuBarActive() const { return Value(125, 10) != 0; }

  // Text format (steps with a text box). Empty optionals keep what the box had.
  double FontSizePoints() const;  // 126-128 in tenths; 0 gives 9 points
  TextAlignment Alignment() const;  // 129
  std::optional<TextStyle> Style() const;  // 131
  std::optional<std::string> FontName() const;  // 132
  std::optional<uint32_t> TextColour() const;  // 133, &HBBGGRR
  std::optional<uint32_t> BackColour() const;  // 134

  // Menu bar: target M II SS at 125-129; the yellow frame marks the menu bar when it is
  // positive and not "11111" and 130-134 are "00000".
  int32_t MenuTarget() const { return Long(125, 5); }
  int16_t MenuTargetMenu() const { return Int(125, 1); }
  int16_t MenuTargetItem() const { return Int(126, 2); }
  int16_t MenuTargetSubitem() const { return Int(128, 2); }
  bool MenuTargetHasSubitem() const { return Field(128, 2) != "00"; }
  bool MarksMenuBar() const;

  // Popup position: x at 125-129, y at 130-134 (design twips); y = 0 opens at the pointer.
  int32_t PopupX() const { return Long(125, 5); }
  int32_t PopupY() const { return Long(130, 5); }
  // The same read as written, without the 32-bit rounding.
  double PopupXValue() const { return Value(125, 5); }
  double PopupYValue() const { return Value(130, 5); }

  // Tab step: "X" at 130, layout letter at 131, tab shown at 132, tab to select at 133
  // ("1"-"9", "A"-"D" for 10-13, anything else 0), overlay slot of the pages at 134.
  bool IsTabStep() const { return Field(130, 1) == "X"; }
  // A tab step showing another tab than the one to select (compared as written).
  bool TabChoicePending() const { return IsTabStep() && Field(132, 1) != Field(133, 1); }
  std::string TabLayout() const { return Field(131, 1); }
  int16_t TabShown() const { return TabNumber(Field(132, 1)); }
  int16_t TabToSelect() const { return TabNumber(Field(133, 1)); }
  int16_t TabImageSlot() const { return Int(134, 1); }
  static int16_t TabNumber(std::string_view c);

  // Back region: "Q" at 125, steps to go back at 129 (0 counts as 1), placed at the point
  // 167/172 read as written, without the 16-bit rounding.
  bool HasBackRegion() const { return Field(125, 1) == "Q"; }
  std::string BackRegionCode() const { return Field(125, 5); }
  int16_t BackSteps() const;
  double BackRegionX() const { return Value(167, 5); }
  double BackRegionY() const { return Value(172, 5); }

  // 167-176: target point of a handle drag.
  int16_t PointX() const { return Int(167, 5); }
  int16_t PointY() const { return Int(172, 5); }

  // 177-196: Label4 box; ten "0" at width and height mean none.
  bool HasLabel4Box() const { return Field(187, 10) != "0000000000"; }
  int16_t Label4X() const { return Int(177, 5); }
  int16_t Label4Y() const { return Int(182, 5); }
  int16_t Label4Width() const { return Int(187, 5); }
  int16_t Label4Height() const { return Int(192, 5); }

  static constexpr const char* kKeepPicture = "888888";

 private:
  std::string line_;
};

// Record number record_number (1-based) of a step file, read from the top. Empty when the
// number is below 1 or past the end, or the file is missing or empty: never another line.
std::optional<std::string> ReadStepRecord(const std::string& path, long record_number);

// Line n of the step text file from its fourth character. Empty when n is below 1 or past
// the end of the file, or the file is missing.
std::optional<std::string> ReadStepText(const std::string& path, long n);

// "|" separates the alternatives of a step text.
// Prompts show the part before the first "|" (the whole text without one).
std::string PromptPart(std::string_view text);
// A typing step accepts the text before the first "|" and everything after it; without
// a "|" both are the whole text.
struct TypingAnswers {
  std::string first;
  std::string second;
  friend bool operator==(const TypingAnswers&, const TypingAnswers&) = default;
};
TypingAnswers TypingAlternatives(std::string_view text);
// A list step takes every part as one entry.
std::vector<std::string> ListEntries(std::string_view text);

// firstLine(1) = 1 and firstLine(i + 1) = firstLine(i) + the step count of question i (the
// record count of question index line i as written, rounded after the addition), up to the
// first line of nothing but spaces. Each store is one statement: a failing one (there is no
// firstLine(501)) is reported under tag, or skipped silently when the tag is empty, and the
// walk goes on.
void FillFirstLines(const std::vector<std::string>& index_lines, std::string_view tag);
// Step file line of step `step` of question `question`: firstLine(question) + step - 1.
int32_t StepRecordNumber(long question, long step);

}  // namespace xpexam::desktop
