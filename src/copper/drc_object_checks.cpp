// The checks that look at one object, or at pads and the objects over them.
#include <cmath>
#include <optional>

#include "base/units.h"
#include "copper/drc_checks.h"
#include "copper/drc_texts.h"
#include "copper/object_outline.h"
#include "copper/overlap_pairs.h"
#include "copper/polygon_predicates.h"
#include "copper/segment_outline.h"
#include "geometry/layer_presence.h"

namespace pravelo {
namespace {

bool inArea(const DrcRun& run, const TObjekt& o) { return rectsMeet(plainBounds(o), run.area); }

// A through-hole pad on a copper layer with a drill.
bool isDrilledPad(const TObjekt& o) {
  return o.kind == kPad && isCopperLayer(o.layer) && roundHalfEven(o.dim.y) > 0;
}

TRect squareAround(FPoint centre, double radius) {
  return rectFromCorners(centre.x - radius, centre.y - radius, centre.x + radius,
                         centre.y + radius);
}

TRect overlap(const TRect& a, const TRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

// The width a thin-line check compares: a track's width, a circle's ring, a text's stroke.
std::optional<double> lineWidth(const TObjekt& o) {
  switch (o.kind) {
    case kTrack:
      return o.width;
    case kCircle:
      return static_cast<double>(o.dim.x) - o.dim.y;
    case kText:
      if (o.children.empty()) return std::nullopt;
      return o.children.front().width;
    default:
      return std::nullopt;
  }
}

// The marker outlines of a track: one capsule per segment, 0.4 mm wider than the track.
std::vector<DrcOutline> trackMarkers(const TObjekt& o) {
  constexpr double kOutlineGrowth = 4000;
  std::vector<DrcOutline> outlines;
  if (o.kind != kTrack) return outlines;
  for (std::size_t i = 1; i < o.points.size(); ++i) {
    outlines.push_back(segmentMarker(o.points[i - 1], o.points[i], o.width + kOutlineGrowth));
  }
  return outlines;
}

TPolygon32 drillCircle(const TObjekt& pad) {
  const double r = pad.dim.y;
  const IPoint centre{roundToInt32(pad.pos.x), roundToInt32(pad.pos.y)};
  const IPoint start{roundToInt32(pad.pos.x + r), centre.y};
  const int n = static_cast<int>(roundHalfEven(r / 2500)) + 12;
  TPolygon32 polygon;
  for (const IPoint& p : circleOutline(centre, start, n, 2 * r)) {
    addPoint(polygon, toFixedPoint(p.x, p.y, 1));
  }
  return polygon;
}

}  // namespace

void checkDrillDistance(DrcRun& run) {
  const ObjectList& objects = run.board.objects;
  const std::int64_t minimum = run.rules.WBohrungen;
  std::vector<std::optional<TRect>> reach(objects.size());
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const TObjekt& o = *objects[i];
    if (isDrilledPad(o)) reach[i] = widened(squareAround(o.pos, o.dim.y), minimum / 2 + 2);
  }
  const std::vector<std::vector<int>> near = neighbourLists(reach);
  for (std::size_t i = 0; i < objects.size(); ++i) {
    if (!run.step(static_cast<int>(i))) return;
    const TObjekt& p = *objects[i];
    if (!reach[i] || !inArea(run, p)) continue;
    const std::int64_t rp = roundHalfEven(p.dim.y);
    for (int j : near[i]) {
      if (j <= static_cast<int>(i)) continue;
      const TObjekt& q = *objects[j];
      const std::int64_t rq = roundHalfEven(q.dim.y);
      const double distance = std::hypot(static_cast<double>(p.pos.x) - q.pos.x,
                                         static_cast<double>(p.pos.y) - q.pos.y);
      const std::int64_t gap =
          roundHalfEven(static_cast<double>(roundHalfEven(distance)) - rp - rq);
      if (gap >= minimum) continue;
      const TRect marker =
          widenedMarker(unite(squareAround(p.pos, p.dim.y), squareAround(q.pos, q.dim.y)));
      run.add({DrcKind::kDrillDistance,
               &texts::drcDrillDistance,
               p.layer,
               marker,
               {},
               {static_cast<int>(i), j}});
    }
  }
}

void checkDrillSizeAndRing(DrcRun& run) {
  const ObjectList& objects = run.board.objects;
  const DrcSettings& rules = run.rules;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    if (!run.step(static_cast<int>(i))) return;
    const TObjekt& o = *objects[i];
    if (o.kind != kPad || !isCopperLayer(o.layer) || !inArea(run, o)) continue;
    const std::int64_t drill = roundHalfEven(2.0 * o.dim.y);
    if (drill < 1) continue;
    const int index = static_cast<int>(i);
    const TRect drillMarker = widenedMarker(squareAround(o.pos, o.dim.y));
    if (rules.BohrMin && drill < rules.WBohrMin) {
      run.add(
          {DrcKind::kDrillTooSmall, &texts::drcDrillTooSmall, o.layer, drillMarker, {}, {index}});
    }
    if (rules.BohrMax && drill > rules.WBohrMax) {
      run.add({DrcKind::kDrillTooBig, &texts::drcDrillTooBig, o.layer, drillMarker, {}, {index}});
    }
    const std::int64_t ring = roundHalfEven((2.0 * o.dim.x - static_cast<double>(drill)) / 2);
    if (rules.RingMin && ring >= 1 && ring < rules.WRingMin) {
      run.add({DrcKind::kRingTooThin,
               &texts::drcRingTooThin,
               o.layer,
               widenedMarker(squareAround(o.pos, o.dim.x)),
               {},
               {index}});
    }
  }
}

