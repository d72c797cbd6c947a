#include "demo/aiming.h"

#include <cmath>
#include <cstdlib>

#include "platform/strings.h"

namespace xpexam::demo {

Travel AimAt(int32_t pointer_x, int32_t pointer_y, int32_t target_x, int32_t target_y) {
  const double dx = static_cast<double>(target_x) - pointer_x;
  const double dy = static_cast<double>(target_y) - pointer_y;
  Travel t;
  t.step_length = std::sqrt(dx * dx + dy * dy) / kAdvancesPerLeg;
  const double ax = std::abs(dx), ay = std::abs(dy);
  if (ax > ay) {
    t.delta_x = platform::CInt(t.step_length);
    t.delta_y = platform::CInt(ay * t.step_length / ax);
  } else if (ay > 0) {
    t.delta_x = platform::CInt(ax * t.step_length / ay);
    t.delta_y = platform::CInt(t.step_length);
  }
  if (target_x < pointer_x) t.delta_x = static_cast<int16_t>(-t.delta_x);
  if (target_y < pointer_y) t.delta_y = static_cast<int16_t>(-t.delta_y);
  return t;
}

bool Arrived(int32_t pointer_x, int32_t pointer_y, int32_t target_x, int32_t target_y,
             double step_length, double scale_x) {
  const double dx = static_cast<double>(target_x) - pointer_x;
  const double dy = static_cast<double>(target_y) - pointer_y;
  const double d = std::sqrt(dx * dx + dy * dy);
  const double s = step_length;
  return (std::abs(dx) <= 1.2 * s && std::abs(dy) <= 1.2 * s) || d < 1.5 * s || d < 120 * scale_x;
}

int32_t CentreOf(double start, double size) { return platform::CLng(start + size / 2); }

}  // namespace xpexam::demo
