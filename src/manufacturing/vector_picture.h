#pragma once

#include <vector>

#include "document/document.h"
#include "geometry/point.h"
#include "view/colour_scheme.h"
#include "view/render_options.h"

namespace pravelo {

// One shape of a vector picture, in world units: a filled outline (width 0) or a line of the
// given width with round joins.
struct VectorShape {
  Rgb colour;
  std::vector<DPoint> points;
  double width = 0;
  bool roundCaps = true;
  bool closed = false;
};

// A picture of the board rectangle (x 0..width, y -height..0) as shapes painted in order.
struct VectorPicture {
  double width = 0;
  double height = 0;
  std::vector<VectorShape> shapes;
};

// The visible layers in the order and colours of the view: the board area with the active
// layer's ground plane, copper, vias, silkscreen and outline, then the drill holes. Black on
// white without `colour`.
VectorPicture composeVectorPicture(const Board& board, const ColourScheme& scheme,
                                   const RenderOptions& display, bool colour);

// An SVG document in millimetres, lines ending in CR LF.
std::string svgFileBytes(const VectorPicture& picture);
// An enhanced metafile in hundredths of a millimetre: header, solid brushes and geometric pens,
// polygons and polylines, end record.
std::string emfFileBytes(const VectorPicture& picture);

}  // namespace pravelo
