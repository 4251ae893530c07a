#pragma once

#include "document/document.h"
#include "editing/tile_values.h"
#include "project/clipboard.h"

namespace pravelo {

// Multiplies the board's selection: appends to `target` one copy of it per position of the
// arrangement, each placed as a clipboard paste without grouping, the selection's own position
// only `withOwnPosition`; the copies' component numbers are compacted to 1, 2, … so that they
// stay small. `clipboard` receives the selection and, in circular mode with rotation, is left
// turned like the last copy. The board is not changed.
PlaceResult buildTileCopies(const Board& board, const TileValues& values, ObjectList& clipboard,
                            ObjectList& target, bool withOwnPosition);

// The preview of the dialog: every position with its copy, and in circular mode the construction
// lines on the outline layer: the arc the copies follow, a line from the start point past the
// circle centre, a short cross line at the centre and a spoke to each position.
ObjectList tilePreview(const Board& board, const TileValues& values);

}  // namespace pravelo
