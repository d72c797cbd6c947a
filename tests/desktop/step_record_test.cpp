#include "desktop/step_record.h"

#include <gtest/gtest.h>

#include <map>

#include "desktop/desktop_window.h"
#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "desktop/typed_answer.h"
#include "platform/codepage.h"
#include "platform/failure.h"
#include "platform/strings.h"
#include "tests/support/temp_dir.h"

namespace xpexam::desktop {
namespace {

using xpexam::testing::TempDir;

// A typing step: a Chinese note in the free columns 1-5 and after the record shows that
// positions count characters, not bytes.
const std::string kExample =
    "第01步 "                          // 1-5 not read
    "00"                               // 6-7
    "0020"                             // 8-11 step code
    "100234"                           // 12-17 background
    "00120" "00345" "100235"           // 18-33 Image1
    "0000000000" "100236"              // 34-49 Image2 hidden
    "01500" "02000" "888888"           // 50-65 Image3 keeps its picture
    "03000" "04000" "01200" "00300"    // 66-85 target box
    "03015" "04020" "01170" "00270"    // 86-105 text box
    "000" "012"                        // 106-111 initial text, answer
    "00600" "08400" "011"              // 112-124 hint position and line
    "0120M03227"                       // 125-134 text format
    "0000000000" "000000"              // 135-150 Image4 hidden
    "06000" "05000" "100240"           // 151-166 Image5
    "07000" "05000"                    // 167-176 point
    "00450" "00900" "02000" "01000"    // 177-196 Label4 box
    "015"                              // 197-199 tooltip
    "打开记事本";                      // beyond the record

std::string B(bool b) { return b ? "yes" : "no"; }
std::string N(long v) { return platform::Str(v); }

// Every reading of a record that holds valid numbers, by name.
std::map<std::string, std::string> Decode(const StepRecord& r) {
  std::map<std::string, std::string> f = {
      {"06 EE press completes", B(r.Label4PressCompletes())},
      {"08 step code", r.StepCode()},
      {"08 step code value", N(r.StepCodeValue())},
      {"12 background", r.BackgroundId()},
      {"12 keeps background", B(r.KeepsBackground())},
      {"66 target box", B(r.HasTargetBox())},
      {"66 target", N(r.TargetX()) + "," + N(r.TargetY()) + " " + N(r.TargetWidth()) + "x" + N(r.TargetHeight())},
      {"86 text box", B(r.HasTextBox())},
      {"86 text", N(r.TextBoxX()) + "," + N(r.TextBoxY()) + " " + N(r.TextBoxWidth()) + "x" + N(r.TextBoxHeight())},
      {"86 key alternative", B(r.HasKeyAlternative())},
      {"86 right alternative", B(r.HasRightAlternative())},
      {"101 pointer code", r.PointerCode()},
      {"106 initial text line", r.InitialTextLine().Digits() + (r.InitialTextLine().IsNone() ? " none" : "")},
      {"109 answer line", N(r.AnswerLine().Number())},
      {"112 hint position", B(r.HasHintPosition()) + " " + N(r.HintX()) + "," + N(r.HintY())},
      {"122 hint line", N(r.HintLine().Number())},
      {"125 parameter", r.Parameter()},
      {"125 menu bar active", B(r.MenuBarActive())},
      {"125 marks menu bar", B(r.MarksMenuBar())},
      {"125 back region", B(r.HasBackRegion())},
      {"130 tab step", B(r.IsTabStep())},
      {"167 point", N(r.PointX()) + "," + N(r.PointY())},
      {"177 label4 box", B(r.HasLabel4Box())},
      {"177 label4", N(r.Label4X()) + "," + N(r.Label4Y()) + " " + N(r.Label4Width()) + "x" + N(r.Label4Height())},
      {"197 tooltip", B(r.HasTooltip()) + " " + N(r.TooltipLine().Number())},
  };
  for (long k = 1; k <= 5; ++k)
    f["overlay " + N(k)] = (r.OverlayHidden(k) ? "hidden " : "shown ") + N(r.OverlayX(k)) + "," +
                           N(r.OverlayY(k)) + " " + r.OverlayId(k) + (r.OverlayKeepsPicture(k) ? " keep" : "");
  return f;
}

TEST(StepRecord, ExampleRecordDecodesFieldByField) {
  ASSERT_EQ(platform::Len(kExample), 199 + 5);
  StepRecord r(kExample);
  std::map<std::string, std::string> expected = {
      {"06 EE press completes", "yes"},
      {"08 step code", "0020"},
      {"08 step code value", "20"},
      {"12 background", "100234"},
      {"12 keeps background", "no"},
      {"overlay 1", "shown 120,345 100235"},
      {"overlay 2", "hidden 0,0 100236"},
      {"overlay 3", "shown 1500,2000 888888 keep"},
      {"overlay 4", "hidden 0,0 000000"},
      {"overlay 5", "shown 6000,5000 100240"},
      {"66 target box", "yes"},
      {"66 target", "3000,4000 1200x300"},
      {"86 text box", "yes"},
      {"86 text", "3015,4020 1170x270"},
      {"86 key alternative", "no"},
      {"86 right alternative", "no"},
      {"101 pointer code", "00270"},
      {"106 initial text line", "000 none"},
      {"109 answer line", "12"},
      {"112 hint position", "yes 600,8400"},
      {"122 hint line", "11"},
      {"125 parameter", "0120M03227"},
      {"125 menu bar active", "yes"},  // a font size also shows the menu bar
      {"125 marks menu bar", "no"},
      {"125 back region", "no"},
      {"130 tab step", "no"},
      {"167 point", "7000,5000"},
      {"177 label4 box", "yes"},
      {"177 label4", "450,900 2000x1000"},
      {"197 tooltip", "yes 15"},
  };
  EXPECT_EQ(Decode(r), expected);
  EXPECT_EQ(r.CodeFamily(), StepCodeFamily::kTypeAnswer);
  EXPECT_DOUBLE_EQ(r.FontSizePoints(), 12);
  EXPECT_EQ(r.PointerCodeKind(), PointerKind::kDefault);  // a text box height, leading digit
  EXPECT_EQ(r.Alignment(), TextAlignment::kCentre);
  EXPECT_EQ(r.Style(), (TextStyle{true, true, false}));
  EXPECT_EQ(r.FontName(), "黑体");
  EXPECT_EQ(r.TextColour(), 0x0000FFu);
  EXPECT_EQ(r.BackColour(), 0x99FFFFu);
  EXPECT_DOUBLE_EQ(r.BackRegionX(), 7000);

  // The same record with plain digits in the free columns reads the same.
  EXPECT_EQ(Decode(StepRecord("00001" + platform::Mid(kExample, 6))), expected);
}

TEST(StepRecord, ReadFromAGbkStepFileByCharacterPositions) {
  TempDir dir;
  std::string other = "00000" "00" "0001" + std::string(188, '0');
  std::string bytes = platform::Utf8ToGbk(other) + "\r\n" + platform::Utf8ToGbk(kExample) + "\r\n" +
                      platform::Utf8ToGbk(other) + "\r\n";
  ASSERT_NE(bytes.size(), 3 * 201u);  // the Chinese characters take two bytes each
  std::string path = dir.Write("data/288820.mxy", bytes);
  auto line = ReadStepRecord(dir.path() + "\\DATA\\288820.MXY", 2);
  ASSERT_TRUE(line);
  EXPECT_EQ(*line, kExample);
  EXPECT_EQ(StepRecord(*line).BackgroundId(), "100234");
  EXPECT_EQ(StepRecord(*line).TooltipLine().Digits(), "015");
}

// A record of 199 zeros with some fields written over it (ASCII only).
std::string Record(std::initializer_list<std::pair<long, std::string_view>> fields) {
  std::string line(199, '0');
  for (const auto& [pos, text] : fields) line.replace(static_cast<size_t>(pos - 1), text.size(), text);
  return line;
}

TEST(StepRecord, Sentinels) {
  struct Case {
    const char* name;
    std::string line;
    std::function<bool(const StepRecord&)> reading;
    bool expected;
  } cases[] = {
      {"background 888888 keeps", Record({{12, "888888"}}), &StepRecord::KeepsBackground, true},
      {"background 000000 is a picture", Record({}), &StepRecord::KeepsBackground, false},
      {"overlay x,y ten zeros hide it whatever its id", Record({{34, "0000000000100235"}}),
       [](auto& r) { return r.OverlayHidden(2); }, true},
      {"overlay 888888 keeps the picture but still shows", Record({{50, "0010000200888888"}}),
       [](auto& r) { return !r.OverlayHidden(3) && r.OverlayKeepsPicture(3); }, true},
      {"overlay 5 hidden", Record({{161, "100240"}}), [](auto& r) { return r.OverlayHidden(5); }, true},
      {"twenty zeros: no target box", Record({}), &StepRecord::HasTargetBox, false},
      {"height 00000 with x set: a 1x1 target box", Record({{66, "00300"}}),
       [](auto& r) { return r.HasTargetBox() && r.TargetHeight() == 0 && r.TargetX() == 300; }, true},
      {"ten zeros at 112: hint untouched", Record({{122, "011"}}), &StepRecord::HasHintPosition, false},
      {"hint y set", Record({{117, "00001"}}), &StepRecord::HasHintPosition, true},
      {"hint line 000 is no text", Record({}), [](auto& r) { return r.HintLine().IsNone(); }, true},
      {"answer line 000 is no text", Record({}), [](auto& r) { return r.AnswerLine().IsNone(); }, true},
      {"tooltip 000: none", Record({}), &StepRecord::HasTooltip, false},
      {"tooltip below 1: none", Record({{197, "-01"}}), &StepRecord::HasTooltip, false},
      {"tooltip 001", Record({{197, "001"}}), &StepRecord::HasTooltip, true},
      {"label4 with x, y but no size: none", Record({{177, "0045000900"}}), &StepRecord::HasLabel4Box, false},
      {"label4 with height only", Record({{192, "00010"}}), &StepRecord::HasLabel4Box, true},
      {"EE: a press on Label4 does not complete", Record({{6, "EE"}}), &StepRecord::Label4PressCompletes, false},
      {"ee is not EE", Record({{6, "ee"}}), &StepRecord::Label4PressCompletes, true},
  };
  for (const auto& c : cases) EXPECT_EQ(c.reading(StepRecord(c.line)), c.expected) << c.name;
}

TEST(StepRecord, BlanksAreNotZeros) {
  // Blanks read as 0 but are not the sentinels, which are text comparisons.
  StepRecord r(Record({{18, "          "}, {66, std::string(20, ' ')}, {86, std::string(20, ' ')},
                       {112, "          "}, {187, "          "}, {122, "   "}}));
  EXPECT_FALSE(r.OverlayHidden(1));  // shown at 0, 0
  EXPECT_EQ(r.OverlayX(1), 0);
  EXPECT_TRUE(r.HasTargetBox());
  EXPECT_EQ(r.TargetHeight(), 0);
  EXPECT_FALSE(r.HasTextBox());  // the text box goes by the number the field spells
  EXPECT_TRUE(r.HasHintPosition());
  EXPECT_TRUE(r.HasLabel4Box());
  EXPECT_FALSE(r.HintLine().IsNone());
  EXPECT_EQ(r.HintLine().Number(), 0);
  // Leading blanks inside a number are ignored.
  EXPECT_EQ(StepRecord(Record({{66, "  300"}})).TargetX(), 300);
  EXPECT_EQ(StepRecord(Record({{66, "-0300"}})).TargetX(), -300);
}

TEST(StepRecord, ShortRecordsReadEmptyFields) {
  const std::string short_line = platform::Mid(kExample, 1, 100);  // ends inside the text box
  StepRecord r(short_line);
  EXPECT_EQ(r.StepCode(), "0020");
  EXPECT_EQ(r.TextBoxHeight(), 0);
  EXPECT_EQ(r.OverlayId(4), "");
  EXPECT_EQ(r.OverlayX(5), 0);
  EXPECT_FALSE(r.OverlayHidden(4));  // an empty field is no ten zeros
  EXPECT_TRUE(r.HasHintPosition());
  EXPECT_FALSE(r.HasTooltip());
  EXPECT_FALSE(r.TooltipLine().IsNone());
  EXPECT_EQ(r.Parameter(), "");
  EXPECT_FALSE(r.MenuBarActive());
  EXPECT_FALSE(r.IsTabStep());
  EXPECT_FALSE(r.HasBackRegion());
  EXPECT_DOUBLE_EQ(r.FontSizePoints(), 9);

  StepRecord empty("");
  EXPECT_EQ(empty.StepCode(), "");
  EXPECT_EQ(empty.StepCodeValue(), 0);
  EXPECT_EQ(empty.CodeFamily(), StepCodeFamily::kNone);
  EXPECT_EQ(empty.BackgroundId(), "");
  EXPECT_TRUE(empty.HasTargetBox());
  EXPECT_FALSE(empty.HasTextBox());
}

TEST(StepRecord, KeyAndRightButtonAlternatives) {
  StepRecord enter(Record({{8, "0001"}, {86, "P0013"}}));
  EXPECT_TRUE(enter.HasKeyAlternative());
  EXPECT_FALSE(enter.HasTextBox());
  EXPECT_EQ(enter.KeyAlternativeShift(), 0);
  EXPECT_EQ(enter.KeyAlternativeKey(), 13);
  EXPECT_FALSE(enter.HasRightAlternative());

  StepRecord alt_a(Record({{86, "Px465"}}));  // position 87 is not read
  EXPECT_EQ(alt_a.KeyAlternativeShift(), 4);
  EXPECT_EQ(alt_a.KeyAlternativeKey(), 65);

  StepRecord right(Record({{8, "0001"}, {86, "R3215"}}));
  EXPECT_TRUE(right.HasRightAlternative());
  EXPECT_FALSE(right.HasKeyAlternative());
  EXPECT_FALSE(right.HasTextBox());
  EXPECT_EQ(right.RightAlternativeCode(), "3215");
  EXPECT_EQ(right.RightAlternativeValue(), 3215);
  EXPECT_EQ(ClassifyStepCode(right.RightAlternativeCode()), StepCodeFamily::kPopupMenu);

  EXPECT_FALSE(StepRecord(Record({{86, "p0013"}})).HasKeyAlternative());
}

TEST(StepRecord, PointerCodes) {
  struct Case {
    const char* code;
    PointerKind kind;
    int number;
    const char* file;
  } cases[] = {
      {"S0011", PointerKind::kStandard, 11, "ico11.CUR"},  // hourglass
      {"SXX02", PointerKind::kStandard, 2, "ico02.CUR"},   // 102-103 not read
      {"M0003", PointerKind::kCustom, 3, "ico03.CUR"},
      {"00000", PointerKind::kDefault, 0, "ico00.CUR"},
      {"00270", PointerKind::kDefault, 70, "ico70.CUR"},  // a text box height
      {"s0011", PointerKind::kDefault, 11, "ico11.CUR"},
  };
  for (const auto& c : cases) {
    StepRecord r(Record({{101, c.code}}));
    EXPECT_EQ(r.PointerCodeKind(), c.kind) << c.code;
    EXPECT_EQ(r.PointerNumber(), c.number) << c.code;
    EXPECT_EQ(r.PointerFile(), c.file) << c.code;
  }
}

TEST(StepRecord, TextFormatDigits) {
  struct Case {
    const char* field;  // 125-134
    double points;
    TextAlignment align;
    std::optional<TextStyle> style;
    std::optional<std::string> font;
    std::optional<uint32_t> colour, back;
  } cases[] = {
      {"0120M03227", 12, TextAlignment::kCentre, TextStyle{true, true, false}, "黑体", 0x0000FF, 0x99FFFF},
      {"0000000000", 9, TextAlignment::kLeft, TextStyle{}, "宋体", 0x000000, 0xFFFFFF},
      {"0105R07415", 10.5, TextAlignment::kRight, TextStyle{true, true, true}, "隶书", 0xFF0000, 0xD7FFFF},
      {"0090r04136", 9, TextAlignment::kRight, TextStyle{false, false, true}, "Times New Roman", std::nullopt, 0xE3E0BA},
      {"0000m08538", 9, TextAlignment::kCentre, std::nullopt, std::nullopt, std::nullopt, 0xE3E0BB},
      {"0000X09994", 9, TextAlignment::kLeft, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
      {"0000000029", 9, TextAlignment::kLeft, TextStyle{}, "宋体", 0x0000FF, std::nullopt},
      {"0000000033", 9, TextAlignment::kLeft, TextStyle{}, "宋体", std::nullopt, 0xC0C0C0},
  };
  for (const auto& c : cases) {
    StepRecord r(Record({{125, c.field}}));
    EXPECT_DOUBLE_EQ(r.FontSizePoints(), c.points) << c.field;
    EXPECT_EQ(r.Alignment(), c.align) << c.field;
    EXPECT_EQ(r.Style(), c.style) << c.field;
    EXPECT_EQ(r.FontName(), c.font) << c.field;
    EXPECT_EQ(r.TextColour(), c.colour) << c.field;
    EXPECT_EQ(r.BackColour(), c.back) << c.field;
  }
}

TEST(StepRecord, ParameterFieldUses) {
  struct Case {
    const char* field;  // 125-134
    bool active, marks;
    int32_t first, second;  // 125-129 and 130-134 as numbers
  } cases[] = {
      {"3050000000", true, true, 30500, 0},     // item 5 of menu 3
      {"2070300000", true, true, 20703, 0},     // item 3 of the submenu of item 7 of menu 2
      {"1111100000", true, false, 11111, 0},    // menu bar shown without a target
      {"0000000000", false, false, 0, 0},
      {"0450006000", true, false, 4500, 6000},  // popup at a fixed position
      {"0450000000", true, true, 4500, 0},      // popup at the pointer
      {"          ", false, false, 0, 0},
      {"Q0003     ", false, false, 0, 0},
      {"00000XA3B2", false, false, 0, 0},
  };
  for (const auto& c : cases) {
    StepRecord r(Record({{125, c.field}}));
    EXPECT_EQ(r.MenuBarActive(), c.active) << c.field;
    EXPECT_EQ(r.MarksMenuBar(), c.marks) << c.field;
    EXPECT_EQ(r.MenuTarget(), c.first) << c.field;
    EXPECT_EQ(r.PopupX(), c.first) << c.field;
    EXPECT_EQ(r.PopupY(), c.second) << c.field;
  }
  // The target and the popup position are 32-bit numbers.
  EXPECT_EQ(StepRecord(Record({{125, "9999999999"}})).PopupY(), 99999);
}

TEST(StepRecord, TabStepAndBackRegion) {
  StepRecord tab(Record({{125, "00000XA3B2"}}));
  EXPECT_TRUE(tab.IsTabStep());
  EXPECT_EQ(tab.TabLayout(), "A");
  EXPECT_EQ(tab.TabShown(), 3);
  EXPECT_EQ(tab.TabToSelect(), 11);
  EXPECT_EQ(tab.TabImageSlot(), 2);
  for (auto [c, n] : {std::pair{"1", 1}, {"9", 9}, {"A", 10}, {"D", 13}, {"0", 0}, {"E", 0}, {"a", 0}, {"", 0}})
    EXPECT_EQ(StepRecord::TabNumber(c), n) << c;

  struct Case {
    const char* field;
    bool back;
    int steps;
  } cases[] = {{"Q0003", true, 3}, {"Q0000", true, 1}, {"Q---2", true, 2}, {"q0003", false, 3}, {"00003", false, 3}};
  for (const auto& c : cases) {
    StepRecord r(Record({{125, c.field}}));
    EXPECT_EQ(r.HasBackRegion(), c.back) << c.field;
    EXPECT_EQ(r.BackSteps(), c.steps) << c.field;
  }
  // The back region uses the point as written; the handle drag rounds it to 16 bits.
  StepRecord far(Record({{125, "Q0001"}, {167, "99999"}, {172, "00450"}}));
  EXPECT_DOUBLE_EQ(far.BackRegionX(), 99999);
  EXPECT_DOUBLE_EQ(far.BackRegionY(), 450);
  EXPECT_THROW(far.PointX(), platform::Failure);
}

TEST(StepCode, EveryFamilyOfTheTable) {
  using F = StepCodeFamily;
  struct Case {
    const char* code;
    F family;
  } cases[] = {
      {"0001", F::kClick},        {"0002", F::kDoubleClick},   {"0003", F::kRightPress},
      {"9102", F::kPress},        {"9704", F::kPress},         {"9999", F::kFinal},
      {"0030", F::kHover},        {"6013", F::kKey},           {"6765", F::kKey},
      {"3215", F::kPopupMenu},    {"4111", F::kPopupMenu},     {"5999", F::kPopupMenu},
      {"0020", F::kTypeAnswer},   {"0021", F::kTypePassword},  {"0022", F::kTypeAndEnter},
      {"0023", F::kSelectHintText}, {"0024", F::kTypeAndEnterPrompted}, {"0025", F::kTypeExactCase},
      {"0026", F::kTypeThenClick}, {"0027", F::kTypeMultiLine}, {"0028", F::kTypeInCell},
      {"0040", F::kRubberBand},   {"0043", F::kRubberBand},    {"0050", F::kDrag},
      {"0052", F::kDrag},         {"7000", F::kMenuBar},       {"8001", F::kHandleDrag},
      {"8005", F::kHandleDrag},   {"8009", F::kHandleDrag},    {"8888", F::kAutomatic},
      {"L012", F::kList},         {"K105", F::kLocationList},  {"2000", F::kDemonstrationOnly},
      // Codes no check acts on.
      {"0000", F::kNone},         {"0029", F::kNone},          {"7001", F::kNone},
      {"9A01", F::kNone},         {"L01", F::kNone},           {"l012", F::kNone},
      {"K1 5", F::kNone},         {"", F::kNone},              {"00011", F::kNone},
  };
  for (const auto& c : cases) EXPECT_EQ(ClassifyStepCode(c.code), c.family) << c.code;
}

// The checks that read the step code as a number (or the right-button alternative's code in
// its place) reach the same family as the text of the code.
TEST(StepCode, NumericCodesReachTheFamilyOfTheirText) {
  using F = StepCodeFamily;
  struct Case {
    int value;
    F family;
  } cases[] = {
      {1, F::kClick},          {2, F::kDoubleClick}, {3, F::kRightPress},       {26, F::kTypeThenClick},
      {28, F::kTypeInCell},    {2000, F::kDemonstrationOnly}, {7000, F::kMenuBar}, {8888, F::kAutomatic},
      {9999, F::kFinal},       {9998, F::kPress},    {9000, F::kPress},         {3215, F::kPopupMenu},
      {8003, F::kHandleDrag},  {0, F::kNone},        {-1, F::kNone},            {10000, F::kNone},
      {-9001, F::kNone},
  };
  for (const auto& c : cases) EXPECT_EQ(ClassifyStepCode(c.value), c.family) << c.value;
}

// The demonstration goes by the leading characters: it acts on codes no check completes,
// and the final code is never played as a press.
TEST(StepCode, DemonstrationReadsTheLeadingCharacters) {
  using A = DemoAction;
  struct Case {
    const char* code;
    A action;
  } cases[] = {
      {"0001", A::kClick},      {"2000", A::kClick},       {"T123", A::kUnaimedClick}, {"0002", A::kDoubleClick},
      {"0003", A::kRightClick}, {"3215", A::kRightPopup},  {"4A", A::kRightPopup},     {"5111", A::kLeftPopup},
      {"9102", A::kPress},      {"9ABC", A::kPress},       {"9999", A::kFinal},        {"6013", A::kKey},
      {"0043", A::kRubberBand}, {"0050", A::kDrag},        {"0029", A::kTyping},       {"8004", A::kHandleDrag},
      {"8888", A::kNone},       {"7000", A::kMenuBar},     {"7001", A::kNone},         {"0030", A::kNone},
      {"", A::kNone},
  };
  for (const auto& c : cases) EXPECT_EQ(ClassifyDemoStep(c.code), c.action) << c.code;
}

TEST(StepCode, HandleDragDirections) {
  EXPECT_FALSE(HandleDragOf(8005));
  EXPECT_FALSE(HandleDragOf(8888));
  const auto across = HandleDragOf(8002), both = HandleDragOf(8008);
  ASSERT_TRUE(across && both);
  EXPECT_TRUE(across->across && across->right && !across->left && !across->up_down);
  EXPECT_TRUE(both->left && both->up && !both->across && !both->up_down);
}

// A record that ends inside the tab fields never reads as a pending tab choice.
TEST(StepRecord, TabChoiceOnAShortRecord) {
  EXPECT_TRUE(StepRecord(Record({{130, "X112"}})).TabChoicePending());
  EXPECT_FALSE(StepRecord(Record({{130, "X122"}})).TabChoicePending());
  EXPECT_FALSE(StepRecord(std::string(129, '0') + "X").TabChoicePending());
  EXPECT_FALSE(StepRecord(std::string(129, '0') + "X1").TabChoicePending());
}

TEST(StepCode, ValueAndDigits) {
  struct Case {
    const char* code;
    int value, kind, menu_or_shift, group, item, button_or_key;
  } cases[] = {
      {"3215", 3215, 3, 2, 1, 5, 15},  // popup type 3, menu 2, group 1, item 5
      {"6213", 6213, 6, 2, 1, 3, 13},  // Ctrl with key 13
      {"9102", 9102, 9, 1, 0, 2, 2},   // Shift with the right button
      {"0020", 20, 0, 0, 2, 0, 20},
      {"L012", 0, 0, 0, 0, 0, 0},      // a letter first reads as 0
      {"K105", 0, 0, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    int v = StepRecord(Record({{8, c.code}})).StepCodeValue();
    EXPECT_EQ(v, c.value) << c.code;
    StepCodeDigits d = DecomposeStepCode(v);
    EXPECT_EQ(d.kind, c.kind) << c.code;
    EXPECT_EQ(d.menu_or_shift, c.menu_or_shift) << c.code;
    EXPECT_EQ(d.group, c.group) << c.code;
    EXPECT_EQ(d.item, c.item) << c.code;
    EXPECT_EQ(d.button_or_key, c.button_or_key) << c.code;
  }
}

TEST(StepRecord, NumbersOutside16BitsFailTheStatementOnly) {
  StepRecord r(Record({{8, "9E99"}, {18, "40000-0001"}, {66, "99999"}}));
  long number = 0;
  try {
    (void)r.StepCodeValue();
  } catch (const platform::Failure& f) {
    number = f.number();
  }
  EXPECT_EQ(number, platform::kErrOverflow);
  // The statements around the failing one still run.
  int16_t left = 7, top = 7, target_y = 7;
  EXPECT_FALSE(platform::Try([&] { left = r.OverlayX(1); }));
  EXPECT_TRUE(platform::Try([&] { top = r.OverlayY(1); }));
  EXPECT_FALSE(platform::Try([&] { (void)r.TargetX(); }));
  EXPECT_TRUE(platform::Try([&] { target_y = r.TargetY(); }));
  EXPECT_EQ(left, 7);
  EXPECT_EQ(top, -1);
  EXPECT_EQ(target_y, 0);
  EXPECT_TRUE(r.HasTargetBox());
  // The text box reads twenty characters as one number: never an overflow.
  EXPECT_TRUE(StepRecord(Record({{86, "99999999999999999999"}})).HasTextBox());
  EXPECT_THROW(StepRecord::OverlayPosition(6), platform::Failure);
}

class StepFiles : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& l : lines) bytes += platform::Utf8ToGbk(l) + "\r\n";
    return dir_.Write(name, bytes);
  }
  TempDir dir_;
};

TEST_F(StepFiles, RecordLookupNeverYieldsAnotherLine) {
  std::string path = Write("288820.mxy", {"rec1", "rec2", "rec3 操作"});
  std::string empty = dir_.Write("288821.mxy", "");
  std::string no_end = dir_.Write("288822.mxy", "a\r\nb");
  struct Case {
    std::string file;
    long record;
    std::optional<std::string> line;
  } cases[] = {
      {path, 1, "rec1"},
      {path, 3, "rec3 操作"},
      {path, 4, std::nullopt},   // past the end
      {path, 0, std::nullopt},   // below 1: a step back too far
      {path, -2, std::nullopt},
      {empty, 1, std::nullopt},
      {dir_ / "missing.mxy", 1, std::nullopt},
      {no_end, 2, "b"},
      {no_end, 3, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadStepRecord(c.file, c.record), c.line) << c.file << " " << c.record;
}

TEST_F(StepFiles, StepTextFromTheFourthCharacter) {
  std::string path = Write("288890.mxy", {"001记事本|Notepad", "002", "003  报告 ", "", "005a|b|c"});
  // The lookup finds line n or nothing; the desktop reads the last line past the end.
  struct Case {
    long n;
    std::optional<std::string> text;
    std::optional<std::string> desktop;
  } cases[] = {
      {1, "记事本|Notepad", "记事本|Notepad"}, {2, "", ""}, {3, "  报告 ", "  报告 "}, {4, "", ""},
      {5, "a|b|c", "a|b|c"},
      {6, std::nullopt, "a|b|c"},
      {999, std::nullopt, "a|b|c"},
      {0, std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadStepText(path, c.n), c.text) << c.n;
    EXPECT_EQ(StepTextOrLast(path, c.n), c.desktop) << c.n;
  }
  EXPECT_EQ(ReadStepText(dir_ / "missing.mxy", 1), std::nullopt);
  EXPECT_EQ(StepTextOrLast(dir_ / "missing.mxy", 1), std::nullopt);
  EXPECT_EQ(StepTextOrLast(dir_.Write("empty.mxy", ""), 3), std::nullopt);
}

TEST(StepText, Alternatives) {
  struct Case {
    const char* text;
    const char* prompt;
    TypingAnswers answers;
    std::vector<std::string> entries;
  } cases[] = {
      {"记事本|Notepad", "记事本", {"记事本", "Notepad"}, {"记事本", "Notepad"}},
      {"报告", "报告", {"报告", "报告"}, {"报告"}},
      {"a|b|c", "a", {"a", "b|c"}, {"a", "b", "c"}},
      {"|x", "", {"", "x"}, {"", "x"}},
      {"x|", "x", {"x", ""}, {"x", ""}},
      {"", "", {"", ""}, {""}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PromptPart(c.text), c.prompt) << c.text;
    EXPECT_EQ(TypingAlternatives(c.text), c.answers) << c.text;
    EXPECT_EQ(ListEntries(c.text), c.entries) << c.text;
  }
}

class FirstLines : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetFailureReporter([this](std::string_view tag, long number, std::string_view) {
      reports_.push_back(std::string(tag) + " " + platform::Str(number));
    });
  }
  void TearDown() override {
    platform::SetFailureReporter(nullptr);
  }
  static std::string IndexLine(const char* count) { return std::string("0001") + count + "打开记事本"; }
  std::vector<std::string> reports_;
};

