#pragma once
// Pointer travel of the answer demonstration: every leg is cut into 15 equal advances, and
// every travel timer uses the same arrival test.
#include <cstdint>

namespace xpexam::demo {

inline constexpr int kAdvancesPerLeg = 15;

struct Travel {
  double step_length = 0;  // one fifteenth of the leg
  int16_t delta_x = 0;     // signed movement per advance, twips
  int16_t delta_y = 0;
};

// The longer axis moves by the step length per advance, the other by its share; a tie
// gives the step length to y. Failure 6 when a delta does not fit 16 bits.
Travel AimAt(int32_t pointer_x, int32_t pointer_y, int32_t target_x, int32_t target_y);

// Arrived when both distances are within 1.2 advances, or the straight distance is under
// 1.5 advances or under 120 scaled twips.
bool Arrived(int32_t pointer_x, int32_t pointer_y, int32_t target_x, int32_t target_y,
             double step_length, double scale_x);

// Centre coordinate of a control's span, to the nearest twip (halves to even).
int32_t CentreOf(double start, double size);

}  // namespace xpexam::demo
