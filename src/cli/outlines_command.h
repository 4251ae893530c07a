#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

// `pravelo-cli outlines FILE [--board N] [--layer L] [--grow UNITS] [--union] [--json]`.
struct OutlinesRequest {
  std::string file;
  int board = -1;  // the file's active board
  int layer = kLayerC1;
  std::int32_t grow = 0;
  bool unite = false;
  bool json = false;
};

// Adds the subcommand to `app`; parsing fills `request`.
CLI::App* addOutlinesCommand(CLI::App& app, OutlinesRequest& request, Language language);

// The outline loops of every conducting object present on the layer, in units, with thermal
// spokes where the layer's ground plane is on:
// {"board":0,"layer":1,"objects":[{"index":7,"kind":2,"loops":[[[x,y],...],...]}]}; with
// `unite`, the loops that the outline union traces: {"board":0,"layer":1,"loops":[...]}.
nlohmann::ordered_json outlinesJson(const Board& board, int boardIndex,
                                    const OutlinesRequest& request);

// Prints the outlines of a loaded document as JSON or as text; returns the exit status.
int runOutlines(const Document& doc, const OutlinesRequest& request, std::ostream& out,
                std::ostream& err, Language language);

}  // namespace pravelo
