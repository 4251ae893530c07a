#pragma once

#include <memory>
#include <utility>

#include "document/document.h"

namespace pravelo::testing {

// A board for drill tests: pads are added in document order and addressed by index.
struct DrillBoard {
  Board board;

  explicit DrillBoard(std::int32_t width = 1000000, std::int32_t height = 800000) {
    board.header = newBoardHeader(width, height);
  }

  TObjekt& pad(FPoint centre, float outerRadius, float holeRadius, std::uint8_t layer = kLayerC1,
               std::uint8_t shape = kPadCircular) {
    TObjekt p = newObject();
    initPad(p, centre, layer, shape, holeRadius, outerRadius);
    board.objects.push_back(std::make_unique<TObjekt>(std::move(p)));
    return *board.objects.back();
  }
  const TObjekt* at(int index) const { return board.objects.at(index).get(); }
};

}  // namespace pravelo::testing
