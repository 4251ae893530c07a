#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

// `pravelo-cli parts FILE [--board N] [-o OUT.txt] [--columns LIST] [--separator ...]
// [--unit mm|mil] [--decimals N] [--strip-zeros] ...`: the file of the component data export.
struct PartsRequest {
  std::string file;
  std::string output;  // standard output when empty
  int board = -1;      // the file's active board
  std::string columns;
  std::string separator = "tab";
  std::string unit = "mm";
  int decimals = 2;
  bool stripZeros = false;
  std::string topText = "Top";
  std::string bottomText = "Bottom";
  bool rotationPrefix = false;
  std::string smd = "on";
  std::string throughHole = "off";
  std::string top = "on";
  std::string bottom = "on";
  bool pickPlaceOnly = false;
  std::string camOrigin = "on";
};

CLI::App* addPartsCommand(CLI::App& app, PartsRequest& request, Language language);

int runPartsCommand(const Document& doc, const PartsRequest& request, std::ostream& out,
                    std::ostream& err, Language language);

}  // namespace pravelo
