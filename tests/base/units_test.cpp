#include "base/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pravelo {
namespace {

TEST(Units, RoundingIsHalfToEven) {
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(2.5000001), 3);
  EXPECT_EQ(roundToDecimals(0.123456, 4), 0.1235);
}

TEST(Units, RoundingToInt32SaturatesInsteadOfWrapping) {
  EXPECT_EQ(roundToInt32(3e9), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(roundToInt32(-3e9), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(roundToInt32(std::nan("")), 0);
  EXPECT_EQ(roundToInt32(-0.5), 0);
  EXPECT_EQ(roundToInt32(1.5), 2);
}

struct ConversionCase {
  const char* name;
  double value;
  double expected;
};

// The conversion table: each factor differs, and a swapped one shows in the third digit.
// clang-format off
const ConversionCase kConversions[] = {
  {"mm to units",                 static_cast<double>(mmToUnits(1.27)), 12700},
  {"mm to units rounds",          static_cast<double>(mmToUnits(0.00004)), 0},
  {"mm to exact units",           mmToUnitsExact(0.0396875), 396.875},
  {"units to mm",                 unitsToMm(12700), 1.27},
  {"units to mil",                unitsToMil(12700), 50},
  {"mil to units",                milToUnits(1), 254},
  {"um to mm",                    umToMm(39.6875), 0.0396875},
  {"grid mil to mm",              gridMilToMm(50), 1.27},
  {"mm to caption mil",           mmToCaptionMil(1.27), 49.99999906},
  {"mm to field mil",             mmToFieldMil(1.27), 50},
  {"field mil to mm",             fieldMilToMm(39.37), 1},
  {"mm to field mil limit",       mmToFieldMilLimit(99.9), 3933.063},
};
// clang-format on

TEST(Units, ConversionTable) {
  for (const ConversionCase& c : kConversions) {
    EXPECT_NEAR(c.value, c.expected, 1e-9) << c.name;
  }
}

}  // namespace
}  // namespace pravelo
