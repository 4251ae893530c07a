#pragma once

#include <cstdint>

#include "document/object.h"

namespace pravelo {

// The layer on the other side of the board: C1 and C2 swap, S1 and S2 swap; the inner layers
// and the outline stay.
int otherSideLayer(int layer);

// Puts an object, with a text's strokes, on `layer`. Off copper an object cannot be a cut-out
// and a pad is neither plated through nor thermal; only a zone on C1 or C2 can be mask-only.
void setObjectLayer(TObjekt& o, std::uint8_t layer);

}  // namespace pravelo
