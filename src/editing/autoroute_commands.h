#pragma once

#include <vector>

#include "editing/editor.h"
#include "view/autorouter.h"
#include "view/route_all.h"

namespace pravelo {

// The router's parameters from the panel's settings, the board's grid and active layer, and the
// clearance new tracks carry; the pads are left unset.
RouteRequest autorouteRequest(const Editor& editor);

// Routes pads a-b as one undo step; selections are cleared when it succeeded. Anything but
// Routed leaves the board and the undo history as they were.
RouteReport autorouteConnection(Editor& editor, int padA, int padB, const RouteMonitor& monitor);

// "Route all" on the active layer as one undo step (none when nothing was routed).
std::vector<ConnectionRoute> autorouteAll(Editor& editor, const RouteAllMonitor& monitor);

}  // namespace pravelo
