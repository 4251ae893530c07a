#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "copper/contour.h"
#include "copper/polygon32.h"
#include "document/object.h"

namespace pravelo {

// The stages of the contour computation, as the progress window names them.
enum class MillingStage {
  CreateSegments = 0,
  CalculateVectors,
  CreateVectorList,
  CreateOutlines,
  OptimizeOutlines,
  SortOutlines,
};

// Told when a pass (counted from 0) of `passes` enters a stage.
using MillingProgress = std::function<void(int pass, int passes, MillingStage stage)>;

// How much the objects grow for pass k: the first pass puts the cutter edge 5 units (0.5 um)
// into the copper, each further pass moves out by the cutter width less the overlap.
std::int32_t passGrowth(std::int32_t cutterWidth, int overlapPercent, int pass);

// Closed cutter-centre paths around the objects' copper for every pass, in pass order. The
// objects are only read: each pass grows working copies.
ContourList isolationLoops(const std::vector<const TObjekt*>& objects, std::int32_t cutterWidth,
                           int overlapPercent, int passes, const MillingProgress& progress = {});

// A point well inside a loop (its 100-unit square lies inside), tried at growing distances
// around each node; nothing for a loop too thin to hold one.
std::optional<IPoint> loopTestPoint(const Contour& loop);

// Keeps the loops that are boundaries between copper and gap: a loop is dropped when no test
// point fits in it, or when its innermost enclosing loop is of the same kind (both around
// copper or both around a gap). `copper` holds the grown objects' outlines.
ContourList filterLoops(ContourList loops, const std::vector<TPolygon32>& copper);

}  // namespace pravelo
