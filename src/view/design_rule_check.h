#pragma once

#include "copper/drc.h"

namespace pravelo {

// The design rule check of a board with the nets of the copper flood: copper joined by contact,
// through plated-through pads or through a ground plane is one net, as the Test tool shows it,
// and is never reported as too close to itself.
DrcResult runDrc(const Board& board, const DrcSettings& rules, const TRect& area,
                 const DrcProgress& progress = {});

}  // namespace pravelo
