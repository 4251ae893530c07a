#include "view/auto_scroll.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

TEST(AutoScroll, StepsNearTheEdgesWithinTheDrawingSurface) {
  // Surface 1601 x 1001 pixels in an 800 x 600 viewport: steps of 50 and 37 pixels.
  const ViewFrame frame{{800, 600}, 1600000, 1000000};
  EXPECT_EQ(scrollStep(frame.viewport), (PixelSize{50, 37}));
  struct Case {
    std::int64_t scrollX, scrollY;
    IPoint pointer;
    std::int64_t newX, newY;
  };
  // clang-format off
  const Case cases[] = {
    {0, 0, {795, 300}, 50, 0},
    {0, 0, {792, 300}, 50, 0},
    {0, 0, {791, 300}, 0, 0},      // outside the 8-pixel band
    {790, 0, {795, 300}, 801, 0},  // not beyond the surface
    {801, 0, {795, 300}, 801, 0},
    {100, 0, {3, 300}, 50, 0},
    {30, 0, {7, 300}, 0, 0},
    {0, 0, {3, 300}, 0, 0},
    {0, 0, {400, 595}, 0, 37},
    {0, 100, {400, 0}, 0, 63},
    {100, 100, {400, 300}, 100, 100},
  };
  // clang-format on
  for (const Case& c : cases) {
    const ViewTransform v = autoScroll({0.001, c.scrollX, c.scrollY}, frame, c.pointer);
    EXPECT_EQ(v.scrollX, c.newX) << c.pointer.x << "," << c.pointer.y;
    EXPECT_EQ(v.scrollY, c.newY) << c.pointer.x << "," << c.pointer.y;
  }
}

}  // namespace
}  // namespace pravelo
