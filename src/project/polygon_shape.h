#pragma once

#include <cstdint>

#include "document/document.h"

namespace pravelo {

// A regular polygon around the origin, lengths in millimetres.
struct PolygonValues {
  int corners = 6;
  double radiusMm = 12.0;  // centre to corner
  double lineWidthMm = 0.4;
  double angleOffset = 0;  // degrees, counter-clockwise
  bool filled = false;
  bool rays = false;
  friend bool operator==(const PolygonValues&, const PolygonValues&) = default;
};

// Appends the polygon to `out` on `layer`: a closed track, or a zone when filled, then one
// track from the centre to each corner when rays are on.
void generatePolygon(const PolygonValues& values, int layer, std::int32_t clearance,
                     ObjectList& out);

}  // namespace pravelo
