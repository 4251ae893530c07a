#pragma once

#include <cstdint>
#include <functional>

#include "document/document.h"
#include "view/route_grid.h"

namespace pravelo {

// One connection to route: pads a and b (object indices), the layer, the track width with the
// clearance it keeps to other copper, the clearance the new track carries towards the ground
// plane, and the grid.
struct RouteRequest {
  int padA = -1;
  int padB = -1;
  int layer = kLayerC2;
  std::int32_t width = 4000;
  std::int32_t clearance = 2000;
  std::int32_t trackClearance = 4000;
  RouteGrid grid;
};

enum class RouteOutcome { Routed, NotFound, GridTooFine };

struct RouteReport {
  RouteOutcome outcome = RouteOutcome::NotFound;
  int track = -1;  // index of the new track
  int vertices = 0;
};

// What a route tells the window while it runs and asks it: the share of the routing area the
// search window covers (percent), and whether Escape is held (polled per cell and per ring).
struct RouteMonitor {
  std::function<void(int)> progress;
  std::function<bool()> escape;
};

// Routes the connection a-b into a track on the request's layer, appended to the board, marked
// as autorouted with both pads as its route ends; the connection is removed. Anything but
// Routed leaves the board as it was.
RouteReport routeConnection(Board& board, const RouteRequest& request,
                            const RouteMonitor& monitor = {});

// Gives an autorouted track's connection back and deletes the track; when a route end is gone
// only the flag is cleared. False for anything but an autorouted track.
bool dissolveRoute(Board& board, int track);

}  // namespace pravelo
