#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

// `pravelo-cli route FILE -o OUT [--board N] [--all | --connection I,J] [--layer L]
// [--width MM] [--clearance MM] [--grid on|off] [--json]`.
struct RouteCliRequest {
  std::string file;
  std::string output;
  int board = -1;  // the file's active board
  bool all = false;
  std::string connection;  // "I,J"
  int layer = 0;           // 0: the board's active layer
  double width = 0.4;
  double clearance = 0.2;
  std::string grid = "on";
  bool json = false;
};

CLI::App* addRouteCommand(CLI::App& app, RouteCliRequest& request, Language language);

// Routes as the Autoroute tool does, writes the result and reports each connection tried;
// returns the exit status.
int runRouteCommand(Document& doc, const RouteCliRequest& request, std::ostream& out,
                    std::ostream& err, Language language);

}  // namespace pravelo
