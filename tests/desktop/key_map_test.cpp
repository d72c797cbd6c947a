#include "desktop/key_map.h"

#include <gtest/gtest.h>

#include "desktop/pointer_code.h"
#include "tests/support/step_line.h"

namespace xpexam::desktop {
namespace {

using xpexam::testing::StepLine;

TEST(KeyMap, EveryKeyNumber) {
  // Key number 10 r + c is at row r, column c.
  constexpr int kCodes[10][10] = {
      {100, 101, 102, 113, 104, 105, 106, 107, 108, 119},  // keypad 4-6, F2, keypad 8, 9, *, +, separator, F8
      {110, 111, 112, 13, 114, 115, 116, 117, 118, 119},   // keypad . /, F1, Enter, F3-F8
      {120, 121, 122, 123, 124, 125, 26, 27, 28, 29},      // F9-F14, then codes as written
      {30, 31, 32, 33, 34, 35, 36, 37, 38, 39},
      {40, 41, 42, 43, 44, 45, 46, 47, 48, 49},
      {50, 51, 52, 53, 54, 55, 56, 57, 58, 59},
      {60, 61, 62, 63, 64, 65, 66, 67, 68, 69},
      {70, 71, 72, 73, 74, 75, 76, 77, 78, 79},
      {80, 81, 82, 83, 84, 85, 86, 87, 88, 89},
      {90, 191, 92, 93, 94, 95, 96, 97, 98, 190},  // 91 the "/" key, 99 the "." key
  };
  for (int kk = 0; kk < 100; ++kk) EXPECT_EQ(KeyCodeOfKeyNumber(kk), kCodes[kk / 10][kk % 10]) << "key number " << kk;
}

TEST(KeyMap, ShiftDigit) {
  EXPECT_EQ(ShiftDigit({}), 0);
  EXPECT_EQ(ShiftDigit({.shift = true}), 1);
  EXPECT_EQ(ShiftDigit({.ctrl = true}), 2);
  EXPECT_EQ(ShiftDigit({.shift = true, .ctrl = true}), 3);
  EXPECT_EQ(ShiftDigit({.alt = true}), 4);
  EXPECT_EQ(ShiftDigit({true, true, true}), 7);
  for (int d = 0; d < 8; ++d) EXPECT_EQ(ShiftDigit(ModifiersOfShiftDigit(d)), d);
}

TEST(KeyMap, KeyReleaseChecks) {
  constexpr int kEnter = 13, kC = 67, kF2 = 113, kF4 = 115, kF8 = 119, kSlash = 191, kPeriod = 190;
  constexpr int kNone = 0, kShift = 1, kCtrl = 2, kAlt = 4;
  struct Case {
    const char* name;
    std::string line;
    int key_code, shift;
    bool completes;
  } cases[] = {
      {"6013 Enter", StepLine({{8, "6013"}}), kEnter, kNone, true},
      {"6013 Shift+Enter", StepLine({{8, "6013"}}), kEnter, kShift, false},
      {"6267 Ctrl+C", StepLine({{8, "6267"}}), kC, kCtrl, true},
      {"6267 C after Ctrl went up", StepLine({{8, "6267"}}), kC, kNone, false},
      {"6267 the Ctrl key itself", StepLine({{8, "6267"}}), 17, kCtrl, false},
      {"6415 Alt+F4", StepLine({{8, "6415"}}), kF4, kAlt, true},
      {"6003 F2", StepLine({{8, "6003"}}), kF2, kNone, true},
      {"6009 F8", StepLine({{8, "6009"}}), kF8, kNone, true},
      {"6019 F8", StepLine({{8, "6019"}}), kF8, kNone, true},
      {"6091 /", StepLine({{8, "6091"}}), kSlash, kNone, true},
      {"6099 .", StepLine({{8, "6099"}}), kPeriod, kNone, true},
      {"click step: no key", StepLine({{8, "0001"}}), kEnter, kNone, false},
      {"P, any, 0, 13 on a click step", StepLine({{8, "0001"}, {86, "Px013"}}), kEnter, kNone, true},
      {"P replaces the key of a key step", StepLine({{8, "6267"}, {86, "P0013"}}), kC, kCtrl, false},
      {"P on a key step", StepLine({{8, "6267"}, {86, "P0013"}}), kEnter, kNone, true},
      {"P with Ctrl+Shift", StepLine({{8, "0001"}, {86, "P0365"}}), 65, kShift + kCtrl, true},
      {"p is no alternative", StepLine({{8, "0001"}, {86, "p0013"}}), kEnter, kNone, false},
      {"final step", StepLine({{8, "9999"}}), kEnter, kNone, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(KeyReleaseCompletes(StepRecord(c.line), c.key_code, c.shift), c.completes) << c.name;
  EXPECT_EQ(RequestedKey(StepRecord(StepLine({{8, "6415"}}))), (KeyCombination{kF4, kAlt}));
  EXPECT_EQ(RequestedKey(StepRecord(StepLine({{8, "0030"}}))), std::nullopt);
}

TEST(PointerCode, TargetBoxPointer) {
  struct Case {
    const char* code;
    TargetPointer pointer;
  } cases[] = {
      {"S0011", {StandardPointer::kHourglass, ""}},
      {"S0015", {StandardPointer::kSizeAll, ""}},
      {"SXX03", {StandardPointer::kIBeam, ""}},
      {"M0015", {StandardPointer::kDefault, "/opt/xpexam/ico15.CUR"}},
      {"00000", {StandardPointer::kDefault, ""}},
      {"00270", {StandardPointer::kDefault, ""}},  // a text box height
      // No such standard shape: the default rather than a failure.
      {"S0016", {StandardPointer::kDefault, ""}},
      {"S0099", {StandardPointer::kDefault, ""}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PointerOverTarget(StepRecord(StepLine({{101, c.code}})), "/opt/xpexam/"), c.pointer) << c.code;
}

}  // namespace
}  // namespace xpexam::desktop
