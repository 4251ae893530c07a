#pragma once

#include <functional>

#include "document/document.h"
#include "document/object.h"
#include "geometry/layer_presence.h"
#include "geometry/rect.h"

namespace pravelo {

// The world rectangle an object covers, clearance included; pads showing thermal spokes on the
// spoke layer are widened further so that their spokes lie inside.
TRect objectBounds(const TObjekt& o, const SpokeLayer& spokes = {});

// The union of the bounds of the objects that `include` accepts (all when empty); the empty
// rectangle when none is accepted.
TRect objectListBounds(const ObjectList& objects, const SpokeLayer& spokes,
                       const std::function<bool(const TObjekt&)>& include = {});

}  // namespace pravelo
