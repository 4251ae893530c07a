#pragma once

#include "geometry/point.h"
#include "view/view_transform.h"
#include "view/zoom.h"

namespace pravelo {

// After an auto-scroll step the pointer position is re-issued after this pause, from a
// repeating timer.
inline constexpr int kAutoScrollPauseMs = 30;

// One scroll step (arrow button) is 1/16 of the viewport.
PixelSize scrollStep(PixelSize viewport);

// Auto-scrolling while a button is held: within 8 pixels of the right (bottom) edge the view
// scrolls one step further while the board extends beyond it; within 8 pixels of the left (top)
// edge one step back while the scroll position is positive. Returns the view unchanged
// elsewhere.
ViewTransform autoScroll(const ViewTransform& v, const ViewFrame& frame, IPoint pointer);

}  // namespace pravelo
