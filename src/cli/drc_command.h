#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "base/text.h"
#include "copper/drc.h"
#include "document/document.h"

namespace pravelo {

// `pravelo-cli drc FILE [--board N] [--json] [--rules KEY=VALUE ...]`.
struct DrcRequest {
  std::string file;
  int board = -1;  // the file's active board
  bool json = false;
  std::vector<std::string> rules;
};

CLI::App* addDrcCommand(CLI::App& app, DrcRequest& request, Language language);

// Applies one KEY=VALUE rule; false when the key is unknown or the value is not a
// non-negative whole number (0 or 1 for a switch).
bool applyRule(const std::string& rule, DrcSettings& settings);

// {"board":0,"findings":[{"kind":0,"text":"Distance","layer":1,"marker":[l,t,r,b],
//   "objects":[3,7],"outlines":[[[x,y],...]]}],"count":1}
nlohmann::ordered_json drcJson(const DrcResult& result, int boardIndex, Language language);

// Runs a complete check of a loaded document and prints the findings; returns the exit status.
int runDrcCommand(const Document& doc, const DrcRequest& request, std::ostream& out,
                  std::ostream& err, Language language);

}  // namespace pravelo
