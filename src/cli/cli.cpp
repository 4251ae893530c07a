#include "cli/cli.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>

#include "cli/cli_texts.h"
#include "cli/command_io.h"
#include "cli/drc_command.h"
#include "cli/drill_command.h"
#include "cli/edit_command.h"
#include "cli/generator_commands.h"
#include "cli/gerber_command.h"
#include "cli/image_command.h"
#include "cli/import_gerber_command.h"
#include "cli/info_summary.h"
#include "cli/layout_json.h"
#include "cli/macro_command.h"
#include "cli/mill_command.h"
#include "cli/nets_command.h"
#include "cli/options_command.h"
#include "cli/outlines_command.h"
#include "cli/parts_command.h"
#include "cli/print_command.h"
#include "cli/render_command.h"
#include "cli/route_command.h"
#include "cli/textio_command.h"
#include "document/document_texts.h"
#include "project/layout_load.h"

namespace pravelo {
namespace {

std::optional<Language> languageNamed(const std::string& name) {
  if (name == "de") return Language::German;
  if (name == "en") return Language::English;
  if (name == "fr") return Language::French;
  return std::nullopt;
}

// The help texts are built before parsing, so the language is looked up first.
Language requestedLanguage(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::optional<Language> language;
    if (args[i] == "--lang" && i + 1 < args.size()) language = languageNamed(args[i + 1]);
    if (args[i].rfind("--lang=", 0) == 0) language = languageNamed(args[i].substr(7));
    if (language) return *language;
  }
  return Language::English;
}

void translateHelp(CLI::App& app, Language language) {
  auto formatter = app.get_formatter();
  formatter->label("Usage", tr(texts::cliUsage, language));
  formatter->label("OPTIONS", tr(texts::cliOptionsWord, language));
  formatter->label("SUBCOMMAND", tr(texts::cliSubcommandWord, language));
  formatter->label("REQUIRED", tr(texts::cliRequired, language));
  formatter->label("Positionals", tr(texts::cliPositionals, language));
  formatter->label("TEXT", tr(texts::cliTextType, language));
  app.set_help_flag("-h,--help", tr(texts::cliHelpHelp, language));
  app.option_defaults()->group(tr(texts::cliOptionsGroup, language));
}

// The document in `path` with every load repair, or nothing after reporting why not.
std::optional<Document> load(const std::string& path, std::ostream& err, Language language) {
  LoadedLayout loaded = loadLayoutFile(path, language);
  if (loaded.failure != LoadFailure::None) {
    if (loaded.failure == LoadFailure::NotFound) err << path << ": ";
    err << loaded.message << "\n";
    return std::nullopt;
  }
  // The note on exchanged copper sides goes beside the output, never into it.
  if (!loaded.notice.empty()) err << loaded.notice << "\n";
  Document doc;
  installLayout(doc, std::move(loaded.contents));
  doc.fileName = path;
  return doc;
}

int info(const std::string& path, bool json, std::ostream& out, std::ostream& err,
         Language language) {
  const std::optional<Document> doc = load(path, err, language);
  if (!doc) return kExitBadInput;
  if (json) {
    out << layoutJson(*doc).dump() << "\n";
  } else {
    out << infoSummary(*doc, path, language);
  }
  return kExitOk;
}

int resave(const std::string& in, const std::string& outPath, std::ostream& err,
           Language language) {
  std::optional<Document> doc = load(in, err, language);
  if (!doc) return kExitBadInput;
  return writeLayoutOutput(*doc, outPath, err, language);
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const Language language = requestedLanguage(args);
  CLI::App app{tr(texts::cliDescription, language), "pravelo-cli"};
  translateHelp(app, language);
  app.require_subcommand(1);
  std::string languageName = "en";
  app.add_option("--lang", languageName, tr(texts::cliLangHelp, language));

  std::string file;
  bool json = false;
  CLI::App* infoCommand = app.add_subcommand("info", tr(texts::cliInfoHelp, language));
  infoCommand->fallthrough();
  infoCommand->add_flag("--json", json, tr(texts::cliJsonHelp, language));
  infoCommand->add_option("FILE", file, tr(texts::cliFileHelp, language))->required();

  std::string input;
  std::string output;
  CLI::App* resaveCommand = app.add_subcommand("resave", tr(texts::cliResaveHelp, language));
  resaveCommand->fallthrough();
  resaveCommand->add_option("IN", input, tr(texts::cliInputHelp, language))->required();
  resaveCommand->add_option("OUT", output, tr(texts::cliOutputHelp, language))->required();
  OutlinesRequest outlines;
  CLI::App* outlinesCommand = addOutlinesCommand(app, outlines, language);
  NetsRequest nets;
  CLI::App* netsCommand = addNetsCommand(app, nets, language);
  RenderRequest render;
  CLI::App* renderCommand = addRenderCommand(app, render, language);
  EditRequest edit;
  CLI::App* editCommand = addEditCommand(app, edit, language);
  TextIoExportRequest textIoExport;
  TextIoImportRequest textIoImport;
  TextIoCommands textIo;
  CLI::App* textIoCommand = addTextIoCommand(app, textIoExport, textIoImport, textIo, language);
  DrcRequest drc;
  CLI::App* drcCommand = addDrcCommand(app, drc, language);
  DrillRequest drill;
  CLI::App* drillCommand = addDrillCommand(app, drill, language);
  GerberRequest gerber;
  CLI::App* gerberCommand = addGerberCommand(app, gerber, language);
  MillRequest mill;
  CLI::App* millCommand = addMillCommand(app, mill, language);
  ImportGerberRequest importGerber;
  CLI::App* importGerberCommand = addImportGerberCommand(app, importGerber, language);
  PartsRequest parts;
  CLI::App* partsCommand = addPartsCommand(app, parts, language);
  OptionsRequest options;
  CLI::App* optionsCommand = addOptionsCommand(app, options, language);
  ImageRequest image;
  CLI::App* imageCommand = addImageCommand(app, image, language);
  PrintRequest print;
  CLI::App* printCommand = addPrintCommand(app, print, language);
  MacroRequest macro;
  MacroCommands macroCommands;
  CLI::App* macroCommand = addMacroCommand(app, macro, macroCommands, language);
  RouteCliRequest route;
  CLI::App* routeCommand = addRouteCommand(app, route, language);
  GeneratorRequest footprint;
  CLI::App* footprintCommand = addFootprintCommand(app, footprint, language);
  GeneratorRequest shape;
  CLI::App* shapeCommand = addShapeCommand(app, shape, language);
  for (CLI::App* sub :
       {infoCommand,  resaveCommand,       outlinesCommand, netsCommand,      renderCommand,
        editCommand,  textIoCommand,       drcCommand,      drillCommand,     gerberCommand,
        millCommand,  importGerberCommand, partsCommand,    optionsCommand,   imageCommand,
        printCommand, macroCommand,        routeCommand,    footprintCommand, shapeCommand}) {
    sub->group(tr(texts::cliSubcommandsGroup, language));
    sub->get_help_ptr()->group(tr(texts::cliOptionsGroup, language));
  }

  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
    if (!languageNamed(languageName)) {
      throw CLI::ValidationError(tr(texts::cliUnknownLanguage, language) + languageName);
    }
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kExitOk;
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) {
      out << app.help();
      return kExitOk;
    }
    err << tr(texts::cliWrongUsage, language) << e.what() << "\n"
        << tr(texts::cliSeeHelp, language) << "\n";
    return kExitUsage;
  }
  if (infoCommand->parsed()) return info(file, json, out, err, language);
  if (macroCommand->parsed()) return runMacroCommand(macro, macroCommands, out, err, language);
  if (footprintCommand->parsed()) return runFootprintCommand(footprint, out, err, language);
  if (shapeCommand->parsed()) return runShapeCommand(shape, out, err, language);
  if (outlinesCommand->parsed()) {
    const std::optional<Document> doc = load(outlines.file, err, language);
    return doc ? runOutlines(*doc, outlines, out, err, language) : kExitBadInput;
  }
  if (drcCommand->parsed()) {
    const std::optional<Document> doc = load(drc.file, err, language);
    return doc ? runDrcCommand(*doc, drc, out, err, language) : kExitBadInput;
  }
  if (drillCommand->parsed()) {
    const std::optional<Document> doc = load(drill.file, err, language);
    return doc ? runDrillCommand(*doc, drill, out, err, language) : kExitBadInput;
  }
  if (gerberCommand->parsed()) {
    const std::optional<Document> doc = load(gerber.file, err, language);
    return doc ? runGerber(*doc, gerber, out, err, language) : kExitBadInput;
  }
  if (millCommand->parsed()) {
    const std::optional<Document> doc = load(mill.file, err, language);
    return doc ? runMillCommand(*doc, mill, out, err, language) : kExitBadInput;
  }
  if (importGerberCommand->parsed()) return runImportGerber(importGerber, out, err, language);
  if (optionsCommand->parsed()) return runOptionsCommand(options, out, err, language);
  if (partsCommand->parsed()) {
    const std::optional<Document> doc = load(parts.file, err, language);
    return doc ? runPartsCommand(*doc, parts, out, err, language) : kExitBadInput;
  }
  if (printCommand->parsed()) {
    const std::optional<Document> doc = load(print.file, err, language);
    return doc ? runPrintCommand(*doc, print, err, language) : kExitBadInput;
  }
  if (imageCommand->parsed()) {
    const std::optional<Document> doc = load(image.file, err, language);
    return doc ? runImageCommand(*doc, image, err, language) : kExitBadInput;
  }
  if (routeCommand->parsed()) {
    std::optional<Document> doc = load(route.file, err, language);
    return doc ? runRouteCommand(*doc, route, out, err, language) : kExitBadInput;
  }
  if (netsCommand->parsed()) {
    const std::optional<Document> doc = load(nets.file, err, language);
    return doc ? runNets(*doc, nets, out, err, language) : kExitBadInput;
  }
  if (renderCommand->parsed()) {
    std::optional<Document> doc = load(render.file, err, language);
    return doc ? runRender(*doc, render, err, language) : kExitBadInput;
  }
  if (editCommand->parsed()) {
    std::optional<Document> doc = load(edit.input, err, language);
    return doc ? runEdit(*doc, edit, out, err, language) : kExitBadInput;
  }
  if (textIo.exportCommand->parsed()) {
    const std::optional<Document> doc = load(textIoExport.file, err, language);
    return doc ? runTextIoExport(*doc, textIoExport, err, language) : kExitBadInput;
  }
  if (textIo.importCommand->parsed()) {
    std::optional<Document> doc = load(textIoImport.file, err, language);
    return doc ? runTextIoImport(*doc, textIoImport, err, language) : kExitBadInput;
  }
  return resave(input, output, err, language);
}

}  // namespace pravelo
