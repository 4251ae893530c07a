#pragma once

#include "document/object.h"

namespace pravelo {

// Turns an object with everything it owns clockwise, as seen on the board, by `degrees` about
// `centre`. Circle angles follow in millidegrees and text rotations in whole degrees, both kept
// within one turn. A legacy font text stands only in quarter turns: it turns by a quarter
// clockwise whatever the angle.
void rotateObject(TObjekt& o, FPoint centre, double degrees);

// Whether a component ID or value label reads upside down: a label mirrored in exactly one
// direction reads from the other side, so its upside-down range is shifted.
bool labelUpsideDown(const TObjekt& label);

// Turns an upside-down component ID or value label by a further half turn about its own centre
// and rebuilds its strokes; other objects stay. Returns whether it turned.
bool turnLabelReadable(TObjekt& label);

// The pick-and-place data of a component whose objects were turned clockwise by `degrees`: the
// offset turns with them, and the rotation counts the other way on the bottom side, where the
// part is seen from below. The rotation stays in [0, 360).
void rotatePlacement(ComponentData& data, double degrees, bool topSide);

}  // namespace pravelo
