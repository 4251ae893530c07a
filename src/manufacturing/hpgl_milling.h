#pragma once

#include <string>
#include <vector>

#include "copper/contour.h"
#include "document/document.h"
#include "manufacturing/isolation_loops.h"
#include "manufacturing/milling_options.h"

namespace pravelo {

// Plotter commands for milling jobs, one command per CR LF line, and the isolation paths they
// mill, in board coordinates. The board is only read.
struct MillingCommands {
  std::string text;
  ContourList paths;
};

// Every job of `pens` in order in one file, each job after its "SP" line.
MillingCommands millingFile(const Board& board, const MillingOptions& options,
                            const std::vector<int>& pens, const MillingProgress& progress = {});

// One job in a file of its own, without "SP" line.
MillingCommands millingJobFile(const Board& board, const MillingOptions& options, int pen,
                               const MillingProgress& progress = {});

// Where the reference holes go: the chosen ones of the eight places around the extent, at the
// distance of the options, in board coordinates.
std::vector<DPoint> referenceHolePositions(const TRect& extent, const MillingOptions& options);

}  // namespace pravelo
