#pragma once

#include <cstdint>
#include <string>

#include "document/document.h"
#include "geometry/text_strokes.h"
#include "sample_layout.h"

namespace pravelo::testing {

// Builds components for component list and export tests: pads and labels carry the number
// given, labels get their strokes as the editor lays them out.
struct ComponentBoard {
  Board board;

  explicit ComponentBoard(std::int32_t width = 1000000, std::int32_t height = 800000) {
    board.header = newBoardHeader(width, height);
  }

  TObjekt* smd(int component, FPoint at, std::uint8_t layer = kLayerC1, std::int32_t sizeX = 10000,
               std::int32_t sizeY = 20000) {
    TObjekt p = newObject();
    initSmdPad(p, at, sizeX, layer, sizeY);
    p.componentId = static_cast<std::int16_t>(component);
    return add(board, std::move(p));
  }
  TObjekt* pad(int component, FPoint at, std::uint8_t layer = kLayerC1) {
    TObjekt p = newObject();
    initPad(p, at, layer, kPadCircular, 4000, 8000);
    p.componentId = static_cast<std::int16_t>(component);
    return add(board, std::move(p));
  }
  TObjekt* silk(int component, FPoint from, FPoint to, std::uint8_t layer = kLayerS1) {
    TObjekt t = strokeTrack(from.x, from.y, to.x, to.y, layer);
    t.componentId = static_cast<std::int16_t>(component);
    return add(board, std::move(t));
  }
  TObjekt* label(int component, TextRole role, const std::string& text,
                 std::uint8_t layer = kLayerS1) {
    TObjekt t = newObject();
    initText(t, {0, 0}, text, 0, 0, layer, 1, 1, 13000, 0);
    t.variant = role;
    t.optA = 1;
    t.componentId = static_cast<std::int16_t>(component);
    buildTextStrokes(t, false);
    return add(board, std::move(t));
  }
  // Two SMD pads 10 mm apart with ID and value labels; returns the ID label.
  TObjekt* part(int component, const std::string& name, const std::string& value = "10k",
                FPoint at = {100000, -100000}) {
    smd(component, at);
    smd(component, {at.x + 100000, at.y});
    TObjekt* id = label(component, kComponentIdText, name);
    label(component, kComponentValueText, value);
    return id;
  }
  // Turns the pick-and-place data of the ID label on.
  static void usePickPlace(TObjekt* id, double rotation = 0, const std::string& package = "") {
    id->component.usePickPlace = 1;
    id->component.placeRotation = rotation;
    id->component.package = package;
  }
};

}  // namespace pravelo::testing
