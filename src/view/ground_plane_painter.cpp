#include "view/ground_plane_painter.h"

#include <cstring>

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
  for (const auto& o : board.objects) {
    if (isMaskOnlyZone(*o) || !isPresentOnLayer(*o, layer, header.multilayer != 0)) continue;
    painter.draw(*o, gap, o->cutout ? 0 : o->clearance);
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
