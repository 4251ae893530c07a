#pragma once

#include <optional>
#include <utility>

#include "document/document.h"
#include "geometry/point.h"

namespace pravelo {

// Adds the connection between two different pads, or removes it when it exists: both list
// entries together.
void toggleConnection(TObjekt& a, TObjekt& b);

// How many pixels beside a connection line still hit it: round(zoom x 60), 3 to 10.
int connectionTolerance(double zoom);

// Whether pixel m lies within t pixels of the line from a to b (screen pixels): inside the
// line's box widened by t, and near the line along x or along y. Vertical and horizontal lines
// are decided by the box alone, before any slope is taken.
bool connectionLineHit(IPoint a, IPoint b, IPoint m, int t);

// Where a connection ends: a pad's position, an SMD pad's centre.
FPoint connectionEnd(const TObjekt& pad);

// The first connection (pads in list order, each pad's list in order) whose line passes the
// screen pixel `mouse`; the pad holding the entry first.
std::optional<std::pair<int, int>> connectionAt(const Board& board, IPoint mouse);

}  // namespace pravelo
