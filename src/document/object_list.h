#pragma once

#include <functional>
#include <vector>

#include "document/document.h"

namespace pravelo {

// Deep-copies `sources` in order to the end of `destination` and re-points the copies'
// connections and route ends: a partner that was copied along is replaced by its copy, any
// other partner is dropped and any other route end cleared.
void copyObjectList(const std::vector<TObjekt*>& sources, ObjectList& destination);

// All objects of a list, in order.
std::vector<TObjekt*> objectPointers(const ObjectList& list);

// Removes every object for which `doomed` is true, after unlinking it: no connection list or
// route end of a remaining object keeps pointing at a removed one.
void removeObjectsIf(ObjectList& list, const std::function<bool(const TObjekt&)>& doomed);

// Index of `o` in `list`, or -1.
int indexOf(const ObjectList& list, const TObjekt* o);

void deselectAll(ObjectList& list);
// Deselects the objects whose own layer is `layer`, as hiding or showing that layer does.
void deselectLayer(ObjectList& list, int layer);

}  // namespace pravelo
