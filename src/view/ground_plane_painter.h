#pragma once

#include "document/document.h"
#include "view/canvas.h"
#include "view/colour_scheme.h"
#include "view/view_transform.h"

namespace pravelo {

struct GroundPlaneStyle {
  Rgb background;  // the colour of the clearance gaps
  bool darkGroundPlane = true;
};

// The automatic ground plane of `layer`: the board filled with plane copper, then every object
// present on the layer cut out grown by its clearance (a cut-out area by its own shape), then the
// thermal spokes of thermal pads.
void paintGroundPlane(Canvas& canvas, const ViewTransform& view, const Board& board, int layer,
                      const ColourScheme& scheme, const GroundPlaneStyle& style);

// Copies every pixel of `source` that is not `transparent` onto `target` (same size).
void mergeExceptColour(Frame& target, const Frame& source, Rgb transparent);

}  // namespace pravelo
