#include "manufacturing/vector_picture.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/arc.h"
#include "manufacturing/vector_surface.h"
#include "view/ground_plane_painter.h"
#include "view/layer_order.h"
#include "view/object_painter.h"

namespace pravelo {
namespace {

// The rim of a bare hole: 0.1 mm.
constexpr double kVectorRimWidth = 1000;

// The colours of one picture: the scheme's, or black ink on white paper.
struct VectorColours {
  const ColourScheme& scheme;
  const RenderOptions& display;
  bool colour;

  Rgb paper() const { return colour ? scheme.background() : Rgb{255, 255, 255}; }
  Rgb ink(Rgb c) const { return colour ? c : Rgb{0, 0, 0}; }
  Rgb object(const TObjekt& o) const {
    return ink(isVia(o) ? scheme.colours[kSlotVia] : scheme.layer(o.layer));
  }
  Rgb plane(int layer) const {
    return ink(groundPlaneColour(scheme, layer, display.darkGroundPlane));
  }
  Rgb hole() const {
    if (!colour || display.drillHoleColour == DrillHoleColour::Background) return paper();
    return display.drillHoleColour == DrillHoleColour::White ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
  }
};

bool vectorObjectShown(const TObjekt& o, const BoardHeader& header) {
  return o.drawable && !o.cutout && !isHiddenLabel(o) && objectVisible(o, header);
}

}  // namespace

VectorPicture composeVectorPicture(const Board& board, const ColourScheme& scheme,
                                   const RenderOptions& display, bool colour) {
  const BoardHeader& header = board.header;
  const VectorColours colours{scheme, display, colour};
  VectorPicture picture;
  picture.width = header.width;
  picture.height = header.height;
  VectorSurface surface(picture.shapes);
  const ObjectPainter painter(surface);
  surface.setColours(colours.paper(), colours.paper());
  surface.fillPolygon(
      {{0, 0}, {picture.width, 0}, {picture.width, -picture.height}, {0, -picture.height}});
  const int active = header.activeLayer;
  if (isCopperLayer(active) && header.groundPlane[active - 1]) {
    surface.setColours(colours.plane(active), colours.paper());
    paintPlaneBase(surface, board, active);
  }
  const auto draw = [&](const TObjekt& o) {
    surface.setColours(colours.object(o), colours.paper());
    painter.draw(o);
  };
  const auto order = layerDrawingOrder(active);
  const auto pass = [&](int layer) {
    for (const auto& o : board.objects) {
      if (o->layer == layer && !isVia(*o) && !isMaskOnlyZone(*o) && vectorObjectShown(*o, header)) {
        draw(*o);
      }
    }
  };
  for (int layer : order) {
    if (isCopperLayer(layer)) pass(layer);
  }
  for (const auto& o : board.objects) {
    if (isVia(*o) && vectorObjectShown(*o, header)) draw(*o);
  }
  for (const auto& o : board.objects) {
    if (isMaskOnlyZone(*o) && vectorObjectShown(*o, header)) draw(*o);
  }
  for (int layer : order) {
    if (!isCopperLayer(layer)) pass(layer);
  }
  for (const auto& o : board.objects) {
    if (o->kind != kPad || !(o->dim.y > 0) || !vectorObjectShown(*o, header)) continue;
    const DPoint centre{o->pos.x, o->pos.y};
    picture.shapes.push_back({colours.hole(), vectorDisc(centre, o->dim.y)});
    if (isPureHole(*o)) {
      // A bare hole shows its rim, as the view does.
      std::vector<DPoint> rim = vectorDisc(centre, o->dim.y);
      picture.shapes.push_back(
          {colours.ink(inverted(colours.paper())), std::move(rim), kVectorRimWidth, true, true});
    }
  }
  return picture;
}

}  // namespace pravelo
