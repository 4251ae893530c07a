#include "editing/tools/line_tool.h"

#include <gtest/gtest.h>

#include "editing/bend_mode.h"
#include "editing/editing_texts.h"
#include "editor_fixture.h"

namespace pravelo::testing {
namespace {

constexpr double G = 12700;  // the fixture's grid

class LineToolTest : public EditorTest {
 protected:
  LineToolTest() {
    editor.drawing.bendMode = 5;
    // Grid lines through the board's top left corner.
    board().header.originX = board().header.originY = 0;
  }

  void setWidth(int units) {
    editor.sizes.remembered[static_cast<std::size_t>(SizeField::Breite)] = units;
  }
  // Clicks at grid steps (x, -y) with capture and the grid off unless asked otherwise.
  void clickAt(double gx, double gy, Modifiers m = {}) { click(gx * G, -gy * G, m); }
  void rightClick() { click(0, 0, {}, MouseButton::Right); }
  const TObjekt& last() { return *board().objects.back(); }
  static std::vector<FPoint> grid(std::initializer_list<std::pair<double, double>> steps) {
    std::vector<FPoint> points;
    for (const auto& [x, y] : steps) {
      points.push_back({static_cast<float>(x * G), static_cast<float>(-y * G)});
    }
    return points;
  }
};

TEST_F(LineToolTest, TrackIsOneUndoStepAndTheRightClickStaysInTheTool) {
  machine.chooseTool(ToolId::Track);
  editor.drawing.bendMode = 1;
  clickAt(1, 1);
  EXPECT_EQ(tr(*machine.help()), std::string(tr(pravelo::texts::helpTrackNext)));
  clickAt(4, 2);  // mode 1: straight first, then 45 degrees into the point
  clickAt(6, 2);
  rightClick();
  EXPECT_EQ(machine.tool(), ToolId::Track) << "the right click only finished the track";
  ASSERT_EQ(board().objects.size(), 1u);
  EXPECT_EQ(last().kind, kTrack);
  EXPECT_EQ(last().points, grid({{1, 1}, {3, 1}, {4, 2}, {6, 2}}));
  EXPECT_EQ(board().undoStack.size(), 1u);
  rightClick();
  EXPECT_EQ(machine.tool(), ToolId::Edit) << "with nothing in progress it leaves the tool";
  machine.undo();
  EXPECT_TRUE(board().objects.empty());
}

TEST_F(LineToolTest, SpaceCyclesTheBendModeWhileDrawing) {
  machine.chooseTool(ToolId::Track);
  editor.drawing.bendMode = 1;
  clickAt(1, 1);
  key(Key::Space);
  EXPECT_EQ(machine.tool(), ToolId::Track) << "no temporary zoom while drawing";
  EXPECT_EQ(bendModeLabel(editor.drawing.bendMode), "[2/5]");
  clickAt(4, 2);
  key(Key::Escape);
  EXPECT_EQ(last().points, grid({{1, 1}, {2, 2}, {4, 2}}));
}

TEST_F(LineToolTest, CleanUpRemovesStraightNodesUnlessAPadIsThere) {
  struct Case {
    bool optimise;
    bool pad;
    std::size_t vertices;
  };
  for (const Case c : {Case{true, false, 2}, Case{true, true, 3}, Case{false, false, 3}}) {
    board().objects.clear();
    settings.optionen.TracksOptimieren = c.optimise;
    if (c.pad) pad(5 * G + 3000, -1 * G);  // within 5000 units of the middle vertex
    machine.chooseTool(ToolId::Track);
    // Ctrl and Shift: no capture by the pad, no grid.
    const Modifiers exact{true, true, false};
    click(1 * G, -G, exact);
    click(5 * G, -G, exact);
    click(9 * G, -G, exact);
    key(Key::Escape);
    EXPECT_EQ(last().points.size(), c.vertices) << c.optimise << c.pad;
  }
}

TEST_F(LineToolTest, TooFewVerticesAfterTheCleanUpRemoveTheObject) {
  // Two clicks closer than width / 500 leave one vertex after the clean-up.
  setWidth(500000);
  machine.chooseTool(ToolId::Track);
  const Modifiers exact{true, true, false};
  click(10 * G, -10 * G, exact);
  click(10 * G + 600, -10 * G, exact);
  key(Key::Escape);
  EXPECT_TRUE(board().objects.empty()) << "a one-vertex track stayed";

  // A zone whose three vertices lie on one line loses the middle one.
  setWidth(2000);
  machine.chooseTool(ToolId::Zone);
  clickAt(1, 1);
  clickAt(3, 1);
  clickAt(5, 1);
  key(Key::Escape);
  EXPECT_TRUE(board().objects.empty()) << "a two-vertex zone stayed";
  EXPECT_TRUE(board().undoStack.empty()) << "nothing kept, nothing to undo";
}

TEST_F(LineToolTest, DeleteTakesBackTheLastVertexButNotTheFirst) {
  machine.chooseTool(ToolId::Track);
  clickAt(1, 1);
  clickAt(3, 1);
  clickAt(3, 4);
  key(Key::Delete);
  key(Key::Delete);
  key(Key::Delete);
  EXPECT_EQ(last().points, grid({{1, 1}}));
  clickAt(1, 5);
  key(Key::Escape);
  EXPECT_EQ(last().points, grid({{1, 1}, {1, 5}}));
}

TEST_F(LineToolTest, ArrowsChangeTheWidthOfTheTrackInProgress) {
  setWidth(3000);
  machine.chooseTool(ToolId::Track);
  clickAt(1, 1);
  key(Key::Up);
  key(Key::Right, {false, true, false});
  EXPECT_EQ(last().width, 4100);
  EXPECT_EQ(editor.sizes[SizeField::Breite], 4100);
}

TEST_F(LineToolTest, ZoneClosesOnItsFirstVertex) {
  machine.chooseTool(ToolId::Zone);
  clickAt(1, 1);
  clickAt(5, 1);
  clickAt(5, 4);
  EXPECT_EQ(last().closed, 0);
  clickAt(1, 1);
  EXPECT_FALSE(machine.currentTool().busy());
  EXPECT_EQ(last().kind, kZone);
  EXPECT_EQ(last().closed, 1);
  EXPECT_EQ(last().points, grid({{1, 1}, {5, 1}, {5, 4}}));
  EXPECT_EQ(board().undoStack.size(), 1u);
}

TEST_F(LineToolTest, CutOutZoneOnSilkscreenGoesToTheCopperOfItsSide) {
  board().header.activeLayer = kLayerS2;
  editor.drawing.cutoutZone = true;
  machine.chooseTool(ToolId::Zone);
  clickAt(1, 1);
  clickAt(5, 1);
  clickAt(5, 4);
  rightClick();
  EXPECT_EQ(last().layer, kLayerC2);
  EXPECT_EQ(last().cutout, 1);
}

TEST_F(LineToolTest, F9ContinuesOnTheOtherSideThroughAVia) {
  machine.chooseTool(ToolId::Track);
  clickAt(1, 1);
  clickAt(4, 1);
  key(Key::F9);
  EXPECT_EQ(board().header.activeLayer, kLayerC2);
  clickAt(4, 5);
  key(Key::Escape);
  ASSERT_EQ(board().objects.size(), 3u);
  const TObjekt& via = *board().objects[1];
  EXPECT_EQ(via.kind, kPad);
  EXPECT_EQ(via.via, 1);
  EXPECT_EQ(via.pos, grid({{4, 1}})[0]);
  EXPECT_EQ(last().layer, kLayerC2);
  EXPECT_EQ(last().points, grid({{4, 1}, {4, 5}}));
  EXPECT_EQ(board().undoStack.size(), 1u) << "the whole track is one step";
}

TEST_F(LineToolTest, F9OnAPadAsksWhetherItBecomesTheVia) {
  for (const Answer answer : {Answer::Yes, Answer::No}) {
    board().objects.clear();
    board().header.activeLayer = kLayerC1;
    TObjekt* p = pad(4 * G, -G);
    machine.chooseTool(ToolId::Track);
    clickAt(1, 1);
    clickAt(4, 1);
    host.answers.push_back(answer);
    host.messages.clear();
    key(Key::F9);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], tr(pravelo::texts::askPadToVia));
    EXPECT_EQ(p->via, answer == Answer::Yes ? 1 : 0);
    EXPECT_EQ(board().header.activeLayer, kLayerC2) << "No switches the layer as well";
    clickAt(4, 5);
    key(Key::Escape);
    EXPECT_EQ(board().objects.size(), 3u) << "pad and two tracks, no new via";
  }
}

TEST_F(LineToolTest, HoveringOverAPadHighlightsItAndItsConnectedPads) {
  TObjekt* a = pad(3 * G, -3 * G);
  TObjekt* b = pad(9 * G, -3 * G);
  pad(15 * G, -3 * G);
  connect(a, b);
  machine.chooseTool(ToolId::Track);
  const auto& tool = dynamic_cast<const LineTool&>(machine.currentTool());
  machine.move({screen(3 * G + 2000, -3 * G), MouseButton::None, {}});
  EXPECT_EQ(tool.highlightedPads(editor), (std::vector<const TObjekt*>{a, b}));
  machine.move({screen(6 * G, -6 * G), MouseButton::None, {}});
  EXPECT_TRUE(tool.highlightedPads(editor).empty());
}

}  // namespace
}  // namespace pravelo::testing
