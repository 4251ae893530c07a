#include "project/load_repairs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "document/layout_file.h"
#include "project/layout_load.h"
#include "support/sample_layout.h"

namespace pravelo {
namespace {

using testing::add;
using testing::textWithStroke;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

std::string fileOf(TObjekt o, const BoardHeader& header = newBoardHeader(1000, 1000)) {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>());
  doc.boards[0]->header = header;
  add(*doc.boards[0], std::move(o));
  return writeLayout(doc);
}

std::unique_ptr<Board> reloadedFile(const std::string& bytes) {
  return std::move(readLayout(bytes).boards[0]);
}

// The object as it comes back from a file.
TObjekt reloaded(const TObjekt& o) {
  auto board = reloadedFile(fileOf(o));
  EXPECT_EQ(board->objects.size(), 1u);
  return board->objects.empty() ? newObject() : std::move(*board->objects[0]);
}

TObjekt circle(std::int32_t start, std::int32_t stop) {
  TObjekt o = newObject();
  initCircle(o, {0, 0}, 2000, kLayerC1, 1000);
  o.paramA = start;
  o.width = stop;
  return o;
}

TEST(LoadRepairs, CircleAnglesInWholeDegreesBecomeThousandths) {
  struct Case {
    std::int32_t start, stop, expectedStart, expectedStop;
  };
  // clang-format off
  const Case cases[] = {
    {45, 90, 45000, 90000},
    {45, 90000, 45, 90000},
    {-999, 999, -999000, 999000},
    {0, 0, 0, 0},
    {-1000, 5, -1000, 5},
    {5, 3000000, 5, 3000000},  // would overflow if multiplied
    {std::numeric_limits<std::int32_t>::min(), 1, std::numeric_limits<std::int32_t>::min(), 1},
  };
  // clang-format on
  for (const Case& c : cases) {
    const TObjekt o = reloaded(circle(c.start, c.stop));
    EXPECT_EQ(o.paramA, c.expectedStart) << c.start << " " << c.stop;
    EXPECT_EQ(o.width, c.expectedStop) << c.start << " " << c.stop;
  }
}

TEST(LoadRepairs, PadWithoutThermalStampGetsThermalOffFourSpokesFullWidth) {
  TObjekt pad = newObject();
  initPad(pad, {0, 0}, kLayerC1, kPadSquare, 100, 500);
  pad.thermalStamp = 0;
  pad.optB = 1;
  pad.paramA = 0x0F0F0F0F;
  pad.paramB = 30;
  const TObjekt p = reloaded(pad);
  EXPECT_EQ(p.thermalStamp, kThermalStamp);
  EXPECT_EQ(p.optB, 0);
  EXPECT_EQ(p.paramB, 100);
  EXPECT_EQ(p.paramA, 0x55555555) << "85 on C1, copied to every layer without per-layer spokes";

  TObjekt smd = newObject();
  initSmdPad(smd, {0, 0}, 100, kLayerC2, 100);
  smd.thermalStamp = 7;
  smd.paramA = 3;
  EXPECT_EQ(reloaded(smd).paramA, 85);
}

TEST(LoadRepairs, CoordinatesThatCannotBeUsedBecomeZero) {
  TObjekt track = testing::strokeTrack(kNaN, 1, 2, -kInf, kLayerC1);
  addPoint(track, {2.2e9f, -2147483520.0f});  // the largest float below 2^31 stays
  const TObjekt t = reloaded(track);
  EXPECT_EQ(t.points, (std::vector<FPoint>{{0, 1}, {2, 0}, {0, -2147483520.0f}}));

  TObjekt text = textWithStroke("A", {kInf, 5}, kLayerS1);
  text.dim.y = kNaN;
  text.children[0].points[1].x = kNaN;
  text.variant = kComponentIdText;
  text.component.placeOffset = {kNaN, 2};
  text.component.placeRotation = std::numeric_limits<double>::infinity();
  const TObjekt r = reloaded(text);
  EXPECT_EQ(r.pos, (FPoint{0, 5}));
  EXPECT_EQ(r.dim.y, 0);
  EXPECT_EQ(r.children[0].points[1].x, 0);
  EXPECT_EQ(r.component.placeOffset, (FPoint{0, 2}));
  EXPECT_EQ(r.component.placeRotation, 0);
}

TEST(LoadRepairs, PadOutlineThatDoesNotFitItsShapeIsGeneratedAgain) {
  struct Case {
    std::uint8_t shape;
    std::size_t storedPoints;
    std::uint8_t expectedShape;
    std::size_t expectedPoints;
  };
  // clang-format off
  const Case cases[] = {
    {0, 3, kPadCircular, 2},
    {10, 4, kPadCircular, 2},
    {255, 0, kPadCircular, 2},
    {kPadSquare, 2, kPadSquare, 4},
    {kPadOctagonV, 4, kPadOctagonV, 8},
    {kPadRoundedH, 0, kPadRoundedH, 2},
  };
  // clang-format on
  for (const Case& c : cases) {
    TObjekt pad = newObject();
    initPad(pad, {100, -100}, kLayerC1, kPadCircular, 10, 50);
    pad.variant = c.shape;
    pad.points.assign(c.storedPoints, FPoint{1, 2});
    const TObjekt p = reloaded(pad);
    EXPECT_EQ(p.variant, c.expectedShape) << int(c.shape);
    EXPECT_EQ(p.points, padOutline({100, -100}, 50, c.expectedShape, 0)) << int(c.shape);
  }
  // Extreme fields would give an outline beyond the float range.
  TObjekt huge = newObject();
  initPad(huge, {3e38f, 0}, kLayerC1, kPadSquare, 10, 3e38f);
  huge.points.pop_back();
  for (FPoint p : reloaded(huge).points) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));

  // An outline that fits is kept, even when it is rotated.
  TObjekt rotated = newObject();
  initPad(rotated, {0, 0}, kLayerC1, kPadOctagon, 10, 50);
  for (FPoint& p : rotated.points) std::swap(p.x, p.y);
  EXPECT_EQ(reloaded(rotated).points, rotated.points);

  TObjekt smd = newObject();
  initSmdPad(smd, {10, 20}, 40, kLayerC1, 60);
  smd.points.pop_back();
  EXPECT_EQ(reloaded(smd).points, smdPadCorners({10, 20}, 40, 60));
}

