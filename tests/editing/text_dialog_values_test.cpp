#include "editing/text_dialog_values.h"

#include <gtest/gtest.h>

namespace pravelo {
namespace {

TEST(TextHeightLimit, RaisesToTheLeastHeightOfEachThickness) {
  // clang-format off
  const struct { double mm; int thickness; double limited; } cases[] = {
      {1.0, 0, 2.5}, {2.4, 0, 2.5}, {3.0, 0, 3.0},
      {1.0, 1, 1.5}, {1.5, 1, 1.5}, {2.0, 1, 2.0},
      {0.1, 2, 1.0}, {1.2, 2, 1.2},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(limitedTextHeight(c.mm, c.thickness), c.limited)
        << c.mm << " mm, thickness " << c.thickness;
  }
}

TEST(TextDialogValues, NormalisingKeepsEveryFieldInItsRangeAndLimitsOnlyWhenAsked) {
  TextDialogValues v;
  v.heightMm = 80;
  v.thickness = 5;
  v.style = -1;
  v.rotation = 400;
  v.startNumber = 12345;
  const TextDialogValues n = normaliseTextDialogValues(v, false);
  EXPECT_DOUBLE_EQ(n.heightMm, 50);
  EXPECT_EQ(n.thickness, 2);
  EXPECT_EQ(n.style, 0);
  EXPECT_EQ(n.rotation, 359);
  EXPECT_EQ(n.startNumber, 9999);

  v = TextDialogValues{};
  v.heightMm = 0.5;
  v.thickness = 0;
  EXPECT_DOUBLE_EQ(normaliseTextDialogValues(v, false).heightMm, 0.5);
  EXPECT_DOUBLE_EQ(normaliseTextDialogValues(v, true).heightMm, 2.5);
}

TEST(TextDialogValues, StoredInATextAndReadBackUnchanged) {
  TextDialogValues v;
  v.text =
      "Gr\xF6\xDF"
      "e";  // Windows-1252, as the object keeps it
  v.heightMm = 1.2345;
  v.thickness = 0;
  v.style = 2;
  v.rotation = 270;
  v.mirrorHorizontal = true;
  TObjekt text = newTextObject(v, v.text, {10, -20}, kLayerS2);
  EXPECT_EQ(text.kind, kText);
  EXPECT_FLOAT_EQ(text.dim.x, 12345);
  EXPECT_EQ(text.optB, 1);
  EXPECT_EQ(text.optC, 0);
  const TextDialogValues back = textDialogValuesOf(text);
  EXPECT_EQ(back.text, v.text);
  EXPECT_EQ(back.heightMm, 1.2345);
  EXPECT_EQ(back.thickness, 0);
  EXPECT_EQ(back.style, 2);
  EXPECT_EQ(back.rotation, 270);
  EXPECT_TRUE(back.mirrorHorizontal);
  EXPECT_FALSE(back.mirrorVertical);

  v.mirrorVertical = true;
  v.rotation = 0;
  storeTextDialogValues(text, v);
  EXPECT_EQ(text.optC, 1);
  EXPECT_EQ(text.paramB, 0);
}

}  // namespace
}  // namespace pravelo
