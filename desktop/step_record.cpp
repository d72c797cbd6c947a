#include "desktop/step_record.h"

#include "frame/module_state.h"
#include "platform/codepage.h"
#include "platform/failure.h"
#include "platform/line_index.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::desktop {

using platform::CInt;
using platform::CLng;
using platform::Mid;
using platform::Val;

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The code is one letter or digit `lead` followed by digits only.
bool LeadThenDigits(std::string_view code, std::string_view lead) {
  if (code.size() != 4 || code.substr(0, lead.size()) != lead) return false;
  for (size_t i = lead.size(); i < code.size(); ++i)
    if (!IsDigit(code[i])) return false;
  return true;
}

}  // namespace

StepCodeFamily ClassifyStepCode(std::string_view code) {
  using F = StepCodeFamily;
  struct Exact {
    const char* code;
    F family;
  };
  static constexpr Exact kExact[] = {
      {"0001", F::kClick},         {"0002", F::kDoubleClick},          {"0003", F::kRightPress},
      {"0030", F::kHover},         {"0020", F::kTypeAnswer},           {"0021", F::kTypePassword},
      {"0022", F::kTypeAndEnter},  {"0023", F::kSelectHintText},       {"0024", F::kTypeAndEnterPrompted},
      {"0025", F::kTypeExactCase}, {"0026", F::kTypeThenClick},        {"0027", F::kTypeMultiLine},
      {"0028", F::kTypeInCell},    {"7000", F::kMenuBar},              {"8888", F::kAutomatic},
      {"9999", F::kFinal},         {"2000", F::kDemonstrationOnly},
  };
  for (const auto& e : kExact)
    if (code == e.code) return e.family;
  if (LeadThenDigits(code, "9")) return F::kPress;
  if (LeadThenDigits(code, "6")) return F::kKey;
  if (LeadThenDigits(code, "3") || LeadThenDigits(code, "4") || LeadThenDigits(code, "5")) return F::kPopupMenu;
  if (LeadThenDigits(code, "004")) return F::kRubberBand;
  if (LeadThenDigits(code, "005")) return F::kDrag;
  if (LeadThenDigits(code, "80")) return F::kHandleDrag;
  if (LeadThenDigits(code, "L")) return F::kList;
  if (LeadThenDigits(code, "K")) return F::kLocationList;
  return F::kNone;
}

StepCodeDigits DecomposeStepCode(int v) {
  return StepCodeDigits{v / 1000, (v / 100) % 10, (v / 10) % 10, v % 10, v % 100};
}

int16_t TextLineRef::Number() const { return CInt(Val(digits_)); }

std::string StepRecord::Field(long position, long width) const { return Mid(line_, position, width); }

double StepRecord::Value(long position, long width) const { return Val(Field(position, width)); }

int16_t StepRecord::Int(long position, long width) const { return CInt(Value(position, width)); }

int32_t StepRecord::Long(long position, long width) const { return CLng(Value(position, width)); }

long StepRecord::OverlayPosition(long k) {
  static constexpr long kPositions[] = {18, 34, 50, 135, 151};
  if (k < 1 || k > 5) platform::Fail(platform::kErrSubscript, "Subscript out of range");
  return kPositions[k - 1];
}

PointerKind StepRecord::PointerCodeKind() const {
  std::string kind = Field(101, 1);
  if (kind == "S") return PointerKind::kStandard;
  if (kind == "M") return PointerKind::kCustom;
  return PointerKind::kDefault;
}

double StepRecord::FontSizePoints() const {
  int16_t tenths = Int(126, 3);
  return tenths == 0 ? 9.0 : tenths / 10.0;
}

TextAlignment StepRecord::Alignment() const {
  std::string a = Field(129, 1);
  if (a == "R" || a == "r") return TextAlignment::kRight;
  if (a == "M" || a == "m") return TextAlignment::kCentre;
  return TextAlignment::kLeft;
}

