#include "view/user_origin.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

TEST(UserOrigin, ClickPositionSnapsToTheGridUnlessCtrl) {
  EXPECT_EQ(originAtPoint({12345, -6789}, 1000, false), (IPoint{12000, -7000}));
  EXPECT_EQ(originAtPoint({12345.4, -6789.6}, 1000, true), (IPoint{12345, -6790}));
  EXPECT_EQ(originAtPoint({1500, -2500}, 1000, false), (IPoint{2000, -2000}));  // half to even
  EXPECT_EQ(originAtPoint({19050, 0}, 12700, false), (IPoint{25400, 0}));
}

TEST(UserOrigin, SettingTheSameOriginChangesNothing) {
  BoardHeader h = newBoardHeader(1600000, 1000000);
  EXPECT_EQ(userOrigin(h), originBottomLeft(h));
  EXPECT_EQ(originBottomLeft(h), (IPoint{0, -1000000}));
  EXPECT_FALSE(setUserOrigin(h, {0, -1000000}));
  EXPECT_TRUE(setUserOrigin(h, originTopLeft()));
  EXPECT_EQ(h.originY, 0);
}

TEST(UserOrigin, ReadOutIsRelativeToTheOriginWithAbsoluteY) {
  struct Case {
    DPoint world;
    LengthUnit unit;
    const char* x;
    const char* y;
  };
  const Case cases[] = {{{12700, -987300}, LengthUnit::Mm, "1.270 mm", "1.270 mm"},
                        {{12700, -987300}, LengthUnit::Mil, "50.0 mil", "50.0 mil"},
                        {{-5000, -1012700}, LengthUnit::Mm, "-0.500 mm", "1.270 mm"},
                        {{0.4, -999999.6}, LengthUnit::Mm, "0.000 mm", "0.000 mm"}};
  for (const Case& c : cases) {
    const CoordinateReadout r = coordinateReadout(c.world, {0, -1000000}, c.unit);
    EXPECT_EQ(r.x, c.x);
    EXPECT_EQ(r.y, c.y);
  }
}

}  // namespace
}  // namespace pravelo
