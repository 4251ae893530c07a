#include "project/new_board.h"

#include <memory>

#include "base/units.h"

namespace pravelo {

namespace {

std::int32_t units(double mm) { return static_cast<std::int32_t>(mmToUnits(mm)); }

void appendObject(Board& board, TObjekt object) {
  board.objects.push_back(std::make_unique<TObjekt>(std::move(object)));
}

void drawRectangularOutline(Board& board, const NewBoardValues& values, bool originAtTop) {
  const float m = static_cast<float>(units(values.rectMargin));
  const float w = static_cast<float>(units(values.rectWidth));
  const float h = static_cast<float>(units(values.rectHeight));
  TObjekt track = newObject();
  initTrack(track, 0, kLayerO);
  track.clearance = 0;
  for (FPoint p : {FPoint{m, -m}, FPoint{m + w, -m}, FPoint{m + w, -m - h}, FPoint{m, -m - h},
                   FPoint{m, -m}}) {
    addPoint(track, p);
  }
  appendObject(board, std::move(track));
  board.header.originX = static_cast<std::int32_t>(m);
  board.header.originY = static_cast<std::int32_t>(originAtTop ? -m : -m - h);
}

void drawRoundOutline(Board& board, const NewBoardValues& values, bool originAtTop) {
  const std::int32_t m = units(values.roundMargin);
  const std::int32_t r = units(values.roundDiameter / 2);
  TObjekt circle = newObject();
  const auto centre = static_cast<float>(r + m);
  initCircle(circle, {centre, -centre}, r, kLayerO, r);
  circle.clearance = 0;
  appendObject(board, std::move(circle));
  board.header.originX = m;
  board.header.originY = originAtTop ? -m : -m - 2 * r;
}

}  // namespace

BoardSize rectangularWorkingArea(const NewBoardValues& values) {
  return {units(values.rectWidth + 2 * values.rectMargin),
          units(values.rectHeight + 2 * values.rectMargin)};
}

BoardSize roundWorkingArea(const NewBoardValues& values) {
  const std::int32_t side = units(values.roundDiameter + 2 * values.roundMargin);
  return {side, side};
}

BoardSize newBoardSize(const NewBoardValues& values) {
  switch (values.mode) {
    case NewBoardMode::Rectangular:
      return rectangularWorkingArea(values);
    case NewBoardMode::Round:
      return roundWorkingArea(values);
    case NewBoardMode::Empty:
      break;
  }
  return {units(values.emptyWidth), units(values.emptyHeight)};
}

bool newBoardAcceptable(const NewBoardValues& values) {
  if (values.mode == NewBoardMode::Empty) return true;
  const BoardSize size = newBoardSize(values);
  return !isTooBig(size.width) && !isTooBig(size.height);
}

void drawBoardOutline(Document& doc, const NewBoardValues& values, bool originAtTop) {
  switch (values.mode) {
    case NewBoardMode::Rectangular:
      drawRectangularOutline(activeBoard(doc), values, originAtTop);
      break;
    case NewBoardMode::Round:
      drawRoundOutline(activeBoard(doc), values, originAtTop);
      break;
    case NewBoardMode::Empty:
      break;
  }
}

}  // namespace pravelo