std::optional<TextStyle> StepRecord::Style() const {
  int16_t bits = Int(131, 1);
  if (bits < 0 || bits > 7) return std::nullopt;
  return TextStyle{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
}

std::optional<std::string> StepRecord::FontName() const {
  static const char* const kFonts[] = {"宋体", "Times New Roman", "黑体", "楷体_GB2312", "隶书"};
  int16_t n = Int(132, 1);
  if (n < 0 || n > 4) return std::nullopt;
  return kFonts[n];
}

std::optional<uint32_t> StepRecord::TextColour() const {
  static constexpr uint32_t kColours[] = {0x000000, 0xFF0000, 0x0000FF};
  int16_t n = Int(133, 1);
  if (n < 0 || n > 2) return std::nullopt;
  return kColours[n];
}

std::optional<uint32_t> StepRecord::BackColour() const {
  // 4 and 9 keep the colour.
  static constexpr std::optional<uint32_t> kColours[] = {
      0xFFFFFF, 0xFF0000, 0x0000FF, 0xC0C0C0, std::nullopt, 0xD7FFFF, 0xE3E0BA, 0x99FFFF, 0xE3E0BB,
  };
  int16_t n = Int(134, 1);
  if (n < 0 || n > 8) return std::nullopt;
  return kColours[n];
}

bool StepRecord::MarksMenuBar() const {
  return Value(125, 5) > 0 && Field(125, 5) != "11111" && Field(130, 5) == "00000";
}

int16_t StepRecord::TabNumber(std::string_view c) {
  if (c.size() != 1) return 0;
  if (c[0] >= '1' && c[0] <= '9') return static_cast<int16_t>(c[0] - '0');
  if (c[0] >= 'A' && c[0] <= 'D') return static_cast<int16_t>(c[0] - 'A' + 10);
  return 0;
}

int16_t StepRecord::BackSteps() const {
  int16_t n = Int(129, 1);
  return n == 0 ? 1 : n;
}

namespace {

// Raw bytes of line n (1-based) of a text file; empty when there is no such line.
std::optional<std::string> ReadRawLine(const std::string& path, long n) { return platform::ReadRawLineAt(path, n); }

}  // namespace

std::optional<std::string> ReadStepRecord(const std::string& path, long record_number) {
  auto raw = ReadRawLine(path, record_number);
  if (!raw) return std::nullopt;
  return platform::GbkToUtf8(*raw);
}

std::optional<std::string> ReadStepText(const std::string& path, long n) {
  auto raw = ReadRawLine(path, n);
  if (!raw) return std::nullopt;
  return Mid(platform::GbkToUtf8(*raw), 4);
}

std::string PromptPart(std::string_view text) { return std::string(text.substr(0, text.find('|'))); }

TypingAnswers TypingAlternatives(std::string_view text) {
  size_t bar = text.find('|');
  if (bar == std::string_view::npos) return {std::string(text), std::string(text)};
  return {std::string(text.substr(0, bar)), std::string(text.substr(bar + 1))};
}

std::vector<std::string> ListEntries(std::string_view text) { return platform::Split(text, "|"); }

void FillFirstLines(const std::vector<std::string>& index_lines, std::string_view tag) {
  auto run = [tag](auto&& statement) {
    if (tag.empty())
      platform::Try(statement);
    else
      platform::TryReport(tag, statement);
  };
  run([] { frame::gFirstLine[1] = 1; });
  long i = 0;
  for (const auto& line : index_lines) {
    ++i;
    if (platform::Trim(line).empty()) break;
    run([&] { frame::gFirstLine[i + 1] = CLng(frame::gFirstLine[i] + Val(Mid(line, 5, 2))); });
  }
}

int32_t StepRecordNumber(long question, long step) {
  return CLng(static_cast<double>(frame::gFirstLine[question]) + step - 1);
}

}  // namespace xpexam::desktop
