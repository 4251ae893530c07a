#include "view/wheel.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

TEST(WheelSteps, AccumulatesToWholeNotchesAndIgnoresBursts) {
  WheelSteps wheel;
  EXPECT_EQ(wheel.add(120, 0), 1);
  EXPECT_EQ(wheel.add(60, 10), 0);
  EXPECT_EQ(wheel.add(60, 20), 1);
  EXPECT_EQ(wheel.add(-240, 30), -2);
  EXPECT_EQ(wheel.add(120, 30.01), 0);  // 0.01 ms after the last handled event
  EXPECT_EQ(wheel.add(120, 30.06), 1);
  EXPECT_EQ(wheel.add(-100, 40), 0);
  EXPECT_EQ(wheel.add(-20, 50), -1);
}

}  // namespace
}  // namespace pravelo
