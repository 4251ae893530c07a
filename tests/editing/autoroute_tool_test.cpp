#include "editing/tools/autoroute_tool.h"

#include <gtest/gtest.h>

#include "editing/autoroute_commands.h"
#include "editing/connections.h"
#include "editing/editing_texts.h"
#include "editor_fixture.h"
#include "view/autoroute_texts.h"

namespace pravelo {
namespace {

TEST(RouteGridLabel, ShowsThePitchInTheUnitOfTheDisplay) {
  struct Case {
    double pitch;
    bool mil;
    const char* label;
  };
  for (const Case& c :
       {Case{8000, false, "0.8 mm"}, Case{6350, false, "0.635 mm"}, Case{6350, true, "25 mil"},
        Case{8000, true, "31.5 mil"}, Case{1000, true, "3.937 mil"}, Case{1, false, "0.0001 mm"}}) {
    EXPECT_EQ(routeGridLabel(c.pitch, c.mil, '.'), c.label);
  }
  EXPECT_EQ(routeGridLabel(6350, false, ','), "0,635 mm");
}

class AutorouteToolTest : public testing::EditorTest {
 protected:
  AutorouteToolTest() {
    settings.autorouter.Raster = false;
    machine.chooseTool(ToolId::Autoroute);
  }
  void moveTo(double x, double y) { machine.move({screen(x, y), MouseButton::None, {}}); }
  void pointAndClick(double x, double y) {
    moveTo(x, y);
    click(x, y);
  }
  const AutorouteTool& tool() { return dynamic_cast<const AutorouteTool&>(machine.currentTool()); }
  int index(const TObjekt* o) {
    for (std::size_t i = 0; i < board().objects.size(); ++i) {
      if (board().objects[i].get() == o) return static_cast<int>(i);
    }
    return -1;
  }
};

TEST_F(AutorouteToolTest, ClickOnAConnectionRoutesItAsOneUndoStep) {
  TObjekt* a = pad(100000, -100000);
  TObjekt* b = pad(500000, -100000);
  toggleConnection(*a, *b);
  EXPECT_EQ(machine.help(), &texts::helpAutoroute);
  pointAndClick(300000, -100000);
  EXPECT_EQ(&tool().status(), &texts::routeSuccessful);
  ASSERT_EQ(board().objects.size(), 3u);
  const TObjekt& t = *board().objects[2];
  EXPECT_EQ(t.autorouted, 1);
  EXPECT_EQ(t.width, settings.autorouter.Width);
  EXPECT_TRUE(a->connections.empty());
  EXPECT_TRUE(selected().empty());
  EXPECT_EQ(board().undoStack.size(), 1u);
  machine.undo();
  EXPECT_EQ(board().objects.size(), 2u);
  EXPECT_EQ(board().objects[0]->connections.size(), 1u);
}

// Pads selected before stay out of it: the hovered connection is the one routed.
TEST_F(AutorouteToolTest, RoutesTheHoveredPairNotTheFirstSelectedOne) {
  TObjekt* a = pad(100000, -500000);
  TObjekt* b = pad(500000, -500000);
  toggleConnection(*a, *b);
  TObjekt* c = pad(100000, -100000);
  TObjekt* d = pad(500000, -100000);
  toggleConnection(*c, *d);
  moveTo(300000, -100000);
  ASSERT_EQ(tool().hovered(), (std::pair{2, 3}));
  a->selected = b->selected = 1;
  click(300000, -100000);
  ASSERT_EQ(board().objects.size(), 5u);
  EXPECT_EQ(board().objects[4]->routeEndA, c);
  EXPECT_EQ(board().objects[4]->routeEndB, d);
  EXPECT_EQ(a->connections, std::vector<TObjekt*>{b});
}

TEST_F(AutorouteToolTest, ClickOnARoutedTrackDissolvesIt) {
  // On the routing grid (0.8 mm), so the track runs through the pads' centres.
  TObjekt* a = pad(96000, -96000);
  TObjekt* b = pad(496000, -96000);
  toggleConnection(*a, *b);
  pointAndClick(300000, -96000);
  ASSERT_EQ(board().objects.size(), 3u);
  // The connection is gone; the track lies under the pointer now.
  pointAndClick(300000, -96000);
  EXPECT_EQ(&tool().status(), &texts::routeResolved);
  EXPECT_EQ(board().objects.size(), 2u);
  EXPECT_EQ(a->connections, std::vector<TObjekt*>{b});
  EXPECT_EQ(board().undoStack.size(), 2u);
}

TEST_F(AutorouteToolTest, NotFoundChangesNothing) {
  TObjekt* a = pad(100000, -100000);
  TObjekt* b = pad(100000, -600000);
  toggleConnection(*a, *b);
  track({0, -300000}, {1000000, -300000});
  pointAndClick(100000, -200000);
  EXPECT_EQ(&tool().status(), &texts::routeNotFound);
  EXPECT_EQ(board().objects.size(), 3u);
  EXPECT_TRUE(board().undoStack.empty());
}

}  // namespace
}  // namespace pravelo
