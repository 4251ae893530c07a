#pragma once

#include <cstdint>
#include <optional>

#include "copper/drc.h"
#include "copper/polygon32.h"

namespace pravelo {

// What every check shares during one run.
struct DrcRun {
  const Board& board;
  const DrcSettings& rules;
  TRect area;
  const DrcNets& nets;
  const DrcProgress& progress;
  DrcResult& result;

  // Reports the object being examined; false once the run is to stop.
  bool step(int index) {
    if (result.cancelled) return false;
    if (progress && !progress(index, static_cast<int>(board.objects.size()))) {
      result.cancelled = true;
    }
    return !result.cancelled;
  }
  // Adds the finding when its marker lies within the area.
  void add(DrcFinding finding);
};

// The bounds of an object without its clearance.
TRect plainBounds(const TObjekt& o);

// The marker rule: 2000 units more on every side, then at least 5000 wide and high.
TRect widenedMarker(const TRect& r);

// The 18-point capsule around the segment a-b for a line of width w.
DrcOutline segmentMarker(FPoint a, FPoint b, double w);

// Where two grown outlines of different nets overlap: the crossing points' box, at least 2c on
// each side, or the inner outline's box when one lies wholly inside the other; nothing when
// they are apart.
std::optional<TRect> distanceMarker(const TPolygon32& a, const TPolygon32& b, std::int32_t c);

void checkDrillDistance(DrcRun& run);
void checkDrillSizeAndRing(DrcRun& run);
void checkLineWidths(DrcRun& run, bool silkscreen);
void checkCopperDistance(DrcRun& run);
void checkSilkOnPads(DrcRun& run);
void checkDrillOnSmd(DrcRun& run);
void checkSolderMask(DrcRun& run);

}  // namespace pravelo
