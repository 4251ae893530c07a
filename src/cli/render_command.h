#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "base/text.h"
#include "document/document.h"

namespace pravelo {

// `pravelo-cli render FILE -o OUT.png [--board N] [--dpi D | --size WxH] [--layers C1,S1,...]
// [--active-layer L] [--transparent] [--scheme N] [--grid] [--origin] [--photo top|bottom
// [--xray]]`.
struct RenderRequest {
  std::string file;
  std::string output;
  int board = -1;  // the file's active board
  double dpi = 0;
  std::string size;  // "WxH"
  std::string layers;
  std::string activeLayer;
  bool transparent = false;
  int scheme = 0;
  bool grid = false;
  bool origin = false;
  std::string photo;  // "top" or "bottom"; empty for the layer colours
  bool xRay = false;
};

CLI::App* addRenderCommand(CLI::App& app, RenderRequest& request, Language language);

// A layer named by its number 1..7 or its short name in English or German (C1 or K1, S1 or B1,
// C2 or K2, S2 or B2, I1, I2, O or U), in any case.
std::optional<int> layerNamed(const std::string& name);

// Draws the board with the editor's renderer into a PNG that covers exactly the board
// rectangle; returns the exit status.
int runRender(Document& doc, const RenderRequest& request, std::ostream& err, Language language);

}  // namespace pravelo
