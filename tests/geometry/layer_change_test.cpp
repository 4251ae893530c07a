#include "geometry/layer_change.h"

#include <gtest/gtest.h>

#include <vector>

#include "geometry/component_side.h"
#include "geometry/text_strokes.h"

namespace pravelo {
namespace {

TEST(OtherSideLayer, SwapsTopAndBottomOnly) {
  const int expected[] = {0, kLayerC2, kLayerS2, kLayerC1, kLayerS1, kLayerI1, kLayerI2, kLayerO};
  for (int layer = 1; layer <= kLayerCount; ++layer) {
    EXPECT_EQ(otherSideLayer(layer), expected[layer]) << layer;
  }
}

TObjekt flaggedPad() {
  TObjekt pad = newObject();
  initPad(pad, {0, 0}, kLayerC1, kPadCircular, 3000, 8000);
  pad.via = 1;
  pad.optB = 1;
  pad.cutout = 1;
  pad.maskOnly = 1;
  return pad;
}

TEST(SetObjectLayer, FlagsFollowTheLayer) {
  // clang-format off
  const struct { std::uint8_t layer; bool copper; bool maskOnly; } cases[] = {
    {kLayerC1, true, true}, {kLayerC2, true, true}, {kLayerI1, true, false},
    {kLayerS1, false, false}, {kLayerS2, false, false}, {kLayerO, false, false},
  };
  // clang-format on
  for (const auto& c : cases) {
    TObjekt pad = flaggedPad();
    setObjectLayer(pad, c.layer);
    EXPECT_EQ(pad.layer, c.layer);
    EXPECT_EQ(pad.via, c.copper ? 1 : 0) << +c.layer;
    EXPECT_EQ(pad.optB, c.copper ? 1 : 0) << +c.layer;
    EXPECT_EQ(pad.cutout, c.copper ? 1 : 0) << +c.layer;
    EXPECT_EQ(pad.maskOnly, c.maskOnly ? 1 : 0) << +c.layer;
  }
}

TEST(SetObjectLayer, ZonesKeepTheirHatchAndTextStrokesFollow) {
  TObjekt zone = newObject();
  initZone(zone, 1000, kLayerC1);
  zone.optB = 1;  // hatched, not thermal
  setObjectLayer(zone, kLayerS1);
  EXPECT_EQ(zone.optB, 1);

  TObjekt text = newObject();
  initText(text, {0, 0}, "A", 0, 0, kLayerS1, 1, 1, 10000, 0);
  buildTextStrokes(text, false);
  setObjectLayer(text, kLayerS2);
  for (const TObjekt& stroke : text.children) EXPECT_EQ(stroke.layer, kLayerS2);
}

TObjekt member(Kind kind, int layer) {
  TObjekt o = newObject();
  o.kind = kind;
  o.layer = static_cast<std::uint8_t>(layer);
  return o;
}

TEST(ComponentSide, SilkscreenDecidesThenCopperBySolderingSide) {
  // clang-format off
  const struct { std::vector<TObjekt> members; bool top; } cases[] = {
    {{member(kText, kLayerS1), member(kPad, kLayerC2)}, true},
    {{member(kText, kLayerS2), member(kSmdPad, kLayerC1)}, false},
    // Silkscreen on both sides: the copper decides.
    {{member(kText, kLayerS1), member(kText, kLayerS2), member(kSmdPad, kLayerC1)}, true},
    // Through-hole parts are soldered on the bottom.
    {{member(kPad, kLayerC2)}, true},
    {{member(kPad, kLayerC1)}, false},
    {{member(kSmdPad, kLayerC2)}, false},
    {{member(kPad, kLayerC1), member(kPad, kLayerC2)}, false},
    {{member(kZone, kLayerO)}, false},
  };
  // clang-format on
  for (const auto& c : cases) {
    std::vector<const TObjekt*> members;
    for (const TObjekt& o : c.members) members.push_back(&o);
    EXPECT_EQ(componentOnTopSide(members), c.top) << &c - cases;
  }
}

}  // namespace
}  // namespace pravelo
