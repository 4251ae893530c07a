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

// The board point in the middle of the drawing area lies in the thumbnail in the middle of the
// visible-area rectangle, also when the view shows the board mirrored; after a drag the view
// shows in its middle the board point under the rectangle's middle.
TEST(Navigator, RectangleAndThumbnailShowTheSamePartAsTheView) {
  const PixelSize viewport{800, 600};
  struct Case {
    const char* what;
    ViewTransform shown;
  };
  const Case cases[] = {{"plain", {0.001, 400, 200, false, 1600000}},
                        {"mirrored", {0.001, 400, 200, true, 1600000}},
                        {"mirrored, zoomed", {0.0037, 2100, 900, true, 1600000}}};
  const auto panelMiddle = [](const PanelRect& r) {
    return DPoint{r.left + r.width / 2, r.top + r.height / 2};
  };
  const auto viewMiddle = [&](const ViewTransform& v) {
    return screenToWorld(v, {viewport.width / 2.0, viewport.height / 2.0});
  };
  for (const Case& c : cases) {
    const NavigatorGeometry g = navigatorGeometry(1600000, 1000000, c.shown, viewport);
    const ViewTransform thumbnail = navigatorThumbnailView(g, c.shown);
    const auto inPanel = [&](DPoint world) {
      const DPoint p = worldToScreen(thumbnail, world);
      return DPoint{p.x + g.thumbnail.left, p.y + g.thumbnail.top};
    };
    const DPoint middle = inPanel(viewMiddle(c.shown));
    EXPECT_NEAR(middle.x, panelMiddle(g.visible).x, 1e-6) << c.what;
    EXPECT_NEAR(middle.y, panelMiddle(g.visible).y, 1e-6) << c.what;

    const ViewTransform moved = navigatorDrag(g, c.shown, g.thumbnail.left + 9, kNavigatorTop + 4);
    const NavigatorGeometry after = navigatorGeometry(1600000, 1000000, moved, viewport);
    const DPoint rectangle = panelMiddle(after.visible);
    const DPoint under =
        screenToWorld(thumbnail, {rectangle.x - g.thumbnail.left, rectangle.y - g.thumbnail.top});
    EXPECT_NEAR(viewMiddle(moved).x, under.x, 1 / moved.zoom) << c.what;
    EXPECT_NEAR(viewMiddle(moved).y, under.y, 1 / moved.zoom) << c.what;
  }
}

}  // namespace
}  // namespace pravelo
