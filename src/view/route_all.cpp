#include "view/route_all.h"

#include <algorithm>
#include <cmath>

#include "geometry/layer_presence.h"
#include "geometry/length_text.h"
#include "geometry/pad_geometry.h"
#include "view/autoroute_texts.h"

namespace pravelo {
namespace {

FPoint routeAllCentre(const TObjekt& pad) {
  return pad.kind == kSmdPad ? smdPadCentre(pad) : pad.pos;
}

std::string routeAllPosition(FPoint p) {
  return "(" + formatLength(p.x, LengthUnit::Mm) + "; " + formatLength(-p.y, LengthUnit::Mm) + ")";
}

}  // namespace

std::vector<std::pair<int, int>> openConnections(const Board& board, int layer) {
  const bool multilayer = board.header.multilayer != 0;
  std::vector<std::pair<int, int>> pairs;
  const int n = static_cast<int>(board.objects.size());
  for (int i = 0; i < n; ++i) {
    const TObjekt& a = *board.objects[i];
    if (!isPadKind(a.kind) || !isPresentOnLayer(a, layer, multilayer)) continue;
    for (const TObjekt* partner : a.connections) {
      for (int j = i + 1; j < n; ++j) {
        if (board.objects[j].get() != partner) continue;
        if (isPadKind(partner->kind) && isPresentOnLayer(*partner, layer, multilayer) &&
            std::find(pairs.begin(), pairs.end(), std::pair{i, j}) == pairs.end()) {
          pairs.emplace_back(i, j);
        }
        break;
      }
    }
  }
  const auto length = [&board](const std::pair<int, int>& p) {
    const FPoint a = routeAllCentre(*board.objects[p.first]);
    const FPoint b = routeAllCentre(*board.objects[p.second]);
    return std::hypot(double{a.x} - b.x, double{a.y} - b.y);
  };
  std::stable_sort(pairs.begin(), pairs.end(),
                   [&](const auto& p, const auto& q) { return length(p) < length(q); });
  return pairs;
}

std::vector<ConnectionRoute> routeAll(Board& board, const RouteRequest& base,
                                      const RouteAllMonitor& monitor) {
  std::vector<ConnectionRoute> routes;
  for (const auto& [a, b] : openConnections(board, base.layer)) routes.push_back({a, b, {}});
  const int total = static_cast<int>(routes.size());
  // Routed tracks are appended, so pad indices stay valid throughout.
  const auto attempt = [&](ConnectionRoute& route) {
    RouteRequest rq = base;
    rq.padA = route.padA;
    rq.padB = route.padB;
    route.report = routeConnection(board, rq);
  };
  int done = 0;
  for (ConnectionRoute& route : routes) {
    if (monitor.escape && monitor.escape()) return routes;
    attempt(route);
    if (monitor.progress) monitor.progress(++done, total);
  }
  for (ConnectionRoute& route : routes) {
    if (route.report.outcome == RouteOutcome::Routed) continue;
    if (monitor.escape && monitor.escape()) return routes;
    attempt(route);
  }
  return routes;
}

std::string routeAllSummary(const Board& board, const std::vector<ConnectionRoute>& routes,
                            Language language) {
  const auto routed = std::count_if(routes.begin(), routes.end(), [](const ConnectionRoute& r) {
    return r.report.outcome == RouteOutcome::Routed;
  });
  std::string text = fillIn(texts::routeAllDone, language,
                            {std::to_string(routed), std::to_string(routes.size())});
  if (routed == static_cast<long>(routes.size())) return text;
  text += "\n";
  text += tr(texts::routeAllRest, language);
  for (const ConnectionRoute& r : routes) {
    if (r.report.outcome == RouteOutcome::Routed) continue;
    text += "\n" + routeAllPosition(routeAllCentre(*board.objects[r.padA])) + " - " +
            routeAllPosition(routeAllCentre(*board.objects[r.padB]));
  }
  return text;
}

}  // namespace pravelo
