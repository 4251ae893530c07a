#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <optional>
#include <string>

#include "base/text.h"
#include "document/document.h"
#include "manufacturing/print_layout.h"

namespace pravelo {

// `pravelo-cli print FILE -o OUT.pdf [--board N] [--layers C1,S1,...] [--side top|bottom|dual|
// beside] [--mirror] [--mirror-side2] [--negative] [--scale PERCENT] [--factor-x F]
// [--factor-y F] [--tiles CxR] [--gap MM] [--drill-plan] [--mask 1,2] [--targets] [--outline]
// [--bw] [--scanned-copy] [--landscape] [--offset X,Y]`: the page the print dialog composes, as
// a PDF. With `--scanned-copy` a scanned copy the board names that cannot be loaded stops it.
struct PrintRequest {
  std::string file;
  std::string output;
  int board = -1;  // the file's active board
  std::string layers;
  std::string side = "top";
  bool mirror = false;
  bool mirrorSide2 = false;
  bool negative = false;
  double scale = 100;
  double factorX = 1;
  double factorY = 1;
  std::string tiles = "1x1";
  double gap = 0;
  bool drillPlan = false;
  std::string masks;
  bool targets = false;
  bool outline = false;
  bool blackWhite = false;
  bool scannedCopy = false;
  bool landscape = false;
  std::string offset = "10,10";
};

CLI::App* addPrintCommand(CLI::App& app, PrintRequest& request, Language language);

// The print options a request asks for, or the message why it cannot be printed.
struct PrintRequestOptions {
  PrintOptions options;
  std::string problem;
};
PrintRequestOptions printOptionsOf(const PrintRequest& request, Language language);

int runPrintCommand(const Document& doc, const PrintRequest& request, std::ostream& err,
                    Language language);

}  // namespace pravelo
