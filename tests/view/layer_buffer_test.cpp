#include "view/layer_buffer.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

// Every pixel of `frame` has this colour and is opaque.
::testing::AssertionResult allPixels(const Frame& frame, Rgb expected) {
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x) {
      if (frame.at(x, y) != expected || frame.row(y)[4 * x + 3] != 255) {
        return ::testing::AssertionFailure() << "pixel " << x << "," << y;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// Frames of an odd pixel count and smaller than the merge's blocks have a tail of their own.
TEST(LayerBuffer, OverlapsCountOnceAndTheBufferEmptiesOnMerge) {
  struct Case {
    Blend blend;
    Rgb below;
    Rgb result;
  };
  const Case cases[] = {{Blend::Add, {100, 0, 200}, {255, 50, 255}},
                        {Blend::Subtract, {255, 255, 255}, {200, 50, 100}},
                        {Blend::Subtract, {100, 0, 200}, {45, 0, 45}}};
  for (const auto& [width, height] : {std::pair{5, 3}, std::pair{41, 9}}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(width);
      Frame frame(width, height);
      Canvas(frame, true).clear(c.below);
      LayerBuffer layer(width, height, true, c.blend);
      const Paint paint = layer.paint({200, 50, 100});
      layer.canvas().fillRect(0, 0, width, height, paint);
      layer.canvas().fillRect(0, 0, width, height, paint);
      layer.mergeInto(frame);
      EXPECT_TRUE(allPixels(frame, c.result));
      layer.mergeInto(frame);
      EXPECT_TRUE(allPixels(frame, c.result)) << "merged twice";
    }
  }
}

}  // namespace
}  // namespace pravelo
