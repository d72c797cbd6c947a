#include "desktop/step_record.h"

#include "desktop/index_line.h"
#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
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

std::optional<HandleDrag> HandleDragOf(int value) {
  switch (value) {
    case 8001: return HandleDrag{.across = true, .left = true};
    case 8002: return HandleDrag{.across = true, .right = true};
    case 8003: return HandleDrag{.up_down = true, .up = true};
    case 8004: return HandleDrag{.up_down = true, .down = true};
    case 8006: return HandleDrag{.left = true, .down = true};
    case 8007: return HandleDrag{.right = true, .down = true};
    case 8008: return HandleDrag{.left = true, .up = true};
    case 8009: return HandleDrag{.right = true, .up = true};
    default: return std::nullopt;
  }
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
  return Value(125, 5) > 0 && Field(125, 5) != kMenuBarNoTarget && Field(130, 5) == kAtPointer;
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
  run([] { desktop::editPlan().SetFirstLine(1, 1); });
  long i = 0;
  for (const auto& text : index_lines) {
    ++i;
    const IndexLine line(text);
    if (line.IsBlank()) break;
    run([&] { desktop::editPlan().SetFirstLine(i + 1, CLng(desktop::plan().question(i).firstLine + line.RecordCountValue())); });
  }
}

int32_t StepRecordNumber(long question, long step) {
  return CLng(static_cast<double>(desktop::plan().question(question).firstLine) + step - 1);
}

}  // namespace xpexam::desktop
