#include "view/grid_menu.h"

#include <cmath>

#include "base/units.h"
#include "view/grid_code.h"

namespace pravelo {

std::string gridEntryCaption(double mm, LengthUnit unit) {
  return formatCaptionLength(mm, unit) + " (" + formatCaptionLength(mm, otherUnit(unit)) + ")";
}

std::string gridButtonCaption(double gridUnits, LengthUnit unit) {
  std::string caption = formatCaptionLength(unitsToMm(gridUnits), unit);
  const std::size_t atLeast = unit == LengthUnit::Mil ? 11 : 9;
  // Counted in characters: the micro sign takes two bytes.
  const std::size_t characters = caption.size() - (caption.find("\xC2\xB5") != std::string::npos);
  if (characters < atLeast) caption.insert(0, atLeast - characters, ' ');
  return caption;
}

bool isCurrentGrid(double entryMm, double gridUnits) {
  return std::fabs(mmToUnitsExact(entryMm) - gridUnits) < 1e-4;
}

int addUserGrid(std::vector<std::int32_t>& userGrids, std::int32_t code) {
  const auto mm = decodeGridCode(code);
  if (!mm) return -1;
  std::size_t insertAt = userGrids.size();
  for (std::size_t i = 0; i < userGrids.size(); ++i) {
    const double existing = decodeGridCode(userGrids[i]).value_or(0);
    if (std::fabs(existing - *mm) < 1e-10) return static_cast<int>(i);
    if (existing > *mm && insertAt == userGrids.size()) insertAt = i;
  }
  userGrids.insert(userGrids.begin() + static_cast<std::ptrdiff_t>(insertAt), code);
  return static_cast<int>(insertAt);
}

}  // namespace pravelo
