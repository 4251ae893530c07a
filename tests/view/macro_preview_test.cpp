#include "view/macro_preview.h"

#include <gtest/gtest.h>

#include "support/sample_layout.h"

namespace pravelo {
namespace {

ObjectList padAndLabel() {
  ObjectList m;
  TObjekt pad = newObject();
  initPad(pad, {0, 0}, kLayerC1, kPadCircular, 4000, 9000);
  m.push_back(std::make_unique<TObjekt>(std::move(pad)));
  TObjekt id = testing::textWithStroke("R1", {0, 30000}, kLayerS1);
  id.variant = kComponentIdText;
  id.componentId = 1;
  id.optA = 1;
  m.push_back(std::make_unique<TObjekt>(std::move(id)));
  return m;
}

int pixelsUnlike(const Frame& frame, Rgb background) {
  int count = 0;
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x) count += frame.at(x, y) == background ? 0 : 1;
  }
  return count;
}

TEST(MacroPreview, FitsTheExtentInsideTheMarginCentred) {
  const auto view = macroPreviewView({-1000, -500, 1000, 500}, 220, 120);
  ASSERT_TRUE(view.has_value());
  EXPECT_DOUBLE_EQ(view->zoom, 0.1);  // 2000 units across 200 pixels, 1000 up 100
  EXPECT_DOUBLE_EQ(screenX(*view, -1000), 10);
  EXPECT_DOUBLE_EQ(screenX(*view, 1000), 210);
  // Degenerate extents: a point or a line still gets a picture, nothing at all none.
  EXPECT_TRUE(macroPreviewView({5, 5, 5, 5}, 100, 100).has_value());
  EXPECT_TRUE(macroPreviewView({0, 7, 4000, 7}, 100, 100).has_value());
  EXPECT_FALSE(macroPreviewView({}, 100, 100).has_value());
  EXPECT_FALSE(macroPreviewView({0, 0, 10, 10}, 20, 100).has_value());
}

TEST(MacroPreview, AMacroWithEverythingHiddenGivesTheBareBackground) {
  const ColourScheme scheme = standardScheme();
  ObjectList m = padAndLabel();
  EXPECT_GT(pixelsUnlike(renderMacroPreview(m, scheme, 120, 90), scheme.background()), 0);
  m.erase(m.begin());
  m[0]->optA = 0;  // the only object left is a hidden label
  EXPECT_EQ(pixelsUnlike(renderMacroPreview(m, scheme, 120, 90), scheme.background()), 0);
  EXPECT_EQ(pixelsUnlike(renderMacroPreview({}, scheme, 120, 90), scheme.background()), 0);
}

}  // namespace
}  // namespace pravelo
