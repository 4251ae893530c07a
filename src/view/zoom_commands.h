#pragma once

#include "document/document.h"
#include "view/view_transform.h"
#include "view/zoom.h"

namespace pravelo {

// The active board's view lives in its header; these commands change it there.

// The zoom frame of a board shown in a viewport of `viewport` pixels.
ViewFrame viewFrameOf(const Board& board, PixelSize viewport);

// Remembers the board's current view for "Zoom previous".
void pushZoomHistory(Board& board);
// "Zoom previous": restores the last remembered zoom and scroll positions exactly; false when
// the history is empty.
bool zoomPrevious(Board& board);

// "Zoom board", "Zoom objects" and "Zoom selection" remember the view first; the latter two do
// nothing (and return false) on an empty or tiny extent. Those two centre on a board point, so
// they take the view as it is drawn, `shown` (mirrored in the photo view of the bottom side);
// keeping the middle of the view needs no such care.
void zoomBoardCommand(Board& board, PixelSize viewport);
bool zoomObjectsCommand(Board& board, const ViewTransform& shown, PixelSize viewport);
bool zoomSelectionCommand(Board& board, const ViewTransform& shown, PixelSize viewport);

// A click on the navigator: zooms in (left button) or out (right) by 1.4 about the middle of the
// view, after remembering the view.
void navigatorZoomCommand(Board& board, PixelSize viewport, bool in);

}  // namespace pravelo
