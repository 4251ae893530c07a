#pragma once

#include "document/document.h"
#include "view/colour_scheme.h"
#include "view/frame.h"
#include "view/photo_options.h"
#include "view/view_transform.h"

namespace pravelo {

// The colours of a finished board. Kept apart from the user's colour scheme, which the photo
// view never touches.
struct PhotoPalette {
  Rgb material;
  Rgb copper;  // copper under the solder mask
  Rgb finish;  // copper in a mask opening
  Rgb silkscreen;
  Rgb outline;
  Rgb shadow;  // what shines through the board with X-ray on
};

// Out-of-range indices fall back to the first entry.
PhotoPalette photoPalette(const PhotoOptions& options);

// The view of `side`: the bottom is seen mirrored about the board's vertical centre line.
ViewTransform photoViewTransform(ViewTransform view, const BoardHeader& header, PhotoSide side);

// Draws one side of the board as manufactured: material (or the side's ground plane), the far
// side shining through, copper, finish, silkscreen, outline and drill holes. No grid, selection,
// handles, rubber bands or origin marker.
void renderPhotoView(const Board& board, const ViewTransform& view, const PhotoOptions& options,
                     Frame& frame);

}  // namespace pravelo
