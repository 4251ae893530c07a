#pragma once

#include <cstdint>
#include <vector>

namespace pravelo {

// One view state remembered for "Zoom previous".
struct ZoomHistoryEntry {
  std::int32_t scrollX = 0;  // pixels
  std::int32_t scrollY = 0;
  double zoom = 0;  // pixels per unit
  friend bool operator==(const ZoomHistoryEntry&, const ZoomHistoryEntry&) = default;
};

// Each board keeps its own zoom history for the run; it is never saved.
using ZoomHistory = std::vector<ZoomHistoryEntry>;

}  // namespace pravelo
