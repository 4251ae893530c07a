#include "editing/node_drag.h"

#include <gtest/gtest.h>

#include "editing/editing_texts.h"
#include "editor_fixture.h"

namespace pravelo::testing {
namespace {

class NodeDragTest : public EditorTest {
 protected:
  NodeDragTest() { board().header.originX = board().header.originY = 0; }

  TObjekt* track(std::initializer_list<FPoint> points, int width = 2000) {
    TObjekt o = newObject();
    initTrack(o, width, kLayerC1);
    for (const FPoint p : points) addPoint(o, p);
    o.selected = 1;
    return add(board(), std::move(o));
  }
  TObjekt* arc(int startMilliDeg, int stopMilliDeg) {
    TObjekt c = newObject();
    initCircle(c, {10 * kFixtureGrid, -10 * kFixtureGrid},
               static_cast<std::int32_t>(4 * kFixtureGrid + 1000), kLayerC1,
               static_cast<std::int32_t>(4 * kFixtureGrid - 1000));
    c.paramA = startMilliDeg;
    c.width = stopMilliDeg;
    c.selected = 1;
    return add(board(), std::move(c));
  }
  void setWidth(int units) {
    editor.sizes.remembered[static_cast<std::size_t>(SizeField::Breite)] = units;
  }
  void dragPoints(FPoint from, DPoint to, Modifiers m = {}) { drag({from.x, from.y}, to, m); }
};

TEST_F(NodeDragTest, VertexMovesInWholeGridStepsFromWhereItWas) {
  TObjekt* t = track({{kFixtureGrid + 3000, -kFixtureGrid}, {5 * kFixtureGrid, -3 * kFixtureGrid}});
  dragPoints(t->points[0],
             {kFixtureGrid + 3000 + 1.3 * kFixtureGrid, -kFixtureGrid - 0.2 * kFixtureGrid});
  EXPECT_EQ(t->points[0], (FPoint{2 * kFixtureGrid + 3000, -kFixtureGrid}))
      << "relative, not onto the grid";
  EXPECT_EQ(board().undoStack.size(), 1u);
  dragPoints(t->points[0], {2 * kFixtureGrid + 3000 + 1.3 * kFixtureGrid, -kFixtureGrid},
             {false, true, false});
  EXPECT_FLOAT_EQ(t->points[0].x, 3.3f * kFixtureGrid + 3000) << "Ctrl: no grid";
}

TEST_F(NodeDragTest, ATrackDraggedDownToOneVertexIsRemoved) {
  TObjekt* t = track({{kFixtureGrid, -kFixtureGrid}, {4 * kFixtureGrid, -kFixtureGrid}});
  dragPoints(t->points[0], {4 * kFixtureGrid, -kFixtureGrid});
  EXPECT_TRUE(board().objects.empty()) << "the clean-up left one vertex";
  machine.undo();
  ASSERT_EQ(board().objects.size(), 1u);
  EXPECT_EQ(board().objects[0]->points.size(), 2u);
}

TEST_F(NodeDragTest, MidpointInsertsAVertexOnTheGridAndSticksToItsMidpoint) {
  TObjekt* t = track({{kFixtureGrid, -kFixtureGrid}, {4 * kFixtureGrid, -kFixtureGrid}});
  const FPoint mid{2.5f * kFixtureGrid, -kFixtureGrid};
  dragPoints(mid, {2.5 * kFixtureGrid + 0.8 * kFixtureGrid, -2.9 * kFixtureGrid});
  EXPECT_EQ(t->points, (std::vector<FPoint>{{kFixtureGrid, -kFixtureGrid},
                                            {3 * kFixtureGrid, -3 * kFixtureGrid},
                                            {4 * kFixtureGrid, -kFixtureGrid}}))
      << "absolute grid points";
  // Released within 10 pixels of its midpoint, the inserted vertex goes again.
  const std::size_t steps = board().undoStack.size();
  const FPoint mid2 = midpoint(t->points[1], t->points[2]);
  dragPoints(mid2, {mid2.x + 700, mid2.y - 600});
  EXPECT_EQ(t->points.size(), 3u);
  EXPECT_EQ(board().undoStack.size(), steps) << "no undo step for nothing";
}

TEST_F(NodeDragTest, AltOnAMidpointMovesTheWholeSegment) {
  TObjekt* t = track({{kFixtureGrid, -kFixtureGrid},
                      {4 * kFixtureGrid, -kFixtureGrid},
                      {4 * kFixtureGrid, -5 * kFixtureGrid}});
  dragPoints(midpoint(t->points[0], t->points[1]), {2.5 * kFixtureGrid, -3.1 * kFixtureGrid},
             {false, false, true});
  EXPECT_EQ(t->points, (std::vector<FPoint>{{kFixtureGrid, -3 * kFixtureGrid},
                                            {4 * kFixtureGrid, -3 * kFixtureGrid},
                                            {4 * kFixtureGrid, -5 * kFixtureGrid}}));
}

TEST_F(NodeDragTest, AltPlacesTheVertexAt45Degrees) {
  TObjekt* t = track({{kFixtureGrid, -5 * kFixtureGrid},
                      {5 * kFixtureGrid, -5 * kFixtureGrid},
                      {9 * kFixtureGrid, -5 * kFixtureGrid}});
  // Capture and grid play no part with Alt away from other objects.
  settings.optionen.Fang = false;
  dragPoints(t->points[1], {5.2 * kFixtureGrid, -1.3 * kFixtureGrid}, {false, false, true});
  ASSERT_EQ(t->points.size(), 3u);
  EXPECT_NEAR(t->points[1].x, 5 * kFixtureGrid, 0.5);
  EXPECT_NEAR(t->points[1].y, -kFixtureGrid, 0.5);
}

TEST_F(NodeDragTest, FortyFiveDegreeConstructionCases) {
  TObjekt o = newObject();
  initTrack(o, 1000, kLayerC1);
  for (const FPoint p : {FPoint{0, 0}, FPoint{10000, 0}, FPoint{20000, 0}}) addPoint(o, p);
  // An end vertex follows the nearest 45 degree line through its one neighbour.
  const DPoint end = place45(o, 2, {20000, 9000}, false);
  EXPECT_NEAR(end.x, 19500, 1e-6);
  EXPECT_NEAR(end.y, 9500, 1e-6);
  // Ctrl: only the nearer-angled neighbour, and only within 8000 units of its line.
  const DPoint near = place45(o, 1, {10000, 1000}, true);
  EXPECT_NEAR(near.y, 0, 1e-6);
  // 22.5 degrees off, far from every line through either neighbour.
  const DPoint far = place45(o, 1, {-30000, 12426}, true);
  EXPECT_EQ(far, (DPoint{-30000, 12426}));
}

TEST_F(NodeDragTest, ArcHandlesTurnIn15DegreeStepsOrFineWithCtrl) {
  TObjekt* c = arc(0, 90000);
  setWidth(2000);
  const FPoint centre = c->pos;
  const double r = 4 * kFixtureGrid;
  const auto towards = [&](double degrees) {
    const double a = degreesToRadians(degrees);
    return DPoint{centre.x + r * std::cos(a), centre.y + r * std::sin(a)};
  };
  dragPoints({centre.x + static_cast<float>(r), centre.y}, towards(37));
  EXPECT_EQ(c->paramA, 30000);
  EXPECT_EQ(c->width, 90000);
  const DPoint start = towards(30);
  dragPoints(toFPoint(start), towards(30.4567), {false, true, false});
  EXPECT_EQ(c->paramA, 30457) << "rounded once from the exact angle";
  EXPECT_EQ(handleAngle(centre, towards(-20), false).value, 345000);
}

// Dragging a node measures from where it was; an arc handle shows the angles and diameter.
TEST_F(NodeDragTest, TheCrosshairShowsTheDragFromTheHandle) {
  const CrosshairOverlay& o = editor.crosshair;
  TObjekt* t = track({{kFixtureGrid, -kFixtureGrid}, {5 * kFixtureGrid, -kFixtureGrid}});
  const DPoint node{kFixtureGrid, -kFixtureGrid};
  const DPoint to{3 * kFixtureGrid, -4 * kFixtureGrid};
  machine.press({screen(node.x, node.y), MouseButton::Left, {}});
  machine.move({screen(to.x, to.y), MouseButton::Left, {}});
  EXPECT_EQ(o.reference, node);
  EXPECT_EQ(o.lastPoint, to);
  EXPECT_TRUE(o.showDelta);
  EXPECT_FALSE(o.showRefLine);
  EXPECT_FALSE(o.arcRows);
  machine.release({screen(to.x, to.y), MouseButton::Left, {}});
  EXPECT_FALSE(o.showDelta);
  t->selected = 0;

  TObjekt* c = arc(0, 90000);
  setWidth(2000);
  const DPoint startHandle{c->pos.x + 4 * kFixtureGrid, c->pos.y};
  const DPoint up{c->pos.x, c->pos.y + 4 * kFixtureGrid};
  machine.press({screen(startHandle.x, startHandle.y), MouseButton::Left, {}});
  machine.move({screen(up.x - 100, up.y), MouseButton::Left, {}});
  EXPECT_TRUE(o.arcRows);
  EXPECT_DOUBLE_EQ(o.arcStart, 90);
  EXPECT_DOUBLE_EQ(o.arcStop, 90);
  EXPECT_DOUBLE_EQ(o.arcDiameter, 8 * kFixtureGrid);
  machine.release({screen(up.x, up.y), MouseButton::Left, {}});
  EXPECT_FALSE(o.arcRows);
}

TEST_F(NodeDragTest, AltRadiusDragNeverGivesANegativeInnerRadius) {
  TObjekt* c = arc(0, 90000);
  setWidth(static_cast<int>(6 * kFixtureGrid));
  const FPoint stop{c->pos.x, c->pos.y + 4 * kFixtureGrid};
  dragPoints(stop, {c->pos.x, c->pos.y + 1.2 * kFixtureGrid}, {false, false, true});
  EXPECT_EQ(c->dim.x, kFixtureGrid + 3 * kFixtureGrid);
  EXPECT_EQ(c->dim.y, 0) << "G - 3G would be negative";
}

TEST_F(NodeDragTest, HoverOverAHandleShowsTheNodeHelp) {
  TObjekt* t = track({{kFixtureGrid, -kFixtureGrid}, {4 * kFixtureGrid, -kFixtureGrid}});
  machine.move({screen(t->points[0].x, t->points[0].y), MouseButton::None, {}});
  EXPECT_EQ(machine.help(), &pravelo::texts::helpEditNode);
  machine.move({screen(2 * kFixtureGrid, -5 * kFixtureGrid), MouseButton::None, {}});
  EXPECT_EQ(machine.help(), &pravelo::texts::helpEdit);
}

}  // namespace
}  // namespace pravelo::testing
