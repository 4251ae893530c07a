#pragma once

#include <cstdint>

#include "document/object.h"

namespace pravelo {

// Grows an object by d units in width (d / 2 on every side): tracks, zones and text strokes get
// wider, circles thicker, SMD pads larger about their centre, and through-hole pads get their
// outline regenerated with the enlargement round(d / 2), which the copy remembers. Algorithms
// that only look at a board grow working copies, never the board's own records.
void growObject(TObjekt& o, std::int32_t d);

// The inverse of growObject(o, d); a pad returns to its plain outline. Turned SMD pads come
// back to within one float step of their largest coordinate: a grown corner is a float too,
// and past a power of two it cannot hold every value the corner had.
void shrinkObject(TObjekt& o, std::int32_t d);

// A working copy of `o` grown by d.
TObjekt grownCopy(const TObjekt& o, std::int32_t d);

}  // namespace pravelo
