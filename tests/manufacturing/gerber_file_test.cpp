#include "manufacturing/gerber_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace pravelo {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    EXPECT_TRUE(!line.empty() && line.back() == '\r') << "line without CR LF: " << line;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The lines between `first` (exclusive) and the end.
std::vector<std::string> bodyAfter(const std::vector<std::string>& lines,
                                   const std::string& first) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == first) return {lines.begin() + i + 1, lines.end()};
  }
  return {};
}

TEST(GerberFile, HeaderAperturesAndBody) {
  GerberFile file({0, 1000, false, 0});
  file.begin("COPPER_TOP");
  file.setPenWidth(2540);
  file.move({0, 0});
  file.draw({20000, -1000});
  file.move({5000, 5000});
  file.flashRound(4000, 8000);
  file.flashRectangle(16000, 6000);
  file.setPenWidth(2540);
  const std::vector<std::string> expected = {"%FSLAX34Y34*%",
                                             "%MOMM*%",
                                             "%LNCOPPER_TOP*%",
                                             "G71*",
                                             "G01*",
                                             "%ADD10C,0.254*%",
                                             "%ADD11C,1.600*%",
                                             "%ADD12R,1.600X0.600*%",
                                             "%LPD*%",
                                             "G54D10*",
                                             "X0Y1000D02*",
                                             "X20000Y0D01*",
                                             "X5000Y6000D02*",
                                             "G54D11*",
                                             "D03*",
                                             "G54D12*",
                                             "D03*",
                                             "G54D10*",
                                             "M02*"};
  EXPECT_EQ(linesOf(file.finish()), expected);
  EXPECT_FALSE(file.outOfRange());
}

TEST(GerberFile, EqualPadsWithOtherHolesGetTheirOwnCodes) {
  GerberFile file({});
  file.begin("COPPER_TOP");
  file.flashRound(3000, 8000);
  file.flashRound(4000, 8000);
  file.flashRound(3000, 8000);
  const std::vector<std::string> lines = linesOf(file.finish());
  EXPECT_EQ(lines[5], "%ADD10C,1.600*%");
  EXPECT_EQ(lines[6], "%ADD11C,1.600*%");
  EXPECT_EQ(lines[7], "%LPD*%");
  EXPECT_EQ(
      bodyAfter(lines, "%LPD*%"),
      (std::vector<std::string>{"G54D10*", "D03*", "G54D11*", "D03*", "G54D10*", "D03*", "M02*"}));
}

TEST(GerberFile, SizesInMillimetresWithThreeDecimals) {
  // clang-format off
  const std::pair<std::int64_t, const char*> cases[] = {
      {2540, "0.254"}, {0, "0.000"}, {10000, "1.000"}, {5, "0.000"}, {15, "0.002"},
      {25, "0.002"}, {-2540, "-0.254"}, {-4, "0.000"}, {123456789, "12345.679"}};
  // clang-format on
  for (const auto& [units, text] : cases) EXPECT_EQ(gerberMillimetres(units), text) << units;
}

TEST(GerberFile, CoordinatesRoundHalfToEven) {
  GerberFile file({});
  file.begin("X");
  file.move({0.5, 1.5});
  file.move({-2.5, 2.4999});
  EXPECT_EQ(bodyAfter(linesOf(file.finish()), "%LPD*%"),
            (std::vector<std::string>{"X0Y2D02*", "X-2Y2D02*", "M02*"}));
}

// A region must be a closed contour: the chord of a filled arc is part of it, drawn before the
// region ends; the pen then runs along the chord, as the ring's width reaches past it.
TEST(GerberFile, FilledArcClosesItsRegionWithTheChord) {
  GerberFile file({});
  file.begin("X");
  file.arc({0, 0}, {10000, 0}, {0, 10000}, true);
  EXPECT_EQ(
      bodyAfter(linesOf(file.finish()), "%LPD*%"),
      (std::vector<std::string>{"G75*", "X10000Y0D02*", "G03X0Y10000I-10000J0D01*", "G01*", "G36*",
                                "G75*", "X10000Y0D02*", "G03X0Y10000I-10000J0D01*", "G01*",
                                "X10000Y0D01*", "G37*", "X0Y10000D02*", "X10000Y0D01*", "M02*"}));
}

TEST(GerberFile, FullCircleRunsFromAPointBackToIt) {
  GerberFile file({});
  file.begin("X");
  file.arc({0, 0}, {5000, 0}, {5000, 0}, false);
  EXPECT_EQ(
      bodyAfter(linesOf(file.finish()), "%LPD*%"),
      (std::vector<std::string>{"G75*", "X5000Y0D02*", "G03X5000Y0I-5000J0D01*", "G01*", "M02*"}));
}

// Mirrored about x = 30000, the arc's ends change roles so that it still runs anticlockwise.
TEST(GerberFile, MirroringTurnsXAndKeepsArcsAnticlockwise) {
  GerberFile file({0, 0, true, 30000});
  file.begin("X");
  file.move({1000, 2000});
  file.arc({0, 0}, {10000, 0}, {0, 10000}, false);
  EXPECT_EQ(bodyAfter(linesOf(file.finish()), "%LPD*%"),
            (std::vector<std::string>{"X29000Y2000D02*", "G75*", "X30000Y10000D02*",
                                      "G03X20000Y0I0J-10000D01*", "G01*", "M02*"}));
}

TEST(GerberFile, CoordinatesBeyondThreeIntegerDigitsAreReported) {
  GerberFile fits({});
  fits.begin("X");
  fits.move({9999999, -9999999});
  EXPECT_FALSE(fits.outOfRange());
  GerberFile beyond({0, 5000, false, 0});
  beyond.begin("X");
  beyond.move({0, 9996000});
  beyond.move({-10000000, 0});
  EXPECT_TRUE(beyond.outOfRange());
  EXPECT_EQ(beyond.firstOutOfRange(), 10001000);
}

TEST(GerberFile, AttributesOnlyWhenAsked) {
  GerberFile plain({});
  plain.begin("COPPER_TOP");
  EXPECT_EQ(plain.finish().find("%TF"), std::string::npos);
  GerberFile x2({});
  x2.begin("COPPER_TOP", "Copper,L1,Top");
  const std::vector<std::string> lines = linesOf(x2.finish());
  EXPECT_EQ(lines[2], "%LNCOPPER_TOP*%");
  EXPECT_EQ(lines[5], "%TF.FileFunction,Copper,L1,Top*%");
  EXPECT_EQ(lines[6], "%TF.Part,Single*%");
  EXPECT_EQ(lines[7].rfind("%TF.GenerationSoftware,", 0), 0u);
}

}  // namespace
}  // namespace pravelo