TEST_F(FirstLines, StepOneOfQuestionThree) {
  FillFirstLines({IndexLine("04"), IndexLine("06"), IndexLine("03")}, "startlianxi");
  EXPECT_EQ(desktop::plan().question(1).firstLine, 1);
  EXPECT_EQ(desktop::plan().question(2).firstLine, 5);
  EXPECT_EQ(desktop::plan().question(3).firstLine, 11);
  EXPECT_EQ(desktop::plan().question(4).firstLine, 14);
  EXPECT_EQ(StepRecordNumber(3, 1), 11);
  EXPECT_EQ(StepRecordNumber(2, 6), 10);
  EXPECT_TRUE(reports_.empty());
  EXPECT_THROW(StepRecordNumber(501, 1), platform::Failure);
}

TEST_F(FirstLines, WalkStopsAtTheFirstBlankLine) {
  FillFirstLines({IndexLine("05"), IndexLine(" 3"), IndexLine("07"), "   ", IndexLine("09")}, "startlianxi");
  EXPECT_EQ(desktop::plan().question(2).firstLine, 6);
  EXPECT_EQ(desktop::plan().question(3).firstLine, 9);
  EXPECT_EQ(desktop::plan().question(4).firstLine, 16);
  EXPECT_EQ(desktop::plan().question(5).firstLine, 0);
}

