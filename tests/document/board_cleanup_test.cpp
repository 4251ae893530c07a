#include "document/board_cleanup.h"

#include <gtest/gtest.h>

#include "support/sample_layout.h"

namespace pravelo {
namespace {

using testing::add;
using testing::connect;
using testing::strokeTrack;

TObjekt pad(std::uint8_t layer) {
  TObjekt o = newObject();
  initPad(o, {0, 0}, layer, kPadCircular, 100, 200);
  return o;
}

TEST(BoardCleanUp, RemovesWhatCannotBeDrawnAndUnlinksIt) {
  Board b;
  TObjekt* keep = add(b, pad(kLayerC1));
  TObjekt* badLayer = add(b, pad(9));
  TObjekt badKind = pad(kLayerC1);
  badKind.kind = 9;
  TObjekt* kindNine = add(b, std::move(badKind));
  connect(keep, badLayer);
  connect(keep, kindNine);
  add(b, pad(0));
  TObjekt zeroKind = newObject();
  zeroKind.layer = kLayerC1;
  add(b, std::move(zeroKind));
  TObjekt shortTrack = strokeTrack(0, 0, 1, 1, kLayerC1);
  shortTrack.points.pop_back();
  add(b, std::move(shortTrack));
  TObjekt zone = newObject();
  initZone(zone, 0, kLayerC1);
  addPoint(zone, {0, 0});
  add(b, std::move(zone));
  TObjekt emptyText = newObject();
  initText(emptyText, {0, 0}, "no strokes", 0, 0, kLayerS1, 1, 1, 1000, 0);
  add(b, std::move(emptyText));
  TObjekt route = strokeTrack(0, 0, 1, 1, kLayerC1);
  route.autorouted = 1;
  route.routeEndA = keep;
  route.routeEndB = badLayer;
  TObjekt* routed = add(b, std::move(route));
  TObjekt legacy = newObject();
  legacy.kind = kLegacyText;
  legacy.layer = kLayerS1;
  add(b, std::move(legacy));

  cleanUpBoard(b.objects);
  ASSERT_EQ(b.objects.size(), 3u);
  EXPECT_EQ(b.objects[0].get(), keep);
  EXPECT_EQ(b.objects[1].get(), routed);
  EXPECT_EQ(b.objects[2]->kind, kLegacyText) << "legacy texts have no strokes yet and stay";
  EXPECT_TRUE(keep->connections.empty());
  EXPECT_EQ(routed->routeEndA, keep);
  EXPECT_EQ(routed->routeEndB, nullptr);
}

TEST(BoardCleanUp, ClearsPlatingOnSilkscreenAndRepairsInvertedRings) {
  Board b;
  for (std::uint8_t layer : {kLayerS1, kLayerS2, kLayerC1, kLayerO}) add(b, pad(layer))->via = 1;
  TObjekt ring = newObject();
  initCircle(ring, {0, 0}, 1000, kLayerC1, 3000);
  TObjekt* inverted = add(b, std::move(ring));
  cleanUpBoard(b.objects);
  EXPECT_EQ(b.objects[0]->via, 0);
  EXPECT_EQ(b.objects[1]->via, 0);
  EXPECT_EQ(b.objects[2]->via, 1);
  EXPECT_EQ(b.objects[3]->via, 1) << "the outline layer is left to the pad normalisation";
  EXPECT_EQ(inverted->dim, (FPoint{2001, 1999}));
}

TEST(PadNormalisation, CopperOnlySettingsAndSpokeBytes) {
  Board b;
  TObjekt* onOutline = add(b, pad(kLayerO));
  onOutline->via = onOutline->optB = 1;
  TObjekt* onCopper = add(b, pad(kLayerI2));
  onCopper->via = onCopper->optB = 1;
  onCopper->paramA = 0x00000012;
  TObjekt* perLayer = add(b, pad(kLayerC1));
  perLayer->optA = 1;
  perLayer->paramA = 0x01020304;
  TObjekt smd = newObject();
  initSmdPad(smd, {0, 0}, 10, kLayerS2, 10);
  smd.optB = 1;
  TObjekt* silkSmd = add(b, std::move(smd));

  normalisePads(b.objects);
  EXPECT_EQ(onOutline->via, 0);
  EXPECT_EQ(onOutline->optB, 0);
  EXPECT_EQ(onCopper->via, 1);
  EXPECT_EQ(onCopper->optB, 1);
  EXPECT_EQ(onCopper->paramA, 0x12121212);
  EXPECT_EQ(perLayer->paramA, 0x01020304);
  EXPECT_EQ(silkSmd->optB, 0);
}

}  // namespace
}  // namespace pravelo
