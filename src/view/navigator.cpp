#include "view/navigator.h"

#include <algorithm>

#include "base/units.h"

namespace pravelo {
namespace {

double keptInside(double position, double size, double areaStart, double areaSize) {
  return std::clamp(position, areaStart, std::max(areaStart, areaStart + areaSize - size));
}

}  // namespace

NavigatorGeometry navigatorGeometry(double boardWidth, double boardHeight, const ViewTransform& v,
                                    PixelSize viewport) {
  NavigatorGeometry g;
  g.scale = std::max(1.0, std::max(boardWidth, boardHeight)) / kNavigatorThumbnailSide;
  const double w = static_cast<double>(roundHalfEven(boardWidth / g.scale));
  const double h = static_cast<double>(roundHalfEven(boardHeight / g.scale));
  g.thumbnail = {static_cast<double>((kNavigatorPanelWidth - static_cast<int>(w)) / 2),
                 kNavigatorTop, w, h};
  const double screenPerPanelPixel = v.zoom * g.scale;
  g.visible = {g.thumbnail.left + static_cast<double>(v.scrollX) / screenPerPanelPixel,
               g.thumbnail.top + static_cast<double>(v.scrollY) / screenPerPanelPixel,
               static_cast<double>(viewport.width) / screenPerPanelPixel,
               static_cast<double>(viewport.height) / screenPerPanelPixel};
  return g;
}

ViewTransform navigatorThumbnailView(const NavigatorGeometry& g, const ViewTransform& shown) {
  ViewTransform v;
  v.zoom = 1 / g.scale;
  v.mirrored = shown.mirrored;
  v.boardWidth = shown.boardWidth;
  return v;
}

ViewTransform navigatorDrag(const NavigatorGeometry& g, const ViewTransform& v, double left,
                            double top) {
  const double x = keptInside(left, g.visible.width, g.thumbnail.left, g.thumbnail.width);
  const double y = keptInside(top, g.visible.height, g.thumbnail.top, g.thumbnail.height);
  ViewTransform result = v;
  result.scrollX = roundHalfEven(v.zoom * ((x - g.thumbnail.left) * g.scale));
  result.scrollY = roundHalfEven(v.zoom * ((y - g.thumbnail.top) * g.scale));
  return result;
}

}  // namespace pravelo
