#pragma once

#include "document/document.h"

namespace pravelo {

// The pad patterns of the footprint wizard.
enum class FootprintType { SingleRow, DualRow, Square, SingleCircular, DualCircular };
inline constexpr int kFootprintTypeCount = 5;

enum class FootprintPads { Round, Smd };

// The wizard's fields, lengths in millimetres; kept between uses during a run, never stored.
struct FootprintValues {
  FootprintType type = FootprintType::SingleRow;
  FootprintPads pads = FootprintPads::Round;
  double padMm = 1.6;    // through-hole pad: outer diameter
  double drillMm = 0.8;  // through-hole pad: drill diameter
  double smdXMm = 0.8;
  double smdYMm = 1.6;
  double dMm = 2.54;   // pitch within a row; circle diameter of the circular types
  double yMm = 2.54;   // row distance, outer top-to-bottom distance, or gap between the circles
  double xMm = 25.4;   // outer left-to-right distance of the square
  int horizontal = 8;  // pads per row or per circle
  int vertical = 8;    // pads per left and right row of the square
  friend bool operator==(const FootprintValues&, const FootprintValues&) = default;
};

inline constexpr double kMaxFootprintPadMm = 99.9;
inline constexpr double kMaxFootprintPitchMm = 499.99;
inline constexpr double kMaxFootprintDistanceMm = 99.99;
inline constexpr int kMaxFootprintCount = 99;

// "Default": the pad sizes and the chosen type's own pitch, distances and counts.
void setFootprintDefaults(FootprintValues& values);

// How many pads the pattern has.
int footprintPadCount(const FootprintValues& values);

// Appends the pattern's pads to `out` on `layer`, around the origin, each with a clearance of
// 0.4 mm.
void generateFootprint(const FootprintValues& values, int layer, ObjectList& out);

}  // namespace pravelo
