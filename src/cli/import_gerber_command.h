#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>
#include <vector>

#include "base/text.h"

namespace pravelo {

// `pravelo-cli import-gerber -o OUT.pvb6 SLOT=FILE ... [--drill FILE] [--board-name NAME]
// [--format I:D] [--inch|--mm] [--zeros none|leading|trailing|decimal] [--no-vias]
// [--no-optimize]`: the import dialog's "Create new board", saved as a layout file.
struct ImportGerberRequest {
  std::string output;
  std::vector<std::string> slots;
  std::string drill;
  std::string boardName = "XGerber";
  std::string format;
  bool mm = false;  // inch unless --mm
  std::string zeros;
  bool noVias = false;
  bool noOptimize = false;
};

CLI::App* addImportGerberCommand(CLI::App& app, ImportGerberRequest& request, Language language);

int runImportGerber(const ImportGerberRequest& request, std::ostream& out, std::ostream& err,
                    Language language);

}  // namespace pravelo
