#pragma once

#include <cmath>
#include <memory>
#include <numbers>
#include <utility>

#include "document/document.h"
#include "geometry/text_strokes.h"

namespace pravelo::testing {

// Small boards with every object kind for the Gerber export tests. Sizes in units (0.1 µm).
class GerberBoard {
 public:
  explicit GerberBoard(std::int32_t width = 300000, std::int32_t height = 200000) {
    board.header = newBoardHeader(width, height);
    board.header.activeLayer = kLayerC1;
  }

  TObjekt& add(TObjekt o) {
    board.objects.push_back(std::make_unique<TObjekt>(std::move(o)));
    return *board.objects.back();
  }
  TObjekt& track(std::vector<FPoint> points, std::int32_t width, std::uint8_t flatEnds = 0,
                 std::uint8_t layer = kLayerC1) {
    TObjekt t = newObject();
    initTrack(t, width, layer);
    for (FPoint p : points) addPoint(t, p);
    t.variant = flatEnds;
    return add(std::move(t));
  }
  TObjekt& zone(std::vector<FPoint> points, std::int32_t width, std::uint8_t layer = kLayerC1) {
    TObjekt z = newObject();
    initZone(z, width, layer);
    for (FPoint p : points) addPoint(z, p);
    return add(std::move(z));
  }
  TObjekt& pad(FPoint centre, std::uint8_t shape, float outer, float drill,
               std::uint8_t layer = kLayerC1) {
    TObjekt p = newObject();
    initPad(p, centre, layer, shape, drill, outer);
    return add(std::move(p));
  }
  // An SMD pad of `sizeX` x `sizeY` turned anticlockwise by `degrees` about its centre.
  TObjekt& smd(FPoint centre, double sizeX, double sizeY, double degrees,
               std::uint8_t layer = kLayerC1) {
    TObjekt s = newObject();
    initSmdPad(s, centre, static_cast<std::int32_t>(sizeX), layer,
               static_cast<std::int32_t>(sizeY));
    const double a = degrees * std::numbers::pi / 180;
    const double corners[4][2] = {{-sizeX / 2, -sizeY / 2},
                                  {sizeX / 2, -sizeY / 2},
                                  {sizeX / 2, sizeY / 2},
                                  {-sizeX / 2, sizeY / 2}};
    s.points.clear();
    for (const auto& c : corners) {
      s.points.push_back({static_cast<float>(centre.x + c[0] * std::cos(a) - c[1] * std::sin(a)),
                          static_cast<float>(centre.y + c[0] * std::sin(a) + c[1] * std::cos(a))});
    }
    return add(std::move(s));
  }
  // Angles in thousandths of a degree.
  TObjekt& circle(FPoint centre, std::int32_t outer, std::int32_t inner, std::int32_t start,
                  std::int32_t stop, bool filled = false, std::uint8_t layer = kLayerC1) {
    TObjekt c = newObject();
    initCircle(c, centre, outer, layer, inner);
    c.paramA = start;
    c.width = stop;
    c.optA = filled ? 1 : 0;
    return add(std::move(c));
  }
  TObjekt& text(FPoint anchor, std::string content, std::int32_t height,
                std::uint8_t layer = kLayerC1) {
    TObjekt t = newObject();
    initText(t, anchor, std::move(content), 0, 0, layer, 1, 1, height, 0);
    buildTextStrokes(t, false);
    return add(std::move(t));
  }

  Board board;
};

// A 30 mm x 20 mm board with every kind and shape on C1: pads of each shape, a via, SMD pads at
// 0, 90 and 30 degrees, tracks with round and flat ends, a plain and a hatched zone, a ring, an
// arc, a filled arc and a filled circle, and a text; silkscreen and outline on their layers.
inline GerberBoard everyKindBoard() {
  GerberBoard b;
  float x = 20000;
  for (std::uint8_t shape = kPadCircular; shape <= kPadRectangleV; ++shape, x += 30000) {
    b.pad({x, -25000}, shape, 8000, 4000);
  }
  b.pad({20000, -55000}, kPadCircular, 8000, 3000).via = 1;
  b.pad({45000, -55000}, kPadCircular, 6000, 6000);  // a pure hole
  b.smd({80000, -55000}, 16000, 6000, 0);
  b.smd({120000, -55000}, 16000, 6000, 90);
  b.smd({160000, -55000}, 16000, 6000, 30);
  b.track({{20000, -80000}, {90000, -80000}, {120000, -95000}}, 5000);
  b.track({{140000, -80000}, {200000, -80000}}, 8000, 1);
  b.track({{140000, -95000}, {200000, -95000}, {220000, -110000}}, 8000, 2);
  b.track({{230000, -80000}, {280000, -80000}}, 10000, 3);
  b.zone({{20000, -120000}, {70000, -120000}, {70000, -160000}, {20000, -150000}}, 2000);
  TObjekt& hatched = b.zone({{85000, -120000}, {135000, -120000}, {135000, -165000}}, 2000);
  hatched.optB = 1;
  hatched.optC = 1;
  b.circle({170000, -140000}, 15000, 10000, 0, 0);
  b.circle({215000, -140000}, 15000, 11000, 30000, 250000);
  b.circle({260000, -140000}, 15000, 11000, 300000, 120000, true);
  b.circle({260000, -180000}, 8000, 5000, 0, 0, true);
  b.text({20000, -185000}, "PCB 42", 15000);
  b.track({{10000, -10000}, {290000, -10000}}, 3000, 0, kLayerS1);
  b.zone({{0, 0}, {300000, 0}, {300000, -200000}, {0, -200000}}, 1000, kLayerO);
  return b;
}

// A board whose C1 ground plane is on, with a thermal pad of all eight spokes, a thermal SMD
// pad, a track with a clearance, one with none, and a cut-out zone.
inline GerberBoard groundPlaneBoard() {
  GerberBoard b(200000, 150000);
  b.board.header.groundPlane[kLayerC1 - 1] = 1;
  TObjekt& thermal = b.pad({50000, -50000}, kPadCircular, 10000, 4000);
  thermal.optB = 1;
  thermal.paramA = 0xff;
  thermal.clearance = 5000;
  TObjekt& square = b.pad({100000, -50000}, kPadSquare, 10000, 4000);
  square.optB = 1;
  square.paramA = 0xaa;
  square.clearance = 4000;
  TObjekt& smd = b.smd({150000, -50000}, 20000, 10000, 0);
  smd.optB = 1;
  smd.paramA = 0x55;
  smd.clearance = 4000;
  b.track({{20000, -100000}, {180000, -100000}}, 6000).clearance = 6000;
  b.track({{20000, -125000}, {90000, -125000}}, 6000).clearance = 0;
  b.zone({{120000, -115000}, {180000, -115000}, {180000, -140000}, {120000, -140000}}, 1000)
      .cutout = 1;
  return b;
}

}  // namespace pravelo::testing
