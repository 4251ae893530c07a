#pragma once

#include "document/document.h"
#include "view/canvas.h"
#include "view/colour_scheme.h"
#include "view/drawing_surface.h"
#include "view/view_transform.h"

namespace pravelo {

struct GroundPlaneStyle {
  Rgb background;  // the colour of the clearance gaps
  bool darkGroundPlane = true;
};

// The first three steps of the ground-plane rule of `layer`, the same for every output: the
// board filled dark, every object present on the layer cut clear grown by its clearance (a
// cut-out by its own shape), then the thermal spokes of thermal pads dark again. The surface is
// left in dark polarity; the layer's objects follow on top.
void paintPlaneBase(DrawingSurface& surface, const Board& board, int layer);
// The same without the fill, for an output that puts something between the fill and the cuts.
void paintPlaneCuts(DrawingSurface& surface, const Board& board, int layer);

// The automatic ground plane of `layer` on the screen, in the layer's plane colour with the gaps
// in the background colour.
void paintGroundPlane(Canvas& canvas, const ViewTransform& view, const Board& board, int layer,
                      const ColourScheme& scheme, const GroundPlaneStyle& style);

// Copies every pixel of `source` that is not `transparent` onto `target` (same size).
void mergeExceptColour(Frame& target, const Frame& source, Rgb transparent);

}  // namespace pravelo
