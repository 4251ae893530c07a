// Writes the inputs of bench/render_vs_gerbv.sh into FOLDER: the benchmark board as board.pvb6
// and its C1 copper as c1.gbr; prints the picture size in pixels at DPI as WIDTHxHEIGHT.

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "base/atomic_file.h"
#include "manufacturing/gerber_layers.h"
#include "project/save_commands.h"
#include "synthetic_board.h"

namespace {

// The C1 file of the Gerber export, with the board's lower left corner at 0,0.
std::string c1Gerber(const pravelo::Board& board) {
  pravelo::GerberOptions options;
  options.camOrigin = false;
  return pravelo::gerberLayerFile(board, pravelo::kGerberOutputs[0], options).text;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pravelo;
  if (argc != 3) {
    std::cerr << "usage: write_render_inputs FOLDER DPI\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const double dpi = std::atof(argv[2]);
  Document doc;
  doc.boards.push_back(std::make_unique<Board>(syntheticBoard(10000)));
  doc.activeBoard = 0;
  const Board& board = *doc.boards.front();
  if (!writeDocumentFile(doc, (folder / "board.pvb6").string()) ||
      !writeFileAtomically(folder / "c1.gbr", c1Gerber(board))) {
    std::cerr << "could not write into " << folder << "\n";
    return 1;
  }
  // The render command's rule: board size times dpi, rounded half away from zero.
  std::cout << std::lround(board.header.width * dpi / 254000) << 'x'
            << std::lround(board.header.height * dpi / 254000) << "\n";
  return 0;
}
