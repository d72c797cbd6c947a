#pragma once
// Modifier and button numbers as step records write them, and key steps: which key
// combination a record asks for and whether a key release completes the step.
//
// A key step 6SKK asks for key number KK released while the modifier state equals the
// shift digit S. A record with "P" at 86 asks for key number 89-90 with shift digit 88,
// whatever its step code (and even on a key step). Key numbers are two-digit stand-ins for
// virtual-key codes: Enter is 13, F1 to F12 are 12 to 23 (F2 also 3, F8 also 9), the
// numeric keypad keys are 0 to 11 and most other keys are written as their own code.
#include <cstdint>
#include <optional>

#include "desktop/step_record.h"

namespace xpexam::desktop {

// The shift digit: the sum of 1 Shift, 2 Ctrl, 4 Alt (0 to 7).
struct ModifierState {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  friend bool operator==(const ModifierState&, const ModifierState&) = default;
};
int ShiftDigit(const ModifierState& m);
ModifierState ModifiersOfShiftDigit(int digit);  // bits above 4 are ignored

// Mouse buttons as step codes number them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// Virtual-key code of key number kk, by the six conversions applied in order:
// 9 -> 119, <= 25 -> +100, 113 -> 13, 103 -> 113, 91 -> 191, 99 -> 190.
int KeyCodeOfKeyNumber(int kk);

struct KeyCombination {
  int key_code = 0;  // virtual-key code
  int shift = 0;     // shift digit
  friend bool operator==(const KeyCombination&, const KeyCombination&) = default;
};

// The combination whose release completes the step: from the "P" alternative when the
// record has one, else from a key step code; none for other steps.
std::optional<KeyCombination> RequestedKey(const StepRecord& record);

// The window's key-release check. Before it the window sets mStepCode to the record's step
// code value again (a right-button alternative does not outlive a key release).
bool KeyReleaseCompletes(const StepRecord& record, int key_code, int shift);

}  // namespace xpexam::desktop
