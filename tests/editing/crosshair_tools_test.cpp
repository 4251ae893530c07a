#include <gtest/gtest.h>

#include "editing/tools/measure_tool.h"
#include "editor_fixture.h"

namespace pravelo::testing {
namespace {

// Grid points of the fixture (1.27 mm grid from the bottom-left origin at y = -800000).
constexpr double kGrid = 12700;
constexpr double kBottom = -800000;
constexpr DPoint kA{kGrid * 10, kBottom + kGrid * 40};
constexpr DPoint kB{kGrid * 14, kBottom + kGrid * 43};

class MeasureToolTest : public EditorTest {
 protected:
  MeasureToolTest() { machine.chooseTool(ToolId::Measure); }
  void moveTo(DPoint p, MouseButton held = MouseButton::None, Modifiers m = {}) {
    machine.move({screen(p.x, p.y), held, m});
  }
  void press(DPoint p, Modifiers m = {}) {
    machine.press({screen(p.x, p.y), MouseButton::Left, m});
  }
  void release(DPoint p, Modifiers m = {}) {
    machine.release({screen(p.x, p.y), MouseButton::Left, m});
  }
  const CrosshairOverlay& overlay() { return editor.crosshair; }
};

TEST_F(MeasureToolTest, MeasuresFromThePressAndLeavesTheDocumentAlone) {
  pad(kGrid * 30, kBottom + kGrid * 30);
  doc.modified = false;
  moveTo(kA);
  EXPECT_TRUE(overlay().shown);
  EXPECT_EQ(overlay().mode, OverlayMode::Normal);
  press(kA);
  moveTo({(kA.x + kB.x) / 2, (kA.y + kB.y) / 2}, MouseButton::Left);
  moveTo(kB, MouseButton::Left);
  EXPECT_EQ(overlay().mode, OverlayMode::Measuring);
  EXPECT_TRUE(overlay().showDelta);
  EXPECT_EQ(overlay().reference, kA);
  EXPECT_EQ(overlay().lastPoint, kB);
  const auto rows = boxRowTexts(overlay(), {0, -800000}, LengthUnit::Mm);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[2].value, "5.080 mm");
  EXPECT_EQ(rows[3].value, "3.810 mm");
  EXPECT_EQ(rows[4].value, "6.350 mm");
  EXPECT_EQ(rows[5].value, "36.9\u00B0");

  release(kB);
  EXPECT_TRUE(overlay().shown);
  EXPECT_EQ(overlay().lastPoint, kB);
  EXPECT_EQ(overlay().mode, OverlayMode::Normal);
  EXPECT_FALSE(overlay().showDelta);
  EXPECT_EQ(boxRowTexts(overlay(), {}, LengthUnit::Mm).size(), 2u);

