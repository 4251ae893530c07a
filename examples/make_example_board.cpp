// Builds the example layout with the program's own operations and writes it to the path given
// as the only argument:  build/examples/make_example_board examples/example.pvb6

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "base/text.h"
#include "base/units.h"
#include "document/document_texts.h"
#include "geometry/text_strokes.h"
#include "project/boards.h"
#include "project/save_commands.h"

namespace pravelo {
namespace {

constexpr std::int32_t kClearance = 4000;  // 0.4 mm
constexpr std::int32_t kTrackWidth = 8000;

float mm(double value) { return static_cast<float>(mmToUnits(value)); }
std::int32_t mmInt(double value) { return static_cast<std::int32_t>(mmToUnits(value)); }

TObjekt* add(Board& board, TObjekt o) {
  board.objects.push_back(std::make_unique<TObjekt>(std::move(o)));
  return board.objects.back().get();
}

void connect(TObjekt* a, TObjekt* b) {
  a->connections.push_back(b);
  b->connections.push_back(a);
}

TObjekt* track(Board& board, std::uint8_t layer, std::int32_t width,
               const std::vector<FPoint>& points) {
  TObjekt t = newObject();
  initTrack(t, width, layer);
  t.clearance = kClearance;
  for (FPoint p : points) addPoint(t, p);
  return add(board, std::move(t));
}

TObjekt* pad(Board& board, FPoint centre, std::uint8_t shape, double drillMm, double sizeMm,
             std::int16_t component) {
  TObjekt p = newObject();
  initPad(p, centre, kLayerC2, shape, mm(drillMm / 2), mm(sizeMm / 2));
  p.via = 1;
  p.clearance = kClearance;
  p.componentId = component;
  return add(board, std::move(p));
}

TObjekt* smdPad(Board& board, FPoint centre, double widthMm, double heightMm,
                std::int16_t component) {
  TObjekt p = newObject();
  initSmdPad(p, centre, mmInt(widthMm), kLayerC1, mmInt(heightMm));
  p.clearance = kClearance;
  p.componentId = component;
  return add(board, std::move(p));
}

// A text in the stroke font.
TObjekt* text(Board& board, FPoint anchor, const char* content, std::uint8_t layer, double heightMm,
              std::uint8_t role, std::int16_t component) {
  TObjekt t = newObject();
  const bool bottom = layer == kLayerC2 || layer == kLayerS2;
  initText(t, anchor, content, 0, bottom ? 1 : 0, layer, 1, 1, mmInt(heightMm), 0);
  t.variant = role;
  t.componentId = component;
  buildTextStrokes(t, false);
  return add(board, std::move(t));
}

void componentLabels(Board& board, FPoint at, const char* id, const char* value,
                     const char* package, std::int16_t component) {
  TObjekt* label = text(board, at, id, kLayerS1, 1.5, kComponentIdText, component);
  label->component.package = package;
  label->component.usePickPlace = 1;
  text(board, {at.x, at.y - mm(2)}, value, kLayerS1, 1.2, kComponentValueText, component);
}

void outline(Board& board, double widthMm, double heightMm) {
  track(board, kLayerO, mmInt(0.3),
        {{0, 0}, {mm(widthMm), 0}, {mm(widthMm), -mm(heightMm)}, {0, -mm(heightMm)}, {0, 0}});
}

// A small headphone amplifier: an SO-8 op-amp, an input resistor, a coupling capacitor, a
// connector, ground fill, a mounting hole and a title.
void amplifier(Board& b) {
  outline(b, 50, 35);

  // U1, SO-8 on the top side.
  std::vector<TObjekt*> u1;
  for (int i = 0; i < 8; ++i) {
    const bool left = i < 4;
    const double y = left ? -12.0 - 1.27 * i : -12.0 - 1.27 * (7 - i);
    u1.push_back(smdPad(b, {mm(left ? 22.3 : 27.7), mm(y)}, 1.6, 0.6, 1));
  }
  componentLabels(b, {mm(22), mm(-9)}, "U1", "NE5532", "SO-8", 1);

  // R1 and C1, through-hole on the bottom copper.
  TObjekt* r1a = pad(b, {mm(10), mm(-10)}, kPadCircular, 0.8, 1.8, 2);
  TObjekt* r1b = pad(b, {mm(10), mm(-20.16)}, kPadCircular, 0.8, 1.8, 2);
  componentLabels(b, {mm(12), mm(-14)}, "R1", "4k7", "0207/10", 2);
  TObjekt* c1a = pad(b, {mm(38), mm(-10)}, kPadSquare, 0.8, 1.8, 3);
  TObjekt* c1b = pad(b, {mm(38), mm(-15)}, kPadOctagon, 0.8, 1.8, 3);
  componentLabels(b, {mm(40), mm(-12)}, "C1", "10u", "C-5mm", 3);

  // J1, a three-pin connector.
  std::vector<TObjekt*> j1;
  for (int i = 0; i < 3; ++i) {
    j1.push_back(pad(b, {mm(5 + 2.54 * i), mm(-30)}, kPadRoundedV, 1.0, 1.7, 4));
  }
  componentLabels(b, {mm(4), mm(-26)}, "J1", "IN", "PIN-3", 4);
  for (TObjekt* o : {j1[0], j1[1], j1[2]}) pushGroup(*o, 1);

  // Routed tracks on both sides, joined through a via.
  track(b, kLayerC2, kTrackWidth, {j1[0]->pos, {mm(5), mm(-20.16)}, r1b->pos});
  TObjekt* via = pad(b, {mm(18), mm(-15.81)}, kPadCircular, 0.6, 1.2, 0);
  track(b, kLayerC2, kTrackWidth, {r1a->pos, {mm(16), mm(-10)}, {mm(18), mm(-12)}, via->pos});
  track(b, kLayerC1, mmInt(0.5), {via->pos, u1[3]->pos});
  TObjekt* routed = track(b, kLayerC1, mmInt(0.5), {u1[7]->pos, {mm(32), mm(-12)}, c1a->pos});
  routed->autorouted = 1;
  routed->routeEndA = u1[7];
  routed->routeEndB = c1a;

  // Connections still to be routed.
  connect(u1[0], c1b);
  connect(j1[2], u1[4]);
  connect(j1[1], c1b);

  // Ground fill on the bottom and a hatched silkscreen area that marks the op-amp.
  TObjekt ground = newObject();
  initZone(ground, mmInt(0.3), kLayerC2);
  ground.clearance = kClearance;
  for (FPoint p : {FPoint{mm(30), mm(-20)}, FPoint{mm(48), mm(-20)}, FPoint{mm(48), mm(-33)},
                   FPoint{mm(30), mm(-33)}}) {
    addPoint(ground, p);
  }
  add(b, std::move(ground));
  TObjekt hatch = newObject();
  initZone(hatch, mmInt(0.2), kLayerS1);
  hatch.optB = 1;
  for (FPoint p : {FPoint{mm(20), mm(-10)}, FPoint{mm(30), mm(-10)}, FPoint{mm(30), mm(-22)}}) {
    addPoint(hatch, p);
  }
  add(b, std::move(hatch));

  // Mounting hole: an unplated hole with a keep-out ring around it on the silkscreen.
  pad(b, {mm(45), mm(-5)}, kPadCircular, 3.2, 3.2, 0)->via = 0;
  TObjekt ring = newObject();
  initCircle(ring, {mm(45), mm(-5)}, mmInt(3), kLayerS1, mmInt(2.8));
  add(b, std::move(ring));
  TObjekt arc = newObject();
  initCircle(arc, {mm(10), mm(-15)}, mmInt(7), kLayerS1, mmInt(6.8));
  arc.paramA = 90000;
  arc.width = 270000;
  add(b, std::move(arc));

  text(b, {mm(2), mm(-3)}, "Pravelo headphone amp", kLayerS1, 2, kPlainText, 0);
  text(b, {mm(48), mm(-3)}, "rev. A", kLayerC2, 1.5, kPlainText, 0);
}

// A small power supply: regulator with two capacitors.
void powerSupply(Board& b) {
  outline(b, 30, 20);
  std::vector<TObjekt*> u2;
  for (int i = 0; i < 3; ++i) {
    u2.push_back(pad(b, {mm(10 + 2.54 * i), mm(-10)}, kPadOctagonV, 1.0, 1.8, 1));
  }
  componentLabels(b, {mm(9), mm(-6)}, "U2", "7805", "TO-220", 1);
  TObjekt* c2 = pad(b, {mm(22), mm(-14)}, kPadRectangleH, 0.8, 1.6, 2);
  TObjekt* c3 = pad(b, {mm(22), mm(-17)}, kPadRoundedH, 0.8, 1.6, 2);
  componentLabels(b, {mm(24), mm(-12)}, "C2", "100n", "C-2.5mm", 2);
  track(b, kLayerC2, kTrackWidth, {u2[2]->pos, {mm(15.08), mm(-14)}, c2->pos});
  connect(u2[1], c3);
  TObjekt pin = newObject();
  initSmdPad(pin, {mm(4), mm(-15)}, mmInt(2), kLayerC1, mmInt(3));
  pin.clearance = kClearance;
  connect(add(b, std::move(pin)), u2[0]);
  text(b, {mm(2), mm(-2)}, "5 V", kLayerS1, 2, kPlainText, 0);
}

}  // namespace
}  // namespace pravelo

int main(int argc, char** argv) {
  using namespace pravelo;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_example_board OUTPUT.pvb6\n");
    return 2;
  }
  setLanguage(Language::English);
  Document doc;
  amplifier(addBoard(doc, "Headphone amplifier", mmInt(50), mmInt(35)));
  powerSupply(addBoard(doc, "Power supply", mmInt(30), mmInt(20)));
  activateBoard(doc, 0);
  doc.project = {"Example", "Pravelo-Board", "",
                 "Two boards built by make_example_board.\r\n"
                 "Regenerate with the same program."};
  if (!writeDocumentFile(doc, argv[1])) {
    std::fprintf(stderr, "%s: %s\n", argv[1], tr(texts::saveProblemWrite));
    return 1;
  }
  return 0;
}
