#pragma once

#include "document/document.h"

namespace pravelo {

// Run on every board a file brings: removes tracks and zones with fewer than 2 vertices,
// objects on no valid layer or of no valid kind, and texts without strokes (each through the
// unlinking removal); clears the plating of pads on silkscreen layers; turns a circle whose
// inner radius exceeds its outer one into a thin ring at the middle radius.
void cleanUpBoard(ObjectList& objects);

// Thermal and plating settings that only copper can carry are cleared elsewhere, and a pad
// without per-layer spokes uses its C1 spoke byte on every copper layer.
void normalisePads(ObjectList& objects);

}  // namespace pravelo
