#pragma once

#include <cstdint>
#include <vector>

#include "document/object.h"
#include "geometry/point.h"

namespace pravelo {

enum class HatchVariant { kGrid, kDiagonal };

struct HatchSegment {
  IPoint from;
  IPoint to;
  friend bool operator==(const HatchSegment&, const HatchSegment&) = default;
};

// Hatch pitches below this (an automatic hatch of a zone drawn with width 0) are raised to it.
inline constexpr std::int32_t kMinHatchPitch = 100;
// No scan pass has more lines than this (far more than any real zone needs).
inline constexpr std::int64_t kMaxHatchLines = 1000000;

// The runs of the scan lines inside a zone, in scan order: for the grid variant vertical lines
// every `pitch` units and then horizontal ones, for the diagonal variant lines running up to
// the left.
std::vector<HatchSegment> hatchLines(const TObjekt& zone, std::int32_t pitch, HatchVariant variant);

}  // namespace pravelo
