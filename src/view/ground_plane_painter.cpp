#include "view/ground_plane_painter.h"

#include <cstring>

#include "copper/thermal_spokes.h"
#include "geometry/layer_presence.h"
#include "view/object_painter.h"

namespace pravelo {

void paintGroundPlane(Canvas& canvas, const ViewTransform& view, const Board& board, int layer,
                      const ColourScheme& scheme, const GroundPlaneStyle& style) {
  const BoardHeader& header = board.header;
  const DPoint topLeft = worldToScreen(view, DPoint{0, 0});
  const DPoint bottomRight =
      worldToScreen(view, DPoint{double(header.width), -double(header.height)});
  canvas.fillRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y,
                  {groundPlaneColour(scheme, layer, style.darkGroundPlane)});
  ObjectPainter painter(canvas, view);
  const Paint gap{style.background};
  const bool multilayer = header.multilayer != 0;
  for (const auto& o : board.objects) {
    if (isMaskOnlyZone(*o) || !isPresentOnLayer(*o, layer, multilayer)) continue;
    painter.draw(*o, gap, o->cutout ? 0 : planeClearance(*o));
  }
  // Thermal pads are tied to the plane by spokes across their gap.
  const Paint copper{groundPlaneColour(scheme, layer, style.darkGroundPlane)};
  for (const auto& o : board.objects) {
    if (!isPadKind(o->kind) || !o->optB || !isPresentOnLayer(*o, layer, multilayer)) continue;
    for (const SpokeRectangle& spoke : thermalSpokes(*o, layer, kSpokeReach)) {
      std::vector<DPoint> corners;
      for (const FPoint& p : spoke) corners.push_back(worldToScreen(view, p));
      canvas.fillPolygon(corners, copper);
    }
  }
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
