#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

// `pravelo-cli nets FILE [--board N] [--json]`.
struct NetsRequest {
  std::string file;
  int board = -1;  // the file's active board
  bool json = false;
};

// Adds the subcommand to `app`; parsing fills `request`.
CLI::App* addNetsCommand(CLI::App& app, NetsRequest& request, Language language);

// The groups of objects joined by copper and ground plane (connections not followed), each in
// list order, groups ordered by their first object, and per connection whether its pads are in
// one group: {"board":0,"groups":[[0,3],[1]],"connections":[{"pads":[0,1],"joined":false}]}.
nlohmann::ordered_json netsJson(const Board& board, int boardIndex);

// Prints the nets of a loaded document as JSON or as text; returns the exit status.
int runNets(const Document& doc, const NetsRequest& request, std::ostream& out, std::ostream& err,
            Language language);

}  // namespace pravelo
