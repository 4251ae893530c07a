#include "manufacturing/track_join.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace pravelo {
namespace {

class JoinList {
 public:
  TObjekt& track(std::vector<FPoint> points, std::int32_t width = 2000,
                 std::uint8_t layer = kLayerC1) {
    TObjekt t = newObject();
    initTrack(t, width, layer);
    for (FPoint p : points) addPoint(t, p);
    objects.push_back(std::make_unique<TObjekt>(std::move(t)));
    return *objects.back();
  }
  TObjekt& arc(std::int32_t start, std::int32_t stop, std::uint8_t layer = kLayerC1,
               float radius = 10000) {
    TObjekt c = newObject();
    initCircle(c, {0, 0}, static_cast<std::int32_t>(radius) + 500, layer,
               static_cast<std::int32_t>(radius) - 500);
    c.paramA = start;
    c.width = stop;
    objects.push_back(std::make_unique<TObjekt>(std::move(c)));
    return *objects.back();
  }
  ObjectList objects;
};

struct JoinCase {
  const char* name;
  std::vector<FPoint> second;
  std::vector<FPoint> joined;
};

TEST(TrackJoin, EachOfTheFourEndPairings) {
  // The first track runs from (0,0) to (10,0).
  // clang-format off
  const JoinCase cases[] = {
    {"first meets first", {{0, 0}, {0, 10}, {0, 20}}, {{0, 20}, {0, 10}, {0, 0}, {10, 0}}},
    {"first meets last", {{0, 20}, {0, 10}, {0, 0}}, {{0, 20}, {0, 10}, {0, 0}, {10, 0}}},
    {"last meets first", {{10, 0}, {20, 0}, {30, 5}}, {{0, 0}, {10, 0}, {20, 0}, {30, 5}}},
    {"last meets last", {{30, 5}, {20, 0}, {10, 0}}, {{0, 0}, {10, 0}, {20, 0}, {30, 5}}},
    {"rounded ends meet", {{10.4f, 0.3f}, {20, 0}}, {{0, 0}, {10, 0}, {20, 0}}},
  };
  // clang-format on
  for (const JoinCase& c : cases) {
    SCOPED_TRACE(c.name);
    JoinList list;
    list.track({{0, 0}, {10, 0}});
    list.track(c.second);
    optimizeConnectedTracks(list.objects);
    ASSERT_EQ(list.objects.size(), 1u);
    EXPECT_EQ(list.objects[0]->points, c.joined);
  }
}

TEST(TrackJoin, OnlySameWidthAndLayerJoin) {
  JoinList list;
  list.track({{0, 0}, {10, 0}});
  list.track({{10, 0}, {20, 0}}, 3000);
  list.track({{10, 0}, {20, 0}}, 2000, kLayerC2);
  optimizeConnectedTracks(list.objects);
  EXPECT_EQ(list.objects.size(), 3u);
}

TEST(TrackJoin, ChainsInAnyOrderBecomeOnePolyline) {
  // Segments of one line, listed shuffled and turned either way.
  JoinList list;
  const int order[] = {5, 2, 8, 0, 7, 3, 9, 1, 6, 4};
  for (int i : order) {
    const FPoint a{float(10 * i), 0};
    const FPoint b{float(10 * i + 10), 0};
    if (i % 2 == 0) {
      list.track({a, b});
    } else {
      list.track({b, a});
    }
  }
  optimizeConnectedTracks(list.objects);
  ASSERT_EQ(list.objects.size(), 1u);
  const std::vector<FPoint>& p = list.objects[0]->points;
  ASSERT_EQ(p.size(), 11u);
  for (std::size_t k = 1; k < p.size(); ++k) {
    EXPECT_FLOAT_EQ(std::abs(p[k].x - p[k - 1].x), 10.0f);
  }
}

TEST(TrackJoin, CancellingStopsTheTrackPhaseWithNothingLost) {
  JoinList list;
  for (int i = 0; i < 5000; ++i) list.track({{float(i), 0}, {float(i + 1), 0}});
  int asked = 0;
  optimizeConnectedTracks(list.objects, [&] { return ++asked >= 1; });
  EXPECT_GE(asked, 1);
  EXPECT_GT(list.objects.size(), 1u);
  std::size_t points = 0;
  for (const auto& o : list.objects) points += o->points.size() - 1;
  EXPECT_EQ(points, 5000u);  // every segment still there
}

TEST(TrackJoin, ArcsThatContinueEachOtherOnOneLayer) {
  JoinList list;
  list.arc(0, 90000);
  list.arc(90002, 180000);
  list.arc(270000, 359998);
  list.arc(180000, 270000, kLayerC2);  // another layer: stays apart
  list.arc(0, 0);                      // a full circle stays as it is
  optimizeConnectedTracks(list.objects);
  ASSERT_EQ(list.objects.size(), 3u);
  EXPECT_EQ(list.objects[0]->paramA, 270000);
  EXPECT_EQ(list.objects[0]->width, 180000);
  EXPECT_EQ(list.objects[1]->layer, kLayerC2);
  EXPECT_EQ(list.objects[2]->paramA, 0);
  EXPECT_EQ(list.objects[2]->width, 0);
}

}  // namespace
}  // namespace pravelo
