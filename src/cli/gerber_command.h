#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

// `pravelo-cli gerber FILE -o DIR [--board N] [--layers LIST] [--mirror] [--cam-origin on|off]
// [--x2] [--frame] [--punch holes|center] [--settings FILE]`.
struct GerberRequest {
  std::string file;
  std::string folder;
  int board = -1;  // the file's active board
  std::string layers;
  bool mirror = false;
  std::string camOrigin;  // "on", "off" or empty for the settings' choice
  bool x2 = false;
  bool frame = false;
  std::string punch;  // "holes", "center" or empty
  std::string settingsFile;
};

CLI::App* addGerberCommand(CLI::App& app, GerberRequest& request, Language language);

// Writes the files with the export of the dialog and prints its log; returns the exit status.
int runGerber(const Document& doc, const GerberRequest& request, std::ostream& out,
              std::ostream& err, Language language);

}  // namespace pravelo