void checkLineWidths(DrcRun& run, bool silkscreen) {
  const ObjectList& objects = run.board.objects;
  const std::int64_t minimum = silkscreen ? run.rules.WBestMin : run.rules.WTrackMin;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    if (!run.step(static_cast<int>(i))) return;
    const TObjekt& o = *objects[i];
    if (isHiddenLabel(o)) continue;
    if (silkscreen) {
      if (o.layer != kLayerS1 && o.layer != kLayerS2) continue;
    } else {
      if (!isCopperLayer(o.layer) || o.cutout != 0) continue;
      if (o.kind == kCircle && o.optA != 0) continue;  // filled circles are areas
    }
    const std::optional<double> width = lineWidth(o);
    if (!width || roundHalfEven(*width) >= minimum || !inArea(run, o)) continue;
    run.add({silkscreen ? DrcKind::kSilkTooThin : DrcKind::kTrackTooThin,
             silkscreen ? &texts::drcSilkTooThin : &texts::drcTrackTooThin,
             o.layer,
             widenedMarker(plainBounds(o)),
             trackMarkers(o),
             {static_cast<int>(i)}});
  }
}

void checkSilkOnPads(DrcRun& run) {
  const ObjectList& objects = run.board.objects;
  const bool multilayer = run.board.header.multilayer != 0;
  std::vector<std::optional<TRect>> boxes(objects.size());
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const TObjekt& o = *objects[i];
    const bool pad = isPadKind(o.kind) && !isPureHole(o);
    const bool silk = (o.layer == kLayerS1 || o.layer == kLayerS2) && !isHiddenLabel(o);
    if (pad || silk) boxes[i] = plainBounds(o);
  }
  const std::vector<std::vector<int>> near = neighbourLists(boxes);
  std::vector<std::optional<TPolygon32>> outlines(objects.size());
  auto outline = [&](int i) -> const TPolygon32& {
    if (!outlines[i]) outlines[i] = objectOutline(*objects[i], {}, 1);
    return *outlines[i];
  };
  for (std::size_t i = 0; i < objects.size(); ++i) {
    if (!run.step(static_cast<int>(i))) return;
    const TObjekt& pad = *objects[i];
    if (!boxes[i] || !isPadKind(pad.kind) || isPureHole(pad)) continue;
    const bool top = isPresentOnLayer(pad, kLayerC1, multilayer);
    const bool bottom = isPresentOnLayer(pad, kLayerC2, multilayer);
    if ((!top && !bottom) || !rectsMeet(*boxes[i], run.area)) continue;
    for (int j : near[i]) {
      const TObjekt& silk = *objects[j];
      const bool facing = (top && silk.layer == kLayerS1) || (bottom && silk.layer == kLayerS2);
      if (!facing || !polygonsIntersect(outline(static_cast<int>(i)), outline(j))) continue;
      run.add({DrcKind::kSilkOnPad,
               &texts::drcSilkOnPad,
               silk.layer,
               widenedMarker(overlap(*boxes[i], *boxes[j])),
               {},
               {static_cast<int>(i), j}});
    }
  }
}

void checkDrillOnSmd(DrcRun& run) {
  const ObjectList& objects = run.board.objects;
  std::vector<std::optional<TRect>> boxes(objects.size());
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const TObjekt& o = *objects[i];
    const bool smd = o.kind == kSmdPad && isCopperLayer(o.layer);
    if (smd || isDrilledPad(o)) boxes[i] = plainBounds(o);
  }
  const std::vector<std::vector<int>> near = neighbourLists(boxes);
  for (std::size_t i = 0; i < objects.size(); ++i) {
    if (!run.step(static_cast<int>(i))) return;
    const TObjekt& smd = *objects[i];
    if (!boxes[i] || smd.kind != kSmdPad || !rectsMeet(*boxes[i], run.area)) continue;
    const TPolygon32 smdOutline = objectOutline(smd, {}, 1);
    for (int j : near[i]) {
      const TObjekt& hole = *objects[j];
      // The drill itself, not the pad around it: copper of a pad may well overlap an SMD pad.
      if (!isDrilledPad(hole) || !polygonsIntersect(smdOutline, drillCircle(hole))) continue;
      run.add({DrcKind::kDrillOnSmd,
               &texts::drcDrillOnSmd,
               smd.layer,
               widenedMarker(squareAround(hole.pos, hole.dim.y)),
               {},
               {static_cast<int>(i), j}});
    }
  }
}

void checkSolderMask(DrcRun& run) {
  const ObjectList& objects = run.board.objects;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    if (!run.step(static_cast<int>(i))) return;
    const TObjekt& o = *objects[i];
    if (!isCopperLayer(o.layer) || isPureHole(o)) continue;
    const int index = static_cast<int>(i);
    if (isPadKind(o.kind)) {
      if (run.rules.PadOhneLS && o.solderMask == 0 && inArea(run, o)) {
        run.add({DrcKind::kSolderMask,
                 &texts::drcPadWithoutMask,
                 o.layer,
                 widenedMarker(plainBounds(o)),
                 {},
                 {index}});
      }
      continue;
    }
    // Pads, vias among them, are meant to have an opening; only other kinds are suspect.
    const bool outer = o.layer == kLayerC1 || o.layer == kLayerC2;
    if (run.rules.LSFremd && outer && o.solderMask != 0 && inArea(run, o)) {
      run.add({DrcKind::kSolderMask,
               &texts::drcNonPadWithMask,
               o.layer,
               widenedMarker(plainBounds(o)),
               trackMarkers(o),
               {index}});
    }
  }
}

}  // namespace pravelo
