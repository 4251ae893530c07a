#pragma once

#include "editing/crosshair_overlay.h"

class QPainter;

namespace pravelo {

// The core draws the crosshair's coordinate box up to its text; the text is the window's, in the
// same font for the drawing area and for the preview of the crosshair settings.

// The width of the widest row's text, which sizes the box.
int boxTextWidth(const CrosshairOptions& options);
// Captions from the left, values right-aligned, in the row's colour.
void paintBoxRows(QPainter& painter, const CoordinateBox& box);

}  // namespace pravelo
