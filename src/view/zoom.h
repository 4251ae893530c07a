#pragma once

#include <optional>

#include "document/board_header.h"
#include "geometry/point.h"
#include "geometry/rect.h"
#include "view/view_transform.h"

namespace pravelo {

inline constexpr double kDefaultZoom = 0.001;  // one pixel per 0.1 mm
inline constexpr double kWheelZoomFactor = 1.3;
inline constexpr double kNavigatorZoomFactor = 1.4;
// The wheel stops zooming out at this zoom.
inline constexpr double kWheelZoomOutLimit = 0.000105;

// What the zoom operations need besides the transform: the viewport and the board size.
struct ViewFrame {
  PixelSize viewport;
  double boardWidth = 0;  // units
  double boardHeight = 0;
};

// Every zoom set is rounded to 5 decimals and then kept within [kMinZoom, kMaxZoom].
double normalisedZoom(double zoom);

// The world point at the middle of the viewport.
DPoint viewCentre(const ViewTransform& v, PixelSize viewport);

// Keeps the scroll position within the drawing surface.
ViewTransform clampScroll(ViewTransform v, const ViewFrame& frame);

// Sets the zoom and places `centre` (default: the world point now at the middle) at the middle
// of the viewport, as far as the drawing surface allows.
ViewTransform setZoom(const ViewTransform& v, const ViewFrame& frame, double zoom,
                      std::optional<DPoint> centre = std::nullopt);

// Multiplies (zoom in) or divides (zoom out) the zoom by `factor`, keeping the middle of the view.
ViewTransform zoomIn(const ViewTransform& v, const ViewFrame& frame, double factor);
ViewTransform zoomOut(const ViewTransform& v, const ViewFrame& frame, double factor);

// The whole board in the viewport with a 10-pixel margin, keeping the middle of the view.
ViewTransform fitBoard(const ViewTransform& v, const ViewFrame& frame);

// `objects` (the bounds of all objects) in the viewport with a 20-pixel margin, centred on them;
// nothing when they are narrower or lower than 50 units.
std::optional<ViewTransform> fitObjects(const ViewTransform& v, const ViewFrame& frame,
                                        const TRect& objects);

// The selection filling 80 % of the viewport (but not enlarged beyond the bounds of all
// objects), centred on it; nothing when it is narrower or lower than 10 units.
std::optional<ViewTransform> fitSelection(const ViewTransform& v, const ViewFrame& frame,
                                          const TRect& selection, const TRect& allObjects);

// The wheel's zoom about the pointer: the new view and where the pointer is moved to.
struct PointerZoom {
  ViewTransform view;
  DPoint pointer;
};
// Zooms in by 1.3 and centres the view on the board point under the pointer (kept on the board);
// nothing at the highest zoom.
std::optional<PointerZoom> wheelZoomIn(const ViewTransform& v, const ViewFrame& frame,
                                       DPoint pointer);
// Zooms out by 1.3 keeping the middle; the pointer follows the world point it was on. Nothing at
// the lowest zoom.
std::optional<PointerZoom> wheelZoomOut(const ViewTransform& v, const ViewFrame& frame,
                                        DPoint pointer);

}  // namespace pravelo
