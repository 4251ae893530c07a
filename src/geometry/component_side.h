#pragma once

#include <span>

#include "document/object.h"

namespace pravelo {

// Whether a component, given by its objects, sits on the top side: when its silkscreen objects
// all lie on one silkscreen layer, that layer tells; otherwise, when its copper objects on C1
// and C2 all lie on one of them, a component with SMD pads is on top on C1 and a through-hole
// component on C2, whose pads are soldered on the other side; otherwise it is on the bottom.
bool componentOnTopSide(std::span<const TObjekt* const> members);

}  // namespace pravelo
