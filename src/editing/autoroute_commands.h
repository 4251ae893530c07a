#pragma once

#include <string>
#include <vector>

#include "editing/editor.h"
#include "view/autorouter.h"
#include "view/route_all.h"

namespace pravelo {

// The router's parameters from the panel's settings, the board's grid and active layer, and the
// clearance new tracks carry; the pads are left unset.
RouteRequest autorouteRequest(const Editor& editor);

// The panel's "Grid for Autoroute:" value: the pitch in mm to 5 decimals, or in mil to 3 (2 above
// 10), at most 8 significant digits without trailing zeros, with `decimalPoint`.
std::string routeGridLabel(double pitch, bool mil, char decimalPoint);

// Routes pads a-b as one undo step; selections are cleared when it succeeded. Anything but
// Routed leaves the board and the undo history as they were.
RouteReport autorouteConnection(Editor& editor, int padA, int padB, const RouteMonitor& monitor);

// "Route all" on the active layer as one undo step (none when nothing was routed).
std::vector<ConnectionRoute> autorouteAll(Editor& editor, const RouteAllMonitor& monitor);

}  // namespace pravelo
