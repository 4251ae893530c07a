#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/text.h"
#include "view/autorouter.h"

namespace pravelo {

// The open connections of the board whose two pads are both on `layer`, each once (pad indices,
// the lower first), shortest first; equal lengths keep list order.
std::vector<std::pair<int, int>> openConnections(const Board& board, int layer);

struct ConnectionRoute {
  int padA = -1;
  int padB = -1;
  RouteReport report;
};

// How "Route all" reports and is stopped: connections done out of the total after each route,
// and Escape, asked between routes (the route under way is finished).
struct RouteAllMonitor {
  std::function<void(int done, int total)> progress;
  std::function<bool()> escape;
};

// Routes every open connection on the request's layer (its pads are ignored), shortest first;
// those that fail get one more try after all others. One entry per connection, in the order of
// the first try; connections not reached after Escape stay NotFound.
std::vector<ConnectionRoute> routeAll(Board& board, const RouteRequest& base,
                                      const RouteAllMonitor& monitor = {});

// "n of m connections routed." and, for the rest, one line per connection with its pads'
// positions.
std::string routeAllSummary(const Board& board, const std::vector<ConnectionRoute>& routes,
                            Language language);

}  // namespace pravelo
