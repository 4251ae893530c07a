#include "editing/rubber_band.h"

#include <gtest/gtest.h>

#include "board_fixture.h"

namespace pravelo::testing {
namespace {

struct AttachCase {
  std::uint8_t shape;
  float dx, dy;  // the track end from the pad's centre
  bool big, small;
};

// A pad of outer radius 9000 and a track 2000 wide, whose end counts as a disc of radius 1000.
// At the big level the disc must touch the pad's full outline, at the small level a disc of
// 900 around the pad's centre.
// clang-format off
constexpr AttachCase kCases[] = {
  {kPadCircular, 9500, 0, true, false},    // round pads keep only two points of their rim
  {kPadCircular, 0, -9500, true, false},
  {kPadCircular, 10500, 0, false, false},
  {kPadCircular, 1500, 0, true, true},
  {kPadRoundedH, 18500, 0, true, false},   // the cap around the end centre at 9000
  {kPadRoundedV, 0, 18500, true, false},
  {kPadRoundedV, 9500, 0, true, false},
  {kPadSquare, 9500, 9500, true, false},
  {kPadOctagon, 9500, 9500, false, false}, // beyond the cut corner
};
// clang-format on

TEST(RubberBand, TrackEndsAttachToThePadsFullOutline) {
  for (const AttachCase& c : kCases) {
    for (const int level : {kRubberBandBig, kRubberBandSmall}) {
      EditingBoard b;
      TObjekt pad = newObject();
      initPad(pad, {100000, -100000}, kLayerC1, c.shape, 4000, 9000);
      pad.selected = 1;
      b.add(std::move(pad));
      b.track(kLayerC1, {100000 + c.dx, -100000 + c.dy}, {300000, -300000}, 2000);
      const std::size_t found = attachedVertices(b.board, level).size();
      EXPECT_EQ(found, (level == kRubberBandBig ? c.big : c.small) ? 1u : 0u)
          << "shape " << +c.shape << " at " << c.dx << ", " << c.dy << " level " << level;
    }
  }
}

}  // namespace
}  // namespace pravelo::testing
