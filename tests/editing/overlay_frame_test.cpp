#include "editing/overlay_frame.h"

#include <gtest/gtest.h>

namespace pravelo::testing {
namespace {

constexpr Rgb kGround{10, 20, 30};
constexpr Rgb kNewObject{200, 0, 0};

Frame filled(int w, int h, Rgb c) {
  Frame f(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::uint8_t* p = f.row(y) + 4 * x;
      p[0] = c.r;
      p[1] = c.g;
      p[2] = c.b;
      p[3] = 255;
    }
  }
  return f;
}

void paintPart(Frame& f, const PixelRect& part, Rgb c) {
  for (int y = part.y; y < part.y + part.height; ++y) {
    for (int x = part.x; x < part.x + part.width; ++x) {
      std::uint8_t* p = f.row(y) + 4 * x;
      p[0] = c.r;
      p[1] = c.g;
      p[2] = c.b;
    }
  }
}

// The crosshair with its coordinate box at pixel (50, 40) of a 200 x 100 view.
OverlayFigure crosshairAt50x40() {
  CrosshairOverlay o;
  showAt(o, {50000, -40000});
  OverlayContext ctx;
  ctx.view.zoom = 0.001;
  ctx.width = 200;
  ctx.height = 100;
  ctx.boxTextWidth = 60;
  return overlayFigure(o, ctx);
}

TEST(OverlayFrame, DrawsOverACopyThatErasingShowsAgain) {
  const Frame picture = filled(200, 100, kGround);
  OverlayFrame overlay;
  const Frame& drawn = overlay.draw(picture, crosshairAt50x40());
  EXPECT_EQ(drawn.at(50, 10), (Rgb{255, 255, 255}));   // the vertical line
  EXPECT_EQ(drawn.at(150, 40), (Rgb{255, 255, 255}));  // the horizontal line
  EXPECT_NE(drawn.at(80, 70), kGround);                // the box
  EXPECT_EQ(drawn.at(20, 90), kGround);
  ASSERT_TRUE(overlay.snapshot());
  EXPECT_EQ(overlay.snapshot()->pixels, picture.pixels);
}

TEST(OverlayFrame, PartialRepaintReachesTheSnapshot) {
  Frame picture = filled(200, 100, kGround);
  OverlayFrame overlay;
  overlay.draw(picture, crosshairAt50x40());
  // An object appears away from the overlay's lines; only its pixels are drawn anew.
  const PixelRect part{150, 70, 20, 20};
  paintPart(picture, part, kNewObject);
  overlay.refresh(picture, part);
  const Frame& drawn = overlay.draw(picture, crosshairAt50x40());
  EXPECT_EQ(drawn.at(160, 80), kNewObject);
  EXPECT_EQ(overlay.snapshot()->pixels, picture.pixels);
}

TEST(OverlayFrame, FullRepaintTakesANewSnapshot) {
  Frame picture = filled(200, 100, kGround);
  OverlayFrame overlay;
  overlay.draw(picture, crosshairAt50x40());
  picture = filled(200, 100, kNewObject);
  overlay.discard();
  EXPECT_FALSE(overlay.hasSnapshot());
  EXPECT_EQ(overlay.draw(picture, crosshairAt50x40()).at(20, 90), kNewObject);
  // A view of another size never uses the old snapshot.
  const Frame wider = filled(300, 100, kGround);
  EXPECT_EQ(overlay.draw(wider, crosshairAt50x40()).at(250, 90), kGround);
}

}  // namespace
}  // namespace pravelo::testing
