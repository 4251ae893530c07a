#pragma once

#include <memory>
#include <utility>

#include "document/document.h"

namespace pravelo::testing {

inline TObjekt* add(Board& board, TObjekt o) {
  board.objects.push_back(std::make_unique<TObjekt>(std::move(o)));
  return board.objects.back().get();
}

inline void connect(TObjekt* a, TObjekt* b) {
  a->connections.push_back(b);
  b->connections.push_back(a);
}

inline TObjekt strokeTrack(float x0, float y0, float x1, float y1, std::uint8_t layer) {
  TObjekt t = newObject();
  initTrack(t, 2000, layer);
  addPoint(t, {x0, y0});
  addPoint(t, {x1, y1});
  return t;
}

inline TObjekt textWithStroke(const char* text, FPoint at, std::uint8_t layer) {
  TObjekt t = newObject();
  initText(t, at, text, 0, 0, layer, 1, 1, 20000, 0);
  t.children.push_back(strokeTrack(at.x, at.y, at.x + 10000, at.y, layer));
  return t;
}

// A board with every kind of object and every stored field in use, holding nothing the reader
// would repair: reading it and writing it again gives the same bytes.
inline std::unique_ptr<Board> sampleBoard(const char* name) {
  auto board = std::make_unique<Board>();
  Board& b = *board;
  b.name = name;
  b.header = newBoardHeader(800000, 500000);
  BoardHeader& h = b.header;
  h.groundPlane = {1, 0, 1, 0, 1, 0, 0};
  h.grid = 6350.5;
  h.zoom = 0.0123456789;
  h.scrollX = -12;
  h.scrollY = 345;
  h.activeLayer = 5;
  h.layerVisible = {1, 0, 1, 1, 1, 1, 0};
  h.templateShown = {1, 0};
  h.templateFile = {"/tmp/top \xE9.bmp", std::string(200, 'x')};
  h.templateDpi = {300, 1200};
  h.templateOffsetX = {-5, 7};
  h.templateOffsetY = {11, -13};
  h.templateTint = {0x00FF00, 0x123456};
  h.originX = 1000;
  h.originY = -2000;
  h.multilayer = 1;

  TObjekt pad = newObject();
  initPad(pad, {10000.25f, -20000.5f}, kLayerC1, kPadOctagonH, 4000, 8000);
  pad.via = 1;
  pad.optA = 1;
  pad.optB = 1;
  pad.paramA = 0x11223344;
  pad.paramB = 80;
  pad.clearance = 4000;
  pad.componentId = 1;
  pad.name = "pin 1";
  pushGroup(pad, 1);
  pushGroup(pad, 2);
  TObjekt* p1 = add(b, std::move(pad));

  TObjekt round = newObject();
  initPad(round, {30000, -20000}, kLayerC2, kPadRoundedV, 3000, 9000);
  round.componentId = 1;
  TObjekt* p2 = add(b, std::move(round));

  TObjekt smd = newObject();
  initSmdPad(smd, {50000, -30000}, 12000, kLayerC1, 6000);
  smd.optB = 1;
  smd.solderMask = 0;
  smd.cutout = 1;
  TObjekt* s1 = add(b, std::move(smd));
  connect(p1, p2);
  connect(p1, s1);

  TObjekt track = strokeTrack(10000.25f, -20000.5f, 30000, -20000, kLayerC1);
  addPoint(track, {30000, -40000});
  track.variant = 3;
  track.autorouted = 1;
  track.routeEndA = p1;
  track.routeEndB = s1;
  track.name = "net A";
  pushGroup(track, 2);
  add(b, std::move(track));
  TObjekt manual = strokeTrack(0, 0, 1.5f, -2.25f, kLayerI1);
  manual.autorouted = 1;  // an autorouted track whose pads have gone
  add(b, std::move(manual));

  TObjekt zone = newObject();
  initZone(zone, 1500, kLayerC2);
  for (FPoint p : {FPoint{0, 0}, FPoint{100000, 0}, FPoint{100000, -100000}, FPoint{0, -100000}}) {
    addPoint(zone, p);
  }
  zone.optB = 1;
  zone.optC = 0;
  zone.paramB = 700;
  add(b, std::move(zone));
  TObjekt mask = newObject();
  initZone(mask, 0, kLayerC1);
  for (FPoint p : {FPoint{1, 1}, FPoint{2, 2}, FPoint{3, 1}, FPoint{4, 5}, FPoint{0, 9}}) {
    addPoint(mask, p);
  }
  mask.maskOnly = 1;
  add(b, std::move(mask));

  TObjekt circle = newObject();
  initCircle(circle, {-5000, 7000}, 20000, kLayerO, 10000);
  circle.paramA = 45000;
  circle.width = 300000;
  circle.optA = 1;
  add(b, std::move(circle));

  TObjekt id = textWithStroke("R1", {12000, -8000}, kLayerC2);
  id.variant = kComponentIdText;
  id.componentId = 1;
  id.optB = 1;
  id.optC = 1;
  id.paramB = 90;
  id.component = {{1.5f, -2.5f}, 2, 90.25, "0805", "\xB5-size", 1};
  add(b, std::move(id));
  TObjekt value = textWithStroke("4k7", {12000, -12000}, kLayerS1);
  value.variant = kComponentValueText;
  value.componentId = 1;
  value.optA = 0;
  add(b, std::move(value));

  TObjekt legacy = newObject();  // a line of an old format, kept as it is in this one
  legacy.kind = kLegacyLine;
  legacy.layer = kLayerS1;
  legacy.pos = {1, 2};
  legacy.dim = {3, 4};
  legacy.width = 12;
  add(b, std::move(legacy));
  return board;
}

// Two boards, the second one active, with project information.
inline Document sampleDocument() {
  Document doc;
  doc.boards.push_back(sampleBoard("Main"));
  doc.boards.push_back(std::make_unique<Board>());
  doc.boards.back()->name = "Second \xC4";
  doc.boards.back()->header = newBoardHeader(1600000, 1000000);
  add(*doc.boards.back(), strokeTrack(0, 0, 5000, 0, kLayerC1));
  doc.activeBoard = 1;
  doc.project = {"Title", "Author \xE9", "Company", "line one\r\nline two"};
  return doc;
}

}  // namespace pravelo::testing
