#pragma once

#include <vector>

#include "document/document.h"

namespace pravelo {

// A net number per object: objects whose copper touches on a layer they share, directly or
// through other copper, get the same number; objects that do not conduct on a copper layer get
// -1. Connections (rubberbands) and links through the ground plane are not followed.
std::vector<int> copperNets(const Board& board);

// Whether two objects meet on a common copper layer: own layers equal, or one of them a
// plated-through pad (on every copper layer) beside an object on a copper layer.
bool shareCopperLayer(const TObjekt& a, const TObjekt& b);

bool isPlatedThrough(const TObjekt& o);

}  // namespace pravelo
