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

// `pravelo-cli textio import FILE IN.txt -o OUT.pvb6 [--board N] [--at X,Y]`: the objects of
// IN.txt placed as a paste, shifted by X,Y units.
struct TextIoImportRequest {
  std::string file;
  std::string text;
  std::string output;
  int board = -1;
  std::string at = "0,0";
};

struct TextIoCommands {
  CLI::App* exportCommand = nullptr;
  CLI::App* importCommand = nullptr;
};

CLI::App* addTextIoCommand(CLI::App& app, TextIoExportRequest& exportRequest,
                           TextIoImportRequest& importRequest, TextIoCommands& commands,
                           Language language);

int runTextIoExport(const Document& doc, const TextIoExportRequest& request, std::ostream& err,
                    Language language);

// Sizes left out of the records are those of a fresh install, the layer the board's active one.
int runTextIoImport(Document& doc, const TextIoImportRequest& request, std::ostream& err,
                    Language language);

}  // namespace pravelo
