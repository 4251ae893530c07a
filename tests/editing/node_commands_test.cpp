#include "editing/node_commands.h"

#include <gtest/gtest.h>

#include "document/object_list.h"
#include "editing/editing_texts.h"
#include "editor_fixture.h"

namespace pravelo::testing {
namespace {

class NodeCommandsTest : public EditorTest {
 protected:
  NodeCommandsTest() { board().header.originX = board().header.originY = 0; }

  TObjekt* line(std::initializer_list<FPoint> points, int kind = kTrack, int width = 2000) {
    TObjekt o = newObject();
    if (kind == kZone) {
      initZone(o, width, kLayerC1);
    } else {
      initTrack(o, width, kLayerC1);
    }
    for (const FPoint p : points) addPoint(o, p);
    return add(board(), std::move(o));
  }
  // Right click on a vertex of the selected line, choosing `command` in the node menu.
  void menu(TObjekt* o, int vertex, NodeCommand command) {
    deselectAll(board().objects);
    o->selected = 1;
    host.menuAnswers.push_back(command);
    const FPoint p = o->points[static_cast<std::size_t>(vertex)];
    click(p.x, p.y, {}, MouseButton::Right);
  }
};

TEST_F(NodeCommandsTest, MenuEnablesByVertexAndKind) {
  struct Case {
    std::size_t vertices;
    int kind;
    int index;
    NodeMenuState state;
  };
  // clang-format off
  const Case cases[] = {
      {2, kTrack, 0, {false, false, true}},
      {3, kTrack, 1, {true,  true,  false}},
      {3, kTrack, 2, {true,  false, true}},
      {3, kZone,  0, {false, false, false}},
      {4, kZone,  3, {true,  false, false}},
  };
  // clang-format on
  for (const Case& c : cases) {
    TObjekt o = newObject();
    o.kind = static_cast<std::uint8_t>(c.kind);
    o.points.resize(c.vertices);
    const NodeMenuState s = nodeMenuState(o, c.index);
    EXPECT_EQ(s.remove, c.state.remove) << c.vertices << " " << c.index;
    EXPECT_EQ(s.split, c.state.split) << c.vertices << " " << c.index;
    EXPECT_EQ(s.join, c.state.join) << c.vertices << " " << c.index;
  }
}

TEST_F(NodeCommandsTest, SplitCopiesTheTrackAndMovesTheFlatEnd) {
  TObjekt* t = line({{0, 0},
                     {kFixtureGrid, 0},
                     {2 * kFixtureGrid, 0},
                     {3 * kFixtureGrid, -kFixtureGrid},
                     {4 * kFixtureGrid, -kFixtureGrid}});
  t->clearance = 1234;
  t->solderMask = 1;
  t->groups = {7, 9};
  t->componentId = 3;
  t->cutout = 1;
  t->variant = 3;  // flat start and flat end
  menu(t, 2, NodeCommand::Split);
  ASSERT_EQ(board().objects.size(), 2u);
  const TObjekt& kept = *board().objects[0];
  const TObjekt& piece = *board().objects[1];
  EXPECT_EQ(kept.points, (std::vector<FPoint>{{0, 0}, {kFixtureGrid, 0}, {2 * kFixtureGrid, 0}}));
  EXPECT_EQ(piece.points, (std::vector<FPoint>{{4 * kFixtureGrid, -kFixtureGrid},
                                               {3 * kFixtureGrid, -kFixtureGrid},
                                               {2 * kFixtureGrid, 0}}));
  EXPECT_EQ(piece.width, kept.width);
  EXPECT_EQ(piece.clearance, 1234);
  EXPECT_EQ(piece.solderMask, 1);
  EXPECT_EQ(piece.groups, (std::vector<std::int32_t>{7, 9}));
  EXPECT_EQ(piece.componentId, 3);
  EXPECT_EQ(piece.cutout, 1);
  EXPECT_EQ(kept.variant, 1) << "the cut end is round";
  EXPECT_EQ(piece.variant, 1) << "the old flat end starts the new piece";
  EXPECT_EQ(board().undoStack.size(), 1u);
}

TEST_F(NodeCommandsTest, JoinAppendsOrPrependsTheOtherTrack) {
  TObjekt* a = line({{0, 0}, {2 * kFixtureGrid, 0}});
  line({{2 * kFixtureGrid + 1000, -1000},
        {2 * kFixtureGrid, -3 * kFixtureGrid},
        {5 * kFixtureGrid, -3 * kFixtureGrid}},
       kTrack);
  menu(a, 1, NodeCommand::Join);
  ASSERT_EQ(board().objects.size(), 1u);
  EXPECT_EQ(a->points, (std::vector<FPoint>{{0, 0},
                                            {2 * kFixtureGrid + 1000, -1000},
                                            {2 * kFixtureGrid, -3 * kFixtureGrid},
                                            {5 * kFixtureGrid, -3 * kFixtureGrid}}));
  EXPECT_EQ(host.messages.back(), tr(pravelo::texts::tracksJoined));

  // From the first vertex, onto the other track's last vertex.
  TObjekt* b = line({{8 * kFixtureGrid, -kFixtureGrid}, {8 * kFixtureGrid, -5 * kFixtureGrid}});
  line({{6 * kFixtureGrid, -kFixtureGrid},
        {7 * kFixtureGrid, -kFixtureGrid},
        {8 * kFixtureGrid, -kFixtureGrid + 500}});
  menu(b, 0, NodeCommand::Join);
  ASSERT_EQ(board().objects.size(), 2u);
  EXPECT_EQ(b->points, (std::vector<FPoint>{{6 * kFixtureGrid, -kFixtureGrid},
                                            {7 * kFixtureGrid, -kFixtureGrid},
                                            {8 * kFixtureGrid, -kFixtureGrid + 500},
                                            {8 * kFixtureGrid, -5 * kFixtureGrid}}));
}

TEST_F(NodeCommandsTest, JoinWithoutPartnerSaysSoAndChangesNothing) {
  TObjekt* a = line({{0, 0}, {2 * kFixtureGrid, 0}});
  line({{2 * kFixtureGrid, -kFixtureGrid},
        {5 * kFixtureGrid, -kFixtureGrid}});  // 12700 units away: out of reach
  menu(a, 1, NodeCommand::Join);
  EXPECT_EQ(board().objects.size(), 2u);
  EXPECT_EQ(host.messages.back(), tr(pravelo::texts::noTrackToJoin));
  EXPECT_TRUE(board().undoStack.empty());
}

TEST_F(NodeCommandsTest, AddAndSnapKeepNewNodesOnAStraightRun) {
  TObjekt* t = line({{0, -kFixtureGrid}, {4 * kFixtureGrid, -kFixtureGrid}});
  menu(t, 1, NodeCommand::Add);
  EXPECT_EQ(t->points, (std::vector<FPoint>{{0, -kFixtureGrid},
                                            {2 * kFixtureGrid, -kFixtureGrid},
                                            {4 * kFixtureGrid, -kFixtureGrid}}))
      << "a clean-up would drop the new node at once";
  t->points[1] = {2 * kFixtureGrid + 300, -kFixtureGrid};
  menu(t, 1, NodeCommand::Snap);
  EXPECT_EQ(t->points.size(), 3u);
  EXPECT_EQ(t->points[1], (FPoint{2 * kFixtureGrid, -kFixtureGrid}));
  EXPECT_EQ(board().undoStack.size(), 2u);
}

TEST_F(NodeCommandsTest, AddOnTheFirstNodeAndSnapAll) {
  TObjekt* t =
      line({{kFixtureGrid + 100, -kFixtureGrid - 100}, {3 * kFixtureGrid + 100, -kFixtureGrid}});
  addNode(*t, 0, kFixtureGrid, {0, 0});
  EXPECT_EQ(t->points[0], (FPoint{kFixtureGrid, -kFixtureGrid}));
  snapAllNodes(*t, kFixtureGrid, {0, 0});
  EXPECT_EQ(t->points, (std::vector<FPoint>{{kFixtureGrid, -kFixtureGrid},
                                            {kFixtureGrid, -kFixtureGrid},
                                            {3 * kFixtureGrid, -kFixtureGrid}}));
}

TEST_F(NodeCommandsTest, RemoveAndTheDisabledEntries) {
  TObjekt* t = line({{0, 0}, {kFixtureGrid, -kFixtureGrid}, {2 * kFixtureGrid, 0}});
  menu(t, 1, NodeCommand::Remove);
  EXPECT_EQ(t->points.size(), 2u);
  menu(t, 1, NodeCommand::Remove);
  EXPECT_EQ(t->points.size(), 2u) << "a script cannot choose a disabled entry";
  EXPECT_FALSE(host.nodeMenus.back().remove);
  EXPECT_EQ(host.contextMenus, 0);
}

}  // namespace
}  // namespace pravelo::testing
