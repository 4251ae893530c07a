#include "copper/drc.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "base/units.h"
#include "copper/drc_checks.h"
#include "copper/overlap_pairs.h"
#include "geometry/bounding_box.h"

namespace pravelo {

void DrcRun::add(DrcFinding finding) {
  if (rectsMeet(finding.marker, area)) result.findings.push_back(std::move(finding));
}

TRect plainBounds(const TObjekt& o) {
  if (o.clearance == 0) return objectBounds(o);
  TObjekt copy = o;
  copy.clearance = 0;
  return objectBounds(copy);
}

TRect widenedMarker(const TRect& r) {
  constexpr std::int64_t kMargin = 2000;
  constexpr std::int64_t kMinSize = 5000;
  TRect m = widened(r, kMargin);
  if (rectWidth(m) < kMinSize) {
    const auto half = static_cast<std::int32_t>((kMinSize - rectWidth(m)) / 2);
    m.left -= half;
    m.right += half;
  }
  if (rectHeight(m) < kMinSize) {
    const auto half = static_cast<std::int32_t>((kMinSize - rectHeight(m)) / 2);
    m.top -= half;
    m.bottom += half;
  }
  return m;
}

DrcOutline segmentMarker(FPoint a, FPoint b, double w) {
  constexpr double kStep = std::numbers::pi / 8;  // 22.5 degrees
  const double theta = std::atan2(static_cast<double>(b.y) - a.y, static_cast<double>(b.x) - a.x);
  const double r = w / 2;
  DrcOutline outline;
  auto cap = [&](FPoint centre, double from) {
    for (int k = 0; k <= 8; ++k) {
      const double phi = from + k * kStep;
      outline.push_back({static_cast<float>(centre.x + r * std::cos(phi)),
                         static_cast<float>(centre.y + r * std::sin(phi))});
    }
  };
  cap(b, theta - std::numbers::pi / 2);
  cap(a, theta + std::numbers::pi / 2);
  return outline;
}

TRect completeDrcArea() {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  return {-kMax, -kMax, kMax, kMax};
}

DrcResult runDrcChecks(const Board& board, const DrcSettings& rules, const TRect& area,
                       const DrcNets& nets, const DrcProgress& progress) {
  DrcResult result;
  DrcRun run{board, rules, area, nets, progress, result};
  if (rules.Bohrungen) checkDrillDistance(run);
  if (rules.BohrMin || rules.BohrMax || rules.RingMin) checkDrillSizeAndRing(run);
  if (rules.TrackMin) checkLineWidths(run, false);
  if (rules.BestMin) checkLineWidths(run, true);
  if (rules.Kupfer) checkCopperDistance(run);
  if (rules.SilkOnPad) checkSilkOnPads(run);
  if (rules.HoleOnSMD) checkDrillOnSmd(run);
  if (rules.PadOhneLS || rules.LSFremd) checkSolderMask(run);
  return result;
}

}  // namespace pravelo
