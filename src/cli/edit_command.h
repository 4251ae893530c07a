#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

// `pravelo-cli edit IN OUT --script SCRIPT [--board N] [--settings FILE] [--trace]`: drives the
// editor's tool machine from a script, one command per line, and saves the result.
struct EditRequest {
  std::string input;
  std::string output;
  std::string script;
  std::string settingsFile;
  int board = -1;  // the file's active board
  bool trace = false;
};

CLI::App* addEditCommand(CLI::App& app, EditRequest& request, Language language);

// Runs the script on `doc` and writes OUT; a bad script line stops with exit status 2 and OUT
// is not written.
int runEdit(Document& doc, const EditRequest& request, std::ostream& out, std::ostream& err,
            Language language);

}  // namespace pravelo
