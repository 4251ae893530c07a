#include "manufacturing/component_centre.h"

#include <gtest/gtest.h>

#include <vector>

#include "../support/component_board.h"
#include "geometry/rotate.h"

namespace pravelo {
namespace {

using testing::ComponentBoard;

std::vector<const TObjekt*> members(const Board& board, int component) {
  std::vector<const TObjekt*> m;
  for (const auto& o : board.objects) {
    if (o->componentId == component) m.push_back(o.get());
  }
  return m;
}

TEST(ComponentCentre, TheReferenceChoosesTheLayers) {
  ComponentBoard b;
  b.smd(1, {0, 0});
  b.smd(1, {100000, 0});                  // copper centre (50000, 0)
  b.silk(1, {0, 60000}, {40000, 60000});  // silkscreen centre (20000, 60000)
  b.label(1, kComponentIdText, "R1");     // texts never count
  ComponentData data;
  const std::pair<int, DPoint> cases[] = {
      {0, {50000, 0}}, {1, {20000, 60000}}, {2, {50000, 25500}}};
  for (const auto& [mode, expected] : cases) {
    data.centreMode = static_cast<std::uint8_t>(mode);
    const DPoint c = componentCentre(members(b.board, 1), data);
    // Bounds include the objects' clearances, which differ a little by kind.
    EXPECT_NEAR(c.x, expected.x, 100) << mode;
    EXPECT_NEAR(c.y, expected.y, 100) << mode;
  }
}

TEST(ComponentCentre, WithoutObjectsOnTheReferenceLayersAllMembersCount) {
  ComponentBoard b;
  b.silk(1, {0, 0}, {40000, 0});
  ComponentData data;  // copper reference, but there is no copper
  const DPoint c = componentCentre(members(b.board, 1), data);
  EXPECT_NEAR(c.x, 20000, 1);
  EXPECT_NEAR(c.y, 0, 1);
}

TEST(ComponentCentre, ATurnedPartIsMeasuredSquareToItself) {
  // Two pads of a turned part: their bounds taken on the board would lean towards the pad
  // that stands out further; taken square to the part, the centre lies between them.
  ComponentBoard b;
  b.smd(1, {0, 0}, kLayerC1, 40000, 10000);
  b.smd(1, {100000, 0}, kLayerC1, 10000, 10000);
  for (const auto& o : b.board.objects) rotateObject(*o, {0, 0}, -30);  // anticlockwise
  ComponentData data;
  data.placeRotation = 390;  // within a quarter: 30 degrees, counted anticlockwise
  const DPoint c = componentCentre(members(b.board, 1), data);
  const FPoint expected = rotatePoint({42500, 0}, {0, 0}, 30);
  EXPECT_NEAR(c.x, expected.x, 2);
  EXPECT_NEAR(c.y, expected.y, 2);
}

TEST(ComponentCentre, TheOffsetIsAddedWithItsYDownwards) {
  ComponentBoard b;
  b.smd(1, {0, 0});
  ComponentData data;
  data.placeOffset = {12000, 3000};
  const DPoint c = componentCentre(members(b.board, 1), data);
  EXPECT_NEAR(c.x, 12000, 1);
  EXPECT_NEAR(c.y, -3000, 1);
}

}  // namespace
}  // namespace pravelo
