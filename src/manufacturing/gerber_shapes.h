#pragma once

#include <cstdint>
#include <vector>

#include "document/document.h"
#include "manufacturing/gerber_apertures.h"

namespace pravelo {

// Every object the Gerber import creates keeps 0.4 mm free in a ground plane.
inline constexpr std::int32_t kImportClearance = 4000;

// Where imported objects go, and how file units become document units.
struct GerberTarget {
  ObjectList* objects = nullptr;
  std::uint8_t layer = kLayerC1;
  double unitsPerFileUnit = 254000;  // inch; 10000 for millimetres
  long long* steps = nullptr;        // work counter of the reader
  int line = 0;                      // the block being read, for messages
};

// No imported position or size may lie further out than this many units (100 m), so that every
// later sum of coordinates stays far inside the 32-bit range.
inline constexpr double kImportCoordinateLimit = 1e9;

// Throws ImportError when `value` (units) lies beyond the import's limit.
void checkImportRange(const GerberTarget& target, double value);

// The objects of the import, in document units. Every one is checked against the import's
// limit, counted against the work budget and given the import's clearance.
void addImportObject(const GerberTarget& target, TObjekt o);
void addImportTrack(const GerberTarget& target, FPoint from, FPoint to, double width);
void addImportZone(const GerberTarget& target, const std::vector<FPoint>& points);

// Flashes `aperture` at `at` (document units): round, square and oblong pads, SMD pads, tracks,
// polygons and the primitives of a macro.
void flashAperture(const GerberTarget& target, const GerberAperture& aperture, FPoint at);

}  // namespace pravelo
