#pragma once

#include "document/document.h"
#include "view/colour_scheme.h"
#include "view/frame.h"
#include "view/render_options.h"
#include "view/view_transform.h"

namespace pravelo {

// Draws one board into `frame`, whose pixel (0, 0) shows the world point that `view` maps there:
// board area and ground planes, grid, objects layer by layer, the selection, drill holes, node
// handles, group markers, rubber bands and the origin marker. With `options.photo` the photo
// view of that side instead (photo_view.h).
void renderBoard(const Board& board, const ViewTransform& view, const ColourScheme& scheme,
                 const RenderOptions& options, Frame& frame);

// A frame of `width` x `height` pixels showing the board.
Frame renderBoard(const Board& board, const ViewTransform& view, const ColourScheme& scheme,
                  const RenderOptions& options, int width, int height);

// Draws objects being dragged over `frame`, a saved copy of the picture without them: each
// translucent (opacity 230 on a dark background, 170 on a light one), with its own drill holes.
// `moved` holds copies already shifted to where the pointer has taken them.
void drawDragPreview(Frame& frame, const std::vector<TObjekt>& moved, const ViewTransform& view,
                     const ColourScheme& scheme, const RenderOptions& options);

}  // namespace pravelo
