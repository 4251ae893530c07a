#include "cli/drill_command.h"

#include <ostream>

#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "cli/command_io.h"
#include "cli/drill_texts.h"
#include "cli/outlines_texts.h"
#include "manufacturing/drill_export.h"
#include "manufacturing/drill_list.h"

namespace pravelo {
namespace {

std::optional<ExcellonFormat> formatOf(const DrillRequest& r) {
  if (r.unit != "mm") {
    if (r.digits.empty() || r.digits == "2:4") return ExcellonFormat::Inch24;
  } else if (r.digits.empty() || r.digits == "3:3") {
    return ExcellonFormat::Mm33;
  } else if (r.digits == "3:2") {
    return ExcellonFormat::Mm32;
  }
  return std::nullopt;
}

DrillSide sideOf(const std::string& side) {
  if (side == "bottom-gerber") return DrillSide::BottomGerber;
  if (side == "bottom-milling") return DrillSide::BottomMilling;
  return DrillSide::Top;
}

ExcellonOptions optionsOf(const DrillRequest& r, ExcellonFormat format) {
  ExcellonOptions o;
  o.selection.simpleHoles = !r.noSimple;
  o.selection.vias = !r.noVias;
  o.selection.sorted = !r.unsorted;
  o.selection.granularity = r.granularity;
  o.format = format;
  o.deleteLeadingZeros = r.zeros == "tz";
  o.decimalPoint = r.zeros == "decimal";
  o.m71 = r.m71;
  o.noG90 = r.noG90;
  o.noComments = r.noComments;
  o.side = sideOf(r.side);
  o.camOrigin = !r.noOrigin;
  return o;
}

}  // namespace

CLI::App* addDrillCommand(CLI::App& app, DrillRequest& request, Language language) {
  CLI::App* command = app.add_subcommand("drill", tr(texts::cliDrillHelp, language));
  command->fallthrough();
  command->add_option("FILE", request.file, tr(texts::cliFileHelp, language))->required();
  command->add_option("-o,--output", request.output, tr(texts::cliDrillOutputHelp, language));
  command->add_option("--board", request.board, tr(texts::cliBoardNumberHelp, language));
  command->add_option("--unit", request.unit, tr(texts::cliDrillUnitHelp, language))
      ->check(CLI::IsMember({"mm", "inch"}));
  command->add_option("--zeros", request.zeros, tr(texts::cliDrillZerosHelp, language))
      ->check(CLI::IsMember({"lz", "tz", "decimal"}));
  command->add_option("--digits", request.digits, tr(texts::cliDrillDigitsHelp, language));
  command->add_flag("--no-comments", request.noComments,
                    tr(texts::cliDrillNoCommentsHelp, language));
  command->add_flag("--list", request.list, tr(texts::cliDrillListHelp, language));
  command->add_flag("--m71", request.m71, tr(texts::cliDrillM71Help, language));
  command->add_flag("--no-g90", request.noG90, tr(texts::cliDrillNoG90Help, language));
  command->add_option("--side", request.side, tr(texts::cliDrillSideHelp, language))
      ->check(CLI::IsMember({"top", "bottom-gerber", "bottom-milling"}));
  command->add_flag("--no-origin", request.noOrigin, tr(texts::cliDrillNoOriginHelp, language));
  command->add_flag("--no-simple", request.noSimple, tr(texts::cliDrillNoSimpleHelp, language));
  command->add_flag("--no-vias", request.noVias, tr(texts::cliDrillNoViasHelp, language));
  command->add_flag("--unsorted", request.unsorted, tr(texts::cliDrillUnsortedHelp, language));
  command
      ->add_option("--granularity", request.granularity,
                   tr(texts::cliDrillGranularityHelp, language))
      ->check(CLI::Range(0, 2));
  return command;
}

int runDrillCommand(const Document& doc, const DrillRequest& request, std::ostream& out,
                    std::ostream& err, Language language) {
  const Board* chosen = chosenBoard(doc, request.board, err, language);
  if (!chosen) return kExitUsage;
  const std::optional<ExcellonFormat> format = formatOf(request);
  if (!format) {
    err << tr(texts::cliDrillBadDigits, language) << request.digits << "\n";
    return kExitUsage;
  }
  if (request.output.empty() && !request.list) {
    err << tr(texts::cliDrillNeedsOutput, language) << "\n";
    return kExitUsage;
  }
  const Board& board = *chosen;
  const ExcellonOptions options = optionsOf(request, *format);
  if (const std::string warning = silkscreenDrillWarning(board, language); !warning.empty()) {
    err << warning << "\n";
  }
  if (request.list) {
    const LengthUnit unit = request.unit == "inch" ? LengthUnit::Mil : LengthUnit::Mm;
    const auto tools = drillListTools(board, options.selection.simpleHoles, options.selection.vias);
    out << drillListText(tools, unit, '.', language);
  }
  if (request.output.empty()) return kExitOk;
  if (const std::string problem = formatRangeProblem(board, options, language); !problem.empty()) {
    err << problem << "\n" << tr(texts::cliDrillOutOfRangeHint, language) << "\n";
    return kExitBadInput;
  }
  if (const int count = drillToolCount(board, options); count > kMaxExcellonTools) {
    err << fillIn(texts::cliDrillTooManyTools, language, {std::to_string(count)}) << "\n";
  }
  return writeOutput(request.output, drillFileText(board, options, drillFileDate()), err, language);
}

}  // namespace pravelo
