#pragma once

#include "copper/contour.h"

namespace pravelo {

// The enclosed area, positive for anticlockwise contours (y up).
inline double signedArea(const Contour& c) {
  double a = 0;
  for (std::size_t i = 0; i < c.size(); ++i) {
    const IPoint p = c[i];
    const IPoint q = c[(i + 1) % c.size()];
    a += static_cast<double>(p.x) * q.y - static_cast<double>(q.x) * p.y;
  }
  return a / 2;
}

}  // namespace pravelo
