#pragma once

#include <vector>

#include "document/document.h"
#include "geometry/rect.h"
#include "manufacturing/milling_options.h"

namespace pravelo {

// Whether an object takes part in milling copper layer `layer` (C1 or C2): it is copper there,
// passes the selection filter, and, while the layer's ground plane is on, keeps a gap to the
// plane and is no thermal pad (copper merged with the plane cannot be milled around).
bool takesPartInMilling(const TObjekt& o, const BoardHeader& header, int layer, bool selectedOnly);

// Texts are milled around their outline or along their strokes, chosen separately for selected
// and unselected texts.
bool milledAlongStrokes(const TObjekt& o, const MillingOptions& options);

// The objects whose outlines are milled around on `layer`, in list order.
std::vector<const TObjekt*> isolationObjects(const Board& board, int layer,
                                             const MillingOptions& options);

// The texts on exactly `layer` that are milled along their strokes, in list order.
std::vector<const TObjekt*> strokeTexts(const Board& board, int layer,
                                        const MillingOptions& options);

// A through-hole pad with a hole on a copper layer that passes the selection filter.
bool hasMillingHoles(const Board& board, bool selectedOnly);

// The tracks and circles of the outline layer that pass the selection filter, in list order.
std::vector<const TObjekt*> outlineObjects(const Board& board, bool selectedOnly);

// The extent mirroring and reference holes refer to: the bounds of copper, outline and
// plated-through pads. A board without any of them falls back to the board rectangle, so that
// mirrored output stays on the board instead of folding about the origin.
TRect millingExtent(const Board& board);

}  // namespace pravelo
