#include "platform/clock.h"

#include <chrono>
#include <ctime>
#include <random>

namespace xpexam::platform {
namespace {
ClockSource& Source() {
  static ClockSource source;
  return source;
}
std::mt19937_64& Generator() {
  static std::mt19937_64 gen(std::random_device{}());
  return gen;
}
}  // namespace

void SetClockSource(ClockSource source) { Source() = std::move(source); }

int64_t TickCount() {
  if (Source().ticks) return Source().ticks();
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

DateTime Now() {
  if (Source().now) return Source().now();
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

double Rnd() { return std::uniform_real_distribution<double>(0.0, 1.0)(Generator()); }

void Randomize(uint64_t seed) { Generator().seed(seed); }

}  // namespace xpexam::platform
