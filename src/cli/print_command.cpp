#include "cli/print_command.h"

#include <cmath>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "base/units.h"
#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "cli/command_io.h"
#include "cli/outlines_texts.h"
#include "cli/print_command_texts.h"
#include "cli/render_command.h"
#include "cli/render_texts.h"
#include "manufacturing/pdf_file.h"

namespace pravelo {
namespace {

constexpr double kPrintA4WidthMm = 210;
constexpr double kPrintA4HeightMm = 297;

// "AxB" or "A,B" as two numbers.
template <typename T>
bool printPair(const std::string& text, char separator, T& a, T& b) {
  std::istringstream in(text);
  char between = 0;
  return static_cast<bool>(in >> a >> between >> b) && between == separator && in.eof();
}

PrintArrangement printArrangementNamed(const std::string& side) {
  if (side == "bottom") return PrintArrangement::Bottom;
  if (side == "dual") return PrintArrangement::BelowEachOther;
  if (side == "beside") return PrintArrangement::SideBySide;
  return PrintArrangement::Top;
}

}  // namespace

CLI::App* addPrintCommand(CLI::App& app, PrintRequest& request, Language language) {
  CLI::App* command = app.add_subcommand("print", tr(texts::cliPrintHelp, language));
  command->fallthrough();
  command->add_option("FILE", request.file, tr(texts::cliFileHelp, language))->required();
  command->add_option("-o,--output", request.output, tr(texts::cliPrintOutputHelp, language))
      ->required();
  command->add_option("--board", request.board, tr(texts::cliBoardNumberHelp, language));
  command->add_option("--layers", request.layers, tr(texts::cliPrintLayersHelp, language));
  command->add_option("--side", request.side, tr(texts::cliPrintSideHelp, language))
      ->check(CLI::IsMember({"top", "bottom", "dual", "beside"}));
  command->add_flag("--mirror", request.mirror, tr(texts::cliPrintMirrorHelp, language));
  command->add_flag("--mirror-side2", request.mirrorSide2,
                    tr(texts::cliPrintMirrorSide2Help, language));
  command->add_flag("--negative", request.negative, tr(texts::cliPrintNegativeHelp, language));
  command->add_option("--scale", request.scale, tr(texts::cliPrintScaleHelp, language));
  command->add_option("--factor-x", request.factorX, tr(texts::cliPrintFactorXHelp, language));
  command->add_option("--factor-y", request.factorY, tr(texts::cliPrintFactorYHelp, language));
  command->add_option("--tiles", request.tiles, tr(texts::cliPrintTilesHelp, language));
  command->add_option("--gap", request.gap, tr(texts::cliPrintGapHelp, language))
      ->check(CLI::Range(0.0, 50.0));
  command->add_flag("--drill-plan", request.drillPlan, tr(texts::cliPrintDrillPlanHelp, language));
  command->add_option("--mask", request.masks, tr(texts::cliPrintMaskHelp, language))
      ->check(CLI::IsMember({"1", "2", "1,2", "2,1"}));
  command->add_flag("--targets", request.targets, tr(texts::cliPrintTargetsHelp, language));
  command->add_flag("--outline", request.outline, tr(texts::cliPrintOutlineHelp, language));
  command->add_flag("--bw", request.blackWhite, tr(texts::cliPrintBwHelp, language));
  command->add_flag("--scanned-copy", request.scannedCopy,
                    tr(texts::cliPrintScannedCopyHelp, language));
  command->add_flag("--landscape", request.landscape, tr(texts::cliPrintLandscapeHelp, language));
  command->add_option("--offset", request.offset, tr(texts::cliPrintOffsetHelp, language));
  return command;
}

PrintRequestOptions printOptionsOf(const PrintRequest& r, Language language) {
  PrintRequestOptions result;
  PrintOptions& o = result.options;
  applyPrintSettings(PrintSettings{}, o);
  if (!r.layers.empty()) {
    o.layers.fill(false);
    std::stringstream names(r.layers);
    std::string name;
    while (std::getline(names, name, ',')) {
      const std::optional<int> layer = layerNamed(name);
      if (!layer) {
        result.problem = tr(texts::cliUnknownLayer, language) + name;
        return result;
      }
      o.layers[*layer - 1] = true;
    }
  }
  o.arrangement = printArrangementNamed(r.side);
  o.mirror = r.mirror;
  o.mirrorSide2 = r.mirrorSide2;
  o.negative = r.negative;
  o.drillPlan = r.drillPlan;
  o.solderMask1 = r.masks.find('1') != std::string::npos;
  o.solderMask2 = r.masks.find('2') != std::string::npos;
  o.targets = r.targets;
  o.outline = r.outline;
  o.blackWhite = r.blackWhite;
  o.scannedCopy = r.scannedCopy;
  const double steps = r.scale / 5;
  if (!(r.scale >= 10 && r.scale <= 500) || steps != std::round(steps)) {
    result.problem = tr(texts::cliPrintBadScale, language) + std::to_string(r.scale);
    return result;
  }
  o.scale = r.scale / 100;
  if (!validPrintFactor(r.factorX) || !validPrintFactor(r.factorY)) {
    result.problem = tr(texts::cliPrintBadFactor, language);
    return result;
  }
  o.factorX = r.factorX;
  o.factorY = r.factorY;
  if (!printPair(r.tiles, 'x', o.tilesX, o.tilesY) || o.tilesX < 1 || o.tilesX > 20 ||
      o.tilesY < 1 || o.tilesY > 20) {
    result.problem = tr(texts::cliPrintBadTiles, language) + r.tiles;
    return result;
  }
  o.tileSpacing = mmToUnitsExact(r.gap);
  if (!printPair(r.offset, ',', o.offsetXMm, o.offsetYMm)) {
    result.problem = tr(texts::cliPrintBadOffset, language) + r.offset;
    return result;
  }
  o.pageWidthMm = r.landscape ? kPrintA4HeightMm : kPrintA4WidthMm;
  o.pageHeightMm = r.landscape ? kPrintA4WidthMm : kPrintA4HeightMm;
  return result;
}

int runPrintCommand(const Document& doc, const PrintRequest& request, std::ostream& err,
                    Language language) {
  const Board* chosen = chosenBoard(doc, request.board, err, language);
  if (!chosen) return kExitUsage;
  const PrintRequestOptions options = printOptionsOf(request, language);
  if (!options.problem.empty()) {
    err << options.problem << "\n";
    return kExitUsage;
  }
  const Board& board = *chosen;
  PrintTemplates templates;
  if (request.scannedCopy) {
    std::vector<std::string> messages;
    templates = loadPrintTemplates(board.header, request.file, messages);
    for (const std::string& message : messages) err << message << "\n";
    if (!messages.empty()) return kExitBadInput;
  }
  const std::string pdf = pdfFileBytes(composePrintPage(board, options.options, templates));
  return writeOutput(request.output, pdf, err, language);
}

}  // namespace pravelo
