#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"

namespace pravelo {

// Drill files from this size on are refused.
inline constexpr std::size_t kExcellonFileLimit = 1000000;

// How the coordinates of a drill file omit zeros, in the order of the dialog's list.
enum class ZeroSuppression { None = 0, Leading = 1, Trailing = 2, Decimal = 3 };

// What the reader is told about a drill file.
struct ExcellonReadSettings {
  bool inch = true;
  int integerDigits = 2;  // 0 ... 9
  int decimalDigits = 4;  // 0 ... 9
  ZeroSuppression suppression = ZeroSuppression::None;
};

// One drilled hole, in document units.
struct DrillHit {
  FPoint at;
  float radius = 0;
};

// Every hit of a drill file, in the order of the file; reading stops at a hit without a selected
// tool. Tools 1 ... 200 take their diameters from the file (0.8 mm when it does not give one);
// other numbers drill with 0.8 mm, and T0 unloads the tool. Throws ImportError for the line of a
// number that cannot be read.
std::vector<DrillHit> readExcellon(std::string_view bytes, const ExcellonReadSettings& settings);

// A drill file is valid when it defines at least one tool.
bool isValidExcellon(std::string_view bytes);

// The unit the file states: millimetres with "METRIC" or "M71" anywhere, inches otherwise.
bool excellonIsMetric(std::string_view bytes);

// The zero suppression the coordinates show; `decided` is false when they do not tell, and then
// the suppression is None.
struct SuppressionGuess {
  ZeroSuppression suppression = ZeroSuppression::None;
  bool decided = true;
};
SuppressionGuess detectZeroSuppression(std::string_view bytes);

// Drills the hits into `objects`: pads at a hit get its hole (and a via is made of a top and a
// bottom pad when `createVias`), short oblong strokes under a hit become oblong pads, and
// elsewhere a bare hole on the bottom copper is added. The hits have been read completely
// before, so a damaged file changes nothing.
void drillHits(ObjectList& objects, const std::vector<DrillHit>& hits, bool createVias);

// The example of the number format the dialog shows: "12,3456", with "..." for the places that
// the suppression leaves open.
std::string zeroFormatExample(const ExcellonReadSettings& settings);
bool integerDigitsUsed(ZeroSuppression suppression);
bool decimalDigitsUsed(ZeroSuppression suppression);

}  // namespace pravelo
