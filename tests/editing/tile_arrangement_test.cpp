#include "editing/tile_arrangement.h"

#include <gtest/gtest.h>

#include <cmath>

#include "editor_fixture.h"
#include "geometry/bounding_box.h"
#include "geometry/pad_geometry.h"

namespace pravelo::testing {
namespace {


class TileArrangementTest : public EditorTest {
 protected:
  // A 2 mm × 1 mm SMD pad whose centre is at (50, -40) mm, selected.
  TObjekt* selectedSmd() {
    TObjekt* p = smd(50 * kMm, -40 * kMm, 20000, 10000);
    p->selected = 1;
    return p;
  }
  static TileValues circular(int count, double angle, double radius, bool rotate = true) {
    TileValues v;
    v.mode = TileMode::Circular;
    v.count = count;
    v.angle = angle;
    v.radiusMm = radius;
    v.rotate = rotate;
    return v;
  }
  ObjectList copiesOf(const TileValues& v) {
    ObjectList clipboard;
    ObjectList copies;
    EXPECT_EQ(buildTileCopies(board(), v, clipboard, copies, false), PlaceResult::Placed);
    return copies;
  }
};

TEST_F(TileArrangementTest, TileRowsGoDownAndColumnsRight) {
  TObjekt* p = pad(50 * kMm, -40 * kMm);
  p->selected = 1;
  TileValues v;
  v.columns = 3;
  v.rows = 2;
  v.columnDistanceMm = v.rowDistanceMm = 5;
  const ObjectList copies = copiesOf(v);
  const DPoint expected[] = {{5, 0}, {10, 0}, {0, -5}, {5, -5}, {10, -5}};
  ASSERT_EQ(copies.size(), std::size(expected));
  for (std::size_t i = 0; i < copies.size(); ++i) {
    EXPECT_FLOAT_EQ(copies[i]->pos.x, p->pos.x + expected[i].x * kMm) << i;
    EXPECT_FLOAT_EQ(copies[i]->pos.y, p->pos.y + expected[i].y * kMm) << i;
    EXPECT_TRUE(copies[i]->groups.empty()) << "copies of a loose object stay loose";
  }
}

// Positions in mm relative to the selected object, and whether the copy lies 2 mm wide (turned
// by 0° or 180°) or 1 mm wide (90° or 270°).
struct CircleCase {
  int count;
  double angle;
  double radius;
  bool rotate;
  std::vector<DPoint> positions;
  std::vector<bool> wide;
};

TEST_F(TileArrangementTest, CircularCopiesFollowTheCircleBelowTheStart) {
  // clang-format off
  const CircleCase cases[] = {
      {4, 90, 10, true, {{10, -10}, {0, -20}, {-10, -10}}, {false, true, false}},
      {2, -90, 10, true, {{-10, -10}}, {false}},    // anticlockwise
      {2, 90, -10, true, {{-10, 10}}, {false}},     // the circle lies above
      {3, 90, 10, false, {{10, -10}, {0, -20}}, {true, true}},
  };
  // clang-format on
  int checked = 0;
  for (const CircleCase& c : cases) {
    board().objects.clear();
    const TObjekt* original = selectedSmd();
    const FPoint centre = smdPadCentre(*original);
    const ObjectList copies = copiesOf(circular(c.count, c.angle, c.radius, c.rotate));
    ASSERT_EQ(copies.size(), c.positions.size());
    for (std::size_t i = 0; i < copies.size(); ++i) {
      const FPoint at = smdPadCentre(*copies[i]);
      EXPECT_NEAR(at.x - centre.x, c.positions[i].x * kMm, 1) << c.angle << " copy " << i;
      EXPECT_NEAR(at.y - centre.y, c.positions[i].y * kMm, 1) << c.angle << " copy " << i;
      const TRect box = objectBounds(*copies[i]);
      EXPECT_EQ(rectWidth(box) > rectHeight(box), c.wide[i]) << c.angle << " copy " << i;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 7);
}

TEST_F(TileArrangementTest, TheStartPointCountsOnlyWhenTheCopiesTurn) {
  const TObjekt* original = selectedSmd();
  TileValues v = circular(2, 90, 10, false);
  v.startXMm = 3;
  v.startYMm = 4;
  const ObjectList fixed = copiesOf(v);
  v.startXMm = v.startYMm = 0;
  const ObjectList plain = copiesOf(v);
  ASSERT_EQ(fixed.size(), 1u);
  EXPECT_EQ(fixed[0]->points, plain[0]->points);

  // Turning about a start point 3 mm right and 4 mm down of the centre.
  v = circular(2, 180, 0, true);
  v.startXMm = 3;
  v.startYMm = 4;
  const ObjectList turned = copiesOf(v);
  const FPoint c = smdPadCentre(*original);
  const FPoint at = smdPadCentre(*turned[0]);
  EXPECT_NEAR(at.x, c.x + 6 * kMm, 1);
  EXPECT_NEAR(at.y, c.y - 8 * kMm, 1);
}

TEST_F(TileArrangementTest, PlacementRotationTurnsAgainstTheCopiesOnTop) {
  TObjekt* p = selectedSmd();
  p->componentId = 3;
  TObjekt label = textWithStroke("R1", {50 * kMm, -38 * kMm}, kLayerS1);
  label.variant = kComponentIdText;
  label.componentId = 3;
  label.component.placeRotation = 10;
  add(board(), std::move(label))->selected = 1;
  const ObjectList copies = copiesOf(circular(4, 90, 10));
  std::vector<double> rotations;
  for (const auto& o : copies) {
    if (isIdText(*o)) rotations.push_back(o->component.placeRotation);
  }
  EXPECT_EQ(rotations, (std::vector<double>{280, 190, 100}));

  // On the bottom side, where the part is seen from below, the rotation counts the other way.
  board().objects[0]->layer = kLayerC2;
  board().objects[1]->layer = kLayerS2;
  rotations.clear();
  for (const auto& o : copiesOf(circular(2, 90, 10))) {
    if (isIdText(*o)) rotations.push_back(o->component.placeRotation);
  }
  EXPECT_EQ(rotations, (std::vector<double>{100}));
}

// The preview shows every position, the selection's own too, and in circular mode the
// construction: the arc, the line from the start past the centre, the cross line and a spoke
// to each position, all on the outline layer.
struct ArcCase {
  int count;
  double angle;
  double radius;
  bool arc;
  std::int32_t start;
  std::int32_t stop;
};

TEST_F(TileArrangementTest, ThePreviewArcSpansExactlyThePositions) {
  // clang-format off
  const ArcCase cases[] = {
      {4, 90, 10, true, 180000, 90000},
      {2, -90, 10, true, 90000, 180000},     // anticlockwise: the arc runs on from the top
      {2, 90, -10, true, 180000, 270000},    // the circle above: the start at its bottom
      {3, -45, -10, true, 270000, 0},
      {30, 15, 10, true, 0, 0},              // 435°: the whole circle
      {1, 90, 10, false, 0, 0},
      {3, 0, 10, false, 0, 0},
  };
  // clang-format on
  for (const ArcCase& c : cases) {
    board().objects.clear();
    selectedSmd();
    const ObjectList preview = tilePreview(board(), circular(c.count, c.angle, c.radius));
    const TObjekt* arc = nullptr;
    int lines = 0;
    int copies = 0;
    for (const auto& o : preview) {
      if (o->kind == kCircle) arc = o.get();
      if (o->kind == kTrack && o->layer == kLayerO) ++lines;
      if (o->kind == kSmdPad) ++copies;
    }
    EXPECT_EQ(copies, c.count);
    EXPECT_EQ(lines, 2 + c.count);
    ASSERT_EQ(arc != nullptr, c.arc) << c.count << " " << c.angle << " " << c.radius;
    if (!arc) continue;
    EXPECT_EQ(arc->paramA, c.start) << c.angle << " " << c.radius;
    EXPECT_EQ(arc->width, c.stop) << c.angle << " " << c.radius;
    EXPECT_FLOAT_EQ(arc->dim.x, static_cast<float>(std::abs(c.radius) * kMm));
  }
}

TEST_F(TileArrangementTest, ATilePreviewHoldsEveryTile) {
  selectedSmd();
  TileValues v;
  v.columns = 3;
  v.rows = 2;
  EXPECT_EQ(tilePreview(board(), v).size(), 6u);
  EXPECT_EQ(board().objects.size(), 1u) << "the board is not changed";
}

}  // namespace
}  // namespace pravelo::testing
