#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

// `pravelo-cli mill FILE -o OUT.plt [--board N] [--layers c1,c2] [--width MM] [--passes N]
// [--overlap P] [--mirror-c1 none|h|v] [--mirror-c2 none|h|v] [--drill none|top|bottom]
// [--holes ci|same|separate] [--punch top|bottom] [--outline none|top|bottom] [--units 40|mil]
// [--separate] [--jobs OUT.txt]` and the dialog's remaining choices: the files the milling
// dialog writes.
struct MillRequest {
  std::string file;
  std::string output;
  int board = -1;  // the file's active board
  std::string layers;
  double width = 0;  // mm
  int passes = 1;
  int overlap = 25;
  std::string mirrorC1 = "none";
  std::string mirrorC2 = "h";
  std::string drill = "none";
  std::string holes = "same";
  double circleWidth = 0;  // mm
  std::string punch;
  std::string outline = "none";
  std::string units = "40";
  bool separate = false;
  std::string jobs;
  std::string references;  // places 1..8, comma separated
  double distance = 0;     // mm
  bool minimumFeed = false;
  bool selectedOnly = false;
  std::string textStrokes = "none";  // none, normal, selected or all
  bool noOrigin = false;
};

CLI::App* addMillCommand(CLI::App& app, MillRequest& request, Language language);

int runMillCommand(const Document& doc, const MillRequest& request, std::ostream& out,
                   std::ostream& err, Language language);

}  // namespace pravelo
