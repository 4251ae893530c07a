#include "cli/gerber_import_request.h"

#include <algorithm>
#include <ostream>

#include "cli/import_gerber_texts.h"

namespace pravelo {
namespace {

// The layers a Gerber file may go to, by their short names.
constexpr std::pair<const char*, int> kImportSlotNames[] = {
    {"C1", kLayerC1}, {"S1", kLayerS1}, {"C2", kLayerC2}, {"S2", kLayerS2},
    {"I1", kLayerI1}, {"I2", kLayerI2}, {"O", kLayerO}};

bool assignSlot(const std::string& slot, GerberImportRequest& request) {
  const std::size_t equals = slot.find('=');
  if (equals == std::string::npos || equals + 1 == slot.size()) return false;
  const std::string name = slot.substr(0, equals);
  for (const auto& [short_name, layer] : kImportSlotNames) {
    if (name == short_name) {
      request.gerberFiles[layer] = slot.substr(equals + 1);
      return true;
    }
  }
  return false;
}

// "3:4" into its two digits.
bool readDigits(const std::string& format, int& integer, int& decimal) {
  if (format.size() != 3 || format[1] != ':' || format[0] < '0' || format[0] > '9' ||
      format[2] < '0' || format[2] > '9') {
    return false;
  }
  integer = format[0] - '0';
  decimal = format[2] - '0';
  return true;
}

// What the drill file says of itself, and the options where it says nothing.
void readDrillSettings(const ImportGerberRequest& r, ExcellonReadSettings& settings,
                       std::ostream& notes, Language language) {
  // A missing or unreadable file is reported by the import itself.
  const std::string bytes = importFileStart(r.drill, kExcellonFileLimit);
  const bool statesInch =
      bytes.find("INCH") != std::string::npos || bytes.find("M72") != std::string::npos;
  settings.inch = excellonIsMetric(bytes) ? false : statesInch || !r.mm;
  if (!r.zeros.empty()) {
    static const std::pair<const char*, ZeroSuppression> kZeros[] = {
        {"none", ZeroSuppression::None},
        {"leading", ZeroSuppression::Leading},
        {"trailing", ZeroSuppression::Trailing},
        {"decimal", ZeroSuppression::Decimal}};
    for (const auto& [name, value] : kZeros) {
      if (r.zeros == name) settings.suppression = value;
    }
    return;
  }
  const SuppressionGuess guess = detectZeroSuppression(bytes);
  settings.suppression = guess.suppression;
  if (!guess.decided) notes << tr(texts::cliImportNoSuppression, language) << "\n";
}

}  // namespace

std::optional<std::string> gerberImportRequest(const ImportGerberRequest& r,
                                               GerberImportRequest& request, std::ostream& notes,
                                               Language language) {
  for (const std::string& slot : r.slots) {
    if (!assignSlot(slot, request)) return tr(texts::cliImportBadSlot, language) + slot;
  }
  request.gerber.inch = !r.mm;
  if (!r.format.empty()) {
    int integer = 0;
    int decimal = 0;
    if (!readDigits(r.format, integer, decimal)) {
      return tr(texts::cliImportBadFormat, language) + r.format;
    }
    request.gerber.integerDigits = request.drill.integerDigits = integer;
    request.gerber.decimalDigits = request.drill.decimalDigits = decimal;
  }
  request.drillFile = r.drill;
  if (!r.drill.empty()) readDrillSettings(r, request.drill, notes, language);
  request.createVias = !r.noVias;
  request.optimizeTracks = !r.noOptimize;
  const bool anyFile = !request.drillFile.empty() ||
                       std::any_of(request.gerberFiles.begin(), request.gerberFiles.end(),
                                   [](const std::string& f) { return !f.empty(); });
  if (!anyFile) return std::string(tr(texts::cliImportNothing, language));
  return std::nullopt;
}

}  // namespace pravelo
