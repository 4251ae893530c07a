#pragma once

#include <span>

#include "document/object.h"
#include "geometry/point.h"

namespace pravelo {

// The placement point of a component, in document units: the centre of the bounds of its
// non-text members on the layers of the data's centre reference (all members when none is
// there), taken square to the part's rotation, plus the offset (whose y counts downwards).
// Works on copies, so the board never changes.
DPoint componentCentre(std::span<const TObjekt* const> members, const ComponentData& data);

}  // namespace pravelo
