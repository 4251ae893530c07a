#include "view/ground_plane_painter.h"

#include <cstring>

#include "copper/thermal_spokes.h"
#include "geometry/layer_presence.h"
#include "view/canvas_surface.h"
#include "view/object_painter.h"

namespace pravelo {

void paintPlaneBase(DrawingSurface& surface, const Board& board, int layer) {
  const BoardHeader& header = board.header;
  const double width = header.width;
  const double height = header.height;
  surface.setPolarity(Polarity::Dark);
  surface.fillPolygon({{0, 0}, {width, 0}, {width, -height}, {0, -height}});
  paintPlaneCuts(surface, board, layer);
}

void paintPlaneCuts(DrawingSurface& surface, const Board& board, int layer) {
  const BoardHeader& header = board.header;
  surface.setPolarity(Polarity::Clear);
  const ObjectPainter painter(surface);
  const bool multilayer = header.multilayer != 0;
  for (const auto& o : board.objects) {
    if (isMaskOnlyZone(*o) || !isPresentOnLayer(*o, layer, multilayer)) continue;
    painter.draw(*o, o->cutout ? 0 : planeClearance(*o));
  }
  // Thermal pads are tied to the plane by spokes across their gap.
  surface.setPolarity(Polarity::Dark);
  for (const auto& o : board.objects) {
    if (!isPadKind(o->kind) || !o->optB || !isPresentOnLayer(*o, layer, multilayer)) continue;
    for (const SpokeRectangle& spoke : thermalSpokes(*o, layer, kSpokeReach)) {
      surface.fillPolygon({{spoke[0].x, spoke[0].y},
                           {spoke[1].x, spoke[1].y},
                           {spoke[2].x, spoke[2].y},
                           {spoke[3].x, spoke[3].y}});
    }
  }
}

void paintGroundPlane(Canvas& canvas, const ViewTransform& view, const Board& board, int layer,
                      const ColourScheme& scheme, const GroundPlaneStyle& style) {
  CanvasSurface surface(canvas, view);
  surface.setPaint({groundPlaneColour(scheme, layer, style.darkGroundPlane)});
  surface.setClearPaint({style.background});
  paintPlaneBase(surface, board, layer);
}

void mergeExceptColour(Frame& target, const Frame& source, Rgb transparent) {
  const std::size_t count = static_cast<std::size_t>(source.width) * source.height;
  const std::uint8_t* s = source.pixels.data();
  std::uint8_t* t = target.pixels.data();
  for (std::size_t i = 0; i < count; ++i, s += 4, t += 4) {
    if (s[0] != transparent.r || s[1] != transparent.g || s[2] != transparent.b) {
      std::memcpy(t, s, 4);
    }
  }
}

}  // namespace pravelo
