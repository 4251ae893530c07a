#pragma once

#include "document/object.h"

namespace pravelo {

// Moves an object with everything it owns (outline points, text strokes) by (dx, dy) units.
void translateObject(TObjekt& o, double dx, double dy);

}  // namespace pravelo
