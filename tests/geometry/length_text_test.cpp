#include "geometry/length_text.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

struct FormatCase {
  double units;
  LengthUnit unit;
  int decimals;
  const char* expected;
};

// clang-format off
const FormatCase kStandardTexts[] = {
  {12700, LengthUnit::Mm, -1, "1.270 mm"},
  {12700, LengthUnit::Mil, -1, "50.0 mil"},
  {1600000, LengthUnit::Mm, -1, "160.000 mm"},
  {-5000, LengthUnit::Mm, -1, "-0.500 mm"},
  {-1, LengthUnit::Mm, -1, "0.000 mm"},          // no "-0.000"
  {127, LengthUnit::Mil, -1, "0.5 mil"},
  {12345678, LengthUnit::Mm, -1, "1234.570 mm"}, // 6 significant digits first
  {1234567, LengthUnit::Mil, -1, "4860.5 mil"},
  {12700, LengthUnit::Mm, 2, "1.27 mm"},
  {1800000, LengthUnit::Mm, 2, "180.00 mm"},
  {12700, LengthUnit::Mil, 0, "50 mil"},
};
// clang-format on

TEST(LengthText, StandardForm) {
  for (const FormatCase& c : kStandardTexts) {
    EXPECT_EQ(formatLength(c.units, c.unit, c.decimals), c.expected) << c.units;
  }
}

struct CaptionCase {
  double mm;
  const char* inMm;
  const char* inMil;
};

// clang-format off
const CaptionCase kCaptions[] = {
  {1.27, "1.27 mm", "50 mil"},
  {0.0396875, "39.6875 \xC2\xB5m", "1.5625 mil"},
  {0.079375, "79.375 \xC2\xB5m", "3.125 mil"},
  {0.15875, "158.75 \xC2\xB5m", "6.25 mil"},
  {0.3175, "0.3175 mm", "12.5 mil"},
  {2.54, "2.54 mm", "100 mil"},
  {5.08, "5.08 mm", "200 mil"},
  {0.01, "0.01 mm", "0.3937 mil"},
  {0.025, "0.025 mm", "0.98425 mil"},
  {10, "10 mm", "393.701 mil"},
  {0.0001, "0.0001 mm", "0.00394 mil"},
  {0.00001, "0.01 \xC2\xB5m", "0.00039 mil"},
  {123.456789, "123.457 mm", "4860.5 mil"},
};
// clang-format on

TEST(LengthText, TrimmedCaptionForm) {
  for (const CaptionCase& c : kCaptions) {
    EXPECT_EQ(formatCaptionLength(c.mm, LengthUnit::Mm), c.inMm) << c.mm;
    EXPECT_EQ(formatCaptionLength(c.mm, LengthUnit::Mil), c.inMil) << c.mm;
  }
}

TEST(LengthText, TrimmedNumbers) {
  EXPECT_EQ(formatTrimmed(1.5), "1.5");
  EXPECT_EQ(formatTrimmed(100), "100");
  EXPECT_EQ(formatTrimmed(1234567), "1234567");
  EXPECT_EQ(formatTrimmed(0.1234567), "0.12346");
  // Fixed decimals, trimmed: no bare point and no negative zero.
  EXPECT_EQ(formatFixedTrimmed(1.25, 4), "1.25");
  EXPECT_EQ(formatFixedTrimmed(-2.5, 4), "-2.5");
  EXPECT_EQ(formatFixedTrimmed(3, 4), "3");
  EXPECT_EQ(formatFixedTrimmed(10, 0), "10");
  EXPECT_EQ(formatFixedTrimmed(-0.00001, 4), "0");
}

TEST(LengthText, ParsingAcceptsACommaAndRejectsRubbish) {
  EXPECT_EQ(parseDecimal("1,5"), 1.5);
  EXPECT_EQ(parseDecimal(" 2.25 "), 2.25);
  EXPECT_EQ(parseDecimal(".5"), 0.5);
  EXPECT_EQ(parseDecimal("-3"), -3);
  for (const char* bad : {"", " ", "abc", "1.2.3", "1,2,3", "5 mm", "nan", "inf"}) {
    EXPECT_FALSE(parseDecimal(bad)) << bad;
  }
}

TEST(LengthText, ParsingLengthsIntoUnits) {
  EXPECT_EQ(parseLengthUnits("1.27", LengthUnit::Mm), 12700);
  EXPECT_EQ(parseLengthUnits("50", LengthUnit::Mil), 12700);
  EXPECT_EQ(parseLengthUnits("1,27 mm", LengthUnit::Mil), 12700);
  EXPECT_EQ(parseLengthUnits("50mil", LengthUnit::Mm), 12700);
  EXPECT_DOUBLE_EQ(*parseLengthUnits("39.6875 \xC2\xB5m", LengthUnit::Mm), 396.875);
  EXPECT_FALSE(parseLengthUnits("mm", LengthUnit::Mm));
  // The standard text reads back as what it shows.
  EXPECT_EQ(parseLengthUnits(formatLength(12700, LengthUnit::Mil), LengthUnit::Mm), 12700);
}

}  // namespace
}  // namespace pravelo
