#include "manufacturing/drill_list.h"

#include "base/units.h"
#include "manufacturing/drill_texts.h"

namespace pravelo {
namespace {

std::string rightAligned(const std::string& s, std::size_t width) {
  return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

std::string diameterText(std::int32_t d, LengthUnit unit, char decimalSeparator) {
  if (unit == LengthUnit::Mil) {
    return rightAligned(std::to_string(roundHalfEven(static_cast<double>(d) / kUnitsPerMil)), 8) +
           " mil";
  }
  const std::int64_t hundredths = roundHalfEven(static_cast<double>(d) / 100);
  const std::string fraction = std::to_string(hundredths % 100);
  const std::string mm = std::to_string(hundredths / 100) + decimalSeparator +
                         (fraction.size() < 2 ? "0" : "") + fraction;
  return rightAligned(mm, 8) + " mm";
}

}  // namespace

std::string drillListText(const std::vector<DrillTool>& tools, LengthUnit unit,
                          char decimalSeparator, Language language) {
  std::string text;
  std::size_t total = 0;
  for (const DrillTool& t : tools) {
    text += rightAligned(std::to_string(t.holes.size()), 4) + " x " +
            diameterText(t.diameter, unit, decimalSeparator) + "\n";
    total += t.holes.size();
  }
  text += std::string(16, '-') + "\n";
  text += rightAligned(std::to_string(total), 4) + tr(texts::drillTotalWord, language) + "\n";
  return text;
}

std::vector<DrillTool> drillListTools(const Board& board, bool simpleHoles, bool vias) {
  DrillSelection selection;
  selection.simpleHoles = simpleHoles;
  selection.vias = vias;
  return collectDrills(board, selection);
}

}  // namespace pravelo
