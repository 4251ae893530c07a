#include "view/grid_code.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "geometry/length_text.h"
#include "settings/settings.h"
#include "view/grid_menu.h"

namespace pravelo {
namespace {

TEST(GridCode, Decoding) {
  struct Case {
    std::int32_t code;
    double mm;
  };
  // clang-format off
  const Case cases[] = {
    {10001275, 1.27}, {23968753, 0.0396875}, {10000104, 0.01}, {10000010, 1},
    {10000100, 10}, {30000500, 1.27}, {11234561, 0.123456}, {11234560, 123456},
    {20000106, 0.001}};
  // clang-format on
  for (const Case& c : cases) {
    const auto mm = decodeGridCode(c.code);
    ASSERT_TRUE(mm) << c.code;
    EXPECT_NEAR(*mm, c.mm, 1e-12) << c.code;
  }
}

TEST(GridCode, MalformedCodesDecodeToNothing) {
  for (std::int32_t code : {0, -10001275, 9999999, 40001275, 10001277, 10001279, 10000000}) {
    EXPECT_FALSE(decodeGridCode(code)) << code;
  }
}

TEST(GridCode, FixedListsHoldTheirValues) {
  const double defaults[] = {0.0396875, 0.079375, 0.15875, 0.3175, 0.635, 1.27, 2.54, 5.08};
  const double metric[] = {0.01, 0.02, 0.025, 0.05, 0.1, 0.2, 0.25, 0.5, 1, 2, 2.5};
  const double hotkeys[] = {2.54, 1.27, 0.635, 0.3175, 0.15875, 0.079375, 0.0396875, 1, 0.1};
  for (std::size_t i = 0; i < kDefaultGridCodes.size(); ++i) {
    EXPECT_NEAR(*decodeGridCode(kDefaultGridCodes[i]), defaults[i], 1e-12);
  }
  for (std::size_t i = 0; i < kMetricGridCodes.size(); ++i) {
    EXPECT_NEAR(*decodeGridCode(kMetricGridCodes[i]), metric[i], 1e-12);
  }
  const auto defaultHotkeys = AppSettings{}.rasterHotkeys;
  for (std::size_t i = 0; i < defaultHotkeys.size(); ++i) {
    EXPECT_NEAR(*decodeGridCode(defaultHotkeys[i]), hotkeys[i], 1e-12);
  }
}

struct EncodeCase {
  const char* typed;
  GridUnit unit;
  std::int32_t code;
};

// clang-format off
const EncodeCase kEncodings[] = {
  {"1.27", GridUnit::Mm, 10001275},
  {"1,27", GridUnit::Mm, 10001275},
  {"10", GridUnit::Mm, 10000100},     // no separator: no decimals gained
  {"5.", GridUnit::Mm, 10000050},     // a trailing separator is dropped
  {"0.5", GridUnit::Mm, 10000056},
  {".5", GridUnit::Mm, 10000056},     // a leading separator gets a 0
  {"0.010", GridUnit::Mm, 10000104},
  {"39.6875", GridUnit::Um, 23968753},
  {"50", GridUnit::Mil, 30000500},
  {"123456", GridUnit::Mm, 11234560},
  {".123456", GridUnit::Mm, 11234561},
  {"0.1234560", GridUnit::Mm, 11234561},  // trailing zero dropped to fit
  {"007", GridUnit::Mm, 10000070},
};
// clang-format on

TEST(GridCode, EncodingTypedValues) {
  for (const EncodeCase& c : kEncodings) {
    const GridCodeResult r = encodeGridValue(c.typed, c.unit);
    EXPECT_TRUE(r.ok()) << c.typed << ": " << r.error;
    EXPECT_EQ(r.code, c.code) << c.typed;
  }
}

TEST(GridCode, EncodingRoundTripsEveryDigitPosition) {
  int checked = 0;
  for (const char* typed : {"1", "12", "123456", "1.5", "12.75", "1234.5", "0.00001", ".000001",
                            "0.1", "99999.9", "3.14159", "100", "2.0", "000.25"}) {
    const GridCodeResult r = encodeGridValue(typed, GridUnit::Mm);
    ASSERT_TRUE(r.ok()) << typed;
    EXPECT_NEAR(*decodeGridCode(r.code), *parseDecimal(typed), 1e-12) << typed;
    ++checked;
  }
  EXPECT_EQ(checked, 14);
}

TEST(GridCode, RefusesWhatTheCodeCannotHold) {
  setLanguage(Language::English);
  for (const char* typed : {"1234567", "1.234567", "0.0000001", "12345.67"}) {
    const GridCodeResult r = encodeGridValue(typed, GridUnit::Mm);
    EXPECT_FALSE(r.ok()) << typed;
    EXPECT_EQ(r.error, "The grid value may have at most 6 digits.") << typed;
  }
  for (const char* typed : {"", "abc", "1.2.3", "-1", "1e3"}) {
    EXPECT_EQ(encodeGridValue(typed, GridUnit::Mm).error, "Please enter a number.") << typed;
  }
}

TEST(GridCode, DialogRange) {
  setLanguage(Language::English);
  struct Case {
    const char* typed;
    GridUnit unit;
    const char* error;
  };
  // clang-format off
  const Case cases[] = {
    {"0.0009", GridUnit::Mm, "The grid must be at least 0.001 mm."},
    {"0.001", GridUnit::Mm, ""},
    {"10", GridUnit::Mm, ""},
    {"10.1", GridUnit::Mm, "The grid must not exceed 10 mm."},
    {"0.9", GridUnit::Um, "The grid must be at least 1 \xC2\xB5m."},
    {"10001", GridUnit::Um, "The grid must not exceed 10000 \xC2\xB5m."},
    {"0.03937", GridUnit::Mil, ""},  // the limit the message names is itself accepted
    {"0.0393", GridUnit::Mil, "The grid must be at least 0.03937 mil."},
    {"393.7", GridUnit::Mil, ""},
    {"393.8", GridUnit::Mil, "The grid must not exceed 393.7 mil."},
    {"x", GridUnit::Mm, "Please enter a number."},
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(gridDialogValue(c.typed, c.unit).error, c.error) << c.typed;
  EXPECT_EQ(gridDialogValue("10", GridUnit::Mm).code, 10000100);
  setLanguage(Language::German);
  EXPECT_EQ(gridDialogValue("11", GridUnit::Mm).error, "Das Raster darf höchstens 10 mm betragen.");
  setLanguage(Language::French);
  EXPECT_EQ(gridDialogValue("0", GridUnit::Mm).error, "La grille doit être d'au moins 0.001 mm.");
  setLanguage(Language::German);
}

TEST(GridCode, DialogKeyFilter) {
  EXPECT_EQ(gridDialogKey("12345", '6'), '6');
  EXPECT_FALSE(gridDialogKey("123456", '7'));  // more than 5 without a separator
  EXPECT_EQ(gridDialogKey("1.2345", '6'), '6');
  EXPECT_FALSE(gridDialogKey("1.23456", '7'));  // more than 6 with one
  EXPECT_EQ(gridDialogKey("12", ','), '.');
  EXPECT_EQ(gridDialogKey("12", '.'), '.');
  EXPECT_FALSE(gridDialogKey("1.2", ','));
  EXPECT_FALSE(gridDialogKey("12", 'a'));
  EXPECT_FALSE(gridDialogKey("12", '-'));
}

}  // namespace
}  // namespace pravelo
