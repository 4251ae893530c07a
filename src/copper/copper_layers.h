#pragma once

#include "document/object.h"

namespace pravelo {

// Whether two objects meet on a common copper layer: own layers equal, or one of them a
// plated-through pad (on every copper layer) beside an object on a copper layer.
bool shareCopperLayer(const TObjekt& a, const TObjekt& b);

bool isPlatedThrough(const TObjekt& o);

}  // namespace pravelo
