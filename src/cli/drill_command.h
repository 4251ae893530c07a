#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

// `pravelo-cli drill FILE -o OUT.drl [--board N] [--unit mm|inch] [--zeros lz|tz|decimal]
// [--digits I:D] [--no-comments] [--list] ...`: the file the Excellon dialog writes.
struct DrillRequest {
  std::string file;
  std::string output;
  int board = -1;    // the file's active board
  std::string unit;  // the file is in inch unless "mm"; the list is in mil only for "inch"
  std::string zeros = "lz";
  std::string digits;  // the unit's default when empty
  bool noComments = false;
  bool list = false;
  bool m71 = false;
  bool noG90 = false;
  std::string side = "top";
  bool noOrigin = false;
  bool noSimple = false;
  bool noVias = false;
  bool unsorted = false;
  int granularity = 0;
};

CLI::App* addDrillCommand(CLI::App& app, DrillRequest& request, Language language);

int runDrillCommand(const Document& doc, const DrillRequest& request, std::ostream& out,
                    std::ostream& err, Language language);

}  // namespace pravelo
