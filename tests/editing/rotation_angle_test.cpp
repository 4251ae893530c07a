#include "editing/rotation_angle.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

TEST(RotationAngle, CaptionsShowThousandthsWithoutTrailingZeros) {
  // clang-format off
  const struct { double degrees; const char* caption; } cases[] = {
    {90, "90°"}, {22.5, "22.5°"}, {-12.125, "-12.125°"}, {0.0004, "0°"}, {-0.0004, "0°"},
    {359.9996, "360°"}, {1.10, "1.1°"},
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(rotationAngleCaption(c.degrees), c.caption) << c.degrees;
  EXPECT_EQ(userRotationAngleCaption(22.5), "22.5° ...");
}

TEST(RotationAngle, TypedAnglesAreReadWithinOneTurnEitherWay) {
  // clang-format off
  const struct { const char* typed; std::optional<double> angle; } cases[] = {
    {"22.5", 22.5}, {"22,5", 22.5}, {" -360 ", -360}, {"+360", 360}, {"12.34567", 12.346},
    {"360.1", std::nullopt}, {"-361", std::nullopt}, {"", std::nullopt}, {"abc", std::nullopt},
    {"1e2", 100}, {"nan", std::nullopt}, {"45°", std::nullopt},
  };
  // clang-format on
  for (const auto& c : cases) {
    const std::optional<double> angle = parseUserRotationAngle(c.typed);
    ASSERT_EQ(angle.has_value(), c.angle.has_value()) << c.typed;
    if (angle) {
      EXPECT_DOUBLE_EQ(*angle, *c.angle) << c.typed;
    }
  }
}

}  // namespace
}  // namespace pravelo
