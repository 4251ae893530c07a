#pragma once

#include "document/document.h"

namespace pravelo {

// Whether a macro's component sits on the top side: its silkscreen, when all of it lies on one
// side, decides; otherwise all its copper on C1 and C2 must lie on one layer, C2 for
// through-hole parts (soldered from below) or C1 when SMD pads are among them.
bool isTopSideMacro(const ObjectList& macro);

// Mirrors the macro to the other side: reflected left to right, copper and silkscreen layers
// swapped, the anchor back at (0, 0).
void flipMacro(ObjectList& macro);

// Turns the macro a quarter clockwise about the anchor, which is found again and moved back to
// (0, 0). With `readableLabels` ID and value texts left upside down get a half turn more; the
// pick-and-place rotation follows on the side `topSide` names. Labels that stood at their
// automatic places beside their component are placed there again.
void rotateMacro(ObjectList& macro, bool readableLabels, bool topSide);

// Shows the ID and value texts as a component macro, hides them otherwise.
void showMacroLabels(ObjectList& macro, bool show);

}  // namespace pravelo
