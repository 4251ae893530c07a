#pragma once

#include <functional>

#include "document/document.h"

namespace pravelo {

// "Optimize connected tracks": each track, in list order, takes up the later tracks of its
// layer and width that start or end where it starts or ends, until none is left; then arcs of
// one circle and layer whose ends meet (within 4 units and 4 thousandths of a degree) become
// one arc. Full circles are left as they are. Ends are found through an index, so the work
// grows with the number of tracks, not its square. `cancelled` is asked now and then during
// the first phase; when it answers true that phase stops where it is.
void optimizeConnectedTracks(ObjectList& objects, const std::function<bool()>& cancelled = {});

}  // namespace pravelo
