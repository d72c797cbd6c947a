// The travel arithmetic shared by every pointer travel of the demonstration.
#include "demo/aiming.h"

#include <gtest/gtest.h>

#include <cmath>

namespace xpexam::demo {
namespace {

TEST(DemoAiming, FifteenAdvancesAlongTheStraightLine) {
  struct Case {
    int32_t tx, ty;
    double length;
    int16_t dx, dy;
  };
  // Pointer at (1000, 1000).
  for (const Case& c : {Case{2500, 1000, 100, 100, 0},          // straight right
                        Case{1300, 600, 500.0 / 15, 25, -33},   // the longer axis takes the length
                        Case{1300, 1300, std::sqrt(180000.0) / 15, 28, 28},  // a tie: y takes it
                        Case{1000, 1000, 0, 0, 0},              // no travel
                        Case{1007, 1000, 7.0 / 15, 0, 0},       // half a twip or less rounds to 0
                        Case{-2000, 1000, 200, -200, 0}}) {
    const Travel t = AimAt(1000, 1000, c.tx, c.ty);
    EXPECT_NEAR(t.step_length, c.length, 1e-9) << c.tx << "," << c.ty;
    EXPECT_EQ(t.delta_x, c.dx) << c.tx << "," << c.ty;
    EXPECT_EQ(t.delta_y, c.dy) << c.tx << "," << c.ty;
  }
}

TEST(DemoAiming, ArrivalStopsShortOfTheTarget) {
  // 3000 twips along x: one advance at a time arrives on the 14th, 200 short.
  const Travel t = AimAt(0, 0, 3000, 0);
  int32_t x = 0;
  int advances = 0;
  while (!Arrived(x, 0, 3000, 0, t.step_length, 1.0)) {
    x += t.delta_x;
    ++advances;
  }
  EXPECT_EQ(advances, 14);
  EXPECT_EQ(x, 2800);
  // Within 120 scaled twips counts as arrived whatever the step length.
  EXPECT_TRUE(Arrived(0, 0, 119, 0, 0, 1.0));
  EXPECT_FALSE(Arrived(0, 0, 119, 0, 0, 0.5));
}

TEST(DemoAiming, CentresRoundHalvesToEven) {
  EXPECT_EQ(CentreOf(1000, 375), 1188);  // 1187.5
  EXPECT_EQ(CentreOf(1000, 377), 1188);  // 1188.5
}

}  // namespace
}  // namespace xpexam::demo
