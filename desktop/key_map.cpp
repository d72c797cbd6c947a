#include "desktop/key_map.h"

namespace xpexam::desktop {

int ShiftDigit(const ModifierState& m) { return (m.shift ? 1 : 0) + (m.ctrl ? 2 : 0) + (m.alt ? 4 : 0); }

ModifierState ModifiersOfShiftDigit(int digit) {
  return ModifierState{(digit & 1) != 0, (digit & 2) != 0, (digit & 4) != 0};
}

int KeyCodeOfKeyNumber(int kk) {
  if (kk == 9) kk = 119;
  if (kk <= 25) kk += 100;
  if (kk == 113) kk = 13;
  if (kk == 103) kk = 113;
  if (kk == 91) kk = 191;
  if (kk == 99) kk = 190;
  return kk;
}

std::optional<KeyCombination> RequestedKey(const StepRecord& record) {
  if (record.HasKeyAlternative())
    return KeyCombination{KeyCodeOfKeyNumber(record.KeyAlternativeKey()), record.KeyAlternativeShift()};
  int code = record.StepCodeValue();
  if (code / 1000 != 6) return std::nullopt;
  return KeyCombination{KeyCodeOfKeyNumber(code % 100), (code % 1000) / 100};
}

bool KeyReleaseCompletes(const StepRecord& record, int key_code, int shift) {
  auto key = RequestedKey(record);
  return key && key->key_code == key_code && key->shift == shift;
}

}  // namespace xpexam::desktop
