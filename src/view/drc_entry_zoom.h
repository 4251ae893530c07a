#pragma once

#include <optional>

#include "document/document.h"
#include "geometry/rect.h"
#include "view/view_transform.h"

namespace pravelo {

// The part of the board shown for a design-rule finding: its marker enlarged by twice its
// width on every side and clipped to the board; nothing when that is under 0.5 mm either way.
std::optional<TRect> drcEntryArea(const TRect& marker, const BoardHeader& header);

// Deselects every object and zooms the view to the finding's area, centred on it in the view
// as drawn, `shown`; false (the view unchanged) when the area is too small.
bool zoomToDrcEntry(Board& board, const ViewTransform& shown, PixelSize viewport,
                    const TRect& marker);

}  // namespace pravelo
