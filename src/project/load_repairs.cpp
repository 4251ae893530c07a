#include "project/load_repairs.h"

#include <algorithm>
#include <cmath>

#include "document/board_cleanup.h"
#include "project/legacy_texts.h"

namespace pravelo {
namespace {

// Positions and sizes are rounded into 32-bit integers by the geometry; a value that is not a
// number or lies beyond that range cannot be used.
void usable(float& v) {
  if (!std::isfinite(v) || std::fabs(v) >= 2147483648.0f) v = 0;
}

void usable(FPoint& p) {
  usable(p.x);
  usable(p.y);
}

void repairCoordinates(TObjekt& o) {
  usable(o.pos);
  usable(o.dim);
  for (FPoint& p : o.points) usable(p);
  for (TObjekt& child : o.children) repairCoordinates(child);
}

// Outline points of each pad shape 1..9: round-capped bars 2, octagons 8, rectangles 4.
std::size_t padOutlinePoints(int shape) {
  constexpr std::size_t kPoints[] = {2, 8, 4, 2, 8, 4, 2, 8, 4};
  return kPoints[shape - 1];
}

}  // namespace

void repairObjectValues(TObjekt& o) {
  repairCoordinates(o);
  if (o.kind == kText && o.variant > kComponentValueText) o.variant = kPlainText;
  if (isIdText(o)) {
    usable(o.component.placeOffset);
    if (!std::isfinite(o.component.placeRotation)) o.component.placeRotation = 0;
  } else {
    o.component = {};
  }
  if (o.kind == kPad) {
    if (o.variant < kPadCircular || o.variant > kPadRectangleV) o.variant = kPadCircular;
    if (o.points.size() != padOutlinePoints(o.variant)) {
      o.points = padOutline(o.pos, o.dim.x, o.variant, 0);
    }
  } else if (o.kind == kSmdPad && o.points.size() != 4) {
    o.points = smdPadCorners(o.pos, o.dim.x, o.dim.y);
  }
  // A generated outline can leave the usable range for extreme fields.
  if (isPadKind(o.kind)) repairCoordinates(o);
}

void repairThermalStamp(TObjekt& pad) {
  if (pad.thermalStamp == kThermalStamp) return;
  pad.paramB = kDefaultSpokeWidthPercent;
  pad.paramA = kDefaultSmdSpokes;
  pad.thermalStamp = kThermalStamp;
  pad.optB = 0;
}

void repairCircleAngles(TObjekt& circle) {
  // Both bounds keep the product inside the integer range.
  auto small = [](std::int32_t angle) { return angle > -1000 && angle < 1000; };
  if (small(circle.paramA) && small(circle.width)) {
    circle.paramA *= 1000;
    circle.width *= 1000;
  }
}

void repairBoardHeader(BoardHeader& header) {
  const BoardHeader fresh = newBoardHeader(160 * kUnitsPerMm, 100 * kUnitsPerMm);
  if (header.width <= 0) header.width = fresh.width;
  if (header.height <= 0) header.height = fresh.height;
  // A grid or zoom beyond what the grid dialog and the zoom commands allow is taken to the
  // nearest limit: a huge zoom leaves nothing to see, a tiny grid shows as "0 mm".
  if (!std::isfinite(header.grid) || header.grid <= 0) header.grid = fresh.grid;
  header.grid = std::clamp(header.grid, kMinGridSpacing, kMaxGridSpacing);
  if (!std::isfinite(header.zoom) || header.zoom <= 0) header.zoom = fresh.zoom;
  header.zoom = std::clamp(header.zoom, kMinZoom, kMaxZoom);
  if (header.activeLayer < 1 || header.activeLayer > kLayerCount) {
    header.activeLayer = fresh.activeLayer;
  }
}

void repairLoadedBoard(Board& board) {
  for (auto& o : board.objects) repairObjectValues(*o);
  // The new stroke texts are checked like the others, and before the clean-up, so that one
  // that yields no strokes goes at once.
  replaceLegacyTexts(board.objects, kStandardPixelsPerInch);
  for (auto& o : board.objects) {
    if (o->kind == kText) repairObjectValues(*o);
    if (isPadKind(o->kind)) repairThermalStamp(*o);
    if (o->kind == kCircle) repairCircleAngles(*o);
  }
  cleanUpBoard(board.objects);
  normalisePads(board.objects);
  repairBoardHeader(board.header);
  // The inner layers are shown exactly when the board uses them.
  const std::uint8_t inner = board.header.multilayer != 0 ? 1 : 0;
  board.header.layerVisible[kLayerI1 - 1] = inner;
  board.header.layerVisible[kLayerI2 - 1] = inner;
}

}  // namespace pravelo
