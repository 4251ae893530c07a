#include "view/user_origin.h"

#include <cmath>

#include "base/units.h"

namespace pravelo {

IPoint originAtPoint(DPoint world, double gridSpacing, bool ctrl) {
  if (ctrl || !(gridSpacing > 0)) return toIPoint(world);
  auto snap = [&](double v) {
    return static_cast<double>(roundHalfEven(v / gridSpacing)) * gridSpacing;
  };
  return toIPoint(DPoint{snap(world.x), snap(world.y)});
}

bool setUserOrigin(BoardHeader& header, IPoint origin) {
  if (userOrigin(header) == origin) return false;
  header.originX = origin.x;
  header.originY = origin.y;
  return true;
}

CoordinateReadout coordinateReadout(DPoint world, IPoint origin, LengthUnit unit) {
  const double dx = static_cast<double>(roundHalfEven(world.x - origin.x));
  const double dy = static_cast<double>(roundHalfEven(std::fabs(world.y - origin.y)));
  return {formatLength(dx, unit), formatLength(dy, unit)};
}

}  // namespace pravelo
