#pragma once

#include <memory>
#include <utility>

#include "document/document.h"

namespace pravelo::testing {

// Small boards for picking and selection: objects are added in drawing order and addressed by
// their index.
class EditingBoard {
 public:
  EditingBoard() {
    board.header = newBoardHeader(1000000, 1000000);
    board.header.activeLayer = kLayerC1;
    board.header.layerVisible = {1, 1, 1, 1, 0, 0, 1};
  }

  int add(TObjekt o) {
    board.objects.push_back(std::make_unique<TObjekt>(std::move(o)));
    return static_cast<int>(board.objects.size()) - 1;
  }
  int track(std::uint8_t layer, FPoint a, FPoint b, std::int32_t width) {
    TObjekt t = newObject();
    initTrack(t, width, layer);
    addPoint(t, a);
    addPoint(t, b);
    return add(std::move(t));
  }
  int zone(std::uint8_t layer, float left, float bottom, float right, float top) {
    TObjekt z = newObject();
    initZone(z, 1000, layer);
    for (FPoint p :
         {FPoint{left, bottom}, FPoint{right, bottom}, FPoint{right, top}, FPoint{left, top}}) {
      addPoint(z, p);
    }
    return add(std::move(z));
  }
  int pad(FPoint centre, float outer, float drill, std::uint8_t layer = kLayerC1) {
    TObjekt p = newObject();
    initPad(p, centre, layer, kPadCircular, drill, outer);
    return add(std::move(p));
  }
  int circle(FPoint centre, std::int32_t outer, std::int32_t inner, std::uint8_t layer = kLayerC1) {
    TObjekt c = newObject();
    initCircle(c, centre, outer, layer, inner);
    return add(std::move(c));
  }
  TObjekt& operator[](int index) { return *board.objects.at(index); }

  Board board;
};

}  // namespace pravelo::testing
