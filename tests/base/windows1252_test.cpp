#include "base/windows1252.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

TEST(Windows1252, UpperHalfBecomesUtf8) {
  EXPECT_EQ(windows1252ToUtf8("R1 abc"), "R1 abc");
  EXPECT_EQ(windows1252ToUtf8("\x80\x96\x9F"), "\u20AC\u2013\u0178");
  EXPECT_EQ(windows1252ToUtf8("\xB5\xC4\xE9\xFF"), "\u00B5\u00C4\u00E9\u00FF");
  EXPECT_EQ(windows1252ToUtf8("\x81\x9D"), "\u0081\u009D");
  EXPECT_EQ(windows1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Windows1252, EveryByteSurvivesTheWayThereAndBack) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
  EXPECT_EQ(utf8ToWindows1252("Größe €"),
            "Gr\xF6\xDF"
            "e \x80");
}

TEST(Windows1252, UnmappableAndMalformedTextBecomesQuestionMarks) {
  EXPECT_EQ(utf8ToWindows1252("a\xE2\x88\x9E"
                              "b"),
            "a?b");                             // infinity sign
  EXPECT_EQ(utf8ToWindows1252("a\xC3"), "a?");  // cut sequence
  EXPECT_EQ(utf8ToWindows1252("\xFF"
                              "x"),
            "?x");
}

}  // namespace
}  // namespace pravelo