  EXPECT_FALSE(doc.modified);
  EXPECT_TRUE(board().undoStack.empty());
  EXPECT_TRUE(board().redoStack.empty());
  EXPECT_FALSE(editor.gesture);
  EXPECT_EQ(board().objects.size(), 1u);
  EXPECT_TRUE(selected().empty());
}

TEST_F(MeasureToolTest, StartsAtThePressEvenWithoutAMoveThere) {
  moveTo(kB);
  press(kA);
  EXPECT_EQ(overlay().reference, kA);
  EXPECT_EQ(overlay().lastPoint, kA);
  // A second button while measuring does not start again.
  machine.press({screen(kB.x, kB.y), MouseButton::Right, {}});
  moveTo(kB, MouseButton::Left);
  EXPECT_EQ(overlay().reference, kA);
  EXPECT_EQ(machine.tool(), ToolId::Measure);
}

TEST_F(MeasureToolTest, PressOutsideTheBoardStartsAtItsNearestPoint) {
  const DPoint outside{1000000 + 15000, 22000};  // right of and above the board
  press(outside, {false, true, false});          // Ctrl: not on the grid
  EXPECT_EQ(overlay().reference, (DPoint{1000000, 0}));
  EXPECT_EQ(overlay().lastPoint, outside);
  // The end point is not held to the board.
  moveTo({-5000, 10000}, MouseButton::Left, {false, true, false});
  EXPECT_EQ(overlay().lastPoint, (DPoint{-5000, 10000}));
}

TEST_F(MeasureToolTest, CaptureMarksThePointerOnAPad) {
  pad(kA.x, kA.y);
  moveTo({kA.x + 300, kA.y - 200}, MouseButton::None, {false, true, false});
  EXPECT_TRUE(overlay().captured);
  EXPECT_EQ(overlay().lastPoint, kA);
  moveTo(kB);
  EXPECT_FALSE(overlay().captured);
}

TEST_F(MeasureToolTest, AnotherToolTakesTheOverlayAway) {
  press(kA);
  moveTo(kB, MouseButton::Left);
  key(Key::Escape);
  EXPECT_EQ(machine.tool(), ToolId::Edit);
  EXPECT_FALSE(overlay().shown);
  EXPECT_FALSE(overlay().showDelta);
  EXPECT_EQ(overlay().mode, OverlayMode::Normal);
}

// Counts the overlay's redraws.
class CountingWindow : public ScriptedWindow {
 public:
  int overlays = 0;
  void overlayChanged() override { ++overlays; }
};

TEST(MeasureTool, RedrawsOnlyWhenTheSnappedPointOrItsCaptureChanges) {
  Document doc;
  doc.boards.push_back(std::make_unique<Board>());
  doc.activeBoard = 0;
  Board& board = *doc.boards[0];
  board.header = newBoardHeader(1000000, 800000);
  board.header.zoom = 0.01;  // 100 units per pixel: 127 pixels per grid step
  board.header.scrollX = 0;
  board.header.scrollY = 0;
  board.header.grid = 12700;
  AppSettings settings;
  CountingWindow window;
  Editor editor(doc, settings, window, window);
  ToolMachine machine(editor);
  machine.chooseTool(ToolId::Measure);
  const auto moveTo = [&](double x, double y) {
    machine.move({worldToScreen(editor.view(), DPoint{x, y}), MouseButton::None, {}});
  };
  window.overlays = 0;
  moveTo(kA.x, kA.y);
  EXPECT_EQ(window.overlays, 1);
  moveTo(kA.x + 3000, kA.y - 2000);  // the same grid point
  EXPECT_EQ(window.overlays, 1);
  moveTo(kB.x, kB.y);
  EXPECT_EQ(window.overlays, 2);
}

TEST_F(EditorTest, PadToolMeasuresFromTheLastPad) {
  machine.chooseTool(ToolId::Pad);
  click(kA.x, kA.y);
  machine.move({screen(kB.x, kB.y), MouseButton::None, {}});
  const CrosshairOverlay& o = editor.crosshair;
  EXPECT_EQ(o.reference, kA);
  EXPECT_TRUE(o.showDelta);
  EXPECT_TRUE(o.showRefLine);
  EXPECT_EQ(o.lastPoint, kB);
  machine.chooseTool(ToolId::Edit);
  EXPECT_FALSE(o.showRefLine);
}

TEST_F(EditorTest, MovingObjectsShowsTheCrosshairFromTheirReferencePoint) {
  pad(kA.x, kA.y);
  machine.press({screen(kA.x, kA.y), MouseButton::Left, {}});
  const CrosshairOverlay& o = editor.crosshair;
  EXPECT_FALSE(o.shown);
  machine.move({screen(kB.x, kB.y), MouseButton::Left, {}});
  EXPECT_TRUE(o.shown);
  EXPECT_EQ(o.reference, kA);
  EXPECT_EQ(o.lastPoint, kB);
  EXPECT_TRUE(o.showDelta);
  EXPECT_TRUE(o.showRefLine);
  machine.release({screen(kB.x, kB.y), MouseButton::Left, {}});
  EXPECT_FALSE(o.shown);
  EXPECT_FALSE(o.showDelta);
  EXPECT_FLOAT_EQ(board().objects[0]->pos.x, static_cast<float>(kB.x));
}

TEST_F(EditorTest, DraggingTheOriginShowsItsRing) {
  const DPoint origin{0, kBottom};
  const DPoint to{kGrid * 3, kBottom + kGrid * 2};
  machine.press({screen(origin.x, origin.y), MouseButton::Left, {}});
  machine.move({screen(to.x, to.y), MouseButton::Left, {}});
  const CrosshairOverlay& o = editor.crosshair;
  EXPECT_EQ(o.mode, OverlayMode::OriginDrag);
  EXPECT_EQ(o.reference, origin);
  EXPECT_EQ(o.lastPoint, to);
  EXPECT_TRUE(o.shown);
  machine.release({screen(to.x, to.y), MouseButton::Left, {}});
  EXPECT_EQ(o.mode, OverlayMode::Normal);
  EXPECT_FALSE(o.shown);
  EXPECT_EQ(board().header.originX, static_cast<int>(to.x));
}

// The track and zone tools measure from the last fixed node and, while the pointer is left of
// and above it, put the box on the left; finishing leaves the X and Y rows.
TEST_F(EditorTest, DrawingATrackMeasuresFromTheLastNode) {
  for (const ToolId tool : {ToolId::Track, ToolId::Zone}) {
    machine.chooseTool(tool);
    const CrosshairOverlay& o = editor.crosshair;
    machine.move({screen(kA.x, kA.y), MouseButton::None, {}});
    EXPECT_TRUE(o.shown);
    EXPECT_FALSE(o.showDelta) << "before the first click only X and Y";
    click(kA.x, kA.y);
    machine.move({screen(kB.x, kB.y), MouseButton::None, {}});
    EXPECT_EQ(o.reference, kA);
    EXPECT_EQ(o.lastPoint, kB);
    EXPECT_TRUE(o.showDelta);
    EXPECT_FALSE(o.showRefLine);
    EXPECT_TRUE(o.drawingPath);
    const auto rows = boxRowTexts(o, {0, static_cast<std::int32_t>(kBottom)}, LengthUnit::Mm);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[2].label, "dX:");
    EXPECT_EQ(rows[2].value, "5.080 mm");
    click(kB.x, kB.y);
    EXPECT_EQ(o.reference, kB);
    key(Key::Delete);
    EXPECT_NE(o.reference, kB) << "the removed node no longer counts";
    EXPECT_EQ(o.reference, toDPoint(board().objects.back()->points.back()));
    click(kB.x, kB.y, {}, MouseButton::Right);
    EXPECT_FALSE(o.showDelta);
    EXPECT_FALSE(o.drawingPath);
    key(Key::Escape);
  }
}

