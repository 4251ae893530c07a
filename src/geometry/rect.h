#pragma once

#include <cstdint>
#include <vector>

#include "document/object.h"

namespace pravelo {

// Integer rectangle, normalised: left <= right and top <= bottom. In world coordinates `top`
// therefore holds the smaller y. All zero is the empty rectangle.
struct TRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const TRect&, const TRect&) = default;
};

// The rectangle spanned by two corners in any order; the coordinates are rounded.
TRect rectFromCorners(double x1, double y1, double x2, double y2);

inline std::int64_t rectWidth(const TRect& r) { return std::int64_t{r.right} - r.left; }
inline std::int64_t rectHeight(const TRect& r) { return std::int64_t{r.bottom} - r.top; }
inline bool isEmptyRect(const TRect& r) { return r == TRect{}; }

// Grows every side by `by` units (saturating at the 32-bit range).
TRect widened(const TRect& r, std::int64_t by);
TRect unite(const TRect& a, const TRect& b);

// Fewer than two points give the empty rectangle; otherwise the extremes of the rounded
// coordinates.
TRect pointListBounds(const std::vector<FPoint>& points);

}  // namespace pravelo
