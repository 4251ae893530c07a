#pragma once

#include "document/document.h"
#include "geometry/point.h"

namespace pravelo {

struct MacroDrop {
  bool asComponent = false;  // keep component numbers; otherwise every object is plain
  bool throughPads = false;  // every pad on a copper layer becomes plated through
};

// Drops copies of the macro's objects, except hidden ID and value texts, shifted by `at`:
// selected, under one new group, with component numbers past the board's (or none). The
// board's other objects are deselected. Returns the number of objects dropped.
int placeMacro(ObjectList& objects, const ObjectList& macro, DPoint at, const MacroDrop& drop);

}  // namespace pravelo