TEST_F(EditorTest, DraggingOutACircleShowsItsAnglesAndDiameter) {
  machine.chooseTool(ToolId::Circle);
  editor.sizes.remembered[static_cast<std::size_t>(SizeField::Breite)] = 2000;
  editor.sizes[SizeField::Breite] = 2000;
  machine.press({screen(kA.x, kA.y), MouseButton::Left, {}});
  machine.move({screen(kB.x, kB.y), MouseButton::Left, {}});
  const CrosshairOverlay& o = editor.crosshair;
  EXPECT_EQ(o.reference, kA);
  EXPECT_EQ(o.lastPoint, kB);
  EXPECT_TRUE(o.showDelta);
  EXPECT_TRUE(o.arcRows);
  EXPECT_DOUBLE_EQ(o.arcStart, 0);
  EXPECT_DOUBLE_EQ(o.arcStop, 360);
  EXPECT_DOUBLE_EQ(o.arcDiameter, 2 * 4 * kGrid) << "the larger of dx and dy is the radius";
  const auto rows = boxRowTexts(o, {}, LengthUnit::Mm);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[2].label, "Start:");
  EXPECT_EQ(rows[4].value, "10.160 mm");
  machine.release({screen(kB.x, kB.y), MouseButton::Left, {}});
  EXPECT_FALSE(o.showDelta);
  EXPECT_FALSE(o.arcRows);
  EXPECT_EQ(board().objects.size(), 1u);
}

TEST_F(EditorTest, DraggingARectangleMeasuresFromItsFirstCorner) {
  machine.chooseTool(ToolId::Rectangle);
  machine.press({screen(kA.x, kA.y), MouseButton::Left, {}});
  machine.move({screen(kB.x, kB.y), MouseButton::Left, {}});
  const CrosshairOverlay& o = editor.crosshair;
  EXPECT_EQ(o.reference, kA);
  EXPECT_TRUE(o.showDelta);
  EXPECT_FALSE(o.arcRows);
  machine.release({screen(kB.x, kB.y), MouseButton::Left, {}});
  EXPECT_FALSE(o.showDelta);
  EXPECT_TRUE(o.shown) << "the crosshair stays with its X and Y rows";
}

}  // namespace
}  // namespace pravelo::testing
