#pragma once

#include "base/text.h"

// Row captions of the crosshair's coordinate box and of the coordinates panel, and the text
// whose width sets the box width.
// clang-format off
#define PRAVELO_CROSSHAIR_TEXTS(X) \
  X(rowX, "X:", "X:", "X :") \
  X(rowY, "Y:", "Y:", "Y :") \
  X(rowDx, "dX:", "dX:", "dX :") \
  X(rowDy, "dY:", "dY:", "dY :") \
  X(rowDistance, "Dist:", "Dist:", "Dist :") \
  X(rowStart, "Start:", "Start:", "Début :") \
  X(rowStop, "Stop:", "Stop:", "Fin :") \
  X(rowDiameter, "DM:", "DM:", "DM :") \
  X(rowAngle, "Winkel:", "Angle:", "Angle :") \
  X(boxWidthSample, "Dist: 999.999 mm", "Dist: 999.999 mm", "Dist : 999.999 mm") \
// clang-format on

namespace pravelo::texts {
PRAVELO_CROSSHAIR_TEXTS(PRAVELO_DECLARE_TEXT)
}  // namespace pravelo::texts
