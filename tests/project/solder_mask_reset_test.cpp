#include "project/solder_mask_reset.h"

#include <gtest/gtest.h>

#include "support/sample_layout.h"

namespace pravelo {
namespace {

TEST(SolderMaskReset, PadsOnCopperGetOpeningsAndNothingElse) {
  struct Case {
    Kind kind;
    std::uint8_t layer;
    std::uint8_t before;
    std::uint8_t after;
  };
  // clang-format off
  const Case cases[] = {
      {kPad, kLayerC1, 0, 1}, {kPad, kLayerC2, 0, 1}, {kPad, kLayerI1, 0, 1},
      {kPad, kLayerI2, 1, 1}, {kPad, kLayerS1, 1, 0}, {kSmdPad, kLayerC1, 0, 1},
      {kSmdPad, kLayerC2, 0, 1}, {kSmdPad, kLayerO, 1, 0}, {kTrack, kLayerC1, 1, 0},
      {kZone, kLayerC2, 1, 0}, {kCircle, kLayerC1, 1, 0}, {kText, kLayerS1, 1, 0},
  };
  // clang-format on
  ObjectList objects;
  for (const Case& c : cases) {
    TObjekt o = newObject();
    o.kind = c.kind;
    o.layer = c.layer;
    o.solderMask = c.before;
    objects.push_back(std::make_unique<TObjekt>(std::move(o)));
  }
  resetSolderMask(objects);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(objects[i]->solderMask, cases[i].after) << "case " << i;
  }
}

}  // namespace
}  // namespace pravelo