TEST_F(FirstLines, NoPosition501) {
  std::vector<std::string> lines(500, IndexLine("01"));
  FillFirstLines(lines, "startlianxi");
  EXPECT_EQ(desktop::plan().question(500).firstLine, 500);
  EXPECT_EQ(reports_, std::vector<std::string>{"startlianxi 9"});
  reports_.clear();
  FillFirstLines(lines, "");
  EXPECT_TRUE(reports_.empty());
}

// A 500-question session of 70 steps each reaches record 34,931: the table holds every first
// line and the loader reads it, where stored files only ever hold two-digit counts.
TEST_F(FirstLines, EveryQuestionOfAFullSessionOpensPastRecord32767) {
  testing::TempDir dir;
  std::string steps;
  for (long r = 1; r <= 500 * 70; ++r) steps += "R" + std::to_string(r) + "\r\n";
  const std::string saved_step_file = desktop::plan().stepFile();
  desktop::editPlan().SetStepFile(dir.Write("288820.mxy", steps));
  FillFirstLines(std::vector<std::string>(499, IndexLine("70")), "startlianxi");
  EXPECT_TRUE(reports_.empty()) << reports_.front();
  EXPECT_EQ(desktop::plan().question(469).firstLine, 1 + 468 * 70);
  EXPECT_EQ(desktop::plan().question(500).firstLine, 1 + 499 * 70);
  const std::pair<long, long> cases[] = {{1, 1}, {468, 70}, {469, 1}, {500, 1}, {500, 70}};
  for (const auto& [question, step] : cases)
    EXPECT_EQ(ReadQuestionStep(question, step), "R" + std::to_string((question - 1) * 70 + step))
        << question << "/" << step;
  desktop::editPlan().SetStepFile(saved_step_file);
}

}  // namespace
}  // namespace xpexam::desktop
