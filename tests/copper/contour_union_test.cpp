#include "copper/contour_union.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clipper.hpp>
#include <random>
#include <tuple>

#include "copper/grow.h"
#include "copper/object_contours.h"
#include "copper/segment_outline.h"
#include "copper/signed_area.h"
#include "geometry/text_strokes.h"

namespace pravelo {
namespace {

Contour square(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
  return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

TObjekt strokeText(FPoint anchor, const char* content, std::int32_t height, std::int32_t thickness,
                   std::int32_t rotation) {
  TObjekt text = newObject();
  initText(text, anchor, content, 0, 0, kLayerC1, 1, thickness, height, rotation);
  buildTextStrokes(text, false);
  return text;
}

TEST(ContourUnion, SnapsHalfToEvenOnTheTenUnitLattice) {
  ContourList c{{{12345, 12344}, {12355, -12345}, {-12355, 5}}};
  snapContours(c);
  EXPECT_EQ(c[0], (Contour{{12340, 12340}, {12360, -12340}, {-12360, 0}}));
}

TEST(ContourUnion, EveryContourEndsUpTurningRight) {
  ContourList c{square(0, 0, 100, 100),
                {{0, 0}, {0, 100}, {100, 100}, {100, 0}},
                segmentOutline({0, 0}, {5000, 3000}, 2000, false, false)};
  orientContours(c);
  for (const Contour& contour : c) EXPECT_LT(signedArea(contour), 0);
}

TEST(ContourUnion, OverlappingSquaresGiveOneLoop) {
  const ContourList loops = unionLoops({square(0, 0, 100, 100), square(50, 50, 150, 150)});
  ASSERT_EQ(loops.size(), 1u);
  EXPECT_EQ(signedArea(loops[0]), -17500);
}

TEST(ContourUnion, RingOfBarsGivesAnOuterAndAnInnerLoop) {
  const ContourList loops = unionLoops({square(0, 0, 400, 100), square(300, 0, 400, 400),
                                        square(0, 300, 400, 400), square(0, 0, 100, 400)});
  ASSERT_EQ(loops.size(), 2u);
  EXPECT_EQ(signedArea(loops[0]), -160000);  // clockwise around the copper
  EXPECT_EQ(signedArea(loops[1]), 40000);    // anticlockwise around the hole
}

TEST(ContourUnion, CrossingTracksGiveOneLoopAroundBoth) {
  const ContourList loops =
      unionLoops({segmentOutline({0, 0}, {100000, 0}, 4000, false, false),
                  segmentOutline({50000, -50000}, {50000, 50000}, 4000, false, false)});
  ASSERT_EQ(loops.size(), 1u);
  EXPECT_LT(signedArea(loops[0]), 0);
}

TEST(ContourUnion, TraceStopsAtEarlierWalks) {
  ContourList c{square(0, 0, 100, 100)};
  UnionGraph graph = buildUnionGraph(c);
  const auto loop = traceLoop(graph, 2);
  ASSERT_TRUE(loop.has_value());
  EXPECT_EQ(loop->size(), 4u);
  EXPECT_FALSE(traceLoop(graph, 0).has_value());
  EXPECT_FALSE(traceLoop(graph, 7).has_value());
}

// A walk cut off before it closes must not come out as a loop: the milling output would close
// the open path with a straight cut.
TEST(ContourUnion, AWalkCutOffBeforeItClosesGivesNoLoop) {
  // Two overlapping squares: node 0 lies on the walk round their union.
  ContourList crossed{square(0, 0, 100, 100), square(50, 50, 150, 150)};
  orientContours(crossed);
  insertIntersections(crossed);
  UnionGraph whole = buildUnionGraph(crossed);
  const auto full = traceLoop(whole, 0);
  ASSERT_TRUE(full.has_value());
  ASSERT_EQ(full->size(), 8u);
  EXPECT_EQ(signedArea(*full), -17500);
  // The closing step is the eighth.
  for (std::size_t limit = 0; limit <= 8; ++limit) {
    UnionGraph graph = buildUnionGraph(crossed);
    const auto loop = traceLoop(graph, 0, limit);
    if (limit < 8) {
      EXPECT_FALSE(loop.has_value()) << "limit " << limit;
    } else {
      EXPECT_EQ(loop, full);
    }
  }
}

TEST(ContourUnion, CoincidentNodesShareTheirSuccessors) {
  const UnionGraph graph = buildUnionGraph({square(0, 0, 100, 100), square(100, 0, 200, 100)});
  ASSERT_EQ(graph.nodes.size(), 8u);
  // (100, 0) is node 1 of the first square and node 4 of the second.
  const auto successors = [&](int node) {
    const std::span<const int> s = successorsOf(graph, node);
    return std::vector<int>(s.begin(), s.end());
  };
  EXPECT_EQ(successors(1), (std::vector<int>{2, 5}));
  EXPECT_EQ(successors(4), (std::vector<int>{5, 2}));
  EXPECT_EQ(graph.nodes[4].previous, 7);
}

// The plain pairwise form of the intersection step: every pair of contours whose bounds
// (widened by a unit) meet, every pair of their edges, each crossing queued on both start
// nodes after the queued points that are not farther from the start node.
ContourList pairwiseIntersections(ContourList contours) {
  std::vector<std::vector<std::vector<IPoint>>> queues(contours.size());
  for (std::size_t i = 0; i < contours.size(); ++i) queues[i].resize(contours[i].size());
  auto enqueue = [&](std::size_t c, std::size_t e, IPoint p) {
    const IPoint s = contours[c][e];
    auto far = [&](IPoint q) { return std::llabs(q.x - s.x) + std::llabs(q.y - s.y); };
    auto& q = queues[c][e];
    auto at = q.begin();
    while (at != q.end() && far(*at) <= far(p)) ++at;
    q.insert(at, p);
  };
  for (std::size_t i = 0; i < contours.size(); ++i) {
    for (std::size_t j = i + 1; j < contours.size(); ++j) {
      const TRect a = contourBounds(contours[i]);
      const TRect b = contourBounds(contours[j]);
      if (!rectsIntersect({a.left - 1, a.top - 1, a.right + 1, a.bottom + 1},
                          {b.left - 1, b.top - 1, b.right + 1, b.bottom + 1})) {
        continue;
      }
      const Contour& ci = contours[i];
      const Contour& cj = contours[j];
      for (std::size_t ea = 0; ea < ci.size(); ++ea) {
        for (std::size_t eb = 0; eb < cj.size(); ++eb) {
          if (auto p = edgeCrossing(ci[ea], ci[(ea + 1) % ci.size()], cj[eb],
                                    cj[(eb + 1) % cj.size()])) {
            enqueue(i, ea, *p);
            enqueue(j, eb, *p);
          }
        }
      }
    }
  }
  for (std::size_t i = 0; i < contours.size(); ++i) {
    Contour merged;
    for (std::size_t e = 0; e < contours[i].size(); ++e) {
      merged.push_back(contours[i][e]);
      merged.insert(merged.end(), queues[i][e].begin(), queues[i][e].end());
    }
    Contour kept;
    for (const IPoint& p : merged) {
      if (kept.empty() || kept.back() != p) kept.push_back(p);
    }
    while (kept.size() > 1 && kept.back() == kept.front()) kept.pop_back();
    contours[i] = kept;
  }
  return contours;
}

// --- Property: the union's area equals an independent clipping library's. ---

// Whether a point lies inside any of the contours (crossing parity per contour).
bool covered(const ContourList& contours, double x, double y) {
  for (const Contour& c : contours) {
    bool inside = false;
    for (std::size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
      if ((c[i].y > y) != (c[j].y > y) && x < (static_cast<double>(c[j].x) - c[i].x) *
                                                      (y - c[i].y) /
                                                      (static_cast<double>(c[j].y) - c[i].y) +
                                                  c[i].x) {
        inside = !inside;
      }
    }
    if (inside) return true;
  }
  return false;
}

bool byXy(IPoint a, IPoint b) { return std::tie(a.x, a.y) < std::tie(b.x, b.y); }

// Traced loops include walks inside copper or inside gaps; a real boundary has copper on its
// right and none on its left.
bool isBoundary(const Contour& loop, const ContourList& contours) {
  std::size_t longest = 0;
  double length = -1;
  for (std::size_t i = 0; i < loop.size(); ++i) {
    const IPoint a = loop[i];
    const IPoint b = loop[(i + 1) % loop.size()];
    const double l = std::hypot(b.x - a.x, b.y - a.y);
    if (l > length) {
      length = l;
      longest = i;
    }
  }
  if (length <= 0) return false;
  const IPoint a = loop[longest];
  const IPoint b = loop[(longest + 1) % loop.size()];
  const double mx = (a.x + b.x) / 2.0;
  const double my = (a.y + b.y) / 2.0;
  const double rx = (b.y - a.y) / length * 3;
  const double ry = -(b.x - a.x) / length * 3;
  return covered(contours, mx + rx, my + ry) && !covered(contours, mx - rx, my - ry);
}

double oracleArea(const ContourList& contours) {
  ClipperLib::Paths paths;
  for (const Contour& c : contours) {
    ClipperLib::Path path;
    for (const IPoint& p : c) path.push_back({p.x, p.y});
    // Every contour counts as copper, whichever way round it runs.
    if (!ClipperLib::Orientation(path)) ClipperLib::ReversePath(path);
    paths.push_back(path);
  }
  ClipperLib::Clipper clipper;
  clipper.AddPaths(paths, ClipperLib::ptSubject, true);
  ClipperLib::Paths solution;
  clipper.Execute(ClipperLib::ctUnion, solution, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
  double area = 0;
  for (const ClipperLib::Path& p : solution) area += ClipperLib::Area(p);
  return area;
}

// Half of the layouts put every coordinate on a 0.2 mm grid, as a routed board does: there
// tracks share end points and caps, and edges meet at vertices. Texts bring the zero-length
// strokes of dots.
std::vector<TObjekt> randomLayout(std::mt19937& random) {
  std::uniform_real_distribution<float> anywhere(0, 60000);
  const bool grid = random() % 2 == 0;
  auto at = [&](std::mt19937& r) {
    const float v = anywhere(r);
    return grid ? std::nearbyint(v / 2000) * 2000 : v;
  };
  std::vector<TObjekt> objects;
  const int n = 3 + static_cast<int>(random() % 10);
  for (int i = 0; i < n; ++i) {
    TObjekt o = newObject();
    switch (random() % 5) {
      case 0:
      case 1:
        initTrack(o, 1000 + static_cast<std::int32_t>(random() % 6000), kLayerC1);
        for (int k = 0; k < 2 + static_cast<int>(random() % 3); ++k)
          o.points.push_back({at(random), at(random)});
        break;
      case 2:
        initPad(o, {at(random), at(random)}, kLayerC1, static_cast<std::uint8_t>(1 + random() % 9),
                500, 2000 + at(random) / 10);
        break;
      case 3:
        initCircle(o, {at(random), at(random)}, 8000 + static_cast<std::int32_t>(random() % 8000),
                   kLayerC1, 4000);
        o.paramA = static_cast<std::int32_t>(random() % 360) * 1000;
        o.width = static_cast<std::int32_t>(random() % 360) * 1000;
        break;
      default: {
        static const char* const kContents[] = {".", "i", ":", "i.j", "1:2", "Ai!"};
        o = strokeText({at(random), at(random)}, kContents[random() % 6],
                       5000 + static_cast<std::int32_t>(random() % 20000),
                       static_cast<std::int32_t>(random() % 3),
                       static_cast<std::int32_t>(random() % 8) * 45);
        break;
      }
    }
    objects.push_back(o);
  }
  return objects;
}

TEST(ContourUnion, IntersectionsMatchThePairwiseSteps) {
  std::mt19937 random(11);
  for (int round = 0; round < 60; ++round) {
    ContourList contours;
    for (const TObjekt& o : randomLayout(random)) {
      for (Contour& c : objectContours(o, 0)) contours.push_back(std::move(c));
    }
    snapContours(contours);
    orientContours(contours);
    ContourList swept = contours;
    insertIntersections(swept);
    ContourList pairwise = pairwiseIntersections(contours);
    for (ContourList again = pairwiseIntersections(pairwise); again != pairwise;
         again = pairwiseIntersections(pairwise)) {
      pairwise = again;
    }
    EXPECT_EQ(swept, pairwise) << "round " << round;
  }
}

// The area inside the traced loops that are real boundaries, each distinct loop counted once.
double boundaryArea(const ContourList& loops, const ContourList& snapped, int& boundaries) {
  double area = 0;
  std::vector<Contour> seen;
  for (const Contour& loop : loops) {
    // Identical contours (a track drawn twice) trace the same loop twice.
    Contour start = loop;
    std::rotate(start.begin(), std::min_element(start.begin(), start.end(), byXy), start.end());
    if (std::find(seen.begin(), seen.end(), start) != seen.end()) continue;
    seen.push_back(start);
    if (!isBoundary(loop, snapped)) continue;
    area -= signedArea(loop);
    ++boundaries;
  }
  return area;
}

TEST(ContourUnion, AreaMatchesAnIndependentUnion) {
  std::mt19937 random(2024);
  int boundaries = 0;
  for (int round = 0; round < 300; ++round) {
    ContourList contours;
    for (const TObjekt& o : randomLayout(random)) {
      for (Contour& c : objectContours(o, 0)) contours.push_back(std::move(c));
    }
    ContourList snapped = contours;
    snapContours(snapped);
    const double area = boundaryArea(unionLoops(contours), snapped, boundaries);
    const double expected = oracleArea(snapped);
    EXPECT_NEAR(area, expected, expected * 1e-4) << "round " << round;
  }
  EXPECT_GT(boundaries, 150);
}

// A dot is a zero-length stroke, whose capsule repeats a node where its caps meet. The union of
// a layer grown for milling must still go clockwise round every island.
TEST(ContourUnion, TextsWithDotsKeepTheirIslands) {
  TObjekt pad = newObject();
  initPad(pad, {0, 0}, kLayerC1, kPadRoundedV, 4000, 8000);
  std::vector<TObjekt> dots;
  for (int k = 0; k < 6; ++k) {
    dots.push_back(strokeText({k * 20000.0F, 3.0F + k}, ".", 10000, 1, 0));
  }
  const struct {
    const char* name;
    std::vector<TObjekt> objects;
    std::size_t islands;
  } cases[] = {
      {"oval pad and i", {pad, strokeText({-10000, -24000}, "i", 20000, 1, 0)}, 1},
      {"six dots", dots, 6},
  };
  for (const auto& c : cases) {
    ContourList contours;
    for (const TObjekt& o : c.objects) {
      for (Contour& contour : objectContours(grownCopy(o, 4000), 0)) {
        contours.push_back(std::move(contour));
      }
    }
    ContourList snapped = contours;
    snapContours(snapped);
    const ContourList loops = unionLoops(contours);
    const auto clockwise = std::count_if(loops.begin(), loops.end(),
                                         [](const Contour& l) { return signedArea(l) < 0; });
    EXPECT_EQ(static_cast<std::size_t>(clockwise), c.islands) << c.name;
    int boundaries = 0;
    const double expected = oracleArea(snapped);
    EXPECT_NEAR(boundaryArea(loops, snapped, boundaries), expected, expected * 1e-4) << c.name;
  }
}

}  // namespace
}  // namespace pravelo