TEST(LoadRepairs, TextRoleAboveTwoBecomesPlainAfterItsComponentDataWasRead) {
  TObjekt id = textWithStroke("R1", {0, 0}, kLayerS1);
  id.variant = kComponentIdText;
  id.component.package = "0805";
  std::string bytes = fileOf(id);
  bytes[542 + 23] = 3;  // role 3 has bit 0 set, so the component data is in the file
  const auto board = reloadedFile(bytes);
  EXPECT_EQ(board->objects[0]->variant, kPlainText);
  EXPECT_EQ(board->objects[0]->component, ComponentData{});

  TObjekt value = textWithStroke("4k7", {0, 0}, kLayerS1);
  value.variant = kComponentValueText;
  bytes = fileOf(value);
  bytes[542 + 23] = 4;
  EXPECT_EQ(reloadedFile(bytes)->objects[0]->variant, kPlainText);
}

TEST(LoadRepairs, BrokenHeaderValuesTakeTheNewBoardValues) {
  const BoardHeader fresh = newBoardHeader(1600000, 1000000);
  BoardHeader broken = newBoardHeader(5000, 6000);
  broken.width = 0;
  broken.height = -6000;
  broken.grid = std::numeric_limits<double>::quiet_NaN();
  broken.zoom = -1;
  broken.activeLayer = 8;
  BoardHeader h = reloadedFile(fileOf(textWithStroke("x", {}, 1), broken))->header;
  EXPECT_EQ(h.width, fresh.width);
  EXPECT_EQ(h.height, fresh.height);
  EXPECT_EQ(h.grid, fresh.grid);
  EXPECT_EQ(h.zoom, fresh.zoom);
  EXPECT_EQ(h.activeLayer, fresh.activeLayer);
  EXPECT_EQ(h.originY, -6000) << "values that work are kept";

  broken = newBoardHeader(5000, 6000);
  broken.grid = 0;
  broken.zoom = std::numeric_limits<double>::infinity();
  broken.activeLayer = 0;
  h = reloadedFile(fileOf(textWithStroke("x", {}, 1), broken))->header;
  EXPECT_EQ(h.grid, fresh.grid);
  EXPECT_EQ(h.zoom, fresh.zoom);
  EXPECT_EQ(h.activeLayer, fresh.activeLayer);
  EXPECT_EQ(h.width, 5000);
}

TEST(LoadRepairs, GridAndZoomOutsideTheirRangesAreTakenToTheNearestLimit) {
  struct Case {
    double stored, loaded;
  };
  // clang-format off
  const Case zooms[] = {
    {1e300, 2.0}, {2.0000001, 2.0}, {2.0, 2.0}, {0.0012345, 0.0012345},
    {0.0001, 0.0001}, {0.0000999, 0.0001}, {1e-300, 0.0001},
  };
  const Case grids[] = {  // units: the grid dialog allows 0.001 mm to 10 mm
    {1e300, 100000}, {100000.5, 100000}, {100000, 100000}, {12700, 12700},
    {10, 10}, {9.99, 10}, {1e-300, 10},
  };
  // clang-format on
  for (const Case& c : zooms) {
    BoardHeader header = newBoardHeader(5000, 6000);
    header.zoom = c.stored;
    EXPECT_EQ(reloadedFile(fileOf(textWithStroke("x", {}, 1), header))->header.zoom, c.loaded)
        << "zoom " << c.stored;
  }
  for (const Case& c : grids) {
    BoardHeader header = newBoardHeader(5000, 6000);
    header.grid = c.stored;
    EXPECT_EQ(reloadedFile(fileOf(textWithStroke("x", {}, 1), header))->header.grid, c.loaded)
        << "grid " << c.stored;
  }
}

TEST(LoadRepairs, InnerLayersAreVisibleExactlyWhenTheBoardUsesThem) {
  BoardHeader header = newBoardHeader(5000, 6000);
  header.multilayer = 1;
  header.layerVisible = {1, 0, 1, 0, 0, 1, 1};
  EXPECT_EQ(reloadedFile(fileOf(textWithStroke("x", {}, 1), header))->header.layerVisible,
            (std::array<std::uint8_t, 7>{1, 0, 1, 0, 1, 1, 1}));
  header.multilayer = 0;
  EXPECT_EQ(reloadedFile(fileOf(textWithStroke("x", {}, 1), header))->header.layerVisible,
            (std::array<std::uint8_t, 7>{1, 0, 1, 0, 0, 0, 1}));
}

}  // namespace
}  // namespace pravelo
