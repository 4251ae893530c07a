#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

// `pravelo-cli textio export FILE -o OUT.txt [--board N]`: the board's objects as the export
// menu item writes them.
struct TextIoExportRequest {
  std::string file;
  std::string output;
  int board = -1;  // the file's active board
};

struct TextIoCommands {
  CLI::App* exportCommand = nullptr;
};

CLI::App* addTextIoCommand(CLI::App& app, TextIoExportRequest& exportRequest,
                           TextIoCommands& commands, Language language);

int runTextIoExport(const Document& doc, const TextIoExportRequest& request, std::ostream& err,
                    Language language);

}  // namespace pravelo
