#pragma once

#include <cstdint>

#include "document/object.h"

namespace pravelo {

// Horizontal mirroring swaps left and right about a vertical line; vertical mirroring swaps top
// and bottom about a horizontal line.
enum class MirrorAxis { Horizontal, Vertical };

// Reflects an object with everything it owns about the line x = `at` (horizontal) or y = `at`
// (vertical). Pads keep their thermal spokes where the reflection puts them, circles keep their
// arc, texts toggle their mirror flag.
void mirrorObject(TObjekt& o, MirrorAxis axis, double at);

// The spoke pattern of a through-hole pad of `shape` after either reflection, for all four
// layer bytes. A reflected outline gives the pad a new rotation, and the spokes, counted from
// it, are swapped so that each stays at its reflected place on the board.
std::int32_t mirroredPadSpokes(std::int32_t pattern, int shape);

// The same for an SMD pad, whose pattern is only the low byte.
std::int32_t mirroredSmdSpokes(std::int32_t pattern);

}  // namespace pravelo
