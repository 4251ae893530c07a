#pragma once

#include "document/document.h"

namespace pravelo {

// Puts every solder-mask opening back to its default: pads and SMD pads on copper get one,
// everything else none.
void resetSolderMask(ObjectList& objects);

}  // namespace pravelo
