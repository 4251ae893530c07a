#include "view/navigator.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

TEST(Navigator, ThumbnailHasItsLongerSideEightyPixelsAndIsCentred) {
  const NavigatorGeometry wide = navigatorGeometry(1600000, 1000000, {}, {800, 600});
  EXPECT_EQ(wide.scale, 20000);
  EXPECT_EQ(wide.thumbnail.left, 8);  // (97 - 80) / 2
  EXPECT_EQ(wide.thumbnail.width, 80);
  EXPECT_EQ(wide.thumbnail.height, 50);
  const NavigatorGeometry tall = navigatorGeometry(1000000, 1600000, {}, {800, 600});
  EXPECT_EQ(tall.thumbnail.left, 23);  // (97 - 50) / 2
  EXPECT_EQ(tall.thumbnail.width, 50);
  EXPECT_EQ(tall.thumbnail.height, 80);
}

TEST(Navigator, VisibleRectangleFollowsScrollAndZoom) {
  const NavigatorGeometry g = navigatorGeometry(1600000, 1000000, {0.001, 400, 200}, {800, 600});
  EXPECT_EQ(g.visible.left, 8 + 20);  // 400 / 0.001 / 20000
  EXPECT_EQ(g.visible.top, kNavigatorTop + 10);
  EXPECT_EQ(g.visible.width, 40);
  EXPECT_EQ(g.visible.height, 30);
}

TEST(Navigator, DraggingScrollsAndStaysInsideTheThumbnail) {
  const ViewTransform v{0.001, 400, 200};
  const NavigatorGeometry g = navigatorGeometry(1600000, 1000000, v, {800, 600});
  struct Case {
    double left, top;
    std::int64_t scrollX, scrollY;
  };
  const Case cases[] = {{18, kNavigatorTop + 5, 200, 100},
                        {0, 0, 0, 0},
                        {100, 100, 800, 400}};  // kept at 48, 28: 40 and 20 thumbnail pixels in
  for (const Case& c : cases) {
    const ViewTransform moved = navigatorDrag(g, v, c.left, c.top);
    EXPECT_EQ(moved.scrollX, c.scrollX) << c.left;
    EXPECT_EQ(moved.scrollY, c.scrollY) << c.top;
    EXPECT_EQ(moved.zoom, v.zoom);
  }
}

}  // namespace
}  // namespace pravelo
