#pragma once
// Time and chance as the program sees them. The real clock by default; the headless
// backend installs a virtual one so that scripts and tests are repeatable.
#include <cstdint>
#include <functional>

#include "platform/strings.h"

namespace xpexam::platform {

// Milliseconds since an arbitrary start (the replacement of the system tick count).
int64_t TickCount();
// The local date and time.
DateTime Now();

struct ClockSource {
  std::function<int64_t()> ticks;
  std::function<DateTime()> now;
};
// Installs a clock; an empty member falls back to the real one.
void SetClockSource(ClockSource source);

// The program's random generator: a number in [0, 1), as the system's Rnd.
double Rnd();
void Randomize(uint64_t seed);

}  // namespace xpexam::platform
