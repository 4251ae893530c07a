#pragma once

#include <cstdint>

#include "document/document.h"

namespace pravelo {

enum class SpiralForm { Round, Square };

// A spiral starting at the origin, lengths in millimetres.
struct SpiralValues {
  double startRadiusMm = 2.0;
  double gapMm = 2.0;  // free space between neighbouring turns
  double widthMm = 0.4;
  double turns = 6.0;
  SpiralForm form = SpiralForm::Round;
  friend bool operator==(const SpiralValues&, const SpiralValues&) = default;
};

// Turns are taken in quarters: the nearest multiple of 0.25.
double roundSpiralTurns(double turns);

// Appends the spiral to `out` on `layer`: quarter arcs joined end to end (round), or one track
// (square).
void generateSpiral(const SpiralValues& values, int layer, std::int32_t clearance, ObjectList& out);

}  // namespace pravelo
