#include "cli/outlines_command.h"

#include <ostream>

#include "base/units.h"
#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "cli/outlines_texts.h"
#include "copper/contour_union.h"
#include "copper/grow.h"
#include "copper/object_contours.h"
#include "copper/object_outline.h"
#include "copper/polygon32.h"
#include "geometry/layer_presence.h"

namespace pravelo {
namespace {

using Json = nlohmann::ordered_json;

// Fixed-point millimetres back to units; exact, as 65536 is a power of two.
double fixedToUnits(std::int32_t v) { return fixedToMm(v) * kUnitsPerMm; }

Json polygonLoops(const TPolygon32& polygon) {
  Json loops = Json::array();
  for (const auto& outline : polygon.outlines) {
    if (outline.empty()) continue;
    Json loop = Json::array();
    for (const Point32& p : outline) loop.push_back({fixedToUnits(p.x), fixedToUnits(p.y)});
    loops.push_back(std::move(loop));
  }
  return loops;
}

Json contourLoops(const ContourList& contours) {
  Json loops = Json::array();
  for (const Contour& c : contours) {
    Json loop = Json::array();
    for (const IPoint& p : c) loop.push_back({p.x, p.y});
    loops.push_back(std::move(loop));
  }
  return loops;
}

void printLoops(const Json& loops, std::ostream& out) {
  for (const Json& loop : loops) {
    const char* separator = "  ";
    for (const Json& p : loop) {
      out << separator << p[0].dump() << "," << p[1].dump();
      separator = " ";
    }
    out << "\n";
  }
}

void printText(const Json& result, std::ostream& out, Language language) {
  out << tr(texts::cliBoard, language) << result["board"].dump()
      << tr(texts::cliLayerWord, language) << result["layer"].dump() << "\n";
  if (result.contains("loops")) {
    out << tr(texts::cliUnitedWord, language) << result["loops"].size()
        << tr(texts::cliLoopsWord, language) << "\n";
    printLoops(result["loops"], out);
    return;
  }
  for (const Json& o : result["objects"]) {
    out << tr(texts::cliObjectWord, language) << o["index"].dump()
        << tr(texts::cliKindWord, language) << o["kind"].dump() << ": " << o["loops"].size()
        << tr(texts::cliLoopsWord, language) << "\n";
    printLoops(o["loops"], out);
  }
}

}  // namespace

CLI::App* addOutlinesCommand(CLI::App& app, OutlinesRequest& request, Language language) {
  CLI::App* command = app.add_subcommand("outlines", tr(texts::cliOutlinesHelp, language));
  command->fallthrough();
  command->add_option("FILE", request.file, tr(texts::cliFileHelp, language))->required();
  command->add_option("--board", request.board, tr(texts::cliBoardNumberHelp, language));
  command->add_option("--layer", request.layer, tr(texts::cliLayerNumberHelp, language));
  command->add_option("--grow", request.grow, tr(texts::cliGrowHelp, language));
  command->add_flag("--union", request.unite, tr(texts::cliUnionHelp, language));
  command->add_flag("--json", request.json, tr(texts::cliOutlinesJsonHelp, language));
  return command;
}

Json outlinesJson(const Board& board, int boardIndex, const OutlinesRequest& request) {
  const bool multilayer = board.header.multilayer != 0;
  const OutlineOptions options{{request.layer, board.header.groundPlane, multilayer}, 0};
  Json result{{"board", boardIndex}, {"layer", request.layer}};
  Json objects = Json::array();
  ContourList contours;
  for (std::size_t i = 0; i < board.objects.size(); ++i) {
    const TObjekt& o = *board.objects[i];
    if (!conducts(o) || !isPresentOnLayer(o, request.layer, multilayer)) continue;
    const TObjekt grown = grownCopy(o, request.grow);
    if (request.unite) {
      for (Contour& c : objectContours(grown, 0)) contours.push_back(std::move(c));
      continue;
    }
    objects.push_back({{"index", i},
                       {"kind", o.kind},
                       {"loops", polygonLoops(objectOutline(grown, options, 1))}});
  }
  if (request.unite) {
    result["loops"] = contourLoops(unionLoops(std::move(contours)));
  } else {
    result["objects"] = std::move(objects);
  }
  return result;
}

int runOutlines(const Document& doc, const OutlinesRequest& request, std::ostream& out,
                std::ostream& err, Language language) {
  const int boardIndex = request.board >= 0 ? request.board : doc.activeBoard;
  if (boardIndex < 0 || boardIndex >= static_cast<int>(doc.boards.size())) {
    err << tr(texts::cliNoSuchBoard, language) << request.board << ".\n";
    return kExitBadInput;
  }
  if (request.layer < 1 || request.layer > kLayerCount) {
    err << tr(texts::cliNoSuchLayer, language) << request.layer << ".\n";
    return kExitUsage;
  }
  const Json result = outlinesJson(*doc.boards[boardIndex], boardIndex, request);
  if (request.json) {
    out << result.dump() << "\n";
  } else {
    printText(result, out, language);
  }
  return kExitOk;
}

}  // namespace pravelo
