#include "cli/macro_command.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <sstream>

#include "base/units.h"
#include "base/windows1252.h"
#include "cli/cli.h"
#include "cli/cli_texts.h"
#include "cli/command_io.h"
#include "cli/layout_json.h"
#include "cli/macro_command_texts.h"
#include "cli/outlines_texts.h"
#include "document/layout_version.h"
#include "document/object_list.h"
#include "project/layout_load.h"
#include "project/macro_anchor.h"
#include "project/macro_file.h"
#include "project/macro_place.h"
#include "project/macro_side.h"
#include "project/macro_texts.h"
#include "project/save_problem.h"

namespace pravelo {
namespace {

std::optional<Document> loadMacroLayout(const std::string& path, std::ostream& err,
                                        Language language) {
  LoadedLayout loaded = loadLayoutFile(path, language);
  if (loaded.failure != LoadFailure::None) {
    if (loaded.failure == LoadFailure::NotFound) err << path << ": ";
    err << loaded.message << "\n";
    return std::nullopt;
  }
  Document doc;
  installLayout(doc, std::move(loaded.contents));
  doc.fileName = path;
  return doc;
}

std::optional<MacroContents> loadMacroFor(const std::string& path, std::ostream& err,
                                          Language language) {
  LoadedMacro loaded = loadMacroFile(path, language);
  if (!loaded.ok) {
    err << path << ": " << loaded.message << "\n";
    return std::nullopt;
  }
  return std::move(loaded.contents);
}

// "X,Y" in units of 0.1 µm, as `textio import --at` takes it.
std::optional<DPoint> macroPointOf(const std::string& text) {
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  double x = 0;
  double y = 0;
  char comma = 0;
  if (!(in >> x >> comma >> y) || comma != ',' || !in.eof() || !std::isfinite(x) ||
      !std::isfinite(y) || std::abs(x) > 1e9 || std::abs(y) > 1e9) {
    return std::nullopt;
  }
  return DPoint{x, y};
}

// "0,3,5-9": object numbers of a list of `count` objects; nothing when any is out of range.
std::optional<std::vector<bool>> chosenObjects(const std::string& text, std::size_t count) {
  std::vector<bool> chosen(count, false);
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, ',');) {
    const std::size_t dash = part.find('-', 1);
    try {
      std::size_t used = 0;
      const long first = std::stol(part.substr(0, dash), &used);
      if (used != part.substr(0, dash).size()) return std::nullopt;
      long last = first;
      if (dash != std::string::npos) {
        const std::string tail = part.substr(dash + 1);
        last = std::stol(tail, &used);
        if (used != tail.size()) return std::nullopt;
      }
      if (first < 0 || last < first || static_cast<std::size_t>(last) >= count) return std::nullopt;
      for (long i = first; i <= last; ++i) chosen[static_cast<std::size_t>(i)] = true;
    } catch (const std::exception&) {
      return std::nullopt;
    }
  }
  return chosen;
}

int macroInfo(const MacroRequest& r, std::ostream& out, std::ostream& err, Language language) {
  const std::optional<MacroContents> macro = loadMacroFor(r.macro, err, language);
  if (!macro) return kExitBadInput;
  const bool top = isTopSideMacro(macro->objects);
  if (r.json) {
    const nlohmann::ordered_json j = {{"version", kLayoutVersion},
                                      {"side", top ? "top" : "bottom"},
                                      {"line1", windows1252ToUtf8(macro->line1)},
                                      {"line2", windows1252ToUtf8(macro->line2)},
                                      {"objects", objectsJson(macro->objects)}};
    out << j.dump() << "\n";
    return kExitOk;
  }
  out << fillIn(texts::cliMacroSummary, language,
                {std::to_string(macro->objects.size()), top ? "TOP" : "BOT"})
      << "\n";
  for (const std::string& line : {macro->line1, macro->line2}) {
    if (!line.empty()) out << windows1252ToUtf8(line) << "\n";
  }
  return kExitOk;
}

int macroPlace(const MacroRequest& r, std::ostream& out, std::ostream& err, Language language) {
  const std::optional<DPoint> at = macroPointOf(r.at);
  if (!at) {
    err << tr(texts::cliMacroBadPoint, language) << r.at << "\n";
    return kExitUsage;
  }
  std::optional<Document> doc = loadMacroLayout(r.layout, err, language);
  if (!doc) return kExitBadInput;
  Board* board = chosenBoard(*doc, r.board, err, language);
  if (!board) return kExitUsage;
  std::optional<MacroContents> macro = loadMacroFor(r.macro, err, language);
  if (!macro) return kExitBadInput;
  const bool top = isTopSideMacro(macro->objects);
  if (!r.side.empty() && (r.side == "top") != top) flipMacro(macro->objects);
  const bool shownTop = r.side.empty() ? top : r.side == "top";
  for (int turned = 0; turned < r.rotate; turned += 90) {
    rotateMacro(macro->objects, true, shownTop);
  }
  const int dropped = placeMacro(board->objects, macro->objects, *at,
                                 {.asComponent = r.component, .throughPads = r.vias});
  out << fillIn(texts::cliMacroDropped, language, {std::to_string(dropped)}) << "\n";
  return writeLayoutOutput(*doc, r.output, err, language);
}

