#include "manufacturing/gerber_layers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "manufacturing/gerber_dialog_state.h"
#include "support/gerber_boards.h"

namespace pravelo {
namespace {

using testing::GerberBoard;

const GerberOutput& output(const std::string& name) {
  for (const GerberOutput& o : kGerberOutputs) {
    if (name == o.name) return o;
  }
  throw std::invalid_argument(name);
}

std::vector<std::string> fileLines(const Board& board, const std::string& name,
                                   const GerberOptions& options = {}) {
  std::vector<std::string> lines;
  std::istringstream in(gerberLayerFile(board, output(name), options).text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

int count(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

GerberOptions fromCorner() {
  GerberOptions o;
  o.camOrigin = false;
  return o;
}

// X values of every coordinate line.
std::vector<long> xValues(const std::vector<std::string>& lines) {
  std::vector<long> xs;
  for (const std::string& line : lines) {
    if (line.size() > 1 && line[0] == 'X') xs.push_back(std::stol(line.substr(1)));
  }
  return xs;
}

// An SMD pad along the axes is a rectangle flash, its sides exchanged when turned by 90
// degrees; at any other angle a region over its corners.
TEST(GerberLayers, SmdPadsFlashedAlongTheAxesAndRegionsOtherwise) {
  // clang-format off
  const struct { double degrees; const char* aperture; int regions; } cases[] = {
      {0, "%ADD10R,1.600X0.600*%", 0},
      {90, "%ADD10R,0.600X1.600*%", 0},
      {180.05, "%ADD10R,1.600X0.600*%", 0},
      {270, "%ADD10R,0.600X1.600*%", 0},
      {45, nullptr, 1},
      {0.2, nullptr, 1},
  };
  // clang-format on
  for (const auto& c : cases) {
    GerberBoard b;
    b.smd({100000, -100000}, 16000, 6000, c.degrees);
    const auto lines = fileLines(b.board, "C1", fromCorner());
    EXPECT_EQ(count(lines, "G36*"), c.regions) << c.degrees;
    if (c.aperture) {
      EXPECT_EQ(lines[5], c.aperture) << c.degrees;
      EXPECT_EQ(count(lines, "X100000Y100000D02*"), 1) << c.degrees;
      EXPECT_EQ(count(lines, "D03*"), 1) << c.degrees;
    } else {
      // The region: a move, three draws and the draw back to the first corner.
      EXPECT_EQ(xValues(lines).size(), 5u) << c.degrees;
    }
  }
}

TEST(GerberLayers, PadsOfEveryShape) {
  GerberBoard b;
  b.pad({50000, -50000}, kPadCircular, 8000, 4000);
  b.pad({100000, -50000}, kPadRoundedH, 8000, 4000);
  b.pad({150000, -50000}, kPadOctagon, 8000, 4000);
  b.pad({200000, -50000}, kPadCircular, 6000, 6000);  // a pure hole has no copper
  const auto lines = fileLines(b.board, "C1", fromCorner());
  EXPECT_EQ(lines[5], "%ADD10C,1.600*%");  // the round pad's flash
  EXPECT_EQ(lines[6], "%ADD11C,1.600*%");  // the pen of the oblong pad
  EXPECT_EQ(count(lines, "D03*"), 1);
  EXPECT_EQ(count(lines, "G36*"), 1);  // the octagon
  EXPECT_EQ(count(lines, "X200000Y150000D02*"), 0);
}

TEST(GerberLayers, ZonesWithFewerThanThreeCornersAreLeftOut) {
  GerberBoard b;
  b.zone({{10000, -10000}, {50000, -10000}, {10000, -10000}}, 2000);
  b.zone({{10000, -20000}}, 2000);
  const auto lines = fileLines(b.board, "C1", fromCorner());
  EXPECT_TRUE(xValues(lines).empty());
  EXPECT_EQ(lines.size(), 7u);  // the header, the polarity and the end
  b.zone({{10000, -10000}, {50000, -10000}, {50000, -40000}}, 2000);
  EXPECT_EQ(count(fileLines(b.board, "C1", fromCorner()), "G36*"), 1);
}

// A flat end is cut square at its vertex, as the editor shows it: nothing reaches past it.
TEST(GerberLayers, FlatTrackEndsStopAtTheirVertex) {
  GerberBoard b;
  b.track({{20000, -50000}, {80000, -50000}}, 8000, 1);
  const auto flat = xValues(fileLines(b.board, "C1", fromCorner()));
  EXPECT_EQ(*std::min_element(flat.begin(), flat.end()), 20000);
  EXPECT_EQ(*std::max_element(flat.begin(), flat.end()), 80000);
  GerberBoard round;
  round.track({{20000, -50000}, {80000, -50000}}, 8000, 0);
  EXPECT_EQ(count(fileLines(round.board, "C1", fromCorner()), "G36*"), 0);
}

// Without the origin option the board's lower left corner is 0,0 and mirroring turns about its
// width; with it, coordinates count from the user origin and mirroring negates them.
TEST(GerberLayers, OriginAndMirrorApplyToTheWrittenCoordinates) {
  GerberBoard b(300000, 200000);
  b.board.header.originX = 20000;
  b.board.header.originY = -150000;
  b.pad({50000, -50000}, kPadCircular, 8000, 4000);
  // clang-format off
  const struct { bool origin; bool mirror; const char* move; } cases[] = {
      {false, false, "X50000Y150000D02*"},
      {false, true, "X250000Y150000D02*"},
      {true, false, "X30000Y100000D02*"},
      {true, true, "X-30000Y100000D02*"},
  };
  // clang-format on
  for (const auto& c : cases) {
    GerberOptions options;
    options.camOrigin = c.origin;
    options.mirror = c.mirror;
    EXPECT_EQ(count(fileLines(b.board, "C1", options), c.move), 1) << c.origin << c.mirror;
  }
}

TEST(GerberLayers, FrameAroundTheBoard) {
  GerberBoard b(300000, 200000);
  b.track({{10000, -10000}, {20000, -10000}}, 1000, 0, kLayerS1);
  GerberOptions options = fromCorner();
  options.frame = true;
  const auto lines = fileLines(b.board, "S1", options);
  EXPECT_EQ(lines[5], "%ADD10C,0.002*%");
  const std::vector<std::string> frame = {"G54D10*",       "X0Y200000D02*", "X300000Y200000D01*",
                                          "X300000Y0D01*", "X0Y0D01*",      "X0Y200000D01*"};
  EXPECT_TRUE(std::search(lines.begin(), lines.end(), frame.begin(), frame.end()) != lines.end());
}

// The plane rule: the board as a dark region, every object's clearance shape cleared, dark
// again for the spokes, then the copper.
TEST(GerberLayers, GroundPlaneFollowsThePainterOrder) {
  const GerberBoard b = testing::groundPlaneBoard();
  const auto lines = fileLines(b.board, "C1", fromCorner());
  const std::vector<std::string> board = {
      "%LPD*%",        "G36*", "X0Y150000D02*", "X200000Y150000D01*", "X200000Y0D01*", "X0Y0D01*",
      "X0Y150000D01*", "G37*", "%LPC*%"};
  const auto start = std::search(lines.begin(), lines.end(), board.begin(), board.end());
  ASSERT_NE(start, lines.end());
  const auto dark = std::find(start + board.size(), lines.end(), "%LPD*%");
  ASSERT_NE(dark, lines.end());
  // 8 + 4 + 4 spokes, then copper: the thermal pads' own regions and flashes follow.
  EXPECT_EQ(std::count(dark, lines.end(), "G36*"), 8 + 4 + 4 + 1);
  EXPECT_EQ(count(lines, "%LPC*%"), 1);
  EXPECT_EQ(lines.back(), "M02*");
}

TEST(GerberLayers, PunchedHolesEndTheFileInClearPolarity) {
  GerberBoard b;
  b.pad({50000, -50000}, kPadCircular, 8000, 4000);
  b.pad({100000, -50000}, kPadSquare, 8000, 3000).via = 1;
  b.pad({150000, -50000}, kPadCircular, 8000, 4000, kLayerC2);
  GerberOptions options = fromCorner();
  options.punchHoles = true;
  auto lines = fileLines(b.board, "C1", options);
  const auto punch = std::find(lines.begin(), lines.end(), "%LNAUGENFREISTANZEN*%");
  ASSERT_NE(punch, lines.end());
  EXPECT_EQ(*(punch + 1), "%LPC*%");
  EXPECT_EQ(std::count(punch, lines.end(), "D03*"), 2);
  EXPECT_EQ(count(lines, "%ADD12C,0.800*%") + count(lines, "%ADD11C,0.800*%"), 1);
  EXPECT_EQ(std::count(punch, lines.end(), "%LPD*%"), 0);
  options.centrePunch = true;
  lines = fileLines(b.board, "C1", options);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "%ADD11C,0.300*%") +
                std::count(lines.begin(), lines.end(), "%ADD12C,0.300*%"),
            1);
}

TEST(GerberLayers, SolderMaskOpeningsGrowByTheirOffsets) {
  GerberBoard b;
  b.pad({50000, -50000}, kPadCircular, 8000, 4000).solderMask = 1;
  b.smd({100000, -50000}, 16000, 6000, 0).solderMask = 1;
  b.track({{10000, -90000}, {60000, -90000}}, 4000).solderMask = 1;
  b.track({{10000, -95000}, {60000, -95000}}, 4000);  // no opening
  TObjekt& maskOnly = b.zone({{120000, -80000}, {160000, -80000}, {160000, -120000}}, 1000);
  maskOnly.maskOnly = 1;
  GerberOptions options = fromCorner();
  options.maskInverted = true;
  const auto lines = fileLines(b.board, "LS1", options);
  EXPECT_EQ(lines[5], "%ADD10C,2.200*%");        // 0.8 mm radius + 0.3 mm
  EXPECT_EQ(lines[6], "%ADD11R,1.800X0.800*%");  // + 0.1 mm on each side
  EXPECT_EQ(lines[7], "%ADD12C,0.600*%");        // the track, + 0.1 mm
  EXPECT_EQ(lines[8], "%LPD*%");
  EXPECT_EQ(count(lines, "%LPC*%"), 1);  // inverted: a dark film, openings cleared
  EXPECT_EQ(count(lines, "G36*"), 2);    // the film and the mask-only zone
}

// A negative offset is limited so that the narrow side keeps 0.05 mm; the one growth then
// applies to both sides.
TEST(GerberLayers, NegativeSmdMaskOffsetKeepsAnOpening) {
  GerberBoard b;
  b.smd({100000, -50000}, 400, 6000, 0);
  b.smd({150000, -50000}, 16000, 6000, 0);
  GerberOptions options = fromCorner();
  options.smdMaskOffset = -99900;
  auto lines = fileLines(b.board, "SMD1", options);
  EXPECT_EQ(lines[5], "%ADD10R,0.050X0.610*%");
  EXPECT_EQ(lines[6], "%ADD11R,1.050X0.050*%");
  options.smdMaskOffset = -1000;
  lines = fileLines(b.board, "SMD1", options);
  EXPECT_EQ(lines[5], "%ADD10R,0.050X0.610*%");
  EXPECT_EQ(lines[6], "%ADD11R,1.400X0.400*%");
}

TEST(GerberLayers, OnlyLayersWithSomethingOnThemCanBeChosen) {
  GerberBoard silk;
  silk.track({{0, 0}, {1000, 0}}, 100, 0, kLayerS1);
  silk.track({{0, 0}, {1000, 0}}, 100, 0, kLayerS2);
  std::vector<std::string> offered;
  for (const GerberOutput& o : kGerberOutputs) {
    if (gerberOutputAvailable(silk.board, o)) offered.push_back(o.name);
  }
  EXPECT_EQ(offered, (std::vector<std::string>{"S1", "S2"}));

  GerberBoard copper;
  copper.pad({50000, -50000}, kPadCircular, 8000, 4000).via = 1;
  copper.board.objects.back()->solderMask = 1;
  copper.smd({100000, -50000}, 16000, 6000, 0, kLayerC2);
  offered.clear();
  for (const GerberOutput& o : kGerberOutputs) {
    if (gerberOutputAvailable(copper.board, o)) offered.push_back(o.name);
  }
  EXPECT_EQ(offered, (std::vector<std::string>{"C1", "C2", "LS1", "LS2", "SMD2"}));
  copper.board.header.multilayer = 1;
  EXPECT_TRUE(gerberOutputAvailable(copper.board, output("I1")));
}

TEST(GerberDialogState, ControlsFollowTheCheckedLayers) {
  GerberBoard b;
  b.track({{0, 0}, {1000, 0}}, 100, 0, kLayerS1);
  b.pad({50000, -50000}, kPadCircular, 8000, 4000).solderMask = 1;
  std::array<bool, kGerberOutputs.size()> checked{};
  checked.fill(true);
  GerberDialogState s = gerberDialogState(b.board, checked, true);
  // C1, S1 and the top solder mask; the board has nothing else.
  EXPECT_EQ(s.enabled, (std::array<bool, 11>{1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(s.checked, s.enabled);
  EXPECT_TRUE(s.punchEnabled && s.centrePunchEnabled && s.solderMaskGroupEnabled);
  EXPECT_FALSE(s.smdMaskGroupEnabled);
  EXPECT_TRUE(s.createEnabled);
  checked = {};
  checked[2] = true;  // S1 only
  s = gerberDialogState(b.board, checked, true);
  EXPECT_FALSE(s.punchEnabled || s.centrePunchEnabled || s.solderMaskGroupEnabled);
  EXPECT_TRUE(s.createEnabled);
  checked = {};
  checked[0] = true;
  EXPECT_FALSE(gerberDialogState(b.board, checked, false).centrePunchEnabled);
  EXPECT_FALSE(gerberDialogState(b.board, {}, false).createEnabled);
}

}  // namespace
}  // namespace pravelo
