#include "view/zoom.h"

#include <algorithm>
#include <cmath>

#include "base/units.h"

namespace pravelo {
namespace {

DPoint rectCentre(const TRect& r) {
  return {(static_cast<double>(r.left) + r.right) / 2, (static_cast<double>(r.top) + r.bottom) / 2};
}

// The zoom at which `width` x `height` units fill the viewport less `margin` pixels.
double zoomToFit(PixelSize viewport, double margin, double width, double height) {
  return std::min((static_cast<double>(viewport.width) - margin) / width,
                  (static_cast<double>(viewport.height) - margin) / height);
}

}  // namespace

double normalisedZoom(double zoom) {
  if (std::isnan(zoom)) return kDefaultZoom;
  if (std::isinf(zoom)) return zoom > 0 ? kMaxZoom : kMinZoom;
  return std::clamp(roundToDecimals(zoom, 5), kMinZoom, kMaxZoom);
}

DPoint viewCentre(const ViewTransform& v, PixelSize viewport) {
  return screenToWorld(
      v, {static_cast<double>(viewport.width) / 2, static_cast<double>(viewport.height) / 2});
}

ViewTransform clampScroll(ViewTransform v, const ViewFrame& frame) {
  const PixelSize canvas = canvasSize(frame.boardWidth, frame.boardHeight, v.zoom);
  v.scrollX = std::clamp<std::int64_t>(
      v.scrollX, 0, std::max<std::int64_t>(0, canvas.width - frame.viewport.width));
  v.scrollY = std::clamp<std::int64_t>(
      v.scrollY, 0, std::max<std::int64_t>(0, canvas.height - frame.viewport.height));
  return v;
}

ViewTransform setZoom(const ViewTransform& v, const ViewFrame& frame, double zoom,
                      std::optional<DPoint> centre) {
  const DPoint c = centre.value_or(viewCentre(v, frame.viewport));
  ViewTransform result = v;
  result.zoom = normalisedZoom(zoom);
  result.scrollX = 0;
  result.scrollY = 0;
  // With zero scroll, the centre's position is its offset from the surface origin.
  const DPoint at = worldToScreen(result, c);
  result.scrollX = roundHalfEven(at.x - static_cast<double>(frame.viewport.width) / 2);
  result.scrollY = roundHalfEven(at.y - static_cast<double>(frame.viewport.height) / 2);
  return clampScroll(result, frame);
}

ViewTransform zoomIn(const ViewTransform& v, const ViewFrame& frame, double factor) {
  return setZoom(v, frame, v.zoom * factor);
}

ViewTransform zoomOut(const ViewTransform& v, const ViewFrame& frame, double factor) {
  return setZoom(v, frame, v.zoom / factor);
}

ViewTransform fitBoard(const ViewTransform& v, const ViewFrame& frame) {
  return setZoom(v, frame, zoomToFit(frame.viewport, 10, frame.boardWidth, frame.boardHeight));
}

std::optional<ViewTransform> fitObjects(const ViewTransform& v, const ViewFrame& frame,
                                        const TRect& objects) {
  const double w = static_cast<double>(rectWidth(objects));
  const double h = static_cast<double>(rectHeight(objects));
  if (w < 50 || h < 50) return std::nullopt;
  return setZoom(v, frame, zoomToFit(frame.viewport, 20, w, h), rectCentre(objects));
}

std::optional<ViewTransform> fitSelection(const ViewTransform& v, const ViewFrame& frame,
                                          const TRect& selection, const TRect& allObjects) {
  const double w = static_cast<double>(rectWidth(selection));
  const double h = static_cast<double>(rectHeight(selection));
  if (w < 10 || h < 10) return std::nullopt;
  const double enlargedW = std::min(w * 100 / 80, static_cast<double>(rectWidth(allObjects)));
  const double enlargedH = std::min(h * 100 / 80, static_cast<double>(rectHeight(allObjects)));
  return setZoom(v, frame, zoomToFit(frame.viewport, 20, enlargedW, enlargedH),
                 rectCentre(selection));
}

std::optional<PointerZoom> wheelZoomIn(const ViewTransform& v, const ViewFrame& frame,
                                       DPoint pointer) {
  if (v.zoom >= kMaxZoom) return std::nullopt;
  DPoint c = screenToWorld(v, pointer);
  c.x = std::clamp(c.x, 0.0, frame.boardWidth);
  c.y = std::clamp(c.y, -frame.boardHeight, 0.0);
  const ViewTransform result = setZoom(v, frame, v.zoom * kWheelZoomFactor, c);
  return PointerZoom{result, worldToScreen(result, c)};
}

std::optional<PointerZoom> wheelZoomOut(const ViewTransform& v, const ViewFrame& frame,
                                        DPoint pointer) {
  if (v.zoom <= kWheelZoomOutLimit) return std::nullopt;
  const DPoint under = screenToWorld(v, pointer);
  const ViewTransform result = zoomOut(v, frame, kWheelZoomFactor);
  return PointerZoom{result, worldToScreen(result, under)};
}

}  // namespace pravelo