int macroSave(const MacroRequest& r, std::ostream& err, Language language) {
  std::optional<Document> doc = loadMacroLayout(r.layout, err, language);
  if (!doc) return kExitBadInput;
  Board* board = chosenBoard(*doc, r.board, err, language);
  if (!board) return kExitUsage;
  if (board->objects.empty()) {
    err << tr(texts::macroNoElements, language) << "\n";
    return kExitBadInput;
  }
  deselectAll(board->objects);
  if (!r.objects.empty()) {
    const auto chosen = chosenObjects(r.objects, board->objects.size());
    if (!chosen) {
      err << tr(texts::cliMacroBadObjects, language) << r.objects << "\n";
      return kExitUsage;
    }
    for (std::size_t i = 0; i < chosen->size(); ++i) board->objects[i]->selected = (*chosen)[i];
  }
  const ObjectList macro = macroFromBoard(board->objects, board->header.grid);
  std::error_code error;
  if (!saveMacro(r.output, macro, utf8ToWindows1252(r.line1), utf8ToWindows1252(r.line2), &error)) {
    err << couldNotSaveMessage(r.output, error, language) << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace

CLI::App* addMacroCommand(CLI::App& app, MacroRequest& r, MacroCommands& commands,
                          Language language) {
  CLI::App* command = app.add_subcommand("macro", tr(texts::cliMacroHelp, language));
  command->require_subcommand(1);
  command->fallthrough();

  commands.info = command->add_subcommand("info", tr(texts::cliMacroInfoHelp, language));
  commands.info->fallthrough();
  commands.info->add_flag("--json", r.json, tr(texts::cliJsonHelp, language));
  commands.info->add_option("FILE", r.macro, tr(texts::cliMacroFileHelp, language))->required();

  commands.place = command->add_subcommand("place", tr(texts::cliMacroPlaceHelp, language));
  commands.place->fallthrough();
  commands.place->add_option("LAYOUT", r.layout, tr(texts::cliInputHelp, language))->required();
  commands.place->add_option("MACRO", r.macro, tr(texts::cliMacroFileHelp, language))->required();
  commands.place->add_option("-o,--output", r.output, tr(texts::cliOutputHelp, language))
      ->required();
  commands.place->add_option("--at", r.at, tr(texts::cliMacroAtHelp, language))->required();
  commands.place->add_option("--board", r.board, tr(texts::cliBoardNumberHelp, language));
  commands.place->add_option("--side", r.side, tr(texts::cliMacroSideHelp, language))
      ->check(CLI::IsMember({"top", "bottom"}));
  commands.place->add_option("--rotate", r.rotate, tr(texts::cliMacroRotateHelp, language))
      ->check(CLI::IsMember({0, 90, 180, 270}));
  commands.place->add_flag("--component", r.component, tr(texts::cliMacroComponentHelp, language));
  commands.place->add_flag("--vias", r.vias, tr(texts::cliMacroViasHelp, language));

  commands.save = command->add_subcommand("save", tr(texts::cliMacroSaveHelp, language));
  commands.save->fallthrough();
  commands.save->add_option("LAYOUT", r.layout, tr(texts::cliInputHelp, language))->required();
  commands.save->add_option("-o,--output", r.output, tr(texts::cliMacroOutputHelp, language))
      ->required();
  commands.save->add_option("--board", r.board, tr(texts::cliBoardNumberHelp, language));
  commands.save->add_option("--objects", r.objects, tr(texts::cliMacroObjectsHelp, language));
  commands.save->add_option("--line1", r.line1, tr(texts::cliMacroLine1Help, language));
  commands.save->add_option("--line2", r.line2, tr(texts::cliMacroLine2Help, language));
  return command;
}

int runMacroCommand(const MacroRequest& request, const MacroCommands& commands, std::ostream& out,
                    std::ostream& err, Language language) {
  if (commands.info->parsed()) return macroInfo(request, out, err, language);
  if (commands.place->parsed()) return macroPlace(request, out, err, language);
  return macroSave(request, err, language);
}

}  // namespace pravelo
