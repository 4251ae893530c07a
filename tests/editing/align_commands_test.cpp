#include "editing/align_commands.h"

#include <gtest/gtest.h>

#include "editing/rubber_band.h"
#include "editing/selection.h"
#include "editor_fixture.h"
#include "geometry/pad_geometry.h"
#include "geometry/text_strokes.h"

namespace pravelo::testing {
namespace {

void expectAt(FPoint actual, double x, double y) {
  EXPECT_NEAR(actual.x, x, 0.05);
  EXPECT_NEAR(actual.y, y, 0.05);
}

// The board's grid is 12700 units (1.27 mm), through the top-left corner.
class AlignCommandsTest : public EditorTest {
 protected:
  AlignCommandsTest() {
    board().header.originX = 0;
    board().header.originY = 0;
  }
};

TEST_F(AlignCommandsTest, SnapsEachKindByItsOwnPoint) {
  TObjekt* p = pad(12000, -5000);
  TObjekt* s = smd(26000, -24000, 3000, 1000);
  TObjekt* t = track({39000, -37000}, {60000, -60000});
  TObjekt c = newObject();
  initCircle(c, {52000, -50000}, 5000, kLayerC1, 4000);
  TObjekt* circle = add(board(), std::move(c));
  TObjekt x = newObject();
  initText(x, {64000, -62000}, "A", 0, 0, kLayerS1, 1, 1, 10000, 0);
  buildTextStrokes(x, false);
  TObjekt* text = add(board(), std::move(x));
  const FPoint strokeStart = text->children[0].points[0];
  selectAll(board());
  ASSERT_TRUE(snapSelectionToGridCommand(editor));
  expectAt(p->pos, 12700, 0);
  expectAt(smdPadCentre(*s), 25400, -25400);
  expectAt(t->points[0], 38100, -38100);
  expectAt(t->points[1], 59100, -61100);  // moved along
  expectAt(circle->pos, 50800, -50800);
  expectAt(text->pos, 63500, -63500);
  expectAt(text->children[0].points[0], strokeStart.x - 500, strokeStart.y - 1500);
  EXPECT_FALSE(snapSelectionToGridCommand(editor)) << "already on the grid: no second step";
  EXPECT_EQ(board().undoStack.size(), 1u);
}

TEST_F(AlignCommandsTest, SnapUsesTheGridThroughTheUserOrigin) {
  board().header.originX = 1000;
  board().header.originY = -2000;
  TObjekt* p = pad(12000, -5000);
  p->selected = 1;
  ASSERT_TRUE(snapSelectionToGridCommand(editor));
  expectAt(p->pos, 13700, -2000);
}

TEST_F(AlignCommandsTest, AComponentMovesAsAUnitByItsFirstPad) {
  TObjekt* t = track({1000, -1000}, {30000, -1000});
  TObjekt* first = pad(26000, -24000);
  TObjekt* second = pad(51000, -24000);
  for (TObjekt* o : {t, first, second}) o->componentId = 5;
  // Only one member selected by hand: the unit still moves as a whole.
  first->selected = 1;
  ASSERT_TRUE(snapSelectionToGridCommand(editor));
  expectAt(first->pos, 25400, -25400);
  expectAt(second->pos, 50400, -25400);
  expectAt(t->points[0], 400, -2400);
}

TEST_F(AlignCommandsTest, AGroupWithoutPadsMovesByTheObjectsOwnPoint) {
  TObjekt* a = track({1000, -1000}, {30000, -1000});
  TObjekt* b = track({2000, -7000}, {9000, -7000});
  pushGroup(*a, 3);
  pushGroup(*b, 3);
  selectAll(board());
  ASSERT_TRUE(snapSelectionToGridCommand(editor));
  expectAt(a->points[0], 0, 0);
  expectAt(b->points[0], 1000, -6000);
}

TEST_F(AlignCommandsTest, AttachedTrackEndsMoveWithTheirPadsUnit) {
  settings.optionen.Gummiband = kRubberBandSmall;
  TObjekt* p = pad(26000, -24000);
  TObjekt* q = pad(100000, -100000);
  TObjekt* t = track({26000, -24000}, {26000, -80000});
  TObjekt* u = track({100000, -100000}, {100000, -180000});
  p->selected = 1;
  q->selected = 1;
  ASSERT_TRUE(snapSelectionToGridCommand(editor));
  expectAt(t->points[0], 25400, -25400);
  expectAt(t->points[1], 26000, -80000);
  expectAt(u->points[0], 101600, -101600);
  expectAt(u->points[1], 100000, -180000);
}

struct AlignCase {
  Alignment alignment;
  double ax, ay, bx, by;  // the SMD pads' centres afterwards
};

// A: 20000 x 10000 around (100000, -100000); B: 40000 x 20000 around (200000, -150000). The
// selection spans x 90000 .. 220000 and y -160000 .. -95000.
// clang-format off
constexpr AlignCase kAlignCases[] = {
  {Alignment::Top,              100000, -100000, 200000, -105000},
  {Alignment::Bottom,           100000, -155000, 200000, -150000},
  {Alignment::Left,             100000, -100000, 110000, -150000},
  {Alignment::Right,            210000, -100000, 200000, -150000},
  {Alignment::HorizontalCentre, 155000, -100000, 155000, -150000},
  {Alignment::VerticalCentre,   100000, -127500, 200000, -127500},
};
// clang-format on

TEST_F(AlignCommandsTest, AlignsEachUnitToTheSelectionsOutlineBounds) {
  for (const AlignCase& c : kAlignCases) {
    board().objects.clear();
    TObjekt* a = smd(100000, -100000, 20000, 10000);
    TObjekt* b = smd(200000, -150000, 40000, 20000);
    selectAll(board());
    ASSERT_TRUE(alignSelectionCommand(editor, c.alignment)) << static_cast<int>(c.alignment);
    expectAt(smdPadCentre(*a), c.ax, c.ay);
    expectAt(smdPadCentre(*b), c.bx, c.by);
  }
}

TEST_F(AlignCommandsTest, CentringMovesByWholeUnitsAndGroupsKeepTogether) {
  TObjekt* a = smd(100000.5, -100000, 20001, 10000);    // x 90000 .. 110001
  TObjekt* b = smd(200000, -150000, 40000, 20000);      // x 180000 .. 220000
  TObjekt* partner = smd(240000, -150000, 2000, 2000);  // x 239000 .. 241000
  pushGroup(*b, 9);
  pushGroup(*partner, 9);
  selectAll(board());
  ASSERT_TRUE(alignSelectionCommand(editor, Alignment::HorizontalCentre));
  // The selection's centre is 165500: A moves by 65499.5 rounded half to even, the group by
  // 165500 - 210500 as one piece.
  expectAt(smdPadCentre(*a), 165500.5, -100000);
  expectAt(smdPadCentre(*b), 155000, -150000);
  expectAt(smdPadCentre(*partner), 195000, -150000);
}

}  // namespace
}  // namespace pravelo::testing
