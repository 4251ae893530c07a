#include "cli/import_gerber_command.h"

#include <algorithm>
#include <ostream>

#include "base/windows1252.h"
#include "cli/cli.h"
#include "cli/import_gerber_texts.h"
#include "manufacturing/gerber_import.h"
#include "project/save_commands.h"
#include "project/save_problem.h"

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
                       std::ostream& err, Language language) {
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
  if (!guess.decided) err << tr(texts::cliImportNoSuppression, language) << "\n";
}

}  // namespace

CLI::App* addImportGerberCommand(CLI::App& app, ImportGerberRequest& request, Language language) {
  CLI::App* command = app.add_subcommand("import-gerber", tr(texts::cliImportGerberHelp, language));
  command->fallthrough();
  command->add_option("-o,--output", request.output, tr(texts::cliImportOutputHelp, language))
      ->required();
  command->add_option("SLOT", request.slots, tr(texts::cliImportSlotsHelp, language));
  command->add_option("--drill", request.drill, tr(texts::cliImportDrillHelp, language));
  command->add_option("--board-name", request.boardName,
                      tr(texts::cliImportBoardNameHelp, language));
  command->add_option("--format", request.format, tr(texts::cliImportFormatHelp, language));
  CLI::Option* inch =
      command->add_flag("--inch", request.inch, tr(texts::cliImportInchHelp, language));
  CLI::Option* mm = command->add_flag("--mm", request.mm, tr(texts::cliImportMmHelp, language));
  inch->excludes(mm);
  command->add_option("--zeros", request.zeros, tr(texts::cliImportZerosHelp, language))
      ->check(CLI::IsMember({"none", "leading", "trailing", "decimal"}));
  command->add_flag("--no-vias", request.noVias, tr(texts::cliImportNoViasHelp, language));
  command->add_flag("--no-optimize", request.noOptimize,
                    tr(texts::cliImportNoOptimizeHelp, language));
  return command;
}

int runImportGerber(const ImportGerberRequest& r, std::ostream&, std::ostream& err,
                    Language language) {
  GerberImportRequest request;
  for (const std::string& slot : r.slots) {
    if (!assignSlot(slot, request)) {
      err << tr(texts::cliImportBadSlot, language) << slot << "\n";
      return kExitUsage;
    }
  }
  request.gerber.inch = !r.mm;
  if (!r.format.empty()) {
    int integer = 0;
    int decimal = 0;
    if (!readDigits(r.format, integer, decimal)) {
      err << tr(texts::cliImportBadFormat, language) << r.format << "\n";
      return kExitUsage;
    }
    request.gerber.integerDigits = request.drill.integerDigits = integer;
    request.gerber.decimalDigits = request.drill.decimalDigits = decimal;
  }
  request.drillFile = r.drill;
  if (!r.drill.empty()) readDrillSettings(r, request.drill, err, language);
  request.createVias = !r.noVias;
  request.optimizeTracks = !r.noOptimize;
  const bool anyFile = !request.drillFile.empty() ||
                       std::any_of(request.gerberFiles.begin(), request.gerberFiles.end(),
                                   [](const std::string& f) { return !f.empty(); });
  if (!anyFile) {
    err << tr(texts::cliImportNothing, language) << "\n";
    return kExitUsage;
  }
  Document doc;
  if (const auto failed =
          importToDocument(request, utf8ToWindows1252(r.boardName), doc, language)) {
    err << failed->message << "\n";
    return kExitBadInput;
  }
  std::error_code error;
  if (!writeDocumentFile(doc, r.output, &error)) {
    err << couldNotSaveMessage(r.output, error, language) << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace pravelo
