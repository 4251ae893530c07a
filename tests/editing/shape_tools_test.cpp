#include <gtest/gtest.h>

#include "editing/ring_radii.h"
#include "editor_fixture.h"

namespace pravelo::testing {
namespace {

constexpr double G = 12700;  // the fixture's grid

class ShapeToolsTest : public EditorTest {
 protected:
  // Grid lines through the board's top left corner.
  ShapeToolsTest() { board().header.originX = board().header.originY = 0; }
  void setWidth(int units) {
    editor.sizes.remembered[static_cast<std::size_t>(SizeField::Breite)] = units;
  }
  const TObjekt& last() { return *board().objects.back(); }
};

TEST_F(ShapeToolsTest, CircleRadiusIsTheLargerAxisDistance) {
  setWidth(2000);
  machine.chooseTool(ToolId::Circle);
  drag({5 * G, -5 * G}, {7 * G, -6 * G});
  ASSERT_EQ(board().objects.size(), 1u);
  EXPECT_EQ(last().kind, kCircle);
  EXPECT_EQ(last().pos, (FPoint{5 * G, -5 * G}));
  EXPECT_EQ(last().dim, (FPoint{2 * G + 1000, 2 * G - 1000}));
  EXPECT_TRUE(last().paramA == last().width) << "a full circle";
  EXPECT_EQ(board().undoStack.size(), 1u);
}

TEST_F(ShapeToolsTest, TinyCircleIsDiscarded) {
  machine.chooseTool(ToolId::Circle);
  drag({5 * G, -5 * G}, {5 * G + 900, -5 * G}, {true, false, false});
  EXPECT_TRUE(board().objects.empty());
  EXPECT_TRUE(board().undoStack.empty());
}

TEST_F(ShapeToolsTest, RingWiderThanItsDiameterHasNoNegativeInnerRadius) {
  setWidth(10 * static_cast<int>(G));
  machine.chooseTool(ToolId::Circle);
  drag({5 * G, -5 * G}, {6 * G, -5 * G});
  EXPECT_EQ(last().dim.x, 6 * G);
  EXPECT_EQ(last().dim.y, 0);
  EXPECT_EQ(ringRadii(1000, 3000).inner, 0);
}

TEST_F(ShapeToolsTest, RectangleInEachMode) {
  struct Case {
    bool zoneMode;
    bool cutout;
    int layer;
    int kind;
    std::size_t vertices;
    int cutoutFlag;
    int resultLayer;
  };
  // clang-format off
  const Case cases[] = {
      {false, false, kLayerS1, kTrack, 5, 0, kLayerS1},
      {true,  false, kLayerS1, kZone,  4, 0, kLayerS1},
      {false, true,  kLayerS1, kZone,  4, 1, kLayerC1},
  };
  // clang-format on
  for (const Case& c : cases) {
    board().objects.clear();
    board().header.activeLayer = c.layer;
    editor.drawing.rectangleZone = c.zoneMode;
    editor.drawing.cutoutRect = c.cutout;
    machine.chooseTool(ToolId::Rectangle);
    drag({1 * G, -1 * G}, {4 * G, -3 * G});
    ASSERT_EQ(board().objects.size(), 1u);
    const TObjekt& r = last();
    EXPECT_EQ(r.kind, c.kind);
    ASSERT_EQ(r.points.size(), c.vertices);
    EXPECT_EQ(r.points[1], (FPoint{4 * G, -1 * G}));
    EXPECT_EQ(r.points[3], (FPoint{1 * G, -3 * G}));
    EXPECT_EQ(r.cutout, c.cutoutFlag);
    EXPECT_EQ(r.layer, c.resultLayer);
  }
}

TEST_F(ShapeToolsTest, RectangleWithoutAreaIsDiscarded) {
  machine.chooseTool(ToolId::Rectangle);
  drag({1 * G, -1 * G}, {5 * G, -1 * G});  // a long diagonal, but no height
  drag({1 * G, -1 * G}, {1 * G + 500, -1 * G - 500}, {true, false, false});  // too small
  EXPECT_TRUE(board().objects.empty());
}

}  // namespace
}  // namespace pravelo::testing
