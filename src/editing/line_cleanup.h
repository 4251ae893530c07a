#pragma once

#include "document/document.h"

namespace pravelo {

// The clean-up every finished or edited track and zone goes through: a vertex that (nearly)
// coincides with the next one goes; with `optimise` (option "TracksOptimieren") so does a vertex
// in the middle of a straight run, unless a pad of the line's layer lies at it. Zones also test
// around their closing vertex.
void cleanUpLine(TObjekt& line, const Board& board, bool optimise);

// A track needs two vertices, a zone three; anything less is discarded.
bool hasEnoughVertices(const TObjekt& line);

}  // namespace pravelo
