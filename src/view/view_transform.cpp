#include "view/view_transform.h"

#include <algorithm>
#include <limits>

#include "base/units.h"

namespace pravelo {
namespace {

std::int32_t toScroll32(std::int64_t v) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(v, 0, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

DPoint screenToWorld(const ViewTransform& v, DPoint screen) {
  const double x = (screen.x + static_cast<double>(v.scrollX)) / v.zoom;
  const double y = -(screen.y + static_cast<double>(v.scrollY)) / v.zoom;
  return {v.mirrored ? v.boardWidth - x : x, y};
}

void worldToScreen(const ViewTransform& v, std::span<const FPoint> world,
                   std::span<DPoint> screen) {
  const std::size_t n = std::min(world.size(), screen.size());
  for (std::size_t i = 0; i < n; ++i) screen[i] = worldToScreen(v, world[i]);
}

void screenToWorld(const ViewTransform& v, std::span<const DPoint> screen,
                   std::span<DPoint> world) {
  const std::size_t n = std::min(world.size(), screen.size());
  for (std::size_t i = 0; i < n; ++i) world[i] = screenToWorld(v, screen[i]);
}

PixelSize canvasSize(double boardWidth, double boardHeight, double zoom) {
  return {roundHalfEven(boardWidth * zoom) + 1, roundHalfEven(boardHeight * zoom) + 1};
}

WorldRect visibleWorldRect(const ViewTransform& v, PixelSize viewport) {
  const DPoint a = screenToWorld(v, {0, 0});
  const DPoint b =
      screenToWorld(v, {static_cast<double>(viewport.width), static_cast<double>(viewport.height)});
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

ViewTransform viewOf(const BoardHeader& header) {
  return {header.zoom, header.scrollX, header.scrollY};
}

void storeView(BoardHeader& header, const ViewTransform& v) {
  header.zoom = v.zoom;
  header.scrollX = toScroll32(v.scrollX);
  header.scrollY = toScroll32(v.scrollY);
}

}  // namespace pravelo
