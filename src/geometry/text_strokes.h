#pragma once

#include <cstdint>

#include "document/object.h"

namespace pravelo {

// Replaces the children of a stroke text (kind 7) by tracks built in the stroke font from its
// content, anchor, height, thickness, style, mirror flags and rotation. The editor calls this
// after every change of a text parameter. With `keepCentre`, a text that already had strokes
// is moved (anchor and strokes) so that the centre of its strokes stays where it was.
void buildTextStrokes(TObjekt& text, bool keepCentre);

// Width of the strokes of a text `height` units high with thickness 0 thin, 1 normal, 2 bold.
std::int32_t textStrokeWidth(double height, int thickness);

}  // namespace pravelo
