#pragma once

#include <optional>
#include <vector>

#include "document/object.h"

namespace pravelo {

// Rotation of a through-hole pad in degrees [0, 360), to 1/100 degree, read from its outline:
// the direction from point 0 to point 1 (1 to 2 for the octagons), less 90 for the vertical
// oval. Other kinds, and outlines too short to tell, give 0.
double padRotation(const TObjekt& pad);

// The direction from corner 0 to corner 1 of a four-corner outline, in degrees.
double cornerRotation(const std::vector<FPoint>& corners);

// The shape a pad turned by `rotation` degrees is shown with: at about 90 and 270 degrees the
// horizontal shapes 4, 5, 6 and the vertical shapes 7, 8, 9 swap.
int shapeForRotation(int shape, double rotation);

// Rebuilds a pad's outline around `pos` with its outer radius grown by `enlargement` units,
// keeping its rotation; a new shape, when given, is stored adjusted to that rotation.
void regeneratePadOutline(TObjekt& pad, std::optional<int> newShape, int enlargement);

// Corners of a w x h rectangle centred between corners 0 and 2 of `corners` and turned like
// them.
std::vector<FPoint> rotatedRectangle(const std::vector<FPoint>& corners, double w, double h);

// The true centre of an SMD pad: the midpoint of corners 0 and 2.
FPoint smdPadCentre(const TObjekt& smd);
// The shorter of an SMD pad's two sides (corners 0-1 and 1-2); 0 without corners.
double smdPadSmallerSide(const TObjekt& smd);

// Resizes an SMD pad keeping its centre and rotation; a negative size keeps the current one.
void resizeSmdPad(TObjekt& smd, double w, double h);

}  // namespace pravelo
