#include "cli/route_command.h"

#include <charconv>
#include <nlohmann/json.hpp>
#include <ostream>

#include "base/units.h"
#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "cli/command_io.h"
#include "cli/outlines_texts.h"
#include "cli/route_texts.h"
#include "editing/size_fields.h"
#include "view/autoroute_texts.h"
#include "view/route_all.h"

namespace pravelo {
namespace {

using RouteJson = nlohmann::ordered_json;

std::optional<std::pair<int, int>> parseRoutePair(const std::string& text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return std::nullopt;
  int i = 0, j = 0;
  const char* begin = text.data();
  const char* end = begin + text.size();
  const auto first = std::from_chars(begin, begin + comma, i);
  const auto second = std::from_chars(begin + comma + 1, end, j);
  if (first.ec != std::errc{} || first.ptr != begin + comma || second.ec != std::errc{} ||
      second.ptr != end) {
    return std::nullopt;
  }
  return std::pair{i, j};
}

bool routePairConnected(const Board& board, int i, int j) {
  const int n = static_cast<int>(board.objects.size());
  if (i < 0 || j < 0 || i >= n || j >= n || i == j) return false;
  const TObjekt& a = *board.objects[i];
  const TObjekt* b = board.objects[j].get();
  return isPadKind(a.kind) && isPadKind(b->kind) &&
         std::find(a.connections.begin(), a.connections.end(), b) != a.connections.end();
}

const char* routeOutcomeName(RouteOutcome outcome) {
  switch (outcome) {
    case RouteOutcome::Routed:
      return "routed";
    case RouteOutcome::GridTooFine:
      return "grid too fine";
    case RouteOutcome::NotFound:
      break;
  }
  return "not found";
}

std::string routeOutcomeText(const RouteReport& r, Language language) {
  switch (r.outcome) {
    case RouteOutcome::Routed:
      return fillIn(texts::cliRouteRouted, language,
                    {std::to_string(r.track), std::to_string(r.vertices)});
    case RouteOutcome::GridTooFine:
      return tr(texts::routeGridTooFine, language);
    case RouteOutcome::NotFound:
      break;
  }
  return tr(texts::routeNotFound, language);
}

}  // namespace

CLI::App* addRouteCommand(CLI::App& app, RouteCliRequest& request, Language language) {
  CLI::App* command = app.add_subcommand("route", tr(texts::cliRouteHelp, language));
  command->fallthrough();
  command->add_option("FILE", request.file, tr(texts::cliFileHelp, language))->required();
  command->add_option("-o", request.output, tr(texts::cliRouteOutputHelp, language))->required();
  command->add_option("--board", request.board, tr(texts::cliBoardNumberHelp, language));
  CLI::Option* all = command->add_flag("--all", request.all, tr(texts::cliRouteAllHelp, language));
  command
      ->add_option("--connection", request.connection, tr(texts::cliRouteConnectionHelp, language))
      ->excludes(all);
  command->add_option("--layer", request.layer, tr(texts::cliRouteLayerHelp, language));
  command->add_option("--width", request.width, tr(texts::cliRouteWidthHelp, language))
      ->check(CLI::Range(0.05, 9.99));
  command->add_option("--clearance", request.clearance, tr(texts::cliRouteClearanceHelp, language))
      ->check(CLI::Range(0.05, 9.99));
  command->add_option("--grid", request.grid, tr(texts::cliRouteGridHelp, language))
      ->check(CLI::IsMember({"on", "off"}));
  command->add_flag("--json", request.json, tr(texts::cliRouteJsonHelp, language));
  return command;
}

int runRouteCommand(Document& doc, const RouteCliRequest& request, std::ostream& out,
                    std::ostream& err, Language language) {
  const int boardIndex = request.board >= 0 ? request.board : doc.activeBoard;
  if (boardIndex < 0 || boardIndex >= static_cast<int>(doc.boards.size())) {
    err << tr(texts::cliNoSuchBoard, language) << request.board << ".\n";
    return kExitBadInput;
  }
  Board& board = *doc.boards[boardIndex];
  const int layer = request.layer != 0 ? request.layer : board.header.activeLayer;
  if (!isCopperLayer(layer)) {
    err << tr(texts::cliRouteBadLayer, language) << layer << "\n";
    return kExitUsage;
  }
  RouteRequest rq;
  rq.layer = layer;
  rq.width = static_cast<std::int32_t>(mmToUnits(request.width));
  rq.clearance = static_cast<std::int32_t>(mmToUnits(request.clearance));
  rq.trackClearance = kDefaultClearance;
  rq.grid = routeGrid(rq.width, rq.clearance, request.grid == "on", board.header);

  std::vector<ConnectionRoute> routes;
  if (!request.connection.empty()) {
    const std::optional<std::pair<int, int>> pair = parseRoutePair(request.connection);
    if (!pair || !routePairConnected(board, pair->first, pair->second)) {
      err << tr(texts::cliRouteNoConnection, language) << request.connection << "\n";
      return kExitBadInput;
    }
    rq.padA = pair->first;
    rq.padB = pair->second;
    routes.push_back({pair->first, pair->second, routeConnection(board, rq)});
  } else {
    routes = routeAll(board, rq);
  }

  if (const int status = writeLayoutOutput(doc, request.output, err, language); status != kExitOk) {
    return status;
  }
  if (request.json) {
    RouteJson list = RouteJson::array();
    int routed = 0;
    for (const ConnectionRoute& r : routes) {
      RouteJson entry{{"pads", {r.padA, r.padB}}, {"result", routeOutcomeName(r.report.outcome)}};
      if (r.report.outcome == RouteOutcome::Routed) {
        ++routed;
        entry["track"] = r.report.track;
        entry["vertices"] = r.report.vertices;
      }
      list.push_back(std::move(entry));
    }
    out << RouteJson{{"board", boardIndex},
                     {"layer", layer},
                     {"routes", std::move(list)},
                     {"routed", routed},
                     {"total", routes.size()}}
               .dump()
        << "\n";
    return kExitOk;
  }
  for (const ConnectionRoute& r : routes) {
    out << r.padA << "," << r.padB << ": " << routeOutcomeText(r.report, language) << "\n";
  }
  out << routeAllSummary(board, routes, language) << "\n";
  return kExitOk;
}

}  // namespace pravelo
