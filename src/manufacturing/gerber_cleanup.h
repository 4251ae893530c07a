#pragma once

#include "document/document.h"

namespace pravelo {

// After reading a Gerber file: in every zone of more than two points, a point within 50 units
// of its predecessor in x and y is removed, then the last point when it lies that close to the
// first. A zone that is then a regular octagon (eight edges of equal length within 1 %, none
// longer than 90 mm) becomes an octagonal pad with that outline. Zones left with fewer than three
// points are dropped.
void cleanImportedZones(ObjectList& objects);

}  // namespace pravelo
