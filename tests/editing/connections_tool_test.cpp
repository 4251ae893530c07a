#include "editing/tools/connections_tool.h"

#include <gtest/gtest.h>

#include "editing/connections.h"
#include "editing/editing_texts.h"
#include "editing/tools/test_tool.h"
#include "editor_fixture.h"

namespace pravelo {
namespace {

class ConnectionsToolTest : public testing::EditorTest {
 protected:
  ConnectionsToolTest() { machine.chooseTool(ToolId::Connections); }
  void moveTo(double x, double y) { machine.move({screen(x, y), MouseButton::None, {}}); }
  void pointAndClick(double x, double y, MouseButton b = MouseButton::Left) {
    moveTo(x, y);
    click(x, y, {}, b);
  }
  const ConnectionsTool& tool() {
    return dynamic_cast<const ConnectionsTool&>(machine.currentTool());
  }
};

TEST_F(ConnectionsToolTest, ClickingTwoPadsAddsTheConnectionAndAgainRemovesIt) {
  TObjekt* a = pad(100000, -100000);
  TObjekt* b = pad(500000, -300000);
  EXPECT_EQ(machine.help(), &texts::helpConnectionFirst);
  pointAndClick(100000, -100000);
  EXPECT_EQ(machine.help(), &texts::helpConnectionSecond);
  moveTo(300000, -200000);
  ASSERT_TRUE(tool().rubberLine(board()));
  EXPECT_EQ(tool().rubberLine(board())->first, (DPoint{100000, -100000}));
  pointAndClick(500000, -300000);
  EXPECT_EQ(a->connections, std::vector<TObjekt*>{b});
  EXPECT_EQ(b->connections, std::vector<TObjekt*>{a});
  EXPECT_EQ(board().undoStack.size(), 1u);
  pointAndClick(100000, -100000);
  pointAndClick(500000, -300000);
  EXPECT_TRUE(a->connections.empty());
  EXPECT_TRUE(b->connections.empty());
  EXPECT_EQ(board().undoStack.size(), 2u);
}

TEST_F(ConnectionsToolTest, ClickingTheLineRemovesTheConnection) {
  TObjekt* a = pad(100000, -100000);
  TObjekt* b = pad(500000, -100000);
  toggleConnection(*a, *b);
  moveTo(300000, -100000);
  EXPECT_EQ(tool().cursor(), Cursor::Hand);
  EXPECT_EQ(selected(), (std::vector<int>{0, 1}));
  click(300000, -100000);
  EXPECT_TRUE(a->connections.empty());
  EXPECT_TRUE(b->connections.empty());
  moveTo(300000, -300000);
  EXPECT_EQ(tool().cursor(), Cursor::Connect);
}

TEST_F(ConnectionsToolTest, APadCannotBeConnectedToItselfAndRightClickAbandonsTheFirstPad) {
  TObjekt* a = pad(100000, -100000);
  pointAndClick(100000, -100000);
  pointAndClick(100000, -100000);
  EXPECT_TRUE(a->connections.empty());
  pointAndClick(300000, -300000, MouseButton::Right);
  EXPECT_EQ(machine.tool(), ToolId::Connections);
  EXPECT_EQ(machine.help(), &texts::helpConnectionFirst);
  pointAndClick(300000, -300000, MouseButton::Right);
  EXPECT_EQ(machine.tool(), ToolId::Edit);
}

TEST(ConnectionLineHit, VerticalAndHorizontalLinesNeedNoSlope) {
  struct Case {
    IPoint a, b, m;
    bool hit;
  };
  const Case cases[] = {
      {{10, 10}, {10, 100}, {13, 50}, true},    // vertical, within the band
      {{10, 10}, {10, 100}, {14, 50}, false},   // beside it
      {{10, 10}, {100, 10}, {50, 7}, true},     // horizontal
      {{10, 10}, {10, 100}, {10, 104}, false},  // past the end
      {{10, 10}, {110, 60}, {60, 36}, true},    // slanted, one pixel off
      {{10, 10}, {110, 60}, {60, 45}, false},
      {{10, 10}, {11, 100}, {10, 50}, true},  // steep: decided along x
  };
  for (const Case& c : cases) {
    EXPECT_EQ(connectionLineHit(c.a, c.b, c.m, 3), c.hit) << c.m.x << "," << c.m.y;
  }
  EXPECT_EQ(connectionTolerance(0.001), 3);
  EXPECT_EQ(connectionTolerance(0.1), 6);
  EXPECT_EQ(connectionTolerance(1), 10);
}

class TestToolTest : public testing::EditorTest {
 protected:
  TestToolTest() { machine.chooseTool(ToolId::Test); }
  TestTool& tool() {
    return const_cast<TestTool&>(dynamic_cast<const TestTool&>(machine.currentTool()));
  }
};

TEST_F(TestToolTest, HighlightsTheJoinedCopperAndShiftAddsNets) {
  pad(100000, -100000);                                   // 0
  track({100000, -100000}, {300000, -100000});            // 1
  track({300000, -100000}, {300000, -300000}, kLayerC2);  // 2: other side, no via
  track({600000, -600000}, {700000, -600000});            // 3
  click(200000, -100000);
  EXPECT_EQ(selected(), (std::vector<int>{0, 1}));
  click(650000, -600000, {true, false, false});
  EXPECT_EQ(selected(), (std::vector<int>{0, 1, 3}));
  click(650000, -600000);
  EXPECT_EQ(selected(), (std::vector<int>{3}));
  click(900000, -700000);
  EXPECT_TRUE(selected().empty());
  EXPECT_TRUE(tool().tested().empty());
}

TEST_F(TestToolTest, FollowsConnectionsWhenSetAndBlinksDimmedEverySecondTick) {
  TObjekt* a = pad(100000, -100000);
  TObjekt* b = pad(600000, -600000);
  toggleConnection(*a, *b);
  click(100000, -100000);
  EXPECT_EQ(selected(), (std::vector<int>{0}));
  settings.optionen.TestLuftlinien = true;
  click(100000, -100000);
  EXPECT_EQ(selected(), (std::vector<int>{0, 1}));
  EXPECT_FALSE(tool().dimmed());
  EXPECT_FALSE(tool().blinkTick());
  EXPECT_TRUE(tool().blinkTick());
  EXPECT_FALSE(tool().blinkTick());
}

TEST_F(TestToolTest, NonConductingTargetsGiveNothing) {
  TObjekt* hole = pad(100000, -100000);
  hole->dim.y = hole->dim.x;
  track({100000, -100000}, {300000, -100000}, kLayerS1);
  click(100000, -100000);
  EXPECT_TRUE(selected().empty());
  click(200000, -100000);
  EXPECT_TRUE(selected().empty());
}

}  // namespace
}  // namespace pravelo
