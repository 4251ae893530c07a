#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>

#include "base/text.h"

namespace pravelo {

// `pravelo-cli macro info FILE.pvm [--json]`,
// `pravelo-cli macro place LAYOUT MACRO.pvm -o OUT --at X,Y [--board N] [--side top|bottom]
//  [--rotate 90|180|270] [--component] [--vias]`,
// `pravelo-cli macro save LAYOUT -o OUT.pvm [--board N] [--objects LIST] [--line1 T] [--line2 T]`.
struct MacroRequest {
  std::string layout;
  std::string macro;
  std::string output;
  bool json = false;
  int board = -1;  // the file's active board
  std::string at;
  std::string side;
  int rotate = 0;
  bool component = false;
  bool vias = false;
  std::string objects;
  std::string line1;
  std::string line2;
};

struct MacroCommands {
  CLI::App* info = nullptr;
  CLI::App* place = nullptr;
  CLI::App* save = nullptr;
};

CLI::App* addMacroCommand(CLI::App& app, MacroRequest& request, MacroCommands& commands,
                          Language language);

int runMacroCommand(const MacroRequest& request, const MacroCommands& commands, std::ostream& out,
                    std::ostream& err, Language language);

}  // namespace pravelo
