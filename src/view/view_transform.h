#pragma once

#include <cstdint>
#include <span>

#include "document/board_header.h"
#include "document/object.h"
#include "geometry/point.h"

namespace pravelo {

// Pixel sizes (viewport, drawing surface). 64-bit: a large board at high zoom exceeds 32 bits.
struct PixelSize {
  std::int64_t width = 0;
  std::int64_t height = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// A real rectangle in world units, top holding the smaller y.
struct WorldRect {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// World to screen: column = x * zoom - scrollX, row = -y * zoom - scrollY, zoom in pixels per
// unit. Other targets (previews, printing, images) put their own offset in the scroll fields.
// The photo view from the bottom side mirrors x about the board: column = (width - x) * zoom.
struct ViewTransform {
  double zoom = 0.001;
  std::int64_t scrollX = 0;
  std::int64_t scrollY = 0;
  bool mirrored = false;
  double boardWidth = 0;  // units; used only when mirrored
  friend bool operator==(const ViewTransform&, const ViewTransform&) = default;
};

inline double screenX(const ViewTransform& v, double x) {
  return (v.mirrored ? v.boardWidth - x : x) * v.zoom - static_cast<double>(v.scrollX);
}
inline double screenY(const ViewTransform& v, double y) {
  return -y * v.zoom - static_cast<double>(v.scrollY);
}
inline DPoint worldToScreen(const ViewTransform& v, DPoint p) {
  return {screenX(v, p.x), screenY(v, p.y)};
}
inline DPoint worldToScreen(const ViewTransform& v, FPoint p) {
  return {screenX(v, p.x), screenY(v, p.y)};
}
// Real world coordinates; callers round when they need integer points.
DPoint screenToWorld(const ViewTransform& v, DPoint screen);

// Converts many points at once (the renderer's outlines).
void worldToScreen(const ViewTransform& v, std::span<const FPoint> world, std::span<DPoint> screen);
void screenToWorld(const ViewTransform& v, std::span<const DPoint> screen, std::span<DPoint> world);

// The drawing surface of a board: (width x zoom + 1) x (height x zoom + 1) pixels. It is never
// allocated; the viewport paints only its visible part.
PixelSize canvasSize(double boardWidth, double boardHeight, double zoom);

// The world rectangle shown in a viewport of `viewport` pixels.
WorldRect visibleWorldRect(const ViewTransform& v, PixelSize viewport);

// The view kept in a board's header, and back. Scroll positions are stored as 32-bit values.
ViewTransform viewOf(const BoardHeader& header);
void storeView(BoardHeader& header, const ViewTransform& v);

}  // namespace pravelo
