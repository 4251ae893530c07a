#include "cli/parts_command.h"

#include <ostream>
#include <sstream>

#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "cli/command_io.h"
#include "cli/outlines_texts.h"
#include "cli/parts_texts.h"
#include "manufacturing/excellon_file.h"
#include "manufacturing/pick_place_file.h"

namespace pravelo {
namespace {

// The column names of the command line, in the order of their codes.
constexpr const char* kPartsColumnNames[] = {"number",   "id",       "value",   "layer",
                                             "position", "rotation", "package", "comment"};

int partsColumnCode(const std::string& word) {
  for (int code = 1; code <= kPickPlaceColumnCount; ++code) {
    if (word == kPartsColumnNames[code - 1] || word == std::to_string(code)) return code;
  }
  return 0;
}

char separatorNamed(const std::string& name) {
  if (name == "comma") return ',';
  if (name == "semicolon") return ';';
  return '\t';
}

CLI::Option* addSwitch(CLI::App* command, const char* name, std::string& value, const Text& help,
                       Language language) {
  return command->add_option(name, value, tr(help, language))->check(CLI::IsMember({"on", "off"}));
}

}  // namespace

CLI::App* addPartsCommand(CLI::App& app, PartsRequest& request, Language language) {
  CLI::App* command = app.add_subcommand("parts", tr(texts::cliPartsHelp, language));
  command->fallthrough();
  command->add_option("FILE", request.file, tr(texts::cliFileHelp, language))->required();
  command->add_option("-o,--output", request.output, tr(texts::cliPartsOutputHelp, language));
  command->add_option("--board", request.board, tr(texts::cliBoardNumberHelp, language));
  command->add_option("--columns", request.columns, tr(texts::cliPartsColumnsHelp, language));
  command->add_option("--separator", request.separator, tr(texts::cliPartsSeparatorHelp, language))
      ->check(CLI::IsMember({"tab", "comma", "semicolon"}));
  command->add_option("--unit", request.unit, tr(texts::cliPartsUnitHelp, language))
      ->check(CLI::IsMember({"mm", "mil"}));
  command->add_option("--decimals", request.decimals, tr(texts::cliPartsDecimalsHelp, language))
      ->check(CLI::Range(0, kMaxPickPlaceDecimals));
  command->add_flag("--strip-zeros", request.stripZeros,
                    tr(texts::cliPartsStripZerosHelp, language));
  command->add_option("--top-text", request.topText, tr(texts::cliPartsTopTextHelp, language));
  command->add_option("--bottom-text", request.bottomText,
                      tr(texts::cliPartsBottomTextHelp, language));
  command->add_flag("--r-prefix", request.rotationPrefix, tr(texts::cliPartsRPrefixHelp, language));
  addSwitch(command, "--smd", request.smd, texts::cliPartsSmdHelp, language);
  addSwitch(command, "--tht", request.throughHole, texts::cliPartsThtHelp, language);
  addSwitch(command, "--top", request.top, texts::cliPartsTopHelp, language);
  addSwitch(command, "--bottom", request.bottom, texts::cliPartsBottomHelp, language);
  command->add_flag("--pnp-only", request.pickPlaceOnly, tr(texts::cliPartsPnpOnlyHelp, language));
  addSwitch(command, "--cam-origin", request.camOrigin, texts::cliPartsOriginHelp, language);
  return command;
}

int runPartsCommand(const Document& doc, const PartsRequest& request, std::ostream& out,
                    std::ostream& err, Language language) {
  const Board* chosen = chosenBoard(doc, request.board, err, language);
  if (!chosen) return kExitUsage;
  PickPlaceOptions options;
  if (!request.columns.empty()) {
    options.columns.clear();
    std::istringstream names(request.columns);
    for (std::string name; std::getline(names, name, ',');) {
      const int code = partsColumnCode(name);
      if (code == 0) {
        err << tr(texts::cliPartsUnknownColumn, language) << name << "\n";
        return kExitUsage;
      }
      options.columns.push_back(code);
    }
  }
  options.separator = separatorNamed(request.separator);
  options.mil = request.unit == "mil";
  options.decimals = request.decimals;
  options.stripZeros = request.stripZeros;
  options.topText = request.topText;
  options.bottomText = request.bottomText;
  options.rotationPrefix = request.rotationPrefix;
  options.smd = request.smd == "on";
  options.throughHole = request.throughHole == "on";
  options.top = request.top == "on";
  options.bottom = request.bottom == "on";
  options.pickPlaceOnly = request.pickPlaceOnly;
  options.camOrigin = request.camOrigin == "on";

  const Board& board = *chosen;
  const std::string text =
      pickPlaceFileText(pickPlaceRows(board), board.header, options, doc.fileName, drillFileDate());
  if (request.output.empty()) {
    out << text;
    return kExitOk;
  }
  return writeOutput(request.output, text, err, language);
}

}  // namespace pravelo
