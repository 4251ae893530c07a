#pragma once

#include <string>

#include "document/document.h"

namespace pravelo {

// A plain RS-274X picture of one copper layer, for comparing the render command with another
// Gerber viewer: tracks and zone outlines are drawn with round apertures, round pads flashed,
// other pads, SMD pads and zone areas filled as regions, drill holes flashed clear on top.
// Board coordinates are shifted up by the board height so that the board starts at 0, 0.
// Enough for the benchmark board; flat track ends, circles and texts are left out.
std::string copperGerber(const Board& board, int layer);

}  // namespace pravelo
