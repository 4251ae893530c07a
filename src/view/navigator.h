#pragma once

#include "view/view_transform.h"

namespace pravelo {

// The board navigator: a thumbnail of the board, its longer side 80 pixels, centred in a
// 97-pixel-wide panel with a one-pixel frame, and a rectangle showing the visible area.
inline constexpr int kNavigatorPanelWidth = 97;
inline constexpr int kNavigatorThumbnailSide = 80;
inline constexpr int kNavigatorTop = 8;

struct PanelRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

struct NavigatorGeometry {
  double scale = 1;     // units per thumbnail pixel
  PanelRect thumbnail;  // the frame lies one pixel outside it
  PanelRect visible;    // the visible area, in panel pixels
};

NavigatorGeometry navigatorGeometry(double boardWidth, double boardHeight, const ViewTransform& v,
                                    PixelSize viewport);

// The view the thumbnail is drawn with: the board at the navigator's scale, turned over like the
// drawing area's view `shown` (the photo view from below). The rectangle is placed by the scroll
// positions of the view as drawn, so only a thumbnail turned the same way lies under it right.
ViewTransform navigatorThumbnailView(const NavigatorGeometry& g, const ViewTransform& shown);

// Dragging the visible-area rectangle to (left, top) in panel pixels: the rectangle stays inside
// the thumbnail and the view scrolls to match.
ViewTransform navigatorDrag(const NavigatorGeometry& g, const ViewTransform& v, double left,
                            double top);

}  // namespace pravelo
